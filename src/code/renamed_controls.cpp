#include "code/renamed_controls.h"

#include <cctype>

#include "code/form_reference.h"
#include "common/names.h"
#include "output/generated_members.h"

namespace velorin {
namespace {

// Whether the reference at `at` is the form's own: standing alone, or after
// "Me." or "Me!". Another object's member (rs!Name) is not a control.
bool OfThisForm(std::string_view line, size_t at) {
    if (at == 0)
        return true;
    const char before = line[at - 1];
    if (before != '.' && before != '!')
        return !IsIdentifierChar(before);
    return at >= 3 && IEquals(line.substr(at - 3, 2), "Me") &&
           (at == 3 || !IsIdentifierChar(line[at - 4]));
}

// A word a bare or dotted reference cannot mean a control by: Visual Basic's
// own (End, Date) or a name the generated project defines (OpenArgs, db). Such
// a control is followed only where the code names it as a control (Me!End,
// [End]).
bool OnlyQualified(std::string_view word) {
    if (IsVisualBasicKeyword(word))
        return true;
    for (const std::span<const std::string_view> members :
         {FormModuleMembers(), FormLoaderRoutines(), SupportModuleMembers()}) {
        for (std::string_view member : members) {
            if (IEquals(member, word))
                return true;
        }
    }
    return false;
}

bool Qualified(std::string_view line, size_t at) {
    return at > 0 && (line[at - 1] == '.' || line[at - 1] == '!');
}

// The event procedure a word names for a renamed control, "End_Click" for
// End: its new name, or empty. Access names the procedure after the control
// with its blanks and signs made "_", and the event's name has no "_".
std::string RenamedEventProcedure(std::string_view word,
                                  const std::map<std::string, std::string, ILess>& procedures) {
    const size_t cut = word.rfind('_');
    if (cut == std::string_view::npos || cut == 0 || cut + 1 == word.size())
        return {};
    const std::string_view event = word.substr(cut + 1);
    if (!std::isupper(static_cast<unsigned char>(event[0])))
        return {};
    const auto found = procedures.find(word.substr(0, cut));
    return found == procedures.end() ? std::string() : found->second + "_" + std::string(event);
}

std::string Rename(const std::string& line,
                   const std::map<std::string, std::string, ILess>& renamed,
                   const std::map<std::string, std::string, ILess>& procedures) {
    std::string out;
    bool quoted = false;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (quoted || c == '"') {
            quoted = c == '"' ? !quoted : quoted;
            out.push_back(c);
            ++i;
            continue;
        }
        if (c == '\'') {
            out.append(line, i, std::string::npos);
            break;
        }
        if (c == '[') {
            const size_t end = line.find(']', i + 1);
            if (end != std::string::npos && OfThisForm(line, i)) {
                const auto found = renamed.find(std::string_view(line).substr(i + 1, end - i - 1));
                if (found != renamed.end()) {
                    out += found->second;
                    i = end + 1;
                    continue;
                }
            }
            out.push_back(c);
            ++i;
            continue;
        }
        if (IsIdentifierChar(c) && (i == 0 || !IsIdentifierChar(line[i - 1]))) {
            const std::string word = LeadingIdentifier(std::string_view(line).substr(i));
            const auto found = renamed.find(word);
            const std::string procedure = RenamedEventProcedure(word, procedures);
            // Me.OpenArgs is the form's own member; Me!OpenArgs is the control.
            const bool bang = i > 0 && line[i - 1] == '!';
            if (found != renamed.end() && OfThisForm(line, i) && (bang || !OnlyQualified(word)))
                out += found->second;
            else if (!procedure.empty() && !Qualified(line, i))
                out += procedure;
            else
                out += word;
            i += word.size();
            continue;
        }
        out.push_back(c);
        ++i;
    }
    return out;
}

}  // namespace

void FollowRenamedControls(CodeText& code,
                           const std::map<std::string, std::string, ILess>& renamed) {
    if (renamed.empty())
        return;
    // The event procedures by the name Access gave them: the control's name
    // with its blanks and signs made "_" (its letters kept, Größe_Click), or
    // as the converter spells it.
    std::map<std::string, std::string, ILess> procedures;
    for (const auto& [access, vbName] : renamed) {
        procedures.emplace(EventProcedurePrefix(access), vbName);
        procedures.emplace(MakeVBName(access), vbName);
    }
    for (std::string& line : code.MutableLines())
        line = Rename(line, renamed, procedures);
}

}  // namespace velorin
