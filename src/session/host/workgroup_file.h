// The workgroup information file (.mdw) a secured application is opened with.
#pragma once

#include <filesystem>
#include <string>

namespace velorin {

// Empty when `path` is a workgroup file: a Jet database, as Access keeps one.
// Otherwise what is wrong with it, naming it.
std::string WorkgroupFileProblem(const std::filesystem::path& path);

}  // namespace velorin
