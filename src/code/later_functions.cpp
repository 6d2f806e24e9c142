#include "code/later_functions.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "code/analysis_records.h"
#include "code/code_mask.h"
#include "code/compound_statements.h"
#include "code/form_reference.h"
#include "code/translation_outcomes.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

constexpr LaterFunction kLaterFunctions[] = {
    {"Split", true, false, true},          {"Join", true, true, false},
    {"Filter", true, false, true},         {"Replace", true, true, false},
    {"InStrRev", true, false, false},      {"StrReverse", true, true, false},
    {"Round", true, false, false},         {"MonthName", true, true, false},
    {"WeekdayName", true, true, false},    {"FormatNumber", true, true, false},
    {"FormatCurrency", true, true, false}, {"FormatPercent", true, true, false},
    {"FormatDateTime", true, true, false}, {"CallByName", false, false, false},
};

constexpr LaterConstant kLaterConstants[] = {
    {"vbUseDefault", "-2"}, {"vbTrue", "-1"},     {"vbFalse", "0"},
    {"vbGeneralDate", "0"}, {"vbLongDate", "1"},  {"vbShortDate", "2"},
    {"vbLongTime", "3"},    {"vbShortTime", "4"}, {"vbUseSystemDayOfWeek", "0"},
};

constexpr size_t kLongestLaterName = [] {
    size_t longest = 0;
    for (const LaterFunction& function : kLaterFunctions)
        longest = std::max(longest, function.name.size());
    for (const LaterConstant& constant : kLaterConstants)
        longest = std::max(longest, constant.name.size());
    return longest;
}();
static_assert(kLongestLaterName < 32, "a name's length is a bit of a 32-bit mask");

// For each first letter, a bit for each length a name above has with it.
constexpr std::array<uint32_t, 26> kLaterNameLengths = [] {
    std::array<uint32_t, 26> lengths{};
    auto add = [&lengths](std::string_view name) {
        const char first = name[0] >= 'A' && name[0] <= 'Z' ? name[0] - 'A' + 'a' : name[0];
        lengths[static_cast<size_t>(first - 'a')] |= uint32_t{1} << name.size();
    };
    for (const LaterFunction& function : kLaterFunctions)
        add(function.name);
    for (const LaterConstant& constant : kLaterConstants)
        add(constant.name);
    return lengths;
}();

// Whether a word may be one of the names above, by its first letter and its
// length: most words are none, and the translation asks of every word of
// every line.
bool MayBeLaterName(std::string_view word) {
    if (word.empty() || word.size() > kLongestLaterName)
        return false;
    const char first = AnsiLower(word[0]);
    return first >= 'a' && first <= 'z' &&
           ((kLaterNameLengths[static_cast<size_t>(first - 'a')] >> word.size()) & 1) != 0;
}

// The identifier that starts at `at`.
std::string_view WordAt(std::string_view code, size_t at) {
    size_t end = at;
    while (end < code.size() && IsIdentifierChar(code[end]))
        ++end;
    return code.substr(at, end - at);
}

const LaterConstant* FindLaterConstant(std::string_view name) {
    if (!MayBeLaterName(name) || !IStartsWith(name, "vb"))
        return nullptr;
    for (const LaterConstant& constant : kLaterConstants) {
        if (IEquals(constant.name, name))
            return &constant;
    }
    return nullptr;
}

// The function's or the constant's name as the tables spell it; empty for
// any other name.
std::string_view LaterName(std::string_view name) {
    if (const LaterFunction* function = FindLaterFunction(name))
        return function->name;
    if (const LaterConstant* constant = FindLaterConstant(name))
        return constant->name;
    return {};
}

size_t SkipBlanks(std::string_view code, size_t at) {
    while (at < code.size() && (code[at] == ' ' || code[at] == '\t'))
        ++at;
    return at;
}

// The identifier that ends just before `end`, and where it starts.
size_t IdentifierStartBefore(std::string_view code, size_t end) {
    size_t start = end;
    while (start > 0 && IsIdentifierChar(code[start - 1]))
        --start;
    return start;
}

