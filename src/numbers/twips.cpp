#include "numbers/twips.h"

#include <algorithm>
#include <cmath>

namespace tensora {

int twips_to_pixels(double twips, double dots_per_inch) {
    const double pixels = std::round(twips * dots_per_inch / kTwipsPerInch);
    return static_cast<int>(std::clamp(pixels, -1e6, 1e6));
}

double pixels_to_twips(int pixels, double dots_per_inch) {
    return std::round(pixels * kTwipsPerInch / dots_per_inch);
}

} // namespace tensora
