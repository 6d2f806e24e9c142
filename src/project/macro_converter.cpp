#include "project/macro_converter.h"

#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"
#include "session/host/property_value.h"

namespace velorin {
namespace {

// How an action's arguments are written, one letter each in their stored
// order: S a string (quoted unless it is an "=" expression), N a number or
// Access constant, B a Yes/No value.
struct ActionForm {
    std::string_view action;
    std::string_view arguments;
};

// Actions with a DoCmd method of the same name and argument order.
constexpr ActionForm kDoCmdActions[] = {
    {"AddMenu", "SSS"},
    {"ApplyFilter", "SS"},
    {"Beep", ""},
    {"CancelEvent", ""},
    {"Close", "NSN"},
    {"CopyObject", "SSNS"},
    {"DeleteObject", "NS"},
    {"DoMenuItem", "NNNNN"},
    {"Echo", "BS"},
    {"FindNext", ""},
    {"FindRecord", "SNBNBNB"},
    {"GoToControl", "S"},
    {"GoToPage", "NNN"},
    {"GoToRecord", "NSNN"},
    {"Hourglass", "B"},
    {"Maximize", ""},
    {"Minimize", ""},
    {"MoveSize", "NNNN"},
    {"OpenForm", "SNSSNN"},
    {"OpenModule", "SS"},
    {"OpenQuery", "SNN"},
    {"OpenReport", "SNSS"},
    {"OpenTable", "SNN"},
    {"OutputTo", "NSSSB"},
    {"PrintOut", "NNNNNB"},
    {"Rename", "SNS"},
    {"RepaintObject", "NS"},
    {"Requery", "S"},
    {"Restore", ""},
    {"RunCommand", "N"},
    {"RunMacro", "SNS"},
    {"RunSQL", "SB"},
    {"Save", "NS"},
    {"SelectObject", "NSB"},
    {"SendObject", "NSSSSSSSBS"},
    {"SetMenuItem", "NNNN"},
    {"SetWarnings", "B"},
    {"ShowAllRecords", ""},
    {"ShowToolbar", "SN"},
    {"TransferDatabase", "NSSNSSBB"},
    {"TransferSpreadsheet", "NNSSBS"},
    {"TransferText", "NSSSB"},
};

// Macro texts are single lines in code.
std::string OneLine(std::string_view text) {
    return ReplaceAll(ReplaceAll(std::string(text), "\r\n", " "), "\n", " ");
}

// An Access expression as code: "[Forms]!" is written the way the code
// translator recognises form references.
std::string Expression(std::string_view text) {
    std::string expression = OneLine(text);
    if (!expression.empty() && expression[0] == '=')
        expression.erase(0, 1);
    return ReplaceAll(expression, "[Forms]!", "Forms!");
}

std::string Quoted(std::string_view text) {
    return VbQuoted(text, QuoteFor::Code);
}

std::string StringArgument(std::string_view text) {
    return !text.empty() && text[0] == '=' ? Expression(text) : Quoted(text);
}

std::string BoolArgument(std::string_view text) {
    if (IEquals(text, "-1") || IEquals(text, "Yes") || IEquals(text, "True"))
        return "True";
    if (IEquals(text, "0") || IEquals(text, "No") || IEquals(text, "False"))
        return "False";
    return Expression(text);
}

std::string Argument(std::string_view text, char kind) {
    if (text.empty())
        return {};
    switch (kind) {
        case 'B':
            return BoolArgument(text);
        case 'N':
            return Expression(text);
        default:
            return StringArgument(text);
    }
}

const std::string& ArgumentAt(const MacroRow& row, size_t i) {
    static const std::string kEmpty;
    return i < row.arguments.size() ? row.arguments[i] : kEmpty;
}

// Arguments joined by ", ", empty ones leaving their place, trailing ones dropped.
std::string ArgumentList(const MacroRow& row, std::string_view kinds) {
    std::vector<std::string> values;
    const size_t count = std::max(kinds.size(), row.arguments.size());
    for (size_t i = 0; i < count; ++i)
        values.push_back(Argument(ArgumentAt(row, i), i < kinds.size() ? kinds[i] : 'S'));
    while (!values.empty() && values.back().empty())
        values.pop_back();
    std::string list;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            list += values[i].empty() ? "," : ", ";
        list += values[i];
    }
    return list;
}

std::string Statement(std::string_view head, const std::string& arguments) {
    return arguments.empty() ? std::string(head) : std::string(head) + " " + arguments;
}

// Access's MsgBox types None, Critical, Warning?, Warning!, Information.
std::string MsgBoxButtons(std::string_view type) {
    // Compared as a double: a huge or odd value must not be cast to an integer.
    const double value = VbVal(type);
    if (!(value >= 0 && value < 5))
        return "0";
    return std::to_string(static_cast<int>(value) * 16);
}

bool VisualBasicStatement(const MacroRow& row, std::vector<std::string>& lines) {
    const std::string& action = row.action;
    if (IEquals(action, "MsgBox")) {
        if (BoolArgument(ArgumentAt(row, 1)) == "True")
            lines.push_back("Beep");
        std::string line = "MsgBox " + Quoted(ArgumentAt(row, 0));
        const std::string& title = ArgumentAt(row, 3);
        if (!ArgumentAt(row, 2).empty() || !title.empty())
            line += ", " + MsgBoxButtons(ArgumentAt(row, 2));
        if (!title.empty())
            line += ", " + StringArgument(title);
        lines.push_back(line);
    } else if (IEquals(action, "RunCode")) {
        lines.push_back("Call " + Expression(ArgumentAt(row, 0)));
    } else if (IEquals(action, "RunApp")) {
        lines.push_back("Call Shell(" + StringArgument(ArgumentAt(row, 0)) + ", 1)");
    } else if (IEquals(action, "SendKeys")) {
        lines.push_back(Statement("SendKeys", ArgumentList(row, "SB")));
    } else if (IEquals(action, "SetValue")) {
        lines.push_back(Expression(ArgumentAt(row, 0)) + " = " + Expression(ArgumentAt(row, 1)));
    } else if (IEquals(action, "StopMacro") || IEquals(action, "StopAllMacros")) {
        lines.push_back("Exit Sub");
    } else if (IEquals(action, "Quit")) {
        // Saving everything is Access's default and what DoCmd.Quit alone does.
        const std::string& option = ArgumentAt(row, 0);
        lines.push_back(option.empty() || option == "1" ? "DoCmd.Quit"
                                                        : "DoCmd.Quit " + Expression(option));
    } else {
        return false;
    }
    return true;
}

// The rows that make one procedure.
struct Procedure {
    std::string name;
    std::vector<MacroRow> rows;
};

bool HasAction(const Procedure& procedure) {
    for (const MacroRow& row : procedure.rows) {
        if (!row.action.empty())
            return true;
    }
    return false;
}

void WriteProcedure(const Procedure& procedure, std::vector<std::string>& out) {
    out.push_back("Public Sub " + procedure.name + "()");
    bool inIf = false;
    for (const MacroRow& row : procedure.rows) {
        const bool continued = row.condition == "...";
        if (inIf && !continued) {
            out.push_back("End If");
            inIf = false;
        }
        for (const std::string& comment : SplitLines(row.comment)) {
            if (!comment.empty())
                out.push_back("' " + comment);
        }
        if (!row.condition.empty() && !continued) {
            out.push_back("If " + Expression(row.condition) + " Then");
            inIf = true;
        }
        if (!row.action.empty()) {
            for (std::string& line : MacroActionLines(row))
                out.push_back(std::move(line));
        }
    }
    if (inIf)
        out.push_back("End If");
    out.push_back("End Sub");
    out.push_back("");
}

}  // namespace

