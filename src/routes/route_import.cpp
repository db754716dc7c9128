#include "routes/route_import.h"

#include "numbers/number_rules.h"
#include "numbers/units.h"
#include "routes/route_csv.h"
#include "routes/route_dxf.h"
#include "routes/route_landxml.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <numbers>
#include <sstream>
#include <utility>

namespace tensora {
namespace {

constexpr double kDegrees = 180 / std::numbers::pi;
// Directions closer than this angle (radians) are one: no arc between them.
constexpr double kNoTurn = 1e-10;
// Pieces that meet at less than this angle (radians) meet on their line: the last digits of a
// file's coordinates draw no corner, and no turn or rise that can be measured is lost.
constexpr double kNoCorner = 1e-6;
// A plane within this of a plain one (its normal's sine) is that plane.
constexpr double kPlaneTolerance = 1e-9;
// Points of a steady curve each turn at most this much (degrees): a corner drawn on purpose
// turns more.
constexpr double kMostCurveStep = 10;
// The fewest inner points that make a curve rather than corners.
constexpr std::size_t kFewestCurvePoints = 3;

Vec3 turned_in_plan(Vec3 d, double angle) {
    return {std::cos(angle) * d.x - std::sin(angle) * d.y,
            std::sin(angle) * d.x + std::cos(angle) * d.y, d.z};
}


double angle_between(Vec3 a, Vec3 b) {
    const Vec3 normal = cross(a, b);
    return std::atan2(std::sqrt(dot(normal, normal)), dot(a, b));
}

double size_of(Vec3 v) {
    return std::sqrt(dot(v, v));
}

// The piece from point a to point b: a straight, or the arc in plan of a's bulge, climbing
// steadily from a's height to b's.
RoutePiece piece_between(const RouteVertex& a, const RouteVertex& b) {
    RoutePiece piece;
    piece.where = a.where;
    const Vec3 chord = b.at - a.at;
    const Vec3 flat{chord.x, chord.y, 0};
    const double span = size_of(flat);
    // An arc turns in plan: one whose ends stand one above the other has no plan to turn in.
    if (a.bulge == 0 || !std::isfinite(a.bulge) || !(span > 0)) {
        piece.length = size_of(chord);
        piece.in = piece.out = unit(chord);
        return piece;
    }
    piece.kind = RoutePiece::Kind::PlanArc;
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

// A circle through three points in space, where they are not on one line.
struct Circle {
    Vec3 centre;
    Vec3 normal; // unit
    double radius = 0;

    // How far a point stands from the circle.
    double distance(Vec3 p) const {
        const Vec3 d = p - centre;
        const double off = dot(d, normal);
        return std::hypot(off, size_of(d - off * normal) - radius);
    }
};

std::optional<Circle> circle_through(Vec3 a, Vec3 b, Vec3 c) {
    const Vec3 u = a - c;
    const Vec3 v = b - c;
    const Vec3 w = cross(u, v);
    const double w2 = dot(w, w);
    if (!(w2 > 0) || !std::isfinite(w2)) {
        return std::nullopt;
    }
    const Vec3 centre = c + (1 / (2 * w2)) * cross(dot(u, u) * v - dot(v, v) * u, w);
    return Circle{centre, unit(w), size_of(a - centre)};
}

// The arc from `from` leaving along `tangent` that ends at `to`: in the plane of the tangent
// and the chord, turning twice the angle between them. A straight where they are one line.
RoutePiece arc_to(Vec3 from, Vec3 tangent, Vec3 to, const std::string& where) {
    RoutePiece piece;
    piece.where = where;
    const Vec3 chord = to - from;
    const double span = size_of(chord);
    const double half = angle_between(tangent, chord);
    if (half < kNoTurn) {
        piece.length = span;
        piece.in = piece.out = tangent;
        return piece;
    }
    piece.kind = RoutePiece::Kind::Arc;
    piece.theta = 2 * half;
    piece.length = span / (2 * std::sin(half)) * piece.theta;
    piece.in = tangent;
    piece.out = unit(rotated(tangent, unit(cross(tangent, chord)), piece.theta));
    return piece;
}

// The inner points of a polyline where its straights follow a curve of steady radius: runs of
// at least kFewestCurvePoints points that each turn a little about the same axis, with about
// the radius of the point beside them. A point with a radius of its own is a corner.
struct CurveRun {
    std::size_t first = 0; // the run's inner points, first to last
    std::size_t last = 0;
};

std::vector<CurveRun> curve_runs(const std::vector<RouteVertex>& points,
                                 const std::vector<RoutePiece>& chords) {
    const std::size_t n = points.size();
    struct Turn {
        bool curve = false;
        Vec3 axis;
        double radius = 0;
    };
    std::vector<Turn> turns(n);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const RoutePiece& before = chords[i - 1];
        const RoutePiece& after = chords[i];
        const double alpha = angle_between(before.out, after.in);
        if (before.kind != RoutePiece::Kind::Straight ||
            after.kind != RoutePiece::Kind::Straight || points[i].radius || alpha < kNoTurn ||
            alpha * kDegrees > kMostCurveStep) {
            continue;
        }
        const auto circle = circle_through(points[i - 1].at, points[i].at, points[i + 1].at);
        if (circle) {
            turns[i] = {true, unit(cross(before.out, after.in)), circle->radius};
        }
    }
    const auto continues = [&turns](std::size_t i) {
        const Turn& a = turns[i - 1];
        const Turn& b = turns[i];
        const double ratio = a.radius / b.radius;
        return a.curve && b.curve && dot(a.axis, b.axis) > std::cos(30 / kDegrees) &&
               ratio < 1.5 && ratio > 1 / 1.5;
    };
    std::vector<CurveRun> runs;
    for (std::size_t i = 1; i + 1 < n;) {
        if (!turns[i].curve) {
            ++i;
            continue;
        }
        std::size_t last = i;
        while (last + 2 < n && continues(last + 1)) {
            ++last;
        }
        if (last - i + 1 >= kFewestCurvePoints) {
            runs.push_back({i, last});
        }
        i = last + 1;
    }
    return runs;
}

// The points of a curve where its arcs break: its ends, and wherever one circle through the
// points between would stray from them by more than the tolerance.
void curve_breaks(const std::vector<RouteVertex>& points, std::size_t a, std::size_t b,
                  std::vector<std::size_t>& breaks) {
    const std::size_t middle = (a + b) / 2;
    if (b - a >= 2) {
        const double tolerance = 3e-6 * size_of(points[b].at - points[a].at);
        const auto circle = circle_through(points[a].at, points[middle].at, points[b].at);
        bool fits = circle.has_value();
        for (std::size_t i = a + 1; fits && i < b; ++i) {
            fits = circle->distance(points[i].at) <= tolerance;
        }
        if (!fits) {
            curve_breaks(points, a, middle, breaks);
            curve_breaks(points, middle, b, breaks);
            return;
        }
    }
    breaks.push_back(b);
}

// Arcs one after the other of one circle: one arc.
void merge_arcs(std::vector<RoutePiece>& pieces) {
    std::vector<RoutePiece> merged;
    for (RoutePiece& piece : pieces) {
        if (!merged.empty() && piece.kind == RoutePiece::Kind::Arc &&
            merged.back().kind == RoutePiece::Kind::Arc) {
            RoutePiece& last = merged.back();
            const Vec3 n1 = unit(cross(last.in, last.out));
            const Vec3 n2 = unit(cross(piece.in, piece.out));
            const double r1 = last.length / last.theta;
            const double r2 = piece.length / piece.theta;
            if (dot(n1, n2) > 1 - 1e-12 && std::fabs(r1 - r2) <= 1e-9 * r1 &&
                last.theta + piece.theta < std::numbers::pi) {
                last.length += piece.length;
                last.theta += piece.theta;
                last.out = piece.out;
                continue;
            }
        }
        merged.push_back(std::move(piece));
    }
    pieces = std::move(merged);
}

// The pieces of a path of points: each segment a straight or an arc in plan, and the points of
// a curve of steady radius arcs through them, each leaving along the direction the route has.
std::vector<RoutePiece> pieces_of_points(const std::vector<RouteVertex>& points) {
    std::vector<RoutePiece> chords;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        chords.push_back(piece_between(points[i], points[i + 1]));
        // A point's own radius is the bend's where the pieces beside it meet.
        chords.back().corner_radius = points[i].radius;
    }
    std::vector<RoutePiece> pieces;
    std::size_t next = 0; // the first chord not taken yet
    for (const CurveRun& run : curve_runs(points, chords)) {
        const std::size_t start = run.first - 1;
        const std::size_t end = run.last + 1;
        pieces.insert(pieces.end(), chords.begin() + static_cast<std::ptrdiff_t>(next),
                      chords.begin() + static_cast<std::ptrdiff_t>(start));
        std::vector<std::size_t> breaks;
        curve_breaks(points, start, end, breaks);
        Vec3 tangent = pieces.empty() ? Vec3{} : pieces.back().out;
        if (pieces.empty()) {
            // A route that starts on the curve leaves along the curve's own tangent there.
            const auto circle =
                circle_through(points[start].at, points[start + 1].at, points[start + 2].at);
            tangent = circle ? unit(cross(circle->normal, points[start].at - circle->centre))
                             : chords[start].in;
        }
        std::size_t from = start;
        for (const std::size_t to : breaks) {
            pieces.push_back(arc_to(points[from].at, tangent, points[to].at, points[from].where));
            tangent = pieces.back().out;
            from = to;
        }
        pieces[pieces.size() - breaks.size()].corner_radius = points[start].radius;
        next = end;
    }
    pieces.insert(pieces.end(), chords.begin() + static_cast<std::ptrdiff_t>(next), chords.end());
    return pieces;
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

Message where_of(const std::string& where) {
    return where.empty() ? Message(TENSORA_TEXT("Routes", "a point")) : data_message(where);
}

// A value as number_text writes it.
double as_typed(double value) {
    const std::string text = number_text(value);
    double typed = 0;
    std::from_chars(text.data(), text.data() + text.size(), typed);
    return typed;
}

class LinkWriter {
public:
    LinkWriter(double default_radius, UnitSystem units)
        : default_radius_(default_radius), units_(units) {}

