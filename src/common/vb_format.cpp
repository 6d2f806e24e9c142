#include "common/vb_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace velorin {

std::string VbBool(bool value) {
    return value ? "True" : "False";
}

std::string VbNumber(double value) {
    // Visual Basic has no infinities; a number read from hostile text may.
    if (value == 0 || !std::isfinite(value))
        return "0";
    // Whole numbers of up to 15 digits, nearly every twip and colour, print
    // as they are; formatting them through printf costs more than the rest
    // of a control's line.
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return std::to_string(static_cast<long long>(value));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    // buffer: [-]d.ddddddddddddddde[+-]xx ; 15 significant digits.
    std::string_view text(buffer);
    size_t ePos = text.find('e');
    int exponent = std::atoi(buffer + ePos + 1);
    bool negative = buffer[0] == '-';
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < ePos; ++i) {
        if (buffer[i] != '.')
            digits.push_back(buffer[i]);
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        // Scientific: mantissa with a point after the first digit.
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += exp;
        return out;
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    size_t intDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
        out += digits;
        out.append(intDigits - digits.size(), '0');
    } else {
        out += digits.substr(0, intDigits);
        out += '.';
        out += digits.substr(intDigits);
    }
    return out;
}

std::string VbHex(int64_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%X", static_cast<uint32_t>(value));
    return buffer;
}

}  // namespace velorin
