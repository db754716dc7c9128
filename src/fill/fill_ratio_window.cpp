#include "fill/fill_ratio_window.h"

#include "cables/max_pull_window.h"
#include "fill/fill_ratio.h"
#include "numbers/input_checks.h"
#include "widgets/input_warnings.h"
#include "widgets/named_control.h"
#include "widgets/qt_text.h"
#include "widgets/twips_form.h"

#include <QGroupBox>
#include <QKeyEvent>

namespace tensora {
namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    return named(new QLabel(text, parent), name);
}

std::vector<std::string> texts(const QListWidget& list) {
    std::vector<std::string> all;
    all.reserve(static_cast<std::size_t>(list.count()));
    for (int row = 0; row < list.count(); ++row) {
        all.push_back(list.item(row)->text().toStdString());
    }
    return all;
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
    : RegisteredWindow<QWidget>(registry), locale_(platform().numberLocale()) {
    setObjectName(QStringLiteral("FillRatio"));
    buildControls();
    placeControls();
    Form_Load();
}

void FillRatio::buildControls() {
    Label9 = label(this, "Label9",
                   QStringLiteral("Enter the diameter (OD) in inches of every cable in the "
                                  "conduit.  To remove a cable, simply click it off the list."));
    Label9->setWordWrap(true);
    sch40 = named(new QRadioButton(QStringLiteral("Schedule 40"), this), "sch40");
    sdr11 = named(new QRadioButton(QStringLiteral("SDR 11"), this), "sdr11");
    sdr135 = named(new QRadioButton(QStringLiteral("SDR 13.5"), this), "sdr135");

    Frame2 = named(new QGroupBox(QStringLiteral("Input"), this), "Frame2");
    Label1 = label(Frame2, "Label1", QStringLiteral("Cable OD"));
    Text1 = named(new QLineEdit(Frame2), "Text1");
    Label1->setBuddy(Text1);
    Command1 = named(new QPushButton(QStringLiteral("Select"), Frame2), "Command1");
    Label5 = label(Frame2, "Label5", QStringLiteral("Area(s)"));
    cables_ = new QStringListModel(this);
    List1 = named(new ActionListView(Frame2), "List1");
    List1->setModel(cables_);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->addActionKey(Qt::Key_Delete); // a cable goes as the planner's link does, or by Delete
    List2 = named(new QListWidget(Frame2), "List2");
    Label5->setBuddy(List2);
    cmd1 = named(new QPushButton(QStringLiteral("Submit"), Frame2), "cmd1");
    cmd1->setDefault(true);
    Text2 = named(new QLineEdit(Frame2), "Text2");

    Frame1 = named(new QGroupBox(QStringLiteral("Results"), this), "Frame1");
    Label3 = label(Frame1, "Label3", QStringLiteral("Trade Size"));
    Label6 = label(Frame1, "Label6", QStringLiteral("Pipe ID"));
    Label7 = label(Frame1, "Label7", QStringLiteral("Area"));
    Label8 = label(Frame1, "Label8", QStringLiteral("Percent Fill"));
    tradesize = named(new QListWidget(Frame1), "tradesize");
    tradesize->addItem(QStringLiteral("tradesize")); // the design's placeholder row
    ID = named(new QListWidget(Frame1), "ID");
    area = named(new QListWidget(Frame1), "area");
    percent = named(new QListWidget(Frame1), "percent");
    Label3->setBuddy(tradesize);
    Label6->setBuddy(ID);
    Label7->setBuddy(area);
    Label8->setBuddy(percent);
    maxODlabel = label(Frame1, "maxODlabel", QStringLiteral("Maximum combined pair width (in)"));
    Text3 = named(new QLineEdit(Frame1), "Text3");
    maxODlabel->setBuddy(Text3);
    Label4 = label(Frame1, "Label4", QStringLiteral("0 cables"));

    recommendLabel =
        label(this, "recommendLabel",
              QStringLiteral("Norvale recommends a 60% maximum fill.  Preferred maximum fill"));
    prefMaxFill = named(new QLineEdit(QStringLiteral("60"), this), "prefMaxFill");
    recommendLabel->setBuddy(prefMaxFill);
    Label10 = label(this, "Label10", QStringLiteral("%"));
    Check1 = named(new QCheckBox(QStringLiteral("launch from fill (hidden)"), this), "Check1");
    Check1->setVisible(false);

    // The outputs stand apart from the inputs on a grey ground; sizes and fills in bold.
    for (QWidget* output :
         std::initializer_list<QWidget*>{List2, Text2, tradesize, ID, area, percent}) {
        QPalette palette = output->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button).darker(106));
        output->setPalette(palette);
    }
    for (QWidget* bold : {static_cast<QWidget*>(tradesize), static_cast<QWidget*>(percent)}) {
        QFont font = bold->font();
        font.setBold(true);
        bold->setFont(font);
    }
    for (QListWidget* output : {List2, tradesize, ID, area, percent}) {
        output->setFocusPolicy(Qt::NoFocus);
        output->setSelectionMode(QAbstractItemView::NoSelection);
        output->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        output->setTextElideMode(Qt::ElideRight);
    }

    connect(sch40, &QRadioButton::clicked, this, &FillRatio::sch40_Click);
    connect(sdr11, &QRadioButton::clicked, this, &FillRatio::sdr11_Click);
    connect(sdr135, &QRadioButton::clicked, this, &FillRatio::sdr135_Click);
    connect(cmd1, &QPushButton::clicked, this, &FillRatio::cmd1_Click);
    connect(Command1, &QPushButton::clicked, this, &FillRatio::Command1_Click);
    connect(List1, &ActionListView::acted, this, &FillRatio::List1_Click);
    connect(prefMaxFill, &QLineEdit::textChanged, this, &FillRatio::prefMaxFill_Change);
    warn_when_left(platform(), prefMaxFill, locale_, [locale = locale_](std::string_view typed) {
        return range_input_message(typed, locale);
    });

    setTabOrder(sch40, sdr11);
    setTabOrder(sdr11, sdr135);
    setTabOrder(sdr135, Text1);
    setTabOrder(Text1, List1);
    setTabOrder(List1, cmd1);
    setTabOrder(cmd1, Command1);
    setTabOrder(Command1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, prefMaxFill);
}

