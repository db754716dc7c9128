// Tension in a bend: the capstan relation, tension × e^(angle in radians × friction).
#pragma once

#include "windows/calculators/quick_calculator_window.h"

namespace tensora {

class BendTension : public QuickCalculatorWindow {
    Q_OBJECT

public:
    explicit BendTension(WindowRegistry& registry);

    // The tension leaving the bend, lbs, from the texts of the tension, angle and friction
    // boxes.
    double bendcalc() const;

protected:
};

} // namespace tensora
