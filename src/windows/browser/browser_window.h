// The two browser windows: the vendor's home page and the installation manual, each in a small
// web browser with a tool bar, an address box with the history of the addresses visited, and
// the browser component filling the rest.
#pragma once

#include "widgets/browser_engine.h"
#include "widgets/window_registry.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QToolBar>

namespace tensora {

class BrowserWindow : public RegisteredWindow<QWidget> {
    Q_OBJECT

public:
    void Form_Load();
    void brwWebBrowser_DownloadComplete();
    void brwWebBrowser_NavigateComplete2();
    void cboAddress_Click();
    void cboAddress_KeyPress(int key);
    void timTimer_Timer();
    void tbToolBar_ButtonClick(const QString& key);

    // The addresses visited, most recent first.
    QStringList history() const;
    BrowserEngine& engine() const { return *brwWebBrowser; }

protected:
    // `path` is the start address's path on the vendor's server.
    BrowserWindow(WindowRegistry& registry, const char* name, std::string_view path);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The timer runs, and Stop is enabled, from a navigation request until the page has loaded.
    void startTimer();
    void stopTimer();

    QString start_address_;
    bool suppressNavigate = false;
    QAction* stop_ = nullptr;

    QToolBar* tbToolBar;
    QWidget* picAddress;
    QLabel* lblAddress;
    QComboBox* cboAddress;
    BrowserEngine* brwWebBrowser;
    QTimer timTimer;
};

// The vendor's home page.
class NorvaleHome : public BrowserWindow {
    Q_OBJECT

public:
    explicit NorvaleHome(WindowRegistry& registry);
};

// The installation manual, a PDF document.
class frmBrowser : public BrowserWindow {
    Q_OBJECT

public:
    explicit frmBrowser(WindowRegistry& registry);
};

} // namespace tensora
