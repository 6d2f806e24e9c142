// The file names of the report's pages: made from the names of the forms and
// modules, each safe in any file system and in a link, and unique without
// regard to case.
#pragma once

#include <string>
#include <vector>

namespace velorin {

// One stem for each name, in order: the name's letters, digits, "_" and "-",
// every other character an "_", at most 60 characters, "unnamed" when
// nothing is left; a stem another one already has (or "index", the report's
// own page) without regard to case gets "-2", "-3", ...
std::vector<std::string> PageStems(const std::vector<std::string>& names);

}  // namespace velorin
