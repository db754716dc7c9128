#include "windows/calculators/quick_calculator_window.h"
#include "print/spoken_message.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tensora {

QFont result_font() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QuickCalculatorWindow::QuickCalculatorWindow(WindowRegistry& registry,
                                             const QuickCalculatorDesign& design)
    : RegisteredWindow<QWidget>(registry), locale_(platform().numberLocale()),
      units_(registry.units()), result_quantity_(design.result_quantity),
      calculation_(design.calculation), result_titles_{design.result_title.text,
                                                       design.metric_result_title},
      formulas_{design.formula.text,
                design.metric_formula.isEmpty() ? design.formula.text : design.metric_formula},
      caption_suffix_(design.caption_suffix), inputs_(new QGroupBox(design.inputs_title, this)),
      results_(new QGroupBox(tr("Results"), this)), input_grid_(new QGridLayout(inputs_)) {
    setObjectName(QLatin1String(design.object_name));
    setWindowTitle(design.design_caption);
    inputs_->setObjectName(QStringLiteral("Frame2"));
    results_->setObjectName(QStringLiteral("Frame1"));

    const auto show = [this] { showResult(); };
    input_grid_->setHorizontalSpacing(10);
    input_grid_->setColumnStretch(0, 1);
    upper_ = std::make_unique<RangeInput>(design.upper, platform(), show, inputs_, units_);
    upper_->addTo(*input_grid_, next_input_row_);
    next_input_row_ += 2;
    if (design.lower) {
        input_grid_->setRowMinimumHeight(next_input_row_, 6);
        lower_ = std::make_unique<RangeInput>(*design.lower, platform(), show, inputs_, units_);
        lower_->addTo(*input_grid_, next_input_row_ + 1);
        next_input_row_ += 3;
    }
    if (design.friction_heading) {
        input_grid_->setRowMinimumHeight(next_input_row_, 6);
        friction_ = std::make_unique<FrictionInput>(design.friction_heading->name,
                                                    design.friction_heading->text, platform(), show,
                                                    inputs_);
        friction_->addTo(*input_grid_, next_input_row_ + 1);
        next_input_row_ += 2;
    }

    formula_ = new QLabel(formulas_[units_ == UnitSystem::Metric ? 1 : 0], results_);
    formula_->setObjectName(QLatin1String(design.formula.name));
    result_title_ = new QLabel(units_ == UnitSystem::Metric ? design.metric_result_title
                                                            : design.result_title.text,
                               results_);
    result_title_->setObjectName(QLatin1String(design.result_title.name));
    result_title_->setFont(result_font());
    result_ = new QLabel(QStringLiteral("Label5"), results_);
    result_->setObjectName(QStringLiteral("Label5"));
    result_->setFont(result_font());
    result_->setMinimumWidth(120);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* result_row = new QHBoxLayout;
    result_row->addWidget(result_title_);
    result_row->addSpacing(16);
    result_row->addWidget(result_, 1);
    auto* results_layout = new QVBoxLayout(results_);
    results_layout->addWidget(formula_);
    results_layout->addLayout(result_row);

    if (design.standard_layout) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(inputs_);
        layout->addWidget(results_);
        layout->addStretch(1);
    }

    QWidget* previous = upper_->text;
    setTabOrder(previous, upper_->slider);
    previous = upper_->slider;
    if (lower_) {
        setTabOrder(previous, lower_->text);
        setTabOrder(lower_->text, lower_->slider);
        previous = lower_->slider;
    }
    if (friction_) {
        setTabOrder(previous, friction_->text);
    }
}

void QuickCalculatorWindow::Form_Load() {
    setWindowTitle(kApplicationTitle + caption_suffix_);
    loadInputs();
}

void QuickCalculatorWindow::loadInputs() {
    upper_->load();
    if (lower_) {
        lower_->load();
    }
    showResult();
}

void QuickCalculatorWindow::Text1_Change() {
    if (friction_) {
        friction_->textChange();
    }
}

void QuickCalculatorWindow::Text2_Change() {
    upper_->textChange();
}

void QuickCalculatorWindow::Text3_Change() {
    if (lower_) {
        lower_->textChange();
    }
}

void QuickCalculatorWindow::Slider1_Click() {
    upper_->sliderClick();
}

void QuickCalculatorWindow::Slider2_Click() {
    if (lower_) {
        lower_->sliderClick();
    }
}

QString QuickCalculatorWindow::resultText() {
    const double result = calculate();
    Figure figure = result_quantity_ ? Figure::whole(result, *result_quantity_, units_)
                                     : Figure::number(result);
    figure.form = FigureForm::Whole;
    return spoken(figure_message(figure.without_symbol()), numberLocale());
}

void QuickCalculatorWindow::unitsChanged(UnitSystem from, UnitSystem to) {
    units_ = to;
    result_title_->setText(result_titles_[to == UnitSystem::Metric ? 1 : 0]);
    formula_->setText(formulas_[to == UnitSystem::Metric ? 1 : 0]);
    switchOwnUnits(from, to);
    upper_->switchUnits(from, to);
    if (lower_) {
        lower_->switchUnits(from, to);
    }
    showResult();
}

void QuickCalculatorWindow::languageChanged() {
    for (QString* text : {&result_titles_[0], &result_titles_[1], &formulas_[0], &formulas_[1]}) {
        *text = registry().retranslated(*text, this);
    }
    caption_suffix_ = QStringLiteral(" - ") + registry().retranslated(caption_suffix_.mid(3), this);
    showResult();
}

void QuickCalculatorWindow::switchOwnUnits(UnitSystem, UnitSystem) {}

void QuickCalculatorWindow::showResult() {
    result_->setText(resultText());
}

void QuickCalculatorWindow::setSliderMinimumWidth(int width) {
    upper_->slider->setMinimumWidth(width);
    if (lower_) {
        lower_->slider->setMinimumWidth(width);
    }
}

QWidget* QuickCalculatorWindow::inputGroupLastFocus() const {
    if (friction_) {
        return friction_->text;
    }
    return lower_ ? lower_->slider : upper_->slider;
}

double QuickCalculatorWindow::calculate() const {
    return calculation_ ? calculation_({upperValue(), lowerValue(), frictionValue()}) : 0.0;
}

double QuickCalculatorWindow::upperValue() const {
    return upper_->value();
}

double QuickCalculatorWindow::lowerValue() const {
    return lower_ ? lower_->value() : 0.0;
}

double QuickCalculatorWindow::frictionValue() const {
    return friction_ ? friction_->value() : 0.0;
}

} // namespace tensora
