#include "cli/advise_command.h"

#include "cli/cli.h"
#include "cli/pull_command.h"
#include "numbers/input_checks.h"
#include "pullplan/pull_advice.h"
#include "pullplan/pull_check.h"

#include <cmath>
#include <optional>
#include <ostream>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

// A tension as the planner's columns write it in the units asked for, "0" for an empty cell.
std::string tension_text(double pounds, UnitSystem units) {
    return column_figure_text(pounds, Quantity::Tension,
                              column_unit(Quantity::Tension, units, std::fabs(pounds)));
}

std::string tension_unit(double pounds, UnitSystem units) {
    return column_symbol(Quantity::Tension,
                         column_unit(Quantity::Tension, units, std::fabs(pounds)));
}

} // namespace

void run_advise_command(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err) {
    std::optional<std::string> limit_text;
    const PullRequest request = parse_pull_request(
        arguments, "advise", [&limit_text](const std::vector<std::string>& all, std::size_t& i) {
            if (all[i] != "--swbp-limit") {
                return false;
            }
            limit_text = option_value(all, i);
            return true;
        });
    if (request.help) {
        out << cli_usage();
        return;
    }
    if (request.pdf || request.csv || request.save_report) {
        throw CliRefusal{"tensora-cli: advise writes no files (--pdf, --csv and --save-report "
                         "are pull's)"};
    }
    for (const std::string& note : request.notes) {
        err << note << '\n';
    }
    warn_pull_settings(request.settings, err);
    const UnitSystem units = request.units;
    const std::string limit = limit_text.value_or(std::string(design_sidewall_limit_text(units)));
    if (!isNumberText(limit, kEnglish)) {
        err << argument_message("swbp-limit", limit, kEnterNumberMessage) << '\n';
    }
    const PullAdvice advice = advise_pull(
        link_values(request), read_pull_settings(request.settings, kEnglish, units),
        inch_pound_value(read_input(limit, kEnglish), Quantity::Pressure, units), units);

    const std::string lower_by = std::to_string(std::lround(advice.lower_by));
    const std::string mid_assist =
        advice.mid_assist ? std::to_string(*advice.mid_assist + 1) : std::string("none");
    const std::string mid_assist_max =
        advice.mid_assist ? tension_text(advice.mid_assist_max, units) : std::string();
    const std::string mid_assist_direction =
        advice.mid_assist ? std::string(direction_key(advice.mid_assist_direction)) : "";
    // A plan the search is not exact for gets no point, and the note says why.
    std::string note = advice.note;
    if (!advice.no_point_reason.empty()) {
        note =
            "no mid-assist advice: " + advice.no_point_reason + (note.empty() ? "" : "; ") + note;
    }
    const bool any = advice.links > 0;
    const std::string forward = any ? tension_text(advice.forward_max, units) : std::string();
    const std::string reverse = any ? tension_text(advice.reverse_max, units) : std::string();
    if (request.json) {
        out << "{\"forward_max\":" << json_string(forward)
            << ",\"reverse_max\":" << json_string(reverse)
            << ",\"direction\":" << json_string(any ? direction_key(advice.direction) : "")
            << ",\"lower_by\":" << lower_by
            << ",\"mid_assist\":" << (advice.mid_assist ? mid_assist : std::string("null"))
            << ",\"mid_assist_max\":"
            << (advice.mid_assist ? json_string(mid_assist_max) : std::string("null"))
            << ",\"mid_assist_direction\":"
            << (advice.mid_assist ? json_string(mid_assist_direction) : std::string("null"))
            << ",\"note\":" << json_string(note);
        if (request.units_named) {
            out << ",\"units\":{\"system\":" << json_string(unit_system_key(units))
                << ",\"forward_max\":" << json_string(tension_unit(advice.forward_max, units))
                << ",\"reverse_max\":" << json_string(tension_unit(advice.reverse_max, units))
                << ",\"mid_assist_max\":" << json_string(tension_unit(advice.mid_assist_max, units))
                << '}';
        }
        out << "}\n";
        return;
    }
    out << "forward-max\t" << forward << '\n'
        << "reverse-max\t" << reverse << '\n'
        << "direction\t" << (any ? direction_key(advice.direction) : "") << '\n'
        << "lower-by\t" << lower_by << '\n'
        << "mid-assist\t" << mid_assist << '\n'
        << "mid-assist-max\t" << mid_assist_max << '\n'
        << "mid-assist-direction\t" << mid_assist_direction << '\n'
        << "note\t" << note << '\n';
    if (request.units_named) {
        out << "units\t" << tension_unit(advice.forward_max, units) << '\t'
            << tension_unit(advice.reverse_max, units) << '\t'
            << tension_unit(advice.mid_assist_max, units) << '\n';
    }
}

} // namespace tensora
