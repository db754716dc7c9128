#include "print/report_renderer.h"
#include "pullplan/pull_plan_links.h"
#include "support/window_test.h"
#include "widgets/language.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace tensora::test {

class ReportRendererTest : public QObject {
    Q_OBJECT

private:
    // A plan of `links` links, alternately straight and bent, as the planner would report it.
    static PrintedReport planned(int links, const QString& allowable = QStringLiteral("1000")) {
        const NumberLocale english{".", ","};
        PullPlanLinks plan(english);
        for (int i = 0; i < links; ++i) {
            i % 2 ? plan.append("Angle", "3", std::to_string(10 + i % 80))
                  : plan.append("Straight", std::to_string(100 + i), "0");
        }
        PullSettingsTexts settings;
        settings.friction = "0.15";
        settings.weight = "200";
        settings.allowable = allowable.toStdString();
        PullResults results;
        plan.calculate(settings, results);
        PrintedReport report;
        report.date = "8 December 2026";
        report.file_name = "/plans/run.rtf";
        report.plan = {"PWR 3 x 500 kcmil", settings.allowable, "200", "0.15", "", {}};
        for (std::size_t i = 0; i < plan.size(); ++i) {
            report.plan.links.push_back(
                {plan.number(i), plan.type(i), plan.length(i), plan.angle(i),
                 std::string(results.forward[i]), std::string(results.forward_sidewall[i]),
                 std::string(results.reverse[i]), std::string(results.reverse_sidewall[i])});
        }
        report.forward_share = results.forward_share;
        report.reverse_share = results.reverse_share;
        report.over_limit = links_over_limit(results, read_input(settings.allowable, english));
        std::vector<std::string> angles;
        for (std::size_t i = 0; i < plan.size(); ++i) {
            angles.push_back(plan.angle(i));
        }
        report.profile = tension_profile(
            {plan.values(), angles, read_pull_settings(settings, english), results});
        return report;
    }

    static QString run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The pages of a PDF file, as poppler counts them.
    static int pages(const QString& path) {
        return run(QStringLiteral("pdfinfo"), {path})
            .section(QStringLiteral("Pages:"), 1)
            .section(QLatin1Char('\n'), 0, 0)
            .trimmed()
            .toInt();
    }

