#include "routes/route_dxf.h"

#include "numbers/number_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <numbers>
#include <unordered_map>
#include <utility>

namespace tensora {
namespace {

constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";

struct Group {
    int code = 0;
    std::string_view value;
    std::size_t line = 0; // of the value
};

// The drawing as group code and value pairs, or why it cannot be read.
std::vector<Group> groups_of(std::string_view text, Message& error) {
    std::vector<Group> groups;
    std::size_t line = 0;
    const auto next_line = [&text, &line]() -> std::optional<std::string_view> {
        if (text.empty()) {
            return std::nullopt;
        }
        const std::size_t end = text.find('\n');
        std::string_view found = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line;
        if (!found.empty() && found.back() == '\r') {
            found.remove_suffix(1);
        }
        return found;
    };
    while (const std::optional<std::string_view> code_text = next_line()) {
        const std::string_view code = trimmed_blanks(*code_text);
        if (code.empty() && text.empty()) {
            break;
        }
        int value = 0;
        const auto [end, failed] = std::from_chars(code.data(), code.data() + code.size(), value);
        if (failed != std::errc() || end != code.data() + code.size()) {
            error = Message(TENSORA_TEXT("Routes", "Line %1: \"%2\" is not a group code."))
                        .count_arg(static_cast<long long>(line))
                        .data(std::string(code.substr(0, 40)));
            return {};
        }
        const std::optional<std::string_view> value_text = next_line();
        if (!value_text) {
            error = Message(TENSORA_TEXT("Routes", "Line %1: the drawing ends after a group code."))
                        .count_arg(static_cast<long long>(line));
            return {};
        }
        groups.push_back({value, trimmed_blanks(*value_text), line});
    }
    return groups;
}

// One entity: its type, where it starts, its groups.
struct Entity {
    std::string_view type;
    std::size_t line = 0;
    std::vector<Group> groups;
    std::string_view layer() const {
        for (const Group& group : groups) {
            if (group.code == 8) {
                return group.value;
            }
        }
        return "0";
    }
};

// A whole-number group (flags, a units code) as an integer; a value beyond any code is none.
long whole(double value) {
    return std::fabs(value) < 1e9 ? static_cast<long>(value) : 0;
}

double feet_per_insunit(long code) {
    switch (code) {
    case 1:
        return 1.0 / 12;
    case 2:
        return 1;
    case 3:
        return 5280;
    case 4:
        return 1 / 304.8;
    case 5:
        return 1 / 30.48;
    case 6:
        return 1 / 0.3048;
    case 7:
        return 1000 / 0.3048;
    case 10:
        return 3;
    case 21:
        return 1200.0 / 3937 / 0.3048;
    default:
        return 0;
    }
}

// An entity's object coordinate system, by the arbitrary axis algorithm of the DXF format:
// its extrusion is its z axis; its x axis is the world's y crossed with it where the extrusion
// lies within 1/64 of the world's z, else the world's z crossed with it; its y axis completes
// them. LWPOLYLINEs, 2-D POLYLINEs and ARCs are drawn in it, their heights included; LINEs and
// 3-D POLYLINEs in the world's own.
struct ObjectAxes {
    Vec3 x{1, 0, 0};
    Vec3 y{0, 1, 0};
    Vec3 z{0, 0, 1};

