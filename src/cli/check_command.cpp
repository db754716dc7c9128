#include "cli/check_command.h"

#include "cli/cli_options.h"
#include "cli/json_document.h"

#include "cli/pull_command.h"
#include "cables/friction_library.h"
#include "numbers/shown_figures.h"
#include "pullplan/option_compare.h"
#include "pullplan/pull_check.h"
#include "report/printed_report.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <tuple>

namespace tensora {
namespace {

struct CheckRequest {
    PullRequest pull;
    CheckInputTexts texts;
    bool has_conduit = false;
    bool has_cable = false;
    bool has_cables = false;
};

int cables_value(const std::string& text) {
    const std::string_view trimmed = trimmed_blanks(text);
    if (trimmed.size() == 1 && trimmed[0] >= '1' && trimmed[0] <= '0' + kMostCables) {
        return trimmed[0] - '0';
    }
    throw CliRefusal{"tensora-cli: " +
                     argument_message("cables", text, "not a whole number from 1 to 6")};
}

// A group of cables as --cable gives it: COUNT:OD:WEIGHT[:SIZE[:MATERIAL[:CONDUCTORS[:RATING]]]]
// in the units asked for; refused, naming its field, where a figure is not what it must be.
CableGroupTexts cable_value(const std::string& text, UnitSystem units) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ':') {
            fields.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (fields.size() < 3 || fields.size() > 8) {
        throw CliRefusal{"tensora-cli: " +
                         argument_message("cable", text,
                                          "expected COUNT:OD:WEIGHT[:SIZE[:MATERIAL["
                                          ":CONDUCTORS[:RATING[:KIND]]]]]")};
    }
    fields.resize(8);
    CableGroupTexts group{fields[0],
                          "",
                          fields[1],
                          fields[2],
                          fields[3],
                          fields[4],
                          fields[5].empty() ? "1" : fields[5],
                          fields[6],
                          fields[7]};
    if (const ReadGroup read = read_cable_group(group, kEnglish, units); read.problem) {
        throw CliRefusal{"tensora-cli: " + argument_message("cable", text, *read.problem)};
    }
    return group;
}

// A rating for the eye or the grip: a positive number.
std::string rating_value(std::string_view option, const std::string& text) {
    if (!isNumberText(text, kEnglish) || !(read_input(text, kEnglish) > 0) ||
        !std::isfinite(read_input(text, kEnglish))) {
        throw CliRefusal{"tensora-cli: " + argument_message(option, text, "not a positive number")};
    }
    return text;
}

CableArrangement arrangement_value(const std::string& text) {
    for (const auto arrangement :
         {CableArrangement::Triangular, CableArrangement::Cradled, CableArrangement::Diamond}) {
        if (text == arrangement_keyword(arrangement)) {
            return arrangement;
        }
    }
    if (text == "auto") {
        return CableArrangement::Automatic;
    }
    throw CliRefusal{"tensora-cli: " + argument_message("configuration", text,
                                                        "not auto, triangular, cradled or "
                                                        "diamond")};
}

// The check's own options, as the pull's reader meets them; the --cable groups wait for the
// units, which may come after them.
class CheckOptions {
public:
    explicit CheckOptions(CheckRequest& request) : request_(request) {}

    void add_to(CommandOptions& options) {
        CheckRequest& request = request_;
        const auto text = [&options](const std::string& name, std::string& into, bool* given) {
            options.value(name, [&into, given](const std::string& value) {
                into = value;
                if (given) {
                    *given = true;
                }
            });
        };
        text("--conduit-id", request.texts.conduit_id, &request.has_conduit);
        text("--cable-od", request.texts.cable_od, &request.has_cable);
        text("--min-clearance", request.texts.min_clearance, &min_clearance_given_);
        text("--swbp-limit", request.texts.sidewall_limit, &limit_given_);
        text("--bend-radius", request.texts.bend_radius, nullptr);
        options.value("--cable-kind", [&request](const std::string& value) {
            if (!bending_kind_by_key(value, kEnglish)) {
                throw CliRefusal{"tensora-cli: " +
                                 argument_message("cable-kind", value,
                                                  "not shielded, non-shielded, mc-smooth, "
                                                  "mc-interlocked, fibre or a multiple above 0")};
            }
            request.texts.cable_kind = value;
        });
        options.value("--cables", [&request](const std::string& value) {
            request.texts.cables = cables_value(value);
            request.has_cables = true;
        });
        options.value("--configuration", [&request](const std::string& value) {
            request.texts.arrangement = arrangement_value(value);
        });
        options.value("--cable", [this](const std::string& value) { cables_.push_back(value); });
        options.value("--tension-rule", [&request](const std::string& key) {
            const auto rule = tension_rule_by_key(key);
            if (!rule) {
                throw CliRefusal{"tensora-cli: " +
                                 argument_message("tension-rule", key,
                                                  "not planner, eye, eye-singles, "
                                                  "grip or ratings")};
            }
            request.texts.rule = *rule;
        });
        options.value("--eye-limit", [&request](const std::string& value) {
            request.texts.eye_limit = rating_value("eye-limit", value);
        });
        options.value("--grip-limit", [&request](const std::string& value) {
            request.texts.grip_limit = rating_value("grip-limit", value);
        });
    }

