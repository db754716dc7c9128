#include "windows/route/route_view_window.h"

#include "print/qt_text.h"
#include "pullplan/pull_check.h"
#include "widgets/named_control.h"
#include "widgets/picture_saving.h"
#include "widgets/platform.h"
#include "windows/pullplan/pull_calculator_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace tensora {
namespace {

constexpr double kZoomStep = 1.25;
constexpr double kPanStep = 40;

} // namespace

RouteCanvas::RouteCanvas(RouteSide side, const QString& title, QWidget* parent)
    : QWidget(parent), side_(side), title_(title) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMinimumSize(200, 120);
}

QRectF RouteCanvas::area() const {
    const double top = fontMetrics().height() + 6;
    return QRectF(0, top, width(), std::max(1.0, height() - top));
}

void RouteCanvas::setDrawing(const RouteDrawing* drawing, const RouteStyle& style) {
    const bool was_empty = !drawing_ || drawing_->empty();
    drawing_ = drawing;
    style_ = style;
    if (fitted_ || was_empty) {
        fit();
    }
    update();
}

void RouteCanvas::fit() {
    if (drawing_) {
        camera_ = fitted_camera(*drawing_, side_, area());
    }
    fitted_ = true;
    update();
}

void RouteCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(6, 2, width() - 12, fontMetrics().height() + 2), Qt::AlignLeft, title_);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (!drawing_ || drawing_->empty()) {
        p.drawText(area(), Qt::AlignCenter | Qt::TextWordWrap,
                   tr("No plan yet: add links in Tools > Pull Calculator."));
        return;
    }
    paint_route(p, *drawing_, side_, camera_, area(), style_);
}

void RouteCanvas::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    camera_.zoom(area(), event->position(), std::pow(kZoomStep, steps));
    fitted_ = false;
    update();
    event->accept();
}

void RouteCanvas::mousePressEvent(QMouseEvent* event) {
    dragged_from_ = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
}

void RouteCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        camera_.pan(at - dragged_from_);
        dragged_from_ = at;
        fitted_ = false;
        update();
    }
}

void RouteCanvas::mouseDoubleClickEvent(QMouseEvent*) {
    fit();
}

void RouteCanvas::keyPressEvent(QKeyEvent* event) {
    const QPointF centre = area().center();
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        camera_.zoom(area(), centre, kZoomStep);
        break;
    case Qt::Key_Minus:
        camera_.zoom(area(), centre, 1 / kZoomStep);
        break;
    case Qt::Key_0:
    case Qt::Key_Home:
        fit();
        return;
    case Qt::Key_Left:
        camera_.pan({kPanStep, 0});
        break;
    case Qt::Key_Right:
        camera_.pan({-kPanStep, 0});
        break;
    case Qt::Key_Up:
        camera_.pan({0, kPanStep});
        break;
    case Qt::Key_Down:
        camera_.pan({0, -kPanStep});
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    fitted_ = false;
    update();
}

void RouteCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitted_) {
        fit();
    }
}

RouteLegend::RouteLegend(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(fontMetrics().lineSpacing() * 4 + 6);
}

void RouteLegend::setDrawing(const RouteDrawing* drawing, const RouteStyle& style) {
    drawing_ = drawing;
    style_ = style;
    update();
}

void RouteLegend::paintEvent(QPaintEvent*) {
    if (!drawing_ || drawing_->empty()) {
        return;
    }
    QPainter p(this);
    RouteStyle style = style_;
    style.unit = fontMetrics().height() / 15.0;
    paint_route_legend(p, *drawing_, rect(), style);
}

RouteView::RouteView(WindowRegistry& registry) : RegisteredWindow<QWidget>(registry) {
    setObjectName(QStringLiteral("RouteView"));
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Route View"));
    style_.locale = platform().numberLocale();
    style_.units = registry.units();

    tensionDirection = named(new QComboBox(this), "tensionDirection");
    tensionDirection->addItems({tr("Forward pull"), tr("Reverse pull")});
    auto* direction_label = new QLabel(tr("&Colour by the tension of the:"), this);
    direction_label->setBuddy(tensionDirection);
    fitButton = named(new QPushButton(tr("&Fit"), this), "fitButton");
    fitButton->setToolTip(tr("Show the whole route (0 in a drawing)"));
    saveRouteImage = named(new QPushButton(tr("Save &Image..."), this), "saveRouteImage");
    auto* controls = new QHBoxLayout;
    controls->addWidget(direction_label);
    controls->addWidget(tensionDirection);
    controls->addStretch(1);
    controls->addWidget(new QLabel(tr("Wheel or + and - zoom, drag or arrows pan"), this));
    controls->addWidget(fitButton);
    controls->addWidget(saveRouteImage);

    picture_ = named(new QWidget(this), "routePicture");
    picture_->setAutoFillBackground(true);
    routePlan = named(new RouteCanvas(RouteSide::Plan, tr("Plan: the route from above"), picture_),
                      "routePlan");
    routeElevation = named(new RouteCanvas(RouteSide::Elevation,
                                           tr("Elevation: height along the route, "
                                              "to scale"),
                                           picture_),
                           "routeElevation");
    routeLegend = new RouteLegend(picture_);
    routeLegend->setObjectName(QStringLiteral("routeLegend"));
    auto* picture_layout = new QVBoxLayout(picture_);
    picture_layout->setContentsMargins(0, 0, 0, 0);
    picture_layout->addWidget(routePlan, 3);
    picture_layout->addWidget(routeElevation, 2);
    picture_layout->addWidget(routeLegend);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(picture_, 1);
    resize(1000, 660);

    connect(tensionDirection, &QComboBox::currentIndexChanged, this, &RouteView::planRecalculated);
    connect(fitButton, &QPushButton::clicked, this, &RouteView::fitRoute);
    connect(saveRouteImage, &QPushButton::clicked, this, &RouteView::saveImage);
    setTabOrder(tensionDirection, routePlan);
    setTabOrder(routePlan, routeElevation);
    setTabOrder(routeElevation, fitButton);
    setTabOrder(fitButton, saveRouteImage);
    planRecalculated();
}

void RouteView::planRecalculated() {
    const bool forward = tensionDirection->currentIndex() == 0;
    if (const PullCalculator* planner = registry().find<PullCalculator>()) {
        draw_route(planner->plan().values(), planner->results(), planner->calculatedSettings(),
                   forward, design_sidewall_limit(UnitSystem::InchPound), drawing_, path_);
    } else {
        drawing_ = RouteDrawing{};
    }
    redraw();
}

void RouteView::unitsChanged(UnitSystem, UnitSystem to) {
    style_.units = to;
    redraw();
}

void RouteView::redraw() {
    routePlan->setDrawing(&drawing_, style_);
    routeElevation->setDrawing(&drawing_, style_);
    routeLegend->setDrawing(&drawing_, style_);
}

void RouteView::fitRoute() {
    routePlan->fit();
    routeElevation->fit();
}

void RouteView::saveImage() {
    save_picture(platform(), *this, *picture_);
}

} // namespace tensora
