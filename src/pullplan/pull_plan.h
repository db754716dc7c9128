// The pull plan calculation: forward and reverse cumulative tension and sidewall pressure of
// every link, the share of the allowable tension each direction uses, and the mid-assist pull
// point. A plain function of its inputs; the pull calculator window only copies texts in and
// out.
#pragma once

#include "numbers/message.h"
#include "numbers/number_rules.h"
#include "numbers/shown_figures.h"
#include "numbers/units.h"
#include "pullplan/text_column.h"
#include "pullplan/vertical_bend.h"

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tensora {

// The most links a plan holds: link numbers are 16-bit.
inline constexpr int kMaxLinks = 32767;

inline constexpr std::string_view kStraightType = "Straight";
inline constexpr std::string_view kBendType = "Angle"; // a bend in the horizontal plane
inline constexpr std::string_view kUpType = "Up";      // a bend turning the route upward
inline constexpr std::string_view kDownType = "Down";  // a bend turning the route downward
// A bend turning in a plane tilted from the horizontal by an angle (a combined bend): 0 is a
// horizontal bend to the left, 90 Up, -90 Down, 180 a horizontal bend to the right.
inline constexpr std::string_view kTiltedType = "Tilted";
// The word that marks a horizontal bend turning right, as the plan file and the report add it.
inline constexpr std::string_view kRightWord = "right";
// A bend turned on a sheave, as the report's rows and plan files mark it.
inline constexpr std::string_view kSheaveWord = "sheave";
// The largest tilt a bend's plane takes, either way, in degrees.
inline constexpr double kMostTilt = 180;

// The steepest incline a straight section may set, either way, in degrees.
inline constexpr double kSteepestIncline = 90;

// The planner's sidewall figure of a bend, lbs/ft: the tension leaving it over its length (not
// the bearing pressure, the tension over the bend's radius, that the pull check holds against
// its limit).
inline double sidewall_per_foot(double tension, double length) {
    return tension / length;
}

// What a bend of length 0 shows as sidewall pressure: no finite value exists.
inline constexpr std::string_view kNoLengthText = "no length";
inline constexpr MessageSource kNoLengthWords = TENSORA_TEXT("Plan", "no length");

// What a link says of its raceway, as typed: its own coefficient of friction (empty: the
// plan's), the friction library entry it was taken from, by name (empty: none; the coefficient
// is kept beside it, so that the link reads the same without the library), and the raceway
// from this link on: a conduit of an inside diameter in the units shown, or cable tray on
// rollers (neither: the raceway of the link before, the pull check's conduit at the start).
struct LinkRaceway {
    std::string friction{};
    std::string name{};
    std::string id{};
    bool tray = false;
    // A pull point at the link (a pull box, a conduit body with a cover): the bends between
    // two pull points count together; the link's own turn is the box's, not the raceway's.
    bool pull_point = false;
    bool empty() const {
        return friction.empty() && name.empty() && id.empty() && !tray && !pull_point;
    }
    bool operator==(const LinkRaceway&) const = default;
};

// One link as the plan columns hold it. Any type other than exactly "Straight" is a bend:
// "Up" and "Down" turn the route in the vertical plane, "Tilted" in a tilted plane, any other
// in the horizontal plane (about the vertical, climbing with the route where it is inclined).
struct PullLinkTexts {
    std::string type;
    std::string length; // ft
    std::string angle;  // degrees: a bend's angle, or an inclined straight's incline
    std::string number; // the link number shown to the user
    // A straight that sets the route's inclination to its angle (the incline); without it a
    // straight runs at the inclination the route has reached.
    bool inclined = false;
    bool right = false;  // a horizontal bend turning right (else left)
    std::string tilt{};  // a tilted bend's tilt, degrees
    bool sheave = false; // a bend turned on a sheave
    LinkRaceway raceway{};
};


// The plane a bend turns in.
enum class Turn { Horizontal, Up, Down, Tilted };

// A link's texts read as numbers, once, when the link enters the plan.
struct PullLinkValues {
    bool straight = true;
    double length = 0;
    double angle = 0;             // degrees as read: a bend's angle, an inclined straight's incline
    double theta = 0;             // the same in radians, 57.3 degrees to the radian, to 15 digits
    Turn turn = Turn::Horizontal; // a bend's plane
    bool inclined = false;        // a straight that sets the route's inclination to theta
    bool right = false;           // a horizontal bend turning right
    double tilt = 0;              // a tilted bend's tilt, degrees
    // A bend turned on a sheave: no sliding friction, the tension carried through (raised by
    // the settings' sheave percentage).
    bool sheave = false;
    // Its own coefficient of friction (NaN: the plan's), and the raceway from this link on: a
    // conduit's inside diameter, inches (NaN: the raceway before), or cable tray.
    double friction = std::numeric_limits<double>::quiet_NaN();
    double raceway_id = std::numeric_limits<double>::quiet_NaN();
    bool tray = false;
    bool pull_point = false;
    bool has_own_friction() const { return !std::isnan(friction); }
    // The coefficient this link is pulled with: its own, or the plan's.
    double friction_or(double plan) const { return has_own_friction() ? friction : plan; }
};

// The type as the plan's Type column shows it: "Angle right" for a right turn, "Tilted 30" for
// a bend tilted 30 degrees, else the type.
std::string shown_link_type(const PullLinkTexts& link);
// The same for people: "Angle right sheave", "Tilted 30".
Message link_type_words(const PullLinkTexts& link);

// A link's raceway as the plan's Friction column shows it: its own coefficient, its library
// entry's name and the raceway from it on ("0.15 tray-rollers, tray", "ID 4.026 in"); nothing
// for a link pulled with the plan's coefficient in the raceway before it.
Message link_raceway_words(const LinkRaceway& raceway, const PullLinkValues& values,
                           UnitSystem units);

// Whether a text is a tilt a bend's plane may take: a number from -180 to 180 degrees.
bool is_tilt_text(std::string_view text, const NumberLocale& locale);

// Whether a text is an incline a straight may set: a number from -90 to 90 degrees.
bool is_incline_text(std::string_view text, const NumberLocale& locale);

// The most an Up or Down bend turns the route, degrees: a full circle.
inline constexpr double kMostVerticalTurn = 360;

// Why a link of the type with this angle (degrees) can be no link of a plan, or nothing: an
// angle that is not finite, an Up or Down bend turning more than a full circle.
std::optional<Message> link_angle_refusal(std::string_view type, double angle);

// Whether a plan climbs or drops anywhere: it has an inclined straight, a vertical bend or a
// bend in a plane that is not horizontal.
bool has_elevation(const std::vector<PullLinkValues>& links);

// The link's numbers, its length typed in the given units and read as feet.
PullLinkValues read_link(const PullLinkTexts& link, const NumberLocale& locale,
                         UnitSystem units = UnitSystem::InchPound);

// A tension or pressure as the columns show it: pattern "###", and kNotFiniteText from 1e15
// on. The view stays valid until `scratch` changes.
std::string_view column_text(double value, std::string& scratch);

// The cable and pull inputs of the plan, as the window's boxes hold them.
struct PullSettingsTexts {
    std::string friction = "0.150";
    std::string allowable = "10";
    std::string weight = "5";
    std::string back_tension = "0";
    bool mid_assist = false;
    int selected = -1;          // row of the chosen link, -1 for none
    bool weight_across = false; // the weight in bends: all of it, else in the bend's plane only
    std::string sheave_percent = "0"; // what a sheave adds to the tension through it, %
};

// The cable and pull inputs as the calculation takes them: numbers.
struct PullSettings {
    double friction = 0.15;
    double allowable = 10; // lbs
    double weight = 5;     // lbs/kft
    double back_tension = 0;
    bool mid_assist = false;
    int selected = -1; // row of the chosen link, -1 for none
    // Whether a bend's friction takes the weight across its plane too (it presses the cable on
    // the wall sideways), or only the weight in its plane (the planner's rule of old).
    bool weight_across = false;
    double sheave_percent = 0; // what a sheave adds to the tension through it, %
};

// "plane" and "all": how the command line, the report and the settings name the two.
std::string_view bend_weight_key(bool across);
std::optional<bool> bend_weight_by_key(std::string_view key);
// What a report's "Weight in Bends" line says: the rule's key where it can matter (the weight
// across, or a plan that is not level), else nothing, so that a level plan keeps its report.
std::string reported_bend_weight(bool across, const std::vector<PullLinkValues>& links);

// The boxes' texts read by the number rules: friction, allowable tension and weight as typed
// (read_input), the back tension only when its whole text is a number (else 0); typed in the
// given units, read as pounds and pounds per thousand feet.
PullSettings read_pull_settings(const PullSettingsTexts& texts, const NumberLocale& locale,
                                UnitSystem units = UnitSystem::InchPound);

// The design texts of the cable boxes in each unit system: 10 lbs and 5 lbs/kft, or the round
// metric values 50 N and 0.0075 kg/m.
std::string_view design_allowable_text(UnitSystem units);
std::string_view design_weight_text(UnitSystem units);

// Tensions and pressures are written with the pattern "###"; from 1e15 lbs on, and beyond a
// double, they show kNotFiniteText.
struct PullResults {
    TextColumn forward;          // cumulative tension after each link, lbs, pattern "###"
    TextColumn forward_sidewall; // "0" for straights, tension / bend length for bends
    TextColumn reverse;
    TextColumn reverse_sidewall;
    std::vector<double> forward_tension; // unrounded, per link
    std::vector<double> reverse_tension;
    int forward_percent = 0; // what each bar shows: 0 to 100
    int reverse_percent = 0;
    // The same shares uncapped, as text ("153%"): empty when the allowable tension is not
    // positive.
    std::string forward_share;
    std::string reverse_share;
    Message caption; // the mid-assist caption, empty when no point is chosen
    bool bars_visible = true;
    // For a plan with elevation: each link's inclination entering and leaving it along the
    // route from the first link (radians, positive rising), and the links where each pull's
    // tension was held at zero (the cable runs under its own weight there and must be held
    // back). All empty for a level plan.
    bool elevation = false;
    std::vector<double> inclination_in;
    std::vector<double> inclination_out;
    std::vector<char> forward_held;
    std::vector<char> reverse_held;
    // The four columns as a metric plan shows them (N or kN, N/m or kN/m, one unit for each
    // column), written by show_columns; the columns above stay in pounds for the report.
    struct Shown {
        TextColumn forward;
        TextColumn forward_sidewall;
        TextColumn reverse;
        TextColumn reverse_sidewall;
        ColumnUnit forward_unit;
        ColumnUnit forward_sidewall_unit;
        ColumnUnit reverse_unit;
        ColumnUnit reverse_sidewall_unit;
    } shown;
};

// The calculation over links and settings already read, into `results` (whose buffers are
// reused). `selected_number` is the number text of the chosen link, which the caption names.
void calculate_pull(const std::vector<PullLinkValues>& links, std::string_view selected_number,
                    const PullSettings& settings, PullResults& results);

// The row of the link after which the settings place a mid-assist point, if they place one
// on a plan of `links` links: only with the box ticked and a link chosen.
std::optional<std::size_t> mid_assist_point(const PullSettings& settings, std::size_t links);

// A mid-assist point after link s splits each pull in two, the second starting from zero:
// going forward the links after s form it, in reverse links s, s - 1, ... 0 (the reverse pull
// restarts once it has left link s + 1). Whether a pull restarts after leaving link i, and
// whether link i belongs to the pull that reaches the route's end.
inline bool restarts_after(std::size_t i, std::size_t s, bool forward) {
    return forward ? i == s : i == s + 1;
}
inline bool in_end_pull(std::size_t i, std::size_t s, bool forward) {
    return forward ? i > s : i <= s;
}

// One direction of a pull run link by link exactly as calculate_pull runs it, from any link
// and any tension: what the advice tries each mid-assist point with.
class PullRunner {
public:
    PullRunner(const std::vector<PullLinkValues>& links, const PullSettings& settings);
    ~PullRunner();
    PullRunner(const PullRunner&) = delete;
    PullRunner& operator=(const PullRunner&) = delete;

    // The tension leaving link i for a pull that meets it with `tension`.
    double step(std::size_t i, double tension, bool forward);
    // The same, with whether the pull was held at zero in the link.
    BendPass pass(std::size_t i, double tension, bool forward);
    // The highest tension of the pull that a mid-assist point after link s starts from zero
    // and that reaches the route's end (in_end_pull's links).
    double end_pull_highest(std::size_t s, bool forward);

private:
    struct Route;
    std::unique_ptr<Route> route_;
};

// Writes results.shown from the unrounded tensions for metric units (and empties it for
// inch-pound ones, whose columns are the results' own).
void show_columns(const std::vector<PullLinkValues>& links, UnitSystem units,
                  std::string_view decimal, PullResults& results);

// Why a plan shown in metric units cannot be written in the report's inch-pound units, or
// nothing: a box or link length that is a finite number as typed but beyond a double in
// pounds or feet (it would be written as "inf" and read back as 0).
std::optional<Message> inch_pound_refusal(const PullSettingsTexts& settings,
                                          const std::vector<std::string>& lengths, UnitSystem units,
                                          const NumberLocale& locale);

// What the Angle cell of link i shows where it is a straight that runs at the inclination the
// route has reached, not a level one: that inclination in degrees in parentheses ("(90)"), so
// that a riser after an Up bend does not read as level. Nothing for every other link, whose
// cell shows its angle or incline as typed.
// The figure is written in the locale's form (the command line and the files: ".").
std::optional<std::string> inherited_incline_text(const std::vector<PullLinkValues>& links,
                                                  const PullResults& results, std::size_t i,
                                                  const NumberLocale& locale = {".", ","});

// A link's length or angle as its column shows it: a figure the program wrote with more than
// four decimals (an imported route's, exact to its last digit) to two; any other text as it is.
// The report keeps the text whole.
std::string shown_link_figure(std::string_view text, const NumberLocale& locale);

// The window-free form: reads every text and calculates.
// In metric units the lengths, tensions and weight are read as metric and the results carry
// their metric columns too (results.shown).
PullResults pullcalc(const std::vector<PullLinkTexts>& links, const PullSettingsTexts& settings,
                     const NumberLocale& locale, UnitSystem units = UnitSystem::InchPound);

} // namespace tensora
