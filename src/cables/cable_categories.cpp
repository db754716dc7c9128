#include "cables/cable_categories.h"

#include <algorithm>
#include <array>

namespace tensora {
namespace {

constexpr std::array<std::string_view, 9> kCategories{
    "VX",           "R8",        "DXL Armor Fiber", "DXL Dielectric", "Central Tube",
    "Fiber Feeder", "Specialty", "Zero Halogen",    "Power"};

struct CategoryKeyword {
    std::string_view keyword;
    CableSection section;
};

// The keywords that find each category's section, in the order they are tested against the
// list's caption.
constexpr CategoryKeyword kKeywords[] = {
    {"VX", CableSection::VX},
    {"R8", CableSection::R8},
    {"Armor", CableSection::DXLarmor},
    {"Power", CableSection::Power},
    {"Dielectric", CableSection::DXLdielectric},
    {"Central Tube", CableSection::CentralTube},
    {"Specialty", CableSection::SpecialtyFiber},
    {"Halogen", CableSection::zeroHal},
    {"Feeder", CableSection::FiberFeeder},
};

} // namespace

std::span<const std::string_view> cable_categories() {
    return kCategories;
}

std::vector<std::string_view> category_lines(const CableData& data, std::string_view caption) {
    std::size_t rows = kCategoryRows;
    for (const auto& [keyword, section] : kKeywords) {
        if (caption.find(keyword) != std::string_view::npos) {
            rows = std::max(rows, data.section(section).size());
        }
    }
    std::vector<std::string_view> lines;
    for (std::size_t i = 0; i < rows; ++i) {
        for (const auto& [keyword, section] : kKeywords) {
            if (caption.find(keyword) != std::string_view::npos) {
                lines.push_back(data.item(section, i));
            }
        }
    }
    return lines;
}

} // namespace tensora
