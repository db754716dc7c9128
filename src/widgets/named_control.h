// Gives a control the name the program knows it by, as it is created:
// named(new QLabel(text, parent), "Label4").
#pragma once

#include <QLatin1String>

namespace tensora {

template <class Control> Control* named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace tensora
