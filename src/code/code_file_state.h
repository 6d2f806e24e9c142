// The state of one code file being converted, shared by the line loop and the
// statement rules.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "code/code_mask.h"
#include "common/names.h"
#include "output/code_text.h"
#include "output/name_registry.h"
#include "session/session.h"

namespace velorin {

struct CodeFileState {
    CodeFileState(Session& s, CodeText& output) : session(s), out(output) {}

    Session& session;
    CodeText& out;           // the converted lines so far
    std::string moduleName;  // names the analysis records and the statistics row
    bool isForm = false;
    // The names of the form's controls and of those the conversion added; none
    // for a module.
    const NameRegistry* formNames = nullptr;
    // The form's controls that got another name than Access's, by their
    // Access name; none for a module.
    const std::map<std::string, std::string, ILess>* renamedControls = nullptr;

    // The name a control of the form named `accessName` has in the project.
    std::string ControlVbName(std::string_view accessName) const {
        if (renamedControls != nullptr) {
            const auto found = renamedControls->find(accessName);
            if (found != renamedControls->end())
                return found->second;
        }
        return MakeVBName(accessName);
    }

    // The application's modules that took another name in the project, by
    // the name the application calls them by.
    std::map<std::string, std::string, ILess> renamedModules;

    std::string line;  // the current line, trimmed
    MaskedLine mask;   // of `line`, kept for the rules that search it
    // The current line's trailing comment, with the blanks before it: the
    // rules see only the code.
    std::string comment;
    // The module gives its db another database than the application's own:
    // db keeps its declarations.
    bool keepsDatabaseVariable = false;
    // The current procedure has declared the counter of a repeated macro.
    bool runMacroCounterDeclared = false;
    std::string routine;  // current procedure header up to its "("
    // A form's name in Access, which GetFormFromName knows it by; empty for a module.
    std::string formAccessName;
    // The functions of later Visual Basic versions the file defines itself.
    std::set<std::string, ILess> ownLaterFunctions;
    long lineNumber = -2;
    // The Access line (from 1) the current statement starts on; 0 for code
    // the conversion made.
    uint32_t accessLine = 0;

    long totalLines = 0;
    long commentLines = 0;
    long blankLines = 0;
    long subCount = 0;
    long procCount = 0;
    long linesNotTranslated = 0;
    long linesPotentiallyConverted = 0;
};

}  // namespace velorin
