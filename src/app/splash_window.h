// The splash window shown while the program starts, and the wait that keeps it up.
#pragma once

#include "app/splash_wait.h"
#include "widgets/platform.h"

#include <QTimer>
#include <QWidget>

#include <functional>

namespace tensora {

// A borderless window without caption, centred on the screen, showing the splash picture.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    frmSplash();
};

// Waits, on a timer so that the program stays responsive and idle, until the clock's seconds
// have changed three times (two to three seconds), then runs `done` once.
class SplashWait : public QObject {
    Q_OBJECT

public:
    SplashWait(const Platform& platform, std::function<void()> done);

private:
    void poll();

    const Platform& platform_;
    SecondChangeCounter counter_;
    std::function<void()> done_;
    QTimer timer_;
};

} // namespace tensora
