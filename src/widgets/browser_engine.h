// The web browser component of the browser windows, as the windows use it: navigation, the
// current page's name and address, whether it is busy, and two events. The desktop's is Qt
// WebEngine; tests give a scripted one.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

namespace tensora {

class BrowserEngine : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The view to place in the window.
    virtual QWidget* view() = 0;

    virtual void navigate(const QString& address) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void goHome() = 0;
    virtual void goSearch() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;

    // The current page's title (its address while it has none), and its address.
    virtual QString locationName() const = 0;
    virtual QString locationUrl() const = 0;
    virtual bool busy() const = 0;

signals:
    // A download (a page, or a part of one) has ended.
    void downloadComplete();
    // The browser reached a new location: the page at locationUrl() is loaded.
    void navigateComplete();
};

} // namespace tensora
