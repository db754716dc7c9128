#include "pullplan/route_import.h"

#include "numbers/number_rules.h"
#include "numbers/units.h"
#include "pullplan/route_csv.h"
#include "pullplan/route_dxf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <utility>

namespace tensora {
namespace {

constexpr double kDegrees = 180 / std::numbers::pi;
// Planes within this angle (degrees) of a plain one are that plane.
constexpr double kPlaneTolerance = 1e-6;

// One straight or arc between two points, its directions unit vectors.
struct Piece {
    bool arc = false;
    Vec3 in;
    Vec3 out;
    double length = 0; // ft, along it
    double theta = 0;  // an arc's angle, radians
    bool right = false;
    const RouteVertex* from = nullptr;
};

Vec3 turned_in_plan(Vec3 d, double angle) {
    return {std::cos(angle) * d.x - std::sin(angle) * d.y,
            std::sin(angle) * d.x + std::cos(angle) * d.y, d.z};
}

Piece piece_between(const RouteVertex& a, const RouteVertex& b) {
    Piece piece;
    piece.from = &a;
    const Vec3 chord = b.at - a.at;
    // An arc turns in plan: one whose ends stand one above the other has no plan to turn in.
    if (a.bulge == 0 || !std::isfinite(a.bulge) || std::hypot(chord.x, chord.y) < kMergeDistance) {
        piece.length = std::sqrt(dot(chord, chord));
        piece.in = piece.out = unit(chord);
        return piece;
    }
    const Vec3 flat{chord.x, chord.y, 0};
    const double span = std::sqrt(dot(flat, flat));
    piece.arc = true;
    piece.right = a.bulge < 0;
    piece.theta = 4 * std::atan(std::fabs(a.bulge));
    const double plan_length = span / (2 * std::sin(piece.theta / 2)) * piece.theta;
    piece.length = std::hypot(plan_length, chord.z);
    const double grade = std::atan2(chord.z, plan_length);
    const double half = (piece.right ? -1.0 : 1.0) * piece.theta / 2;
    const Vec3 along = unit(flat);
    const auto sloped = [grade](Vec3 level) {
        return Vec3{std::cos(grade) * level.x, std::cos(grade) * level.y, std::sin(grade)};
    };
    piece.in = sloped(turned_in_plan(along, -half));
    piece.out = sloped(turned_in_plan(along, half));
    return piece;
}

// A number as a person types it: 10 significant digits, within 5e-10 of the value and short
// enough for the planner's columns.
std::string number_text(double value) {
    if (std::fabs(value) < 1e-9) {
        return "0";
    }
    // Through the C++ conversions, which no locale of the program's sways.
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, 10);
    double rounded = value;
    std::from_chars(text, written.ptr, rounded);
    return general_number_text(rounded);
}

std::string degrees_text(double degrees) {
    return number_text(degrees);
}

PullLinkTexts link_texts(std::string_view type, std::string length, std::string angle) {
    PullLinkTexts texts;
    texts.type = type;
    texts.length = std::move(length);
    texts.angle = std::move(angle);
    return texts;
}

PullLinkValues link_values(bool straight, double length, double theta) {
    PullLinkValues values;
    values.straight = straight;
    values.length = length;
    values.angle = theta * kDegrees;
    values.theta = theta;
    return values;
}

std::string where_text(const RouteVertex& vertex) {
    return vertex.where.empty() ? std::string("a point") : vertex.where;
}

class LinkWriter {
public:
    LinkWriter(double default_radius, UnitSystem units)
        : default_radius_(default_radius), units_(units) {}

    // The route's pieces as links, or why not.
    bool write(const std::vector<Piece>& pieces, ImportedRoute& route);

private:
    void straight(double length);
    void bend(double length, double theta, Vec3 to);
    void arc(const Piece& piece);
    void emit(PullLinkTexts texts, PullLinkValues values);
    std::string too_short(const RouteVertex* before, const RouteVertex* after, double need,
                          double have) const;
    std::string feet(double length) const {
        return number_text(shown_value(length, Quantity::Length, units_)) + " " +
               std::string(unit_symbol(Quantity::Length, units_));
    }

