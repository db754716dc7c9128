#include "pullplan/pull_advice.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <unordered_map>

namespace tensora {
namespace {

// A value of s that costs a pull to find, found once.
class Remembered {
public:
    explicit Remembered(std::function<double(std::size_t)> find) : find_(std::move(find)) {}
    double operator()(std::size_t s) {
        const auto known = values_.find(s);
        if (known != values_.end()) {
            return known->second;
        }
        return values_[s] = find_(s);
    }

private:
    std::function<double(std::size_t)> find_;
    std::unordered_map<std::size_t, double> values_;
};

struct Point {
    std::size_t at = 0;
    double highest = 0;
};

// The first s in [0, count) where max(rising(s), falling(s)) is lowest, for rising never
// decreasing and falling never increasing in s: where the two cross, in O(log count)
// evaluations of each.
Point lowest_crossing(std::size_t count, Remembered& rising, Remembered& falling) {
    std::size_t lo = 0;
    std::size_t hi = count;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (rising(mid) >= falling(mid)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    const std::size_t cross = lo; // the first s where rising has caught up, or count
    const bool after = cross < count;
    if (cross == 0 || (after && rising(cross) < falling(cross - 1))) {
        return {cross, rising(cross)};
    }
    // Before the crossing the highest is falling(s), never increasing: the first s with the
    // value it has just before the crossing.
    const double value = falling(cross - 1);
    lo = 0;
    hi = cross - 1;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (falling(mid) <= value) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return {lo, value};
}

double highest_of(const std::vector<double>& tensions) {
    double most = -std::numeric_limits<double>::infinity();
    for (const double tension : tensions) {
        most = std::max(most, tension);
    }
    return most;
}

// A tension as the columns show it in a unit, as a number: what "reads lower" compares.
double shown_tension(double pounds, ColumnUnit unit) {
    return column_shown_value(pounds, Quantity::Tension, unit);
}

// Why the search for a mid-assist point is not exact for a plan, or nothing. It takes a pull
// from zero never to fall below zero in any link: a straight adds friction and weight along
// it (held at zero where the route drops), a bend multiplies by a factor above zero or is held
// likewise. Only a negative weight, friction or length breaks that, or a figure beyond the
// computer's numbers.
Message no_point_reason(const std::vector<PullLinkValues>& links, const PullSettings& settings) {
    if (!(settings.weight >= 0) || !std::isfinite(settings.weight)) {
        return settings.weight < 0
                   ? TENSORA_TEXT("Advice", "the cable's weight is negative")
                   : TENSORA_TEXT("Advice", "the cable's weight is no finite number");
    }
    if (!(settings.friction >= 0) || !std::isfinite(settings.friction)) {
        return settings.friction < 0
                   ? TENSORA_TEXT("Advice", "the coefficient of friction is negative")
                   : TENSORA_TEXT("Advice", "the coefficient of friction is no finite number");
    }
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (links[i].length < 0) {
            return Message(TENSORA_TEXT("Advice", "link %1 has a negative length")).link(i);
        }
        if (links[i].has_own_friction() && !(links[i].friction >= 0)) {
            return Message(TENSORA_TEXT("Advice", "link %1 has a negative coefficient of friction"))
                .link(i);
        }
        if (!std::isfinite(links[i].length) || !std::isfinite(links[i].theta) ||
            (links[i].has_own_friction() && !std::isfinite(links[i].friction))) {
            return Message(TENSORA_TEXT("Advice",
                                        "link %1 holds a figure beyond the computer's numbers"))
                .link(i);
        }
    }
    return {};
}

// The best point of one direction: a mid-assist point after link s splits the pull in two.
// Going forward, the first pull's highest (links 0 to s) never falls as s grows and the
// second's (from s + 1 on) never rises, as no link takes a pull from zero below zero; in
// reverse the same holds the other way round.
std::optional<Point> best_point(std::size_t n, const PullResults& base, PullRunner& runner,
                                bool forward) {
    const std::size_t count = n - 1; // the point after the last link splits nothing
    if (count == 0) {
        return std::nullopt;
    }
    std::vector<double> first_pull(count);
    double most = -std::numeric_limits<double>::infinity();
    if (forward) {
        for (std::size_t s = 0; s < count; ++s) {
            most = std::max(most, base.forward_tension[s]);
            first_pull[s] = most;
        }
    } else {
        for (std::size_t s = count; s-- > 0;) {
            most = std::max(most, base.reverse_tension[s + 1]);
            first_pull[s] = most;
        }
    }
    Remembered first([&first_pull](std::size_t s) { return first_pull[s]; });
    Remembered second(
        [&runner, forward](std::size_t s) { return runner.end_pull_highest(s, forward); });
    return forward ? lowest_crossing(count, first, second) : lowest_crossing(count, second, first);
}

// The tensions of one option, link by link (indexed by link), and where it is held at zero.
struct OptionPull {
    bool forward = true;
    std::vector<double> tensions;
    std::vector<char> held;
};

OptionPull option_pull(const PullResults& base, PullRunner& runner, bool forward,
                       std::optional<std::size_t> point) {
    const std::size_t n = base.forward_tension.size();
    OptionPull pull{forward, forward ? base.forward_tension : base.reverse_tension,
                    forward ? base.forward_held : base.reverse_held};
    pull.held.resize(n, 0);
    if (!point) {
        return pull;
    }
    // The links before the point keep the plain pull; from the point on a pull starts at zero.
    double tension = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = forward ? k : n - 1 - k;
        if (in_end_pull(i, *point, forward)) {
            const BendPass through = runner.pass(i, tension, forward);
            tension = through.tension;
            pull.tensions[i] = tension;
            pull.held[i] = through.held;
        }
    }
    return pull;
}

// The first link, in the pull's own order, where `found` holds.
template <typename Found>
std::optional<std::size_t> first_in_order(const OptionPull& pull, Found found) {
    const std::size_t n = pull.tensions.size();
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = pull.forward ? k : n - 1 - k;
        if (found(i)) {
            return i;
        }
    }
    return std::nullopt;
}

