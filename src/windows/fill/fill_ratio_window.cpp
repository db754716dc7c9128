#include "windows/fill/fill_ratio_window.h"

#include "fill/fill_ratio.h"
#include "numbers/input_checks.h"
#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "widgets/input_warnings.h"
#include "widgets/named_control.h"
#include "widgets/tab_order.h"
#include "widgets/twips_form.h"
#include "widgets/unit_boxes.h"
#include "windows/cables/max_pull_window.h"

#include <QGroupBox>
#include <QKeyEvent>

#include <algorithm>

namespace tensora {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    return named(new QLabel(text, parent), name);
}

// Fifteen digits do not fit the design's narrow boxes: each shows its number from the start,
// cut with an ellipsis where it must be, and whole as a tool tip.
void fill(QListWidget& list, const std::vector<std::string>& items) {
    list.clear();
    for (const std::string& item : items) {
        const QString text = QString::fromStdString(item);
        list.addItem(text);
        list.item(list.count() - 1)->setToolTip(text);
    }
}

void show_number(QLineEdit& box, const std::string& number) {
    box.setText(QString::fromStdString(number));
    box.setCursorPosition(0);
    box.setToolTip(box.text());
}

} // namespace

FillRatio::FillRatio(WindowRegistry& registry)
    : RegisteredWindow<QWidget>(registry), locale_(platform().numberLocale()),
      units_(registry.units()) {
    setObjectName(QStringLiteral("FillRatio"));
    buildInputs();
    buildResults();
    buildCodePanel();
    styleOutputs();
    connectControls();
    set_tab_order({sch40, sdr11, sdr135, necCode, codeTable, Text1, List1, cmd1, Command1, Text2,
                   Text3, prefMaxFill});
    placeControls();
    showUnits();
    Form_Load();
}

void FillRatio::buildInputs() {
    Label9 = label(this, "Label9",
                   tr("Enter the diameter (OD) in inches of every cable in the "
                      "conduit.  To remove a cable, simply click it off the list."));
    Label9->setWordWrap(true);
    sch40 = named(new QRadioButton(tr("Schedule 40"), this), "sch40");
    sdr11 = named(new QRadioButton(tr("SDR 11"), this), "sdr11");
    sdr135 = named(new QRadioButton(tr("SDR 13.5"), this), "sdr135");
    necCode = named(new QRadioButton(tr("Electrical code:"), this), "necCode");

    Frame2 = named(new QGroupBox(tr("Input"), this), "Frame2");
    Label1 = label(Frame2, "Label1", tr("Cable OD"));
    Text1 = named(new QLineEdit(Frame2), "Text1");
    Label1->setBuddy(Text1);
    Command1 = named(new QPushButton(tr("Select"), Frame2), "Command1");
    Label5 = label(Frame2, "Label5", tr("Area(s)"));
    cables_ = new QStringListModel(this);
    List1 = named(new ActionListView(Frame2), "List1");
    List1->setModel(cables_);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->addActionKey(Qt::Key_Delete); // a cable goes as the planner's link does, or by Delete
    List2 = named(new QListWidget(Frame2), "List2");
    Label5->setBuddy(List2);
    cmd1 = named(new QPushButton(tr("Submit"), Frame2), "cmd1");
    cmd1->setDefault(true);
    Text2 = named(new QLineEdit(Frame2), "Text2");
    recommendLabel = label(this, "recommendLabel",
                           tr("Norvale recommends a 60% maximum fill.  Preferred maximum fill"));
    prefMaxFill = named(new QLineEdit(QStringLiteral("60"), this), "prefMaxFill");
    recommendLabel->setBuddy(prefMaxFill);
    Label10 = label(this, "Label10", QStringLiteral("%"));
    Check1 = named(new QCheckBox(tr("launch from fill (hidden)"), this), "Check1");
    Check1->setVisible(false);
}

