// The .vbp project file: the driver appends a line per form and module while
// it converts, and WriteProjectTail appends the rest at the end.
#pragma once

#include <string_view>

#include "session/session.h"

namespace velorin {

void AppendProjectLine(Session& session, std::string_view line);

void WriteProjectTail(Session& session, std::string_view projectFileName,
                      std::string_view iconFormName, std::string_view projectName);

}  // namespace velorin
