// tensora-cli pull: the pull planner from the command line.
#pragma once

#include "pullplan/tension_log.h"

#include "cli/cli.h"
#include "pullplan/pull_plan.h"
#include "report/report.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

struct PrintedCheck;
struct PrintedReport;
struct PrintedComparison;
struct PrintedLog;

// A pull as its options and links ask for it.
struct PullRequest {
    PullSettingsTexts settings;
    std::vector<PullLinkTexts> links;
    std::string description = "Cable to pull";
    std::optional<std::string> save_report;
    std::optional<std::string> report_file;
    std::optional<std::string> pdf;
    std::optional<std::string> csv;
    // What the error stream is to say before the results (a report read in part, say).
    std::vector<std::string> notes;
    // Where an imported route came from, for the saved report's line.
    std::string route_source;
    // The parts of the report read (--report) besides its plan, which a report saved again
    // keeps (a command that has parts of its own sets them).
    ReportContents kept;
    // The pulling equipment's inputs of the report read (--report), or none.
    std::optional<EquipmentReport> report_equipment;
    bool json = false;
    bool help = false;
    // --log: a tension log laid over the plan, in the direction of --log-direction, its units
    // where it does not say them.
    std::optional<std::string> log_file;
    bool log_reverse = false;
    LogOptions log_options;
    // The units of the options, links and results (--units); the output names them only when
    // --units was given, so that a script that never asked keeps its output.
    UnitSystem units = UnitSystem::InchPound;
    bool units_named = false;
    // What a report's inch-pound texts were before they were shown in metric units: a figure
    // not changed since is saved again as the very text it was read as.
    struct ReportMemos {
        SwitchMemo allowable;
        SwitchMemo weight;
        SwitchMemo back_tension;
        std::vector<SwitchMemo> lengths;     // of the report's links, in their order
        std::vector<SwitchMemo> raceway_ids; // the same of their raceways' inside diameters
    } from_report;
};

// An option of a command built on `pull` that `pull` does not have: given the arguments and
// the option's place, it takes the option (and its value, moving the place on) and returns
// true, or returns false for an option it does not know either.
class CommandOptions;
// A command's own options, added to pull's.
using MoreOptions = std::function<void(CommandOptions& options)>;

// Reads the options and links of `pull`, and those of `more`, for the command named.
// A link's raceway=NAME is looked up in the friction library the services find.
PullRequest parse_pull_request(const std::vector<std::string>& arguments, std::string_view command,
                               const CliServices& services, const MoreOptions& more = {});

// The report for people of a pull held as a report's text, in the units given, with its check
// where the report holds its conduit and cables; `name` stands for its file.
PrintedReport printed_pull(const std::string& text, const std::string& name, UnitSystem units);

// The links as the calculation reads them, in the request's units.
std::vector<PullLinkValues> link_values(const PullRequest& request);

// The planner's warnings for the cable boxes, on the error stream.
void warn_pull_settings(const PullSettingsTexts& settings, std::ostream& err);

// What --save-report, --pdf and --csv ask for, each file whole or not at all: every file's
// place is checked before any is written (CliRefusal), and a write that fails after that
// names the files already written (CliFailure). The PDF adds the pull check when one is given.
// The PDF adds the options compared when a comparison is given.
void write_pull_files(const PullRequest& request, const PullResults& results,
                      const CliServices& services, const PrintedCheck* check = nullptr,
                      const PrintedComparison* comparison = nullptr,
                      const PrintedLog* log = nullptr);

// Runs `pull` with its arguments (those after the command word); a command line that cannot
// be run throws CliRefusal before anything is printed.
void run_pull_command(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err, const CliServices& services);

} // namespace tensora
