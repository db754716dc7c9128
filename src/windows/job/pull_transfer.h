// A pull handed between the windows and a report: the planner, the pull check and the pulling
// equipment take a report's settings, and give back the report of what they hold.
#pragma once

#include "report/report.h"
#include "report/report_settings.h"
#include "widgets/window_registry.h"

namespace tensora {

// Puts a report's pull into the planner, the pull check and the pulling equipment (each made
// where the report holds its part); the fill window takes its cables.
void apply_report_to_windows(WindowRegistry& registry, const ReadReport& report);

// The report of the pull the windows hold: the planner's plan, the pull check's set and
// conduit, the equipment's inputs where their windows are open.
ReportContents pull_in_windows(WindowRegistry& registry);

} // namespace tensora
