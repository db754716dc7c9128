#include "report/printed_report.h"

namespace tensora {

void show_link_figures(std::vector<ReportLink>& texts, const std::vector<PullLinkValues>& links,
                       const PullResults& results, const NumberLocale& locale) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i].length = shown_link_figure(texts[i].length, locale);
        texts[i].angle = inherited_incline_text(links, results, i)
                             .value_or(shown_link_figure(texts[i].angle, locale));
        texts[i].tilt = shown_link_figure(texts[i].tilt, locale);
    }
}

std::vector<bool> links_over_limit(const PullResults& results, double allowable) {
    std::vector<bool> over(results.forward_tension.size(), false);
    if (!(allowable > 0)) {
        return over;
    }
    for (std::size_t i = 0; i < over.size(); ++i) {
        over[i] = results.forward_tension[i] > allowable ||
                  (i < results.reverse_tension.size() && results.reverse_tension[i] > allowable);
    }
    return over;
}

PrintedCheck printed_check(const std::string& conduit, const CheckInputs& inputs,
                           const CheckResult& result) {
    PrintedCheck printed;
    const UnitSystem units = inputs.units;
    // A caption with its unit, and a figure as typed in the units shown.
    const auto caption = [units](const char* words, Quantity quantity) {
        return std::string(words) + " (" + std::string(unit_symbol(quantity, units)) + ")";
    };
    const auto figure = [units](double inch_pound, Quantity quantity) {
        return general_number_text(shown_value(inch_pound, quantity, units));
    };
    const std::string id = figure(inputs.conduit_id, Quantity::Diameter);
    printed.inputs = {{caption("Conduit inside diameter", Quantity::Diameter),
                       conduit.empty() ? id : id + " (" + conduit + ")"},
                      {caption("Cable outside diameter", Quantity::Diameter),
                       figure(inputs.cable_od, Quantity::Diameter)},
                      {"Cables", std::to_string(inputs.cables)},
                      {"Configuration", std::string(arrangement_keyword(inputs.arrangement))},
                      {caption("Minimum clearance", Quantity::Diameter),
                       figure(inputs.min_clearance, Quantity::Diameter)},
                      {caption("Sidewall pressure limit", Quantity::Pressure),
                       figure(inputs.sidewall_limit, Quantity::Pressure)},
                      {caption("Bend radius", Quantity::Length),
                       inputs.bend_radius ? figure(*inputs.bend_radius, Quantity::Length)
                                          : "from each bend's length and angle"}};
    // The set, a line for each group, and the rule of its allowable tension.
    for (std::size_t i = 0; i < result.set.groups.size(); ++i) {
        printed.inputs.emplace_back("Cable group " + std::to_string(i + 1),
                                    group_text(result.set.groups[i], units, inputs.locale));
    }
    printed.inputs.emplace_back("Tension rule", std::string(tension_rule_name(inputs.rule)));
    const CheckTexts texts = check_texts(result, inputs);
    printed.results = {{"Jam ratio", texts.jam_line},
                       {"Weight correction", texts.weight_line},
                       {"Clearance", texts.clearance_line},
                       {"Forward pull, corrected", texts.forward_line},
                       {"Reverse pull, corrected", texts.reverse_line},
                       {"Cable set", texts.set_line},
                       {"Allowable tension", texts.allowable_line}};
    if (!texts.code_line.empty()) {
        printed.results.emplace_back("Code fill", texts.code_line);
    }
    if (!texts.advice_line.empty()) {
        printed.results.emplace_back("Advice for the cable set", texts.advice_line);
    }
    // One line for each finding of the verdict, so that a long verdict stays on the page.
    std::string_view verdict = texts.verdict;
    for (std::string label = "Verdict"; !verdict.empty(); label.clear()) {
        const std::size_t end = verdict.find("; ");
        printed.results.emplace_back(label, std::string(verdict.substr(0, end)));
        verdict.remove_prefix(end == std::string_view::npos ? verdict.size() : end + 2);
    }
    printed.ok = result.ok;
    printed.bends.reserve(result.bends.size());
    const ColumnUnit pressure_unit = bend_pressure_unit(result, units);
    if (units == UnitSystem::Metric) {
        const std::string symbol = column_symbol(Quantity::Pressure, pressure_unit);
        printed.bend_headings = {"Radius (m)", "Bearing, forward (" + symbol + ")",
                                 "Bearing, reverse (" + symbol + ")", "Limit (" + symbol + ")"};
    }
    for (const CheckedBend& bend : result.bends) {
        printed.bends.push_back(bend_texts(bend, inputs, pressure_unit));
        printed.bend_over.push_back(bend.over_limit);
    }
    return printed;
}

} // namespace tensora
