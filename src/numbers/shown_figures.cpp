#include "numbers/shown_figures.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tensora {

ColumnUnit column_unit(Quantity quantity, UnitSystem units, double largest_inch_pound) {
    return {units, units == UnitSystem::Metric &&
                       std::fabs(shown_value(largest_inch_pound, quantity, units)) > kKiloFrom};
}

std::string column_symbol(Quantity quantity, ColumnUnit unit) {
    const std::string symbol(unit_symbol(quantity, unit.units));
    return unit.kilo ? "k" + symbol : symbol;
}

std::string_view column_value_view(double inch_pound, Quantity quantity, ColumnUnit unit,
                                   std::string_view decimal, std::string& scratch) {
    double shown = shown_value(inch_pound, quantity, unit.units);
    if (unit.kilo) {
        shown /= 1000;
    }
    if (!(std::fabs(shown) < 1e15)) {
        return kNotFiniteText;
    }
    if (!unit.kilo) {
        // A value just below 1e15 can round up to sixteen digits: beyond the columns too.
        const std::string_view text = whole_pattern_text(shown, scratch);
        const std::size_t digits = text.size() - (text.starts_with('-') ? 1 : 0);
        return digits > 15 ? kNotFiniteText : text;
    }
    // Two decimals always, so that the column's figures line up; empty where "###" is. Halves
    // round away from zero on the value's 15-digit decimal form, as every column rounds.
    double hundredths = std::round(shown * 100);
    if (std::fabs(std::fabs(shown * 100 - std::trunc(shown * 100)) - 0.5) <=
        1e-12 * std::fabs(shown * 100)) {
        hundredths = leadingValue(format_pattern(shown, "###.##")) * 100;
        hundredths = std::round(hundredths);
    }
    if (hundredths == 0) {
        return {};
    }
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, hundredths / 100, std::chars_format::fixed, 2)
            .ptr;
    scratch.assign(buffer, end);
    scratch.replace(scratch.find('.'), 1, decimal);
    return scratch;
}

std::string column_value_up_text(double inch_pound, Quantity quantity, ColumnUnit unit) {
    const double step = unit.kilo ? 0.01 : 1;
    double shown = shown_value(inch_pound, quantity, unit.units) / (unit.kilo ? 1000 : 1);
    // A figure a conversion left a few last digits over its step is that step.
    shown = whole_if_nearly(shown / step) * step;
    const double up = std::ceil(shown / step) * step;
    return column_value_text(inch_pound_value(up * (unit.kilo ? 1000 : 1), quantity, unit.units),
                             quantity, unit);
}

std::string column_value_text(double inch_pound, Quantity quantity, ColumnUnit unit,
                              std::string_view decimal) {
    std::string scratch;
    return std::string(column_value_view(inch_pound, quantity, unit, decimal, scratch));
}

double column_shown_value(double inch_pound, Quantity quantity, ColumnUnit unit) {
    const std::string text = column_value_text(inch_pound, quantity, unit);
    if (text == kNotFiniteText) {
        return std::isnan(inch_pound)
                   ? inch_pound
                   : std::copysign(std::numeric_limits<double>::infinity(), inch_pound);
    }
    return leadingValue(text);
}

std::string lone_figure_text(double inch_pound, Quantity quantity, UnitSystem units) {
    return column_figure_text(inch_pound, quantity,
                              column_unit(quantity, units, std::fabs(inch_pound)));
}

std::string column_figure_text(double inch_pound, Quantity quantity, ColumnUnit unit) {
    const std::string text = column_value_text(inch_pound, quantity, unit);
    return text.empty() ? std::string("0") : text;
}

int tension_percent(double tension, double allowable) {
    if (!(allowable > 0)) {
        return 0;
    }
    const double percent = whole_number_below(tension * 100 / allowable);
    if (std::isnan(percent) || percent < 0) {
        return 0;
    }
    return percent < 100 ? static_cast<int>(percent) : 100;
}

std::string tension_share_text(double tension, double allowable) {
    if (!(allowable > 0)) {
        return {};
    }
    const double percent = whole_number_below(tension * 100 / allowable);
    if (!(std::fabs(percent) < 1e15)) {
        return std::string(kNotFiniteText);
    }
    return wholeResultText(percent) + '%';
}

std::string limit_text(double inch_pound, Quantity quantity, UnitSystem units,
                       const NumberLocale& locale) {
    const double shown = shown_value(inch_pound, quantity, units);
    return grouped_number_text(wholeResultText(std::round(shown)), locale) + ' ' +
           std::string(unit_symbol(quantity, units));
}

} // namespace tensora
