#include "report/cable_set_part.h"

#include "numbers/number_rules.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace tensora {
namespace {

constexpr std::string_view kRuleLabel = "Tension Rule            ";
constexpr std::string_view kEyeLabel = "Eye Rating (lbs)        ";
constexpr std::string_view kGripLabel = "Grip Rating (lbs)       ";
constexpr std::string_view kFirstLabel = "First Group             ";
constexpr std::string_view kPlannerFirst = "the planner's cable";
constexpr std::string_view kTypedFirst = "as typed";
// Each group's bending kind, by the groups' order, "-" for none: a line only where a group has
// one, so that a set without kinds keeps its lines.
constexpr std::string_view kKindsLabel = "Group Kinds             ";
constexpr std::string_view kNoKind = "-";

// The columns of a group's row, each ended by " | "; the description, last, runs to the end
// of the line as it is, blanks and bars included.
constexpr std::size_t kFields = 7;
constexpr std::array<std::size_t, kFields> kWidths{6, 10, 16, 10, 5, 10, 12};
constexpr std::array<std::string_view, kFields + 1> kHeadings{
    "Count", "OD (in)",    "Weight (lbs/kft)", "Size",
    "Metal", "Conductors", "Rating (lbs)",     "Description"};

std::string row(const std::array<std::string_view, kFields + 1>& cells) {
    std::string line;
    for (std::size_t i = 0; i < kFields; ++i) {
        line += cells[i];
        if (cells[i].size() < kWidths[i]) {
            line.append(kWidths[i] - cells[i].size(), ' ');
        }
        line += " | ";
    }
    line += cells[kFields];
    return line;
}

const std::string& heading_row() {
    static const std::string heading = row(kHeadings);
    return heading;
}

// The row's texts, or none when it does not hold the columns of a row.
std::optional<CableGroupTexts> group_of_row(std::string_view line) {
    std::array<std::string, kFields> cells;
    for (std::string& cell : cells) {
        const std::size_t bar = line.find('|');
        if (bar == std::string_view::npos) {
            return std::nullopt;
        }
        cell = trimmed_blanks(line.substr(0, bar));
        line.remove_prefix(bar + 1);
    }
    if (line.starts_with(' ')) {
        line.remove_prefix(1);
    }
    return CableGroupTexts{cells[0], std::string(line), cells[1], cells[2],
                           cells[3], cells[4],          cells[5], cells[6]};
}

} // namespace

void append_cable_set(const CableSetReport& set, std::vector<std::string>& lines) {
    lines.emplace_back();
    lines.emplace_back(kCableSetHeading);
    lines.emplace_back();
    lines.push_back(std::string(kRuleLabel) + set.rule);
    lines.push_back(std::string(kEyeLabel) + set.eye_limit);
    lines.push_back(std::string(kGripLabel) + set.grip_limit);
    lines.push_back(std::string(kFirstLabel) +
                    std::string(set.planner_first ? kPlannerFirst : kTypedFirst));
    if (std::any_of(set.groups.begin(), set.groups.end(),
                    [](const CableGroupTexts& group) { return !group.kind.empty(); })) {
        std::string kinds(kKindsLabel);
        for (std::size_t i = 0; i < set.groups.size(); ++i) {
            kinds += (i ? " " : "") + (set.groups[i].kind.empty() ? std::string(kNoKind)
                                                                   : set.groups[i].kind);
        }
        lines.push_back(kinds);
    }
    lines.emplace_back();
    lines.push_back(heading_row());
    for (const CableGroupTexts& group : set.groups) {
        lines.push_back(row({group.count, group.od, group.weight, group.size, group.material,
                             group.conductors, group.rating, group.description}));
    }
}

bool CableSetReader::read_line(const std::string& line) {
    const auto value = [&line](std::string_view label) { return line.substr(label.size()); };
    if (line.empty() || line == heading_row()) {
        return true;
    }
    if (line.starts_with(kRuleLabel)) {
        set_.rule = value(kRuleLabel);
    } else if (line.starts_with(kEyeLabel)) {
        set_.eye_limit = value(kEyeLabel);
    } else if (line.starts_with(kGripLabel)) {
        set_.grip_limit = value(kGripLabel);
    } else if (line.starts_with(kFirstLabel)) {
        set_.planner_first = value(kFirstLabel) != kTypedFirst;
    } else if (line.starts_with(kKindsLabel)) {
        std::istringstream words(value(kKindsLabel));
        kinds_.clear();
        for (std::string word; words >> word;) {
            kinds_.push_back(word == kNoKind ? std::string() : word);
        }
    } else if (line.find('|') == std::string::npos) {
        return false; // the next part
    } else if (auto group = group_of_row(line)) {
        ++rows_;
        set_.groups.push_back(std::move(*group));
    } else {
        ++rows_;
        notes_.push_back(Message(TENSORA_TEXT("Report", "The report's cable set row %1 could "
                                                        "not be read; the set was read without it."))
                             .count_arg(rows_));
    }
    return true;
}

CableSetReport CableSetReader::finish(std::vector<Message>& notes) {
    if (!tension_rule_by_key(set_.rule)) {
        notes.push_back(Message(TENSORA_TEXT("Report", "The report's cable set names no rule "
                                                       "Tensora knows (\"%1\"); the planner's "
                                                       "allowable tension is taken."))
                            .data(set_.rule));
        set_.rule = tension_rule_key(TensionRule::Planner);
    }
    for (std::size_t i = 0; i < set_.groups.size() && i < kinds_.size(); ++i) {
        set_.groups[i].kind = kinds_[i];
    }
    // A set that starts with the planner's cable has it, whatever else was read.
    if (set_.planner_first && set_.groups.empty()) {
        set_.groups.emplace_back();
    }
    notes.insert(notes.end(), notes_.begin(), notes_.end());
    return std::move(set_);
}

} // namespace tensora
