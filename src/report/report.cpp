#include "report/report.h"

#include "numbers/number_rules.h"
#include "report/report_figures.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <system_error>

namespace tensora {
namespace {

constexpr std::string_view kDescriptionLabel = "Cable Description       ";
constexpr std::string_view kAllowableLabel = "Capable Load (lbs)      ";
constexpr std::string_view kWeightLabel = "Cable Weight (lbs/kft)  ";
constexpr std::string_view kFrictionLabel = "Coefficient of Friction ";
constexpr std::string_view kFirstLine = "Tensora(tm)";
constexpr std::string_view kBackTensionLabel = "Back Tension (lbs)      ";
constexpr std::string_view kBendWeightLabel = "Weight in Bends         ";
constexpr std::string_view kRouteSourceLabel = "Route Imported From     ";
constexpr std::string_view kEquipmentHeading = "Pulling Equipment";
// The equipment part's label lines, each 24 characters, and the text each holds.
constexpr std::pair<std::string_view, std::string EquipmentReport::*> kEquipmentLabels[] = {
    {"Pulling Direction       ", &EquipmentReport::direction},
    {"Puller Rating           ", &EquipmentReport::puller},
    {"Rope Breaking Strength  ", &EquipmentReport::rope_strength},
    {"Rope Design Factor      ", &EquipmentReport::design_factor},
    {"Sheave Rating           ", &EquipmentReport::sheave_rating},
    {"Sheave Tension Added %  ", &EquipmentReport::sheave_percent},
    {"Capstan Friction        ", &EquipmentReport::capstan_friction},
    {"Tail Force Limit        ", &EquipmentReport::tail_limit}};
// The pull check's part: its conduit and limits, each label 24 characters.
constexpr std::string_view kCheckHeading = "Pull Check";
constexpr std::pair<std::string_view, std::string CheckReport::*> kCheckLabels[] = {
    {"Conduit Table           ", &CheckReport::standard},
    {"Trade Size              ", &CheckReport::trade_size},
    {"Conduit ID (in)         ", &CheckReport::conduit_id},
    {"Arrangement             ", &CheckReport::arrangement},
    {"Minimum Clearance (in)  ", &CheckReport::min_clearance},
    {"Sidewall Limit (lbs/ft) ", &CheckReport::sidewall_limit},
    {"Bend Radius (ft)        ", &CheckReport::bend_radius}};
constexpr std::string_view kCableKindLabel = "Cable Kind              ";
// The units the windows showed when the report was saved; its figures are inch-pound always.
constexpr std::string_view kUnitsLabel = "Units Shown             ";
constexpr std::string_view kPlanWords = "Planned Pull Results";
constexpr std::string_view kPlanHeading = "Planned Pull Results - ";
constexpr std::string_view kFillHeading = "Fill Ratio Calculations";
constexpr std::string_view kDiametersLabel = " - (OD inches) - ";
constexpr std::string_view kPreferredLabel = "Preferred maximum fill (%) = ";
constexpr std::string_view kReverseHeading = "Reverse Direction Pull Results - ";
constexpr std::string_view kLinkHeading1 = "Link Type     Length      Angle      Tension (lbs)";
constexpr std::string_view kLinkHeading2 =
    "              (ft)        (deg)      Cumulative     Sidewall";
constexpr std::string_view kConduitHeading1 = "Trade Size    Pipe ID     Area       Fill Ratio";
constexpr std::string_view kConduitHeading2 = "              (inches)    (sq in)    (percent)";
constexpr std::string_view kMidAssistCaption = "Mid-assist pull point between links ";
// The last field of an inclined straight's rows, and the fields that follow a tilted bend's.
constexpr std::string_view kInclineField = "incline";
constexpr std::string_view kTiltField = "tilt";
// A link's raceway: its own coefficient, its library entry, its inside diameter, tray.
constexpr std::string_view kFrictionField = "f=";
constexpr std::string_view kRacewayField = "raceway=";
constexpr std::string_view kRacewayIdField = "id=";
constexpr std::string_view kTrayField = "tray";
constexpr std::string_view kPullPointField = "pull-point";

// A label is found anywhere in a line by its words; its value starts where its 24-character
// field ends.
constexpr std::size_t kLabelWidth = 24;

// The text followed by blanks up to w characters; a text that fills its width is written whole
// and followed by one blank all the same, so that it never runs into the next field.
std::string padded(std::string_view text, std::size_t width) {
    std::string out(text);
    out.append(out.size() < width ? width - out.size() : 1, ' ');
    return out;
}

// A link's raceway fields, each after a blank.
std::string raceway_fields(const LinkRaceway& raceway) {
    std::string fields;
    for (const auto& [key, text] : {std::pair{kFrictionField, &raceway.friction},
                                    std::pair{kRacewayField, &raceway.name},
                                    std::pair{kRacewayIdField, &raceway.id}}) {
        if (!text->empty()) {
            fields += ' ' + std::string(key) + *text;
        }
    }
    if (raceway.tray) {
        fields += ' ' + std::string(kTrayField);
    }
    if (raceway.pull_point) {
        fields += ' ' + std::string(kPullPointField);
    }
    return fields;
}

// Takes a row's raceway fields out of it (wherever they stand after the link's own four).
LinkRaceway take_raceway_fields(std::vector<std::string>& row) {
    LinkRaceway raceway;
    const auto taken = [&](const std::string& field) {
        for (const auto& [key, text] : {std::pair{kFrictionField, &raceway.friction},
                                        std::pair{kRacewayField, &raceway.name},
                                        std::pair{kRacewayIdField, &raceway.id}}) {
            if (field.starts_with(key)) {
                *text = field.substr(key.size());
                return true;
            }
        }
        if (field == kTrayField) {
            raceway.tray = true;
            return true;
        }
        if (field == kPullPointField) {
            raceway.pull_point = true;
            return true;
        }
        return false;
    };
    if (row.size() > 4) {
        row.erase(std::remove_if(row.begin() + 4, row.end(), taken), row.end());
    }
    return raceway;
}

std::string link_row(const ReportLink& link, bool forward) {
    return link.number + ' ' + padded(link.type, 12) + padded(link.length, 12) +
           padded(link.angle, 11) + padded(forward ? link.forward : link.reverse, 15) +
           (forward ? link.forward_sidewall : link.reverse_sidewall) +
           raceway_fields(link.raceway) +
           (link.inclined ? std::string(" ") + std::string(kInclineField) : std::string()) +
           (link.right ? std::string(" ") + std::string(kRightWord) : std::string()) +
           (link.type == kTiltedType ? std::string(" ") + std::string(kTiltField) + ' ' + link.tilt
                                     : std::string()) +
           (link.sheave ? std::string(" ") + std::string(kSheaveWord) : std::string());
}

void append_pull_plan(const PullPlanReport& plan, std::vector<std::string>& lines) {
    lines.push_back(std::string(kDescriptionLabel) + plan.description);
    lines.push_back(std::string(kAllowableLabel) + plan.allowable);
    lines.push_back(std::string(kWeightLabel) + plan.weight);
    lines.push_back(std::string(kFrictionLabel) + plan.friction);
    // Always written, 0 included: a report without the line is one saved before back
    // tensions were, which keeps the planner's.
    lines.push_back(std::string(kBackTensionLabel) + plan.back_tension);
    if (!plan.bend_weight.empty()) {
        lines.push_back(std::string(kBendWeightLabel) + plan.bend_weight);
    }
    if (!plan.route_source.empty()) {
        lines.push_back(std::string(kRouteSourceLabel) + plan.route_source);
    }
    // The forward pull's table, then the reverse pull's, each under its heading.
    for (const bool forward : {true, false}) {
        lines.emplace_back();
        lines.push_back(std::string(forward ? kPlanHeading : kReverseHeading) + plan.caption);
        lines.emplace_back();
        lines.emplace_back(kLinkHeading1);
        lines.emplace_back(kLinkHeading2);
        lines.emplace_back();
        lines.emplace_back();
        for (const ReportLink& link : plan.links) {
            lines.push_back(link_row(link, forward));
        }
    }
}

void append_fill(const FillReport& fill, std::vector<std::string>& lines) {
    lines.emplace_back();
    lines.emplace_back(kFillHeading);
    lines.emplace_back();
    lines.push_back(fill.standard);
    std::string cables = fill.count + std::string(kDiametersLabel);
    for (const std::string& diameter : fill.diameters) {
        cables += ' ' + diameter;
    }
    lines.push_back(cables);
    lines.push_back("Sum of Cable cross sectional areas (sq in) = " + fill.total_area);
    lines.push_back(fill.pair_width_label + ' ' + fill.pair_width);
    if (fill.preferred_max != "60") {
        lines.push_back(std::string(kPreferredLabel) + fill.preferred_max);
    }
    lines.emplace_back();
    lines.emplace_back(kConduitHeading1);
    lines.emplace_back(kConduitHeading2);
    lines.emplace_back();
    for (const FillReport::Row& row : fill.rows) {
        lines.push_back(padded(row.trade_size, 14) + padded(row.pipe_id, 12) +
                        padded(row.area, 11) + row.percent);
    }
}

// Reads lines of at most kLongestReportLine characters, dropping a line's further characters.
// A line can be handed back, to be read again by the next call.
class BoundedLines {
public:
    explicit BoundedLines(std::istream& in) : in_(in) {}