void FillRatio::buildResults() {
    Frame1 = named(new QGroupBox(tr("Results"), this), "Frame1");
    Label3 = label(Frame1, "Label3", tr("Trade Size"));
    Label6 = label(Frame1, "Label6", tr("Pipe ID"));
    Label7 = label(Frame1, "Label7", tr("Area"));
    Label8 = label(Frame1, "Label8", tr("Percent Fill"));
    tradesize = named(new QListWidget(Frame1), "tradesize");
    tradesize->addItem(QStringLiteral("tradesize")); // the design's placeholder row
    ID = named(new QListWidget(Frame1), "ID");
    area = named(new QListWidget(Frame1), "area");
    percent = named(new QListWidget(Frame1), "percent");
    codeLabel = label(Frame1, "codeLabel", tr("Code"));
    codeColumn = named(new QListWidget(Frame1), "codeColumn");
    codeLabel->setBuddy(codeColumn);
    Label3->setBuddy(tradesize);
    Label6->setBuddy(ID);
    Label7->setBuddy(area);
    Label8->setBuddy(percent);
    maxODlabel = label(Frame1, "maxODlabel", tr("Maximum combined pair width (in)"));
    Text3 = named(new QLineEdit(Frame1), "Text3");
    maxODlabel->setBuddy(Text3);
    Label4 = label(Frame1, "Label4", cableCount(0));
}

void FillRatio::buildCodePanel() {
    Frame3 = named(new QGroupBox(tr("Code tables and limits"), this), "Frame3");
    codeTable = named(new QListWidget(Frame3), "codeTable");
    codeTable->setAccessibleName(tr("Electrical code tables"));
    for (const ConduitStandardId id : code_conduit_standards()) {
        const ConduitStandard& table = conduit_standard(id);
        codeTable->addItem(qt_text(table.name));
    }
    codeTable->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    writeCodeTips();
    codeDescription = label(Frame3, "codeDescription", QString());
    codeLimit = label(Frame3, "codeLimit", QString());
    codeSmallest = label(Frame3, "codeSmallest", QString());
    for (QLabel* wrapped : {codeDescription, codeLimit, codeSmallest}) {
        wrapped->setWordWrap(true);
        wrapped->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
}

void FillRatio::styleOutputs() {
    // The outputs stand apart from the inputs on a grey ground; sizes and fills in bold.
    for (QWidget* output :
         std::initializer_list<QWidget*>{List2, Text2, tradesize, ID, area, percent, codeColumn}) {
        QPalette palette = output->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button).darker(106));
        output->setPalette(palette);
    }
    for (QWidget* bold : {static_cast<QWidget*>(tradesize), static_cast<QWidget*>(percent)}) {
        QFont font = bold->font();
        font.setBold(true);
        bold->setFont(font);
    }
    for (QListWidget* output : {List2, tradesize, ID, area, percent, codeColumn}) {
        output->setFocusPolicy(Qt::NoFocus);
        output->setSelectionMode(QAbstractItemView::NoSelection);
        output->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        output->setTextElideMode(Qt::ElideRight);
    }
}

void FillRatio::connectControls() {
    connect(sch40, &QRadioButton::clicked, this, &FillRatio::sch40_Click);
    connect(sdr11, &QRadioButton::clicked, this, &FillRatio::sdr11_Click);
    connect(sdr135, &QRadioButton::clicked, this, &FillRatio::sdr135_Click);
    connect(necCode, &QRadioButton::clicked, this, &FillRatio::necCode_Click);
    new ChoiceList(codeTable, [this](int row) { codeTable_Click(row); });
    connect(cmd1, &QPushButton::clicked, this, &FillRatio::cmd1_Click);
    connect(Command1, &QPushButton::clicked, this, &FillRatio::Command1_Click);
    connect(List1, &ActionListView::acted, this, &FillRatio::List1_Click);
    connect(prefMaxFill, &QLineEdit::textChanged, this, &FillRatio::prefMaxFill_Change);
    warn_when_left(platform(), prefMaxFill, locale_, [locale = locale_](std::string_view typed) {
        return range_input_message(typed, locale);
    });
}

