#include "windows/browser/browser_window.h"
#include "support/fake_browser.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

namespace tensora::test {

class BrowserWindowTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    NorvaleHome* window_ = nullptr;

    FakeBrowserEngine& browser() const { return *fixture_.platform().browsers.last(); }
    QComboBox* address() const { return child<QComboBox>(*window_, "cboAddress"); }

    const QString kStart = QStringLiteral("https://vendor.test/html/home.shtml");
    const QString kOther = QStringLiteral("https://vendor.test/html/cables.shtml");

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<NorvaleHome>();
    }
    void cleanup() { fixture_.tearDown(); }

    void loadsItsStartAddressAndShowsWorkingMeanwhile() {
        QCOMPARE(browser().navigations, QStringList{kStart});
        QCOMPARE(window_->history(), QStringList{kStart});
        QCOMPARE(address()->currentText(), kStart);
        QTRY_COMPARE(window_->windowTitle(), QStringLiteral("Tensora - Working..."));
        auto* stop = window_->findChild<QAction*>(QStringLiteral("Stop"));
        QVERIFY(stop->isEnabled()); // only while a page loads
        browser().reach(kStart, QStringLiteral("Norvale"));
        QTRY_COMPARE(window_->windowTitle(), QStringLiteral("Tensora - Norvale"));
        QTRY_VERIFY(!stop->isEnabled());
    }

    void anAddressVisitedTwiceStandsOnceAtTheTop() {
        browser().reach(kStart, QStringLiteral("Home"));
        browser().reach(kOther, QStringLiteral("Cables"));
        browser().reach(kStart, QStringLiteral("Home"));
        QCOMPARE(window_->history(), QStringList({kStart, kOther}));
        // Choosing the top item again during each update started no navigation of its own.
        QCOMPARE(browser().navigations, QStringList{kStart});
    }

    void choosingFromTheListVisitsTheAddress() {
        browser().reach(kOther, QStringLiteral("Cables"));
        QCOMPARE(window_->history(), QStringList({kOther, kStart}));
        address()->setCurrentIndex(1);
        emit address()->activated(1); // as a choice in the drop-down list
        QCOMPARE(browser().navigations.last(), kStart);
    }

    void enterVisitsTheTypedAddressWhichJoinsTheListWhenReached() {
        QLineEdit* typed = address()->lineEdit();
        QTest::keyClick(typed, Qt::Key_Return); // unchanged: loads it again
        QCOMPARE(browser().navigations, QStringList({kStart, kStart}));
        typed->setText(kOther);
        QTest::keyClick(typed, Qt::Key_Return);
        QCOMPARE(browser().navigations.last(), kOther);
        QCOMPARE(window_->history(), QStringList{kStart}); // not yet reached
        browser().reach(kOther, QStringLiteral("Cables"));
        QCOMPARE(window_->history(), QStringList({kOther, kStart}));
    }

    void theToolBarDrivesTheBrowser() {
        browser().reach(kStart, QStringLiteral("Norvale"));
        for (const char* key : {"Back", "Forward", "Refresh", "Home", "Search"}) {
            window_->findChild<QAction*>(QLatin1String(key))->trigger();
        }
        QCOMPARE(browser().calls, QStringList({"back", "forward", "refresh", "home", "search"}));
        QCOMPARE(window_->findChild<QAction*>(QStringLiteral("Home"))->toolTip(),
                 QStringLiteral("Home"));
        browser().navigate(kOther);
        window_->findChild<QAction*>(QStringLiteral("Stop"))->trigger();
        QCOMPARE(browser().calls.last(), QStringLiteral("stop"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Norvale"));
    }

    void aVerySmallWindowKeepsWorking() {
        window_->resize(4, 4);
        QApplication::processEvents();
        browser().reach(kOther, QStringLiteral("Cables"));
        QCOMPARE(window_->history().first(), kOther);
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::BrowserWindowTest)
#include "browser_window_test.moc"
