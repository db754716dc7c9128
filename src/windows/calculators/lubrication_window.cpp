#include "windows/calculators/lubrication_window.h"

#include "calculators/formulas.h"
#include "print/qt_text.h"
#include "widgets/list_controls.h"
#include "widgets/unit_boxes.h"

#include <QGridLayout>
#include <QSignalBlocker>

namespace tensora {
namespace {

QuickCalculatorDesign lubrication_design() {
    return {
        "Lubrication",
        UiText::tr("Slikko! Quantity"),
        QStringLiteral(" - ") + UiText::tr("Slikko! Quantity"),
        {"Label1", UiText::tr("Select or Enter the pull length"), "Slider1", 10, 5000, 1000,
         "Text2", QString(), "Label8", UiText::tr("feet"), Quantity::Length},
        std::nullopt,
        std::nullopt,
        {"Label4", UiText::tr("Slikko! Required, Gallons")},
        {"Label6", UiText::tr("Gallons required = 0.0015 * Length * inner diameter")},
        UiText::tr("Inputs"),
        Quantity::Volume,
        UiText::tr("Slikko! Required, Litres"),
        // 0.0015 gallons per foot and inch, in litres per metre and millimetre.
        UiText::tr("Litres required = 0.000733 * Length * inner diameter"),
    };
}

const QStringList kDiameters{"0.5", "0.75", "1.0", "1.25", "1.5", "1.75",
                             "2.0", "2.5",  "3.0", "3.5",  "4.0", "5.0"};

} // namespace

Lubrication::Lubrication(WindowRegistry& registry)
    : QuickCalculatorWindow(registry, lubrication_design()) {
    QWidget* group = inputsGroup();
    auto* heading = new QLabel(tr("Select or Enter the Conduit inner diameter"), group);
    heading->setObjectName(QStringLiteral("Label2"));
    List1 = new QListWidget(group);
    List1->setObjectName(QStringLiteral("List1"));
    for (const QString& diameter : kDiameters) {
        auto* item = new QListWidgetItem(List1);
        item->setData(Qt::UserRole, diameter); // inches, as the design lists them
    }
    showDiameters();
    List1->setFixedSize(120, 96);
    Text1 = new QLineEdit(shownDiameter("2.0"), group);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFixedWidth(90);
    heading->setBuddy(Text1);
    auto* unit =
        new QLabel(units() == UnitSystem::Metric ? QStringLiteral("mm") : tr("inches"), group);
    unit->setObjectName(QStringLiteral("Label9"));
    diameter_unit_ = unit;
    Command1 = new QPushButton(tr("Calculate"), group);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    QGridLayout& grid = inputGrid();
    const int row = nextInputRow();
    grid.setRowMinimumHeight(row, 6);
    grid.addWidget(heading, row + 1, 0, 1, 3);
    grid.addWidget(List1, row + 2, 0, 2, 1, Qt::AlignLeft);
    grid.addWidget(Text1, row + 2, 1, Qt::AlignTop);
    grid.addWidget(unit, row + 2, 2, Qt::AlignTop);
    grid.addWidget(Command1, row + 3, 1, Qt::AlignBottom);

    connect(Text1, &QLineEdit::textChanged, this, &Lubrication::Text1_Change);
    new ChoiceList(List1, [this](int row) { List1_Click(row); });
    connect(Command1, &QPushButton::clicked, this, &Lubrication::Command1_Click);
    setTabOrder(inputGroupLastFocus(), List1);
    setTabOrder(List1, Text1);
    setTabOrder(Text1, Command1);
    Form_Load();
}

double Lubrication::quantitycalc() const {
    const double diameter = inch_pound_value(
        read_input(Text1->text().toStdString(), numberLocale()), Quantity::Diameter, units());
    const double length = upperValue();
    return lubricant_quantity(length, diameter);
}

QString Lubrication::resultText() {
    return QString::fromStdString(lubricant_result_text(
        shown_value(quantitycalc(), Quantity::Volume, units()), numberLocale().decimal));
}

void Lubrication::Text1_Change() {
    showResult();
}

void Lubrication::List1_Click(int row) {
    if (row < 0 || row >= List1->count()) {
        return;
    }
    Text1->setText(shownDiameter(List1->item(row)->data(Qt::UserRole).toString().toStdString()));
    showResult();
}

QString Lubrication::shownDiameter(const std::string& inches) const {
    return qt_text(converted_text(locale_number_text(inches, numberLocale()), Quantity::Diameter,
                                  UnitSystem::InchPound, units(), numberLocale()));
}

void Lubrication::showDiameters() {
    for (int row = 0; row < List1->count(); ++row) {
        QListWidgetItem* item = List1->item(row);
        item->setText(shownDiameter(item->data(Qt::UserRole).toString().toStdString()));
    }
}

void Lubrication::switchOwnUnits(UnitSystem from, UnitSystem to) {
    const QSignalBlocker quiet(Text1); // the result is shown once the length has followed
    switch_box_units(*Text1, diameter_memo_, Quantity::Diameter, from, to, numberLocale());
    diameter_unit_->setText(to == UnitSystem::Metric ? QStringLiteral("mm") : tr("inches"));
    showDiameters();
}

void Lubrication::Command1_Click() {
    showResult();
}

} // namespace tensora
