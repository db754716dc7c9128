#include "windows/browser/web_engine_browser.h"

#include "help/online.h"
#include "print/qt_text.h"

#include <QUrl>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace tensora {

WebEngineBrowser::WebEngineBrowser(const QString& home, QWidget* parent)
    : BrowserEngine(parent), view_(new QWebEngineView(parent)), home_(home) {
    view_->setObjectName(QStringLiteral("brwWebBrowser"));
    // PDF documents show in the window instead of being offered for download.
    QWebEngineSettings* settings = view_->settings();
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
    connect(view_, &QWebEngineView::loadStarted, this, [this] { busy_ = true; });
    connect(view_, &QWebEngineView::loadFinished, this, [this](bool ok) {
        busy_ = false;
        emit downloadComplete();
        if (ok) {
            emit navigateComplete();
        }
    });
    connect(view_, &QWebEngineView::titleChanged, this, &BrowserEngine::downloadComplete);
    // A place reached within the page (a #fragment) is a location of its own for the history.
    connect(view_, &QWebEngineView::urlChanged, this, [this] {
        if (!busy_) {
            emit navigateComplete();
        }
    });
}

QWidget* WebEngineBrowser::view() {
    return view_;
}

void WebEngineBrowser::navigate(const QString& address) {
    const QUrl target = QUrl::fromUserInput(address);
    // Another place in the same page (only the #fragment differs) loads nothing: the engine
    // starts and finishes no load for it, so it must not count as one.
    const bool same_page =
        target.adjusted(QUrl::RemoveFragment) == view_->url().adjusted(QUrl::RemoveFragment) &&
        !view_->url().isEmpty();
    busy_ = !same_page;
    view_->setUrl(target);
}

void WebEngineBrowser::goBack() {
    view_->back();
}

void WebEngineBrowser::goForward() {
    view_->forward();
}

void WebEngineBrowser::goHome() {
    navigate(home_);
}

void WebEngineBrowser::goSearch() {
    navigate(qt_text(kSearchPage));
}

void WebEngineBrowser::refresh() {
    view_->reload();
}

void WebEngineBrowser::stop() {
    view_->stop();
    busy_ = false;
}

QString WebEngineBrowser::locationName() const {
    const QString title = view_->title();
    return title.isEmpty() ? locationUrl() : title;
}

QString WebEngineBrowser::locationUrl() const {
    return view_->url().toString();
}

BrowserEngine* make_web_engine_browser(const QString& home, QWidget* parent) {
    return new WebEngineBrowser(home, parent);
}

} // namespace tensora
