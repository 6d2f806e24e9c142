#include "preview/vb_colours.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "project/design_value.h"

namespace velorin {
namespace {

// The Windows Standard scheme, indexed by the low byte of &H800000nn&.
constexpr std::array<QRgb, 25> kSchemeColours = {
    0xC0C0C0,  // scroll bars
    0x008080,  // desktop
    0x000080,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu bar
    0xFFFFFF,  // window background
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x000080,  // highlight
    0xFFFFFF,  // highlighted text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // dark shadow of 3-D elements
    0xDFDFDF,  // light colour of 3-D elements
    0x000000,  // tooltip text
    0xFFFFE1,  // tooltip background
};

}  // namespace

QColor VbColour(double value) {
    // A colour is 32 bits; a value written as a negative number is the same bits.
    const double inRange = std::isnan(value) ? 0 : std::clamp(value, -2147483648.0, 4294967295.0);
    const auto bits = static_cast<uint32_t>(static_cast<int64_t>(inRange) & 0xFFFFFFFF);
    if ((bits & 0x80000000u) != 0) {
        const uint32_t index = bits & 0xFFu;
        return QColor(index < kSchemeColours.size() ? kSchemeColours[index] : 0x000000);
    }
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

QColor ToColour(SystemColour colour) {
    return QColor(kSchemeColours[static_cast<size_t>(colour)]);
}

QColor ColourProperty(const LoadedBlock& block, const char* name, SystemColour fallback) {
    const std::optional<double> value = NumberValue(block.Find(name));
    return value ? VbColour(*value) : ToColour(fallback);
}

}  // namespace velorin
