#include "print/route_painter.h"
#include "pullplan/pull_plan_links.h"
#include "support/window_test.h"

#include <QImage>

namespace tensora::test {

class RoutePainterTest : public QObject {
    Q_OBJECT

private:
    // 200 ft level, a quarter turn, 100 ft: the pull drawn forward.
    static RouteDrawing drawn(double allowable = 1e6) {
        const NumberLocale english{".", ","};
        PullPlanLinks plan(english);
        plan.append("Straight", "200", "0");
        plan.append("Angle", "3", "90");
        plan.append("Straight", "100", "0");
        PullSettingsTexts texts;
        texts.weight = "2000";
        texts.friction = "0.3";
        texts.allowable = std::to_string(allowable);
        PullResults results;
        plan.calculate(texts, results);
        return route_drawing(plan.values(), results, read_pull_settings(texts, english), true, 500);
    }

    static QImage painted(const RouteDrawing& drawing, RouteSide side, const QRectF& area) {
        QImage image(static_cast<int>(area.width()), static_cast<int>(area.height()),
                     QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint_route(painter, drawing, side, fitted_camera(drawing, side, area), area, {});
        return image;
    }

    static int coloured_pixels_in_row(const QImage& image, int y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.saturation() > 100 ? 1 : 0;
        }
        return count;
    }

private slots:
    void aLevelRouteSeenFromTheSideIsDrawnAlongItsWholeLength() {
        const RouteDrawing drawing = drawn();
        const QRectF area(0, 0, 600, 200);
        const QImage image = painted(drawing, RouteSide::Elevation, area);
        const RouteCamera camera = fitted_camera(drawing, RouteSide::Elevation, area);
        const int y = static_cast<int>(std::lround(camera.to_area(area, 0, 0).y()));
        // The path runs from the first link's start to the last link's end: most of the width.
        QVERIFY(coloured_pixels_in_row(image, y) > 400);
    }

    void theFittedRouteStaysInsideAndClearOfTheScaleBar() {
        const RouteDrawing drawing = drawn();
        const QRectF area(10, 20, 400, 300);
        const RouteCamera camera = fitted_camera(drawing, RouteSide::Plan, area);
        for (const RouteSample& sample : drawing.samples) {
            const QPointF at = camera.to_area(area, sample.x, sample.y);
            QVERIFY(area.contains(at));
            QVERIFY(at.y() < area.bottom() - 28);
        }
    }

    void theColoursRunFromBlueForNoTensionToRedForTheHighest() {
        QCOMPARE(tension_color(0, 100).hue(), 240);
        QCOMPARE(tension_color(100, 100).hue(), 0);
        QCOMPARE(tension_color(250, 100).hue(), 0); // beyond the highest: red still
        QCOMPARE(tension_color(50, 0).hue(), 240);  // nothing pulled at all
        QVERIFY(tension_color(50, 100).hue() > 100 && tension_color(50, 100).hue() < 140);
    }

    void linksBeyondTheAllowableTensionAreUnderlaidRed() {
        const RouteDrawing drawing = drawn(1);
        const QRectF area(0, 0, 600, 200);
        const QImage image = painted(drawing, RouteSide::Elevation, area);
        const RouteCamera camera = fitted_camera(drawing, RouteSide::Elevation, area);
        const QPointF middle = camera.to_area(area, 150, 0);
        // Above the 3-pixel path, within the 7-pixel underlay: the underlay's red.
        const QColor under =
            image.pixelColor(static_cast<int>(middle.x()), static_cast<int>(middle.y()) - 3);
        QVERIFY2(under.red() > 150 && under.green() < 100, qPrintable(under.name()));
        QVERIFY(painted(drawn(), RouteSide::Elevation, area)
                    .pixelColor(static_cast<int>(middle.x()), static_cast<int>(middle.y()) - 3) ==
                QColor(Qt::white));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::RoutePainterTest)
#include "route_painter_test.moc"
