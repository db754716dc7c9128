// The check of a pull of several cables in one conduit: whether the cables may jam in a bend,
// the clearance above them, how much their arrangement adds to the tension (the weight
// correction), the planner's pull again with that correction, and the pressure each bend puts
// on the cables' sides from its radius.
#pragma once

#include "pullplan/pull_plan.h"

#include <optional>
#include <string>
#include <vector>

namespace tensora {

enum class CableArrangement { Automatic, Triangular, Cradled, Diamond };

enum class JamRisk { Significant, Moderate, Small, VerySmall };

struct CheckInputs {
    double conduit_id = 0; // D, in
    double cable_od = 0;   // d, in
    int cables = 3;
    CableArrangement arrangement = CableArrangement::Automatic;
    double min_clearance = 0.5;        // in
    double sidewall_limit = 500;       // lb/ft
    std::optional<double> bend_radius; // ft, for every bend; else from each bend's arc
};

// One bend of the plan, with the corrected pull's tensions leaving it.
struct CheckedBend {
    int link = 0;
    std::optional<double> radius;           // ft; none for a bend of angle 0
    std::optional<double> forward_pressure; // lb/ft
    std::optional<double> reverse_pressure;
    bool over_limit = false;
};

struct CheckResult {
    // What has no meaning, in words ("the cables do not fit this conduit"); empty otherwise.
    std::string problem;
    double jam_ratio = 0;
    std::optional<JamRisk> jam_risk; // named for three cables only
    double weight_correction = 1;
    std::string arrangement;         // the arrangement the factor stands for: "triangular", ...
    std::optional<double> clearance; // in; none where no formula exists
    std::string clearance_note;      // why there is no clearance figure
    PullResults corrected;           // the planner's pull with the coefficient times w
    double forward_max = 0;          // lbs
    double reverse_max = 0;
    int forward_max_link = -1;
    int reverse_max_link = -1;
    std::vector<CheckedBend> bends;
    std::string verdict; // "Pull OK", or what exceeds where
};

// The jam risk of three cables for a jam ratio.
JamRisk jam_risk(double jam_ratio);
std::string_view jam_risk_text(JamRisk risk);

// The check of a plan: its links as the planner read them, its settings, and the cables.
CheckResult check_pull(const std::vector<PullLinkValues>& links,
                       const std::vector<std::string>& angles, const PullSettingsTexts& settings,
                       const CheckInputs& inputs, const NumberLocale& locale);

inline constexpr std::string_view kCablesDoNotFit = "the cables do not fit this conduit";

} // namespace tensora
