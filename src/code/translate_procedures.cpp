#include "code/translate_procedures.h"

#include <string>
#include <vector>

#include "code/code_mask.h"
#include "code/form_reference.h"
#include "code/option_group_procedures.h"
#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "output/form_output.h"

namespace velorin {
namespace {

// A Sub, Function or Property header, with or without its modifiers. Other
// Public and Private lines are module-level declarations.
bool IsProcedureHeader(std::string_view line) {
    for (bool again = true; again;) {
        again = false;
        for (std::string_view modifier : {"Public ", "Private ", "Friend ", "Static "}) {
            if (IStartsWith(line, modifier)) {
                line.remove_prefix(modifier.size());
                again = true;
            }
        }
    }
    return StartsWithWord(line, "Sub") || StartsWithWord(line, "Function") ||
           StartsWithWord(line, "Property");
}

// Whether the position of the line lies in its code: not in a string
// literal, not in the comment that ends it.
bool InCode(std::string_view line, size_t at) {
    bool quoted = false;
    for (size_t i = 0; i < at && i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == '\'' && !quoted)
            return false;
    }
    return !quoted;
}

// Names declared "... As Recordset" on the line.
void CollectRecordsets(std::string_view line, std::vector<std::string>& names) {
    const std::string_view marker = " As Recordset";
    size_t from = 0;
    while (true) {
        size_t at = IFind(line, marker, from);
        if (at == std::string_view::npos)
            return;
        from = at + marker.size();
        // Position of the marker, 1-based, less one: the blank before the word.
        long start = static_cast<long>(at);
        long blank = start - FindBackward(line, " ", start);
        std::string word(TrimWhitespace(MidRange(line, blank, static_cast<long>(at))));
        // A parameter: "Sub X(rs As Recordset)" or "(a, ByVal rs As Recordset".
        size_t cut = word.find_last_of("(,");
        if (cut != std::string::npos)
            word = std::string(TrimWhitespace(std::string_view(word).substr(cut + 1)));
        if (!word.empty())
            names.push_back(word);
    }
}

// rs.Field becomes rs!Field for every recordset variable, members excepted.
void RecordsetFields(std::string& line, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (name.empty())
            continue;
        const std::string dotted = name + ".";
        size_t from = 0;
        while (true) {
            size_t at = IFind(line, dotted, from);
            if (at == std::string::npos)
                break;
            from = at + dotted.size();
            // Part of a longer name (ors.Total for rs) is another variable; a
            // string or a comment holds no variable.
            if ((at > 0 && IsIdentifierChar(line[at - 1])) || !InCode(line, at))
                continue;
            size_t dot = at + name.size();
            if (!IsRecordsetMember(LeadingIdentifier(std::string_view(line).substr(dot + 1))))
                line[dot] = '!';
        }
    }
}

struct Assignment {
    bool found = false;
    size_t valueAt = 0;  // where the assigned value starts
};

// "G.Value = v" or "G = v" right after the group name.
Assignment AssignmentAfter(std::string_view rest) {
    for (std::string_view op : {".Value = ", " = "}) {
        if (IStartsWith(rest, op))
            return {true, op.size()};
    }
    return {};
}

// Whether text before a group's name leaves it at the start of a statement:
// nothing but its form ("Me."), after a Then, an Else or a colon.
bool StartsStatement(std::string_view before) {
    std::string_view rest = TrimBlanks(before);
    // The form the group is on: "Me." or "Me!".
    if (!rest.empty() && (rest.back() == '.' || rest.back() == '!')) {
        const std::string qualifier = TrailingIdentifier(rest);
        rest = TrimBlanks(rest.substr(0, rest.size() - 1 - qualifier.size()));
    }
    return rest.empty() || rest.ends_with(":") || IEndsWith(rest, " Then") ||
           IEquals(rest, "Else") || IEndsWith(rest, " Else");
}

// g(v).Value = True, the value stopping at a comment or a colon that follows.
// The value ends where the statement does: at a comment, a colon or the
// Else of a one-line If. Returns the rewrite and how much of it is the
// selection itself.
std::pair<std::string, size_t> SelectButton(const std::string& g, std::string_view value) {
    size_t stop = value.find('\'');
    if (stop == std::string_view::npos)
        stop = value.find(':');
    const size_t otherwise = IFind(value, " Else");
    if (otherwise < stop)
        stop = otherwise;
    std::string out = g + "(" + std::string(TrimBlanks(value.substr(0, stop))) + ").Value = True";
    const size_t selection = out.size();
    if (stop != std::string_view::npos)
        out += value.substr(stop);
    return {out, selection};
}

