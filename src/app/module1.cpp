#include "app/module1.h"

#include "app/window_registry.h"
#include "cables/max_pull_window.h"
#include "cables/misc_data_window.h"

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
    const qsizetype list = arguments.indexOf(QStringLiteral("--list-cables"));
    if (list >= 0) {
        options.list_cables = arguments.value(list + 1);
    }
    return options;
}

int ListCables(Platform& platform, const QString& category, std::ostream& out) {
    WindowRegistry registry(platform);
    MaxPull& selection = registry.get<MaxPull>();
    const qsizetype row = selection.categories().indexOf(category);
    if (row < 0) {
        platform.message(nullptr,
                         QStringLiteral("No category \"%1\"; the categories are: %2")
                             .arg(category, selection.categories().join(QStringLiteral(", "))));
        return 2;
    }
    selection.Categoryselect_Click(static_cast<int>(row));
    for (const QString& cable : selection.listedCables()) {
        if (!cable.isEmpty()) {
            out << cable.toStdString() << '\n';
        }
    }
    return registry.get<miscData>().data().complete ? 0 : 1;
}

} // namespace tensora::Module1
