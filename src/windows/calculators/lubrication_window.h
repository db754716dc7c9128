// Pulling lubricant quantity: 0.0015 gallons per foot of pull and per inch of conduit inner
// diameter, shown with one decimal.
#pragma once

#include "windows/calculators/quick_calculator_window.h"

#include <QListWidget>
#include <QPushButton>

namespace tensora {

class Lubrication : public QuickCalculatorWindow {
    Q_OBJECT

public:
    explicit Lubrication(WindowRegistry& registry);

    // Gallons of lubricant from the texts of the length and diameter boxes.
    double quantitycalc() const;

    // The diameter box has no check: a change only recomputes.
    void Text1_Change();
    void List1_Click(int row);
    void Command1_Click();

protected:
    double calculate() const override { return quantitycalc(); }
    QString resultText() override;
    void switchOwnUnits(UnitSystem from, UnitSystem to) override;

private:
    // A diameter of the design's list (inches, "2.0") as the box shows it in the units in use.
    QString shownDiameter(const std::string& inches) const;
    void showDiameters();
    QLabel* diameter_unit_ = nullptr;
    SwitchMemo diameter_memo_;
    QListWidget* List1;
    QLineEdit* Text1;
    QPushButton* Command1;
};

} // namespace tensora
