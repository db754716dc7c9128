#include "numbers/number_rules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tensora {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The blanks of a number text: isNumberText allows them around the number, and leadingValue
// skips them wherever they stand. One set for both, so that a text the check accepts (a value
// pasted with its carriage return, say) reads as the number it shows.
bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string without_blanks(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!is_blank(c)) {
            compact.push_back(c);
        }
    }
    return compact;
}

int digit_value(char c) {
    if (is_digit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

double radix_integer(std::string_view digits, int radix) {
    double value = 0.0;
    for (char c : digits) {
        const int d = digit_value(c);
        if (d >= radix) {
            break;
        }
        value = value * radix + d;
    }
    return value;
}

// Reads the decimal number at the start of a text without blanks. The number is rebuilt in a
// normalised form for std::from_chars, which reads it exactly and independently of the C
// locale (a Qt program runs with the user's LC_NUMERIC).
double leading_decimal(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::string mantissa;
    int whole_digits = 0;
    bool seen_point = false;
    for (; i < s.size(); ++i) {
        if (is_digit(s[i])) {
            mantissa.push_back(s[i]);
            whole_digits += seen_point ? 0 : 1;
        } else if (s[i] == '.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
    }
    if (mantissa.empty()) {
        return 0.0;
    }
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool negative_exponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negative_exponent = s[j] == '-';
            ++j;
        }
        long long e = 0;
        bool any = false;
        for (; j < s.size() && is_digit(s[j]); ++j) {
            any = true;
            e = std::min(e * 10 + (s[j] - '0'), 1'000'000'000LL);
        }
        if (any) {
            exponent = negative_exponent ? -e : e;
        }
    }
    // Normalise to digits × 10^exponent with a whole mantissa.
    const long long scale = exponent - static_cast<long long>(mantissa.size() - whole_digits);
    std::string normal = mantissa + "e" + std::to_string(scale);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        const auto first = mantissa.find_first_not_of('0');
        if (first == std::string::npos) {
            value = 0.0;
        } else {
            const long long magnitude =
                static_cast<long long>(mantissa.size() - first) + scale; // digits before the point
            value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
    }
    return negative ? -value : value;
}

} // namespace

std::string_view trimmed_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

namespace {

// A double as its 15-significant-digit decimal form: value = 0.digits × 10^point. Trailing
// zeros are dropped, so zero has no digits.
struct DecimalForm {
    bool negative = false;
    std::string digits;
    int point = 0;

    bool is_zero() const { return digits.empty(); }

    void drop_trailing_zeros() {
        while (!digits.empty() && digits.back() == '0') {
            digits.pop_back();
        }
    }

    // Rounds half away from zero to the given number of decimal places.
    void round_to(int decimals) {
        const long long keep = static_cast<long long>(point) + decimals;
        if (keep >= static_cast<long long>(digits.size())) {
            return;
        }
        if (keep < 0) {
            digits.clear();
            return;
        }
        const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            std::size_t k = digits.size();
            while (k > 0 && digits[k - 1] == '9') {
                digits[--k] = '0';
            }
            if (k == 0) {
                digits.insert(digits.begin(), '1');
                ++point;
            } else {
                ++digits[k - 1];
            }
        }
        drop_trailing_zeros();
    }

    char digit_at(long long k) const {
        return k >= 0 && k < static_cast<long long>(digits.size())
                   ? digits[static_cast<std::size_t>(k)]
                   : '0';
    }

    // The digits before the point, without leading zeros (empty for values below 1).
    std::string whole_part() const {
        std::string out;
        if (is_zero()) {
            return out;
        }
        for (long long k = 0; k < point; ++k) {
            out.push_back(digit_at(k));
        }
        return out;
    }

    // The digits after the point, at most `decimals` of them, without trailing zeros.
    std::string fraction_part(int decimals) const {
        std::string out;
        if (is_zero()) {
            return out;
        }
        for (int j = 0; j < decimals; ++j) {
            const long long k = static_cast<long long>(point) + j;
            if (k >= static_cast<long long>(digits.size())) {
                break;
            }
            out.push_back(digit_at(k));
        }
        return out;
    }
};

// The 15-significant-digit scientific text of a finite value, in `buffer`. The largest doubles
// would round up past the largest double (1.79769313486232E+308 reads as infinite); they are
// cut to 15 digits instead, so that every text written reads back as the number it stands for.
std::string_view fifteen_digits(double value, char (&buffer)[64]) {
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double back = 0;
    if (std::fabs(value) > 1.7976931348623e308 &&
        std::from_chars(buffer, result.ptr, back).ec == std::errc::result_out_of_range) {
        result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 17);
        // Keep the sign, the first digit, the point and 14 digits, then the exponent.
        char* const cut = buffer + (value < 0 ? 1 : 0) + 16;
        char* const exponent = std::find(cut, result.ptr, 'e');
        result.ptr = std::copy(exponent, result.ptr, cut);
    }
    return {buffer, static_cast<std::size_t>(result.ptr - buffer)};
}

