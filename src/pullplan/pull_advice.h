// Advice on a planned pull: which end to pull from (the direction whose highest tension is
// lower), and which mid-assist pull point, pulled from which end, lowers the highest tension
// most, each computed exactly as the planner computes the plan it advises.
#pragma once

#include "numbers/message.h"
#include "numbers/number_rules.h"
#include "numbers/units.h"
#include "pullplan/pull_plan.h"

#include <optional>
#include <string>
#include <vector>

namespace tensora {

enum class PullDirection { Forward, Reverse, Either };

// A bend's radius, ft: its length × 57.3 ÷ its angle, or the one radius given for every bend;
// none for a bend of angle 0 (or of an angle beyond the computer's numbers).
std::optional<double> bend_radius(const PullLinkValues& bend, std::optional<double> one_radius);

// A bend's sidewall bearing pressure, lbs/ft: the tension leaving it over its radius, weighted
// by the cables' arrangement (1 for one cable). Not the planner's sidewall figure, the tension
// over the bend's length (sidewall_per_foot).
inline double bearing_pressure(double tension, double radius, double factor = 1) {
    return factor * tension / radius;
}

// The limit the advice holds each bend's sidewall bearing pressure against: the tension
// leaving the bend over its radius (its length × 57.3 / its angle, or one radius for every
// bend), times the factor of the cables' arrangement (1 for one cable).
struct BearingLimit {
    BearingLimit(double pounds_per_foot) : limit(pounds_per_foot) {} // NOLINT: a plain limit
    double limit = 0; // lbs/ft; none where not positive
    double factor = 1;
    // Each link's own factor where the raceway changes along the route (empty: `factor`).
    std::vector<double> factors{};
    std::optional<double> radius; // ft
    double factor_at(std::size_t link) const {
        return link < factors.size() ? factors[link] : factor;
    }
};

struct PullAdvice {
    std::size_t links = 0;
    // The highest tension of each direction without a mid-assist point, lbs (unrounded).
    double forward_max = 0;
    double reverse_max = 0;
    // The lower one; Either when both read the same as the columns show them.
    PullDirection direction = PullDirection::Either;
    double lower_by = 0; // percent of the higher, 0 for Either
    // The best mid-assist option over both directions and every point: the row of the link
    // after which the point stands, the direction pulled, and the highest tension that pull
    // meets. None when no point reads lower, as the columns show it, than the lower plain
    // pull (or when the plan is one the search is not exact for: see no_point_reason).
    std::optional<std::size_t> mid_assist;
    PullDirection mid_assist_direction = PullDirection::Forward;
    double mid_assist_max = 0; // lbs, with that point
    // Why no mid-assist point is advised for this plan at all ("link 1 has a negative
    // length"): a plan whose pulls can fall below zero, where only trying every point would
    // find the best one. Empty otherwise.
    Message no_point_reason;
    // Whether the plan already has the advised point (the advice then says so).
    bool point_in_plan = false;
    // Where the best option passes the allowable tension, a bend's sidewall bearing pressure
    // passes the limit, or the cable runs under its own weight and must be held back: each
    // first place (a row), in that pull's order.
    struct Findings {
        std::optional<std::size_t> over_allowable;
        double allowable = 0; // lbs
        std::optional<std::size_t> over_bearing;
        double bearing_limit = 0; // lbs/ft
        std::optional<std::size_t> held;
        bool held_forward = true;
        // Under the weight in the bend's plane only, the bends so long that the weight along
        // them, W × length × μ, is more than 1 % of the tension leaving them, which that rule
        // leaves out: the first of them, how many, and the tension leaving it each way with
        // all of the weight.
        std::optional<std::size_t> long_bend;
        std::size_t long_bends = 0;
        double long_bend_weight = 0;  // lbs: W × length × μ
        double long_bend_forward = 0; // lbs, with all of the weight
        double long_bend_reverse = 0;
        bool any() const { return over_allowable || over_bearing || held || long_bend; }
    } findings;
    // The findings, "; " between them; empty when none.
    Message note;
};

// `settings` as the planner read them (their mid-assist point counts only to tell whether the
// plan has the advised one). `units` decides how tensions are rounded when they are compared
// (as the columns show them) and the units the note names.
PullAdvice advise_pull(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                       std::optional<BearingLimit> sidewall_limit, UnitSystem units);

// A tension as the advice writes it: the columns' figure and unit, its thousands grouped
// ("1,869 lbs", "12.34 kN").
// The end the advice names, from the two plain pulls alone (without a mid-assist point, and
// without the search for one): the pull's cost, for what needs the direction at every change.
PullDirection plain_pull_direction(const std::vector<PullLinkValues>& links,
                                   const PullSettings& settings, UnitSystem units);

std::string advice_tension_text(double pounds, UnitSystem units, const NumberLocale& locale);

// The findings, their figures in the units given.
Message advice_note(const PullAdvice& advice, UnitSystem units);

// The planner's advice line: "Pull in reverse: 34% lower, 1,869 lbs against 2,843 lbs; a
// mid-assist point after link 12, pulled in reverse, lowers it to 960 lbs", then the note.
// Empty without links.
Message advice_text(const PullAdvice& advice, UnitSystem units);

// "forward", "reverse", "either": the command line's words.
std::string_view direction_key(PullDirection direction);

} // namespace tensora
