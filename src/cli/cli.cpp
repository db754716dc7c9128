#include "cli/cli.h"

#include "calculators/calculator_inputs.h"
#include "calculators/formulas.h"
#include "calculators/number_rules.h"
#include "cli/pull_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <optional>
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
  bend TENSION ANGLE FRICTION
      Tension leaving a bend, lbs: tension before the bend (lbs) *
      e ^ (angle (degrees) / 57.3 * coefficient of friction).
  sidewall TENSION LENGTH
      Sidewall pressure in a bend: tension in the bend (lbs) / bend length.
      A bend length of 0 prints "Undefined: bend length is 0".
  maxpull TENSION WEIGHT FRICTION
      Longest straight pull, ft: maximum tension (lbs) /
      (cable weight (lbs/kft) * coefficient of friction) * 1000. A weight or friction of 0
      prints "Unlimited: no weight or friction"; a negative input prints
      "None: an input is negative".
  lube LENGTH DIAMETER
      Pulling lubricant, gallons: 0.0015 * pull length (ft) * conduit inner diameter (in),
      printed with one decimal as the window shows it ("3." for 3 gallons, ".9" for 0.9375).

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

// How one box of a window reads and checks its text: a range input, a friction input, or a
// box without a check (the lubricant calculator's diameter).
enum class Box { Range, Friction, Unchecked };

struct Argument {
    std::string_view text;
    Box box;
};

double read_box(const Argument& argument, std::ostream& err) {
    std::optional<std::string_view> warning;
    if (argument.box == Box::Range) {
        warning = range_input_message(argument.text, kEnglish);
    } else if (argument.box == Box::Friction) {
        warning = friction_input_message(argument.text, kEnglish);
    }
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

using Values = std::vector<double>;

struct Command {
    std::string_view name;
    std::vector<Box> boxes;
    std::function<double(const Values&)> calculate;
    // The result label's text.
    std::function<std::string(const Values&)> shown;
    // Whether the label shows a clear text instead of a number (no meaningful answer); that
    // text is printed with --exact as well.
    std::function<bool(const Values&)> no_number = [](const Values&) { return false; };
};

std::vector<Command> commands() {
    const auto whole = [](const auto& formula) {
        return [formula](const Values& v) { return wholeResultText(formula(v)); };
    };
    const auto straight = [](const Values& v) {
        return straight_section_tension(v[0], v[1], v[2]);
    };
    const auto bend = [](const Values& v) { return bend_exit_tension(v[0], v[1], v[2]); };
    return {
        {"straight", {Box::Range, Box::Range, Box::Friction}, straight, whole(straight)},
        {"bend", {Box::Range, Box::Range, Box::Friction}, bend, whole(bend)},
        {"sidewall",
         {Box::Range, Box::Range},
         [](const Values& v) { return sidewall_pressure(v[0], v[1]); },
         [](const Values& v) { return sidewall_result_text(v[0], v[1]); },
         [](const Values& v) { return v[1] == 0; }},
        {"maxpull",
         {Box::Range, Box::Range, Box::Friction},
         [](const Values& v) { return max_pull_length(v[0], v[1], v[2]); },
         [](const Values& v) { return max_pull_result_text(v[0], v[1], v[2]); },
         [](const Values& v) { return v[0] < 0 || v[1] <= 0 || v[2] <= 0; }},
        {"lube",
         {Box::Range, Box::Unchecked},
         [](const Values& v) { return lubricant_quantity(v[0], v[1]); },
         [](const Values& v) {
             return lubricant_result_text(lubricant_quantity(v[0], v[1]), ".");
         }},
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
    const bool exact_number = exact && !command->no_number(values);
    out << (exact_number ? exact_text(command->calculate(values)) : command->shown(values)) << '\n';
    return 0;
}

} // namespace tensora