    Vec3 world(Vec3 p) const { return p.x * x + p.y * y + p.z * z; }
    // Whether its plane is level: an arc drawn in it turns in plan (seen from below where its
    // extrusion points down).
    bool level() const { return std::fabs(z.x) < 1e-12 && std::fabs(z.y) < 1e-12; }
};

ObjectAxes object_axes(const Entity& entity) {
    Vec3 normal{0, 0, 1};
    for (const Group& group : entity.groups) {
        const std::optional<double> value = file_number(group.value);
        if (value && std::isfinite(*value)) {
            if (group.code == 210) {
                normal.x = *value;
            } else if (group.code == 220) {
                normal.y = *value;
            } else if (group.code == 230) {
                normal.z = *value;
            }
        }
    }
    ObjectAxes axes;
    if (!(dot(normal, normal) > 0)) {
        return axes;
    }
    axes.z = unit(normal);
    constexpr double kNearZ = 1.0 / 64;
    axes.x = std::fabs(axes.z.x) < kNearZ && std::fabs(axes.z.y) < kNearZ
                 ? unit(cross(Vec3{0, 1, 0}, axes.z))
                 : unit(cross(Vec3{0, 0, 1}, axes.z));
    axes.y = cross(axes.z, axes.x);
    return axes;
}

// The points of an arc drawn in a plane that is not level, where it turns in no plan: its
// inner points at most 2 degrees apart, in the world's axes. Read back, points of a steady
// radius are one bend of it again.
std::vector<Vec3> arc_points(const ObjectAxes& axes, Vec3 centre, double radius, double start,
                             double sweep) {
    const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) * 90 / std::numbers::pi)));
    std::vector<Vec3> points;
    for (int k = 1; k < steps; ++k) {
        const double angle = start + sweep * k / steps;
        points.push_back(axes.world(
            {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle), centre.z}));
    }
    return points;
}

// A LINE or an ARC: from a to b, the arc's bulge in plan (or, drawn in a plane that is not
// level, its inner points); gathered into chains by layer.
struct DrawnPiece {
    Vec3 a;
    Vec3 b;
    double bulge = 0;
    std::vector<Vec3> inner;
    std::string layer;
    std::size_t line = 0;
};

class DrawingReader {
public:
    explicit DrawingReader(RouteFile& file) : file_(file) {}
    bool read(const std::vector<Group>& groups);

private:
    bool number(const Group& group, double& into);
    bool lwpolyline(const Entity& entity);
    bool polyline(const Entity& entity, const std::vector<Entity>& vertices);
    bool line_or_arc(const Entity& entity);
    void chains();
    // An entity read whole: a path of its own, a piece of a chain, or a part of an old-style
    // POLYLINE.
    bool add_entity(Entity entity);
    bool units(const Group& group);
    std::string name(const Entity& entity) const {
        return std::string(entity.type) + " at line " + std::to_string(entity.line);
    }
    // A path drawn in an object coordinate system, into the world's: points mapped, bulges
    // kept where its plane is level (turned over where it is seen from below), else its arcs
    // as points.
    void to_world(RoutePolyline& path, const ObjectAxes& axes);

    RouteFile& file_;
    std::vector<DrawnPiece> pieces_;
    std::optional<Entity> polyline_head_; // an old-style POLYLINE until its SEQEND
    std::vector<Entity> polyline_vertices_;
};

bool DrawingReader::number(const Group& group, double& into) {
    const std::optional<double> value = file_number(group.value);
    if (!value || !std::isfinite(*value)) {
        file_.error = Message(TENSORA_TEXT("Routes", "Line %1: \"%2\" is not a finite number."))
                          .count_arg(static_cast<long long>(group.line))
                          .data(std::string(group.value.substr(0, 40)));
        return false;
    }
    into = *value;
    return true;
}

void DrawingReader::to_world(RoutePolyline& path, const ObjectAxes& axes) {
    std::vector<RouteVertex> world;
    for (std::size_t i = 0; i < path.vertices.size(); ++i) {
        RouteVertex vertex = path.vertices[i];
        vertex.at = axes.world(path.vertices[i].at);
        if (axes.level()) {
            vertex.bulge *= axes.z.z < 0 ? -1.0 : 1.0;
            world.push_back(std::move(vertex));
            continue;
        }
        vertex.bulge = 0;
        world.push_back(vertex);
        const double bulge = path.vertices[i].bulge;
        if (bulge == 0 || i + 1 >= path.vertices.size()) {
            continue;
        }
        // The arc in its own plane: centre and angles from the chord and the bulge.
        const Vec3 a = path.vertices[i].at;
        const Vec3 b = path.vertices[i + 1].at;
        const double sweep = 4 * std::atan(bulge);
        const Vec3 chord = b - a;
        const double half = std::hypot(chord.x, chord.y) / 2;
        const double radius = half / std::sin(std::fabs(sweep) / 2);
        const double offset = radius * std::cos(sweep / 2) / (2 * half);
        const Vec3 across{-chord.y, chord.x, 0};
        const Vec3 centre = 0.5 * (a + b) + (sweep > 0 ? offset : -offset) * across;
        const double start = std::atan2(a.y - centre.y, a.x - centre.x);
        for (const Vec3 point : arc_points(axes, {centre.x, centre.y, a.z}, radius, start, sweep)) {
            world.push_back({point, 0, std::nullopt, vertex.where});
        }
    }
    path.vertices = std::move(world);
}