// The rewrite of one occurrence of group name G at `at`; returns the position
// after which to look for the next occurrence.
// The object a group's name is asked of: "Me" of "Me!G" or "Me.G"; empty when
// the name stands alone ("IsNull(G)").
std::string QualifierBefore(std::string_view before) {
    if (before.empty() || (before.back() != '.' && before.back() != '!'))
        return {};
    return TrailingIdentifier(before);
}

size_t RewriteOptionGroup(std::string& line, size_t at, const std::string& group,
                          const NameRegistry* formNames, std::string_view valueFunction) {
    const std::string g = MakeVBName(group);
    // The frame that holds the group's buttons, by the name it was given.
    std::string frame = formNames != nullptr
                            ? formNames->Find(std::string(name_key::kGroupFrame) + g)
                            : std::string();
    if (frame.empty())
        frame = "grp" + g;
    // The form's control array is its member: Me.G(1), not Me!G(1), which
    // asks the Controls collection for one control of that name; "!G" in a
    // With Me block likewise becomes ".G".
    const bool nameEnds =
        at + group.size() >= line.size() || !IsIdentifierChar(line[at + group.size()]);
    if (at > 0 && line[at - 1] == '!' && nameEnds) {
        const std::string_view head = std::string_view(line).substr(0, at - 1);
        const bool withMember = head.empty() || !(IsIdentifierChar(head.back()) ||
                                                  head.back() == ']' || head.back() == ')');
        if (withMember || (IEquals(TrailingIdentifier(std::string(head) + "!"), "Me")))
            line[at - 1] = '.';
    }
    const std::string_view before = std::string_view(line).substr(0, at);
    const std::string_view rest = std::string_view(line).substr(at + group.size());
    const std::string valueOf = "(" + std::string(valueFunction) + "(";
    std::string rewritten;

    // [Ship Via] is the group Ship_Via, read as if so written.
    if (!before.empty() && before.back() == '[' && !rest.empty() && rest.front() == ']') {
        line.replace(at - 1, group.size() + 2, g);
        return RewriteOptionGroup(line, at - 1, g, formNames, valueFunction);
    }
    if (at > 0 && IsIdentifierChar(line[at - 1]))
        return at + group.size();

    const Assignment assignment = AssignmentAfter(rest);
    const bool valueRead = IStartsWith(rest, ".Value") && !assignment.found;
    const bool member =
        !rest.empty() && (rest[0] == '.' || rest[0] == '!') && !valueRead && !assignment.found;
    // The group's value ends there: at the line's end, a blank, a colon, a
    // comma or a closing parenthesis (x = Me!G: ..., Nz(Me!G, 0)).
    const bool bare = rest.empty() || rest[0] == ':' || rest[0] == ',' || rest[0] == ')' ||
                      (rest[0] == ' ' && !assignment.found);

    if (at == 0) {
        if (assignment.found) {
            auto [selected, length] = SelectButton(g, rest.substr(assignment.valueAt));
            line = selected;
            return length;
        }
        if (bare) {
            rewritten = g + valueOf + g + ")).Index";
            line = rewritten + std::string(rest);
        } else if (valueRead) {
            rewritten = g + valueOf + g + "))";
            line = rewritten + std::string(rest);
        } else if (member) {
            rewritten = frame;
            line = rewritten + std::string(rest);
        } else {
            return group.size();
        }
        return rewritten.size();
    }

    // After other text the name must end there.
    if (!(rest.empty() || rest[0] == '.' || rest[0] == '!' || rest[0] == ' ' || bare))
        return at + group.size();
    const std::string head(before);
    // "Me.G = v" sets the group only where a statement starts; inside an
    // expression ("IIf(Me.G = 1, ...)") it compares the group's value.
    if (assignment.found && !StartsStatement(before)) {
        const std::string qualifier = QualifierBefore(before);
        const size_t qualifierStart =
            qualifier.empty() ? head.size() : head.size() - 1 - qualifier.size();
        const std::string object = qualifier.empty() ? g : qualifier + "." + g;
        rewritten = head.substr(0, qualifierStart) + g + valueOf + object + ")).Index";
        line = rewritten + std::string(IStartsWith(rest, ".Value") ? rest.substr(6) : rest);
        return rewritten.size();
    }
    if (assignment.found) {
        auto [selected, length] = SelectButton(g, rest.substr(assignment.valueAt));
        line = head + selected;
        return head.size() + length;
    }
    if (bare || valueRead) {
        const std::string qualifier = QualifierBefore(before);
        const size_t qualifierStart =
            qualifier.empty() ? head.size() : head.size() - 1 - qualifier.size();
        const std::string object = qualifier.empty() ? g : qualifier + "." + g;
        rewritten = head.substr(0, qualifierStart) + g + valueOf + object + ")).Index";
        line = rewritten + std::string(valueRead ? rest.substr(6) : rest);
        return rewritten.size();
    }
    if (member) {
        rewritten = head + frame;
        line = rewritten + std::string(rest);
        return rewritten.size();
    }
    return at + group.size();
}

