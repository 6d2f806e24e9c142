#include "code/renamed_procedures.h"

#include "code/code_mask.h"
#include "code/form_reference.h"

namespace velorin {
namespace {

bool IsModule(std::string_view name, const std::map<std::string, std::string, ILess>& modules) {
    for (const auto& [access, vbName] : modules) {
        if (IEquals(access, name) || IEquals(vbName, name))
            return true;
    }
    return false;
}

}  // namespace

std::string FollowRenamedProcedures(const std::string& line,
                                    const std::map<std::string, std::string, ILess>& procedures,
                                    const std::map<std::string, std::string, ILess>& modules) {
    if (procedures.empty())
        return line;
    const std::string code = MaskedCode(line);
    std::string out;
    size_t from = 0;
    for (size_t i = 0; i < code.size(); ++i) {
        if (!IsIdentifierChar(code[i]) || (i > 0 && IsIdentifierChar(code[i - 1])))
            continue;
        const std::string word = LeadingIdentifier(std::string_view(code).substr(i));
        const size_t end = i + word.size();
        const auto found = procedures.find(word);
        bool follows = found != procedures.end() && !(end < code.size() && code[end] == '!');
        if (follows && i > 0 && (code[i - 1] == '!' || code[i - 1] == '.')) {
            // Only a module's member is the procedure.
            size_t start = i - 1;
            while (start > 0 && IsIdentifierChar(code[start - 1]))
                --start;
            follows = code[i - 1] == '.' && IsModule(code.substr(start, i - 1 - start), modules);
        }
        if (follows) {
            out.append(line, from, i - from);
            out += found->second;
            from = end;
        }
        i = end - 1;
    }
    out.append(line, from, std::string::npos);
    return out;
}

}  // namespace velorin
