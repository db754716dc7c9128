// The report's cable set part: the pull check's set of cables and the rule of its allowable
// tension. It follows the fill ratio part; a reader that does not know it passes over it.
#pragma once

#include "numbers/message.h"
#include "pullplan/cable_set.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

// The set as the report holds it: the rule's key, the eye's and grip's ratings as typed
// (empty: their design ratings) and the groups, figures inch-pound in plain form. While
// `planner_first`, the first group is the planner's cable and follows it.
struct CableSetReport {
    std::string rule = "planner";
    std::string eye_limit;
    std::string grip_limit;
    bool planner_first = true;
    std::vector<CableGroupTexts> groups;
    bool operator==(const CableSetReport&) const = default;
};

inline constexpr std::string_view kCableSetHeading = "Cable Set";

void append_cable_set(const CableSetReport& set, std::vector<std::string>& lines);

// Reads the part line by line after its heading: `read_line` answers false for the first line
// that is not the part's, which the caller reads again as its own.
class CableSetReader {
public:
    bool read_line(const std::string& line);
    // The set read, and a note for each row that could not be read.
    CableSetReport finish(std::vector<Message>& notes);

private:
    CableSetReport set_;
    std::vector<std::string> kinds_; // each group's kind, by order
    std::vector<Message> notes_;
    int rows_ = 0;
};

} // namespace tensora
