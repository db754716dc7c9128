// Everything the windows ask of the desktop: message boxes, the beep, file dialogs, the busy
// pointer, the settings store, the clock and the user's number conventions. Tests replace the
// interactive parts with a double that answers from a script and records every message.
#pragma once

#include "help/system_info.h"
#include "numbers/number_rules.h"
#include "numbers/units.h"

#include <QDateTime>
#include <QLocale>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QWidget;

namespace tensora {
class BrowserEngine;
}

namespace tensora {

inline const QString kApplicationTitle = QStringLiteral("Tensora");

class Platform {
public:
    virtual ~Platform() = default;

    // A warning or failure: OK button only, no icon, titled with the application title, owned
    // by the window whose input raised it (centred over it).
    virtual void message(QWidget* owner, const QString& text) = 0;
    // A question with Yes and No and the question icon, owned like a message; true for Yes.
    virtual bool question(QWidget* owner, const QString& text) = 0;
    virtual void beep() = 0;
    // Whether to save changes before they are lost: Save, Discard or Cancel, with the question
    // icon, owned like a message.
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer askToSave(QWidget* owner, const QString& text) = 0;

    // A full path, or an empty text when the user cancels. The title says what the dialog is
    // for ("Save Report"); the filter lists description and pattern pairs separated by "|"
    // ("Data (*.rtf)|*.rtf|All Files (*.*)|*.*"). The dialog starts in the folder last chosen
    // in one, else the user's documents folder. Saving adds no extension to a typed name and
    // asks nothing about a file that exists.
    virtual QString openFileName(QWidget* owner, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* owner, const QString& title, const QString& filter) = 0;

    virtual void setBusy(bool busy) = 0;

    // The per-user settings store of the application, by section and key.
    virtual QString readSetting(const QString& section, const QString& key,
                                const QString& fallback) = 0;
    virtual void writeSetting(const QString& section, const QString& key, const QString& value) = 0;

    virtual QDateTime now() const = 0;
    virtual NumberLocale numberLocale() const = 0;
    // The unit system the user's locale measures in: the default until the user chooses one.
    virtual UnitSystem localeUnits() const = 0;
    // The language the system asks for, as a translation's code ("de", "pt_BR"; "en").
    virtual QString systemLanguage() const = 0;

    // The folders searched for the cable data file, first match wins.
    virtual QStringList dataFileFolders() const = 0;
    // The user's own settings folder, where files of the user's own (friction entries) live.
    virtual QString userFolder() const = 0;

    // The system registry (an empty one where the system has none).
    virtual RegistryAccess& systemRegistry() = 0;
    virtual bool fileExists(const QString& path) const = 0;
    // The full path of a program found on the search path, or an empty text.
    virtual QString findProgram(const QString& name) const = 0;
    // Starts a program of its own, in a normal window, without waiting; false when it cannot.
    virtual bool startProgram(const QString& path) = 0;

    // Prints a document after the print dialog: `render` draws it on the printer and returns
    // the number of pages. False when the user cancels or nothing could be printed.
    virtual bool print(QWidget* owner, const std::function<int(QPagedPaintDevice&)>& render) = 0;

    // The vendor's web server, without a trailing slash.
    virtual QString vendorAddress() const = 0;
    // A web browser component for a browser window, owned by `parent`; `home` is what its
    // "Home" opens.
    virtual BrowserEngine* makeBrowserEngine(const QString& home, QWidget* parent) = 0;
    // Whether the built-in browser can run (it does not as root, where its sandbox would have
    // to be switched off), and the desktop's own browser for an address; false when it cannot.
    virtual bool builtInBrowserRuns() const = 0;
    virtual bool openInDesktopBrowser(const QString& address) = 0;
};

// The real desktop: Qt message boxes and dialogs, QSettings, the system clock and locale.
class DesktopPlatform : public Platform {
    Q_DECLARE_TR_FUNCTIONS(DesktopPlatform)

public:
    // What makes the browser component of a browser window (Qt WebEngine's, in its own
    // library, given by the program); without one there is no built-in browser.
    using BrowserFactory = std::function<BrowserEngine*(const QString& home, QWidget* parent)>;
    void setBrowserFactory(BrowserFactory factory) { browser_factory_ = std::move(factory); }

    void message(QWidget* owner, const QString& text) override;
    bool question(QWidget* owner, const QString& text) override;
    void beep() override;
    SaveAnswer askToSave(QWidget* owner, const QString& text) override;
    QString openFileName(QWidget* owner, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter) override;
    void setBusy(bool busy) override;
    QString readSetting(const QString& section, const QString& key,
                        const QString& fallback) override;
    void writeSetting(const QString& section, const QString& key, const QString& value) override;
    QDateTime now() const override;
    NumberLocale numberLocale() const override;
    UnitSystem localeUnits() const override;
    QString systemLanguage() const override;
    // The current folder, then the program's own folder, then the data folder installed beside
    // it (../share/tensora from the program's folder).
    QStringList dataFileFolders() const override;
    // The folder of the settings store.
    QString userFolder() const override;
    RegistryAccess& systemRegistry() override;
    bool fileExists(const QString& path) const override;
    QString findProgram(const QString& name) const override;
    bool startProgram(const QString& path) override;
    QString vendorAddress() const override;
    BrowserEngine* makeBrowserEngine(const QString& home, QWidget* parent) override;
    bool builtInBrowserRuns() const override;
    bool openInDesktopBrowser(const QString& address) override;
    bool print(QWidget* owner, const std::function<int(QPagedPaintDevice&)>& render) override;

private:
    // The folder a file dialog starts in, and the one to start in next time.
    QString dialogFolder();
    QString rememberFolder(const QString& chosen);

    std::unique_ptr<RegistryAccess> registry_;
    BrowserFactory browser_factory_;
};

// The desktop without windows of its own: messages go to the error stream, questions are
// answered No. For the program's command-line modes.
class ConsolePlatform : public DesktopPlatform {
public:
    void message(QWidget* owner, const QString& text) override;
    bool question(QWidget* owner, const QString& text) override;
    void beep() override {}
    SaveAnswer askToSave(QWidget*, const QString&) override { return SaveAnswer::Discard; }
};

// The unit system a locale measures in: inch-pound for the US and for the C or POSIX locale
// (no language chosen), the locale's own system otherwise.
UnitSystem units_of_locale(const QLocale& locale);

// The system locale's separators, as the number rules take them.
NumberLocale number_locale_of(const QLocale& locale);

} // namespace tensora
