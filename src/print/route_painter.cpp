#include "print/route_painter.h"

#include "numbers/shown_figures.h"
#include "print/plan_colors.h"
#include "print/qt_text.h"
#include "pullplan/pull_advice.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_set>

namespace tensora {
namespace {

constexpr int kColourSteps = 48;
constexpr qsizetype kMostPoints = 32; // of one polyline drawn
const QColor kRouteInk(60, 60, 60);

std::pair<double, double> coordinates(const RouteSample& sample, RouteSide side) {
    return side == RouteSide::Plan ? std::pair{sample.x, sample.y}
                                   : std::pair{sample.along, sample.z};
}

// Where a side of the drawing is painted: the camera, the area, the size of a line and what
// of the route can be seen.
struct Sheet {
    const RouteDrawing& drawing;
    RouteSide side;
    const RouteCamera& camera;
    const QRectF& area;
    double u;       // a line's width and a label's size, in the area's pixels at 100 %
    QRectF visible; // the area and a margin: what is drawn at all
    QPointF at(const RouteSample& sample) const {
        const auto [x, y] = coordinates(sample, side);
        return camera.to_area(area, x, y);
    }
};

// A round length for the scale bar: 1, 2 or 5 times a power of ten, of about `about`.
double round_length(double about) {
    const double power = std::pow(10.0, std::floor(std::log10(about)));
    for (const double step : {1.0, 2.0, 5.0}) {
        if (step * power >= about * 0.7) {
            return step * power;
        }
    }
    return 10 * power;
}

void paint_scale_bar(QPainter& p, const RouteCamera& camera, const QRectF& area,
                     const RouteStyle& style) {
    const double feet_per_unit = 1 / shown_value(1, Quantity::Length, style.units);
    const double shown = round_length(area.width() / 5 / camera.scale / feet_per_unit);
    if (!(shown > 0) || !std::isfinite(shown)) {
        return;
    }
    const double pixels = shown * feet_per_unit * camera.scale;
    const double u = style.unit;
    const QPointF left(area.left() + 10 * u, area.bottom() - 10 * u);
    p.setPen(QPen(kRouteInk, 1.5 * u));
    p.drawLine(left, left + QPointF(pixels, 0));
    p.drawLine(left, left + QPointF(0, -4 * u));
    p.drawLine(left + QPointF(pixels, 0), left + QPointF(pixels, -4 * u));
    p.drawText(QRectF(left.x(), left.y() - 20 * u, pixels + 200 * u, 15 * u),
               Qt::AlignLeft | Qt::AlignBottom,
               qt_text(locale_number_text(general_number_text(shown), style.locale) + ' ' +
                       std::string(unit_symbol(Quantity::Length, style.units))));
}

// The samples of the links `wanted` picks, as polylines in area points: one for each run of
// consecutive links, each point at least `shortest` from the one before, so that a long route
// costs about as many points as its drawing has pixels.
template <typename Wanted>
std::vector<QPolygonF> runs(const Sheet& sheet, double shortest, Wanted wanted) {
    std::vector<QPolygonF> lines;
    bool open = false;
    for (const RouteLinkMark& link : sheet.drawing.links) {
        if (!wanted(link)) {
            open = false;
            continue;
        }
        for (std::size_t k = link.first; k <= link.last; ++k) {
            const QPointF point = sheet.at(sheet.drawing.samples[k]);
            if (!open || lines.back().size() >= kMostPoints) {
                // A long polyline is drawn in pieces: the rasteriser fills each piece's outline
                // within its own bounds, far faster than one outline crossing itself all over.
                lines.push_back(open ? QPolygonF{lines.back().back(), point} : QPolygonF{point});
                open = true;
            } else if (QLineF(lines.back().back(), point).length() >= shortest || k == link.last) {
                lines.back() << point;
            }
        }
    }
    return lines;
}

void draw_visible(QPainter& p, const std::vector<QPolygonF>& lines, const QRectF& visible) {
    for (const QPolygonF& line : lines) {
        // Widened by a pixel: a level or upright line's box has no area, and Qt's test finds
        // no box of no area inside another.
        if (line.boundingRect().adjusted(-1, -1, 1, 1).intersects(visible)) {
            p.drawPolyline(line);
        }
    }
}

// The cells of an area where a mark already stands: a mark is placed only where no cell
// around its own holds one, so that two marks stand at least a cell apart.
class Occupied {
public:
    explicit Occupied(double cell) : cell_(cell) {}
    // Whether `at` is free; if so, it is taken.
    bool take(QPointF at) {
        const auto column = static_cast<std::int64_t>(std::floor(at.x() / cell_));
        const auto row = static_cast<std::int64_t>(std::floor(at.y() / cell_));
        for (std::int64_t c = column - 1; c <= column + 1; ++c) {
            for (std::int64_t r = row - 1; r <= row + 1; ++r) {
                if (cells_.contains(key(c, r))) {
                    return false;
                }
            }
        }
        cells_.insert(key(column, row));
        return true;
    }

private:
    static std::int64_t key(std::int64_t column, std::int64_t row) {
        return (column << 32) ^ (row & 0xffffffff);
    }

