#include "print/qt_text.h"
#include "support/window_fixture.h"
#include "fill/conduit_tables.h"
#include "windows/pullplan/link_raceway_dialog.h"
#include "windows/pullplan/pull_calculator_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QRadioButton>

#include <memory>
#include <sstream>

namespace tensora::test {

namespace {
const QString kDeleteQuestion = QStringLiteral("This will delete the link. Are you sure?");
const QString kDeleteAllQuestion = QStringLiteral("This will delete ALL links. Are you sure?");
const QString kInsertQuestion =
    QStringLiteral("This will insert the data in Pull Input at this link. Are you sure?");
} // namespace

class PullCalculatorTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    PullCalculator* window_ = nullptr;

    QLineEdit* box(const char* name) const { return child<QLineEdit>(*window_, name); }
    QCheckBox* check(const char* name) const { return child<QCheckBox>(*window_, name); }
    QRadioButton* option(const char* name) const { return child<QRadioButton>(*window_, name); }
    QProgressBar* bar(const char* name) const { return child<QProgressBar>(*window_, name); }
    QListView* list(const char* name) const { return child<QListView>(*window_, name); }

    QStringList column(const char* name) const {
        QStringList texts;
        QAbstractItemModel* model = list(name)->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            texts << model->index(row, 0).data().toString();
        }
        return texts;
    }

    void submit(const QString& length, const QString& angle = QString()) {
        box("Text4")->setText(length);
        if (!angle.isNull()) {
            box("Text5")->setText(angle);
        }
        child<QPushButton>(*window_, "Command1")->click();
    }

    // The worked example: 0.15, 200 lbs/kft, 1000 lbs; 500 ft, a 2 ft 90 degree bend, 300 ft.
    void enterWorkedExample() {
        box("Text1")->setText(QStringLiteral("0.15"));
        box("Text3")->setText(QStringLiteral("200"));
        box("Text2")->setText(QStringLiteral("1000"));
        submit(QStringLiteral("500"));
        submit(QStringLiteral("2"), QStringLiteral("90"));
        submit(QStringLiteral("300"));
    }

    void clickLink(int row) {
        QListView* links = list("List6");
        const QRect rect = links->visualRect(links->model()->index(row, 0));
        QTest::mouseClick(links->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void enterLinks(int count) {
        for (int i = 1; i <= count; ++i) {
            const bool straight = check("Check1")->isChecked();
            submit(QString::number(i * 100), straight ? QString() : QStringLiteral("45"));
        }
    }

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<PullCalculator>();
        window_->resize(window_->sizeHint());
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    void cleanup() { fixture_.tearDown(); }

    void anImportedRouteReplacesOrFollowsThePlan() {
        enterWorkedExample();
        PullLinkTexts bend;
        bend.type = "Tilted";
        bend.length = "4.5";
        bend.angle = "60";
        bend.tilt = "-12.5";
        QVERIFY(window_->importRoute({bend}, false, "a.dxf"));
        QCOMPARE(window_->plan().size(), std::size_t{4});
        QCOMPARE(window_->plan().tilt(3), std::string("-12.5"));
        QCOMPARE(window_->plan().values()[3].turn, Turn::Tilted);
        QCOMPARE(window_->routeSource(), std::string("a.dxf"));
        QVERIFY(window_->importRoute({bend, bend}, true, "b.csv"));
        QCOMPARE(window_->plan().size(), std::size_t{2});
        QCOMPARE(window_->report().route_source, std::string("b.csv"));
        // A route that would take the plan past its most links changes nothing.
        const std::vector<PullLinkTexts> many(static_cast<std::size_t>(kMaxLinks), bend);
        QVERIFY(!window_->importRoute(many, false, "c.csv"));
        QCOMPARE(window_->plan().size(), std::size_t{2});
        QCOMPARE(window_->routeSource(), std::string("b.csv"));
        // Emptied, the plan no longer came from anywhere.
        window_->editPlan([](PullPlanLinks& plan) { plan.clear(); });
        QVERIFY(window_->routeSource().empty());
    }

    void theAdviceLineNamesTheLowerEndAndItsPointIsApplied() {
        enterWorkedExample();
        const PullAdvice advice = window_->advice();
        // The line follows once typing pauses.
        const QString line = qt_text(english_text(advice_text(advice, UnitSystem::InchPound)));
        QTRY_COMPARE(child<QLabel>(*window_, "adviceLabel")->text(), line);
        QVERIFY2(line.startsWith(QStringLiteral("Pull in reverse: ")), qPrintable(line));
        QVERIFY(advice.mid_assist);
        auto* apply = child<QPushButton>(*window_, "applyAdvice");
        QVERIFY(apply->isEnabled());
        apply->click();
        QVERIFY(check("midAssistCheck")->isChecked());
        QCOMPARE(window_->selectedLink(), static_cast<int>(*advice.mid_assist));
        const auto& reverse = window_->results().reverse_tension;
        QCOMPARE(*std::max_element(reverse.begin(), reverse.end()), advice.mid_assist_max);
        QTRY_VERIFY(!apply->isEnabled()); // the plan holds the advised point now
        QCOMPARE(window_->advice().mid_assist, advice.mid_assist); // advice on the plain pull
    }

    void opensWithItsDesignState() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Pull Calculator"));
        QVERIFY(check("Check1")->isChecked());
        QVERIFY(box("Text5")->isHidden());
        QVERIFY(child<QLabel>(*window_, "Label2")->isHidden());
        QVERIFY(child<QLabel>(*window_, "Label4")->isHidden());
        QCOMPARE(box("Text5")->text(), QStringLiteral("0"));
        QCOMPARE(box("Text6")->text(), QStringLiteral("Cable to pull"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("10"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("5"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("0.150"));
        QCOMPARE(box("Text7")->text(), QStringLiteral("0"));
        for (const char* name : {"Option1", "Option2", "Option3"}) {
            QVERIFY(!option(name)->isChecked());
        }
        QVERIFY(!check("midAssistCheck")->isChecked());
        QVERIFY(check("Check2")->isHidden());
        QVERIFY(!check("Check2")->isChecked());
        QCOMPARE(check("Check2")->text(), QStringLiteral("Launch from Pull Calc (hidden)"));
        QVERIFY(column("List6").isEmpty());
        QVERIFY(bar("ProgressBar1")->isVisible());
        QCOMPARE(bar("ProgressBar1")->orientation(), Qt::Vertical);
        QCOMPARE(child<QLabel>(*window_, "midassistlabel")->text(), QString());
        for (const char* heading : {"Label20", "ForwardTensLabel", "RevTensionLabel"}) {
            QVERIFY(child<QLabel>(*window_, heading)->font().bold());
        }
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void submitAddsAStraightThenAsksForAnAngle() {
        submit(QStringLiteral("100"));
        QCOMPARE(column("List1"), QStringList{"Straight"});
        QCOMPARE(column("List2"), QStringList{"100"});
        QCOMPARE(column("List3"), QStringList{"0"});
        QCOMPARE(column("List6"), QStringList{"1"});
        QCOMPARE(box("Text4")->text(), QString());
        QVERIFY(!check("Check1")->isChecked());
        QVERIFY(box("Text5")->isVisible());
        QCOMPARE(box("Text5")->text(), QString());

        submit(QStringLiteral("2")); // no angle yet
        QCOMPARE(fixture_.platform().beeps, 1);
        QCOMPARE(column("List6"), QStringList{"1"});
        QCOMPARE(box("Text4")->text(), QStringLiteral("2"));

        submit(QStringLiteral("2"), QStringLiteral("90"));
        QCOMPARE(column("List1"), QStringList({"Straight", "Angle"}));
        QCOMPARE(column("List3"), QStringList({"0", "90"}));
        QCOMPARE(column("List6"), QStringList({"1", "2"}));
        QVERIFY(check("Check1")->isChecked());
        QVERIFY(box("Text5")->isHidden());
        QCOMPARE(box("Text5")->text(), QStringLiteral("0"));
    }

    void submitWithAnEmptyLengthBeepsAndStillRecalculates() {
        check("Check2")->setChecked(true);
        submit(QString());
        QCOMPARE(fixture_.platform().beeps, 1);
        QVERIFY(column("List6").isEmpty());
        QVERIFY(!check("Check2")->isChecked()); // every recalculation clears the flag
    }

    void computesTheWorkedExample() {
        enterWorkedExample();
        QCOMPARE(column("List4"), QStringList({"15", "19", "28"}));
        QCOMPARE(column("List7"), QStringList({"0", "9", "0"}));
        QCOMPARE(column("List5"), QStringList({"26", "11", "9"}));
        QCOMPARE(column("List8"), QStringList({"0", "6", "0"}));
        QCOMPARE(bar("ProgressBar1")->value(), 2);
        QCOMPARE(bar("ProgressBar2")->value(), 2);
        QVERIFY(fixture_.platform().messages.isEmpty());
        box("Text2")->setText(QStringLiteral("30")); // 28 and 26 lbs of 30
        QCOMPARE(bar("ProgressBar1")->value(), 93);
        QCOMPARE(bar("ProgressBar2")->value(), 87);
        QCOMPARE(child<QLabel>(*window_, "forwardPercent")->text(), QStringLiteral("93%"));
        box("Text2")->setText(QStringLiteral("18")); // 28 lbs of 18: the bar stops, not the figure
        QCOMPARE(bar("ProgressBar1")->value(), 100);
        QCOMPARE(child<QLabel>(*window_, "forwardPercent")->text(), QStringLiteral("155%"));
        QCOMPARE(child<QLabel>(*window_, "reversePercent")->text(), QStringLiteral("146%"));
    }

    void aPastedLineBreakNeverReachesABox() {
        QLineEdit* description = box("Text6");
        description->setFocus();
        description->selectAll();
        description->insert(QStringLiteral("PWR 3 x 500\n")); // as a paste inserts it
        QCOMPARE(description->text(), QStringLiteral("PWR 3 x 500"));
        box("Text3")->selectAll();
        box("Text3")->insert(QStringLiteral("\r\n200\r\n"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("200"));
        QVERIFY(fixture_.platform().messages.isEmpty()); // never read as "\r\n" on the way
    }

    void aThousandTypedKeyByKeyWarnsOnlyIfLeftUnfinished() {
        QLineEdit* allowable = box("Text2");
        allowable->selectAll();
        QTest::keyClicks(allowable, QStringLiteral("1,000"));
        QVERIFY(fixture_.platform().messages.isEmpty());
        QCOMPARE(allowable->text(), QStringLiteral("1,000"));
        box("Text3")->selectAll();
        QTest::keyClicks(box("Text3"), QStringLiteral("2,0"));
        QVERIFY(fixture_.platform().messages.isEmpty()); // 2 meanwhile
        QTest::keyClick(box("Text3"), Qt::Key_Return);
        QCOMPARE(fixture_.platform().messages, QStringList{kNumberMessage});
    }

    void aTensionBeyondTheAllowableIsTintedInItsDirection() {
        enterWorkedExample();
        box("Text2")->setText(QStringLiteral("20")); // forward 15, 19, 28; reverse 26, 11, 9
        const auto tinted = [this](const char* name, int row) {
            const QAbstractItemModel* model = list(name)->model();
            return model->data(model->index(row, 0), Qt::BackgroundRole).isValid();
        };
        QVERIFY(!tinted("List4", 1));
        QVERIFY(tinted("List4", 2));
        QVERIFY(tinted("List7", 2));
        QVERIFY(tinted("List5", 0));
        QVERIFY(!tinted("List5", 1));
    }

    void theMidAssistCaptionRunsClearOfTheSeparators() {
        enterWorkedExample();
        check("midAssistCheck")->setChecked(true);
        clickLink(1);
        window_->show();
        QApplication::processEvents();
        auto* caption = child<QLabel>(*window_, "midassistlabel");
        QVERIFY(!caption->text().isEmpty());
        const QRect text(
            caption->mapTo(window_, QPoint(0, 0)),
            QSize(caption->fontMetrics().horizontalAdvance(caption->text()), caption->height()));
        for (const char* name : {"Line1", "Line2"}) {
            auto* line = child<QFrame>(*window_, name);
            QVERIFY2(!QRect(line->mapTo(window_, QPoint(0, 0)), line->size()).intersects(text),
                     name);
        }
    }

    void aStraightTakesAnInclineAndABendItsPlane() {
        QVERIFY(child<QLineEdit>(*window_, "inclineBox")->isVisibleTo(window_));
        QVERIFY(!child<QComboBox>(*window_, "turnBox")->isVisibleTo(window_));
        box("inclineBox")->setText(QStringLiteral("95")); // steeper than a riser
        submit(QStringLiteral("20"));
        QCOMPARE(fixture_.platform().beeps, 1);
        box("inclineBox")->setText(QStringLiteral("-30"));
        submit(QStringLiteral("20"));
        auto* turn = child<QComboBox>(*window_, "turnBox");
        QVERIFY(turn->isVisibleTo(window_));
        turn->setCurrentIndex(2); // Up
        submit(QStringLiteral("3"), QStringLiteral("90"));
        QCOMPARE(turn->currentIndex(), 0); // chosen afresh for the next bend
        submit(QStringLiteral("40"));      // no incline: runs up the riser
        QCOMPARE(column("List1"), QStringList({"Straight", "Up", "Straight"}));
        // The riser runs at the route's inclination, and says so in its Angle cell.
        QCOMPARE(column("List3"), QStringList({"-30", "90", "(60)"}));
        QVERIFY(window_->plan().inclined(0));
        QVERIFY(!window_->plan().inclined(2));
        const PullResults& results = window_->results();
        QVERIFY(results.elevation);
        QVERIFY(results.forward_held[0]); // 5 lbs/kft slides down 30 degrees at 0.150
        const QAbstractItemModel* forward = list("List4")->model();
        QVERIFY(forward->data(forward->index(0, 0), Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("held")));
    }

    void aBendTurnsRightOrInATiltedPlaneAndTheWeightInBendsIsAChoice() {
        submit(QStringLiteral("100"));
        auto* turn = child<QComboBox>(*window_, "turnBox");
        QCOMPARE(turn->itemText(0), QStringLiteral("Left"));
        QVERIFY(!box("tiltBox")->isVisibleTo(window_));
        turn->setCurrentIndex(1); // Right
        submit(QStringLiteral("3"), QStringLiteral("90"));
        submit(QStringLiteral("100"));
        turn->setCurrentIndex(4); // Tilted
        QVERIFY(box("tiltBox")->isVisibleTo(window_));
        box("tiltBox")->setText(QStringLiteral("200")); // beyond a half turn either way
        submit(QStringLiteral("3"), QStringLiteral("90"));
        QCOMPARE(fixture_.platform().beeps, 1);
        box("tiltBox")->setText(QStringLiteral("30"));
        submit(QStringLiteral("3"), QStringLiteral("90"));
        QCOMPARE(column("List1"),
                 QStringList({"Straight", "Angle right", "Straight", "Tilted 30"}));
        QVERIFY(window_->plan().right(1));
        QVERIFY(window_->results().elevation); // the tilted bend climbs
        // The weight across the bends' planes presses too: more tension, a changed document.
        const double plane = window_->results().forward_tension.back();
        window_->setDocument(QStringLiteral("plan"));
        child<QComboBox>(*window_, "bendWeight")->setCurrentIndex(1);
        QVERIFY(window_->results().forward_tension.back() > plane);
        QVERIFY(window_->windowTitle().startsWith(QLatin1Char('*')));
        QCOMPARE(window_->report().bend_weight, std::string("all"));
    }

    void anUpBendOfMoreThanACircleIsRefusedWithTheReasonAndEnterSubmitsFromItsPlane() {
        submit(QStringLiteral("10"));
        auto* turn = child<QComboBox>(*window_, "turnBox");
        turn->setCurrentIndex(2); // Up
        box("Text4")->setText(QStringLiteral("3"));
        box("Text5")->setText(QStringLiteral("400"));
        turn->setFocus();
        QTest::keyClick(turn, Qt::Key_Return); // Enter in the plane's list submits too
        QCOMPARE(fixture_.platform().messages,
                 QStringList{QStringLiteral(
                     "The link was not added: An Up or Down bend turns at most 360 degrees.")});
        QCOMPARE(fixture_.platform().owners, QStringList{QStringLiteral("PullCalculator")});
        QCOMPARE(column("List1"), QStringList{"Straight"});
        box("Text5")->setText(QStringLiteral("90"));
        QTest::keyClick(turn, Qt::Key_Return);
        QCOMPARE(column("List1"), QStringList({"Straight", "Up"}));
        fixture_.platform().messages.clear();
        fixture_.platform().owners.clear();
    }

    void aLongAdviceEndsInAnEllipsisAndIsWholeInItsTip() {
        auto* line = child<QLabel>(*window_, "adviceLabel");
        const int height = line->height();
        box("Text2")->setText(QStringLiteral("1")); // every pull beyond: a long note
        window_->resize(window_->minimumSizeHint().width(), window_->height());
        enterLinks(60);
        QTRY_VERIFY(line->toolTip().contains(QStringLiteral("Even the best")));
        QCOMPARE(line->height(), height); // never grows
        const QFontMetrics metrics(line->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, line->contentsRect().width(), 10000),
                                                  Qt::TextWordWrap, line->toolTip());
        if (needed.height() > line->contentsRect().height()) {
            QVERIFY(line->text().endsWith(QChar(0x2026)));
        }
        QCOMPARE(line->accessibleName(), line->toolTip());
    }

    void aLinkIsKeptWithoutTheBlanksAroundItsNumbers() {
        submit(QStringLiteral(" 100 "));
        QCOMPARE(column("List2"), QStringList{QStringLiteral("100")});
    }

    void aNewLinkIsScrolledIntoView() {
        window_->editPlan([](PullPlanLinks& plan) {
            for (int i = 0; i < 300; ++i) {
                plan.append("Straight", "1", "0");
            }
        });
        window_->pullcalc();
        submit(QStringLiteral("7"));
        QListView* lengths = list("List2");
        const QRect last = lengths->visualRect(lengths->model()->index(300, 0));
        QVERIFY(lengths->viewport()->rect().contains(last));
    }

    void deletingLinkTwoOfFourRenumbersTheRest() {
        enterLinks(4);
        option("Option1")->click();
        fixture_.platform().answers = {true};
        clickLink(1);
        QCOMPARE(fixture_.platform().questions, QStringList{kDeleteQuestion});
        QCOMPARE(column("List6"), QStringList({"1", "2", "3"}));
        QCOMPARE(column("List2"), QStringList({"100", "300", "400"}));
        QCOMPARE(column("List1"), QStringList({"Straight", "Straight", "Angle"}));
        QCOMPARE(column("List4").size(), 3);
        QVERIFY(!option("Option1")->isChecked());
        QCOMPARE(window_->selectedLink(), -1);
        QCOMPARE(fixture_.platform().beeps, 0); // a confirmed action is no refusal
    }

    void insertingAtLinkTwoOfThreeShiftsTheLaterLinks() {
        enterLinks(3);
        QVERIFY(!check("Check1")->isChecked());
        check("Check1")->setChecked(true);
        box("Text4")->setText(QStringLiteral("50"));
        option("Option3")->click();
        fixture_.platform().answers = {true};
        clickLink(1);
        QCOMPARE(fixture_.platform().questions, QStringList{kInsertQuestion});
        QCOMPARE(column("List6"), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(column("List2"), QStringList({"100", "50", "200", "300"}));
        QCOMPARE(column("List1"), QStringList({"Straight", "Straight", "Angle", "Straight"}));
        QCOMPARE(column("List3"), QStringList({"0", "0", "45", "0"}));
        QCOMPARE(box("Text4")->text(), QString());
        QCOMPARE(box("Text5")->text(), QStringLiteral("0"));
        QVERIFY(box("Text5")->isHidden());
        QVERIFY(check("Check1")->isChecked()); // an insertion does not flip the link type
        QCOMPARE(window_->selectedLink(), 1);
        QVERIFY(!option("Option3")->isChecked());
        QCOMPARE(fixture_.platform().beeps, 0);
        QCOMPARE(column("List4").size(), 4);
    }

    void insertingWithoutANumberBeepsAndClearsTheOption() {
        enterLinks(2);
        box("Text4")->clear();
        option("Option3")->click();
        fixture_.platform().answers = {true};
        clickLink(0);
        QCOMPARE(column("List6").size(), 2);
        QCOMPARE(fixture_.platform().beeps, 1);
        QVERIFY(!option("Option3")->isChecked());
    }

    void answeringNoKeepsThePlanAndTheOption_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("recalculates");
        QTest::newRow("delete") << "Option1" << kDeleteQuestion << true;
        QTest::newRow("delete all") << "Option2" << kDeleteAllQuestion << true;
        QTest::newRow("insert") << "Option3" << kInsertQuestion << false;
    }

    void answeringNoKeepsThePlanAndTheOption() {
        QFETCH(QString, name);
        QFETCH(QString, question);
        QFETCH(bool, recalculates);
        enterLinks(3);
        box("Text4")->setText(QStringLiteral("50"));
        option(qPrintable(name))->click();
        fixture_.platform().answers = {false, false};
        check("Check2")->setChecked(true);
        clickLink(1);
        QCOMPARE(column("List2"), QStringList({"100", "200", "300"}));
        QVERIFY(option(qPrintable(name))->isChecked());
        QCOMPARE(check("Check2")->isChecked(), !recalculates);
        clickLink(1);
        QCOMPARE(fixture_.platform().questions, QStringList({question, question}));
        QCOMPARE(fixture_.platform().beeps, 0);
    }

    void deletingAllLinksEmptiesEveryColumn() {
        enterLinks(3);
        option("Option2")->click();
        fixture_.platform().answers = {true};
        clickLink(2);
        for (const char* name :
             {"List6", "List1", "List2", "List3", "List4", "List5", "List7", "List8"}) {
            QVERIFY2(column(name).isEmpty(), name);
        }
        QCOMPARE(window_->selectedLink(), -1);
        QCOMPARE(fixture_.platform().beeps, 0);
    }

    void aClickWithNothingPendingBeeps() {
        enterLinks(2);
        clickLink(0);
        QCOMPARE(fixture_.platform().beeps, 1);
        clickLink(0); // the number already selected counts again
        QCOMPARE(fixture_.platform().beeps, 2);
        list("List6")->setFocus();
        QTest::keyClick(list("List6"), Qt::Key_Space);
        QCOMPARE(fixture_.platform().beeps, 3);
        QVERIFY(fixture_.platform().questions.isEmpty());
    }

    void aClickChoosesTheMidAssistPoint() {
        enterWorkedExample();
        check("midAssistCheck")->click();
        QVERIFY(bar("ProgressBar1")->isVisible()); // nothing changes until a link is clicked
        QCOMPARE(child<QLabel>(*window_, "midassistlabel")->text(), QString());
        clickLink(1);
        QCOMPARE(child<QLabel>(*window_, "midassistlabel")->text(),
                 QStringLiteral("Mid-assist pull point between links 2 and 3"));
        QVERIFY(bar("ProgressBar1")->isHidden());
        QVERIFY(bar("ProgressBar2")->isHidden());
        QCOMPARE(column("List4"), QStringList({"15", "19", "9"}));
        QCOMPARE(column("List5"), QStringList({"15", "", "9"}));
        QCOMPARE(column("List8"), QStringList({"0", "", "0"}));
        QCOMPARE(fixture_.platform().beeps, 0);
    }

    void arrowsOnlyMoveAlongTheLinksAndEnterActs() {
        enterWorkedExample();
        check("midAssistCheck")->click();
        clickLink(0);
        QListView* links = list("List6");
        links->setFocus();
        QTest::keyClick(links, Qt::Key_Down);
        QTest::keyClicks(links, QStringLiteral("3"));
        QCOMPARE(window_->selectedLink(), 0); // the point stays where it was chosen
        QCOMPARE(links->currentIndex().row(), 2);
        QTest::keyClick(links, Qt::Key_Up);
        QTest::keyClick(links, Qt::Key_Return);
        QCOMPARE(window_->selectedLink(), 1);
        QCOMPARE(child<QLabel>(*window_, "midassistlabel")->text(),
                 QStringLiteral("Mid-assist pull point between links 2 and 3"));
    }

    void nothingMovesWhenTheAngleRowOrTheBarsHide() {
        enterWorkedExample();                        // ends with the angle row shown
        window_->resize(window_->minimumSizeHint()); // where every pixel counts
        const auto places = [this] {
            QApplication::processEvents(); // lay the window out again
            QList<QRect> rects;
            for (const char* name : {"Command1", "List4", "List5", "List8"}) {
                QWidget* widget = window_->findChild<QWidget*>(QLatin1String(name));
                rects << QRect(widget->mapTo(window_, QPoint()), widget->size());
            }
            return rects;
        };
        const QList<QRect> before = places();
        check("Check1")->click(); // the angle row hides
        check("midAssistCheck")->click();
        clickLink(1); // the bars hide, the caption shows
        QVERIFY(bar("ProgressBar1")->isHidden());
        QCOMPARE(places(), before);
    }

    void choosingAnOptionTurnsMidAssistOff() {
        enterWorkedExample();
        check("midAssistCheck")->click();
        clickLink(1);
        option("Option1")->click();
        QVERIFY(!check("midAssistCheck")->isChecked());
        QCOMPARE(child<QLabel>(*window_, "midassistlabel")->text(), QString());
        QVERIFY(bar("ProgressBar1")->isVisible());
        QCOMPARE(column("List4"), QStringList({"15", "19", "28"}));
        check("midAssistCheck")->click();
        QVERIFY(!option("Option1")->isChecked()); // and mid-assist clears the options
    }

    void optionsExcludeEachOther() {
        option("Option1")->click();
        option("Option2")->click();
        QVERIFY(!option("Option1")->isChecked());
        QVERIFY(option("Option2")->isChecked());
        option("Option2")->click(); // clicking the chosen option keeps it chosen
        QVERIFY(option("Option2")->isChecked());
    }

    void aCoefficientAboveOneWarnsAndIsStillUsed() {
        submit(QStringLiteral("1000"));
        box("Text3")->setText(QStringLiteral("100"));
        QLineEdit* friction = box("Text1");
        friction->setFocus();
        friction->selectAll();
        QTest::keyClick(friction, Qt::Key_Delete);
        QTest::keyClicks(friction, QStringLiteral("1.5"));
        QCOMPARE(fixture_.platform().messages, QStringList({kFrictionMessage, kFrictionMessage}));
        QCOMPARE(column("List4"), QStringList{"150"});
    }

    void cableBoxesThatAreNotNumbersWarn() {
        box("Text2")->setText(QStringLiteral("abc"));
        box("Text3")->setText(QStringLiteral("5x"));
        QCOMPARE(fixture_.platform().messages,
                 QStringList({"Please enter a number", "Please enter a number"}));
        QCOMPARE(fixture_.platform().owners, QStringList({"PullCalculator", "PullCalculator"}));
        QCOMPARE(bar("ProgressBar1")->value(), 0);
    }

    void theBackTensionRecalculatesOnlyWhileItIsANumber() {
        submit(QStringLiteral("1000"));
        QLineEdit* back = box("Text7");
        back->setFocus();
        back->selectAll();
        QTest::keyClick(back, Qt::Key_Delete);        // "" beeps
        QTest::keyClicks(back, QStringLiteral("-5")); // "-" beeps, "-5" recalculates
        QCOMPARE(fixture_.platform().beeps, 2);
        QCOMPARE(column("List4"), QStringList{"-4"});
        QTest::keyClicks(back, QStringLiteral("0")); // -50
        QCOMPARE(column("List4"), QStringList{"-49"});
        QTest::keyClicks(back, QStringLiteral("x")); // a beep, and the results stay
        QCOMPARE(fixture_.platform().beeps, 3);
        QCOMPARE(column("List4"), QStringList{"-49"});
        QCOMPARE(bar("ProgressBar1")->value(), 0);
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void aFullPlanRefusesMoreLinks() {
        window_->editPlan([](PullPlanLinks& plan) {
            for (int i = 0; i < kMaxLinks; ++i) {
                plan.append("Straight", "1", "0");
            }
        });
        submit(QStringLiteral("5"));
        QCOMPARE(fixture_.platform().beeps, 1);
        QCOMPARE(window_->plan().size(), static_cast<std::size_t>(kMaxLinks));
        box("Text4")->setText(QStringLiteral("5"));
        option("Option3")->click();
        fixture_.platform().answers = {true};
        clickLink(0);
        QCOMPARE(fixture_.platform().beeps, 2);
        QCOMPARE(window_->plan().size(), static_cast<std::size_t>(kMaxLinks));
        QCOMPARE(column("List4").size(), kMaxLinks);
    }

    void theColumnsScrollTogether() {
        window_->editPlan([](PullPlanLinks& plan) {
            for (int i = 0; i < 300; ++i) {
                plan.append("Straight", "1", "0");
            }
        });
        window_->pullcalc();
        QScrollBar* shared = child<QScrollBar>(*window_, "planScrollBar");
        QTRY_VERIFY(shared->maximum() > 0);
        QCOMPARE(shared->maximum(), list("List6")->verticalScrollBar()->maximum());
        shared->setValue(shared->maximum() / 2);
        for (const char* name : {"List6", "List1", "List4", "List8"}) {
            QCOMPARE(list(name)->verticalScrollBar()->value(), shared->maximum() / 2);
        }
        list("List5")->verticalScrollBar()->setValue(7);
        QCOMPARE(list("List6")->verticalScrollBar()->value(), 7);
        QCOMPARE(shared->value(), 7);
    }

    // The option, the link and the dialog by keyboard alone: the entry gives its coefficient
    // and the tray, which the Friction column shows and the pull takes from that link on.
    void aLinksFrictionEntryIsPickedByKeyboardAndPullsFromThatLinkOn() {
        fixture_.platform().dataFolders = {QStringLiteral(TENSORA_DATA_FOLDER)};
        enterWorkedExample();
        box("Text1")->setText(QStringLiteral("0.5"));
        const double before = window_->results().forward_tension[2];
        option("racewayOption")->setFocus();
        QTest::keyClick(option("racewayOption"), Qt::Key_Space);
        QListView* links = list("List6");
        links->setFocus();
        links->setCurrentIndex(links->model()->index(0, 0));
        QTest::keyClick(links, Qt::Key_Down);
        QTest::keyClick(links, Qt::Key_Down);
        QTest::keyClick(links, Qt::Key_Return);
        auto* dialog = window_->findChild<LinkRacewayDialog*>(QStringLiteral("LinkRacewayDialog"));
        QVERIFY(dialog);
        auto* entries = child<QComboBox>(*dialog, "linkEntry");
        while (!entries->currentText().startsWith(QStringLiteral("tray-rollers"))) {
            const int at = entries->currentIndex();
            QTest::keyClick(entries, Qt::Key_Down);
            QVERIFY(entries->currentIndex() > at);
        }
        QCOMPARE(child<QLineEdit>(*dialog, "linkFriction")->text(), QStringLiteral("0.15"));
        QCOMPARE(child<QComboBox>(*dialog, "linkRacewayKind")->currentIndex(), 2);
        QTest::keyClick(dialog, Qt::Key_Return);
        QCOMPARE(column("frictionList").value(2), QStringLiteral("0.15 tray-rollers, tray"));
        QCOMPARE(column("frictionList").value(1), QString());
        // The third link, 300 ft, adds 0.15 of the plan's 0.5 per foot; the links before stay.
        const std::vector<double>& tensions = window_->results().forward_tension;
        QCOMPARE(tensions[2] - tensions[1], (before - tensions[1]) * 0.15 / 0.5);
        QVERIFY(window_->isModified());
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void aCodeTablesTradeSizeGivesTheLinksConduitItsInsideDiameter() {
        enterWorkedExample();
        option("racewayOption")->click();
        clickLink(2);
        auto* dialog = window_->findChild<LinkRacewayDialog*>(QStringLiteral("LinkRacewayDialog"));
        QVERIFY(dialog);
        auto* table = child<QComboBox>(*dialog, "linkRacewayTable");
        table->setCurrentIndex(table->findData(static_cast<int>(ConduitStandardId::Schedule40)));
        auto* sizes = child<QComboBox>(*dialog, "linkRacewaySize");
        sizes->setCurrentIndex(sizes->findText(QStringLiteral("4  (4.026 in)")));
        QCOMPARE(child<QLineEdit>(*dialog, "linkRacewayId")->text(), QStringLiteral("4.026"));
        QCOMPARE(child<QComboBox>(*dialog, "linkRacewayKind")->currentIndex(), 1);
        QTest::keyClick(dialog, Qt::Key_Return);
        QCOMPARE(window_->plan().raceway(2).id, std::string("4.026"));
        QCOMPARE(column("frictionList").value(2), QStringLiteral("ID 4.026 in"));
    }

    // Typed in German, a link's coefficient and diameter reach the report in its one form, and
    // an English planner shows the same figures from it.
    void aLinksRacewayTypedInGermanReadsTheSameInEnglish() {
        fixture_.platform().locale = {",", "."};
        fixture_.restartRegistry();
        window_ = &fixture_.registry().show<PullCalculator>();
        window_->editPlan([](PullPlanLinks& plan) {
            plan.append("Straight", "100,5", "0");
            plan.setRaceway(0, {"0,15", "pvc-wet", "4,026", false, true});
        });
        window_->pullcalc();
        const double german = window_->results().forward_tension[0];
        const std::string text = report_text({"p", window_->report(), {}});
        QVERIFY(text.find(" f=0.15 raceway=pvc-wet id=4.026 pull-point") != std::string::npos);
        fixture_.platform().locale = {".", ","};
        fixture_.restartRegistry();
        window_ = &fixture_.registry().show<PullCalculator>();
        std::istringstream in(text);
        window_->applyReport(report_settings(read_report(in)));
        QCOMPARE(window_->plan().raceway(0).friction, std::string("0.15"));
        QCOMPARE(window_->plan().raceway(0).id, std::string("4.026"));
        QCOMPARE(window_->results().forward_tension[0], german);
        QCOMPARE(report_text({"p", window_->report(), {}}), text); // the same bytes
    }

    void aCoefficientThatIsNoNumberKeepsTheDialogOpenAndThePlanAsItWas() {
        enterWorkedExample();
        option("racewayOption")->click();
        clickLink(0);
        auto* dialog = window_->findChild<LinkRacewayDialog*>(QStringLiteral("LinkRacewayDialog"));
        QVERIFY(dialog);
        child<QLineEdit>(*dialog, "linkFriction")->setText(QStringLiteral("half"));
        QTest::keyClick(dialog, Qt::Key_Return);
        QCOMPARE(fixture_.platform().messages.size(), 1);
        QCOMPARE(fixture_.platform().owners.value(0), QStringLiteral("LinkRacewayDialog"));
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCOMPARE(column("frictionList"), QStringList({QString(), QString(), QString()}));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::PullCalculatorTest)
#include "pull_calculator_window_test.moc"
