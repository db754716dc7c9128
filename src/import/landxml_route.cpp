#include "import/landxml_route.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tensora {
namespace {

// A point of the profile: its station, its height, the length of the vertical curve there.
struct ProfilePoint {
    double station = 0;
    double height = 0;
    double curve = 0;
};

// A horizontal element: a line or a circular curve from a to b (plan, x east, y north).
struct Element {
    Vec3 a;
    Vec3 b;
    double bulge = 0;
    double length = 0; // in plan
    qint64 line = 0;
};

struct Alignment {
    QString name;
    double start_station = 0;
    std::vector<Element> elements;
    std::vector<ProfilePoint> profile;
};

// "northing easting [elevation]", as LandXML writes a point.
std::optional<Vec3> point_of(const QString& text) {
    const QStringList parts = text.simplified().split(QLatin1Char(' '));
    if (parts.size() < 2) {
        return std::nullopt;
    }
    bool north_ok = false;
    bool east_ok = false;
    const double north = parts[0].toDouble(&north_ok);
    const double east = parts[1].toDouble(&east_ok);
    if (!north_ok || !east_ok) {
        return std::nullopt;
    }
    return Vec3{east, north, 0};
}

double feet_per_linear_unit(const QString& unit) {
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
        if (unit == QLatin1String(name)) {
            return feet;
        }
    }
    return 0;
}

// The profile's height at a station: between its points of intersection on the straight
// grade that joins them, before the first and after the last at their heights.
double height_at(const std::vector<ProfilePoint>& profile, double station) {
    if (profile.empty()) {
        return 0.0;
    }
    if (station <= profile.front().station) {
        return profile.front().height;
    }
    for (std::size_t i = 1; i < profile.size(); ++i) {
        if (station <= profile[i].station) {
            const ProfilePoint& a = profile[i - 1];
            const ProfilePoint& b = profile[i];
            const double span = b.station - a.station;
            return span > 0 ? a.height + (b.height - a.height) * (station - a.station) / span
                            : b.height;
        }
    }
    return profile.back().height;
}

// The grade from point i - 1 to point i of the profile.
double grade(const std::vector<ProfilePoint>& profile, std::size_t i) {
    const ProfilePoint& a = profile[i - 1];
    const ProfilePoint& b = profile[i];
    return b.station > a.station ? (b.height - a.height) / (b.station - a.station) : 0.0;
}

// The radius of the vertical curve at inner point i: its length over the change of grade there.
std::optional<double> vertical_radius(const std::vector<ProfilePoint>& profile, std::size_t i) {
    const double change = std::fabs(grade(profile, i + 1) - grade(profile, i));
    if (profile[i].curve > 0 && change > 0) {
        return profile[i].curve / change;
    }
    return std::nullopt;
}

// The point `share` of the way along a line or a curve, in plan.
Vec3 point_along(const Element& element, double share) {
    if (element.bulge == 0) {
        return element.a + share * (element.b - element.a);
    }
    const double theta = 4 * std::atan(element.bulge);
    const Vec3 chord = element.b - element.a;
    const double half = std::sqrt(dot(chord, chord)) / 2;
    const double plan_radius = half / std::sin(std::fabs(theta) / 2);
    const Vec3 across{-chord.y, chord.x, 0};
    const double offset = plan_radius * std::cos(theta / 2);
    const Vec3 centre =
        0.5 * (element.a + element.b) + (theta > 0 ? 1.0 : -1.0) * (offset / (2 * half)) * across;
    const Vec3 from = element.a - centre;
    const double turn = theta * share;
    return centre + Vec3{std::cos(turn) * from.x - std::sin(turn) * from.y,
                         std::sin(turn) * from.x + std::cos(turn) * from.y, 0};
}

class LandXmlReader {
public:
    explicit LandXmlReader(std::string_view text)
        : xml_(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()))) {}

    RouteFile read();

private:
    void fail(const QString& why) {
        if (error_.isEmpty()) {
            error_ = QStringLiteral("Line %1: %2").arg(xml_.lineNumber()).arg(why);
        }
        xml_.raiseError(why);
    }
    void alignment();
    void geometry(Alignment& alignment);
    void curve(Alignment& alignment);
    void profile(Alignment& alignment);
    // The text of the element that starts here, to its end.
    QString text() { return xml_.readElementText(QXmlStreamReader::IncludeChildElements); }
    RoutePolyline path(const Alignment& alignment) const;

    QXmlStreamReader xml_;
    RouteFile file_;
    QString error_;
    std::vector<Alignment> alignments_;
};

