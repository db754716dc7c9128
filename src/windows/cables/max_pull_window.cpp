#include "windows/cables/max_pull_window.h"
#include "print/spoken_message.h"

#include "cables/cable_categories.h"
#include "cables/cable_data.h"
#include "cables/lubricants.h"
#include "calculators/formulas.h"
#include "print/qt_text.h"
#include "widgets/language.h"
#include "widgets/list_controls.h"
#include "widgets/unit_boxes.h"
#include "windows/cables/cable_columns.h"
#include "windows/cables/cable_receiver.h"
#include "windows/cables/misc_data_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace tensora {
namespace {

QuickCalculatorDesign design() {
    QuickCalculatorDesign design{
        "MaxPull",
        UiText::tr("Maximum Pulling Length"),
        QStringLiteral(" - ") + UiText::tr("Maximum Pull Length"),
        {"Label11", UiText::tr("Select or Enter the Cable maximum pulling tension"), "Slider1", 10,
         5000, 10, "Text2", QStringLiteral("10"), "Label13", QStringLiteral("lbs"),
         Quantity::Tension},
        RangeInputDesign{"Label12", UiText::tr("Select or Enter the cable weight"), "Slider2", 0,
                         500, 5, "Text3", QStringLiteral("5"), "Label14", UiText::tr("lbs / kft"),
                         Quantity::Weight},
        LabelDesign{"Label15", UiText::tr("Coefficient of Friction")},
        {"Label10", UiText::tr("Maximum Pulling Length, feet")},
        {"Label8", UiText::tr("Maximum Length = Max tension / (cable weight * friction)")},
    };
    design.inputs_title = UiText::tr("Manual Inputs");
    design.standard_layout = false;
    design.calculation = [](const QuickInputs& in) {
        return max_pull_length(in.upper, in.lower, in.friction);
    };
    design.result_quantity = Quantity::Length;
    design.metric_result_title = UiText::tr("Maximum Pulling Length, metres");
    design.metric_formula =
        UiText::tr("Max Length = Max tension / (cable weight * 9.80665 * friction)");
    return design;
}

// The cable list shows at least this many rows at once.
constexpr int kVisibleCableRows = 12;

} // namespace

MaxPull::MaxPull(WindowRegistry& registry) : QuickCalculatorWindow(registry, design()) {
    // On the left the cable library, which the list of cables fills; on the right the manual
    // inputs and the result, and at the bottom the details, the chosen diameter and the
    // return button.
    setSliderMinimumWidth(200);
    auto* left = new QVBoxLayout;
    left->addWidget(buildCables(), 1);
    left->addWidget(buildLubricants());
    auto* right = new QVBoxLayout;
    right_ = right;
    right->addWidget(inputsGroup());
    right->addWidget(resultsGroup());
    right->addStretch(1);
    right->addWidget(buildBottomRow());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    setTabOrder(Categoryselect, cables2choose);
    setTabOrder(cables2choose, Text4);
    setTabOrder(Text4, List3);
    setTabOrder(List3, frictionInput()->text);
    setTabOrder(frictionInput()->text, Text5);
    setTabOrder(Text5, Command1);
    Form_Load();
}

