#include "windows/pullplan/cable_set_panel.h"

#include "numbers/units.h"
#include "print/plan_colors.h"
#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "widgets/input_warnings.h"
#include "widgets/named_control.h"
#include "widgets/platform.h"
#include "widgets/unit_boxes.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace tensora {
namespace {

// The figures of a group that have a unit, by their column.
std::optional<std::pair<std::size_t, Quantity>> unit_of(int column) {
    switch (column) {
    case CableSetModel::Od:
        return std::pair{std::size_t{0}, Quantity::Diameter};
    case CableSetModel::Weight:
        return std::pair{std::size_t{1}, Quantity::Weight};
    case CableSetModel::Rating:
        return std::pair{std::size_t{2}, Quantity::Tension};
    default:
        return std::nullopt;
    }
}

// The first group's cells that the planner fills while the group follows it.
bool from_planner(int column) {
    return column != CableSetModel::Count && column != CableSetModel::Od &&
           column != CableSetModel::Kind;
}

} // namespace

CableSetModel::CableSetModel(const NumberLocale& locale, UnitSystem units, QObject* parent)
    : QAbstractTableModel(parent), locale_(locale), units_(units), rows_(1) {}

std::string& CableSetModel::cell(CableGroupTexts& texts, int column) {
    std::string* const cells[Columns] = {&texts.count,      &texts.description, &texts.od,
                                         &texts.weight,     &texts.size,        &texts.material,
                                         &texts.conductors, &texts.rating,   &texts.kind};
    return *cells[column];
}

const std::string& CableSetModel::cell(const CableGroupTexts& texts, int column) {
    return cell(const_cast<CableGroupTexts&>(texts), column);
}

int CableSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CableSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant CableSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const CableGroupTexts& texts = rows_[static_cast<std::size_t>(index.row())].texts;
    const std::string& text = cell(texts, index.column());
    // A size or metal left empty is the one the description names, shown in grey.
    const DescribedConductor described = conductor_of_description(texts.description);
    const bool size_named = index.column() == Size && text.empty() && described.size;
    const bool metal_named = index.column() == Material && text.empty() && described.material;
    switch (role) {
    case Qt::DisplayRole:
        return size_named    ? qt_text(described.size->name)
               : metal_named ? qt_text(material_key(*described.material))
                             : qt_text(text);
    case Qt::EditRole:
        return qt_text(text);
    case Qt::ForegroundRole:
        return size_named || metal_named ? QVariant(QColor(Qt::gray)) : QVariant();
    case Qt::ToolTipRole:
    case Qt::BackgroundRole: {
        const ReadGroup read = read_cable_group(texts, locale_, units_);
        if (role == Qt::BackgroundRole) {
            return read.problem ? QVariant(kOverRow) : QVariant();
        }
        return read.problem                ? spoken(*read.problem, locale_)
               : size_named || metal_named ? tr("As the description names it")
                                           : QVariant();
    }
    case Qt::TextAlignmentRole:
        return index.column() == Description ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool CableSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    const QString text = value.toString();
    if (text.toStdString() ==
        cell(rows_[static_cast<std::size_t>(index.row())].texts, index.column())) {
        return true;
    }
    setCell(index.row(), static_cast<Column>(index.column()), text);
    if (index.row() == 0 && from_planner(index.column()) && planner_first_) {
        planner_first_ = false; // the user's own from now on
    }
    emit edited(index.row(), index.column(), text);
    return true;
}

Qt::ItemFlags CableSetModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant CableSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (role == Qt::ToolTipRole && section == Kind) {
        return tr("For the least bending radius: shielded, non-shielded, mc-smooth, "
                  "mc-interlocked, fibre, or a multiple of the diameter. Left empty in the first "
                  "row, the Cable kind chosen above.");
    }
    if (role == Qt::ToolTipRole && (section == Size || section == Material)) {
        return tr("The conductor: AWG (6, 1/0), kcmil (500) or mm² (35mm2); cu or al. "
                  "Left empty, the description's.");
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto with_unit = [this](const char* words, Quantity quantity) {
        return QStringLiteral("%1 (%2)").arg(tr(words), qt_text(unit_symbol(quantity, units_)));
    };
    switch (section) {
    case Count:
        return tr("Count");
    case Description:
        return tr("Description");
    case Od:
        return with_unit(QT_TR_NOOP("OD"), Quantity::Diameter);
    case Weight:
        return with_unit(QT_TR_NOOP("Weight"), Quantity::Weight);
    case Size:
        return tr("Conductor");
    case Material:
        return tr("Metal");
    case Conductors:
        return tr("Conductors");
    case Kind:
        return tr("Kind");
    default:
        return with_unit(QT_TR_NOOP("Rating"), Quantity::Tension);
    }
}

