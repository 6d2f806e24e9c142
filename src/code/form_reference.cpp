#include "code/form_reference.h"

#include <algorithm>
#include <array>

#include "code/code_mask.h"
#include "code/docmd_call.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"

namespace velorin {
namespace {

struct NamedForm {
    std::string name;
    size_t length = 0;     // characters of the text the name took, quotes or brackets included
    bool literal = false;  // quoted or bracketed: a name, not an expression
};

NamedForm ReadFormName(std::string_view text) {
    NamedForm form;
    if (!text.empty() && (text[0] == '"' || text[0] == '[')) {
        char close = text[0] == '"' ? '"' : ']';
        size_t end = text.find(close, 1);
        if (end == std::string_view::npos)
            end = text.size();
        form.name = std::string(text.substr(1, end - 1));
        form.length = std::min(end + 1, text.size());
        form.literal = true;
        return form;
    }
    form.name = LeadingIdentifier(text);
    form.length = form.name.size();
    return form;
}

// Where the parenthesis that closes an argument list opened before `text`
// stands in it; npos when it is not closed.
size_t ClosingParenthesis(std::string_view text) {
    int depth = 0;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '(')
            ++depth;
        else if (c == ')' && depth-- == 0)
            return i;
    }
    return std::string_view::npos;
}

std::string Reference(const NamedForm& form, const FormVbNames& forms, bool quoteBareNames,
                      std::string_view lookup) {
    if (const auto found = forms.find(form.name); found != forms.end() && !form.name.empty())
        return found->second;
    if (form.literal || quoteBareNames)
        return std::string(lookup) + "(" + VbQuoted(form.name, QuoteFor::Code) + ")";
    return std::string(lookup) + "(" + form.name + ")";
}

// Replaces every `opener` (forms( or forms!) that stands on its own by the
// form reference, left to right; the search goes on after each reference, so
// that a name holding the opener is not rewritten again and a long line takes
// one pass.
std::string Rewrite(const std::string& line, std::string_view opener, bool call,
                    const FormVbNames& names, std::string_view lookup) {
    const std::string code = MaskedCode(line);
    std::string out;
    size_t from = 0;
    size_t searchFrom = 0;
    while (true) {
        const size_t at = IFind(code, opener, searchFrom);
        if (at == std::string::npos)
            break;
        searchFrom = at + opener.size();
        // Part of a longer name (MyForms!X) is no reference to the forms.
        if (at > 0 && IsIdentifierChar(line[at - 1]))
            continue;
        std::string_view argument = std::string_view(line).substr(at + opener.size());
        NamedForm form = ReadFormName(argument);
        // Forms!Orders is a form's name; Forms(strName) is an expression: the
        // whole argument, through the matching parenthesis, names the form.
        size_t end = at + opener.size() + form.length;
        if (call) {
            const size_t close = ClosingParenthesis(argument);
            const std::string_view whole = TrimBlanks(argument.substr(0, close));
            if (close != std::string_view::npos && whole.size() > form.length) {
                form = {std::string(whole), close, false};
                end = at + opener.size() + close;
            }
            if (end < line.size() && line[end] == ')')
                ++end;
        }
        out.append(line, from, at - from);
        out += Reference(form, names, !call, lookup);
        from = end;
        searchFrom = end;
    }
    out.append(line, from, std::string::npos);
    return out;
}

}  // namespace

std::string FormReference(std::string_view argument, const FormVbNames& forms,
                          std::string_view lookup) {
    argument = TrimBlanks(argument);
    if (IsStringLiteral(argument))
        return Reference({LiteralText(argument), argument.size(), true}, forms, false, lookup);
    // [Orders] names the form; anything else is an expression that yields the
    // name when the code runs.
    if (argument.starts_with('[')) {
        const NamedForm form = ReadFormName(argument);
        if (form.length == argument.size())
            return Reference(form, forms, false, lookup);
    }
    return std::string(lookup) + "(" + std::string(argument) + ")";
}

std::string RewriteFormsCalls(std::string line, const FormVbNames& forms, std::string_view lookup) {
    return Rewrite(line, "forms(", true, forms, lookup);
}

std::string RewriteFormsBang(std::string line, const FormVbNames& forms, std::string_view lookup) {
    return Rewrite(line, "forms!", false, forms, lookup);
}

bool IsRecordsetMember(std::string_view word) {
    static constexpr std::array<std::string_view, 58> kMembers = {"AddNew",
                                                                  "BOF",
                                                                  "Bookmark",
                                                                  "Close",
                                                                  "Delete",
                                                                  "Edit",
                                                                  "EOF",
                                                                  "NoMatch",
                                                                  "OpenRecordset",
                                                                  "Requery",
                                                                  "Update",
                                                                  "FindFirst",
                                                                  "FindLast",
                                                                  "FindNext",
                                                                  "FindPrevious",
                                                                  "MoveFirst",
                                                                  "MoveLast",
                                                                  "MoveNext",
                                                                  "MovePrevious",
                                                                  "AbsolutePosition",
                                                                  "BatchCollisionCount",
                                                                  "BatchCollisions",
                                                                  "BatchSize",
                                                                  "Bookmarkable",
                                                                  "CacheSize",
                                                                  "CacheStart",
                                                                  "Cancel",
                                                                  "CancelUpdate",
                                                                  "Clone",
                                                                  "Connection",
                                                                  "CopyQueryDef",
                                                                  "DateCreated",
                                                                  "EditMode",
                                                                  "Fields",
                                                                  "FillCache",
                                                                  "Filter",
                                                                  "GetRows",
                                                                  "Index",
                                                                  "LastModified",
                                                                  "LastUpdated",
                                                                  "LockEdits",
                                                                  "Move",
                                                                  "Name",
                                                                  "NextRecordset",
                                                                  "PercentPosition",
                                                                  "Properties",
                                                                  "RecordCount",
                                                                  "RecordStatus",
                                                                  "Restartable",
                                                                  "Seek",
                                                                  "Sort",
                                                                  "StillExecuting",
                                                                  "Transactions",
                                                                  "Type",
                                                                  "Updatable",
                                                                  "UpdateOptions",
                                                                  "ValidationRule",
                                                                  "ValidationText"};
    return std::any_of(kMembers.begin(), kMembers.end(),
                       [&](std::string_view m) { return IEquals(m, word); });
}

std::string LeadingIdentifier(std::string_view text) {
    size_t n = 0;
    while (n < text.size() && IsIdentifierChar(text[n]))
        ++n;
    return std::string(text.substr(0, n));
}

std::string TrailingIdentifier(std::string_view text) {
    if (text.empty() || text.back() == ' ')
        return {};
    size_t end = text.size() - 1;  // the last character itself is not part of it
    size_t start = end;
    while (start > 0 && IsIdentifierChar(text[start - 1]))
        --start;
    return std::string(text.substr(start, end - start));
}

long FindBackward(std::string_view text, std::string_view find, long start) {
    for (long k = 0; k < start; ++k) {
        long position = start - k;
        if (position >= 1 && static_cast<size_t>(position) <= text.size() &&
            IStartsWith(text.substr(static_cast<size_t>(position - 1)), find)) {
            return k;
        }
    }
    return 0;
}

}  // namespace velorin
