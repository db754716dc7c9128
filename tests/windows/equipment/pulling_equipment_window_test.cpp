#include "support/window_fixture.h"
#include "support/worked_pull.h"
#include "windows/equipment/pulling_equipment_window.h"
#include "windows/pullplan/pull_check_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <sstream>

namespace tensora::test {

class PullingEquipmentTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;

    // The worked example with its bend turned on a sheave, marked as the user marks it.
    PullCalculator& plannedWithASheave() {
        PullCalculator& planner = worked_pull(fixture_.registry(), QStringLiteral("1000"));
        child<QRadioButton>(planner, "Option4")->click();
        planner.List6_Click(1);
        return planner;
    }

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { fixture_.tearDown(); }

    void aMarkedSheaveCarriesTheTensionThroughAndItsPercentageComesFromHere() {
        PullingEquipment& equipment = fixture_.registry().show<PullingEquipment>();
        PullCalculator& planner = plannedWithASheave();
        QVERIFY(planner.plan().sheave(1));
        QCOMPARE(planner.results().forward_tension[1], planner.results().forward_tension[0]);
        child<QLineEdit>(equipment, "sheavePercent")->setText(QStringLiteral("10"));
        QCOMPARE(planner.results().forward_tension[1], planner.results().forward_tension[0] * 1.1);
        QCOMPARE(equipment.check().sheaves.size(), std::size_t{1});
        // Marking it again takes the sheave away; a straight has none to take.
        child<QRadioButton>(planner, "Option4")->click();
        planner.List6_Click(1);
        QVERIFY(!planner.plan().sheave(1));
        QVERIFY(equipment.check().sheaves.empty());
        child<QRadioButton>(planner, "Option4")->click();
        planner.List6_Click(0);
        QCOMPARE(fixture_.platform().beeps, 1);
    }

    void aPullerTooWeakIsAFailureInRedAndTheVerdictSaysSo() {
        PullingEquipment& equipment = fixture_.registry().show<PullingEquipment>();
        PullCalculator& planner = plannedWithASheave();
        const double highest = equipment.check().highest;
        QCOMPARE(highest, std::max(planner.results().forward_tension[2],
                                   planner.results().forward_tension[1]));
        child<QComboBox>(equipment, "pullerRating")->setCurrentText(QStringLiteral("10"));
        QCOMPARE(equipment.check().puller, PullerVerdict::TooWeak);
        QVERIFY(child<QLabel>(equipment, "pullerResult")->styleSheet().contains("#b00020"));
        QCOMPARE(child<QLabel>(equipment, "equipmentVerdict")->text(),
                 QStringLiteral("The equipment does not serve this pull."));
        child<QComboBox>(equipment, "pullerRating")->setCurrentIndex(0); // 1,000 lbs
        QCOMPARE(equipment.check().puller, PullerVerdict::Ok);
        // In newtons the classes are offered in newtons, and the rating typed stays the same.
        fixture_.registry().setUnits(UnitSystem::Metric);
        QCOMPARE(child<QComboBox>(equipment, "pullerRating")->itemText(0), QStringLiteral("4448"));
        QCOMPARE(equipment.check().puller, PullerVerdict::Ok);
        fixture_.registry().setUnits(UnitSystem::InchPound);
        QVERIFY(child<QLabel>(equipment, "ropeResult")
                    ->text()
                    .startsWith(QStringLiteral("Rope: a breaking strength of at least 4,000 lbs")));
    }

    void aLoweredDesignFactorIsShownAndTheAdvisedDirectionIsFollowed() {
        PullingEquipment& equipment = fixture_.registry().show<PullingEquipment>();
        PullCalculator& planner = plannedWithASheave();
        QCOMPARE(equipment.check().forward, planner.advice().direction != PullDirection::Reverse);
        child<QLineEdit>(equipment, "designFactor")->setText(QStringLiteral("3"));
        QVERIFY(equipment.check().factor_lowered);
        auto* rope = child<QLabel>(equipment, "ropeResult");
        QVERIFY(rope->text().contains(QStringLiteral("below 4")));
        QVERIFY(rope->styleSheet().contains("#b00020"));
        // A factor below 1 is no factor: the rope is held to 4 times the rating.
        child<QLineEdit>(equipment, "designFactor")->setText(QStringLiteral("0.5"));
        QVERIFY(!equipment.check().factor_lowered);
    }

    // Once the planner has found its advice, the highest tension names the advised point as
    // the planner numbers its links.
    void theHighestTensionNamesTheAdvisedMidAssistPoint() {
        PullingEquipment& equipment = fixture_.registry().show<PullingEquipment>();
        PullCalculator& planner = worked_pull(fixture_.registry(), QStringLiteral("1000"));
        QTRY_VERIFY(!planner.adviceWaiting());
        equipment.planRecalculated();
        const PullAdvice& advice = planner.advice();
        QVERIFY(advice.mid_assist);
        QVERIFY2(child<QLabel>(equipment, "highestResult")
                     ->text()
                     .contains(QStringLiteral("; with a mid-assist point after link %1, pulled ")
                                   .arg(*advice.mid_assist + 1)),
                 qPrintable(child<QLabel>(equipment, "highestResult")->text()));
    }

    void withThePullCheckOpenItChecksTheSetsCorrectedPullAndSaysSo() {
        PullingEquipment& equipment = fixture_.registry().show<PullingEquipment>();
        worked_pull(fixture_.registry(), QStringLiteral("100000"));
        PullCheck& check = fixture_.registry().show<PullCheck>();
        child<QLineEdit>(check, "conduitId")->setText(QStringLiteral("4"));
        child<QLineEdit>(check, "cableOd")->setText(QStringLiteral("1"));
        equipment.planRecalculated();
        const CheckResult& set = check.result();
        const bool forward = equipment.check().forward;
        QCOMPARE(equipment.check().highest, forward ? set.forward_max : set.reverse_max);
        QCOMPARE(equipment.check().allowable, set.allowable);
        QVERIFY(child<QLabel>(equipment, "highestResult")
                    ->text()
                    .contains(QStringLiteral("of the cable set, as the pull check computes it")));
        // Without a puller nothing is approved.
        QVERIFY(child<QLabel>(equipment, "equipmentVerdict")
                    ->text()
                    .startsWith(QStringLiteral("Not yet known")));
    }

    void itsInputsGoIntoTheReportAndComeBackExactly() {
        PullingEquipment& equipment = fixture_.registry().show<PullingEquipment>();
        plannedWithASheave();
        child<QComboBox>(equipment, "equipmentDirection")->setCurrentIndex(2);
        child<QComboBox>(equipment, "pullerRating")->setCurrentText(QStringLiteral("6500"));
        child<QLineEdit>(equipment, "ropeStrength")->setText(QStringLiteral("30000.5"));
        child<QLineEdit>(equipment, "designFactor")->setText(QStringLiteral("5"));
        const EquipmentReport saved = equipment.report();
        QCOMPARE(saved.direction, std::string("reverse"));
        QCOMPARE(saved.rope_strength, std::string("30000.5"));
        ReportContents contents;
        contents.equipment = saved;
        std::istringstream text(report_text(contents));
        const ReadReport read = read_report(text);
        QVERIFY(read.equipment.has_value());
        QVERIFY(*read.equipment == saved);
        child<QLineEdit>(equipment, "ropeStrength")->clear();
        equipment.applyReport(*read.equipment);
        QVERIFY(equipment.report() == saved);
        QVERIFY(!equipment.check().forward);
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::PullingEquipmentTest)
#include "pulling_equipment_window_test.moc"