    // The report written as a PDF file for the poppler tools to read.
    static void write(const QString& path, const PrintedReport& report, const QPageSize& size) {
        const QByteArray pdf = report_pdf(report, size);
        QVERIFY(pdf.startsWith("%PDF-"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pdf);
    }

    QTemporaryDir folder_;

private slots:
    void theTextHoldsTheCableEveryRowAndThePercentages() {
        const PrintedReport report = planned(12, QStringLiteral("300"));
        const QString path = folder_.filePath(QStringLiteral("short.pdf"));
        write(path, report, QPageSize(QPageSize::Letter));
        const QString text = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(text.contains(QStringLiteral("PWR 3 x 500 kcmil")));
        QVERIFY(text.contains(QStringLiteral("/plans/run.rtf")));
        QVERIFY(text.contains(QStringLiteral("%1 of the allowable tension")
                                  .arg(QString::fromStdString(report.forward_share))));
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const ReportLink& link : report.plan.links) {
            const QStringList expected{
                QString::fromStdString(link.number), QString::fromStdString(link.type),
                QString::fromStdString(link.length), QString::fromStdString(link.forward),
                QString::fromStdString(link.reverse)};
            const bool found = std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
                const QStringList words = line.simplified().split(QLatin1Char(' '));
                const auto has = [&words](const QString& text) {
                    return text.isEmpty() || words.contains(text); // an empty cell shows nothing
                };
                return words.size() >= 4 && words.mid(0, 3) == expected.mid(0, 3) &&
                       has(expected[3]) && has(expected[4]);
            });
            QVERIFY2(found, qPrintable(expected.join(QLatin1Char(' '))));
        }
        QVERIFY(text.contains(QStringLiteral("over"))); // the rows beyond 300 lbs are marked
    }

    void aLongAdviceWrapsUnderThePercentages() {
        PrintedReport report = planned(3, QStringLiteral("300"));
        report.advice = data_message(
            "Pull in reverse: 7% lower, 43 lbs against 46 lbs; a mid-assist point after link 2 "
            "lowers it to 22 lbs. Even the best pull exceeds the allowable tension of 10 lbs at "
            "link 3");
        const QString path = folder_.filePath(QStringLiteral("advice.pdf"));
        write(path, report, QPageSize(QPageSize::A4));
        const QString text =
            run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).simplified();
        QVERIFY(text.contains(QStringLiteral("Advice")));
        QVERIFY(text.contains(QStringLiteral("Pull in reverse: 7% lower")));
        QVERIFY(text.contains(QStringLiteral("allowable tension of 10 lbs at link 3")));
    }

    void theReportIsPrintedInTheProgramsLanguage() {
        Translations translations;
        translations.use(QStringLiteral("de"), QStringLiteral("en"));
        PrintedReport report = planned(3, QStringLiteral("300"));
        report.advice = Message(TENSORA_TEXT("Advice", "Pull in reverse: %1% lower, %2 against %3"))
                            .count_arg(7)
                            .figure(Figure::reading(43, Quantity::Tension, UnitSystem::InchPound))
                            .figure(Figure::reading(46, Quantity::Tension, UnitSystem::InchPound));
        // The user's own words stay as typed, even where they read as the program's.
        report.plan.description = "Forward";
        report.locale = {",", "."};
        CableGroup group;
        group.count = 3;
        group.description = "Down";
        group.od = 1.58;
        group.weight = 2200;
        PrintedCheck check;
        check.inputs = {{Message(TENSORA_TEXT("Report", "Cable group %1")).count_arg(1),
                         group_text(group, UnitSystem::InchPound)}};
        report.check = check;
        const QString path = folder_.filePath(QStringLiteral("german.pdf"));
        write(path, report, QPageSize(QPageSize::A4));
        const QString text =
            run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).simplified();
        QVERIFY(text.contains(
            QStringLiteral("Rückwärts ziehen: 7% niedriger, 43 lbs gegenüber 46 lbs")));
        QVERIFY2(text.contains(QStringLiteral(" Forward 300 ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("3 × Down: AD 1,58 in, 2200 lbs/kft")),
                 qPrintable(text.right(500)));
        QVERIFY(text.contains(QStringLiteral("Kabelgruppe 1 3 × Down")));
        QVERIFY(text.contains(QStringLiteral("Zulässige Zugkraft (lbs)")));
        QVERIFY(text.contains(QStringLiteral("1 Gerade 2 Bogen 3 Gerade")));
        QVERIFY(!text.contains(QStringLiteral("Allowable")));
    }

    void aLongPlanBreaksAcrossPagesWithItsHeadingsRepeated() {
        const PrintedReport report = planned(300);
        const QString path = folder_.filePath(QStringLiteral("long.pdf"));
        write(path, report, QPageSize(QPageSize::A4));
        const QString info = run(QStringLiteral("pdfinfo"), {path});
        const QString pages =
            info.section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed();
        QVERIFY(pages.toInt() >= 4);
        const QString text = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QCOMPARE(text.count(QStringLiteral("Length (ft)")), pages.toInt()); // every table page
        QVERIFY(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
        QVERIFY(text.contains(QStringLiteral("\n300 ")) || text.contains(QStringLiteral(" 300 ")));
    }

    void theRouteTakesAPageOfItsOwnAfterTheTables() {
        PrintedReport report = planned(6);
        const QString plain = folder_.filePath(QStringLiteral("plain.pdf"));
        write(plain, report, QPageSize(QPageSize::A4));
        const NumberLocale english{".", ","};
        PullPlanLinks plan(english);
        plan.append("Straight", "100", "0");
        plan.append("Angle", "3", "90");
        PullSettingsTexts settings;
        PullResults results;
        plan.calculate(settings, results);
        report.route =
            route_drawing(plan.values(), results, read_pull_settings(settings, english), true, 500);
        const QString drawn = folder_.filePath(QStringLiteral("route.pdf"));
        write(drawn, report, QPageSize(QPageSize::A4));
        QCOMPARE(pages(drawn), pages(plain) + 1);
        const QString last =
            run(QStringLiteral("pdftotext"),
                {QStringLiteral("-f"), QString::number(pages(drawn)), drawn, QStringLiteral("-")});
        QVERIFY(last.contains(QStringLiteral("Plan: the route from above")));
        QVERIFY(last.contains(QStringLiteral("Forward pull: tension from 0 to")));
    }

    void aPullsLogTakesAPageWithTheOverlayAndTheFit() {
        PrintedReport report = planned(6);
        const QString plain = folder_.filePath(QStringLiteral("plain-log.pdf"));
        write(plain, report, QPageSize(QPageSize::A4));
        TensionLog log;
        log.points = {{0, 0}, {300, 900}, {500, 1200}};
        LogFit fit;
        fit.friction = 0.4917;
        fit.route_length = 600;
        fit.measured_max = 1200;
        fit.over_allowable = {500};
        fit.verdict = Message(TENSORA_TEXT("Log", "As pulled: beyond the allowable tension from "
                                                  "%1"))
                          .figure(Figure::typed(500, Quantity::Length, UnitSystem::InchPound));
        report.log = printed_log(log, fit, true, 1000, UnitSystem::InchPound);
        QCOMPARE(report.log->over.size(), 1u);
        const QString logged = folder_.filePath(QStringLiteral("log.pdf"));
        write(logged, report, QPageSize(QPageSize::A4));
        QCOMPARE(pages(logged), pages(plain) + 1);
        const QString last = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-f"), QString::number(pages(logged)), logged,
                                  QStringLiteral("-")});
        QVERIFY(last.contains(QStringLiteral("Pull log: measured over planned")));
        QVERIFY(last.contains(QStringLiteral("0.4917 (largest"))); // "ff" may print joined
        QVERIFY(!last.contains(QStringLiteral("above the chart"))); // 1000 lbs is on it now
        QVERIFY(last.contains(QStringLiteral("beyond the allowable tension from 500 ft")));
    }

    void theCableBlockNamesTheBackTensionAndTheTrueShares() {
        PrintedReport report = planned(4, QStringLiteral("5"));
        report.plan.back_tension = "50";
        const QString path = folder_.filePath(QStringLiteral("shares.pdf"));
        write(path, report, QPageSize(QPageSize::A4));
        const QString text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(text.contains(QStringLiteral("Back tension (lbs)")));
        QVERIFY2(text.contains(QStringLiteral("%1 of the allowable tension")
                                   .arg(QString::fromStdString(report.forward_share))),
                 qPrintable(QString::fromStdString(report.forward_share)));
        QVERIFY2(std::stoi(report.forward_share) > 100, report.forward_share.c_str()); // uncapped
    }

    // The length of the longest run of rule-grey pixels on each line of the first page.
    static QList<int> ruleRuns(const QString& pdf, const QString& prefix) {
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-gray"),
             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
        const QImage page(prefix + QStringLiteral(".png"));
        QList<int> runs;
        for (int y = 0; y < page.height(); ++y) {
            int length = 0;
            int longest = 0;
            for (int x = 0; x < page.width(); ++x) {
                const int grey = qGray(page.pixel(x, y));
                length = grey > 110 && grey < 190 ? length + 1 : 0;
                longest = std::max(longest, length);
            }
            runs.append(longest);
        }
        return runs;
    }

    void aTablesRuleSpansItsColumnsAndEveryTableTakesOneSize() {
        PrintedReport report = planned(2);
        report.fill = FillReport{"Schedule 40",
                                 "1 cables",
                                 {"0.5"},
                                 "0.19625",
                                 "Maximum combined pair width (in)",
                                 "0.5",
                                 {{"1/2", "0.602", ".2845", "69%"}}};
        const QString path = folder_.filePath(QStringLiteral("fill.pdf"));
        write(path, report, QPageSize(QPageSize::A4));
        const QList<int> runs = ruleRuns(path, folder_.filePath(QStringLiteral("fill")));
        // The fill table's four columns are four inches wide: 576 pixels at 144 dpi.
        QVERIFY(std::any_of(runs.begin(), runs.end(),
                            [](int length) { return length > 560 && length < 592; }));
        const QString boxes =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
        // A word of the plan table, of the fill table and of the cable list: one height.
        const auto height = [&boxes](const QString& word) {
            const qsizetype at = boxes.indexOf(QStringLiteral(">") + word + QStringLiteral("<"));
            const QString tag = boxes.left(at).section(QStringLiteral("<word"), -1);
            const double top =
                tag.section(QStringLiteral("yMin=\""), 1).section('"', 0, 0).toDouble();
            const double bottom =
                tag.section(QStringLiteral("yMax=\""), 1).section('"', 0, 0).toDouble();
            return qRound((bottom - top) * 10);
        };
        QCOMPARE(height(QStringLiteral("0.602")), height(QStringLiteral("Straight")));
        QCOMPARE(height(QStringLiteral("Description")), height(QStringLiteral("Straight")));
    }

    void noTitleOrHeadingIsCutOnLetterOrA4InEitherUnits() {
        PrintedReport report = planned(4);
        PrintedCheck check;
        check.bends = {{"2", data_message("0.7640"), data_message("253"), data_message("1010"),
                        data_message("1000, over reverse")}};
        check.bend_headings = {data_message("Link"), data_message("Radius (ft)"),
                               data_message("Bearing, forward (lbs/ft)"),
                               data_message("Bearing, reverse (lbs/ft)"),
                               data_message("Limit (lbs/ft)")};
        check.bend_over = {true};
        for (const UnitSystem units : {UnitSystem::InchPound, UnitSystem::Metric}) {
            report.units = units;
            if (units == UnitSystem::Metric) {
                const ColumnUnit kilo{UnitSystem::Metric, true};
                report.column_units = {kilo, kilo, kilo, kilo};
                check.bend_headings = {data_message("Link"), data_message("Radius (m)"),
                                       data_message("Bearing, forward (kN/m)"),
                                       data_message("Bearing, reverse (kN/m)"),
                                       data_message("Limit (N/m)")};
            }
            report.check = check;
            for (const QPageSize::PageSizeId size : {QPageSize::Letter, QPageSize::A4}) {
                const QString path = folder_.filePath(QStringLiteral("headings.pdf"));
                write(path, report, QPageSize(size));
                const QStringList words = run(QStringLiteral("pdftotext"),
                                              {QStringLiteral("-raw"), path, QStringLiteral("-")})
                                              .simplified()
                                              .split(QLatin1Char(' '));
                QStringList expected =
                    QStringLiteral("Plan (\"over\": beyond the allowable tension; "
                                   "\"held\": held at zero; sidewall: tension leaving "
                                   "a bend / its length) Sidewall bearing pressure from "
                                   "each bend's radius, corrected pull Forward Reverse "
                                   "Sidewall Bearing, forward reverse Limit")
                        .split(QLatin1Char(' '));
                expected << (units == UnitSystem::Metric
                                 ? QStringList{"(kN)", "(kN/m)", "(N/m)", "(m)"}
                                 : QStringList{"(lbs)", "(lbs/ft)", "(ft)"});
                for (const QString& word : expected) {
                    QVERIFY2(words.contains(word), qPrintable(word));
                }
            }
        }
    }

    // German's longer words widen their columns, and the table still keeps to the page: no
    // word runs into the next on its line or past the page's edge.
    void noHeadingOrCellIsCutInGerman() {
        Translations translations;
        translations.use(QStringLiteral("de"), QStringLiteral("en"));
        PrintedReport report = planned(4, QStringLiteral("3"));
        report.plan.links[1].right = true;
        report.plan.links[1].sheave = true;
        static const QRegularExpression box(QStringLiteral(
            "<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\"[^>]*>"));
        for (const QPageSize::PageSizeId size : {QPageSize::Letter, QPageSize::A4}) {
            const QString path = folder_.filePath(QStringLiteral("german.pdf"));
            write(path, report, QPageSize(size));
            const QString boxes = run(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-bbox"), path, QStringLiteral("-")});
            const double page = QPageSize(size).size(QPageSize::Point).width();
            double last_top = -1;
            double last_right = 0;
            for (auto it = box.globalMatch(boxes); it.hasNext();) {
                const auto word = it.next();
                const double left = word.captured(1).toDouble();
                const double top = word.captured(2).toDouble();
                const double right = word.captured(3).toDouble();
                QVERIFY2(right <= page - 18, qPrintable(word.captured(0)));
                if (std::abs(top - last_top) < 0.5) {
                    QVERIFY2(left >= last_right - 0.5, qPrintable(word.captured(0)));
                }
                last_top = top;
                last_right = right;
            }
        }
    }

    void letterWhereTheCountryUsesIt() {
        QCOMPARE(report_page_size(QLocale(QLocale::English, QLocale::UnitedStates)).id(),
                 QPageSize::Letter);
        QCOMPARE(report_page_size(QLocale(QLocale::German, QLocale::Germany)).id(), QPageSize::A4);
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::ReportRendererTest)
#include "report_renderer_test.moc"
