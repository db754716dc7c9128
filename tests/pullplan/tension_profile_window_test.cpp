#include "pullplan/pull_calculator_window.h"
#include "pullplan/tension_profile_window.h"
#include "support/window_fixture.h"
#include "support/worked_pull.h"

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
        QVERIFY(profile.chart().series().size() >= 5);
        planner.midAssistBox()->setChecked(true);
        planner.selectLink(1);
        planner.pullcalc();
        QCOMPARE(profile.profile().mid_assist_at, 502.0);
        planner.close();
        QVERIFY(profile.profile().forward.size() <= 1); // back to the empty plan
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
