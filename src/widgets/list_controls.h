// The two kinds of list of the program, alike by mouse and keyboard.
//
// A list whose click chooses a value (a category, a cable, a lubricant, a diameter) chooses it
// as well when the user moves to an item with the keyboard: the item shown selected is always
// the one in use. A list whose click acts on an item (the planner's link numbers, which ask a
// question or delete) does not act on a mere move: the arrows only move the current item, and
// Enter or Space act on it as a click does.
#pragma once

#include <QListView>
#include <QListWidget>

#include <functional>

class QAbstractButton;
class QComboBox;
class QFocusFrame;

namespace tensora {

// A frame in the highlight colour around a list while it has the keyboard focus: the style's
// own marks of the current item do not show on a selected row.
class ListFocusFrame : public QObject {
    Q_OBJECT

public:
    explicit ListFocusFrame(QAbstractItemView* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* list_;
    QFocusFrame* frame_;
};

// Runs `choose` with the row whenever the user makes an item of the list the selected one (a
// click, the arrow, Home, End and Page keys, a typed letter, Space) and again for a click on
// the item already selected; not when the program empties the list. Lives as long as the list.
class ChoiceList : public QObject {
    Q_OBJECT

public:
    ChoiceList(QListWidget* list, std::function<void(int row)> choose);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectionChanged();
    void clicked(QListWidgetItem* item);

    QListWidget* list_;
    std::function<void(int)> choose_;
    // Whether the mouse press of the click under way has already chosen its item.
    bool chosen_by_press_ = false;
};

// A list view whose items are acted on: a click, or Enter or Space on the current item, select
// that item and emit `acted`; the arrow, Home, End and Page keys and typed digits only move the
// current item, which shows a focus frame.
class ActionListView : public QListView {
    Q_OBJECT

public:
    explicit ActionListView(QWidget* parent = nullptr);

    // A further key that acts on the current item, besides Enter and Space.
    void addActionKey(int key) { action_keys_.append(key); }

    void keyboardSearch(const QString& search) override;

signals:
    void acted(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<int> action_keys_{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
};

// Enter on a closed drop-down list clicks a button (the form's Submit), as it does in the
// boxes beside it; an open list takes Enter for its own choice. Lives as long as the list.
class EnterClicks : public QObject {
    Q_OBJECT

public:
    EnterClicks(QComboBox* list, QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* list_;
    QAbstractButton* button_;
};

// Keys that act on a widget (Enter on a table's row, Delete on a list's item): taken there, so
// that nothing else acts on them too. Lives as long as the widget.
class KeysAct : public QObject {
    Q_OBJECT

public:
    KeysAct(QWidget* widget, std::vector<int> keys, std::function<void()> act);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<int> keys_;
    std::function<void()> act_;
};

} // namespace tensora
