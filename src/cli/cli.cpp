#include "cli/cli.h"

#include "cables/friction_library.h"

#include "calculators/formulas.h"
#include "cli/advise_command.h"
#include "cli/check_command.h"
#include "cli/equipment_command.h"
#include "cli/fill_command.h"
#include "cli/job_command.h"
#include "cli/pull_command.h"
#include "cli/pullbox_command.h"
#include "numbers/input_checks.h"
#include "numbers/number_rules.h"
#include "version.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <ostream>
#include <string_view>

namespace tensora {
namespace {

constexpr std::string_view kUsage =
    R"(Usage: tensora-cli COMMAND [ARGUMENT...] [--exact] [--units si|imperial]

Commands:
  straight LENGTH WEIGHT FRICTION
      Tension to pull a cable through a straight section, lbs:
      length (ft) * cable weight (lbs/kft) * coefficient of friction / 1000.
  bend TENSION ANGLE FRICTION
      Tension leaving a bend, lbs: tension before the bend (lbs) *
      e ^ (angle (degrees) / 57.3 * coefficient of friction).
  sidewall TENSION LENGTH
      Sidewall pressure in a bend: tension in the bend (lbs) / bend length.
      A bend length of 0 prints "Undefined: bend length is 0".
  maxpull TENSION WEIGHT FRICTION
      Longest straight pull, ft: maximum tension (lbs) /
      (cable weight (lbs/kft) * coefficient of friction) * 1000. A weight or friction of 0
      prints "Unlimited: no weight or friction"; a negative input prints
      "None: an input is negative".
  lube LENGTH DIAMETER
      Pulling lubricant, gallons: 0.0015 * pull length (ft) * conduit inner diameter (in),
      printed with one decimal as the window shows it ("3." for 3 gallons, ".9" for 0.9375).

Numbers are read as the calculator windows read their boxes, with "." as the decimal point
and "," grouping thousands ("1,000" is 1000; "1,5" is not a number and reads as 1). The
result is printed as the window shows it (rounded down to a whole number); --exact prints
the unrounded value with 17 significant digits instead. A value the window would warn about
prints the window's message on stderr, after the argument's name and text
(length "12abc": Please enter a number), and the result is still printed. A result that is
not finite prints "Out of range".