    // What the units decide: the round metric design values where the options are not
    // given, and the groups' figures.
    void finish() {
        CheckRequest& request = request_;
        if (request.pull.units == UnitSystem::Metric) {
            if (!min_clearance_given_) {
                request.texts.min_clearance = design_min_clearance_text(request.pull.units);
            }
            if (!limit_given_) {
                request.texts.sidewall_limit = design_sidewall_limit_text(request.pull.units);
            }
        }
        for (const std::string& cable : cables_) {
            request.texts.groups.push_back(cable_value(cable, request.pull.units));
        }
        // The planner's cable (--cable-od with --cables) leads the set; --cable adds groups.
        request.texts.planner_group = request.has_cable || request.has_cables;
    }

private:
    CheckRequest& request_;
    bool min_clearance_given_ = false;
    bool limit_given_ = false;
    std::vector<std::string> cables_;
};

// The text of the option a warning is about.
const std::string& warned_text(const CheckRequest& request, std::string_view box) {
    const CheckInputTexts& texts = request.texts;
    return box == "conduit-id"      ? texts.conduit_id
           : box == "cable-od"      ? texts.cable_od
           : box == "min-clearance" ? texts.min_clearance
           : box == "swbp-limit"    ? texts.sidewall_limit
           : box == "cable-kind"    ? texts.cable_kind
                                    : texts.bend_radius;
}

// A check needs a conduit and a cable: the planner's (--cable-od with --cables) or a group.
void require_inputs(const CheckRequest& request) {
    if (!request.has_conduit) {
        throw CliRefusal{"tensora-cli: check needs --conduit-id"};
    }
    if (request.texts.groups.empty() || request.texts.planner_group) {
        for (const auto& [given, option] : {std::pair{request.has_cable, "--cable-od"},
                                            std::pair{request.has_cables, "--cables"}}) {
            if (!given) {
                throw CliRefusal{"tensora-cli: check needs " + std::string(option) +
                                 (request.texts.groups.empty() ? " (or --cable)" : "")};
            }
        }
    }
}

CheckRequest parse_check(const std::vector<std::string>& arguments, const CliServices& services) {
    CheckRequest request;
    CheckOptions options(request);
    request.pull = parse_pull_request(arguments, "check", services,
                                      [&options](CommandOptions& more) { options.add_to(more); });
    options.finish();
    if (!request.pull.help) {
        require_inputs(request);
    }
    return request;
}

// The units of the clearance, of both pulls' highest tensions, of a bend's radius and of its
// pressures.
std::array<std::string, 4> check_units(const CheckResult& result, const CheckRequest& request) {
    const UnitSystem units = request.pull.units;
    if (units == UnitSystem::InchPound) {
        return {"in", "lbs", "ft", std::string(unit_symbol(Quantity::Pressure, units))};
    }
    const ColumnUnit tension =
        column_unit(Quantity::Tension, units,
                    std::max(std::fabs(result.forward_max), std::fabs(result.reverse_max)));
    return {"mm", column_symbol(Quantity::Tension, tension), "m",
            column_symbol(Quantity::Pressure, bend_pressure_unit(result, units))};
}

// A bend's radius and the least radii, in inches (millimetres in metric) as the check's
// diameters are written.
std::string radius_text(double inches, UnitSystem units) {
    return english_text(figure_message(
        Figure::fixed(inches, Quantity::Diameter, units, units == UnitSystem::Metric ? 1 : 2)
            .without_symbol()));
}

// A line a bend against the least bending radius, and a line a stretch between pull points.
void print_inspection(const CheckResult& result, UnitSystem units, std::ostream& out) {
    if (result.minimum_radius) {
        for (const BendRadiusCheck& bend : result.bend_radii) {
            out << "bend-radius\t" << bend.link + 1 << '\t'
                << (bend.radius ? radius_text(*bend.radius * 12, units) : std::string()) << '\t'
                << radius_text(result.minimum_radius->pulling, units) << '\t'
                << radius_text(result.minimum_radius->trained, units) << '\t'
                << (bend.pulling_under || bend.trained_under ? "under" : "ok") << '\n';
        }
    }
    if (!result.radius_note.empty()) {
        out << "bend-radius-note\t" << english_text(result.radius_note) << '\n';
    }
    for (const BendStretch& stretch : result.stretches) {
        out << "bends\t" << stretch.from + 1 << '\t' << stretch.to + 1 << '\t'
            << general_number_text(stretch.degrees) << '\t' << (stretch.over ? "over" : "ok")
            << '\n';
    }
}

void print_text(const CheckTexts& texts, const CheckResult& result, const CheckRequest& request,
                std::ostream& out) {
    const ColumnUnit pressure = bend_pressure_unit(result, request.pull.units);
    out << "jam-ratio\t" << english_text(texts.jam_ratio) << '\n'
        << "jam-risk\t" << english_text(texts.jam_risk) << '\n'
        << "weight-correction\t" << english_text(texts.weight_correction) << '\n'
        << "configuration\t" << english_text(texts.configuration) << '\n'
        << "clearance\t" << english_text(texts.clearance) << '\n'
        << "forward-max\t" << english_text(texts.forward_max) << '\n'
        << "reverse-max\t" << english_text(texts.reverse_max) << '\n';
    for (const CheckedBend& bend : result.bends) {
        const CheckedBendTexts row = bend_texts(bend, CheckInputs{}, pressure);
        out << "bend\t" << row.link << '\t' << english_text(row.radius) << '\t'
            << english_text(row.forward_pressure) << '\t' << english_text(row.reverse_pressure)
            << '\n';
    }
    print_inspection(result, request.pull.units, out);
    out << "set-cables\t" << texts.set_cables << '\n'
        << "set-weight\t" << texts.set_weight << '\n'
        << "tension-rule\t" << texts.tension_rule << '\n'
        << "set-allowable\t" << english_text(texts.set_allowable) << '\n'
        << "verdict\t" << english_text(texts.verdict) << '\n';
    if (request.pull.units_named) {
        // The units of clearance, forward-max and reverse-max, and of a bend's radius and
        // pressures.
        out << "units";
        for (const std::string& unit : check_units(result, request)) {
            out << '\t' << unit;
        }
        out << '\n';
    }
}

void print_json(const CheckTexts& texts, const CheckResult& result, const CheckRequest& request,
                std::ostream& out) {
    using Json = JsonDocument::Json;
    JsonDocument document;
    const ColumnUnit pressure = bend_pressure_unit(result, request.pull.units);
    Json bends = Json::array();
    for (const CheckedBend& bend : result.bends) {
        const CheckedBendTexts row = bend_texts(bend, CheckInputs{}, pressure);
        bends.push_back({{"link", row.link},
                         {"radius", english_text(row.radius)},
                         {"forward_pressure", english_text(row.forward_pressure)},
                         {"reverse_pressure", english_text(row.reverse_pressure)},
                         {"over_limit", bend.over_limit}});
    }
    Json json = {{"jam_ratio", english_text(texts.jam_ratio)},
                 {"jam_risk", english_text(texts.jam_risk)},
                 {"weight_correction", english_text(texts.weight_correction)},
                 {"configuration", english_text(texts.configuration)},
                 {"clearance", english_text(texts.clearance)},
                 {"forward_max", english_text(texts.forward_max)},
                 {"reverse_max", english_text(texts.reverse_max)},
                 {"bends", std::move(bends)},
                 {"set_cables", document.number(texts.set_cables)},
                 {"set_weight", texts.set_weight},
                 {"tension_rule", texts.tension_rule},
                 {"set_allowable", english_text(texts.set_allowable)},
                 {"verdict", english_text(texts.verdict)},
                 {"ok", result.ok}};
    const UnitSystem units = request.pull.units;
    if (result.minimum_radius) {
        json["minimum_radius"] = {
            {"pulling", document.exact(shown_value(result.minimum_radius->pulling,
                                                   Quantity::Diameter, units))},
            {"trained", document.exact(shown_value(result.minimum_radius->trained,
                                                   Quantity::Diameter, units))},
            {"rule", english_text(result.minimum_radius->rule)}};
        Json radii = Json::array();
        for (const BendRadiusCheck& bend : result.bend_radii) {
            radii.push_back({{"link", bend.link + 1},
                             {"radius", bend.radius ? document.exact(shown_value(
                                                          *bend.radius * 12, Quantity::Diameter,
                                                          units))
                                                    : Json()},
                             {"pulling_under", bend.pulling_under},
                             {"trained_under", bend.trained_under}});
        }
        json["bend_radii"] = std::move(radii);
    }
    if (!result.radius_note.empty()) {
        json["bend_radius_note"] = english_text(result.radius_note);
    }
    Json stretches = Json::array();
    for (const BendStretch& stretch : result.stretches) {
        stretches.push_back({{"from", stretch.from + 1},
                             {"to", stretch.to + 1},
                             {"degrees", document.exact(stretch.degrees)},
                             {"over", stretch.over}});
    }
    json["stretches"] = std::move(stretches);
    if (request.pull.units_named) {
        const std::array<std::string, 4> units = check_units(result, request);
        json["units"] = {{"system", unit_system_key(request.pull.units)},
                         {"clearance", units[0]},
                         {"tension", units[1]},
                         {"radius", units[2]},
                         {"pressure", units[3]},
                         {"set_weight", unit_symbol(Quantity::Weight, request.pull.units)}};
    }
    document.write(json, out);
}

} // namespace

