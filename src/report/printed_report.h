// The report for people: what the printed and PDF report show, gathered from the planner, the
// fill ratio window and the document, as plain texts and numbers.
#pragma once

#include "pullplan/option_compare.h"
#include "report/job.h"
#include "pullplan/pull_check.h"
#include "pullplan/tension_log.h"
#include "pullplan/tension_profile.h"
#include "report/report.h"
#include "routes/route_drawing.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tensora {

// The pull check of several cables in one conduit, as the report shows it.
struct PrintedCheck {
    std::vector<std::pair<Message, Message>> inputs;  // label, text
    std::vector<std::pair<Message, Message>> results; // label, text
    bool ok = false;
    std::vector<CheckedBendTexts> bends;
    std::vector<bool> bend_over; // per bend: a pressure beyond the limit
    // The bends table's headings: link, radius, bearing forward, bearing reverse, limit, with
    // their units.
    std::array<Message, 5> bend_headings;
};

// `conduit` names the conduit chosen from the tables ("Schedule 40, trade size 5"), empty
// when its inside diameter was typed.
PrintedCheck printed_check(const std::string& conduit, const CheckInputs& inputs,
                           const CheckResult& result);

// Options compared side by side, as the report shows them: a row an option (its number, its
// changes, the highest tension forward and reverse, the share of the allowable tension, the
// highest sidewall bearing pressure, the verdict), the best one and the figure that decides it.
struct PrintedComparison {
    std::vector<std::vector<Message>> rows;
    std::vector<bool> ok; // per option: its verdict is "Pull OK"
    std::optional<std::size_t> best;
    Message deciding;
    ColumnUnit tension_unit{};
    ColumnUnit pressure_unit{};
};
PrintedComparison printed_comparison(const std::vector<CompareOption>& options,
                                     const Comparison& comparison, UnitSystem units);

// A pull's tension log as the report shows it: its points on the profile's axes (distance from
// the feed end and tension, in the units shown), those past the allowable tension, and the fit.
struct PrintedLog {
    std::vector<ProfilePoint> points;
    std::vector<ProfilePoint> over;
    std::vector<std::pair<Message, Message>> lines; // caption, text
};

// The log's points on the profile's axes (distance from the feed end, tension), in the units
// shown; `over` those beyond the allowable tension.
void log_on_profile(const TensionLog& log, bool forward, double route_length, double allowable,
                    UnitSystem units, std::vector<ProfilePoint>& points,
                    std::vector<ProfilePoint>& over);
// The log's points on the profile's axes and the lines of its fit, in the units shown.
PrintedLog printed_log(const TensionLog& log, const LogFit& fit, bool forward, double allowable,
                       UnitSystem units);
// The lines of a fit alone, as the log's window shows them.
std::vector<std::pair<Message, Message>> log_fit_lines(const LogFit& fit, UnitSystem units);

struct PrintedReport {
    std::string date;      // as the user's locale writes it
    std::string file_name; // the report file last saved or opened, empty when none
    PullPlanReport plan;   // the planner's texts, in the units shown
    UnitSystem units = UnitSystem::InchPound;
    // The units of the forward, forward sidewall, reverse and reverse sidewall columns.
    std::array<ColumnUnit, 4> column_units{};
    std::string lubricant; // empty when none was chosen
    // The share of the allowable tension each direction's final tension uses, uncapped
    // ("153%"); empty when there is no allowable tension to compare with.
    std::string forward_share;
    std::string reverse_share;
    Message caption;              // the mid-assist caption, empty when there is no point
    Message advice;               // which end to pull from, the mid-assist point; may be empty
    std::vector<bool> over_limit; // per link: a tension beyond the allowable tension
    ProfileData profile;
    std::optional<FillReport> fill;    // when the fill ratio window has cables
    std::optional<PrintedCheck> check; // when the pull check window has its inputs
    // The route drawn from above and from the side, on a page of its own: when the route view
    // is open.
    std::optional<RouteDrawing> route;
    // The pulling equipment's results, a caption and a finding each: when its window is open.
    std::vector<std::pair<Message, Message>> equipment;
    // Each link's own coefficient and raceway (empty for the plan's), and the options compared
    // when the comparison's window is open.
    std::vector<Message> link_raceways;
    std::optional<PrintedComparison> comparison;
    std::optional<PrintedLog> log; // when the planner holds a pull's tension log
    // The number form of the figures the report writes from values: the user's locale.
    NumberLocale locale{".", ","};
};

// A job as the report shows it: the schedule (a row of texts a pull), the cable to order, and
// each pull's own report after them.
struct PrintedJob {
    std::string date;
    std::string file_name;
    std::vector<std::vector<Message>> schedule; // pull, from, to, cables, length, rise, forward,
                                                // reverse, share, sidewall, direction, mid-assist,
                                                // verdict
    std::vector<bool> failing;
    std::vector<Message> headings;
    std::vector<std::pair<Message, Message>> order; // cable, length
    std::vector<PrintedReport> pulls;
    NumberLocale locale{".", ","};
};
PrintedJob printed_job_schedule(const std::vector<ScheduleRow>& rows, const CableOrder& order,
                                UnitSystem units);

// A plan's texts as people read them: a straight that runs at the inclination the route has
// reached shows it in its Angle cell, "(90)", and a figure the program wrote to its last digit
// (an imported route's) shows the column's digits (the report file keeps the texts as typed).
void show_link_figures(std::vector<ReportLink>& texts, const std::vector<PullLinkValues>& links,
                       const PullResults& results, const NumberLocale& locale);

// Which links have a tension, either way, beyond the allowable tension (none when the
// allowable tension is not a positive number).
std::vector<bool> links_over_limit(const PullResults& results, double allowable);

} // namespace tensora
