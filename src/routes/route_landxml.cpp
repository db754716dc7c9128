#include "routes/route_landxml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

namespace tensora {
namespace {

constexpr double kPi = std::numbers::pi;
// A piece of a chain turns at most this much (radians), in plan and in the upright plane.
constexpr double kMostStep = kPi / 180;

// The line of the file an element starts on.
class Lines {
public:
    explicit Lines(std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                ends_.push_back(i);
            }
        }
    }
    std::size_t of(const pugi::xml_node& node) const { return at(node.offset_debug()); }
    std::size_t at(std::ptrdiff_t offset) const {
        return static_cast<std::size_t>(
                   std::lower_bound(ends_.begin(), ends_.end(), static_cast<std::size_t>(offset)) -
                   ends_.begin()) +
               1;
    }

private:
    std::vector<std::size_t> ends_;
};

// "northing easting [elevation]", as LandXML writes a point: x east, y north.
std::optional<Vec3> point_of(const char* text) {
    std::istringstream in{std::string(text)};
    in.imbue(std::locale::classic());
    double north = 0;
    double east = 0;
    if (!(in >> north >> east) || !std::isfinite(north) || !std::isfinite(east)) {
        return std::nullopt;
    }
    return Vec3{east, north, 0};
}

// A number attribute as LandXML writes it ("INF" for an infinite radius).
std::optional<double> attribute_number(const pugi::xml_node& node, const char* name) {
    const pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute) {
        return std::nullopt;
    }
    const std::string_view text = attribute.value();
    if (text == "INF" || text == "inf" || text == "Infinity") {
        return std::numeric_limits<double>::infinity();
    }
    return file_number(text);
}

double feet_per_linear_unit(std::string_view unit) {
    static const std::pair<const char*, double> kUnits[] = {
        {"foot", 1},
        {"USSurveyFoot", 1200.0 / 3937 / 0.3048},
        {"inch", 1.0 / 12},
        {"meter", 1 / 0.3048},
        {"millimeter", 1 / 304.8},
        {"centimeter", 1 / 30.48},
        {"kilometer", 1000 / 0.3048},
    };
    for (const auto& [name, feet] : kUnits) {
        if (unit == name) {
            return feet;
        }
    }
    return 0;
}

// A horizontal element: where it starts and which way, its plan length, and its curvature at
// its start and end (+ left; both 0 for a line, equal for a circular curve, changing linearly
// along a clothoid spiral).
struct Element {
    Vec3 start;
    double heading = 0; // radians from east, counter-clockwise
    double length = 0;
    double curvature_in = 0;
    double curvature_out = 0;
    std::size_t line = 0;

    double heading_at(double x) const {
        return heading + curvature_in * x + (curvature_out - curvature_in) * x * x / (2 * length);
    }
    double heading_out() const { return heading_at(length); }
};

double heading_of(Vec3 from, Vec3 to) {
    return std::atan2(to.y - from.y, to.x - from.x);
}

// The profile: its points of intersection and the vertical curve of each, as stations and
// heights; the height and grade at any station.
struct Profile {
    struct Point {
        double station = 0;
        double height = 0;
        enum class Curve { None, Parabola, Unsymmetric, Circle } curve = Curve::None;
        double length_in = 0; // a parabola's length before the point, and after
        double length_out = 0;
        double radius = 0; // a circular curve's
    };
    std::vector<Point> points;

    double grade(std::size_t i) const { // from point i - 1 to point i
        const Point& a = points[i - 1];
        const Point& b = points[i];
        return b.station > a.station ? (b.height - a.height) / (b.station - a.station) : 0.0;
    }

    // Where point i's vertical curve begins and ends, stations.
    std::pair<double, double> curve_span(std::size_t i) const {
        const Point& p = points[i];
        if (p.curve == Point::Curve::Circle) {
            const double a1 = std::atan(grade(i));
            const double a2 = std::atan(grade(i + 1));
            const double tangent = p.radius * std::fabs(std::tan((a2 - a1) / 2));
            return {p.station - tangent * std::cos(a1), p.station + tangent * std::cos(a2)};
        }
        return {p.station - p.length_in, p.station + p.length_out};
    }

