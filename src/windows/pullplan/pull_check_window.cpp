#include "windows/pullplan/pull_check_window.h"

#include "fill/conduit_tables.h"
#include "print/plan_colors.h"
#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "report/report_figures.h"
#include "widgets/input_warnings.h"
#include "widgets/lines_label.h"
#include "widgets/named_control.h"
#include "widgets/unit_boxes.h"
#include "windows/cables/max_pull_window.h"
#include "windows/fill/fill_ratio_window.h"
#include "windows/pullplan/pull_calculator_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTabBar>
#include <QVBoxLayout>

#include <optional>

namespace tensora {
namespace {

const QColor kGood(20, 110, 40);

// A label's text in a colour of its own, or in the window's colour.
void paint(QLabel* label, const std::optional<QColor>& color) {
    QPalette palette = label->parentWidget()->palette();
    if (color) {
        palette.setColor(QPalette::WindowText, *color);
    }
    label->setPalette(palette);
}

// A result line, with a caption that a screen reader says before the result's text.
void show_result(QLabel* label, const QString& text) {
    if (auto* lines = qobject_cast<LinesLabel*>(label)) {
        lines->setFullText(text); // cut, if at all, with an ellipsis and whole in its tip
    } else {
        label->setText(text);
        label->setToolTip(text);
    }
    label->setAccessibleName(label->property("caption").toString() + QStringLiteral(": ") + text);
}

QLabel* result_label(QWidget* parent, const char* name) {
    auto* label = named(new QLabel(parent), name);
    show_result(label, QString());
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

constexpr int kTypedData = -1; // the standard combo's "Inside diameter typed"

enum BendColumn { LinkColumn, RadiusColumn, ForwardColumn, ReverseColumn, LimitColumn, Columns };

} // namespace

void CheckBendsModel::setBends(const std::vector<CheckedBend>* bends, const CheckInputs* inputs,
                               ColumnUnit pressure_unit) {
    beginResetModel();
    bends_ = bends;
    inputs_ = inputs;
    pressure_unit_ = pressure_unit;
    endResetModel();
}

int CheckBendsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !bends_ ? 0 : static_cast<int>(bends_->size());
}

int CheckBendsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant CheckBendsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !bends_ || !inputs_) {
        return {};
    }
    const CheckedBend& bend = (*bends_)[static_cast<std::size_t>(index.row())];
    if (role == Qt::BackgroundRole) {
        return bend.over_limit ? QVariant(kOverRow) : QVariant();
    }
    if (role == Qt::TextAlignmentRole) {
        return index.column() == LimitColumn ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const CheckedBendTexts texts = bend_texts(bend, *inputs_, pressure_unit_);
    const NumberLocale& locale = inputs_->locale;
    switch (index.column()) {
    case LimitColumn:
        return spoken(texts.limit, locale);
    case LinkColumn:
        return qt_text(texts.link);
    case RadiusColumn:
        return spoken(texts.radius, locale);
    case ForwardColumn:
        return spoken(texts.forward_pressure, locale);
    default:
        return spoken(texts.reverse_pressure, locale);
    }
}

QVariant CheckBendsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    const QString pressure = qt_text(column_symbol(Quantity::Pressure, pressure_unit_));
    switch (section) {
    case LinkColumn:
        return tr("Link");
    case RadiusColumn:
        return tr("Radius (%1)").arg(qt_text(unit_symbol(Quantity::Length, pressure_unit_.units)));
    case ForwardColumn:
        return tr("Bearing, forward (%1)").arg(pressure);
    case ReverseColumn:
        return tr("Bearing, reverse (%1)").arg(pressure);
    default:
        return tr("Limit (%1)").arg(pressure);
    }
}