std::vector<CableGroupTexts> CableSetModel::groups() const {
    std::vector<CableGroupTexts> groups;
    for (const Row& row : rows_) {
        groups.push_back(row.texts);
    }
    return groups;
}

void CableSetModel::setCell(int row, Column column, const QString& text) {
    cell(rows_[static_cast<std::size_t>(row)].texts, column) = text.toStdString();
    emit dataChanged(index(row, 0), index(row, Columns - 1));
}

void CableSetModel::addGroup(const CableGroupTexts& texts) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    rows_.push_back({texts, {}});
    endInsertRows();
}

void CableSetModel::removeGroup(int row) {
    if (row < 1 || row >= rowCount()) {
        return; // the planner's cable stays
    }
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void CableSetModel::setPlannerFirst(bool follows) {
    planner_first_ = follows;
}

void CableSetModel::switchUnits(UnitSystem from, UnitSystem to) {
    for (Row& row : rows_) {
        for (const int column : {Od, Weight, Rating}) {
            const auto [memo, quantity] = *unit_of(column);
            std::string& text = cell(row.texts, column);
            text = switched_text(text, row.memos[memo], quantity, from, to, locale_);
        }
    }
    units_ = to;
    emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, Columns - 1));
}

std::vector<CableGroupTexts> CableSetModel::inchPoundGroups() const {
    std::vector<CableGroupTexts> groups;
    for (const Row& row : rows_) {
        CableGroupTexts texts = row.texts;
        for (const int column : {Count, Od, Weight, Conductors, Rating}) {
            std::string& text = cell(texts, column);
            if (const auto unit = unit_of(column)) {
                text = text_in_other_units(text, row.memos[unit->first], unit->second, units_,
                                           UnitSystem::InchPound, locale_);
            }
            text = plain_number_text(text, locale_);
        }
        groups.push_back(std::move(texts));
    }
    return groups;
}

void CableSetModel::setInchPoundGroups(const std::vector<CableGroupTexts>& groups) {
    beginResetModel();
    rows_.clear();
    for (const CableGroupTexts& group : groups) {
        Row row{group, {}};
        for (const int column : {Count, Od, Weight, Conductors, Rating}) {
            std::string& text = cell(row.texts, column);
            text = locale_number_text(text, locale_);
            if (const auto unit = unit_of(column); unit && units_ == UnitSystem::Metric) {
                // A switch back to inches gives the report's own text.
                text = switched_text(text, row.memos[unit->first], unit->second,
                                     UnitSystem::InchPound, units_, locale_);
            }
        }
        rows_.push_back(std::move(row));
    }
    if (rows_.empty()) {
        rows_.emplace_back();
    }
    endResetModel();
}

CableSetPanel::CableSetPanel(Platform& platform, const NumberLocale& locale, UnitSystem units,
                             QWidget* parent)
    : QGroupBox(tr("The cables pulled together: the first group is the planner's "
                   "cable, the number of cables and outside diameter above"),
                parent),
      platform_(platform), locale_(locale), units_(units),
      model_(new CableSetModel(locale, units, this)) {
    setObjectName(QStringLiteral("cableSetBox"));
    auto* grid = new QGridLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTable(), 1);
    layout->addLayout(buildButtons());
    buildRule(this, grid);
    layout->addLayout(grid);

    connectControls();
    cableSetTable->installEventFilter(this);
    removeGroup->setEnabled(false);
    showFollowing();
    showLimitCaptions();
}

