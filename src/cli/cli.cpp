#include "cli/cli.h"

#include "calculators/calculator_inputs.h"
#include "calculators/number_rules.h"
#include "calculators/straight_section.h"
#include "cli/pull_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <ostream>
#include <string_view>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

constexpr std::string_view kUsage =
    R"(Usage: tensora-cli COMMAND [ARGUMENT...] [--exact]

Commands:
  straight LENGTH WEIGHT FRICTION
      Tension to pull a cable through a straight section, lbs:
      length (ft) * cable weight (lbs/kft) * coefficient of friction / 1000.

Numbers are read as the calculator windows read their boxes, with "." as the decimal point
and "," grouping thousands ("1,000" is 1000). The result is printed as the window shows it
(rounded down to a whole number); --exact prints the unrounded value with 17 significant
digits instead. A value the window would warn about prints the window's message on stderr,
and the result is still printed. A result that is not finite prints "Out of range".

  pull [--friction TEXT] [--weight TEXT] [--allowable TEXT] [--back-tension TEXT]
       [--mid-assist N] [--plan FILE] [--json] [LINK...]
      The pull planner. Options are read as the pull calculator reads its boxes; their
      defaults are its design texts (friction 0.150, weight 5 lbs/kft, allowable tension
      10 lbs, back tension 0 lbs). A LINK is s:LENGTH for a straight section or
      b:LENGTH:ANGLE for a bend (length in ft, angle in degrees). --plan FILE reads links
      first, one a line: "Straight LENGTH" or "Angle LENGTH ANGLE"; blank lines and lines
      starting with # are skipped. --mid-assist N makes link N the mid-assist pull point.
      Prints one line a link, tab-separated: number, type, length, angle, forward
      cumulative, forward sidewall, reverse cumulative, reverse sidewall (the window's
      column texts); then "forward-percent", "reverse-percent" (what the bars show, 0 to
      100; 0 when the allowable tension is not positive), "bars" ("shown" or "hidden") and
      "caption" (the mid-assist caption, empty when none), each followed by a tab and its
      value. A bend of length 0 shows "no length" as sidewall pressure. --json prints the
      same as one JSON object, with the unrounded tensions (null when not finite).

Exit status: 0 when a result was printed, 2 for a command line that cannot be run.
  --help    show this text
)";

// How one range input or friction box of a window reads and checks its text.
enum class Box { Range, Friction };

struct Argument {
    std::string_view text;
    Box box;
};

double read_box(const Argument& argument, std::ostream& err) {
    const auto warning = argument.box == Box::Range
                             ? range_input_message(argument.text, kEnglish)
                             : friction_input_message(argument.text, kEnglish);
    if (warning) {
        err << *warning << '\n';
    }
    return read_input(argument.text, kEnglish);
}

std::string exact_text(double value) {
    if (!std::isfinite(value)) {
        return std::string(kNotFiniteText);
    }
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

struct Command {
    std::string_view name;
    std::vector<Box> boxes;
    std::function<double(const std::vector<double>&)> calculate;
    std::function<std::string(double)> shown;
};

std::vector<Command> commands() {
    return {
        {"straight",
         {Box::Range, Box::Range, Box::Friction},
         [](const std::vector<double>& v) { return straight_section_tension(v[0], v[1], v[2]); },
         [](double result) { return wholeResultText(result); }},
    };
}

} // namespace

int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << kUsage;
            return 0;
        }
    }
    if (!arguments.empty() && arguments[0] == "pull") {
        return run_pull_command({arguments.begin() + 1, arguments.end()}, out, err);
    }
    bool exact = false;
    std::vector<std::string_view> words;
    for (const std::string& argument : arguments) {
        if (argument == "--exact") {
            exact = true;
        } else {
            words.emplace_back(argument);
        }
    }
    if (words.empty()) {
        err << kUsage;
        return 2;
    }
    const auto all = commands();
    const auto command = std::find_if(all.begin(), all.end(),
                                      [&words](const Command& c) { return c.name == words[0]; });
    if (command == all.end()) {
        err << "tensora-cli: unknown command '" << words[0] << "' (see tensora-cli --help)\n";
        return 2;
    }
    if (words.size() - 1 != command->boxes.size()) {
        err << "tensora-cli: '" << command->name << "' takes " << command->boxes.size()
            << " numbers (see tensora-cli --help)\n";
        return 2;
    }
    std::vector<double> values;
    for (std::size_t i = 0; i < command->boxes.size(); ++i) {
        values.push_back(read_box({words[i + 1], command->boxes[i]}, err));
    }
    const double result = command->calculate(values);
    out << (exact ? exact_text(result) : command->shown(result)) << '\n';
    return 0;
}

} // namespace tensora
