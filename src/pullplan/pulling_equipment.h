// The pulling equipment checked against the planned pull: the puller's rating against the
// highest tension the chosen direction needs, the rope's breaking strength against the
// puller's rating times a design factor, the load on each sheave and its anchor, and the tail
// force a capstan needs.
#pragma once

#include "numbers/message.h"
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
// The equipment serves the pull, fails it somewhere, or cannot be said to serve it: a puller,
// a rope or (where sheaves are marked) a sheave rating is not given.
enum class EquipmentVerdict { Serves, Fails, Incomplete };
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
    double allowable = 0;  // the cable's allowable tension, lbf (0: none)
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
    EquipmentVerdict verdict = EquipmentVerdict::Incomplete;
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

// The pull the equipment is checked against, as its findings name it.
struct EquipmentPull {
    // The cable set as the pull check computes it (its weight and correction), not the
    // planner's one cable.
    bool cable_set = false;
    // The plan's own mid-assist point (a row), which the pull's tensions already take.
    std::optional<std::size_t> plan_point;
    // The advised mid-assist point where the plan has none: its row, direction and highest
    // tension.
    std::optional<std::size_t> advised_point;
    bool advised_forward = true;
    double advised_max = 0;
};

// The findings as the window shows them and the PDF prints them, one message each; the
// sheaves a line each.
struct EquipmentFindings {
    Message highest;
    Message puller;
    Message rope;
    std::vector<Message> sheaves;
    Message capstan;
    Message verdict;
};
EquipmentFindings equipment_findings(const EquipmentCheck& check, const EquipmentInputs& inputs,
                                     const EquipmentPull& pull, UnitSystem units);

// The findings as the report prints them: a caption and a finding a line ("Pull", "Puller",
// "Rope", "Sheaves", "Capstan", "Verdict"); the pull alone while there is no plan.
std::vector<std::pair<Message, Message>> equipment_lines(const EquipmentFindings& findings);

// The verdicts as the command line writes them.
std::string_view puller_verdict_key(PullerVerdict verdict);
std::string_view rope_verdict_key(RopeVerdict verdict);
std::string_view sheave_verdict_key(SheaveVerdict verdict);
std::string_view equipment_verdict_key(EquipmentVerdict verdict); // "ok", "fails", "incomplete"

// The unit every force of the check is written in: one for all of them, chosen by the largest.
ColumnUnit equipment_force_unit(const EquipmentCheck& check, const EquipmentInputs& inputs,
                                UnitSystem units);

} // namespace tensora
