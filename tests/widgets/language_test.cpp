#include "print/spoken_message.h"
#include "widgets/language.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace tensora::test {

class LanguageTest : public QObject {
    Q_OBJECT

    // The %1 ... %9 and %n of a text, as a set.
    static QSet<QString> markers(const QString& text) {
        static const QRegularExpression marker(QStringLiteral("%[1-9n]"));
        QSet<QString> found;
        for (auto it = marker.globalMatch(text); it.hasNext();) {
            found.insert(it.next().captured());
        }
        return found;
    }

    // Each message of a translation file: its context, source and comment.
    static QSet<QString> messages(const QString& path) {
        QFile file(path);
        QSet<QString> found;
        if (!file.open(QIODevice::ReadOnly)) {
            return found;
        }
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::EndElement &&
                xml.name() == QLatin1String("message")) {
                found.insert(source);
                continue;
            }
            if (!xml.isStartElement()) {
                continue;
            }
            if (xml.name() == QLatin1String("name")) {
                // Without the namespace, which lupdate names only where it reads the headers
                // the build gives it.
                context = xml.readElementText().remove(QStringLiteral("tensora::"));
            } else if (xml.name() == QLatin1String("source")) {
                source = context + QLatin1Char('|') + xml.readElementText();
            } else if (xml.name() == QLatin1String("comment")) {
                source += QLatin1Char('|') + xml.readElementText();
            }
        }
        return found;
    }

