#include "pullplan/pull_advice.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <unordered_map>

namespace tensora {
namespace {

// Beyond this many links a plan whose pulls could fall below zero (a negative weight,
// friction or length) gets no mid-assist advice: only trying every point finds it there.
constexpr std::size_t kMostLinksTriedOneByOne = 2000;

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

// The same by trying every s.
Point lowest_one_by_one(std::size_t count, Remembered& rising, Remembered& falling) {
    Point best{0, std::max(rising(0), falling(0))};
    for (std::size_t s = 1; s < count; ++s) {
        const double highest = std::max(rising(s), falling(s));
        if (highest < best.highest) {
            best = {s, highest};
        }
    }
    return best;
}

double highest_of(const std::vector<double>& tensions) {
    double most = -std::numeric_limits<double>::infinity();
    for (const double tension : tensions) {
        most = std::max(most, tension);
    }
    return most;
}

// The shown figure of a tension in a unit, for telling equal ones apart as a user would.
std::string shown_figure(double pounds, UnitSystem units, ColumnUnit unit) {
    return units == UnitSystem::InchPound ? wholeResultText(std::round(pounds))
                                          : column_value_text(pounds, Quantity::Tension, unit);
}

} // namespace

PullAdvice advise_pull(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                       std::optional<double> sidewall_limit, UnitSystem units) {
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
    const std::vector<double>& forward = base.forward_tension;
    const std::vector<double>& reverse = base.reverse_tension;
    advice.forward_max = highest_of(forward);
    advice.reverse_max = highest_of(reverse);

    const ColumnUnit unit =
        column_unit(Quantity::Tension, units,
                    std::max(std::fabs(advice.forward_max), std::fabs(advice.reverse_max)));
    const bool same = shown_figure(advice.forward_max, units, unit) ==
                      shown_figure(advice.reverse_max, units, unit);
    advice.direction = same                                      ? PullDirection::Either
                       : advice.reverse_max < advice.forward_max ? PullDirection::Reverse
                                                                 : PullDirection::Forward;
    const bool go_forward = advice.direction != PullDirection::Reverse;
    const double higher = std::max(advice.forward_max, advice.reverse_max);
    const double lower = std::min(advice.forward_max, advice.reverse_max);
    advice.lower_by = !same && higher > 0 ? (higher - lower) / higher * 100 : 0;

    // A mid-assist point after link s splits the chosen pull in two; the second starts at zero.
    // Going forward, the first pull's highest (links 0 to s) never falls as s grows and the
    // second's (from s + 1 on) never rises, provided no link takes a pull from zero below zero;
    // in reverse the same holds the other way round.
    PullRunner runner(links, plain);
    bool from_zero_stays_up = true;
    for (std::size_t i = 0; i < n && from_zero_stays_up; ++i) {
        from_zero_stays_up = runner.step(i, 0, go_forward) >= 0;
    }
    const std::size_t count = n - 1; // the point after the last link splits nothing
    std::optional<Point> best;
    if (count > 0 && (from_zero_stays_up || n <= kMostLinksTriedOneByOne)) {
        std::vector<double> first_pull(count);
        if (go_forward) {
            double most = -std::numeric_limits<double>::infinity();
            for (std::size_t s = 0; s < count; ++s) {
                most = std::max(most, forward[s]);
                first_pull[s] = most;
            }
        } else {
            double most = -std::numeric_limits<double>::infinity();
            for (std::size_t s = count; s-- > 0;) {
                most = std::max(most, reverse[s + 1]);
                first_pull[s] = most;
            }
        }
        Remembered first([&first_pull](std::size_t s) { return first_pull[s]; });
        Remembered second([&runner, go_forward](std::size_t s) {
            return go_forward ? runner.highest(s + 1, 0, true) : runner.highest(s, 0, false);
        });
        Remembered& rising = go_forward ? first : second;
        Remembered& falling = go_forward ? second : first;
        best = from_zero_stays_up ? lowest_crossing(count, rising, falling)
                                  : lowest_one_by_one(count, rising, falling);
    }
    const double plain_highest = go_forward ? advice.forward_max : advice.reverse_max;
    if (best && best->highest < plain_highest) {
        advice.mid_assist = best->at;
        advice.mid_assist_max = best->highest;
    }

    // The best option's tensions, link by link in the pull's own order.
    std::vector<double> tensions(n);
    if (go_forward) {
        double tension = settings.back_tension;
        for (std::size_t i = 0; i < n; ++i) {
            tension = i <= (advice.mid_assist ? *advice.mid_assist : n)
                          ? forward[i]
                          : runner.step(i, tension, true);
            tensions[i] = tension;
            if (advice.mid_assist && i == *advice.mid_assist) {
                tension = 0;
            }
        }
    } else {
        double tension = 0;
        for (std::size_t i = n; i-- > 0;) {
            const bool first_pull = !advice.mid_assist || i > *advice.mid_assist;
            tension = first_pull ? reverse[i] : runner.step(i, tension, false);
            tensions[i] = tension;
            if (advice.mid_assist && i == *advice.mid_assist + 1) {
                tension = 0;
            }
        }
    }
    std::vector<std::string> findings;
    const auto in_order =
        [&](const std::function<bool(std::size_t)>& found) -> std::optional<std::size_t> {
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t i = go_forward ? k : n - 1 - k;
            if (found(i)) {
                return i;
            }
        }
        return std::nullopt;
    };
    const NumberLocale plain_form{".", ","};
    if (settings.allowable > 0) {
        if (const auto at =
                in_order([&](std::size_t i) { return tensions[i] > settings.allowable; })) {
            findings.push_back("Even the best pull exceeds the allowable tension of " +
                               advice_tension_text(settings.allowable, units, plain_form) +
                               " at link " + std::to_string(*at + 1));
        }
    }
    if (sidewall_limit && *sidewall_limit > 0) {
        const double limit = *sidewall_limit;
        if (const auto at = in_order([&](std::size_t i) {
                return !links[i].straight && links[i].length > 0 &&
                       tensions[i] / links[i].length > limit;
            })) {
            const double shown = shown_value(limit, Quantity::Pressure, units);
            std::string finding = "Sidewall pressure exceeds ";
            finding += grouped_number_text(wholeResultText(std::round(shown)), plain_form);
            finding += ' ';
            finding += unit_symbol(Quantity::Pressure, units);
            finding += " at link " + std::to_string(*at + 1);
            findings.push_back(finding);
        }
    }
    for (const std::string& finding : findings) {
        if (!advice.note.empty()) {
            advice.note += "; ";
        }
        advice.note += finding;
    }
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

std::string advice_text(const PullAdvice& advice, UnitSystem units, const NumberLocale& locale) {
    if (advice.links == 0) {
        return {};
    }
    const auto tension = [&](double pounds) { return advice_tension_text(pounds, units, locale); };
    std::string text;
    if (advice.direction == PullDirection::Either) {
        text = "Either way: " + tension(advice.forward_max) + " each way";
    } else {
        const bool forward = advice.direction == PullDirection::Forward;
        text = std::string(forward ? "Pull forward: " : "Pull in reverse: ") +
               std::to_string(std::lround(advice.lower_by)) + "% lower, " +
               tension(forward ? advice.forward_max : advice.reverse_max) + " against " +
               tension(forward ? advice.reverse_max : advice.forward_max);
    }
    if (advice.mid_assist) {
        text += "; a mid-assist point after link " + std::to_string(*advice.mid_assist + 1) +
                " lowers it to " + tension(advice.mid_assist_max);
    } else {
        text += "; no mid-assist point lowers it";
    }
    if (!advice.note.empty()) {
        text += ". " + advice.note;
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
