#include "app/splash_window.h"

#include "widgets/artwork.h"

#include <QGuiApplication>
#include <QScreen>

namespace tensora {

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    // 6750 × 6345 twips of client area at 15 twips per pixel; the picture starts at its corner.
    setFixedSize(450, 423);
    auto* picture = new Picture(paint_splash_picture, kSplashPictureSize, this);
    picture->move(0, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

SplashWait::SplashWait(const Platform& platform, std::function<void()> done)
    : platform_(platform), counter_(platform.now().time().second()), done_(std::move(done)) {
    // Polling a few times a second is enough to notice each change of the seconds.
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, &SplashWait::poll);
    timer_.start();
}

void SplashWait::poll() {
    if (counter_.observe(platform_.now().time().second())) {
        timer_.stop();
        if (done_) {
            auto done = std::move(done_);
            done_ = nullptr;
            done();
        }
    }
}

} // namespace tensora
