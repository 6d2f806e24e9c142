// Values formatted as Visual Basic formats them when it concatenates.
#pragma once

#include <cstdint>
#include <string>

namespace velorin {

// "True" / "False".
std::string VbBool(bool value);
// CStr of a Double: up to 15 significant digits, no trailing zeros,
// scientific notation ("1E+15", "1.5E-07") outside VB's fixed range.
std::string VbNumber(double value);
// Hex of a Long: upper case, no leading zeros, negatives as 32-bit two's complement.
std::string VbHex(int64_t value);

}  // namespace velorin