void LandXmlReader::curve(Alignment& alignment) {
    const bool clockwise = xml_.attributes()
                               .value(QLatin1String("rot"))
                               .compare(QLatin1String("cw"), Qt::CaseInsensitive) == 0;
    Element element;
    element.line = xml_.lineNumber();
    std::optional<Vec3> start, centre, end;
    while (xml_.readNextStartElement()) {
        const QStringView name = xml_.name();
        std::optional<Vec3>* into = name == QLatin1String("Start")    ? &start
                                    : name == QLatin1String("Center") ? &centre
                                    : name == QLatin1String("End")    ? &end
                                                                      : nullptr;
        if (!into) {
            xml_.skipCurrentElement();
            continue;
        }
        *into = point_of(text());
        if (!*into) {
            fail(QStringLiteral("a curve's point is not two numbers."));
            return;
        }
    }
    if (!start || !centre || !end) {
        fail(QStringLiteral("a curve needs its Start, Center and End."));
        return;
    }
    const Vec3 from = *start - *centre;
    const Vec3 to = *end - *centre;
    double sweep = std::atan2(from.x * to.y - from.y * to.x, from.x * to.x + from.y * to.y);
    if (clockwise && sweep > 0) {
        sweep -= 2 * std::numbers::pi;
    } else if (!clockwise && sweep < 0) {
        sweep += 2 * std::numbers::pi;
    }
    element.a = *start;
    element.b = *end;
    element.bulge = std::tan(sweep / 4);
    element.length = std::sqrt(dot(from, from)) * std::fabs(sweep);
    alignment.elements.push_back(element);
}

void LandXmlReader::geometry(Alignment& alignment) {
    while (xml_.readNextStartElement()) {
        const QStringView name = xml_.name();
        if (name == QLatin1String("Line")) {
            Element element;
            element.line = xml_.lineNumber();
            std::optional<Vec3> start, end;
            while (xml_.readNextStartElement()) {
                if (xml_.name() == QLatin1String("Start")) {
                    start = point_of(text());
                } else if (xml_.name() == QLatin1String("End")) {
                    end = point_of(text());
                } else {
                    xml_.skipCurrentElement();
                }
            }
            if (!start || !end) {
                fail(QStringLiteral("a line needs a Start and an End of two numbers each."));
                return;
            }
            element.a = *start;
            element.b = *end;
            const Vec3 span = *end - *start;
            element.length = std::sqrt(dot(span, span));
            alignment.elements.push_back(element);
        } else if (name == QLatin1String("Curve")) {
            curve(alignment);
        } else if (name == QLatin1String("Spiral")) {
            fail(QStringLiteral("a spiral is not read: replace it by lines and curves."));
            return;
        } else {
            xml_.skipCurrentElement();
        }
        if (xml_.hasError()) {
            return;
        }
    }
}

void LandXmlReader::profile(Alignment& alignment) {
    while (xml_.readNextStartElement()) {
        if (xml_.name() != QLatin1String("ProfAlign")) {
            xml_.skipCurrentElement();
            continue;
        }
        alignment.profile.clear();
        while (xml_.readNextStartElement()) {
            const QStringView name = xml_.name();
            const bool curve = name == QLatin1String("ParaCurve") ||
                               name == QLatin1String("CircCurve") ||
                               name == QLatin1String("UnsymParaCurve");
            if (name != QLatin1String("PVI") && !curve) {
                xml_.skipCurrentElement();
                continue;
            }
            const double length =
                curve ? xml_.attributes().value(QLatin1String("length")).toDouble() : 0;
            const QStringList parts = text().simplified().split(QLatin1Char(' '));
            bool station_ok = false;
            bool height_ok = false;
            const double station = parts.value(0).toDouble(&station_ok);
            const double height = parts.value(1).toDouble(&height_ok);
            if (!station_ok || !height_ok) {
                fail(QStringLiteral("a profile point is not a station and a height."));
                return;
            }
            alignment.profile.push_back({station, height, length});
        }
        break;
    }
    while (xml_.readNextStartElement()) {
        xml_.skipCurrentElement();
    }
}

