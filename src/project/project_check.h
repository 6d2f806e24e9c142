// A read of the finished project as Visual Basic would load it: every file the
// .vbp names exists, every form file holds one form block closed by its End,
// and every procedure that generated code calls is defined.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/output_directory.h"

namespace velorin {

// One text per problem found; none for a coherent project.
std::vector<std::string> CheckProject(const OutputDirectory& out, std::string_view projectFile);

}  // namespace velorin
