#include "pullplan/pull_check.h"

#include "fill/fill_ratio.h"
#include "numbers/input_checks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace tensora {
namespace {

// An input as the user typed it, in the units shown and the locale's form.
std::string shown_figure(double inch_pound, Quantity quantity, const CheckInputs& inputs) {
    return locale_number_text(
        general_number_text(typed_shown_value(inch_pound, quantity, inputs.units)), inputs.locale);
}

// A figure with its decimals, in the locale's form.
std::string fixed_figure(double value, int decimals, const NumberLocale& locale) {
    return locale_number_text(fixed_number_text(value, decimals), locale);
}

// The smallest conduit, in cable diameters, that holds 1 to 6 equal round cables side by side
// in one cross-section: 1, 2, 1 + 2/sqrt(3), 1 + sqrt(2), 1 + sqrt(2 (1 + 1/sqrt(5))), 3.
constexpr double kSmallestConduit[kMostCables] = {
    1.0, 2.0, 2.1547005383792515, 2.4142135623730951, 2.7013016167040798, 3.0};

CheckResult& not_fitting(CheckResult& result) {
    result.problem = kCablesDoNotFit;
    result.jam_risk.reset(); // no risk to name for cables that do not go in
    result.verdict = "The cables do not fit this conduit";
    return result;
}

// The weight correction factor of an arrangement, when it has a meaning.
std::optional<double> weight_factor(int cables, CableArrangement arrangement, double ratio) {
    const double squared = ratio * ratio;
    if (cables <= 1) {
        return 1.0;
    }
    if (cables >= 5) {
        return 1.4;
    }
    if (cables == 2 || arrangement == CableArrangement::Triangular) {
        if (squared >= 1) {
            return std::nullopt; // the root of a negative number: no room
        }
        return 1 / std::sqrt(1 - squared);
    }
    if (cables == 4 && arrangement == CableArrangement::Cradled) {
        return 1 + 2 * squared;
    }
    return 1 + 4.0 / 3.0 * squared; // three cradled, four diamond
}

std::optional<double> clearance_of(int cables, CableArrangement arrangement, double D, double d) {
    const double ratio = d / (D - d);
    if (cables == 1) {
        return D - d;
    }
    if (cables == 2) {
        return D - 2 * d;
    }
    if (cables == 3 && arrangement == CableArrangement::Triangular) {
        if (ratio >= 1) {
            return std::nullopt;
        }
        return D / 2 - 1.366 * d + (D - d) / 2 * std::sqrt(1 - ratio * ratio);
    }
    if (cables == 3) {
        const double half = d / (2 * (D - d));
        return (D - d) / 2 + (D - d) / 2 * std::sqrt(1 - half * half);
    }
    if (cables == 4 && arrangement == CableArrangement::Diamond) {
        return D - d - 2 * d * d / (D - d);
    }
    return std::nullopt;
}

// What an arrangement weighs a bend's tension over its radius by, for its bearing pressure.
double bearing_factor(int cables, CableArrangement arrangement, double w) {
    if (cables <= 1) {
        return 1;
    }
    if (cables >= 5) {
        return w - 1;
    }
    if (cables == 3 && arrangement == CableArrangement::Cradled) {
        return (3 * w - 2) / 3;
    }
    if (cables == 4 && arrangement == CableArrangement::Cradled) {
        return (4 * w - 3) / 4;
    }
    return w / 2; // two, three triangular, four diamond
}

std::string arrangement_name(int cables, CableArrangement arrangement) {
    if (cables <= 1) {
        return "single cable";
    }
    if (cables == 2) {
        return "two cables";
    }
    if (cables >= 5) {
        return "five or more cables";
    }
    return std::string(arrangement_keyword(arrangement));
}

void find_max(const std::vector<double>& tensions, double& max, int& link) {
    for (std::size_t i = 0; i < tensions.size(); ++i) {
        if (link < 0 || tensions[i] > max) {
            max = tensions[i];
            link = static_cast<int>(i);
        }
    }
}

} // namespace

std::string_view arrangement_keyword(CableArrangement arrangement) {
    switch (arrangement) {
    case CableArrangement::Triangular:
        return "triangular";
    case CableArrangement::Cradled:
        return "cradled";
    case CableArrangement::Diamond:
        return "diamond";
    default:
        return "automatic";
    }
}

