// The size of a pull or junction box for conduits of 4 AWG and larger conductors, from the
// trade sizes of the conduits entering a wall: a straight pull's length is at least 8 times the
// largest trade size; for an angle or U pull, the distance from the entries of a wall to the
// opposite wall is at least 6 times the largest trade size in the row plus the sum of the
// others in it, and the entries of a raceway carrying the same conductors are at least 6 times
// the larger trade size apart. Trade sizes are the code tables' sizes: inches, or in metric
// the metric designators taken as millimetres.
#pragma once

#include "fill/conduit_tables.h"
#include "numbers/message.h"
#include "numbers/units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

enum class PullKind { Straight, Angle, U };
std::string_view pull_kind_key(PullKind kind); // "straight", "angle", "u"
std::optional<PullKind> pull_kind_by_key(std::string_view key);

// A trade size as the box's rule counts it: its name ("1 1/2", "41") and its figure (inches,
// or millimetres for a metric designator).
struct TradeSize {
    std::string name;
    double size = 0;
};

// The trade size a text names ("2", "2 1/2", "2-1/2", "2.5"; in metric "53" or "53 mm"), if
// the table has it; any code table's sizes without one. Why not, naming the text and the table.
struct ReadTradeSize {
    std::optional<TradeSize> size;
    Message refusal;
};
ReadTradeSize read_trade_size(std::string_view text, std::optional<ConduitStandardId> table,
                              UnitSystem units);

// The trade sizes a table offers (any code table's, in order of size, without one).
std::vector<TradeSize> trade_sizes(std::optional<ConduitStandardId> table, UnitSystem units);

struct PullBox {
    std::optional<double> minimum_length;   // straight pull
    std::optional<double> to_opposite_wall; // angle or U pull
    std::optional<double> between_entries;  // angle or U pull
    Message working;                        // "8 × 2 in = 16 in"
};
// Nothing for no sizes. Figures in the sizes' unit (inches, or millimetres in metric).
PullBox pull_box(PullKind kind, const std::vector<TradeSize>& sizes, UnitSystem units);

// What the rule leaves to the box's volume.
Message small_conductors_note();

} // namespace tensora