// The statement's first word after the modifiers a declaration may have.
std::string_view AfterWord(std::string_view code, std::string_view word) {
    return TrimBlanks(code.substr(word.size()));
}

// The names of a list of variables ("a() As String, b, c(1 To 3)"), each an
// array when parentheses follow it.
void ReadVariableList(std::string_view list, std::vector<DeclaredSymbol>& names) {
    int depth = 0;
    bool expectName = true;
    for (size_t i = 0; i < list.size(); ++i) {
        const char c = list[i];
        if (c == '(' || c == ')') {
            depth += c == '(' ? 1 : -1;
        } else if (c == ',' && depth == 0) {
            expectName = true;
        } else if (expectName && IsIdentifierChar(c)) {
            std::string name = LeadingIdentifier(list.substr(i));
            i += name.size() - 1;
            if (IEquals(name, "WithEvents") || IEquals(name, "Preserve") ||
                IEquals(name, "ByVal") || IEquals(name, "ByRef") || IEquals(name, "Optional") ||
                IEquals(name, "ParamArray"))
                continue;
            expectName = false;
            const size_t next = SkipBlanks(list, i + 1);
            const bool isArray = next < list.size() && list[next] == '(';
            names.push_back({std::move(name), isArray});
        }
    }
}

// Whether a statement may declare names.
bool MayDeclare(std::string_view code) {
    if (code.empty() || std::string_view("cdfgprs").find(AnsiLower(code[0])) == std::string::npos)
        return false;
    for (std::string_view word : {"Dim", "ReDim", "Static", "Private", "Public", "Global", "Const",
                                  "Friend", "Declare", "Sub", "Function", "Property"}) {
        if (StartsWithWord(code, word))
            return true;
    }
    return false;
}

// A procedure's header: its name, and the names of its parameters.
bool IsProcedureHeader(std::string_view code) {
    for (std::string_view modifier : {"Public", "Private", "Friend", "Static"}) {
        if (StartsWithWord(code, modifier))
            code = AfterWord(code, modifier);
    }
    return StartsWithWord(code, "Sub") || StartsWithWord(code, "Function") ||
           StartsWithWord(code, "Property");
}

// Whether `name` is an array where the converted lines so far end: declared
// so in the current procedure (or as its parameter), or else outside the
// procedures, which come before the first of them.
bool DeclaredAsArray(const CodeFileState& state, std::string_view name) {
    const std::vector<std::string>& lines = state.out.Lines();
    size_t first = lines.size(), current = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsProcedureHeader(TrimBlanks(lines[i])))
            current = i, first = std::min(first, i);
    }
    // -1 not declared there, else whether as an array.
    auto declared = [&](size_t from, size_t to) {
        int found = -1;
        for (size_t i = from; i < to; ++i) {
            const std::string code = MaskedCode(TrimBlanks(lines[i]));
            std::vector<DeclaredSymbol> names = DeclaredNames(code);
            if (i == current) {
                const size_t open = code.find('('), close = code.rfind(')');
                names.clear();
                if (open != std::string::npos && close != std::string::npos && close > open)
                    ReadVariableList(std::string_view(code).substr(open + 1, close - open - 1),
                                     names);
            }
            for (const DeclaredSymbol& declaredName : names) {
                if (IEquals(declaredName.name, name))
                    found = declaredName.isArray ? 1 : 0;
            }
        }
        return found;
    };
    const int local = current < lines.size() ? declared(current, lines.size()) : -1;
    return local >= 0 ? local == 1 : declared(0, first) == 1;
}

// Whether the raw line holds a word that may be one of the names above: the
// masking and the reading of the line are done only for those.
bool MayCallLater(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i) {
        if (!IsIdentifierChar(line[i]) || (i > 0 && IsIdentifierChar(line[i - 1])))
            continue;
        const std::string_view word = WordAt(line, i);
        if (MayBeLaterName(word) && !LaterName(word).empty())
            return true;
        i += word.size() - 1;
    }
    return false;
}

