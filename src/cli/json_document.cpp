#include "cli/json_document.h"

#include <charconv>
#include <cmath>

namespace tensora {
namespace {

// Stands for the number of that index until the document is written: a private-use character
// around the index, which no figure of the program holds.
const std::string kMark = "\xEE\x80\x80";

} // namespace

JsonDocument::Json JsonDocument::number(std::string text) {
    numbers_.push_back(std::move(text));
    return kMark + std::to_string(numbers_.size() - 1) + kMark;
}

JsonDocument::Json JsonDocument::exact(double value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17).ptr;
    return number(std::string(buffer, end));
}

JsonDocument::Json JsonDocument::whole_or_null(std::optional<long long> value) {
    return value ? Json(*value) : Json(nullptr);
}

void JsonDocument::write(const Json& document, std::ostream& out) const {
    std::string text = document.dump(-1, ' ', false, Json::error_handler_t::replace);
    // Each number's mark, quoted as a text, gives way to the number's own form.
    for (std::size_t i = 0; i < numbers_.size(); ++i) {
        const std::string quoted = '"' + kMark + std::to_string(i) + kMark + '"';
        if (const std::size_t at = text.find(quoted); at != std::string::npos) {
            text.replace(at, quoted.size(), numbers_[i]);
        }
    }
    out << text << '\n';
}

} // namespace tensora
