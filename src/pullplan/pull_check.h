// The check of a pull of several cables in one conduit: whether the cables may jam in a bend,
// the clearance above them, how much their arrangement adds to the tension (the weight
// correction), the planner's pull again with that correction, and the pressure each bend puts
// on the cables' sides from its radius.
#pragma once

#include "numbers/message.h"
#include "pullplan/cable_set.h"
#include "pullplan/pull_advice.h"
#include "pullplan/pull_plan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

inline constexpr int kMostCables = 6;

enum class CableArrangement { Automatic, Triangular, Cradled, Diamond };

// "automatic", "triangular", "cradled", "diamond": the command line's and the report's words.
std::string_view arrangement_keyword(CableArrangement arrangement);
// The same for people.
Message arrangement_words(CableArrangement arrangement);

enum class JamRisk { Significant, Moderate, Small, VerySmall };

struct CheckInputs {
    double conduit_id = 0; // D, in
    // The cables: a set of groups; without one, `cables` cables of `cable_od`, each of the
    // planner's weight.
    double cable_od = 0; // d, in
    int cables = 3;
    // The set starts with `cables` of `cable_od`, of the planner's weight and allowable tension.
    bool planner_group = true;
    std::vector<CableGroup> set;
    // The rule of the set's allowable tension, and the eye's and grip's ratings.
    TensionRule rule = TensionRule::Planner;
    RuleLimits limits;
    CableArrangement arrangement = CableArrangement::Automatic;
    // The planner's cable's kind, for its least bending radius.
    BendingKind cable_kind{};
    double min_clearance = 0.5;        // in
    double sidewall_limit = 500;       // lbs/ft
    std::optional<double> bend_radius; // ft, for every bend; else from each bend's arc
    // The conduit's area for the electrical code's fill, sq in: a code table's listed 100 %
    // area; else the circle of the inside diameter.
    std::optional<double> conduit_area;
    // The units the inputs were typed in, and the results are written in (the figures above
    // are inch-pound always), and the number form they are written in: the user's locale in
    // the window and the PDF, plain English on the command line.
    UnitSystem units = UnitSystem::InchPound;
    NumberLocale locale{".", ","};
};

// A bend's radius against the set's least bending radius, each case.
struct BendRadiusCheck {
    int link = 0;
    std::optional<double> radius; // ft; none for a bend of angle 0
    bool pulling_under = false;   // below the least radius under pulling tension
    bool trained_under = false;   // below the least radius once trained in place
};

// The links between two pull points (the route's ends, the mid-assist point, a link marked as
// one) and the sum of their bends' angles, which may not pass 360 degrees.
struct BendStretch {
    int from = 0; // rows
    int to = 0;
    double degrees = 0;
    bool over = false;
};
inline constexpr double kMostDegreesBetweenPullPoints = 360;

// The stretches of a plan between its pull points; `mid_assist` the row after which a point
// stands, if any. A marked link is a pull point itself: its own turn counts in neither stretch.
std::vector<BendStretch> bend_stretches(const std::vector<PullLinkValues>& links,
                                        std::optional<std::size_t> mid_assist);

// One bend of the plan, with the corrected pull's tensions leaving it.
struct CheckedBend {
    int link = 0;
    std::optional<double> radius;           // ft; none for a bend of angle 0
    std::optional<double> forward_pressure; // lbs/ft
    std::optional<double> reverse_pressure;
    bool forward_over = false; // beyond the limit in that pull
    bool reverse_over = false;
    bool over_limit = false; // either way
};