void FillRatio::placeControls() {
    // The design's client area and positions, in twips.
    TwipsForm form(*this, QSize(10800, 5010));
    form.place(Label9, 720, 120, 4575, 375);
    form.place(sch40, 2880, 600, 1335, 375);
    form.place(sdr11, 4320, 600, 975, 375);
    form.place(sdr135, 5400, 600, 1095, 375);
    form.place(necCode, 7455, 600, 2415, 375);
    form.place(Frame2, 720, 960, 1815, 3375);
    form.place(Label1, 840, 1200, 975, 255);
    form.place(Text1, 840, 1440, 735, 375);
    form.place(Command1, 1680, 1440, 735, 255);
    form.place(Label5, 1680, 1800, 615, 255);
    form.place(List1, 840, 2040, 735, 1620);
    form.place(List2, 1680, 2040, 735, 1620);
    form.place(cmd1, 840, 3720, 735, 375);
    form.place(Text2, 1680, 3720, 735, 375);
    form.place(Frame1, 2760, 960, 4575, 3495);
    form.place(Label3, 3000, 1320, 975, 255);
    form.place(Label6, 3840, 1320, 735, 255);
    form.place(Label7, 4680, 1320, 615, 255);
    form.place(Label8, 5520, 1320, 855, 255);
    form.place(codeLabel, 6480, 1320, 735, 255);
    // Every size of the longest table shows at once, in all the columns alike.
    const int sizes = static_cast<int>(most_trade_sizes());
    form.placeList(tradesize, 3000, 1560, 735, 2205, sizes);
    form.placeList(ID, 3840, 1560, 735, 2205, sizes);
    form.placeList(area, 4680, 1560, 735, 2205, sizes);
    form.placeList(percent, 5520, 1560, 855, 2205, sizes);
    form.placeList(codeColumn, 6480, 1560, 735, 2205, sizes);
    form.place(maxODlabel, 3000, 3840, 2535, 255);
    form.place(Text3, 5520, 3840, 855, 285);
    form.place(Label4, 3000, 4080, 2055, 255);
    form.place(recommendLabel, 720, 4560, 5055, 255);
    form.place(prefMaxFill, 5640, 4530, 495, 225);
    form.place(Label10, 6240, 4560, 255, 255);
    form.place(Check1, 600, 600, 1935, 375);
    form.place(Frame3, 7455, 960, 3225, 3495);
    form.placeList(codeTable, 7575, 1320, 1320, 2925, codeTable->count());
    form.place(codeDescription, 9015, 1320, 1545, 1215);
    form.place(codeLimit, 9015, 2640, 1545, 735);
    form.place(codeSmallest, 9015, 3480, 1545, 735);
    form.apply();
}

void FillRatio::Form_Load() {
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Conduit Fill Ratio"));
}

void FillRatio::showEvent(QShowEvent* event) {
    RegisteredWindow<QWidget>::showEvent(event);
    // On screen for the first time: Schedule 40, rated for the cables there are. A window
    // created hidden (by another window or a document) keeps its design state until then.
    if (!shown_before_) {
        shown_before_ = true;
        if (!standard()) {
            sch40_Click();
        }
        sch40->setFocus();
    }
}

std::optional<ConduitStandardId> FillRatio::standard() const {
    if (sch40->isChecked()) {
        return ConduitStandardId::Schedule40;
    }
    if (sdr11->isChecked()) {
        return ConduitStandardId::Sdr11;
    }
    if (sdr135->isChecked()) {
        return ConduitStandardId::Sdr135;
    }
    if (necCode->isChecked() && codeTable->currentRow() >= 0) {
        return code_conduit_standards()[static_cast<std::size_t>(codeTable->currentRow())];
    }
    return std::nullopt;
}

void FillRatio::showUnits() {
    const bool metric = units_ == UnitSystem::Metric;
    Label9->setText(tr("Enter the diameter (OD) in %1 of every cable in the "
                       "conduit.  To remove a cable, simply click it off the list.")
                        .arg(metric ? tr("millimetres") : tr("inches")));
    // The metric caption is shorter: millimetres take more room than inches.
    maxODlabel->setText(metric ? tr("Widest pair side by side (mm)")
                               : tr("Maximum combined pair width (in)"));
}

