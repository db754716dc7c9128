// Warnings about what the user types into a box, as every window gives them: through the
// platform, owned by the window of the box; held back while a number is still being typed.
#pragma once

#include "numbers/message.h"
#include "numbers/number_rules.h"
#include "widgets/platform.h"

#include <QLineEdit>

#include <functional>
#include <optional>
#include <string_view>

namespace tensora {

// Shows a message of the core through the platform, owned by the window of `raiser`, in the
// platform's language and number form.
void show_message(Platform& platform, QWidget* raiser, const Message& message);

// What the rules say of a box's text ("Please enter a number", say), or nothing.
using InputCheck = std::function<std::optional<Message>(std::string_view text)>;

// Warns about a box's text as it changes, except while the text is a number still being typed
// ("1," on the way to "1,000"): a modal box then would take the next keystrokes.
void warn_about_change(Platform& platform, QLineEdit* box, const NumberLocale& locale,
                       const std::optional<Message>& warning);

// Makes the box give the warning it held back when it is left (or Enter is pressed) still
// holding a number being typed.
void warn_when_left(Platform& platform, QLineEdit* box, const NumberLocale& locale,
                    InputCheck check);

} // namespace tensora
