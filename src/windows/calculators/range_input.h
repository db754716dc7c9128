// The input pieces the quick calculators share: a range input (a text box paired with a
// slider) and a friction input (a text box holding a coefficient between 0 and 1).
#pragma once

#include "widgets/input_warnings.h"
#include "widgets/platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QSlider>

#include <functional>
#include <optional>
#include <string_view>

class QGridLayout;

namespace tensora {

struct RangeInputDesign {
    const char* heading_name;
    QString heading;
    const char* slider_name;
    int minimum;
    int maximum;
    int position;
    const char* text_name;
    QString design_text;
    const char* unit_name;
    QString unit;
    // What the box holds; none for a figure without units (an angle). The design values above
    // are inch-pound; in metric the box and slider show the quantity in metric units.
    std::optional<Quantity> quantity = std::nullopt;
};

// The text box is the input; the slider follows it and, when the user moves the slider, the
// text box takes the slider's position. Every change ends in the window's result being shown.
class RangeInput : public QObject {
    Q_OBJECT

public:
    RangeInput(const RangeInputDesign& design, Platform& platform,
               std::function<void()> show_result, QWidget* parent,
               UnitSystem units = UnitSystem::InchPound);

    // Puts the heading on one row and the slider, box and unit on the next.
    void addTo(QGridLayout& grid, int row) const;

    // The window's load step: the box takes the slider's position (its change steps run).
    void load();
    // The change of the box's text: warn when it is not a number, move the slider, show.
    void textChange();
    // A user move of the slider, by mouse or keyboard: the box takes the position, then show.
    void sliderClick();

    // The box's value in inch-pound units.
    double value() const;
    // Converts the box's text, rescales the slider and names the unit.
    void switchUnits(UnitSystem from, UnitSystem to);

    QLabel* heading;
    QSlider* slider;
    QLineEdit* text;
    QLabel* unit;

private:
    // The slider's range and step for the units: inch-pound positions are the design's; a
    // metric position is a power of ten of the metric unit near the inch-pound one.
    void scaleSlider();
    QString positionText(int position) const;

    Platform& platform_;
    NumberLocale locale_;
    std::function<void()> show_result_;
    std::optional<Quantity> quantity_;
    UnitSystem units_;
    int design_minimum_;
    int design_maximum_;
    QString design_unit_;
    double step_ = 1; // the box's value per slider position
    SwitchMemo memo_;
};

// A coefficient of friction box: a warning for a text that is not a number between 0 and 1,
// and the result shown in any case.
class FrictionInput : public QObject {
    Q_OBJECT

public:
    FrictionInput(const char* heading_name, const QString& heading, Platform& platform,
                  std::function<void()> show_result, QWidget* parent);

    // Puts the heading and the box on one row, the box under the range inputs' boxes.
    void addTo(QGridLayout& grid, int row) const;

    void textChange();
    double value() const;

    QLabel* heading;
    QLineEdit* text;

private:
    Platform& platform_;
    NumberLocale locale_;
    std::function<void()> show_result_;
};

} // namespace tensora