  pull [--friction TEXT] [--weight TEXT] [--allowable TEXT] [--back-tension TEXT]
       [--mid-assist N] [--report FILE] [--plan FILE] [--json] [--save-report FILE]
       [--description TEXT] [--pdf FILE] [--csv FILE] [--units si|imperial]
       [--bend-weight plane|all] [--route FILE [--route-units ft|in|m|mm]
       [--route-radius R] [--layer NAME] [--entity N]] [LINK...]
      The pull planner. Options are read as the pull calculator reads its boxes; their
      defaults are its design texts (friction 0.150, weight 5 lbs/kft, allowable tension
      10 lbs, back tension 0 lbs). A LINK is s:LENGTH for a straight section,
      s:LENGTH:INCLINE for one that sets the route's incline (degrees above the horizontal,
      -90 to 90; without one a straight runs at the inclination the route has reached),
      b:LENGTH:ANGLE for a bend in the horizontal plane turning left, r:LENGTH:ANGLE for
      one turning right, u:LENGTH:ANGLE for a bend turning the route upward,
      d:LENGTH:ANGLE for one turning it downward and t:LENGTH:ANGLE:TILT for a bend in a
      plane tilted TILT degrees from the horizontal (-180 to 180: 0 turns left, 90 up, -90
      down, 180 right; a combined bend that turns and climbs at once) (length in ft, angle
      in degrees). --plan FILE reads links first, one a line: "Straight LENGTH [INCLINE]",
      "Angle LENGTH ANGLE [right]", "Up LENGTH ANGLE", "Down LENGTH ANGLE" or "Tilted
      LENGTH ANGLE TILT"; blank lines and lines starting with # are skipped. The route is a
      path in space: a bend turns its direction about the axis of its plane, so a
      horizontal bend on an incline climbs or drops with the route. Where the route climbs
      or drops, the cable's weight adds to the tension or takes from it; a tension that
      would fall below zero is held at zero (the cable runs under its own weight there and
      must be held back). --bend-weight says how much of the weight presses in a bend:
      plane (the default: the weight in the bend's plane) or all (the weight across the
      plane too). --route FILE takes the links of a route drawn or surveyed (after the
      report's, before those of --plan and the arguments): an ASCII DXF drawing (an
      LWPOLYLINE with its arcs, a 2-D or 3-D POLYLINE, or LINEs and ARCs joined end to
      end), a file of points (x y [z [radius]] a line, comma-, semicolon- or
      blank-separated, with or without a header naming the columns; point number,
      northing, easting, elevation where the lines count their points) or a LandXML
      alignment (lines and curves, heights from its profile); the kind is read from the
      content. The route bends at every inner point by the angle between its straights,
      in the plane they span, with the point's radius, the drawing's arc or
      --route-radius R (in the units of --units; 3 ft or 1 m), the bend's tangents taken
      off the straights. --route-units gives the file's units where it does not say them;
      a file with several paths lists them, and --layer and --entity N (the Nth listed)
      choose one. A route that cannot be read or does not fit its radii is refused with
      the reason, and the saved report keeps where the route came from.
      --report FILE takes the cable texts, the back tension, the
      links and the mid-assist point of a report saved by the program (before the links of
      --plan and of the arguments; the cable options given beside it win); what the report
      does not hold whole (a file cut short, a mid-assist point beyond its plan, a report
      saved before back tensions were) is named on stderr, and a file that is no report, or
      holds more links than a plan may, is refused. --mid-assist N makes link N the
      mid-assist pull point. --save-report FILE writes the report's pull plan part for the
      computed plan, with the cable description of --description (default "Cable to pull",
      or the report's). --pdf FILE writes the report for people as a PDF: the cable, the
      percentages, the tension profile and the plan table (no display needed). --csv FILE
      writes the plan as CSV: each link's columns with the unrounded tensions and sidewall
      figures beside them. Each file is written whole or not at all, never over a device,
      a folder or a pipe, through a symbolic link to the file it names, keeping its
      permissions; every file's folder is checked before any is written. An option's text
      with a line break in it is refused.
      Prints one line a link, tab-separated: number, type, length, angle, forward
      cumulative, forward sidewall, reverse cumulative, reverse sidewall (the window's
      column texts); then "forward-percent", "reverse-percent" (what the bars show, 0 to
      100; 0 when the allowable tension is not positive), "bars" ("shown" or "hidden") and
      "caption" (the mid-assist caption, empty when none), each followed by a tab and its
      value. Lengths and angles are printed as given, without blanks around them; a link or
      option text with a tab or line break inside is refused. A bend of length 0 shows
      "no length" as sidewall pressure. --json prints the same as one JSON object, with the
      unrounded tensions (null when not finite); for a plan that climbs or drops, each link
      adds "inclined", "inclination_in" and "inclination_out" (the route's inclination in
      degrees as the forward pull goes) and "forward_held" and "reverse_held".
      --log FILE lays a pull's tension log over the plan (a CSV or text file: tension in
      lbf, N, kN or kgf against pulled length in ft or m, or time with --log-speed in length
      per minute; a header naming the columns and units, else --log-force lbf|n|kn|kgf and
      --log-length ft|m), pulled in --log-direction forward (the default) or reverse, and adds
      "fitted-friction" (the coefficient that fits it best, four decimals), "measured-max",
      "predicted-max" (the plan's, as the columns write them) and "over-allowable" (the log's
      lengths past the allowable tension, or none); a line that cannot be read is refused,
      naming it; a log shorter or longer than the route is said on stderr.
      A link may end in fields of its raceway, each once, in any order (s:100:f=0.15,
      b:3:90:raceway=pvc-wet, "Straight 100 30 f=0.2 tray" in a plan file): f=MU, the
      link's own coefficient of friction (from 0; a link without one takes --friction);
      raceway=NAME, an entry of the friction library (friction.json beside the cable data,
      and the user's own entries in Tensora/friction.json of the settings folder), whose
      coefficient the link takes unless f= gives one, and which makes the link cable tray
      where the entry is one; id=D, a conduit of that inside diameter (in, mm with --units
      si) from this link on, and tray, cable tray on rollers from this link on, both for
      the pull check. A link with such fields prints them after its columns, each a
      tab-separated field as given (f= with the entry's coefficient); --json adds
      "friction", "raceway", "raceway_id" and "tray" to such links.

  check --conduit-id D (--cable-od D --cables N | --cable GROUP...) [--configuration auto|
        triangular|cradled|diamond] [--min-clearance X] [--swbp-limit P] [--bend-radius R]
        [--tension-rule planner|eye|eye-singles|grip|ratings] [--eye-limit T]
        [--grip-limit T] [PULL OPTION...] [LINK...]
      The pull check of a set of cables in a conduit of the inside diameter --conduit-id
      (in), on the plan that pull takes (every option and link of pull). The set: --cables
      N (1 to 6) of --cable-od D (in), each of the planner's --weight (one cable's), and a
      group for every --cable COUNT:OD:WEIGHT[:SIZE[:MATERIAL[:CONDUCTORS[:RATING]]]]
      (repeatable; OD in, WEIGHT lbs/kft for one cable, SIZE as 6, 1/0, 500 (kcmil) or
      35mm2, MATERIAL cu or al, CONDUCTORS in each cable, RATING the cable's allowable
      tension in lbs). The arrangement, its weight correction, the jam ratio (1.05 D / d)
      and the clearance are those of the cables of the largest outside diameter (jam risk
      named when three share it); the others add their weight and area. Weight correction:
      auto takes the larger of triangular and cradled for three cables, of diamond and
      cradled for four; five or more take 1.4. The clearance is held against
      --min-clearance (default 0.5 in); the planner's pull of the set's whole weight with
      the coefficient of friction times the weight correction, from both ends, against the
      set's allowable tension; each bend's sidewall bearing pressure from its radius (its
      length * 57.3 / its angle, or --bend-radius in ft for every bend), against
      --swbp-limit (default 500 lbs/ft; 300 for interlocked armour, 1000 for power cable 600
      V to 35 kV). The allowable tension by --tension-rule: planner (--allowable, the
      default), eye (0.008 lbf per circular mil of copper, 0.006 of aluminium, 80 % of it
      for more than three conductors, at most --eye-limit, default 10000 lbs), eye-singles
      (three single conductors count as two, more than three at 60 %), grip (--grip-limit,
      default 1000 lbs, never above the eye's figure where sizes are known) or ratings (the
      lowest rating times the cables that bear: 1, 2, 2 for three, 60 % of more). Prints
      "jam-ratio", "jam-risk" (empty unless three cables share the largest diameter),
      "weight-correction", "configuration", "clearance", "forward-max" and "reverse-max"
      (the highest corrected tension of each direction, lbs), each followed by a tab and
      its text; then one line a bend: "bend", link, radius (ft), forward and reverse
      pressure (lbs/ft), tab-separated; then "set-cables", "set-weight" (lbs/kft),
      "tension-rule" and "set-allowable" (lbs, or the figure the rule lacks); then
      "verdict" ("Pull OK", or what exceeds where). Ratios and inches have 4 decimals;
      tensions and pressures are written as the planner's columns. Where a figure has no
      meaning (cables that do not fit the conduit) its field says so in words. --json
      prints the same as one JSON object; --pdf adds the check to the report. A --cable
      that cannot be read (a count of 0, a diameter or weight that is no number of 0 or
      more, an unknown size or material) is refused, naming its field.

      A link's id= or tray starts a raceway of its own: from that link on the check
      arranges the cables in that conduit (its own weight correction, clearance, jam ratio
      and fill, against the circle of its diameter) or on the tray (no correction, each
      bend's bearing pressure the tension over its radius); the findings of such a stretch
      name its first link ("... from link 3").

      --cable-kind shielded|non-shielded|mc-smooth|mc-interlocked|fibre|N gives the planner's
      cable its kind (N a multiple of its diameter), and a --cable group's last field, after
      RATING, its own: each bend's radius (its length * 57.3 / its angle, or --bend-radius) is
      held against the set's least bending radius under pulling tension and once trained in
      place (non-shielded power 8 x OD, shielded or lead-covered 12 x, metal-clad smooth
      sheath 10 x to 3/4 in, 12 x to 1 1/2 in, 15 x above, interlocked or corrugated 7 x, fibre
      optic 20 x pulled and 10 x installed), a line each: "bend-radius", link, radius, pulling
      and trained minimum (in, mm with --units si), ok or under; without a kind
      "bend-radius-note" says what was not checked. The bends between pull points (the ends,
      the mid-assist point, a link --pull-point N marks, repeatable) may turn 360 degrees at
      most: "bends", first and last link, degrees, ok or over, a line each stretch.

  pullbox straight|angle|u SIZE... [--standard KEY] [--units si|imperial] [--small-conductors]
          [--json]
      The least pull or junction box for the trade sizes of the conduits entering one wall
      (2, 2-1/2 or "2 1/2", 2.5; in metric the designators, 53): a straight pull is at least 8
      times the largest long ("minimum-length"); for an angle or U pull each wall is at least
      6 times the largest plus the sum of the others from the opposite wall
      ("to-opposite-wall"), and a raceway's entries at least 6 times the larger apart
      ("between-entries"); then "unit" (in or mm). --standard takes the sizes of one code
      table (emt, rmc, pvc40, ...); a size the table lacks is refused, naming it. With
      --small-conductors (6 AWG and smaller) the box is sized by volume: a "note" says so.

  job FILE [--add-pull REPORT --from NAME --to NAME] [--slack NAME=LENGTH]...
      [--margin PERCENT] [--order] [--json|--csv] [--pdf FILE] [--units si|imperial]
      A job of many pulls in one file (JSON, written whole or not at all). --add-pull adds
      a report saved by the program as a pull from structure --from to structure --to (the
      structures made as named); --slack sets the length of each cable left in a structure
      (ft, m with --units si), --margin a share of each pulled length ordered instead of the
      slack; each saves the file. Prints a line a pull: "pull", number, from, to, cables,
      length, rise, highest tension forward and reverse (as the planner's columns write them,
      one unit for all), per cent of the allowable tension, highest sidewall bearing pressure,
      advised direction, advised mid-assist point (the N of pull --mid-assist, or none) and
      the verdict (the check's where the report holds its conduit and cables), tab-separated;
      then "fails" and the pulls whose check fails (or none). --order adds a line a cable,
      "order", cable (description and size), length (its pulled lengths plus the slack of
      each structure it passes or ends in, or the margin), and "order-total". --csv prints
      the schedule as CSV, --json all as one object; --pdf FILE writes the job's PDF (the
      schedule and the cable to order, then each pull as pull --pdf prints it). A file that
      is no job, or is damaged, is refused and left as it is; the exit status is 1 when a
      pull fails its check.

  compare --option CHANGES... [check's options] [PULL OPTION...] [LINK...]
      The plan that pull takes under each --option, side by side. CHANGES are KEY=VALUE,
      separated by commas, each key once: friction (a coefficient, or a friction library
      entry's name; links with their own keep theirs), direction (forward or reverse;
      without one the end with the lower highest tension), mid-assist (N, the point after
      link N: both halves are pulled, so no direction), back-tension (lbs, N with --units
      si), conduit-id (in, mm with --units si). With --conduit-id and the check's cables
      each option is the pull check's corrected pull and verdict; without, the plan's pull
      against its allowable tension and a sidewall bearing pressure of 500 lbs/ft.
      Prints one line an option, numbered from 1 in the order given: "option", N, the
      highest tension forward and reverse (as the planner's columns write it, one unit for
      all), the per cent of the allowable tension the option is pulled with, and the
      verdict, tab-separated; then "best" and the option with the lowest highest tension
      (the first of equals; none where no option could be pulled). --json prints the same
      as one object, with each option's highest tension, direction and highest sidewall
      bearing pressure, and the figure that decides the best.

  advise [--swbp-limit P] [PULL OPTION...] [LINK...]
      Advice on the plan that pull takes (every option and link of pull but its files):
      which end to pull from, the direction whose highest tension along the route is lower
      ("either" when both read the same as the columns show them), and after which link a
      mid-assist pull point lowers that direction's highest tension most (the first such
      link on a tie, computed exactly as pull --mid-assist computes the plan; forward for
      "either"). Prints "forward-max" and "reverse-max" (each direction's highest tension,
      as the columns write it), "direction" (forward, reverse or either), "lower-by" (how
      much lower the chosen direction's highest tension is, per cent of the other, whole),
      "mid-assist" (the N of pull --mid-assist N that gives that plan, or "none" when no
      point lowers it), "mid-assist-max" (its highest tension, empty for none) and "note"
      (where even the best option exceeds the allowable tension, or a bend's sidewall
      pressure, tension leaving it / its length, exceeds --swbp-limit, default 500 lbs/ft;
      empty when neither), each followed by a tab and its text. --json prints the same as
      one JSON object (null for no point).

  equipment [--direction forward|reverse] [--puller F] [--rope-strength F]
            [--design-factor K] [--sheave N]... [--sheave-rating F] [--sheave-percent P]
            [--capstan-friction MU] [--tail-limit F] [PULL OPTION...] [LINK...]
      The pulling equipment checked against the plan that pull takes, in the direction
      given or, without one, the one advise names (forward for "either"). Forces F in lbs
      (N with --units si). The puller's rating against the direction's highest tension
      (margin in per cent of the rating; "too weak" below the pull, "above allowable" over
      the cable's allowable tension: set a limiter there); the rope's breaking strength
      against --design-factor (default 4; 1 or more, below 4 named on stderr) times the
      puller's rating (the pull's highest tension without a puller); the load on each
      sheave, 2 T cos(a/2) with a the angle between the rope's legs (180 less the bend's
      angle), against --sheave-rating; the tail force a capstan needs,
      T / e^(0.0175 MU 360 n) for 3 to 6 wraps (MU default 0.125), against --tail-limit
      (default 100 lbs). --sheave N (also for pull, check and advise, repeatable) turns
      bend N on a sheave: its tension is carried through without friction, raised by
      --sheave-percent (default 0). Prints, tab-separated: "direction", "highest",
      "puller" (rating, margin, ok, too weak or above allowable), "rope-minimum", "rope"
      (serves, too weak or not given), a "sheave" line a marked bend (link, load, ok,
      over rating or no rating), a "capstan" line for 3 to 6 wraps (wraps, tail force, ok
      or beyond hold) and "verdict" (ok or fails). --json prints the same as one object.

  fill [--standard KEY] [--max-fill TEXT] [--code] [--json] [--units si|imperial] OD...
      The fill ratio calculator: the cables' outside diameters (in) against every trade
      size of a conduit table, with a preferred maximum fill in percent (default 60). KEY
      is a written standard, sch40 (Schedule 40, the default), sdr11 or sdr135, or one of
      the electrical code's tables (NEC 2023, Chapter 9, Table 4): emt, ent, fmc, imc,
      lfnc-a, lfnc-b, lfnc-c, lfmc, rmc, pvc80, pvc40 (PVC Schedule 40 and HDPE), pvc-a or
      pvc-eb. An OD that is not a positive number is left out, with the reason on stderr,
      as "Submit" leaves it out. Prints "cables", "total-area" and "pair-width" (the
      widest pair side by side), each followed by a tab and the window's text, then one
      line a trade size, tab-separated: trade size, pipe ID (in), area (sq in) and percent
      fill, or "over" where the cables do not fit or the fill exceeds the preferred
      maximum. A written standard's area is (ID / 2)^2 * 3.14 and its cables' areas take
      3.14 too; a code table's area is its listed 100 % area and its cables' areas are
      pi/4 * OD^2. --code adds a fifth column, "meets" or "over" the code's fill limit
      (53 % for one cable, 31 % for two, 40 % for more; a fill at the limit meets it), and
      the lines "code-limit" (the percentage applied) and "code-smallest" (the smallest
      trade size that meets it, or "none"). --json prints the same as one JSON object (a
      code table adds its edition and each size's metric designator).

Units: every command takes --units imperial (inch-pound, the default) or --units si
(metric); arguments are read and results printed in the units chosen, and the calculation
is the same (1 ft = 0.3048 m, 1 in = 25.4 mm, 1 lbf = 4.4482216152605 N, a weight in kg/m
times 9.80665 m/s^2, 1 US gallon = 3.785411784 L):
                       imperial          si
  length, distance,    ft                m
    radius
  cable weight         lbs/kft           kg/m
  tension              lbs               N (kN for a column passing 10,000 N)
  sidewall pressure    lbs/ft            N/m (kN/m likewise)
  diameter, clearance  in                mm
  area                 sq in             mm^2
  sidewall's length    in                mm (its pressure: lbs per inch | N/m)
  lubricant            gallons           litres
With --units si the design values become 50 N (allowable tension), 0.0075 kg/m (weight),
13 mm (minimum clearance) and 7300 N/m (sidewall limit); a report read with --report holds
inch-pound figures and is converted; --save-report writes inch-pound figures with a line
naming the units; --csv stays inch-pound; --pdf prints the units chosen. With --units given,
pull, check and fill name their units: a last line "units" (pull: the length and the four
result columns; check: clearance, tensions, radius, pressure; fill: diameters, areas), and
--json a "units" object.

Exit status: 0 when a result was printed, 1 when it could not be written (a full disk, a
closed pipe, a file that failed once the writing was under way: the files already written
are named), 2 for a command line that cannot be run.
  -h, --help    show this text (where an option may stand, not as the value of an option)
)";

// How one box of a window reads and checks its text: a range input, a friction input, or a
// box without a check (the lubricant calculator's diameter).
enum class Box { Range, Friction, Unchecked };

struct Argument {
    std::string_view name;
    Box box;
    std::optional<Quantity> quantity = std::nullopt; // none for an angle or a friction
};

// The box's value in inch-pound units, read in the units given.
double read_box(const Argument& argument, std::string_view text, UnitSystem units,
                std::ostream& err) {
    std::optional<Message> warning;
    if (argument.box == Box::Range) {
        warning = range_input_message(text, kEnglish);
    } else if (argument.box == Box::Friction) {
        warning = friction_input_message(text, kEnglish);
    }
    if (warning) {
        err << argument_message(argument.name, text, *warning) << '\n';
    }
    const double typed = read_input(text, kEnglish);
    return argument.quantity ? inch_pound_value(typed, *argument.quantity, units) : typed;
}

std::string exact_text(double value) {
    if (!std::isfinite(value)) {
        return std::string(kNotFiniteText);
    }
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

using Values = std::vector<double>;

struct Command {
    std::string_view name;
    std::vector<Argument> arguments;
    // The result in inch-pound units from the inch-pound values.
    std::function<double(const Values&)> calculate;
    // The result label's text, in the units given.
    std::function<std::string(const Values&, UnitSystem)> shown;
    // Whether the label shows a clear text instead of a number (no meaningful answer); that
    // text is printed with --exact as well.
    std::function<bool(const Values&)> no_number = [](const Values&) { return false; };
    Quantity result = Quantity::Tension;
};

std::vector<Command> commands() {
    const auto whole = [](const auto& formula) {
        return [formula](const Values& v, UnitSystem units) {
            return wholeResultText(shown_value(formula(v), Quantity::Tension, units));
        };
    };
    const auto straight = [](const Values& v) {
        return straight_section_tension(v[0], v[1], v[2]);
    };
    const auto bend = [](const Values& v) { return bend_exit_tension(v[0], v[1], v[2]); };
    const Argument length{"length", Box::Range, Quantity::Length};
    const Argument weight{"weight", Box::Range, Quantity::Weight};
    const Argument tension{"tension", Box::Range, Quantity::Tension};
    const Argument friction{"friction", Box::Friction};
    const auto never = [](const Values&) { return false; };
    return {
        {"straight", {length, weight, friction}, straight, whole(straight)},
        {"bend", {tension, {"angle", Box::Range}, friction}, bend, whole(bend)},
        // The sidewall calculator's bend length is in inches (mm), its pressure per inch.
        {"sidewall",
         {tension, {"length", Box::Range, Quantity::Diameter}},
         [](const Values& v) { return sidewall_per_inch(v[0], v[1]); },
         [](const Values& v, UnitSystem units) { return sidewall_result_text(v[0], v[1], units); },
         [](const Values& v) { return v[1] <= 0; },
         Quantity::PressurePerInch},
        {"maxpull",
         {tension, weight, friction},
         [](const Values& v) { return max_pull_length(v[0], v[1], v[2]); },
         [](const Values& v, UnitSystem units) {
             return max_pull_result_text(v[0], v[1], v[2], units);
         },
         [](const Values& v) { return v[0] < 0 || v[1] <= 0 || v[2] <= 0; },
         Quantity::Length},
        {"lube",
         {length, {"diameter", Box::Unchecked, Quantity::Diameter}},
         [](const Values& v) { return lubricant_quantity(v[0], v[1]); },
         [](const Values& v, UnitSystem units) {
             return lubricant_result_text(
                 shown_value(lubricant_quantity(v[0], v[1]), Quantity::Volume, units), ".");
         },
         never,
         Quantity::Volume},
    };
}

// Appends one character of a quoted argument, escaped where it is a control character.
void append_escaped(std::string& out, std::string_view character) {
    const auto c = static_cast<unsigned char>(character.front());
    if (character.size() > 1) {
        out += character;
    } else if (c == '"' || c == '\\') {
        out.push_back('\\');
        out.push_back(static_cast<char>(c));
    } else if (c == '\t') {
        out += "\\t";
    } else if (c == '\n') {
        out += "\\n";
    } else if (c == '\r') {
        out += "\\r";
    } else if (c < 0x20 || c >= 0x7f) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
        out += escaped;
    } else {
        out.push_back(static_cast<char>(c));
    }
}

// The length of the UTF-8 character at the start of a text, or 1 for a byte that does not
// start one (which is then escaped on its own).
std::size_t utf8_length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xC2 && lead < 0xE0  ? 2
                                                              : 1;
    if (length == 1 || text.size() < length) {
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    // C1 control characters (U+0080 to U+009F) are escaped byte by byte.
    return length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0 ? 1 : length;
}

// Writes the result; a stream that cannot take it (a full disk, a closed pipe) is a failure.
int written(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) {
        return 0;
    }
    const int reason = errno;
    err << "tensora-cli: the result could not be written";
    if (reason != 0) {
        err << " (" << std::strerror(reason) << ')';
    }
    err << '\n';
    return 1;
}

} // namespace

UnitSystem units_value(std::string_view value) {
    if (const auto units = unit_system_by_key(value)) {
        return *units;
    }
    throw CliRefusal{"tensora-cli: " +
                     argument_message("units", value, "not a unit system (si or imperial)")};
}

std::string_view cli_usage() {
    return kUsage;
}

bool is_help_option(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

std::string quoted_argument(std::string_view text) {
    constexpr int kMostCharacters = 60;
    std::string out = "\"";
    int characters = 0;
    while (!text.empty() && characters < kMostCharacters) {
        const std::size_t length = utf8_length(text);
        append_escaped(out, text.substr(0, length));
        text.remove_prefix(length);
        ++characters;
    }
    out.push_back('"');
    if (!text.empty()) {
        out += "...";
    }
    return out;
}

std::string argument_message(std::string_view name, std::string_view text,
                             std::string_view message) {
    return std::string(name) + ' ' + quoted_argument(text) + ": " + std::string(message);
}

std::string argument_message(std::string_view name, std::string_view text, const Message& message) {
    return argument_message(name, text, english_text(message));
}

bool breaks_output_shape(std::string_view text) {
    return trimmed_blanks(text).find_first_of("\t\n\r\v\f") != std::string_view::npos;
}

bool has_line_break(std::string_view text) {
    return text.find_first_of("\n\r") != std::string_view::npos;
}

namespace {

// The commands with options and links (pull, check, advise, fill): a refusal is exit 2, a
// failure to write exit 1.
std::optional<int> run_plan_command(const std::vector<std::string>& arguments, std::ostream& out,
                                    std::ostream& err, const CliServices& services) {
    using Runner = std::function<void(const std::vector<std::string>&)>;
    const std::pair<std::string_view, Runner> commands[] = {
        {"pull", [&](const auto& rest) { run_pull_command(rest, out, err, services); }},
        {"check", [&](const auto& rest) { run_check_command(rest, out, err, services); }},
        {"compare", [&](const auto& rest) { run_compare_command(rest, out, err, services); }},
        {"advise", [&](const auto& rest) { run_advise_command(rest, out, err, services); }},
        {"equipment", [&](const auto& rest) { run_equipment_command(rest, out, err, services); }},
        {"fill", [&](const auto& rest) { run_fill_command(rest, out, err); }},
        {"pullbox", [&](const auto& rest) { run_pullbox_command(rest, out, err); }},
        {"job", [&](const auto& rest) { run_job_command(rest, out, err, services); }}};
    for (const auto& [name, run] : commands) {
        if (arguments.empty() || arguments[0] != name) {
            continue;
        }
        try {
            run(std::vector<std::string>(arguments.begin() + 1, arguments.end()));
        } catch (const CliRefusal& refusal) {
            err << refusal.message << '\n';
            return 2;
        } catch (const CliFailure& failure) {
            err << failure.message << '\n';
            return 1;
        }
        return written(out, err);
    }
    return std::nullopt;
}

// The quick calculators: numbers in, the window's result out (--exact: every digit).
int run_quick_command(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    bool exact = false;
    UnitSystem units = UnitSystem::InchPound;
    std::vector<std::string_view> words;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (is_help_option(argument)) {
            out << kUsage; // --units is the quick commands' one option with a value
            return written(out, err);
        }
        if (argument == "--exact") {
            exact = true;
        } else if (argument == "--units") {
            if (i + 1 >= arguments.size()) {
                err << "tensora-cli: --units needs a value\n";
                return 2;
            }
            try {
                units = units_value(arguments[++i]);
            } catch (const CliRefusal& refusal) {
                err << refusal.message << '\n';
                return 2;
            }
        } else {
            words.emplace_back(argument);
        }
    }
    if (words.empty()) {
        err << kUsage;
        return 2;
    }
    const auto all = commands();
    const auto command = std::find_if(all.begin(), all.end(),
                                      [&words](const Command& c) { return c.name == words[0]; });
    if (command == all.end()) {
        err << "tensora-cli: unknown command " << quoted_argument(words[0])
            << " (see tensora-cli --help)\n";
        return 2;
    }
    if (words.size() - 1 != command->arguments.size()) {
        err << "tensora-cli: '" << command->name << "' takes " << command->arguments.size()
            << " numbers (see tensora-cli --help)\n";
        return 2;
    }
    std::vector<double> values;
    for (std::size_t i = 0; i < command->arguments.size(); ++i) {
        values.push_back(read_box(command->arguments[i], words[i + 1], units, err));
    }
    const bool exact_number = exact && !command->no_number(values);
    out << (exact_number
                ? exact_text(shown_value(command->calculate(values), command->result, units))
                : command->shown(values, units))
        << '\n';
    return written(out, err);
}

} // namespace

CliServices installed_services() {
    CliServices services;
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    if (!error) {
        services.data_folders.push_back(here);
    }
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        services.data_folders.push_back(program.parent_path());
        services.data_folders.push_back(
            (program.parent_path() / ".." / "share" / "tensora").lexically_normal());
    }
    // The settings folder the windows keep theirs in: $XDG_CONFIG_HOME, else ~/.config.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path folder;
    if (config && *config && std::filesystem::path(config).is_absolute()) {
        folder = config;
    } else if (home && *home) {
        folder = std::filesystem::path(home) / ".config";
    }
    if (!folder.empty()) {
        services.user_friction_file = folder / "Tensora" / std::string(kFrictionLibraryFileName);
    }
    return services;
}

int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
            const CliServices& services) {
    errno = 0; // so that a failed write names its own reason
    if (!arguments.empty() && arguments[0] == "--version") {
        out << "tensora-cli " << kVersionMajor << '.' << kVersionMinor << '.' << kVersionRevision
            << '\n';
        return written(out, err);
    }
    if (!arguments.empty() && is_help_option(arguments[0])) {
        out << kUsage;
        return written(out, err);
    }
    if (const std::optional<int> status = run_plan_command(arguments, out, err, services)) {
        return *status;
    }
    return run_quick_command(arguments, out, err);
}

} // namespace tensora