DecimalForm decimal_form(double value) {
    char buffer[64];
    const std::string_view text = fifteen_digits(value, buffer);
    DecimalForm form;
    std::size_t i = 0;
    if (text[i] == '-') {
        form.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (is_digit(text[i])) {
            form.digits.push_back(text[i]);
        }
    }
    int exponent = 0;
    std::string_view exponent_text = text.substr(i + 1);
    if (!exponent_text.empty() && exponent_text.front() == '+') {
        exponent_text.remove_prefix(1);
    }
    std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
    form.point = exponent + 1;
    form.drop_trailing_zeros();
    if (form.is_zero()) {
        form.negative = false;
    }
    return form;
}

} // namespace

double leadingValue(std::string_view text) {
    const std::string s = without_blanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = s[1];
        if (kind == 'H' || kind == 'h') {
            return radix_integer(std::string_view(s).substr(2), 16);
        }
        if (kind == 'O' || kind == 'o') {
            return radix_integer(std::string_view(s).substr(2), 8);
        }
        return 0.0;
    }
    return leading_decimal(s);
}

bool is_number_being_typed(std::string_view text, const NumberLocale& locale) {
    const std::string_view t = trimmed_blanks(text);
    const std::size_t separator =
        locale.grouping.empty() ? std::string_view::npos : t.rfind(locale.grouping);
    if (separator == std::string_view::npos || isNumberText(t, locale)) {
        return false;
    }
    const std::string_view tail = t.substr(separator + locale.grouping.size());
    if (tail.size() > 2 || !std::all_of(tail.begin(), tail.end(), is_digit)) {
        return false;
    }
    std::string completed(t);
    completed.append(3 - tail.size(), '0');
    return isNumberText(completed, locale);
}

std::string locale_number_text(std::string_view plain, const NumberLocale& locale) {
    std::string text(plain);
    if (!isNumberText(plain, NumberLocale{".", ""})) {
        return text;
    }
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, locale.decimal);
    }
    return text;
}

std::string grouped_number_text(std::string_view plain, const NumberLocale& locale) {
    std::string text = locale_number_text(plain, locale);
    if (text == plain && !isNumberText(plain, NumberLocale{".", ""})) {
        return text; // not a number
    }
    const std::size_t sign = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    std::size_t whole_end = text.find(locale.decimal);
    if (whole_end == std::string::npos || locale.decimal.empty()) {
        whole_end = text.size();
    }
    for (std::size_t i = sign; i < whole_end; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return text; // an exponent form stays as it is
        }
    }
    for (std::size_t at = whole_end; at > sign + 3; at -= 3) {
        text.insert(at - 3, locale.grouping);
    }
    return text;
}

