#include "cli/equipment_command.h"

#include "cli/cli_options.h"
#include "cli/json_document.h"

#include "cli/pull_command.h"
#include "numbers/shown_figures.h"
#include "pullplan/pull_advice.h"
#include "pullplan/pull_check.h"
#include "pullplan/pulling_equipment.h"

#include <cmath>
#include <optional>
#include <ostream>

namespace tensora {
namespace {

// The options of `equipment` beyond pull's, as given.
struct EquipmentOptions {
    std::optional<std::string> direction;
    std::optional<std::string> puller;
    std::optional<std::string> rope_strength;
    std::optional<std::string> design_factor;
    std::optional<std::string> sheave_rating;
    std::optional<std::string> sheave_percent;
    std::optional<std::string> capstan_friction;
    std::optional<std::string> tail_limit;
};

// A number option's value: a number, not negative (above `least` where one is given).
double number_option(std::string_view name, const std::string& text, double least = 0) {
    if (!isNumberText(text, kEnglish) || !(read_input(text, kEnglish) >= least)) {
        throw CliRefusal{
            "tensora-cli: " +
            argument_message(name, text,
                             least > 0 ? "not a number of at least " + general_number_text(least)
                                       : std::string("not a number of 0 or more"))};
    }
    return read_input(text, kEnglish);
}

// Every force in one unit, named in the output's units line: N or kN, as the largest needs.
struct Forces {
    ColumnUnit unit;
    std::string operator()(double pounds) const {
        return column_figure_text(pounds, Quantity::Tension, unit);
    }
    // A minimum, rounded up to the figure's last digit.
    std::string minimum(double pounds) const {
        const std::string text = column_value_up_text(pounds, Quantity::Tension, unit);
        return text.empty() ? std::string("0") : text;
    }
};

EquipmentInputs inputs_of(const EquipmentOptions& options, UnitSystem units) {
    EquipmentInputs inputs;
    const auto force = [units](std::string_view name,
                               const std::optional<std::string>& text) -> std::optional<double> {
        if (!text) {
            return std::nullopt;
        }
        return inch_pound_value(number_option(name, *text), Quantity::Tension, units);
    };
    inputs.puller = force("puller", options.puller);
    inputs.rope_strength = force("rope-strength", options.rope_strength);
    inputs.sheave_rating = force("sheave-rating", options.sheave_rating);
    if (options.design_factor) {
        inputs.design_factor = number_option("design-factor", *options.design_factor, 1);
    }
    if (options.capstan_friction) {
        inputs.capstan_friction = number_option("capstan-friction", *options.capstan_friction);
    }
    if (const auto limit = force("tail-limit", options.tail_limit)) {
        inputs.tail_limit = *limit;
    }
    return inputs;
}

void print_text(const EquipmentCheck& check, const EquipmentInputs& inputs,
                const PullRequest& request, std::ostream& out) {
    const Forces tension_text{equipment_force_unit(check, inputs, request.units)};
    const auto margin = general_number_text(std::round(check.puller_margin * 10) / 10);
    out << "direction\t" << (check.forward ? "forward" : "reverse") << '\n'
        << "highest\t" << tension_text(check.highest) << '\n';
    if (inputs.puller) {
        out << "puller\t" << tension_text(*inputs.puller) << '\t' << margin << '\t'
            << puller_verdict_key(check.puller) << '\n';
    } else {
        out << "puller\t\t\tnot given\n";
    }
    out << "rope-minimum\t" << tension_text.minimum(check.rope_minimum) << '\n'
        << "rope\t" << rope_verdict_key(check.rope) << '\n';
    for (const SheaveLoad& sheave : check.sheaves) {
        out << "sheave\t" << sheave.link + 1 << '\t' << tension_text(sheave.load) << '\t'
            << sheave_verdict_key(sheave.verdict) << '\n';
    }
    for (const CapstanWraps& row : check.capstan) {
        out << "capstan\t" << row.wraps << '\t' << tension_text(row.tail) << '\t'
            << (row.beyond_hold ? "beyond hold" : "ok") << '\n';
    }
    out << "verdict\t" << equipment_verdict_key(check.verdict) << '\n';
    if (request.units_named) {
        out << "units\t" << column_symbol(Quantity::Tension, tension_text.unit) << '\n';
    }
}

void print_json(const EquipmentCheck& check, const EquipmentInputs& inputs,
                const PullRequest& request, std::ostream& out) {
    const Forces tension_text{equipment_force_unit(check, inputs, request.units)};
    JsonDocument document;
    using Json = JsonDocument::Json;
    Json puller = {{"rating", inputs.puller ? Json(tension_text(*inputs.puller)) : Json(nullptr)},
                   {"margin", inputs.puller ? document.number(general_number_text(
                                                  std::round(check.puller_margin * 10) / 10))
                                            : Json(nullptr)},
                   {"verdict", puller_verdict_key(check.puller)}};
    Json sheaves = Json::array();
    for (const SheaveLoad& sheave : check.sheaves) {
        sheaves.push_back({{"link", sheave.link + 1},
                           {"load", tension_text(sheave.load)},
                           {"verdict", sheave_verdict_key(sheave.verdict)}});
    }
    Json capstan = Json::array();
    for (const CapstanWraps& row : check.capstan) {
        capstan.push_back({{"wraps", row.wraps},
                           {"tail", tension_text(row.tail)},
                           {"verdict", row.beyond_hold ? "beyond hold" : "ok"}});
    }
    Json json = {{"direction", check.forward ? "forward" : "reverse"},
                 {"highest", tension_text(check.highest)},
                 {"highest_link",
                  JsonDocument::whole_or_null(
                      check.highest_link < 0 ? std::nullopt
                                             : std::optional<long long>(check.highest_link + 1))},
                 {"puller", std::move(puller)},
                 {"rope_minimum", tension_text.minimum(check.rope_minimum)},
                 {"rope", rope_verdict_key(check.rope)},
                 {"sheaves", std::move(sheaves)},
                 {"capstan", std::move(capstan)},
                 {"verdict", equipment_verdict_key(check.verdict)}};
    if (request.units_named) {
        json["units"] = {{"system", unit_system_key(request.units)},
                         {"force", column_symbol(Quantity::Tension, tension_text.unit)}};
    }
    document.write(json, out);
}

// The report's equipment where no option gives it: its inputs as the window would take them.
void take_report_equipment(const PullRequest& request, EquipmentOptions& options) {
    if (!request.report_equipment) {
        return;
    }
    const EquipmentReport& saved = *request.report_equipment;
    const auto take = [](const std::string& text, std::optional<std::string>& into) {
        if (!into && !trimmed_blanks(text).empty()) {
            into = text;
        }
    };
    if (saved.direction != "advice") {
        take(saved.direction, options.direction);
    }
    // The report's forces are inch-pound: an option of --units si is metric.
    const auto force = [&request](const std::string& pounds) {
        return converted_text(pounds, Quantity::Tension, UnitSystem::InchPound, request.units,
                              kEnglish);
    };
    take(force(saved.puller), options.puller);
    take(force(saved.rope_strength), options.rope_strength);
    take(saved.design_factor, options.design_factor);
    take(force(saved.sheave_rating), options.sheave_rating);
    take(saved.capstan_friction, options.capstan_friction);
    take(force(saved.tail_limit), options.tail_limit);
}

} // namespace

void run_equipment_command(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err, const CliServices& services) {
    EquipmentOptions options;
    const std::pair<std::string, std::optional<std::string>*> known[] = {
        {"--direction", &options.direction},
        {"--puller", &options.puller},
        {"--rope-strength", &options.rope_strength},
        {"--design-factor", &options.design_factor},
        {"--sheave-rating", &options.sheave_rating},
        {"--sheave-percent", &options.sheave_percent},
        {"--capstan-friction", &options.capstan_friction},
        {"--tail-limit", &options.tail_limit}};
    PullRequest request =
        parse_pull_request(arguments, "equipment", services, [&known](CommandOptions& options) {
            for (const auto& [name, value] : known) {
                options.value(name, [value = value](const std::string& text) { *value = text; });
            }
        });
    if (request.help) {
        out << cli_usage();
        return;
    }
    if (request.pdf || request.csv || request.save_report) {
        throw CliRefusal{"tensora-cli: equipment writes no files (--pdf, --csv and "
                         "--save-report are pull's)"};
    }
    take_report_equipment(request, options);
    if (options.direction && *options.direction != "forward" && *options.direction != "reverse") {
        throw CliRefusal{"tensora-cli: " + argument_message("direction", *options.direction,
                                                            "not forward or reverse")};
    }
    if (options.sheave_percent) {
        number_option("sheave-percent", *options.sheave_percent);
        request.settings.sheave_percent = *options.sheave_percent;
    }
    const UnitSystem units = request.units;
    const EquipmentInputs inputs = inputs_of(options, units);
    for (const std::string& note : request.notes) {
        err << note << '\n';
    }
    warn_pull_settings(request.settings, err);
    const std::vector<PullLinkValues> links = link_values(request);
    const PullSettings settings = read_pull_settings(request.settings, kEnglish, units);
    PullResults results;
    calculate_pull(links, "", settings, results);
    // The direction the advice names where none is given; forward where either serves.
    bool forward = true;
    if (options.direction) {
        forward = *options.direction == "forward";
    } else if (!links.empty()) {
        forward = plain_pull_direction(links, settings, units) != PullDirection::Reverse;
    }
    const EquipmentCheck check =
        check_equipment(links, forward ? results.forward_tension : results.reverse_tension, forward,
                        settings.allowable, inputs);
    if (check.factor_lowered) {
        err << "design factor " << general_number_text(inputs.design_factor)
            << " is below 4: the rope is used beyond its usual margin\n";
    }
    if (check.puller == PullerVerdict::AboveAllowable) {
        err << "the puller's rating is above the cable's allowable tension: set a limiter (or a "
               "weak link) at the allowable tension\n";
    }
    if (request.json) {
        print_json(check, inputs, request, out);
    } else {
        print_text(check, inputs, request, out);
    }
}

} // namespace tensora
