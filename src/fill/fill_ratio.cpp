#include "fill/fill_ratio.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

} // namespace

double cable_area(double diameter) {
    const double radius = diameter / 2;
    return radius * radius * kFillPi;
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

CableTotals cable_totals(const std::vector<std::string>& diameters, const NumberLocale& locale) {
    CableTotals totals;
    std::vector<double> values;
    values.reserve(diameters.size());
    double total = 0;
    for (const std::string& text : diameters) {
        const double diameter = read_input(text, locale);
        const double area = cable_area(diameter);
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
    for (const std::string& pipe_id_text : pipe_ids) {
        SizeRating rating;
        rating.area = format_pattern(cable_area(written_number(pipe_id_text)), "#.####");
        // Read back as displayed: the fill comes from the area rounded to four decimals.
        const double pipe_area = written_number(rating.area);
        const double pipe_id = written_number(pipe_id_text);
        const double preferred = read_input(inputs.preferred_max_fill, locale);
        const double total = written_number(inputs.total_area);
        const double pair_width = written_number(inputs.pair_width);
        const double fill = total / pipe_area * 100;
        const bool over = pipe_area < total || pipe_id < pair_width || preferred < fill;
        rating.percent =
            over ? std::string(kOverText) : format_pattern(total / pipe_area, "##.##%");
        ratings.push_back(std::move(rating));
    }
    return ratings;
}

} // namespace tensora
