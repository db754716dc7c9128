// The language the windows speak: chosen in Options > Language (or the system's), loaded from
// the translations built into the program, and applied to every open window at once.
#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QTranslator>

#include <memory>

class QWidget;

namespace tensora {

// A language the program is translated into: its code (the translation file's suffix) and its
// name as its speakers write it. The code "" stands for the system's language.
struct LanguageChoice {
    QString code;
    QString name;
};
QList<LanguageChoice> language_choices();

// The program's language from the environment, as gettext reads it: the first language of
// LANGUAGE that the program has, else the locale of LC_ALL, LC_MESSAGES or LANG (the first
// one set); "en" where none is translated. "pt" and "pt_PT" read as Brazilian Portuguese, the
// only Portuguese the program has.
QString language_of_environment(const QString& language, const QString& lc_all,
                                const QString& lc_messages, const QString& lang);
// The same, from this process's environment.
QString language_of_process();

// Answers Qt's translation requests from the program's translation and Qt's own, and
// remembers which source every text it handed out came from, so that a text already on screen
// can be translated again into another language.
class RecordingTranslator : public QTranslator {
public:
    // Loads the language's translations; false where the program's is missing.
    bool load(const QString& code);
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    // A text shown in any language this translator served, in the current one; a text it did
    // not hand out comes back as it is. Where one text came from several sources that differ
    // elsewhere ("Angle", a heading and a link's type), the source of a class that `where` or
    // an object holding it belongs to is taken.
    QString retranslated(const QString& shown, const QObject* where = nullptr) const;
    // A window title ("Tensora - Pull Calculator - [file]"), part by part; the document in
    // brackets stays as it is.
    QString retranslatedTitle(const QString& title, const QObject* where = nullptr) const;

private:
    struct Source {
        QByteArray context;
        QByteArray text;
        QByteArray disambiguation;
    };

    std::unique_ptr<QTranslator> program_ = std::make_unique<QTranslator>();
    std::unique_ptr<QTranslator> qt_ = std::make_unique<QTranslator>();
    mutable QMutex mutex_;
    mutable QHash<QString, QList<Source>> sources_;
};

// A window that composes texts (results, findings, titles with figures) and writes them again
// in the new language; the fixed captions are translated for it.
class LanguageFollower {
public:
    virtual ~LanguageFollower() = default;
    virtual void languageChanged() = 0;
};

// Installs the translator on the application for its life and switches its language.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // "" follows the system; another code is used as it is. Every top-level window's captions
    // are translated at once; windows that compose texts redo them on their LanguageChange.
    void use(const QString& code, const QString& system_code);
    QString current() const { return current_; }
    const RecordingTranslator& translator() const { return *translator_; }

private:
    std::unique_ptr<RecordingTranslator> translator_;
    QString current_ = QStringLiteral("en");
};

// Translates again every caption of a window and its children (labels, buttons, group and tab
// titles, menus and their actions, tool tips, placeholder texts, table headings, items of
// lists and boxes) that the translator handed out, into the current language. Widgets kept
// as data are left as they are.
void retranslate_window(QWidget& window, const RecordingTranslator& translator);

// Marks a widget whose texts and items are the user's or a file's (a cable's description, a
// category, a lubricant, a drawing's layer): they are never translated, even where one reads
// as a word of the program ("Angle", "Down").
void keep_as_data(QWidget& widget);

} // namespace tensora
