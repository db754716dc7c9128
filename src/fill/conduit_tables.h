// The conduit standards the fill ratio calculator rates against: for each, its trade sizes in
// order with the inside diameter of each. Fixed data.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace tensora {

struct ConduitSize {
    std::string_view trade_size; // shown as is: "1 1/4", "13 mm"
    std::string_view pipe_id;    // inches, three decimals, trailing zeros kept: "1.360"
};

enum class ConduitStandardId { Schedule40, Sdr11, Sdr135 };

struct ConduitStandard {
    ConduitStandardId id;
    std::string_view name; // "Schedule 40", "SDR 11", "SDR 13.5"
    std::string_view key;  // the command line's name: "sch40", "sdr11", "sdr135"
    std::span<const ConduitSize> sizes;
};

const ConduitStandard& conduit_standard(ConduitStandardId id);

// The three standards in the order the fill ratio window offers them.
std::array<ConduitStandardId, 3> conduit_standards();

// The standard with this command-line key, if any.
std::optional<ConduitStandardId> conduit_standard_by_key(std::string_view key);

} // namespace tensora