// Where the option passes a limit or must be held back, each first place.
PullAdvice::Findings option_findings(const std::vector<PullLinkValues>& links,
                                     const PullSettings& settings,
                                     const std::optional<BearingLimit>& sidewall,
                                     const OptionPull& pull) {
    PullAdvice::Findings findings;
    if (settings.allowable > 0) {
        findings.allowable = settings.allowable;
        findings.over_allowable = first_in_order(
            pull, [&](std::size_t i) { return pull.tensions[i] > settings.allowable; });
    }
    if (sidewall && sidewall->limit > 0) {
        findings.bearing_limit = sidewall->limit;
        findings.over_bearing = first_in_order(pull, [&](std::size_t i) {
            if (links[i].straight) {
                return false;
            }
            const std::optional<double> radius = bend_radius(links[i], sidewall->radius);
            return radius && *radius > 0 &&
                   bearing_pressure(pull.tensions[i], *radius, sidewall->factor_at(i)) >
                       sidewall->limit;
        });
    }
    findings.held = first_in_order(pull, [&](std::size_t i) { return pull.held[i] != 0; });
    findings.held_forward = pull.forward;
    return findings;
}

// The bends whose weight along them the rule of the bend's plane leaves out, where that is
// more than 1 % of the tension leaving them and changes a figure as the columns show it, and
// what they give with all of the weight.
void find_long_bends(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                     const PullResults& base, UnitSystem units, PullAdvice::Findings& findings) {
    if (settings.weight_across) {
        return; // all of the weight counts already
    }
    const auto left_out = [&](std::size_t i) {
        const PullLinkValues& link = links[i];
        if (link.straight || link.sheave || link.turn != Turn::Horizontal ||
            (base.elevation && base.inclination_in[i] != 0)) {
            return 0.0; // only a level horizontal bend carries none of its weight
        }
        const double weight = settings.weight / 1000 * link.length * link.friction_or(settings.friction);
        const double leaving =
            std::max(std::fabs(base.forward_tension[i]), std::fabs(base.reverse_tension[i]));
        return weight > 0.01 * leaving ? weight : 0.0;
    };
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (left_out(i) > 0) {
            candidates.push_back(i);
        }
    }
    if (candidates.empty()) {
        return;
    }
    PullSettings all = settings;
    all.weight_across = true;
    PullResults with_weight;
    calculate_pull(links, "", all, with_weight);
    const auto shown = [units](double pounds) {
        return lone_figure_text(pounds, Quantity::Tension, units);
    };
    for (const std::size_t i : candidates) {
        if (shown(with_weight.forward_tension[i]) == shown(base.forward_tension[i]) &&
            shown(with_weight.reverse_tension[i]) == shown(base.reverse_tension[i])) {
            continue; // the figures read the same either way
        }
        if (!findings.long_bend) {
            findings.long_bend = i;
            findings.long_bend_weight = left_out(i);
            findings.long_bend_forward = with_weight.forward_tension[i];
            findings.long_bend_reverse = with_weight.reverse_tension[i];
        }
        ++findings.long_bends;
    }
}

} // namespace