JamRisk jam_risk(double J) {
    if (J >= 2.6 && J < 2.9) {
        return JamRisk::Significant;
    }
    if ((J >= 2.5 && J < 2.6) || (J >= 2.9 && J < 3.0)) {
        return JamRisk::Moderate;
    }
    if ((J >= 2.4 && J < 2.5) || (J >= 3.0 && J < 3.2)) {
        return JamRisk::Small;
    }
    return JamRisk::VerySmall;
}

std::string_view jam_risk_text(JamRisk risk) {
    switch (risk) {
    case JamRisk::Significant:
        return "significant";
    case JamRisk::Moderate:
        return "moderate";
    case JamRisk::Small:
        return "small";
    default:
        return "very small";
    }
}

namespace {

// The cables' fill against the code's limit for their number (a multiconductor cable counts
// as one), and the jam ratio and risk of the largest cables.
void rate_fill_and_jam(double D, const CableSet& set, const CheckInputs& inputs,
                       CheckResult& result) {
    // The electrical code's fill, whatever the cables' arrangement: their true areas.
    const double conduit_area = inputs.conduit_area.value_or(std::numbers::pi / 4 * D * D);
    double area = 0;
    for (const CableGroup& group : set.groups) {
        area += group.count * (std::numbers::pi / 4 * group.od * group.od);
    }
    result.code_fill = area / conduit_area * 100;
    result.code_limit = code_fill_limit(static_cast<std::size_t>(set.cables()));
    result.code_over = !meets_code_limit(*result.code_fill, result.code_limit);
    // Rounded to ten decimals so that a ratio lying on a boundary (3.8 in over 1.33 in is 3
    // exactly) is not put on the wrong side of it by the last bit of the division.
    const double d = set.largest_od();
    result.jam_ratio = std::round(1.05 * D / d * 1e10) / 1e10;
    if (set.largest_count() == 3) {
        result.jam_risk = jam_risk(result.jam_ratio);
    } else if (set.mixed()) {
        result.jam_note = "mixed sizes: no jam band";
    }
}

// The arrangement: for three or four cables "automatic" takes the one with the larger factor;
// an arrangement the number of cables cannot take is none (the result says why).
std::optional<CableArrangement> arrangement_for(int cables, double ratio, const CheckInputs& inputs,
                                                CheckResult& result) {
    const CableArrangement arrangement = inputs.arrangement;
    if ((cables == 3 && arrangement == CableArrangement::Diamond) ||
        (cables == 4 && arrangement == CableArrangement::Triangular)) {
        result.problem = cables == 3 ? "three cables lie triangular or cradled, not in a diamond"
                                     : "four cables lie cradled or in a diamond, not triangular";
        result.verdict = "The arrangement does not suit the number of cables";
        return std::nullopt;
    }
    if (arrangement == CableArrangement::Automatic && (cables == 3 || cables == 4)) {
        const CableArrangement first =
            cables == 3 ? CableArrangement::Triangular : CableArrangement::Diamond;
        const auto a = weight_factor(cables, first, ratio);
        const auto b = weight_factor(cables, CableArrangement::Cradled, ratio);
        return !a || (b && *b > *a) ? CableArrangement::Cradled : first;
    }
    return arrangement;
}

// Each bend's bearing pressure both ways; the finding for the bends beyond the limit: the
// first by name and the others by number, so that the verdict stays a line or two on a plan
// of thousands of bends.
std::optional<std::string> check_bends(const std::vector<PullLinkValues>& links,
                                       const CheckInputs& inputs, CheckResult& result) {
    const double factor =
        bearing_factor(result.cables_checked, result.arrangement_used, result.weight_correction);
    int pressed_bends = 0;
    std::size_t first_pressed = 0;
    std::string first_pulls; // which pulls press the first of them too hard
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (links[i].straight) {
            continue;
        }
        CheckedBend bend;
        bend.link = static_cast<int>(i);
        bend.radius = bend_radius(links[i], inputs.bend_radius);
        if (bend.radius && *bend.radius > 0) {
            bend.forward_pressure =
                bearing_pressure(result.corrected.forward_tension[i], *bend.radius, factor);
            bend.reverse_pressure =
                bearing_pressure(result.corrected.reverse_tension[i], *bend.radius, factor);
            bend.forward_over = *bend.forward_pressure > inputs.sidewall_limit;
            bend.reverse_over = *bend.reverse_pressure > inputs.sidewall_limit;
            bend.over_limit = bend.forward_over || bend.reverse_over;
            if (bend.over_limit && pressed_bends++ == 0) {
                first_pressed = i;
                first_pulls = bend.forward_over && bend.reverse_over ? "in both pulls"
                              : bend.forward_over                    ? "in the forward pull"
                                                                     : "in the reverse pull";
            }
        }
        result.bends.push_back(bend);
    }
    if (pressed_bends == 0) {
        return std::nullopt;
    }
    const int more = pressed_bends - 1;
    return "Sidewall pressure exceeds " +
           shown_figure(inputs.sidewall_limit, Quantity::Pressure, inputs) + ' ' +
           std::string(unit_symbol(Quantity::Pressure, inputs.units)) + " at link " +
           std::to_string(first_pressed + 1) + ' ' + first_pulls +
           (more == 0   ? ""
            : more == 1 ? " and at 1 more bend"
                        : " and at " + std::to_string(more) + " more bends");
}

