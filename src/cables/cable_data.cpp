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

std::string cable_line_in_units(std::string_view line, UnitSystem units, std::string_view decimal) {
    const auto fields = cable_record_fields(line);
    if (!fields || (units == UnitSystem::InchPound && decimal == ".")) {
        return std::string(line);
    }
    const NumberLocale shown_form{std::string(decimal), ""};
    if (units == UnitSystem::InchPound) {
        // The file's figures as the user's locale writes them ("74,5" in German).
        std::string text;
        for (const std::string& field : *fields) {
            text += (text.empty() ? "" : " ") + locale_number_text(field, shown_form);
        }
        return text;
    }
    // The record's figures by field: area sq in, diameter in, weight lb/ft, rating lbs.
    const std::pair<std::size_t, double> converted[] = {
        {1, metric_per_inch_pound(Quantity::Area)},
        {3, metric_per_inch_pound(Quantity::Diameter)},
        {5, metric_per_inch_pound(Quantity::Weight) * 1000},
        {7, metric_per_inch_pound(Quantity::Tension)}};
    std::vector<std::string> shown = *fields;
    for (std::string& field : shown) {
        field = locale_number_text(field, shown_form);
    }
    for (const auto& [field, factor] : converted) {
        if (!isNumberText((*fields)[field], NumberLocale{".", ""})) {
            continue;
        }
        // Four significant digits, never fewer than the whole number (no exponent).
        const double value = leadingValue((*fields)[field]) * factor;
        const int whole_digits =
            value >= 1 ? static_cast<int>(std::floor(std::log10(value))) + 1 : 0;
        const int decimals = std::clamp(4 - whole_digits, 0, 9);
        char buffer[64];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
                .ptr;
        shown[field] = locale_number_text(std::string(buffer, end), shown_form);
    }
    std::string text;
    for (const std::string& field : shown) {
        text += text.empty() ? field : ' ' + field;
    }
    return text;
}

std::optional<std::vector<std::string>> cable_record_fields(std::string_view line) {
    auto fields = split_at_blanks(line);
    if (fields.size() < 8 || !isNumberText(fields[5], NumberLocale{".", ""})) {
        return std::nullopt;
    }
    return fields;
}

} // namespace tensora