std::optional<double> bend_radius(const PullLinkValues& bend, std::optional<double> one_radius) {
    if (one_radius) {
        return one_radius;
    }
    if (bend.angle == 0 || !std::isfinite(bend.angle)) {
        return std::nullopt;
    }
    return bend.length * kDegreesPerRadian / std::fabs(bend.angle);
}

namespace {

// The two plain pulls compared as the columns show them: the lower end, by how much; the unit
// their figures are compared in.
ColumnUnit compare_plain_pulls(const PullResults& base, UnitSystem units, PullAdvice& advice) {
    advice.forward_max = highest_of(base.forward_tension);
    advice.reverse_max = highest_of(base.reverse_tension);
    const ColumnUnit unit =
        column_unit(Quantity::Tension, units,
                    std::max(std::fabs(advice.forward_max), std::fabs(advice.reverse_max)));
    const bool same = column_value_text(advice.forward_max, Quantity::Tension, unit) ==
                      column_value_text(advice.reverse_max, Quantity::Tension, unit);
    advice.direction = same                                      ? PullDirection::Either
                       : advice.reverse_max < advice.forward_max ? PullDirection::Reverse
                                                                 : PullDirection::Forward;
    const double higher = std::max(advice.forward_max, advice.reverse_max);
    const double lower = std::min(advice.forward_max, advice.reverse_max);
    advice.lower_by = !same && higher > 0 ? (higher - lower) / higher * 100 : 0;
    return unit;
}

} // namespace

PullDirection plain_pull_direction(const std::vector<PullLinkValues>& links,
                                   const PullSettings& settings, UnitSystem units) {
    PullSettings plain = settings;
    plain.mid_assist = false;
    PullResults results;
    calculate_pull(links, "", plain, results);
    PullAdvice advice;
    compare_plain_pulls(results, units, advice);
    return advice.direction;
}

namespace {

// The best (direction, point) pair: the lowest highest tension over both directions, the
// advised direction first on a tie, then the first point; taken where it reads lower than the
// lower plain pull.
void choose_mid_assist(std::size_t n, const PullResults& base, PullRunner& runner, ColumnUnit unit,
                       const PullSettings& settings, PullAdvice& advice) {
    const bool go_forward = advice.direction != PullDirection::Reverse;
    std::optional<Point> best;
    bool best_forward = go_forward;
    for (const bool forward : {go_forward, !go_forward}) {
        const std::optional<Point> found = best_point(n, base, runner, forward);
        if (found && (!best || found->highest < best->highest)) {
            best = found;
            best_forward = forward;
        }
    }
    const double lower = std::min(advice.forward_max, advice.reverse_max);
    if (best && shown_tension(best->highest, unit) < shown_tension(lower, unit)) {
        advice.mid_assist = best->at;
        advice.mid_assist_direction =
            best_forward ? PullDirection::Forward : PullDirection::Reverse;
        advice.mid_assist_max = best->highest;
        advice.point_in_plan =
            mid_assist_point(settings, n) == std::optional<std::size_t>(best->at);
    }
}

} // namespace

