#include "report/report_figures.h"

namespace tensora {
namespace {

// The file's form: "." as the decimal point, no grouping.
const NumberLocale kFileForm{".", ""};
// How the earlier versions wrote figures typed in a language with a decimal comma.
const NumberLocale kCommaForm{",", "."};
const NumberLocale kEnglish{".", ","};

// A figure of the report and the name of its field, as the file names it.
struct FigureField {
    std::string name;
    std::string* text;
    // Written as typed by the versions before the file had one form (the cable set and the
    // check's part never were).
    bool typed_form = true;
};

std::vector<FigureField> figure_fields(ReadReport& report) {
    std::vector<FigureField> fields;
    const std::pair<const char*, std::optional<std::string>*> labels[] = {
        {"Capable Load", &report.allowable},
        {"Cable Weight", &report.weight},
        {"Coefficient of Friction", &report.friction},
        {"Back Tension", &report.back_tension}};
    for (const auto& [name, value] : labels) {
        if (*value) {
            fields.push_back({name, &**value});
        }
    }
    for (std::size_t i = 0; i < report.links.size(); ++i) {
        PullLinkTexts& link = report.links[i];
        const std::string which = "Link " + std::to_string(i + 1);
        fields.push_back({which + " length", &link.length});
        if (link.type != kStraightType || link.inclined) {
            fields.push_back({which + " angle", &link.angle});
        }
        if (link.type == kTiltedType) {
            fields.push_back({which + " tilt", &link.tilt});
        }
        // Written in the file's form since they were first written.
        if (!link.raceway.friction.empty()) {
            fields.push_back({which + " coefficient of friction", &link.raceway.friction, false});
        }
        if (!link.raceway.id.empty()) {
            fields.push_back({which + " inside diameter", &link.raceway.id, false});
        }
    }
    if (report.equipment) {
        EquipmentReport& equipment = *report.equipment;
        const std::pair<const char*, std::string*> inputs[] = {
            {"Puller Rating", &equipment.puller},
            {"Rope Breaking Strength", &equipment.rope_strength},
            {"Rope Design Factor", &equipment.design_factor},
            {"Sheave Rating", &equipment.sheave_rating},
            {"Sheave Tension Added %", &equipment.sheave_percent},
            {"Capstan Friction", &equipment.capstan_friction},
            {"Tail Force Limit", &equipment.tail_limit}};
        for (const auto& [name, text] : inputs) {
            fields.push_back({name, text});
        }
    }
    if (report.fill) {
        for (std::size_t i = 0; i < report.fill->diameters.size(); ++i) {
            fields.push_back({"Cable OD " + std::to_string(i + 1), &report.fill->diameters[i]});
        }
        if (report.fill->preferred_max) {
            fields.push_back({"Preferred maximum fill", &*report.fill->preferred_max});
        }
    }
    if (report.check) {
        CheckReport& check = *report.check;
        const std::pair<const char*, std::string*> inputs[] = {
            {"Conduit ID", &check.conduit_id},
            {"Minimum Clearance", &check.min_clearance},
            {"Sidewall Limit", &check.sidewall_limit},
            {"Bend Radius", &check.bend_radius}};
        for (const auto& [name, text] : inputs) {
            fields.push_back({name, text, false});
        }
    }
    return fields;
}

// Whether a figure can only have been written with a decimal comma: a comma that groups no
// thousands ("4999,97", "0,35"), or one after a lone zero ("0,150", which no one writes for
// 150).
bool only_a_decimal_comma(std::string_view text) {
    const std::string_view figure = trimmed_blanks(text);
    const std::size_t comma = figure.find(',');
    if (comma == std::string_view::npos || !isNumberText(figure, kCommaForm)) {
        return false;
    }
    if (!isNumberText(figure, kEnglish)) {
        return true;
    }
    const std::size_t digits = figure.find_first_not_of("+-");
    return digits < comma && figure.substr(digits, comma - digits) == "0";
}

} // namespace

PullPlanReport plan_in_file_form(PullPlanReport plan, const NumberLocale& locale) {
    for (std::string* text : {&plan.allowable, &plan.weight, &plan.friction, &plan.back_tension}) {
        *text = plain_number_text(*text, locale);
    }
    for (ReportLink& link : plan.links) {
        link.length = plain_number_text(link.length, locale);
        link.angle = plain_number_text(link.angle, locale);
        link.tilt = plain_number_text(link.tilt, locale);
        link.raceway.friction = plain_number_text(link.raceway.friction, locale);
        link.raceway.id = plain_number_text(link.raceway.id, locale);
    }
    return plan;
}

namespace {

template <typename Change>
EquipmentReport equipment_figures(EquipmentReport equipment, Change change) {
    for (std::string* text :
         {&equipment.puller, &equipment.rope_strength, &equipment.design_factor,
          &equipment.sheave_rating, &equipment.sheave_percent, &equipment.capstan_friction,
          &equipment.tail_limit}) {
        *text = change(*text);
    }
    return equipment;
}

template <typename Change>
CheckReport check_figures(CheckReport check, Change change) {
    for (std::string* text :
         {&check.conduit_id, &check.min_clearance, &check.sidewall_limit, &check.bend_radius,
          &check.cable_kind}) {
        *text = change(*text);
    }
    return check;
}

} // namespace

EquipmentReport equipment_in_file_form(EquipmentReport equipment, const NumberLocale& locale) {
    return equipment_figures(std::move(equipment),
                             [&](const std::string& text) { return plain_number_text(text, locale); });
}

EquipmentReport equipment_in_box_form(EquipmentReport equipment, const NumberLocale& locale) {
    return equipment_figures(std::move(equipment), [&](const std::string& text) {
        return locale_number_text(text, locale);
    });
}

CheckReport check_in_file_form(CheckReport check, const NumberLocale& locale) {
    return check_figures(std::move(check),
                         [&](const std::string& text) { return plain_number_text(text, locale); });
}

CheckReport check_in_box_form(CheckReport check, const NumberLocale& locale) {
    return check_figures(std::move(check),
                         [&](const std::string& text) { return locale_number_text(text, locale); });
}

void read_report_figures(ReadReport& report) {
    std::vector<FigureField> fields = figure_fields(report);
    for (const FigureField& field : fields) {
        report.decimal_commas =
            report.decimal_commas || (field.typed_form && only_a_decimal_comma(*field.text));
    }
    for (FigureField& field : fields) {
        // Typed as the earlier versions kept it: with decimal commas, or grouped as in English.
        if (field.typed_form) {
            *field.text =
                plain_number_text(*field.text, report.decimal_commas ? kCommaForm : kEnglish);
        }
        if (!trimmed_blanks(*field.text).empty() && !isNumberText(*field.text, kFileForm)) {
            report.figure_notes.push_back(
                Message(TENSORA_TEXT("Report", "%1 \"%2\" is not a number"))
                    .data(field.name)
                    .data(*field.text));
        }
    }
}

} // namespace tensora