bool isNumberText(std::string_view text, const NumberLocale& locale) {
    const std::string_view t = trimmed_blanks(text);
    const auto at = [&t](std::size_t i, std::string_view what) {
        return !what.empty() && t.substr(i).starts_with(what);
    };
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        ++i;
    }
    // The whole part: digits, or digits grouped as they are written in the locale: one to
    // three digits, then groups of exactly three. A separator anywhere else (a decimal comma
    // typed in a locale that groups with commas, say) makes the text no number.
    int whole_digits = 0;
    int group_digits = 0;
    bool grouped = false;
    while (i < t.size()) {
        if (is_digit(t[i])) {
            ++whole_digits;
            ++group_digits;
            ++i;
        } else if (at(i, locale.grouping)) {
            const bool first_group_fits = group_digits >= 1 && group_digits <= 3;
            if (grouped ? group_digits != 3 : !first_group_fits) {
                return false;
            }
            grouped = true;
            group_digits = 0;
            i += locale.grouping.size();
        } else {
            break;
        }
    }
    if (grouped && group_digits != 3) {
        return false;
    }
    int fraction_digits = 0;
    if (at(i, locale.decimal)) {
        i += locale.decimal.size();
        while (i < t.size() && is_digit(t[i])) {
            ++fraction_digits;
            ++i;
        }
    }
    if (whole_digits + fraction_digits == 0) {
        return false;
    }
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            ++i;
        }
        const std::size_t exponent_start = i;
        while (i < t.size() && is_digit(t[i])) {
            ++i;
        }
        if (i == exponent_start) {
            return false;
        }
    }
    return i == t.size();
}

double read_input(std::string_view text, const NumberLocale& locale) {
    if (!isNumberText(text, locale)) {
        return leadingValue(text);
    }
    return leadingValue(plain_number_text(text, locale));
}

std::string plain_number_text(std::string_view text, const NumberLocale& locale) {
    if (!isNumberText(text, locale)) {
        return std::string(text);
    }
    // The number as the locale writes it, rewritten with "." and without grouping.
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        if (!locale.grouping.empty() && rest.starts_with(locale.grouping)) {
            i += locale.grouping.size();
        } else if (!locale.decimal.empty() && rest.starts_with(locale.decimal)) {
            plain.push_back('.');
            i += locale.decimal.size();
        } else {
            plain.push_back(text[i++]);
        }
    }
    return std::string(trimmed_blanks(plain));
}

double whole_if_nearly(double value) {
    const double nearest = std::round(value);
    if (std::fabs(value) < 1e12 && std::fabs(value - nearest) <= 1e-12 * std::fabs(value)) {
        return nearest;
    }
    return value;
}

double whole_number_below(double value) {
    return std::floor(whole_if_nearly(value));
}

std::string wholeResultText(double value) {
    if (!std::isfinite(value)) {
        return std::string(kNotFiniteText);
    }
    const double whole = whole_number_below(value);
    if (std::fabs(whole) < 1e15) {
        return std::to_string(static_cast<long long>(whole));
    }
    return general_number_text(whole);
}

std::string format_pattern(double value, std::string_view pattern, std::string_view decimal) {
    if (!std::isfinite(value)) {
        return std::string(kNotFiniteText);
    }
    const auto point_at = pattern.find('.');
    const bool has_point = point_at != std::string_view::npos;
    const bool percent = pattern.find('%') != std::string_view::npos;
    int decimals = 0;
    if (has_point) {
        decimals = static_cast<int>(std::count(
            pattern.begin() + static_cast<std::ptrdiff_t>(point_at), pattern.end(), '#'));
    }
    DecimalForm form = decimal_form(value);
    if (percent && !form.is_zero()) {
        form.point += 2;
    }
    form.round_to(decimals);
    std::string out;
    if (form.negative && !form.is_zero()) {
        out.push_back('-');
    }
    out += form.whole_part();
    if (has_point) {
        out += decimal;
        out += form.fraction_part(decimals);
    }
    if (percent) {
        out.push_back('%');
    }
    return out;
}

