// Names that stay inside their directory.
#pragma once

#include <string_view>

namespace velorin {

// A name that stays inside its directory: no "/", NUL, "." or "..".
bool IsPlainFileName(std::string_view name);

}  // namespace velorin
