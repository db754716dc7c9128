// The number rules shared by every calculator, the pull planner and the command line:
// how input texts are read, and how results are written back as text.
#pragma once

#include <string>
#include <string_view>

namespace tensora {

// The user's number conventions. Windows pass the system locale's separators; the command
// line passes an English locale. Separators are UTF-8 texts because some locales group with
// a non-breaking space.
struct NumberLocale {
    std::string decimal = ".";
    std::string grouping = ",";
};

// The text every writer below gives for a value that is not finite (an overflow, a division
// by zero): a calculator shows it instead of digits.
inline constexpr std::string_view kNotFiniteText = "Out of range";

// The value of the number at the start of a text, 0 when there is none. Blanks (those that
// isNumberText allows around a number) are ignored wherever they stand; "." is the decimal point
// whatever the locale; E or D starts an exponent; "&H" and "&O" start a hexadecimal or octal
// integer. An exponent too large for a double gives an infinite value.
double leadingValue(std::string_view text);

// Whether the whole text, blanks around it allowed, is one number in the given locale: sign,
// digits, the locale's grouping separators where they group (one to three digits, then groups
// of three, before the decimal separator), the locale's decimal separator, an exponent with E
// or D. Blanks are spaces, tabs, line feeds and carriage returns.
bool isNumberText(std::string_view text, const NumberLocale& locale);

// Whether a text is a number still being typed: not a number yet, but one once its last group
// of digits is complete ("1," "1,0" "1,00" on the way to "1,000" in English). Such a text
// reads as the number before the separator meanwhile.
bool is_number_being_typed(std::string_view text, const NumberLocale& locale);

// A plain number text, as the data file and the program's tables write them ("." as the
// decimal point, no grouping), in the locale's own form, so that a box of the user's reads it
// back as the same number ("0.420" is "0,420" in German); any other text unchanged.
std::string locale_number_text(std::string_view plain, const NumberLocale& locale);

// The reverse: a number text of the locale as a plain one ("1.234,5" in German is "1234.5"),
// for files that must read alike in every locale; any other text unchanged.
std::string plain_number_text(std::string_view text, const NumberLocale& locale);

// A plain number text for reading rather than typing: its whole part grouped by thousands
// with the locale's separator ("1869.5" is "1,869.5", or "1.869,5" in German).
std::string grouped_number_text(std::string_view plain, const NumberLocale& locale);

// The text without the blanks around it (the blanks isNumberText allows there).
std::string_view trimmed_blanks(std::string_view text);

// The value of an input text: a text that isNumberText accepts reads as the number it shows in
// the locale ("1,000" is 1000 in English, "1,5" is 1.5 in German); every other text is read by
// leadingValue.
double read_input(std::string_view text, const NumberLocale& locale);

// The whole number a value is to 12 significant digits, or the value itself: a result that
// came through a conversion of units and back (1000 N as pounds, divided, as newtons again)
// lands a few units of its last digits off the whole number it is. From 1e12 on, where 12
// digits no longer reach the units, the value itself.
double whole_if_nearly(double value);
// The largest whole number not greater than the value, once whole_if_nearly has taken it to
// the whole number it is: how every figure "rounded down" is rounded.
double whole_number_below(double value);

// The largest whole number not greater than the value (by whole_number_below), without
// grouping or decimal point (37.9 gives "37", -0.5 gives "-1", 999.9999999999998 "1000").
// Magnitudes of 1e15 and more, whose units digit a double no longer holds, are written as
// general number text.
std::string wholeResultText(double value);

// A value written through a "#"-style pattern: "###", "###.#", "#.####", "##.##%" and the like.
// Only significant digits are written (no leading zero before the point, no trailing zeros
// after it), "%" multiplies by 100 and appends a percent sign, and the value is rounded half
// away from zero on its 15-significant-digit decimal form. A pattern without a point writes a
// value that rounds to 0 as empty text; one with a point writes it as the point alone.
std::string format_pattern(double value, std::string_view pattern, std::string_view decimal = ".");

// The "###" pattern of format_pattern, written into `scratch` without allocating once scratch
// has grown; for the tens of thousands of cells of a pull plan.
std::string_view whole_pattern_text(double value, std::string& scratch);

// The value rounded to 15 significant decimal digits (its 15-digit decimal form read back).
double round_to_15_digits(double value);

// A value with a fixed number of decimals, "." as the point ("3.3540"); kNotFiniteText when
// the value is not finite.
std::string fixed_number_text(double value, int decimals);

// Plain decimal text with at most 15 significant digits, no trailing zeros and "." as the
// point (0.19625, 0.9, 12). Magnitudes below 1e-5 or from 1e15 up take an exponent
// (1.5E-07, 2E+20).
std::string general_number_text(double value);

} // namespace tensora
