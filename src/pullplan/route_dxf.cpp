#include "pullplan/route_dxf.h"

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
std::vector<Group> groups_of(std::string_view text, std::string& error) {
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
            error = "Line " + std::to_string(line) + ": \"" + std::string(code.substr(0, 40)) +
                    "\" is not a group code.";
            return {};
        }
        const std::optional<std::string_view> value_text = next_line();
        if (!value_text) {
            error = "Line " + std::to_string(line) + ": the drawing ends after a group code.";
            return {};
        }
        groups.push_back({value, trimmed_blanks(*value_text), line});
    }
    return groups;
}

std::optional<double> number_of(std::string_view text) {
    return file_number(text);
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

// A LINE or an ARC: from a to b, the arc's bulge; gathered into chains by layer.
struct DrawnPiece {
    Vec3 a;
    Vec3 b;
    double bulge = 0;
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
    bool take(Entity entity);
    bool units(const Group& group);
    std::string name(const Entity& entity) const {
        return std::string(entity.type) + " at line " + std::to_string(entity.line);
    }
    static bool level(const Entity& entity, double& mirror);

    RouteFile& file_;
    std::vector<DrawnPiece> pieces_;
    std::optional<Entity> polyline_head_; // an old-style POLYLINE until its SEQEND
    std::vector<Entity> polyline_vertices_;
};

bool DrawingReader::number(const Group& group, double& into) {
    const std::optional<double> value = number_of(group.value);
    if (!value || !std::isfinite(*value)) {
        file_.error = "Line " + std::to_string(group.line) + ": \"" +
                      std::string(group.value.substr(0, 40)) + "\" is not a finite number.";
        return false;
    }
    into = *value;
    return true;
}

// Whether the entity lies in a level plane: its extrusion is up (mirror 1) or down (-1, which
// mirrors its x).
bool DrawingReader::level(const Entity& entity, double& mirror) {
    double x = 0, y = 0, z = 1;
    for (const Group& group : entity.groups) {
        const std::optional<double> value = number_of(group.value);
        if (group.code == 210 && value) {
            x = *value;
        } else if (group.code == 220 && value) {
            y = *value;
        } else if (group.code == 230 && value) {
            z = *value;
        }
    }
    mirror = z < 0 ? -1.0 : 1.0;
    return std::fabs(x) < 1e-9 && std::fabs(y) < 1e-9 && std::fabs(z) > 0;
}

bool DrawingReader::lwpolyline(const Entity& entity) {
    double mirror = 1;
    if (!level(entity, mirror)) {
        return true; // not a route in plan: not offered
    }
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
                {{mirror * value, 0, 0}, 0, std::nullopt, "line " + std::to_string(group.line)});
            break;
        case 20:
        case 42:
            if (path.vertices.empty()) {
                file_.error = "Line " + std::to_string(group.line) + ": " + path.entity +
                              " gives a coordinate before its first vertex.";
                return false;
            }
            if (!number(group, value)) {
                return false;
            }
            (group.code == 20 ? path.vertices.back().at.y : path.vertices.back().bulge) =
                group.code == 42 ? mirror * value : value;
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
    file_.paths.push_back(std::move(path));
    return true;
}

bool DrawingReader::polyline(const Entity& entity, const std::vector<Entity>& vertices) {
    double mirror = 1;
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
    if ((kind & (16 | 64)) != 0 || (!three_d && !level(entity, mirror))) {
        return true; // a mesh, a face or a plane that is not level: not a route
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
                point.at.x = mirror * value;
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
                point.bulge = mirror * value;
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
    file_.paths.push_back(std::move(path));
    return true;
}

bool DrawingReader::line_or_arc(const Entity& entity) {
    double mirror = 1;
    const bool arc = entity.type == "ARC";
    if (arc && !level(entity, mirror)) {
        return true;
    }
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
        const double radius = v[3];
        const double start = v[4] * std::numbers::pi / 180;
        double sweep = std::fmod(v[5] - v[4], 360.0);
        if (sweep <= 0) {
            sweep += 360;
        }
        const double end = start + sweep * std::numbers::pi / 180;
        piece.a = {mirror * (v[0] + radius * std::cos(start)), v[1] + radius * std::sin(start),
                   v[2]};
        piece.b = {mirror * (v[0] + radius * std::cos(end)), v[1] + radius * std::sin(end), v[2]};
        piece.bulge = mirror * std::tan(sweep * std::numbers::pi / 180 / 4);
    }
    pieces_.push_back(std::move(piece));
    return true;
}

// The ends of the LINEs and ARCs, found by where they stand: each end in a cell of 1e-4 units,
// an end looked for in its cell and the cells around it.
class EndIndex {
public:
    EndIndex(const std::vector<DrawnPiece>& pieces, const std::vector<char>& used)
        : pieces_(pieces), used_(used) {
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

    static bool near(Vec3 p, Vec3 q) {
        const Vec3 d = p - q;
        return std::sqrt(dot(d, d)) <= 1e-6 * std::max(1.0, std::fabs(p.x) + std::fabs(p.y));
    }
    // Held within what a long long holds, with room for the neighbouring cells.
    static Key key(Vec3 p) {
        const auto cell = [](double v) {
            return static_cast<long long>(std::clamp(std::floor(v * 1e4), -1e18, 1e18));
        };
        return {cell(p.x), cell(p.y)};
    }

    const std::vector<DrawnPiece>& pieces_;
    const std::vector<char>& used_;
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
                path.vertices.push_back({forward ? piece.a : piece.b,
                                         forward ? piece.bulge : -piece.bulge, std::nullopt,
                                         "line " + std::to_string(piece.line)});
                const Vec3 end = forward ? piece.b : piece.a;
                const auto next = ends.meeting(end, piece.layer, at);
                if (!next) {
                    path.vertices.push_back(
                        {end, 0, std::nullopt, "line " + std::to_string(piece.line)});
                    break;
                }
                at = next->first;
                forward = next->second;
            }
            file_.paths.push_back(std::move(path));
        }
    }
}

// An entity read whole: a path of its own, a piece of a chain, or a part of an old-style
// POLYLINE (its head, its VERTEXes, and the SEQEND that closes it).
bool DrawingReader::take(Entity entity) {
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
    const auto finish = [&]() { return !entity || take(*std::exchange(entity, std::nullopt)); };
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
                file_.error = "Line " + std::to_string(group.line) + ": " + name(*polyline_head_) +
                              " has no SEQEND.";
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
        file_.error = "The drawing ends before its end (no EOF): the file is cut short.";
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
    if (text.substr(0, kBinarySentinel.size()) == kBinarySentinel) {
        file.error = "This is a binary DXF drawing: save it as an ASCII DXF and import that.";
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
    std::erase_if(file.paths, [](const RoutePolyline& path) { return path.vertices.size() < 2; });
    if (file.paths.empty()) {
        file.error = "The drawing has no LWPOLYLINE, POLYLINE, LINE or ARC to take a route from.";
    }
    return file;
}

} // namespace tensora
