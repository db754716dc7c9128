#include "app/module1.h"

#include "app/window_registry.h"

namespace tensora::Module1 {

Startup::Startup(WindowRegistry& registry, Platform& platform, const StartOptions& options) {
    if (options.splash) {
        splash_ = std::make_unique<frmSplash>();
        splash_->show();
        splash_->repaint();
    }
    main_window_ = new frmMain(registry);
    if (splash_) {
        wait_ = std::make_unique<SplashWait>(platform, [this] { finish(); });
    } else {
        finish();
    }
}

void Startup::finish() {
    main_window_->Form_Load();
    main_window_->setWindowTitle(kApplicationTitle + QStringLiteral(" by Norvale"));
    splash_.reset();
    main_window_->show();
    finished_ = true;
}

int Main(QApplication& application, Platform& platform, const StartOptions& options) {
    WindowRegistry registry(platform);
    const Startup startup(registry, platform, options);
    return application.exec();
}

StartOptions start_options(const QStringList& arguments) {
    StartOptions options;
    options.splash = !arguments.contains(QStringLiteral("--no-splash"));
    return options;
}

} // namespace tensora::Module1
