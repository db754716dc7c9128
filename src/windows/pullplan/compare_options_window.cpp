#include "windows/pullplan/compare_options_window.h"

#include "numbers/shown_figures.h"
#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "widgets/friction_entries.h"
#include "widgets/named_control.h"
#include "widgets/platform.h"
#include "widgets/tab_order.h"
#include "windows/pullplan/pull_calculator_window.h"
#include "windows/pullplan/pull_check_window.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

namespace tensora {
namespace {

const QString kFailStyle = QStringLiteral("color: #b00020");

// The direction box's items and the option's words for them.
constexpr const char* kDirectionKeys[] = {"", "forward", "reverse"};

QString unit_of(Quantity quantity, UnitSystem units) {
    return qt_text(unit_symbol(quantity, units));
}

} // namespace

CompareOptions::CompareOptions(WindowRegistry& registry)
    : RegisteredWindow<QWidget>(registry), locale_(platform().numberLocale()),
      units_(registry.units()) {
    setObjectName(QStringLiteral("CompareOptions"));
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Compare Options"));
    auto* table = new QWidget;
    grid_ = new QGridLayout(table);
    grid_->setHorizontalSpacing(8);
    for (int column = 0; column < 10; ++column) {
        auto* heading = named(new QLabel(this), "compareHeading");
        heading->setWordWrap(true);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        grid_->addWidget(heading, 0, column);
        headings_.push_back(heading);
    }
    grid_->setColumnStretch(9, 1); // the last figures take the room left
    auto* scroll = named(new QScrollArea(this), "compareRows");
    scroll->setWidget(table);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    compareSource = named(new QLabel(this), "compareSource");
    compareSource->setWordWrap(true);
    compareDeciding = named(new QLabel(this), "compareDeciding");
    compareDeciding->setWordWrap(true);
    compareDeciding->setMinimumHeight(2 * compareDeciding->fontMetrics().height());
    compareAdd = named(new QPushButton(tr("&Add Option"), this), "compareAdd");
    compareRemove = named(new QPushButton(tr("&Remove Last Option"), this), "compareRemove");
    connect(compareAdd, &QPushButton::clicked, this, &CompareOptions::addOption_Click);
    connect(compareRemove, &QPushButton::clicked, this, &CompareOptions::removeOption_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compareAdd);
    buttons->addWidget(compareRemove);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(compareSource);
    layout->addWidget(scroll, 1);
    layout->addWidget(compareDeciding);
    layout->addLayout(buttons);
    library_ = load_friction_library(platform()).library;
    // The plan as it is, and pulled from each end.
    addRow({});
    addRow({"", "forward"});
    addRow({"", "reverse"});
    showHeadings();
    resize(1180, 440);
    compare();
}

void CompareOptions::showHeadings() {
    const QStringList texts{
        tr("Option"),
        tr("Coefficient or entry"),
        tr("Direction"),
        tr("Mid-assist after link"),
        tr("Back tension (%1)").arg(unit_of(Quantity::Tension, units_)),
        tr("Conduit ID (%1)").arg(unit_of(Quantity::Diameter, units_)),
        tr("Forward max"),
        tr("Reverse max"),
        tr("Share"),
        tr("Highest sidewall")};
    // The headings of the boxes wrap within their boxes' width, or their longest word's.
    const int widths[] = {0, 110, 0, 70, 80, 80, 0, 0, 0, 0};
    for (std::size_t i = 0; i < headings_.size(); ++i) {
        QLabel* heading = headings_[i];
        heading->setText(texts[static_cast<qsizetype>(i)]);
        if (widths[i] > 0) {
            int widest = widths[i];
            for (const QString& word : heading->text().split(QLatin1Char(' '))) {
                widest = std::max(widest, heading->fontMetrics().horizontalAdvance(word) + 2);
            }
            heading->setMaximumWidth(widest);
        }
    }
}

void CompareOptions::addRow(const CompareOptionTexts& texts) {
    const int number = static_cast<int>(rows_.size()) + 1;
    const auto name = [number](const char* kind) {
        return QStringLiteral("compare%1%2").arg(QLatin1String(kind)).arg(number);
    };
    const auto box = [&](const char* kind, const std::string& text, int width) {
        auto* edit = new QLineEdit(qt_text(text));
        edit->setObjectName(name(kind));
        edit->setFixedWidth(width);
        connect(edit, &QLineEdit::textChanged, this, &CompareOptions::compare);
        return edit;
    };
    const auto result = [&](const char* kind) {
        auto* label = new QLabel;
        label->setObjectName(name(kind));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    Row row;
    row.number = new QLabel(QString::number(number));
    row.number->setObjectName(name("Number"));
    row.friction = box("Friction", texts.friction, 110);
    row.friction->setToolTip(tr("A coefficient, or the name of a friction library entry; empty: "
                                "the plan's"));
    row.direction = new QComboBox;
    row.direction->setObjectName(name("Direction"));
    row.direction->addItems({tr("Lower end"), tr("Forward"), tr("Reverse")});
    for (int i = 0; i < 3; ++i) {
        if (texts.direction == kDirectionKeys[i]) {
            row.direction->setCurrentIndex(i);
        }
    }
    connect(row.direction, &QComboBox::currentIndexChanged, this, &CompareOptions::compare);
    row.midAssist = box("MidAssist", texts.mid_assist, 70);
    row.backTension = box("BackTension", texts.back_tension, 80);
    row.conduitId = box("ConduitId", texts.conduit_id, 80);
    row.forward = result("Forward");
    row.reverse = result("Reverse");
    row.share = result("Share");
    row.sidewall = result("Sidewall");
    row.verdict = new QLabel;
    row.verdict->setObjectName(name("Verdict"));
    row.verdict->setWordWrap(true);
    row.verdict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Two lines kept whatever it says, so that a verdict growing by a line moves nothing.
    row.verdict->setMinimumHeight(2 * row.verdict->fontMetrics().height());
    // An option's boxes and figures on one line, its verdict under them.
    const QList<QWidget*> cells{row.number,      row.friction,  row.direction, row.midAssist,
                                row.backTension, row.conduitId, row.forward,   row.reverse,
                                row.share,       row.sidewall};
    const int line = 2 * number - 1;
    for (int column = 0; column < cells.size(); ++column) {
        grid_->addWidget(cells[column], line, column, Qt::AlignVCenter);
        cells[column]->show(); // now, so that a new row's box can take the focus at once
    }
    grid_->addWidget(row.verdict, line + 1, 1, 1, 9, Qt::AlignTop);
    row.verdict->show();
    grid_->setRowStretch(line + 1, 0);
    grid_->setRowStretch(line + 2, 1); // the rows keep to the top
    rows_.push_back(row);
    orderTabs();
}

void CompareOptions::orderTabs() {
    std::vector<QWidget*> order;
    for (const Row& row : rows_) {
        order.insert(order.end(),
                     {row.friction, row.direction, row.midAssist, row.backTension, row.conduitId});
    }
    order.insert(order.end(), {compareAdd, compareRemove});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    compareAdd->setEnabled(options() < kMostOptions);
    compareRemove->setEnabled(options() > 1);
}

void CompareOptions::addOption_Click() {
    if (options() >= kMostOptions) {
        platform().beep();
        return;
    }
    addRow({});
    rows_.back().friction->setFocus();
    compare();
}

void CompareOptions::removeOption_Click() {
    if (options() <= 1) {
        platform().beep();
        return;
    }
    const Row row = rows_.back();
    rows_.pop_back();
    for (QWidget* cell : std::initializer_list<QWidget*>{
             row.number, row.friction, row.direction, row.midAssist, row.backTension, row.conduitId,
             row.forward, row.reverse, row.share, row.sidewall, row.verdict}) {
        grid_->removeWidget(cell);
        cell->deleteLater();
    }
    orderTabs();
    compare();
}

CompareOptionTexts CompareOptions::texts(const Row& row) const {
    return {row.friction->text().toStdString(),
            kDirectionKeys[std::max(0, row.direction->currentIndex())],
            row.midAssist->text().toStdString(), row.backTension->text().toStdString(),
            row.conduitId->text().toStdString()};
}

void CompareOptions::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    library_ = load_friction_library(platform()).library; // the user's entries as they are now
    compare();
}

void CompareOptions::compare() {
    const PullCalculator* planner = registry().find<PullCalculator>();
    const PullCheck* check = registry().find<PullCheck>();
    const bool checked = check && check->pullsTheSet();
    compareSource->setText(checked ? tr("Each option is the pull check's corrected pull of its "
                                        "cables, and its verdict.")
                                   : tr("Each option is the planner's pull; open the Pull Check "
                                        "with its cables to compare conduits."));
    std::vector<std::optional<Message>> refusals(rows_.size());
    compared_options_.clear();
    compared_rows_.clear();
    const std::size_t links = planner ? planner->plan().size() : 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ReadOption read =
            read_compare_option(texts(rows_[i]), library_, links, locale_, units_);
        refusals[i] = read.refusal;
        if (!read.refusal) {
            compared_options_.push_back(read.option);
            compared_rows_.push_back(static_cast<int>(i));
        }
    }
    comparison_ = {};
    if (planner && links > 0) {
        const std::optional<CheckInputs> inputs =
            checked ? std::optional<CheckInputs>(check->checkInputs()) : std::nullopt;
        const double limit = inputs ? inputs->sidewall_limit : design_sidewall_limit(units_);
        comparison_ = compare_options(planner->plan().values(), planner->calculatedSettings(),
                                      inputs, limit, compared_options_, units_);
        // The best is named by its row's number.
        std::vector<std::size_t> numbers;
        for (const int row : compared_rows_) {
            numbers.push_back(static_cast<std::size_t>(row) + 1);
        }
        choose_best(comparison_, units_, numbers);
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const ComparedOption* compared = nullptr;
        bool best = false;
        for (std::size_t k = 0; k < compared_rows_.size(); ++k) {
            if (compared_rows_[k] == static_cast<int>(i) && k < comparison_.options.size()) {
                compared = &comparison_.options[k];
                best = comparison_.best == k;
            }
        }
        showRow(rows_[i], compared, refusals[i], best);
    }
    if (links == 0) {
        compareDeciding->setText(tr("No plan yet: add links in Tools > Pull Calculator."));
        return;
    }
    compareDeciding->setText(spoken(comparison_.deciding, locale_));
}

