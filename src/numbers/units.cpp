#include "numbers/units.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tensora {

double metric_per_inch_pound(Quantity quantity) {
    switch (quantity) {
    case Quantity::Length:
        return kMetresPerFoot;
    case Quantity::Weight:
        return kKilogramsPerPound / (1000 * kMetresPerFoot);
    case Quantity::Tension:
        return kNewtonsPerPoundForce;
    case Quantity::Pressure:
        return kNewtonsPerPoundForce / kMetresPerFoot;
    case Quantity::Diameter:
        return kMillimetresPerInch;
    case Quantity::Area:
        return kMillimetresPerInch * kMillimetresPerInch;
    case Quantity::Volume:
        return kLitresPerGallon;
    case Quantity::PressurePerInch:
        return kNewtonsPerPoundForce / (kMillimetresPerInch / 1000);
    }
    return 1;
}

double shown_value(double inch_pound, Quantity quantity, UnitSystem units) {
    return units == UnitSystem::Metric ? inch_pound * metric_per_inch_pound(quantity) : inch_pound;
}

double inch_pound_value(double shown, Quantity quantity, UnitSystem units) {
    return units == UnitSystem::Metric ? shown / metric_per_inch_pound(quantity) : shown;
}

std::string_view unit_symbol(Quantity quantity, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    switch (quantity) {
    case Quantity::Length:
        return metric ? "m" : "ft";
    case Quantity::Weight:
        return metric ? "kg/m" : "lbs/kft";
    case Quantity::Tension:
        return metric ? "N" : "lbs";
    case Quantity::Pressure:
        return metric ? "N/m" : "lbs/ft";
    case Quantity::Diameter:
        return metric ? "mm" : "in";
    case Quantity::Area:
        return metric ? "mm²" : "sq in";
    case Quantity::Volume:
        return metric ? "litres" : "gallons";
    case Quantity::PressurePerInch:
        return metric ? "N/m" : "lbs/in";
    }
    return {};
}

namespace {

// The value's text with `digits` significant digits, "." as the point, an exponent as the
// program writes it ("E-07").
std::string digits_text(double value, int digits) {
    if (digits <= 15) {
        return general_number_text(value);
    }
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits)
            .ptr;
    std::string text(buffer, end);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

double converted(double value, Quantity quantity, UnitSystem from, UnitSystem to) {
    return shown_value(inch_pound_value(value, quantity, from), quantity, to);
}

} // namespace

std::string converted_text(std::string_view text, Quantity quantity, UnitSystem from, UnitSystem to,
                           const NumberLocale& locale) {
    if (from == to || !isNumberText(text, locale)) {
        return std::string(text);
    }
    const double value = read_input(text, locale);
    const double other = converted(value, quantity, from, to);
    const std::string same = general_number_text(value);
    std::string written;
    for (int digits = 15; digits <= 17; ++digits) {
        written = digits_text(other, digits);
        if (general_number_text(converted(leadingValue(written), quantity, to, from)) == same) {
            break;
        }
    }
    return locale_number_text(written, locale);
}

std::string typed_converted_text(std::string_view text, Quantity quantity, UnitSystem from,
                                 UnitSystem to, const NumberLocale& locale) {
    if (from == to || !isNumberText(text, locale)) {
        return std::string(text);
    }
    const double other = converted(read_input(text, locale), quantity, from, to);
    if (!std::isfinite(other)) {
        return converted_text(text, quantity, from, to, locale);
    }
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, other, std::chars_format::general, 6).ptr;
    return locale_number_text(
        general_number_text(leadingValue(std::string_view(buffer, end - buffer))), locale);
}

std::string text_in_other_units(const std::string& current, const SwitchMemo& memo,
                                Quantity quantity, UnitSystem from, UnitSystem to,
                                const NumberLocale& locale) {
    if (from == to) {
        return current;
    }
    return !memo.written.empty() && current == memo.written
               ? memo.before
               : converted_text(current, quantity, from, to, locale);
}

std::string switched_text(const std::string& current, SwitchMemo& memo, Quantity quantity,
                          UnitSystem from, UnitSystem to, const NumberLocale& locale,
                          SwitchDigits digits) {
    std::string text;
    if (from == to) {
        text = current;
    } else if (!memo.written.empty() && current == memo.written) {
        text = memo.before; // not changed since the last switch: the very text it had
    } else if (digits == SwitchDigits::Typed) {
        text = typed_converted_text(current, quantity, from, to, locale);
    } else {
        text = converted_text(current, quantity, from, to, locale);
    }
    memo = {current, text};
    return text;
}

double typed_shown_value(double inch_pound, Quantity quantity, UnitSystem units) {
    const double shown = shown_value(inch_pound, quantity, units);
    if (units == UnitSystem::InchPound || !std::isfinite(shown)) {
        return shown;
    }
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, shown, std::chars_format::general, 6).ptr;
    return leadingValue(std::string_view(buffer, end - buffer));
}

std::string_view unit_system_key(UnitSystem units) {
    return units == UnitSystem::Metric ? "si" : "imperial";
}

std::optional<UnitSystem> unit_system_by_key(std::string_view key) {
    if (key == "si") {
        return UnitSystem::Metric;
    }
    if (key == "imperial") {
        return UnitSystem::InchPound;
    }
    return std::nullopt;
}

std::string_view unit_system_name(UnitSystem units) {
    return units == UnitSystem::Metric ? "metric" : "inch-pound";
}

} // namespace tensora
