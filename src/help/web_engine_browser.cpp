#include "help/web_engine_browser.h"

#include "app/qt_text.h"
#include "help/online.h"

#include <QUrl>
#include <QWebEngineSettings>
#include <QWebEngineView>

#ifndef _WIN32
#include <unistd.h>
#endif

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
}

QWidget* WebEngineBrowser::view() {
    return view_;
}

void WebEngineBrowser::navigate(const QString& address) {
    busy_ = true;
    view_->setUrl(QUrl::fromUserInput(address));
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

void allow_web_engine_as_root() {
#ifndef _WIN32
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
#endif
}

} // namespace tensora