private slots:
    void theLanguageIsReadAsGettextReadsIt_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LANG alone") << ""
                                    << ""
                                    << ""
                                    << "de_DE.UTF-8"
                                    << "de";
        QTest::newRow("a country of the language") << ""
                                                   << ""
                                                   << ""
                                                   << "fr_CA.UTF-8"
                                                   << "fr";
        QTest::newRow("LC_MESSAGES before LANG") << ""
                                                 << ""
                                                 << "es_MX.UTF-8"
                                                 << "de_DE"
                                                 << "es";
        QTest::newRow("LC_ALL before both") << ""
                                            << "pt_BR.UTF-8"
                                            << "es_MX"
                                            << "de_DE"
                                            << "pt_BR";
        QTest::newRow("Portugal's Portuguese") << ""
                                               << ""
                                               << ""
                                               << "pt_PT.UTF-8"
                                               << "pt_BR";
        QTest::newRow("LANGUAGE's first known") << "nl:fr:de"
                                                << ""
                                                << ""
                                                << "en_US.UTF-8"
                                                << "fr";
        QTest::newRow("LANGUAGE in the C locale") << "de"
                                                  << "C"
                                                  << ""
                                                  << ""
                                                  << "en";
        QTest::newRow("a language not translated") << ""
                                                   << ""
                                                   << ""
                                                   << "nl_NL.UTF-8"
                                                   << "en";
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "en";
    }

    void theLanguageIsReadAsGettextReadsIt() {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, expected);
        QCOMPARE(language_of_environment(language, lcAll, lcMessages, lang), expected);
    }

    // Every text of every language is translated, and keeps the figures its source puts in.
    void everyTranslationIsFinishedAndKeepsItsMarkers() {
        const QStringList files =
            QDir(QStringLiteral(TENSORA_TRANSLATIONS)).entryList({QStringLiteral("*.ts")});
        QVERIFY(files.size() >= 5);
        for (const QString& name : files) {
            QFile file(QStringLiteral(TENSORA_TRANSLATIONS "/") + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QString source;
            int messages = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement) {
                    continue;
                }
                if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                    QVERIFY2(type.isEmpty(), qPrintable(name + QStringLiteral(": ") + source));
                    const QString text =
                        xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    QVERIFY2(!text.trimmed().isEmpty(),
                             qPrintable(name + QStringLiteral(": ") + source));
                    QVERIFY2(markers(text) == markers(source),
                             qPrintable(name + QStringLiteral(": ") + source +
                                        QStringLiteral(" / ") + text));
                    ++messages;
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + QStringLiteral(": ") + xml.errorString()));
            QVERIFY(messages > 500);
        }
    }

    // The messages of every source, the core's by their markers among them, as lupdate reads
    // them now: each one is in every translation file (a message added without its
    // translations, or changed on one side only, fails here).
    void everyMessageOfTheSourcesIsInEveryTranslation() {
        QTemporaryDir folder;
        const QString fresh = folder.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(TENSORA_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                       QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-tr-function-alias"),
                       QStringLiteral("QT_TRANSLATE_NOOP+=TENSORA_TEXT,"
                                      "QT_TRANSLATE_N_NOOP+=TENSORA_COUNTED"),
                       QStringLiteral("@" TENSORA_TRANSLATED_SOURCES), QStringLiteral("-ts"),
                       fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        const QSet<QString> wanted = messages(fresh);
        QVERIFY(wanted.size() > 700);
        for (const QString& name :
             QDir(QStringLiteral(TENSORA_TRANSLATIONS)).entryList({QStringLiteral("*.ts")})) {
            const QSet<QString> known = messages(QStringLiteral(TENSORA_TRANSLATIONS "/") + name);
            QStringList missing = (wanted - known).values();
            missing.sort();
            QVERIFY2(missing.isEmpty(),
                     qPrintable(name + QStringLiteral(": ") + missing.join(QStringLiteral(" | "))));
        }
    }

    // French sets a space before its colons and semicolons, everywhere alike (file filters and
    // the entities of rich texts aside).
    void frenchPutsASpaceBeforeItsColonsAndSemicolons() {
        QFile file(QStringLiteral(TENSORA_TRANSLATIONS "/tensora_fr.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        static const QRegularExpression tight(QStringLiteral("\\S[:;]"));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement ||
                (xml.name() != QLatin1String("translation") &&
                 xml.name() != QLatin1String("numerusform"))) {
                continue;
            }
            QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (text.contains(QLatin1Char('|'))) {
                continue;
            }
            text.remove(QStringLiteral("&nbsp;"));
            QVERIFY2(!tight.match(text).hasMatch(), qPrintable(text));
        }
    }

    // A finding of the core in German: its figures in the German number form, its user data
    // as typed, a count's own form, findings one after the other whole.
    void aFindingOfTheCoreIsSpokenWithItsFiguresAndDataKept() {
        Translations translations;
        translations.use(QStringLiteral("de"), QStringLiteral("en"));
        const NumberLocale german{",", "."};
        Message pressed(TENSORA_COUNTED("Check",
                                        "Sidewall pressure exceeds %1 at link %2 %3 and at %n "
                                        "more bends",
                                        "Sidewall pressure exceeds %1 at link %2 %3 and at %n "
                                        "more bend"));
        pressed.counting(2)
            .figure(Figure::typed(5.5, Quantity::Pressure, UnitSystem::InchPound))
            .link(1)
            .nested(TENSORA_TEXT("Check", "in both pulls"));
        const Message verdict =
            joined_messages({pressed, TENSORA_TEXT("Check", "The clearance is below the minimum")});
        QCOMPARE(spoken(verdict, german),
                 QStringLiteral("Der Seitenwanddruck überschreitet 5,5 lbs/ft in Abschnitt 2 in "
                                "beiden Zugrichtungen und an 2 weiteren Bögen; Der Freiraum liegt "
                                "unter dem Minimum"));
        pressed.counting(1);
        QVERIFY(spoken(pressed, german).endsWith(QStringLiteral("an 1 weiteren Bogen")));
        // The user's own text, even one that reads as a word of the program.
        const Message quoted = Message(TENSORA_TEXT("CableSet", "%1 \"%2\": %3"))
                                   .data("od")
                                   .data("over")
                                   .nested(TENSORA_TEXT("CableSet", "not a positive number"));
        QCOMPARE(spoken(quoted, german), QStringLiteral("od „over“: keine positive Zahl"));
        translations.use(QStringLiteral("en"), QStringLiteral("en"));
        QCOMPARE(spoken(verdict, NumberLocale{".", ","}),
                 QString::fromStdString(english_text(verdict)));
    }

    // The menu offers every language built in, each by its own name.
    void everyLanguageBuiltInIsOfferedByItsOwnName() {
        QStringList offered;
        for (const LanguageChoice& choice : language_choices()) {
            offered << choice.code + QLatin1Char('=') + choice.name;
        }
        QCOMPARE(offered.mid(0, 6),
                 QStringList({QStringLiteral("=System"), QStringLiteral("en=English"),
                              QStringLiteral("es=Español"), QStringLiteral("fr=Français"),
                              QStringLiteral("de=Deutsch"),
                              QStringLiteral("pt_BR=Português (Brasil)")}));
    }

    // A language the settings name that the program lacks (or a path) is English.
    void anUnknownLanguageCodeIsEnglish() {
        Translations translations;
        translations.use(QStringLiteral("de"), QStringLiteral("en"));
        translations.use(QStringLiteral("../../etc/x"), QStringLiteral("de"));
        QCOMPARE(translations.current(), QStringLiteral("en"));
        QCOMPARE(spoken(TENSORA_TEXT("Check", "Pull OK"), NumberLocale{".", ","}),
                 QStringLiteral("Pull OK"));
    }

    // Qt's own buttons and dialogs come from Qt's installed translations.
    void qtsOwnButtonsSpeakTheLanguageToo() {
        Translations translations;
        translations.use(QStringLiteral("de"), QStringLiteral("en"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        translations.use(QStringLiteral("pt_BR"), QStringLiteral("en"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Não"));
        translations.use(QStringLiteral("en"), QStringLiteral("en"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    }

    // A caption shown in one language is found again from another, and English comes back.
    void aCaptionIsTranslatedFromWhateverLanguageItShows() {
        Translations translations;
        QWidget window;
        auto* label = new QLabel(&window);
        translations.use(QStringLiteral("fr"), QStringLiteral("en"));
        label->setText(QCoreApplication::translate("tensora::PullCheck", "Verdict"));
        QCOMPARE(label->text(), QStringLiteral("Verdict"));
        translations.use(QStringLiteral("es"), QStringLiteral("en"));
        QCOMPARE(label->text(), QStringLiteral("Veredicto"));
        translations.use(QString(), QStringLiteral("de"));
        QCOMPARE(label->text(), QStringLiteral("Ergebnis"));
        translations.use(QStringLiteral("en"), QStringLiteral("de"));
        QCOMPARE(label->text(), QStringLiteral("Verdict"));
    }
};

} // namespace tensora::test

QTEST_MAIN(tensora::test::LanguageTest)
#include "language_test.moc"