    // The height and grade at a station, the grade leaving it or arriving there (they differ
    // at a point of intersection without a vertical curve); beyond the profile's ends its
    // first and last grades go on.
    std::pair<double, double> at(double station, bool leaving = true) const {
        if (points.size() == 1) {
            return {points.front().height, 0};
        }
        std::size_t i = 1;
        while (i + 1 < points.size() &&
               (leaving ? station >= points[i].station : station > points[i].station)) {
            ++i;
        }
        // On a vertical curve of the point before or of this one.
        for (const std::size_t k : {i - 1, i}) {
            if (k == 0 || k + 1 >= points.size() || points[k].curve == Point::Curve::None) {
                continue;
            }
            const auto [begin, end] = curve_span(k);
            if (station > begin && station < end) {
                return on_curve(k, station);
            }
        }
        const double g = grade(i);
        return {points[i - 1].height + g * (station - points[i - 1].station), g};
    }

private:
    std::pair<double, double> on_curve(std::size_t k, double station) const {
        const Point& p = points[k];
        const double g1 = grade(k);
        const double g2 = grade(k + 1);
        if (p.curve == Point::Curve::Circle) {
            const double a1 = std::atan(g1);
            const double a2 = std::atan(g2);
            const double sign = a2 > a1 ? 1.0 : -1.0; // a sag turns up: its centre is above
            const double begin = curve_span(k).first;
            const double begin_height = p.height - (p.station - begin) * g1;
            const double centre_s = begin - sign * p.radius * std::sin(a1);
            const double centre_z = begin_height + sign * p.radius * std::cos(a1);
            const double dx = station - centre_s;
            const double dz = std::sqrt(std::max(0.0, p.radius * p.radius - dx * dx));
            return {centre_z - sign * dz, sign * dx / dz};
        }
        // Parabolas: one before the point and one after, meeting on a common grade there (one
        // parabola where the lengths are equal).
        const double l1 = p.length_in;
        const double l2 = p.length_out;
        const double middle = (g1 * l1 + g2 * l2) / (l1 + l2);
        if (station <= p.station) {
            const double x = station - (p.station - l1);
            const double base = p.height - g1 * l1;
            return {base + g1 * x + (middle - g1) / (2 * l1) * x * x,
                    g1 + (middle - g1) / l1 * x};
        }
        const double y = station - p.station;
        const double base = p.height + (middle - g1) * l1 / 2;
        return {base + middle * y + (g2 - middle) / (2 * l2) * y * y, middle + (g2 - middle) / l2 * y};
    }
};

struct Alignment {
    std::string name;
    double start_station = 0;
    std::vector<Element> elements;
    Profile profile;
    std::size_t line = 0;
};

class LandXmlReader {
public:
    explicit LandXmlReader(std::string_view text) : lines_(text), text_(text) {}
    RouteFile read();

private:
    void fail(const pugi::xml_node& node, Message why) {
        if (file_.error.empty()) {
            file_.error = Message(TENSORA_TEXT("Routes", "Line %1: %2"))
                              .count_arg(static_cast<long long>(lines_.of(node)))
                              .nested(std::move(why));
        }
    }
    bool geometry(const pugi::xml_node& geometry, Alignment& alignment);
    bool line(const pugi::xml_node& node, Alignment& alignment);
    bool curve(const pugi::xml_node& node, Alignment& alignment);
    bool spiral(const pugi::xml_node& node, Alignment& alignment);
    bool profile(const pugi::xml_node& node, Alignment& alignment);
    RoutePolyline path(const Alignment& alignment) const;

    Lines lines_;
    std::string_view text_;
    RouteFile file_;
};

bool LandXmlReader::line(const pugi::xml_node& node, Alignment& alignment) {
    const auto start = point_of(node.child_value("Start"));
    const auto end = point_of(node.child_value("End"));
    if (!start || !end) {
        fail(node, TENSORA_TEXT("Routes", "a line needs a Start and an End of two numbers each."));
        return false;
    }
    Element element;
    element.start = *start;
    element.heading = heading_of(*start, *end);
    element.length = std::hypot(end->x - start->x, end->y - start->y);
    element.line = lines_.of(node);
    alignment.elements.push_back(element);
    return true;
}

