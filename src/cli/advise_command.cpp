#include "cli/advise_command.h"

#include "cli/cli_options.h"
#include "cli/json_document.h"

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

// A tension as the planner's columns write it in the units asked for, "0" for an empty cell.
std::string tension_text(double pounds, UnitSystem units) {
    return lone_figure_text(pounds, Quantity::Tension, units);
}

std::string tension_unit(double pounds, UnitSystem units) {
    return column_symbol(Quantity::Tension,
                         column_unit(Quantity::Tension, units, std::fabs(pounds)));
}

// The advice's figures as the command line prints them.
struct AdviceFields {
    std::string forward;
    std::string reverse;
    std::string direction;
    std::string lower_by;
    std::string mid_assist;
    std::string mid_assist_max;
    std::string mid_assist_direction;
    std::string note;
};

AdviceFields advice_fields(const PullAdvice& advice, UnitSystem units) {
    AdviceFields fields;
    const bool any = advice.links > 0;
    fields.forward = any ? tension_text(advice.forward_max, units) : std::string();
    fields.reverse = any ? tension_text(advice.reverse_max, units) : std::string();
    fields.direction = any ? std::string(direction_key(advice.direction)) : std::string();
    fields.lower_by = std::to_string(std::lround(advice.lower_by));
    if (advice.mid_assist) {
        fields.mid_assist = std::to_string(*advice.mid_assist + 1);
        fields.mid_assist_max = tension_text(advice.mid_assist_max, units);
        fields.mid_assist_direction = direction_key(advice.mid_assist_direction);
    }
    // A plan the search is not exact for gets no point, and the note says why.
    std::vector<Message> notes;
    if (!advice.no_point_reason.empty()) {
        notes.push_back(Message(TENSORA_TEXT("Advice", "no mid-assist advice: %1"))
                            .nested(advice.no_point_reason));
    }
    if (!advice.note.empty()) {
        notes.push_back(advice.note);
    }
    fields.note = english_text(joined_messages(notes));
    return fields;
}

void print_json(const PullAdvice& advice, const AdviceFields& fields, const PullRequest& request,
                std::ostream& out) {
    using Json = JsonDocument::Json;
    JsonDocument document;
    const auto or_null = [&advice](const Json& value) {
        return advice.mid_assist ? value : Json(nullptr);
    };
    Json json = {{"forward_max", fields.forward},
                 {"reverse_max", fields.reverse},
                 {"direction", fields.direction},
                 {"lower_by", document.number(fields.lower_by)},
                 {"mid_assist",
                  or_null(advice.mid_assist ? document.number(fields.mid_assist) : Json(nullptr))},
                 {"mid_assist_max", or_null(fields.mid_assist_max)},
                 {"mid_assist_direction", or_null(fields.mid_assist_direction)},
                 {"note", fields.note}};
    const UnitSystem units = request.units;
    if (request.units_named) {
        json["units"] = {{"system", unit_system_key(units)},
                         {"forward_max", tension_unit(advice.forward_max, units)},
                         {"reverse_max", tension_unit(advice.reverse_max, units)},
                         {"mid_assist_max", tension_unit(advice.mid_assist_max, units)}};
    }
    document.write(json, out);
}

void print_text(const PullAdvice& advice, const AdviceFields& fields, const PullRequest& request,
                std::ostream& out) {
    out << "forward-max\t" << fields.forward << '\n'
        << "reverse-max\t" << fields.reverse << '\n'
        << "direction\t" << fields.direction << '\n'
        << "lower-by\t" << fields.lower_by << '\n'
        << "mid-assist\t" << (advice.mid_assist ? fields.mid_assist : "none") << '\n'
        << "mid-assist-max\t" << fields.mid_assist_max << '\n'
        << "mid-assist-direction\t" << fields.mid_assist_direction << '\n'
        << "note\t" << fields.note << '\n';
    const UnitSystem units = request.units;
    if (request.units_named) {
        out << "units\t" << tension_unit(advice.forward_max, units) << '\t'
            << tension_unit(advice.reverse_max, units) << '\t'
            << tension_unit(advice.mid_assist_max, units) << '\n';
    }
}

} // namespace

void run_advise_command(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err, const CliServices& services) {
    std::optional<std::string> limit_text;
    const PullRequest request =
        parse_pull_request(arguments, "advise", services, [&limit_text](CommandOptions& options) {
            options.value("--swbp-limit",
                          [&limit_text](const std::string& value) { limit_text = value; });
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
        err << argument_message("swbp-limit", limit, Message(kEnterNumber)) << '\n';
    }
    const PullAdvice advice = advise_pull(
        link_values(request), read_pull_settings(request.settings, kEnglish, units),
        inch_pound_value(read_input(limit, kEnglish), Quantity::Pressure, units), units);
    const AdviceFields fields = advice_fields(advice, units);
    if (request.json) {
        print_json(advice, fields, request, out);
    } else {
        print_text(advice, fields, request, out);
    }
}

} // namespace tensora
