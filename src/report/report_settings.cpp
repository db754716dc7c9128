#include "report/report_settings.h"

namespace tensora {

ReportSettings report_settings(const ReadReport& report) {
    ReportSettings settings;
    settings.description = report.description;
    settings.allowable = report.allowable;
    settings.weight = report.weight;
    settings.friction = report.friction;
    settings.back_tension = report.back_tension;
    settings.weight_across =
        report.bend_weight && bend_weight_by_key(*report.bend_weight).value_or(false);
    settings.equipment = report.equipment.value_or(EquipmentReport{});
    settings.sheave_percent = settings.equipment.sheave_percent;
    settings.has_plan = report.has_plan;
    if (report.has_plan) {
        settings.links = report.links;
        settings.route_source = report.route_source.value_or(std::string());
        if (report.mid_assist_link && *report.mid_assist_link >= 1 &&
            *report.mid_assist_link <= static_cast<int>(report.links.size())) {
            settings.mid_assist_row = *report.mid_assist_link - 1;
        }
    }
    settings.set = report.cable_set;
    settings.check = report.check;
    if (report.fill && !report.fill->empty()) {
        settings.fill = report.fill;
    }
    return settings;
}

} // namespace tensora
