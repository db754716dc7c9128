#include "support/window_fixture.h"
#include "support/worked_pull.h"
#include "widgets/lines_label.h"
#include "windows/pullplan/pull_calculator_window.h"
#include "windows/pullplan/pull_check_window.h"

#include "windows/fill/fill_ratio_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "pullplan/bending_radius.h"

namespace tensora::test {

class PullCheckTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;

    // The worked example in the planner, 1000 lbs allowable.
    PullCalculator& plannedPull() {
        return worked_pull(fixture_.registry(), QStringLiteral("1000"));
    }

    // Three 1.58 in cables in a 5 in Schedule 40 conduit, chosen as a user would.
    PullCheck& threeCablesInFiveInch() {
        PullCheck& check = fixture_.registry().show<PullCheck>();
        child<QComboBox>(check, "conduitStandard")->setCurrentIndex(0);
        QComboBox* sizes = child<QComboBox>(check, "tradeSize");
        sizes->setCurrentIndex(sizes->findText(QStringLiteral("5  (5.047 in)")));
        child<QLineEdit>(check, "cableOd")->setText(QStringLiteral("1.58"));
        return check;
    }

    // A result's whole text: a line cut with an ellipsis holds it whole for its tip.
    static QString text(const PullCheck& check, const char* label) {
        const QLabel* shown = child<QLabel>(check, label);
        const auto* lines = qobject_cast<const LinesLabel*>(shown);
        return lines ? lines->fullText() : shown->text();
    }

    static QAbstractItemModel* setModel(const PullCheck& check) {
        return child<QTableView>(check, "cableSetTable")->model();
    }
    static QString cell(const PullCheck& check, int row, int column) {
        return setModel(check)->index(row, column).data(Qt::EditRole).toString();
    }
    static void edit(const PullCheck& check, int row, int column, const QString& text) {
        QVERIFY(setModel(check)->setData(setModel(check)->index(row, column), text));
    }

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { fixture_.tearDown(); }

