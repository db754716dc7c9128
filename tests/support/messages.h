// The core's messages in the tests: compared with the English the command line writes, and
// printed so when an expectation fails.
#pragma once

#include "numbers/message.h"

#include <ostream>
#include <string_view>

namespace tensora {

inline bool operator==(const Message& message, std::string_view english) {
    return english_text(message) == english;
}

inline void PrintTo(const Message& message, std::ostream* out) {
    *out << '"' << english_text(message) << '"';
}

} // namespace tensora