bool LandXmlReader::curve(const pugi::xml_node& node, Alignment& alignment) {
    const bool clockwise = std::string_view(node.attribute("rot").value()) == "cw";
    const auto start = point_of(node.child_value("Start"));
    const auto centre = point_of(node.child_value("Center"));
    const auto end = point_of(node.child_value("End"));
    if (!start || !centre || !end) {
        fail(node, TENSORA_TEXT("Routes", "a curve needs its Start, Center and End."));
        return false;
    }
    const Vec3 from = *start - *centre;
    const Vec3 to = *end - *centre;
    double sweep = std::atan2(from.x * to.y - from.y * to.x, from.x * to.x + from.y * to.y);
    if (clockwise && sweep > 0) {
        sweep -= 2 * kPi;
    } else if (!clockwise && sweep < 0) {
        sweep += 2 * kPi;
    }
    const double radius = std::hypot(from.x, from.y);
    Element element;
    element.start = *start;
    element.heading = std::atan2(from.y, from.x) + (clockwise ? -kPi / 2 : kPi / 2);
    element.length = radius * std::fabs(sweep);
    element.curvature_in = element.curvature_out = (clockwise ? -1.0 : 1.0) / radius;
    element.line = lines_.of(node);
    alignment.elements.push_back(element);
    return true;
}

// A clothoid: its length, its radii at its start and end (INF for a straight's), its way of
// turning, its start and the point where its tangents meet (which gives its first direction).
bool LandXmlReader::spiral(const pugi::xml_node& node, Alignment& alignment) {
    const std::string_view kind = node.attribute("spiType").value();
    if (!kind.empty() && kind != "clothoid") {
        fail(node, Message(TENSORA_TEXT("Routes", "a spiral of the kind \"%1\" is not read: only "
                                                  "clothoids are."))
                       .data(std::string(kind)));
        return false;
    }
    const auto length = attribute_number(node, "length");
    const auto radius_start = attribute_number(node, "radiusStart");
    const auto radius_end = attribute_number(node, "radiusEnd");
    const auto start = point_of(node.child_value("Start"));
    const auto turn_point = point_of(node.child_value("PI"));
    if (!length || !(*length > 0) || !radius_start || !radius_end || !start || !turn_point) {
        fail(node, TENSORA_TEXT("Routes", "a spiral needs its length, its radii at start and end, "
                                          "its Start and its PI."));
        return false;
    }
    const double sign = std::string_view(node.attribute("rot").value()) == "cw" ? -1.0 : 1.0;
    const auto curvature = [sign](double radius) {
        return std::isfinite(radius) && radius != 0 ? sign / std::fabs(radius) : 0.0;
    };
    Element element;
    element.start = *start;
    element.heading = heading_of(*start, *turn_point);
    element.length = *length;
    element.curvature_in = curvature(*radius_start);
    element.curvature_out = curvature(*radius_end);
    element.line = lines_.of(node);
    alignment.elements.push_back(element);
    return true;
}

bool LandXmlReader::geometry(const pugi::xml_node& geometry, Alignment& alignment) {
    for (const pugi::xml_node& node : geometry.children()) {
        const std::string_view name = node.name();
        const bool read = name == "Line"     ? line(node, alignment)
                          : name == "Curve"  ? curve(node, alignment)
                          : name == "Spiral" ? spiral(node, alignment)
                                             : true;
        if (!read) {
            return false;
        }
    }
    return true;
}

bool LandXmlReader::profile(const pugi::xml_node& node, Alignment& alignment) {
    const pugi::xml_node profile = node.child("ProfAlign");
    Profile& read = alignment.profile;
    for (const pugi::xml_node& point : profile.children()) {
        const std::string_view name = point.name();
        using Curve = Profile::Point::Curve;
        Profile::Point entry;
        if (name == "ParaCurve") {
            entry.curve = Curve::Parabola;
            entry.length_in = entry.length_out = attribute_number(point, "length").value_or(0) / 2;
        } else if (name == "UnsymParaCurve") {
            entry.curve = Curve::Unsymmetric;
            entry.length_in = attribute_number(point, "lengthIn").value_or(0);
            entry.length_out = attribute_number(point, "lengthOut").value_or(0);
        } else if (name == "CircCurve") {
            entry.curve = Curve::Circle;
            entry.radius = attribute_number(point, "radius").value_or(0);
        } else if (name != "PVI") {
            continue;
        }
        std::istringstream in{std::string(point.child_value())};
        in.imbue(std::locale::classic());
        if (!(in >> entry.station >> entry.height) || !std::isfinite(entry.station) ||
            !std::isfinite(entry.height)) {
            fail(point, TENSORA_TEXT("Routes", "a profile point is not a station and a height."));
            return false;
        }
        const bool curved = entry.curve != Curve::None;
        if (curved && !(entry.length_in > 0 && entry.length_out > 0) && !(entry.radius > 0)) {
            entry.curve = Curve::None; // a curve of no length is the point itself
        }
        read.points.push_back(entry);
    }
    return true;
}