// The check's own parts of a report saved with it: the conduit and limits, and the set, in
// the report's inch-pound form (a text that is no number stays as it is).
void keep_check_parts(const CheckRequest& request, PullRequest& pull) {
    const CheckInputTexts& texts = request.texts;
    const auto inches = [&pull](const std::string& text, Quantity quantity) {
        return converted_text(trimmed_blanks(text), quantity, pull.units, UnitSystem::InchPound,
                              kEnglish);
    };
    CheckReport check;
    check.conduit_id = inches(texts.conduit_id, Quantity::Diameter);
    check.arrangement = std::string(arrangement_keyword(texts.arrangement));
    check.min_clearance = inches(texts.min_clearance, Quantity::Diameter);
    check.sidewall_limit = inches(texts.sidewall_limit, Quantity::Pressure);
    check.bend_radius = inches(texts.bend_radius, Quantity::Length);
    check.cable_kind = std::string(trimmed_blanks(texts.cable_kind));
    pull.kept.check = check;
    CableSetReport set;
    set.rule = std::string(tension_rule_key(texts.rule));
    set.eye_limit = inches(texts.eye_limit, Quantity::Tension);
    set.grip_limit = inches(texts.grip_limit, Quantity::Tension);
    set.planner_first = texts.planner_group;
    std::vector<CableGroupTexts> groups;
    if (texts.planner_group) {
        // The planner's cable as the window's first group holds it.
        CableGroupTexts planner;
        planner.count = std::to_string(texts.cables);
        planner.od = texts.cable_od;
        planner.weight = pull.settings.weight;
        planner.rating = pull.settings.allowable;
        planner.kind = std::string(trimmed_blanks(texts.cable_kind));
        groups.push_back(planner);
    }
    groups.insert(groups.end(), texts.groups.begin(), texts.groups.end());
    for (CableGroupTexts& group : groups) {
        group.od = inches(group.od, Quantity::Diameter);
        group.weight = inches(group.weight, Quantity::Weight);
        group.rating = inches(group.rating, Quantity::Tension);
    }
    set.groups = std::move(groups);
    pull.kept.cable_set = std::move(set);
}