// The first link, in each pull's own order, where it is held at zero: the cable would run
// under its own weight there and must be held back.
void find_held_links(CheckResult& result, std::vector<std::string>& findings) {
    const auto held = [](const std::vector<char>& holds, bool reverse) -> std::optional<int> {
        for (std::size_t k = 0; k < holds.size(); ++k) {
            const std::size_t i = reverse ? holds.size() - 1 - k : k;
            if (holds[i]) {
                return static_cast<int>(i);
            }
        }
        return std::nullopt;
    };
    result.forward_held_link = held(result.corrected.forward_held, false);
    result.reverse_held_link = held(result.corrected.reverse_held, true);
    for (const auto& [link, which] : {std::pair{result.forward_held_link, "forward"},
                                      std::pair{result.reverse_held_link, "reverse"}}) {
        if (link) {
            findings.push_back("The cable runs under its own weight at link " +
                               std::to_string(*link + 1) + " in the " + which +
                               " pull: hold it back");
        }
    }
}

// Each pull names the first link, in its own order, where its tension goes beyond the
// allowable tension; these lead the verdict.
void find_over_allowable(CheckResult& result, std::vector<std::string>& findings) {
    const double allowable = result.allowable;
    const auto beyond = [&](const std::vector<double>& tensions, bool reverse, const char* which) {
        const std::size_t n = tensions.size();
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t i = reverse ? n - 1 - k : k;
            if (allowable > 0 && tensions[i] > allowable) {
                findings.insert(findings.begin(),
                                std::string(which) +
                                    " pull exceeds the allowable tension at link " +
                                    std::to_string(i + 1));
                return true;
            }
        }
        return false;
    };
    result.reverse_over = beyond(result.corrected.reverse_tension, true, "Reverse");
    result.forward_over = beyond(result.corrected.forward_tension, false, "Forward");
}

// "Pull OK", or every finding.
void write_verdict(const std::vector<std::string>& findings, CheckResult& result) {
    result.ok = findings.empty();
    result.verdict = result.ok ? std::string(kPullOk) : std::string();
    for (const std::string& part : findings) {
        result.verdict += (result.verdict.empty() ? "" : "; ") + part;
    }
}

} // namespace

CableSet checked_set(const CheckInputs& inputs, const PullSettings& settings) {
    CableSet set;
    if (inputs.planner_group) {
        CableGroup group;
        group.count = std::clamp(inputs.cables, 1, kMostCables);
        group.od = inputs.cable_od;
        group.weight = settings.weight;
        // The planner's allowable tension is its cable's own.
        if (settings.allowable > 0) {
            group.rating = settings.allowable;
        }
        set.groups.push_back(group);
    }
    set.groups.insert(set.groups.end(), inputs.set.begin(), inputs.set.end());
    return set;
}

