// The code of one form or module read as Visual Basic compiles it: the
// declarations section, the procedures and their parameters, the block
// structure of each procedure, labels, event procedures of the form's
// controls; and what the code calls and names, for the project to resolve.
#pragma once

#include <string>
#include <vector>

#include "project/design_section_check.h"
#include "project/vb_logical_lines.h"

namespace velorin {

enum class ProcedureKind { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Parameter {
    std::string name;
    bool optional = false;
    bool paramArray = false;
    std::string type;  // as written after As; empty when none
};

struct Procedure {
    std::string name;
    ProcedureKind kind = ProcedureKind::Sub;
    bool isPublic = true;
    bool isDeclare = false;  // Declare ... Lib
    int line = 0;
    std::vector<Parameter> parameters;
};

// A procedure the code calls; unqualified names the file itself does not
// define, and Module.Name calls.
struct CallSite {
    std::string name;
    std::string qualifier;  // "M" of M.Name; empty when none
    int line = 0;
    bool asStatement =
        false;  // Call X / X args: must resolve; X(args) inside an expression may be an array
    int positional = 0;  // arguments before the first named one, omitted ones included
    std::vector<std::string> named;
};

// A name used where a form must stand (Load X, X.Show, GetFormFromName("X")).
struct NameUse {
    std::string name;
    int line = 0;
    std::string how;  // "Load", "Show", "GetFormFromName", ...
};

struct CodeFinding {
    int line = 0;
    std::string message;
    std::string procedure;  // the procedure it lies in; empty in the declarations section
    std::string key;        // the logical line, as LineKey gives it
};

struct CodeFacts {
    std::vector<Procedure> procedures;
    std::vector<CallSite> calls;
    std::vector<NameUse> formUses;             // names not known in the file itself
    std::vector<NameUse> formLiterals;         // GetFormFromName("X")
    std::vector<std::string> formCases;        // Case "X" of a GetFormFromName defined here
    std::vector<std::string> publicVariables;  // module-level Public/Global names and constants
    std::vector<CodeFinding> findings;
};

struct CodeContext {
    bool isForm = false;
    bool isClass = false;
    std::string formName;
    const std::vector<FormControl>* controls = nullptr;
    // Only the procedures and public names are wanted: the statements inside
    // a procedure are read just far enough to see where it ends, and the
    // findings are not complete.
    bool namesOnly = false;
};

CodeFacts CheckCode(const std::vector<LogicalLine>& lines, const CodeContext& context);

}  // namespace velorin