// The route's direction at a heading and a grade.
Vec3 direction_of(double heading, double grade) {
    const double across = 1 / std::sqrt(1 + grade * grade);
    return {std::cos(heading) * across, std::sin(heading) * across, grade * across};
}

// The length along the route between two stations: the plan's length laid on the profile's
// grades (Simpson's rule, exact for a steady grade).
double length_along(const Profile& profile, double from, double to) {
    constexpr int kSteps = 16;
    const double h = (to - from) / kSteps;
    double sum = 0;
    for (int k = 0; k <= kSteps; ++k) {
        const double g = profile.points.empty() ? 0 : profile.at(from + h * k).second;
        const double weight = k == 0 || k == kSteps ? 1 : k % 2 == 1 ? 4 : 2;
        sum += weight * std::sqrt(1 + g * g);
    }
    return sum * h / 3;
}

// The pieces of one element between two of its stations (x from its start): one where it is
// a line or a curve on one grade, else a chain of pieces none of which turns more than 1
// degree in plan or in the upright plane.
void add_pieces(const Element& element, const Profile& profile, double station, double x0,
                double x1, std::vector<RoutePiece>& pieces) {
    const auto grade = [&](double x, bool leaving) {
        return profile.points.empty() ? 0.0 : profile.at(station + x, leaving).second;
    };
    const auto turn = [&](double a, double b) {
        return std::max(std::fabs(element.heading_at(b) - element.heading_at(a)),
                        std::fabs(std::atan(grade(b, false)) - std::atan(grade(a, true))));
    };
    const bool steady_curve = element.curvature_in == element.curvature_out;
    const bool steady_grade =
        std::fabs(std::atan(grade(x1, false)) - std::atan(grade(x0, true))) < 1e-12;
    // Halved until no piece turns more than its most, where the piece is no steady one.
    std::vector<std::pair<double, double>> spans{{x0, x1}};
    for (std::size_t i = 0; !(steady_curve && steady_grade) && i < spans.size();) {
        const auto [a, b] = spans[i];
        if (turn(a, b) > kMostStep && b - a > 1e-9 * element.length) {
            spans[i] = {a, (a + b) / 2};
            spans.insert(spans.begin() + static_cast<std::ptrdiff_t>(i) + 1, {(a + b) / 2, b});
        } else {
            ++i;
        }
    }
    for (const auto& [a, b] : spans) {
        RoutePiece piece;
        piece.where = "line " + std::to_string(element.line);
        const double h0 = element.heading_at(a);
        const double h1 = element.heading_at(b);
        piece.in = direction_of(h0, grade(a, true));
        piece.out = direction_of(h1, grade(b, false));
        piece.length = length_along(profile, station + a, station + b);
        if (h0 == h1 && steady_grade) {
            piece.out = piece.in;
        } else if (steady_grade) {
            piece.kind = RoutePiece::Kind::PlanArc;
            piece.theta = std::fabs(h1 - h0);
            piece.right = h1 < h0;
        } else {
            piece.kind = RoutePiece::Kind::Arc;
            const Vec3 normal = cross(piece.in, piece.out);
            piece.theta = std::atan2(std::sqrt(dot(normal, normal)), dot(piece.in, piece.out));
        }
        pieces.push_back(std::move(piece));
    }
}

// Where the profile breaks the route: its points of intersection without a vertical curve,
// and its vertical curves' ends, as stations.
std::vector<double> profile_breaks(const Profile& profile) {
    std::vector<double> breaks;
    for (std::size_t i = 1; i + 1 < profile.points.size(); ++i) {
        if (profile.points[i].curve == Profile::Point::Curve::None) {
            breaks.push_back(profile.points[i].station);
        } else {
            const auto [begin, end] = profile.curve_span(i);
            breaks.push_back(begin);
            breaks.push_back(end);
        }
    }
    return breaks;
}