void run_check_command(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err, const CliServices& services) {
    const CheckRequest request = parse_check(arguments, services);
    if (request.pull.help) {
        out << cli_usage();
        return;
    }
    std::vector<CheckWarning> warnings;
    const UnitSystem units = request.pull.units;
    const CheckInputs inputs = read_check_inputs(request.texts, kEnglish, &warnings, units);
    // Without its diameters there is nothing to check.
    for (const auto& [name, text, value] :
         {std::tuple{"cable-od", &request.texts.cable_od, inputs.cable_od},
          std::tuple{"conduit-id", &request.texts.conduit_id, inputs.conduit_id}}) {
        const bool needed = std::string_view(name) == "conduit-id" || inputs.planner_group;
        if (needed && (!(value > 0) || !std::isfinite(value))) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message(name, *text, "not a positive number")};
        }
    }
    for (const std::string& note : request.pull.notes) {
        err << note << '\n';
    }
    warn_pull_settings(request.pull.settings, err);
    for (const CheckWarning& warning : warnings) {
        err << argument_message(warning.box, warned_text(request, warning.box), warning.message)
            << '\n';
    }

    const std::vector<PullLinkValues> links = link_values(request.pull);
    const PullSettings settings = read_pull_settings(request.pull.settings, kEnglish, units);
    CheckResult result = check_pull(links, settings, inputs);
    result.advice = check_advice(links, inputs, result);
    if (request.pull.pdf || request.pull.save_report || request.pull.csv) {
        // The report holds the planner's own pull beside the check.
        const PullResults plan =
            pullcalc(request.pull.links, request.pull.settings, kEnglish, units);
        const PrintedCheck printed = printed_check({}, inputs, result);
        PullRequest saved = request.pull;
        keep_check_parts(request, saved);
        write_pull_files(saved, plan, services, &printed);
    }
    const CheckTexts texts = check_texts(result, inputs);
    if (request.pull.json) {
        print_json(texts, result, request, out);
    } else {
        print_text(texts, result, request, out);
    }
}

