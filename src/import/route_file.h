// A route file read whole and by its content (a DXF drawing, a LandXML document, else points):
// what File > Import Route reads.
#pragma once

#include "pullplan/route_import.h"

#include <QString>

namespace tensora {

RouteFile read_route_file(const QString& path);

} // namespace tensora
