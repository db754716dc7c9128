#include "windows/calculators/sidewall_window.h"
#include "support/window_fixture.h"

namespace tensora::test {

class sidewallTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    sidewall* window_ = nullptr;

    QLineEdit* box(const char* name) const { return child<QLineEdit>(*window_, name); }
    QString result() const { return child<QLabel>(*window_, "Label5")->text(); }

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<sidewall>();
    }
    void cleanup() { fixture_.tearDown(); }

    void opensWithTheSlidersPositions() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Sidewall Pressure"));
        QCOMPARE(box("Text2")->text(), QStringLiteral("10"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("5"));
        QCOMPARE(result(), QStringLiteral("2"));
        QVERIFY(!window_->findChild<QLineEdit*>(QStringLiteral("Text1")));
        QCOMPARE(child<QSlider>(*window_, "Slider1")->maximum(), 2500);
        QCOMPARE(child<QSlider>(*window_, "Slider2")->maximum(), 36);
    }

    void dividesTheTensionByTheBendLength_data() {
        QTest::addColumn<QString>("tension");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("shown");
        QTest::newRow("27.78") << "1000"
                               << "36"
                               << "27";
        QTest::newRow("833.33") << "2500"
                                << "3"
                                << "833";
        QTest::newRow("no length") << "2500"
                                   << "0"
                                   << "Undefined: bend length is 0";
    }

    void dividesTheTensionByTheBendLength() {
        QFETCH(QString, tension);
        QFETCH(QString, length);
        QFETCH(QString, shown);
        box("Text2")->setText(tension);
        box("Text3")->setText(length);
        QCOMPARE(result(), shown);
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void anEmptyLengthWarnsAndHasNoPressure() {
        box("Text3")->clear();
        QCOMPARE(fixture_.platform().messages, QStringList{kNumberMessage});
        QCOMPARE(result(), QStringLiteral("Undefined: bend length is 0"));
        box("Text3")->setText(QStringLiteral("4"));
        QCOMPARE(result(), QStringLiteral("2"));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::sidewallTest)
#include "sidewall_window_test.moc"
