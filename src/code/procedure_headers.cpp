#include "code/procedure_headers.h"

#include "code/form_reference.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"

namespace velorin {

std::string DeclaredProcedure(std::string_view line) {
    std::string_view rest = TrimWhitespace(line);
    for (bool again = true; again;) {
        again = false;
        for (std::string_view modifier : {"Public", "Private", "Friend", "Static"}) {
            if (StartsWithWord(rest, modifier)) {
                rest = TrimWhitespace(rest.substr(modifier.size()));
                again = true;
            }
        }
    }
    if (StartsWithWord(rest, "Property"))
        rest = TrimWhitespace(rest.substr(8)).substr(3);  // Get, Let or Set
    else if (StartsWithWord(rest, "Sub"))
        rest = rest.substr(3);
    else if (StartsWithWord(rest, "Function"))
        rest = rest.substr(8);
    else
        return {};
    return LeadingIdentifier(TrimWhitespace(rest));
}
std::vector<std::string> ProcedureNames(const CodeText& code) {
    std::vector<std::string> names;
    for (const std::string& line : code.Lines()) {
        std::string name = DeclaredProcedure(line);
        if (!name.empty())
            names.push_back(std::move(name));
    }
    return names;
}

std::string ProcedureName(std::string_view header) {
    std::string_view rest = TrimBlanks(header);
    for (std::string_view word : {"Private ", "Public ", "Static ", "Sub ", "Function "}) {
        if (IStartsWith(rest, word))
            rest = TrimBlanks(rest.substr(word.size()));
    }
    const size_t end = rest.find_first_of("( ");
    return std::string(rest.substr(0, end));
}

}  // namespace velorin
