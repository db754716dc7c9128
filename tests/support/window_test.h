// What every window test needs: a headless display, the settings store in a temporary folder,
// and a guard that fails the test when a real modal box opens.
#pragma once

#include <QApplication>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

namespace tensora::test {

// Chooses the offscreen display when the test runs without one.
void prepare_headless();

// Points the settings store at a fresh temporary folder for as long as it lives.
class SettingsSandbox {
public:
    SettingsSandbox();
    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

// Watches for modal windows (a message box that bypassed the platform layer would block the
// test for ever): each one is recorded and closed.
class ModalGuard : public QObject {
    Q_OBJECT

public:
    ModalGuard();
    const QStringList& seen() const { return seen_; }

private:
    void check();

    QTimer timer_;
    QStringList seen_;
};

// Finds a named child of a window, failing the test when it is missing.
template <class Widget> Widget* child(const QObject& parent, const char* name) {
    auto* found = parent.findChild<Widget*>(QLatin1String(name));
    if (!found) {
        qWarning("no child named %s", name);
    }
    return found;
}

} // namespace tensora::test

#define TENSORA_WINDOW_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char** argv) {                                                              \
        tensora::test::prepare_headless();                                                         \
        QApplication application(argc, argv);                                                      \
        QApplication::setQuitOnLastWindowClosed(false);                                            \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