// The groups, one row each: typing starts an edit, Tab leaves for the buttons.
QTableView* CableSetPanel::buildTable() {
    cableSetTable = named(new QTableView(this), "cableSetTable");
    cableSetTable->setModel(model_);
    cableSetTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    cableSetTable->setSelectionMode(QAbstractItemView::SingleSelection);
    cableSetTable->setEditTriggers(QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    cableSetTable->setTabKeyNavigation(false); // Tab leaves the table for the buttons
    cableSetTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    cableSetTable->verticalHeader()->setDefaultSectionSize(cableSetTable->fontMetrics().height() +
                                                           6);
    QHeaderView* header = cableSetTable->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(CableSetModel::Description, QHeaderView::Stretch);
    cableSetTable->setWordWrap(false);
    cableSetTable->setCurrentIndex(model_->index(0, CableSetModel::Count));
    return cableSetTable;
}

QHBoxLayout* CableSetPanel::buildButtons() {
    addFromLibrary = named(new QPushButton(tr("Add from lib&rary..."), this), "addFromLibrary");
    addTyped = named(new QPushButton(tr("&Add typed"), this), "addTyped");
    removeGroup = named(new QPushButton(tr("Remo&ve"), this), "removeGroup");
    followPlannerCable = named(new QPushButton(tr("&Planner's cable"), this), "followPlannerCable");
    followPlannerCable->setToolTip(tr("The first group follows the planner's cable again"));
    sendToFill = named(new QPushButton(tr("Send to Fill Ratio"), this), "sendToFill");
    auto* row = new QHBoxLayout;
    for (QPushButton* button :
         {addFromLibrary, addTyped, removeGroup, followPlannerCable, sendToFill}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    row->addStretch(1);
    return row;
}

void CableSetPanel::connectControls() {
    connect(addFromLibrary, &QPushButton::clicked, this, &CableSetPanel::libraryWanted);
    connect(sendToFill, &QPushButton::clicked, this, &CableSetPanel::fillWanted);
    connect(addTyped, &QPushButton::clicked, this, [this] {
        CableGroupTexts typed;
        typed.weight = "0";
        model_->addGroup(typed);
        const QModelIndex od = model_->index(model_->rowCount() - 1, CableSetModel::Od);
        cableSetTable->setCurrentIndex(od);
        cableSetTable->setFocus();
        emit changed();
    });
    connect(removeGroup, &QPushButton::clicked, this, &CableSetPanel::removeChosen);
    connect(followPlannerCable, &QPushButton::clicked, this, [this] {
        model_->setPlannerFirst(true);
        showFollowing();
        emit changed(); // the window writes the planner's cable into it
    });
    connect(model_, &CableSetModel::edited, this, [this](int row, int column, const QString& text) {
        if (row == 0 && column == CableSetModel::Count) {
            const double count = read_input(text.toStdString(), locale_);
            emit firstCountEdited(static_cast<int>(std::clamp(count, 1.0, double{kMostCables})));
        } else if (row == 0 && column == CableSetModel::Od) {
            emit firstDiameterEdited(text);
        }
        showFollowing();
        emit changed();
    });
    connect(cableSetTable->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { removeGroup->setEnabled(cableSetTable->currentIndex().row() > 0); });
}

void CableSetPanel::buildRule(QWidget* parent, QGridLayout* grid) {
    tensionRule = named(new QComboBox(parent), "tensionRule");
    for (const TensionRule rule : kTensionRules) {
        tensionRule->addItem(spoken(tension_rule_name(rule), locale_), static_cast<int>(rule));
    }
    const auto limit_box = [&](const char* name, std::string_view design) {
        auto* box = named(new QLineEdit(parent), name);
        box->setText(qt_text(design_rating_text(design, units_, locale_)));
        connect(box, &QLineEdit::textChanged, this, [this, box, name] {
            if (!box->text().trimmed().isEmpty()) {
                warn_about_change(platform_, box, locale_, boxWarning(name));
            }
            emit changed();
        });
        warn_when_left(platform_, box, locale_,
                       [this, name](std::string_view) { return boxWarning(name); });
        return box;
    };
    eyeLimit = limit_box("eye-limit", kDesignEyeLimit);
    eyeLimit->setObjectName(QStringLiteral("eyeLimit"));
    gripLimit = limit_box("grip-limit", kDesignGripLimit);
    gripLimit->setObjectName(QStringLiteral("gripLimit"));
    auto* rule_caption = new QLabel(tr("Allo&wable tension by:"), parent);
    rule_caption->setBuddy(tensionRule);
    limit_captions_ = {new QLabel(parent), new QLabel(parent)};
    limit_captions_[0]->setBuddy(eyeLimit);
    limit_captions_[1]->setBuddy(gripLimit);
    grid->addWidget(rule_caption, 0, 0);
    grid->addWidget(tensionRule, 0, 1);
    grid->addWidget(limit_captions_[0], 0, 2);
    grid->addWidget(eyeLimit, 0, 3);
    grid->addWidget(limit_captions_[1], 0, 4);
    grid->addWidget(gripLimit, 0, 5);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    connect(tensionRule, &QComboBox::currentIndexChanged, this, &CableSetPanel::changed);
}

void CableSetPanel::showLimitCaptions() {
    const QString unit = qt_text(unit_symbol(Quantity::Tension, units_));
    limit_captions_[0]->setText(tr("E&ye rating (%1):").arg(unit));
    limit_captions_[1]->setText(tr("&Grip rating (%1):").arg(unit));
}

void CableSetPanel::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        showLimitCaptions();
    }
}

void CableSetPanel::showFollowing() {
    followPlannerCable->setEnabled(!model_->plannerFirst());
}

void CableSetPanel::removeChosen() {
    const int row = cableSetTable->currentIndex().row();
    if (row < 1) {
        platform_.beep(); // the planner's cable is always the first group
        return;
    }
    model_->removeGroup(row);
    cableSetTable->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 0));
    emit changed();
}

