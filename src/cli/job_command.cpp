#include "cli/job_command.h"

#include "cli/cli.h"
#include "cli/cli_options.h"
#include "cli/json_document.h"
#include "numbers/shown_figures.h"
#include "report/file_saving.h"
#include "cli/pull_command.h"
#include "report/job.h"
#include "report/printed_report.h"
#include "report/plan_csv.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

namespace tensora {
namespace {

struct JobRequest {
    std::string file;
    std::optional<std::string> add_pull;
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::vector<std::string> slacks;
    std::optional<std::string> margin;
    std::optional<std::string> pdf;
    bool order = false;
    bool json = false;
    bool csv = false;
    UnitSystem units = UnitSystem::InchPound;
};

std::optional<std::string> file_bytes(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes.str();
}

// The job's changes of the command line: a pull added from a report, slack and margin.
bool change_job(const JobRequest& request, Job& job) {
    bool changed = false;
    if (request.add_pull) {
        if (!request.from || !request.to) {
            throw CliRefusal{"tensora-cli: --add-pull needs --from and --to"};
        }
        const auto text = file_bytes(*request.add_pull);
        if (!text) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("add-pull", *request.add_pull, "cannot be read")};
        }
        std::istringstream in(*text);
        if (!read_report(in).is_report) {
            throw CliRefusal{"tensora-cli: " + argument_message("add-pull", *request.add_pull,
                                                                "not a Tensora report")};
        }
        job.structure(*request.from);
        job.structure(*request.to);
        job.pulls.push_back({*request.from, *request.to, *text});
        changed = true;
    } else if (request.from || request.to) {
        throw CliRefusal{"tensora-cli: --from and --to name the ends of --add-pull's pull"};
    }
    for (const std::string& slack : request.slacks) {
        const std::size_t equals = slack.rfind('=');
        const std::string name = equals == std::string::npos ? "" : slack.substr(0, equals);
        const std::string length = equals == std::string::npos ? "" : slack.substr(equals + 1);
        if (name.empty() || !isNumberText(length, kEnglish) ||
            !(read_input(length, kEnglish) >= 0)) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("slack", slack, "expected NAME=LENGTH, 0 or more")};
        }
        job.structure(name).slack =
            inch_pound_value(read_input(length, kEnglish), Quantity::Length, request.units);
        changed = true;
    }
    if (request.margin) {
        if (!isNumberText(*request.margin, kEnglish) ||
            !(read_input(*request.margin, kEnglish) >= 0)) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("margin", *request.margin, "not a number of 0 or more")};
        }
        job.margin = read_input(*request.margin, kEnglish);
        changed = true;
    }
    return changed;
}

// A CSV row, each field quoted where it needs it, ended by CR LF as the plan's CSV is.
void append_row_text(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << (i ? "," : "") << csv_field(fields[i]);
    }
    out << "\r\n";
}

// The job's PDF: the schedule and the cable to order, then each pull as its report prints it.
void write_job_pdf(const std::string& path, const Job& job, const std::vector<ScheduleRow>& rows,
                   UnitSystem units, const CliServices& services) {
    if (!services.render_job_pdf) {
        throw CliRefusal{"tensora-cli: --pdf is not available here"};
    }
    PrintedJob printed = printed_job_schedule(rows, cable_order(job), units);
    printed.file_name = path;
    for (std::size_t i = 0; i < job.pulls.size(); ++i) {
        const JobPull& pull = job.pulls[i];
        printed.pulls.push_back(printed_pull(pull.report,
                                             "Pull " + std::to_string(i + 1) + ": " + pull.from +
                                                 " - " + pull.to,
                                             units));
    }
    Message reason(TENSORA_TEXT("Files", "the document could not be drawn"));
    const std::optional<std::string> bytes = services.render_job_pdf(printed);
    if (!bytes || !save_whole_file(path, *bytes, reason)) {
        throw CliFailure{"tensora-cli: " +
                         argument_message("pdf", path,
                                          "could not be written (" + english_text(reason) + ")")};
    }
}

std::string length_text(double feet, UnitSystem units) {
    return fixed_number_text(shown_value(feet, Quantity::Length, units), 2);
}

} // namespace

