// A route from a LandXML file: each alignment's horizontal geometry (its lines and circular
// curves) is a path, its heights from the alignment's profile (the points of intersection, a
// vertical curve's length giving the bend's radius there) where it has one. Read with Qt's XML
// stream reader.
#pragma once

#include "pullplan/route_import.h"

#include <string_view>

namespace tensora {

RouteFile read_route_landxml(std::string_view text);

} // namespace tensora
