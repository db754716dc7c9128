#include "pullplan/text_column_model.h"

namespace tensora {

TextColumnModel::TextColumnModel(RowCount rows, TextAt text, QObject* parent)
    : QAbstractListModel(parent), rows_(std::move(rows)), text_(std::move(text)) {}

int TextColumnModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_();
}

QVariant TextColumnModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const std::string_view text = text_(index.row());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void TextColumnModel::changedFrom(int first) {
    const int rows = rows_();
    if (first < rows) {
        emit dataChanged(index(first), index(rows - 1), {Qt::DisplayRole});
    }
}

} // namespace tensora
