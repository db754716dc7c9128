#include "support/window_fixture.h"

namespace tensora::test {

void WindowFixture::setUp() {
    settings_ = std::make_unique<SettingsSandbox>();
    guard_ = std::make_unique<ModalGuard>();
    platform_ = std::make_unique<ScriptedPlatform>();
    registry_ = std::make_unique<WindowRegistry>(*platform_);
}

void WindowFixture::restartRegistry() {
    registry_.reset();
    registry_ = std::make_unique<WindowRegistry>(*platform_);
}

void WindowFixture::tearDown() {
    registry_.reset();
    const QStringList modal = guard_->seen();
    const QStringList unexpected = platform_->unexpected;
    guard_.reset();
    platform_.reset();
    settings_.reset();
    QVERIFY2(modal.isEmpty(), qPrintable(modal.join(", ")));
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(", ")));
}

} // namespace tensora::test
