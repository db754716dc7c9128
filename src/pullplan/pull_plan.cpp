#include "pullplan/pull_plan.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace tensora {
namespace {

constexpr double kDegreesPerRadian = 57.3;

// The bend factor e^x with x = μ × θ rounded to 15 digits, remembered per angle: a plan has
// few distinct angles, and the rounding is the costly part.
class BendFactors {
public:
    explicit BendFactors(double friction) : friction_(friction) {}

    double operator()(double theta) {
        const auto bits = std::bit_cast<std::uint64_t>(theta);
        Entry& entry = entries_[(bits * 0x9E3779B97F4A7C15ULL) >> 56];
        if (!entry.used || entry.theta_bits != bits) {
            entry = {true, bits, std::exp(round_to_15_digits(friction_ * theta))};
        }
        return entry.factor;
    }

private:
    struct Entry {
        bool used = false;
        std::uint64_t theta_bits = 0;
        double factor = 0;
    };
    double friction_;
    std::array<Entry, 256> entries_{};
};

// The planner's straight rule forms friction × weight × length first; the straight section
// calculator multiplies in another order, which can differ in the last bit.
double straight_tension_added(double friction, double weight, double length) {
    return ((friction * weight) * length) / 1000.0;
}

// A bend without length has no finite sidewall pressure, whatever tension reaches it, so both
// directions show the same text for it.
std::string_view sidewall_text(double tension, double length, std::string& scratch) {
    if (length == 0) {
        return kNoLengthText;
    }
    return column_text(tension / length, scratch);
}

// Names the point between the chosen link and the next by their numbers.
std::string caption_for(std::string_view number) {
    return "Mid-assist pull point between links " + std::string(number) + " and " +
           wholeResultText(leadingValue(number) + 1);
}

} // namespace

// From 1e15 on a double no longer holds the value to the pound, and its digits would only be
// rounding noise many columns wide, so such values show as out of range, like values beyond a
// double; so do values just below that which round up to sixteen digits.
std::string_view column_text(double value, std::string& scratch) {
    if (!(std::fabs(value) < 1e15)) {
        return kNotFiniteText;
    }
    const std::string_view text = whole_pattern_text(value, scratch);
    const std::size_t digits = text.size() - (value < 0 ? 1 : 0);
    return digits > 15 ? kNotFiniteText : text;
}

PullLinkValues read_link(const PullLinkTexts& link, const NumberLocale& locale) {
    PullLinkValues values;
    values.straight = link.type == kStraightType;
    values.length = read_input(link.length, locale);
    if (!values.straight) {
        values.angle = read_input(link.angle, locale);
        values.theta = round_to_15_digits(values.angle / kDegreesPerRadian);
    }
    return values;
}

int tension_percent(double tension, double allowable) {
    if (!(allowable > 0)) {
        return 0;
    }
    const double percent = std::floor(tension * 100 / allowable);
    if (std::isnan(percent) || percent < 0) {
        return 0;
    }
    return percent < 100 ? static_cast<int>(percent) : 100;
}

std::string tension_share_text(double tension, double allowable) {
    if (!(allowable > 0)) {
        return {};
    }
    const double percent = std::floor(tension * 100 / allowable);
    if (!(std::fabs(percent) < 1e15)) {
        return std::string(kNotFiniteText);
    }
    return wholeResultText(percent) + '%';
}

PullSettings read_pull_settings(const PullSettingsTexts& texts, const NumberLocale& locale) {
    PullSettings settings;
    settings.friction = read_input(texts.friction, locale);
    settings.allowable = read_input(texts.allowable, locale);
    settings.weight = read_input(texts.weight, locale);
    settings.back_tension =
        isNumberText(texts.back_tension, locale) ? read_input(texts.back_tension, locale) : 0;
    settings.mid_assist = texts.mid_assist;
    settings.selected = texts.selected;
    return settings;
}

void calculate_pull(const std::vector<PullLinkValues>& links, std::string_view selected_number,
                    const PullSettings& settings, PullResults& results) {
    const double friction = settings.friction;
    const double allowable = settings.allowable;
    const double weight = settings.weight;
    const double back_tension = settings.back_tension;
    const std::size_t n = links.size();

    // Mid-assist counts only with a chosen link; without one, nothing resets and the bars stay.
    const bool point = settings.mid_assist && settings.selected >= 0 &&
                       static_cast<std::size_t>(settings.selected) < n;
    const std::size_t s = point ? static_cast<std::size_t>(settings.selected) : 0;
    results.caption = point ? caption_for(selected_number) : std::string();
    results.bars_visible = !point;

    for (TextColumn* column : {&results.forward, &results.forward_sidewall, &results.reverse,
                               &results.reverse_sidewall}) {
        column->clear();
        column->reserve(n, n * 4);
    }
    results.forward_tension.resize(n);
    results.reverse_tension.resize(n);

    BendFactors bend_factor(friction);
    std::string scratch;

    double tension = back_tension;
    for (std::size_t i = 0; i < n; ++i) {
        const PullLinkValues& link = links[i];
        if (link.straight) {
            tension = tension + straight_tension_added(friction, weight, link.length);
            results.forward_sidewall.push_back("0");
        } else {
            tension = tension * bend_factor(link.theta);
            results.forward_sidewall.push_back(sidewall_text(tension, link.length, scratch));
        }
        results.forward.push_back(column_text(tension, scratch));
        results.forward_tension[i] = tension;
        if (point && i == s) {
            tension = 0; // the links after the point form a second pull
        }
    }
    results.forward_percent = tension_percent(tension, allowable);
    results.forward_share = tension_share_text(tension, allowable);

    double reverse = back_tension;
    for (std::size_t i = n; i-- > 0;) {
        const PullLinkValues& link = links[i];
        reverse = link.straight ? reverse + straight_tension_added(friction, weight, link.length)
                                : reverse * bend_factor(link.theta);
        results.reverse_tension[i] = reverse;
        if (point && i == s + 1) {
            reverse = 0; // links s, s-1, … 0 form the second reverse pull
        }
    }
    results.reverse_percent = tension_percent(reverse, allowable);
    results.reverse_share = tension_share_text(reverse, allowable);
    for (std::size_t i = 0; i < n; ++i) {
        const double at = results.reverse_tension[i];
        results.reverse.push_back(column_text(at, scratch));
        results.reverse_sidewall.push_back(links[i].straight
                                               ? std::string_view("0")
                                               : sidewall_text(at, links[i].length, scratch));
    }
}

PullResults pullcalc(const std::vector<PullLinkTexts>& links, const PullSettingsTexts& settings,
                     const NumberLocale& locale) {
    std::vector<PullLinkValues> values;
    values.reserve(links.size());
    for (const PullLinkTexts& link : links) {
        values.push_back(read_link(link, locale));
    }
    const bool chosen =
        settings.selected >= 0 && static_cast<std::size_t>(settings.selected) < links.size();
    PullResults results;
    calculate_pull(values, chosen ? std::string_view(links[settings.selected].number) : "",
                   read_pull_settings(settings, locale), results);
    return results;
}

} // namespace tensora
