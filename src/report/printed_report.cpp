#include "report/printed_report.h"

namespace tensora {

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
    const std::string id = general_number_text(inputs.conduit_id);
    printed.inputs = {
        {"Conduit inside diameter (in)", conduit.empty() ? id : id + " (" + conduit + ")"},
        {"Cable outside diameter (in)", general_number_text(inputs.cable_od)},
        {"Cables", std::to_string(inputs.cables)},
        {"Configuration", std::string(arrangement_keyword(inputs.arrangement))},
        {"Minimum clearance (in)", general_number_text(inputs.min_clearance)},
        {"Sidewall pressure limit (lb/ft)", general_number_text(inputs.sidewall_limit)},
        {"Bend radius (ft)", inputs.bend_radius ? general_number_text(*inputs.bend_radius)
                                                : "from each bend's length and angle"}};
    const CheckTexts texts = check_texts(result, inputs);
    printed.results = {{"Jam ratio", texts.jam_line},
                       {"Weight correction", texts.weight_line},
                       {"Clearance", texts.clearance_line},
                       {"Forward pull, corrected", texts.forward_line},
                       {"Reverse pull, corrected", texts.reverse_line}};
    if (!texts.code_line.empty()) {
        printed.results.emplace_back("Code fill", texts.code_line);
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
    for (const CheckedBend& bend : result.bends) {
        printed.bends.push_back(bend_texts(bend));
        printed.bend_over.push_back(bend.over_limit);
    }
    return printed;
}

} // namespace tensora
