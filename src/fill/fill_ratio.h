// The fill ratio calculation: the cables' areas and total, the widest pair of cables side by
// side, and the rating of every trade size of a conduit table (its inside area and either the
// fill ratio or "over"), also against the electrical code's fill limit.
#pragma once

#include "fill/conduit_tables.h"
#include "numbers/message.h"
#include "numbers/number_rules.h"
#include "numbers/units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

// The value of pi the fill ratio calculator uses.
inline constexpr double kFillPi = 3.14;

inline constexpr std::string_view kOverText = "over";
// The same for people.
inline constexpr MessageSource kOverWord = TENSORA_TEXT("Fill", "over");

// The cross-sectional area of a cable, or the inside area of a pipe, of this diameter (in):
// (d / 2)² × pi, sq in. The written standards' calculation takes pi as 3.14; the code's fill
// takes the cables' true areas.
double cable_area(double diameter, double pi = kFillPi);

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
CableTotals cable_totals(const std::vector<std::string>& diameters, const NumberLocale& locale,
                         double pi = kFillPi);

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

// The electrical code's fill limit, percent, for this many cables (a multiconductor cable
// counts as one): 53 for one (or none), 31 for two, 40 for more than two.
int code_fill_limit(std::size_t cables);

// Whether a fill (percent) meets the code's limit: it does not exceed it. The last bits of a
// division do not count: a fill computed as the limit exactly meets it.
bool meets_code_limit(double fill, int limit);

inline constexpr std::string_view kMeetsText = "meets";
inline constexpr MessageSource kMeetsWord = TENSORA_TEXT("Fill", "meets");

// The value of pi a table's calculation takes: 3.14 for the written standards, as they have
// always been rated; the cables' true areas for the code's tables.
double fill_pi(const ConduitStandard& table);

// A table rated for a set of cables: the cables' totals as the table takes them, every size as
// fillcalc rates it (for the code's tables the area is the listed 100 % area), and every size
// against the code's limit.
struct TableRating {
    CableTotals totals;
    std::vector<SizeRating> sizes;
    std::vector<double> fills;    // percent, unrounded: the cables' area over the size's
    std::vector<bool> meets_code; // the fill does not exceed code_limit
    int code_limit = 0;           // percent
    std::optional<std::size_t> smallest_meeting; // the first size that meets the code
};
// From the cables' ODs.
TableRating rate_table(const ConduitStandard& table, const std::vector<std::string>& diameters,
                       std::string_view preferred_max_fill, const NumberLocale& locale);
// From the totals as the window's boxes hold them (the totals are left empty).
TableRating rate_sizes(const ConduitStandard& table, const FillInputs& inputs, std::size_t cables,
                       const NumberLocale& locale);

// The figures of a rating as the units shown and the user's locale write them, from the plain
// inch-pound texts the calculation writes: a size's inside diameter in mm (the code's own
// figure where its table lists one, else to 0.1 mm), its area in mm² (the code's listed area,
// else to 0.1 mm²), and a total or width ("#.##" mm², "#.###" mm; a text that is no number
// stays as it is); inch-pound figures as they are, in the locale's form.
std::string shown_pipe_id(const ConduitSize& size, UnitSystem units, const NumberLocale& locale);
std::string shown_size_area(const ConduitSize& size, const std::string& area, UnitSystem units,
                            const NumberLocale& locale);
std::string shown_total(const std::string& inch_pound, Quantity quantity, UnitSystem units,
                        const NumberLocale& locale);
// A fill as the locale writes it ("38,20%"); "over" as it is.
std::string shown_percent(const std::string& percent, const NumberLocale& locale);

} // namespace tensora
