#include "windows/pullplan/pull_results_panel.h"

#include "print/plan_colors.h"
#include "print/spoken_message.h"
#include "pullplan/pull_plan.h"
#include "widgets/named_control.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>

namespace tensora {
namespace {

QLabel* text_label(const char* name, const QString& text, QWidget* parent) {
    return named(new QLabel(text, parent), name);
}

QLabel* bold_label(const char* name, const QString& text, QWidget* parent) {
    QLabel* widget = text_label(name, text, parent);
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
    return widget;
}

QFrame* vertical_line(const char* name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A row that hides keeps its room, so that nothing around it moves.
void keep_place(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QString swatch(const QColor& color) {
    return QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;"
                          "&nbsp;</span>")
        .arg(color.name());
}

} // namespace

PullResultsPanel::PullResultsPanel(const std::array<TextColumnModel*, 5>& plan,
                                   const std::array<TextColumnModel*, 4>& results, QWidget* parent)
    : QGroupBox(tr("Pull Results"), parent) {
    setObjectName(QStringLiteral("Frame3"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(4);
    buildColumns(plan, results, *grid);
    buildBars(*grid);
    buildAdvice(*grid);
    grid->setRowStretch(2, 1);
    setMinimumHeight(260);
}

void PullResultsPanel::buildColumns(const std::array<TextColumnModel*, 5>& plan,
                                    const std::array<TextColumnModel*, 4>& results,
                                    QGridLayout& grid) {
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName(QStringLiteral("planScrollBar"));
    scroll_->setRange(0, 0); // follows the link column's range once it is laid out
    List6 = new ActionListView(this);
    addColumn("List6", plan[0], List6);
    List6->setSelectionMode(QAbstractItemView::SingleSelection);
    List6->setFocusPolicy(Qt::StrongFocus);
    List6->setMaximumWidth(60);
    const QList<QListView*> lists{List6,
                                  addColumn("List1", plan[1]),
                                  addColumn("List2", plan[2]),
                                  addColumn("List3", plan[3]),
                                  addColumn("frictionList", plan[4]),
                                  addColumn("List4", results[0]),
                                  addColumn("List7", results[1]),
                                  addColumn("List5", results[2]),
                                  addColumn("List8", results[3])};
    connect(scroll_, &QScrollBar::valueChanged, this, &PullResultsPanel::syncScrolling);
    connect(List6->verticalScrollBar(), &QScrollBar::rangeChanged, scroll_,
            [this](int minimum, int maximum) {
                scroll_->setRange(minimum, maximum);
                scroll_->setPageStep(List6->verticalScrollBar()->pageStep());
            });

    // Columns: link, section, length, angle, friction | cumulative, bar, side wall |
    // cumulative, bar, side wall, the shared scroll bar.
    grid.addWidget(bold_label("Label20", tr("Planned Pull Input"), this), 0, 0, 1, 5,
                   Qt::AlignHCenter);
    // The separators stop above the mid-assist caption's row, which runs on across them.
    grid.addWidget(vertical_line("Line1", this), 0, 5, 3, 1);
    grid.addWidget(bold_label("ForwardTensLabel", tr("Forward Tension - "), this), 0, 6, 1, 3,
                   Qt::AlignHCenter);
    grid.addWidget(vertical_line("Line2", this), 0, 9, 3, 1);
    grid.addWidget(bold_label("RevTensionLabel", tr("Reverse Tension - "), this), 0, 10, 1, 3,
                   Qt::AlignHCenter);
    const QList<QPair<const char*, const char*>> headings{
        {"Label17", QT_TR_NOOP("Link")},      {"Label5", QT_TR_NOOP("Section")},
        {"Label6", QT_TR_NOOP("Length")},     {"Label7", QT_TR_NOOP("Angle")},
        {"frictionHeading", QT_TR_NOOP("Friction")},
        {"Label8", QT_TR_NOOP("Cumulative")}, {"Label18", QT_TR_NOOP("Side Wall")},
        {"Label9", QT_TR_NOOP("Cumulative")}, {"Label19", QT_TR_NOOP("Side Wall")}};
    const QList<int> heading_columns{0, 1, 2, 3, 4, 6, 8, 10, 12};
    for (int i = 0; i < lists.size(); ++i) {
        QLabel* heading = text_label(headings[i].first, tr(headings[i].second), this);
        if (i >= 5) {
            result_headings_[static_cast<std::size_t>(i - 5)] = heading;
        }
        grid.addWidget(heading, 1, heading_columns[i]);
        grid.addWidget(lists[i], 2, heading_columns[i]);
        grid.setColumnStretch(heading_columns[i], 1);
    }
    // A link's coefficient, entry and raceway read as a few words: room for them.
    grid.setColumnStretch(4, 2);
    grid.addWidget(scroll_, 2, 13);
    fitSectionColumn();
}

// The Section column is as wide as its longest text in the language spoken ("Angle right
// sheave", a tilt with its figures): no type is cut.
void PullResultsPanel::fitSectionColumn() {
    QListView* section = columns_.value(1);
    if (!section) {
        return;
    }
    int widest = 0;
    const auto kind = [](std::string_view type, bool sheave, bool right = false) {
        PullLinkTexts link;
        link.type = type;
        link.sheave = sheave;
        link.right = right;
        link.tilt = "-179.99";
        return link;
    };
    for (const PullLinkTexts& type :
         {kind(kBendType, true, true), kind(kTiltedType, true), kind(kDownType, true),
          kind(kUpType, true), kind(kStraightType, false)}) {
        widest = std::max(widest, section->fontMetrics().horizontalAdvance(
                                      spoken(link_type_words(type), NumberLocale{".", ","})));
    }
    section->setMinimumWidth(widest + 2 * section->frameWidth() + 12);
}

void PullResultsPanel::buildBars(QGridLayout& grid) {
    // Mid-assist hides the bars and their values; their columns keep their width.
    const auto bar = [this](const char* name) {
        auto* widget = new QProgressBar(this);
        widget->setObjectName(QLatin1String(name));
        widget->setOrientation(Qt::Vertical);
        widget->setRange(0, 100);
        widget->setValue(0);
        widget->setTextVisible(false);
        widget->setFixedWidth(18);
        keep_place(widget);
        return widget;
    };
    ProgressBar1 = bar("ProgressBar1");
    ProgressBar2 = bar("ProgressBar2");
    // Each bar's value as text above it: a bar at 2 % is otherwise hard to see at all.
    const auto percent = [this](const char* name) {
        QLabel* widget = text_label(name, QStringLiteral("0%"), this);
        widget->setFixedWidth(widget->fontMetrics().horizontalAdvance(QStringLiteral("9999%")));
        widget->setAlignment(Qt::AlignCenter);
        keep_place(widget);
        return widget;
    };
    forward_percent_ = percent("forwardPercent");
    reverse_percent_ = percent("reversePercent");
    grid.addWidget(forward_percent_, 1, 7);
    grid.addWidget(ProgressBar1, 2, 7, Qt::AlignHCenter);
    grid.addWidget(reverse_percent_, 1, 11);
    grid.addWidget(ProgressBar2, 2, 11, Qt::AlignHCenter);
    midassistlabel = text_label("midassistlabel", QString(), this);
    // The caption starts below the forward columns and may run on below the reverse ones; it
    // never widens a column, and keeps its line while empty, so nothing moves when it shows.
    midassistlabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    midassistlabel->setMinimumHeight(midassistlabel->fontMetrics().height());
    grid.addWidget(midassistlabel, 3, 6, 1, 8);
}

void PullResultsPanel::buildAdvice(QGridLayout& grid) {
    // The advice, under the results: three lines whatever it says, so that a new text never
    // lays the window out again (a longer one ends in an ellipsis and is whole in the tip),
    // and the button that takes its mid-assist point.
    adviceLabel = new LinesLabel(3, this);
    adviceLabel->setObjectName(QStringLiteral("adviceLabel"));
    adviceLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    applyAdvice = new QPushButton(tr("Apply &Mid-assist Point"), this);
    applyAdvice->setObjectName(QStringLiteral("applyAdvice"));
    applyAdvice->setEnabled(false);
    grid.addWidget(adviceLabel, 4, 0, 1, 10);
    grid.addWidget(applyAdvice, 4, 10, 1, 4, Qt::AlignRight | Qt::AlignVCenter);
    // What the tints of the result columns mean.
    legend_ = text_label("planLegend", legendText(), this);
    legend_->setTextFormat(Qt::RichText);
    legend_->setWordWrap(true);
    grid.addWidget(legend_, 5, 0, 1, 14);
}

QString PullResultsPanel::legendText() const {
    return swatch(kOverRow) + tr(" beyond the allowable tension&nbsp;&nbsp;&nbsp; ") +
           swatch(kHeldRow) +
           tr(" held at zero: the cable runs under its own weight there and must be held back");
}

void PullResultsPanel::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        legend_->setText(legendText()); // its swatches and words are one text
        fitSectionColumn();
    }
}

QListView* PullResultsPanel::addColumn(const char* name, TextColumnModel* model, QListView* view) {
    if (!view) {
        view = new QListView(this);
    }
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setItemDelegate(new PlainTextDelegate(view));
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFocusPolicy(Qt::NoFocus);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setMinimumWidth(56);
    columns_.append(view);
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &PullResultsPanel::syncScrolling);
    // A column lays out its new rows later than the link numbers do: once it has, it takes up
    // the shared position again (which its old range may have cut short).
    connect(view->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this, view] {
        if (view != List6) {
            view->verticalScrollBar()->setValue(scroll_->value());
        }
    });
    return view;
}

