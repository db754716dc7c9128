// The fill ratio calculation: the cables' areas and total, the widest pair of cables side by
// side, and the rating of every trade size of a conduit standard (its inside area and either
// the fill ratio or "over").
#pragma once

#include "numbers/number_rules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

// The value of pi the fill ratio calculator uses.
inline constexpr double kFillPi = 3.14;

inline constexpr std::string_view kOverText = "over";

// The cross-sectional area of a cable, or the inside area of a pipe, of this diameter (in):
// (d / 2)² × 3.14, sq in.
double cable_area(double diameter);

// Why an OD typed into the fill ratio window is not added to the cables listed, if it is not:
// it is not a number, not a positive one (a cable of no or negative width would make
// undersized conduits fit), or beyond the computer's numbers, alone or with the others (its
// area, the total area or a pair's width would have no finite value).
enum class OdRefusal { NotANumber, NotPositive, NotFinite };
std::optional<OdRefusal> od_refusal(std::string_view text, const NumberLocale& locale,
                                    const std::vector<std::string>& listed = {});

// The cable columns and boxes, rebuilt from the ODs as entered.
struct CableTotals {
    std::vector<std::string> areas; // each cable's area, general number text
    std::string count;              // "2 cables": the count with " cables", no singular form
    std::string total_area;         // general number text
    std::string pair_width;         // the widest pair side by side (one cable: its OD)
};
CableTotals cable_totals(const std::vector<std::string>& diameters, const NumberLocale& locale);

// What fillcalc reads besides the pipe IDs: the texts of the preferred maximum fill (typed by
// the user, percent), the total cable area and the maximum combined pair width.
struct FillInputs {
    std::string_view preferred_max_fill;
    std::string_view total_area;
    std::string_view pair_width;
};

struct SizeRating {
    std::string area;    // the pipe's inside area, pattern "#.####"
    std::string percent; // the fill ratio, pattern "##.##%", or "over"
};

// Rates every trade size from its pipe ID text. The fill is computed from the pipe area as
// displayed; a size is "over" when the cables' area exceeds the pipe's, the pair is wider than
// the pipe, or the fill exceeds the preferred maximum (equality is not over).
std::vector<SizeRating> fillcalc(const std::vector<std::string>& pipe_ids, const FillInputs& inputs,
                                 const NumberLocale& locale);

} // namespace tensora
