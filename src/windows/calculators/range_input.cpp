#include "windows/calculators/range_input.h"

#include "numbers/input_checks.h"
#include "print/qt_text.h"

#include <QGridLayout>
#include <QSignalBlocker>

#include <cmath>

namespace tensora {
namespace {

constexpr int kSliderWidth = 385; // the long bar across the input group
constexpr int kBoxWidth = 90;

QLabel* named_label(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* named_box(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setFixedWidth(kBoxWidth);
    return box;
}

} // namespace

RangeInput::RangeInput(const RangeInputDesign& design, Platform& platform,
                       std::function<void()> show_result, QWidget* parent, UnitSystem units)
    : QObject(parent), heading(named_label(design.heading_name, design.heading, parent)),
      slider(new QSlider(Qt::Horizontal, parent)),
      text(named_box(design.text_name, design.design_text, parent)),
      unit(named_label(design.unit_name, design.unit, parent)), platform_(platform),
      locale_(platform.numberLocale()), show_result_(std::move(show_result)),
      quantity_(design.quantity), units_(quantity_ ? units : UnitSystem::InchPound),
      design_minimum_(design.minimum), design_maximum_(design.maximum), design_unit_(design.unit) {
    slider->setObjectName(QLatin1String(design.slider_name));
    scaleSlider();
    const double start = quantity_ ? shown_value(design.position, *quantity_, units_)
                                   : static_cast<double>(design.position);
    slider->setValue(static_cast<int>(std::lround(start / step_)));
    slider->setSingleStep(1);
    slider->setPageStep(5);
    slider->setMinimumWidth(kSliderWidth);
    heading->setBuddy(text);

    connect(text, &QLineEdit::textChanged, this, &RangeInput::textChange);
    warn_when_left(platform_, text, locale_, [locale = locale_](std::string_view typed) {
        return range_input_message(typed, locale);
    });
    // actionTriggered fires for user moves only (mouse and keyboard), after the slider's
    // position has moved and before its value follows.
    connect(slider, &QSlider::actionTriggered, this, &RangeInput::sliderClick);
}

void RangeInput::addTo(QGridLayout& grid, int row) const {
    grid.addWidget(heading, row, 0, 1, 3);
    grid.addWidget(slider, row + 1, 0);
    grid.addWidget(text, row + 1, 1);
    grid.addWidget(unit, row + 1, 2);
}

void RangeInput::scaleSlider() {
    if (units_ == UnitSystem::InchPound) {
        step_ = 1;
        slider->setRange(design_minimum_, design_maximum_);
        unit->setText(design_unit_);
        return;
    }
    const Quantity quantity = *quantity_;
    const double factor = metric_per_inch_pound(quantity);
    step_ = std::pow(10.0, std::floor(std::log10(factor)));
    const auto position = [&](int inch_pound) {
        return static_cast<int>(std::lround(inch_pound * factor / step_));
    };
    slider->setRange(position(design_minimum_), position(design_maximum_));
    unit->setText(quantity == Quantity::Weight ? tr("kg / m")
                                               : qt_text(unit_symbol(quantity, units_)));
}

QString RangeInput::positionText(int position) const {
    return qt_text(locale_number_text(general_number_text(position * step_), locale_));
}

void RangeInput::switchUnits(UnitSystem from, UnitSystem to) {
    if (!quantity_ || from == to) {
        return;
    }
    const QString converted =
        qt_text(switched_text(text->text().toStdString(), memo_, *quantity_, from, to, locale_));
    units_ = to;
    const QSignalBlocker quiet(slider);
    scaleSlider();
    text->setText(converted); // moves the slider and shows the result
    text->setCursorPosition(0);
}

void RangeInput::load() {
    text->setText(positionText(slider->value()));
}

void RangeInput::textChange() {
    const std::string typed = text->text().toStdString();
    warn_about_change(platform_, text, locale_, range_input_message(typed, locale_));
    slider->setValue(
        slider_position(read_input(typed, locale_) / step_, slider->minimum(), slider->maximum()));
    show_result_();
}

void RangeInput::sliderClick() {
    text->setText(positionText(slider->sliderPosition()));
    show_result_();
}

double RangeInput::value() const {
    const double typed = read_input(text->text().toStdString(), locale_);
    return quantity_ ? inch_pound_value(typed, *quantity_, units_) : typed;
}

FrictionInput::FrictionInput(const char* heading_name, const QString& heading_text,
                             Platform& platform, std::function<void()> show_result, QWidget* parent)
    : QObject(parent), heading(named_label(heading_name, heading_text, parent)),
      text(named_box("Text1", qt_text(locale_number_text("0.150", platform.numberLocale())),
                     parent)),
      platform_(platform), locale_(platform.numberLocale()), show_result_(std::move(show_result)) {
    heading->setBuddy(text);
    connect(text, &QLineEdit::textChanged, this, &FrictionInput::textChange);
    warn_when_left(platform_, text, locale_, [locale = locale_](std::string_view typed) {
        return friction_input_message(typed, locale);
    });
}

void FrictionInput::addTo(QGridLayout& grid, int row) const {
    grid.addWidget(heading, row, 0);
    grid.addWidget(text, row, 1);
}

void FrictionInput::textChange() {
    warn_about_change(platform_, text, locale_,
                      friction_input_message(text->text().toStdString(), locale_));
    show_result_();
}

double FrictionInput::value() const {
    return read_input(text->text().toStdString(), locale_);
}

} // namespace tensora
