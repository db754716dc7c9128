#include "app/platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>

namespace tensora {

void DesktopPlatform::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok);
    box.exec();
}

bool DesktopPlatform::question(const QString& text) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text,
                    QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void DesktopPlatform::beep() {
    QApplication::beep();
}

QString DesktopPlatform::openFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(nullptr, kApplicationTitle, QString(), filter);
}

QString DesktopPlatform::saveFileName(const QString& filter) {
    return QFileDialog::getSaveFileName(nullptr, kApplicationTitle, QString(), filter);
}

void DesktopPlatform::setBusy(bool busy) {
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

QString DesktopPlatform::readSetting(const QString& section, const QString& key,
                                     const QString& fallback) {
    QSettings settings(kApplicationTitle, kApplicationTitle);
    return settings.value(section + QLatin1Char('/') + key, fallback).toString();
}

void DesktopPlatform::writeSetting(const QString& section, const QString& key,
                                   const QString& value) {
    QSettings settings(kApplicationTitle, kApplicationTitle);
    settings.setValue(section + QLatin1Char('/') + key, value);
}

QDateTime DesktopPlatform::now() const {
    return QDateTime::currentDateTime();
}

NumberLocale DesktopPlatform::numberLocale() const {
    return number_locale_of(QLocale::system());
}

QStringList DesktopPlatform::dataFileFolders() const {
    return {QDir::currentPath(), QCoreApplication::applicationDirPath(),
            QStringLiteral(TENSORA_INSTALLED_DATA_DIR)};
}

NumberLocale number_locale_of(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace tensora