std::vector<std::string> FillRatio::inchDiameters() const {
    std::vector<std::string> diameters;
    for (const QString& diameter : cableDiameters()) {
        // A diameter converted from inches by the last switch is the inch text it came from.
        const bool remembered = units_ == UnitSystem::Metric && cable_memo_.contains(diameter);
        diameters.push_back(remembered ? cable_memo_.value(diameter).toStdString()
                                       : converted_text(diameter.toStdString(), Quantity::Diameter,
                                                        units_, UnitSystem::InchPound, locale_));
    }
    return diameters;
}

void FillRatio::unitsChanged(UnitSystem from, UnitSystem to) {
    // A diameter the last switch wrote goes back to the very text it came from ("0.50" stays
    // "0.50"); any other is converted.
    QStringList diameters;
    QHash<QString, QString> written;
    for (const QString& diameter : cableDiameters()) {
        const QString shown = cable_memo_.contains(diameter)
                                  ? cable_memo_.value(diameter)
                                  : qt_text(converted_text(diameter.toStdString(),
                                                           Quantity::Diameter, from, to, locale_));
        written.insert(shown, diameter);
        diameters.append(shown);
    }
    cable_memo_ = written;
    cables_->setStringList(diameters);
    switch_box_units(*Text1, diameter_memo_, Quantity::Diameter, from, to, locale_);
    units_ = to;
    showUnits();
    if (const auto chosen = standard()) {
        selectStandard(*chosen); // the sizes' diameters in the new units, then the totals
    } else {
        rebuildCableTotals();
    }
}

QString FillRatio::cableCount(int cables) const {
    return tr("%n cable(s)", nullptr, cables);
}

void FillRatio::writeCodeTips() {
    const auto codes = code_conduit_standards();
    for (int row = 0; row < codeTable->count(); ++row) {
        const ConduitStandard& table = conduit_standard(codes[static_cast<std::size_t>(row)]);
        codeTable->item(row)->setToolTip(spoken(table.description, locale_));
    }
    necCode->setToolTip(tr("The tables of %1").arg(qt_text(kCodeEdition)));
}

void FillRatio::languageChanged() {
    writeCodeTips();
    showUnits();
    if (const auto chosen = standard()) {
        selectStandard(*chosen);
    } else {
        rebuildCableTotals();
    }
}

FillReport FillRatio::report() const {
    // The report holds inch-pound figures in plain form ("." as the decimal point), whatever
    // the window shows; the diameters as they were typed.
    const bool metric = units_ == UnitSystem::Metric;
    FillReport report;
    const auto chosen = standard();
    if (chosen) {
        report.standard = std::string(conduit_standard(*chosen).name);
    }
    report.count = count_text_;
    for (const std::string& diameter : inchDiameters()) {
        report.diameters.push_back(plain_number_text(diameter, locale_));
    }
    report.total_area =
        metric ? inch_totals_.total_area : plain_number_text(Text2->text().toStdString(), locale_);
    report.pair_width_label = "Maximum combined pair width (in)";
    report.pair_width =
        metric ? inch_totals_.pair_width : plain_number_text(Text3->text().toStdString(), locale_);
    report.preferred_max = plain_number_text(prefMaxFill->text().toStdString(), locale_);
    // As designed, without a standard the trade size list holds only its placeholder.
    if (chosen) {
        const ConduitStandard& table = conduit_standard(*chosen);
        for (std::size_t i = 0; i < table.sizes.size() && i < inch_rating_.sizes.size(); ++i) {
            report.rows.push_back({std::string(table.sizes[i].trade_size),
                                   std::string(table.sizes[i].pipe_id), inch_rating_.sizes[i].area,
                                   inch_rating_.sizes[i].percent});
        }
    }
    return report;
}

void FillRatio::applyReport(const ReadReport::Fill& fill) {
    const std::optional<ConduitStandardId> chosen = conduit_standard_by_name(fill.standard);
    if (fill.empty()) {
        return;
    }
    if (fill.preferred_max) {
        prefMaxFill->setText(qt_text(locale_number_text(*fill.preferred_max, locale_)));
    }
    QStringList diameters;
    for (const std::string& diameter : fill.diameters) {
        // The report's diameters are inches in the file's form: shown in the units in use.
        diameters.append(
            qt_text(converted_text(locale_number_text(diameter, locale_), Quantity::Diameter,
                                   UnitSystem::InchPound, units_, locale_)));
    }
    cables_->setStringList(diameters);
    rebuildCableTotals();
    selectStandard(chosen.value_or(ConduitStandardId::Schedule40));
}

