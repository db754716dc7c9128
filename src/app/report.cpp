#include "app/report.h"

#include "calculators/number_rules.h"

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
constexpr std::string_view kPlanHeading = "Planned Pull Results - ";
constexpr std::string_view kReverseHeading = "Reverse Direction Pull Results - ";
constexpr std::string_view kLinkHeading1 = "Link Type     Length      Angle      Tension (lbs)";
constexpr std::string_view kLinkHeading2 =
    "              (ft)        (deg)      Cumulative     Sidewall";
constexpr std::string_view kConduitHeading1 = "Trade Size    Pipe ID     Area       Fill Ratio";
constexpr std::string_view kConduitHeading2 = "              (inches)    (sq in)    (percent)";
constexpr std::string_view kMidAssistCaption = "Mid-assist pull point between links ";

// A label is found anywhere in a line by its words; its value starts where its 24-character
// field ends.
constexpr std::size_t kLabelWidth = 24;

// The text followed by blanks up to w characters; a longer text whole.
std::string padded(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) {
        out.append(width - out.size(), ' ');
    }
    return out;
}

std::string link_row(const ReportLink& link, bool forward) {
    return link.number + ' ' + padded(link.type, 12) + padded(link.length, 12) +
           padded(link.angle, 11) + padded(forward ? link.forward : link.reverse, 15) +
           (forward ? link.forward_sidewall : link.reverse_sidewall);
}

void append_pull_plan(const PullPlanReport& plan, std::vector<std::string>& lines) {
    lines.push_back(std::string(kDescriptionLabel) + plan.description);
    lines.push_back(std::string(kAllowableLabel) + plan.allowable);
    lines.push_back(std::string(kWeightLabel) + plan.weight);
    lines.push_back(std::string(kFrictionLabel) + plan.friction);
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
    lines.emplace_back("Fill Ratio Calculations");
    lines.emplace_back();
    lines.push_back(fill.standard);
    std::string cables = fill.count + " - (OD inches) - ";
    for (const std::string& diameter : fill.diameters) {
        cables += ' ' + diameter;
    }
    lines.push_back(cables);
    lines.push_back("Sum of Cable cross sectional areas (sq in) = " + fill.total_area);
    lines.push_back(fill.pair_width_label + ' ' + fill.pair_width);
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
class BoundedLines {
public:
    explicit BoundedLines(std::istream& in) : in_(in) {}

    bool next(std::string& line) {
        line.clear();
        std::streambuf* buffer = in_.rdbuf();
        if (!buffer) {
            return false;
        }
        bool any = false;
        for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
            any = true;
            if (c == '\n') {
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

private:
    std::istream& in_;
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

// A link row's number: a whole number from 1 up, else nothing.
std::optional<std::size_t> link_number(std::string_view text) {
    const NumberLocale plain{".", ""};
    if (!isNumberText(text, plain)) {
        return std::nullopt;
    }
    const double value = std::floor(leadingValue(text));
    if (!(value >= 1 && value <= kMaxLinks)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(value);
}

// The link a mid-assist caption names ("... between links 2 and 3" names link 2).
std::optional<int> mid_assist_link(std::string_view heading) {
    const auto at = heading.find(kMidAssistCaption);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const auto words = fields(heading.substr(at + kMidAssistCaption.size()));
    if (words.empty()) {
        return std::nullopt;
    }
    if (const auto number = link_number(words.front())) {
        return static_cast<int>(*number);
    }
    return std::nullopt;
}

void set_link(std::vector<PullLinkTexts>& links, std::size_t number, const std::string& line,
              const std::vector<std::string>& row) {
    PullLinkTexts link;
    link.number = row[0];
    link.type = line.find(kStraightType) != std::string::npos ? std::string(kStraightType)
                                                              : std::string(kBendType);
    link.length = row.size() > 2 ? row[2] : std::string();
    link.angle = row.size() > 3 ? row[3] : std::string();
    // Row n of the plan, or a new last row when the plan is shorter.
    if (number - 1 < links.size()) {
        links[number - 1] = std::move(link);
    } else if (links.size() < static_cast<std::size_t>(kMaxLinks)) {
        links.push_back(std::move(link));
    }
}

} // namespace

std::vector<std::string> report_lines(const ReportContents& contents) {
    std::vector<std::string> lines;
    lines.emplace_back("Tensora(tm)");
    lines.emplace_back(kReportNotice);
    lines.emplace_back();
    lines.push_back(contents.path);
    lines.emplace_back();
    if (contents.pull_plan) {
        append_pull_plan(*contents.pull_plan, lines);
    }
    if (contents.fill) {
        append_fill(*contents.fill, lines);
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

ReadReport read_report(std::istream& in) {
    ReadReport report;
    BoundedLines lines(in);
    std::string line;
    while (lines.next(line)) {
        read_label(line, "Cable Description", report.description);
        read_label(line, "Capable Load", report.allowable);
        read_label(line, "Cable Weight", report.weight);
        read_label(line, "Coefficient of Friction", report.friction);
        if (line.find("Planned Pull Results") == std::string::npos) {
            continue;
        }
        // A plan part replaces the plan: its rows run to the line that starts "Reverse" (or to
        // the end of the file).
        report.has_plan = true;
        report.links.clear();
        report.mid_assist_link = mid_assist_link(line);
        while (lines.next(line) && !line.starts_with("Reverse")) {
            const std::vector<std::string> row = fields(line);
            if (const auto number = row.empty() ? std::nullopt : link_number(row[0])) {
                set_link(report.links, *number, line, row);
            }
        }
    }
    return report;
}

bool save_whole_file(const std::filesystem::path& path, std::string_view text,
                     std::string& reason) {
    std::filesystem::path temporary = path;
    temporary += ".saving";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (file) {
            file.write(text.data(), static_cast<std::streamsize>(text.size()));
            file.flush();
        }
        if (!file) {
            reason = errno ? std::strerror(errno) : "the file could not be written";
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        reason = error.message();
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
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
