// A route from a LandXML file: each alignment is a path, its horizontal geometry (lines,
// circular curves, clothoid spirals) laid in space by its profile (grades between points of
// intersection, symmetric, asymmetric and circular vertical curves). The path is given as
// pieces: a line on a grade is a straight, a curve on a grade a bend that climbs with it, a
// vertical curve bends in the upright plane; where turns overlap, and along a spiral, the route
// is a chain of bends that follows its curvature, none turning more than 1 degree, so that the
// route's length, turns and heights are the file's. Read with pugixml.
#pragma once

#include "routes/route_import.h"

#include <string_view>

namespace tensora {

RouteFile read_route_landxml(std::string_view text);

} // namespace tensora
