// Sidewall pressure: the tension in a bend divided by the bend length.
#pragma once

#include "windows/calculators/quick_calculator_window.h"

namespace tensora {

class sidewall : public QuickCalculatorWindow {
    Q_OBJECT

public:
    explicit sidewall(WindowRegistry& registry);

    // The sidewall pressure from the texts of the tension and bend length boxes.
    double sidewallcalc() const;

protected:
    QString resultText() override;
};

} // namespace tensora
