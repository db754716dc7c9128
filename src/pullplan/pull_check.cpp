#include "pullplan/pull_check.h"

#include "fill/fill_ratio.h"
#include "numbers/input_checks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace tensora {
namespace {

// A figure with its decimals, alone.
Message fixed_message(double value, int decimals) {
    return figure_message(Figure::fixed(value, decimals));
}

// The smallest conduit, in cable diameters, that holds 1 to 6 equal round cables side by side
// in one cross-section: 1, 2, 1 + 2/sqrt(3), 1 + sqrt(2), 1 + sqrt(2 (1 + 1/sqrt(5))), 3.
constexpr double kSmallestConduit[kMostCables] = {
    1.0, 2.0, 2.1547005383792515, 2.4142135623730951, 2.7013016167040798, 3.0};

void not_fitting(CheckResult& result) {
    result.problem = TENSORA_TEXT("Check", "the cables do not fit this conduit");
    result.jam_risk.reset(); // no risk to name for cables that do not go in
    result.verdict = TENSORA_TEXT("Check", "The cables do not fit this conduit");
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

// The arrangement the weight correction stands for.
Message arrangement_name(int cables, CableArrangement arrangement) {
    if (cables <= 1) {
        return TENSORA_TEXT("Check", "single cable");
    }
    if (cables == 2) {
        return TENSORA_TEXT("Check", "two cables");
    }
    if (cables >= 5) {
        return TENSORA_TEXT("Check", "five or more cables");
    }
    return arrangement_words(arrangement);
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

Message arrangement_words(CableArrangement arrangement) {
    switch (arrangement) {
    case CableArrangement::Triangular:
        return TENSORA_TEXT("Check", "triangular");
    case CableArrangement::Cradled:
        return TENSORA_TEXT("Check", "cradled");
    case CableArrangement::Diamond:
        return TENSORA_TEXT("Check", "diamond");
    default:
        return TENSORA_TEXT("Check", "automatic");
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

Message jam_risk_words(JamRisk risk) {
    switch (risk) {
    case JamRisk::Significant:
        return TENSORA_TEXT("Check", "significant");
    case JamRisk::Moderate:
        return TENSORA_TEXT("Check", "moderate");
    case JamRisk::Small:
        return TENSORA_TEXT("Check", "small");
    default:
        return TENSORA_TEXT("Check", "very small");
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
        result.jam_note = TENSORA_TEXT("Check", "mixed sizes: no jam band");
    }
}

// The arrangement: for three or four cables "automatic" takes the one with the larger factor;
// an arrangement the number of cables cannot take is none (the result says why).
std::optional<CableArrangement> arrangement_for(int cables, double ratio, const CheckInputs& inputs,
                                                CheckResult& result) {
    const CableArrangement arrangement = inputs.arrangement;
    if ((cables == 3 && arrangement == CableArrangement::Diamond) ||
        (cables == 4 && arrangement == CableArrangement::Triangular)) {
        result.problem =
            cables == 3
                ? TENSORA_TEXT("Check", "three cables lie triangular or cradled, not in a diamond")
                : TENSORA_TEXT("Check", "four cables lie cradled or in a diamond, not triangular");
        result.verdict =
            TENSORA_TEXT("Check", "The arrangement does not suit the number of cables");
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
std::optional<Message> check_bends(const std::vector<PullLinkValues>& links,
                                   const CheckInputs& inputs, CheckResult& result) {
    const double conduit_factor =
        bearing_factor(result.cables_checked, result.arrangement_used, result.weight_correction);
    int pressed_bends = 0;
    std::size_t first_pressed = 0;
    Message first_pulls; // which pulls press the first of them too hard
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (links[i].straight) {
            continue;
        }
        const double factor =
            result.bearing_factors.empty() ? conduit_factor : result.bearing_factors[i];
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
                first_pulls = bend.forward_over && bend.reverse_over
                                  ? TENSORA_TEXT("Check", "in both pulls")
                              : bend.forward_over ? TENSORA_TEXT("Check", "in the forward pull")
                                                  : TENSORA_TEXT("Check", "in the reverse pull");
            }
        }
        result.bends.push_back(bend);
    }
    if (pressed_bends == 0) {
        return std::nullopt;
    }
    const int more = pressed_bends - 1;
    //: %1 the sidewall pressure limit with its unit, %2 the link's number, %3 which pulls
    //: ("in both pulls").
    Message finding =
        more == 0 ? Message(TENSORA_TEXT("Check", "Sidewall pressure exceeds %1 at link %2 %3"))
                  : Message(TENSORA_COUNTED("Check",
                                            "Sidewall pressure exceeds %1 at link %2 %3 "
                                            "and at %n more bends",
                                            "Sidewall pressure exceeds %1 at link %2 %3 "
                                            "and at %n more bend"))
                        .counting(more);
    finding.figure(Figure::typed(inputs.sidewall_limit, Quantity::Pressure, inputs.units))
        .link(first_pressed)
        .nested(std::move(first_pulls));
    return finding;
}

// The first link, in each pull's own order, where it is held at zero: the cable would run
// under its own weight there and must be held back.
void find_held_links(CheckResult& result, std::vector<Message>& findings) {
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
    const MessageSource forward = TENSORA_TEXT(
        "Check",
        "The cable runs under its own weight at link %1 in the forward pull: hold it back");
    const MessageSource reverse = TENSORA_TEXT(
        "Check",
        "The cable runs under its own weight at link %1 in the reverse pull: hold it back");
    for (const auto& [link, which] : {std::pair{result.forward_held_link, forward},
                                      std::pair{result.reverse_held_link, reverse}}) {
        if (link) {
            findings.push_back(Message(which).link(static_cast<std::size_t>(*link)));
        }
    }
}

// Each pull names the first link, in its own order, where its tension goes beyond the
// allowable tension; these lead the verdict.
void find_over_allowable(CheckResult& result, std::vector<Message>& findings) {
    const double allowable = result.allowable;
    const auto beyond = [&](const std::vector<double>& tensions, bool reverse,
                            MessageSource which) {
        const std::size_t n = tensions.size();
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t i = reverse ? n - 1 - k : k;
            if (allowable > 0 && tensions[i] > allowable) {
                findings.insert(findings.begin(), Message(which).link(i));
                return true;
            }
        }
        return false;
    };
    result.reverse_over =
        beyond(result.corrected.reverse_tension, true,
               TENSORA_TEXT("Check", "Reverse pull exceeds the allowable tension at link %1"));
    result.forward_over =
        beyond(result.corrected.forward_tension, false,
               TENSORA_TEXT("Check", "Forward pull exceeds the allowable tension at link %1"));
}

// "Pull OK", or every finding.
void write_verdict(const std::vector<Message>& findings, CheckResult& result) {
    result.ok = findings.empty();
    result.verdict =
        result.ok ? Message(TENSORA_TEXT("Check", "Pull OK")) : joined_messages(findings);
    result.findings = findings;
}

} // namespace

std::vector<BendStretch> bend_stretches(const std::vector<PullLinkValues>& links,
                                        std::optional<std::size_t> mid_assist) {
    std::vector<BendStretch> stretches;
    std::optional<BendStretch> open;
    const auto close = [&stretches, &open] {
        if (open) {
            open->over = open->degrees > kMostDegreesBetweenPullPoints;
            stretches.push_back(*open);
            open.reset();
        }
    };
    for (std::size_t i = 0; i < links.size(); ++i) {
        const PullLinkValues& link = links[i];
        if (link.pull_point) {
            close(); // the box ends one stretch and starts the next
        } else {
            if (!open) {
                open = BendStretch{static_cast<int>(i), static_cast<int>(i), 0, false};
            }
            open->to = static_cast<int>(i);
            if (!link.straight) {
                open->degrees += std::fabs(link.angle);
            }
        }
        if (mid_assist && *mid_assist == i) {
            close();
        }
    }
    close();
    return stretches;
}

CableSet checked_set(const CheckInputs& inputs, const PullSettings& settings) {
    CableSet set;
    if (inputs.planner_group) {
        CableGroup group;
        group.count = std::clamp(inputs.cables, 1, kMostCables);
        group.od = inputs.cable_od;
        group.weight = settings.weight;
        group.kind = inputs.cable_kind;
        // The planner's allowable tension is its cable's own.
        if (settings.allowable > 0) {
            group.rating = settings.allowable;
        }
        set.groups.push_back(group);
    }
    set.groups.insert(set.groups.end(), inputs.set.begin(), inputs.set.end());
    return set;
}

namespace {

// The set's figures, and its allowable tension by the rule (or what the rule lacks).
void describe_set(const CableSet& set, const CheckInputs& inputs, const PullSettings& settings,
                  CheckResult& result) {
    result.set = set;
    result.set_cables = set.cables();
    result.set_weight = set.weight();
    result.largest_od = set.largest_od();
    result.rule = inputs.rule;
    const SetAllowable allowed = set_allowable(set, inputs.rule, inputs.limits, settings.allowable);
    result.set_allowable = allowed.pounds;
    result.allowable_missing = allowed.missing;
    result.allowable = allowed.pounds.value_or(0);
    // The arrangement and its factor are those of the largest cables; the others add their
    // weight and area.
    result.cables_checked = set.largest_count();
}

// The largest cables in the conduit: their arrangement, weight correction and clearance, with
// the fill and the jam ratio. False where they have no arrangement there (the result says why).
bool arrange_cables(double D, const CableSet& set, const CheckInputs& inputs,
                    CheckResult& result) {
    const double d = set.largest_od();
    const int cables = result.cables_checked;
    // Without a diameter there is nothing to check: the verdict asks for it.
    if (!(d > 0) || !std::isfinite(d)) {
        result.problem = TENSORA_TEXT("Check", "no cable outside diameter");
        result.verdict = TENSORA_TEXT("Check", "Enter the cable's outside diameter");
        return false;
    }
    if (!(D > 0) || !std::isfinite(D)) {
        result.problem = TENSORA_TEXT("Check", "no conduit inside diameter");
        result.verdict = TENSORA_TEXT("Check", "Enter the conduit's inside diameter");
        return false;
    }
    rate_fill_and_jam(D, set, inputs, result);
    if (D < kSmallestConduit[std::min(cables, kMostCables) - 1] * d) {
        not_fitting(result);
        return false;
    }
    const double ratio = d / (D - d);
    const std::optional<CableArrangement> arrangement =
        arrangement_for(cables, ratio, inputs, result);
    if (!arrangement) {
        return false;
    }
    const auto w = weight_factor(cables, *arrangement, ratio);
    if (!w) {
        not_fitting(result);
        return false;
    }
    result.weight_correction = *w;
    result.arrangement_used = *arrangement;
    result.arrangement = arrangement_name(cables, *arrangement);
    result.clearance = clearance_of(cables, *arrangement, D, d);
    if (!result.clearance) {
        result.clearance_note = TENSORA_TEXT("Check", "no clearance formula for this arrangement");
    }
    return true;
}

// The planner's pull of the whole set: its weight, the coefficient of friction times the
// correction factor, its allowable tension.
void pull_the_set(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                  CheckResult& result) {
    PullSettings& corrected = result.corrected_settings;
    corrected = settings;
    corrected.weight = result.set_weight;
    corrected.friction = settings.friction * result.weight_correction;
    corrected.allowable = result.allowable;
    const std::optional<std::size_t> point = mid_assist_point(settings, links.size());
    calculate_pull(links, point ? std::to_string(*point + 1) : std::string(), corrected,
                   result.corrected);
    result.plan_has_point = point.has_value();
    find_max(result.corrected.forward_tension, result.forward_max, result.forward_max_link);
    find_max(result.corrected.reverse_tension, result.reverse_max, result.reverse_max_link);
}

// Whether the first link names a raceway of its own: the check's conduit then holds no link.
bool starts_in_own_raceway(const std::vector<PullLinkValues>& links) {
    return !links.empty() && (links.front().tray || !std::isnan(links.front().raceway_id));
}

// Where links carry coefficients or raceways of their own: each stretch of the route in its
// own raceway (from a link that names one to the next that does) is arranged as the check's
// conduit is, with its findings naming the link it starts at; cable tray on rollers corrects
// nothing (w 1, bearing factor 1). The links are kept as the corrected pull takes them, each
// coefficient times its stretch's w. False where the cables do not fit a stretch's conduit
// (the result says from which link).
bool arrange_stretches(const std::vector<PullLinkValues>& links, const CableSet& set,
                       const PullSettings& settings, const CheckInputs& inputs,
                       CheckResult& result, std::vector<Message>& findings) {
    const bool own = std::any_of(links.begin(), links.end(), [](const PullLinkValues& link) {
        return link.has_own_friction() || link.tray || !std::isnan(link.raceway_id);
    });
    if (!own) {
        return true;
    }
    double w = result.weight_correction;
    double factor =
        bearing_factor(result.cables_checked, result.arrangement_used, result.weight_correction);
    result.corrected_links = links;
    result.bearing_factors.assign(links.size(), factor);
    for (std::size_t i = 0; i < links.size(); ++i) {
        const PullLinkValues& link = links[i];
        if (link.tray) {
            w = 1;
            factor = 1;
        } else if (!std::isnan(link.raceway_id)) {
            CheckResult stretch;
            stretch.cables_checked = result.cables_checked;
            CheckInputs own_inputs = inputs;
            own_inputs.conduit_area.reset(); // its fill against the circle of its own diameter
            if (!arrange_cables(link.raceway_id, set, own_inputs, stretch)) {
                //: %1 what is wrong with a stretch's conduit, %2 the link it starts at.
                const MessageSource from = TENSORA_TEXT("Check", "%1 from link %2");
                result.problem = Message(from).nested(stretch.problem).link(i);
                result.verdict = Message(from).nested(stretch.verdict).link(i);
                result.corrected_links.clear();
                result.bearing_factors.clear();
                return false;
            }
            w = stretch.weight_correction;
            factor = bearing_factor(stretch.cables_checked, stretch.arrangement_used, w);
            if (stretch.clearance && *stretch.clearance < inputs.min_clearance) {
                findings.push_back(
                    Message(TENSORA_TEXT("Check", "The clearance is below the minimum from link %1"))
                        .link(i));
            }
            if (stretch.code_over) {
                //: %1 the fill in per cent with two decimals, %2 the code's limit in whole per
                //: cent, %3 the link the conduit starts at.
                findings.push_back(Message(TENSORA_TEXT("Check", "The fill of %1% exceeds the "
                                                                 "electrical code's limit of %2% "
                                                                 "from link %3"))
                                       .figure(Figure::fixed(*stretch.code_fill, 2))
                                       .count_arg(stretch.code_limit)
                                       .link(i));
            }
            if (stretch.jam_risk && (*stretch.jam_risk == JamRisk::Significant ||
                                     *stretch.jam_risk == JamRisk::Moderate)) {
                //: %1 the risk: "significant" or "moderate", %2 the link the conduit starts at.
                findings.push_back(
                    Message(TENSORA_TEXT("Check", "The cables may jam (%1 risk) from link %2"))
                        .nested(jam_risk_words(*stretch.jam_risk))
                        .link(i));
            }
        }
        result.corrected_links[i].friction = link.friction_or(settings.friction) * w;
        result.bearing_factors[i] = factor;
    }
    return true;
}

// The set's least bending radius: the largest of its groups of a known kind, pulled and
// trained each; the cables of a kind not known are named in the note.
void find_minimum_radius(CheckResult& result) {
    int unknown = 0;
    for (const CableGroup& group : result.set.groups) {
        const std::optional<MinimumRadius> minimum = minimum_bending_radius(group.kind, group.od);
        if (!minimum) {
            unknown += group.count;
            continue;
        }
        // The largest pulled radius names the rule; the trained radius is the largest too.
        const double trained = result.minimum_radius
                                   ? std::max(result.minimum_radius->trained, minimum->trained)
                                   : minimum->trained;
        if (!result.minimum_radius || minimum->pulling > result.minimum_radius->pulling) {
            result.minimum_radius = *minimum;
        }
        result.minimum_radius->trained = trained;
    }
    if (unknown > 0) {
        //: %n cables whose kind is not given.
        result.radius_note =
            Message(TENSORA_COUNTED("Check",
                                    "The bending radius was not checked for %n cables whose "
                                    "kind is not known",
                                    "The bending radius was not checked for %n cable whose kind "
                                    "is not known"))
                .counting(unknown);
    }
}

// Each bend against the set's least bending radius under pulling tension and once trained in
// place; the finding names the first bend below it (and how many more), its radius, the
// minimum and the rule.
void check_bend_radii(const std::vector<PullLinkValues>& links, const CheckInputs& inputs,
                      CheckResult& result, std::vector<Message>& findings) {
    find_minimum_radius(result);
    if (!result.minimum_radius) {
        return;
    }
    const MinimumRadius& minimum = *result.minimum_radius;
    std::optional<BendRadiusCheck> first;
    int more = 0;
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (links[i].straight) {
            continue;
        }
        BendRadiusCheck bend;
        bend.link = static_cast<int>(i);
        bend.radius = bend_radius(links[i], inputs.bend_radius);
        if (bend.radius) {
            const double inches = *bend.radius * 12;
            bend.pulling_under = inches < minimum.pulling;
            bend.trained_under = inches < minimum.trained;
        }
        if (bend.pulling_under || bend.trained_under) {
            if (first) {
                ++more;
            } else {
                first = bend;
            }
        }
        result.bend_radii.push_back(bend);
    }
    if (!first) {
        return;
    }
    const bool both = first->pulling_under && first->trained_under;
    //: %1 the bend's link, %2 its radius, %3 the least radius, %4 the rule it comes from.
    const MessageSource which =
        both && minimum.pulling == minimum.trained
            ? TENSORA_TEXT("Check", "The bend at link %1 has a radius of %2, below the cable's "
                                    "least bending radius of %3 (%4)")
        : first->pulling_under
            ? TENSORA_TEXT("Check", "The bend at link %1 has a radius of %2, below the cable's "
                                    "least bending radius of %3 under pulling tension (%4)")
            : TENSORA_TEXT("Check", "The bend at link %1 has a radius of %2, below the cable's "
                                    "least bending radius of %3 once trained in place (%4)");
    const double least = first->pulling_under ? minimum.pulling : minimum.trained;
    Message finding = Message(which)
                          .link(static_cast<std::size_t>(first->link))
                          .figure(Figure::typed(*first->radius * 12, Quantity::Diameter,
                                                inputs.units))
                          .figure(Figure::typed(least, Quantity::Diameter, inputs.units))
                          .nested(minimum.rule);
    if (more > 0) {
        finding = Message(TENSORA_COUNTED("Check", "%1, and %n more bends", "%1, and %n more bend"))
                      .nested(std::move(finding))
                      .counting(more);
    }
    findings.push_back(std::move(finding));
}

// Each stretch between pull points whose bends turn more than 360 degrees.
void check_stretches(const CheckResult& result, std::vector<Message>& findings) {
    for (const BendStretch& stretch : result.stretches) {
        if (stretch.over) {
            //: %1 the degrees of the stretch's bends, %2 and %3 its first and last links.
            findings.push_back(Message(TENSORA_TEXT("Check", "%1° of bends from link %2 to link "
                                                             "%3, more than 360° between pull "
                                                             "points"))
                                   .figure(Figure::number(stretch.degrees))
                                   .link(static_cast<std::size_t>(stretch.from))
                                   .link(static_cast<std::size_t>(stretch.to)));
        }
    }
}

// Every finding of the set's pull, in the verdict's order.
std::vector<Message> findings_of(const std::vector<PullLinkValues>& links,
                                 const CheckInputs& inputs, CheckResult& result) {
    std::vector<Message> findings;
    if (auto pressed = check_bends(links, inputs, result)) {
        findings.push_back(std::move(*pressed));
    }
    find_held_links(result, findings);
    find_over_allowable(result, findings);
    if (!result.allowable_missing.empty()) {
        findings.push_back(result.allowable_missing);
    }
    // The check's conduit rates only where links run in it.
    const bool conduit_used = !starts_in_own_raceway(links);
    result.clearance_short =
        conduit_used && result.clearance && *result.clearance < inputs.min_clearance;
    if (result.clearance_short) {
        findings.push_back(TENSORA_TEXT("Check", "The clearance is below the minimum"));
    }
    if (conduit_used && result.code_over) {
        //: %1 the fill in per cent with two decimals, %2 the code's limit in whole per cent.
        findings.push_back(
            Message(
                TENSORA_TEXT("Check", "The fill of %1% exceeds the electrical code's limit of %2%"))
                .figure(Figure::fixed(*result.code_fill, 2))
                .count_arg(result.code_limit));
    }
    result.may_jam = conduit_used && result.jam_risk &&
                     (*result.jam_risk == JamRisk::Significant ||
                      *result.jam_risk == JamRisk::Moderate);
    check_bend_radii(links, inputs, result, findings);
    check_stretches(result, findings);
    if (result.may_jam) {
        //: %1 the risk: "significant" or "moderate".
        findings.push_back(Message(TENSORA_TEXT("Check", "The cables may jam (%1 risk)"))
                               .nested(jam_risk_words(*result.jam_risk)));
    }
    return findings;
}

} // namespace

CheckResult check_pull(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                       const CheckInputs& inputs) {
    CheckResult result;
    result.stretches = bend_stretches(links, mid_assist_point(settings, links.size()));
    const CableSet set = checked_set(inputs, settings);
    describe_set(set, inputs, settings, result);
    if (!arrange_cables(inputs.conduit_id, set, inputs, result)) {
        return result;
    }
    std::vector<Message> stretch_findings;
    if (!arrange_stretches(links, set, settings, inputs, result, stretch_findings)) {
        return result;
    }
    pull_the_set(result.corrected_links.empty() ? links : result.corrected_links, settings, result);
    std::vector<Message> findings = findings_of(links, inputs, result);
    findings.insert(findings.end(), stretch_findings.begin(), stretch_findings.end());
    write_verdict(findings, result);
    if (links.empty()) {
        // Nothing is pulled yet: no verdict to give.
        result.no_plan = true;
        result.ok = false;
        result.verdict =
            TENSORA_TEXT("Check", "No plan yet: add links in Tools > Pull Calculator.");
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

Message sidewall_preset_name(const SidewallPreset& preset, UnitSystem units) {
    const double typed =
        leadingValue(units == UnitSystem::Metric ? preset.metric : preset.inch_pound);
    //: A usual sidewall pressure limit: %1 the type of cable, %2 the limit with its unit.
    return Message(TENSORA_TEXT("Check", "%1: %2"))
        .nested(preset.cable)
        .figure(Figure::typed(inch_pound_value(typed, Quantity::Pressure, units),
                              Quantity::Pressure, units));
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
    bearing.factors = result.bearing_factors;
    bearing.radius = inputs.bend_radius;
    return advise_pull(result.corrected_links.empty() ? links : result.corrected_links, corrected,
                       bearing, inputs.units);
}

CheckInputs read_check_inputs(const CheckInputTexts& texts, const NumberLocale& locale,
                              std::vector<CheckWarning>* warnings, UnitSystem units) {
    const auto warn = [warnings](std::string_view box, MessageSource message) {
        if (warnings) {
            warnings->push_back({box, message});
        }
    };
    const auto read = [&](std::string_view box, const std::string& text, Quantity quantity) {
        if (!isNumberText(text, locale)) {
            warn(box, kEnterNumber);
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
            warn("bend-radius", kEnterNumber);
        } else if (const double radius = read_input(texts.bend_radius, locale); radius > 0) {
            inputs.bend_radius = inch_pound_value(radius, Quantity::Length, units);
        } else {
            warn("bend-radius",
                 TENSORA_TEXT("Check", "Enter a bend radius above 0, or leave the box empty to "
                                       "take each bend's radius from its length and angle"));
        }
    }
    if (!texts.conduit_area.empty()) {
        inputs.conduit_area = leadingValue(texts.conduit_area);
    }
    if (const auto kind = bending_kind_by_key(texts.cable_kind, locale)) {
        inputs.cable_kind = *kind;
    } else {
        warn("cable-kind", TENSORA_TEXT("Check", "Enter a cable kind or a multiple of the "
                                                 "diameter above 0"));
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
            warn(box, TENSORA_TEXT("Check", "Enter a rating above 0"));
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
Message pull_line(double max, int link, const CheckResult& result, ColumnUnit unit) {
    if (link < 0) {
        return TENSORA_TEXT("Check", "no links in the plan");
    }
    const Figure highest = Figure::column(max, Quantity::Tension, unit);
    if (!(result.allowable > 0)) {
        //: %1 the highest tension, %2 its link, %3 what the allowable tension lacks.
        return Message(TENSORA_TEXT("Check", "%1 at link %2, no allowable tension: %3"))
            .figure(highest)
            .count_arg(link + 1)
            .nested(result.allowable_missing.empty()
                        ? Message(TENSORA_TEXT("Check", "give it in the planner"))
                        : result.allowable_missing);
    }
    // An allowable tension is never shown above itself: rounded down to the unit's last digit.
    return Message(TENSORA_TEXT("Check", "%1 at link %2, allowable %3"))
        .figure(highest)
        .count_arg(link + 1)
        .figure(Figure::column_down(result.allowable, Quantity::Tension, unit));
}

// The set's cables, weight, largest diameter and allowable tension by its rule.
void write_set_texts(const CheckResult& result, const CheckInputs& inputs, CheckTexts& texts) {
    const UnitSystem units = inputs.units;
    const auto figure = [&](double inch_pound, Quantity quantity) {
        return figure_text(Figure::typed(inch_pound, quantity, units).without_symbol(),
                           inputs.locale);
    };
    texts.set_cables = std::to_string(result.set_cables);
    texts.set_weight = figure(result.set_weight, Quantity::Weight);
    texts.largest_od = figure(result.largest_od, Quantity::Diameter);
    texts.tension_rule = tension_rule_key(result.rule);
    //: %n cables, %1 their weight per length, %2 the largest outside diameter.
    texts.set_line = Message(TENSORA_COUNTED("Check", "%n cables weighing %1, largest OD %2",
                                             "%n cable weighing %1, largest OD %2"))
                         .counting(result.set_cables)
                         .figure(Figure::typed(result.set_weight, Quantity::Weight, units))
                         .figure(Figure::typed(result.largest_od, Quantity::Diameter, units));
    if (result.set_allowable) {
        // As the pulls' lines show the allowable tension they are held against: whole, in the
        // units shown.
        const Figure allowable = Figure::whole(*result.set_allowable, Quantity::Tension, units);
        texts.set_allowable = figure_message(allowable.without_symbol());
        //: %1 the allowable tension, %2 the rule it comes from.
        texts.allowable_line = Message(TENSORA_TEXT("Check", "%1: %2"))
                                   .figure(allowable)
                                   .nested(tension_rule_name(result.rule));
    } else {
        texts.set_allowable = result.allowable_missing;
        texts.allowable_line = result.allowable_missing;
    }
}

// "3.3540, jam risk very small", or the ratio and why no risk is named.
Message jam_line(const CheckResult& result, const CheckTexts& texts) {
    if (result.jam_risk) {
        return Message(TENSORA_TEXT("Check", "%1, jam risk %2"))
            .nested(texts.jam_ratio)
            .nested(texts.jam_risk);
    }
    if (!result.jam_note.empty() && !texts.jam_ratio.empty()) {
        return Message(TENSORA_TEXT("Check", "%1, %2"))
            .nested(texts.jam_ratio)
            .nested(result.jam_note);
    }
    return texts.jam_ratio;
}

// The fill against the code's limit for the number of cables.
Message code_line(const CheckResult& result, int cables) {
    //: %1 the fill in per cent, %2 the code's limit in whole per cent.
    const MessageSource within[] = {
        TENSORA_TEXT("Check", "%1%, within the electrical code's %2% for one cable"),
        TENSORA_TEXT("Check", "%1%, within the electrical code's %2% for two cables"),
        TENSORA_TEXT("Check", "%1%, within the electrical code's %2% for more than two cables")};
    const MessageSource over[] = {
        TENSORA_TEXT("Check", "%1%, over the electrical code's %2% for one cable"),
        TENSORA_TEXT("Check", "%1%, over the electrical code's %2% for two cables"),
        TENSORA_TEXT("Check", "%1%, over the electrical code's %2% for more than two cables")};
    const std::size_t kind = cables <= 1 ? 0 : cables == 2 ? 1 : 2;
    return Message(result.code_over ? over[kind] : within[kind])
        .figure(Figure::fixed(*result.code_fill, 2))
        .count_arg(result.code_limit);
}

} // namespace

namespace {

// The least bending radius of the set, or why it was not checked.
Message radius_line(const CheckResult& result, const CheckInputs& inputs) {
    if (!result.minimum_radius) {
        return result.radius_note.empty()
                   ? Message()
                   : result.radius_note;
    }
    const MinimumRadius& minimum = *result.minimum_radius;
    int under = 0;
    for (const BendRadiusCheck& bend : result.bend_radii) {
        under += bend.pulling_under || bend.trained_under ? 1 : 0;
    }
    //: %1 the least radius under pulling tension, %2 once trained in place, %3 the rule.
    Message line = Message(TENSORA_TEXT("Check", "%1 pulling, %2 trained (%3)"))
                       .figure(Figure::typed(minimum.pulling, Quantity::Diameter, inputs.units))
                       .figure(Figure::typed(minimum.trained, Quantity::Diameter, inputs.units))
                       .nested(minimum.rule);
    line = Message(under > 0 ? TENSORA_COUNTED("Check", "%1: %n bends tighter",
                                               "%1: %n bend tighter")
                             : TENSORA_TEXT("Check", "%1: every bend wide enough"))
               .nested(std::move(line))
               .counting(under);
    if (!result.radius_note.empty()) {
        line = Message(TENSORA_TEXT("Check", "%1; %2")).nested(std::move(line)).nested(result.radius_note);
    }
    return line;
}

// Each stretch between pull points and its degrees of bends.
Message stretches_line(const CheckResult& result) {
    std::optional<Message> line;
    for (const BendStretch& stretch : result.stretches) {
        //: A stretch between pull points: %1 and %2 its first and last links, %3 its degrees.
        Message part = Message(stretch.over
                                   ? TENSORA_TEXT("Check", "links %1 to %2: %3°, over 360°")
                                   : TENSORA_TEXT("Check", "links %1 to %2: %3°"))
                           .link(static_cast<std::size_t>(stretch.from))
                           .link(static_cast<std::size_t>(stretch.to))
                           .figure(Figure::number(stretch.degrees));
        line = line ? Message(TENSORA_TEXT("Check", "%1; %2")).nested(std::move(*line)).nested(part)
                    : std::move(part);
    }
    return line.value_or(Message());
}

} // namespace

CheckTexts check_texts(const CheckResult& result, const CheckInputs& inputs) {
    CheckTexts texts;
    texts.verdict = result.verdict;
    texts.radius_line = radius_line(result, inputs);
    texts.stretches_line = stretches_line(result);
    if (!result.problem.empty()) {
        texts.advice_line = result.problem;
    } else if (result.advice.links > 0) {
        // The advice compares the corrected pulls without the plan's own point, which the rows
        // above take: it says so, unless the plan has the very point it advises.
        texts.advice_line = advice_text(result.advice, inputs.units);
        if (result.plan_has_point && !result.advice.point_in_plan) {
            texts.advice_line = Message(TENSORA_TEXT("Check", "Without a mid-assist point: %1"))
                                    .nested(std::move(texts.advice_line));
        }
    }
    if (result.code_fill) {
        texts.code_fill =
            Message(TENSORA_TEXT("Check", "%1%")).figure(Figure::fixed(*result.code_fill, 2));
        texts.code_line = code_line(result, inputs.cables);
    }
    if (result.jam_ratio > 0) {
        texts.jam_ratio = fixed_message(result.jam_ratio, 4);
    }
    if (result.jam_risk) {
        texts.jam_risk = jam_risk_words(*result.jam_risk);
    }
    texts.jam_line = jam_line(result, texts);
    write_set_texts(result, inputs, texts);
    if (!result.problem.empty()) {
        for (Message* text :
             {&texts.weight_correction, &texts.configuration, &texts.clearance, &texts.forward_max,
              &texts.reverse_max, &texts.weight_line, &texts.clearance_line, &texts.forward_line,
              &texts.reverse_line, &texts.jam_risk}) {
            *text = result.problem;
        }
        texts.jam_line = texts.jam_ratio.empty() ? result.problem
                                                 : Message(TENSORA_TEXT("Check", "%1, %2"))
                                                       .nested(texts.jam_ratio)
                                                       .nested(result.problem);
        return texts;
    }
    texts.weight_correction = fixed_message(result.weight_correction, 4);
    texts.configuration = result.arrangement;
    texts.weight_line = Message(TENSORA_TEXT("Check", "%1, %2"))
                            .nested(texts.weight_correction)
                            .nested(result.arrangement);
    const UnitSystem units = inputs.units;
    if (result.clearance) {
        // Inches with four decimals, millimetres with two.
        const Figure clearance = Figure::fixed(*result.clearance, Quantity::Diameter, units,
                                               units == UnitSystem::Metric ? 2 : 4);
        texts.clearance = figure_message(clearance.without_symbol());
        //: %1 the clearance, %2 the minimum; both with their unit.
        texts.clearance_line =
            Message(*result.clearance < inputs.min_clearance
                        ? TENSORA_TEXT("Check", "%1, below the minimum of %2")
                        : TENSORA_TEXT("Check", "%1, minimum %2"))
                .figure(clearance)
                .figure(Figure::typed(inputs.min_clearance, Quantity::Diameter, units));
    } else {
        texts.clearance = result.clearance_note;
        texts.clearance_line = result.clearance_note;
    }
    // Both pulls and the allowable tension they are held against in one unit, so that they
    // compare at a glance.
    const ColumnUnit shared = column_unit(
        Quantity::Tension, units,
        std::max({std::fabs(result.forward_max), std::fabs(result.reverse_max),
                  std::isfinite(result.allowable) ? std::fabs(result.allowable) : 0.0}));
    texts.forward_max = figure_message(
        Figure::column(result.forward_max, Quantity::Tension, shared).without_symbol());
    texts.reverse_max = figure_message(
        Figure::column(result.reverse_max, Quantity::Tension, shared).without_symbol());
    texts.forward_line = pull_line(result.forward_max, result.forward_max_link, result, shared);
    texts.reverse_line = pull_line(result.reverse_max, result.reverse_max_link, result, shared);
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
        bend.radius
            ? figure_message(Figure::fixed(*bend.radius, Quantity::Length, pressure_unit.units, 4)
                                 .without_symbol())
            : Message(TENSORA_TEXT("Check", "angle 0"));
    const auto pressure = [&](const std::optional<double>& value) {
        return value
                   ? figure_message(
                         Figure::column(*value, Quantity::Pressure, pressure_unit).without_symbol())
                   : Message(TENSORA_TEXT("Check", "no radius"));
    };
    texts.forward_pressure = pressure(bend.forward_pressure);
    texts.reverse_pressure = pressure(bend.reverse_pressure);
    // The limit in every row, in the unit of the row's pressures; which pull passes it, if any.
    texts.limit = figure_message(
        (pressure_unit.kilo
             ? Figure::column(inputs.sidewall_limit, Quantity::Pressure, pressure_unit)
             : Figure::typed(inputs.sidewall_limit, Quantity::Pressure, pressure_unit.units))
            .without_symbol());
    if (bend.over_limit) {
        texts.limit = Message(bend.forward_over && bend.reverse_over
                                  ? TENSORA_TEXT("Check", "%1, over both ways")
                              : bend.forward_over ? TENSORA_TEXT("Check", "%1, over forward")
                                                  : TENSORA_TEXT("Check", "%1, over reverse"))
                          .nested(std::move(texts.limit));
    }
    return texts;
}

} // namespace tensora
