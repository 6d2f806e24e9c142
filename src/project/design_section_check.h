// The design section of a form file as Visual Basic loads it: the VERSION
// line, Object lines, the one form block with its controls and property
// lines, and the Attribute lines after it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "project/check_finding.h"
#include "project/form_design.h"

namespace velorin {

struct FormControl {
    std::string name;
    std::string className;  // of its first block: VB.TextBox, Threed.SSCommand, ...
    bool isArray = false;   // its blocks carry Index
};

struct FormDesign {
    std::string formName;  // empty when there is no form block
    int formLine = 0;
    std::vector<FormControl> controls;  // one per name, menus included, in file order
    size_t codeStart = 0;               // index of the first line of code
    LoadedBlock form;                   // the form block with what it holds (BlockTree::Read)
};

// Whether CheckDesignSection builds FormDesign::form, the tree of blocks and
// property lines a preview draws; a check that wants only the findings skips it.
enum class BlockTree { Read, Skip };

// Checks lines (the whole .frm) and reads the form block; findings carry line
// numbers, not the file. A faulty property line is reported and left out.
FormDesign CheckDesignSection(const std::vector<std::string_view>& lines,
                              std::vector<ProjectFinding>& findings,
                              BlockTree tree = BlockTree::Read);

// The first fault of a property line "Name = value"; empty when it is well formed.
std::string PropertyLineFault(std::string_view line);

// The value of a well-formed property line, without blanks or a comment.
std::string_view PropertyLineValue(std::string_view line);

}  // namespace velorin
