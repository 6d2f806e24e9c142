// The project opens the application's database once, as the support module's
// db. An assignment of the current database to db is marked as done, with the
// declarations of db it leaves unused, unless the module also gives db
// another database: then db keeps its declarations and is given the project's
// db by the support module's name.
#include <vector>

#include "code/analysis_records.h"
#include "code/code_mask.h"
#include "code/compound_statements.h"
#include "code/docmd_call.h"
#include "code/form_reference.h"
#include "code/statement_rules.h"
#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

constexpr std::string_view kDatabaseVariable = "db";

// The spellings of the application's own database in Access code.
constexpr std::string_view kCurrentDatabase[] = {
    "CurrentDb",
    "CurrentDb()",
    "DBEngine(0)(0)",
    "DBEngine(0).Databases(0)",
    "DBEngine.Workspaces(0)(0)",
    "DBEngine.Workspaces(0).Databases(0)",
    "Workspaces(0)(0)",
    "Workspaces(0).Databases(0)",
};

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\t')
            out += c;
    }
    return out;
}

// Whether the text, blanks left out, is `word` (ignoring case); asked of
// every line, so nothing is copied.
bool EqualsWithoutBlanks(std::string_view text, std::string_view word) {
    size_t k = 0;
    for (char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        if (k == word.size() || AnsiLower(c) != AnsiLower(word[k]))
            return false;
        ++k;
    }
    return k == word.size();
}

bool IsCurrentDatabase(std::string_view expression) {
    for (std::string_view spelling : kCurrentDatabase) {
        if (EqualsWithoutBlanks(expression, spelling))
            return true;
    }
    return false;
}

struct SetStatement {
    std::string_view name;
    std::string_view value;
};

// "Set NAME = VALUE"; an empty name when the code is no such statement.
SetStatement ReadSet(std::string_view code) {
    code = TrimBlanks(code);
    if (!StartsWithWord(code, "Set"))
        return {};
    std::string_view rest = TrimBlanks(code.substr(3));
    const std::string name = LeadingIdentifier(rest);
    if (name.empty())
        return {};
    std::string_view after = TrimBlanks(rest.substr(name.size()));
    if (!after.starts_with('='))
        return {};
    return {rest.substr(0, name.size()), TrimBlanks(after.substr(1))};
}

// The keyword of a declaration of variables: Dim, Private, Public, Static or
// Global, and not of a procedure, a constant, a type or an external routine.
std::string_view DeclarationKeyword(std::string_view code) {
    for (std::string_view word : {"Dim", "Private", "Public", "Static", "Global"}) {
        if (!StartsWithWord(code, word))
            continue;
        const std::string_view rest = TrimBlanks(code.substr(word.size()));
        for (std::string_view other : {"Sub", "Function", "Property", "Const", "Declare", "Type",
                                       "Enum", "Event", "Friend", "Static"}) {
            if (StartsWithWord(rest, other))
                return {};
        }
        return word;
    }
    return {};
}

// "db As Database" or "db As DAO.Database".
bool DeclaresDatabaseVariable(std::string_view declarator) {
    declarator = TrimBlanks(declarator);
    if (StartsWithWord(declarator, "WithEvents"))
        return false;
    const std::string name = LeadingIdentifier(declarator);
    if (!IEquals(name, kDatabaseVariable))
        return false;
    std::string_view rest = TrimBlanks(declarator.substr(name.size()));
    if (!StartsWithWord(rest, "As"))
        return false;
    const std::string type = WithoutBlanks(rest.substr(2));
    return IEquals(type, "Database") || IEquals(type, "DAO.Database");
}

// The declarators of a declaration, split at the commas between them.
std::vector<std::string_view> Declarators(std::string_view list) {
    std::vector<std::string_view> parts;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i] == '(')
            ++depth;
        else if (list[i] == ')')
            --depth;
        else if (list[i] == ',' && depth == 0) {
            parts.push_back(TrimBlanks(list.substr(start, i - start)));
            start = i + 1;
        }
    }
    parts.push_back(TrimBlanks(list.substr(start)));
    return parts;
}

