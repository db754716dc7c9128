// Twips, the design's unit of length for forms and the stored window geometry: 1/1440 inch.
#pragma once

namespace tensora {

inline constexpr double kTwipsPerInch = 1440;

// Whole pixels at a screen's logical resolution, and back.
int twips_to_pixels(double twips, double dots_per_inch);
double pixels_to_twips(int pixels, double dots_per_inch);

} // namespace tensora