    // The next line; `ended` tells whether a line end followed it (a file cut short ends in
    // a line without one).
    bool next(std::string& line, bool& ended) {
        if (held_) {
            held_ = false;
            line = std::move(held_line_);
            ended = held_ended_;
            return true;
        }
        line.clear();
        ended = false;
        std::streambuf* buffer = in_.rdbuf();
        if (!buffer) {
            return false;
        }
        bool any = false;
        for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
            any = true;
            if (c == '\n') {
                ended = true;
                break;
            }
            if (line.size() < kLongestReportLine) {
                line.push_back(static_cast<char>(c));
            }
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        return any;
    }

    void hand_back(std::string line, bool ended) {
        held_ = true;
        held_line_ = std::move(line);
        held_ended_ = ended;
    }

private:
    std::istream& in_;
    bool held_ = false;
    std::string held_line_;
    bool held_ended_ = false;
};

std::vector<std::string> fields(std::string_view line) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ' ' || line[i] == '\t') {
            if (i > start) {
                pieces.emplace_back(line.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return pieces;
}

// The value after a label found anywhere in the line, whole to the end of the line.
void read_label(const std::string& line, std::string_view label, std::optional<std::string>& into) {
    const auto at = line.find(label);
    if (at == std::string::npos) {
        return;
    }
    const std::size_t value = at + kLabelWidth;
    into = value < line.size() ? line.substr(value) : std::string();
}

// A line that only a report holds at its start: its first line, a label, a heading.
bool marks_a_report(std::string_view line) {
    for (const std::string_view start :
         {kFirstLine, kDescriptionLabel, kAllowableLabel, kWeightLabel, kFrictionLabel,
          kBackTensionLabel, kUnitsLabel, kPlanWords, kReverseHeading, kFillHeading}) {
        if (line.starts_with(start)) {
            return true;
        }
    }
    return false;
}

// A link row's number: the first field written as a whole number from 1 up, else nothing.
std::optional<std::size_t> link_number(std::string_view text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t value = 0;
    for (const char digit : text) {
        value = value * 10 + static_cast<std::size_t>(digit - '0');
    }
    return value >= 1 ? std::optional<std::size_t>(value) : std::nullopt;
}

// A link row as the reader takes it: number, type (straight when the row says so anywhere),
// length and angle.
struct Row {
    std::size_t number = 0;
    PullLinkTexts link;
    bool whole = false; // it has all four fields
};

std::optional<Row> link_row_of(const std::string& line) {
    std::vector<std::string> row = fields(line);
    const LinkRaceway raceway = take_raceway_fields(row);
    // A sheave's mark comes last, after the fields older versions wrote.
    const bool sheave = row.size() > 4 && row.back() == kSheaveWord;
    if (sheave) {
        row.pop_back();
    }
    const auto number = row.empty() ? std::nullopt : link_number(row[0]);
    if (!number) {
        return std::nullopt;
    }
    Row parsed;
    parsed.number = *number;
    parsed.whole = row.size() >= 4;
    parsed.link.number = std::to_string(*number);
    // Straight wherever the row says so; a vertical bend by its type; any other row a bend.
    const std::string_view type = row.size() > 1 ? std::string_view(row[1]) : std::string_view();
    parsed.link.type = line.find(kStraightType) != std::string::npos ? kStraightType
                       : type == kUpType || type == kDownType        ? type
                                                                     : kBendType;
    parsed.link.length = row.size() > 2 ? row[2] : std::string();
    parsed.link.angle = row.size() > 3 ? row[3] : std::string();
    parsed.link.inclined =
        parsed.link.type == kStraightType && row.size() > 4 && row.back() == kInclineField;
    parsed.link.right = parsed.link.type == kBendType && row.size() > 4 && row.back() == kRightWord;
    // A tilted bend: its tilt follows the word after its other fields; without one it is a
    // horizontal bend, as older readers take it.
    if (type == kTiltedType && row.size() > 5 && row[row.size() - 2] == kTiltField) {
        parsed.link.type = kTiltedType;
        parsed.link.tilt = row.back();
    }
    parsed.link.sheave = sheave && parsed.link.type != kStraightType;
    parsed.link.raceway = raceway;
    return parsed;
}

Message count_of_links(std::size_t count) {
    return Message(TENSORA_COUNTED("Report", "%n links", "%n link"))
        .counting(static_cast<long long>(count));
}

// The mid-assist point the plan's heading names, checked against the links read.
void read_mid_assist(std::string_view heading, ReadReport& report) {
    report.mid_assist_link.reset();
    // What follows "Planned Pull Results - " (blanks and the dash around it may have been lost
    // in a hand edit).
    std::string_view caption = trimmed_blanks(heading.substr(kPlanWords.size()));
    if (caption.starts_with('-')) {
        caption = trimmed_blanks(caption.substr(1));
    }
    if (caption.empty()) {
        return;
    }
    std::optional<std::size_t> named;
    if (caption.starts_with(kMidAssistCaption)) {
        const auto words = fields(caption.substr(kMidAssistCaption.size()));
        named = words.empty() ? std::nullopt : link_number(words.front());
    }
    if (!named) {
        report.notes.push_back(
            Message(TENSORA_TEXT("Report", "The plan's mid-assist caption \"%1\" names no link: "
                                           "the plan was read without a mid-assist point."))
                .data(std::string(caption)));
    } else if (*named > report.links.size()) {
        report.notes.push_back(
            Message(TENSORA_TEXT("Report", "The mid-assist pull point \"%1\" lies beyond the "
                                           "plan's %2: the plan was read without it."))
                .data(std::string(caption))
                .nested(count_of_links(report.links.size())));
    } else {
        report.mid_assist_link = static_cast<int>(*named);
    }
}

// The forward table: rows 1, 2, 3, ... in order, up to the line that starts "Reverse" (or the
// end of the file). Returns the number of rows in order, those past the limit included, and
// whether the "Reverse" line was found.
struct ForwardTable {
    std::size_t in_order = 0;
    bool reverse_found = false;
};

ForwardTable read_forward(BoundedLines& lines, ReadReport& report) {
    ForwardTable table;
    std::string line;
    bool ended = true;
    bool last_ended = true;
    bool broken = false;
    while (lines.next(line, ended)) {
        if (line.starts_with("Reverse")) {
            table.reverse_found = true;
            break;
        }
        const std::optional<Row> row = link_row_of(line);
        if (!row || broken) {
            continue;
        }
        const std::size_t expected = table.in_order + 1;
        if (row->number == expected && !row->whole && !ended) {
            continue; // the file's last line, cut short: said below
        }
        if (row->number == expected && row->whole) {
            ++table.in_order;
            if (report.links.size() < static_cast<std::size_t>(kMaxLinks)) {
                report.links.push_back(row->link);
                last_ended = ended;
            } else {
                ++report.links_beyond_limit;
            }
            continue;
        }
        broken = true;
        const auto read_to = static_cast<long long>(table.in_order);
        const Message after =
            table.in_order == 0
                ? Message(TENSORA_TEXT("Report", "at its start"))
                : Message(TENSORA_TEXT("Report", "after link %1")).count_arg(read_to);
        if (row->number == expected) {
            report.notes.push_back(
                Message(TENSORA_TEXT("Report", "The plan's row of link %1 is not whole: the plan "
                                               "was read up to link %2."))
                    .count_arg(static_cast<long long>(expected))
                    .count_arg(read_to));
        } else if (row->number < expected) {
            //: %2 is "at its start" or "after link N".
            report.notes.push_back(
                Message(TENSORA_TEXT("Report", "The plan names link %1 again %2: the plan was "
                                               "read up to link %3."))
                    .count_arg(static_cast<long long>(row->number))
                    .nested(after)
                    .count_arg(read_to));
        } else {
            //: %3 is "at its start" or "after link N".
            report.notes.push_back(
                Message(TENSORA_TEXT("Report", "The plan has no link %1 (link %2 comes %3): the "
                                               "plan was read up to link %4."))
                    .count_arg(static_cast<long long>(expected))
                    .count_arg(static_cast<long long>(row->number))
                    .nested(after)
                    .count_arg(read_to));
        }
    }
    if (!table.reverse_found && !broken && report.links_beyond_limit == 0) {
        // Cut short: a last row without its line end may have lost characters.
        if (!last_ended && !report.links.empty()) {
            report.links.pop_back();
            --table.in_order;
        }
        if (!report.links.empty()) {
            report.notes.push_back(
                Message(TENSORA_TEXT("Report",
                                     "The report is cut short: its plan stops after link %1 and "
                                     "its reverse table is missing, so links after it may be "
                                     "lost; the %2 before were read."))
                    .count_arg(static_cast<long long>(report.links.size()))
                    .nested(count_of_links(report.links.size())));
        }
    }
    return table;
}

// The reverse table: the same rows again, which tells whether the file holds the plan whole.
void check_reverse(BoundedLines& lines, const ForwardTable& forward, ReadReport& report) {
    std::string line;
    bool ended = true;
    std::size_t rows = 0;
    std::optional<std::size_t> differs;
    while (lines.next(line, ended)) {
        if (line.empty() || line == kLinkHeading1 || line == kLinkHeading2) {
            continue;
        }
        const std::optional<Row> row = link_row_of(line);
        if (!row) {
            lines.hand_back(std::move(line), ended); // the part after the plan
            break;
        }
        if (rows < report.links.size() && !differs) {
            const PullLinkTexts& link = report.links[rows];
            if (row->number != rows + 1 || row->link.type != link.type ||
                row->link.length != link.length || row->link.angle != link.angle ||
                row->link.inclined != link.inclined || row->link.right != link.right ||
                row->link.tilt != link.tilt || row->link.sheave != link.sheave ||
                row->link.raceway != link.raceway) {
                differs = rows + 1;
            }
        }
        ++rows;
    }
    if (!report.notes.empty() || report.links_beyond_limit > 0) {
        return; // the forward table has said what is wrong
    }
    if (rows < forward.in_order) {
        report.notes.push_back(
            Message(TENSORA_TEXT("Report", "The report is cut short: its reverse table stops "
                                           "after %1 of its %2; the %3 of its plan were read."))
                .count_arg(static_cast<long long>(rows))
                .nested(count_of_links(forward.in_order))
                .nested(count_of_links(report.links.size())));
    } else if (differs) {
        report.notes.push_back(
            Message(TENSORA_TEXT("Report", "The report's reverse table differs from its plan from "
                                           "link %1 on; the plan's own rows were read."))
                .count_arg(static_cast<long long>(*differs)));
    }
}

// The fill ratio part: the standard's line, the cables' line, and the preferred maximum fill
// when it was not the design's, up to the conduit table.
void read_fill(BoundedLines& lines, ReadReport& report) {
    ReadReport::Fill fill;
    std::string line;
    bool ended = true;
    int line_number = 0;
    while (lines.next(line, ended)) {
        ++line_number;
        if (line == kConduitHeading1 || line.starts_with(kPlanWords) || line == kCableSetHeading) {
            lines.hand_back(std::move(line), ended);
            break;
        }
        if (line_number == 2) {
            fill.standard = line;
        } else if (const auto at = line.find(kDiametersLabel);
                   line_number == 3 && at != std::string::npos) {
            fill.diameters = fields(std::string_view(line).substr(at + kDiametersLabel.size()));
        } else if (line.starts_with(kPreferredLabel)) {
            fill.preferred_max = line.substr(kPreferredLabel.size());
        }
    }
    report.fill = std::move(fill);
}

void read_cable_set(BoundedLines& lines, ReadReport& report) {
    CableSetReader reader;
    std::string line;
    bool ended = true;
    while (lines.next(line, ended)) {
        if (!reader.read_line(line)) {
            lines.hand_back(std::move(line), ended);
            break;
        }
    }
    report.cable_set = reader.finish(report.notes);
}

void read_plan(BoundedLines& lines, const std::string& heading, ReadReport& report) {
    report.has_plan = true;
    report.links.clear();
    report.links_beyond_limit = 0;
    report.notes.clear();
    const ForwardTable forward = read_forward(lines, report);
    if (forward.reverse_found) {
        check_reverse(lines, forward, report);
    }
    if (report.links_beyond_limit > 0) {
        report.notes.push_back(
            Message(TENSORA_TEXT("Report", "The report holds %1; a plan holds at most %2: the "
                                           "first %2 were read."))
                .nested(count_of_links(report.links.size() + report.links_beyond_limit))
                .count_arg(kMaxLinks));
    }
    read_mid_assist(heading, report);
}

} // namespace

std::vector<std::string> report_lines(const ReportContents& contents) {
    std::vector<std::string> lines;
    lines.emplace_back(kFirstLine);
    lines.emplace_back(kReportNotice);
    lines.emplace_back();
    lines.push_back(contents.path);
    lines.emplace_back();
    if (contents.units_shown == UnitSystem::Metric) {
        lines.push_back(std::string(kUnitsLabel) +
                        std::string(unit_system_name(UnitSystem::Metric)));
    }
    if (contents.pull_plan) {
        append_pull_plan(*contents.pull_plan, lines);
    }
    if (contents.fill) {
        append_fill(*contents.fill, lines);
    }
    if (contents.cable_set) {
        append_cable_set(*contents.cable_set, lines);
    }
    if (contents.check) {
        lines.emplace_back();
        lines.emplace_back(kCheckHeading);
        for (const auto& [label, text] : kCheckLabels) {
            lines.push_back(std::string(label) + (*contents.check).*text);
        }
        if (!contents.check->cable_kind.empty()) {
            lines.push_back(std::string(kCableKindLabel) + contents.check->cable_kind);
        }
    }
    if (contents.equipment) {
        lines.emplace_back();
        lines.emplace_back(kEquipmentHeading);
        for (const auto& [label, text] : kEquipmentLabels) {
            lines.push_back(std::string(label) + (*contents.equipment).*text);
        }
    }
    // A line break inside a text (a file name may hold one) would start a line of its own, which
    // the reader could take for a heading: each line stays one line.
    for (std::string& line : lines) {
        std::replace_if(
            line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    }
    return lines;
}

std::string report_text(const ReportContents& contents) {
    std::string text;
    for (const std::string& line : report_lines(contents)) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Reads the cable labels of a line. In the header (before the first part of the report) a
// label counts wherever it stands, the file's path included; from the first part on, a label
// line is one that begins with its label, and it gives that label alone, so that a value that
// happens to hold another label's words (a description, a friction typed with a note) stays
// the value it is.
void read_labels(const std::string& line, bool in_body, ReadReport& report) {
    struct Label {
        std::string_view field; // the label as written, 24 characters
        std::string_view words; // what finds it in the header; none for the back tension
        std::optional<std::string>* value;
    };
    const Label labels[] = {{kDescriptionLabel, "Cable Description", &report.description},
                            {kAllowableLabel, "Capable Load", &report.allowable},
                            {kWeightLabel, "Cable Weight", &report.weight},
                            {kFrictionLabel, "Coefficient of Friction", &report.friction},
                            {kBackTensionLabel, "", &report.back_tension},
                            {kBendWeightLabel, "", &report.bend_weight},
                            {kRouteSourceLabel, "", &report.route_source}};
    for (const auto& [label, text] : kEquipmentLabels) {
        if (line.starts_with(label)) {
            if (!report.equipment) {
                report.equipment.emplace();
            }
            (*report.equipment).*text = line.substr(label.size());
            return;
        }
    }
    for (const auto& [label, text] : kCheckLabels) {
        if (line.starts_with(label)) {
            if (!report.check) {
                report.check.emplace();
            }
            (*report.check).*text = line.substr(label.size());
            return;
        }
    }
    if (line.starts_with(kCableKindLabel) && report.check) {
        report.check->cable_kind = line.substr(kCableKindLabel.size());
        return;
    }
    if (line.starts_with(kUnitsLabel)) {
        const std::string_view name = std::string_view(line).substr(kUnitsLabel.size());
        for (const UnitSystem units : {UnitSystem::InchPound, UnitSystem::Metric}) {
            if (trimmed_blanks(name) == unit_system_name(units)) {
                report.units_shown = units;
            }
        }
        return;
    }
    for (const Label& label : labels) {
        if (line.starts_with(label.field)) {
            *label.value = line.substr(label.field.size());
            return;
        }
    }
    for (const Label& label : labels) {
        if (!in_body && !label.words.empty()) {
            read_label(line, label.words, *label.value);
        }
    }
}

ReadReport read_report(std::istream& in) {
    ReadReport report;
    BoundedLines lines(in);
    std::string line;
    bool ended = true;
    bool in_body = false;
    while (lines.next(line, ended)) {
        const bool marked = marks_a_report(line) && !line.starts_with(kFirstLine);
        report.is_report = report.is_report || marks_a_report(line);
        read_labels(line, in_body, report);
        in_body = in_body || marked;
        // Only a line that begins with the heading starts the plan part: the same words in a
        // description or a file name are text.
        if (line.starts_with(kPlanWords)) {
            read_plan(lines, line, report);
        } else if (line == kFillHeading) {
            read_fill(lines, report);
        } else if (line == kCableSetHeading) {
            read_cable_set(lines, report);
        }
    }
    read_report_figures(report);
    return report;
}

ReportFile read_report_file(const std::filesystem::path& path) {
    ReportFile file;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (path.empty()) {
        file.reason = TENSORA_TEXT("Files", "no file name was given");
    } else if (!std::filesystem::exists(status)) {
        file.reason = TENSORA_TEXT("Files", "there is no such file");
    } else if (std::filesystem::is_directory(status)) {
        file.reason = TENSORA_TEXT("Files", "it is a folder, not a file");
    } else if (!std::filesystem::is_regular_file(status)) {
        file.reason =
            TENSORA_TEXT("Files", "it is not a regular file (a device, a pipe or a socket)");
    }
    if (!file.reason.empty()) {
        return file;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        file.reason = errno ? data_message(std::strerror(errno))
                            : Message(TENSORA_TEXT("Files", "the file could not be opened"));
        return file;
    }
    file.report = read_report(in);
    if (in.bad()) {
        file.reason = TENSORA_TEXT("Files", "the file could not be read to its end");
        return file;
    }
    file.read = true;
    return file;
}

bool is_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0x80) {
            length = lead >= 0xC2 && lead <= 0xDF   ? 2
                     : lead >= 0xE0 && lead <= 0xEF ? 3
                     : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                    : 0;
            if (length == 0 || i + length > text.size()) {
                return false;
            }
            for (std::size_t k = 1; k < length; ++k) {
                if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                    return false;
                }
            }
        }
        i += length;
    }
    return true;
}

} // namespace tensora
