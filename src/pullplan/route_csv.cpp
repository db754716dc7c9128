#include "pullplan/route_csv.h"

#include "numbers/number_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

namespace tensora {
namespace {

enum class Column { Skip, Point, X, Y, Z, Radius };

// A field without the blanks around it and its quotes.
std::string_view trimmed(std::string_view text) {
    text = trimmed_blanks(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

std::vector<std::string> fields_of(std::string_view line) {
    std::vector<std::string> fields;
    // Semicolons first: where they part the fields, commas are decimal points.
    const char separator = line.find(';') != std::string_view::npos   ? ';'
                           : line.find(',') != std::string_view::npos ? ','
                                                                      : ' ';
    if (separator == ' ') {
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) {
                ++i;
            }
            const std::size_t start = i;
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) {
                ++i;
            }
            if (i > start) {
                fields.emplace_back(line.substr(start, i - start));
            }
        }
        return fields;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == separator) {
            std::string field(trimmed(line.substr(start, i - start)));
            // With semicolons between fields, a comma is the decimal point.
            if (separator == ';') {
                std::replace(field.begin(), field.end(), ',', '.');
            }
            fields.push_back(std::move(field));
            start = i + 1;
        }
    }
    return fields;
}

std::optional<double> number_of(std::string_view text) {
    return file_number(trimmed(text));
}

Column column_named(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    name = std::string(trimmed(name));
    static const std::array<std::pair<std::string_view, Column>, 19> kNames{{
        {"x", Column::X},         {"easting", Column::X}, {"east", Column::X},
        {"e", Column::X},         {"y", Column::Y},       {"northing", Column::Y},
        {"north", Column::Y},     {"n", Column::Y},       {"z", Column::Z},
        {"elevation", Column::Z}, {"elev", Column::Z},    {"height", Column::Z},
        {"h", Column::Z},         {"r", Column::Radius},  {"radius", Column::Radius},
        {"point", Column::Point}, {"pt", Column::Point},  {"id", Column::Point},
        {"p", Column::Point},
    }};
    for (const auto& [known, column] : kNames) {
        if (name == known) {
            return column;
        }
    }
    return Column::Skip;
}

struct Line {
    std::size_t number = 0;
    std::vector<std::string> fields;
};

// The columns of a file without a header, from its first line's numbers and whether the lines
// count their points up.
std::vector<Column> unnamed_columns(const std::vector<Line>& lines) {
    std::size_t numbers = 0;
    for (const std::string& field : lines.front().fields) {
        if (!number_of(field)) {
            break;
        }
        ++numbers;
    }
    bool counted = numbers >= 3 && lines.size() >= 2;
    for (std::size_t i = 0; counted && i < lines.size(); ++i) {
        const std::optional<double> point = number_of(lines[i].fields.front());
        counted = point && *point == std::floor(*point) &&
                  (i == 0 || *point == *number_of(lines[i - 1].fields.front()) + 1);
    }
    if (counted) {
        return {Column::Point, Column::Y, Column::X, Column::Z};
    }
    static const std::array<Column, 4> kOrder{Column::X, Column::Y, Column::Z, Column::Radius};
    return {kOrder.begin(), kOrder.begin() + static_cast<long>(std::min<std::size_t>(numbers, 4))};
}

// The lines that hold points (or the header), numbered as the file numbers them; blank lines
// and "#" comments are passed over.
std::vector<Line> point_lines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (trimmed(line).empty() || trimmed(line).front() == '#') {
            continue;
        }
        lines.push_back({number, fields_of(line)});
    }
    return lines;
}

// The columns by the header, which is then taken from the lines, or by the count of figures;
// `error` says why there are none to read.
std::vector<Column> columns_of(std::vector<Line>& lines, std::string& error) {
    std::vector<Column> columns;
    if (number_of(lines.front().fields.front())) {
        columns = unnamed_columns(lines);
        if (columns.size() < 2) {
            error =
                "Line " + std::to_string(lines.front().number) + ": a point needs an x and a y.";
        }
        return columns;
    }
    for (const std::string& name : lines.front().fields) {
        columns.push_back(column_named(name));
    }
    const std::size_t header_line = lines.front().number;
    lines.erase(lines.begin());
    const auto has = [&columns](Column c) {
        return std::find(columns.begin(), columns.end(), c) != columns.end();
    };
    if (!has(Column::X) || !has(Column::Y)) {
        error = "Line " + std::to_string(header_line) +
                ": the header names no x (easting) and y (northing) columns.";
    } else if (lines.empty()) {
        error = "The file holds no points.";
    }
    return columns;
}

// One line's point; `error` says why the line holds none.
RouteVertex vertex_of(const Line& line, const std::vector<Column>& columns, std::string& error) {
    RouteVertex vertex;
    vertex.where = "line " + std::to_string(line.number);
    bool has_x = false;
    bool has_y = false;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column column = columns[c];
        if (column == Column::Skip || column == Column::Point) {
            continue;
        }
        const std::string_view field =
            c < line.fields.size() ? std::string_view(line.fields[c]) : std::string_view();
        if (trimmed(field).empty() && (column == Column::Z || column == Column::Radius)) {
            continue;
        }
        const std::optional<double> value = number_of(field);
        if (!value) {
            error = "Line " + std::to_string(line.number) + ": \"" + std::string(field) +
                    "\" is not a number.";
            return vertex;
        }
        switch (column) {
        case Column::X:
            vertex.at.x = *value;
            has_x = true;
            break;
        case Column::Y:
            vertex.at.y = *value;
            has_y = true;
            break;
        case Column::Z:
            vertex.at.z = *value;
            break;
        case Column::Radius:
            if (*value > 0 || !std::isfinite(*value)) {
                vertex.radius = *value;
            }
            break;
        default:
            break;
        }
    }
    if (!has_x || !has_y) {
        error = "Line " + std::to_string(line.number) + ": a point needs an x and a y.";
    }
    return vertex;
}

} // namespace

RouteFile read_route_csv(std::string_view text) {
    RouteFile file;
    std::vector<Line> lines = point_lines(text);
    if (lines.empty()) {
        file.error = "The file holds no points.";
        return file;
    }
    const std::vector<Column> columns = columns_of(lines, file.error);
    if (!file.error.empty()) {
        return file;
    }
    RoutePolyline path;
    path.entity = "points";
    for (const Line& line : lines) {
        RouteVertex vertex = vertex_of(line, columns, file.error);
        if (!file.error.empty()) {
            return file;
        }
        path.vertices.push_back(std::move(vertex));
    }
    file.paths.push_back(std::move(path));
    return file;
}

std::string route_csv_text(const RoutePolyline& path) {
    const auto text = [](double value) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        return std::string(buffer, end);
    };
    std::string csv = "x,y,z,radius\n";
    for (const RouteVertex& vertex : path.vertices) {
        csv += text(vertex.at.x) + ',' + text(vertex.at.y) + ',' + text(vertex.at.z) + ',' +
               (vertex.radius ? text(*vertex.radius) : std::string()) + '\n';
    }
    return csv;
}

} // namespace tensora