    double cell_;
    std::unordered_set<std::int64_t> cells_;
};

} // namespace

void RouteCamera::zoom(const QRectF& area, QPointF fixed, double factor) {
    const double x = centre_x + (fixed.x() - area.center().x()) / scale;
    const double y = centre_y - (fixed.y() - area.center().y()) / scale;
    scale = std::clamp(scale * factor, 1e-6, 1e6);
    centre_x = x - (fixed.x() - area.center().x()) / scale;
    centre_y = y + (fixed.y() - area.center().y()) / scale;
}

void RouteCamera::pan(QPointF by) {
    centre_x -= by.x() / scale;
    centre_y += by.y() / scale;
}

RouteCamera fitted_camera(const RouteDrawing& drawing, RouteSide side, const QRectF& area) {
    RouteCamera camera;
    const bool plan = side == RouteSide::Plan;
    const double left = plan ? drawing.min_x : 0;
    const double right = plan ? drawing.max_x : drawing.length;
    const double low = plan ? drawing.min_y : drawing.min_z;
    const double high = plan ? drawing.max_y : drawing.max_z;
    const double width = std::max(right - left, 1e-3);
    const double height = std::max(high - low, 1e-3);
    const double margin = 0.9;
    // A band along the bottom is kept for the scale bar, so that it never lies on the route.
    const double scale_band = std::min(area.height() * 0.15, 28.0);
    camera.scale =
        std::min(area.width() * margin / width, (area.height() - scale_band) * margin / height);
    if (!(camera.scale > 0) || !std::isfinite(camera.scale)) {
        camera.scale = 1;
    }
    camera.centre_x = (left + right) / 2;
    camera.centre_y = (low + high) / 2 - scale_band / 2 / camera.scale;
    return camera;
}

QColor tension_color(double tension, double highest) {
    const double share = highest > 0 ? std::clamp(tension / highest, 0.0, 1.0) : 0.0;
    return QColor::fromHsvF(static_cast<float>((1 - share) * 240.0 / 360.0), 0.85f, 0.85f);
}

namespace {

// Underlays first: the links held at zero (amber) and beyond the allowable tension (red).
// They are wide: points closer than half their width add nothing one can see, and they are
// drawn without smoothing, which a 7-pixel band does not need.
void paint_underlays(QPainter& p, const Sheet& sheet) {
    const double shortest = 3 * sheet.u;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kHeldRow.darker(115), 7 * sheet.u, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    draw_visible(p,
                 runs(sheet, shortest,
                      [](const RouteLinkMark& link) { return link.held && !link.over_allowable; }),
                 sheet.visible);
    p.setPen(QPen(kOverLimit, 7 * sheet.u, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    draw_visible(
        p, runs(sheet, shortest, [](const RouteLinkMark& link) { return link.over_allowable; }),
        sheet.visible);
    p.setRenderHint(QPainter::Antialiasing, true);
}

// The path in runs of one colour, gathered by colour so that a long route is a few calls;
// samples closer than a pixel to the last one drawn are joined into the next segment, so that
// a whole long route costs about as many points as its drawing has pixels.
void paint_path(QPainter& p, const Sheet& sheet) {
    const RouteDrawing& drawing = sheet.drawing;
    if (drawing.samples.empty()) {
        return;
    }
    std::array<std::vector<QPolygonF>, kColourSteps + 1> by_colour;
    const auto share_of = [&drawing](double tension) {
        return drawing.highest_tension > 0 ? std::clamp(tension / drawing.highest_tension, 0.0, 1.0)
                                           : 0.0;
    };
    const double shortest_segment = 1.5 * sheet.u;
    std::size_t from = 0;
    QPointF from_point = sheet.at(drawing.samples.front());
    std::size_t last_colour = by_colour.size(); // of the run the last segment extended
    for (std::size_t k = 1; k < drawing.samples.size(); ++k) {
        const QPointF point = sheet.at(drawing.samples[k]);
        if (QLineF(from_point, point).length() < shortest_segment &&
            k + 1 < drawing.samples.size()) {
            continue;
        }
        const QPointF start = from_point;
        const double share_from = share_of(drawing.samples[from].tension);
        const double share_to = share_of(drawing.samples[k].tension);
        from = k;
        from_point = point;
        // Widened by a pixel: a level or upright segment's box has no area, and Qt's test
        // finds no box of no area inside another.
        if (!QRectF(start, point).normalized().adjusted(-1, -1, 1, 1).intersects(sheet.visible)) {
            last_colour = by_colour.size();
            continue;
        }
        // A long straight whose tension climbs far is drawn in as many pieces as it passes
        // colours, each in its own.
        const int pieces =
            std::clamp(static_cast<int>(std::ceil(std::fabs(share_to - share_from) * kColourSteps)),
                       1, kColourSteps);
        for (int piece = 0; piece < pieces; ++piece) {
            const double middle = (piece + 0.5) / pieces;
            const auto colour = static_cast<std::size_t>(
                std::lround((share_from + (share_to - share_from) * middle) * kColourSteps));
            const QPointF end = start + (point - start) * (piece + 1.0) / pieces;
            if (colour != last_colour || by_colour[colour].back().size() >= kMostPoints) {
                by_colour[colour].push_back(
                    QPolygonF{start + (point - start) * static_cast<double>(piece) / pieces});
                last_colour = colour;
            }
            by_colour[colour].back() << end;
        }
    }
    for (std::size_t c = 0; c < by_colour.size(); ++c) {
        p.setPen(QPen(tension_color(static_cast<double>(c), kColourSteps), 3 * sheet.u,
                      Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
        for (const QPolygonF& run : by_colour[c]) {
            p.drawPolyline(run);
        }
    }
}

// The links' numbers and, on the bends whose bearing pressure passes the sidewall limit, red
// rings; each kept off the cells of the area where one of its kind already stands, so that a
// route that doubles back or a long one seen whole stays readable and quick.
void paint_marks(QPainter& p, const Sheet& sheet) {
    const double u = sheet.u;
    QFont font = p.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(10 * u))));
    p.setFont(font);
    Occupied labels(16 * u);
    Occupied rings(8 * u);
    for (const RouteLinkMark& link : sheet.drawing.links) {
        const QPointF at = sheet.at(link.middle);
        if (!sheet.visible.contains(at)) {
            continue;
        }
        if (link.over_sidewall && rings.take(at)) {
            p.setPen(QPen(kOverLimit, 2 * u));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, 7 * u, 7 * u);
        }
        if (labels.take(at)) {
            p.setPen(kRouteInk);
            p.drawText(at + QPointF(5 * u, -5 * u), QString::number(link.link + 1));
            if (link.own_raceway) {
                // A square round the link's middle: its own coefficient or raceway.
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(kRouteInk, 1.2 * u));
                p.drawRect(QRectF(at - QPointF(4 * u, 4 * u), QSizeF(8 * u, 8 * u)));
            }
        }
    }
}

// The ends (white: link 1's start, black: the last link's end) and the mid-assist point.
void paint_ends(QPainter& p, const Sheet& sheet) {
    const double u = sheet.u;
    const RouteDrawing& drawing = sheet.drawing;
    if (!drawing.samples.empty()) {
        p.setPen(QPen(kRouteInk, 1.5 * u));
        p.setBrush(Qt::white);
        p.drawEllipse(sheet.at(drawing.samples.front()), 4 * u, 4 * u);
        p.setBrush(kRouteInk);
        p.drawEllipse(sheet.at(drawing.samples.back()), 4 * u, 4 * u);
    }
    if (drawing.mid_assist) {
        const QPointF at = sheet.at(*drawing.mid_assist);
        p.setPen(QPen(Qt::black, 2 * u));
        p.drawLine(at + QPointF(-6 * u, -6 * u), at + QPointF(6 * u, 6 * u));
        p.drawLine(at + QPointF(-6 * u, 6 * u), at + QPointF(6 * u, -6 * u));
        p.drawText(at + QPointF(8 * u, 14 * u), QStringLiteral("mid-assist"));
    }
}

} // namespace