namespace {

// An --option: changes as KEY=VALUE, separated by commas (friction, direction, mid-assist,
// back-tension, conduit-id).
CompareOptionTexts option_value(const std::string& text) {
    CompareOptionTexts texts;
    const std::pair<std::string_view, std::string*> keys[] = {
        {"friction", &texts.friction},         {"direction", &texts.direction},
        {"mid-assist", &texts.mid_assist},     {"back-tension", &texts.back_tension},
        {"conduit-id", &texts.conduit_id}};
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view change = trimmed_blanks(std::string_view(text).substr(start, comma - start));
        const std::size_t equals = change.find('=');
        const std::string_view key =
            trimmed_blanks(change.substr(0, equals == std::string_view::npos ? 0 : equals));
        const auto known = std::find_if(std::begin(keys), std::end(keys),
                                        [key](const auto& pair) { return pair.first == key; });
        if (equals == std::string_view::npos || known == std::end(keys) ||
            !known->second->empty() || breaks_output_shape(change)) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("option", text,
                                              "expected KEY=VALUE changes separated by commas, "
                                              "each key once: friction, direction, mid-assist, "
                                              "back-tension, conduit-id")};
        }
        *known->second = std::string(trimmed_blanks(change.substr(equals + 1)));
        if (known->second->empty()) {
            throw CliRefusal{"tensora-cli: " + argument_message("option", text,
                                                                std::string(key) + " has no value")};
        }
        start = comma + 1;
    }
    return texts;
}

} // namespace

