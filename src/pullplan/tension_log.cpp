#include "pullplan/tension_log.h"

#include "numbers/number_rules.h"
#include "numbers/units.h"
#include "pullplan/pull_advice.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>

namespace tensora {
namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::vector<std::string> fields_of(std::string_view line, char separator) {
    std::vector<std::string> fields;
    if (separator == ' ') {
        std::string field;
        for (const char c : line) {
            if (c == ' ' || c == '\t') {
                if (!field.empty()) {
                    fields.push_back(field);
                    field.clear();
                }
            } else {
                field += c;
            }
        }
        if (!field.empty()) {
            fields.push_back(field);
        }
        return fields;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == separator) {
            fields.emplace_back(trimmed_blanks(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    return fields;
}

// The words of a column's name: "Distance (m)" and "length_ft" both give their unit as a word.
std::vector<std::string> name_words(std::string_view name) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : lower(name)) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

enum class ColumnKind { None, Length, Time, Tension };

struct Column {
    ColumnKind kind = ColumnKind::None;
    std::optional<LogForce> force{};
    std::optional<LogLength> length{};
    double minutes_per_unit = 1.0 / 60; // a time column: seconds unless it says otherwise
};

Column column_of(std::string_view name) {
    Column column;
    for (const std::string& word : name_words(name)) {
        if (word == "tension" || word == "force" || word == "load" || word == "pull" ||
            word == "pulling") {
            column.kind = ColumnKind::Tension;
        } else if (word == "length" || word == "distance" || word == "dist" || word == "pulled" ||
                   word == "position") {
            column.kind = ColumnKind::Length;
        } else if (word == "time" || word == "elapsed") {
            column.kind = ColumnKind::Time;
        } else if (const auto force = log_force_by_key(word)) {
            column.force = force;
        } else if (const auto length = log_length_by_key(word)) {
            column.length = length;
        } else if (word == "min" || word == "minutes") {
            column.minutes_per_unit = 1;
        } else if (word == "h" || word == "hours") {
            column.minutes_per_unit = 60;
        }
    }
    return column;
}

double pounds_of(double value, LogForce unit) {
    switch (unit) {
    case LogForce::Newton:
        return value / kNewtonsPerPoundForce;
    case LogForce::Kilonewton:
        return value * 1000 / kNewtonsPerPoundForce;
    case LogForce::Kgf:
        return value / kKilogramsPerPound;
    default:
        return value;
    }
}

double feet_of(double value, LogLength unit) {
    return unit == LogLength::Metres ? value / kMetresPerFoot : value;
}

} // namespace

std::optional<LogForce> log_force_by_key(std::string_view key) {
    const std::string word = lower(trimmed_blanks(key));
    if (word == "lbf" || word == "lb" || word == "lbs") {
        return LogForce::Lbf;
    }
    if (word == "n") {
        return LogForce::Newton;
    }
    if (word == "kn") {
        return LogForce::Kilonewton;
    }
    if (word == "kgf") {
        return LogForce::Kgf;
    }
    return std::nullopt;
}

std::optional<LogLength> log_length_by_key(std::string_view key) {
    const std::string word = lower(trimmed_blanks(key));
    if (word == "ft" || word == "feet") {
        return LogLength::Feet;
    }
    if (word == "m" || word == "metres" || word == "meters") {
        return LogLength::Metres;
    }
    return std::nullopt;
}

namespace {

// The lines that hold something, each with its number in the file (a byte-order mark skipped,
// CR LF or LF).
std::vector<std::pair<int, std::string>> numbered_lines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<std::pair<int, std::string>> lines;
    int number = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        ++number;
        if (!trimmed_blanks(line).empty()) {
            lines.emplace_back(number, std::string(line));
        }
        start = end + 1;
    }
    return lines;
}

// Where a log's figures stand: its length (or time) and tension columns, and the first line of
// figures (after a header).
struct Layout {
    Column length{ColumnKind::Length};
    Column tension{ColumnKind::Tension};
    std::size_t length_at = 0;
    std::size_t tension_at = 1;
    std::size_t from = 0;
};

// The layout a header names: its first tension column, and its first length column (a time
// column where it has none); none where it lacks either.
std::optional<Layout> header_layout(const std::vector<std::string>& heading) {
    Layout layout;
    layout.from = 1;
    std::optional<std::size_t> length_found;
    std::optional<std::size_t> tension_found;
    for (std::size_t i = 0; i < heading.size(); ++i) {
        const Column column = column_of(heading[i]);
        const bool length_taken = length_found && layout.length.kind == ColumnKind::Length;
        if (column.kind == ColumnKind::Tension && !tension_found) {
            tension_found = i;
            layout.tension = column;
        } else if ((column.kind == ColumnKind::Length || column.kind == ColumnKind::Time) &&
                   !length_taken) {
            length_found = i;
            layout.length = column;
        }
    }
    if (!tension_found || !length_found) {
        return std::nullopt;
    }
    layout.length_at = *length_found;
    layout.tension_at = *tension_found;
    return layout;
}

} // namespace

