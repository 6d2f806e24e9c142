#include <algorithm>

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"
#include "controls/support_library/text_lines.h"

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

bool OpensProcedure(const std::string& normalized) {
    return normalized.starts_with("sub ") || normalized.starts_with("function ") ||
           normalized.starts_with("property ");
}

bool ClosesProcedure(std::string_view line) {
    std::string n = Normalize(line);
    return n.starts_with("end sub") || n.starts_with("end function") ||
           n.starts_with("end property");
}

bool OpensBlock(std::string_view line) {
    std::string n = Normalize(line);
    return n == "begin" || n.starts_with("begin ") || n.starts_with("beginproperty");
}

bool ClosesBlock(std::string_view line) {
    std::string n = Normalize(line);
    return n == "end" || n.starts_with("endproperty");
}

// Where placement 1 puts a line beside the anchor at `at`.
size_t EndOfAnchorBlock(const std::vector<std::string>& lines, size_t at,
                        std::string_view newLine) {
    std::string anchor = Normalize(lines[at]);
    if (OpensProcedure(anchor)) {
        for (size_t i = at + 1; i < lines.size(); ++i) {
            if (ClosesProcedure(lines[i]))
                return i;
        }
        return lines.size();
    }
    if (OpensBlock(lines[at])) {
        int depth = 0;
        for (size_t i = at + 1; i < lines.size(); ++i) {
            if (OpensBlock(lines[i]))
                ++depth;
            else if (ClosesBlock(lines[i]) && depth-- == 0)
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

}  // namespace

bool LinesMatch(std::string_view line, std::string_view anchor) {
    return Normalize(line) == Normalize(anchor);
}

void InsertLine(OutputDirectory& out, std::string_view file, std::string_view anchor,
                std::string_view newLine, int placement) {
    TextLines text(out, file);
    if (!text.Exists())
        return;
    std::vector<std::string>& lines = text.Lines();
    auto it = std::find_if(lines.begin(), lines.end(),
                           [&](const std::string& l) { return LinesMatch(l, anchor); });
    if (it == lines.end())
        return;
    size_t at = static_cast<size_t>(it - lines.begin());
    if (IsBlank(lines[at])) {
        lines[at] = std::string(newLine);
    } else {
        size_t position = placement == 1 ? EndOfAnchorBlock(lines, at, newLine) : at + 1;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(position), std::string(newLine));
    }
    text.Save(out, file);
}

int IsDuplicateLine(const OutputDirectory& out, std::string_view file, std::string_view line,
                    int start) {
    TextLines text(out, file);
    const std::vector<std::string>& lines = text.Lines();
    for (size_t i = static_cast<size_t>(std::max(start, 0)); i < lines.size(); ++i) {
        if (LinesMatch(lines[i], line))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

void ChangeLine(OutputDirectory& out, std::string_view file, std::string_view oldText,
                std::string_view newText) {
    TextLines text(out, file);
    for (std::string& line : text.Lines()) {
        if (IFind(line, oldText) != std::string::npos) {
            line = std::string(newText);
            text.Save(out, file);
            return;
        }
    }
}

int AddToCtlArray(OutputDirectory& out, std::string_view frmFile, std::string_view arrayName,
                  std::string_view beginLine, std::string_view index) {
    TextLines text(out, frmFile);
    std::vector<std::string>& lines = text.Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!LinesMatch(lines[i], beginLine))
            continue;
        // "Begin VB.Label Name" becomes "Begin VB.Label Array" with its Index.
        std::string_view trimmed = TrimBlanks(lines[i]);
        size_t nameAt = trimmed.find_last_of(' ');
        std::string head(
            trimmed.substr(0, nameAt == std::string_view::npos ? trimmed.size() : nameAt));
        size_t indent = lines[i].find_first_not_of(" \t");
        lines[i] = lines[i].substr(0, indent) + head + " " + std::string(arrayName);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                     "Index = " + std::string(index));
        return text.Save(out, frmFile) ? 1 : 0;
    }
    return 0;
}

void AddDataCtlEntry(OutputDirectory& out, std::string_view fragment, std::string_view dataControl,
                     std::string_view statement) {
    std::string header = "Private Sub " + std::string(dataControl) + "_Reposition()";
    TextLines text(out, fragment);
    std::vector<std::string>& lines = text.Lines();
    auto it = std::find_if(lines.begin(), lines.end(),
                           [&](const std::string& l) { return LinesMatch(l, header); });
    if (it == lines.end()) {
        lines.push_back(header);
        if (!statement.empty())
            lines.emplace_back(statement);
        lines.emplace_back("End Sub");
    } else if (!statement.empty()) {
        // Right after the header: a subform's link statements are added last to
        // first, so that its record source is set before it is refreshed and moved.
        lines.insert(it + 1, std::string(statement));
    }
    text.Save(out, fragment);
}

}  // namespace velorin
