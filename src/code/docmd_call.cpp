#include "code/docmd_call.h"

#include <array>
#include <cctype>

#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

struct Parameters {
    std::string_view action;
    std::array<std::string_view, 7> names;
};

// The parameters of the actions the rules translate, in Access's order.
constexpr Parameters kParameters[] = {
    {"OpenForm",
     {"FormName", "View", "FilterName", "WhereCondition", "DataMode", "WindowMode", "OpenArgs"}},
    {"Close", {"ObjectType", "ObjectName", "Save"}},
    {"RunSQL", {"SQLStatement", "UseTransaction"}},
    {"OpenQuery", {"QueryName", "View", "DataMode"}},
    {"RunMacro", {"MacroName", "RepeatCount", "RepeatExpression"}},
    {"Requery", {"ControlName"}},
    {"GoToControl", {"ControlName"}},
    {"PrintOut", {"PrintRange", "PageFrom", "PageTo", "PrintQuality", "Copies", "CollateCopies"}},
    {"MoveSize", {"Right", "Down", "Width", "Height"}},
    {"Hourglass", {"HourglassOn"}},
    {"Quit", {"Options"}},
    {"RepaintObject", {"ObjectType", "ObjectName"}},
};

const Parameters* ParametersOf(std::string_view action) {
    for (const Parameters& p : kParameters) {
        if (IEquals(p.action, action))
            return &p;
    }
    return nullptr;
}

// The arguments at the top level of `text`, split at commas outside strings,
// parentheses and brackets.
std::vector<std::string_view> SplitArguments(std::string_view text) {
    std::vector<std::string_view> parts;
    if (TrimBlanks(text).empty())
        return parts;
    bool quoted = false;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == '(' || c == '[') {
            ++depth;
        } else if ((c == ')' || c == ']') && depth > 0) {
            --depth;
        } else if (c == ',' && depth == 0) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

// "Name:=value": where the value starts, or npos when the argument is not named.
size_t NamedValueAt(std::string_view argument, std::string_view& name) {
    const size_t op = argument.find(":=");
    if (op == std::string_view::npos || argument.find('"') < op)
        return std::string_view::npos;
    name = TrimBlanks(argument.substr(0, op));
    for (char c : name) {
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
            return std::string_view::npos;
    }
    return name.empty() ? std::string_view::npos : op + 2;
}

// "(a, b)" but not "(a), (b)": the first parenthesis closes at the end.
bool WrappedInParentheses(std::string_view text) {
    if (!text.starts_with('('))
        return false;
    bool quoted = false;
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i + 1 == text.size();
    }
    return false;
}

}  // namespace

const std::string& DoCmdCall::Arg(size_t index) const {
    static const std::string kNone;
    return index < args.size() ? args[index] : kNone;
}

DoCmdCall ReadDoCmdCall(std::string_view code) {
    DoCmdCall call;
    code = TrimBlanks(code);
    if (!IStartsWith(code, "DoCmd."))
        return call;
    std::string_view rest = code.substr(6);
    size_t nameEnd = 0;
    while (nameEnd < rest.size() &&
           (std::isalnum(static_cast<unsigned char>(rest[nameEnd])) || rest[nameEnd] == '_'))
        ++nameEnd;
    call.action = std::string(rest.substr(0, nameEnd));
    if (call.action.empty())
        return call;
    // The action is followed by its arguments after a blank, or in parentheses.
    if (nameEnd < rest.size() && rest[nameEnd] != ' ' && rest[nameEnd] != '\t' &&
        rest[nameEnd] != '(')
        return call;
    std::string_view arguments = TrimBlanks(rest.substr(nameEnd));
    if (WrappedInParentheses(arguments))
        arguments = arguments.substr(1, arguments.size() - 2);
    const Parameters* parameters = ParametersOf(call.action);
    size_t position = 0;
    for (std::string_view part : SplitArguments(arguments)) {
        std::string_view name;
        const size_t valueAt = NamedValueAt(part, name);
        if (valueAt == std::string_view::npos) {
            if (call.args.size() <= position)
                call.args.resize(position + 1);
            call.args[position++] = std::string(TrimBlanks(part));
            continue;
        }
        size_t index = 0;
        bool known = false;
        if (parameters != nullptr) {
            for (; index < parameters->names.size() && !parameters->names[index].empty(); ++index) {
                if (IEquals(parameters->names[index], name)) {
                    known = true;
                    break;
                }
            }
        }
        if (!known) {
            call.named.emplace_back(name);
            continue;
        }
        if (call.args.size() <= index)
            call.args.resize(index + 1);
        call.args[index] = std::string(TrimBlanks(part.substr(valueAt)));
    }
    call.valid = true;
    return call;
}

bool IsStringLiteral(std::string_view argument) {
    argument = TrimBlanks(argument);
    if (argument.size() < 2 || argument.front() != '"' || argument.back() != '"')
        return false;
    for (size_t i = 1; i + 1 < argument.size(); ++i) {
        if (argument[i] == '"') {
            if (i + 2 < argument.size() && argument[i + 1] == '"')
                ++i;  // a doubled quote
            else
                return false;
        }
    }
    return true;
}

std::string LiteralText(std::string_view argument) {
    if (!IsStringLiteral(argument))
        return {};
    argument = TrimBlanks(argument);
    std::string text;
    for (size_t i = 1; i + 1 < argument.size(); ++i) {
        text += argument[i];
        if (argument[i] == '"')
            ++i;
    }
    return text;
}

}  // namespace velorin
