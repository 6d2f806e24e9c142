// The register of custom control libraries: once per project, once per form.
#pragma once

#include <string_view>

#include "form_context/form_state.h"

namespace velorin {

// Adds the library to the project's list and to the form's list, each when its
// file is not listed yet (exact comparison).
void AddControlReference(FormState& state, std::string_view classId, std::string_view fileName);

// Adds the library to the project's list alone, when its file is not listed yet.
void AddProjectReference(ProjectParts& project, std::string_view classId,
                         std::string_view fileName);

}  // namespace velorin
