// The formulas of the quick calculators, and the texts their result labels show where a
// formula has no finite answer.
#pragma once

#include "numbers/message.h"
#include "numbers/units.h"

#include <string>
#include <string_view>

namespace tensora {

// Tension to pull through a straight section, lbs: ((length ft × weight lbs/kft) × friction)
// ÷ 1000.
double straight_section_tension(double length, double weight, double friction);

// Tension leaving a bend, lbs (the capstan relation): tension × e^((angle ÷ 57.3) × friction).
double bend_exit_tension(double tension, double angle_degrees, double friction);

// The sidewall pressure calculator's figure, lbs/in: the tension in a bend over its length in
// inches (not the planner's per foot, nor the pull check's bearing pressure from the radius).
double sidewall_per_inch(double tension, double bend_length);

// Longest straight pull, ft: ((tension ÷ weight lbs/kft) ÷ friction) × 1000.
double max_pull_length(double tension, double weight, double friction);

// Pulling lubricant, gallons: (length ft × inner diameter in) × 0.0015.
double lubricant_quantity(double length, double diameter);

inline constexpr MessageSource kNoBendLength =
    TENSORA_TEXT("Calculators", "Undefined: bend length is 0");
inline constexpr MessageSource kUnlimitedLength =
    TENSORA_TEXT("Calculators", "Unlimited: no weight or friction");
inline constexpr MessageSource kNegativeInput =
    TENSORA_TEXT("Calculators", "None: an input is negative");

// The result labels' texts: the result rounded down to a whole number, except where the
// formula has no meaningful finite answer.
// Inputs in inch-pound units; the figure in the units shown (N/m for the sidewall pressure, m
// for the length).
Message sidewall_result(double tension, double bend_length, UnitSystem units = UnitSystem::InchPound);
Message max_pull_result(double tension, double weight, double friction,
                        UnitSystem units = UnitSystem::InchPound);
// The same in English, as the command line writes them.
std::string sidewall_result_text(double tension, double bend_length,
                                 UnitSystem units = UnitSystem::InchPound);
std::string max_pull_result_text(double tension, double weight, double friction,
                                 UnitSystem units = UnitSystem::InchPound);
// Gallons with one decimal: "###.#" with the user's decimal separator.
std::string lubricant_result_text(double gallons, std::string_view decimal);

} // namespace tensora
