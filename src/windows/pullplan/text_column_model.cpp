#include "windows/pullplan/text_column_model.h"

#include "print/qt_text.h"

#include <QPainter>

namespace tensora {

TextColumnModel::TextColumnModel(RowCount rows, TextAt text, QObject* parent)
    : QAbstractListModel(parent), rows_(std::move(rows)), text_(std::move(text)) {}

int TextColumnModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_();
}

void TextColumnModel::setMarks(MarkOf marks) {
    marks_ = std::move(marks);
}

QVariant TextColumnModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_()) {
        return {};
    }
    if (role == Qt::BackgroundRole || role == Qt::ToolTipRole) {
        if (const auto mark = marks_ ? marks_(index.row()) : std::nullopt) {
            return role == Qt::BackgroundRole ? QVariant(mark->tint) : QVariant(mark->tip);
        }
        if (role == Qt::BackgroundRole) {
            return {};
        }
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    if (spoken_) {
        return spoken_(index.row());
    }
    return qt_text(text_(index.row()));
}

void TextColumnModel::changedFrom(int first) {
    const int rows = rows_();
    if (first < rows) {
        emit dataChanged(index(first), index(rows - 1), {Qt::DisplayRole});
    }
}

void PlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    } else if (const QVariant tint = index.data(Qt::BackgroundRole); tint.isValid()) {
        painter->fillRect(option.rect, tint.value<QColor>());
    }
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(option.rect.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data().toString());
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        // The keyboard's place in a list that takes the focus (the link numbers), which the
        // arrows move apart from the selection.
        painter->setPen(QPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Highlight),
            1, Qt::DotLine));
        painter->drawRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

QSize PlainTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    return {option.fontMetrics.horizontalAdvance(index.data().toString()) + 5,
            option.fontMetrics.height() + 2};
}

} // namespace tensora
