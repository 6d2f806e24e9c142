// The procedure-level pass over the converted code of a form or module:
// recordset field access and option-group code need to know what a name
// denotes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/code_text.h"
#include "output/name_registry.h"
#include "session/session.h"

namespace velorin {

// Rewrites the code in place; `formNames` are the form's control names and
// `optionGroupNames` the option groups written on it (element 0 empty), none
// for a module.
void TranslateProcedures(const Session& session, CodeText& code,
                         const NameRegistry* formNames = nullptr,
                         const std::vector<std::string>& optionGroupNames = {});

}  // namespace velorin
