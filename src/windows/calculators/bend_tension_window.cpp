#include "windows/calculators/bend_tension_window.h"

#include "calculators/formulas.h"

namespace tensora {
namespace {

QuickCalculatorDesign design() {
    QuickCalculatorDesign design{
        "BendTension",
        QStringLiteral("Tension in a Bend"),
        QStringLiteral(" - Tension in a Bend"),
        {"Label1", QStringLiteral("Select or Enter the Cable tension just before the bend"),
         "Slider1", 10, 5000, 10, "Text2", QStringLiteral("Text2"), "Label8", QStringLiteral("lbs"),
         Quantity::Tension},
        RangeInputDesign{"Label2", QStringLiteral("Select or Enter the Bend Angle, in Degrees"),
                         "Slider2", 0, 180, 5, "Text3", QStringLiteral("Text3"), "Label9",
                         QStringLiteral("degrees")},
        LabelDesign{"Label3", QStringLiteral("Enter the Coefficient of Friction")},
        {"Label4", QStringLiteral("Tension Exiting Bend, lbs")},
        {"Label6", QStringLiteral("Tension = Cable Tension * e ^ ( bend radians * friction)")},
        QStringLiteral("Inputs"),
        Quantity::Tension,
        QStringLiteral("Tension Exiting Bend, N"),
    };
    // The tension and the angle are read from their boxes in full, like every other
    // calculator's inputs, so a typed 45.9 degrees counts as 45.9.
    design.calculation = [](const QuickInputs& in) {
        return bend_exit_tension(in.upper, in.lower, in.friction);
    };
    return design;
}

} // namespace

BendTension::BendTension(WindowRegistry& registry) : QuickCalculatorWindow(registry, design()) {
    Form_Load();
}

double BendTension::bendcalc() const {
    return calculate(); // tension × e^(angle ÷ 57.3 × friction), the design's formula
}

} // namespace tensora
