// The figures of a report: the file holds them in one form whatever the locale that wrote it
// (a decimal point, no grouping: the form the English program writes), and reads them in that
// form whatever the locale that reads it; the boxes show them in the user's locale. The
// windows and the command line change forms here, at the file's edge.
#pragma once

#include "report/report.h"

namespace tensora {

// The planner's texts, typed in `locale`, in the file's form: the cable's figures and each
// link's length, angle and tilt (the description and the results as they are).
PullPlanReport plan_in_file_form(PullPlanReport plan, const NumberLocale& locale);

// The equipment's inputs between the file's form and the boxes' form in `locale`.
EquipmentReport equipment_in_file_form(EquipmentReport equipment, const NumberLocale& locale);
EquipmentReport equipment_in_box_form(EquipmentReport equipment, const NumberLocale& locale);

// The check's conduit and limits between the two forms.
CheckReport check_in_file_form(CheckReport check, const NumberLocale& locale);
CheckReport check_in_box_form(CheckReport check, const NumberLocale& locale);

// After a report is read: where an earlier version wrote its figures with decimal commas (one
// figure at least reads only so, "4999,97" or "0,150"), each figure is taken with the comma as
// its decimal point and the report says so; then each figure that is not a number in the
// file's form is named by its field. The texts of the cable set, which was always written in
// the file's form, stay as they are.
void read_report_figures(ReadReport& report);

} // namespace tensora
