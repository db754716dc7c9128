// A pull's tension log (a dynamometer's or a puller logger's): the tension at the pulling eye
// against the length pulled, laid over the plan's predicted tension, and the coefficient of
// friction that makes the prediction match it.
#pragma once

#include "numbers/message.h"
#include "pullplan/pull_plan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

enum class LogForce { Lbf, Newton, Kilonewton, Kgf };
enum class LogLength { Feet, Metres };
std::optional<LogForce> log_force_by_key(std::string_view key);   // lbf, lb, lbs, n, kn, kgf
std::optional<LogLength> log_length_by_key(std::string_view key); // ft, m

// What the file does not say: the units of its columns, and the pulling speed that turns a
// time column into lengths (in the length unit per minute).
struct LogOptions {
    std::optional<LogForce> force;
    std::optional<LogLength> length;
    std::optional<double> speed;
};

// The log's points in the order recorded: length pulled (ft) and tension (lbs).
struct LogPoint {
    double length = 0;
    double tension = 0;
};

struct TensionLog {
    std::vector<LogPoint> points;
    Message error; // why the file cannot be read (naming its line), empty when it can
    LogForce force = LogForce::Lbf;
    LogLength length = LogLength::Feet;
};

// Reads a CSV or text log: comma, semicolon (with decimal commas) or tab separated; a header
// naming the columns and their units ("length_ft,tension_lbf", "Distance (m);Tension (kN)",
// "time_s,force_N") or none (length, then tension, in the units of `options`).
TensionLog read_tension_log(std::string_view text, const LogOptions& options);

// The plan's predicted tension at the pulling eye once it has come `length` feet along the
// route in the direction of the pull: the completed pull's tension there (from the pull's
// start, with its back tension), straights growing linearly and bends by their factor.
double predicted_tension(const std::vector<PullLinkValues>& links, const PullResults& results,
                         bool forward, double length, double back_tension);

// The log against the plan: the coefficient that fits it best (least squares over its points;
// the plan's links with a coefficient of their own keep it), the largest and the typical
// (root mean square) difference there, the highest measured and predicted tensions, and where
// the log passes the allowable tension and a bend's sidewall limit.
struct LogFit {
    double friction = 0;
    double largest_difference = 0; // lbs
    double typical_difference = 0; // lbs
    double measured_max = 0;       // lbs
    double predicted_max = 0;      // lbs, the plan as planned, in the log's direction
    std::vector<double> over_allowable; // log lengths, ft
    std::vector<double> over_sidewall;  // log lengths, ft
    // The plan's predicted tension at each log point, as planned and with the fitted friction.
    std::vector<double> planned;
    std::vector<double> fitted;
    double route_length = 0;    // ft
    bool shorter = false;       // the log ends before the route does
    bool longer = false;        // the log runs past the route's end
    Message verdict;            // "as pulled"
};
// The verdict's figures are in `units`.
LogFit fit_tension_log(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                       const TensionLog& log, bool forward, double sidewall_limit,
                       UnitSystem units = UnitSystem::InchPound);

} // namespace tensora
