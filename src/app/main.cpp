#include "app/startup.h"
#include "version.h"
#include "widgets/artwork.h"
#include "widgets/platform.h"
#include "windows/browser/web_engine_browser.h"

#include <QApplication>
#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const auto options = tensora::Module1::start_options(arguments);
    if (arguments.contains(QStringLiteral("--version"))) {
        // No window, so no display: the version alone.
        std::cout << "Tensora " << tensora::kVersionMajor << '.' << tensora::kVersionMinor << '.'
                  << tensora::kVersionRevision << '\n';
        return 0;
    }
    if (options.list_cables) {
        // No window, so no display: the command line's own application.
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(tensora::kApplicationTitle);
        tensora::ConsolePlatform console;
        return tensora::Module1::ListCables(console, *options.list_cables, std::cout);
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); // as Qt WebEngine needs
    QApplication application(argc, argv);
    QApplication::setApplicationName(tensora::kApplicationTitle);
    QApplication::setWindowIcon(tensora::program_icon());
    tensora::DesktopPlatform platform;
    platform.setBrowserFactory(&tensora::make_web_engine_browser);
    return tensora::Module1::Main(application, platform, options);
}
