#include "support/window_fixture.h"
#include "support/worked_pull.h"
#include "windows/job/job_window.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace tensora::test {

class JobWindowTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    JobWindow* window_ = nullptr;

    QTableWidget* schedule() const { return child<QTableWidget>(*window_, "jobSchedule"); }
    // The schedule's text of a pull's column, whichever row it is shown in.
    QString cell(int pull, int column) const {
        for (int row = 0; row < schedule()->rowCount(); ++row) {
            if (schedule()->item(row, 0)->text() == QString::number(pull)) {
                return schedule()->item(row, column)->text();
            }
        }
        return {};
    }
    void addPull(const QString& from, const QString& to) {
        child<QComboBox>(*window_, "jobFrom")->setEditText(from);
        child<QComboBox>(*window_, "jobTo")->setEditText(to);
        child<QPushButton>(*window_, "jobAddPull")->click();
    }

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<JobWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    void cleanup() { fixture_.tearDown(); }

    // Three pulls of the worked example, the second against 150 lbs, the hardest.
    void pullsAddedFromThePlannerFollowItsEditsAndSortByShare() {
        PullCalculator& planner = worked_pull(fixture_.registry(), QStringLiteral("1000"));
        addPull(QStringLiteral("MH1"), QStringLiteral("MH2"));
        planner.allowableBox()->setText(QStringLiteral("150"));
        // The planner holds pull 1 still: its edit is pull 1's, at once.
        QCOMPARE(cell(1, 8), QStringLiteral("18%"));
        QVERIFY(window_->isModified());
        addPull(QStringLiteral("MH2"), QStringLiteral("MH3"));
        planner.allowableBox()->setText(QStringLiteral("1000"));
        addPull(QStringLiteral("MH3"), QStringLiteral("MH4"));
        QCOMPARE(window_->job().pulls.size(), 3u);
        QCOMPARE(window_->job().structures.size(), 4u);
        QCOMPARE(cell(1, 8), QStringLiteral("18%"));
        QCOMPARE(cell(2, 8), QStringLiteral("3%"));
        schedule()->sortItems(8, Qt::DescendingOrder);
        QCOMPARE(schedule()->item(0, 0)->text(), QStringLiteral("1")); // the hardest first
        // Opening pull 3 by keyboard gives the planner its plan; its edits are pull 3's.
        schedule()->setFocus();
        schedule()->setCurrentCell(2, 0);
        const QString third = schedule()->item(2, 0)->text();
        QTest::keyClick(schedule(), Qt::Key_Return);
        QCOMPARE(window_->openPull(), std::optional<int>(third.toInt() - 1));
        // A document of the planner's own (a report opened or saved) is no pull of the job.
        const std::string kept = window_->job().pulls[2].report;
        planner.setDocument(QStringLiteral("/plans/other.rtf"));
        planner.allowableBox()->setText(QStringLiteral("700"));
        QCOMPARE(window_->openPull(), std::nullopt);
        QCOMPARE(window_->job().pulls[2].report, kept);
    }

    void aJobSavedAndOpenedAgainShowsTheSameScheduleAndClosingAsksFirst() {
        worked_pull(fixture_.registry(), QStringLiteral("1000"));
        addPull(QStringLiteral("A"), QStringLiteral("B"));
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("job.json"));
        QVERIFY(window_->saveJob(path));
        QVERIFY(!window_->isModified());
        const QString shown = cell(1, 6);
        QVERIFY(window_->newJob());
        QCOMPARE(schedule()->rowCount(), 0);
        QVERIFY(window_->openJob(path));
        QCOMPARE(cell(1, 6), shown);
        child<QComboBox>(*window_, "jobFrom")->setEditText(QStringLiteral("B"));
        child<QComboBox>(*window_, "jobTo")->setEditText(QStringLiteral("C"));
        child<QPushButton>(*window_, "jobAddPull")->click();
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Cancel};
        QVERIFY(!window_->close()); // kept open with its change
        QCOMPARE(fixture_.platform().questions.size(), 1);
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::JobWindowTest)
#include "job_window_test.moc"
