#include "support/window_fixture.h"
#include "windows/calculators/pull_box_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

namespace tensora::test {

class PullBoxSizeTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    PullBoxSize* window_ = nullptr;

    QString shown(const char* name) const { return child<QLabel>(*window_, name)->text(); }
    void enter(const QString& size) {
        QComboBox* box = child<QComboBox>(*window_, "pullBoxSize");
        box->setFocus();
        QTest::keyClicks(box->lineEdit(), size);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    }

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<PullBoxSize>();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup() { fixture_.tearDown(); }

    void sizesTypedAndEnteredGiveThePublishedBoxes() {
        for (const char* size : {"2", "4", "2", "2"}) {
            enter(QString::fromLatin1(size));
        }
        QCOMPARE(child<QListWidget>(*window_, "pullBoxSizes")->count(), 4);
        QCOMPARE(shown("pullBoxLength"), QStringLiteral("32 in"));
        QCOMPARE(shown("pullBoxWorking"), QStringLiteral("8 × 4 in = 32 in"));
        child<QComboBox>(*window_, "pullBoxKind")->setCurrentIndex(1); // angle
        QCOMPARE(shown("pullBoxLength"), QString());
        QCOMPARE(shown("pullBoxOpposite"), QStringLiteral("30 in"));
        // Delete on the list takes the size chosen away: 4 + 2 + 2 gives the published 28 in.
        QListWidget* list = child<QListWidget>(*window_, "pullBoxSizes");
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(shown("pullBoxOpposite"), QStringLiteral("28 in"));
        QCOMPARE(shown("pullBoxBetween"), QStringLiteral("24 in"));
        child<QCheckBox>(*window_, "pullBoxSmall")->setChecked(true);
        QCOMPARE(shown("pullBoxOpposite"), QString());
        QVERIFY(shown("pullBoxWorking").startsWith(QStringLiteral("For conductors of 6 AWG")));
    }

    void aSizeTheTableLacksIsRefusedByNameAndInMetricTheDesignatorsCount() {
        QComboBox* table = child<QComboBox>(*window_, "pullBoxTable");
        table->setCurrentIndex(table->findText(QStringLiteral("EMT")));
        enter(QStringLiteral("6"));
        QCOMPARE(fixture_.platform().messages,
                 QStringList{QStringLiteral("\"6\" is not a trade size of EMT")});
        QCOMPARE(fixture_.platform().owners.value(0), QStringLiteral("PullBoxSize"));
        QCOMPARE(child<QListWidget>(*window_, "pullBoxSizes")->count(), 0);
        fixture_.registry().setUnits(UnitSystem::Metric);
        enter(QStringLiteral("53"));
        QCOMPARE(shown("pullBoxLength"), QStringLiteral("424 mm"));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::PullBoxSizeTest)
#include "pull_box_window_test.moc"
