// A route imported from a drawing or a survey: points in order, each segment to the next
// straight or an arc in plan, turned into the links a person would type for it. Between points
// the route runs straight; at an inner point it bends by the angle between the two directions,
// in the plane they span, with the point's radius or a default one, the bend's tangents taken
// off the straights on both sides. Arcs of the drawing are bends of their own radius.
#pragma once

#include "pullplan/pull_plan.h"
#include "pullplan/route_path.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tensora {

// Points closer than this merge into one (ft).
inline constexpr double kMergeDistance = 0.01;
// Directions closer than this angle (radians, 0.01 degrees) are one: the points between them
// are on one straight.
inline constexpr double kCollinearAngle = 0.01 * 3.14159265358979323846 / 180;

struct RouteVertex {
    Vec3 at;                      // ft: east, north, up
    double bulge = 0;             // the segment to the next point: tan(arc angle / 4), + left
    std::optional<double> radius; // ft: the bend at this point, else the default
    std::string where;            // where it stands in its file: "line 12", "vertex 3"
};

// One path a file offers.
struct RoutePolyline {
    std::vector<RouteVertex> vertices;
    std::string layer;     // a drawing's layer, empty elsewhere
    std::string entity;    // what holds it: "LWPOLYLINE 2", "LINE/ARC chain 1", an alignment
    double length() const; // ft, along its segments and arcs
};

// What a route file offers: its paths, in the file's own units, and those units where it
// names them.
struct RouteFile {
    std::vector<RoutePolyline> paths;
    std::optional<double> feet_per_unit;
    std::string error; // why the file cannot be read: no paths then
};

// The path with its coordinates and radii in feet.
RoutePolyline in_feet(RoutePolyline path, double feet_per_unit);

// The feet in one of the units a route may be drawn in: "ft", "in", "m", "mm".
std::optional<double> feet_per_route_unit(std::string_view key);

// A number as a route file writes it: the whole text, "." for the point, an exponent allowed,
// read to the last digit a double holds whatever the program's locale.
std::optional<double> file_number(std::string_view text);

enum class RouteFileKind { Dxf, LandXml, Csv };

// What a route file is, from its content: a DXF drawing, a LandXML document, else points.
RouteFileKind route_file_kind(std::string_view text);

// A route file's text read as its content says: a DXF drawing, a LandXML document (by
// `read_landxml`, which needs an XML reader the core does not have; none: refused), else points.
RouteFile read_route_text(std::string_view text,
                          const std::function<RouteFile(std::string_view)>& read_landxml);

// The path the user chose of a file's: those on `layer` (all when empty), and of them the
// `entity`th (from 1; 0 when the file offers one alone). The error says why none is chosen,
// listing the candidates where there are several.
struct RouteChoice {
    const RoutePolyline* path = nullptr;
    std::string error;
};
RouteChoice choose_route_path(const RouteFile& file, std::string_view layer, int entity,
                              double feet_per_unit, UnitSystem units);

// A candidate as the choice lists it: "layer DUCT, LWPOLYLINE at line 40, 523.4 ft".
std::string route_candidate_text(const RoutePolyline& path, double feet_per_unit, UnitSystem units);

// Where an imported route came from, as the report's line keeps it: the file's name, the
// layer and entity, the units and the default radius (control characters made blanks).
std::string route_source_text(std::string_view file_name, const RoutePolyline& path,
                              std::string_view units, std::string_view default_radius);

struct RouteSummary {
    std::size_t links = 0;
    double length = 0; // ft
    double rise = 0;   // ft, from the first point to the last
    int left = 0, right = 0, up = 0, down = 0, tilted = 0;
};

struct ImportedRoute {
    // The links as plain texts ("." for the point), lengths in the units given.
    std::vector<PullLinkTexts> links;
    RouteSummary summary;
    std::string error; // why the route was refused: no links then
};

// The links of `route`, bends without a radius of their own taking `default_radius` (ft).
// Lengths are written in `units`; angles in degrees as a person types them.
ImportedRoute import_route(const RoutePolyline& route, double default_radius, UnitSystem units);

// The summary as the import states it before the plan changes: "12 links, 1,234.5 ft, rise
// 10.2 ft; bends: 3 left, 2 right, 1 up".
std::string route_summary_text(const RouteSummary& summary, UnitSystem units,
                               const NumberLocale& locale);

} // namespace tensora