void LandXmlReader::alignment() {
    Alignment alignment;
    alignment.name = xml_.attributes().value(QLatin1String("name")).toString();
    alignment.start_station = xml_.attributes().value(QLatin1String("staStart")).toDouble();
    while (xml_.readNextStartElement()) {
        if (xml_.name() == QLatin1String("CoordGeom")) {
            geometry(alignment);
        } else if (xml_.name() == QLatin1String("Profile")) {
            profile(alignment);
        } else {
            xml_.skipCurrentElement();
        }
        if (xml_.hasError()) {
            return;
        }
    }
    alignments_.push_back(std::move(alignment));
}

// The alignment as points: its elements' ends, with more points at the profile's points of
// intersection so that each piece keeps one grade; heights from the profile by station.
RoutePolyline LandXmlReader::path(const Alignment& alignment) const {
    RoutePolyline path;
    path.entity =
        alignment.name.isEmpty() ? std::string("alignment") : alignment.name.toStdString();
    const std::vector<ProfilePoint>& profile = alignment.profile;
    double station = alignment.start_station;
    for (const Element& element : alignment.elements) {
        const double theta = 4 * std::atan(element.bulge);
        double done = 0;              // share of the element behind
        std::optional<double> radius; // of the point placed next
        for (std::size_t i = 1; i + 1 < profile.size(); ++i) {
            if (std::fabs(profile[i].station - station) <= 1e-9) {
                radius = vertical_radius(profile, i);
            }
        }
        // Places the point `done` of the element's way along, its segment reaching `share`.
        const auto place = [&](double share) {
            RouteVertex vertex;
            vertex.at = point_along(element, done);
            vertex.at.z = height_at(profile, station + done * element.length);
            vertex.radius = std::exchange(radius, std::nullopt);
            vertex.bulge = std::tan(theta * (share - done) / 4);
            vertex.where = "line " + std::to_string(element.line);
            path.vertices.push_back(vertex);
            done = share;
        };
        // The profile's inner points within the element, where its grade changes.
        for (std::size_t i = 1; i + 1 < profile.size(); ++i) {
            if (profile[i].station > station + 1e-9 &&
                profile[i].station < station + element.length - 1e-9) {
                place((profile[i].station - station) / element.length);
                radius = vertical_radius(profile, i);
            }
        }
        place(1);
        station += element.length;
    }
    if (!alignment.elements.empty()) {
        RouteVertex end;
        end.at = alignment.elements.back().b;
        end.at.z = height_at(profile, station);
        end.where = "line " + std::to_string(alignment.elements.back().line);
        path.vertices.push_back(end);
    }
    return path;
}

RouteFile LandXmlReader::read() {
    bool landxml = false;
    // Token by token: Qt 6.4's readNextStartElement reads on past the document's end and
    // reports that as an error.
    while (!xml_.atEnd() && !xml_.hasError()) {
        if (xml_.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QStringView name = xml_.name();
        if (name == QLatin1String("LandXML")) {
            landxml = true;
        } else if (name == QLatin1String("Imperial") || name == QLatin1String("Metric")) {
            const double feet = feet_per_linear_unit(
                xml_.attributes().value(QLatin1String("linearUnit")).toString());
            if (feet > 0) {
                file_.feet_per_unit = feet;
            }
            xml_.skipCurrentElement();
        } else if (name == QLatin1String("Alignment")) {
            alignment();
        } else if (name != QLatin1String("Units") && name != QLatin1String("Alignments")) {
            xml_.skipCurrentElement();
        }
    }
    if (xml_.hasError()) {
        file_.error =
            (error_.isEmpty()
                 ? QStringLiteral("Line %1: %2").arg(xml_.lineNumber()).arg(xml_.errorString())
                 : error_)
                .toStdString();
        return file_;
    }
    if (!landxml) {
        file_.error = "The file is no LandXML document.";
        return file_;
    }
    for (const Alignment& alignment : alignments_) {
        RoutePolyline route = path(alignment);
        if (route.vertices.size() >= 2) {
            file_.paths.push_back(std::move(route));
        }
    }
    if (file_.paths.empty()) {
        file_.error = "The file has no alignment with lines or curves.";
    }
    return file_;
}

} // namespace

RouteFile read_route_landxml(std::string_view text) {
    return LandXmlReader(text).read();
}

} // namespace tensora
