// The core's messages as the windows and the PDF show them: translated into the program's
// language, figures in the user's number form, the user's own texts as they are.
#pragma once

#include "numbers/message.h"

#include <QString>

namespace tensora {

QString spoken(const Message& message, const NumberLocale& locale);

} // namespace tensora
