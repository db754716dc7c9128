// What a report that was read sets: the planner's boxes and plan, the pull check's set and
// conduit, the fill window's cables and the pulling equipment, in one place for the windows
// and the command line alike. Figures stay in the file's form (inch-pound, a decimal point);
// each reader shows them in its own units and number form.
#pragma once

#include "report/report.h"

#include <optional>
#include <string>
#include <vector>

namespace tensora {

struct ReportSettings {
    // The planner's cable boxes the report names; a box it does not name keeps its text.
    std::optional<std::string> description;
    std::optional<std::string> allowable;
    std::optional<std::string> weight;
    std::optional<std::string> friction;
    std::optional<std::string> back_tension;
    // The weight in bends (a report without the line was saved under the plane's rule) and
    // what a sheave adds (the equipment's part, 0 without one).
    bool weight_across = false;
    std::string sheave_percent = "0";
    // The plan, where the report has one: its links, their mid-assist point (a row) and the
    // route it was imported from.
    bool has_plan = false;
    std::vector<PullLinkTexts> links;
    std::optional<int> mid_assist_row;
    std::string route_source;
    // The equipment's inputs: the report's part, or the design inputs where it has none.
    EquipmentReport equipment;
    // The pull check's set (none: the planner's cable alone) and its conduit and limits
    // (none: the report holds no check part, and the check keeps what it shows).
    std::optional<CableSetReport> set;
    std::optional<CheckReport> check;
    // The fill ratio window's cables, where the report has them.
    std::optional<ReadReport::Fill> fill;
};

ReportSettings report_settings(const ReadReport& report);

// The parts of a report besides its plan, as saving it again writes them: its fill part (rated
// again from its cables and standard, Schedule 40 where it names none, as the fill window
// does), its cable set, check and equipment parts as they were read. The command line keeps a
// report's parts so when it saves it again.
ReportContents kept_parts(const ReadReport& report);

// A fill part rated from the cables (inches in the file's form), the standard named (none:
// Schedule 40) and the preferred maximum fill.
FillReport fill_report(const ReadReport::Fill& fill);

} // namespace tensora
