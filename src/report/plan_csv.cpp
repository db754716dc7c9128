#include "report/plan_csv.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tensora {
namespace {

// The shortest text that reads back as the same double.
std::string exact_number(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// A link's sidewall pressure unrounded: 0 for a straight section, as the columns show; none
// for a bend without length.
std::string sidewall_number(const PullLinkValues& link, double tension) {
    if (link.straight) {
        return "0";
    }
    return link.length == 0 ? std::string() : exact_number(sidewall_per_foot(tension, link.length));
}

void append_row(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += csv_field(fields[i]);
    }
    out += "\r\n";
}

} // namespace

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::string plan_csv(const std::vector<ReportLink>& texts, const std::vector<PullLinkValues>& links,
                     const PullResults& results) {
    std::string out;
    // The raceways' columns only where a link has one: a plan without keeps the table it had.
    const bool raceways = std::any_of(texts.begin(), texts.end(),
                                      [](const ReportLink& link) { return !link.raceway.empty(); });
    std::vector<std::string> heading{
        "Link",        "Type", "Length (ft)", "Angle (deg)", "Forward tension (lbs)",
        "Forward tension shown", "Forward sidewall (lbs/ft)", "Forward sidewall shown",
        "Reverse tension (lbs)", "Reverse tension shown", "Reverse sidewall (lbs/ft)",
        "Reverse sidewall shown"};
    if (raceways) {
        heading.insert(heading.end(), {"Coefficient of friction", "Friction entry",
                                       "Raceway inside diameter (in)", "Raceway", "Pull point"});
    }
    append_row(out, heading);
    for (std::size_t i = 0; i < texts.size() && i < links.size(); ++i) {
        const ReportLink& link = texts[i];
        const double forward =
            i < results.forward_tension.size() ? results.forward_tension[i] : NAN;
        const double reverse =
            i < results.reverse_tension.size() ? results.reverse_tension[i] : NAN;
        // A straight's inherited inclination, as the planner shows it.
        const std::string angle = inherited_incline_text(links, results, i).value_or(link.angle);
        std::vector<std::string> row{link.number,
                                     link.type,
                                     link.length,
                                     angle,
                                     exact_number(forward),
                                     link.forward,
                                     sidewall_number(links[i], forward),
                                     link.forward_sidewall,
                                     exact_number(reverse),
                                     link.reverse,
                                     sidewall_number(links[i], reverse),
                                     link.reverse_sidewall};
        if (raceways) {
            const LinkRaceway& raceway = link.raceway;
            row.insert(row.end(), {raceway.friction, raceway.name, raceway.id,
                                   raceway.tray              ? "tray"
                                   : !raceway.id.empty() ? "conduit"
                                                         : "",
                                   raceway.pull_point ? "yes" : ""});
        }
        append_row(out, row);
    }
    return out;
}

} // namespace tensora
