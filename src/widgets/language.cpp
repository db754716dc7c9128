#include "widgets/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMutexLocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>

namespace tensora {

namespace {

// The languages built into the program, by their translation files (":/i18n/tensora_de.qm").
QStringList built_in_codes() {
    QStringList codes;
    for (const QString& file :
         QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("tensora_*.qm")})) {
        codes << file.mid(8, file.size() - 8 - 3);
    }
    return codes;
}

// A language's name as its speakers write it ("Deutsch", "Português (Brasil)"): its own
// translation file gives it, as the translation of the name of English.
QString native_name(const QString& code) {
    static_cast<void>(QT_TRANSLATE_NOOP("LanguageName", "English"));
    QTranslator file;
    const QString name = file.load(QStringLiteral(":/i18n/tensora_") + code + QStringLiteral(".qm"))
                             ? file.translate("LanguageName", "English")
                             : QString();
    return name.isEmpty() ? code : name;
}

} // namespace

QList<LanguageChoice> language_choices() {
    // English and the first four in the order the menu has always shown them; a language added
    // later by its translation file follows.
    QStringList codes{QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("fr"),
                      QStringLiteral("de"), QStringLiteral("pt_BR")};
    const QStringList built_in = built_in_codes();
    codes.removeIf([&built_in](const QString& code) {
        return code != QLatin1String("en") && !built_in.contains(code);
    });
    for (const QString& code : built_in) {
        if (!codes.contains(code)) {
            codes << code;
        }
    }
    QList<LanguageChoice> choices{{QString(), QStringLiteral("System")}};
    for (const QString& code : codes) {
        choices.append({code, native_name(code)});
    }
    return choices;
}

namespace {

// "de_AT.UTF-8@euro" reads as "de", "pt_PT" as "pt_BR" where the program has only that
// Portuguese; "" where the program has no such language.
QString translated_language(const QString& locale_name) {
    const QString name =
        locale_name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    QString same_language;
    for (const LanguageChoice& choice : language_choices()) {
        if (choice.code.isEmpty()) {
            continue;
        }
        if (choice.code == name || choice.code == language) {
            return choice.code;
        }
        if (same_language.isEmpty() && choice.code.section(QLatin1Char('_'), 0, 0) == language) {
            same_language = choice.code;
        }
    }
    return same_language;
}

} // namespace

QString language_of_environment(const QString& language, const QString& lc_all,
                                const QString& lc_messages, const QString& lang) {
    QString locale;
    for (const QString* setting : {&lc_all, &lc_messages, &lang}) {
        if (!setting->isEmpty()) {
            locale = *setting;
            break;
        }
    }
    // gettext passes over LANGUAGE in the C locale: a program started without a locale stays
    // in the language its texts are written in.
    const bool plain = locale == QLatin1String("C") || locale == QLatin1String("POSIX");
    if (!plain && !locale.isEmpty()) {
        for (const QString& entry : language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            const QString found = translated_language(entry);
            if (!found.isEmpty()) {
                return found;
            }
        }
    }
    const QString found = plain ? QString() : translated_language(locale);
    return found.isEmpty() ? QStringLiteral("en") : found;
}

QString language_of_process() {
    return language_of_environment(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                                   qEnvironmentVariable("LC_MESSAGES"),
                                   qEnvironmentVariable("LANG"));
}

bool RecordingTranslator::load(const QString& code) {
    const QMutexLocker lock(&mutex_);
    program_ = std::make_unique<QTranslator>();
    qt_ = std::make_unique<QTranslator>();
    // Qt's own dialogs and buttons, from the translations installed with Qt; missing ones
    // leave them in English. English has the program's file too, for the forms of a count.
    if (code != QLatin1String("en")) {
        static_cast<void>(qt_->load(QStringLiteral("qtbase_") + code,
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    }
    return program_->load(QStringLiteral(":/i18n/tensora_") + code + QStringLiteral(".qm"));
}

QString RecordingTranslator::translate(const char* context, const char* source,
                                       const char* disambiguation, int n) const {
    const QMutexLocker lock(&mutex_);
    QString text = program_->translate(context, source, disambiguation, n);
    if (text.isEmpty()) {
        text = qt_->translate(context, source, disambiguation, n);
    }
    // Only the catalogues' texts are remembered (English has its own file, every text its own
    // translation): a sentence made of figures is asked for once and never found, and a
    // count's text holds its figure.
    if (n < 0 && !text.isEmpty()) {
        QList<Source>& known = sources_[text];
        const Source asked{context, source, disambiguation};
        if (std::none_of(known.cbegin(), known.cend(), [&asked](const Source& each) {
                return each.context == asked.context && each.text == asked.text &&
                       each.disambiguation == asked.disambiguation;
            })) {
            known.append(asked);
        }
    }
    return text;
}

QString RecordingTranslator::retranslated(const QString& shown, const QObject* where) const {
    QList<Source> known;
    {
        const QMutexLocker lock(&mutex_);
        known = sources_.value(shown);
    }
    if (known.isEmpty()) {
        return shown;
    }
    Source source = known.front();
    if (known.size() > 1) {
        // The context of the window or panel that shows it, nearest first.
        for (const QObject* holder = where; holder != nullptr; holder = holder->parent()) {
            const QByteArray name = holder->metaObject()->className();
            const auto own =
                std::find_if(known.cbegin(), known.cend(),
                             [&name](const Source& each) { return each.context == name; });
            if (own != known.cend()) {
                source = *own;
                break;
            }
        }
    }
    return QCoreApplication::translate(
        source.context.constData(), source.text.constData(),
        source.disambiguation.isEmpty() ? nullptr : source.disambiguation.constData());
}

QString RecordingTranslator::retranslatedTitle(const QString& title, const QObject* where) const {
    QStringList parts = title.split(QStringLiteral(" - "));
    for (QString& part : parts) {
        // A part in brackets names a document: the user's, left as it is.
        if (!(part.startsWith(QLatin1Char('[')) && part.endsWith(QLatin1Char(']')))) {
            part = retranslated(part, where);
        }
    }
    return parts.join(QStringLiteral(" - "));
}

Translations::Translations() : translator_(std::make_unique<RecordingTranslator>()) {
    static_cast<void>(translator_->load(current_));
    QCoreApplication::installTranslator(translator_.get());
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(translator_.get());
}

void Translations::use(const QString& code, const QString& system_code) {
    QString wanted = code.isEmpty() ? system_code : code;
    // A code from the settings file names a file to load: only the program's languages.
    const QList<LanguageChoice> choices = language_choices();
    if (wanted.isEmpty() || std::none_of(choices.begin(), choices.end(), [&](const auto& choice) {
            return choice.code == wanted;
        })) {
        wanted = QStringLiteral("en");
    }
    if (wanted == current_) {
        return;
    }
    QCoreApplication::removeTranslator(translator_.get());
    current_ = translator_->load(wanted) ? wanted : QStringLiteral("en");
    if (current_ != wanted) {
        static_cast<void>(translator_->load(current_));
    }
    // Installing sends every window a LanguageChange, after the captions below are done.
    QCoreApplication::installTranslator(translator_.get());
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            retranslate_window(*window, *translator_);
        }
    }
}

