#include "project/project_check.h"

#include <set>

#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

// Routines the generated code calls by these names.
constexpr std::string_view kGeneratedCalls[] = {
    "GetFormFromName",
    "additems",
    "additemsGT",
    "additemsMS",
    "gettoken",
    "OptionGroupValue",
    "SysCmdVB",
    "InitializeListBoxes",
    "InitializeComboBoxes",
    "InitializeButtons",
    "InitialDataCtlCaptions",
};

// Visual Basic's own procedures, which code may call with Call.
constexpr std::string_view kLanguageProcedures[] = {
    "Shell",     "MsgBox",   "SendKeys", "AppActivate", "SaveSetting", "DeleteSetting",
    "Kill",      "MkDir",    "RmDir",    "ChDir",       "ChDrive",     "FileCopy",
    "Randomize", "DoEvents", "Beep",     "Load",        "Unload",      "InputBox",
};

// One-word statements that are not procedure calls.
constexpr std::string_view kStatements[] = {
    "Beep",   "End",     "Stop",      "Else",     "Loop",      "Next",  "Wend",  "Return",
    "Resume", "Do",      "Exit",      "DoEvents", "Randomize", "Reset", "Cls",   "Hide",
    "Show",   "Refresh", "PrintForm", "SetFocus", "ZOrder",    "Print", "Close", "Rem",
};

using NameSet = std::set<std::string, ILess>;

bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' ||
           static_cast<unsigned char>(c) > 128;
}

std::string_view IdentifierAt(std::string_view text, size_t pos) {
    size_t end = pos;
    while (end < text.size() && IsIdentifierChar(text[end]))
        ++end;
    return text.substr(pos, end - pos);
}

// The code of a line: string contents blanked, the comment cut off.
std::string CodeOf(std::string_view line) {
    std::string code;
    bool inString = false;
    for (char c : line) {
        if (c == '"') {
            inString = !inString;
            code.push_back(c);
        } else if (inString) {
            code.push_back(' ');
        } else if (c == '\'') {
            break;
        } else {
            code.push_back(c);
        }
    }
    std::string trimmed(TrimBlanks(code));
    if (IStartsWith(trimmed, "Rem ") || IEquals(trimmed, "Rem"))
        return {};
    return trimmed;
}

// The name a Sub, Function, Property or Declare line defines; empty for other lines.
std::string DefinedName(std::string_view code, bool& isPrivate) {
    isPrivate = false;
    for (bool more = true; more;) {
        more = false;
        for (std::string_view modifier : {"Public ", "Private ", "Friend ", "Static ", "Global "}) {
            if (IStartsWith(code, modifier)) {
                isPrivate = isPrivate || IEquals(modifier, "Private ");
                code.remove_prefix(modifier.size());
                code = TrimBlanks(code);
                more = true;
            }
        }
    }
    if (IStartsWith(code, "Declare "))
        code = TrimBlanks(code.substr(8));
    for (std::string_view kind :
         {"Sub ", "Function ", "Property Get ", "Property Let ", "Property Set "}) {
        if (IStartsWith(code, kind))
            return std::string(IdentifierAt(TrimBlanks(code.substr(kind.size())), 0));
    }
    return {};
}

struct CodeFile {
    std::string name;
    bool isModule = false;
    std::vector<std::string> code;  // the code lines, design section left out
    NameSet defined;
    // The names called inside procedures, each once, in the order first called.
    std::vector<std::string> called;
};

// Checks the form block and returns the line index where the code begins.
size_t CheckFormBlock(const std::string& name, const std::vector<std::string_view>& lines,
                      std::vector<std::string>& problems) {
    int depth = 0;
    int blocks = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = TrimBlanks(lines[i]);
        if (IStartsWith(line, "Begin ")) {
            if (depth == 0) {
                ++blocks;
                if (!IStartsWith(line, "Begin VB.Form ") && !IStartsWith(line, "Begin VB.MDIForm "))
                    problems.push_back(name + ": line " + std::to_string(i + 1) +
                                       " opens a block outside the form");
            }
            ++depth;
        } else if (IEquals(line, "End") && depth > 0) {
            if (--depth == 0)
                return i + 1;
        }
    }
    if (blocks == 0)
        problems.push_back(name + ": no form block");
    else
        problems.push_back(name + ": the form block is not closed by its End");
    return lines.size();
}

