// The tension profile of a planned pull: the tension along the route for a pull from either
// end, the bends along it, the worst sidewall pressure each way and the mid-assist point, from
// the planner's own unrounded tensions. Drawn by the profile window and the printed report.
#pragma once

#include "pullplan/pull_plan.h"

#include <optional>
#include <string>
#include <vector>

namespace tensora {

// A point of a tension line: the distance along the route (ft) and the tension there (lbs),
// at the end of `link` as the pull meets it (-1 for the start of the pull).
struct ProfilePoint {
    double distance = 0;
    double tension = 0;
    int link = -1;
};

struct ProfileBend {
    double start = 0; // ft along the route
    double end = 0;
    std::string angle; // as typed
    int link = 0;
};

// The worst sidewall pressure of one direction.
struct WorstSidewall {
    double pressure = 0; // lbs/ft
    std::string text;    // the planner's text for it
    int link = 0;
};

struct ProfileData {
    std::vector<ProfilePoint> forward; // from the feed end on
    std::vector<ProfilePoint> reverse; // from the pulling end back
    std::vector<ProfileBend> bends;
    double length = 0;                   // of the whole route, ft
    double allowable = 0;                // lbs (0 when not a positive number)
    std::optional<double> mid_assist_at; // ft along the route
    std::optional<WorstSidewall> worst_forward;
    std::optional<WorstSidewall> worst_reverse;
    bool values_left_out = false; // tensions out of range are not among the points
};

// What a profile is made of: the plan's links as the planner read them and as it shows them,
// its settings and its results.
struct ProfileSource {
    const std::vector<PullLinkValues>& links;
    const std::vector<std::string>& angles;
    const PullSettingsTexts& settings;
    const PullResults& results;
    const NumberLocale& locale;
};

ProfileData tension_profile(const ProfileSource& source);

// Whether a tension can be drawn: a number the planner's columns show (not "Out of range").
bool drawable_tension(double tension);

// A step between an axis's ticks for a span: 1, 2 or 5 times a power of ten, about six to it.
double axis_step(double span);

// The points to draw on a line `pixels` wide spanning `from` to `to`: where points fall within
// one pixel, only the first, the lowest, the highest and the last of them stay, in order.
std::vector<ProfilePoint> decimated(const std::vector<ProfilePoint>& points, double from, double to,
                                    int pixels);

} // namespace tensora
