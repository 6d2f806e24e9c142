#include "code/optional_parameters.h"

#include <map>

#include "common/string_helpers.h"

namespace velorin {
namespace {

// The function that converts a value to the type, empty for Variant.
const std::map<std::string, std::string, ILess>& Conversions() {
    static const std::map<std::string, std::string, ILess> conversions{
        {"Integer", "CInt"}, {"Long", "CLng"},     {"Byte", "CByte"}, {"Single", "CSng"},
        {"Double", "CDbl"},  {"Currency", "CCur"}, {"Date", "CDate"}, {"Boolean", "CBool"},
        {"String", "CStr"},  {"Variant", ""},
    };
    return conversions;
}

// What Access and Visual Basic give a variable of the type before any value.
std::string EmptyValue(std::string_view type, std::string_view conversion) {
    if (IEquals(type, "String"))
        return "\"\"";
    if (IEquals(type, "Boolean"))
        return "False";
    if (IEquals(type, "Integer"))
        return "0";
    return std::string(conversion) + "(0)";
}

bool IsObjectType(std::string_view type, bool qualified,
                  const std::set<std::string, ILess>& classNames) {
    static const std::set<std::string, ILess> objects{
        "Object",        "Form",        "Report",     "Control",      "Controls",    "TextBox",
        "ComboBox",      "ListBox",     "CheckBox",   "OptionButton", "OptionGroup", "ToggleButton",
        "CommandButton", "Label",       "Image",      "SubForm",      "SubReport",   "TabControl",
        "Page",          "Section",     "Collection", "Recordset",    "Database",    "Workspace",
        "QueryDef",      "TableDef",    "Field",      "Fields",       "Index",       "Parameter",
        "Relation",      "Property",    "Properties", "Container",    "Document",    "Connection",
        "Command",       "ErrObject",   "Printer",    "Picture",      "StdPicture",  "StdFont",
        "Dictionary",    "Application", "CommandBar", "AccessObject",
    };
    // A library's class (DAO.Recordset) unless its name says it is an enum.
    return objects.count(type) > 0 || classNames.count(type) > 0 || IStartsWith(type, "Form_") ||
           IStartsWith(type, "Report_") || (qualified && !IEndsWith(type, "Enum"));
}

bool IsIntegerLiteral(std::string_view value) {
    value = TrimWhitespace(value);
    if (!value.empty() && value[0] == '-')
        value.remove_prefix(1);
    if (value.empty() || value.size() > 5 ||
        value.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return std::stol(std::string(value)) <= 32767;
}

}  // namespace

OptionalParameters RewriteOptionalParameters(const TokenizedCode& c, const ProcedureHeader& h,
                                             const std::set<std::string, ILess>& classNames) {
    OptionalParameters out;
    for (const DeclaredName& d : h.params) {
        if (!d.optional || d.name == kNoToken)
            continue;
        const std::string type = TypeText(c, d);
        if (!d.HasDefault() && (type.empty() || IEquals(type, "Variant")))
            continue;
        if (d.typeCharacter || d.anyArray || h.trailing) {
            out.impossible = true;
            return out;
        }
        const std::string name(c.Str(d.name));
        out.edits.push_back({c[d.name].begin, c[d.last - 1].end, name + " As Variant"});
        const std::string value =
            d.HasDefault() ? std::string(c.Span(d.equals + 1, d.last - 1)) : std::string();
        const std::string typeName = TypeNameOf(c, d.typeFirst, d.typeLast);
        const auto conversion = Conversions().find(type);
        bool object = false;
        std::string supplied;
        if (IStartsWith(type, "String") && type.find('*') != std::string::npos) {
            supplied = d.HasDefault() ? "CStr(" + value + ")" : "\"\"";  // String * 10
        } else if (conversion != Conversions().end()) {
            // The default as the type holds it: CLng(5) multiplies as a Long.
            const bool asItIs =
                conversion->second.empty() ||
                (IEquals(type, "String") && d.last == d.equals + 2 &&
                 c[d.equals + 1].kind == LexKind::String) ||
                (IEquals(type, "Boolean") && (IEquals(value, "True") || IEquals(value, "False"))) ||
                (IEquals(type, "Integer") && IsIntegerLiteral(value));
            supplied = !d.HasDefault() ? EmptyValue(type, conversion->second)
                       : asItIs        ? value
                                       : conversion->second + "(" + value + ")";
        } else if (d.HasDefault()) {
            object = IEquals(value, "Nothing");
            supplied = value;
        } else if (IsObjectType(typeName, d.typeLast > d.typeFirst + 1, classNames)) {
            object = true;
            supplied = "Nothing";
        } else {
            out.valueUnknown = true;
            continue;
        }
        out.added.push_back("If IsMissing(" + name + ") Then " + (object ? "Set " : "") + name +
                            " = " + supplied);
    }
    return out;
}

}  // namespace velorin