    // The route's pieces as links, or why not.
    bool write(const std::vector<RoutePiece>& pieces, ImportedRoute& route);

private:
    void straight(double length);
    // A bend from one direction to another, named by its plane.
    void bend(double length, double theta, Vec3 from, Vec3 to);
    void plan_arc(const RoutePiece& piece);
    // Where two pieces meet at an angle: a bend off the straights beside it. False, with the
    // reason, where they are too short for it.
    bool corner(const RoutePiece& before, const RoutePiece& after, double alpha);
    void add_link(PullLinkTexts texts, PullLinkValues values);
    bool fits(double tangent) const { return pending_ - tangent >= -1e-9 * (1 + tangent); }
    Message too_short(const std::string* before, const std::string* after, double need,
                      double have) const;

    double default_radius_;
    UnitSystem units_;
    RouteWalker walker_;
    bool first_ = true;
    ImportedRoute* route_ = nullptr;
    double pending_ = 0; // the straight being gathered, less its start's cut
    // The bend that cut its start, and how much it cut.
    std::optional<std::string> last_bend_;
    double last_cut_ = 0;
};

void LinkWriter::add_link(PullLinkTexts texts, PullLinkValues values) {
    if (std::exchange(first_, false)) {
        // The first link sets the route's incline, 0 included: a straight itself, else a
        // straight of no length before it.
        const double incline = walker_.inclination();
        PullLinkTexts start =
            values.straight ? std::move(texts) : link_texts(kStraightType, "0", "");
        PullLinkValues start_values = values.straight ? values : link_values(true, 0, 0);
        start.inclined = start_values.inclined = true;
        start.angle = number_text(incline * kDegrees);
        start_values.angle = incline * kDegrees;
        start_values.theta = incline;
        walker_.next(start_values);
        route_->summary.length += start_values.length;
        route_->links.push_back(std::move(start));
        if (values.straight) {
            return;
        }
    }
    walker_.next(values);
    route_->summary.length += values.length;
    if (!values.straight) {
        route_->summary.turn += std::fabs(values.angle);
    }
    route_->links.push_back(std::move(texts));
}

void LinkWriter::straight(double length) {
    if (length <= 1e-9 && !first_) {
        return;
    }
    length = std::max(length, 0.0);
    add_link(link_texts(kStraightType, number_text(shown_value(length, Quantity::Length, units_)),
                        "0"),
             link_values(true, length, 0));
}

// A bend of `theta` turning `from` into `to`, named as the planner names it: left or right on a
// level route, Up or Down where its plane is upright, else tilted from the horizontal.
void LinkWriter::bend(double length, double theta, Vec3 from, Vec3 to) {
    const Vec3 normal = unit(cross(from, to));
    PullLinkTexts texts =
        link_texts(kBendType, number_text(shown_value(length, Quantity::Length, units_)),
                   number_text(theta * kDegrees));
    PullLinkValues values = link_values(false, length, theta);
    RouteSummary& summary = route_->summary;
    const bool level = std::fabs(from.z) < kPlaneTolerance && std::fabs(to.z) < kPlaneTolerance;
    if (level) {
        const bool right = normal.z < 0;
        texts.right = values.right = right;
        ++(right ? summary.right : summary.left);
    } else if (std::fabs(normal.z) < kPlaneTolerance) {
        // In the upright plane of the route: Up where it turns toward the route's up.
        const bool up = dot(to - from, walker_.upward()) > 0;
        texts.type = up ? kUpType : kDownType;
        values.turn = up ? Turn::Up : Turn::Down;
        ++(up ? summary.up : summary.down);
    } else {
        // The way it turns, against the route's left and up.
        const Vec3 toward = unit(to - dot(from, to) * from);
        const double tilt =
            std::atan2(dot(toward, walker_.upward()), dot(toward, walker_.left())) * kDegrees;
        texts.type = kTiltedType;
        texts.tilt = number_text(tilt);
        values.turn = Turn::Tilted;
        values.tilt = tilt;
        ++summary.tilted;
    }
    add_link(std::move(texts), values);
}

void LinkWriter::plan_arc(const RoutePiece& piece) {
    PullLinkTexts texts =
        link_texts(kBendType, number_text(shown_value(piece.length, Quantity::Length, units_)),
                   number_text(piece.theta * kDegrees));
    PullLinkValues values = link_values(false, piece.length, piece.theta);
    texts.right = values.right = piece.right;
    ++(piece.right ? route_->summary.right : route_->summary.left);
    add_link(std::move(texts), values);
}

Message LinkWriter::too_short(const std::string* before, const std::string* after, double need,
                              double have) const {
    const auto feet = [this](double value) {
        return Message(TENSORA_TEXT("Routes", "%1 %2"))
            .figure(Figure::number(as_typed(shown_value(value, Quantity::Length, units_))))
            .data(std::string(unit_symbol(Quantity::Length, units_)));
    };
    Message text;
    if (before && after) {
        text = Message(TENSORA_TEXT("Routes", "The bends at %1 and %2 need %3 of the %4 straight "
                                              "between them (%5 too much): give a smaller "
                                              "radius."))
                   .nested(where_of(*before))
                   .nested(where_of(*after));
    } else {
        text = Message(before ? TENSORA_TEXT("Routes", "The bend at %1 needs %2 of the %3 straight "
                                                       "after it (%4 too much): give a smaller "
                                                       "radius.")
                              : TENSORA_TEXT("Routes", "The bend at %1 needs %2 of the %3 straight "
                                                       "before it (%4 too much): give a smaller "
                                                       "radius."))
                   .nested(where_of(before ? *before : *after));
    }
    return text.nested(feet(need)).nested(feet(have)).nested(feet(need - have));
}

bool LinkWriter::corner(const RoutePiece& before, const RoutePiece& after, double alpha) {
    const double radius = after.corner_radius.value_or(default_radius_);
    if (!(radius > 0) || !std::isfinite(radius)) {
        route_->error =
            Message(TENSORA_TEXT("Routes", "At %1 the bend has no radius.")).nested(where_of(after.where));
        return false;
    }
    const bool straight_before = before.kind == RoutePiece::Kind::Straight;
    const bool straight_after = after.kind == RoutePiece::Kind::Straight;
    // Between two straights the bend takes its tangent off each; beside an arc, its whole
    // length off the straight, so that the route keeps its length; between two arcs it has
    // no length.
    const double tangent = radius * std::tan(alpha / 2);
    const double length = straight_before || straight_after ? radius * alpha : 0;
    const double cut_before = !straight_before ? 0 : straight_after ? tangent : length;
    const double cut_after = !straight_after ? 0 : straight_before ? tangent : length;
    if (straight_before && !fits(cut_before)) {
        route_->error = too_short(last_bend_ ? &*last_bend_ : nullptr, &after.where,
                                  last_cut_ + cut_before, pending_ + last_cut_);
        return false;
    }
    straight(pending_ - cut_before);
    bend(length, alpha, before.out, after.in);
    pending_ = -cut_after;
    last_bend_ = after.where;
    last_cut_ = cut_after;
    return true;
}

bool LinkWriter::write(const std::vector<RoutePiece>& pieces, ImportedRoute& route) {
    route_ = &route;
    // The walker starts heading east at the first piece's incline.
    PullLinkValues start = link_values(true, 0, std::asin(std::clamp(pieces.front().in.z, -1.0, 1.0)));
    start.inclined = true;
    RouteWalker probe;
    probe.next(start);
    walker_ = probe;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const RoutePiece& piece = pieces[k];
        if (k > 0) {
            const double alpha = angle_between(pieces[k - 1].out, piece.in);
            if (alpha > std::numbers::pi - 1e-6) {
                route.error = Message(TENSORA_TEXT("Routes", "At %1 the route turns back on itself."))
                                  .nested(where_of(piece.where));
                return false;
            }
            if (alpha > kNoCorner && !corner(pieces[k - 1], piece, alpha)) {
                return false;
            }
        }
        if (piece.kind == RoutePiece::Kind::Straight) {
            pending_ += piece.length;
            continue;
        }
        if (!fits(0)) {
            route.error = too_short(last_bend_ ? &*last_bend_ : nullptr, nullptr, last_cut_,
                                    pending_ + last_cut_);
            return false;
        }
        straight(pending_);
        if (piece.kind == RoutePiece::Kind::PlanArc) {
            plan_arc(piece);
        } else {
            bend(piece.length, piece.theta, piece.in, piece.out);
        }
        pending_ = 0;
        last_bend_.reset();
        last_cut_ = 0;
    }
    if (!fits(0)) {
        route.error = too_short(last_bend_ ? &*last_bend_ : nullptr, nullptr, last_cut_,
                                pending_ + last_cut_);
        return false;
    }
    straight(pending_);
    route.summary.rise = walker_.at().z;
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
    for (RoutePiece& piece : path.pieces) {
        piece.length *= feet_per_unit;
        if (piece.corner_radius) {
            *piece.corner_radius *= feet_per_unit;
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
    if (!pieces.empty()) {
        for (const RoutePiece& piece : pieces) {
            total += piece.length;
        }
        return total;
    }
    for (std::size_t i = 0; i + 1 < vertices.size(); ++i) {
        total += piece_between(vertices[i], vertices[i + 1]).length;
    }
    return total;
}

namespace {

// The points with those too close to the one before to tell apart merged into it (the merged
// point's segment onward kept), or why the route cannot be read. What is too close goes by the
// path's own size, whatever its units: a millionth of its extent, and never less than the last
// digits its coordinates hold.
std::vector<RouteVertex> distinct_points(const RoutePolyline& route, RouteSummary& summary,
                                         Message& error) {
    Vec3 low{1e308, 1e308, 1e308};
    Vec3 high{-1e308, -1e308, -1e308};
    double largest = 0;
    for (const RouteVertex& vertex : route.vertices) {
        const Vec3 at = vertex.at;
        if (!std::isfinite(at.x) || !std::isfinite(at.y) || !std::isfinite(at.z) ||
            !std::isfinite(vertex.bulge) || (vertex.radius && !std::isfinite(*vertex.radius))) {
            error = Message(TENSORA_TEXT("Routes", "At %1 a coordinate is not a finite number."))
                        .nested(where_of(vertex.where));
            return {};
        }
        low = {std::min(low.x, at.x), std::min(low.y, at.y), std::min(low.z, at.z)};
        high = {std::max(high.x, at.x), std::max(high.y, at.y), std::max(high.z, at.z)};
        largest = std::max({largest, std::fabs(at.x), std::fabs(at.y), std::fabs(at.z)});
    }
    const Vec3 span = high - low;
    const double extent = route.vertices.empty() ? 0 : std::max({span.x, span.y, span.z});
    summary.merge_distance = std::isfinite(extent) ? std::max(1e-6 * extent, 1e-12 * largest)
                                                   : 1e-12 * largest;
    std::vector<RouteVertex> points;
    for (const RouteVertex& vertex : route.vertices) {
        if (!points.empty()) {
            const Vec3 step = vertex.at - points.back().at;
            if (size_of(step) <= summary.merge_distance) {
                points.back().bulge = vertex.bulge;
                points.back().radius = vertex.radius ? vertex.radius : points.back().radius;
                ++summary.merged;
                continue;
            }
        }
        points.push_back(vertex);
    }
    if (points.size() < 2) {
        error = TENSORA_TEXT("Routes", "The route has fewer than two distinct points.");
    }
    return points;
}

bool finite(Vec3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace

ImportedRoute import_route(const RoutePolyline& route, double default_radius, UnitSystem units) {
    ImportedRoute imported;
    std::vector<RoutePiece> pieces = route.pieces;
    if (pieces.empty()) {
        const std::vector<RouteVertex> points =
            distinct_points(route, imported.summary, imported.error);
        if (!imported.error.empty()) {
            return imported;
        }
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            const RoutePiece piece = piece_between(points[i], points[i + 1]);
            if (!std::isfinite(piece.length) || !finite(piece.in) || !finite(piece.out)) {
                imported.error =
                    Message(TENSORA_TEXT("Routes", "From %1 to the next point the distance is "
                                                   "beyond what can be computed."))
                        .nested(where_of(points[i].where));
                return imported;
            }
        }
        pieces = pieces_of_points(points);
    }
    merge_arcs(pieces);
    if (pieces.empty()) {
        imported.error = TENSORA_TEXT("Routes", "The route has fewer than two distinct points.");
        return imported;
    }
    // The planner's route starts heading east: the whole route is turned in plan so that its
    // first direction does. Nothing of the pull depends on the compass.
    const Vec3 first = pieces.front().in;
    const double heading = std::atan2(first.y, first.x);
    if (first.x != 0 || first.y != 0) {
        for (RoutePiece& piece : pieces) {
            piece.in = turned_in_plan(piece.in, -heading);
            piece.out = turned_in_plan(piece.out, -heading);
        }
    }
    LinkWriter writer(default_radius, units);
    const std::size_t merged = imported.summary.merged;
    const double merge_distance = imported.summary.merge_distance;
    if (!writer.write(pieces, imported)) {
        imported.links.clear();
        imported.summary = {};
        return imported;
    }
    imported.summary.links = imported.links.size();
    imported.summary.merged = merged;
    imported.summary.merge_distance = merge_distance;
    return imported;
}

Message route_summary(const RouteSummary& summary, UnitSystem units) {
    const auto length = [units](double feet) {
        Figure figure =
            Figure::number(std::round(shown_value(feet, Quantity::Length, units) * 10) / 10);
        figure.form = FigureForm::Grouped;
        return Message(TENSORA_TEXT("Routes", "%1 %2"))
            .figure(figure)
            .data(std::string(unit_symbol(Quantity::Length, units)));
    };
    Message text =
        Message(TENSORA_COUNTED("Routes", "%n links, %1, rise %2", "%n link, %1, rise %2"))
            .counting(static_cast<long long>(summary.links))
            .nested(length(summary.length))
            .nested(length(summary.rise));
    std::vector<Message> bends;
    const std::pair<int, MessageSource> planes[] = {
        {summary.left, TENSORA_TEXT("Routes", "%1 left")},
        {summary.right, TENSORA_TEXT("Routes", "%1 right")},
        {summary.up, TENSORA_TEXT("Routes", "%1 up")},
        {summary.down, TENSORA_TEXT("Routes", "%1 down")},
        {summary.tilted, TENSORA_TEXT("Routes", "%1 tilted")}};
    for (const auto& [count, words] : planes) {
        if (count > 0) {
            bends.push_back(Message(words).count_arg(count));
        }
    }
    Message list = bends.empty() ? Message(TENSORA_TEXT("Routes", "none")) : bends.front();
    for (std::size_t i = 1; i < bends.size(); ++i) {
        list = Message(TENSORA_TEXT("Routes", "%1, %2")).nested(std::move(list)).nested(bends[i]);
    }
    text = Message(TENSORA_TEXT("Routes", "%1; bends: %2")).nested(std::move(text)).nested(list);
    if (summary.merged > 0) {
        //: %2 is a distance with its unit.
        text = Message(TENSORA_COUNTED("Routes",
                                       "%1; %n points closer than %2 to the one before merged "
                                       "into it",
                                       "%1; %n point closer than %2 to the one before merged "
                                       "into it"))
                   .counting(static_cast<long long>(summary.merged))
                   .nested(std::move(text))
                   .figure(Figure::typed(summary.merge_distance, Quantity::Length, units));
    }
    return text;
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

std::string_view without_byte_order_mark(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

RouteFileKind route_file_kind(std::string_view text) {
    text = without_byte_order_mark(text);
    if (looks_like_dxf(text)) {
        return RouteFileKind::Dxf;
    }
    const std::string_view head = text.substr(0, 4096);
    const std::size_t first = head.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && head[first] == '<' &&
        head.find("<LandXML") != std::string_view::npos) {
        return RouteFileKind::LandXml;
    }
    return RouteFileKind::Csv;
}

RouteFile read_route_text(std::string_view text) {
    text = without_byte_order_mark(text);
    switch (route_file_kind(text)) {
    case RouteFileKind::Dxf:
        return read_route_dxf(text);
    case RouteFileKind::LandXml:
        return read_route_landxml(text);
    case RouteFileKind::Csv:
        break;
    }
    return read_route_csv(text);
}

RouteFile read_route_file(const std::filesystem::path& path) {
    RouteFile file;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        file.error = TENSORA_TEXT("Routes", "The file cannot be read.");
        return file;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in || in.bad()) {
        file.error = Message(TENSORA_TEXT("Routes", "The file cannot be read: %1"))
                         .data(errno ? std::strerror(errno) : "it could not be read to its end");
        return file;
    }
    const std::string text = bytes.str();
    return read_route_text(text);
}

Message route_candidate(const RoutePolyline& path, double feet_per_unit, UnitSystem units) {
    const double length =
        std::round(shown_value(path.length() * feet_per_unit, Quantity::Length, units) * 10) / 10;
    Message candidate = Message(TENSORA_TEXT("Routes", "%1, %2 %3"))
                            .data(path.entity)
                            .figure(Figure::number(length))
                            .data(std::string(unit_symbol(Quantity::Length, units)));
    if (!path.layer.empty()) {
        candidate = Message(TENSORA_TEXT("Routes", "layer %1, %2"))
                        .data(path.layer)
                        .nested(std::move(candidate));
    }
    return candidate;
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
        choice.error = Message(TENSORA_TEXT("Routes", "The drawing has no path on layer %1."))
                           .data(std::string(layer));
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
    choice.error = entity > 0 ? Message(TENSORA_TEXT("Routes", "There is no path %1; the paths "
                                                               "are:"))
                                    .count_arg(entity)
                              : Message(TENSORA_TEXT("Routes", "The file holds several paths; "
                                                               "choose one:"));
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        choice.error = Message(TENSORA_TEXT("Routes", "%1\n  %2  %3"))
                           .nested(std::move(choice.error))
                           .count_arg(static_cast<long long>(i + 1))
                           .nested(route_candidate(*candidates[i], feet_per_unit, units));
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
