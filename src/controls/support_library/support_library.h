// Edits of generated code and design held in memory: inserting lines into
// procedures, finding duplicate procedure headers, control arrays,
// data-control Reposition code and the final re-indent.
#pragma once

#include <optional>
#include <string_view>

#include "output/code_text.h"
#include "output/design_block.h"

namespace velorin {

// Puts `newLine` beside the first line matching `anchor`: with placement 0
// directly after it; with placement 1 at the end of the block the anchor opens
// (before a procedure's closing line, before a Begin block's End, else after
// the lines of the same kind already placed below the anchor). A blank anchor
// line is a placeholder that the new line takes the place of.
void InsertLine(CodeText& text, std::string_view anchor, std::string_view newLine, int placement);

// The 1-based number of the first line that matches `line`, else 0.
int IsDuplicateLine(const CodeText& text, std::string_view line, int start = 0);

// Where the procedure named `name` (a Sub, Function or Property, whatever its
// modifiers and parameters) stands in the code: its header line and, for a
// header continued over lines, the header's last line (0-based). Empty when
// the code has no procedure of that name.
struct ProcedurePlace {
    size_t header = 0;
    size_t headerEnd = 0;
};
std::optional<ProcedurePlace> FindProcedure(const CodeText& text, std::string_view name);

// Replaces the first line that holds `oldText` (ignoring case) by `newText`.
void ChangeLine(CodeText& text, std::string_view oldText, std::string_view newText);

// Re-indents a finished form or module text: a form's design section three
// blanks a level, code four blanks a level.
void SilentIndent(CodeText& text);

// Makes the control block opened by `beginLine` element `index` of the control
// array `arrayName`. Returns 1 when done, 0 when the block was not found.
int AddToCtlArray(DesignBlock& form, std::string_view arrayName, std::string_view beginLine,
                  std::string_view index);

// Adds `statement` at the start of the data control's Reposition procedure in
// the code (the statement added last stands first), creating the procedure
// when it is missing.
void AddDataCtlEntry(CodeText& code, std::string_view dataControl, std::string_view statement);

// Two lines match when they are equal ignoring case, surrounding blanks, runs
// of blanks and the Private/Public/Static/Friend of a procedure header.
bool LinesMatch(std::string_view line, std::string_view anchor);

}  // namespace velorin
