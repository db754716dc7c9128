// How a figure is shown, in one place: the columns' rounding and units (whole pounds, N or kN
// with two decimals), the figures a line or the command line writes from them, the number a
// shown figure stands for when figures are compared "as shown", and the shares of the
// allowable tension. Every figure shown "as the columns show it" comes from here.
#pragma once

#include "numbers/number_rules.h"
#include "numbers/units.h"

#include <string>
#include <string_view>

namespace tensora {

// A tension or pressure column in metric is shown in N (N/m), or in kN (kN/m) with two
// decimals once any of its values passes 10,000: one unit for the whole column. Inch-pound
// columns stay in whole pounds.
struct ColumnUnit {
    UnitSystem units = UnitSystem::InchPound;
    bool kilo = false;
};
inline constexpr double kKiloFrom = 10000;
ColumnUnit column_unit(Quantity quantity, UnitSystem units, double largest_inch_pound);
std::string column_symbol(Quantity quantity, ColumnUnit unit); // "lbs", "N", "kN", "kN/m"
// A value of the column as its cells show it: inch-pound and N as the planner's "###" (empty
// below one half), kN with two decimals (empty below 0.005); kNotFiniteText from 1e15 (shown
// units) on.
std::string column_value_text(double inch_pound, Quantity quantity, ColumnUnit unit,
                              std::string_view decimal = ".");
// The same rounded up to the column's last digit (1743.3 lbs as 1744, 10.0712 kN as 10.08):
// a minimum shown so is never below itself.
std::string column_value_up_text(double inch_pound, Quantity quantity, ColumnUnit unit);
// The same where a figure must not read as missing (a result line, the command line): "0"
// where the column leaves its cell empty.
std::string column_figure_text(double inch_pound, Quantity quantity, ColumnUnit unit);
// A figure of its own as a column of it alone would show it: the unit chosen by the figure.
std::string lone_figure_text(double inch_pound, Quantity quantity, UnitSystem units);
// The number a column's cell shows, for comparing figures as the user reads them: 0 for an
// empty cell, an infinity of the value's sign for one out of range (NaN for NaN).
double column_shown_value(double inch_pound, Quantity quantity, ColumnUnit unit);
// The same written into `scratch` (valid until scratch changes), without allocating once
// scratch has grown: for the tens of thousands of cells of a plan.
std::string_view column_value_view(double inch_pound, Quantity quantity, ColumnUnit unit,
                                   std::string_view decimal, std::string& scratch);

// A limit as a line names it: its value in the units shown to the nearest whole, grouped, and
// its unit ("7,300 N/m").
std::string limit_text(double inch_pound, Quantity quantity, UnitSystem units,
                       const NumberLocale& locale);

// The share of the allowable tension a tension uses, as a bar shows it: the whole percentage
// (rounded down, by whole_number_below), at most 100, at least 0, and 0 when the allowable
// tension is not positive.
int tension_percent(double tension, double allowable);

// The true share: the whole percentage rounded down, neither capped nor held at 0, followed by
// "%" ("153%"); kNotFiniteText beyond the columns' numbers; empty when the allowable tension is
// not positive.
std::string tension_share_text(double tension, double allowable);

} // namespace tensora
