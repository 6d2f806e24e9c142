// A property value as Access hands it to Visual Basic code: empty, Boolean,
// number, text or binary.
#pragma once

#include <string>
#include <string_view>

namespace velorin {

class PropertyValue {
  public:
    enum class Kind { Empty, Boolean, Number, Text, Binary };

    PropertyValue() = default;
    static PropertyValue Boolean(bool value);
    static PropertyValue Number(double value);
    static PropertyValue Text(std::string value);
    static PropertyValue Binary(std::string bytes);

    Kind kind() const { return kind_; }
    // Continues a text value (long values arrive in chunks).
    void AppendText(std::string_view more) { text_.append(more); }
    bool IsEmpty() const { return kind_ == Kind::Empty; }

    // As Visual Basic concatenates it: True/False, CStr of a number, the text.
    std::string AsText() const;
    // Numeric value: True is -1; a text is read as Val reads it.
    double AsNumber() const;
    // Rounded to a 32-bit integer, as Visual Basic assigns a number to a Long.
    long AsLong() const;
    // A number other than 0, True, or a text "True"/"-1"/"Yes".
    bool AsBool() const;

  private:
    Kind kind_ = Kind::Empty;
    bool boolean_ = false;
    double number_ = 0;
    std::string text_;
};

// Val: the leading number of a text, 0 when there is none.
double VbVal(std::string_view text);

}  // namespace velorin
