#include "common/names.h"
#include "common/ansi_text.h"

namespace velorin {
namespace {

bool IsAsciiLetterOrDigit(unsigned char u) {
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}

// The plain letters a Windows-1252 letter above code 127 is written with in a
// name ("\xE9" is "e", "\xDF" is "ss"); empty for any other character. Visual
// Basic reads a name's letters in the code page of the machine it runs on, so
// names keep to ASCII.
std::string_view PlainLetters(unsigned char u) {
    static constexpr std::string_view kFrom0xC0[] = {
        "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
        "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "ss",
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};
    switch (u) {
        case 0x8A:
            return "S";
        case 0x8C:
            return "OE";
        case 0x8E:
            return "Z";
        case 0x9A:
            return "s";
        case 0x9C:
            return "oe";
        case 0x9E:
            return "z";
        case 0x9F:
            return "Y";
        default:
            return u >= 0xC0 ? kFrom0xC0[u - 0xC0] : std::string_view();
    }
}

}  // namespace

std::string MakeFileName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        switch (c) {
            case '\\':
            case '/':
            case ':':
            case '*':
            case '?':
            case '"':
            case '<':
            case '>':
            case '|':
                c = '_';
                break;
            default:
                // Control characters would break the project file's lines.
                if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F')
                    c = '_';
                break;
        }
    }
    return out;
}

std::string EventProcedurePrefix(std::string_view controlName) {
    std::string out(controlName);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 128 && !IsAsciiLetterOrDigit(u) && c != '_')
            c = '_';
    }
    return out;
}

std::string MakeMacroName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        const std::string_view plain = u > 127 ? PlainLetters(u) : std::string_view();
        if (IsAsciiLetterOrDigit(u))
            out.push_back(c);
        else if (!plain.empty())
            out += plain;
        else
            out.push_back('_');
    }
    return out;
}

std::string MakeVBName(std::string_view name) {
    std::string out = MakeMacroName(name);
    size_t first = out.find_first_not_of('_');
    // A Visual Basic name starts with a letter.
    if (first == std::string::npos)
        return "Unnamed";
    out.erase(0, first);
    if (out[0] >= '0' && out[0] <= '9')
        out.insert(0, "N");
    return out;
}

std::string UniqueName(std::string name, std::vector<std::string>& used) {
    for (size_t i = 0; i < used.size(); ++i) {
        if (IEquals(used[i], name)) {
            name += "A";
            i = static_cast<size_t>(-1);  // compare again from the first
        }
    }
    used.push_back(name);
    return name;
}

std::span<const std::string_view> VisualBasicGlobalNames() {
    static constexpr std::string_view kGlobals[] = {
        "App",      "Clipboard", "Screen", "Printer", "Printers", "Forms",  "Debug", "Err",
        "Licenses", "VB",        "VBA",    "VBRUN",   "DAO",      "Access", "stdole"};
    return kGlobals;
}

bool IsVisualBasicGlobalName(std::string_view name) {
    for (std::string_view global : VisualBasicGlobalNames()) {
        if (IEquals(global, name))
            return true;
    }
    return false;
}

std::span<const std::string_view> VisualBasicKeywords() {
    static constexpr std::string_view kKeywords[] = {
        "AddressOf", "And",        "Any",        "As",       "Attribute", "Boolean",    "ByRef",
        "Byte",      "ByVal",      "Call",       "Case",     "Close",     "Const",      "Currency",
        "Date",      "Decimal",    "Declare",    "DefBool",  "DefByte",   "DefCur",     "DefDate",
        "DefDbl",    "DefDec",     "DefInt",     "DefLng",   "DefObj",    "DefSng",     "DefStr",
        "DefVar",    "Dim",        "Do",         "Double",   "Each",      "Else",       "ElseIf",
        "Empty",     "End",        "EndIf",      "Enum",     "Eqv",       "Erase",      "Error",
        "Event",     "Exit",       "False",      "For",      "Friend",    "Function",   "Get",
        "Global",    "GoSub",      "GoTo",       "If",       "Imp",       "Implements", "In",
        "Input",     "Integer",    "Is",         "Let",      "Like",      "Line",       "Lock",
        "Long",      "Loop",       "LSet",       "Me",       "Mod",       "New",        "Next",
        "Not",       "Nothing",    "Null",       "Object",   "On",        "Open",       "Option",
        "Optional",  "Or",         "ParamArray", "Preserve", "Print",     "Private",    "Property",
        "Public",    "Put",        "RaiseEvent", "ReDim",    "Rem",       "Resume",     "Return",
        "RSet",      "Seek",       "Select",     "Set",      "Single",    "Static",     "Step",
        "Stop",      "String",     "Sub",        "Then",     "Time",      "To",         "True",
        "Type",      "TypeOf",     "Unlock",     "Until",    "Variant",   "Wend",       "While",
        "With",      "WithEvents", "Write",      "Xor",
    };
    return kKeywords;
}

bool IsVisualBasicKeyword(std::string_view name) {
    for (std::string_view keyword : VisualBasicKeywords()) {
        if (IEquals(keyword, name))
            return true;
    }
    return false;
}

std::string FileNameFromPath(std::string_view path) {
    size_t pos = path.find_last_of("\\/");
    return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

}  // namespace velorin
