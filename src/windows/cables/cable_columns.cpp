#include "windows/cables/cable_columns.h"

#include "cables/cable_data.h"
#include "windows/cables/misc_data_window.h"

#include <QPainter>

#include <numeric>

namespace tensora {
namespace {

QStringList fields(const QString& line) {
    QStringList pieces;
    for (const std::string& piece : split_at_blanks(line.toLatin1().toStdString())) {
        pieces.append(data_file_text(piece));
    }
    return pieces;
}

// A line as wide as the widest lines of a typical cable data file.
const QString kTypicalLine =
    QStringLiteral("STRAND-5/16EHS 0.00000 00000000 0.0000 0.0000000 0.00000 00000000 000000");

} // namespace

CableColumns::CableColumns(QListWidget* list) : QStyledItemDelegate(list), list_(list) {
    list_->setItemDelegate(this);
    list_->setUniformItemSizes(true);
}

int CableColumns::gap() const {
    return list_->fontMetrics().horizontalAdvance(QStringLiteral("00"));
}

std::vector<int> CableColumns::widths_for(const QStringList& lines) const {
    std::vector<int> widths;
    const QFontMetrics metrics = list_->fontMetrics();
    for (const QString& line : lines) {
        const QStringList pieces = fields(line);
        if (widths.size() < static_cast<std::size_t>(pieces.size())) {
            widths.resize(static_cast<std::size_t>(pieces.size()), 0);
        }
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            auto& width = widths[static_cast<std::size_t>(i)];
            width = std::max(width, metrics.horizontalAdvance(pieces[i]));
        }
    }
    return widths;
}

void CableColumns::measure() {
    QStringList lines;
    for (int row = 0; row < list_->count(); ++row) {
        lines.append(list_->item(row)->text());
    }
    widths_ = widths_for(lines);
    list_->viewport()->update();
}

int CableColumns::typicalWidth() const {
    const std::vector<int> widths = widths_for({kTypicalLine});
    return std::accumulate(widths.begin(), widths.end(), 0) +
           gap() * static_cast<int>(widths.size());
}

void CableColumns::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStringList pieces = fields(item.text);
    item.text.clear(); // the style draws the background, selection and focus; the fields follow
    const QWidget* view = option.widget;
    QStyle* style = view ? view->style() : list_->style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    int x = option.rect.left() + gap() / 2;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const std::size_t column = static_cast<std::size_t>(i);
        const int width = column < widths_.size() ? widths_[column]
                                                  : option.fontMetrics.horizontalAdvance(pieces[i]);
        // The description reads from the left, the figures line up on their last digit.
        const Qt::Alignment align = (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        painter->drawText(QRect(x, option.rect.top(), width, option.rect.height()), align,
                          pieces[i]);
        x += width + gap();
    }
    painter->restore();
}

int CableColumns::rowHeight() const {
    return list_->fontMetrics().height() + 4;
}

QSize CableColumns::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    const int width = std::accumulate(widths_.begin(), widths_.end(), 0) +
                      gap() * static_cast<int>(widths_.size());
    return {width, rowHeight()};
}

} // namespace tensora