// The statement has no work left in the project: it stays, marked, for the
// reader to see what the project's db now does.
void Dropped(CodeFileState& state) {
    RecordFinding(state, reason::kTranslatedCheck, {});
    state.line = std::string(kMarker) + state.line;
    ++state.linesPotentiallyConverted;
}

}  // namespace

bool IsDatabaseStatement(std::string_view code) {
    code = TrimBlanks(code);
    const SetStatement set = ReadSet(code);
    if (!set.name.empty())
        return IEquals(set.name, kDatabaseVariable) || IsCurrentDatabase(set.value);
    if (EqualsWithoutBlanks(code, "db.Close"))
        return true;
    const std::string_view keyword = DeclarationKeyword(code);
    if (keyword.empty())
        return false;
    for (std::string_view declarator : Declarators(TrimBlanks(code.substr(keyword.size())))) {
        if (IEquals(LeadingIdentifier(declarator), kDatabaseVariable))
            return true;
    }
    return false;
}

namespace {

// Whether the statement gives db another database, or declares db as
// anything but a Database (Dim db, Dim db As Object): db then stays the
// module's own.
bool AssignsAnotherDatabase(std::string_view code) {
    code = TrimBlanks(code);
    const SetStatement set = ReadSet(code);
    if (IEquals(set.name, kDatabaseVariable) && !IsCurrentDatabase(set.value) &&
        !IEquals(set.value, "Nothing"))
        return true;
    const std::string_view keyword = DeclarationKeyword(code);
    if (keyword.empty())
        return false;
    for (std::string_view declarator : Declarators(TrimBlanks(code.substr(keyword.size())))) {
        if (IEquals(LeadingIdentifier(declarator), kDatabaseVariable) &&
            !DeclaresDatabaseVariable(declarator))
            return true;
    }
    return false;
}

}  // namespace

bool AssignsAnotherDatabase(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        // Either way of giving db a value names it.
        if (IFind(line, kDatabaseVariable) == std::string::npos)
            continue;
        for (const std::string& statement : SplitStatements(line.substr(0, CodeEnd(line)))) {
            if (AssignsAnotherDatabase(std::string_view(statement)))
                return true;
        }
    }
    return false;
}

bool ApplyCurrentDatabaseRule(CodeFileState& state) {
    const SetStatement set = ReadSet(state.line);
    // The project's db stays open and set for the whole program: the module
    // neither closes it nor lets it go.
    if (!state.keepsDatabaseVariable &&
        ((IEquals(set.name, kDatabaseVariable) && IEquals(set.value, "Nothing")) ||
         EqualsWithoutBlanks(state.line, "db.Close"))) {
        Dropped(state);
        return true;
    }
    if (!set.name.empty()) {
        if (!IsCurrentDatabase(set.value))
            return false;
        if (!IEquals(set.name, kDatabaseVariable)) {
            // Another variable is given the project's db.
            state.line = "Set " + std::string(set.name) + " = " + std::string(kDatabaseVariable);
            return true;
        }
        if (state.keepsDatabaseVariable) {
            TranslatedWithNote(
                state, reason::kTranslatedCheck,
                "Set db = " + state.session.names.generatedNames.supportModule + ".db");
        } else {
            Dropped(state);
        }
        return true;
    }
    const std::string_view keyword = DeclarationKeyword(state.line);
    if (keyword.empty() || state.keepsDatabaseVariable)
        return false;
    const std::vector<std::string_view> declarators =
        Declarators(TrimBlanks(std::string_view(state.line).substr(keyword.size())));
    std::string kept;
    bool dropped = false;
    for (std::string_view declarator : declarators) {
        if (DeclaresDatabaseVariable(declarator)) {
            dropped = true;
        } else {
            kept += kept.empty() ? "" : ", ";
            kept += declarator;
        }
    }
    if (!dropped)
        return false;
    if (kept.empty()) {
        Dropped(state);
    } else {
        TranslatedWithNote(state, reason::kTranslatedCheck, std::string(keyword) + " " + kept);
    }
    return true;
}

}  // namespace velorin
