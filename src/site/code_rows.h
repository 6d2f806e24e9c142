// The rows of a code page: the units of a code map laid out side by side,
// every line of both sides on exactly one row, and what became of each line.
#pragma once

#include <vector>

#include "site/code_map.h"

namespace velorin {

enum class LineChange {
    Unchanged,  // the same text on both sides, blanks around it aside
    Rewritten,  // the conversion changed it
    Marked,     // the Visual Basic line is commented out with 'VLRN
    Added,      // the conversion wrote it on its own
    Dropped,    // an Access line that left nothing
};

struct CodeRow {
    int access = 0;  // 1-based line of each side; 0 for none
    int vb = 0;
    LineChange change = LineChange::Unchanged;
};

// The rows of one unit; also the lines the map leaves out, each run of them
// a block of its own.
using CodeBlock = std::vector<CodeRow>;

// In Visual Basic order. Access lines no unit names stand before the first
// unit that follows them in the Access code, Visual Basic lines no unit names
// where they are. Units that could not be read are taken as one unit of the
// whole code.
std::vector<CodeBlock> LayOutCode(const CodeMap& map);

}  // namespace velorin