std::vector<std::string> MacroActionLines(const MacroRow& row) {
    std::vector<std::string> lines;
    if (VisualBasicStatement(row, lines))
        return lines;
    for (const ActionForm& form : kDoCmdActions) {
        if (IEquals(row.action, form.action)) {
            lines.push_back(
                Statement("DoCmd." + std::string(form.action), ArgumentList(row, form.arguments)));
            return lines;
        }
    }
    // No statement does this; the translator comments the line out and records it.
    lines.push_back(Statement("DoCmd." + MakeMacroName(row.action), ArgumentList(row, "")));
    return lines;
}

std::vector<std::string> MacroProcedures(const Macro& macro, std::vector<std::string>& usedNames,
                                         std::vector<std::string>& warnings) {
    std::vector<Procedure> procedures{{MakeMacroName(macro.name), {}}};
    for (const MacroRow& row : macro.rows) {
        if (!row.macroName.empty())
            procedures.push_back({MakeMacroName(macro.name + "." + row.macroName), {}});
        procedures.back().rows.push_back(row);
    }
    // Running a macro group by its own name runs its first macro.
    if (procedures.size() > 1 && !HasAction(procedures[0])) {
        MacroRow call;
        call.action = "RunCode";
        call.arguments = {procedures[1].name};
        procedures[0].rows.push_back(call);
    }

    std::vector<std::string> out;
    for (const Procedure& procedure : procedures) {
        bool used = false;
        for (const std::string& name : usedNames)
            used = used || IEquals(name, procedure.name);
        if (used) {
            warnings.push_back("macro " + macro.name + ": a procedure named " + procedure.name +
                               " exists already; this one is left out");
            continue;
        }
        usedNames.push_back(procedure.name);
        WriteProcedure(procedure, out);
    }
    return out;
}

CodeText ConvertAllMacros(Session& session) {
    CodeText file;
    file.Append("' The application's macros as procedures.");
    file.Append(std::string());
    std::vector<std::string> usedNames;
    std::vector<std::string> warnings;
    for (const std::string& name : session.sourceDb->Documents(Container::Scripts)) {
        const Macro* macro = session.sourceDb->FindMacro(name);
        if (macro == nullptr) {
            // Only the names of macros can be read from a database file; the
            // procedure keeps the calls to it compiling.
            warnings.push_back("macro " + name +
                               ": its actions cannot be read (export the application as text)");
            Macro empty;
            empty.name = name;
            for (std::string& line : MacroProcedures(empty, usedNames, warnings))
                file.Append(std::move(line));
            continue;
        }
        for (std::string& line : MacroProcedures(*macro, usedNames, warnings))
            file.Append(std::move(line));
    }
    for (const std::string& warning : warnings)
        session.ui.Warn(warning);
    return file;
}

}  // namespace velorin
