#include "windows/calculators/pull_box_window.h"

#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "widgets/list_controls.h"
#include "widgets/named_control.h"
#include "widgets/platform.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tensora {

PullBoxSize::PullBoxSize(WindowRegistry& registry)
    : RegisteredWindow<QWidget>(registry), locale_(platform().numberLocale()),
      units_(registry.units()) {
    setObjectName(QStringLiteral("PullBoxSize"));
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Pull Box Size"));
    auto* inputs = new QGroupBox(tr("Conduits entering one wall"), this);
    pullBoxKind = named(new QComboBox(inputs), "pullBoxKind");
    pullBoxKind->addItems({tr("Straight pull"), tr("Angle pull"), tr("U pull")});
    pullBoxTable = named(new QComboBox(inputs), "pullBoxTable");
    pullBoxTable->addItem(tr("Any of the code's tables"), -1);
    for (const ConduitStandardId id : code_conduit_standards()) {
        pullBoxTable->addItem(qt_text(conduit_standard(id).name), static_cast<int>(id));
    }
    pullBoxSize = named(new QComboBox(inputs), "pullBoxSize");
    pullBoxSize->setEditable(true);
    pullBoxSize->setInsertPolicy(QComboBox::NoInsert);
    pullBoxAdd = named(new QPushButton(tr("&Add"), inputs), "pullBoxAdd");
    pullBoxSizes = named(new QListWidget(inputs), "pullBoxSizes");
    pullBoxSizes->setMinimumHeight(6 * pullBoxSizes->fontMetrics().height());
    pullBoxRemove = named(new QPushButton(tr("&Remove"), inputs), "pullBoxRemove");
    pullBoxSmall = named(new QCheckBox(tr("Conductors of 6 AWG and s&maller"), inputs),
                         "pullBoxSmall");
    auto* size_row = new QHBoxLayout;
    size_row->addWidget(pullBoxSize, 1);
    size_row->addWidget(pullBoxAdd);
    auto* list_row = new QHBoxLayout;
    list_row->addWidget(pullBoxSizes, 1);
    list_row->addWidget(pullBoxRemove, 0, Qt::AlignTop);
    auto* form = new QFormLayout(inputs);
    form->addRow(tr("&Pull:"), pullBoxKind);
    form->addRow(tr("Conduit &table:"), pullBoxTable);
    auto* size_label = new QLabel(tr("Trade &size:"), inputs);
    size_label->setBuddy(pullBoxSize);
    form->addRow(size_label, size_row);
    auto* list_label = new QLabel(tr("Si&zes entering:"), inputs);
    list_label->setBuddy(pullBoxSizes);
    form->addRow(list_label, list_row);
    form->addRow(QString(), pullBoxSmall);

    auto* results = new QGroupBox(tr("Least box"), this);
    const auto result = [results](const char* name) {
        auto* label = named(new QLabel(results), name);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
        return label;
    };
    pullBoxLength = result("pullBoxLength");
    pullBoxOpposite = result("pullBoxOpposite");
    pullBoxBetween = result("pullBoxBetween");
    pullBoxWorking = result("pullBoxWorking");
    auto* shown = new QFormLayout(results);
    shown->addRow(tr("Length, straight pull:"), pullBoxLength);
    shown->addRow(tr("To the opposite wall:"), pullBoxOpposite);
    shown->addRow(tr("Between a raceway's entries:"), pullBoxBetween);
    shown->addRow(tr("Rule:"), pullBoxWorking);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs);
    layout->addWidget(results);

    connect(pullBoxKind, &QComboBox::currentIndexChanged, this, &PullBoxSize::calculate);
    connect(pullBoxTable, &QComboBox::currentIndexChanged, this, &PullBoxSize::offerSizes);
    connect(pullBoxAdd, &QPushButton::clicked, this, &PullBoxSize::add_Click);
    new KeysAct(pullBoxSize->lineEdit(), {Qt::Key_Return, Qt::Key_Enter}, [this] { add_Click(); });
    connect(pullBoxRemove, &QPushButton::clicked, this, &PullBoxSize::remove_Click);
    connect(pullBoxSmall, &QCheckBox::toggled, this, &PullBoxSize::calculate);
    new KeysAct(pullBoxSizes, {Qt::Key_Delete}, [this] { remove_Click(); });
    offerSizes();
    resize(520, sizeHint().height());
    pullBoxSize->setFocus(); // a size typed and Enter: the first thing a user does
}