PullCheck::PullCheck(WindowRegistry& registry)
    : RegisteredWindow<QWidget>(registry), locale_(platform().numberLocale()),
      units_(registry.units()),
      advice_(
          this, [this]() -> DeferredAdvice::Job { return adviceJob(); }, [this] { showAdvice(); }) {
    setObjectName(QStringLiteral("PullCheck"));
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Pull Check"));

    verdictLabel = named(new QLabel(this), "verdictLabel");
    QFont bold = verdictLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    verdictLabel->setFont(bold);
    verdictLabel->setWordWrap(true);
    verdictLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A band of three lines, the most that every finding at once takes, so that the window's
    // contents stay where they are whatever the verdict says.
    verdictLabel->setMinimumHeight(QFontMetrics(bold).lineSpacing() * 3 + 4);
    verdictLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verdictLabel->setProperty("caption", tr("Verdict"));

    set_panel_ = new CableSetPanel(platform(), locale_, units_, this);
    auto* top = new QHBoxLayout;
    top->addWidget(buildInputs(), 0);
    top->addWidget(buildResults(), 1);

    // Not the planner's sidewall column (tension leaving a bend / its length): a figure from
    // the radius, to be held against a limit of its own.
    auto* bends = new QGroupBox(tr("Bends: sidewall bearing pressure from each "
                                   "bend's radius, corrected pull"),
                                this);
    bends_model_ = new CheckBendsModel(this);
    bendsTable = named(new QTableView(bends), "bendsTable");
    bendsTable->setModel(bends_model_);
    bendsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    bendsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    bendsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    bendsTable->verticalHeader()->hide();
    bendsTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    bendsTable->verticalHeader()->setDefaultSectionSize(bendsTable->fontMetrics().height() + 6);
    // Every column as wide as its texts (a limit "over both ways" in German included); the
    // limit's column takes the room left.
    bendsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    bendsTable->horizontalHeader()->setStretchLastSection(true);
    bendsTable->setWordWrap(false);
    (new QVBoxLayout(bends))->addWidget(bendsTable);

    // The set and the bends share the window's lower half, a tab each: both need its width.
    checkTabs = named(new QTabWidget(this), "checkTabs");
    for (QGroupBox* page : {static_cast<QGroupBox*>(set_panel_), bends}) {
        page->setFlat(true);
    }
    checkTabs->addTab(set_panel_, tr("Cable s&et"));
    checkTabs->addTab(bends, QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(verdictLabel);
    layout->addLayout(top);
    layout->addWidget(checkTabs, 1);
    resize(1240, 660);
    connectSet();

    if (const MaxPull* selection = registry.find<MaxPull>()) {
        cableChosen(selection->chosenDiameter());
    } else if (const PullCalculator* planner = registry.find<PullCalculator>()) {
        cableChosen(planner->chosenCableDiameter());
    }
    showUnits();
    recheck();
    if (PullCalculator* planner = registry.find<PullCalculator>()) {
        planner->partOpened(objectName(), documentPart());
    }
}

std::string PullCheck::documentPart() const {
    ReportContents part;
    part.cable_set = setReport();
    part.check = checkReport();
    return report_text(part);
}

void PullCheck::closeEvent(QCloseEvent* event) {
    PullCalculator* planner = registry().find<PullCalculator>();
    if (planner && planner->partModified(objectName()) &&
        !registry().mayDropChanges(this, tr("The pull check has changes that are not saved. "
                                            "Save them before closing the Pull Check?"))) {
        event->ignore();
        return;
    }
    RegisteredWindow<QWidget>::closeEvent(event);
    if (planner && event->isAccepted()) {
        planner->partClosed(objectName());
    }
}

void PullCheck::listStandards() {
    // Each table carries its identifier; separators set the written standards, the code's
    // tables and the typed diameter apart.
    for (const auto tables : {conduit_standards(), code_conduit_standards()}) {
        for (const ConduitStandardId id : tables) {
            const ConduitStandard& table = conduit_standard(id);
            conduitStandard->addItem(
                qt_text(table.code ? std::string(table.name) + " (NEC)" : std::string(table.name)),
                static_cast<int>(id));
        }
        conduitStandard->insertSeparator(conduitStandard->count());
    }
    conduitStandard->addItem(tr("Inside diameter typed"), kTypedData);
    writeStandardTips();
}

void PullCheck::writeStandardTips() {
    for (int row = 0; row < conduitStandard->count(); ++row) {
        const int data = conduitStandard->itemData(row).toInt();
        if (!conduitStandard->itemData(row).isValid() || data == kTypedData) {
            continue;
        }
        const ConduitStandard& table = conduit_standard(static_cast<ConduitStandardId>(data));
        QString tip = spoken(table.description, locale_);
        if (table.code) {
            tip += QStringLiteral(", ") + qt_text(kCodeEdition);
        }
        conduitStandard->setItemData(row, tip, Qt::ToolTipRole);
    }
}

QWidget* PullCheck::buildInputs() {
    auto* group = new QGroupBox(tr("Cables and conduit"), this);
    auto* form = new QFormLayout(group);
    conduitStandard = named(new QComboBox(group), "conduitStandard");
    listStandards();
    tradeSize = named(new QComboBox(group), "tradeSize");
    tradeSize->setPlaceholderText(tr("Choose a trade size"));
    conduitId = named(new QLineEdit(group), "conduitId");
    cableOd = named(new QLineEdit(group), "cableOd");
    cableCount = named(new QSpinBox(group), "cableCount");
    cableCount->setRange(1, kMostCables);
    cableCount->setValue(3);
    cableKind = named(new QComboBox(group), "cableKind");
    for (const CableKind kind : kOfferedKinds) {
        cableKind->addItem(spoken(cable_kind_name(kind), locale_), static_cast<int>(kind));
    }
    cableKindMultiple = named(new QLineEdit(group), "cableKindMultiple");
    cableKindMultiple->setPlaceholderText(tr("× OD"));
    cableKindMultiple->setEnabled(false);
    configuration = named(new QComboBox(group), "configuration");
    configuration->addItems({tr("Automatic"), tr("Triangular"), tr("Cradled"), tr("Diamond")});
    minClearance =
        named(new QLineEdit(qt_text(locale_number_text(design_min_clearance_text(units_), locale_)),
                            group),
              "minClearance");
    swbpLimit =
        named(new QLineEdit(qt_text(design_sidewall_limit_text(units_)), group), "swbpLimit");
    QWidget* limit = buildLimit(group);
    bendRadius = named(new QLineEdit(group), "bendRadius");
    bendRadius->setPlaceholderText(tr("from each bend's length and angle"));

    form->addRow(tr("Conduit &standard:"), conduitStandard);
    form->addRow(tr("&Trade size:"), tradeSize);
    // The captions of boxes with a unit are named, so that a switch of units renames them.
    const auto captioned = [group, form](std::size_t at, QLineEdit* box,
                                         std::array<QLabel*, 5>& captions) {
        captions[at] = new QLabel(group);
        captions[at]->setBuddy(box);
        form->addRow(captions[at], box);
    };
    captioned(0, conduitId, box_captions_);
    captioned(1, cableOd, box_captions_);
    form->addRow(tr("&Number of cables:"), cableCount);
    auto* kind = new QHBoxLayout;
    kind->addWidget(cableKind, 1);
    kind->addWidget(cableKindMultiple);
    auto* kind_label = named(new QLabel(tr("Cable &kind:"), group), "cableKindLabel");
    kind_label->setBuddy(cableKind);
    form->addRow(kind_label, kind);
    form->addRow(tr("&Configuration:"), configuration);
    captioned(2, minClearance, box_captions_);
    box_captions_[3] = new QLabel(group);
    box_captions_[3]->setBuddy(swbpLimit);
    form->addRow(box_captions_[3], limit);
    captioned(4, bendRadius, box_captions_);
    bendRadius->setMinimumWidth(
        bendRadius->fontMetrics().horizontalAdvance(bendRadius->placeholderText()) + 12);
    connectInputs();
    standardChosen();
    return group;
}

void PullCheck::connectInputs() {
    connect(conduitStandard, &QComboBox::currentIndexChanged, this, &PullCheck::standardChosen);
    connect(conduitStandard, &QComboBox::currentIndexChanged, this, &PullCheck::recheck);
    connect(tradeSize, &QComboBox::currentIndexChanged, this, &PullCheck::sizeChosen);
    connect(conduitId, &QLineEdit::textEdited, this, &PullCheck::idTyped);
    const std::pair<QLineEdit*, std::string_view> boxes[] = {{cableOd, "cable-od"},
                                                             {minClearance, "min-clearance"},
                                                             {swbpLimit, "swbp-limit"},
                                                             {bendRadius, "bend-radius"}};
    for (const auto& [box, name] : boxes) {
        connect(box, &QLineEdit::textChanged, this,
                [this, box = box, name = name] { boxChanged(box, name); });
        warn_when_left(platform(), box, locale_,
                       [this, name = name](std::string_view) { return boxWarning(name); });
    }
    warn_when_left(platform(), conduitId, locale_,
                   [this](std::string_view) { return boxWarning("conduit-id"); });
    connect(cableCount, &QSpinBox::valueChanged, this, [this](int count) {
        set_panel_->setFirstCount(count);
        recheck();
    });
    connect(cableOd, &QLineEdit::textChanged, set_panel_, &CableSetPanel::setFirstDiameter);
    connect(swbpLimit, &QLineEdit::textChanged, this, &PullCheck::showPreset);
    connect(configuration, &QComboBox::currentIndexChanged, this, &PullCheck::recheck);
    connect(cableKind, &QComboBox::currentIndexChanged, this, [this] {
        const bool typed =
            cableKind->currentData().toInt() == static_cast<int>(CableKind::Multiple);
        cableKindMultiple->setEnabled(typed);
        if (typed) {
            cableKindMultiple->setFocus();
        }
        recheck();
    });
    connect(cableKindMultiple, &QLineEdit::textChanged, this, &PullCheck::recheck);
    warn_when_left(platform(), cableKindMultiple, locale_,
                   [this](std::string_view) { return boxWarning("cable-kind"); });
}

void PullCheck::languageChanged() {
    for (int i = 0; i < cableKind->count(); ++i) {
        cableKind->setItemText(
            i, spoken(cable_kind_name(static_cast<CableKind>(cableKind->itemData(i).toInt())),
                      locale_));
    }
    writeResultCaptions();
    writeStandardTips();
    showUnits();
    recheck();
}

std::string PullCheck::cableKindKey() const {
    const auto kind = static_cast<CableKind>(cableKind->currentData().toInt());
    if (kind == CableKind::Multiple) {
        // A multiple not typed yet is no kind at all: nothing is checked.
        return std::string(trimmed_blanks(cableKindMultiple->text().toStdString()));
    }
    return bending_kind_key(BendingKind{kind});
}

void PullCheck::showCableKind(const std::string& key) {
    const BendingKind kind = bending_kind_by_key(key, locale_).value_or(BendingKind{});
    const QSignalBlocker quiet_kind(cableKind);
    const QSignalBlocker quiet_multiple(cableKindMultiple);
    cableKind->setCurrentIndex(cableKind->findData(static_cast<int>(kind.kind)));
    cableKindMultiple->setText(kind.kind == CableKind::Multiple ? qt_text(key) : QString());
    cableKindMultiple->setEnabled(kind.kind == CableKind::Multiple);
}

QWidget* PullCheck::buildResults() {
    auto* group = new QGroupBox(tr("Results"), this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto add = [this, group, form](const char* name, const char* caption) {
        QLabel* label = result_label(group, name);
        auto* heading = new QLabel(group);
        heading->setBuddy(label);
        form->addRow(heading, label);
        result_captions_.push_back({heading, label, caption});
        return label;
    };
    jamRatio = add("jamRatio", QT_TR_NOOP("Jam ratio"));
    weightCorrection = add("weightCorrection", QT_TR_NOOP("Weight correction"));
    clearance = add("clearance", QT_TR_NOOP("Clearance"));
    forwardMax = add("forwardMax", QT_TR_NOOP("Forward pull, corrected"));
    reverseMax = add("reverseMax", QT_TR_NOOP("Reverse pull, corrected"));
    codeFill = add("codeFill", QT_TR_NOOP("Code fill"));
    setTotals = add("setTotals", QT_TR_NOOP("Cable set"));
    setAllowable = add("setAllowable", QT_TR_NOOP("Allowable tension"));
    bendingRadius = add("bendingRadius", QT_TR_NOOP("Least bending radius"));
    pullPoints = add("pullPoints", QT_TR_NOOP("Bends between pull points"));
    // The advice takes three lines whatever it says, so that the set below does not move when
    // it changes; a longer one ends in an ellipsis, whole in its tool tip.
    auto* advice = named(new LinesLabel(3, group), "adviceLine");
    advice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* heading = new QLabel(group);
    form->addRow(heading, advice);
    result_captions_.push_back({heading, advice, QT_TR_NOOP("Advice for the cable set")});
    adviceLine = advice;
    writeResultCaptions();
    return group;
}

void PullCheck::writeResultCaptions() {
    for (const ResultCaption& line : result_captions_) {
        const QString caption = tr(line.source);
        line.line->setProperty("caption", caption);
        line.heading->setText(caption + QLatin1Char(':'));
    }
}

QWidget* PullCheck::buildLimit(QWidget* parent) {
    // The limit typed, or one of the usual limits for the type of cable.
    auto* row = new QWidget(parent);
    swbpPreset = named(new QComboBox(row), "swbpPreset");
    swbpPreset->setAccessibleName(tr("Sidewall pressure limit for the type of cable"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(swbpLimit, 1);
    layout->addWidget(swbpPreset, 2);
    connect(swbpPreset, &QComboBox::activated, this, &PullCheck::presetChosen);
    return row;
}

void PullCheck::presetChosen(int index) {
    if (index > 0) {
        swbpLimit->setText(qt_text(sidewall_preset_text(
            kSidewallPresets[static_cast<std::size_t>(index - 1)], units_, locale_)));
    }
}

void PullCheck::showPreset() {
    const QSignalBlocker quiet(swbpPreset);
    if (swbpPreset->count() == 0) {
        swbpPreset->addItem(tr("Typed"));
        for (const SidewallPreset& preset : kSidewallPresets) {
            swbpPreset->addItem(QString());
            (void)preset;
        }
    }
    for (std::size_t i = 0; i < std::size(kSidewallPresets); ++i) {
        swbpPreset->setItemText(static_cast<int>(i) + 1,
                                spoken(sidewall_preset_name(kSidewallPresets[i], units_), locale_));
    }
    const auto preset = sidewall_preset_of(swbpLimit->text().toStdString(), units_, locale_);
    swbpPreset->setCurrentIndex(preset ? static_cast<int>(*preset) + 1 : 0);
}

void PullCheck::connectSet() {
    connect(set_panel_, &CableSetPanel::changed, this, [this] {
        followPlanner();
        recheck();
    });
    connect(set_panel_, &CableSetPanel::firstCountEdited, cableCount, &QSpinBox::setValue);
    connect(set_panel_, &CableSetPanel::firstCountEdited, set_panel_,
            [this] { set_panel_->setFirstCount(cableCount->value()); });
    connect(set_panel_, &CableSetPanel::firstDiameterEdited, cableOd, &QLineEdit::setText);
    connect(set_panel_, &CableSetPanel::libraryWanted, this, [this] {
        waiting_for_cable_ = true;
        registry().show<MaxPull>();
    });
    connect(set_panel_, &CableSetPanel::fillWanted, this, &PullCheck::sendSetToFill);
    set_panel_->setFirstCount(cableCount->value());
    set_panel_->setFirstDiameter(cableOd->text());
    showPreset();
    followPlanner();
}

void PullCheck::followPlanner() {
    const QSignalBlocker quiet(set_panel_);
    if (const PullCalculator* planner = registry().find<PullCalculator>()) {
        set_panel_->followPlanner(planner->cableTexts());
    } else {
        set_panel_->followPlanner({QString(), QString(), QStringLiteral("0"), QString()});
    }
}

void PullCheck::sendSetToFill() {
    FillRatio& fill = registry().show<FillRatio>();
    fill.takeDiameters(set_panel_->diameters());
}

void PullCheck::applySetReport(const std::optional<CableSetReport>& report) {
    CableSetReport set = report.value_or(CableSetReport{});
    if (!set.groups.empty()) {
        // The first group's count and diameter are the window's boxes.
        const CableGroupTexts& first = set.groups.front();
        const double count = leadingValue(first.count);
        cableCount->setValue(static_cast<int>(std::clamp(count, 1.0, double{kMostCables})));
        cableOd->setText(shownDiameter(first.od));
    }
    set_panel_->applyReport(set);
    set_panel_->setFirstCount(cableCount->value());
    set_panel_->setFirstDiameter(cableOd->text());
    followPlanner();
    recheck();
}

namespace {

// The check's boxes with a unit, in the order of their memos.
constexpr std::array<Quantity, 5> kBoxQuantities{Quantity::Diameter, Quantity::Diameter,
                                                 Quantity::Diameter, Quantity::Pressure,
                                                 Quantity::Length};

} // namespace

CheckReport PullCheck::checkReport() const {
    const auto inches = [this](const QLineEdit* box, std::size_t memo) {
        return text_in_other_units(box->text().trimmed().toStdString(), box_memos_[memo],
                                   kBoxQuantities[memo], units_, UnitSystem::InchPound, locale_);
    };
    CheckReport report;
    if (const auto table = chosenTable()) {
        report.standard = std::string(conduit_standard(*table).key);
        if (const ConduitSize* size = chosenSize()) {
            report.trade_size = std::string(size->trade_size);
        }
    }
    report.conduit_id = inches(conduitId, 0);
    report.arrangement = std::string(
        arrangement_keyword(static_cast<CableArrangement>(configuration->currentIndex())));
    report.min_clearance = inches(minClearance, 2);
    report.sidewall_limit = inches(swbpLimit, 3);
    report.bend_radius = inches(bendRadius, 4);
    report.cable_kind = cableKindKey();
    return check_in_file_form(report, locale_);
}

void PullCheck::applyCheckReport(const CheckReport& saved) {
    const CheckReport report = check_in_box_form(saved, locale_);
    const auto show = [this](QLineEdit* box, std::size_t memo, const std::string& inches) {
        const QSignalBlocker quiet(box); // one check below, and no warning: the report says
        box_memos_[memo] = {};
        box->setText(qt_text(inches));
        switch_box_units(*box, box_memos_[memo], kBoxQuantities[memo], UnitSystem::InchPound,
                         units_, locale_);
    };
    {
        const QSignalBlocker quiet(conduitStandard);
        const auto table = conduit_standard_by_key(report.standard);
        const int at = conduitStandard->findData(table ? static_cast<int>(*table) : kTypedData);
        conduitStandard->setCurrentIndex(at >= 0 ? at : conduitStandard->findData(kTypedData));
    }
    show(conduitId, 0, report.conduit_id);
    standardChosen();
    if (const auto table = chosenTable()) {
        const QSignalBlocker quiet(tradeSize);
        const auto sizes = conduit_standard(*table).sizes;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            if (sizes[i].trade_size == report.trade_size) {
                tradeSize->setCurrentIndex(static_cast<int>(i));
            }
        }
    }
    for (int i = 0; i < configuration->count(); ++i) {
        if (arrangement_keyword(static_cast<CableArrangement>(i)) == report.arrangement) {
            const QSignalBlocker quiet(configuration);
            configuration->setCurrentIndex(i);
        }
    }
    show(minClearance, 2, report.min_clearance);
    show(swbpLimit, 3, report.sidewall_limit);
    show(bendRadius, 4, report.bend_radius);
    showCableKind(report.cable_kind);
    showPreset();
    recheck();
}

std::optional<ConduitStandardId> PullCheck::chosenTable() const {
    const QVariant data = conduitStandard->currentData();
    if (!data.isValid() || data.toInt() == kTypedData) {
        return std::nullopt;
    }
    return static_cast<ConduitStandardId>(data.toInt());
}

void PullCheck::standardChosen() {
    const QSignalBlocker quiet(tradeSize);
    tradeSize->clear();
    const auto table = chosenTable();
    tradeSize->setEnabled(table.has_value());
    if (!table) {
        return;
    }
    const ConduitStandard& standard = conduit_standard(*table);
    int matching = -1; // the size whose inside diameter the box already holds
    const bool metric = units_ == UnitSystem::Metric;
    for (const ConduitSize& size : standard.sizes) {
        const QString shown = shownDiameter(std::string(size.pipe_id));
        // The size's name gives millimetres to two decimals, as the check's figures are.
        const QString millimetres = qt_text(locale_number_text(
            fixed_number_text(leadingValue(size.pipe_id) * kMillimetresPerInch, 2), locale_));
        const QString inches = qt_text(locale_number_text(size.pipe_id, locale_));
        if (shown == conduitId->text().trimmed()) {
            matching = tradeSize->count();
        }
        // In metric, a code table's sizes are named by their metric designators too.
        QString name = qt_text(size.trade_size);
        if (metric && !size.metric.empty()) {
            name += QStringLiteral(" (%1)").arg(qt_text(size.metric));
        }
        tradeSize->addItem(metric ? tr("%1  (%2 mm)").arg(name, millimetres)
                                  : tr("%1  (%2 in)").arg(name, inches),
                           qt_text(size.pipe_id));
    }
    tradeSize->setCurrentIndex(matching);
}

void PullCheck::sizeChosen(int index) {
    if (index < 0) {
        return;
    }
    conduitId->setText(shownDiameter(tradeSize->itemData(index).toString().toStdString()));
    recheck();
}

void PullCheck::idTyped() {
    if (chosenTable()) {
        // a typed diameter is no trade size
        conduitStandard->setCurrentIndex(conduitStandard->findData(kTypedData));
    }
    boxChanged(conduitId, "conduit-id");
}

std::optional<Message> PullCheck::boxWarning(std::string_view name) const {
    std::vector<CheckWarning> warnings;
    read_check_inputs(inputTexts(), locale_, &warnings, units_);
    for (const CheckWarning& warning : warnings) {
        if (warning.box == name) {
            return warning.message;
        }
    }
    return std::nullopt;
}

void PullCheck::boxChanged(QLineEdit* box, std::string_view name) {
    if (!box->text().trimmed().isEmpty()) {
        warn_about_change(platform(), box, locale_, boxWarning(name));
    }
    recheck();
}

CheckInputTexts PullCheck::inputTexts() const {
    CheckInputTexts texts;
    texts.conduit_id = conduitId->text().toStdString();
    texts.cable_od = cableOd->text().toStdString();
    texts.cables = cableCount->value();
    texts.arrangement = static_cast<CableArrangement>(configuration->currentIndex());
    texts.min_clearance = minClearance->text().toStdString();
    texts.sidewall_limit = swbpLimit->text().toStdString();
    texts.bend_radius = bendRadius->text().toStdString();
    texts.cable_kind = cableKindKey();
    if (const ConduitSize* size = chosenSize(); size && !size->listed_area.empty()) {
        texts.conduit_area = std::string(size->listed_area);
    }
    set_panel_->writeTexts(texts);
    // The first group's count and diameter are the boxes', whichever was written first.
    texts.groups.front().count = std::to_string(texts.cables);
    texts.groups.front().od = texts.cable_od;
    if (texts.groups.front().kind.empty()) {
        texts.groups.front().kind = texts.cable_kind;
    }
    return texts;
}

bool PullCheck::hasInputs() const {
    return !conduitId->text().trimmed().isEmpty() && !cableOd->text().trimmed().isEmpty();
}

void PullCheck::planRecalculated() {
    followPlanner();
    recheck();
}

void PullCheck::cableChosen(const QString& diameter) {
    cableOd->setText(diameter.isEmpty() ? diameter : shownDiameter(diameter.toStdString()));
}

QString PullCheck::shownDiameter(const std::string& inches) const {
    return qt_text(converted_text(locale_number_text(inches, locale_), Quantity::Diameter,
                                  UnitSystem::InchPound, units_, locale_));
}

void PullCheck::showUnits() {
    const auto caption = [this](const char* words, Quantity quantity) {
        return QStringLiteral("%1 (%2):").arg(tr(words), qt_text(unit_symbol(quantity, units_)));
    };
    box_captions_[0]->setText(caption(QT_TR_NOOP("&Inside diameter"), Quantity::Diameter));
    box_captions_[1]->setText(caption(QT_TR_NOOP("Cable &outside diameter"), Quantity::Diameter));
    box_captions_[2]->setText(caption(QT_TR_NOOP("&Minimum clearance"), Quantity::Diameter));
    box_captions_[3]->setText(caption(QT_TR_NOOP("Sidewall pressure &limit"), Quantity::Pressure));
    box_captions_[4]->setText(caption(QT_TR_NOOP("&Bend radius, all bends"), Quantity::Length));
    showPreset();
}

void PullCheck::unitsChanged(UnitSystem from, UnitSystem to) {
    const std::array<std::pair<QLineEdit*, Quantity>, 5> boxes{{{conduitId, Quantity::Diameter},
                                                                {cableOd, Quantity::Diameter},
                                                                {minClearance, Quantity::Diameter},
                                                                {swbpLimit, Quantity::Pressure},
                                                                {bendRadius, Quantity::Length}}};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto& [box, quantity] = boxes[i];
        const QSignalBlocker quiet(box); // one check below, not one per box
        switch_box_units(*box, box_memos_[i], quantity, from, to, locale_);
    }
    units_ = to;
    set_panel_->switchUnits(from, to);
    {
        // The trade size stays chosen; only its names change.
        const QSignalBlocker quiet(tradeSize);
        const int size = tradeSize->currentIndex();
        standardChosen();
        tradeSize->setCurrentIndex(size);
    }
    showUnits();
    recheck();
}

void PullCheck::recheck() {
    inputs_ = read_check_inputs(inputTexts(), locale_, nullptr, units_);
    // The advice line keeps its last text until typing pauses.
    PullAdvice last = std::move(result_.advice);
    if (const PullCalculator* planner = registry().find<PullCalculator>()) {
        const PullPlanLinks& plan = planner->plan();
        result_ = check_pull(plan.values(), planner->calculatedSettings(), inputs_);
    } else {
        result_ = check_pull({}, PullSettings{}, inputs_);
    }
    result_.advice = std::move(last);
    advice_.planChanged();
    showResult();
    for (QWidget* window : registry().loadedWindows()) {
        if (auto* follower = dynamic_cast<PlanFollower*>(window); follower && window != this) {
            follower->checkRecalculated();
        }
    }
    if (PullCalculator* planner = registry().find<PullCalculator>()) {
        planner->partChanged();
    }
}

DeferredAdvice::Job PullCheck::adviceJob() const {
    const PullCalculator* planner = registry().find<PullCalculator>();
    if (!planner) {
        return [] { return PullAdvice{}; };
    }
    // What the advice reads of the check: its correction, arrangement and corrected pull's
    // settings, not its columns.
    CheckResult corrected;
    corrected.problem = result_.problem;
    corrected.weight_correction = result_.weight_correction;
    corrected.arrangement_used = result_.arrangement_used;
    corrected.cables_checked = result_.cables_checked;
    corrected.corrected_settings = result_.corrected_settings;
    corrected.corrected_links = result_.corrected_links;
    corrected.bearing_factors = result_.bearing_factors;
    return [links = planner->plan().values(), inputs = inputs_, corrected = std::move(corrected)] {
        return check_advice(links, inputs, corrected);
    };
}

const PullAdvice& PullCheck::advice() const {
    result_.advice = advice_.advice();
    return result_.advice;
}

void PullCheck::showAdvice() {
    advice(); // found now
    if (hasInputs()) {
        const CheckTexts texts = check_texts(result_, inputs_);
        show_result(adviceLine, spoken(texts.advice_line, locale_));
        paint(adviceLine, result_.advice.findings.any() ? std::optional(kOverLimit) : std::nullopt);
    }
}

void PullCheck::showResult() {
    QLabel* const lines[] = {jamRatio,  weightCorrection, clearance,     forwardMax,
                             reverseMax, codeFill,        setTotals,     setAllowable,
                             bendingRadius, pullPoints,   adviceLine};
    if (!hasInputs()) {
        show_result(verdictLabel, tr("Enter the conduit's inside diameter (or choose a trade size) "
                                     "and the cable's outside diameter."));
        paint(verdictLabel, std::nullopt);
        for (QLabel* line : lines) {
            show_result(line, QString());
        }
        bends_model_->setBends(nullptr);
        showTabTitles();
        return;
    }
    const CheckTexts texts = check_texts(result_, inputs_);
    show_result(verdictLabel, spoken(texts.verdict, locale_));
    paint(verdictLabel, result_.no_plan ? std::nullopt
                        : result_.ok    ? std::optional(kGood)
                                        : std::optional(kOverLimit));
    const bool problem = !result_.problem.empty();
    const std::pair<const Message*, bool> shown[] = {
        {&texts.jam_line, result_.may_jam || problem},
        {&texts.weight_line, problem},
        {&texts.clearance_line, result_.clearance_short || problem},
        {&texts.forward_line, result_.forward_over || problem},
        {&texts.reverse_line, result_.reverse_over || problem},
        {&texts.code_line, result_.code_over},
        {&texts.set_line, false},
        {&texts.allowable_line, !result_.set_allowable},
        {&texts.radius_line, std::any_of(result_.bend_radii.begin(), result_.bend_radii.end(),
                                         [](const BendRadiusCheck& bend) {
                                             return bend.pulling_under || bend.trained_under;
                                         })},
        {&texts.stretches_line,
         std::any_of(result_.stretches.begin(), result_.stretches.end(),
                     [](const BendStretch& stretch) { return stretch.over; })},
        {&texts.advice_line, result_.advice.findings.any()}};
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        show_result(lines[i], spoken(*shown[i].first, locale_));
        paint(lines[i], shown[i].second ? std::optional(kOverLimit) : std::nullopt);
    }
    bends_model_->setBends(&result_.bends, &inputs_, bend_pressure_unit(result_, units_));
    showTabTitles();
}

void PullCheck::showTabTitles() {
    const auto over = std::count_if(result_.bends.begin(), result_.bends.end(),
                                    [](const CheckedBend& bend) { return bend.over_limit; });
    checkTabs->setTabText(1, over > 0 && hasInputs()
                                 ? tr("Ben&ds (%n over the limit)", nullptr, static_cast<int>(over))
                                 : tr("Ben&ds"));
    checkTabs->tabBar()->setTabTextColor(
        1, over > 0 && hasInputs() ? kOverLimit : palette().color(QPalette::WindowText));
}

const ConduitSize* PullCheck::chosenSize() const {
    const auto table = chosenTable();
    if (!table || tradeSize->currentIndex() < 0) {
        return nullptr;
    }
    return &conduit_standard(*table).sizes[static_cast<std::size_t>(tradeSize->currentIndex())];
}

QString PullCheck::conduitName() const {
    const ConduitSize* size = chosenSize();
    if (!size) {
        return {};
    }
    const ConduitStandard& standard = conduit_standard(*chosenTable());
    const bool metric = units_ == UnitSystem::Metric;
    return qt_text(standard.name) + tr(", trade size ") + qt_text(size->trade_size) +
           (standard.code && metric
                ? tr(" (metric designator %1), listed area %2 mm²")
                      .arg(qt_text(size->metric), qt_text(size->listed_area_mm2))
            : standard.code ? tr(", listed area ") + qt_text(size->listed_area) + tr(" sq in")
                            : QString());
}

PrintedCheck PullCheck::printedCheck() const {
    advice();
    return printed_check(conduitName().toStdString(), inputs_, result_);
}

} // namespace tensora
