// The categories of the cable library as the cable selection window offers them, and the
// cable lines each lists: the sections whose keywords its caption holds, row by row.
#pragma once

#include "cables/cable_data.h"

#include <span>
#include <string_view>
#include <vector>

namespace tensora {

// "VX", "R8", "DXL Armor Fiber", ... "Power", in the order the window lists them.
std::span<const std::string_view> cable_categories();

// The caption of the cable list for a category: "Cable Select - click to select " + category.
inline constexpr std::string_view kCablesCaption = "Cable Select - click to select ";

// A category shows at least this many rows, empty ones after its cables.
inline constexpr std::size_t kCategoryRows = 21;

// The lines the cable list shows under a caption: for each row, the row of every section whose
// keyword the caption holds, in the keywords' order; at least kCategoryRows rows.
std::vector<std::string_view> category_lines(const CableData& data, std::string_view caption);

} // namespace tensora
