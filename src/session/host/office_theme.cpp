#include "session/host/office_theme.h"

#include <algorithm>
#include <cmath>

namespace velorin {
namespace {

// Office 2007 and 2010 "Office" theme, as 0xRRGGBB: dk1, lt1, dk2, lt2,
// accent1 to accent6, hlink, folHlink; Access numbers them in this order.
constexpr long kOfficeColours[12] = {0x000000, 0xFFFFFF, 0x1F497D, 0xEEECE1, 0x4F81BD, 0xC0504D,
                                     0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646, 0x0000FF, 0x800080};

struct Hsl {
    double hue = 0;  // in sixths of the circle, 0 to 6
    double saturation = 0;
    double luminance = 0;
};

Hsl ToHsl(double r, double g, double b) {
    const double high = std::max({r, g, b});
    const double low = std::min({r, g, b});
    Hsl hsl;
    hsl.luminance = (high + low) / 2;
    const double spread = high - low;
    if (spread <= 0)
        return hsl;
    hsl.saturation = hsl.luminance <= 0.5 ? spread / (high + low) : spread / (2 - high - low);
    if (high == r)
        hsl.hue = (g - b) / spread + (g < b ? 6 : 0);
    else if (high == g)
        hsl.hue = (b - r) / spread + 2;
    else
        hsl.hue = (r - g) / spread + 4;
    return hsl;
}

// Access rounds a lightened colour's channels a half down and a darkened
// one's a half up: the colours a later export writes beside the theme index
// say so (Text 1 lighter 50% is &H7F7F7F, Text 2 darker 50% &H3F2510).
enum class Rounding { Nearest, HalfDown, HalfUp };

long Channel(double value, Rounding rounding) {
    // Far below a channel step, above the error of the arithmetic.
    constexpr double kSlack = 1e-9;
    const double scaled = value * 255;
    double rounded = 0;
    switch (rounding) {
        case Rounding::Nearest:
            rounded = std::floor(scaled + 0.5);
            break;
        case Rounding::HalfDown:
            rounded = std::ceil(scaled - 0.5 - kSlack);
            break;
        case Rounding::HalfUp:
            rounded = std::floor(scaled + 0.5 + kSlack);
            break;
    }
    return static_cast<long>(std::clamp(rounded, 0.0, 255.0));
}

}  // namespace

std::optional<long> OfficeThemeColour(long index, double tint, double shade) {
    if (index < 0 || index >= static_cast<long>(std::size(kOfficeColours)))
        return std::nullopt;
    const long rgb = kOfficeColours[index];
    auto part = [rgb](int shift) { return static_cast<double>((rgb >> shift) & 0xFF) / 255; };
    Hsl hsl = ToHsl(part(16), part(8), part(0));
    const double lighter = std::clamp(tint, 0.0, 100.0) / 100;
    const double darker = std::clamp(shade, 0.0, 100.0) / 100;
    hsl.luminance = (hsl.luminance * lighter + (1 - lighter)) * darker;

    const double chroma = (1 - std::fabs(2 * hsl.luminance - 1)) * hsl.saturation;
    const double second = chroma * (1 - std::fabs(std::fmod(hsl.hue, 2.0) - 1));
    const double base = hsl.luminance - chroma / 2;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hsl.hue) % 6) {
        case 0:
            r = chroma, g = second;
            break;
        case 1:
            r = second, g = chroma;
            break;
        case 2:
            g = chroma, b = second;
            break;
        case 3:
            g = second, b = chroma;
            break;
        case 4:
            r = second, b = chroma;
            break;
        default:
            r = chroma, b = second;
            break;
    }
    const Rounding rounding = darker < 1    ? Rounding::HalfUp
                              : lighter < 1 ? Rounding::HalfDown
                                            : Rounding::Nearest;
    return Channel(r + base, rounding) | Channel(g + base, rounding) << 8 |
           Channel(b + base, rounding) << 16;
}

std::string_view OfficeThemeFont(long index) {
    switch (index) {
        case 0:
            return "Cambria";
        case 1:
            return "Calibri";
        default:
            return {};
    }
}

}  // namespace velorin
