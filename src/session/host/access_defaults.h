// Access 97's built-in property defaults: what a property reads as when neither
// the control's text nor the form's default block for its type sets it.
#pragma once

#include <string_view>

#include "session/host/property_value.h"

namespace velorin {

// Object kinds of the table besides Access control types (100 to 124).
inline constexpr int kFormObject = -1;
inline constexpr int kSectionObject = -2;
// Applies to every control type that has the property.
inline constexpr int kAnyControl = 0;

enum class DefaultKind { Boolean, Number, Text };

struct BuiltInDefault {
    int objectType;
    std::string_view name;
    DefaultKind kind;
    std::string_view value;  // "True"/"False", a number, or the text
};

// The entry for this object type and property (a type's own entry first, then
// kAnyControl for controls); nullptr when the table has none.
const BuiltInDefault* FindBuiltInDefault(int objectType, std::string_view name);
// The entry's value; `entry` must come from FindBuiltInDefault.
const PropertyValue& DefaultValue(const BuiltInDefault& entry);

}  // namespace velorin