void run_compare_command(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream& err, const CliServices& services) {
    CheckRequest request;
    CheckOptions options(request);
    std::vector<std::string> option_texts;
    request.pull = parse_pull_request(arguments, "compare", services,
                                      [&options, &option_texts](CommandOptions& more) {
                                          options.add_to(more);
                                          more.value("--option", [&option_texts](const std::string& v) {
                                              option_texts.push_back(v);
                                          });
                                      });
    options.finish();
    if (request.pull.help) {
        out << cli_usage();
        return;
    }
    if (option_texts.empty()) {
        throw CliRefusal{"tensora-cli: compare needs at least one --option"};
    }
    const UnitSystem units = request.pull.units;
    // With a conduit the options are the pull check's; it then needs its cable too.
    std::optional<CheckInputs> check;
    if (request.has_conduit) {
        require_inputs(request);
        std::vector<CheckWarning> warnings;
        check = read_check_inputs(request.texts, kEnglish, &warnings, units);
        for (const CheckWarning& warning : warnings) {
            err << argument_message(warning.box, warned_text(request, warning.box),
                                    warning.message)
                << '\n';
        }
    }
    const std::vector<PullLinkValues> links = link_values(request.pull);
    // The library only where an option names an entry rather than a number.
    FrictionLibrary library;
    std::vector<CompareOption> compared;
    for (std::size_t i = 0; i < option_texts.size(); ++i) {
        const CompareOptionTexts texts = option_value(option_texts[i]);
        ReadOption read = read_compare_option(texts, library, links.size(), kEnglish, units);
        if (read.refusal && !texts.friction.empty() && library.entries().empty()) {
            LoadedLibrary loaded =
                load_friction_library(services.data_folders, services.user_friction_file);
            for (const Message& note : loaded.notes) {
                err << "tensora-cli: " << english_text(note) << '\n';
            }
            library = std::move(loaded.library);
            read = read_compare_option(texts, library, links.size(), kEnglish, units);
        }
        if (read.refusal) {
            throw CliRefusal{"tensora-cli: " + argument_message("option", option_texts[i],
                                                                *read.refusal)};
        }
        compared.push_back(read.option);
    }
    for (const std::string& note : request.pull.notes) {
        err << note << '\n';
    }
    warn_pull_settings(request.pull.settings, err);
    const PullSettings settings = read_pull_settings(request.pull.settings, kEnglish, units);
    const double limit = check ? check->sidewall_limit : design_sidewall_limit(units);
    const Comparison comparison =
        compare_options(links, settings, check, limit, compared, units);
    if (request.pull.pdf || request.pull.save_report || request.pull.csv) {
        // The report holds the plan as given; the PDF adds the options compared.
        const PullResults plan = pullcalc(request.pull.links, request.pull.settings, kEnglish, units);
        const PrintedComparison printed = printed_comparison(compared, comparison, units);
        write_pull_files(request.pull, plan, services, nullptr, &printed);
    }
    // Every option's tensions in one unit, so that they compare at a glance.
    double largest = 0;
    for (const ComparedOption& option : comparison.options) {
        if (!std::isnan(option.highest)) {
            largest = std::max({largest, std::fabs(option.forward_max), std::fabs(option.reverse_max)});
        }
    }
    const ColumnUnit unit = column_unit(Quantity::Tension, units, largest);
    const auto tension = [&unit](const ComparedOption& option, double pounds) {
        return std::isnan(option.highest)
                   ? std::string()
                   : english_text(figure_message(
                         Figure::column(pounds, Quantity::Tension, unit).without_symbol()));
    };
    const auto percent = [](const ComparedOption& option) {
        return option.percent ? fixed_number_text(*option.percent, 0) : std::string();
    };
    if (request.pull.json) {
        using Json = JsonDocument::Json;
        JsonDocument document;
        Json rows = Json::array();
        for (std::size_t i = 0; i < comparison.options.size(); ++i) {
            const ComparedOption& option = comparison.options[i];
            Json row = {{"option", i + 1},
                        {"forward_max", tension(option, option.forward_max)},
                        {"reverse_max", tension(option, option.reverse_max)},
                        {"percent", percent(option)},
                        {"verdict", english_text(option.verdict)},
                        {"ok", option.ok}};
            if (!std::isnan(option.highest)) {
                row["highest"] = document.exact(shown_value(option.highest, Quantity::Tension, units));
                row["direction"] = direction_key(option.pulled);
            }
            if (option.sidewall) {
                row["sidewall"] =
                    document.exact(shown_value(*option.sidewall, Quantity::Pressure, units));
                row["sidewall_link"] = *option.sidewall_link + 1;
            }
            if (!compared[i].entry.empty()) {
                row["entry"] = compared[i].entry;
            }
            rows.push_back(std::move(row));
        }
        Json json = {{"options", std::move(rows)},
                     {"tension_unit", column_symbol(Quantity::Tension, unit)}};
        if (comparison.best) {
            json["best"] = *comparison.best + 1;
            json["deciding"] = english_text(comparison.deciding);
        }
        document.write(json, out);
        return;
    }
    for (std::size_t i = 0; i < comparison.options.size(); ++i) {
        const ComparedOption& option = comparison.options[i];
        out << "option\t" << i + 1 << '\t' << tension(option, option.forward_max) << '\t'
            << tension(option, option.reverse_max) << '\t' << percent(option) << '\t'
            << english_text(option.verdict) << '\n';
    }
    if (comparison.best) {
        out << "best\t" << *comparison.best + 1 << '\n';
    }
    if (request.pull.units_named) {
        out << "units\t" << column_symbol(Quantity::Tension, unit) << '\n';
    }
}

} // namespace tensora