void run_job_command(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream&, const CliServices& services) {
    JobRequest request;
    std::vector<std::string> words;
    CommandOptions options("job");
    options.value("--add-pull", [&request](const std::string& v) { request.add_pull = v; });
    options.value("--from", [&request](const std::string& v) { request.from = v; });
    options.value("--to", [&request](const std::string& v) { request.to = v; });
    options.value("--slack", [&request](const std::string& v) { request.slacks.push_back(v); });
    options.value("--margin", [&request](const std::string& v) { request.margin = v; });
    options.value("--units", [&request](const std::string& v) { request.units = units_value(v); });
    options.flag("--order", [&request] { request.order = true; });
    options.value("--pdf", [&request](const std::string& v) { request.pdf = v; });
    options.flag("--json", [&request] { request.json = true; });
    options.flag("--csv", [&request] { request.csv = true; });
    if (!options.parse(arguments, words)) {
        out << cli_usage();
        return;
    }
    if (words.size() != 1) {
        throw CliRefusal{"tensora-cli: job takes one job file"};
    }
    request.file = words.front();
    Job job;
    std::error_code exists_error;
    const bool exists = std::filesystem::exists(request.file, exists_error);
    if (exists) {
        const auto text = file_bytes(request.file);
        if (!text) {
            throw CliRefusal{"tensora-cli: " + argument_message("job", request.file,
                                                                "cannot be read")};
        }
        JobFile file = read_job(*text);
        if (!file.error.empty()) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("job", request.file,
                                              "cannot be read (" + english_text(file.error) + ")")};
        }
        job = std::move(file.job);
    }
    const bool changed = change_job(request, job);
    if (!exists && !changed) {
        throw CliRefusal{"tensora-cli: " + argument_message("job", request.file, "cannot be read")};
    }
    if (changed) {
        Message reason;
        if (!save_whole_file(request.file, job_text(job), reason)) {
            throw CliFailure{"tensora-cli: " +
                             argument_message("job", request.file,
                                              "could not be written (" + english_text(reason) +
                                                  "); the file is as it was")};
        }
    }
    const std::vector<ScheduleRow> rows = job_schedule(job);
    const UnitSystem units = request.units;
    if (request.pdf) {
        write_job_pdf(*request.pdf, job, rows, units, services);
    }
    double largest = 0;
    for (const ScheduleRow& row : rows) {
        largest = std::max({largest, row.forward_max, row.reverse_max});
    }
    const ColumnUnit unit = column_unit(Quantity::Tension, units, largest);
    const auto tension = [&unit](double pounds) {
        return english_text(
            figure_message(Figure::column(pounds, Quantity::Tension, unit).without_symbol()));
    };
    const auto point = [](const ScheduleRow& row) {
        return row.mid_assist ? std::to_string(*row.mid_assist + 1) : std::string("none");
    };
    const CableOrder order = cable_order(job);
    std::vector<int> failing;
    for (const ScheduleRow& row : rows) {
        if (row.checked && !row.ok) {
            failing.push_back(row.number);
        }
    }
    if (request.json) {
        JsonDocument document;
        JsonDocument::Json pulls = JsonDocument::Json::array();
        for (const ScheduleRow& row : rows) {
            JsonDocument::Json item = {
                {"number", row.number},
                {"from", row.from},
                {"to", row.to},
                {"cables", english_text(row.cables)},
                {"length", document.exact(shown_value(row.length, Quantity::Length, units))},
                {"rise", document.exact(shown_value(row.rise, Quantity::Length, units))},
                {"forward_max", tension(row.forward_max)},
                {"reverse_max", tension(row.reverse_max)},
                {"direction", direction_key(row.direction)},
                {"mid_assist", point(row)},
                {"verdict", english_text(row.verdict)},
                {"ok", row.ok},
                {"checked", row.checked}};
            if (row.share) {
                item["percent"] = document.exact(*row.share);
            }
            if (row.sidewall) {
                item["sidewall"] =
                    document.exact(shown_value(*row.sidewall, Quantity::Pressure, units));
            }
            pulls.push_back(std::move(item));
        }
        JsonDocument::Json json = {{"pulls", std::move(pulls)},
                                   {"tension_unit", column_symbol(Quantity::Tension, unit)},
                                   {"length_unit", unit_symbol(Quantity::Length, units)}};
        if (request.order) {
            JsonDocument::Json lines = JsonDocument::Json::array();
            for (const OrderLine& line : order.lines) {
                lines.push_back(
                    {{"cable", line.cable},
                     {"length", document.exact(shown_value(line.length, Quantity::Length, units))}});
            }
            json["order"] = std::move(lines);
            json["order_total"] = document.exact(shown_value(order.total, Quantity::Length, units));
        }
        document.write(json, out);
    } else if (request.csv) {
        append_row_text(out, {"Pull", "From", "To", "Cables",
                              "Length (" + std::string(unit_symbol(Quantity::Length, units)) + ")",
                              "Rise", "Forward max", "Reverse max", "Percent", "Sidewall",
                              "Direction", "Mid-assist", "Verdict"});
        for (const ScheduleRow& row : rows) {
            append_row_text(out, {std::to_string(row.number), row.from, row.to,
                                  english_text(row.cables), length_text(row.length, units),
                                  length_text(row.rise, units), tension(row.forward_max),
                                  tension(row.reverse_max),
                                  row.share ? fixed_number_text(*row.share, 0) : "",
                                  row.sidewall ? fixed_number_text(shown_value(*row.sidewall,
                                                                               Quantity::Pressure,
                                                                               units),
                                                                   0)
                                               : "",
                                  std::string(direction_key(row.direction)), point(row),
                                  english_text(row.verdict)});
        }
    } else {
        for (const ScheduleRow& row : rows) {
            out << "pull\t" << row.number << '\t' << row.from << '\t' << row.to << '\t'
                << english_text(row.cables) << '\t' << length_text(row.length, units) << '\t'
                << length_text(row.rise, units) << '\t' << tension(row.forward_max) << '\t'
                << tension(row.reverse_max) << '\t'
                << (row.share ? fixed_number_text(*row.share, 0) : "") << '\t'
                << (row.sidewall ? fixed_number_text(
                                       shown_value(*row.sidewall, Quantity::Pressure, units), 0)
                                 : "")
                << '\t' << direction_key(row.direction) << '\t' << point(row) << '\t'
                << english_text(row.verdict) << '\n';
        }
        out << "fails\t";
        for (std::size_t i = 0; i < failing.size(); ++i) {
            out << (i ? "," : "") << failing[i];
        }
        out << (failing.empty() ? "none\n" : "\n");
    }
    if (request.order && !request.json) {
        for (const OrderLine& line : order.lines) {
            out << "order\t" << line.cable << '\t' << length_text(line.length, units) << '\n';
        }
        out << "order-total\t" << length_text(order.total, units) << '\n';
    }
    if (!failing.empty()) {
        throw CliFailure{"tensora-cli: " + std::to_string(failing.size()) +
                         (failing.size() == 1 ? " pull fails" : " pulls fail") + " its check"};
    }
}

} // namespace tensora