// Where the alignment starts or ends beyond its profile, said with the route.
void say_where_beyond(const Alignment& alignment, double end, RoutePolyline& path) {
    const Profile& profile = alignment.profile;
    if (profile.points.empty()) {
        return;
    }
    const double before = profile.points.front().station - alignment.start_station;
    const double after = end - profile.points.back().station;
    if (before > 1e-6) {
        path.notes.push_back(
            Message(TENSORA_TEXT("Routes", "The alignment starts %1 before its profile: the "
                                           "profile's first grade is taken back to it."))
                .figure(Figure::number(before)));
    }
    if (after > 1e-6) {
        path.notes.push_back(
            Message(TENSORA_TEXT("Routes", "The alignment runs %1 beyond its profile: the "
                                           "profile's last grade is taken on to its end."))
                .figure(Figure::number(after)));
    }
}

// Where an element ends, in plan: along it by its headings (exact for a line and a curve).
Vec3 element_end(const Element& element) {
    constexpr int kSteps = 64;
    Vec3 p = element.start;
    for (int k = 0; k < kSteps; ++k) {
        const double h = element.heading_at(element.length * (k + 0.5) / kSteps);
        p = p + (element.length / kSteps) * Vec3{std::cos(h), std::sin(h), 0};
    }
    return p;
}

RoutePolyline LandXmlReader::path(const Alignment& alignment) const {
    RoutePolyline path;
    path.entity = alignment.name.empty() ? std::string("alignment") : alignment.name;
    const Profile& profile = alignment.profile;
    const std::vector<double> breaks = profile_breaks(profile);
    double station = alignment.start_station;
    for (const Element& element : alignment.elements) {
        std::vector<double> cuts{0};
        for (const double at : breaks) {
            if (at - station > 1e-9 && station + element.length - at > 1e-9) {
                cuts.push_back(at - station);
            }
        }
        cuts.push_back(element.length);
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            add_pieces(element, profile, station, cuts[i], cuts[i + 1], path.pieces);
        }
        station += element.length;
    }
    say_where_beyond(alignment, station, path);
    const auto height = [&](double at) {
        return profile.points.empty() ? 0.0 : profile.at(at).first;
    };
    Vec3 start = alignment.elements.front().start;
    start.z = height(alignment.start_station);
    Vec3 end = element_end(alignment.elements.back());
    end.z = height(station);
    path.vertices.push_back({start, 0, std::nullopt, path.entity});
    path.vertices.push_back({end, 0, std::nullopt, path.entity});
    return path;
}

RouteFile LandXmlReader::read() {
    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text_.data(), text_.size(), pugi::parse_default);
    if (!parsed) {
        file_.error = Message(TENSORA_TEXT("Routes", "Line %1: %2"))
                          .count_arg(static_cast<long long>(lines_.at(parsed.offset)))
                          .data(parsed.description());
        return file_;
    }
    const pugi::xml_node root = document.child("LandXML");
    if (!root) {
        file_.error = TENSORA_TEXT("Routes", "The file is no LandXML document.");
        return file_;
    }
    for (const char* system : {"Imperial", "Metric"}) {
        const double feet =
            feet_per_linear_unit(root.child("Units").child(system).attribute("linearUnit").value());
        if (feet > 0) {
            file_.feet_per_unit = feet;
        }
    }
    for (const pugi::xml_node& node : root.child("Alignments").children("Alignment")) {
        Alignment alignment;
        alignment.name = node.attribute("name").value();
        alignment.start_station = attribute_number(node, "staStart").value_or(0);
        alignment.line = lines_.of(node);
        if (!geometry(node.child("CoordGeom"), alignment) ||
            !profile(node.child("Profile"), alignment)) {
            return file_;
        }
        if (!alignment.elements.empty()) {
            file_.paths.push_back(path(alignment));
        }
    }
    if (file_.paths.empty()) {
        file_.error = TENSORA_TEXT("Routes", "The file has no alignment with lines or curves.");
    }
    return file_;
}

} // namespace

RouteFile read_route_landxml(std::string_view text) {
    return LandXmlReader(text).read();
}

} // namespace tensora