namespace {

template <class Object, class Getter, class Setter>
void redo(Object* object, Getter get, Setter set, const RecordingTranslator& translator,
          const QObject* where) {
    const QString shown = (object->*get)();
    if (shown.isEmpty()) {
        return;
    }
    const QString again = translator.retranslated(shown, where);
    if (again != shown) {
        (object->*set)(again);
    }
}

void retranslate_items(QWidget& widget, const RecordingTranslator& translator) {
    if (auto* box = qobject_cast<QComboBox*>(&widget)) {
        for (int index = 0; index < box->count(); ++index) {
            const QString again = translator.retranslated(box->itemText(index), box);
            if (again != box->itemText(index)) {
                box->setItemText(index, again);
            }
        }
    } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        for (int row = 0; row < list->count(); ++row) {
            redo(list->item(row), &QListWidgetItem::text, &QListWidgetItem::setText, translator,
                 list);
        }
    } else if (auto* table = qobject_cast<QTableWidget*>(&widget)) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QTableWidgetItem* item = table->horizontalHeaderItem(column)) {
                redo(item, &QTableWidgetItem::text, &QTableWidgetItem::setText, translator, table);
            }
        }
    } else if (auto* tree = qobject_cast<QTreeWidget*>(&widget)) {
        if (QTreeWidgetItem* header = tree->headerItem()) {
            for (int column = 0; column < header->columnCount(); ++column) {
                header->setText(column, translator.retranslated(header->text(column), tree));
            }
        }
    } else if (auto* tabs = qobject_cast<QTabWidget*>(&widget)) {
        for (int index = 0; index < tabs->count(); ++index) {
            tabs->setTabText(index, translator.retranslated(tabs->tabText(index), tabs));
            tabs->setTabToolTip(index, translator.retranslated(tabs->tabToolTip(index), tabs));
        }
    }
}

constexpr const char* kDataProperty = "tensoraData";

void retranslate_widget(QWidget& widget, const RecordingTranslator& translator) {
    if (widget.property(kDataProperty).toBool()) {
        return;
    }
    if (widget.isWindow() && !widget.windowTitle().isEmpty()) {
        widget.setWindowTitle(translator.retranslatedTitle(widget.windowTitle(), &widget));
    }
    redo(&widget, &QWidget::toolTip, &QWidget::setToolTip, translator, &widget);
    redo(&widget, &QWidget::statusTip, &QWidget::setStatusTip, translator, &widget);
    redo(&widget, &QWidget::whatsThis, &QWidget::setWhatsThis, translator, &widget);
    redo(&widget, &QWidget::accessibleName, &QWidget::setAccessibleName, translator, &widget);
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        redo(label, &QLabel::text, &QLabel::setText, translator, &widget);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        redo(button, &QAbstractButton::text, &QAbstractButton::setText, translator, &widget);
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        redo(group, &QGroupBox::title, &QGroupBox::setTitle, translator, &widget);
    } else if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
        redo(line, &QLineEdit::placeholderText, &QLineEdit::setPlaceholderText, translator,
             &widget);
    } else if (auto* menu = qobject_cast<QMenu*>(&widget)) {
        redo(menu, &QMenu::title, &QMenu::setTitle, translator, &widget);
    }
    retranslate_items(widget, translator);
}

} // namespace

void keep_as_data(QWidget& widget) {
    widget.setProperty(kDataProperty, true);
}

void retranslate_window(QWidget& window, const RecordingTranslator& translator) {
    retranslate_widget(window, translator);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        retranslate_widget(*child, translator);
    }
    for (QAction* action : window.findChildren<QAction*>()) {
        redo(action, &QAction::text, &QAction::setText, translator, action);
        redo(action, &QAction::toolTip, &QAction::setToolTip, translator, action);
        redo(action, &QAction::statusTip, &QAction::setStatusTip, translator, action);
    }
}

} // namespace tensora
