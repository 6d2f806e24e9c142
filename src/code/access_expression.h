// The Access expression of a calculated control ("=[Qty]*[Price]") as a
// Visual Basic expression, for the statement that shows its value when the
// form's record moves: single-quoted strings become Visual Basic strings, a
// name is a control of the form or a field of its data control's record.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velorin {

struct ExpressionContext {
    // The data control whose record holds the form's fields.
    std::string dataControl;
    // The Visual Basic name of the form's control of that Access name; empty
    // when the form has none.
    std::function<std::string(std::string_view)> controlName;
};

// Empty when the expression needs what Visual Basic does not have (a domain
// or aggregate function, a reference to the form's parent or subform). Nz is
// the support module's.
std::optional<std::string> VbExpression(std::string_view expression,
                                        const ExpressionContext& context);

}  // namespace velorin
