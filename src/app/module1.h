// The program's entry routine.
#pragma once

#include "app/main_window.h"
#include "app/platform.h"
#include "app/splash_window.h"

#include <QApplication>

#include <memory>

namespace tensora::Module1 {

struct StartOptions {
    bool splash = true;
};

// The start-up sequence: shows the splash, creates the main window, and once the splash has
// waited, loads and captions the main window, closes the splash and shows the main window.
class Startup {
public:
    Startup(WindowRegistry& registry, Platform& platform, const StartOptions& options);

    frmMain& mainWindow() const { return *main_window_; }
    const frmSplash* splash() const { return splash_.get(); }
    bool finished() const { return finished_; }

private:
    void finish();

    std::unique_ptr<frmSplash> splash_;
    frmMain* main_window_; // owned by the registry until it closes
    std::unique_ptr<SplashWait> wait_;
    bool finished_ = false;
};

// Shows the splash, creates the main window, waits two to three seconds, loads and captions
// the main window, closes the splash and shows the main window; then runs until the main
// window is closed. Returns the program's exit status.
int Main(QApplication& application, Platform& platform, const StartOptions& options);

// Reads the command line of the program.
StartOptions start_options(const QStringList& arguments);

} // namespace tensora::Module1
