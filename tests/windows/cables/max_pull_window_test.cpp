#include "support/cable_file.h"
#include "support/window_fixture.h"
#include "windows/cables/max_pull_window.h"
#include "windows/cables/misc_data_window.h"
#include "windows/fill/fill_ratio_window.h"
#include "windows/pullplan/pull_calculator_window.h"
#include "windows/pullplan/pull_check_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

namespace tensora::test {

class MaxPullTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    MaxPull* window_ = nullptr;

    QLineEdit* box(const char* name) const { return child<QLineEdit>(*window_, name); }
    QString result() const { return child<QLabel>(*window_, "Label5")->text(); }

    // Finds an item by its text, or a cable by the data file's line it shows.
    static void click(QListWidget* list, const QString& text) {
        QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
        for (int row = 0; !item && row < list->count(); ++row) {
            if (list->item(row)->data(Qt::UserRole).toString() == text) {
                item = list->item(row);
            }
        }
        QVERIFY2(item, qPrintable(text));
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

    void clickLubricant(const QString& name) { click(child<QListWidget>(*window_, "List3"), name); }

    QStringList rows(const char* list) const {
        QStringList texts;
        auto* widget = child<QListWidget>(*window_, list);
        for (int row = 0; row < widget->count(); ++row) {
            texts << widget->item(row)->text();
        }
        return texts;
    }

    // A planner with cable values typed in, and the selection window opened by its button.
    PullCalculator& openFromThePlanner() {
        window_->close();
        auto& planner = fixture_.registry().show<PullCalculator>();
        planner.descriptionBox()->setText(QStringLiteral("My cable"));
        planner.allowableBox()->setText(QStringLiteral("1234.6"));
        planner.weightBox()->setText(QStringLiteral("74.5"));
        planner.frictionBox()->setText(QStringLiteral("0.062"));
        child<QPushButton>(planner, "Command2")->click();
        window_ = fixture_.registry().find<MaxPull>();
        return planner;
    }

    // The fill ratio window, and the selection window opened by its "Select".
    FillRatio& openFromTheFillWindow() {
        window_->close();
        auto& fill = fixture_.registry().show<FillRatio>();
        child<QPushButton>(fill, "Command1")->click();
        window_ = fixture_.registry().find<MaxPull>();
        return fill;
    }

    void chooseCableA() {
        click(child<QListWidget>(*window_, "Categoryselect"), QStringLiteral("Power"));
        click(child<QListWidget>(*window_, "cables2choose"), CableFile::kCableA);
    }

    std::unique_ptr<CableFile> file_;

private slots:
    void init() {
        fixture_.setUp();
        file_ = std::make_unique<CableFile>(24);
        fixture_.platform().dataFolders = {file_->folder()};
        window_ = &fixture_.registry().show<MaxPull>();
    }
    void cleanup() {
        fixture_.tearDown();
        file_.reset();
    }

    void opensAsTheCalculator() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Maximum Pull Length"));
        QVERIFY(child<QPushButton>(*window_, "Command1")->isHidden());
        QVERIFY(child<QGroupBox>(*window_, "Frame4")->isHidden());
        QCOMPARE(child<QGroupBox>(*window_, "Frame2")->title(), QStringLiteral("Manual Inputs"));
        QCOMPARE(child<QGroupBox>(*window_, "Frame3")->title(),
                 QStringLiteral("Lubricant Selection"));
        QCOMPARE(box("Text1")->parentWidget()->objectName(), QStringLiteral("Frame3"));
        QCOMPARE(result(), QStringLiteral("13333"));
        QVERIFY(child<QListWidget>(*window_, "List1")->isHidden());
    }

