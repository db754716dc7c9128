#include "app/window_geometry.h"

#include "numbers/number_rules.h"

#include <algorithm>
#include <cmath>

namespace tensora {
namespace {

// Stored texts are written by the program itself, always with "." and without grouping.
const NumberLocale kStoreLocale{".", ""};

double stored_value(const std::string& text, double fallback) {
    if (!isNumberText(text, kStoreLocale)) {
        return fallback;
    }
    const auto value = static_cast<float>(leadingValue(text));
    return std::isfinite(value) ? value : fallback;
}

} // namespace

namespace {

// The user can reach the window's title bar on the screen: its top edge lies on the screen
// and at least 100 pixels of its width (or all of a narrower window) stand over it.
bool title_bar_on(const PixelRect& window, const PixelRect& screen) {
    const long long top = window.top;
    if (top < screen.top || top >= static_cast<long long>(screen.top) + screen.height) {
        return false;
    }
    const long long left = std::max<long long>(window.left, screen.left);
    const long long right = std::min(static_cast<long long>(window.left) + window.width,
                                     static_cast<long long>(screen.left) + screen.width);
    return right - left >= std::min(100, window.width);
}

bool fits_on(const PixelRect& window, const PixelRect& screen) {
    return window.width <= screen.width && window.height <= screen.height;
}

} // namespace

PixelRect restored_main_geometry(const StoredGeometry& stored, double dots_per_inch,
                                 const std::vector<PixelRect>& screens) {
    const PixelRect defaults{twips_to_pixels(kDefaultMainLeftTwips, dots_per_inch),
                             twips_to_pixels(kDefaultMainTopTwips, dots_per_inch),
                             twips_to_pixels(kDefaultMainWidthTwips, dots_per_inch),
                             twips_to_pixels(kDefaultMainHeightTwips, dots_per_inch)};
    PixelRect rect{
        twips_to_pixels(stored_value(stored.left, kDefaultMainLeftTwips), dots_per_inch),
        twips_to_pixels(stored_value(stored.top, kDefaultMainTopTwips), dots_per_inch),
        twips_to_pixels(stored_value(stored.width, kDefaultMainWidthTwips), dots_per_inch),
        twips_to_pixels(stored_value(stored.height, kDefaultMainHeightTwips), dots_per_inch),
    };
    if (rect.width <= 0) {
        rect.width = defaults.width;
    }
    if (rect.height <= 0) {
        rect.height = defaults.height;
    }
    if (screens.empty()) {
        return rect;
    }
    const auto any_screen = [&screens](auto&& test) {
        return std::any_of(screens.begin(), screens.end(), test);
    };
    if (!any_screen([&rect](const PixelRect& screen) { return fits_on(rect, screen); })) {
        rect.width = defaults.width;
        rect.height = defaults.height;
    }
    if (!any_screen([&rect](const PixelRect& screen) { return title_bar_on(rect, screen); })) {
        rect.left = defaults.left;
        rect.top = defaults.top;
    }
    return rect;
}

StoredGeometry stored_main_geometry(const PixelRect& rect, double dots_per_inch) {
    const auto text = [dots_per_inch](int pixels) {
        return general_number_text(static_cast<float>(pixels_to_twips(pixels, dots_per_inch)));
    };
    return {text(rect.left), text(rect.top), text(rect.width), text(rect.height)};
}

} // namespace tensora