CheckResult check_pull(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                       const CheckInputs& inputs) {
    CheckResult result;
    const double D = inputs.conduit_id;
    const CableSet set = checked_set(inputs, settings);
    const double d = set.largest_od();
    // The arrangement and its factor are those of the largest cables; the others add their
    // weight and area.
    const int cables = set.largest_count();
    result.set = set;
    result.set_cables = set.cables();
    result.set_weight = set.weight();
    result.largest_od = d;
    result.rule = inputs.rule;
    const SetAllowable allowed = set_allowable(set, inputs.rule, inputs.limits, settings.allowable);
    result.set_allowable = allowed.pounds;
    result.allowable_missing = allowed.missing;
    result.allowable = allowed.pounds.value_or(0);
    result.cables_checked = cables;
    // Without a diameter there is nothing to check: the verdict asks for it.
    if (!(d > 0) || !std::isfinite(d)) {
        result.problem = "no cable outside diameter";
        result.verdict = "Enter the cable's outside diameter";
        return result;
    }
    if (!(D > 0) || !std::isfinite(D)) {
        result.problem = "no conduit inside diameter";
        result.verdict = "Enter the conduit's inside diameter";
        return result;
    }
    rate_fill_and_jam(D, set, inputs, result);
    if (D < kSmallestConduit[std::min(cables, kMostCables) - 1] * d) {
        return not_fitting(result);
    }
    const double ratio = d / (D - d);
    const std::optional<CableArrangement> arrangement =
        arrangement_for(cables, ratio, inputs, result);
    if (!arrangement) {
        return result;
    }
    const auto w = weight_factor(cables, *arrangement, ratio);
    if (!w) {
        return not_fitting(result);
    }
    result.weight_correction = *w;
    result.arrangement_used = *arrangement;
    result.arrangement = arrangement_name(cables, *arrangement);
    result.clearance = clearance_of(cables, *arrangement, D, d);
    if (!result.clearance) {
        result.clearance_note = "no clearance formula for this arrangement";
    }

    // The planner's pull of the whole set: its weight, the coefficient of friction times the
    // correction factor, its allowable tension.
    PullSettings& corrected = result.corrected_settings;
    corrected = settings;
    corrected.weight = set.weight();
    corrected.friction = settings.friction * *w;
    corrected.allowable = result.allowable;
    const std::optional<std::size_t> point = mid_assist_point(settings, links.size());
    calculate_pull(links, point ? std::to_string(*point + 1) : std::string(), corrected,
                   result.corrected);
    result.plan_has_point = point.has_value();
    find_max(result.corrected.forward_tension, result.forward_max, result.forward_max_link);
    find_max(result.corrected.reverse_tension, result.reverse_max, result.reverse_max_link);

    std::vector<std::string> findings;
    if (auto pressed = check_bends(links, inputs, result)) {
        findings.push_back(std::move(*pressed));
    }
    find_held_links(result, findings);
    find_over_allowable(result, findings);
    if (!result.allowable_missing.empty()) {
        findings.push_back(result.allowable_missing);
    }
    result.clearance_short = result.clearance && *result.clearance < inputs.min_clearance;
    if (result.clearance_short) {
        findings.push_back("The clearance is below the minimum");
    }
    if (result.code_over) {
        findings.push_back("The fill of " + fixed_figure(*result.code_fill, 2, inputs.locale) +
                           "% exceeds the electrical code's limit of " +
                           std::to_string(result.code_limit) + "%");
    }
    result.may_jam = result.jam_risk && (*result.jam_risk == JamRisk::Significant ||
                                         *result.jam_risk == JamRisk::Moderate);
    if (result.may_jam) {
        findings.push_back("The cables may jam (" + std::string(jam_risk_text(*result.jam_risk)) +
                           " risk)");
    }
    write_verdict(findings, result);
    if (links.empty()) {
        // Nothing is pulled yet: no verdict to give.
        result.no_plan = true;
        result.ok = false;
        result.verdict = "No plan yet: add links in Tools > Pull Calculator.";
    }
    return result;
}

std::string_view design_min_clearance_text(UnitSystem units) {
    return units == UnitSystem::Metric ? "13" : "0.5";
}

std::string_view design_sidewall_limit_text(UnitSystem units) {
    return units == UnitSystem::Metric ? "7300" : "500";
}

double design_sidewall_limit(UnitSystem units) {
    return inch_pound_value(leadingValue(design_sidewall_limit_text(units)), Quantity::Pressure,
                            units);
}

std::string sidewall_preset_text(const SidewallPreset& preset, UnitSystem units,
                                 const NumberLocale& locale) {
    return locale_number_text(units == UnitSystem::Metric ? preset.metric : preset.inch_pound,
                              locale);
}

std::string sidewall_preset_name(const SidewallPreset& preset, UnitSystem units,
                                 const NumberLocale& locale) {
    return std::string(preset.cable) + ": " + sidewall_preset_text(preset, units, locale) + ' ' +
           std::string(unit_symbol(Quantity::Pressure, units));
}

