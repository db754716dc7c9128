// The checks and readings that every calculator applies to its input boxes.
#pragma once

#include "numbers/message.h"
#include "numbers/number_rules.h"

#include <optional>
#include <string_view>

namespace tensora {

inline constexpr MessageSource kEnterNumber = TENSORA_TEXT("Input", "Please enter a number");
inline constexpr MessageSource kEnterFriction =
    TENSORA_TEXT("Input", "Enter a coefficient between 0 and 1.  If you don't know, use 0.5");

// The warning for a range input's text (a box paired with a slider), if any.
std::optional<Message> range_input_message(std::string_view text, const NumberLocale& locale);

// The warning for a coefficient of friction text: not a number, or outside 0 to 1.
std::optional<Message> friction_input_message(std::string_view text, const NumberLocale& locale);

// Where a slider with the given range stands for a typed value: the largest whole number not
// greater than the value, held at the nearer end when the value lies outside the range.
int slider_position(double value, int minimum, int maximum);

} // namespace tensora