    double default_radius_;
    UnitSystem units_;
    RouteWalker walker_;
    std::optional<double> first_incline_; // radians, until the first link is written
    ImportedRoute* route_ = nullptr;
};

void LinkWriter::emit(PullLinkTexts texts, PullLinkValues values) {
    if (const std::optional<double> incline = std::exchange(first_incline_, std::nullopt)) {
        // The first link sets the route's incline: a straight itself, else (a route that
        // starts on a sloped arc) a straight of no length before it.
        PullLinkTexts start =
            values.straight ? std::move(texts) : link_texts(kStraightType, "0", "");
        PullLinkValues start_values = values.straight ? values : link_values(true, 0, 0);
        start.inclined = start_values.inclined = true;
        start.angle = degrees_text(*incline * kDegrees);
        start_values.angle = *incline * kDegrees;
        start_values.theta = *incline;
        walker_.next(start_values);
        route_->summary.length += start_values.length;
        route_->links.push_back(std::move(start));
        if (values.straight) {
            return;
        }
    }
    walker_.next(values);
    route_->summary.length += values.length;
    route_->links.push_back(std::move(texts));
}

void LinkWriter::straight(double length) {
    if (length <= 1e-9) {
        return;
    }
    emit(link_texts(kStraightType, number_text(shown_value(length, Quantity::Length, units_)), "0"),
         link_values(true, length, 0));
}

// A bend of `theta` in the plane of the route's direction and `to`, named as the planner names
// it: left or right on a level route, Up or Down where the plane is upright, else tilted.
void LinkWriter::bend(double length, double theta, Vec3 to) {
    const Vec3 d = walker_.direction();
    const Vec3 normal = unit(to - dot(d, to) * d);
    const double tilt =
        std::atan2(dot(normal, walker_.upward()), dot(normal, walker_.left())) * kDegrees;
    const bool level = std::fabs(d.z) < 1e-12 && std::fabs(to.z) < 1e-12;
    PullLinkTexts texts =
        link_texts(kBendType, number_text(shown_value(length, Quantity::Length, units_)),
                   degrees_text(theta * kDegrees));
    PullLinkValues values = link_values(false, length, theta);
    RouteSummary& summary = route_->summary;
    if (level && std::fabs(tilt) < kPlaneTolerance) {
        ++summary.left;
    } else if (level && std::fabs(tilt) > 180 - kPlaneTolerance) {
        texts.right = values.right = true;
        ++summary.right;
    } else if (std::fabs(std::fabs(tilt) - 90) < kPlaneTolerance) {
        const bool up = tilt > 0;
        texts.type = up ? kUpType : kDownType;
        values.turn = up ? Turn::Up : Turn::Down;
        ++(up ? summary.up : summary.down);
    } else {
        texts.type = kTiltedType;
        texts.tilt = degrees_text(tilt);
        values.turn = Turn::Tilted;
        values.tilt = tilt;
        ++summary.tilted;
    }
    emit(std::move(texts), values);
}

void LinkWriter::arc(const Piece& piece) {
    PullLinkTexts texts =
        link_texts(kBendType, number_text(shown_value(piece.length, Quantity::Length, units_)),
                   degrees_text(piece.theta * kDegrees));
    PullLinkValues values = link_values(false, piece.length, piece.theta);
    texts.right = values.right = piece.right;
    ++(piece.right ? route_->summary.right : route_->summary.left);
    emit(std::move(texts), values);
}

// Why a straight is too short for the tangents of the bends at its ends.
std::string LinkWriter::too_short(const RouteVertex* before, const RouteVertex* after, double need,
                                  double have) const {
    std::string text;
    if (before && after) {
        text = "The bends at " + where_text(*before) + " and " + where_text(*after) + " need " +
               feet(need) + " of the " + feet(have) + " straight between them";
    } else {
        text = "The bend at " + where_text(before ? *before : *after) + " needs " + feet(need) +
               " of the " + feet(have) + " straight " + (before ? "after" : "before") + " it";
    }
    return text + " (" + feet(need - have) + " too much): give a smaller radius.";
}

bool LinkWriter::write(const std::vector<Piece>& pieces, ImportedRoute& route) {
    route_ = &route;
    if (std::fabs(pieces.front().in.z) > 1e-15) {
        first_incline_ = std::asin(std::clamp(pieces.front().in.z, -1.0, 1.0));
    }
    double pending = 0;                     // the straight being gathered, less its start's cut
    const RouteVertex* last_bend = nullptr; // the bend that cut its start
    double last_tangent = 0;
    const auto fits = [&](double tangent) { return pending - tangent >= -1e-9 * (1 + tangent); };
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const Piece& piece = pieces[k];
        const Vec3 d1 = k > 0 ? pieces[k - 1].out : piece.in;
        const Vec3 d2 = piece.in;
        const Vec3 normal = cross(d1, d2);
        const double alpha = std::atan2(std::sqrt(dot(normal, normal)), dot(d1, d2));
        if (alpha > kCollinearAngle) {
            const std::string where = where_text(*piece.from);
            if (alpha > std::numbers::pi - 1e-6) {
                route.error = "At " + where + " the route turns back on itself.";
                return false;
            }
            if (pieces[k - 1].arc || piece.arc) {
                route.error = "At " + where + " the route turns " +
                              degrees_text(std::round(alpha * kDegrees * 1000) / 1000) +
                              " degrees where an arc meets it: an arc must meet the straights "
                              "beside it on their line.";
                return false;
            }
            const double radius = piece.from->radius.value_or(default_radius_);
            if (!(radius > 0) || !std::isfinite(radius)) {
                route.error = "At " + where + " the bend has no radius.";
                return false;
            }
            const double tangent = radius * std::tan(alpha / 2);
            if (!fits(tangent)) {
                route.error = too_short(last_bend, piece.from, last_tangent + tangent,
                                        pending + last_tangent);
                return false;
            }
            straight(pending - tangent);
            bend(radius * alpha, alpha, d2);
            pending = -tangent;
            last_bend = piece.from;
            last_tangent = tangent;
        }
        if (piece.arc) {
            straight(pending);
            arc(piece);
            pending = 0;
            last_bend = nullptr;
            last_tangent = 0;
        } else {
            pending += piece.length;
        }
    }
    if (!fits(0)) {
        route.error = too_short(last_bend, nullptr, last_tangent, pending + last_tangent);
        return false;
    }
    straight(pending);
    return true;
}

} // namespace