void FillRatio::placeControls() {
    // The design's client area and positions, in twips.
    TwipsForm form(*this, QSize(7455, 5010));
    form.place(Label9, 720, 120, 4575, 375);
    form.place(sch40, 2880, 600, 1335, 375);
    form.place(sdr11, 4320, 600, 975, 375);
    form.place(sdr135, 5400, 600, 1095, 375);
    form.place(Frame2, 720, 960, 1815, 3375);
    form.place(Label1, 840, 1200, 975, 255);
    form.place(Text1, 840, 1440, 735, 375);
    form.place(Command1, 1680, 1440, 735, 255);
    form.place(Label5, 1680, 1800, 615, 255);
    form.place(List1, 840, 2040, 735, 1620);
    form.place(List2, 1680, 2040, 735, 1620);
    form.place(cmd1, 840, 3720, 735, 375);
    form.place(Text2, 1680, 3720, 735, 375);
    form.place(Frame1, 2760, 960, 4095, 3495);
    form.place(Label3, 3000, 1320, 975, 255);
    form.place(Label6, 3840, 1320, 735, 255);
    form.place(Label7, 4680, 1320, 615, 255);
    form.place(Label8, 5520, 1320, 855, 255);
    // Every size of the longest table shows at once, in all four columns alike.
    const int sizes =
        static_cast<int>(conduit_standard(ConduitStandardId::Schedule40).sizes.size());
    form.placeList(tradesize, 3000, 1560, 735, 2205, sizes);
    form.placeList(ID, 3840, 1560, 735, 2205, sizes);
    form.placeList(area, 4680, 1560, 735, 2205, sizes);
    form.placeList(percent, 5520, 1560, 855, 2205, sizes);
    form.place(maxODlabel, 3000, 3840, 2535, 255);
    form.place(Text3, 5520, 3840, 855, 285);
    form.place(Label4, 3000, 4080, 2055, 255);
    form.place(recommendLabel, 720, 4560, 5055, 255);
    form.place(prefMaxFill, 5640, 4530, 495, 225);
    form.place(Label10, 6240, 4560, 255, 255);
    form.place(Check1, 600, 600, 1935, 375);
    form.apply();
}

