#include "cables/max_pull_window.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

namespace tensora::test {

class MaxPullTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    MaxPull* window_ = nullptr;

    QLineEdit* box(const char* name) const { return child<QLineEdit>(*window_, name); }
    QString result() const { return child<QLabel>(*window_, "Label5")->text(); }

    void clickLubricant(const QString& name) {
        auto* list = child<QListWidget>(*window_, "List3");
        QListWidgetItem* item = list->findItems(name, Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<MaxPull>();
    }
    void cleanup() { fixture_.tearDown(); }

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
        child<QCheckBox>(*window_, "Check1")->click();
        QVERIFY(child<QListWidget>(*window_, "List1")->isVisible());
        QVERIFY(child<QListWidget>(*window_, "List2")->isVisible());
        QCOMPARE(child<QListWidget>(*window_, "List2")->item(4)->text(),
                 QStringLiteral("max load"));
        child<QCheckBox>(*window_, "Check1")->click();
        QVERIFY(child<QListWidget>(*window_, "List1")->isHidden());
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::MaxPullTest)
#include "max_pull_window_test.moc"