TensionLog read_tension_log(std::string_view text, const LogOptions& options) {
    TensionLog log;
    const std::vector<std::pair<int, std::string>> lines = numbered_lines(text);
    if (lines.empty()) {
        log.error = TENSORA_TEXT("Log", "The log holds no lines");
        return log;
    }
    const std::string& first = lines.front().second;
    const char separator = first.find('\t') != std::string::npos ? '\t'
                           : first.find(';') != std::string::npos ? ';'
                           : first.find(',') != std::string::npos ? ','
                                                                   : ' ';
    // A semicolon separates figures written with decimal commas.
    const NumberLocale locale = separator == ';' ? NumberLocale{",", ""} : NumberLocale{".", ""};
    const auto is_number = [&locale](const std::string& field) {
        return isNumberText(field, locale) && std::isfinite(read_input(field, locale));
    };
    Layout layout;
    const std::vector<std::string> heading = fields_of(first, separator);
    if (!heading.empty() && !is_number(heading.front())) {
        const std::optional<Layout> named = header_layout(heading);
        if (!named) {
            log.error = TENSORA_TEXT("Log", "The log's header does not name both a tension column "
                                            "and a length or time column");
            return log;
        }
        layout = *named;
    }
    const auto force = layout.tension.force ? layout.tension.force : options.force;
    const auto length = layout.length.length ? layout.length.length : options.length;
    if (!force) {
        log.error = TENSORA_TEXT("Log", "The log does not say the unit of its tensions: choose "
                                        "lbf, N, kN or kgf");
        return log;
    }
    const bool timed = layout.length.kind == ColumnKind::Time;
    if (timed && !options.speed) {
        log.error = TENSORA_TEXT("Log", "The log records time: give the pulling speed");
        return log;
    }
    if (!length) {
        log.error = TENSORA_TEXT("Log", "The log does not say the unit of its lengths: choose "
                                        "ft or m");
        return log;
    }
    log.force = *force;
    log.length = *length;
    for (std::size_t k = layout.from; k < lines.size(); ++k) {
        const auto& [line_number, line] = lines[k];
        const std::vector<std::string> fields = fields_of(line, separator);
        if (fields.size() <= std::max(layout.length_at, layout.tension_at) ||
            !is_number(fields[layout.length_at]) || !is_number(fields[layout.tension_at])) {
            //: %1 the line's number in the file, %2 the line as it stands.
            log.error = Message(TENSORA_TEXT("Log", "Line %1 of the log cannot be read: \"%2\""))
                            .count_arg(line_number)
                            .data(line.substr(0, 80));
            log.points.clear();
            return log;
        }
        double along = read_input(fields[layout.length_at], locale);
        if (timed) {
            along = along * layout.length.minutes_per_unit * *options.speed;
        }
        log.points.push_back({feet_of(along, *length),
                              pounds_of(read_input(fields[layout.tension_at], locale), *force)});
    }
    if (log.points.empty()) {
        log.error = TENSORA_TEXT("Log", "The log holds no tensions");
    }
    return log;
}

double predicted_tension(const std::vector<PullLinkValues>& links, const PullResults& results,
                         bool forward, double length, double back_tension) {
    const std::size_t n = links.size();
    double start = 0;
    double entering = back_tension;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = forward ? k : n - 1 - k;
        const double leaving =
            forward ? results.forward_tension[i] : results.reverse_tension[i];
        const double span = std::max(0.0, links[i].length);
        if (length < start + span || (k + 1 == n && length <= start + span)) {
            const double share = span > 0 ? std::clamp((length - start) / span, 0.0, 1.0) : 1.0;
            if (!links[i].straight && entering > 0 && leaving > 0) {
                return entering * std::pow(leaving / entering, share);
            }
            return entering + (leaving - entering) * share;
        }
        start += span;
        entering = leaving;
    }
    return length < 0 ? back_tension : entering;
}

