#include "report/report_settings.h"

#include "fill/fill_ratio.h"

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

FillReport fill_report(const ReadReport::Fill& cables) {
    const NumberLocale english{".", ""};
    const ConduitStandard& table = conduit_standard(
        conduit_standard_by_name(cables.standard).value_or(ConduitStandardId::Schedule40));
    FillReport fill;
    fill.standard = std::string(table.name);
    fill.diameters = cables.diameters;
    fill.preferred_max = cables.preferred_max.value_or(fill.preferred_max);
    const TableRating rating = rate_table(table, cables.diameters, fill.preferred_max, english);
    fill.count = rating.totals.count;
    fill.total_area = rating.totals.total_area;
    fill.pair_width_label = "Maximum combined pair width (in)";
    fill.pair_width = rating.totals.pair_width;
    for (std::size_t i = 0; i < table.sizes.size() && i < rating.sizes.size(); ++i) {
        fill.rows.push_back({std::string(table.sizes[i].trade_size),
                             std::string(table.sizes[i].pipe_id), rating.sizes[i].area,
                             rating.sizes[i].percent});
    }
    return fill;
}

ReportContents kept_parts(const ReadReport& report) {
    ReportContents parts;
    if (report.fill && !report.fill->empty()) {
        parts.fill = fill_report(*report.fill);
    }
    parts.cable_set = report.cable_set;
    parts.check = report.check;
    parts.equipment = report.equipment;
    return parts;
}

} // namespace tensora
