// An application's public procedure that had to take another name in the
// project (its own Main beside the project's Sub Main) is called by it.
#pragma once

#include <map>
#include <string>

#include "common/ansi_text.h"

namespace velorin {

// `procedures`: the old name and the new of each renamed procedure;
// `modules`: the application's modules, by Access name and project name.
// Main and basStart.Main follow; a member of another object (frm.Main), a
// string and a comment do not.
std::string FollowRenamedProcedures(const std::string& line,
                                    const std::map<std::string, std::string, ILess>& procedures,
                                    const std::map<std::string, std::string, ILess>& modules);

}  // namespace velorin
