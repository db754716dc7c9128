#include "windows/calculators/sidewall_window.h"
#include "print/spoken_message.h"

#include "calculators/formulas.h"
#include "print/qt_text.h"

namespace tensora {
namespace {

QuickCalculatorDesign sidewall_design() {
    QuickCalculatorDesign design{
        "sidewall",
        UiText::tr("Sidewall Pressure"),
        QStringLiteral(" - ") + UiText::tr("Sidewall Pressure"),
        {"Label1", UiText::tr("Select or Enter the Cable tension in the bend"), "Slider1", 10, 2500,
         10, "Text2", QStringLiteral("Text2"), "Label8", QStringLiteral("lbs"), Quantity::Tension},
        RangeInputDesign{"Label2", UiText::tr("Select or Enter the Bend Length"), "Slider2", 0, 36,
                         5, "Text3", QStringLiteral("6"), "Label9", UiText::tr("inches"),
                         Quantity::Diameter},
        std::nullopt,
        {"Label4", UiText::tr("Sidewall Pressure, lbs")},
        {"Label6", UiText::tr("Pressure = tension in bend / bend length")},
        UiText::tr("Inputs"),
        Quantity::PressurePerInch,
        UiText::tr("Sidewall Pressure, N/m"),
    };
    design.calculation = [](const QuickInputs& in) {
        return sidewall_per_inch(in.upper, in.lower);
    };
    return design;
}

} // namespace

sidewall::sidewall(WindowRegistry& registry) : QuickCalculatorWindow(registry, sidewall_design()) {
    Form_Load();
}

double sidewall::sidewallcalc() const {
    return calculate(); // tension ÷ bend length, the design's formula
}

QString sidewall::resultText() {
    return spoken(sidewall_result(upperValue(), lowerValue(), units()), numberLocale());
}

} // namespace tensora
