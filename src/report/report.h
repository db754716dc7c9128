// The pull plan report: a plain-text document with fixed-width columns, holding the pull plan
// and, optionally, the fill ratio calculation. The writer turns the windows' texts into the
// report's lines; the reader takes the pull plan part back.
#pragma once

#include "numbers/message.h"
#include "pullplan/pull_plan.h"
#include "report/cable_set_part.h"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

// One link as the planner's columns show it.
struct ReportLink {
    std::string number;
    std::string type;
    std::string length;
    std::string angle;
    std::string forward;
    std::string forward_sidewall;
    std::string reverse;
    std::string reverse_sidewall;
    // A straight whose angle is its incline: written as one more field, "incline", at the end
    // of its rows, which older readers pass over. So are a horizontal bend's side ("right")
    // and a tilted bend's tilt ("tilt 30"); a tilted bend's type reads as a bend's to them.
    bool inclined = false;
    bool right = false;
    std::string tilt{};
    bool sheave = false; // a bend turned on a sheave: " sheave" at the end of its rows
    // The link's raceway (its inside diameter in inches), as fields after the sidewall figure
    // and before the marks above: " f=0.15", " raceway=tray-rollers", " id=4.026", " tray".
    // Older readers pass them over, as they read the marks from the row's end.
    LinkRaceway raceway{};
};

// The pull planner's texts, as the report holds them.
struct PullPlanReport {
    std::string description;
    std::string allowable;
    std::string weight;
    std::string friction;
    std::string caption; // the mid-assist caption, empty when there is no point
    std::vector<ReportLink> links;
    // Written as a label line of its own, whatever it is (reports saved before back tensions
    // were have none).
    std::string back_tension = "0";
    // The weight in bends ("plane" or "all"), as a label line when there is one: a level plan
    // of the plane's rule keeps the report it always had.
    std::string bend_weight{};
    // Where an imported route came from (file, layer, entity, units, default radius), as a
    // label line when the plan was imported.
    std::string route_source{};
};

// The fill ratio window's texts.
struct FillReport {
    std::string standard; // "Schedule 40", "SDR 11", "SDR 13.5", or empty when none is chosen
    std::string count;    // "2 cables"
    std::vector<std::string> diameters;
    std::string total_area;
    std::string pair_width_label; // "Maximum combined pair width (in)"
    std::string pair_width;
    struct Row {
        std::string trade_size;
        std::string pipe_id;
        std::string area;
        std::string percent;
    };
    std::vector<Row> rows;
    // Written as a line of its own only when it is not the design text "60".
    std::string preferred_max = "60";
};

// The pulling equipment window's inputs, as typed (forces in lbf, the report's units):
// the direction ("advice", "forward" or "reverse"), the puller's rating, the rope's breaking
// strength, the design factor, the sheaves' rating and percentage, the capstan's friction and
// the tail force a person holds. An empty text is a box left empty.
struct EquipmentReport {
    std::string direction = "advice";
    std::string puller;
    std::string rope_strength;
    std::string design_factor = "4";
    std::string sheave_rating;
    std::string sheave_percent = "0";
    std::string capstan_friction = "0.125";
    std::string tail_limit = "100";
    bool operator==(const EquipmentReport&) const = default;
};

// The pull check's conduit and limits, as the report holds them (inch-pound, plain form): the
// table's key and trade size where a size was chosen from a table, the inside diameter, the
// arrangement, the minimum clearance, the sidewall limit and the one bend radius (empty: each
// bend's radius from its arc).
struct CheckReport {
    std::string standard;
    std::string trade_size;
    std::string conduit_id;
    std::string arrangement = "automatic";
    std::string min_clearance = "0.5";
    std::string sidewall_limit = "500";
    std::string bend_radius;
    // The planner's cable's bending kind, its key ("shielded", a multiple); a line of its own
    // only when given, so that a report without one keeps its lines.
    std::string cable_kind{};
    bool operator==(const CheckReport&) const = default;
};