    void dividesTheTensionByWeightAndFriction() {
        box("Text2")->setText(QStringLiteral("5000"));
        box("Text3")->setText(QStringLiteral("500"));
        box("Text1")->setText(QStringLiteral("0.5"));
        QCOMPARE(result(), QStringLiteral("20000"));
        box("Text2")->setText(QStringLiteral("600"));
        box("Text3")->setText(QStringLiteral("75"));
        box("Text1")->setText(QStringLiteral("0.15"));
        QCOMPARE(result(), QStringLiteral("53333"));
        box("Text2")->setText(QStringLiteral("12000"));
        QCOMPARE(child<QSlider>(*window_, "Slider1")->value(), 5000);
        QCOMPARE(window_->maxcalc(), ((12000.0 / 75.0) / 0.15) * 1000.0);
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void aLubricantSetsTheFriction_data() {
        QTest::addColumn<QString>("lubricant");
        QTest::addColumn<QString>("coefficient");
        QTest::newRow("Slikko!") << "Slikko!"
                                 << "0.062";
        QTest::newRow("Dry") << "Dry"
                             << "0.150";
        QTest::newRow("Marlo Lube") << "Marlo Lube"
                                    << "0.080";
        QTest::newRow("RK-ZN") << "RK-ZN"
                               << "0.079";
        QTest::newRow("Amber 55") << "Amber 55"
                                  << "0.065";
    }

    void aLubricantSetsTheFriction() {
        QFETCH(QString, lubricant);
        QFETCH(QString, coefficient);
        box("Text1")->setText(QStringLiteral("0.3"));
        clickLubricant(lubricant);
        QCOMPARE(box("Text1")->text(), coefficient);
        QCOMPARE(result(), QString::fromStdString(std::to_string(static_cast<long long>(
                               ((10.0 / 5.0) / coefficient.toDouble()) * 1000.0))));
    }

    void noWeightOrFrictionMeansNoLimit() {
        box("Text3")->setText(QStringLiteral("0"));
        QCOMPARE(result(), QStringLiteral("Unlimited: no weight or friction"));
        box("Text3")->setText(QStringLiteral("5"));
        box("Text1")->setText(QStringLiteral("0"));
        QCOMPARE(result(), QStringLiteral("Unlimited: no weight or friction"));
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void aNegativeInputHasNoLength() {
        box("Text1")->setText(QStringLiteral("-0.1"));
        QCOMPARE(fixture_.platform().messages, QStringList{kFrictionMessage});
        QCOMPARE(result(), QStringLiteral("None: an input is negative"));
        box("Text1")->setText(QStringLiteral("0.1"));
        box("Text3")->setText(QStringLiteral("-5"));
        QCOMPARE(result(), QStringLiteral("None: an input is negative"));
    }

    void theDetailsBoxShowsTheDetailsLists() {
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        const int height = window_->height();
        child<QCheckBox>(*window_, "Check1")->click();
        QVERIFY(child<QListWidget>(*window_, "List1")->isVisible());
        QVERIFY(child<QListWidget>(*window_, "List2")->isVisible());
        QCOMPARE(child<QListWidget>(*window_, "List2")->item(4)->text(),
                 QStringLiteral("max load"));
        child<QCheckBox>(*window_, "Check1")->click();
        QVERIFY(child<QListWidget>(*window_, "List1")->isHidden());
        QCOMPARE(window_->height(), height); // the window gives back any room they took
    }
    void aCategoryListsEveryCableOfItsSection() {
        click(child<QListWidget>(*window_, "Categoryselect"), QStringLiteral("Power"));
        QCOMPARE(child<QGroupBox>(*window_, "Cables")->title(),
                 QStringLiteral("Cable Select - click to select Power"));
        const QStringList listed = rows("cables2choose");
        QCOMPARE(listed.size(), 27); // heading, CABLE-A, 24 cables and the empty line
        QCOMPARE(listed[1], CableFile::kCableA);
        QCOMPARE(listed[25], QStringLiteral("S3-CABLE-23 0.3 200000 0.62 0.000005 0.15 60000 700"));
        QCOMPARE(listed.last(), QString());
        click(child<QListWidget>(*window_, "Categoryselect"), QStringLiteral("DXL Armor Fiber"));
        QCOMPARE(rows("cables2choose")[2].left(10), QStringLiteral("S6-CABLE-1"));
    }

    void aShortCategoryIsPaddedToTwentyOneRows() {
        file_ = std::make_unique<CableFile>(3);
        fixture_.platform().dataFolders = {file_->folder()};
        click(child<QListWidget>(*window_, "Categoryselect"), QStringLiteral("VX"));
        QCOMPARE(rows("cables2choose").size(), 21);
        QCOMPARE(rows("cables2choose")[4], QString());
    }

    void aCableFillsTheBoxesAndTheDetails() {
        chooseCableA();
        QCOMPARE(box("Text4")->text(), QStringLiteral("CABLE-A"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("74.5"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("600"));
        QCOMPARE(box("Text5")->text(), QStringLiteral("0.5"));
        QCOMPARE(rows("List1"), QStringList({"CABLE-A", "0.2", "0.5", "0.0745", "600"}));
        QCOMPARE(child<QSlider>(*window_, "Slider2")->value(), 74);
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void inMetricTheLibrarysFiguresShowConvertedAndComeBack() {
        chooseCableA();
        const QString result_feet = result();
        fixture_.registry().setUnits(UnitSystem::Metric);
        QCOMPARE(box("Text5")->text(), QStringLiteral("12.7"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("2668.93")); // six digits, as typed
        QCOMPARE(box("Text3")->text().left(8), QStringLiteral("0.110868"));
        QCOMPARE(rows("List1"), QStringList({"CABLE-A", "129.0", "12.70", "0.1109", "2669"}));
        QCOMPARE(rows("cables2choose").filter(QStringLiteral("CABLE-A 129.0 ")).size(), 1);
        QCOMPARE(child<QLabel>(*window_, "Label13")->text(), QStringLiteral("N"));
        // The same length, in metres: the feet times 0.3048, rounded down.
        QCOMPARE(result().toDouble(), std::floor(result_feet.toDouble() * 0.3048));
        QCOMPARE(window_->chosenDiameter(), QStringLiteral("0.5"));
        fixture_.registry().setUnits(UnitSystem::InchPound);
        QCOMPARE(box("Text3")->text(), QStringLiteral("74.5"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("600"));
        QCOMPARE(box("Text5")->text(), QStringLiteral("0.5"));
        QCOMPARE(result(), result_feet);
    }

    void aRowThatIsNotACableChangesNothingAndBeeps() {
        click(child<QListWidget>(*window_, "Categoryselect"), QStringLiteral("Power"));
        auto* cables = child<QListWidget>(*window_, "cables2choose");
        click(cables, QStringLiteral("CABLE AREA MODULUS DIAM EXP/F LB/FT E*A RATING"));
        window_->cables2choose_Click(cables->count() - 1); // the empty row
        QCOMPARE(fixture_.platform().beeps, 2);
        QCOMPARE(box("Text2")->text(), QStringLiteral("10"));
        QCOMPARE(box("Text4")->text(), QString());
        QCOMPARE(rows("List1"), QStringList());
    }

    void opensFromThePlannerWithThePlannersValuesUnchanged() {
        PullCalculator& planner = openFromThePlanner();
        QVERIFY(window_);
        QCOMPARE(window_->role(), MaxPull::Role::PullPlanner);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Cable Selection Window"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("1234.6"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("74.5"));
        QCOMPARE(box("Text4")->text(), QStringLiteral("My cable"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("0.062"));
        QCOMPARE(child<QSlider>(*window_, "Slider1")->value(), 1234);
        QCOMPARE(planner.allowableBox()->text(), QStringLiteral("1234.6"));
        QCOMPARE(planner.weightBox()->text(), QStringLiteral("74.5"));
        QCOMPARE(planner.descriptionBox()->text(), QStringLiteral("My cable"));
        QVERIFY(child<QGroupBox>(*window_, "Frame1")->isHidden());
        QVERIFY(child<QGroupBox>(*window_, "Frame4")->isHidden());
        QVERIFY(child<QPushButton>(*window_, "Command1")->isVisible());
    }

    void aChosenCableAndLubricantGoBackIntoThePlanner() {
        PullCalculator& planner = openFromThePlanner();
        chooseCableA();
        QCOMPARE(planner.allowableBox()->text(), QStringLiteral("600"));
        QCOMPARE(planner.weightBox()->text(), QStringLiteral("74.5"));
        QCOMPARE(planner.descriptionBox()->text(), QStringLiteral("CABLE-A"));
        QCOMPARE(planner.frictionBox()->text(), QStringLiteral("0.062"));
        clickLubricant(QStringLiteral("Dry"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("0.150"));
        QCOMPARE(planner.frictionBox()->text(), QStringLiteral("0.150"));
        QCOMPARE(planner.lubricantBox()->text(), QStringLiteral("Dry"));
        planner.frictionBox()->setText(QStringLiteral("0.15")); // still Dry's coefficient
        QCOMPARE(planner.lubricantBox()->text(), QStringLiteral("Dry"));
        planner.frictionBox()->setText(QStringLiteral("0.2"));
        QCOMPARE(planner.lubricantBox()->text(), QString());
    }

    void theReturnButtonShowsThePlannerAndCloses() {
        PullCalculator& planner = openFromThePlanner();
        chooseCableA(); // the hand-back recalculates the planner, which clears its flag
        QVERIFY(!planner.launchFlag()->isChecked());
        planner.hide();
        child<QPushButton>(*window_, "Command1")->click();
        QVERIFY(planner.isVisible());
        QCOMPARE(fixture_.registry().find<MaxPull>(), nullptr);
        QCOMPARE(planner.allowableBox()->text(), QStringLiteral("600"));
    }

    void closingByTheCloseBoxEndsTheLaunch() {
        PullCalculator& planner = openFromThePlanner();
        QVERIFY(planner.launchFlag()->isChecked());
        window_->close();
        QVERIFY(!planner.launchFlag()->isChecked());
        window_ = &fixture_.registry().show<MaxPull>();
        QCOMPARE(window_->role(), MaxPull::Role::Calculator);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Maximum Pull Length"));
    }

    void theCalculatorNeverWritesIntoThePlanner() {
        auto& planner = fixture_.registry().get<PullCalculator>();
        planner.allowableBox()->setText(QStringLiteral("1500"));
        box("Text2")->setText(QStringLiteral("800"));
        clickLubricant(QStringLiteral("Slikko!"));
        // A launch while the window is already open keeps its role.
        child<QPushButton>(planner, "Command2")->click();
        QCOMPARE(fixture_.registry().find<MaxPull>(), window_);
        box("Text2")->setText(QStringLiteral("900"));
        QCOMPARE(planner.allowableBox()->text(), QStringLiteral("1500"));
        QCOMPARE(planner.lubricantBox()->text(), QString());
    }

    void aKeyboardUserChoosesAsAMouseUserDoes() {
        PullCalculator& planner = openFromThePlanner();
        auto* categories = child<QListWidget>(*window_, "Categoryselect");
        categories->setFocus();
        QTest::keyClicks(categories, QStringLiteral("P")); // a typed letter: "Power"
        QCOMPARE(categories->selectedItems().value(0)->text(), QStringLiteral("Power"));
        auto* cables = child<QListWidget>(*window_, "cables2choose");
        cables->setFocus();
        cables->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QVERIFY(cables->selectedItems().isEmpty()); // tabbing in chooses nothing
        QTest::keyClick(cables, Qt::Key_Down);
        QCOMPARE(planner.descriptionBox()->text(), QStringLiteral("CABLE-A"));
        auto* lubricants = child<QListWidget>(*window_, "List3");
        lubricants->setFocus();
        lubricants->setCurrentRow(0, QItemSelectionModel::NoUpdate); // as tabbing in does
        QTest::keyClick(lubricants, Qt::Key_End);
        QCOMPARE(box("Text1")->text(), QStringLiteral("0.065"));
        QCOMPARE(planner.lubricantBox()->text(), QStringLiteral("Amber 55"));
        // A click on the lubricant in use chooses it again, over a typed coefficient.
        box("Text1")->setText(QStringLiteral("0.3"));
        clickLubricant(QStringLiteral("Amber 55"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("0.065"));
    }

    void aCableChosenAfterThePlannerClosedIsNotLost() {
        openFromThePlanner().close();
        chooseCableA();
        PullCalculator* planner = fixture_.registry().find<PullCalculator>();
        QVERIFY(planner && planner->isHidden());
        QCOMPARE(planner->allowableBox()->text(), QStringLiteral("600"));
        QCOMPARE(fixture_.registry().show<PullCalculator>().descriptionBox()->text(),
                 QStringLiteral("CABLE-A"));
    }

    void theDataFilesCharactersStayWhatTheyAre() {
        PullCalculator& planner = openFromThePlanner();
        click(child<QListWidget>(*window_, "Categoryselect"), QStringLiteral("R8"));
        click(child<QListWidget>(*window_, "cables2choose"), CableFile::kAccentedCable);
        QCOMPARE(box("Text4")->text(), QStringLiteral("C\u00c2BLE-\u00c9"));
        QCOMPARE(rows("List1").value(0), QStringLiteral("C\u00c2BLE-\u00c9"));
        QCOMPARE(planner.descriptionBox()->text(), QStringLiteral("C\u00c2BLE-\u00c9"));
    }

    void handsTheWholeCableBackToThePullChecksSet() {
        window_->close();
        PullCheck& check = fixture_.registry().show<PullCheck>();
        child<QPushButton>(check, "addFromLibrary")->click();
        window_ = fixture_.registry().find<MaxPull>();
        QCOMPARE(window_->role(), MaxPull::Role::CableSet);
        QCOMPARE(child<QPushButton>(*window_, "Command1")->text(),
                 QStringLiteral("Return to Pull Check"));
        fixture_.registry().setUnits(UnitSystem::Metric);
        chooseCableA();
        child<QPushButton>(*window_, "Command1")->click();
        const QAbstractItemModel* set = child<QTableView>(check, "cableSetTable")->model();
        QCOMPARE(set->rowCount(), 2);
        const auto cell = [set](int column) { return set->index(1, column).data().toString(); };
        QCOMPARE(cell(CableSetModel::Description), QStringLiteral("CABLE-A"));
        QCOMPARE(cell(CableSetModel::Od), QStringLiteral("12.7")); // 0.5 in
        // 74.5 lbs/kft and 600 lbs, written so that they read back as the file's figures
        QVERIFY(cell(CableSetModel::Weight).startsWith(QStringLiteral("0.110868")));
        QVERIFY(cell(CableSetModel::Rating).startsWith(QStringLiteral("2668.93")));
        // The launch is over: the next cable chosen is the check's no more.
        QCOMPARE(check.servedBySelection(), CableReceiver::Serving::None);
    }

    void forASetBrowsingChangesNothingAndTheKeyboardFinishesIt() {
        window_->close();
        PullCheck& check = fixture_.registry().show<PullCheck>();
        auto* diameter = child<QLineEdit>(check, "cableOd");
        diameter->setText(QStringLiteral("1.58"));
        child<QPushButton>(check, "addFromLibrary")->click();
        window_ = fixture_.registry().find<MaxPull>();
        chooseCableA();
        QCOMPARE(diameter->text(), QStringLiteral("1.58"));
        // Escape closes without adding.
        const QAbstractItemModel* set = child<QTableView>(check, "cableSetTable")->model();
        QTest::keyClick(child<QListWidget>(*window_, "cables2choose"), Qt::Key_Escape);
        QVERIFY(!fixture_.registry().find<MaxPull>());
        QCOMPARE(set->rowCount(), 1);
        QCOMPARE(diameter->text(), QStringLiteral("1.58"));
        // Tab reaches the return button; Enter adds the highlighted cable and returns.
        child<QPushButton>(check, "addFromLibrary")->click();
        window_ = &fixture_.registry().show<MaxPull>();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
        chooseCableA();
        auto* back = child<QPushButton>(*window_, "Command1");
        child<QListWidget>(*window_, "cables2choose")->setFocus();
        for (int i = 0; i < 8 && !back->hasFocus(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(back->hasFocus());
        QTest::keyClick(child<QListWidget>(*window_, "cables2choose"), Qt::Key_Return);
        QVERIFY(!fixture_.registry().find<MaxPull>());
        QCOMPARE(set->rowCount(), 2);
        QCOMPARE(set->index(1, CableSetModel::Description).data().toString(),
                 QStringLiteral("CABLE-A"));
    }

    void opensFromTheFillWindowWithTheDetailsAndTheDiameter() {
        openFromTheFillWindow();
        QCOMPARE(window_->role(), MaxPull::Role::FillRatio);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Cable Selection Window"));
        for (const char* hidden : {"Frame1", "Frame2", "Frame3"}) {
            QVERIFY2(child<QGroupBox>(*window_, hidden)->isHidden(), hidden);
        }
        QVERIFY(child<QGroupBox>(*window_, "Frame4")->isVisible());
        QVERIFY(child<QListWidget>(*window_, "List1")->isVisible());
        QCOMPARE(child<QPushButton>(*window_, "Command1")->text(),
                 QStringLiteral("Return to Fill Ratio"));
        // The first category chosen and listed; the details take the right column's height.
        QCOMPARE(child<QListWidget>(*window_, "Categoryselect")->currentRow(), 0);
        QVERIFY(rows("cables2choose").size() > 1); // the VX section's lines
        window_->show();
        QApplication::processEvents();
        auto* details = child<QListWidget>(*window_, "List1");
        const QWidget* return_button = child<QPushButton>(*window_, "Command1");
        QVERIFY(details->height() > details->sizeHintForRow(0) * 8);
        QVERIFY(return_button->mapTo(window_, QPoint(0, 0)).y() -
                    (details->mapTo(window_, QPoint(0, 0)).y() + details->height()) <
                return_button->height() * 2);
    }

    void theFillWindowGetsTheDiameterAndThePlannerNothing() {
        auto& planner = fixture_.registry().get<PullCalculator>();
        FillRatio& fill = openFromTheFillWindow();
        chooseCableA();
        QCOMPARE(box("Text5")->text(), QStringLiteral("0.5"));
        QCOMPARE(planner.allowableBox()->text(), QStringLiteral("10")); // no hand-back
        fill.hide();
        child<QPushButton>(*window_, "Command1")->click();
        QVERIFY(fill.isVisible());
        QCOMPARE(fill.diameterBox()->text(), QStringLiteral("0.5")); // added by "Submit" only
        QVERIFY(!fill.launchFlag()->isChecked());
        QCOMPARE(fixture_.registry().find<MaxPull>(), nullptr);
    }

    void inAGermanLocaleTheFilesFiguresReadBackAsTheSameNumbers() {
        fixture_.platform().locale = {",", "."};
        window_->close();
        fixture_.restartRegistry();
        auto& planner = fixture_.registry().show<PullCalculator>();
        child<QPushButton>(planner, "Command2")->click();
        window_ = fixture_.registry().find<MaxPull>();
        chooseCableA();
        clickLubricant(QStringLiteral("Slikko!"));
        QCOMPARE(planner.weightBox()->text(), QStringLiteral("74,5"));
        QCOMPARE(planner.frictionBox()->text(), QStringLiteral("0,062"));
        QVERIFY2(fixture_.platform().messages.isEmpty(),
                 qPrintable(fixture_.platform().messages.join(QLatin1Char('|'))));
        planner.editPlan([](PullPlanLinks& plan) { plan.append("Straight", "1000", "0"); });
        planner.pullcalc(); // 1000 ft of 74.5 lbs/kft at 0.062: 4.6 lbs, not 4619
        QCOMPARE(planner.results().forward.to_vector(), std::vector<std::string>{"5"});

        FillRatio& fill = openFromTheFillWindow();
        chooseCableA();
        child<QPushButton>(*window_, "Command1")->click();
        QCOMPARE(fill.diameterBox()->text(), QStringLiteral("0,5"));
        fill.cmd1_Click(); // 0.5 in, not 5 in: it fits the smaller sizes
        QVERIFY(fill.report().rows[2].percent != "over");
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void closingByTheCloseBoxEndsTheFillLaunch() {
        FillRatio& fill = openFromTheFillWindow();
        QVERIFY(fill.launchFlag()->isChecked());
        window_->close();
        QVERIFY(!fill.launchFlag()->isChecked());
        QCOMPARE(fill.diameterBox()->text(), QString());
    }

    void aChosenCableGivesThePullCheckItsDiameter() {
        const PullCheck& check = fixture_.registry().show<PullCheck>();
        chooseCableA();
        const QString diameter = box("Text5")->text();
        QVERIFY(!diameter.isEmpty());
        QCOMPARE(check.findChild<QLineEdit*>(QStringLiteral("cableOd"))->text(), diameter);
        // Chosen for the planner, it reaches a check opened after the selection has closed.
        openFromThePlanner();
        chooseCableA();
        window_->close();
        fixture_.registry().find<PullCheck>()->close();
        QCOMPARE(fixture_.registry()
                     .show<PullCheck>()
                     .findChild<QLineEdit*>(QStringLiteral("cableOd"))
                     ->text(),
                 diameter);
    }

    void withoutTheDataFileOnlyManualEntryRemains() {
        fixture_.platform().dataFolders = {QStringLiteral("/no/such/folder")};
        click(child<QListWidget>(*window_, "Categoryselect"), QStringLiteral("Power"));
        QCOMPARE(fixture_.platform().messages, QStringList{missingDataFileMessage()});
        QVERIFY(child<QGroupBox>(*window_, "Cables")->isHidden());
        QCOMPARE(fixture_.registry().get<miscData>().datarev(), QStringLiteral("Missing File"));
        window_->Categoryselect_Click(2);
        QCOMPARE(fixture_.platform().messages.size(), 1); // told once
        box("Text2")->setText(QStringLiteral("5000"));
        QCOMPARE(result(), QStringLiteral("6666666"));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::MaxPullTest)
#include "max_pull_window_test.moc"
