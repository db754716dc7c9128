// The conduit tables the fill calculations rate against: three written standards (Schedule 40,
// SDR 11, SDR 13.5) and the electrical code's thirteen kinds of raceway, each with its trade
// sizes in order. Fixed data.
#pragma once

#include "numbers/message.h"

#include <optional>
#include <span>
#include <string_view>

namespace tensora {

// Where the code's figures come from, named wherever its tables are shown.
inline constexpr std::string_view kCodeEdition = "NEC 2023, Chapter 9, Table 4";

struct ConduitSize {
    std::string_view trade_size; // shown as is: "1 1/4", "13 mm", "1-1/4"
    std::string_view pipe_id;    // inches as the table lists it: "1.360"
    // The code's tables only; empty for the written standards.
    std::string_view metric = {};      // metric designator: "35"
    std::string_view id_mm = {};       // nominal inside diameter, mm: "35.1"
    std::string_view listed_area = {}; // the 100 % area, sq in: "1.496"
    std::string_view listed_area_mm2 = {};
};

enum class ConduitStandardId {
    Schedule40,
    Sdr11,
    Sdr135,
    Emt,
    Ent,
    Fmc,
    Imc,
    LfncA,
    LfncB,
    LfncC,
    Lfmc,
    Rmc,
    Pvc80,
    Pvc40,
    PvcA,
    PvcEb,
};

struct ConduitStandard {
    ConduitStandardId id;
    std::string_view name;        // "Schedule 40", "EMT", "PVC-40/HDPE": what reports keep
    std::string_view key;         // the command line's name: "sch40", "emt", "pvc40"
    MessageSource description;    // in words: "Electrical metallic tubing"
    std::span<const ConduitSize> sizes;
    bool code = false; // one of the electrical code's tables, with listed areas
};

const ConduitStandard& conduit_standard(ConduitStandardId id);

// The three written standards in the order the fill ratio window offers them.
std::span<const ConduitStandardId> conduit_standards();
// The code's thirteen tables in the order the windows offer them.
std::span<const ConduitStandardId> code_conduit_standards();
// All sixteen: the written standards, then the code's.
std::span<const ConduitStandardId> all_conduit_standards();

// The standard with this command-line key, or with this name, if any.
std::optional<ConduitStandardId> conduit_standard_by_key(std::string_view key);
std::optional<ConduitStandardId> conduit_standard_by_name(std::string_view name);

// The largest number of trade sizes of any table: the rows a list shows to hold them all.
std::size_t most_trade_sizes();

} // namespace tensora