bool DrawingReader::lwpolyline(const Entity& entity) {
    RoutePolyline path;
    path.layer = entity.layer();
    path.entity = name(entity);
    double elevation = 0;
    bool closed = false;
    for (const Group& group : entity.groups) {
        double value = 0;
        switch (group.code) {
        case 10:
            if (!number(group, value)) {
                return false;
            }
            path.vertices.push_back(
                {{value, 0, 0}, 0, std::nullopt, "line " + std::to_string(group.line)});
            break;
        case 20:
        case 42:
            if (path.vertices.empty()) {
                file_.error = Message(TENSORA_TEXT("Routes", "Line %1: %2 gives a coordinate "
                                                             "before its first vertex."))
                                  .count_arg(static_cast<long long>(group.line))
                                  .data(path.entity);
                return false;
            }
            if (!number(group, value)) {
                return false;
            }
            (group.code == 20 ? path.vertices.back().at.y : path.vertices.back().bulge) = value;
            break;
        case 38:
            if (!number(group, elevation)) {
                return false;
            }
            break;
        case 70:
            if (!number(group, value)) {
                return false;
            }
            closed = (whole(value) & 1) != 0;
            break;
        default:
            break;
        }
    }
    for (RouteVertex& vertex : path.vertices) {
        vertex.at.z = elevation;
    }
    if (closed && !path.vertices.empty()) {
        path.vertices.push_back(path.vertices.front());
    }
    if (!path.vertices.empty()) {
        path.vertices.back().bulge = 0;
    }
    to_world(path, object_axes(entity));
    file_.paths.push_back(std::move(path));
    return true;
}

bool DrawingReader::polyline(const Entity& entity, const std::vector<Entity>& vertices) {
    double flags = 0;
    double elevation = 0;
    for (const Group& group : entity.groups) {
        if ((group.code == 70 && !number(group, flags)) ||
            (group.code == 30 && !number(group, elevation))) {
            return false;
        }
    }
    const long kind = whole(flags);
    const bool three_d = (kind & 8) != 0;
    if ((kind & (16 | 64)) != 0) {
        return true; // a mesh or a face: not a route
    }
    RoutePolyline path;
    path.layer = entity.layer();
    path.entity = name(entity);
    for (const Entity& vertex : vertices) {
        RouteVertex point{{0, 0, three_d ? 0 : elevation},
                          0,
                          std::nullopt,
                          "line " + std::to_string(vertex.line)};
        double vertex_flags = 0;
        for (const Group& group : vertex.groups) {
            double value = 0;
            if (group.code != 10 && group.code != 20 && group.code != 30 && group.code != 42 &&
                group.code != 70) {
                continue;
            }
            if (!number(group, value)) {
                return false;
            }
            switch (group.code) {
            case 10:
                point.at.x = value;
                break;
            case 20:
                point.at.y = value;
                break;
            case 30:
                if (three_d) {
                    point.at.z = value;
                }
                break;
            case 42:
                point.bulge = three_d ? 0 : value;
                break;
            default:
                vertex_flags = value;
                break;
            }
        }
        if ((whole(vertex_flags) & 16) == 0) { // not a spline's control point
            path.vertices.push_back(std::move(point));
        }
    }
    if ((kind & 1) != 0 && !path.vertices.empty()) {
        path.vertices.push_back(path.vertices.front());
    }
    if (!path.vertices.empty()) {
        path.vertices.back().bulge = 0;
    }
    if (!three_d) {
        to_world(path, object_axes(entity));
    }
    file_.paths.push_back(std::move(path));
    return true;
}

