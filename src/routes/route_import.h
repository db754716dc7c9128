// A route imported from a drawing, a survey or an alignment, turned into the links a person
// would type for it. A file gives its route as points in order (each segment to the next a
// straight or an arc in plan) or, an alignment, as pieces that follow one another: straights,
// arcs and arcs that climb. Between points the route runs straight; at an inner point it bends
// by the angle between the two directions, in the plane they span, with the point's radius or a
// default one, the bend's tangents taken off the straights beside it. Points that follow a
// curve of steady radius (a survey of an alignment's curve) are one bend of that radius; no
// turn and no rise of the file is lost.
#pragma once

#include "numbers/message.h"
#include "pullplan/pull_plan.h"
#include "pullplan/route_path.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tensora {

struct RouteVertex {
    Vec3 at;                      // east, north, up, in the file's units
    double bulge = 0;             // the segment to the next point: tan(arc angle / 4), + left
    std::optional<double> radius; // the bend at this point, else the default
    std::string where;            // where it stands in its file: "line 12"
};

// A piece of a route whose directions its file gives (an alignment's line, curve, a piece of
// its spiral or vertical curve), starting where the one before ends.
struct RoutePiece {
    // A straight; an arc turning its direction in the plane of its two directions; or a curve
    // that turns in plan while it climbs or drops at the grade of its directions (a helix: the
    // planner's horizontal bend on an incline).
    enum class Kind { Straight, Arc, PlanArc };
    Kind kind = Kind::Straight;
    double length = 0; // along it, in the file's units
    Vec3 in;           // unit directions where it starts and ends
    Vec3 out;
    double theta = 0;   // the angle it turns: an arc's in its plane, a plan arc's in plan
    bool right = false; // a plan arc turning right
    // Where the piece before meets it at an angle (a grade that breaks without a vertical
    // curve), the radius of the bend there; else the default.
    std::optional<double> corner_radius;
    std::string where;
};

// One path a file offers.
struct RoutePolyline {
    std::vector<RouteVertex> vertices;
    // An alignment's pieces, from its first vertex on (its vertices then hold the points its
    // pieces start and end at, for its extent); empty for a path of points.
    std::vector<RoutePiece> pieces;
    std::string layer;  // a drawing's layer, empty elsewhere
    std::string entity; // what holds it: "LWPOLYLINE at line 40", an alignment's name
    // What the reader changed or could not take of it (an alignment that runs beyond its
    // profile, say), said with the route.
    std::vector<Message> notes;
    double length() const; // along its segments, arcs and pieces
};

// What a route file offers: its paths, in the file's own units, and those units where it
// names them.
struct RouteFile {
    std::vector<RoutePolyline> paths;
    std::optional<double> feet_per_unit;
    Message error; // why the file cannot be read: no paths then
};

// The path with its coordinates, lengths and radii in feet.
RoutePolyline in_feet(RoutePolyline path, double feet_per_unit);

// The feet in one of the units a route may be drawn in: "ft", "in", "m", "mm".
std::optional<double> feet_per_route_unit(std::string_view key);

// A number as a route file writes it: the whole text, "." for the point, an exponent allowed,
// read to the last digit a double holds whatever the program's locale.
std::optional<double> file_number(std::string_view text);

// A file's text without the UTF-8 byte-order mark that spreadsheets write before it.
std::string_view without_byte_order_mark(std::string_view text);

enum class RouteFileKind { Dxf, LandXml, Csv };

// What a route file is, from its content: a DXF drawing, a LandXML document, else points.
RouteFileKind route_file_kind(std::string_view text);

// A route file's text read as its content says.
RouteFile read_route_text(std::string_view text);

// A route file read whole from disk, by its content.
RouteFile read_route_file(const std::filesystem::path& path);

// The path the user chose of a file's: those on `layer` (all when empty), and of them the
// `entity`th (from 1; 0 when the file offers one alone). The error says why none is chosen,
// listing the candidates where there are several.
struct RouteChoice {
    const RoutePolyline* path = nullptr;
    Message error;
};
RouteChoice choose_route_path(const RouteFile& file, std::string_view layer, int entity,
                              double feet_per_unit, UnitSystem units);

// A candidate as the choice lists it: "layer DUCT, LWPOLYLINE at line 40, 523.4 ft".
Message route_candidate(const RoutePolyline& path, double feet_per_unit, UnitSystem units);

// Where an imported route came from, as the report's line keeps it: the file's name, the
// layer and entity, the units and the default radius (control characters made blanks).
std::string route_source_text(std::string_view file_name, const RoutePolyline& path,
                              std::string_view units, std::string_view default_radius);

struct RouteSummary {
    std::size_t links = 0;
    double length = 0; // ft
    double rise = 0;   // ft, from the first point to the last
    double turn = 0;   // degrees, every bend's angle added
    int left = 0, right = 0, up = 0, down = 0, tilted = 0;
    // Points that stood closer to the one before than the file's own scale tells apart, and
    // that distance (ft): merged into it.
    std::size_t merged = 0;
    double merge_distance = 0;
};

struct ImportedRoute {
    // The links as plain texts ("." for the point), lengths in the units given. The first
    // sets the route's incline, 0 included, so that a route appended to a plan climbs as the
    // file does whatever incline the plan has reached.
    std::vector<PullLinkTexts> links;
    RouteSummary summary;
    Message error; // why the route was refused: no links then
};

// The links of `route` (in feet), bends without a radius of their own taking `default_radius`
// (ft). Lengths are written in `units`; angles in degrees as a person types them.
ImportedRoute import_route(const RoutePolyline& route, double default_radius, UnitSystem units);

// The summary as the import states it before the plan changes: "12 links, 1,234.5 ft, rise
// 10.2 ft; bends: 3 left, 2 right, 1 up".
Message route_summary(const RouteSummary& summary, UnitSystem units);

} // namespace tensora