// Whether the statement gives a whole array a value: "a() = ..." or "a = ..."
// where the file declared a as an array (in the procedure, or outside it).
bool AssignsWholeArray(const CodeFileState& state, std::string_view code) {
    code = TrimBlanks(code);
    if (StartsWithWord(code, "Let") || StartsWithWord(code, "Set"))
        code = TrimBlanks(code.substr(3));
    const std::string target = LeadingIdentifier(code);
    if (target.empty())
        return false;
    size_t at = SkipBlanks(code, target.size());
    bool parentheses = false;
    if (code.substr(at).starts_with("(")) {
        const size_t close = SkipBlanks(code, at + 1);
        if (close >= code.size() || code[close] != ')')
            return false;  // an element
        parentheses = true;
        at = SkipBlanks(code, close + 1);
    }
    if (at >= code.size() || code[at] != '=')
        return false;
    return parentheses || DeclaredAsArray(state, target);
}

// The statements of a line: those after a single-line If's Then and Else, or
// those between its colons.
std::vector<std::string> StatementsOf(std::string_view code) {
    SingleLineIf single = ReadSingleLineIf(code);
    if (!single.valid)
        return SplitStatements(code);
    std::vector<std::string> statements = std::move(single.thenPart);
    statements.insert(statements.end(), single.elsePart.begin(), single.elsePart.end());
    return statements;
}

}  // namespace

std::span<const LaterFunction> LaterFunctions() {
    return kLaterFunctions;
}

std::span<const LaterConstant> LaterConstants() {
    return kLaterConstants;
}

const LaterFunction* FindLaterFunction(std::string_view name) {
    if (!MayBeLaterName(name))
        return nullptr;
    for (const LaterFunction& function : kLaterFunctions) {
        if (IEquals(function.name, name))
            return &function;
    }
    return nullptr;
}

std::vector<LaterFunctionCall> LaterFunctionCalls(std::string_view code) {
    std::vector<LaterFunctionCall> calls;
    for (size_t i = 0; i < code.size(); ++i) {
        if (!IsIdentifierChar(code[i]) || (i > 0 && IsIdentifierChar(code[i - 1])))
            continue;
        const std::string_view word = WordAt(code, i);
        LaterFunctionCall call;
        call.function = FindLaterFunction(word);
        call.constant = call.function == nullptr ? FindLaterConstant(word) : nullptr;
        call.begin = call.nameBegin = i;
        call.nameEnd = call.end = i + word.size();
        i = call.nameEnd - 1;
        if (call.function == nullptr && call.constant == nullptr)
            continue;
        if (call.function != nullptr) {
            if (call.end < code.size() && code[call.end] == '$')
                ++call.end;
            const size_t next = SkipBlanks(code, call.end);
            const bool statementStart = TrimBlanks(code.substr(0, call.begin)).empty();
            if (!(next < code.size() && code[next] == '(') &&
                !(!call.function->supplied && statementStart))
                continue;
        }
        if (call.begin > 0 && code[call.begin - 1] == '!')
            continue;
        if (call.begin > 0 && code[call.begin - 1] == '.') {
            // Only VBA.Split is Visual Basic's own; rs.Filter is the recordset's.
            const size_t qualifier = IdentifierStartBefore(code, call.begin - 1);
            if (!IEquals(code.substr(qualifier, call.begin - 1 - qualifier), "VBA") ||
                (qualifier > 0 && (code[qualifier - 1] == '.' || code[qualifier - 1] == '!')))
                continue;
            call.begin = qualifier;
        }
        calls.push_back(call);
    }
    return calls;
}

