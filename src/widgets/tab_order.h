// A window's keyboard order, written once as the list it is.
#pragma once

#include <QWidget>

#include <initializer_list>

namespace tensora {

inline void set_tab_order(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace tensora