std::optional<std::size_t> sidewall_preset_of(std::string_view text, UnitSystem units,
                                              const NumberLocale& locale) {
    if (!isNumberText(text, locale)) {
        return std::nullopt;
    }
    const double typed = read_input(text, locale);
    for (std::size_t i = 0; i < std::size(kSidewallPresets); ++i) {
        const SidewallPreset& preset = kSidewallPresets[i];
        if (typed ==
            leadingValue(units == UnitSystem::Metric ? preset.metric : preset.inch_pound)) {
            return i;
        }
    }
    return std::nullopt;
}

PullAdvice check_advice(const std::vector<PullLinkValues>& links, const CheckInputs& inputs,
                        const CheckResult& result) {
    if (!result.problem.empty()) {
        return {};
    }
    const PullSettings& corrected = result.corrected_settings;
    // Each bend's bearing pressure held against the limit as the check holds it.
    BearingLimit bearing(inputs.sidewall_limit);
    bearing.factor =
        bearing_factor(result.cables_checked, result.arrangement_used, result.weight_correction);
    bearing.radius = inputs.bend_radius;
    return advise_pull(links, corrected, bearing, inputs.units);
}

CheckInputs read_check_inputs(const CheckInputTexts& texts, const NumberLocale& locale,
                              std::vector<CheckWarning>* warnings, UnitSystem units) {
    const auto warn = [warnings](std::string_view box, std::string_view message) {
        if (warnings) {
            warnings->push_back({box, message});
        }
    };
    const auto read = [&](std::string_view box, const std::string& text, Quantity quantity) {
        if (!isNumberText(text, locale)) {
            warn(box, kEnterNumberMessage);
        }
        return inch_pound_value(read_input(text, locale), quantity, units);
    };
    CheckInputs inputs;
    inputs.units = units;
    inputs.locale = locale;
    inputs.conduit_id = read("conduit-id", texts.conduit_id, Quantity::Diameter);
    // The box is read where it leads the set or holds a text (the window's first group).
    if (texts.planner_group || !trimmed_blanks(texts.cable_od).empty()) {
        inputs.cable_od = read("cable-od", texts.cable_od, Quantity::Diameter);
    }
    inputs.cables = std::clamp(texts.cables, 1, kMostCables);
    inputs.arrangement = texts.arrangement;
    inputs.min_clearance = read("min-clearance", texts.min_clearance, Quantity::Diameter);
    inputs.sidewall_limit = read("swbp-limit", texts.sidewall_limit, Quantity::Pressure);
    if (!trimmed_blanks(texts.bend_radius).empty()) {
        if (!isNumberText(texts.bend_radius, locale)) {
            warn("bend-radius", kEnterNumberMessage);
        } else if (const double radius = read_input(texts.bend_radius, locale); radius > 0) {
            inputs.bend_radius = inch_pound_value(radius, Quantity::Length, units);
        } else {
            warn("bend-radius", kRadiusMessage);
        }
    }
    if (!texts.conduit_area.empty()) {
        inputs.conduit_area = leadingValue(texts.conduit_area);
    }
    inputs.planner_group = texts.planner_group;
    // Each group as read; what a text lacks is said where it is typed (the set's table, the
    // command line's --cable).
    for (const CableGroupTexts& group : texts.groups) {
        inputs.set.push_back(read_cable_group(group, locale, units).group);
    }
    inputs.rule = texts.rule;
    const auto rating = [&](std::string_view box, const std::string& text, double& into) {
        if (trimmed_blanks(text).empty()) {
            return;
        }
        const double value = inch_pound_value(read_input(text, locale), Quantity::Tension, units);
        if (!isNumberText(text, locale) || !(value > 0) || !std::isfinite(value)) {
            warn(box, kRatingMessage);
            return;
        }
        into = value;
    };
    rating("eye-limit", texts.eye_limit, inputs.limits.eye);
    rating("grip-limit", texts.grip_limit, inputs.limits.grip);
    return inputs;
}


