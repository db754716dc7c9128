#include "widgets/list_controls.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusFrame>
#include <QKeyEvent>

namespace tensora {

ListFocusFrame::ListFocusFrame(QAbstractItemView* list)
    : QObject(list), list_(list), frame_(new QFocusFrame(list->parentWidget())) {
    QPalette palette = frame_->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Active, QPalette::Highlight));
    frame_->setPalette(palette);
    list_->installEventFilter(this);
}

bool ListFocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        frame_->setWidget(list_);
    } else if (event->type() == QEvent::FocusOut) {
        frame_->setWidget(nullptr);
    }
    return QObject::eventFilter(watched, event);
}

ChoiceList::ChoiceList(QListWidget* list, std::function<void(int)> choose)
    : QObject(list), list_(list), choose_(std::move(choose)) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->viewport()->installEventFilter(this);
    new ListFocusFrame(list_);
    connect(list_, &QListWidget::itemSelectionChanged, this, &ChoiceList::selectionChanged);
    connect(list_, &QListWidget::itemClicked, this, &ChoiceList::clicked);
}

bool ChoiceList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        chosen_by_press_ = false;
    }
    return QObject::eventFilter(watched, event);
}

void ChoiceList::selectionChanged() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        return; // emptied by the program: nothing is chosen
    }
    chosen_by_press_ = true;
    choose_(list_->row(selected.first()));
}

void ChoiceList::clicked(QListWidgetItem* item) {
    if (chosen_by_press_) {
        chosen_by_press_ = false;
        return;
    }
    if (!item->isSelected()) {
        item->setSelected(true); // a control-click took it away: chosen all the same
        return;
    }
    choose_(list_->row(item));
}

ActionListView::ActionListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    new ListFocusFrame(this);
    connect(this, &QListView::clicked, this,
            [this](const QModelIndex& index) { emit acted(index.row()); });
}

QItemSelectionModel::SelectionFlags ActionListView::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
    // Moving, by key or by dragging the mouse, is no act on an item.
    if (event && (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseMove)) {
        return QItemSelectionModel::NoUpdate;
    }
    return QListView::selectionCommand(index, event);
}

void ActionListView::keyPressEvent(QKeyEvent* event) {
    if (action_keys_.contains(event->key()) && currentIndex().isValid()) {
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
        emit acted(currentIndex().row());
        return;
    }
    QListView::keyPressEvent(event);
}

void ActionListView::keyboardSearch(const QString& search) {
    // The search moves the current item like the arrows do; the selection stays.
    const QItemSelection selected = selectionModel()->selection();
    const QModelIndex before = currentIndex();
    QListView::keyboardSearch(search);
    const QModelIndex found = currentIndex();
    if (found != before) {
        selectionModel()->select(selected, QItemSelectionModel::ClearAndSelect);
        selectionModel()->setCurrentIndex(found, QItemSelectionModel::NoUpdate);
    }
}

EnterClicks::EnterClicks(QComboBox* list, QAbstractButton* button)
    : QObject(list), list_(list), button_(button) {
    list_->installEventFilter(this);
}

bool EnterClicks::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !list_->view()->isVisible()) {
            button_->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

KeysAct::KeysAct(QWidget* widget, std::vector<int> keys, std::function<void()> act)
    : QObject(widget), keys_(std::move(keys)), act_(std::move(act)) {
    widget->installEventFilter(this);
}

bool KeysAct::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        std::find(keys_.begin(), keys_.end(), static_cast<QKeyEvent*>(event)->key()) !=
            keys_.end()) {
        act_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tensora
