// The program's entry routine.
#pragma once

#include "app/main_window.h"
#include "app/splash_window.h"
#include "widgets/platform.h"

#include <QApplication>

#include <memory>
#include <optional>
#include <ostream>

namespace tensora::Module1 {

struct StartOptions {
    bool splash = true;
    // --list-cables CATEGORY: print the cables the selection window lists for a category.
    std::optional<QString> list_cables;
    // A report to open at start ("tensora FILE", as a file manager starts the program).
    std::optional<QString> open_file;
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

    std::optional<QString> open_file_;
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

// Prints the cables the selection window lists for a category, one line each, as the data file
// gives them; the loader's message goes to the platform. Returns 0 when the data file was read
// whole, 1 when not, 2 for a category the window does not offer.
int ListCables(Platform& platform, const QString& category, std::ostream& out);

} // namespace tensora::Module1