bool CableSetPanel::eventFilter(QObject* watched, QEvent* event) {
    // Delete removes the current group, as the Remove button does (an open editor takes its
    // own keys).
    if (watched == cableSetTable && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeChosen();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void CableSetPanel::followPlanner(const CableTexts& planner) {
    if (!model_->plannerFirst()) {
        return;
    }
    model_->setCell(0, CableSetModel::Description, planner.description);
    model_->setCell(0, CableSetModel::Weight, planner.weight);
    model_->setCell(0, CableSetModel::Rating, planner.allowable);
    for (const CableSetModel::Column column : {CableSetModel::Size, CableSetModel::Material}) {
        model_->setCell(0, column, QString());
    }
    model_->setCell(0, CableSetModel::Conductors, QStringLiteral("1"));
}

void CableSetPanel::setFirstCount(int count) {
    model_->setCell(0, CableSetModel::Count, QString::number(count));
}

void CableSetPanel::setFirstDiameter(const QString& diameter) {
    model_->setCell(0, CableSetModel::Od, diameter);
}

void CableSetPanel::addCable(const ChosenCable& cable) {
    CableGroupTexts group;
    group.description = cable.description.toStdString();
    group.od = cable.diameter.toStdString();
    group.weight = cable.weight.toStdString();
    group.rating = cable.rating.toStdString();
    model_->addGroup(group);
    cableSetTable->setCurrentIndex(model_->index(model_->rowCount() - 1, CableSetModel::Count));
    emit changed();
}

void CableSetPanel::writeTexts(CheckInputTexts& texts) const {
    texts.planner_group = false;
    texts.groups = model_->groups();
    texts.rule = static_cast<TensionRule>(tensionRule->currentData().toInt());
    texts.eye_limit = eyeLimit->text().toStdString();
    texts.grip_limit = gripLimit->text().toStdString();
}

std::optional<Message> CableSetPanel::boxWarning(std::string_view name) const {
    CheckInputTexts texts;
    texts.eye_limit = eyeLimit->text().toStdString();
    texts.grip_limit = gripLimit->text().toStdString();
    std::vector<CheckWarning> warnings;
    read_check_inputs(texts, locale_, &warnings, units_);
    for (const CheckWarning& warning : warnings) {
        if (warning.box == name) {
            return warning.message;
        }
    }
    return std::nullopt;
}

void CableSetPanel::switchUnits(UnitSystem from, UnitSystem to) {
    model_->switchUnits(from, to);
    const std::array<QLineEdit*, 2> boxes{eyeLimit, gripLimit};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QSignalBlocker quiet(boxes[i]);
        switch_box_units(*boxes[i], limit_memos_[i], Quantity::Tension, from, to, locale_);
    }
    units_ = to;
    showLimitCaptions();
}

CableSetReport CableSetPanel::report() const {
    CableSetReport report;
    report.rule = tension_rule_key(static_cast<TensionRule>(tensionRule->currentData().toInt()));
    const auto inch_text = [this](const QLineEdit* box, const SwitchMemo& memo) {
        return plain_number_text(text_in_other_units(box->text().toStdString(), memo,
                                                     Quantity::Tension, units_,
                                                     UnitSystem::InchPound, locale_),
                                 locale_);
    };
    report.eye_limit = inch_text(eyeLimit, limit_memos_[0]);
    report.grip_limit = inch_text(gripLimit, limit_memos_[1]);
    report.planner_first = model_->plannerFirst();
    report.groups = model_->inchPoundGroups();
    return report;
}

void CableSetPanel::applyReport(const CableSetReport& report) {
    const TensionRule rule = tension_rule_by_key(report.rule).value_or(TensionRule::Planner);
    tensionRule->setCurrentIndex(tensionRule->findData(static_cast<int>(rule)));
    const std::array<std::pair<QLineEdit*, std::string_view>, 2> limits{
        {{eyeLimit, report.eye_limit}, {gripLimit, report.grip_limit}}};
    for (std::size_t i = 0; i < limits.size(); ++i) {
        const auto& [box, inches] = limits[i];
        const QSignalBlocker quiet(box);
        limit_memos_[i] = {};
        box->setText(qt_text(locale_number_text(inches, locale_)));
        if (units_ == UnitSystem::Metric) {
            switch_box_units(*box, limit_memos_[i], Quantity::Tension, UnitSystem::InchPound,
                             units_, locale_);
        }
    }
    model_->setInchPoundGroups(report.groups);
    model_->setPlannerFirst(report.planner_first);
    showFollowing();
    emit changed();
}

QStringList CableSetPanel::diameters() const {
    QStringList diameters;
    for (const CableGroupTexts& group : model_->groups()) {
        const ReadGroup read = read_cable_group(group, locale_, units_);
        for (int i = 0; i < read.group.count && i < 1000; ++i) {
            diameters << qt_text(group.od).trimmed();
        }
    }
    return diameters;
}

} // namespace tensora