PullAdvice advise_pull(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                       std::optional<BearingLimit> sidewall_limit, UnitSystem units) {
    PullAdvice advice;
    const std::size_t n = links.size();
    advice.links = n;
    if (n == 0) {
        return advice;
    }
    PullSettings plain = settings;
    plain.mid_assist = false;
    PullResults base;
    calculate_pull(links, "", plain, base);
    const ColumnUnit unit = compare_plain_pulls(base, units, advice);

    PullRunner runner(links, plain);
    advice.no_point_reason = no_point_reason(links, plain);
    if (advice.no_point_reason.empty()) {
        choose_mid_assist(n, base, runner, unit, settings, advice);
    }

    // The best option: the advised point where there is one, else the lower plain pull.
    const OptionPull pull =
        advice.mid_assist
            ? option_pull(base, runner, advice.mid_assist_direction == PullDirection::Forward,
                          advice.mid_assist)
            : option_pull(base, runner, advice.direction != PullDirection::Reverse, std::nullopt);
    advice.findings = option_findings(links, settings, sidewall_limit, pull);
    find_long_bends(links, plain, base, units, advice.findings);
    advice.note = advice_note(advice, units);
    return advice;
}

std::string advice_tension_text(double pounds, UnitSystem units, const NumberLocale& locale) {
    const ColumnUnit unit = column_unit(Quantity::Tension, units, std::fabs(pounds));
    const std::string figure = column_value_text(pounds, Quantity::Tension, unit);
    std::string text = grouped_number_text(figure.empty() ? std::string_view("0") : figure, locale);
    text += ' ';
    text += column_symbol(Quantity::Tension, unit);
    return text;
}

Message advice_note(const PullAdvice& advice, UnitSystem units) {
    const PullAdvice::Findings& found = advice.findings;
    const auto tension = [units](double pounds) {
        return Figure::reading(pounds, Quantity::Tension, units);
    };
    std::vector<Message> parts;
    if (found.over_allowable) {
        parts.push_back(
            Message(
                TENSORA_TEXT("Advice",
                             "Even the best pull exceeds the allowable tension of %1 at link %2"))
                .figure(tension(found.allowable))
                .link(*found.over_allowable));
    }
    if (found.over_bearing) {
        parts.push_back(
            Message(TENSORA_TEXT("Advice", "Sidewall bearing pressure exceeds %1 at link %2"))
                .figure(Figure::limit(found.bearing_limit, Quantity::Pressure, units))
                .link(*found.over_bearing));
    }
    if (found.held) {
        parts.push_back(
            Message(found.held_forward
                        ? TENSORA_TEXT("Advice", "Pulled forward, the cable runs under its own "
                                                 "weight at link %1: hold it back there")
                        : TENSORA_TEXT("Advice", "Pulled in reverse, the cable runs under its own "
                                                 "weight at link %1: hold it back there"))
                .link(*found.held));
    }
    if (found.long_bend) {
        //: %1 the bend's link number, %2 the friction its weight adds, %3 and %4 the tension
        //: leaving it forward and in reverse with all of its weight.
        Message bend(TENSORA_TEXT(
            "Advice", "Link %1 is a bend so long that its weight, %2 of friction, is more than 1% "
                      "of the tension leaving it, and the weight in the bend's plane leaves it "
                      "out: with all of the weight it leaves at %3 forward and %4 in reverse"));
        bend.link(*found.long_bend)
            .figure(tension(found.long_bend_weight))
            .figure(tension(found.long_bend_forward))
            .figure(tension(found.long_bend_reverse));
        if (found.long_bends > 1) {
            bend = Message(TENSORA_COUNTED("Advice", "%1 (%n more such bends)",
                                           "%1 (%n more such bend)"))
                       .counting(static_cast<long long>(found.long_bends) - 1)
                       .nested(std::move(bend));
        }
        parts.push_back(std::move(bend));
    }
    return joined_messages(parts);
}