bool DrawingReader::line_or_arc(const Entity& entity) {
    const bool arc = entity.type == "ARC";
    double v[7] = {0, 0, 0, 0, 0, 0, 0}; // 10 20 30 11/40 21/50 31/51
    for (const Group& group : entity.groups) {
        static constexpr int kLine[] = {10, 20, 30, 11, 21, 31};
        static constexpr int kArc[] = {10, 20, 30, 40, 50, 51};
        const int* codes = arc ? kArc : kLine;
        for (int k = 0; k < 6; ++k) {
            if (group.code == codes[k] && !number(group, v[k])) {
                return false;
            }
        }
    }
    DrawnPiece piece;
    piece.layer = std::string(entity.layer());
    piece.line = entity.line;
    if (!arc) {
        piece.a = {v[0], v[1], v[2]};
        piece.b = {v[3], v[4], v[5]};
    } else {
        const ObjectAxes axes = object_axes(entity);
        const double radius = v[3];
        const double start = v[4] * std::numbers::pi / 180;
        double sweep = std::fmod(v[5] - v[4], 360.0);
        if (sweep <= 0) {
            sweep += 360;
        }
        const double end = start + sweep * std::numbers::pi / 180;
        const auto at = [&](double angle) {
            return axes.world(
                {v[0] + radius * std::cos(angle), v[1] + radius * std::sin(angle), v[2]});
        };
        piece.a = at(start);
        piece.b = at(end);
        if (axes.level()) {
            piece.bulge = (axes.z.z < 0 ? -1.0 : 1.0) * std::tan(sweep * std::numbers::pi / 180 / 4);
        } else {
            piece.inner = arc_points(axes, {v[0], v[1], v[2]}, radius, start,
                                     sweep * std::numbers::pi / 180);
        }
    }
    pieces_.push_back(std::move(piece));
    return true;
}

// The ends of the LINEs and ARCs, found by where they stand. Two ends meet where they stand
// closer than a millionth of the shortest piece drawn (never closer than the last digits the
// coordinates hold): a tolerance on the drawing's own lengths, whatever the size of its
// coordinates, so that no piece is entered from its other end. Each end is kept in a cell of
// that size and looked for in its cell and the cells around it.
class EndIndex {
public:
    EndIndex(const std::vector<DrawnPiece>& pieces, const std::vector<char>& used)
        : pieces_(pieces), used_(used) {
        double shortest = 0;
        double largest = 0;
        for (const DrawnPiece& piece : pieces) {
            const Vec3 span = piece.b - piece.a;
            const double length = std::sqrt(dot(span, span));
            if (length > 0 && (shortest == 0 || length < shortest)) {
                shortest = length;
            }
            for (const Vec3 end : {piece.a, piece.b}) {
                largest = std::max({largest, std::fabs(end.x), std::fabs(end.y)});
            }
        }
        tolerance_ = std::max(1e-6 * shortest, 1e-12 * largest);
        cell_ = std::max(tolerance_, 1e-11 * largest);
        if (!(cell_ > 0)) {
            cell_ = 1;
        }
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            ends_.emplace(key(pieces[i].a), i);
            ends_.emplace(key(pieces[i].b), i);
        }
    }

    // The unused piece other than `except` with an end at `at` on `layer`, and whether that
    // end is the piece's start.
    std::optional<std::pair<std::size_t, bool>> meeting(Vec3 at, const std::string& layer,
                                                        std::size_t except) const {
        const auto [kx, ky] = key(at);
        for (long long dx = -1; dx <= 1; ++dx) {
            for (long long dy = -1; dy <= 1; ++dy) {
                const auto range = ends_.equal_range({kx + dx, ky + dy});
                for (auto it = range.first; it != range.second; ++it) {
                    const DrawnPiece& other = pieces_[it->second];
                    if (it->second == except || used_[it->second] || other.layer != layer) {
                        continue;
                    }
                    if (near(other.a, at)) {
                        return std::pair{it->second, true};
                    }
                    if (near(other.b, at)) {
                        return std::pair{it->second, false};
                    }
                }
            }
        }
        return std::nullopt;
    }

