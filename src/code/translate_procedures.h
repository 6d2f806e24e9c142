// The procedure-level pass over a finished form or module file: recordset
// field access and option-group code need to know what a name denotes.
#pragma once

#include <string_view>

#include "session/session.h"

namespace velorin {

// Rewrites the file of the output directory in place.
void TranslateProcedures(Session& session, std::string_view file);

}  // namespace velorin