Message advice_text(const PullAdvice& advice, UnitSystem units) {
    if (advice.links == 0) {
        return {};
    }
    // The tensions the advice sets side by side read in one unit.
    double largest = std::max(std::fabs(advice.forward_max), std::fabs(advice.reverse_max));
    if (advice.mid_assist) {
        largest = std::max(largest, std::fabs(advice.mid_assist_max));
    }
    const ColumnUnit unit = column_unit(Quantity::Tension, units, largest);
    const auto tension = [unit](double pounds) {
        return Figure::reading(pounds, Quantity::Tension, unit);
    };
    const Message pulled = advice.mid_assist_direction == PullDirection::Reverse
                               ? TENSORA_TEXT("Advice", "pulled in reverse")
                               : TENSORA_TEXT("Advice", "pulled forward");
    Message text;
    if (advice.point_in_plan) {
        // The plan has taken the advice: what it gives, and what the plain pulls would be.
        //: %1 a link number, %2 "pulled forward" or "pulled in reverse", %3 to %5 tensions.
        text = Message(TENSORA_TEXT("Advice", "Mid-assist point after link %1 as advised: %2, the "
                                              "highest tension is %3; without it, forward %4, "
                                              "reverse %5"))
                   .link(*advice.mid_assist)
                   .nested(pulled)
                   .figure(tension(advice.mid_assist_max))
                   .figure(tension(advice.forward_max))
                   .figure(tension(advice.reverse_max));
    } else {
        if (advice.direction == PullDirection::Either) {
            text = Message(TENSORA_TEXT("Advice", "Either way: %1 each way"))
                       .figure(tension(advice.forward_max));
        } else {
            const bool forward = advice.direction == PullDirection::Forward;
            //: %1 how much lower in whole per cent, %2 the lower tension, %3 the higher.
            text =
                Message(forward
                            ? TENSORA_TEXT("Advice", "Pull forward: %1% lower, %2 against %3")
                            : TENSORA_TEXT("Advice", "Pull in reverse: %1% lower, %2 against %3"))
                    .count_arg(std::lround(advice.lower_by))
                    .figure(tension(forward ? advice.forward_max : advice.reverse_max))
                    .figure(tension(forward ? advice.reverse_max : advice.forward_max));
        }
        if (advice.mid_assist) {
            //: %1 the advice so far, %2 a link number, %3 "pulled forward" or "pulled in
            //: reverse", %4 the tension.
            text =
                Message(TENSORA_TEXT("Advice",
                                     "%1; a mid-assist point after link %2, %3, lowers it to %4"))
                    .nested(std::move(text))
                    .link(*advice.mid_assist)
                    .nested(pulled)
                    .figure(tension(advice.mid_assist_max));
        } else if (!advice.no_point_reason.empty()) {
            text = Message(TENSORA_TEXT("Advice", "%1; no mid-assist advice: %2"))
                       .nested(std::move(text))
                       .nested(advice.no_point_reason);
        } else {
            text = Message(TENSORA_TEXT("Advice", "%1; no mid-assist point lowers it"))
                       .nested(std::move(text));
        }
    }
    if (!advice.note.empty()) {
        //: The advice, then its findings.
        text =
            Message(TENSORA_TEXT("Advice", "%1. %2")).nested(std::move(text)).nested(advice.note);
    }
    return text;
}

std::string_view direction_key(PullDirection direction) {
    switch (direction) {
    case PullDirection::Forward:
        return "forward";
    case PullDirection::Reverse:
        return "reverse";
    case PullDirection::Either:
        break;
    }
    return "either";
}

} // namespace tensora
