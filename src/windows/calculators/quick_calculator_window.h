// The common form of the quick calculators: an "Inputs" group with up to two range inputs and
// a friction input, and a "Results" group with the formula in words, the result's title and
// the result. Every change of an input recomputes the result at once.
#pragma once

#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"
#include "windows/calculators/range_input.h"

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QGridLayout;

namespace tensora {

struct LabelDesign {
    const char* name;
    QString text;
};

// A quick calculator's inputs as its formula takes them: the upper and lower range inputs and
// the coefficient of friction (0 where the window has none).
struct QuickInputs {
    double upper = 0;
    double lower = 0;
    double friction = 0;
};
using QuickFormula = std::function<double(const QuickInputs&)>;

struct QuickCalculatorDesign {
    const char* object_name;
    QString design_caption;
    QString caption_suffix; // follows the application title once loaded
    RangeInputDesign upper;
    std::optional<RangeInputDesign> lower;
    std::optional<LabelDesign> friction_heading;
    LabelDesign result_title;
    LabelDesign formula;
    QString inputs_title = QStringLiteral("Inputs");
    // What the result is, and its title in metric ("Straight Section Tension, N").
    std::optional<Quantity> result_quantity = std::nullopt;
    QString metric_result_title = {};
    // The formula in words where metric units change it (a weight in kg/m times g); empty:
    // the same words.
    QString metric_formula = {};
    // A window that places its groups itself (and the friction box outside the inputs group)
    // turns this off.
    bool standard_layout = true;
    // The window's calculation from its inputs' values; a window that reads other boxes too
    // gives none and calculates itself.
    QuickFormula calculation = {};
};

class QuickCalculatorWindow : public RegisteredWindow<QWidget>,
                              public UnitFollower,
                              public LanguageFollower {
    Q_OBJECT

public:
    // The event handlers every quick calculator shares (Text2 pairs with Slider1, Text3 with
    // Slider2, Text1 is the coefficient of friction).
    void Form_Load();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Slider1_Click();
    void Slider2_Click();

    // Converts the boxes, rescales the sliders, names the units and shows the result again.
    void unitsChanged(UnitSystem from, UnitSystem to) override;
    // The titles kept for a units switch, in the new language.
    void languageChanged() override;
    UnitSystem units() const { return units_; }

protected:
    QuickCalculatorWindow(WindowRegistry& registry, const QuickCalculatorDesign& design);

    // The window's calculation, from the current texts: its design's formula by default.
    virtual double calculate() const;
    // The result as the result label shows it: by default rounded down to a whole number.
    virtual QString resultText();

    void showResult();
    // The load steps after the caption: the boxes take the sliders' positions, then the result.
    void loadInputs();

    // The upper input's, lower input's and friction's values as the calculation reads them.
    double upperValue() const;
    double lowerValue() const;
    double frictionValue() const;

    // Room for a window's own controls: the input grid and its next free row.
    QGridLayout& inputGrid() const { return *input_grid_; }
    int nextInputRow() const { return next_input_row_; }

    // The groups and pieces, for a window that places them itself.
    QGroupBox* inputsGroup() const { return inputs_; }
    QGroupBox* resultsGroup() const { return results_; }
    FrictionInput* frictionInput() const { return friction_.get(); }
    QLineEdit* upperBox() const { return upper_->text; }
    QLineEdit* lowerBox() const { return lower_ ? lower_->text : nullptr; }
    // Lets the sliders shrink below their standard length, for a window with more to show.
    void setSliderMinimumWidth(int width);
    // The last control of the standard tab order, for windows that add controls after it.
    QWidget* inputGroupLastFocus() const;
    NumberLocale numberLocale() const { return locale_; }
    // A window's own boxes and captions follow a switch of units here.
    virtual void switchOwnUnits(UnitSystem from, UnitSystem to);

private:
    NumberLocale locale_;
    UnitSystem units_;
    std::optional<Quantity> result_quantity_;
    QuickFormula calculation_;
    QString result_titles_[2]; // inch-pound, metric
    QString formulas_[2];
    QString caption_suffix_;
    QGroupBox* inputs_;
    QGroupBox* results_;
    QGridLayout* input_grid_;
    int next_input_row_ = 0;
    std::unique_ptr<RangeInput> upper_;
    std::unique_ptr<RangeInput> lower_;
    std::unique_ptr<FrictionInput> friction_;
    QLabel* result_title_;
    QLabel* result_;
    QLabel* formula_;
};

// The bold Arial 9.75 pt of every result and result title.
QFont result_font();

} // namespace tensora
