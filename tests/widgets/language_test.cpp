#include "print/core_sentences.h"
#include "widgets/language.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
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

    void aCoreSentenceIsSpokenWithItsFiguresKept_data() {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("a whole sentence") << "Pull OK"
                                          << "Zug in Ordnung";
        QTest::newRow("a pattern, a figure and a part of its own")
            << "Sidewall pressure exceeds 500 lbs/ft at link 3 in both pulls and at 2 more bends"
            << "Der Seitenwanddruck überschreitet 500 lbs/ft in Abschnitt 3 in beiden "
               "Zugrichtungen und an 2 weiteren Bögen";
        QTest::newRow("the one more bend, not the many")
            << "Sidewall pressure exceeds 7300 N/m at link 12 in the reverse pull and at 1 more "
               "bend"
            << "Der Seitenwanddruck überschreitet 7300 N/m in Abschnitt 12 im Rückwärtszug und an "
               "1 weiteren Bogen";
        QTest::newRow("findings of a verdict")
            << "Forward pull exceeds the allowable tension at link 3; The clearance is below the "
               "minimum"
            << "Der Vorwärtszug überschreitet die zulässige Zugkraft in Abschnitt 3; Der Freiraum "
               "liegt unter dem Minimum";
        QTest::newRow("advice with a note after its full stop")
            << "Pull in reverse: 31% lower, 619 lbs against 901 lbs; no mid-assist point lowers "
               "it. Sidewall bearing pressure exceeds 500 lb/ft at link 4"
            << "Rückwärts ziehen: 31% niedriger, 619 lbs gegenüber 901 lbs; keine "
               "Zwischenzugstelle senkt sie. Der Seitenwanddruck überschreitet 500 lb/ft in "
               "Abschnitt 4";
        QTest::newRow("a sentence's own full stop") << "Puller: 2,000 lbs, margin 12.5 %."
                                                    << "Seilwinde: 2,000 lbs, Reserve 12.5 %.";
        QTest::newRow("a text no one translated") << "PWR-500CU-15KV"
                                                  << "PWR-500CU-15KV";
    }

    void aCoreSentenceIsSpokenWithItsFiguresKept() {
        QFETCH(QString, english);
        QFETCH(QString, german);
        Translations translations;
        translations.use(QStringLiteral("de"), QStringLiteral("en"));
        QCOMPARE(spoken(english), german);
        translations.use(QStringLiteral("en"), QStringLiteral("en"));
        QCOMPARE(spoken(english), english);
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
        QCOMPARE(spoken(QStringLiteral("Pull OK")), QStringLiteral("Pull OK"));
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
