#include "support/window_test.h"

#include <QSettings>
#include <QWidget>

#include <cstdlib>

namespace tensora::test {

void prepare_headless() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

SettingsSandbox::SettingsSandbox() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
}

ModalGuard::ModalGuard() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &ModalGuard::check);
    timer_.start();
}

void ModalGuard::check() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        seen_.append(modal->windowTitle() + QStringLiteral(": ") + modal->objectName());
        modal->close();
    }
}

} // namespace tensora::test
