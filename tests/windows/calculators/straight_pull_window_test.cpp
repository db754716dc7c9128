#include "windows/calculators/straight_pull_window.h"
#include "support/window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <memory>

namespace tensora::test {

class straightPullTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    straightPull* window_ = nullptr;

    QLineEdit* box(const char* name) const { return child<QLineEdit>(*window_, name); }
    QSlider* slider(const char* name) const { return child<QSlider>(*window_, name); }
    QString result() const { return child<QLabel>(*window_, "Label5")->text(); }

    // Enters the three inputs as a user would paste them, one change each.
    void enter(const QString& length, const QString& weight, const QString& friction) {
        box("Text2")->setText(length);
        box("Text3")->setText(weight);
        box("Text1")->setText(friction);
    }

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<straightPull>();
    }

    void cleanup() { fixture_.tearDown(); }

    void opensWithTheDesignValuesAndTheirResult() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Straight Section Tension"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("10"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("5"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("0.150"));
        QCOMPARE(slider("Slider1")->value(), 10);
        QCOMPARE(slider("Slider2")->value(), 5);
        QCOMPARE(result(), QStringLiteral("0"));
        QCOMPARE(window_->straightcalc(), 10 * 5 * 0.15 / 1000);
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void inMetricTheSamePullReadsInMetresKilogramsAndNewtons() {
        enter(QStringLiteral("1000"), QStringLiteral("200"), QStringLiteral("0.5"));
        QCOMPARE(result(), QStringLiteral("100")); // lbs
        fixture_.registry().setUnits(UnitSystem::Metric);
        QCOMPARE(box("Text2")->text(), QStringLiteral("304.8"));
        QCOMPARE(child<QLabel>(*window_, "Label14")->text(), QStringLiteral("kg / m"));
        QCOMPARE(child<QLabel>(*window_, "Label10")->text(),
                 QStringLiteral("Straight Section Tension, N"));
        QCOMPARE(result(), QStringLiteral("444")); // 100 lbf is 444.8 N, rounded down
        // The sliders step by tenths of a metre and thousandths of a kg/m.
        QCOMPARE(slider("Slider1")->value(), 3048);
        QCOMPARE(slider("Slider2")->value(), 297); // 0.2976 kg/m, to its thousandths
        slider("Slider2")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(box("Text3")->text(), QStringLiteral("0.298"));
        fixture_.registry().setUnits(UnitSystem::InchPound);
        QCOMPARE(box("Text2")->text(), QStringLiteral("1000"));
        QCOMPARE(slider("Slider1")->value(), 1000);
    }

    void showsTheDesignTextsOfEveryLabel() {
        const QList<QPair<const char*, const char*>> labels{
            {"Label11", "Select or Enter the straight section length"},
            {"Label13", "feet"},
            {"Label12", "Select or Enter the cable weight"},
            {"Label14", "lbs / kft"},
            {"Label15", "Enter the Coefficient of Friction"},
            {"Label10", "Straight Section Tension, lbs"},
            {"Label8", "Tension = straight length * cable weight * friction"}};
        for (const auto& [name, text] : labels) {
            QCOMPARE(child<QLabel>(*window_, name)->text(), QString::fromLatin1(text));
        }
        QCOMPARE(child<QGroupBox>(*window_, "Frame2")->title(), QStringLiteral("Inputs"));
        QCOMPARE(child<QGroupBox>(*window_, "Frame1")->title(), QStringLiteral("Results"));
        const QFont font = child<QLabel>(*window_, "Label5")->font();
        QVERIFY(font.bold());
        QCOMPARE(font.pointSizeF(), 9.75);
        QCOMPARE(slider("Slider1")->minimum(), 10);
        QCOMPARE(slider("Slider1")->maximum(), 5000);
        QCOMPARE(slider("Slider2")->minimum(), 0);
        QCOMPARE(slider("Slider2")->maximum(), 500);
        QCOMPARE(slider("Slider1")->pageStep(), 5);
    }

    void resultsAreRoundedDown_data() {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("friction");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2.7 lbs") << "300"
                                 << "60"
                                 << "0.150"
                                 << "2";
        QTest::newRow("1250 lbs") << "5000"
                                  << "500"
                                  << "0.5"
                                  << "1250";
        QTest::newRow("length beyond the slider") << "7500"
                                                  << "500"
                                                  << "0.5"
                                                  << "1875";
        QTest::newRow("decimals count in full") << "123.7"
                                                << "500"
                                                << "1"
                                                << "61";
    }

    void resultsAreRoundedDown() {
        QFETCH(QString, length);
        QFETCH(QString, weight);
        QFETCH(QString, friction);
        QFETCH(QString, shown);
        enter(length, weight, friction);
        QCOMPARE(result(), shown);
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void aNegativeFrictionWarnsAndIsStillUsed() {
        enter(QStringLiteral("100"), QStringLiteral("5"), QStringLiteral("-0.2"));
        QCOMPARE(fixture_.platform().messages, QStringList{kFrictionMessage});
        QCOMPARE(box("Text1")->text(), QStringLiteral("-0.2"));
        QCOMPARE(result(), QStringLiteral("-1"));
    }

    void aTextWithALeadingNumberWarnsAndUsesTheNumber() {
        enter(QStringLiteral("10"), QStringLiteral("500"), QStringLiteral("1"));
        box("Text2")->setText(QStringLiteral("12abc"));
        QCOMPARE(fixture_.platform().messages, QStringList{kNumberMessage});
        QCOMPARE(fixture_.platform().owners, QStringList{"straightPull"});
        QCOMPARE(slider("Slider1")->value(), 12);
        QCOMPARE(box("Text2")->text(), QStringLiteral("12abc"));
        QCOMPARE(result(), QStringLiteral("6"));
    }

    void aDecimalMovesTheSliderToItsWholePart() {
        box("Text2")->setText(QStringLiteral("123.7"));
        QCOMPARE(slider("Slider1")->value(), 123);
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void groupedThousandsAreReadInFull() {
        enter(QStringLiteral("1,000"), QStringLiteral("500"), QStringLiteral("1"));
        QVERIFY(fixture_.platform().messages.isEmpty());
        QCOMPARE(slider("Slider1")->value(), 1000);
        QCOMPARE(result(), QStringLiteral("500"));
    }

    void anEmptyBoxWarnsAndCountsAsZero() {
        box("Text2")->clear();
        QCOMPARE(fixture_.platform().messages, QStringList{kNumberMessage});
        QCOMPARE(slider("Slider1")->value(), 10); // the nearer end of 10 to 5000
        QCOMPARE(box("Text2")->text(), QString());
        QCOMPARE(window_->straightcalc(), 0.0);
    }

    void aValueBeyondTheSliderLeavesItAtTheNearerEnd() {
        box("Text3")->setText(QStringLiteral("800"));
        QCOMPARE(slider("Slider2")->value(), 500);
        QCOMPARE(box("Text3")->text(), QStringLiteral("800"));
        box("Text3")->setText(QStringLiteral("-4"));
        QCOMPARE(slider("Slider2")->value(), 0);
    }

    void frictionsFromZeroToOneAreAccepted() {
        for (const char* text : {"0", "1", "0.5"}) {
            box("Text1")->setText(QString::fromLatin1(text));
        }
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void otherFrictionsWarnAndKeepTheirText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("used");
        QTest::newRow("above one") << "1.01" << 1.01;
        QTest::newRow("below zero") << "-0.1" << -0.1;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
    }

    void otherFrictionsWarnAndKeepTheirText() {
        QFETCH(QString, typed);
        QFETCH(double, used);
        enter(QStringLiteral("1000"), QStringLiteral("100"), typed);
        QCOMPARE(fixture_.platform().messages, QStringList{kFrictionMessage});
        QCOMPARE(box("Text1")->text(), typed);
        QCOMPARE(window_->straightcalc(), ((1000.0 * 100.0) * used) / 1000.0);
    }

    void typingWarnsAtEveryKeystrokeThatLeavesNoNumber() {
        QLineEdit* friction = box("Text1");
        friction->setFocus();
        friction->selectAll();
        QTest::keyClick(friction, Qt::Key_Delete);
        QTest::keyClicks(friction, QStringLiteral("1.5"));
        // "" warns, "1" and "1." are fine, "1.5" is above one.
        QCOMPARE(fixture_.platform().messages, QStringList({kFrictionMessage, kFrictionMessage}));
        QCOMPARE(friction->text(), QStringLiteral("1.5"));
    }

    void writingTheSameTextRunsNothing() {
        box("Text2")->setText(QStringLiteral("abc"));
        fixture_.platform().clear();
        box("Text2")->setText(QStringLiteral("abc"));
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void movingTheSliderWritesItsPositionIntoTheBox() {
        enter(QStringLiteral("10"), QStringLiteral("500"), QStringLiteral("1"));
        slider("Slider1")->setSliderPosition(250); // a drag, as the mouse does it
        QCOMPARE(box("Text2")->text(), QStringLiteral("250"));
        QCOMPARE(slider("Slider1")->value(), 250);
        QCOMPARE(result(), QStringLiteral("125"));
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void theKeyboardMovesTheSliderAndTheBoxTogether() {
        QSlider* length = slider("Slider1");
        length->setFocus();
        QTest::keyClick(length, Qt::Key_Right);
        QCOMPARE(box("Text2")->text(), QStringLiteral("11"));
        QTest::keyClick(length, Qt::Key_PageUp);
        QCOMPARE(box("Text2")->text(), QStringLiteral("16"));
        QTest::keyClick(length, Qt::Key_End);
        QCOMPARE(box("Text2")->text(), QStringLiteral("5000"));
        QCOMPARE(length->value(), 5000);
    }

    void aProgramMoveOfTheSliderLeavesTheBoxAlone() {
        slider("Slider2")->setValue(300);
        QCOMPARE(box("Text3")->text(), QStringLiteral("5"));
    }

    void aDecimalCommaLocaleReadsTheNumbersItWrites() {
        fixture_.platform().locale = {",", "."};
        fixture_.restartRegistry();
        window_ = &fixture_.registry().show<straightPull>();
        fixture_.platform().clear();
        enter(QStringLiteral("1000"), QStringLiteral("500"), QStringLiteral("0,5"));
        QVERIFY(fixture_.platform().messages.isEmpty());
        QCOMPARE(window_->straightcalc(), 250.0); // "0,5" is a half there
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::straightPullTest)
#include "straight_pull_window_test.moc"