QWidget* MaxPull::buildCables() {
    Cables = new QGroupBox(tr("Cable Select - click to select type"), this);
    Cables->setObjectName(QStringLiteral("Cables"));
    Categoryselect = new QListWidget(Cables);
    Categoryselect->setObjectName(QStringLiteral("Categoryselect"));
    for (const std::string_view category : cable_categories()) {
        Categoryselect->addItem(qt_text(category));
    }
    keep_as_data(*Categoryselect);
    Categoryselect->setFixedWidth(Categoryselect->sizeHintForColumn(0) +
                                  2 * Categoryselect->frameWidth() + 8);
    cables2choose = new QListWidget(Cables);
    cables2choose->setObjectName(QStringLiteral("cables2choose"));
    keep_as_data(*cables2choose);
    cable_columns_ = new CableColumns(cables2choose);
    cables2choose->setMinimumSize(
        cable_columns_->typicalWidth() + 2 * cables2choose->frameWidth() +
            cables2choose->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
        kVisibleCableRows * cable_columns_->rowHeight() + 2 * cables2choose->frameWidth());
    Categoryselect->setMinimumHeight(Categoryselect->sizeHintForRow(0) *
                                         static_cast<int>(cable_categories().size()) +
                                     2 * Categoryselect->frameWidth());
    Text4 = new QLineEdit(Cables);
    Text4->setObjectName(QStringLiteral("Text4"));
    auto* grid = new QGridLayout(Cables);
    grid->addWidget(Categoryselect, 0, 0);
    grid->addWidget(cables2choose, 0, 1);
    grid->addWidget(Text4, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
    new ChoiceList(Categoryselect, [this](int row) { Categoryselect_Click(row); });
    new ChoiceList(cables2choose, [this](int row) { cables2choose_Click(row); });
    return Cables;
}

QWidget* MaxPull::buildLubricants() {
    Frame3 = new QGroupBox(tr("Lubricant Selection"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    List3 = new QListWidget(Frame3);
    List3->setObjectName(QStringLiteral("List3"));
    for (const Lubricant& lubricant : kLubricants) {
        List3->addItem(qt_text(lubricant.name));
    }
    keep_as_data(*List3);
    List3->setFixedSize(List3->sizeHintForColumn(0) + 2 * List3->frameWidth() + 24,
                        List3->sizeHintForRow(0) * static_cast<int>(kLubricants.size()) + 6);
    new ChoiceList(List3, [this](int row) { List3_Click(row); });

    FrictionInput* friction = frictionInput();
    friction->heading->setParent(Frame3);
    friction->text->setParent(Frame3);
    auto* grid = new QGridLayout(Frame3);
    grid->addWidget(List3, 0, 0, 3, 1);
    grid->addWidget(friction->heading, 0, 1);
    grid->addWidget(friction->text, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
    return Frame3;
}

QWidget* MaxPull::buildBottomRow() {
    auto* panel = new QWidget(this);
    Command1 = new QPushButton(tr("Return to Pull Calculator"), panel);
    Command1->setObjectName(QStringLiteral("Command1"));
    Check1 = new QCheckBox(tr("Show Cable Details"), panel);
    Check1->setObjectName(QStringLiteral("Check1"));
    List2 = new QListWidget(panel);
    List2->setObjectName(QStringLiteral("List2"));
    List2->addItems({tr("description"), tr("area"), tr("diameter"), tr("weight"), tr("max load")});
    List1 = new QListWidget(panel);
    List1->setObjectName(QStringLiteral("List1"));
    keep_as_data(*List1);
    const int row_height = List2->sizeHintForRow(0); // List1 is empty until a cable is chosen
    // Wide enough for a typical description and the figures beside the titles.
    const int value_width =
        List1->fontMetrics().horizontalAdvance(QStringLiteral("STRAND-5/16EHS"));
    for (QListWidget* details : {List2, List1}) {
        details->setFixedHeight(row_height * 5 + 2 * details->frameWidth());
        details->setMinimumWidth(std::max(List2->sizeHintForColumn(0), value_width) +
                                 2 * details->frameWidth() + 8);
        details->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        details->setFocusPolicy(Qt::NoFocus);
        details->setVisible(false);
    }
    Frame4 = new QGroupBox(
        units() == UnitSystem::Metric ? tr("Diameter Chosen, mm") : tr("Diameter Chosen"), panel);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Text5 = new QLineEdit(Frame4);
    Text5->setObjectName(QStringLiteral("Text5"));
    Text5->setFixedWidth(90);
    (new QHBoxLayout(Frame4))->addWidget(Text5);

    auto* grid = new QGridLayout(panel);
    bottom_grid_ = grid;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Check1, 0, 0, 1, 2);
    grid->addWidget(List2, 1, 0);
    grid->addWidget(List1, 1, 1);
    grid->addWidget(Frame4, 0, 2, 2, 1, Qt::AlignTop | Qt::AlignRight);
    grid->addWidget(Command1, 2, 0, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    connect(Check1, &QCheckBox::toggled, this, &MaxPull::Check1_Click);
    connect(Command1, &QPushButton::clicked, this, &MaxPull::Command1_Click);
    return panel;
}

std::vector<CableReceiver*> MaxPull::receivers() const {
    std::vector<CableReceiver*> found;
    for (QWidget* window : registry().loadedWindows()) {
        if (auto* receiver = dynamic_cast<CableReceiver*>(window)) {
            found.push_back(receiver);
        }
    }
    return found;
}

CableReceiver* MaxPull::opener(const QString& class_name) const {
    if (class_name.isEmpty()) {
        return nullptr;
    }
    for (QWidget* window : registry().loadedWindows()) {
        if (QString::fromLatin1(window->metaObject()->className()) == class_name) {
            return dynamic_cast<CableReceiver*>(window);
        }
    }
    return dynamic_cast<CableReceiver*>(registry().getByClass(class_name));
}

MaxPull::Role MaxPull::role() const {
    if (for_fill_) {
        return Role::FillRatio;
    }
    if (for_set_) {
        return Role::CableSet;
    }
    return for_planner_ ? Role::PullPlanner : Role::Calculator;
}

void MaxPull::Form_Load() {
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Maximum Pull Length"));
    // A launcher that is not loaded has its launch flag at its design value, 0.
    for (CableReceiver* receiver : receivers()) {
        const QString name =
            QString::fromLatin1(dynamic_cast<QWidget*>(receiver)->metaObject()->className());
        if (receiver->servedBySelection() == CableReceiver::Serving::PullPlanner) {
            planner_class_ = name;
        } else if (receiver->servedBySelection() == CableReceiver::Serving::FillRatio) {
            fill_class_ = name;
        } else if (receiver->servedBySelection() == CableReceiver::Serving::CableSet) {
            set_class_ = name;
        }
    }
    for_planner_ = !planner_class_.isEmpty();
    for_fill_ = !fill_class_.isEmpty();
    for_set_ = !set_class_.isEmpty();
    if (!for_planner_ && !for_fill_ && !for_set_) {
        Command1->setVisible(false);
        Frame4->setVisible(false);
        QuickCalculatorWindow::Form_Load();
        return;
    }
    Categoryselect->setFocus(); // a cable is what the user came for
    if (for_planner_) {
        Command1->setText(tr("Return to Pull Calculator"));
        resultsGroup()->setVisible(false);
        Frame4->setVisible(false);
        Command1->setVisible(true);
    }
    if (for_fill_ || for_set_) {
        // Launched by both, the fill ratio window's look and return win.
        Command1->setText(for_fill_ ? tr("Return to Fill Ratio") : tr("Return to Pull Check"));
        resultsGroup()->setVisible(false);
        inputsGroup()->setVisible(false);
        Frame3->setVisible(false);
        Frame4->setVisible(true);
        Command1->setVisible(true);
        Check1->setChecked(true); // the details show the chosen cable's diameter among its values
        // With the manual inputs hidden, the right column's height goes to the details.
        right_->setStretch(2, 0);
        right_->setStretch(3, 1);
        bottom_grid_->setRowStretch(1, 1);
        for (QListWidget* details : {List2, List1}) {
            details->setMinimumHeight(details->height());
            details->setMaximumHeight(QWIDGETSIZE_MAX);
        }
        // The library is what the user came for: its first category, listed.
        Categoryselect->setCurrentRow(0);
        Categoryselect_Click(0);
    }
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Cable Selection Window"));
    if (!for_planner_) {
        loadInputs();
        return;
    }
    // The planner's own texts, unchanged (the sliders follow them as for any typed value); the
    // hand-back waits until all of them are in, so that none of the planner's values is
    // overwritten by a design value on the way.
    const CableTexts planner = opener(planner_class_)->cableTexts();
    loading_ = true;
    upperBox()->setText(planner.allowable);
    lowerBox()->setText(planner.weight);
    Text4->setText(planner.description);
    frictionInput()->text->setText(planner.friction);
    loading_ = false;
    showResult();
}

double MaxPull::maxcalc() {
    const double length = calculate();
    handBack();
    return length;
}

QString MaxPull::resultText() {
    maxcalc();
    return spoken(max_pull_result(upperValue(), lowerValue(), frictionValue(), units()),
                  numberLocale());
}

void MaxPull::handBack() {
    CableReceiver* planner = loading_ ? nullptr : opener(planner_class_);
    if (!planner) {
        return; // the calculator role hands nothing back
    }
    planner->takeCableTexts(
        {Text4->text(), upperBox()->text(), lowerBox()->text(), frictionInput()->text->text()});
}

void MaxPull::Categoryselect_Click(int row) {
    if (row < 0 || row >= Categoryselect->count()) {
        return;
    }
    cables2choose->clear();
    category_row_ = row;
    languageChanged();
    const CableData& library = registry().get<miscData>().data();
    // Each row shows its figures in the units in use and keeps the file's line beside. The
    // library names a category's lines by the design's English caption.
    const std::string decimal = numberLocale().decimal;
    const std::string caption =
        std::string(kCablesCaption) + Categoryselect->item(row)->text().toStdString();
    for (const std::string_view line : category_lines(library, caption)) {
        // The heading in the language spoken; the cables as the library has them.
        auto* item = new QListWidgetItem(
            is_cable_heading(line) ? cableHeading()
                                   : data_file_text(cable_line_in_units(line, units(), decimal)),
            cables2choose);
        item->setData(Qt::UserRole, data_file_text(line));
    }
    cable_columns_->measure();
}

void MaxPull::languageChanged() {
    QuickCalculatorWindow::languageChanged();
    if (category_row_ >= 0) {
        Cables->setTitle(tr("Cable Select - click to select %1")
                             .arg(Categoryselect->item(category_row_)->text()));
    }
    for (int row = 0; row < cables2choose->count(); ++row) {
        QListWidgetItem* item = cables2choose->item(row);
        if (is_cable_heading(item->data(Qt::UserRole).toString().toLatin1().toStdString())) {
            item->setText(cableHeading());
        }
    }
    cable_columns_->measure();
}

QString MaxPull::cableHeading() const {
    QStringList words;
    for (const Message& word : cable_headings(units())) {
        words.append(spoken(word, numberLocale()));
    }
    return words.join(QLatin1Char(' '));
}

void MaxPull::cables2choose_Click(int row) {
    if (row < 0 || row >= cables2choose->count()) {
        return;
    }
    const auto fields = cable_record_fields(
        cables2choose->item(row)->data(Qt::UserRole).toString().toLatin1().toStdString());
    if (!fields) {
        platform().beep(); // an empty row or a heading: not a cable
        return;
    }
    const auto& f = *fields;
    showDetails(row);
    // The file's figures (inch-pound) go into the boxes in the user's own number form: as the
    // file gives them, or in metric units as a person would type them (six digits, as a switch
    // of units writes them).
    const auto number = [this](const std::string& plain, Quantity quantity) {
        return qt_text(typed_converted_text(locale_number_text(plain, numberLocale()), quantity,
                                            UnitSystem::InchPound, units(), numberLocale()));
    };
    Text4->setText(data_file_text(f[0]));
    const double weight_per_foot = leadingValue(f[5]);
    lowerBox()->setText(number(general_number_text(weight_per_foot * 1000), Quantity::Weight));
    upperBox()->setText(number(f[7], Quantity::Tension));
    chosen_diameter_ = qt_text(locale_number_text(f[3], numberLocale()));
    Text5->setText(number(f[3], Quantity::Diameter));
    // Browsing for a set changes nothing: only the group added on return takes the cable.
    if (!for_set_) {
        for (CableReceiver* receiver : receivers()) {
            receiver->cableChosen(chosen_diameter_);
        }
    }
}

void MaxPull::showDetails(int row) {
    List1->clear();
    const auto shown = cable_record_fields(cable_line_in_units(
        cables2choose->item(row)->data(Qt::UserRole).toString().toLatin1().toStdString(), units(),
        numberLocale().decimal));
    if (!shown) {
        return;
    }
    for (const std::string& field : *shown) {
        List1->addItem(data_file_text(field));
    }
    for (int index : {6, 4, 2}) {
        delete List1->takeItem(index);
    }
}

void MaxPull::List3_Click(int row) {
    if (row < 0 || row >= static_cast<int>(kLubricants.size())) {
        return;
    }
    const Lubricant& lubricant = kLubricants[static_cast<std::size_t>(row)];
    frictionInput()->text->setText(
        qt_text(locale_number_text(lubricant.coefficient, numberLocale())));
    if (CableReceiver* planner = opener(planner_class_)) {
        planner->takeLubricant(qt_text(lubricant.name));
    }
}

void MaxPull::Check1_Click() {
    const bool shown = Check1->isChecked();
    const int height_before = height();
    List1->setVisible(shown);
    List2->setVisible(shown);
    if (shown) {
        // The window grows where the details need room, and gives it back when they go (a
        // window not on screen yet takes its size from its contents when it shows).
        layout()->activate();
        details_growth_ = isVisible() ? height() - height_before : 0;
    } else if (details_growth_ > 0) {
        layout()->activate();
        resize(width(), std::max(height() - details_growth_, minimumSizeHint().height()));
        details_growth_ = 0;
    }
}

void MaxPull::Command1_Click() {
    if (CableReceiver* planner = opener(planner_class_)) {
        // Back to the planner, even when a hand-back has already cleared its flag.
        WindowRegistry::show(*dynamic_cast<QWidget*>(planner));
        showResult(); // a last hand-back
        planner->selectionEnded();
    }
    if (CableReceiver* fill = opener(fill_class_)) {
        // The chosen diameter, as the data file gives it; the cable is added by "Submit".
        WindowRegistry::show(*dynamic_cast<QWidget*>(fill));
        fill->takeDiameter(Text5->text());
        fill->selectionEnded();
    }
    if (CableReceiver* set = opener(set_class_)) {
        WindowRegistry::show(*dynamic_cast<QWidget*>(set));
        // The boxes hold the chosen cable's figures in the units shown (the manual inputs are
        // hidden in this role).
        if (!chosen_diameter_.isEmpty()) {
            set->takeCable({Text4->text(), Text5->text(), lowerBox()->text(), upperBox()->text()});
        }
        set->selectionEnded();
    }
    close();
}

void MaxPull::keyPressEvent(QKeyEvent* event) {
    const bool launched = Command1->isVisible();
    if (launched && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        Command1_Click();
        return;
    }
    if (launched && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QuickCalculatorWindow::keyPressEvent(event);
}

void MaxPull::closeEvent(QCloseEvent* event) {
    // However the window closes, the launch is over: the next opening from the Tools menu is
    // the plain calculator.
    for (CableReceiver* receiver : receivers()) {
        const QString name =
            QString::fromLatin1(dynamic_cast<QWidget*>(receiver)->metaObject()->className());
        if (name == planner_class_ || name == fill_class_ || name == set_class_) {
            receiver->selectionEnded();
        }
    }
    QuickCalculatorWindow::closeEvent(event);
}

void MaxPull::switchOwnUnits(UnitSystem from, UnitSystem to) {
    switch_box_units(*Text5, diameter_memo_, Quantity::Diameter, from, to, numberLocale());
    Frame4->setTitle(to == UnitSystem::Metric ? tr("Diameter Chosen, mm") : tr("Diameter Chosen"));
    // The list shows the category's figures in the new units; the chosen row stays chosen.
    const int chosen = cables2choose->currentRow();
    if (const int category = Categoryselect->currentRow(); category >= 0) {
        Categoryselect_Click(category);
        const QSignalBlocker quiet(cables2choose);
        cables2choose->setCurrentRow(chosen);
        if (chosen >= 0 && List1->count() > 0) {
            showDetails(chosen);
        }
    }
}

void MaxPull::hideCableSelection() {
    Cables->setVisible(false);
    cables2choose->setVisible(false);
}

} // namespace tensora
