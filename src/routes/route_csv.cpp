#include "routes/route_csv.h"

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

// Whether every line's first field is a whole number of 1 or more, none twice: point numbers.
bool numbered_points(const std::vector<Line>& lines) {
    std::vector<double> numbers;
    for (const Line& line : lines) {
        const std::optional<double> point = number_of(line.fields.front());
        if (!point || *point < 1 || *point != std::floor(*point) || *point > 1e15) {
            return false;
        }
        numbers.push_back(*point);
    }
    std::sort(numbers.begin(), numbers.end());
    return std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
}

// The columns of a file without a header, from its first line's figures: x, y and, where
// given, z and a radius; or, where the first column numbers the points and the fifth is text,
// the surveyors' point, northing, easting, elevation and description. A file that reads as
// either is refused (`error`): its header must say which.
std::vector<Column> unnamed_columns(const std::vector<Line>& lines, Message& error) {
    const std::vector<std::string>& first = lines.front().fields;
    std::size_t numbers = 0;
    while (numbers < first.size() && number_of(first[numbers])) {
        ++numbers;
    }
    const bool numbered = numbers >= 4 && numbered_points(lines);
    const bool described = numbers == 4 && first.size() >= 5 && !trimmed(first[4]).empty();
    if (numbered && described) {
        return {Column::Point, Column::Y, Column::X, Column::Z};
    }
    if (numbered) {
        error = Message(TENSORA_TEXT("Routes", "Line %1: the columns read two ways, as x, y, z and "
                                               "radius or as point, northing, easting and "
                                               "elevation: add a header line that names them, "
                                               "such as \"x,y,z,radius\" or "
                                               "\"point,northing,easting,elevation\"."))
                    .count_arg(static_cast<long long>(lines.front().number));
        return {};
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
std::vector<Column> columns_of(std::vector<Line>& lines, Message& error) {
    std::vector<Column> columns;
    if (number_of(lines.front().fields.front())) {
        columns = unnamed_columns(lines, error);
        if (columns.size() < 2 && error.empty()) {
            error = Message(TENSORA_TEXT("Routes", "Line %1: a point needs an x and a y."))
                        .count_arg(static_cast<long long>(lines.front().number));
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
        error = Message(TENSORA_TEXT("Routes", "Line %1: the header names no x (easting) and y "
                                               "(northing) columns."))
                    .count_arg(static_cast<long long>(header_line));
    } else if (lines.empty()) {
        error = TENSORA_TEXT("Routes", "The file holds no points.");
    }
    return columns;
}

// One line's point; `error` says why the line holds none.
RouteVertex vertex_of(const Line& line, const std::vector<Column>& columns, Message& error) {
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
            // The file's own text, quoted as it stands.
            error = Message(TENSORA_TEXT("Routes", "Line %1: \"%2\" is not a number."))
                        .count_arg(static_cast<long long>(line.number))
                        .data(std::string(field));
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
        error = Message(TENSORA_TEXT("Routes", "Line %1: a point needs an x and a y."))
                    .count_arg(static_cast<long long>(line.number));
    }
    return vertex;
}

} // namespace

RouteFile read_route_csv(std::string_view text) {
    RouteFile file;
    std::vector<Line> lines = point_lines(without_byte_order_mark(text));
    if (lines.empty()) {
        file.error = TENSORA_TEXT("Routes", "The file holds no points.");
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
