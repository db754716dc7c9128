#include "calculators/range_input.h"

#include "numbers/input_checks.h"
#include "widgets/qt_text.h"

#include <QGridLayout>

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
                       std::function<void()> show_result, QWidget* parent)
    : QObject(parent), heading(named_label(design.heading_name, design.heading, parent)),
      slider(new QSlider(Qt::Horizontal, parent)),
      text(named_box(design.text_name, design.design_text, parent)),
      unit(named_label(design.unit_name, design.unit, parent)), platform_(platform),
      locale_(platform.numberLocale()), show_result_(std::move(show_result)) {
    slider->setObjectName(QLatin1String(design.slider_name));
    slider->setRange(design.minimum, design.maximum);
    slider->setValue(design.position);
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

void RangeInput::load() {
    text->setText(QString::number(slider->value()));
}

void RangeInput::textChange() {
    const std::string typed = text->text().toStdString();
    warn_about_change(platform_, text, locale_, range_input_message(typed, locale_));
    slider->setValue(
        slider_position(read_input(typed, locale_), slider->minimum(), slider->maximum()));
    show_result_();
}

void RangeInput::sliderClick() {
    text->setText(QString::number(slider->sliderPosition()));
    show_result_();
}

double RangeInput::value() const {
    return read_input(text->text().toStdString(), locale_);
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
