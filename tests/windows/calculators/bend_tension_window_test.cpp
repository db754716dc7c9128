#include "windows/calculators/bend_tension_window.h"
#include "support/window_fixture.h"

namespace tensora::test {

class BendTensionTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    BendTension* window_ = nullptr;

    QLineEdit* box(const char* name) const { return child<QLineEdit>(*window_, name); }
    QString result() const { return child<QLabel>(*window_, "Label5")->text(); }

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<BendTension>();
    }
    void cleanup() { fixture_.tearDown(); }

    void opensWithTheDesignValues() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Tension in a Bend"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("10"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("5"));
        QCOMPARE(box("Text1")->text(), QStringLiteral("0.150"));
        QCOMPARE(result(), QStringLiteral("10"));
        QCOMPARE(child<QSlider>(*window_, "Slider2")->maximum(), 180);
        QCOMPARE(child<QLabel>(*window_, "Label6")->text(),
                 QStringLiteral("Tension = Cable Tension * e ^ ( bend radians * friction)"));
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void computesTheCapstanRelation() {
        box("Text2")->setText(QStringLiteral("1000"));
        box("Text3")->setText(QStringLiteral("90"));
        box("Text1")->setText(QStringLiteral("0.5"));
        QCOMPARE(result(), QStringLiteral("2193"));
        box("Text1")->setText(QStringLiteral("0.15"));
        QCOMPARE(result(), QStringLiteral("1265"));
        box("Text3")->setText(QStringLiteral("0"));
        QCOMPARE(window_->bendcalc(), 1000.0);
        box("Text3")->setText(QStringLiteral("90"));
        box("Text1")->setText(QStringLiteral("0"));
        QCOMPARE(window_->bendcalc(), 1000.0);
    }

    void readsTypedDecimalsInFull() {
        box("Text2")->setText(QStringLiteral("1000.7"));
        box("Text1")->setText(QStringLiteral("0.5"));
        box("Text3")->setText(QStringLiteral("45"));
        const double at_45 = window_->bendcalc();
        box("Text3")->setText(QStringLiteral("45.9"));
        QCOMPARE(child<QSlider>(*window_, "Slider2")->value(), 45);
        QVERIFY(window_->bendcalc() > at_45);
        QCOMPARE(result(), QStringLiteral("1493")); // 1000.7 × e^(45.9 / 57.3 × 0.5)
    }

    void usesATensionBeyondTheSlider() {
        box("Text2")->setText(QStringLiteral("9000"));
        box("Text3")->setText(QStringLiteral("0"));
        QCOMPARE(child<QSlider>(*window_, "Slider1")->value(), 5000);
        QCOMPARE(result(), QStringLiteral("9000"));
    }

    void showsAnOverflowAsOutOfRange() {
        box("Text3")->setText(QStringLiteral("180"));
        box("Text1")->setText(QStringLiteral("1000"));
        QCOMPARE(fixture_.platform().messages, QStringList{kFrictionMessage});
        QCOMPARE(result(), QStringLiteral("Out of range"));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::BendTensionTest)
#include "bend_tension_window_test.moc"
