// The cable data file "cabledat.qx4": the data revision, the help text, fixed blocks, the
// fourteen sections of cable records by category, and whatever follows them.
#pragma once

#include "numbers/message.h"

#include "numbers/units.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

inline constexpr std::string_view kCableDataFileName = "cabledat.qx4";
inline constexpr std::string_view kMissingRevision = "Missing File";

// The sections in file order.
enum class CableSection : std::size_t {
    strand,
    VX,
    VXM,
    Power,
    R8,
    R8M,
    DXLarmor,
    DXLdielectric,
    CentralTube,
    FiberFeeder,
    SpecialtyFiber,
    zeroHal,
    FiberM,
    Drop,
};
inline constexpr std::size_t kCableSectionCount = 14;

struct CableData {
    std::string revision{kMissingRevision};
    std::string help; // the help block, each line followed by CR LF
    std::vector<std::string> metrics, loading, scroll, data, titles;
    // Each section's lines in file order, the empty line that ends it included.
    std::array<std::vector<std::string>, kCableSectionCount> sections;
    std::vector<std::string> remaining;
    // False when the file could not be opened or ended early; what was read before stays.
    bool complete = false;

    const std::vector<std::string>& section(CableSection which) const {
        return sections[static_cast<std::size_t>(which)];
    }
    // Item `index` of a section; past its end, the empty text.
    std::string_view item(CableSection which, std::size_t index) const;
};

// Reads the file's lines (CR LF or LF line ends, 8-bit text) into the blocks and sections.
CableData parse_cable_data(std::istream& in);

// Reads the first of the candidate files that opens; all absent gives an incomplete, empty
// data set whose revision is "Missing File".
CableData load_cable_data(const std::vector<std::filesystem::path>& candidates);

// A cable record split into its eight fields (description, area, modulus, diameter, expansion
// coefficient, weight lb/ft, E*A, rating lbs), or nothing for a line that is not a cable
// record: fewer than eight fields, or a weight that is not a number.
std::optional<std::vector<std::string>> cable_record_fields(std::string_view line);

// A cable line as the selection list shows it in metric: every figure in its metric unit (area
// mm², modulus MPa, diameter mm, expansion per kelvin, weight kg/m, E·A kN, rating N), to four
// significant digits with the locale's decimal sign, and the category's heading line naming
// those units. In inch-pound units the file's figures with the locale's decimal sign (a line
// stays as it is where that is "."). Other lines stay as they are.
std::string cable_line_in_units(std::string_view line, UnitSystem units, std::string_view decimal);

// Whether a line of the library is a category's heading line ("CABLE AREA MODULUS ...").
bool is_cable_heading(std::string_view line);
// The heading's words for people, one a column, in the units shown: "CABLE", "AREA" in
// inch-pound, "AREA,mm²" in metric, ...
std::vector<Message> cable_headings(UnitSystem units);

// Splits a line at every blank, dropping the empty pieces.
std::vector<std::string> split_at_blanks(std::string_view line);

} // namespace tensora
