#include "cli/cli.h"
#include "print/report_renderer.h"

#include <QDate>
#include <QGuiApplication>
#include <QLocale>

#include <csignal>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

// The report for people needs Qt GUI, started only when a PDF is asked for, on the offscreen
// platform: the command line needs no display.
class PdfRenderer {
public:
    PdfRenderer(int& argc, char** argv) : argc_(argc), argv_(argv) {}

    std::optional<std::string> operator()(const tensora::PrintedReport& report) {
        start();
        tensora::PrintedReport dated = report;
        dated.date = today();
        return bytes(tensora::report_pdf(dated, tensora::report_page_size(QLocale::system())));
    }

    std::optional<std::string> operator()(const tensora::PrintedJob& job) {
        start();
        tensora::PrintedJob dated = job;
        dated.date = today();
        for (tensora::PrintedReport& pull : dated.pulls) {
            pull.date = dated.date;
        }
        return bytes(tensora::job_pdf(dated, tensora::report_page_size(QLocale::system())));
    }

private:
    void start() {
        if (!application_) {
            // Qt's own notes (a missing runtime folder, say) are not the command line's messages.
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
            qputenv("QT_QPA_PLATFORM", "offscreen");
            application_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    static std::string today() {
        return QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
    }
    static std::optional<std::string> bytes(const QByteArray& pdf) {
        if (pdf.isEmpty()) {
            return std::nullopt;
        }
        return pdf.toStdString();
    }

    int& argc_;
    char** argv_;
    std::unique_ptr<QGuiApplication> application_;
};

} // namespace

int main(int argc, char* argv[]) {
    // A reader that went away (a closed pipe) is a failed write, reported like a full disk,
    // instead of a silent end by signal.
    std::signal(SIGPIPE, SIG_IGN);
    PdfRenderer pdf(argc, argv);
    tensora::CliServices services = tensora::installed_services();
    services.render_pdf = [&pdf](const tensora::PrintedReport& report) { return pdf(report); };
    services.render_job_pdf = [&pdf](const tensora::PrintedJob& job) { return pdf(job); };
    return tensora::run_cli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                            services);
}
