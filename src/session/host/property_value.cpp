#include "session/host/property_value.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/ansi_text.h"
#include "common/vb_format.h"

namespace velorin {

PropertyValue PropertyValue::Boolean(bool value) {
    PropertyValue v;
    v.kind_ = Kind::Boolean;
    v.boolean_ = value;
    return v;
}

PropertyValue PropertyValue::Number(double value) {
    PropertyValue v;
    v.kind_ = Kind::Number;
    v.number_ = value;
    return v;
}

PropertyValue PropertyValue::Text(std::string value) {
    PropertyValue v;
    v.kind_ = Kind::Text;
    v.text_ = std::move(value);
    return v;
}

PropertyValue PropertyValue::Binary(std::string bytes) {
    PropertyValue v;
    v.kind_ = Kind::Binary;
    v.text_ = std::move(bytes);
    return v;
}

std::string PropertyValue::AsText() const {
    switch (kind_) {
        case Kind::Empty:
            return {};
        case Kind::Boolean:
            return VbBool(boolean_);
        case Kind::Number:
            return VbNumber(number_);
        case Kind::Text:
        case Kind::Binary:
            return text_;
    }
    return {};
}

double PropertyValue::AsNumber() const {
    switch (kind_) {
        case Kind::Empty:
            return 0;
        case Kind::Boolean:
            return boolean_ ? -1 : 0;
        case Kind::Number:
            return number_;
        case Kind::Text:
            if (IEquals(text_, "True"))
                return -1;
            if (IEquals(text_, "False"))
                return 0;
            return VbVal(text_);
        case Kind::Binary:
            return 0;
    }
    return 0;
}

long PropertyValue::AsLong() const {
    double value = std::nearbyint(AsNumber());
    if (!(value >= std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (!(value <= std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<long>(value);
}

bool PropertyValue::AsBool() const {
    if (kind_ == Kind::Text && (IEquals(text_, "Yes") || IEquals(text_, "On")))
        return true;
    return AsNumber() != 0;
}

double VbVal(std::string_view text) {
    std::string digits;
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        digits.push_back(text[i++]);
    bool seenPoint = false, seenDigit = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            digits.push_back(c);
            seenPoint = true;
        } else if (c == ' ') {
            continue;  // Val skips blanks inside numbers
        } else if ((c == 'e' || c == 'E') && seenDigit) {
            size_t j = i + 1;
            std::string exponent = "e";
            if (j < text.size() && (text[j] == '-' || text[j] == '+'))
                exponent.push_back(text[j++]);
            size_t start = j;
            while (j < text.size() && text[j] >= '0' && text[j] <= '9')
                exponent.push_back(text[j++]);
            if (j > start)
                digits += exponent;
            break;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0;
    double value = std::strtod(digits.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

}  // namespace velorin
