// Reading a file whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velorin {

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace velorin
