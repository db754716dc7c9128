#include "widgets/unit_boxes.h"

#include "print/qt_text.h"

namespace tensora {

void switch_box_units(QLineEdit& box, SwitchMemo& memo, Quantity quantity, UnitSystem from,
                      UnitSystem to, const NumberLocale& locale) {
    box.setText(qt_text(switched_text(box.text().toStdString(), memo, quantity, from, to, locale)));
    box.setCursorPosition(0);
}

} // namespace tensora
