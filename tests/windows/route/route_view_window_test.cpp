#include "support/window_fixture.h"
#include "support/worked_pull.h"
#include "windows/route/route_view_window.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace tensora::test {

class RouteViewTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;

    RouteView& shownWithThePlan() {
        RouteView& view = fixture_.registry().show<RouteView>();
        worked_pull(fixture_.registry(), QStringLiteral("100"));
        view.resize(900, 600);
        QApplication::processEvents();
        return view;
    }

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { fixture_.tearDown(); }

    void followsThePlannerInTheDirectionChosen() {
        RouteView& view = fixture_.registry().show<RouteView>();
        QVERIFY(view.drawing().empty());
        PullCalculator& planner = worked_pull(fixture_.registry(), QStringLiteral("20"));
        QCOMPARE(view.drawing().links.size(), std::size_t{3});
        QCOMPARE(view.drawing().highest_tension, planner.results().forward_tension[2]);
        QVERIFY(!view.drawing().links[0].over_allowable);
        QVERIFY(view.drawing().links[2].over_allowable);
        child<QComboBox>(view, "tensionDirection")->setCurrentIndex(1);
        QVERIFY(!view.drawing().forward);
        QCOMPARE(view.drawing().highest_tension, planner.results().reverse_tension[0]);
        planner.weightBox()->setText(QStringLiteral("400")); // a keystroke: drawn again
        QCOMPARE(view.drawing().highest_tension, planner.results().reverse_tension[0]);
        planner.close();
        QVERIFY(view.drawing().empty());
    }

    void zoomsAndPansByKeysAndFitShowsTheWholeRouteAgain() {
        RouteView& view = shownWithThePlan();
        RouteCanvas& plan = view.planCanvas();
        const RouteCamera fitted = plan.camera();
        QTest::keyClick(&plan, Qt::Key_Plus);
        QCOMPARE(plan.camera().scale, fitted.scale * 1.25);
        QTest::keyClick(&plan, Qt::Key_Right);
        QVERIFY(plan.camera().centre_x > fitted.centre_x);
        // Moved by the user, the camera stays where it is while the plan changes.
        const RouteCamera moved = plan.camera();
        fixture_.registry().get<PullCalculator>().weightBox()->setText(QStringLiteral("300"));
        QCOMPARE(plan.camera().centre_x, moved.centre_x);
        child<QPushButton>(view, "fitButton")->click();
        QCOMPARE(plan.camera().scale, fitted.scale);
        QCOMPARE(plan.camera().centre_x, fitted.centre_x);
        const double side = view.elevationCanvas().camera().scale;
        QTest::keyClick(&view.elevationCanvas(), Qt::Key_Minus);
        QCOMPARE(view.elevationCanvas().camera().scale, side / 1.25);
        QTest::keyClick(&view.elevationCanvas(), Qt::Key_0);
        QCOMPARE(view.elevationCanvas().camera().scale, side);
    }

    void wheelZoomKeepsThePointUnderTheCursor() {
        RouteView& view = shownWithThePlan();
        RouteCanvas& plan = view.planCanvas();
        const QRectF area(0, 0, 400, 300);
        RouteCamera camera = plan.camera();
        const QPointF cursor(300, 100);
        const double x = camera.centre_x + (cursor.x() - area.center().x()) / camera.scale;
        camera.zoom(area, cursor, 2);
        QCOMPARE(camera.to_area(area, x, 0).x(), cursor.x());
    }

    void savesTheDrawingsAsPngOrSvg() {
        RouteView& view = shownWithThePlan();
        const QTemporaryDir folder;
        fixture_.platform().fileNames = {folder.filePath(QStringLiteral("route")),
                                         folder.filePath(QStringLiteral("route.svg"))};
        view.saveImage();
        view.saveImage();
        QVERIFY(QImage(folder.filePath(QStringLiteral("route.png"))).width() > 400);
        QFile svg(folder.filePath(QStringLiteral("route.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
        QVERIFY(fixture_.platform().messages.isEmpty());
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::RouteViewTest)
#include "route_view_window_test.moc"