struct CheckResult {
    // What has no meaning ("the cables do not fit this conduit"); empty otherwise.
    Message problem;
    double jam_ratio = 0;            // on the largest outside diameter
    std::optional<JamRisk> jam_risk; // named when three cables share the largest diameter
    Message jam_note;                // why no risk is named where sizes are mixed
    // The set checked: its cables, weight (lbs/kft), largest outside diameter (in), and the
    // allowable tension by its rule (lbs; none where the set lacks a figure the rule needs,
    // which `allowable_missing` names).
    CableSet set;
    int set_cables = 0;
    double set_weight = 0;
    double largest_od = 0;
    TensionRule rule = TensionRule::Planner;
    std::optional<double> set_allowable;
    Message allowable_missing;
    // The planner's pull as the check computes it: the set's weight, the corrected friction
    // and the set's allowable tension.
    PullSettings corrected_settings;
    double weight_correction = 1;
    Message arrangement; // the arrangement the factor stands for: "triangular", ...
    CableArrangement arrangement_used = CableArrangement::Automatic; // the same, as chosen
    int cables_checked = 1;
    std::optional<double> clearance; // in; none where no formula exists
    Message clearance_note;          // why there is no clearance figure
    PullResults corrected;           // the planner's pull with the coefficient times w
    // Where links carry coefficients or raceways of their own: the links as the corrected pull
    // takes them (each coefficient times its raceway's w), and each link's bearing factor.
    // Empty otherwise: the plan's links, and the one factor of the check's conduit.
    std::vector<PullLinkValues> corrected_links;
    std::vector<double> bearing_factors;
    // For the corrected pull, against the sidewall limit: found by check_advice, a step of its
    // own (the window takes it once typing pauses).
    PullAdvice advice;
    bool plan_has_point = false; // the plan's mid-assist point, which the advice leaves out
    double forward_max = 0;      // lbs
    double reverse_max = 0;
    int forward_max_link = -1;
    int reverse_max_link = -1;
    std::vector<CheckedBend> bends;
    double allowable = 0; // lbs: the set's by its rule
    // What the verdict names: each pull beyond the allowable tension somewhere, a clearance
    // below the minimum, a significant or moderate jam risk.
    bool forward_over = false;
    bool reverse_over = false;
    bool clearance_short = false;
    bool may_jam = false;
    // The first link, in each pull's own direction, where the corrected pull is held at zero:
    // the cable would run under its own weight there and must be held back.
    std::optional<int> forward_held_link;
    std::optional<int> reverse_held_link;
    // The cables' true area over the conduit's, percent, against the code's limit for their
    // number; none without both diameters.
    std::optional<double> code_fill;
    int code_limit = 0;
    bool code_over = false;
    // The set's least bending radius (inches; the largest of its cables of a known kind), each
    // bend against it, and what was not checked ("the kind of 3 cables is not known").
    std::optional<MinimumRadius> minimum_radius;
    std::vector<BendRadiusCheck> bend_radii;
    Message radius_note;
    std::vector<BendStretch> stretches;
    std::vector<Message> findings; // what exceeds where, each on its own; none when the pull is OK
    Message verdict;               // "Pull OK", or the findings one after the other
    bool ok = false;               // the verdict is "Pull OK"
    bool no_plan = false;          // the plan has no links: no verdict
};

// The check's inputs as the window's boxes and the command line's options hold them.
struct CheckInputTexts {
    std::string conduit_id;
    std::string cable_od;
    int cables = 3;
    CableArrangement arrangement = CableArrangement::Automatic;
    std::string min_clearance = "0.5";
    std::string sidewall_limit = "500";
    std::string bend_radius; // empty: each bend's radius from its arc
    // A code table's listed area of the chosen trade size, as the table writes it ("0.304");
    // empty when the conduit is no size of a code table.
    std::string conduit_area;
    std::string cable_kind{}; // the planner's cable's bending kind, its key
    // The set: the planner's cable (`cables` of `cable_od`, the planner's weight) where
    // `planner_group`, then the groups typed; the rule and the eye's and grip's ratings (empty:
    // their design ratings).
    bool planner_group = true;
    std::vector<CableGroupTexts> groups;
    TensionRule rule = TensionRule::Planner;
    std::string eye_limit;
    std::string grip_limit;
};

// The design texts of the minimum clearance and the sidewall pressure limit: 0.5 in and
// 500 lbs/ft, or the round metric 13 mm and 7300 N/m.
std::string_view design_min_clearance_text(UnitSystem units);
std::string_view design_sidewall_limit_text(UnitSystem units);
// That limit in lbs/ft, whichever units wrote it.
double design_sidewall_limit(UnitSystem units);

// The usual sidewall pressure limits by the type of cable: their texts in lbs/ft and in the
// round N/m the metric boxes show.
struct SidewallPreset {
    MessageSource cable; // "Interlocked armour"
    std::string_view inch_pound;
    std::string_view metric;
};
inline constexpr SidewallPreset kSidewallPresets[] = {
    {TENSORA_TEXT("Check", "Interlocked armour"), "300", "4400"},
    {TENSORA_TEXT("Check", "Control and 600 V cable"), "500", "7300"},
    {TENSORA_TEXT("Check", "Power cable 600 V to 35 kV"), "1000", "14600"}};
