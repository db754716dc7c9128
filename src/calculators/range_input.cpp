#include "calculators/range_input.h"

#include "app/qt_text.h"
#include "calculators/calculator_inputs.h"

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

void show_message(Platform& platform, QWidget* raiser, std::string_view text) {
    platform.message(raiser->window(), qt_text(text));
}

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
    if (const auto warning = range_input_message(typed, locale_)) {
        show_message(platform_, text, *warning);
    }
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
      text(named_box("Text1", QStringLiteral("0.150"), parent)), platform_(platform),
      locale_(platform.numberLocale()), show_result_(std::move(show_result)) {
    heading->setBuddy(text);
    connect(text, &QLineEdit::textChanged, this, &FrictionInput::textChange);
}

void FrictionInput::addTo(QGridLayout& grid, int row) const {
    grid.addWidget(heading, row, 0);
    grid.addWidget(text, row, 1);
}

void FrictionInput::textChange() {
    if (const auto warning = friction_input_message(text->text().toStdString(), locale_)) {
        show_message(platform_, text, *warning);
    }
    show_result_();
}

double FrictionInput::value() const {
    return read_input(text->text().toStdString(), locale_);
}

} // namespace tensora
