#include "calculators/formulas.h"

#include "numbers/number_rules.h"

#include <cmath>

namespace tensora {

double straight_section_tension(double length, double weight, double friction) {
    return ((length * weight) * friction) / 1000.0;
}

double bend_exit_tension(double tension, double angle_degrees, double friction) {
    return tension * std::exp((angle_degrees / kDegreesPerRadian) * friction);
}

double sidewall_per_inch(double tension, double bend_length) {
    return tension / bend_length;
}

double max_pull_length(double tension, double weight, double friction) {
    return ((tension / weight) / friction) * 1000.0;
}

double lubricant_quantity(double length, double diameter) {
    return (length * diameter) * 0.0015;
}

Message sidewall_result(double tension, double bend_length, UnitSystem units) {
    if (bend_length < 0) {
        return kNegativeInput;
    }
    if (bend_length == 0) {
        return kNoBendLength;
    }
    return figure_message(
        Figure::whole(sidewall_per_inch(tension, bend_length), Quantity::PressurePerInch, units)
            .without_symbol());
}

Message max_pull_result(double tension, double weight, double friction, UnitSystem units) {
    if (tension < 0 || weight < 0 || friction < 0) {
        return kNegativeInput;
    }
    if (weight == 0 || friction == 0) {
        return kUnlimitedLength;
    }
    return figure_message(
        Figure::whole(max_pull_length(tension, weight, friction), Quantity::Length, units)
            .without_symbol());
}

std::string sidewall_result_text(double tension, double bend_length, UnitSystem units) {
    return english_text(sidewall_result(tension, bend_length, units));
}

std::string max_pull_result_text(double tension, double weight, double friction, UnitSystem units) {
    return english_text(max_pull_result(tension, weight, friction, units));
}

std::string lubricant_result_text(double gallons, std::string_view decimal) {
    return format_pattern(gallons, "###.#", decimal);
}

} // namespace tensora
