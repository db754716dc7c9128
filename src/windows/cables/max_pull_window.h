// The maximum pull length calculator, which is also the cable selection window. Opened from
// the Tools menu it computes the longest straight pull before the tension reaches the cable's
// maximum. Opened by the pull planner's "Select Cable" it lets the user pick a category, a
// cable and a lubricant from the cable library, and hands the cable's values back into the
// planner after every change.
#pragma once

#include "windows/calculators/quick_calculator_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace tensora {

class CableColumns;
class CableReceiver;

class MaxPull : public QuickCalculatorWindow {
    Q_OBJECT

public:
    // Who opened the window, decided once as it loads. Launched by both the planner and the
    // fill ratio window, it looks and returns as for the fill ratio window and hands back into
    // the planner too. For the pull check's set it looks as for the fill ratio window and hands
    // the whole cable back.
    enum class Role { Calculator, PullPlanner, FillRatio, CableSet };

    explicit MaxPull(WindowRegistry& registry);

    Role role() const;

    // Sets the window up for its role, then loads the inputs and shows the result.
    void Form_Load();

    // The maximum pulling length in feet from the texts of the tension, weight and friction
    // boxes; then the hand-back to the launching window.
    double maxcalc();

    void Categoryselect_Click(int row);
    // The cables' title again, in the language now spoken.
    void languageChanged() override;
    // The library's column headings in the language spoken.
    QString cableHeading() const;
    void cables2choose_Click(int row);
    void List3_Click(int row);
    void Check1_Click();
    void Command1_Click();

    // Leaves manual entry only, when the cable library cannot be read.
    void hideCableSelection();

    // The outside diameter of the cable last chosen, inches as the data file gives it (in the
    // user's number form), empty before one is.
    QString chosenDiameter() const { return chosen_diameter_; }

    // The categories offered, and the rows the cable list holds.

protected:
    QString resultText() override;
    void closeEvent(QCloseEvent* event) override;
    // Launched for a window, Enter returns with the cable chosen (as the return button does)
    // and Escape closes without handing anything back.
    void keyPressEvent(QKeyEvent* event) override;
    void switchOwnUnits(UnitSystem from, UnitSystem to) override;

private:
    // The chosen cable's description, area, diameter, weight and rating in the units shown.
    void showDetails(int row);
    QString chosen_diameter_;
    SwitchMemo diameter_memo_;
    void handBack();
    // The windows loaded now that take a chosen cable back.
    std::vector<CableReceiver*> receivers() const;
    // The window of the class that opened the selection (a planner closed meanwhile is
    // created again, hidden, and keeps what is handed to it); nullptr for no such opener.
    CableReceiver* opener(const QString& class_name) const;
    QWidget* buildCables();
    QWidget* buildLubricants();
    QWidget* buildBottomRow();

    // The classes of the windows served at load: as the planner's and as the fill window's.
    QString planner_class_;
    QString fill_class_;
    QString set_class_;
    bool for_planner_ = false; // the planner's launch flag was set at load
    bool for_fill_ = false;    // the fill ratio window's
    bool for_set_ = false;     // the pull check's, for its set
    bool loading_ = false;
    QVBoxLayout* right_ = nullptr;       // the manual inputs, the result and the bottom row
    QGridLayout* bottom_grid_ = nullptr; // the details, the diameter and the return button
    int details_growth_ = 0;             // how much the shown details made the window grow
    int category_row_ = -1;              // the category shown, none yet

    QGroupBox* Cables;
    QListWidget* Categoryselect;
    QListWidget* cables2choose;
    CableColumns* cable_columns_;
    QLineEdit* Text4;
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