private:
    using Key = std::pair<long long, long long>;
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<long long>()(k.first) * 1000003U ^ std::hash<long long>()(k.second);
        }
    };

    bool near(Vec3 p, Vec3 q) const {
        const Vec3 d = p - q;
        return std::sqrt(dot(d, d)) <= tolerance_;
    }
    // Held within what a long long holds, with room for the neighbouring cells.
    Key key(Vec3 p) const {
        const auto cell = [this](double v) {
            return static_cast<long long>(std::clamp(std::floor(v / cell_), -1e18, 1e18));
        };
        return {cell(p.x), cell(p.y)};
    }

    const std::vector<DrawnPiece>& pieces_;
    const std::vector<char>& used_;
    double tolerance_ = 0;
    double cell_ = 1;
    std::unordered_multimap<Key, std::size_t, KeyHash> ends_;
};

// The LINEs and ARCs joined end to end, layer by layer, into paths: from a free end (or any
// end of a closed chain) on to the piece whose end meets it.
void DrawingReader::chains() {
    std::vector<char> used(pieces_.size(), 0);
    const EndIndex ends(pieces_, used);
    int count = 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t first = 0; first < pieces_.size(); ++first) {
            if (used[first]) {
                continue;
            }
            const DrawnPiece& start = pieces_[first];
            // First pass: only from a free end, so that a chain is read from one of its ends.
            const bool a_free = !ends.meeting(start.a, start.layer, first);
            const bool b_free = !ends.meeting(start.b, start.layer, first);
            if (pass == 0 && !a_free && !b_free) {
                continue;
            }
            RoutePolyline path;
            path.layer = start.layer;
            path.entity = "LINE/ARC chain " + std::to_string(++count) + " from line " +
                          std::to_string(start.line);
            std::size_t at = first;
            bool forward = a_free || !b_free;
            while (true) {
                used[at] = 1;
                const DrawnPiece& piece = pieces_[at];
                const std::string where = "line " + std::to_string(piece.line);
                path.vertices.push_back({forward ? piece.a : piece.b,
                                         forward ? piece.bulge : -piece.bulge, std::nullopt,
                                         where});
                std::vector<Vec3> inner = piece.inner;
                if (!forward) {
                    std::reverse(inner.begin(), inner.end());
                }
                for (const Vec3 point : inner) {
                    path.vertices.push_back({point, 0, std::nullopt, where});
                }
                const Vec3 end = forward ? piece.b : piece.a;
                const auto next = ends.meeting(end, piece.layer, at);
                if (!next) {
                    path.vertices.push_back({end, 0, std::nullopt, where});
                    break;
                }
                at = next->first;
                forward = next->second;
            }
            file_.paths.push_back(std::move(path));
        }
    }
}

// Its head, its VERTEXes and the SEQEND that close an old-style POLYLINE.
bool DrawingReader::add_entity(Entity entity) {
    if (entity.type == "LWPOLYLINE") {
        return lwpolyline(entity);
    }
    if (entity.type == "LINE" || entity.type == "ARC") {
        return line_or_arc(entity);
    }
    if (entity.type == "POLYLINE") {
        polyline_head_ = std::move(entity);
        polyline_vertices_.clear();
    } else if (entity.type == "VERTEX" && polyline_head_) {
        polyline_vertices_.push_back(std::move(entity));
    } else if (entity.type == "SEQEND" && polyline_head_) {
        const Entity head = std::move(*polyline_head_);
        polyline_head_.reset();
        return polyline(head, polyline_vertices_);
    }
    return true;
}

