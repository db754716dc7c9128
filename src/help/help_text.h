// The help text, which lives in the cable data file: the lines after the first line "Tensora
// Help" (from line 2 on) up to and including the next line "END".
#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

inline constexpr std::string_view kHelpMarker = "Tensora Help";

// The help block's lines, "END" last; nothing when the file has no marker after its first line
// or no "END" after the marker. Lines end in CR LF or LF.
std::optional<std::vector<std::string>> read_help_lines(std::istream& in);

// The help block of the first candidate file that opens; nothing when none opens or its help
// block is incomplete.
std::optional<std::vector<std::string>>
load_help_lines(const std::vector<std::filesystem::path>& candidates);

} // namespace tensora
