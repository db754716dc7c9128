// The route view: the planner's route drawn from above and from the side (heights to scale),
// coloured by the tension of the pull chosen, with the links' numbers, what passes a limit and
// the mid-assist point. It follows every recalculation of the planner; each drawing zooms
// (wheel, + and -) and pans (drag, arrow keys), and 0 or Fit shows the whole route again.
#pragma once

#include "print/route_painter.h"
#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"
#include "windows/pullplan/plan_follower.h"

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

namespace tensora {

// One side of the route, drawn, with its own camera.
class RouteCanvas : public QWidget {
    Q_OBJECT

public:
    RouteCanvas(RouteSide side, const QString& title, QWidget* parent);

    void setDrawing(const RouteDrawing* drawing, const RouteStyle& style);
    void fit();
    const RouteCamera& camera() const { return camera_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRectF area() const;

    RouteSide side_;
    QString title_;
    const RouteDrawing* drawing_ = nullptr;
    RouteStyle style_;
    RouteCamera camera_;
    bool fitted_ = false; // the camera shows the whole route until the user moves it
    QPoint dragged_from_;
};

// The legend under the drawings.
class RouteLegend : public QWidget {
public:
    explicit RouteLegend(QWidget* parent);
    void setDrawing(const RouteDrawing* drawing, const RouteStyle& style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const RouteDrawing* drawing_ = nullptr;
    RouteStyle style_;
};

class RouteView : public RegisteredWindow<QWidget>,
                  public PlanFollower,
                  public UnitFollower,
                  public LanguageFollower {
    Q_OBJECT

public:
    explicit RouteView(WindowRegistry& registry);

    void planRecalculated() override;
    void unitsChanged(UnitSystem from, UnitSystem to) override;
    void languageChanged() override { redraw(); }
    // Saves both drawings and the legend as a PNG or SVG picture the user names.
    void saveImage();
    void fitRoute();

    const RouteDrawing& drawing() const { return drawing_; }
    const RouteStyle& style() const { return style_; }
    RouteCanvas& planCanvas() const { return *routePlan; }
    RouteCanvas& elevationCanvas() const { return *routeElevation; }

private:
    void redraw();

    RouteDrawing drawing_;
    std::vector<LinkPath> path_; // the drawing's scratch, kept between redraws
    RouteStyle style_;
    QWidget* picture_;
    QComboBox* tensionDirection;
    QPushButton* fitButton;
    QPushButton* saveRouteImage;
    RouteCanvas* routePlan;
    RouteCanvas* routeElevation;
    RouteLegend* routeLegend;
};

} // namespace tensora