namespace {

// The pull's highest tension and the allowable tension, in one unit: what compares at a glance.
std::string pull_line(const std::string& max, int link, const CheckResult& result,
                      ColumnUnit unit, const NumberLocale& locale) {
    if (link < 0) {
        return "no links in the plan";
    }
    const std::string symbol = column_symbol(Quantity::Tension, unit);
    const std::string line = max + ' ' + symbol + " at link " + std::to_string(link + 1);
    if (!(result.allowable > 0)) {
        return line + ", no allowable tension: " +
               (result.allowable_missing.empty() ? std::string("give it in the planner")
                                                 : result.allowable_missing);
    }
    // An allowable tension is never shown above itself: rounded down to the unit's last digit.
    const double shown = shown_value(result.allowable, Quantity::Tension, unit.units);
    const std::string allowable =
        unit.kilo ? fixed_number_text(whole_number_below(shown / 10) / 100, 2)
                  : wholeResultText(shown);
    return line + ", allowable " + locale_number_text(allowable, locale) + ' ' + symbol;
}

} // namespace

namespace {

// The set's cables, weight, largest diameter and allowable tension by its rule.
void write_set_texts(const CheckResult& result, const CheckInputs& inputs, CheckTexts& texts) {
    const UnitSystem units = inputs.units;
    const auto figure = [&](double inch_pound, Quantity quantity) {
        return locale_number_text(general_number_text(typed_shown_value(inch_pound, quantity, units)),
                                  inputs.locale);
    };
    texts.set_cables = std::to_string(result.set_cables);
    texts.set_weight = figure(result.set_weight, Quantity::Weight);
    texts.largest_od = figure(result.largest_od, Quantity::Diameter);
    texts.tension_rule = tension_rule_key(result.rule);
    texts.set_line = texts.set_cables + (result.set_cables == 1 ? " cable" : " cables") +
                     " weighing " + texts.set_weight + ' ' +
                     std::string(unit_symbol(Quantity::Weight, units)) + ", largest OD " +
                     texts.largest_od + ' ' + std::string(unit_symbol(Quantity::Diameter, units));
    if (result.set_allowable) {
        // As the pulls' lines show the allowable tension they are held against: whole, in the
        // units shown.
        texts.set_allowable = locale_number_text(
            wholeResultText(shown_value(*result.set_allowable, Quantity::Tension, units)),
            inputs.locale);
        texts.allowable_line = texts.set_allowable + ' ' +
                               std::string(unit_symbol(Quantity::Tension, units)) + ": " +
                               std::string(tension_rule_name(result.rule));
    } else {
        texts.set_allowable = result.allowable_missing;
        texts.allowable_line = result.allowable_missing;
    }
}

} // namespace

