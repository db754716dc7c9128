#include "numbers/input_checks.h"

#include <cmath>

namespace tensora {

std::optional<std::string_view> range_input_message(std::string_view text,
                                                    const NumberLocale& locale) {
    if (!isNumberText(text, locale)) {
        return kEnterNumberMessage;
    }
    return std::nullopt;
}

std::optional<std::string_view> friction_input_message(std::string_view text,
                                                       const NumberLocale& locale) {
    const double value = read_input(text, locale);
    if (!isNumberText(text, locale) || value > 1.0 || value < 0.0) {
        return kFrictionMessage;
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
