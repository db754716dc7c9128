#include "support/fake_browser.h"

namespace tensora::test {

FakeBrowserEngine::FakeBrowserEngine(QWidget* parent)
    : BrowserEngine(parent), view_(new QWidget(parent)) {}

void FakeBrowserEngine::navigate(const QString& address) {
    navigations.append(address);
    busy_ = true;
}

void FakeBrowserEngine::stop() {
    calls.append(QStringLiteral("stop"));
    busy_ = false;
}

void FakeBrowserEngine::reach(const QString& url, const QString& title) {
    url_ = url;
    title_ = title;
    busy_ = false;
    emit downloadComplete();
    emit navigateComplete();
}

} // namespace tensora::test
