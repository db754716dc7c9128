// The maximum pull length calculator, which is also the cable selection window: the longest
// straight pull before the tension reaches the cable's maximum, with the lubricant list that
// sets the coefficient of friction.
#pragma once

#include "calculators/quick_calculator_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

namespace tensora {

class MaxPull : public QuickCalculatorWindow {
    Q_OBJECT

public:
    explicit MaxPull(WindowRegistry& registry);

    // Sets the window up for its role, then loads the inputs and shows the result.
    void Form_Load();

    // The maximum pulling length in feet from the texts of the tension, weight and friction
    // boxes; then the hand-back to the launching window.
    double maxcalc();

    void List3_Click(int row);
    void Check1_Click();

protected:
    double calculate() const override;
    QString resultText() override;

private:
    void handBack();
    QWidget* buildLubricants();
    QWidget* buildBottomRow();

    QGroupBox* Frame3;
    QListWidget* List3;
    QPushButton* Command1;
    QCheckBox* Check1;
    QListWidget* List2;
    QListWidget* List1;
    QGroupBox* Frame4;
    QLineEdit* Text5;
};

} // namespace tensora
