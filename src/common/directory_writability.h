// Whether Velorin can write in a directory, asked before a conversion starts.
#pragma once

#include <filesystem>
#include <string>

namespace velorin {

// True when new files can be created in `dir`; otherwise says why. Leaves
// nothing in the directory.
bool CanCreateFiles(const std::filesystem::path& dir, std::string& why);

}  // namespace velorin
