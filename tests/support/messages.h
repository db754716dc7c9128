// The core's messages in the tests: compared with the English the command line writes, and
// printed so when an expectation fails.
#pragma once

#include "numbers/message.h"

#include <ostream>
#include <string>
#include <string_view>

namespace tensora {

inline bool operator==(const Message& message, std::string_view english) {
    return english_text(message) == english;
}

inline bool operator==(const Message& message, const Message& other) {
    return english_text(message) == english_text(other);
}

inline std::ostream& operator<<(std::ostream& out, const Message& message) {
    return out << english_text(message);
}

// The message as the command line writes it, for the string's own tests (find, starts_with).
inline std::string english(const Message& message) {
    return english_text(message);
}

inline void PrintTo(const Message& message, std::ostream* out) {
    *out << '"' << english_text(message) << '"';
}

} // namespace tensora
