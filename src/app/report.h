// The pull plan report: a plain-text document with fixed-width columns, holding the pull plan
// and, optionally, the fill ratio calculation. The writer turns the windows' texts into the
// report's lines; the reader takes the pull plan part back.
#pragma once

#include "pullplan/pull_plan.h"

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
};

// The pull planner's texts, as the report holds them.
struct PullPlanReport {
    std::string description;
    std::string allowable;
    std::string weight;
    std::string friction;
    std::string caption; // the mid-assist caption, empty when there is no point
    std::vector<ReportLink> links;
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
};

// Everything a report holds: the parts present are those marked in the save options.
struct ReportContents {
    std::string path; // the report file's full path, as chosen
    std::optional<PullPlanReport> pull_plan;
    std::optional<FillReport> fill;
};

// The ownership notice of the report's second line.
inline constexpr std::string_view kReportNotice =
    "Tensora is a product of Norvale. All rights reserved.";

// The report's lines, without their line ends.
std::vector<std::string> report_lines(const ReportContents& contents);

// The whole report: every line ended by CR LF.
std::string report_text(const ReportContents& contents);

// What a report gives back: the cable texts whose label lines were found (each value whole,
// from the label's column 25 on), and the links of the "Planned Pull Results" part when there
// is one (each row by its blank-separated fields: number, type, length, angle).
struct ReadReport {
    std::optional<std::string> description;
    std::optional<std::string> allowable;
    std::optional<std::string> weight;
    std::optional<std::string> friction;
    bool has_plan = false;
    std::vector<PullLinkTexts> links; // at most kMaxLinks
    // The link after which the report's mid-assist caption places the pull point, if any.
    std::optional<int> mid_assist_link;
};

// Reads a report of any content without failing: lines end in CR LF or LF, and a line longer
// than kLongestReportLine is read up to that length.
ReadReport read_report(std::istream& in);
inline constexpr std::size_t kLongestReportLine = 64 * 1024;

// Writes a text to a file whole or not at all: into a new file beside it, which then replaces
// it. False, with the reason, when that fails; the previous file is then as it was.
bool save_whole_file(const std::filesystem::path& path, std::string_view text, std::string& reason);

// Whether a text is valid UTF-8 (else the reader's texts are 8-bit text).
bool is_utf8(std::string_view text);

} // namespace tensora
