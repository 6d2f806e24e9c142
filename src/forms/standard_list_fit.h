// Whether a standard Visual Basic ListBox or ComboBox can carry an Access list
// or combo: one visible column, at most a hidden numeric key beside it.
#pragma once

#include "session/session.h"

namespace velorin {

bool IsStandardList(Session& session, const AccessControl& control);

// Visual Basic's IsNumeric for the plain forms value lists use.
bool IsNumericText(std::string_view text);

}  // namespace velorin
