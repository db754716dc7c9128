#include "windows/calculators/straight_pull_window.h"

#include "calculators/formulas.h"
#include "print/qt_text.h"

namespace tensora {
namespace {

QuickCalculatorDesign straight_pull_design() {
    QuickCalculatorDesign design{
        "straightPull",
        UiText::tr("Straight Section Pull tension"),
        QStringLiteral(" - ") + UiText::tr("Straight Section Tension"),
        {"Label11", UiText::tr("Select or Enter the straight section length"), "Slider1", 10, 5000,
         10, "Text2", QStringLiteral("10"), "Label13", UiText::tr("feet"), Quantity::Length},
        RangeInputDesign{"Label12", UiText::tr("Select or Enter the cable weight"), "Slider2", 0,
                         500, 5, "Text3", QStringLiteral("5"), "Label14", UiText::tr("lbs / kft"),
                         Quantity::Weight},
        LabelDesign{"Label15", UiText::tr("Enter the Coefficient of Friction")},
        {"Label10", UiText::tr("Straight Section Tension, lbs")},
        {"Label8", UiText::tr("Tension = straight length * cable weight * friction")},
        UiText::tr("Inputs"),
        Quantity::Tension,
        UiText::tr("Straight Section Tension, N"),
        UiText::tr("Tension = straight length * cable weight * 9.80665 * friction"),
    };
    design.calculation = [](const QuickInputs& in) {
        return straight_section_tension(in.upper, in.lower, in.friction);
    };
    return design;
}

} // namespace

straightPull::straightPull(WindowRegistry& registry)
    : QuickCalculatorWindow(registry, straight_pull_design()) {
    Form_Load();
}

double straightPull::straightcalc() const {
    return calculate(); // length × weight × friction, the design's formula
}

} // namespace tensora