void CompareOptions::showRow(Row& row, const ComparedOption* compared,
                             const std::optional<Message>& refused, bool best) {
    QFont font = row.number->font();
    font.setBold(best);
    row.number->setFont(font);
    const auto number = static_cast<int>(&row - rows_.data()) + 1;
    row.number->setText(best ? tr("%1 best").arg(number) : QString::number(number));
    for (QLabel* label : {row.forward, row.reverse, row.share, row.sidewall}) {
        label->clear();
    }
    if (refused || !compared) {
        row.verdict->setStyleSheet(kFailStyle);
        row.verdict->setText(refused ? spoken(*refused, locale_) : QString());
        return;
    }
    const bool pulled = !std::isnan(compared->highest);
    if (pulled) {
        const ColumnUnit unit = column_unit(
            Quantity::Tension, units_, std::max(compared->forward_max, compared->reverse_max));
        const auto tension = [&](double pounds) {
            return spoken(figure_message(Figure::column(pounds, Quantity::Tension, unit)), locale_);
        };
        row.forward->setText(tension(compared->forward_max));
        row.reverse->setText(tension(compared->reverse_max));
        // The end pulled from is the one that counts: it is bold.
        QFont forward = row.forward->font();
        forward.setBold(compared->pulled != PullDirection::Reverse);
        row.forward->setFont(forward);
        QFont reverse = row.reverse->font();
        reverse.setBold(compared->pulled != PullDirection::Forward);
        row.reverse->setFont(reverse);
    }
    if (compared->percent) {
        row.share->setText(spoken(Message(TENSORA_TEXT("Check", "%1%"))
                                      .figure(Figure::fixed(*compared->percent, 0)),
                                  locale_));
    }
    if (compared->sidewall) {
        row.sidewall->setText(spoken(
            Message(TENSORA_TEXT("Compare", "%1 at link %2"))
                .figure(Figure::column(*compared->sidewall, Quantity::Pressure,
                                       column_unit(Quantity::Pressure, units_, *compared->sidewall)))
                .link(*compared->sidewall_link),
            locale_));
    }
    row.verdict->setStyleSheet(compared->ok ? QString() : kFailStyle);
    row.verdict->setText(spoken(compared->verdict, locale_));
}

PrintedComparison CompareOptions::printedComparison() const {
    // Rows that could not be read are left out of the comparison; its numbers are the rows'.
    PrintedComparison printed = printed_comparison(compared_options_, comparison_, units_);
    for (std::size_t k = 0; k < printed.rows.size() && k < compared_rows_.size(); ++k) {
        printed.rows[k][0] = data_message(std::to_string(compared_rows_[k] + 1));
    }
    return printed;
}

void CompareOptions::unitsChanged(UnitSystem from, UnitSystem to) {
    units_ = to;
    for (Row& row : rows_) {
        for (const auto& [box, quantity] : {std::pair{row.backTension, Quantity::Tension},
                                            std::pair{row.conduitId, Quantity::Diameter}}) {
            const QSignalBlocker quiet(box);
            box->setText(qt_text(typed_converted_text(box->text().toStdString(), quantity, from,
                                                      to, locale_)));
        }
    }
    showHeadings();
    compare();
}

void CompareOptions::languageChanged() {
    showHeadings();
    compare();
}

} // namespace tensora
