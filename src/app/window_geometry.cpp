#include "app/window_geometry.h"

#include "calculators/number_rules.h"

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

bool PixelRect::intersects(const PixelRect& other) const {
    const long long right = static_cast<long long>(left) + width;
    const long long bottom = static_cast<long long>(top) + height;
    const long long other_right = static_cast<long long>(other.left) + other.width;
    const long long other_bottom = static_cast<long long>(other.top) + other.height;
    return left < other_right && other.left < right && top < other_bottom && other.top < bottom;
}

int twips_to_pixels(double twips, double dots_per_inch) {
    const double pixels = std::round(twips * dots_per_inch / 1440.0);
    return static_cast<int>(std::clamp(pixels, -1e6, 1e6));
}

double pixels_to_twips(int pixels, double dots_per_inch) {
    return std::round(pixels * 1440.0 / dots_per_inch);
}

PixelRect restored_main_geometry(const StoredGeometry& stored, double dots_per_inch,
                                 const std::vector<PixelRect>& screens) {
    PixelRect rect{
        twips_to_pixels(stored_value(stored.left, kDefaultMainLeftTwips), dots_per_inch),
        twips_to_pixels(stored_value(stored.top, kDefaultMainTopTwips), dots_per_inch),
        twips_to_pixels(stored_value(stored.width, kDefaultMainWidthTwips), dots_per_inch),
        twips_to_pixels(stored_value(stored.height, kDefaultMainHeightTwips), dots_per_inch),
    };
    if (rect.width <= 0) {
        rect.width = twips_to_pixels(kDefaultMainWidthTwips, dots_per_inch);
    }
    if (rect.height <= 0) {
        rect.height = twips_to_pixels(kDefaultMainHeightTwips, dots_per_inch);
    }
    const bool visible = screens.empty() || std::any_of(screens.begin(), screens.end(),
                                                        [&rect](const PixelRect& screen) {
                                                            return rect.intersects(screen);
                                                        });
    if (!visible) {
        rect.left = twips_to_pixels(kDefaultMainLeftTwips, dots_per_inch);
        rect.top = twips_to_pixels(kDefaultMainTopTwips, dots_per_inch);
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