namespace {

// The coefficient where `squares` is least: a coarse look over 0 to 2 brackets it (the
// predicted tension grows with the coefficient, so the sum has one least), a golden section
// closes on it.
double least_squares_friction(const std::function<double(double)>& squares) {
    constexpr double kStep = 0.02;
    double best = 0;
    double least = squares(0);
    for (double friction = kStep; friction <= 2 + 1e-9; friction += kStep) {
        const double value = squares(friction);
        if (value < least) {
            least = value;
            best = friction;
        }
    }
    double lo = std::max(0.0, best - kStep);
    double hi = std::min(2.0, best + kStep); // within the range looked over
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = hi - ratio * (hi - lo);
    double b = lo + ratio * (hi - lo);
    double fa = squares(a);
    double fb = squares(b);
    while (hi - lo > 1e-10) {
        if (fa <= fb) {
            hi = b;
            b = a;
            fb = fa;
            a = hi - ratio * (hi - lo);
            fa = squares(a);
        } else {
            lo = a;
            a = b;
            fa = fb;
            b = lo + ratio * (hi - lo);
            fb = squares(b);
        }
    }
    return (lo + hi) / 2;
}

// Where the log passes the allowable tension, or a bend's sidewall limit (the measured tension
// over the bend's radius while the eye is in it).
void find_log_limits(const std::vector<PullLinkValues>& links, const TensionLog& log,
                     bool forward, double allowable, double sidewall_limit, LogFit& fit) {
    const std::size_t n = links.size();
    for (const LogPoint& point : log.points) {
        if (allowable > 0 && point.tension > allowable) {
            fit.over_allowable.push_back(point.length);
        }
        double start = 0;
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t i = forward ? k : n - 1 - k;
            const double span = std::max(0.0, links[i].length);
            if (!links[i].straight && point.length >= start && point.length <= start + span &&
                sidewall_limit > 0) {
                const auto radius = bend_radius(links[i], std::nullopt);
                if (radius && *radius > 0 &&
                    bearing_pressure(point.tension, *radius) > sidewall_limit) {
                    fit.over_sidewall.push_back(point.length);
                    break;
                }
            }
            start += span;
        }
    }
}

// The verdict "as pulled": the first place past the allowable tension, else past the sidewall
// limit, else within both.
Message log_verdict(const LogFit& fit, UnitSystem units) {
    if (!fit.over_allowable.empty()) {
        //: %1 the length pulled where the log first passes the allowable tension.
        return Message(TENSORA_TEXT("Log", "As pulled: beyond the allowable tension from %1"))
            .figure(Figure::typed(fit.over_allowable.front(), Quantity::Length, units));
    }
    if (!fit.over_sidewall.empty()) {
        return Message(TENSORA_TEXT("Log", "As pulled: beyond the sidewall limit at %1"))
            .figure(Figure::typed(fit.over_sidewall.front(), Quantity::Length, units));
    }
    return TENSORA_TEXT("Log", "As pulled: within the allowable tension and the sidewall limit");
}

} // namespace

LogFit fit_tension_log(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                       const TensionLog& log, bool forward, double sidewall_limit,
                       UnitSystem units) {
    LogFit fit;
    PullSettings plain = settings;
    plain.mid_assist = false;
    for (const PullLinkValues& link : links) {
        fit.route_length += std::max(0.0, link.length);
    }
    PullResults results;
    const auto predict = [&](double friction, std::vector<double>& into) {
        plain.friction = friction;
        calculate_pull(links, "", plain, results);
        into.clear();
        for (const LogPoint& point : log.points) {
            into.push_back(predicted_tension(links, results, forward, point.length,
                                             plain.back_tension));
        }
    };
    std::vector<double> scratch;
    fit.friction = least_squares_friction([&](double friction) {
        predict(friction, scratch);
        double sum = 0;
        for (std::size_t i = 0; i < scratch.size(); ++i) {
            const double difference = scratch[i] - log.points[i].tension;
            sum += difference * difference;
        }
        return sum;
    });
    predict(fit.friction, fit.fitted);
    double sum = 0;
    for (std::size_t i = 0; i < log.points.size(); ++i) {
        const double difference = std::fabs(fit.fitted[i] - log.points[i].tension);
        fit.largest_difference = std::max(fit.largest_difference, difference);
        sum += difference * difference;
        fit.measured_max = std::max(fit.measured_max, log.points[i].tension);
    }
    fit.typical_difference =
        log.points.empty() ? 0 : std::sqrt(sum / static_cast<double>(log.points.size()));
    // The plan as planned, in the log's direction.
    predict(settings.friction, fit.planned);
    for (const double tension : forward ? results.forward_tension : results.reverse_tension) {
        fit.predicted_max = std::max(fit.predicted_max, tension);
    }
    find_log_limits(links, log, forward, settings.allowable, sidewall_limit, fit);
    if (!log.points.empty()) {
        const double last = log.points.back().length;
        const double tolerance = std::max(1.0, fit.route_length * 0.005);
        fit.shorter = last < fit.route_length - tolerance;
        fit.longer = last > fit.route_length + tolerance;
    }
    fit.verdict = log_verdict(fit, units);
    return fit;
}

} // namespace tensora
