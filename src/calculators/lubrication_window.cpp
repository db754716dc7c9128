#include "calculators/lubrication_window.h"

#include "widgets/qt_text.h"

#include "calculators/formulas.h"
#include "widgets/list_controls.h"

#include <QGridLayout>

namespace tensora {
namespace {

QuickCalculatorDesign design() {
    return {
        "Lubrication",
        QStringLiteral("Slikko! Quantity"),
        QStringLiteral(" - Slikko! Quantity"),
        {"Label1", QStringLiteral("Select or Enter the pull length"), "Slider1", 10, 5000, 1000,
         "Text2", QString(), "Label8", QStringLiteral("feet")},
        std::nullopt,
        std::nullopt,
        {"Label4", QStringLiteral("Slikko! Required, Gallons")},
        {"Label6", QStringLiteral("Gallons required = 0.0015 * Length * inner diameter")},
    };
}

const QStringList kDiameters{"0.5", "0.75", "1.0", "1.25", "1.5", "1.75",
                             "2.0", "2.5",  "3.0", "3.5",  "4.0", "5.0"};

} // namespace

Lubrication::Lubrication(WindowRegistry& registry) : QuickCalculatorWindow(registry, design()) {
    QWidget* group = inputsGroup();
    auto* heading = new QLabel(QStringLiteral("Select or Enter the Conduit inner diameter"), group);
    heading->setObjectName(QStringLiteral("Label2"));
    List1 = new QListWidget(group);
    List1->setObjectName(QStringLiteral("List1"));
    List1->addItems(kDiameters);
    List1->setFixedSize(120, 96);
    Text1 = new QLineEdit(qt_text(locale_number_text("2.0", numberLocale())), group);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFixedWidth(90);
    heading->setBuddy(Text1);
    auto* unit = new QLabel(QStringLiteral("inches"), group);
    unit->setObjectName(QStringLiteral("Label9"));
    Command1 = new QPushButton(QStringLiteral("Calculate"), group);
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
    const double diameter = read_input(Text1->text().toStdString(), numberLocale());
    const double length = upperValue();
    return lubricant_quantity(length, diameter);
}

QString Lubrication::resultText() {
    return QString::fromStdString(lubricant_result_text(quantitycalc(), numberLocale().decimal));
}

void Lubrication::Text1_Change() {
    showResult();
}

void Lubrication::List1_Click(int row) {
    if (row < 0 || row >= List1->count()) {
        return;
    }
    Text1->setText(
        qt_text(locale_number_text(List1->item(row)->text().toStdString(), numberLocale())));
    showResult();
}

void Lubrication::Command1_Click() {
    showResult();
}

} // namespace tensora
