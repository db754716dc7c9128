// The cable list's rows drawn as columns: each blank-separated field of a cable line stands in
// its own column, the description on the left and the figures right-aligned, however many
// blanks the data file puts between them. The rows stay the file's lines as they are.
#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>

#include <vector>

namespace tensora {

class CableColumns : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit CableColumns(QListWidget* list);

    // Measures the columns for the lines the list now holds.
    void measure();

    // The width the list needs to show the columns of typical cable lines whole.
    int typicalWidth() const;
    int rowHeight() const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::vector<int> widths_for(const QStringList& lines) const;
    int gap() const;

    QListWidget* list_;
    std::vector<int> widths_; // of each column, in pixels
};

} // namespace tensora