void PullResultsPanel::showShares(int forward, int reverse, const QString& forward_share,
                                  const QString& reverse_share, bool visible) {
    ProgressBar1->setValue(forward);
    ProgressBar2->setValue(reverse);
    // The bars stop at 100; the figure above each tells the true share, shortened with the
    // whole figure as tip where it is too wide.
    for (const auto& [label, text] :
         {std::pair{forward_percent_, forward_share}, std::pair{reverse_percent_, reverse_share}}) {
        label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, label->width()));
        label->setToolTip(text);
    }
    for (QWidget* shown :
         {static_cast<QWidget*>(ProgressBar1), static_cast<QWidget*>(ProgressBar2),
          static_cast<QWidget*>(forward_percent_), static_cast<QWidget*>(reverse_percent_)}) {
        shown->setVisible(visible);
    }
}

void PullResultsPanel::followLinkList() {
    syncScrolling(List6->verticalScrollBar()->value());
}

void PullResultsPanel::scrollToRow(int row) {
    List6->scrollTo(List6->model()->index(row, 0)); // the columns follow the link numbers
}

void PullResultsPanel::syncScrolling(int value) {
    for (QListView* column : columns_) {
        column->verticalScrollBar()->setValue(value);
    }
    scroll_->setValue(value);
}

} // namespace tensora