bool DrawingReader::read(const std::vector<Group>& groups) {
    std::string_view section;
    bool in_entities = false;
    bool ended = false;
    std::optional<Entity> entity;
    const auto finish = [&]() {
        return !entity || add_entity(*std::exchange(entity, std::nullopt));
    };
    for (std::size_t i = 0; i < groups.size() && !ended; ++i) {
        const Group& group = groups[i];
        if (group.code != 0) {
            if (entity) {
                entity->groups.push_back(group);
            } else if (section == "HEADER" && group.code == 9 && group.value == "$INSUNITS" &&
                       i + 1 < groups.size() && !units(groups[i + 1])) {
                return false;
            }
            continue;
        }
        if (!finish()) {
            return false;
        }
        if (group.value == "SECTION") {
            section = i + 1 < groups.size() && groups[i + 1].code == 2 ? groups[i + 1].value
                                                                       : std::string_view();
            in_entities = section == "ENTITIES";
        } else if (group.value == "ENDSEC") {
            if (in_entities && polyline_head_) {
                file_.error = Message(TENSORA_TEXT("Routes", "Line %1: %2 has no SEQEND."))
                                  .count_arg(static_cast<long long>(group.line))
                                  .data(name(*polyline_head_));
                return false;
            }
            in_entities = false;
            section = {};
        } else if (group.value == "EOF") {
            ended = true;
        } else if (in_entities) {
            entity = Entity{group.value, group.line, {}};
        }
    }
    if (!finish()) {
        return false;
    }
    if (!ended || in_entities) {
        file_.error = TENSORA_TEXT("Routes",
                                   "The drawing ends before its end (no EOF): the file is cut short.");
        return false;
    }
    chains();
    return true;
}

// The drawing's units, from the value of its $INSUNITS; a code of no length unit leaves them
// to the user.
bool DrawingReader::units(const Group& group) {
    double code = 0;
    if (!number(group, code)) {
        return false;
    }
    if (const double feet = feet_per_insunit(whole(code)); feet > 0) {
        file_.feet_per_unit = feet;
    }
    return true;
}

// Whether a path holds two points apart.
bool has_two_points(const RoutePolyline& path) {
    for (const RouteVertex& vertex : path.vertices) {
        const Vec3 step = vertex.at - path.vertices.front().at;
        if (dot(step, step) > 0) {
            return true;
        }
    }
    return false;
}

} // namespace

bool looks_like_dxf(std::string_view text) {
    if (text.substr(0, kBinarySentinel.size()) == kBinarySentinel) {
        return true;
    }
    // The first pair after any comments (999) opens a section.
    for (int pair = 0; pair < 64 && !text.empty(); ++pair) {
        std::string_view lines[2];
        for (std::string_view& line : lines) {
            const std::size_t end = text.find('\n');
            line = trimmed_blanks(text.substr(0, end));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        }
        if (lines[0] != "999") {
            return lines[0] == "0" && lines[1] == "SECTION";
        }
    }
    return false;
}

RouteFile read_route_dxf(std::string_view text) {
    RouteFile file;
    text = without_byte_order_mark(text);
    if (text.substr(0, kBinarySentinel.size()) == kBinarySentinel) {
        file.error = TENSORA_TEXT(
            "Routes", "This is a binary DXF drawing: save it as an ASCII DXF and import that.");
        return file;
    }
    const std::vector<Group> groups = groups_of(text, file.error);
    if (!file.error.empty()) {
        return file;
    }
    DrawingReader reader(file);
    if (!reader.read(groups)) {
        file.paths.clear();
        return file;
    }
    // A path of one point (or of points on one spot) is no route.
    std::vector<RoutePolyline> single;
    std::erase_if(file.paths, [&single](const RoutePolyline& path) {
        if (!has_two_points(path)) {
            single.push_back(path);
            return true;
        }
        return false;
    });
    if (file.paths.empty() && !single.empty()) {
        file.error = Message(TENSORA_TEXT("Routes", "The drawing's %1 has fewer than two distinct "
                                                    "points: it is no route."))
                         .data(single.front().entity);
    } else if (file.paths.empty()) {
        file.error = TENSORA_TEXT(
            "Routes", "The drawing has no LWPOLYLINE, POLYLINE, LINE or ARC to take a route from.");
    }
    return file;
}

} // namespace tensora
