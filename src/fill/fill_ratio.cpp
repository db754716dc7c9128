#include "fill/fill_ratio.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace tensora {
namespace {

// A number the window wrote itself ("." as the point, "Out of range" for one too large for a
// double), as the calculation reads it back.
double written_number(std::string_view text) {
    if (trimmed_blanks(text) == kNotFiniteText) {
        return std::numeric_limits<double>::infinity();
    }
    return leadingValue(text);
}

// The widest pair of cables side by side: the first OD, or any pair's sum that exceeds it.
double max_pair_width(const std::vector<double>& diameters) {
    if (diameters.empty()) {
        return 0;
    }
    double width = diameters.front();
    if (diameters.size() < 2) {
        return width;
    }
    std::vector<double> largest(diameters);
    std::partial_sort(largest.begin(), largest.begin() + 2, largest.end(), std::greater<>());
    return std::max(width, largest[0] + largest[1]);
}

// One size rated from its area as displayed: the fill and the column's text.
struct RatedSize {
    SizeRating rating;
    double fill = 0; // percent
};

RatedSize rate_size(std::string area_text, std::string_view pipe_id_text, const FillInputs& inputs,
                    const NumberLocale& locale) {
    RatedSize rated;
    rated.rating.area = std::move(area_text);
    const double pipe_area = written_number(rated.rating.area);
    const double pipe_id = written_number(pipe_id_text);
    const double preferred = read_input(inputs.preferred_max_fill, locale);
    const double total = written_number(inputs.total_area);
    const double pair_width = written_number(inputs.pair_width);
    rated.fill = total / pipe_area * 100;
    const bool over = pipe_area < total || pipe_id < pair_width || preferred < rated.fill;
    rated.rating.percent =
        over ? std::string(kOverText) : format_pattern(total / pipe_area, "##.##%");
    return rated;
}

// The area column of a written standard's size: its inside area from its ID, four decimals.
std::string computed_area(std::string_view pipe_id_text) {
    return format_pattern(cable_area(written_number(pipe_id_text)), "#.####");
}

} // namespace

double cable_area(double diameter, double pi) {
    const double radius = diameter / 2;
    return radius * radius * pi;
}

std::optional<OdRefusal> od_refusal(std::string_view text, const NumberLocale& locale,
                                    const std::vector<std::string>& listed) {
    if (!isNumberText(text, locale)) {
        return OdRefusal::NotANumber;
    }
    const double diameter = read_input(text, locale);
    if (!(diameter > 0)) {
        return OdRefusal::NotPositive;
    }
    std::vector<double> diameters{diameter};
    double total = cable_area(diameter);
    for (const std::string& other : listed) {
        diameters.push_back(read_input(other, locale));
        total += cable_area(diameters.back());
    }
    if (!std::isfinite(diameter) || !std::isfinite(total) ||
        !std::isfinite(max_pair_width(diameters))) {
        return OdRefusal::NotFinite;
    }
    return std::nullopt;
}

CableTotals cable_totals(const std::vector<std::string>& diameters, const NumberLocale& locale,
                         double pi) {
    CableTotals totals;
    std::vector<double> values;
    values.reserve(diameters.size());
    double total = 0;
    for (const std::string& text : diameters) {
        const double diameter = read_input(text, locale);
        const double area = cable_area(diameter, pi);
        values.push_back(diameter);
        totals.areas.push_back(general_number_text(area));
        total += area;
    }
    totals.count = std::to_string(diameters.size()) + " cables";
    totals.total_area = general_number_text(total);
    totals.pair_width = general_number_text(max_pair_width(values));
    return totals;
}

std::vector<SizeRating> fillcalc(const std::vector<std::string>& pipe_ids, const FillInputs& inputs,
                                 const NumberLocale& locale) {
    std::vector<SizeRating> ratings;
    ratings.reserve(pipe_ids.size());
    for (const std::string& pipe_id : pipe_ids) {
        // Read back as displayed: the fill comes from the area rounded to four decimals.
        ratings.push_back(rate_size(computed_area(pipe_id), pipe_id, inputs, locale).rating);
    }
    return ratings;
}

int code_fill_limit(std::size_t cables) {
    return cables <= 1 ? 53 : cables == 2 ? 31 : 40;
}

bool meets_code_limit(double fill, int limit) {
    return fill <= limit * (1 + 1e-12);
}

double fill_pi(const ConduitStandard& table) {
    return table.code ? std::numbers::pi : kFillPi;
}

TableRating rate_sizes(const ConduitStandard& table, const FillInputs& inputs, std::size_t cables,
                       const NumberLocale& locale) {
    TableRating rated;
    rated.code_limit = code_fill_limit(cables);
    for (const ConduitSize& size : table.sizes) {
        RatedSize one =
            rate_size(table.code ? std::string(size.listed_area) : computed_area(size.pipe_id),
                      size.pipe_id, inputs, locale);
        const bool meets = meets_code_limit(one.fill, rated.code_limit);
        if (meets && !rated.smallest_meeting) {
            rated.smallest_meeting = rated.sizes.size();
        }
        rated.sizes.push_back(std::move(one.rating));
        rated.fills.push_back(one.fill);
        rated.meets_code.push_back(meets);
    }
    return rated;
}

TableRating rate_table(const ConduitStandard& table, const std::vector<std::string>& diameters,
                       std::string_view preferred_max_fill, const NumberLocale& locale) {
    CableTotals totals = cable_totals(diameters, locale, fill_pi(table));
    TableRating rated =
        rate_sizes(table, {preferred_max_fill, totals.total_area, totals.pair_width},
                   diameters.size(), locale);
    rated.totals = std::move(totals);
    return rated;
}

std::string shown_pipe_id(const ConduitSize& size, UnitSystem units, const NumberLocale& locale) {
    if (units == UnitSystem::InchPound) {
        return locale_number_text(size.pipe_id, locale);
    }
    if (!size.id_mm.empty()) {
        return locale_number_text(size.id_mm, locale);
    }
    return format_pattern(shown_value(leadingValue(size.pipe_id), Quantity::Diameter, units), "#.#",
                          locale.decimal);
}

std::string shown_size_area(const ConduitSize& size, const std::string& area, UnitSystem units,
                            const NumberLocale& locale) {
    if (units == UnitSystem::InchPound) {
        return locale_number_text(area, locale);
    }
    if (!size.listed_area_mm2.empty()) {
        return locale_number_text(size.listed_area_mm2, locale);
    }
    return format_pattern(shown_value(leadingValue(area), Quantity::Area, units), "#.#",
                          locale.decimal);
}

std::string shown_percent(const std::string& percent, const NumberLocale& locale) {
    if (!percent.ends_with('%')) {
        return percent; // "over"
    }
    return locale_number_text(std::string_view(percent).substr(0, percent.size() - 1), locale) +
           '%';
}

std::string shown_total(const std::string& inch_pound, Quantity quantity, UnitSystem units,
                        const NumberLocale& locale) {
    if (!isNumberText(inch_pound, NumberLocale{".", ""})) {
        return inch_pound;
    }
    if (units == UnitSystem::InchPound) {
        return locale_number_text(inch_pound, locale);
    }
    return format_pattern(shown_value(leadingValue(inch_pound), quantity, units),
                          quantity == Quantity::Area ? "#.##" : "#.###", locale.decimal);
}

} // namespace tensora
