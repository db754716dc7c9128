// The two unit systems the program speaks: inch-pound, in which every calculation is made, and
// metric (SI), converted at the edges. Each quantity shown or typed has a unit in each system;
// the factors are the exact ones of the definitions.
#pragma once

#include "numbers/number_rules.h"

#include <optional>
#include <string>
#include <string_view>

namespace tensora {

enum class UnitSystem { InchPound, Metric };

enum class Quantity {
    Length,   // ft | m: a section's length, a distance, a bend radius
    Weight,   // lbs/kft | kg/m (a mass per length: the force per metre is that times g)
    Tension,  // lbs | N
    Pressure, // lbs/ft | N/m: sidewall pressure
    Diameter, // in | mm: cable OD, conduit ID, clearance, a short bend length
    Area,     // sq in | mm²
    Volume,   // gallons | litres
    // A tension over a length in inches (the sidewall pressure calculator's) | N/m
    PressurePerInch,
};

// The program's degrees to the radian, throughout: the bend formula's own 57.3, not 180/π.
inline constexpr double kDegreesPerRadian = 57.3;

inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kKilogramsPerPound = 0.45359237;
inline constexpr double kStandardGravity = 9.80665; // m/s²
inline constexpr double kNewtonsPerPoundForce = kKilogramsPerPound * kStandardGravity;
inline constexpr double kLitresPerGallon = 3.785411784;

// The metric value of one inch-pound unit of the quantity.
double metric_per_inch_pound(Quantity quantity);

// A value of the quantity between the calculation's inch-pound units and the units shown.
double shown_value(double inch_pound, Quantity quantity, UnitSystem units);
double inch_pound_value(double shown, Quantity quantity, UnitSystem units);

// A value in the units shown as a person would type it: in metric units, converted, to six
// significant digits (as a switch of units writes it); in inch-pound units, the value itself.
double typed_shown_value(double inch_pound, Quantity quantity, UnitSystem units);

// The unit as captions name it: "ft" | "m", "lbs/kft" | "kg/m", "lbs" | "N", "lbs/ft" | "N/m",
// "in" | "mm", "sq in" | "mm²", "gallons" | "litres".
std::string_view unit_symbol(Quantity quantity, UnitSystem units);

// A number text of one system as the other writes it: the converted value's general number
// text (up to 17 significant digits where 15 would not convert back to the same number), in
// the locale's form. A text that is not a number comes back unchanged.
std::string converted_text(std::string_view text, Quantity quantity, UnitSystem from, UnitSystem to,
                           const NumberLocale& locale);

// A number text of one system as a person would type it in the other: the converted value to
// 6 significant digits ("22241.1" N for 5000 lbs), in the locale's form. A text that is not a
// number comes back unchanged.
std::string typed_converted_text(std::string_view text, Quantity quantity, UnitSystem from,
                                 UnitSystem to, const NumberLocale& locale);

// How a switch writes a box's number in the other units: as a person would type it (6
// significant digits, the windows' boxes), or exactly (every digit that reads back as the same
// number, the command line's figures read from a report).
enum class SwitchDigits { Typed, Exact };

// What a box remembers across a switch of units, so that switching back gives back the very
// text it held rather than a conversion of a conversion: the text before the switch and the
// text the switch wrote.
struct SwitchMemo {
    std::string before;
    std::string written;
};
// The box's text in the other system: the text it held before the last switch when the box
// still shows what that switch wrote, else the converted text. Updates the memo.
std::string switched_text(const std::string& current, SwitchMemo& memo, Quantity quantity,
                          UnitSystem from, UnitSystem to, const NumberLocale& locale,
                          SwitchDigits digits = SwitchDigits::Typed);
// The same without switching: the box's text as the other units write it (for a report in
// inch-pound units of a plan shown in metric), the memo left as it is.
std::string text_in_other_units(const std::string& current, const SwitchMemo& memo,
                                Quantity quantity, UnitSystem from, UnitSystem to,
                                const NumberLocale& locale);

// "imperial" | "si": the command line's and the settings' names.
std::string_view unit_system_key(UnitSystem units);
std::optional<UnitSystem> unit_system_by_key(std::string_view key);
// The words of captions and the report's line: "inch-pound" | "metric".
std::string_view unit_system_name(UnitSystem units);

} // namespace tensora