std::vector<DeclaredSymbol> DeclaredNames(std::string_view code) {
    std::vector<DeclaredSymbol> names;
    code = TrimBlanks(code);
    bool modifier = false;
    for (std::string_view word : {"Public", "Private", "Global", "Friend", "Static"}) {
        if (StartsWithWord(code, word)) {
            code = AfterWord(code, word);
            modifier = true;
            break;
        }
    }
    if (StartsWithWord(code, "Declare")) {
        code = AfterWord(code, "Declare");
        for (std::string_view kind : {"Function", "Sub"}) {
            if (StartsWithWord(code, kind))
                names.push_back({LeadingIdentifier(AfterWord(code, kind)), false});
        }
        return names;
    }
    for (std::string_view kind : {"Function", "Sub"}) {
        if (StartsWithWord(code, kind)) {
            names.push_back({LeadingIdentifier(AfterWord(code, kind)), false});
            return names;
        }
    }
    if (StartsWithWord(code, "Property")) {
        const std::string_view rest = AfterWord(code, "Property");
        names.push_back(
            {LeadingIdentifier(TrimBlanks(rest.substr(LeadingIdentifier(rest).size()))), false});
        return names;
    }
    for (std::string_view word : {"Dim", "ReDim", "Const"}) {
        if (StartsWithWord(code, word)) {
            code = AfterWord(code, word);
            modifier = true;
            break;
        }
    }
    if (!modifier || StartsWithWord(code, "Type") || StartsWithWord(code, "Enum"))
        return names;
    // A constant's value or a variable's type after "=" or "As" holds no name;
    // the list reader skips them as text after a name.
    ReadVariableList(code, names);
    return names;
}

std::set<std::string, ILess> LaterFunctionsDefinedIn(const std::vector<std::string>& lines) {
    std::set<std::string, ILess> defined;
    for (const std::string& line : lines) {
        const std::string_view code = TrimBlanks(line);
        if (!MayDeclare(code) || !MayCallLater(code))
            continue;
        for (const DeclaredSymbol& name : DeclaredNames(MaskedCode(code))) {
            if (const std::string_view later = LaterName(name.name); !later.empty())
                defined.emplace(later);
        }
    }
    return defined;
}

std::set<std::string, ILess> LaterFunctionsCalledIn(const std::vector<std::string>& lines) {
    std::set<std::string, ILess> called;
    for (const std::string& line : lines) {
        if (!MayCallLater(line))
            continue;
        for (const LaterFunctionCall& call : LaterFunctionCalls(MaskedCode(line))) {
            if (call.function != nullptr)
                called.emplace(call.function->name);
        }
    }
    for (const std::string& own : LaterFunctionsDefinedIn(lines))
        called.erase(own);
    return called;
}

bool ApplyLaterFunctionRule(CodeFileState& state) {
    if (!MayCallLater(state.line))
        return true;
    const std::string code = MaskedCode(state.line);
    const std::vector<LaterFunctionCall> calls = LaterFunctionCalls(code);
    ProjectNames& names = state.session.names;
    bool returnsArray = false;
    std::string out;
    size_t from = 0;
    for (const LaterFunctionCall& call : calls) {
        const std::string name(call.function != nullptr ? call.function->name
                                                        : call.constant->name);
        if (state.ownLaterFunctions.count(name) > 0 || names.applicationFunctions.count(name) > 0)
            continue;
        if (call.constant != nullptr) {
            out.append(state.line, from, call.begin - from);
            out += call.constant->value;
            from = call.end;
            continue;
        }
        if (!call.function->supplied) {
            CommentedOut(state, reason::kTargetVersionLacks);
            return false;
        }
        if (names.suppliedFunctions.count(name) == 0) {
            // Code the scan before the conversion did not read (a macro, a
            // subform's code): the function is supplied when no form or
            // module of the project has its name.
            if (state.session.aheadOfTurn)
                state.session.needsItsTurn = true;
            if (names.projectNames.IsTaken(name)) {
                CommentedOut(state, reason::kTargetVersionLacks);
                return false;
            }
            names.projectNames.Claim(name, true);
            names.suppliedFunctions.insert(name);
        }
        returnsArray = returnsArray || call.function->returnsArray;
        out.append(state.line, from, call.begin - from);
        out.append(state.line, call.nameBegin, call.nameEnd - call.nameBegin);
        from = call.end;
    }
    // Visual Basic 5 cannot give a whole array the array a function returns.
    for (const std::string& statement :
         returnsArray ? StatementsOf(code) : std::vector<std::string>()) {
        if (AssignsWholeArray(state, statement)) {
            CommentedOut(state, reason::kTargetVersionLacks);
            return false;
        }
    }
    out.append(state.line, from, std::string::npos);
    state.line = std::move(out);
    return true;
}

}  // namespace velorin
