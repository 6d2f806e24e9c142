#include "code/option_group_procedures.h"

#include <map>

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
        if (id.empty() || after.size() == id.size() || after[id.size()] != '(')
            continue;
        event = id;
        open = line.size() - after.size() + id.size();
        return group;
    }
    return {};
}

}  // namespace

void IndexOptionGroupProcedures(CodeText& code, const std::vector<std::string>& groups) {
    // The procedures that take an index from now on, and the group of each.
    std::map<std::string, std::string, ILess> indexed;
    for (std::string& line : code.MutableLines()) {
        std::string event;
        size_t open = 0;
        const std::string group = GroupOf(line, groups, event, open);
        if (group.empty())
            continue;
        const std::string_view params = std::string_view(line).substr(open + 1);
        if (params.starts_with(")")) {
            line.insert(open + 1, "Index as Integer");
            indexed.emplace(group + "_" + event, group);
        } else if (HasArgumentsAfterIndex(event) && !IStartsWith(TrimBlanks(params), "Index ")) {
            line.insert(open + 1, "Index As Integer, ");
        }
    }
    if (indexed.empty())
        return;
    // "Call G_Click", "Call G_Click()" and "G_Click" pass the selected button.
    for (std::string& line : code.MutableLines()) {
        std::string_view statement = CodeBeforeComment(line);
        const bool call = IStartsWith(statement, "Call ");
        if (call)
            statement = TrimBlanks(statement.substr(5));
        if (statement.ends_with("()"))
            statement.remove_suffix(2);
        const auto found = indexed.find(statement);
        if (found == indexed.end() || LeadingIdentifier(statement).size() != statement.size())
            continue;
        const size_t at = line.find(CodeBeforeComment(line));
        line = line.substr(0, at) + "Call " + std::string(statement) + "(OptionGroupValue(" +
               found->second + "))" + line.substr(at + CodeBeforeComment(line).size());
    }
}

}  // namespace velorin
