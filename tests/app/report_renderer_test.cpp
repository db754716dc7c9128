#include "app/report_renderer.h"
#include "pullplan/pull_plan_links.h"
#include "support/window_test.h"

#include <QProcess>
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
        report.forward_percent = results.forward_percent;
        report.reverse_percent = results.reverse_percent;
        report.over_limit = links_over_limit(results, read_input(settings.allowable, english));
        std::vector<std::string> angles;
        for (std::size_t i = 0; i < plan.size(); ++i) {
            angles.push_back(plan.angle(i));
        }
        report.profile = tension_profile({plan.values(), angles, settings, results, english});
        return report;
    }

    static QString run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir folder_;

private slots:
    void theTextHoldsTheCableEveryRowAndThePercentages() {
        const PrintedReport report = planned(12, QStringLiteral("300"));
        const QString path = folder_.filePath(QStringLiteral("short.pdf"));
        QString reason;
        QVERIFY(write_report_pdf(path, report, QPageSize(QPageSize::Letter), reason));
        const QString text = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(text.contains(QStringLiteral("PWR 3 x 500 kcmil")));
        QVERIFY(text.contains(QStringLiteral("/plans/run.rtf")));
        QVERIFY(text.contains(
            QStringLiteral("%1% of the allowable tension").arg(report.forward_percent)));
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

    void aLongPlanBreaksAcrossPagesWithItsHeadingsRepeated() {
        const PrintedReport report = planned(300);
        const QString path = folder_.filePath(QStringLiteral("long.pdf"));
        QString reason;
        QVERIFY(write_report_pdf(path, report, QPageSize(QPageSize::A4), reason));
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

    void anUnwritableTargetLeavesNoFile() {
        QString reason;
        const QString path = folder_.filePath(QStringLiteral("no/such/folder/report.pdf"));
        QVERIFY(!write_report_pdf(path, planned(2), QPageSize(QPageSize::A4), reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(!QFile::exists(path));
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
