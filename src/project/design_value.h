// The typed value of a design property line, as Visual Basic reads it: a
// number, a string, a colour (&H...&), a boolean, or a reference into the
// form's binary companion ("Form1.frx":0012).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velorin {

struct DesignProperty;

enum class DesignValueKind { Number, String, Colour, Boolean, FrxReference, Unreadable };

struct DesignValue {
    DesignValueKind kind = DesignValueKind::Unreadable;
    double number = 0;       // a number, a colour or a boolean (True is -1)
    std::string text;        // a string without its quotes, or the .frx file's name
    uint32_t frxOffset = 0;  // where the entry starts in the .frx file
};

DesignValue ReadDesignValue(std::string_view written);

// The value of a property as a number or a truth value; nullopt when the
// property is absent or holds a string. A truth value is True, -1 or 1.
std::optional<double> NumberValue(const DesignProperty* property);
std::optional<bool> TruthValue(const DesignProperty* property);
// A number rounded to a whole one between -1e9 and 1e9 (which any position,
// size or style fits in), or `fallback`.
int IntegerValue(const DesignProperty* property, int fallback);
// A string property; nullopt when absent or not a string.
std::optional<std::string> StringValue(const DesignProperty* property);

}  // namespace velorin
