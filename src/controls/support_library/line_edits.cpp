#include <algorithm>
#include <utility>

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"

namespace velorin {
namespace {

std::string Normalize(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            space = !out.empty();
            continue;
        }
        if (space)
            out.push_back(' ');
        space = false;
        out.push_back(AnsiLower(c));
    }
    for (std::string_view modifier : {"private ", "public ", "static ", "friend "}) {
        if (out.starts_with(modifier)) {
            std::string_view rest = std::string_view(out).substr(modifier.size());
            if (rest.starts_with("sub ") || rest.starts_with("function ") ||
                rest.starts_with("property ")) {
                out.erase(0, modifier.size());
            }
            break;
        }
    }
    return out;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string FirstWord(std::string_view line) {
    line = TrimBlanks(line);
    size_t end = line.find_first_of(" \t=");
    return AnsiLowerCase(line.substr(0, end));
}

bool OpensProcedure(std::string_view key) {
    return key.starts_with("sub ") || key.starts_with("function ") || key.starts_with("property ");
}

bool ClosesProcedure(std::string_view key) {
    return key.starts_with("end sub") || key.starts_with("end function") ||
           key.starts_with("end property");
}

bool OpensBlock(std::string_view key) {
    return key == "begin" || key.starts_with("begin ") || key.starts_with("beginproperty");
}

bool ClosesBlock(std::string_view key) {
    return key == "end" || key.starts_with("endproperty");
}

// Where placement 1 puts a line beside the anchor at `at`.
size_t EndOfAnchorBlock(const std::vector<std::string>& lines, const std::vector<std::string>& keys,
                        size_t at, std::string_view newLine) {
    if (OpensProcedure(keys[at])) {
        for (size_t i = at + 1; i < lines.size(); ++i) {
            if (ClosesProcedure(keys[i]))
                return i;
        }
        return lines.size();
    }
    if (OpensBlock(keys[at])) {
        int depth = 0;
        for (size_t i = at + 1; i < lines.size(); ++i) {
            if (OpensBlock(keys[i]))
                ++depth;
            else if (ClosesBlock(keys[i]) && depth-- == 0)
                return i;
        }
        return lines.size();
    }
    // Lines of the same kind placed here before stay in the order they came.
    std::string kind = FirstWord(newLine);
    size_t i = at + 1;
    while (i < lines.size() && !kind.empty() && FirstWord(lines[i]) == kind)
        ++i;
    return i;
}

// The first line at or after `from` whose key is `key`.
size_t FindKey(const std::vector<std::string>& keys, std::string_view key, size_t from = 0) {
    for (size_t i = from; i < keys.size(); ++i) {
        if (keys[i] == key)
            return i;
    }
    return keys.size();
}

}  // namespace

bool LinesMatch(std::string_view line, std::string_view anchor) {
    return Normalize(line) == Normalize(anchor);
}

void InsertLine(CodeText& text, std::string_view anchor, std::string_view newLine, int placement) {
    const std::vector<std::string>& keys = text.Keys(Normalize);
    const size_t at = FindKey(keys, Normalize(anchor));
    if (at == keys.size())
        return;
    const std::vector<std::string>& lines = text.Lines();
    if (IsBlank(lines[at])) {
        text.Replace(at, std::string(newLine));
    } else {
        size_t position = placement == 1 ? EndOfAnchorBlock(lines, keys, at, newLine) : at + 1;
        text.Insert(position, std::string(newLine));
    }
}

int IsDuplicateLine(const CodeText& text, std::string_view line, int start) {
    const std::vector<std::string>& keys = text.Keys(Normalize);
    const size_t at = FindKey(keys, Normalize(line), static_cast<size_t>(std::max(start, 0)));
    return at == keys.size() ? 0 : static_cast<int>(at) + 1;
}

std::optional<ProcedurePlace> FindProcedure(const CodeText& text, std::string_view name) {
    const std::string wanted = AnsiLowerCase(name);
    const std::vector<std::string>& keys = text.Keys(Normalize);
    for (size_t i = 0; i < keys.size(); ++i) {
        std::string_view key = keys[i];
        // Keys are folded to lower case: a header starts with s, f or p.
        if (key.empty() || (key[0] != 's' && key[0] != 'f' && key[0] != 'p'))
            continue;
        bool header = false;
        for (std::string_view kind :
             {"sub ", "function ", "property get ", "property let ", "property set "}) {
            if (key.starts_with(kind)) {
                key.remove_prefix(kind.size());
                header = true;
                break;
            }
        }
        if (!header || !key.starts_with(wanted))
            continue;
        key.remove_prefix(wanted.size());
        if (!key.empty() && key[0] != '(' && key[0] != ' ')
            continue;
        ProcedurePlace place{i, i};
        // A header continued with " _" ends on a later line.
        while (place.headerEnd + 1 < keys.size() && keys[place.headerEnd].ends_with(" _"))
            ++place.headerEnd;
        return place;
    }
    return std::nullopt;
}

void ChangeLine(CodeText& text, std::string_view oldText, std::string_view newText) {
    const std::vector<std::string>& lines = text.Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IFind(lines[i], oldText) != std::string::npos) {
            text.Replace(i, std::string(newText));
            return;
        }
    }
}

int AddToCtlArray(DesignBlock& form, std::string_view arrayName, std::string_view beginLine,
                  std::string_view index) {
    const std::string key = Normalize(beginLine);
    DesignBlock* found = nullptr;
    form.Visit([&](DesignBlock& block) {
        if (found == nullptr && Normalize(block.Opening()) == key)
            found = &block;
    });
    if (found == nullptr)
        return 0;
    // "Begin VB.Label Name" becomes "Begin VB.Label Array" with its Index.
    found->Rename(arrayName);
    found->AddLineFirst("Index = " + std::string(index));
    return 1;
}

void AddDataCtlEntry(CodeText& code, std::string_view dataControl, std::string_view statement) {
    std::string header = "Private Sub " + std::string(dataControl) + "_Reposition()";
    const size_t at = FindKey(code.Keys(Normalize), Normalize(header));
    const size_t end = code.Size();
    if (at == end) {
        code.Append(header);
        if (!statement.empty())
            code.Append(std::string(statement));
        code.Append("End Sub");
    } else if (!statement.empty()) {
        // Right after the header: a subform's link statements are added last to
        // first, so that its record source is set before it is refreshed and moved.
        code.Insert(at + 1, std::string(statement));
    }
}

}  // namespace velorin