std::optional<ConduitStandardId> PullBoxSize::chosenTable() const {
    const int id = pullBoxTable->currentData().toInt();
    return id >= 0 ? std::optional(static_cast<ConduitStandardId>(id)) : std::nullopt;
}

void PullBoxSize::offerSizes() {
    pullBoxSize->clear();
    for (const TradeSize& size : trade_sizes(chosenTable(), units_)) {
        pullBoxSize->addItem(qt_text(size.name));
    }
    pullBoxSize->setCurrentIndex(-1);
    pullBoxSize->setEditText(QString());
    // Sizes the new table lacks are refused again: the list keeps only those it has.
    std::vector<TradeSize> kept;
    for (const TradeSize& size : sizes_) {
        if (read_trade_size(size.name, chosenTable(), units_).size) {
            kept.push_back(size);
        }
    }
    if (kept.size() != sizes_.size()) {
        platform().message(this, tr("The sizes the table lacks were taken out of the list."));
    }
    sizes_ = std::move(kept);
    calculate();
}

void PullBoxSize::add_Click() {
    const QString typed = pullBoxSize->currentText().trimmed();
    if (typed.isEmpty()) {
        platform().beep();
        return;
    }
    const ReadTradeSize read = read_trade_size(typed.toStdString(), chosenTable(), units_);
    if (!read.size) {
        platform().message(this, spoken(read.refusal, locale_));
        return;
    }
    sizes_.push_back(*read.size);
    pullBoxSize->setEditText(QString());
    calculate();
    pullBoxSize->setFocus();
}

void PullBoxSize::remove_Click() {
    const int row = pullBoxSizes->currentRow();
    if (row < 0 || row >= static_cast<int>(sizes_.size())) {
        platform().beep();
        return;
    }
    sizes_.erase(sizes_.begin() + row);
    calculate();
    pullBoxSizes->setCurrentRow(std::min(row, static_cast<int>(sizes_.size()) - 1));
}

void PullBoxSize::calculate() {
    pullBoxSizes->clear();
    const QString unit = units_ == UnitSystem::Metric ? QStringLiteral("mm") : QStringLiteral("in");
    for (const TradeSize& size : sizes_) {
        pullBoxSizes->addItem(
            tr("%1 (%2 %3)")
                .arg(qt_text(size.name),
                     spoken(Message(TENSORA_TEXT("Plan", "%1")).figure(Figure::number(size.size)),
                            locale_),
                     unit));
    }
    const auto kind = static_cast<PullKind>(pullBoxKind->currentIndex());
    box_ = pull_box(kind, sizes_, units_);
    const auto figure = [&](const std::optional<double>& value) {
        return value ? tr("%1 %2").arg(
                           spoken(Message(TENSORA_TEXT("Plan", "%1")).figure(Figure::number(*value)),
                                  locale_),
                           unit)
                     : QString();
    };
    if (pullBoxSmall->isChecked()) {
        box_ = {};
        pullBoxWorking->setText(spoken(small_conductors_note(), locale_));
    } else {
        pullBoxWorking->setText(spoken(box_.working, locale_));
    }
    pullBoxLength->setText(figure(box_.minimum_length));
    pullBoxOpposite->setText(figure(box_.to_opposite_wall));
    pullBoxBetween->setText(figure(box_.between_entries));
    pullBoxRemove->setEnabled(!sizes_.empty());
}

void PullBoxSize::unitsChanged(UnitSystem, UnitSystem to) {
    // Inches and metric designators are sizes of their own: the list starts again.
    units_ = to;
    sizes_.clear();
    offerSizes();
}

void PullBoxSize::languageChanged() {
    calculate();
}

} // namespace tensora