// The preset's text for a box in the units and number form given, and its name with it
// ("Interlocked armour: 300 lbs/ft").
std::string sidewall_preset_text(const SidewallPreset& preset, UnitSystem units,
                                 const NumberLocale& locale);
Message sidewall_preset_name(const SidewallPreset& preset, UnitSystem units);
// The preset a box's text stands for, if any.
std::optional<std::size_t> sidewall_preset_of(std::string_view text, UnitSystem units,
                                              const NumberLocale& locale);

// A box whose text the program warns about, and the warning.
struct CheckWarning {
    std::string_view box; // "conduit-id", "cable-od", "min-clearance", "swbp-limit", "bend-radius",
                          // "eye-limit", "grip-limit"
    Message message;
};

// The inputs read by the program's number rules (a text that is not a number reads as its
// leading number; a bend radius that is not a positive number is left out), with the
// warning of every box that needs one.
// Texts typed in metric units (mm, N/m, m) are read as inches, pounds per foot and feet.
CheckInputs read_check_inputs(const CheckInputTexts& texts, const NumberLocale& locale,
                              std::vector<CheckWarning>* warnings = nullptr,
                              UnitSystem units = UnitSystem::InchPound);

// The jam risk of three cables for a jam ratio, and its words.
JamRisk jam_risk(double jam_ratio);
Message jam_risk_words(JamRisk risk);

// The check of a plan: its links and settings as the planner read them, and the cables;
// without its advice.
CheckResult check_pull(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                       const CheckInputs& inputs);
// The advice on the corrected pull of a check (nothing where the check has no corrected pull),
// each bend's bearing pressure held against the limit as the check holds it.
PullAdvice check_advice(const std::vector<PullLinkValues>& links, const CheckInputs& inputs,
                        const CheckResult& result);

// The set the check takes: the inputs' groups, or `cables` cables of `cable_od` of the
// planner's weight.
CableSet checked_set(const CheckInputs& inputs, const PullSettings& settings);

// The check's results as the window and the command line write them: ratios and inches with
// four decimals, tensions and pressures as the planner's columns; each a message (a figure
// alone is the core's figure in the number form given), so that the window speaks it in its
// language and the command line in English.
struct CheckTexts {
    Message jam_ratio;         // "3.3540"
    Message jam_risk;          // "very small"; empty when no risk is named
    Message weight_correction; // "1.2769", or what has no meaning
    Message configuration;     // "cradled"
    Message clearance;         // "3.4214", or why there is none
    Message forward_max;       // lbs
    Message reverse_max;
    Message code_fill; // "38.20%"; empty without both diameters
    Message verdict;
    // The set: its cables, weight in the weight's units, largest outside diameter, rule (its
    // key) and allowable tension (or what the rule lacks).
    std::string set_cables;
    std::string set_weight;
    std::string largest_od;
    std::string tension_rule;
    Message set_allowable;
    // The window's result lines.
    Message jam_line;
    Message weight_line;
    Message clearance_line;
    Message forward_line;
    Message reverse_line;
    Message code_line;      // "38.20%, within the code's 40% for more than two cables"
    Message set_line;       // "4 cables weighing 6.9 lbs/ft..., largest OD 1.46 in"
    Message allowable_line; // "5546 lbs: Pulling eye, single conductors conservatively"
    Message advice_line;    // the planner's advice line, for the corrected pull
    // The least bending radius and the bends below it, or why it was not checked; the
    // stretches between pull points, each with its degrees.
    Message radius_line;
    Message stretches_line;
};

struct CheckedBendTexts {
    std::string link; // the link number
    Message radius;
    Message forward_pressure;
    Message reverse_pressure;
    Message limit; // "500", or "500, over forward" (reverse, both ways)
};

// In the inputs' units and number form: inch-pound as always; metric with millimetres (two
// decimals), newtons (kN for a pair of figures past 10,000 N) and the columns' newtons per
// metre.
CheckTexts check_texts(const CheckResult& result, const CheckInputs& inputs);
// The bends' pressures are one column: N/m, or kN/m when any passes 10,000 N/m.
ColumnUnit bend_pressure_unit(const CheckResult& result, UnitSystem units);
CheckedBendTexts bend_texts(const CheckedBend& bend, const CheckInputs& inputs,
                            ColumnUnit pressure_unit = {});

} // namespace tensora
