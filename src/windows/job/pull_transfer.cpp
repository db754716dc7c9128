#include "windows/job/pull_transfer.h"

#include "windows/equipment/pulling_equipment_window.h"
#include "windows/fill/fill_ratio_window.h"
#include "windows/pullplan/pull_calculator_window.h"
#include "windows/pullplan/pull_check_window.h"

namespace tensora {

void apply_report_to_windows(WindowRegistry& registry, const ReadReport& report) {
    const ReportSettings settings = report_settings(report);
    // The report's figures are inch-pound; it opens in the units it was saved in.
    registry.setUnits(report.units_shown.value_or(UnitSystem::InchPound));
    registry.get<PullCalculator>().applyReport(settings);
    if (settings.fill) {
        registry.get<FillRatio>().applyReport(*settings.fill);
    }
    // A report without a set gives the check the planner's cable alone.
    if (settings.set || settings.check || registry.find<PullCheck>()) {
        PullCheck& check = registry.get<PullCheck>();
        check.applySetReport(settings.set);
        if (settings.check) {
            check.applyCheckReport(*settings.check);
        }
    }
    // A report without the equipment's part gives it the design inputs, the planner's sheaves
    // included.
    if (report.equipment || registry.find<PullingEquipment>()) {
        registry.get<PullingEquipment>().applyReport(settings.equipment);
    }
}

ReportContents pull_in_windows(WindowRegistry& registry) {
    ReportContents contents;
    contents.units_shown = registry.units();
    contents.pull_plan = registry.get<PullCalculator>().report();
    // The pull check's set goes with the plan it is pulled through.
    if (const PullCheck* check = registry.find<PullCheck>()) {
        contents.cable_set = check->setReport();
        contents.check = check->checkReport();
    }
    if (const PullingEquipment* equipment = registry.find<PullingEquipment>()) {
        contents.equipment = equipment->report();
    }
    return contents;
}

} // namespace tensora
