#include "windows/calculators/bend_tension_window.h"

#include "calculators/formulas.h"
#include "print/qt_text.h"

namespace tensora {
namespace {

QuickCalculatorDesign bend_tension_design() {
    QuickCalculatorDesign design{
        "BendTension",
        UiText::tr("Tension in a Bend"),
        QStringLiteral(" - ") + UiText::tr("Tension in a Bend"),
        {"Label1", UiText::tr("Select or Enter the Cable tension just before the bend"), "Slider1",
         10, 5000, 10, "Text2", QStringLiteral("Text2"), "Label8", QStringLiteral("lbs"),
         Quantity::Tension},
        RangeInputDesign{"Label2", UiText::tr("Select or Enter the Bend Angle, in Degrees"),
                         "Slider2", 0, 180, 5, "Text3", QStringLiteral("Text3"), "Label9",
                         UiText::tr("degrees")},
        LabelDesign{"Label3", UiText::tr("Enter the Coefficient of Friction")},
        {"Label4", UiText::tr("Tension Exiting Bend, lbs")},
        {"Label6", UiText::tr("Tension = Cable Tension * e ^ ( bend radians * friction)")},
        UiText::tr("Inputs"),
        Quantity::Tension,
        UiText::tr("Tension Exiting Bend, N"),
    };
    // The tension and the angle are read from their boxes in full, like every other
    // calculator's inputs, so a typed 45.9 degrees counts as 45.9.
    design.calculation = [](const QuickInputs& in) {
        return bend_exit_tension(in.upper, in.lower, in.friction);
    };
    return design;
}

} // namespace

BendTension::BendTension(WindowRegistry& registry)
    : QuickCalculatorWindow(registry, bend_tension_design()) {
    Form_Load();
}

double BendTension::bendcalc() const {
    return calculate(); // tension × e^(angle ÷ 57.3 × friction), the design's formula
}

} // namespace tensora
