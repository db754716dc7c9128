// tensora-cli: the calculators for scripts and spreadsheets. Arguments are read as the
// windows read their boxes, in an English locale; results are printed as the windows show
// them; the windows' warnings go to the error stream, each naming its argument.
#pragma once

#include "numbers/message.h"
#include "numbers/number_rules.h"

#include "numbers/units.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

struct PrintedReport;
struct PrintedJob;

// The command line reads and writes its numbers as the English program does.
inline const NumberLocale kEnglish{".", ","};

// What the command line asks of the program around it: drawing the report for people as a
// PDF (which needs Qt GUI, kept out of the command line's core).
struct CliServices {
    // The PDF document, or none when it cannot be drawn.
    std::function<std::optional<std::string>(const PrintedReport& report)> render_pdf;
    // The same for a job: its schedule, the cable to order and each pull.
    std::function<std::optional<std::string>(const PrintedJob& job)> render_job_pdf;
    // Where the friction library is found: the folders searched for the shipped file (as the
    // cable data is), and the user's own file, which need not exist.
    std::vector<std::filesystem::path> data_folders;
    std::filesystem::path user_friction_file;
};

// The folders the installed command line finds its data in: the current folder, the program's
// own, and share/tensora beside the program's folder; and the user's own friction entries
// (Tensora/friction.json in the user's settings folder, as the windows keep it).
CliServices installed_services();

// Runs one command line (without the program name). Returns the exit status: 0 on success,
// 1 when the result could not be written, 2 for a command line that cannot be run.
int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
            const CliServices& services = {});

// A command line that cannot be run, thrown by the commands: the message says why, and the
// exit status is 2.
struct CliRefusal {
    std::string message;
};

// A command that failed once it had begun writing its files: the message says why and which
// files were written, and the exit status is 1.
struct CliFailure {
    std::string message;
};

// The value of --units: "si" (metric) or "imperial" (inch-pound, the default); anything else
// cannot be run.
UnitSystem units_value(std::string_view value);

// The text --help prints.
std::string_view cli_usage();

// Whether an argument asks for the usage text (where an option may stand).
bool is_help_option(std::string_view argument);

// An argument's text as messages quote it: in double quotes, at most 60 characters, control
// characters and bytes that are not UTF-8 escaped (\t, \n, \r, \", \\, \xNN); a longer text
// is cut and followed by "...".
std::string quoted_argument(std::string_view text);

// A message about one argument: its name, its quoted text, the message.
std::string argument_message(std::string_view name, std::string_view text,
                             std::string_view message);
std::string argument_message(std::string_view name, std::string_view text, const Message& message);

// Whether a text holds a tab or a line break between its first and last characters that are
// not blanks: such a text would break the tab-separated, line-per-link output.
bool breaks_output_shape(std::string_view text);

// Whether a text holds a line break anywhere: an option's text is kept as given (in a saved
// report, say), where a line break would start a line of its own.
bool has_line_break(std::string_view text);

} // namespace tensora
