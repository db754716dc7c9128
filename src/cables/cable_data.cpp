#include "cables/cable_data.h"

#include "numbers/number_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include <fstream>

namespace tensora {
namespace {

// The file ended before the grammar was complete.
struct EarlyEnd {};

class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in) {}

    bool at_end() { return in_.peek() == std::char_traits<char>::eof(); }

    std::string next() {
        std::string line;
        if (!std::getline(in_, line)) {
            throw EarlyEnd{};
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return line;
    }

private:
    std::istream& in_;
};

void read_block(LineReader& reader, std::size_t lines, std::vector<std::string>& into) {
    for (std::size_t i = 0; i < lines; ++i) {
        into.push_back(reader.next());
    }
}

} // namespace

std::string_view CableData::item(CableSection which, std::size_t index) const {
    const auto& list = section(which);
    return index < list.size() ? std::string_view(list[index]) : std::string_view();
}

CableData parse_cable_data(std::istream& in) {
    CableData data;
    LineReader reader(in);
    try {
        data.revision = reader.next();
        std::string help;
        // The help block runs to the first line "END", which it keeps.
        for (std::string line = data.revision; line != "END";) {
            line = reader.next();
            help += line;
            help += "\r\n";
        }
        for (std::string line; line != "END";) {
            line = reader.next(); // a further block, skipped
        }
        data.help = std::move(help);
        read_block(reader, 14, data.metrics);
        read_block(reader, 7, data.loading);
        read_block(reader, 1, data.scroll);
        read_block(reader, 5, data.data);
        read_block(reader, 5, data.titles);
        for (auto& section : data.sections) {
            // A section runs to its first empty line, which it keeps.
            for (std::string line = "-"; !line.empty();) {
                line = reader.next();
                section.push_back(line);
            }
        }
        while (!reader.at_end()) {
            data.remaining.push_back(reader.next());
        }
        data.complete = true;
    } catch (const EarlyEnd&) {
        data.complete = false;
    }
    return data;
}

CableData load_cable_data(const std::vector<std::filesystem::path>& candidates) {
    for (const auto& path : candidates) {
        std::ifstream file(path, std::ios::binary);
        if (file) {
            return parse_cable_data(file);
        }
    }
    return CableData{};
}

std::vector<std::string> split_at_blanks(std::string_view line) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ' ') {
            if (i > start) {
                pieces.emplace_back(line.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return pieces;
}

namespace {

// The fields joined by blanks.
std::string joined_fields(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& field : fields) {
        if (!text.empty()) {
            text += ' ';
        }
        text += field;
    }
    return text;
}

// A category's heading line: "CABLE AREA MODULUS DIAM EXP/F LB/FT E*A RATING".
bool is_heading_line(const std::vector<std::string>& fields) {
    return fields.size() >= 8 && fields[0] == "CABLE" && fields[5] == "LB/FT";
}

// The metric figure of each field of a record: its factor from the file's unit, by field.
constexpr std::pair<std::size_t, double> kMetricFields[] = {
    {1, 645.16},              // sq in to mm²
    {2, 0.00689475729316836}, // psi to MPa
    {3, 25.4},                // in to mm
    {4, 1.8},                 // per degree Fahrenheit to per kelvin
    {5, 1.48816394356955},    // lb/ft to kg/m
    {6, 0.00444822161526050}, // lbf to kN
    {7, 4.44822161526050}};   // lbf to N

} // namespace

bool is_cable_heading(std::string_view line) {
    return is_heading_line(split_at_blanks(line));
}

std::vector<Message> cable_headings(UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    //: The cable library's column headings: each one word, without blanks (the columns are
    //: found by them).
    std::vector<Message> headings{TENSORA_TEXT("Cables", "CABLE"),
                                  TENSORA_TEXT("Cables", "AREA"),
                                  TENSORA_TEXT("Cables", "MODULUS"),
                                  TENSORA_TEXT("Cables", "DIAM"),
                                  metric ? TENSORA_TEXT("Cables", "EXP/K")
                                         : TENSORA_TEXT("Cables", "EXP/F"),
                                  data_message(metric ? "KG/M" : "LB/FT"),
                                  data_message("E*A"),
                                  TENSORA_TEXT("Cables", "RATING")};
    if (metric) {
        // The unit of each figure beside its word, as "AREA,mm²".
        const std::pair<std::size_t, const char*> units_of[] = {
            {1, "mm²"}, {2, "MPa"}, {3, "mm"}, {6, "kN"}, {7, "N"}};
        for (const auto& [column, unit] : units_of) {
            headings[column] =
                Message(MessageSource{"Data", "%1,%2"}).nested(headings[column]).data(unit);
        }
    }
    return headings;
}

std::string cable_line_in_units(std::string_view line, UnitSystem units, std::string_view decimal) {
    const std::vector<std::string> words = split_at_blanks(line);
    const auto fields = cable_record_fields(line);
    if (units == UnitSystem::Metric && !fields && is_heading_line(words)) {
        return "CABLE AREA,mm² MODULUS,MPa DIAM,mm EXP/K KG/M E*A,kN RATING,N";
    }
    if (!fields || (units == UnitSystem::InchPound && decimal == ".")) {
        return std::string(line);
    }
    const NumberLocale shown_form{std::string(decimal), ""};
    std::vector<std::string> shown = *fields;
    for (std::string& field : shown) {
        field = locale_number_text(field, shown_form);
    }
    if (units == UnitSystem::InchPound) {
        return joined_fields(shown); // the file's figures as the user's locale writes them
    }
    for (const auto& [field, factor] : kMetricFields) {
        if (!isNumberText((*fields)[field], NumberLocale{".", ""})) {
            continue;
        }
        // Four significant digits, never fewer than the whole number (no exponent).
        const double value = leadingValue((*fields)[field]) * factor;
        const double size = std::fabs(value);
        const int whole_digits = size >= 1 ? static_cast<int>(std::floor(std::log10(size))) + 1 : 0;
        const int decimals =
            size > 0 && size < 1
                ? std::clamp(3 - static_cast<int>(std::floor(std::log10(size))), 0, 12)
                : std::clamp(4 - whole_digits, 0, 9);
        shown[field] = locale_number_text(fixed_number_text(value, decimals), shown_form);
    }
    return joined_fields(shown);
}

std::optional<std::vector<std::string>> cable_record_fields(std::string_view line) {
    auto fields = split_at_blanks(line);
    if (fields.size() < 8 || !isNumberText(fields[5], NumberLocale{".", ""})) {
        return std::nullopt;
    }
    return fields;
}

} // namespace tensora
