#include "windows/calculators/straight_pull_window.h"

#include "calculators/formulas.h"

namespace tensora {
namespace {

QuickCalculatorDesign design() {
    QuickCalculatorDesign design{
        "straightPull",
        QStringLiteral("Straight Section Pull tension"),
        QStringLiteral(" - Straight Section Tension"),
        {"Label11", QStringLiteral("Select or Enter the straight section length"), "Slider1", 10,
         5000, 10, "Text2", QStringLiteral("10"), "Label13", QStringLiteral("feet"),
         Quantity::Length},
        RangeInputDesign{"Label12", QStringLiteral("Select or Enter the cable weight"), "Slider2",
                         0, 500, 5, "Text3", QStringLiteral("5"), "Label14",
                         QStringLiteral("lbs / kft"), Quantity::Weight},
        LabelDesign{"Label15", QStringLiteral("Enter the Coefficient of Friction")},
        {"Label10", QStringLiteral("Straight Section Tension, lbs")},
        {"Label8", QStringLiteral("Tension = straight length * cable weight * friction")},
        QStringLiteral("Inputs"),
        Quantity::Tension,
        QStringLiteral("Straight Section Tension, N"),
        QStringLiteral("Tension = straight length * cable weight * 9.80665 * friction"),
    };
    design.calculation = [](const QuickInputs& in) {
        return straight_section_tension(in.upper, in.lower, in.friction);
    };
    return design;
}

} // namespace

straightPull::straightPull(WindowRegistry& registry) : QuickCalculatorWindow(registry, design()) {
    Form_Load();
}

double straightPull::straightcalc() const {
    return calculate(); // length × weight × friction, the design's formula
}

} // namespace tensora