CodeFile ReadCodeFile(const OutputDirectory& out, const std::string& name, bool isModule,
                      std::vector<std::string>& problems) {
    CodeFile file;
    file.name = name;
    file.isModule = isModule;
    const std::string content = out.Read(name).value_or(std::string());
    const std::vector<std::string_view> lines = SplitLineViews(content);
    size_t start = isModule ? 0 : CheckFormBlock(name, lines, problems);
    std::string pending;  // a statement continued with " _"
    for (size_t i = start; i < lines.size(); ++i) {
        std::string code = pending + CodeOf(lines[i]);
        if (code.size() >= 2 && code.ends_with(" _")) {
            pending = code.substr(0, code.size() - 1);
            continue;
        }
        pending.clear();
        if (!isModule && IStartsWith(code, "Begin VB."))
            problems.push_back(name + ": line " + std::to_string(i + 1) +
                               " opens a second form block");
        file.code.push_back(std::move(code));
    }
    return file;
}

bool IsStatement(std::string_view word) {
    for (std::string_view statement : kStatements) {
        if (IEquals(word, statement))
            return true;
    }
    return false;
}

bool IsLanguageProcedure(std::string_view name) {
    for (std::string_view procedure : kLanguageProcedures) {
        if (IEquals(name, procedure))
            return true;
    }
    return false;
}

// The procedures a line calls by name: "Call X", a generated routine with its
// argument list, or a lone name standing as a statement.
std::vector<std::string> CalledNames(std::string_view code) {
    std::vector<std::string> names;
    for (size_t pos = IFind(code, "Call "); pos != std::string_view::npos;
         pos = IFind(code, "Call ", pos + 5)) {
        if (pos > 0 && IsIdentifierChar(code[pos - 1]))
            continue;
        size_t start = pos + 5;
        while (start < code.size() && code[start] == ' ')
            ++start;
        const std::string_view name = IdentifierAt(code, start);
        const size_t after = start + name.size();
        if (!name.empty() && (after >= code.size() || (code[after] != '.' && code[after] != '!')))
            names.emplace_back(name);
    }
    for (std::string_view routine : kGeneratedCalls) {
        for (size_t pos = IFind(code, routine); pos != std::string_view::npos;
             pos = IFind(code, routine, pos + 1)) {
            const size_t after = pos + routine.size();
            if ((pos == 0 || (!IsIdentifierChar(code[pos - 1]) && code[pos - 1] != '.')) &&
                after < code.size() && code[after] == '(')
                names.emplace_back(routine);
        }
    }
    if (!code.empty() && IdentifierAt(code, 0).size() == code.size() && !IsStatement(code))
        names.emplace_back(code);
    return names;
}

// What the file defines (and the project, when public in a module) and what
// its procedures call; the code itself is let go, so that only one file's
// lines are held at a time.
void CollectNames(CodeFile& file, NameSet& global) {
    NameSet seen;
    bool inProcedure = false;
    for (const std::string& code : file.code) {
        bool isPrivate = false;
        const std::string name = DefinedName(code, isPrivate);
        if (!name.empty()) {
            file.defined.insert(name);
            if (file.isModule && !isPrivate)
                global.insert(name);
            inProcedure = true;
            continue;
        }
        if (IStartsWith(code, "End Sub") || IStartsWith(code, "End Function") ||
            IStartsWith(code, "End Property")) {
            inProcedure = false;
            continue;
        }
        if (!inProcedure)
            continue;
        for (std::string& called : CalledNames(code)) {
            if (seen.insert(called).second)
                file.called.push_back(std::move(called));
        }
    }
    file.code.clear();
    file.code.shrink_to_fit();
}

}  // namespace

std::vector<std::string> CheckProject(const OutputDirectory& out, std::string_view projectFile) {
    std::vector<std::string> problems;
    const std::optional<std::string> project = out.Read(projectFile);
    if (!project)
        return {std::string(projectFile) + ": the project file is missing"};

    std::vector<CodeFile> files;
    NameSet global;
    for (const std::string& line : SplitLines(*project)) {
        std::string file;
        bool isModule = false;
        if (IStartsWith(line, "Form=")) {
            file = line.substr(5);
        } else if (IStartsWith(line, "Module=")) {
            const size_t semicolon = line.find(';');
            file = std::string(TrimBlanks(
                semicolon == std::string::npos ? line.substr(7) : line.substr(semicolon + 1)));
            isModule = true;
        } else {
            continue;
        }
        if (!out.Exists(file)) {
            problems.push_back(std::string(projectFile) + " names " + file +
                               ", which does not exist");
            continue;
        }
        files.push_back(ReadCodeFile(out, file, isModule, problems));
        CollectNames(files.back(), global);
    }

    for (const CodeFile& file : files) {
        for (const std::string& name : file.called) {
            if (file.defined.count(name) == 0 && global.count(name) == 0 &&
                !IsLanguageProcedure(name))
                problems.push_back(file.name + " calls " + name +
                                   ", which the project does not define");
        }
    }
    return problems;
}

}  // namespace velorin
