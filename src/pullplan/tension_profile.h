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
    Turn turn = Turn::Horizontal;
};

// The route's height along it, for a plan with elevation: ft above its start.
struct ElevationPoint {
    double distance = 0;
    double height = 0;
};

// The worst sidewall pressure of one direction: the largest in magnitude.
struct WorstSidewall {
    double pressure = 0; // lbs/ft
    std::string text;    // the planner's text for it
    int link = 0;
};

// The highest tension of one direction.
struct HighestTension {
    double tension = 0; // lbs
    std::string text;   // the planner's text for it
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
    std::optional<HighestTension> highest_forward;
    std::optional<HighestTension> highest_reverse;
    bool values_left_out = false; // tensions out of range are not among the points
    std::size_t links = 0;        // the plan's links: a plan exists when there is one
    // For a plan with elevation: the route's height along it, and the links where each pull
    // is held at zero (the cable runs under its own weight there), in order.
    std::vector<ElevationPoint> elevation;
    std::vector<int> forward_held;
    std::vector<int> reverse_held;
    std::vector<double> link_starts; // ft along the route where each link starts, and the end
    // The links whose tension each way is out of range, left out of the points, in order.
    std::vector<int> forward_left_out;
    std::vector<int> reverse_left_out;
    // The units of every figure above (feet, pounds and pounds per foot until converted).
    UnitSystem units = UnitSystem::InchPound;
};

// What a profile is made of: the plan's links as the planner read them and as it shows them,
// its settings and its results.
struct ProfileSource {
    const std::vector<PullLinkValues>& links;
    const std::vector<std::string>& angles; // as typed, for the bends' labels
    const PullSettings& settings;
    const PullResults& results;
};

ProfileData tension_profile(const ProfileSource& source);

// The profile's figures in metric units (metres, newtons, newtons per metre), the texts of the
// highest tension and worst sidewall pressure as the planner's metric columns write them; an
// inch-pound profile stays as it is.
void convert_profile(ProfileData& profile, UnitSystem units, std::string_view decimal);

// Whether a tension can be drawn: a number the planner's columns show (not "Out of range").
bool drawable_tension(double tension);

// A step between an axis's ticks for a span: 1, 2 or 5 times a power of ten, about six to it.
double axis_step(double span);

// The decimals a tick label needs so that no two labels of an axis with this step read the
// same (0 from a step of 1 up, 1 for 0.5 and 0.2, 2 for 0.05, ...).
int axis_decimals(double step);

// How the chart of a profile is scaled. Ticks stand at whole multiples of the step from 0;
// each axis reaches a little beyond the data, so that no marker is cut at an edge. The tension
// axis fits the curves and takes in zero, negative tensions and the allowable tension, unless
// the allowable tension is far above the curves: then it is named at the top edge instead.
struct ProfileScale {
    double distance_from = 0;
    double distance_to = 1;
    double distance_step = 1;
    int distance_decimals = 0;
    double tension_from = 0;
    double tension_to = 10;
    double tension_step = 1;
    int tension_decimals = 0;
    bool allowable_shown = false; // the allowable line lies on the chart
    bool allowable_above = false; // named at the top edge: far above the curves
};
ProfileScale profile_scale(const ProfileData& profile);
// The tension axis taking in a tension above it too (a pull's log, say): its step and ticks
// chosen again for the wider span.
// The allowable tension, where the wider axis reaches it, is drawn on the chart then.
void widen_tension_scale(ProfileScale& scale, double highest, double allowable);

// A pull's legend entry: its highest tension and worst sidewall pressure (the planner's column,
// the tension leaving a bend divided by its length), each with its link: "Forward pull:
// highest 28 lbs at link 3; worst sidewall (tension / bend length) 9 lbs/ft at link 2".
Message pull_legend(const ProfileData& profile, bool forward);

// The allowable tension's label: "allowable 1000 lbs", and where it is above the chart,
// "allowable 1000 lbs, above the chart".
Message allowable_text(const ProfileData& profile, const ProfileScale& scale);

// What the chart leaves out, empty when nothing: "Not drawn (out of range): forward tension
// after links 5 to 9; reverse tension after link 1."
Message left_out_text(const ProfileData& profile);

// Where the pulls are held at zero, empty when nowhere: "Held at zero (the cable runs under its
// own weight: hold it back): forward pull in links 5 to 7; reverse pull in link 2."
Message held_text(const ProfileData& profile);

// A bend's label over its band: "90°", "90° up", "45° down".
Message bend_label(const ProfileBend& bend);

// The points to draw on a line `pixels` wide spanning `from` to `to`: where points fall within
// one pixel, only the first, the lowest, the highest and the last of them stay, in order.
std::vector<ProfilePoint> decimated(const std::vector<ProfilePoint>& points, double from, double to,
                                    int pixels);

} // namespace tensora
