#include "widgets/platform.h"

#include "widgets/language.h"

#include "help/online.h"
#include "print/qt_text.h"
#include "print/report_renderer.h"
#include "widgets/system_registry.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include <iostream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tensora {

namespace {

// The window a box belongs to: the one that raised it, or, while that one is hidden (a window
// written to by another), the window the user works in. A box with an owner stands over it and
// leaves the stacking of the other windows alone.
QWidget* box_owner(QWidget* owner) {
    if (owner && owner->window()->isVisible()) {
        return owner->window();
    }
    return QApplication::activeWindow();
}

} // namespace

void DesktopPlatform::message(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok,
                    box_owner(owner));
    box.exec();
}

bool DesktopPlatform::question(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text,
                    QMessageBox::Yes | QMessageBox::No, box_owner(owner));
    return box.exec() == QMessageBox::Yes;
}

Platform::SaveAnswer DesktopPlatform::askToSave(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Question, kApplicationTitle, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    box_owner(owner));
    box.setDefaultButton(QMessageBox::Save);
    // Each answer by its own key (Escape cancels).
    box.button(QMessageBox::Save)->setText(DesktopPlatform::tr("&Save"));
    box.button(QMessageBox::Discard)->setText(DesktopPlatform::tr("&Discard"));
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

void DesktopPlatform::beep() {
    QApplication::beep();
}

namespace {

// "Data (*.rtf)|*.rtf|All Files (*.*)|*.*" as Qt writes a filter list: the descriptions, which
// name their patterns, separated by ";;".
QString qt_filter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        descriptions.append(parts[i]);
    }
    return descriptions.join(QStringLiteral(";;"));
}

} // namespace

QString DesktopPlatform::dialogFolder() {
    const QString last = readSetting(QStringLiteral("Settings"), QStringLiteral("LastFolder"), {});
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString DesktopPlatform::rememberFolder(const QString& chosen) {
    if (!chosen.isEmpty()) {
        writeSetting(QStringLiteral("Settings"), QStringLiteral("LastFolder"),
                     QFileInfo(chosen).absolutePath());
    }
    return chosen;
}

QString DesktopPlatform::openFileName(QWidget* owner, const QString& title, const QString& filter) {
    return rememberFolder(
        QFileDialog::getOpenFileName(owner, title, dialogFolder(), qt_filter(filter)));
}

QString DesktopPlatform::saveFileName(QWidget* owner, const QString& title, const QString& filter) {
    return rememberFolder(QFileDialog::getSaveFileName(owner, title, dialogFolder(),
                                                       qt_filter(filter), nullptr,
                                                       QFileDialog::DontConfirmOverwrite));
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

UnitSystem units_of_locale(const QLocale& locale) {
    // Qt's C locale measures in metric, but no language chosen is no metric user's choice.
    if (locale.language() == QLocale::C) {
        return UnitSystem::InchPound;
    }
    return locale.measurementSystem() == QLocale::MetricSystem ? UnitSystem::Metric
                                                               : UnitSystem::InchPound;
}

UnitSystem DesktopPlatform::localeUnits() const {
    return units_of_locale(QLocale::system());
}

QString DesktopPlatform::systemLanguage() const {
    return language_of_process();
}

QStringList DesktopPlatform::dataFileFolders() const {
    // Installed, the data folder stands beside the program's folder (bin and share/tensora),
    // wherever the package put both.
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::currentPath(), program,
            QDir::cleanPath(program + QStringLiteral("/../share/tensora"))};
}

QString DesktopPlatform::userFolder() const {
    const QSettings settings(kApplicationTitle, kApplicationTitle);
    return QFileInfo(settings.fileName()).absolutePath();
}

RegistryAccess& DesktopPlatform::systemRegistry() {
    if (!registry_) {
        registry_ = make_system_registry();
    }
    return *registry_;
}

bool DesktopPlatform::fileExists(const QString& path) const {
    return QFileInfo(path).isFile();
}

QString DesktopPlatform::findProgram(const QString& name) const {
    return QStandardPaths::findExecutable(name);
}

bool DesktopPlatform::startProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}

bool DesktopPlatform::builtInBrowserRuns() const {
#ifndef _WIN32
    // As root the engine runs only with its sandbox switched off, which the program never does
    // for the user: only someone who set the variable on purpose gets it.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        return false;
    }
#endif
    return static_cast<bool>(browser_factory_);
}

bool DesktopPlatform::openInDesktopBrowser(const QString& address) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

QString DesktopPlatform::vendorAddress() const {
    const QString chosen = qEnvironmentVariable(kVendorAddressVariable.data());
    const QString address = chosen.isEmpty() ? qt_text(kVendorAddress) : chosen;
    return address.endsWith(QLatin1Char('/')) ? address.chopped(1) : address;
}

BrowserEngine* DesktopPlatform::makeBrowserEngine(const QString& home, QWidget* parent) {
    return browser_factory_ ? browser_factory_(home, parent) : nullptr;
}

bool DesktopPlatform::print(QWidget* owner, const std::function<int(QPagedPaintDevice&)>& render) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(report_page_size(QLocale::system()));
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return render(printer) > 0;
}

void ConsolePlatform::message(QWidget*, const QString& text) {
    std::cerr << text.toStdString() << '\n';
}

bool ConsolePlatform::question(QWidget* owner, const QString& text) {
    message(owner, text);
    return false;
}

NumberLocale number_locale_of(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace tensora