void FillRatio::sch40_Click() {
    selectStandard(ConduitStandardId::Schedule40);
}

void FillRatio::sdr11_Click() {
    selectStandard(ConduitStandardId::Sdr11);
}

void FillRatio::sdr135_Click() {
    selectStandard(ConduitStandardId::Sdr135);
}

void FillRatio::necCode_Click() {
    selectStandard(
        code_conduit_standards()[static_cast<std::size_t>(std::max(codeTable->currentRow(), 0))]);
}

void FillRatio::codeTable_Click(int row) {
    if (row >= 0 && row < codeTable->count()) {
        selectStandard(code_conduit_standards()[static_cast<std::size_t>(row)]);
    }
}

void FillRatio::selectStandard(ConduitStandardId id) {
    const ConduitStandard& table = conduit_standard(id);
    sch40->setChecked(id == ConduitStandardId::Schedule40);
    sdr11->setChecked(id == ConduitStandardId::Sdr11);
    sdr135->setChecked(id == ConduitStandardId::Sdr135);
    necCode->setChecked(table.code);
    // The code's list shows a table selected only while that table is the one rated; it keeps
    // its current row, which the code's option takes up again.
    if (table.code) {
        const auto codes = code_conduit_standards();
        const int row = static_cast<int>(std::find(codes.begin(), codes.end(), id) - codes.begin());
        if (!codeTable->item(row)->isSelected()) {
            codeTable->setCurrentRow(row);
        }
        codeDescription->setText(spoken(table.description, locale_) + QStringLiteral("\n") +
                                 qt_text(kCodeEdition));
    } else {
        codeTable->clearSelection();
        codeDescription->setText(spoken(table.description, locale_));
    }
    tradesize->clear();
    ID->clear();
    Label3->setText(units_ == UnitSystem::Metric && table.code ? tr("Designator")
                                                               : tr("Trade Size"));
    const bool metric = units_ == UnitSystem::Metric;
    for (const ConduitSize& size : table.sizes) {
        // In metric a code table's sizes go by their metric designators (the trade size in
        // the tip), and every inside diameter is in millimetres (the code's own figure where
        // it lists one).
        const bool designated = metric && !size.metric.empty();
        tradesize->addItem(designated ? qt_text(size.metric) : qt_text(size.trade_size));
        tradesize->item(tradesize->count() - 1)
            ->setToolTip(designated ? tr("Metric designator %1, trade size %2")
                                          .arg(qt_text(size.metric), qt_text(size.trade_size))
                                    : qt_text(size.trade_size));
        ID->addItem(qt_text(shown_pipe_id(size, units_, locale_)));
    }
    // The cables' areas follow the table's value of pi.
    rebuildCableTotals();
}

QStringList FillRatio::cableDiameters() const {
    return cables_->stringList();
}

void FillRatio::cmd1_Click() {
    // The diameter is kept without the blanks around it, as the report's line of cables
    // separates them by blanks.
    const QString typed = Text1->text().trimmed();
    std::vector<std::string> listed;
    for (const QString& diameter : cableDiameters()) {
        listed.push_back(diameter.toStdString());
    }
    if (od_refusal(typed.toStdString(), locale_, listed)) {
        platform().beep(); // not a positive number: dropped
    } else {
        cables_->setStringList(cableDiameters() << typed);
    }
    Text1->clear();
    rebuildCableTotals();
}

void FillRatio::takeDiameters(const QStringList& diameters) {
    QStringList taken;
    std::vector<std::string> listed;
    for (const QString& diameter : diameters) {
        const QString trimmed = diameter.trimmed();
        if (!od_refusal(trimmed.toStdString(), locale_, listed)) {
            taken << trimmed;
            listed.push_back(trimmed.toStdString());
        }
    }
    cables_->setStringList(taken);
    rebuildCableTotals();
}

void FillRatio::List1_Click(int row) {
    if (row < 0 || row >= cables_->rowCount()) {
        return;
    }
    cables_->removeRows(row, 1);
    rebuildCableTotals();
}

