// The language of Access 2000 and later that the chosen Visual Basic lacks.
//
// Both targets (Visual Basic 5 and 4) lack functions that return arrays and
// the assignment of whole arrays, and the 64-bit declarations of VBA 7:
// a Function or Property Get "As T()" returns a Variant, a dynamic array that
// receives a whole array becomes a Variant where every use of it allows that,
// "Declare PtrSafe" loses PtrSafe and LongPtr is Long. Visual Basic 4 also
// lacks Enum, events, Implements, AddressOf, Friend and typed or defaulted
// Optional parameters: an Enum's members become constants and its name Long,
// Friend becomes Public, an Optional parameter a Variant that gets its value
// when it is missing. What cannot be translated soundly is commented out with
// the marker and recorded with reason 15 (kTargetVersionLacks).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "code/code_file_state.h"

namespace velorin {

class TargetLanguage {
  public:
    // Reads the code file's statements (`lines`, before translation) and,
    // for Visual Basic 4, what the application's other modules and forms
    // declare; `isForm` for a form's code, whose constants are private.
    TargetLanguage(Session& session, const std::vector<std::string>& lines, bool isForm);
    ~TargetLanguage();
    TargetLanguage(const TargetLanguage&) = delete;
    TargetLanguage& operator=(const TargetLanguage&) = delete;

    // Rewrites state.line, the statement of code that starts at input line
    // `first` (its comment included), for the target. Returns false when the
    // statement is done: commented out and recorded, or a line of an Enum
    // that became a constant; true when the statement rules go on with it.
    bool Rewrite(CodeFileState& state, size_t first);
    // The lines the statement just rewritten needs after it (a procedure
    // header's "If IsMissing(n) Then n = 5"); empty once taken.
    std::vector<std::string> TakeAddedLines();

    struct Plan;

  private:
    std::unique_ptr<Plan> plan_;
    std::vector<std::string> added_;
};

}  // namespace velorin
