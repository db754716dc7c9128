// A route from an ASCII DXF drawing: each LWPOLYLINE (its vertices, bulges as arcs, its
// elevation), each old-style POLYLINE (2-D or 3-D) and each chain of LINE and ARC entities
// joined end to end on one layer is a path the user may choose. The drawing's units come from
// its $INSUNITS where it sets them. Coordinates are read as doubles: a surveyed drawing's
// coordinates run to millions of feet, and a length between two of them must keep its digits.
#pragma once

#include "routes/route_import.h"

#include <string_view>

namespace tensora {

RouteFile read_route_dxf(std::string_view text);

// Whether a text looks like a DXF drawing (ASCII or binary): what the import asks before
// reading a file as one.
bool looks_like_dxf(std::string_view text);

} // namespace tensora