void FillRatio::Form_Load() {
    setWindowTitle(kApplicationTitle + QStringLiteral(" - Conduit Fill Ratio"));
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
    return std::nullopt;
}

FillReport FillRatio::report() const {
    FillReport report;
    if (const auto chosen = standard()) {
        report.standard = std::string(conduit_standard(*chosen).name);
    }
    report.count = Label4->text().toStdString();
    for (const QString& diameter : cableDiameters()) {
        report.diameters.push_back(diameter.toStdString());
    }
    report.total_area = Text2->text().toStdString();
    report.pair_width_label = maxODlabel->text().toStdString();
    report.pair_width = Text3->text().toStdString();
    report.preferred_max = prefMaxFill->text().toStdString();
    const auto cell = [](const QListWidget& list, int row) {
        return row < list.count() ? list.item(row)->text().toStdString() : std::string();
    };
    // As designed, the trade size list holds only its placeholder: no conduit rows.
    for (int row = 0; standard() && row < tradesize->count(); ++row) {
        report.rows.push_back(
            {cell(*tradesize, row), cell(*ID, row), cell(*area, row), cell(*percent, row)});
    }
    return report;
}

void FillRatio::applyReport(const ReadReport::Fill& fill) {
    std::optional<ConduitStandardId> chosen;
    for (const ConduitStandardId id : conduit_standards()) {
        if (conduit_standard(id).name == fill.standard) {
            chosen = id;
        }
    }
    if (fill.empty()) {
        return;
    }
    if (fill.preferred_max) {
        prefMaxFill->setText(qt_text(*fill.preferred_max));
    }
    QStringList diameters;
    for (const std::string& diameter : fill.diameters) {
        diameters.append(qt_text(diameter));
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

void FillRatio::selectStandard(ConduitStandardId id) {
    sch40->setChecked(id == ConduitStandardId::Schedule40);
    sdr11->setChecked(id == ConduitStandardId::Sdr11);
    sdr135->setChecked(id == ConduitStandardId::Sdr135);
    tradesize->clear();
    ID->clear();
    for (const ConduitSize& size : conduit_standard(id).sizes) {
        tradesize->addItem(qt_text(size.trade_size));
        ID->addItem(qt_text(size.pipe_id));
    }
    fillcalc();
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

void FillRatio::List1_Click(int row) {
    if (row < 0 || row >= cables_->rowCount()) {
        return;
    }
    cables_->removeRows(row, 1);
    rebuildCableTotals();
}

void FillRatio::rebuildCableTotals() {
    std::vector<std::string> diameters;
    for (const QString& diameter : cableDiameters()) {
        diameters.push_back(diameter.toStdString());
    }
    const CableTotals totals = cable_totals(diameters, locale_);
    fill(*List2, totals.areas);
    Label4->setText(QString::fromStdString(totals.count));
    show_number(*Text2, totals.total_area);
    show_number(*Text3, totals.pair_width);
    fillcalc();
}

void FillRatio::fillcalc() {
    const std::string preferred = prefMaxFill->text().toStdString();
    const std::string total = Text2->text().toStdString();
    const std::string width = Text3->text().toStdString();
    area->clear();
    percent->clear();
    for (const SizeRating& rating :
         tensora::fillcalc(texts(*ID), {preferred, total, width}, locale_)) {
        area->addItem(QString::fromStdString(rating.area));
        percent->addItem(QString::fromStdString(rating.percent));
    }
}

void FillRatio::prefMaxFill_Change() {
    const std::string typed = prefMaxFill->text().toStdString();
    if (isNumberText(typed, locale_)) {
        fillcalc();
    } else {
        warn_about_change(platform(), prefMaxFill, locale_, kEnterNumberMessage);
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