// Everything a report holds: the parts present are those marked in the save options.
struct ReportContents {
    std::string path; // the report file's full path, as chosen
    std::optional<PullPlanReport> pull_plan;
    std::optional<FillReport> fill;
    // A label line names metric units; an inch-pound report keeps the layout it always had.
    UnitSystem units_shown = UnitSystem::InchPound;
    // The pull check's cable set, after the fill part.
    std::optional<CableSetReport> cable_set{};
    // The pull check's conduit and limits, after the cable set.
    std::optional<CheckReport> check{};
    // The pulling equipment, a part of its own after the others.
    std::optional<EquipmentReport> equipment{};
};

// The ownership notice of the report's second line.
inline constexpr MessageSource kReportNoticeWords =
    TENSORA_TEXT("Report", "Tensora is a product of Norvale. All rights reserved.");
inline constexpr std::string_view kReportNotice = kReportNoticeWords.source;

// The report's lines, without their line ends.
std::vector<std::string> report_lines(const ReportContents& contents);

// The whole report: every line ended by CR LF.
std::string report_text(const ReportContents& contents);

// What a report gives back: the cable texts whose label lines were found (each value whole,
// from the label's column 25 on), and the links of the "Planned Pull Results" part when there
// is one (each row by its blank-separated fields: number, type, length, angle).
struct ReadReport {
    // Whether the file is a report at all: it starts with the report's first line, or holds a
    // line that begins with one of its labels or headings. Nothing else of a file that is not
    // a report is to be used.
    bool is_report = false;
    std::optional<std::string> description;
    std::optional<std::string> allowable;
    std::optional<std::string> weight;
    std::optional<std::string> friction;
    std::optional<std::string> back_tension;  // none in reports written before it was saved
    std::optional<std::string> bend_weight;   // "plane" or "all"; none: the plane's rule
    std::optional<std::string> route_source;  // where an imported route came from
    std::optional<EquipmentReport> equipment; // when the report has the equipment part
    std::optional<CheckReport> check;         // when the report has the check's part
    // The units the report was saved in (its figures are inch-pound): it opens in them.
    std::optional<UnitSystem> units_shown;
    bool has_plan = false;
    // The whole links of the plan part, numbered 1, 2, ... in order: at most kMaxLinks.
    std::vector<PullLinkTexts> links;
    // The link after which the report's mid-assist caption places the pull point, if any
    // (always one of the links read).
    std::optional<int> mid_assist_link;
    // Link rows past the most a plan holds, not read.
    std::size_t links_beyond_limit = 0;
    // What could not be read whole: rows missing or out of order, a file cut short, a
    // mid-assist point beyond the plan, links past the limit.
    std::vector<Message> notes;
    // Each figure that is not a number, named by its field ("Capable Load "4999,97" is not a
    // number"); the text is taken as it is.
    std::vector<Message> figure_notes;
    // Saved by an earlier version in a language with a decimal comma, which wrote the figures
    // as they were typed: read with the comma as the decimal point. Figures are always given
    // here in the file's one form (a decimal point, no grouping).
    bool decimal_commas = false;
    // The fill ratio part, when there is one: what the fill ratio window is set up from.
    struct Fill {
        std::string standard; // its name as the report writes it, empty when none was chosen
        std::vector<std::string> diameters;
        std::optional<std::string> preferred_max;
        // As a fill ratio window writes it that was never set up: nothing to take.
        bool empty() const { return standard.empty() && diameters.empty(); }
    };
    std::optional<Fill> fill;
    // The cable set part, when there is one; a report without it has the planner's cable.
    std::optional<CableSetReport> cable_set;
};

// Reads a report of any content without failing: lines end in CR LF or LF, and a line longer
// than kLongestReportLine is read up to that length.
ReadReport read_report(std::istream& in);
inline constexpr std::size_t kLongestReportLine = 64 * 1024;

// A report file read from disk: false with the reason when the file cannot be read (missing,
// not a regular file, no permission). A file that is read but is not a report says so in
// `report.is_report`.
struct ReportFile {
    bool read = false;
    Message reason;
    ReadReport report;
};
ReportFile read_report_file(const std::filesystem::path& path);

// Whether a text is valid UTF-8 (else the reader's texts are 8-bit text).
bool is_utf8(std::string_view text);

} // namespace tensora