void FillRatio::rebuildCableTotals() {
    const auto chosen = standard();
    inch_totals_ = cable_totals(inchDiameters(), locale_,
                                chosen ? fill_pi(conduit_standard(*chosen)) : kFillPi);
    const CableTotals& totals = inch_totals_;
    // Shown in the units and the locale's form; the calculation goes on from the plain totals.
    std::vector<std::string> areas;
    for (const std::string& each : totals.areas) {
        areas.push_back(shown_total(each, Quantity::Area, units_, locale_));
    }
    fill(*List2, areas);
    show_number(*Text2, shown_total(totals.total_area, Quantity::Area, units_, locale_));
    show_number(*Text3, shown_total(totals.pair_width, Quantity::Diameter, units_, locale_));
    count_text_ = totals.count;
    Label4->setText(cableCount(static_cast<int>(totals.areas.size())));
    fillcalc();
}

void FillRatio::fillcalc() {
    const std::string preferred = prefMaxFill->text().toStdString();
    // Inch-pound: the boxes as they read; metric: the totals they show, in inch-pound units.
    const bool metric = units_ == UnitSystem::Metric;
    const std::string total =
        metric ? inch_totals_.total_area : plain_number_text(Text2->text().toStdString(), locale_);
    const std::string width =
        metric ? inch_totals_.pair_width : plain_number_text(Text3->text().toStdString(), locale_);
    area->clear();
    percent->clear();
    codeColumn->clear();
    const auto chosen = standard();
    if (!chosen) {
        return; // as designed: no table yet
    }
    const ConduitStandard& table = conduit_standard(*chosen);
    inch_rating_ = rate_sizes(table, {plain_number_text(preferred, locale_), total, width},
                              static_cast<std::size_t>(cables_->rowCount()), NumberLocale{".", ""});
    const TableRating& rating = inch_rating_;
    for (std::size_t i = 0; i < rating.sizes.size(); ++i) {
        const ConduitSize& size = table.sizes[i];
        area->addItem(qt_text(shown_size_area(size, rating.sizes[i].area, units_, locale_)));
        percent->addItem(qt_text(shown_percent(rating.sizes[i].percent, locale_)));
        codeColumn->addItem(spoken(rating.meets_code[i] ? kMeetsWord : kOverWord, locale_));
    }
    showCodeSummary(table, rating);
}

void FillRatio::showCodeSummary(const ConduitStandard& table, const TableRating& rating) {
    const int cables = cables_->rowCount();
    const QString limit = QString::number(rating.code_limit) + QStringLiteral("%");
    codeLimit->setText(cables <= 1   ? tr("Fill limit %1 for one cable").arg(limit)
                       : cables == 2 ? tr("Fill limit %1 for two cables").arg(limit)
                                     : tr("Fill limit %1 for more than two cables").arg(limit));
    if (cables == 0) {
        codeSmallest->setText(tr("No cables yet"));
    } else if (rating.smallest_meeting) {
        // Named as the size column names it: by its metric designator where it lists those.
        const ConduitSize& size = table.sizes[*rating.smallest_meeting];
        const bool designated = units_ == UnitSystem::Metric && !size.metric.empty();
        codeSmallest->setText(tr("Smallest size that meets it: ") +
                              qt_text(designated ? size.metric : size.trade_size));
    } else {
        codeSmallest->setText(tr("No size meets it"));
    }
}

void FillRatio::prefMaxFill_Change() {
    const std::string typed = prefMaxFill->text().toStdString();
    if (isNumberText(typed, locale_)) {
        fillcalc();
    } else {
        warn_about_change(platform(), prefMaxFill, locale_, Message(kEnterNumber));
    }
}

void FillRatio::Command1_Click() {
    Check1->setChecked(true);
    registry().show<MaxPull>();
}

void FillRatio::keyPressEvent(QKeyEvent* event) {
    // "Submit" is the default button: Enter anywhere in the window that does not take it
    // itself (the cable list does) presses it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmd1->click();
        return;
    }
    RegisteredWindow<QWidget>::keyPressEvent(event);
}

} // namespace tensora
