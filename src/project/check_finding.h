// A fault found in the generated project, and whom it is owed to.
#pragma once

#include <string>

namespace velorin {

enum class FindingCause {
    Conversion,   // the converter wrote it so
    Application,  // the source application already had it
};

struct ProjectFinding {
    std::string file;
    int line = 0;  // 0: the file as a whole
    FindingCause cause = FindingCause::Conversion;
    std::string message;

    // "File.frm:12: message"; a finding of the application's says so.
    std::string Text() const;
};

}  // namespace velorin