void OptionGroups(std::string& line, const std::vector<std::string>& groups,
                  const NameRegistry* formNames, std::string_view valueFunction) {
    for (const std::string& group : groups) {
        if (group.empty())
            continue;
        size_t from = 0;
        // Each rewrite resumes after its own text, so the line is walked once.
        for (size_t guard = line.size() + 1; guard > 0; --guard) {
            size_t at = IFind(line, group, from);
            if (at == std::string::npos)
                break;
            if (!InCode(line, at)) {
                from = at + group.size();
                continue;
            }
            from = RewriteOptionGroup(line, at, group, formNames, valueFunction);
        }
    }
}

}  // namespace

void TranslateProcedures(const Session& session, CodeText& code, const NameRegistry* formNames,
                         const std::vector<std::string>& optionGroupNames) {
    const bool hasGroups = optionGroupNames.size() > 1;
    const std::string valueFunction = session.names.SupportName("OptionGroupValue");
    std::vector<std::string> moduleRecordsets;
    std::vector<std::string> procedureRecordsets;
    bool declarations = true;

    const std::vector<std::string>& lines = code.Lines();
    std::vector<std::string> translated;
    translated.reserve(lines.size());
    // What each line came from, kept with it.
    std::vector<uint32_t> sources;
    sources.reserve(lines.size());
    for (size_t first = 0; first < lines.size();) {
        // A continued statement is rewritten whole: written back as its lines
        // when nothing changed, as the one line it became otherwise.
        size_t last = first;
        while (last + 1 < lines.size() && ContinuesOnNextLine(lines[last]) &&
               !TrimBlanks(lines[last]).starts_with('\''))
            ++last;
        std::string line = first == last ? lines[first] : JoinContinuedLines(lines, first, last);
        const std::string joined = line;
        const std::string_view text = line;
        bool declaresOnly = false;
        if (text.empty() || text[0] == '\'') {
            // copied unchanged
        } else if (IStartsWith(text, "Dim")) {
            declaresOnly = true;
        } else if (IStartsWith(text, "Public ") || IStartsWith(text, "Private ") ||
                   IStartsWith(text, "Sub ") || IStartsWith(text, "Function ") ||
                   IStartsWith(text, "Property ")) {
            declaresOnly = true;
            if (IsProcedureHeader(text))
                declarations = false;
        } else if (IEquals(text, "End Sub") || IEquals(text, "End Function") ||
                   IEquals(text, "End Property")) {
            procedureRecordsets.clear();
        } else {
            RecordsetFields(line, moduleRecordsets);
            RecordsetFields(line, procedureRecordsets);
            if (!declarations && hasGroups)
                OptionGroups(line, optionGroupNames, formNames, valueFunction);
        }
        if (declaresOnly)
            CollectRecordsets(line, declarations ? moduleRecordsets : procedureRecordsets);
        if (first == last || line != joined) {
            translated.push_back(std::move(line));
            sources.push_back(code.SourceOf(first));
        } else {
            translated.insert(translated.end(), lines.begin() + static_cast<long>(first),
                              lines.begin() + static_cast<long>(last) + 1);
            for (size_t k = first; k <= last; ++k)
                sources.push_back(code.SourceOf(k));
        }
        first = last + 1;
    }
    code = CodeText(std::move(translated), std::move(sources));
    if (hasGroups) {
        std::vector<std::string> groups;
        for (const std::string& group : optionGroupNames) {
            if (!group.empty())
                groups.push_back(MakeVBName(group));
        }
        IndexOptionGroupProcedures(code, groups, valueFunction);
    }
}

}  // namespace velorin