    void followsTheThreeCablePullOfThePlanner() {
        PullCalculator& planner = plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        QCOMPARE(child<QLineEdit>(check, "conduitId")->text(), QStringLiteral("5.047"));
        QCOMPARE(text(check, "jamRatio"), QStringLiteral("3.3540, jam risk very small"));
        QCOMPARE(text(check, "weightCorrection"), QStringLiteral("1.2769, cradled"));
        QCOMPARE(text(check, "verdictLabel"), QStringLiteral("Pull OK"));
        QCOMPARE(child<QTableView>(check, "bendsTable")->model()->rowCount(), 1);

        planner.allowableBox()->setText(QStringLiteral("20")); // a keystroke: checked again
        QCOMPARE(text(check, "verdictLabel"),
                 QStringLiteral("Forward pull exceeds the allowable tension at link 1; Reverse "
                                "pull exceeds the allowable tension at link 3"));
        QVERIFY(text(check, "forwardMax").endsWith(QStringLiteral("allowable 20 lbs")));
        planner.close();
        QCOMPARE(text(check, "forwardMax"), QStringLiteral("no links in the plan"));
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void inMetricTheSameCheckReadsInMillimetresAndNewtons() {
        plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        const QString clearance_in = text(check, "clearance");
        const QString weight = text(check, "weightCorrection");
        fixture_.registry().setUnits(UnitSystem::Metric);
        QCOMPARE(child<QLineEdit>(check, "conduitId")->text(), QStringLiteral("128.194"));
        QCOMPARE(child<QLineEdit>(check, "cableOd")->text(), QStringLiteral("40.132"));
        QCOMPARE(child<QComboBox>(check, "tradeSize")->currentText(),
                 QStringLiteral("5  (128.19 mm)"));
        QCOMPARE(text(check, "weightCorrection"), weight); // the same physical check
        // 3.4214 in is 86.90 mm; the minimum 0.5 in is 12.7 mm.
        QVERIFY2(clearance_in.startsWith(QStringLiteral("3.4214 in")), qPrintable(clearance_in));
        QCOMPARE(text(check, "clearance"), QStringLiteral("86.90 mm, minimum 12.7 mm"));
        QVERIFY(text(check, "forwardMax").contains(QStringLiteral(" N at link ")));
        QVERIFY2(text(check, "forwardMax").endsWith(QStringLiteral("allowable 4448 N")),
                 qPrintable(text(check, "forwardMax")));
        QCOMPARE(child<QTableView>(check, "bendsTable")
                     ->model()
                     ->headerData(1, Qt::Horizontal, Qt::DisplayRole)
                     .toString(),
                 QStringLiteral("Radius (m)"));
        for (int i = 0; i < 9; ++i) {
            fixture_.registry().setUnits(i % 2 == 0 ? UnitSystem::InchPound : UnitSystem::Metric);
        }
        QCOMPARE(child<QLineEdit>(check, "conduitId")->text(), QStringLiteral("5.047"));
        QCOMPARE(child<QLineEdit>(check, "cableOd")->text(), QStringLiteral("1.58"));
        QCOMPARE(child<QLineEdit>(check, "swbpLimit")->text(), QStringLiteral("500"));
        QCOMPARE(text(check, "clearance"), clearance_in);
    }

    void aScreenReaderHearsEveryResultAndTheVerdict() {
        plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        QCOMPARE(child<QLabel>(check, "verdictLabel")->accessibleName(),
                 QStringLiteral("Verdict: Pull OK"));
        QCOMPARE(child<QLabel>(check, "weightCorrection")->accessibleName(),
                 QStringLiteral("Weight correction: 1.2769, cradled"));
        child<QLineEdit>(check, "cableOd")->setText(QStringLiteral("0"));
        QCOMPARE(text(check, "verdictLabel"), QStringLiteral("Enter the cable's outside diameter"));
    }

    void aCodeTablesSizeIsRatedAgainstItsListedArea() {
        plannedPull();
        PullCheck& check = fixture_.registry().show<PullCheck>();
        QComboBox* standards = child<QComboBox>(check, "conduitStandard");
        standards->setCurrentIndex(standards->findText(QStringLiteral("EMT (NEC)")));
        QComboBox* sizes = child<QComboBox>(check, "tradeSize");
        sizes->setCurrentIndex(sizes->findText(QStringLiteral("3/4  (0.824 in)")));
        child<QSpinBox>(check, "cableCount")->setValue(1);
        child<QLineEdit>(check, "cableOd")->setText(QStringLiteral("0.58"));
        // pi/4 * 0.58² over the listed 0.533 sq in (over the circle of 0.824 in: 49.55 %).
        QCOMPARE(text(check, "codeFill"),
                 QStringLiteral("49.57%, within the electrical code's 53% for one cable"));
        QCOMPARE(english_text(check.printedCheck().inputs.front().second),
                 "0.824 (EMT, trade size 3/4, listed area 0.533 sq in)");
        child<QLineEdit>(check, "cableOd")->setText(QStringLiteral("0.4"));
        child<QSpinBox>(check, "cableCount")->setValue(2); // 47.15 %: over 31 %
        QVERIFY(text(check, "verdictLabel")
                    .contains(QStringLiteral("exceeds the electrical code's limit of 31%")));
    }

    void theAdviceWaitsForAPauseAndSaysItLeavesThePlansPointOut() {
        PullCalculator& planner = plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        QTRY_VERIFY(text(check, "adviceLine").startsWith(QStringLiteral("Pull ")));
        planner.allowableBox()->setText(QStringLiteral("5")); // a keystroke
        QVERIFY(!text(check, "adviceLine").contains(QStringLiteral("Even the best"))); // not yet
        QTRY_VERIFY(text(check, "adviceLine").contains(QStringLiteral("Even the best")));
        planner.midAssistBox()->setChecked(true);
        planner.selectLink(0);
        planner.pullcalc();
        QTRY_VERIFY(text(check, "adviceLine")
                        .startsWith(QStringLiteral("Without a mid-assist point: Pull ")));
    }

    void everyBendRowShowsTheLimitAndTheFiguresFollowTheLocale() {
        fixture_.platform().locale = {",", "."};
        plannedPull();
        PullCheck& check = fixture_.registry().show<PullCheck>();
        child<QComboBox>(check, "conduitStandard")->setCurrentIndex(0);
        QComboBox* sizes = child<QComboBox>(check, "tradeSize");
        QVERIFY(sizes->findText(QStringLiteral("5  (5,047 in)")) >= 0);
        sizes->setCurrentIndex(sizes->findText(QStringLiteral("5  (5,047 in)")));
        child<QLineEdit>(check, "cableOd")->setText(QStringLiteral("1,58"));
        QCOMPARE(text(check, "jamRatio"), QStringLiteral("3,3540, jam risk very small"));
        const QAbstractItemModel* bends = child<QTableView>(check, "bendsTable")->model();
        QCOMPARE(bends->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Limit (lbs/ft)"));
        QCOMPARE(bends->index(0, 4).data().toString(), QStringLiteral("500"));
        child<QLineEdit>(check, "swbpLimit")->setText(QStringLiteral("7,5"));
        QVERIFY(bends->index(0, 4).data().toString().startsWith(QStringLiteral("7,5, over")));
    }

    void theUsersOwnWordsStayAsTheyAreWhenTheLanguageChanges() {
        plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        edit(check, 0, CableSetModel::Description, QStringLiteral("Pull OK"));
        fixture_.registry().setLanguage(QStringLiteral("de"));
        QCOMPARE(cell(check, 0, CableSetModel::Description), QStringLiteral("Pull OK"));
        QVERIFY2(text(check, "setTotals").startsWith(QStringLiteral("3 Kabel mit ")),
                 qPrintable(text(check, "setTotals")));
        // The result captions follow the language there and back.
        const auto caption = [&check](const char* line) {
            auto* form =
                qobject_cast<QFormLayout*>(child<QLabel>(check, line)->parentWidget()->layout());
            return qobject_cast<QLabel*>(form->labelForField(child<QLabel>(check, line)))->text();
        };
        QCOMPARE(caption("jamRatio"), QStringLiteral("Klemmverhältnis:"));
        fixture_.registry().setLanguage(QStringLiteral("en"));
        QCOMPARE(caption("jamRatio"), QStringLiteral("Jam ratio:"));
        QCOMPARE(cell(check, 0, CableSetModel::Description), QStringLiteral("Pull OK"));
    }

    void theFirstGroupFollowsThePlannerUntilItIsEdited() {
        PullCalculator& planner = plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        QCOMPARE(cell(check, 0, CableSetModel::Count), QStringLiteral("3"));
        QCOMPARE(cell(check, 0, CableSetModel::Od), QStringLiteral("1.58"));
        QCOMPARE(cell(check, 0, CableSetModel::Rating), QStringLiteral("1000"));
        planner.weightBox()->setText(QStringLiteral("300"));
        QCOMPARE(cell(check, 0, CableSetModel::Weight), QStringLiteral("300"));
        QVERIFY2(text(check, "setTotals").startsWith(QStringLiteral("3 cables weighing 900 ")),
                 qPrintable(text(check, "setTotals")));

        edit(check, 0, CableSetModel::Weight, QStringLiteral("250"));
        planner.weightBox()->setText(QStringLiteral("400"));
        QCOMPARE(cell(check, 0, CableSetModel::Weight), QStringLiteral("250"));
        QVERIFY(text(check, "setTotals").startsWith(QStringLiteral("3 cables weighing 750 ")));
        child<QPushButton>(check, "followPlannerCable")->click();
        QCOMPARE(cell(check, 0, CableSetModel::Weight), QStringLiteral("400"));
        // The count and diameter of the first group are the window's boxes, either way.
        edit(check, 0, CableSetModel::Count, QStringLiteral("5"));
        QCOMPARE(child<QSpinBox>(check, "cableCount")->value(), 5);
        child<QLineEdit>(check, "cableOd")->setText(QStringLiteral("1.2"));
        QCOMPARE(cell(check, 0, CableSetModel::Od), QStringLiteral("1.2"));
        QVERIFY(!child<QPushButton>(check, "followPlannerCable")->isEnabled());
    }

    void aGroupIsTypedByKeyboardAndDeleteRemovesIt() {
        plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        auto* table = child<QTableView>(check, "cableSetTable");
        check.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&check));
        child<QPushButton>(check, "addTyped")->click(); // the new row's diameter is current
        QTest::keyClicks(table, QStringLiteral("0.6"));
        for (const char* typed : {"650", "4/0", "cu"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(cell(check, 1, CableSetModel::Size), QStringLiteral("4/0"));
        // 3 of 200 and a ground of 650: weighed whole; the phases keep their arrangement.
        QCOMPARE(text(check, "setTotals"),
                 QStringLiteral("4 cables weighing 1250 lbs/kft, largest OD 1.58 in"));
        QCOMPARE(text(check, "weightCorrection"), QStringLiteral("1.2769, cradled"));

        table->setCurrentIndex(setModel(check)->index(1, 0));
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(setModel(check)->rowCount(), 1);
        QTest::keyClick(table, Qt::Key_Delete); // the planner's cable stays
        QCOMPARE(setModel(check)->rowCount(), 1);
        QCOMPARE(fixture_.platform().beeps, 1);
    }

    void theAllowableTensionFollowsTheRuleAndNamesWhatIsMissing() {
        plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        QComboBox* rule = child<QComboBox>(check, "tensionRule");
        rule->setCurrentIndex(
            rule->findText(QStringLiteral("Pulling eye, single conductors conservatively")));
        QCOMPARE(text(check, "setAllowable"),
                 QStringLiteral("Pulling eye, single conductors conservatively: give the "
                                "conductor size of group 1"));
        QVERIFY(text(check, "verdictLabel").contains(QStringLiteral("give the conductor size")));
        edit(check, 0, CableSetModel::Description, QStringLiteral("PWR-350CU-15KV"));
        child<QPushButton>(check, "addTyped")->click();
        for (const auto& [column, typed] : {std::pair{CableSetModel::Od, "0.6"},
                                            {CableSetModel::Weight, "300"},
                                            {CableSetModel::Size, "1/0"},
                                            {CableSetModel::Material, "CU"}}) {
            edit(check, 1, column, QString::fromLatin1(typed));
        }
        // 0.6 x 0.008 x (3 x 350,000 + 105,600) = 5,546.88, shown as the columns show it
        QCOMPARE(text(check, "setAllowable"),
                 QStringLiteral("5546 lbs: Pulling eye, single conductors conservatively"));
        QVERIFY2(text(check, "forwardMax").endsWith(QStringLiteral("allowable 5546 lbs")),
                 qPrintable(text(check, "forwardMax")));
        const PrintedCheck printed = check.printedCheck();
        QVERIFY(std::any_of(printed.inputs.begin(), printed.inputs.end(), [](const auto& line) {
            return english_text(line.first) == "Tension rule" &&
                   english_text(line.second) == "Pulling eye, single conductors conservatively";
        }));
    }

    void aPresetWritesTheLimitAndATypedLimitFindsItsPreset() {
        PullCheck& check = threeCablesInFiveInch();
        QComboBox* preset = child<QComboBox>(check, "swbpPreset");
        QLineEdit* limit = child<QLineEdit>(check, "swbpLimit");
        QCOMPARE(preset->currentText(), QStringLiteral("Control and 600 V cable: 500 lbs/ft"));
        QTest::keyClick(preset, Qt::Key_Down);
        QCOMPARE(limit->text(), QStringLiteral("1000"));
        limit->setText(QStringLiteral("300"));
        QCOMPARE(preset->currentIndex(), 1);
        limit->setText(QStringLiteral("350"));
        QCOMPARE(preset->currentText(), QStringLiteral("Typed"));
        fixture_.registry().setUnits(UnitSystem::Metric);
        QCOMPARE(preset->itemText(1), QStringLiteral("Interlocked armour: 4400 N/m"));
        QTest::keyClick(preset, Qt::Key_Down);
        QCOMPARE(limit->text(), QStringLiteral("4400"));
    }

    // Opened in metric, the design ratings read as the columns show a tension: whole newtons.
    void inMetricTheDesignRatingsAreWholeNewtons() {
        fixture_.registry().setUnits(UnitSystem::Metric);
        PullCheck& check = fixture_.registry().show<PullCheck>();
        QCOMPARE(child<QLineEdit>(check, "eyeLimit")->text(), QStringLiteral("44482"));
        QCOMPARE(child<QLineEdit>(check, "gripLimit")->text(), QStringLiteral("4448"));
    }

    void theSetGoesToTheFillWindowAndReadsBackFromTheReport() {
        plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        child<QPushButton>(check, "addTyped")->click();
        edit(check, 1, CableSetModel::Od, QStringLiteral("0.6"));
        child<QPushButton>(check, "sendToFill")->click();
        auto* fill = fixture_.registry().find<FillRatio>();
        QVERIFY(fill && fill->isVisible());
        QCOMPARE(fill->report().diameters,
                 std::vector<std::string>({"1.58", "1.58", "1.58", "0.6"}));

        // Saved in metric, the report holds inches and opens in metric with the same texts.
        fixture_.registry().setUnits(UnitSystem::Metric);
        edit(check, 1, CableSetModel::Weight, QStringLiteral("1")); // kg/m
        const CableSetReport saved = check.setReport();
        QCOMPARE(saved.groups[1].od, std::string("0.6"));
        QVERIFY(saved.groups[1].weight.starts_with("671.968975"));
        const QString weight = cell(check, 1, CableSetModel::Weight);
        check.applySetReport(std::nullopt);
        QCOMPARE(setModel(check)->rowCount(), 1);
        check.applySetReport(saved);
        QCOMPARE(cell(check, 1, CableSetModel::Weight), weight);
        QCOMPARE(cell(check, 1, CableSetModel::Od), QStringLiteral("15.24"));
        QCOMPARE(check.setReport(), saved);
    }

    void aTypedDiameterIsReadByTheNumberRules() {
        PullCheck& check = threeCablesInFiveInch();
        QLineEdit* id = child<QLineEdit>(check, "conduitId");
        id->selectAll();
        QTest::keyClicks(id, QStringLiteral("2"));
        QCOMPARE(child<QComboBox>(check, "conduitStandard")->currentText(),
                 QStringLiteral("Inside diameter typed"));
        QCOMPARE(text(check, "verdictLabel"), QStringLiteral("The cables do not fit this conduit"));
        id->selectAll();
        id->insert(QStringLiteral("2,5")); // pasted, with a decimal comma: "2,500" to be?
        QVERIFY(fixture_.platform().messages.isEmpty());
        QTest::keyClick(id, Qt::Key_Return); // left that way: said now
        QCOMPARE(fixture_.platform().messages,
                 QStringList{QStringLiteral("Please enter a number")});
        child<QLineEdit>(check, "bendRadius")->setText(QStringLiteral("0"));
        QCOMPARE(fixture_.platform().messages.size(), 2);
        QCOMPARE(fixture_.platform().owners.back(), QStringLiteral("PullCheck"));
    }

    // The worked example's bend (2 ft, 90 degrees: 1.27 ft, 15.3 in) against the cable's kind.
    void theCablesKindChecksEachBendsRadiusAndAPullPointSplitsTheBends() {
        PullCalculator& planner = plannedPull();
        PullCheck& check = threeCablesInFiveInch();
        QCOMPARE(text(check, "bendingRadius"),
                 QStringLiteral("The bending radius was not checked for 3 cables whose kind is "
                                "not known"));
        auto* kind = child<QComboBox>(check, "cableKind");
        kind->setFocus();
        kind->setCurrentIndex(kind->findData(static_cast<int>(CableKind::NonShielded)));
        // 8 x 1.58 = 12.64 in: the bend's 15.28 in is wide enough.
        QCOMPARE(text(check, "bendingRadius"),
                 QStringLiteral("12.64 in pulling, 12.64 in trained (8 × OD, non-shielded "
                                "power): every bend wide enough"));
        kind->setCurrentIndex(kind->findData(static_cast<int>(CableKind::Multiple)));
        QVERIFY(child<QLineEdit>(check, "cableKindMultiple")->isEnabled());
        QTest::keyClicks(child<QLineEdit>(check, "cableKindMultiple"), QStringLiteral("10"));
        QVERIFY(text(check, "verdictLabel")
                    .startsWith(QStringLiteral("The bend at link 2 has a radius of 15.28 in, "
                                               "below the cable's least bending radius of "
                                               "15.8 in")));
        QCOMPARE(check.checkReport().cable_kind, std::string("10"));
        QCOMPARE(text(check, "pullPoints"), QStringLiteral("links 1 to 3: 90°"));
        planner.editPlan([](PullPlanLinks& plan) {
            LinkRaceway box;
            box.pull_point = true;
            plan.setRaceway(1, box);
        });
        planner.pullcalc();
        QCOMPARE(text(check, "pullPoints"), QStringLiteral("links 1 to 1: 0°; links 3 to 3: 0°"));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::PullCheckTest)
#include "pull_check_window_test.moc"
