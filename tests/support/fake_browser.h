// A browser component for the window tests: it records what it is told and reaches a location
// only when the test says so.
#pragma once

#include "widgets/browser_engine.h"

#include <QStringList>
#include <QWidget>

namespace tensora::test {

class FakeBrowserEngine : public BrowserEngine {
    Q_OBJECT

public:
    explicit FakeBrowserEngine(QWidget* parent);

    QWidget* view() override { return view_; }
    void navigate(const QString& address) override;
    void goBack() override { calls.append(QStringLiteral("back")); }
    void goForward() override { calls.append(QStringLiteral("forward")); }
    void goHome() override { calls.append(QStringLiteral("home")); }
    void goSearch() override { calls.append(QStringLiteral("search")); }
    void refresh() override { calls.append(QStringLiteral("refresh")); }
    void stop() override;
    QString locationName() const override { return title_; }
    QString locationUrl() const override { return url_; }
    bool busy() const override { return busy_; }

    // The page at `url`, titled `title`, has loaded.
    void reach(const QString& url, const QString& title);

    QStringList navigations;
    QStringList calls;

private:
    QWidget* view_;
    QString url_;
    QString title_;
    bool busy_ = false;
};

} // namespace tensora::test
