// The scale of every picture: 15 twips to the pixel (96 dots per inch).
#pragma once

#include <algorithm>
#include <cmath>

namespace velorin {

inline constexpr double kTwipsPerPixel = 15;
inline constexpr int kLargestSide = 8000;  // pixels; a larger form is cut

// Twips as whole pixels. Positions far beyond any form are brought nearer,
// so that no sum overflows; a value that is no number is 0.
inline int Pixels(double twips) {
    return std::isnan(twips)
               ? 0
               : static_cast<int>(std::lround(std::clamp(twips, -1e8, 1e8) / kTwipsPerPixel));
}

}  // namespace velorin
