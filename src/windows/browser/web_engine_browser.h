// The browser component on Qt WebEngine: pages and PDF documents shown in the window.
#pragma once

#include "widgets/browser_engine.h"

class QWebEngineView;

namespace tensora {

class WebEngineBrowser : public BrowserEngine {
    Q_OBJECT

public:
    // `home` is what "Home" opens; "Search" opens the search page.
    WebEngineBrowser(const QString& home, QWidget* parent);

    QWidget* view() override;
    void navigate(const QString& address) override;
    void goBack() override;
    void goForward() override;
    void goHome() override;
    void goSearch() override;
    void refresh() override;
    void stop() override;
    QString locationName() const override;
    QString locationUrl() const override;
    bool busy() const override { return busy_; }

private:
    QWebEngineView* view_;
    QString home_;
    bool busy_ = false;
};

// The browser component for the desktop platform's browser windows.
BrowserEngine* make_web_engine_browser(const QString& home, QWidget* parent);

} // namespace tensora
