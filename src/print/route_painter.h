// Paints the route drawing, on screen and on the report's page alike: the path from above or
// from the side, coloured by the tension of the pull drawn, with the links' numbers, the marks
// of what passes a limit, the mid-assist point and a scale; and the legend of the colours.
#pragma once

#include "numbers/number_rules.h"
#include "numbers/units.h"
#include "routes/route_drawing.h"

#include <QPainter>
#include <QRectF>

namespace tensora {

enum class RouteSide { Plan, Elevation };

// Where the drawing's feet land on the paint area: a scale (pixels per foot) and the point of
// the drawing (feet: east and north from above, along and up from the side) at its centre.
struct RouteCamera {
    double scale = 1;
    double centre_x = 0;
    double centre_y = 0;

    QPointF to_area(const QRectF& area, double x, double y) const {
        return {area.center().x() + (x - centre_x) * scale,
                area.center().y() - (y - centre_y) * scale};
    }
    // Zooms by `factor` keeping the drawing's point under `fixed` (an area point) where it is.
    void zoom(const QRectF& area, QPointF fixed, double factor);
    void pan(QPointF by);
};

// The camera that shows the whole route in the area, with a margin.
RouteCamera fitted_camera(const RouteDrawing& drawing, RouteSide side, const QRectF& area);

// The colour of a tension, from blue (none) through green and yellow to red (the highest).
QColor tension_color(double tension, double highest);

struct RouteStyle {
    UnitSystem units = UnitSystem::InchPound;
    NumberLocale locale{".", ","};
    double unit = 1; // a line's width and a label's size, in the area's pixels at 100 %
};

void paint_route(QPainter& painter, const RouteDrawing& drawing, RouteSide side,
                 const RouteCamera& camera, const QRectF& area, const RouteStyle& style);

// The legend: the colour bar from 0 to the highest tension (the allowable tension marked),
// then the marks' keys; as many lines as `area` is high takes.
void paint_route_legend(QPainter& painter, const RouteDrawing& drawing, const QRectF& area,
                        const RouteStyle& style);

} // namespace tensora
