// A route as a list of surveyed points: one point a line, x, y and optionally z and a bend
// radius, separated by commas, semicolons or blanks. A first line that names its columns
// (x or easting, y or northing, z or elevation, r or radius, a point number, anything else
// skipped) sets their order; without one, two numbers are x y, three x y z, four x y z r, and a
// file whose first column numbers its points (whole numbers, none twice) and whose fifth is
// text is a point file in the surveyors' order: number, northing, easting, elevation,
// description. One that could be read either way is refused, asking for a header.
#pragma once

#include "routes/route_import.h"

#include <string_view>

namespace tensora {

// The points of a CSV text, in its own units (the file does not name them).
RouteFile read_route_csv(std::string_view text);

// The path written as such a file, with a header line: what the import reads back.
std::string route_csv_text(const RoutePolyline& path);

} // namespace tensora
