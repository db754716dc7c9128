#include "support/window_fixture.h"
#include "widgets/friction_entries.h"
#include "windows/pullplan/pull_calculator_window.h"
#include "windows/pullplan/pull_log_dialog.h"

#include <QComboBox>
#include <QPushButton>

#include <fstream>
#include <sstream>

namespace tensora::test {

class PullLogDialogTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    PullCalculator* planner_ = nullptr;

    PullLogDialog* open(const std::string& text) {
        auto* dialog = new PullLogDialog(planner_, fixture_.platform(), *planner_,
                                         QStringLiteral("/site/log.csv"), text);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
        return dialog;
    }

private slots:
    void init() {
        fixture_.setUp();
        planner_ = &fixture_.registry().show<PullCalculator>();
        planner_->frictionBox()->setText(QStringLiteral("0.5"));
        planner_->weightBox()->setText(QStringLiteral("144"));
        planner_->allowableBox()->setText(QStringLiteral("60"));
        planner_->editPlan([](PullPlanLinks& plan) {
            for (const auto& [type, length, angle] :
                 {std::tuple{"Straight", "100", "0"}, std::tuple{"Angle", "1", "45"},
                  std::tuple{"Straight", "80", "0"}, std::tuple{"Angle", "1", "90"},
                  std::tuple{"Straight", "75", "0"}, std::tuple{"Angle", "1", "45"},
                  std::tuple{"Straight", "70", "0"}}) {
                plan.append(type, length, angle);
            }
        });
        planner_->pullcalc();
    }
    void cleanup() { fixture_.tearDown(); }

    void thePublishedEndTensionFitsAndIsTakenForThePlanAndTheLibrary() {
        fixture_.platform().clock = QDateTime(QDate(2026, 12, 10), QTime(9, 0));
        PullLogDialog* dialog = open("Distance (ft);Tension (lbf)\n0;0\n328;64\n");
        QCOMPARE(qRound(dialog->fit().friction * 10000), 4917);
        QVERIFY(child<QLabel>(*dialog, "logSummary")->text().contains(QStringLiteral("0.4917")));
        child<QPushButton>(*dialog, "logLayOver")->click();
        QVERIFY(planner_->pullLog().has_value());
        QCOMPARE(planner_->pullLog()->log.points.size(), 2u);
        child<QPushButton>(*dialog, "logAddEntry")->click();
        std::ifstream file(user_friction_file(fixture_.platform()));
        std::ostringstream kept;
        kept << file.rdbuf();
        QVERIFY(kept.str().find("\"measured-2026-12-10\"") != std::string::npos);
        QVERIFY(kept.str().find("0.4917") != std::string::npos);
        QCOMPARE(fixture_.platform().messages.size(), 1); // where it was kept
        child<QPushButton>(*dialog, "logUseFriction")->click();
        QCOMPARE(planner_->frictionBox()->text(), QStringLiteral("0.4917"));
    }

    void aLogWithoutUnitsAsksForThemAndABadLineIsNamed() {
        PullLogDialog* dialog = open("0,0\n328,64\n");
        QVERIFY(!child<QPushButton>(*dialog, "logLayOver")->isEnabled());
        QVERIFY(child<QLabel>(*dialog, "logSummary")->text().contains(QStringLiteral("lbf")));
        auto* force = child<QComboBox>(*dialog, "logForce");
        force->setFocus();
        QTest::keyClick(force, Qt::Key_Down); // lbf
        auto* length = child<QComboBox>(*dialog, "logLength");
        length->setFocus();
        QTest::keyClick(length, Qt::Key_Down); // ft
        QVERIFY(child<QPushButton>(*dialog, "logLayOver")->isEnabled());
        QCOMPARE(qRound(dialog->fit().friction * 10000), 4917);
        auto* direction = child<QComboBox>(*dialog, "logDirection");
        // The same end tension from the other end: reversed, the route ends at 57.5 lbs at
        // 0.5, so 64 lbs needs more.
        direction->setCurrentIndex(1);
        QVERIFY(dialog->fit().friction > 0.5);
        PullLogDialog* bad = open("length_ft,tension_lbf\n0,0\n10,ten\n");
        QCOMPARE(child<QLabel>(*bad, "logSummary")->text(),
                 QStringLiteral("Line 3 of the log cannot be read: \"10,ten\""));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::PullLogDialogTest)
#include "pull_log_dialog_test.moc"
