// What the code translation reads once of all the application's code, for
// the statements one module cannot decide alone: the public dynamic arrays
// of its modules (their whole assignment is marked in every module) and, for
// Visual Basic 4, its Enum types, user-defined types and classes.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "code/code_tokens.h"
#include "common/ansi_text.h"
#include "session/session.h"

namespace velorin {

struct EnumMember {
    std::string written;   // as the Enum writes it: Observe, [_First]
    std::string key;       // the name it stands for: Observe, _First
    std::string constant;  // the name of the constant it becomes
    std::string value;     // the expression after "="; empty when implicit
    size_t statement = 0;  // of its code file
};

struct EnumBlock {
    std::string name;
    bool isPublic = true;
    size_t header = 0;  // statements of its code file
    size_t end = 0;
    std::vector<EnumMember> members;
};

// The closed Enum blocks of a code file's statements.
std::vector<EnumBlock> ReadEnums(const CodeStatements& statements);

// Names the constant of each member of one code file's enums: its own name,
// unless it is no plain name ([_First]), another enum of the file has it, or
// (`constantsPublic`, a module's) another public enum of a module has it by
// `publicCounts`: then the enum's name and its own (Actions__First). The
// owner and every other module name them alike.
void NameEnumConstants(std::vector<EnumBlock>& blocks,
                       const std::map<std::string, int, ILess>& publicCounts, bool constantsPublic);

struct ApplicationLanguage {
    bool vb4 = false;
    size_t moduleCount = 0;
    size_t formCount = 0;
    // The dynamic arrays the modules declare Public or Global.
    std::set<std::string, ILess> publicArrays;
    // Visual Basic 4 only, from here on.
    // The public enums of modules, whose constants every module reaches.
    std::map<std::string, EnumBlock, ILess> moduleEnums;
    // The public enums of forms and classes, whose constants stay their own.
    std::set<std::string, ILess> objectModuleEnums;
    // How many public enums of modules have a member of that name.
    std::map<std::string, int, ILess> publicMemberCounts;
    // User-defined types, and classes a variable may be of (Form_Orders).
    std::set<std::string, ILess> typeNames;
    std::set<std::string, ILess> classNames;
};

// The session's reading, made when first needed or when the application's
// modules or forms changed since.
std::shared_ptr<const ApplicationLanguage> ApplicationLanguageOf(Session& session);

}  // namespace velorin
