#include "cables/max_pull_window.h"

#include "cables/lubricants.h"
#include "calculators/formulas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tensora {
namespace {

QuickCalculatorDesign design() {
    QuickCalculatorDesign design{
        "MaxPull",
        QStringLiteral("Maximum Pulling Length"),
        QStringLiteral(" - Maximum Pull Length"),
        {"Label11", QStringLiteral("Select or Enter the Cable maximum pulling tension"), "Slider1",
         10, 5000, 10, "Text2", QStringLiteral("10"), "Label13", QStringLiteral("lbs")},
        RangeInputDesign{"Label12", QStringLiteral("Select or Enter the cable weight"), "Slider2",
                         0, 500, 5, "Text3", QStringLiteral("5"), "Label14",
                         QStringLiteral("lbs / kft")},
        LabelDesign{"Label15", QStringLiteral("Coefficient of Friction")},
        {"Label10", QStringLiteral("Maximum Pulling Length, feet")},
        {"Label8", QStringLiteral("Maximum Length = Max tension / (cable weight * friction)")},
    };
    design.inputs_title = QStringLiteral("Manual Inputs");
    design.standard_layout = false;
    return design;
}

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MaxPull::MaxPull(WindowRegistry& registry) : QuickCalculatorWindow(registry, design()) {
    auto* left = new QVBoxLayout;
    left->addWidget(buildLubricants());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(inputsGroup());
    right->addWidget(resultsGroup());
    right->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addLayout(left, 0, 0);
    layout->addLayout(right, 0, 1);
    layout->addWidget(buildBottomRow(), 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    setTabOrder(inputGroupLastFocus(), List3);
    Form_Load();
}

QWidget* MaxPull::buildLubricants() {
    Frame3 = new QGroupBox(QStringLiteral("Lubricant Selection"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    List3 = new QListWidget(Frame3);
    List3->setObjectName(QStringLiteral("List3"));
    for (const Lubricant& lubricant : kLubricants) {
        List3->addItem(qt_text(lubricant.name));
    }
    List3->setFixedHeight(List3->sizeHintForRow(0) * static_cast<int>(kLubricants.size()) + 6);
    List3->setMinimumWidth(180);
    connect(List3, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List3_Click(List3->row(item)); });

    FrictionInput* friction = frictionInput();
    friction->heading->setParent(Frame3);
    friction->text->setParent(Frame3);
    auto* grid = new QGridLayout(Frame3);
    grid->addWidget(List3, 0, 0, 1, 2);
    grid->addWidget(friction->heading, 1, 0);
    grid->addWidget(friction->text, 1, 1);
    return Frame3;
}

QWidget* MaxPull::buildBottomRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Command1 = new QPushButton(QStringLiteral("Return to Pull Calculator"), row);
    Command1->setObjectName(QStringLiteral("Command1"));
    Check1 = new QCheckBox(QStringLiteral("Show Cable Details"), row);
    Check1->setObjectName(QStringLiteral("Check1"));
    List2 = new QListWidget(row);
    List2->setObjectName(QStringLiteral("List2"));
    List2->addItems({"description", "area", "diameter", "weight", "max load"});
    List1 = new QListWidget(row);
    List1->setObjectName(QStringLiteral("List1"));
    for (QListWidget* details : {List2, List1}) {
        details->setFixedSize(130, details->sizeHintForRow(0) * 5 + 6);
        details->setFocusPolicy(Qt::NoFocus);
        details->setVisible(false);
    }
    Frame4 = new QGroupBox(QStringLiteral("Diameter Chosen"), row);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Text5 = new QLineEdit(Frame4);
    Text5->setObjectName(QStringLiteral("Text5"));
    Text5->setFixedWidth(90);
    (new QHBoxLayout(Frame4))->addWidget(Text5);

    layout->addWidget(Command1, 0, Qt::AlignTop);
    layout->addWidget(Check1, 0, Qt::AlignTop);
    layout->addWidget(List2, 0, Qt::AlignTop);
    layout->addWidget(List1, 0, Qt::AlignTop);
    layout->addStretch(1);
    layout->addWidget(Frame4, 0, Qt::AlignTop);
    connect(Check1, &QCheckBox::toggled, this, &MaxPull::Check1_Click);
    return row;
}

void MaxPull::Form_Load() {
    // Opened from the Tools menu: the calculator, without return button and diameter.
    Command1->setVisible(false);
    Frame4->setVisible(false);
    QuickCalculatorWindow::Form_Load();
}

double MaxPull::calculate() const {
    const double weight = lowerValue();
    const double friction = frictionValue();
    const double tension = upperValue();
    return max_pull_length(tension, weight, friction);
}

double MaxPull::maxcalc() {
    const double length = calculate();
    handBack();
    return length;
}

QString MaxPull::resultText() {
    maxcalc();
    return QString::fromStdString(
        max_pull_result_text(upperValue(), lowerValue(), frictionValue()));
}

void MaxPull::handBack() {
    // In the calculator role the length is the whole answer: nothing goes back to a launcher.
}

void MaxPull::List3_Click(int row) {
    if (row < 0 || row >= static_cast<int>(kLubricants.size())) {
        return;
    }
    frictionInput()->text->setText(qt_text(kLubricants[static_cast<std::size_t>(row)].coefficient));
}

void MaxPull::Check1_Click() {
    const bool shown = Check1->isChecked();
    List1->setVisible(shown);
    List2->setVisible(shown);
}

} // namespace tensora
