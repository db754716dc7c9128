#include "help/help_text.h"

#include <fstream>

namespace tensora {
namespace {

bool next_line(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

} // namespace

std::optional<std::vector<std::string>> read_help_lines(std::istream& in) {
    std::string line;
    if (!next_line(in, line)) {
        return std::nullopt; // line 1, the data revision, is never the marker
    }
    do {
        if (!next_line(in, line)) {
            return std::nullopt;
        }
    } while (line != kHelpMarker);
    std::vector<std::string> lines;
    do {
        if (!next_line(in, line)) {
            return std::nullopt;
        }
        lines.push_back(line);
    } while (line != "END");
    return lines;
}

std::optional<std::vector<std::string>>
load_help_lines(const std::vector<std::filesystem::path>& candidates) {
    for (const auto& path : candidates) {
        std::ifstream file(path, std::ios::binary);
        if (file) {
            return read_help_lines(file);
        }
    }
    return std::nullopt;
}

} // namespace tensora