CheckTexts check_texts(const CheckResult& result, const CheckInputs& inputs) {
    const NumberLocale& locale = inputs.locale;
    const auto fixed = [&locale](double value, int decimals) {
        return fixed_figure(value, decimals, locale);
    };
    CheckTexts texts;
    texts.verdict = result.verdict;
    if (!result.problem.empty()) {
        texts.advice_line = result.problem;
    } else if (result.advice.links > 0) {
        // The advice compares the corrected pulls without the plan's own point, which the rows
        // above take: it says so, unless the plan has the very point it advises.
        texts.advice_line = advice_text(result.advice, inputs.units, locale);
        if (result.plan_has_point && !result.advice.point_in_plan) {
            texts.advice_line = "Without a mid-assist point: " + texts.advice_line;
        }
    }
    if (result.code_fill) {
        texts.code_fill = fixed(*result.code_fill, 2) + "%";
        texts.code_line = texts.code_fill + (result.code_over ? ", over" : ", within") +
                          " the electrical code's " + std::to_string(result.code_limit) + "% for " +
                          (inputs.cables <= 1   ? "one cable"
                           : inputs.cables == 2 ? "two cables"
                                                : "more than two cables");
    }
    if (result.jam_ratio > 0) {
        texts.jam_ratio = fixed(result.jam_ratio, 4);
        texts.jam_line = texts.jam_ratio;
    }
    if (result.jam_risk) {
        texts.jam_risk = jam_risk_text(*result.jam_risk);
        texts.jam_line += ", jam risk " + texts.jam_risk;
    } else if (!result.jam_note.empty() && !texts.jam_line.empty()) {
        texts.jam_line += ", " + result.jam_note;
    }
    write_set_texts(result, inputs, texts);
    if (!result.problem.empty()) {
        for (std::string* text :
             {&texts.weight_correction, &texts.configuration, &texts.clearance, &texts.forward_max,
              &texts.reverse_max, &texts.weight_line, &texts.clearance_line, &texts.forward_line,
              &texts.reverse_line}) {
            *text = result.problem;
        }
        texts.jam_risk = result.problem;
        texts.jam_line =
            texts.jam_ratio.empty() ? result.problem : texts.jam_ratio + ", " + result.problem;
        return texts;
    }
    texts.weight_correction = fixed(result.weight_correction, 4);
    texts.configuration = result.arrangement;
    texts.weight_line = texts.weight_correction + ", " + result.arrangement;
    const UnitSystem units = inputs.units;
    const bool metric = units == UnitSystem::Metric;
    if (result.clearance) {
        texts.clearance = metric ? fixed(*result.clearance * kMillimetresPerInch, 2)
                                 : fixed(*result.clearance, 4);
        const std::string unit(unit_symbol(Quantity::Diameter, units));
        texts.clearance_line =
            texts.clearance + ' ' + unit + ", " +
            (*result.clearance < inputs.min_clearance ? "below the minimum of " : "minimum ") +
            shown_figure(inputs.min_clearance, Quantity::Diameter, inputs) + ' ' + unit;
    } else {
        texts.clearance = result.clearance_note;
        texts.clearance_line = result.clearance_note;
    }
    // Both pulls in one unit, so that they compare at a glance.
    const ColumnUnit unit =
        column_unit(Quantity::Tension, units,
                    std::max(std::fabs(result.forward_max), std::fabs(result.reverse_max)));
    const auto tension = [&](double pounds, ColumnUnit in) {
        return locale_number_text(column_figure_text(pounds, Quantity::Tension, in), locale);
    };
    texts.forward_max = tension(result.forward_max, unit);
    texts.reverse_max = tension(result.reverse_max, unit);
    // The allowable tension takes part in the unit the pulls share.
    const ColumnUnit shared =
        column_unit(Quantity::Tension, units,
                    std::max({std::fabs(result.forward_max), std::fabs(result.reverse_max),
                              std::isfinite(result.allowable) ? std::fabs(result.allowable) : 0.0}));
    texts.forward_max = tension(result.forward_max, shared);
    texts.reverse_max = tension(result.reverse_max, shared);
    texts.forward_line =
        pull_line(texts.forward_max, result.forward_max_link, result, shared, locale);
    texts.reverse_line =
        pull_line(texts.reverse_max, result.reverse_max_link, result, shared, locale);
    return texts;
}

ColumnUnit bend_pressure_unit(const CheckResult& result, UnitSystem units) {
    double largest = 0;
    for (const CheckedBend& bend : result.bends) {
        for (const auto& pressure : {bend.forward_pressure, bend.reverse_pressure}) {
            if (pressure && std::isfinite(*pressure)) {
                largest = std::max(largest, std::fabs(*pressure));
            }
        }
    }
    return column_unit(Quantity::Pressure, units, largest);
}

CheckedBendTexts bend_texts(const CheckedBend& bend, const CheckInputs& inputs,
                            ColumnUnit pressure_unit) {
    CheckedBendTexts texts;
    texts.link = std::to_string(bend.link + 1);
    texts.radius =
        bend.radius ? fixed_figure(shown_value(*bend.radius, Quantity::Length, pressure_unit.units),
                                   4, inputs.locale)
                    : std::string(kAngleZeroText);
    const auto pressure = [&](const std::optional<double>& value) {
        return value ? locale_number_text(
                           column_figure_text(*value, Quantity::Pressure, pressure_unit),
                           inputs.locale)
                     : std::string(kNoRadiusText);
    };
    texts.forward_pressure = pressure(bend.forward_pressure);
    texts.reverse_pressure = pressure(bend.reverse_pressure);
    // The limit in every row, in the unit of the row's pressures; which pull passes it, if any.
    texts.limit = locale_number_text(
        pressure_unit.kilo
            ? column_figure_text(inputs.sidewall_limit, Quantity::Pressure, pressure_unit)
            : general_number_text(
                  typed_shown_value(inputs.sidewall_limit, Quantity::Pressure, pressure_unit.units)),
        inputs.locale);
    if (bend.over_limit) {
        texts.limit += bend.forward_over && bend.reverse_over ? ", over both ways"
                       : bend.forward_over                    ? ", over forward"
                                                              : ", over reverse";
    }
    return texts;
}

} // namespace tensora
