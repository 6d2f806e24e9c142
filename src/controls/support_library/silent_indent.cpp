// Re-indents a finished file: the design section of a form with its nested
// Begin ... End blocks three blanks a level, as Visual Basic writes form files,
// and code four blanks a level, as the Visual Basic editor shows it.
#include <cctype>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"

namespace velorin {
namespace {

constexpr int kDesignIndent = 3;
constexpr int kCodeIndent = 4;

std::string_view DropModifiers(std::string_view text) {
    for (bool again = true; again;) {
        again = false;
        for (std::string_view m : {"Private", "Public", "Friend", "Static", "Global"}) {
            if (StartsWithWord(text, m)) {
                text = TrimWhitespace(text.substr(m.size()));
                again = true;
            }
        }
    }
    return text;
}

bool EndsWithWord(std::string_view text, std::string_view word) {
    if (!IEndsWith(text, word))
        return false;
    size_t at = text.size() - word.size();
    return at == 0 || text[at - 1] == ' ' || text[at - 1] == ')' || text[at - 1] == '"';
}

bool IsLabel(std::string_view code) {
    if (code.size() < 2 || code.back() != ':')
        return false;
    for (size_t i = 0; i + 1 < code.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(code[i]);
        if (!(std::isalnum(c) || c == '_'))
            return false;
    }
    return true;
}

enum class Block { Procedure, If, Loop, Select, With, Type };

class CodeIndenter {
  public:
    // Returns the indent level of a logical line's first physical line.
    int Place(std::string_view code) {
        std::string_view bare = DropModifiers(code);
        if (IsProcedureStart(bare)) {
            level_ = 0;
            stack_.assign(1, Block::Procedure);
            level_ = 1;
            return 0;
        }
        if (StartsWithWord(code, "End")) {
            std::string_view rest = TrimWhitespace(code.substr(3));
            if (StartsWithWord(rest, "Sub") || StartsWithWord(rest, "Function") ||
                StartsWithWord(rest, "Property")) {
                stack_.clear();
                level_ = 0;
                return 0;
            }
            if (StartsWithWord(rest, "Select"))
                return Close(Block::Select, 2);
            if (StartsWithWord(rest, "If") || StartsWithWord(rest, "With") ||
                StartsWithWord(rest, "Type") || StartsWithWord(rest, "Enum")) {
                return Close(StartsWithWord(rest, "If")     ? Block::If
                             : StartsWithWord(rest, "With") ? Block::With
                                                            : Block::Type,
                             1);
            }
            return level_;
        }
        if (StartsWithWord(code, "Next") || StartsWithWord(code, "Loop") ||
            StartsWithWord(code, "Wend")) {
            return Close(Block::Loop, 1);
        }
        if (StartsWithWord(code, "Else") || StartsWithWord(code, "ElseIf"))
            return std::max(level_ - 1, 0);
        if (StartsWithWord(code, "Case"))
            return std::max(level_ - 1, 0);
        if (StartsWithWord(code, "Select"))
            return Open(Block::Select, 2);
        if (StartsWithWord(code, "If") && EndsWithWord(code, "Then"))
            return Open(Block::If, 1);
        if (StartsWithWord(code, "For") || StartsWithWord(code, "Do") ||
            StartsWithWord(code, "While")) {
            return Open(Block::Loop, 1);
        }
        if (StartsWithWord(code, "With"))
            return Open(Block::With, 1);
        if ((StartsWithWord(bare, "Type") || StartsWithWord(bare, "Enum")) && level_ == 0) {
            return Open(Block::Type, 1);
        }
        return level_;
    }
    int Level() const { return level_; }

  private:
    static bool IsProcedureStart(std::string_view bare) {
        return StartsWithWord(bare, "Sub") || StartsWithWord(bare, "Function") ||
               (StartsWithWord(bare, "Property") && !IStartsWith(bare, "Property ="));
    }
    int Open(Block block, int step) {
        int at = level_;
        stack_.push_back(block);
        level_ += step;
        return at;
    }
    int Close(Block, int step) {
        if (!stack_.empty())
            stack_.pop_back();
        level_ = std::max(level_ - step, 0);
        return level_;
    }

    int level_ = 0;
    std::vector<Block> stack_;
};

bool IsBeginLine(std::string_view t) {
    return StartsWithWord(t, "Begin") || StartsWithWord(t, "BeginProperty");
}
bool IsEndLine(std::string_view t) {
    return IEquals(t, "End") || StartsWithWord(t, "EndProperty");
}

// Gives the line `spaces` blanks before its text and nothing after it; most
// lines are written so already and are left as they are.
void Reindent(std::string& line, size_t spaces) {
    const std::string_view text = TrimWhitespace(line);
    if (text.empty()) {
        line.clear();
        return;
    }
    const auto at = static_cast<size_t>(text.data() - line.data());
    if (at == spaces && at + text.size() == line.size() && line.find_first_not_of(' ') == spaces)
        return;
    std::string out;
    out.reserve(spaces + text.size());
    out.append(spaces, ' ').append(text);
    line = std::move(out);
}

}  // namespace

void SilentIndent(CodeText& text) {
    std::vector<std::string>& lines = text.MutableLines();

    size_t i = 0;
    // A form file opens with its VERSION line and design section.
    size_t firstText = 0;
    while (firstText < lines.size() && TrimWhitespace(lines[firstText]).empty())
        ++firstText;
    if (firstText < lines.size() && StartsWithWord(TrimWhitespace(lines[firstText]), "VERSION")) {
        int depth = 0;
        bool opened = false;
        for (; i < lines.size(); ++i) {
            if (IsEndLine(TrimWhitespace(lines[i])) && depth > 0)
                --depth;
            Reindent(lines[i], static_cast<size_t>(depth * kDesignIndent));
            const std::string_view t = lines[i];
            if (IsBeginLine(TrimWhitespace(t))) {
                ++depth;
                opened = true;
            } else if (opened && depth == 0 && IEquals(TrimWhitespace(t), "End")) {
                ++i;
                break;
            }
        }
    }

    CodeIndenter indenter;
    while (i < lines.size()) {
        std::string t(TrimWhitespace(lines[i]));
        if (t.empty()) {
            lines[i++].clear();
            continue;
        }
        // A statement continued over lines (" _") is judged as one; its further
        // lines stand one level deeper.
        std::string logical(CodeBeforeComment(t));
        size_t last = i;
        auto continues = [](std::string_view line) {
            if (line.find('_') == std::string_view::npos)
                return false;
            const std::string_view code = CodeBeforeComment(line);
            return code.ends_with(" _") || code == "_";
        };
        while (last + 1 < lines.size() && continues(lines[last])) {
            logical.resize(logical.size() - 1);
            logical += CodeBeforeComment(lines[++last]);
        }
        int level;
        if (t[0] == '\'' || StartsWithWord(t, "Rem")) {
            level = indenter.Level();
        } else if (IsLabel(logical)) {
            level = 0;
        } else {
            level = indenter.Place(TrimWhitespace(logical));
        }
        for (size_t k = i; k <= last; ++k) {
            const int at = k == i ? level : level + 1;
            Reindent(lines[k], static_cast<size_t>(at * kCodeIndent));
        }
        i = last + 1;
    }
}

}  // namespace velorin