RoutePolyline in_feet(RoutePolyline path, double feet_per_unit) {
    for (RouteVertex& vertex : path.vertices) {
        vertex.at = feet_per_unit * vertex.at;
        if (vertex.radius) {
            *vertex.radius *= feet_per_unit;
        }
    }
    return path;
}

std::optional<double> feet_per_route_unit(std::string_view key) {
    if (key == "ft") {
        return 1.0;
    }
    if (key == "in") {
        return 1.0 / 12;
    }
    if (key == "m") {
        return 1 / kMetresPerFoot;
    }
    if (key == "mm") {
        return 1 / (1000 * kMetresPerFoot);
    }
    return std::nullopt;
}

double RoutePolyline::length() const {
    double total = 0;
    for (std::size_t i = 0; i + 1 < vertices.size(); ++i) {
        total += piece_between(vertices[i], vertices[i + 1]).length;
    }
    return total;
}

namespace {

// The points with those closer than kMergeDistance to the one before merged into it (the
// merged point's segment onward kept), or why the route cannot be read.
std::vector<RouteVertex> distinct_points(const RoutePolyline& route, std::string& error) {
    std::vector<RouteVertex> points;
    for (const RouteVertex& vertex : route.vertices) {
        const Vec3 at = vertex.at;
        if (!std::isfinite(at.x) || !std::isfinite(at.y) || !std::isfinite(at.z) ||
            !std::isfinite(vertex.bulge) || (vertex.radius && !std::isfinite(*vertex.radius))) {
            error = "At " + where_text(vertex) + " a coordinate is not a finite number.";
            return {};
        }
        if (!points.empty()) {
            const Vec3 step = at - points.back().at;
            if (std::sqrt(dot(step, step)) < kMergeDistance) {
                points.back().bulge = vertex.bulge;
                points.back().radius = vertex.radius ? vertex.radius : points.back().radius;
                continue;
            }
        }
        points.push_back(vertex);
    }
    if (points.size() < 2) {
        error = "The route has fewer than two distinct points.";
    }
    return points;
}

} // namespace

ImportedRoute import_route(const RoutePolyline& route, double default_radius, UnitSystem units) {
    ImportedRoute imported;
    std::vector<RouteVertex> points = distinct_points(route, imported.error);
    if (!imported.error.empty()) {
        return imported;
    }
    std::vector<Piece> pieces;
    pieces.reserve(points.size() - 1);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        pieces.push_back(piece_between(points[i], points[i + 1]));
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        if (!std::isfinite(piece.length) || !std::isfinite(piece.in.x + piece.in.y + piece.in.z) ||
            !std::isfinite(piece.out.x + piece.out.y + piece.out.z)) {
            imported.error = "From " + where_text(points[i]) +
                             " to the next point the distance is beyond what can be computed.";
            return imported;
        }
    }
    // The planner's route starts heading east: the whole route is turned in plan so that its
    // first direction does. Nothing of the pull depends on the compass.
    const Vec3 first = pieces.front().in;
    const double heading = std::atan2(first.y, first.x);
    if (first.x != 0 || first.y != 0) {
        for (Piece& piece : pieces) {
            piece.in = turned_in_plan(piece.in, -heading);
            piece.out = turned_in_plan(piece.out, -heading);
        }
    }
    LinkWriter writer(default_radius, units);
    if (!writer.write(pieces, imported)) {
        imported.links.clear();
        imported.summary = {};
        return imported;
    }
    imported.summary.links = imported.links.size();
    imported.summary.rise = points.back().at.z - points.front().at.z;
    return imported;
}

