#include "code/option_group_procedures.h"

#include <map>

#include <cctype>

#include "code/code_mask.h"
#include "code/form_reference.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

// Events whose own arguments follow the index of a control array.
constexpr std::string_view kEventsWithArguments[] = {"MouseDown", "MouseMove", "MouseUp",
                                                     "KeyDown",   "KeyPress",  "KeyUp",
                                                     "DragDrop",  "DragOver",  "Validate"};

bool HasArgumentsAfterIndex(std::string_view event) {
    for (std::string_view name : kEventsWithArguments) {
        if (IEquals(name, event))
            return true;
    }
    return false;
}

std::string_view WithoutModifier(std::string_view line) {
    for (std::string_view modifier : {"Public ", "Private "}) {
        if (IStartsWith(line, modifier))
            return line.substr(modifier.size());
    }
    return line;
}

// The group a procedure header "Sub <group>_<event>(" belongs to, with the
// position of its "(" in the line; empty when it belongs to none.
std::string GroupOf(std::string_view line, const std::vector<std::string>& groups,
                    std::string& event, size_t& open) {
    const std::string_view rest = WithoutModifier(line);
    if (!IStartsWith(rest, "Sub "))
        return {};
    const std::string_view name = TrimBlanks(rest.substr(4));
    for (const std::string& group : groups) {
        if (group.empty() || !IStartsWith(name, group + "_"))
            continue;
        const std::string_view after = name.substr(group.size() + 1);
        const std::string id = LeadingIdentifier(after);
        // An event's name is a word of letters: Timer1_2_Timer is no event of Timer1.
        if (id.empty() || after.size() == id.size() || after[id.size()] != '(' ||
            !std::isalpha(static_cast<unsigned char>(id[0])) || id.find('_') != std::string::npos)
            continue;
        event = id;
        open = line.size() - after.size() + id.size();
        return group;
    }
    return {};
}

}  // namespace

// Whether the code before a name leaves it where a statement starts: at the
// line's start, after a colon, Then, Else or Call.
// The word the text ends with, blanks after it aside.
std::string_view LastWord(std::string_view text) {
    text = TrimBlanks(text);
    size_t start = text.size();
    while (start > 0 && IsIdentifierChar(text[start - 1]))
        --start;
    return text.substr(start);
}

bool AtStatementStart(std::string_view before) {
    before = TrimBlanks(before);
    if (before.empty() || before.ends_with(':'))
        return true;
    const std::string_view last = LastWord(before);
    return last.size() == before.size()
               ? IEquals(last, "Call")
               : IEquals(last, "Then") || IEquals(last, "Else") || IEquals(last, "Call");
}

struct IndexedProcedure {
    std::string group;
    bool hadArguments = false;  // the index came before arguments it already had
};

// Every call of a procedure that takes the group's index from now on passes
// the selected button: "Call G_Click" and "G_Click" become
// "Call G_Click(OptionGroupValue(G))", "G_MouseDown 1, 0, x, y" gets the
// index before its own arguments.
std::string PassIndex(const std::string& line,
                      const std::map<std::string, IndexedProcedure, ILess>& indexed,
                      std::string_view valueFunction) {
    const std::string code = MaskedCode(line);
    std::string out;
    size_t from = 0;
    for (size_t i = 0; i < code.size(); ++i) {
        if (!IsIdentifierChar(code[i]) || (i > 0 && IsIdentifierChar(code[i - 1])))
            continue;
        const std::string word = LeadingIdentifier(std::string_view(code).substr(i));
        const auto found = indexed.find(word);
        const size_t end = i + word.size();
        if (found == indexed.end() || (i > 0 && (code[i - 1] == '.' || code[i - 1] == '!')) ||
            !AtStatementStart(std::string_view(code).substr(0, i))) {
            i = end - 1;
            continue;
        }
        const std::string value = std::string(valueFunction) + "(" + found->second.group + ")";
        const bool call = IEquals(LastWord(std::string_view(code).substr(0, i)), "Call");
        const std::string_view rest = std::string_view(code).substr(end);
        const std::string_view after = TrimBlanks(rest);
        const size_t afterAt = end + (rest.size() - after.size());
        // A call that passes arguments to a procedure that had none passes
        // the index already, as one that starts with Index does.
        const bool withArguments =
            !(after.starts_with("()") || after.empty() || after.starts_with(":") ||
              after.starts_with("\x01") || StartsWithWord(after, "Else"));
        // Without Call, "G_KeyPress (13)" passes (13): its parenthesis is the argument's.
        const bool argumentList = call && after.starts_with("(");
        const std::string_view first = TrimBlanks(argumentList ? after.substr(1) : after);
        if (withArguments && (!found->second.hadArguments || StartsWithWord(first, "Index"))) {
            i = end - 1;
            continue;
        }
        out.append(line, from, i - from);
        if (after.starts_with("()") || after.empty() || after.starts_with(":") ||
            after.starts_with("\x01") || StartsWithWord(after, "Else")) {
            // No arguments: the index is the only one.
            out += (call ? "" : "Call ") + word + "(" + value + ")";
            from = after.starts_with("()") ? afterAt + 2 : end;
        } else if (argumentList) {
            out += word + "(" + value + ", ";
            from = afterAt + 1;
        } else {
            // "G_MouseDown 1, 0, x, y": the index before the arguments.
            out += word + " " + value + ",";
            from = end;
        }
        i = end - 1;
    }
    out.append(line, from, std::string::npos);
    return out;
}

void IndexOptionGroupProcedures(CodeText& code, const std::vector<std::string>& groups,
                                std::string_view valueFunction) {
    // The procedures that take an index from now on, and the group of each.
    std::map<std::string, IndexedProcedure, ILess> indexed;
    for (std::string& line : code.MutableLines()) {
        std::string event;
        size_t open = 0;
        const std::string group = GroupOf(line, groups, event, open);
        if (group.empty())
            continue;
        const std::string_view params = std::string_view(line).substr(open + 1);
        if (params.starts_with(")")) {
            line.insert(open + 1, "Index as Integer");
            indexed.emplace(group + "_" + event, IndexedProcedure{group, false});
        } else if (HasArgumentsAfterIndex(event) && !IStartsWith(TrimBlanks(params), "Index ")) {
            line.insert(open + 1, "Index As Integer, ");
            indexed.emplace(group + "_" + event, IndexedProcedure{group, true});
        }
    }
    if (indexed.empty())
        return;
    for (std::string& line : code.MutableLines())
        line = PassIndex(line, indexed, valueFunction);
}

}  // namespace velorin
