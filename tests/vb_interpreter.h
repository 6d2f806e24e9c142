// An interpreter of the part of Visual Basic that the support module's
// supplied functions are written in, to run them here, where there is no
// Visual Basic. It loads the procedures of a module's text and runs one when
// asked; a statement, a type or a built-in function it does not implement
// is refused with VbUnsupported when it is reached, never skipped. Format$
// and the names of months and days are those of an English (United States)
// system.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velorin::testing {

struct VbValue {
    enum class Kind { Empty, Null, Missing, Boolean, Number, String, Array };
    Kind kind = Kind::Empty;
    double number = 0;  // True is -1; a date is its days since 30 December 1899
    std::string text;
    std::shared_ptr<std::vector<VbValue>> items;  // an array from 0; null before ReDim

    static VbValue Of(Kind kind, double number = 0, std::string text = {}) {
        VbValue value;
        value.kind = kind;
        value.number = number;
        value.text = std::move(text);
        return value;
    }
    static VbValue Missing() { return Of(Kind::Missing); }
    static VbValue Null() { return Of(Kind::Null); }
    static VbValue Number(double n) { return Of(Kind::Number, n); }
    static VbValue Bool(bool b) { return Of(Kind::Boolean, b ? -1 : 0); }
    static VbValue String(std::string s) { return Of(Kind::String, 0, std::move(s)); }
    static VbValue Array(std::vector<VbValue> items) {
        VbValue value = Of(Kind::Array);
        value.items = std::make_shared<std::vector<VbValue>>(std::move(items));
        return value;
    }
};

// A run-time error the code raises (Err.Raise 5) or Visual Basic would (13).
struct VbError : std::runtime_error {
    explicit VbError(int n) : std::runtime_error("error " + std::to_string(n)), number(n) {}
    int number;
};

struct VbUnsupported : std::logic_error {
    using std::logic_error::logic_error;
};

class VbInterpreter {
  public:
    explicit VbInterpreter(std::string_view moduleText);
    // Runs a procedure; a VbValue::Missing() argument is one left out.
    VbValue Call(std::string_view procedure, const std::vector<VbValue>& arguments) const;

    struct Procedure {
        std::string header;  // "Function Split(...) As Variant", without Public or Private
        std::vector<std::string> body;  // one statement a line
    };
    const Procedure* Find(std::string_view name) const;

  private:
    std::vector<Procedure> procedures_;
};

// The value as Visual Basic's CStr writes it.
std::string VbText(const VbValue& value);

}  // namespace velorin::testing
