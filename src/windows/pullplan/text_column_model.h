// A list model over texts that live elsewhere (the plan's links, the calculation's results).
// Views ask only for the rows they show, so a plan of tens of thousands of links redraws in
// the time of one screenful.
#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QString>
#include <QStyledItemDelegate>

#include <functional>
#include <optional>
#include <string_view>

namespace tensora {

class TextColumnModel : public QAbstractListModel {
    Q_OBJECT

public:
    using RowCount = std::function<int()>;
    using TextAt = std::function<std::string_view(int row)>;
    // How a row stands out: a tint, and a tip that says why.
    struct Mark {
        QColor tint;
        QString tip;
    };
    using MarkOf = std::function<std::optional<Mark>(int row)>;

    TextColumnModel(RowCount rows, TextAt text, QObject* parent);

    // Rows with a mark are tinted, and their tip says why (a tension beyond a limit, say).
    void setMarks(MarkOf marks);
    // Shows each row as the program's language says it (a link's type, "Angle right sheave"),
    // instead of its text.
    using SpokenAt = std::function<QString(int row)>;
    void setSpoken(SpokenAt spoken) { spoken_ = std::move(spoken); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Announce a change of the texts behind the model, around that change.
    void beginInsert(int row) { beginInsertRows(QModelIndex(), row, row); }
    void endInsert() { endInsertRows(); }
    void beginRemove(int row) { beginRemoveRows(QModelIndex(), row, row); }
    void endRemove() { endRemoveRows(); }
    void beginReset() { beginResetModel(); }
    void endReset() { endResetModel(); }
    // Texts of rows from `first` on changed, the number of rows did not.
    void changedFrom(int first);

private:
    RowCount rows_;
    TextAt text_;
    MarkOf marks_;
    SpokenAt spoken_;
};

// Draws a column's plain texts straight onto the view: the full item drawing of the style
// costs several times more, and the columns are redrawn after every keystroke.
class PlainTextDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace tensora
