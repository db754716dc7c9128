// The straight section tension calculator: length × cable weight × coefficient of friction.
#pragma once

#include "windows/calculators/quick_calculator_window.h"

namespace tensora {

class straightPull : public QuickCalculatorWindow {
    Q_OBJECT

public:
    explicit straightPull(WindowRegistry& registry);

    // The tension in lbs for the texts of the length, weight and friction boxes.
    double straightcalc() const;

protected:
};

} // namespace tensora
