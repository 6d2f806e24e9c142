#include "common/names.h"
#include "common/ansi_text.h"

namespace velorin {
namespace {

bool IsIdentifierChar(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u > 128;
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

std::string MakeMacroName(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (!IsIdentifierChar(c))
            c = '_';
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

std::string FileNameFromPath(std::string_view path) {
    size_t pos = path.find_last_of("\\/");
    return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

}  // namespace velorin
