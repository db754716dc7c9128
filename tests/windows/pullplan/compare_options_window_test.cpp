#include "support/window_fixture.h"
#include "windows/pullplan/compare_options_window.h"
#include "windows/pullplan/pull_calculator_window.h"

#include <QComboBox>
#include <QPushButton>

namespace tensora::test {

class CompareOptionsTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    PullCalculator* planner_ = nullptr;
    CompareOptions* window_ = nullptr;

    QLineEdit* box(const char* kind, int option) const {
        return window_->findChild<QLineEdit*>(QStringLiteral("compare%1%2").arg(kind).arg(option));
    }
    QString label(const char* kind, int option) const {
        return window_->findChild<QLabel*>(QStringLiteral("compare%1%2").arg(kind).arg(option))
            ->text();
    }

private slots:
    void init() {
        fixture_.setUp();
        planner_ = &fixture_.registry().get<PullCalculator>();
        // The worked example at 0.5: 500 ft, a 2 ft 90 degree bend, 300 ft.
        planner_->frictionBox()->setText(QStringLiteral("0.5"));
        planner_->weightBox()->setText(QStringLiteral("200"));
        planner_->allowableBox()->setText(QStringLiteral("1000"));
        planner_->editPlan([](PullPlanLinks& plan) {
            plan.append("Straight", "500", "0");
            plan.append("Angle", "2", "90");
            plan.append("Straight", "300", "0");
        });
        planner_->pullcalc();
        window_ = &fixture_.registry().show<CompareOptions>();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup() { fixture_.tearDown(); }

    void theOptionsFollowTheirBoxesAndTheLowestHighestTensionIsMarkedBest() {
        QCOMPARE(window_->options(), 3);
        box("Friction", 1)->setFocus();
        QTest::keyClicks(box("Friction", 1), QStringLiteral("0.15"));
        QTest::keyClicks(box("Friction", 3), QStringLiteral("0.35"));
        const Comparison& compared = window_->comparison();
        QCOMPARE(compared.best, std::optional<std::size_t>(0));
        QCOMPARE(label("Number", 1), QStringLiteral("1 best"));
        QCOMPARE(label("Number", 2), QStringLiteral("2"));
        QVERIFY(child<QLabel>(*window_, "compareDeciding")
                    ->text()
                    .startsWith(QStringLiteral("Option 1 pulls with the lowest highest tension")));
        // Option 2 at the plan's 0.5 forward: 50 lbs, through the bend, and 30 lbs more.
        const double forward = (50 * std::exp(0.5 * 90 / 57.3)) + 30;
        QCOMPARE(label("Forward", 2), QStringLiteral("%1 lbs").arg(qRound(forward)));
        // The planner changes: the options follow.
        planner_->weightBox()->setText(QStringLiteral("400"));
        QCOMPARE(label("Forward", 2), QStringLiteral("%1 lbs").arg(qRound(2 * forward)));
    }

    void anOptionThatCannotBeReadSaysWhyAndTheOthersKeepTheirNumbers() {
        window_->findChild<QComboBox*>(QStringLiteral("compareDirection1"))->setCurrentIndex(1);
        QTest::keyClicks(box("MidAssist", 1), QStringLiteral("2"));
        QCOMPARE(label("Verdict", 1),
                 QStringLiteral("An option with a mid-assist point pulls both halves: it takes "
                                "no direction"));
        QTest::keyClicks(box("Friction", 2), QStringLiteral("0.9"));
        QCOMPARE(label("Number", 3), QStringLiteral("3 best"));
        QVERIFY(child<QLabel>(*window_, "compareDeciding")
                    ->text()
                    .endsWith(QStringLiteral("for option 2")));
        QCOMPARE(english_text(window_->printedComparison().rows.front().front()), std::string("2"));
    }

    void optionsAreAddedAndRemovedByKeyboard() {
        auto* add = child<QPushButton>(*window_, "compareAdd");
        add->setFocus();
        QTest::keyClick(add, Qt::Key_Space);
        QCOMPARE(window_->options(), 4);
        QVERIFY(box("Friction", 4)->hasFocus());
        auto* remove = child<QPushButton>(*window_, "compareRemove");
        remove->setFocus();
        QTest::keyClick(remove, Qt::Key_Space);
        QCOMPARE(window_->options(), 3);
        QCOMPARE(window_->comparison().options.size(), 3u);
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::CompareOptionsTest)
#include "compare_options_window_test.moc"
