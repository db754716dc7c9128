#include "numbers/input_checks.h"

#include <cmath>

namespace tensora {

std::optional<Message> range_input_message(std::string_view text, const NumberLocale& locale) {
    if (!isNumberText(text, locale)) {
        return Message(kEnterNumber);
    }
    return std::nullopt;
}

std::optional<Message> friction_input_message(std::string_view text, const NumberLocale& locale) {
    const double value = read_input(text, locale);
    if (!isNumberText(text, locale) || value > 1.0 || value < 0.0) {
        return Message(kEnterFriction);
    }
    return std::nullopt;
}

int slider_position(double value, int minimum, int maximum) {
    if (std::isnan(value)) {
        return minimum;
    }
    const double whole = std::floor(value);
    if (whole <= minimum) {
        return minimum;
    }
    if (whole >= maximum) {
        return maximum;
    }
    return static_cast<int>(whole);
}

} // namespace tensora
