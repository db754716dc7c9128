#include "windows/calculators/lubrication_window.h"
#include "support/window_fixture.h"

#include <QListWidget>
#include <QPushButton>

namespace tensora::test {

class LubricationTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    Lubrication* window_ = nullptr;

    QLineEdit* box(const char* name) const { return child<QLineEdit>(*window_, name); }
    QString result() const { return child<QLabel>(*window_, "Label5")->text(); }

    void clickDiameter(const QString& text) {
        auto* list = child<QListWidget>(*window_, "List1");
        QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
        QVERIFY(item);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<Lubrication>();
    }
    void cleanup() { fixture_.tearDown(); }

    void opensWithThreeGallons() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Slikko! Quantity"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("1000"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("2.0"));
        QCOMPARE(result(), QStringLiteral("3."));
        QCOMPARE(child<QListWidget>(*window_, "List1")->count(), 12);
        QCOMPARE(child<QPushButton>(*window_, "Command1")->text(), QStringLiteral("Calculate"));
    }

    void keepsOneDecimalWithoutALeadingZero() {
        box("Text2")->setText(QStringLiteral("500"));
        box("Text1")->setText(QStringLiteral("1.25"));
        QCOMPARE(result(), QStringLiteral(".9"));
        box("Text2")->setText(QStringLiteral("5000"));
        box("Text1")->setText(QStringLiteral("5.0"));
        QCOMPARE(result(), QStringLiteral("37.5"));
    }

    void aListedDiameterFillsTheBoxAndRecomputes() {
        clickDiameter(QStringLiteral("3.5"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("3.5"));
        QCOMPARE(result(), QStringLiteral("5.3")); // 5.25 rounds away from zero
    }

    void theArrowKeysChooseADiameterToo() {
        auto* list = child<QListWidget>(*window_, "List1");
        list->setFocus();
        list->setCurrentRow(0, QItemSelectionModel::NoUpdate); // as tabbing in does
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(box("Text1")->text(), QStringLiteral("5.0"));
        QCOMPARE(result(), QStringLiteral("7.5"));
    }

    void theDiameterBoxIsNotChecked() {
        box("Text1")->setText(QStringLiteral("abc"));
        QVERIFY(fixture_.platform().messages.isEmpty());
        QCOMPARE(window_->quantitycalc(), 0.0);
        box("Text2")->setText(QStringLiteral("x"));
        QCOMPARE(fixture_.platform().messages, QStringList{kNumberMessage});
    }

    void calculateRecomputesFromTheBoxes() {
        child<QPushButton>(*window_, "Command1")->click();
        QCOMPARE(result(), QStringLiteral("3."));
    }

    void writesTheLocaleDecimalSeparator() {
        fixture_.platform().locale = {",", "."};
        fixture_.restartRegistry();
        window_ = &fixture_.registry().show<Lubrication>();
        QCOMPARE(result(), QStringLiteral("3,"));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::LubricationTest)
#include "lubrication_window_test.moc"