std::string_view whole_pattern_text(double value, std::string& scratch) {
    if (!std::isfinite(value)) {
        return kNotFiniteText;
    }
    if (std::fabs(value) < 1e15) {
        double whole = std::trunc(value);
        double fraction = std::fabs(value - whole);
        double rounded = 0;
        if (std::fabs(value) >= 1e14) {
            // The 15-digit form is the nearest whole number, an exact half to the even one.
            rounded = std::nearbyint(value);
        } else if (std::fabs(value) >= 1e13) {
            // The form keeps one decimal: it rounds up to a half or more exactly where the
            // fraction, a multiple of 2^-9, is above 0.45 (no such multiple is 0.45 itself).
            rounded = whole + (fraction > 0.45 ? (value < 0 ? -1 : 1) : 0);
        } else {
            // Away from a half, the value and its 15-digit decimal form round to the same whole
            // number (they differ by less than 5e-15 of the value). Next to a half, round the
            // decimal form itself: below 1e13 its double lies on the same side of the half as
            // the decimal does, and an exact half is an exact double.
            if (std::fabs(fraction - 0.5) <= 1e-14 * std::fabs(value)) {
                const double decimal = round_to_15_digits(value);
                whole = std::trunc(decimal);
                fraction = std::fabs(decimal - whole);
            }
            rounded = fraction >= 0.5 ? whole + (value < 0 ? -1 : 1) : whole;
        }
        if (rounded == 0) {
            return {};
        }
        scratch.resize(24);
        const auto end = std::to_chars(scratch.data(), scratch.data() + scratch.size(),
                                       static_cast<long long>(rounded))
                             .ptr;
        return std::string_view(scratch.data(), static_cast<std::size_t>(end - scratch.data()));
    }
    scratch = format_pattern(value, "###");
    return scratch;
}

double round_to_15_digits(double value) {
    if (!std::isfinite(value) || value == 0) {
        return value;
    }
    // Fast path: scale to a whole number of 15 digits, round, scale back. The product's
    // rounding error is recovered exactly with a fused multiply-add, so the rounding decision
    // is made on the exact scaled value. The whole number (below 2^53) and the power of ten
    // (up to 1e22) are exact doubles, so the division is the correctly rounded value of the
    // 15-digit decimal: exactly what reading that decimal back gives. Values next to a half
    // take the path through the decimal text, which rounds exact halves to even.
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-7 && magnitude < 1e14) {
        int shift = 14 - static_cast<int>(std::floor(std::log10(magnitude)));
        double scaled = magnitude * kPowers[shift];
        if (scaled >= 1e15 && shift > 0) {
            scaled = magnitude * kPowers[--shift];
        } else if (scaled < 1e14 && shift < 22) {
            scaled = magnitude * kPowers[++shift];
        }
        if (scaled >= 1e14 && scaled < 1e15) {
            const double error = std::fma(magnitude, kPowers[shift], -scaled);
            const double whole = std::floor(scaled);
            const double fraction = (scaled - whole) + error;
            if (std::fabs(fraction - 0.5) > 1e-6) {
                const double rounded = (fraction > 0.5 ? whole + 1 : whole) / kPowers[shift];
                return value < 0 ? -rounded : rounded;
            }
        }
    }
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

std::string general_number_text(double value) {
    if (!std::isfinite(value)) {
        return std::string(kNotFiniteText);
    }
    const DecimalForm form = decimal_form(value);
    if (form.is_zero()) {
        return "0";
    }
    std::string out = form.negative ? "-" : "";
    const int exponent = form.point - 1;
    if (exponent >= -5 && exponent < 15) {
        const std::string whole = form.whole_part();
        out += whole.empty() ? "0" : whole;
        const int decimals = static_cast<int>(form.digits.size()) - form.point;
        if (decimals > 0) {
            out.push_back('.');
            out += form.fraction_part(decimals);
        }
        return out;
    }
    out.push_back(form.digits.front());
    if (form.digits.size() > 1) {
        out.push_back('.');
        out.append(form.digits, 1);
    }
    const int magnitude = std::abs(exponent);
    out += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) {
        out.push_back('0');
    }
    out += std::to_string(magnitude);
    return out;
}

std::string fixed_number_text(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::string(kNotFiniteText);
    }
    char buffer[400]; // the widest double in fixed notation, with its decimals
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    return std::string(buffer, end);
}

} // namespace tensora
