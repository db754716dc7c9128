#include "windows/pullplan/pull_calculator_window.h"
#include "windows/profile/tension_profile_window.h"
#include "support/window_fixture.h"
#include "support/worked_pull.h"

#include <QValueAxis>

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QLineEdit>
#include <QTemporaryDir>

namespace tensora::test {

class TensionProfileTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;

    // The worked example in the planner, 1000 lbs allowable.
    PullCalculator& plannedPull() {
        return worked_pull(fixture_.registry(), QStringLiteral("1000"));
    }

    static QList<QPointF> points(const TensionProfile& profile, int series) {
        return static_cast<QLineSeries*>(profile.chart().series().at(series))->points();
    }

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { fixture_.tearDown(); }

    void withoutAPlannerItSaysHowToStartAPlan() {
        TensionProfile& profile = fixture_.registry().show<TensionProfile>();
        QVERIFY(child<QLabel>(profile, "emptyPlanLabel")->isVisible());
        QVERIFY(profile.profile().forward.size() <= 1);
    }

    void followsEveryRecalculationOfThePlanner() {
        TensionProfile& profile = fixture_.registry().show<TensionProfile>();
        PullCalculator& planner = plannedPull();
        QVERIFY(child<QLabel>(profile, "emptyPlanLabel")->isHidden());
        QCOMPARE(profile.profile().forward.back().tension, planner.results().forward_tension[2]);
        planner.weightBox()->setText(QStringLiteral("400")); // a keystroke: drawn again
        QCOMPARE(profile.profile().forward.back().tension, planner.results().forward_tension[2]);
        QVERIFY(profile.chart().series().size() >= 4); // both pulls, allowable, mid-assist
        planner.midAssistBox()->setChecked(true);
        planner.selectLink(1);
        planner.pullcalc();
        QCOMPARE(profile.profile().mid_assist_at, 502.0);
        planner.close();
        QVERIFY(profile.profile().forward.size() <= 1); // back to the empty plan
    }

    // The worked example's 802 ft pulled in reverse: a log's length is the route's end less it.
    void aPullsLogIsLaidOverThePlanItsPointsPastTheAllowableRinged() {
        TensionProfile& profile = fixture_.registry().show<TensionProfile>();
        PullCalculator& planner = plannedPull();
        TensionLog log;
        log.points = {{0, 0}, {300, 400}, {802, 1500}};
        planner.setPullLog(PullCalculator::PullLog{log, false, "log.csv"});
        const QList<QPointF> measured = points(profile, 2);
        QCOMPARE(measured.size(), 3);
        QCOMPARE(measured[1], QPointF(502, 400));
        QCOMPARE(measured[2], QPointF(0, 1500));
        QCOMPARE(points(profile, 3), QList<QPointF>{QPointF(0, 1500)}); // over 1000 lbs
        // The tension axis reaches the log's highest tension.
        const auto* axis = static_cast<QValueAxis*>(profile.chart().axes(Qt::Vertical).first());
        QVERIFY(axis->max() >= 1500);
        planner.setPullLog(std::nullopt);
        QVERIFY(points(profile, 2).isEmpty());
    }

    // The chart's text items that show this text, as drawn.
    static QList<QGraphicsSimpleTextItem*> textItems(const TensionProfile& profile,
                                                     const QString& part) {
        QList<QGraphicsSimpleTextItem*> found;
        for (QGraphicsItem* item : profile.chart().scene()->items()) {
            auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
            if (text && text->isVisible() && text->text().contains(part)) {
                found.append(text);
            }
        }
        return found;
    }

    void theLegendNamesEveryFigureWholeAndTheCaptionsKeepApart() {
        TensionProfile& profile = fixture_.registry().show<TensionProfile>();
        PullCalculator& planner = plannedPull();
        planner.midAssistBox()->setChecked(true);
        planner.selectLink(1); // the point right after the 90 degree bend
        planner.pullcalc();
        profile.resize(500, 400); // narrow: the legend wraps rather than cutting
        QApplication::processEvents();
        auto* legend = child<QLabel>(profile, "profileLegend");
        QVERIFY(legend->wordWrap());
        QVERIFY(legend->text().contains(QStringLiteral(
            "worst sidewall (tension / bend length) 9 lbs/ft at link 2")));
        QVERIFY(legend->text().contains(QStringLiteral("allowable 1000 lbs, above the chart")));
        const auto captions = textItems(profile, QStringLiteral("Mid-assist"));
        const auto angles = textItems(profile, QStringLiteral("90\u00b0"));
        QCOMPARE(captions.size(), 1);
        QCOMPARE(angles.size(), 1);
        QVERIFY(!captions[0]->sceneBoundingRect().intersects(angles[0]->sceneBoundingRect()));
    }

    void aPlanWhoseTensionsAreOutOfRangeIsStillAPlan() {
        TensionProfile& profile = fixture_.registry().show<TensionProfile>();
        PullCalculator& planner = plannedPull();
        planner.frictionBox()->setText(QStringLiteral("1000")); // every bend beyond a double
        fixture_.platform().clear();
        QVERIFY(child<QLabel>(profile, "emptyPlanLabel")->isHidden());
        QVERIFY(child<QLabel>(profile, "profileLegend")
                    ->text()
                    .contains(QStringLiteral("Not drawn (out of range): forward tension after")));
    }

    void savesThePictureAsPngOrSvg() {
        TensionProfile& profile = fixture_.registry().show<TensionProfile>();
        plannedPull();
        const QTemporaryDir folder;
        fixture_.platform().fileNames = {folder.filePath(QStringLiteral("profile")),
                                         folder.filePath(QStringLiteral("profile.svg"))};
        profile.saveImage();
        profile.saveImage();
        QVERIFY(QImage(folder.filePath(QStringLiteral("profile.png"))).width() > 100);
        QFile svg(folder.filePath(QStringLiteral("profile.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
        QVERIFY(fixture_.platform().messages.isEmpty());
        fixture_.platform().fileNames = {folder.filePath(QStringLiteral("missing/profile.png"))};
        profile.saveImage();
        QCOMPARE(fixture_.platform().messages.size(), 1);
        QVERIFY2(fixture_.platform().messages[0].contains(QStringLiteral("does not exist")),
                 qPrintable(fixture_.platform().messages[0]));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::TensionProfileTest)
#include "tension_profile_window_test.moc"
