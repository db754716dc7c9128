// The core's messages as the windows and the PDF show them: translated into the program's
// language, figures in the user's number form, the user's own texts as they are.
#pragma once

#include "numbers/message.h"

#include <QString>

#include <string_view>

namespace tensora {

QString spoken(const Message& message, const NumberLocale& locale);

// A cell of the plan's columns as people read it: a figure as it stands, the column's words for
// a figure it cannot show ("Out of range", "no length") in the program's language.
QString spoken_cell(std::string_view text, const NumberLocale& locale);

} // namespace tensora
