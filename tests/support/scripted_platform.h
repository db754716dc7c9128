// The platform double of the window tests: questions are answered from a script, messages,
// questions and beeps are recorded, the clock and the locale are set by the test. The
// settings store stays the real one, pointed at a temporary folder by the test fixture.
#pragma once

#include "support/memory_registry.h"
#include "widgets/platform.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QStringList>

#include <optional>

namespace tensora::test {

class ScriptedPlatform : public DesktopPlatform {
public:
    void message(QWidget* owner, const QString& text) override;
    bool question(QWidget* owner, const QString& text) override;
    void beep() override;
    SaveAnswer askToSave(QWidget* owner, const QString& text) override;
    QString openFileName(QWidget* owner, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter) override;
    void setBusy(bool busy) override;
    QDateTime now() const override;
    NumberLocale numberLocale() const override { return locale; }
    QString systemLanguage() const override { return system_language; }
    UnitSystem localeUnits() const override { return units; }
    QStringList dataFileFolders() const override { return dataFolders; }
    RegistryAccess& systemRegistry() override { return registry; }
    bool fileExists(const QString& path) const override { return existingFiles.contains(path); }
    QString findProgram(const QString& name) const override { return programs.value(name); }
    bool startProgram(const QString& path) override;
    QString vendorAddress() const override { return vendor; }
    // A scripted browser component, or Qt WebEngine's with `realBrowser`.
    BrowserEngine* makeBrowserEngine(const QString& home, QWidget* parent) override;
    bool builtInBrowserRuns() const override { return browserRuns; }
    bool openInDesktopBrowser(const QString& address) override;
    // Prints to a PDF in memory, into `printed`; `printing` false answers as a cancelled dialog.
    bool print(QWidget* owner, const std::function<int(QPagedPaintDevice&)>& render) override;

    // Forgets everything recorded so far.
    void clear();

    QStringList messages;
    QStringList questions;
    // The object names of the windows that owned the messages and questions, in order.
    QStringList owners;
    int beeps = 0;
    // Answers for the next questions, first one first; a question with no answer left is
    // recorded in `unexpected` and answered No.
    QList<bool> answers;
    QStringList unexpected;
    // Answers for the next save questions (Save, Discard, Cancel), recorded among the
    // questions; one with no answer left is unexpected and answered Cancel.
    QList<SaveAnswer> saveAnswers;
    // Answers for the next file dialogs; an empty text is a cancelled dialog.
    QStringList fileNames;
    // The titles and filters the file dialogs were given, in order.
    QStringList dialogTitles;
    QStringList filters;
    QList<bool> busyChanges;
    std::optional<QDateTime> clock;
    NumberLocale locale{".", ","};
    // The system's language: English, so that every window test reads the texts it wrote.
    QString system_language = QStringLiteral("en");
    // The locale's measurement system, the default unit system.
    UnitSystem units = UnitSystem::InchPound;
    // Where the cable data file is looked for; none by default, as on a machine without it.
    QStringList dataFolders;
    // The system as the test sets it up: registry, files, programs on the search path, and
    // the programs started (a start fails for paths in `unstartable`).
    MemoryRegistry registry;
    QStringList existingFiles;
    QMap<QString, QString> programs;
    QStringList started;
    QStringList unstartable;
    QString vendor = QStringLiteral("https://vendor.test");
    bool realBrowser = false;
    // Whether the built-in browser runs (false stands for a program run as root), and the
    // addresses handed to the desktop's browser.
    bool browserRuns = true;
    QStringList openedOutside;
    bool printing = true;
    QByteArray printed;
    // The scripted browser components made, first one first.
    QList<QPointer<class FakeBrowserEngine>> browsers;
};

} // namespace tensora::test
