// The procedure-level pass over the converted code of a form or module:
// recordset field access and option-group code need to know what a name
// denotes.
#pragma once

#include <string_view>

#include "output/code_text.h"
#include "session/session.h"

namespace velorin {

// Rewrites the code in place.
void TranslateProcedures(const Session& session, CodeText& code);

}  // namespace velorin
