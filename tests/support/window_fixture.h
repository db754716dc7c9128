// The common arrangement of a window test: settings store in a temporary folder, modal guard,
// scripted platform and a fresh window registry for every test function.
#pragma once

#include "widgets/window_registry.h"
#include "support/scripted_platform.h"
#include "support/window_test.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <memory>

namespace tensora::test {

class WindowFixture {
public:
    // Call from the test class's init() and cleanup().
    void setUp();
    void tearDown();

    ScriptedPlatform& platform() const { return *platform_; }
    WindowRegistry& registry() const { return *registry_; }
    // Starts the registry afresh (after a change of the platform's locale, say).
    void restartRegistry();

private:
    std::unique_ptr<SettingsSandbox> settings_;
    std::unique_ptr<ModalGuard> guard_;
    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<WindowRegistry> registry_;
};

inline const QString kNumberMessage = QStringLiteral("Please enter a number");
inline const QString kFrictionMessage =
    QStringLiteral("Enter a coefficient between 0 and 1.  If you don't know, use 0.5");

} // namespace tensora::test
