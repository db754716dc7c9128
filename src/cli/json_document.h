// The command line's JSON, written through nlohmann::ordered_json: members in the order they are
// set, compact, one document a line, texts in UTF-8 as they are (a byte that is no UTF-8 becomes
// U+FFFD). A number the command line has always written in a form of its own (every digit of a
// double, or 15 significant) keeps that form: the library would write it shorter.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tensora {

class JsonDocument {
public:
    using Json = nlohmann::ordered_json;

    // A number as `text` writes it, to be set as a member's value.
    Json number(std::string text);
    // A double with every digit it holds ("1234.5678000000001"); null where it is no number.
    Json exact(double value);
    // A whole number, or null where there is none.
    static Json whole_or_null(std::optional<long long> value);

    // The document, then a line end.
    void write(const Json& document, std::ostream& out) const;

private:
    std::vector<std::string> numbers_;
};

} // namespace tensora
