#include "app/startup.h"

#include "cables/cable_categories.h"
#include "print/qt_text.h"
#include "widgets/window_registry.h"
#include "windows/cables/misc_data_window.h"

#include <algorithm>

namespace tensora::Module1 {

Startup::Startup(WindowRegistry& registry, Platform& platform, const StartOptions& options)
    : open_file_(options.open_file) {
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
    // A report named at start (one double-clicked in a file manager) shows in the planner.
    if (open_file_ && main_window_->openReport(*open_file_)) {
        main_window_->mnuToolsPullCalc_Click();
    }
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
    // The first argument that is no option (nor an option's value) names a report to open.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(QStringLiteral("--"))) {
            i += arguments[i] == QStringLiteral("--list-cables") ? 1 : 0;
        } else {
            options.open_file = arguments[i];
            break;
        }
    }
    return options;
}

int ListCables(Platform& platform, const QString& category, std::ostream& out) {
    // The cable library alone, without any window: this runs without a display.
    const auto categories = cable_categories();
    const std::string wanted = category.toStdString();
    if (std::find(categories.begin(), categories.end(), wanted) == categories.end()) {
        QStringList names;
        for (const std::string_view name : categories) {
            names.append(qt_text(name));
        }
        platform.message(nullptr, QStringLiteral("No category \"%1\"; the categories are: %2")
                                      .arg(category, names.join(QStringLiteral(", "))));
        return 2;
    }
    const CableData library = load_cable_data(cable_data_candidates(platform));
    if (!library.complete) {
        platform.message(nullptr, missingDataFileMessage());
    }
    for (const std::string_view line :
         category_lines(library, std::string(kCablesCaption) + wanted)) {
        if (!line.empty()) {
            out << line << '\n';
        }
    }
    return library.complete ? 0 : 1;
}

} // namespace tensora::Module1