std::string route_summary_text(const RouteSummary& summary, UnitSystem units,
                               const NumberLocale& locale) {
    const auto length = [&](double feet) {
        const double shown = std::round(shown_value(feet, Quantity::Length, units) * 10) / 10;
        return grouped_number_text(general_number_text(shown), locale) + " " +
               std::string(unit_symbol(Quantity::Length, units));
    };
    std::string text = std::to_string(summary.links) +
                       (summary.links == 1 ? " link, " : " links, ") + length(summary.length) +
                       ", rise " + length(summary.rise);
    std::string bends;
    for (const auto& [count, plane] : {std::pair{summary.left, "left"},
                                       {summary.right, "right"},
                                       {summary.up, "up"},
                                       {summary.down, "down"},
                                       {summary.tilted, "tilted"}}) {
        if (count > 0) {
            bends += (bends.empty() ? "" : ", ") + std::to_string(count) + " " + plane;
        }
    }
    return text + "; bends: " + (bends.empty() ? std::string("none") : bends);
}

std::optional<double> file_number(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

RouteFileKind route_file_kind(std::string_view text) {
    if (looks_like_dxf(text)) {
        return RouteFileKind::Dxf;
    }
    std::string_view head = text.substr(0, 4096);
    if (head.starts_with("\xEF\xBB\xBF")) {
        head.remove_prefix(3);
    }
    const std::size_t first = head.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && head[first] == '<' &&
        head.find("<LandXML") != std::string_view::npos) {
        return RouteFileKind::LandXml;
    }
    return RouteFileKind::Csv;
}

RouteFile read_route_text(std::string_view text,
                          const std::function<RouteFile(std::string_view)>& read_landxml) {
    switch (route_file_kind(text)) {
    case RouteFileKind::Dxf:
        return read_route_dxf(text);
    case RouteFileKind::LandXml:
        if (read_landxml) {
            return read_landxml(text);
        }
        return {{}, std::nullopt, "LandXML is not read by this program."};
    case RouteFileKind::Csv:
        break;
    }
    return read_route_csv(text);
}

std::string route_candidate_text(const RoutePolyline& path, double feet_per_unit,
                                 UnitSystem units) {
    const double length =
        std::round(shown_value(path.length() * feet_per_unit, Quantity::Length, units) * 10) / 10;
    return (path.layer.empty() ? std::string() : "layer " + path.layer + ", ") + path.entity +
           ", " + general_number_text(length) + " " +
           std::string(unit_symbol(Quantity::Length, units));
}

RouteChoice choose_route_path(const RouteFile& file, std::string_view layer, int entity,
                              double feet_per_unit, UnitSystem units) {
    std::vector<const RoutePolyline*> candidates;
    for (const RoutePolyline& path : file.paths) {
        if (layer.empty() || path.layer == layer) {
            candidates.push_back(&path);
        }
    }
    RouteChoice choice;
    if (candidates.empty()) {
        choice.error = "The drawing has no path on layer " + std::string(layer) + ".";
        return choice;
    }
    if (entity > 0 && static_cast<std::size_t>(entity) <= candidates.size()) {
        choice.path = candidates[static_cast<std::size_t>(entity) - 1];
        return choice;
    }
    if (entity == 0 && candidates.size() == 1) {
        choice.path = candidates.front();
        return choice;
    }
    choice.error = entity > 0 ? "There is no path " + std::to_string(entity) + "; the paths are:"
                              : std::string("The file holds several paths; choose one:");
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        choice.error += "\n  " + std::to_string(i + 1) + "  " +
                        route_candidate_text(*candidates[i], feet_per_unit, units);
    }
    return choice;
}

std::string route_source_text(std::string_view file_name, const RoutePolyline& path,
                              std::string_view units, std::string_view default_radius) {
    std::string text(file_name);
    if (!path.layer.empty()) {
        text += ", layer " + path.layer;
    }
    text += ", " + path.entity + ", units " + std::string(units) + ", default radius " +
            std::string(default_radius);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = ' ';
        }
    }
    return text;
}

} // namespace tensora
