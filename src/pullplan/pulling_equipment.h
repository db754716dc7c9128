// The pulling equipment checked against the planned pull: the puller's rating against the
// highest tension the chosen direction needs, the rope's breaking strength against the
// puller's rating times a design factor, the load on each sheave and its anchor, and the tail
// force a capstan needs.
#pragma once

#include "pullplan/pull_plan.h"

#include <optional>
#include <string>
#include <vector>

namespace tensora {

// The puller classes offered, lbf.
inline constexpr double kPullerClasses[] = {1000, 2000, 4000, 6500, 8000, 10000};
// The rope's breaking strength is at least this times the puller's rating.
inline constexpr double kLeastDesignFactor = 4;
inline constexpr double kDefaultCapstanFriction = 0.125;
inline constexpr double kDefaultTailLimit = 100; // lbf, what a person holds
inline constexpr int kFewestWraps = 3;
inline constexpr int kMostWraps = 6;

// The inputs as numbers, forces in lbf; a force of none is not given.
struct EquipmentInputs {
    std::optional<double> puller;
    std::optional<double> rope_strength;
    double design_factor = kLeastDesignFactor;
    std::optional<double> sheave_rating;
    double capstan_friction = kDefaultCapstanFriction;
    double tail_limit = kDefaultTailLimit;
};

enum class PullerVerdict { NotGiven, Ok, TooWeak, AboveAllowable };
enum class RopeVerdict { NotGiven, Serves, TooWeak };
enum class SheaveVerdict { NoRating, Ok, OverRating };

struct SheaveLoad {
    int link = 0;          // row
    double tension = 0;    // through it, lbf
    double legs_angle = 0; // between the rope's two legs, degrees: 180 less the bend's angle
    double load = 0;       // on the sheave and its anchor, lbf
    SheaveVerdict verdict = SheaveVerdict::NoRating;
};

struct CapstanWraps {
    int wraps = 0;
    double tail = 0; // lbf
    bool beyond_hold = false;
};

struct EquipmentCheck {
    bool forward = true;
    double highest = 0;    // the direction's highest tension, lbf
    int highest_link = -1; // where it occurs (row), -1 for an empty plan
    PullerVerdict puller = PullerVerdict::NotGiven;
    double puller_margin = 0; // per cent of the rating left over the pull
    double rope_minimum = 0;  // the smallest breaking strength that serves, lbf
    RopeVerdict rope = RopeVerdict::NotGiven;
    double working_load = 0;     // the rope's breaking strength over the design factor
    bool factor_lowered = false; // a design factor below 4: named, not refused
    std::vector<SheaveLoad> sheaves;
    std::vector<CapstanWraps> capstan;
    bool ok = true; // nothing fails (a warning is not a failure)
};

// The load on a sheave turning a rope by `bend_angle` degrees at `tension`: 2 T cos(a/2), with
// a the angle between the legs (180 less the bend's angle).
double sheave_load(double tension, double bend_angle);
// The tail force that holds `tension` on a capstan of `wraps` turns: T / e^(0.0175 mu 360 n).
double capstan_tail(double tension, double friction, int wraps);

// The check for the pull in one direction: `leaving` the tension each link leaves in it (as
// calculate_pull wrote it), `allowable` the cable's allowable tension (lbf, 0 for none).
EquipmentCheck check_equipment(const std::vector<PullLinkValues>& links,
                               const std::vector<double>& leaving, bool forward, double allowable,
                               const EquipmentInputs& inputs);

// The verdicts as the command line writes them.
std::string_view puller_verdict_key(PullerVerdict verdict);
std::string_view rope_verdict_key(RopeVerdict verdict);
std::string_view sheave_verdict_key(SheaveVerdict verdict);

} // namespace tensora
