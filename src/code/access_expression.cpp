#include "code/access_expression.h"

#include <cctype>

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"

namespace velorin {
namespace {

// Functions of Access expressions that Visual Basic does not have.
constexpr std::string_view kAccessOnly[] = {
    "DLookup",     "DCount",        "DSum",      "DAvg",   "DMin",     "DMax", "DFirst", "DLast",
    "DStDev",      "DStDevP",       "DVar",      "DVarP",  "Count",    "Sum",  "Avg",    "Min",
    "Max",         "First",         "Last",      "StDev",  "StDevP",   "Var",  "VarP",   "Eval",
    "CurrentUser", "HyperlinkPart", "Partition", "CodeDb", "CurrentDb"};

// Words of an expression that are not names.
constexpr std::string_view kWords[] = {"And",  "Or", "Not",  "Xor",  "Eqv",   "Imp",  "Mod",
                                       "Like", "Is", "Null", "True", "False", "Empty"};

// References to what a converted form does not have.
constexpr std::string_view kAccessObjects[] = {"Form",   "Parent", "Report", "Reports",
                                               "Screen", "Page",   "Pages"};

template <size_t N>
bool IsOneOf(std::string_view word, const std::string_view (&words)[N]) {
    for (std::string_view w : words) {
        if (IEquals(w, word))
            return true;
    }
    return false;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' ||
           static_cast<unsigned char>(c) > 127;
}

// A name of the form or its record: the control's name, else the field.
std::string NameOf(std::string_view name, const ExpressionContext& context) {
    const std::string control = context.controlName ? context.controlName(name) : std::string();
    if (!control.empty())
        return control;
    if (context.dataControl.empty())
        return {};
    return context.dataControl + ".Recordset.Fields(" + VbQuoted(name, QuoteFor::Code) + ")";
}

}  // namespace

std::optional<std::string> VbExpression(std::string_view text, const ExpressionContext& context) {
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"') {
            // A Visual Basic string as it is, its doubled quotes included.
            size_t end = i + 1;
            while (end < text.size() &&
                   !(text[end] == '"' && (end + 1 == text.size() || text[end + 1] != '"')))
                end += text[end] == '"' ? 2 : 1;
            out += text.substr(i, end + 1 - i);
            i = end + 1;
        } else if (c == '\'') {
            // Access also quotes strings with single quotes.
            const size_t end = text.find('\'', i + 1);
            if (end == std::string_view::npos)
                return std::nullopt;
            out += VbQuoted(text.substr(i + 1, end - i - 1), QuoteFor::Code);
            i = end + 1;
        } else if (c == '#') {
            const size_t end = text.find('#', i + 1);
            if (end == std::string_view::npos)
                return std::nullopt;
            out += text.substr(i, end + 1 - i);
            i = end + 1;
        } else if (c == '[' || IsNameChar(c)) {
            std::string name;
            if (c == '[') {
                const size_t end = text.find(']', i + 1);
                if (end == std::string_view::npos)
                    return std::nullopt;
                name = std::string(text.substr(i + 1, end - i - 1));
                i = end + 1;
            } else {
                size_t end = i;
                while (end < text.size() && IsNameChar(text[end]))
                    ++end;
                name = std::string(text.substr(i, end - i));
                i = end;
            }
            size_t next = i;
            while (next < text.size() && text[next] == ' ')
                ++next;
            const bool call = next < text.size() && text[next] == '(';
            const bool qualified = i < text.size() && (text[i] == '!' || text[i] == '.');
            const bool number = std::isdigit(static_cast<unsigned char>(name[0])) != 0;
            if (number || IsOneOf(name, kWords)) {
                out += name;
            } else if (IsOneOf(name, kAccessOnly) || IsOneOf(name, kAccessObjects)) {
                return std::nullopt;
            } else if (call) {
                // A function of Visual Basic or of the application's modules.
                out += name;
            } else if (IEquals(name, "Forms") && qualified) {
                // Another form's control: the code translation's form references.
                out += "Forms";
            } else if (qualified) {
                return std::nullopt;
            } else {
                const std::string reference = NameOf(name, context);
                if (reference.empty())
                    return std::nullopt;
                out += reference;
            }
        } else if (c == '!' || c == '.') {
            // The members of a form reference: Forms!Orders!Total.
            out.push_back(c);
            ++i;
            if (i < text.size() && text[i] == '[') {
                const size_t end = text.find(']', i + 1);
                if (end == std::string_view::npos)
                    return std::nullopt;
                out += text.substr(i, end + 1 - i);
                i = end + 1;
            } else {
                while (i < text.size() && IsNameChar(text[i]))
                    out.push_back(text[i++]);
            }
        } else {
            out.push_back(c);
            ++i;
        }
    }
    return out;
}

}  // namespace velorin
