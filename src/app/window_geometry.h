// The main window's remembered position and size: stored in twips (1/1440 inch) as text,
// shown in pixels of the screen's logical resolution.
#pragma once

#include "numbers/twips.h"

#include <string>
#include <vector>

namespace tensora {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The four setting texts, in the order they are stored.
struct StoredGeometry {
    std::string left;
    std::string top;
    std::string width;
    std::string height;
};

inline constexpr double kDefaultMainLeftTwips = 1000;
inline constexpr double kDefaultMainTopTwips = 1000;
inline constexpr double kDefaultMainWidthTwips = 6500;
inline constexpr double kDefaultMainHeightTwips = 6500;

// The geometry to give the main window, its outer size included. A text that is not a number,
// and a width or height that is not positive, falls back to its default; so does a size larger
// than every available screen, and a position from which the title bar could not be reached
// (its top edge off every screen, or less than 100 pixels of its width on one: a monitor since
// removed, say).
PixelRect restored_main_geometry(const StoredGeometry& stored, double dots_per_inch,
                                 const std::vector<PixelRect>& screens);

// The texts to store for a window geometry: each value in twips, as the decimal text of a
// single-precision number.
StoredGeometry stored_main_geometry(const PixelRect& rect, double dots_per_inch);

} // namespace tensora