void paint_route(QPainter& p, const RouteDrawing& drawing, RouteSide side,
                 const RouteCamera& camera, const QRectF& area, const RouteStyle& style) {
    const double u = style.unit;
    const Sheet sheet{drawing, side, camera,
                      area,    u,    area.adjusted(-20 * u, -20 * u, 20 * u, 20 * u)};
    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing, true);
    paint_underlays(p, sheet);
    paint_path(p, sheet);
    paint_marks(p, sheet);
    paint_ends(p, sheet);
    paint_scale_bar(p, camera, area, style);
    p.restore();
}

void paint_route_legend(QPainter& p, const RouteDrawing& drawing, const QRectF& area,
                        const RouteStyle& style) {
    p.save();
    const double u = style.unit;
    QFont font = p.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(11 * u))));
    p.setFont(font);
    const double line = 16 * u;
    const QRectF bar(area.left() + 4 * u, area.top() + 3 * u, std::min(area.width() * 0.4, 260 * u),
                     9 * u);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (int k = 0; k <= 8; ++k) {
        gradient.setColorAt(k / 8.0, tension_color(k, 8));
    }
    p.fillRect(bar, gradient);
    p.setPen(kRouteInk);
    const auto tension = [&](double pounds) {
        return qt_text(advice_tension_text(pounds, style.units, style.locale));
    };
    const QString pull = drawing.forward ? UiText::tr("Forward pull") : UiText::tr("Reverse pull");
    p.drawText(QRectF(bar.right() + 8 * u, area.top(), area.width(), line),
               Qt::AlignLeft | Qt::AlignVCenter,
               UiText::tr("%1: tension from 0 to %2").arg(pull, tension(drawing.highest_tension)));
    if (drawing.allowable > 0 && drawing.allowable < drawing.highest_tension) {
        const double x = bar.left() + bar.width() * drawing.allowable / drawing.highest_tension;
        p.setPen(QPen(Qt::black, 1.5 * u));
        p.drawLine(QPointF(x, bar.top() - 2 * u), QPointF(x, bar.bottom() + 2 * u));
    }
    p.setPen(kRouteInk);
    QString keys = UiText::tr("Red underlay: beyond the allowable tension");
    if (drawing.allowable > 0) {
        keys += UiText::tr(" (%1, the black tick)").arg(tension(drawing.allowable));
    }
    keys +=
        UiText::tr("; amber: held at zero; red ring: a bend's bearing pressure beyond ") +
        qt_text(locale_number_text(general_number_text(shown_value(
                                       drawing.sidewall_limit, Quantity::Pressure, style.units)),
                                   style.locale) +
                ' ' + std::string(unit_symbol(Quantity::Pressure, style.units))) +
        UiText::tr("; white dot: link 1's start, black: the last link's end; X: the "
                   "mid-assist point");
    const bool own = std::any_of(drawing.links.begin(), drawing.links.end(),
                                 [](const RouteLinkMark& link) { return link.own_raceway; });
    if (own) {
        keys += UiText::tr("; square: a link with a coefficient or raceway of its own");
    }
    p.drawText(
        QRectF(area.left() + 4 * u, area.top() + line, area.width() - 8 * u, area.height() - line),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, keys);
    p.restore();
}

} // namespace tensora
