#include "app/artwork.h"
#include "app/module1.h"
#include "app/platform.h"
#include "help/web_engine_browser.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    tensora::allow_web_engine_as_root();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); // as Qt WebEngine needs
    QApplication application(argc, argv);
    QApplication::setApplicationName(tensora::kApplicationTitle);
    QApplication::setWindowIcon(tensora::program_icon());
    const auto options = tensora::Module1::start_options(QApplication::arguments());
    if (options.list_cables) {
        tensora::ConsolePlatform console;
        return tensora::Module1::ListCables(console, *options.list_cables, std::cout);
    }
    tensora::DesktopPlatform platform;
    return tensora::Module1::Main(application, platform, options);
}
