// A box's number written again in other units, as every window does when the user switches
// the unit system.
#pragma once

#include "numbers/units.h"

#include <QLineEdit>

namespace tensora {

// Writes the box's text in the other units (its text before the last switch when it has not
// changed since), showing the number from its first digit: an exact conversion may be longer
// than the box.
void switch_box_units(QLineEdit& box, SwitchMemo& memo, Quantity quantity, UnitSystem from,
                      UnitSystem to, const NumberLocale& locale);

} // namespace tensora
