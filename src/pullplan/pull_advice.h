// Advice on a planned pull: which end to pull from (the direction whose highest tension is
// lower), and after which link a mid-assist pull point lowers that direction's highest tension
// most, each computed exactly as the planner computes the plan it advises.
#pragma once

#include "numbers/number_rules.h"
#include "numbers/units.h"
#include "pullplan/pull_plan.h"

#include <optional>
#include <string>
#include <vector>

namespace tensora {

enum class PullDirection { Forward, Reverse, Either };

struct PullAdvice {
    std::size_t links = 0;
    // The highest tension of each direction without a mid-assist point, lbs (unrounded).
    double forward_max = 0;
    double reverse_max = 0;
    // The lower one; Either when both read the same as the columns show them.
    PullDirection direction = PullDirection::Either;
    double lower_by = 0; // percent of the higher, 0 for Either
    // The row of the link after which a mid-assist point gives the chosen direction (forward
    // for Either) its lowest highest tension, the first on a tie; none when no point lowers it.
    std::optional<std::size_t> mid_assist;
    double mid_assist_max = 0; // lbs, with that point
    // Where even the best option passes the allowable tension, or a bend's sidewall pressure
    // (tension leaving it / its length) passes the limit: each first place, in the chosen
    // direction's order. Empty when none.
    std::string note;
};

// `settings` as the planner read them (their mid-assist point is left out);
// `sidewall_limit` in lbs/ft, none or not positive for no limit. `units` decides how the two
// highest tensions are rounded when they are compared, and the units the note names.
PullAdvice advise_pull(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                       std::optional<double> sidewall_limit, UnitSystem units);

// A tension as the advice writes it: the columns' figure and unit, its thousands grouped
// ("1,869 lbs", "12.34 kN").
std::string advice_tension_text(double pounds, UnitSystem units, const NumberLocale& locale);

// The planner's advice line: "Pull in reverse: 34% lower, 1,869 lbs against 2,843 lbs; a
// mid-assist point after link 12 lowers it to 960 lbs", then the note. Empty without links.
std::string advice_text(const PullAdvice& advice, UnitSystem units, const NumberLocale& locale);

// "forward", "reverse", "either": the command line's words.
std::string_view direction_key(PullDirection direction);

} // namespace tensora
