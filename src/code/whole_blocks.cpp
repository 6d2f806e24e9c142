#include "code/whole_blocks.h"

#include <cctype>
#include <string>
#include <vector>

#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

enum class Kind { Other, Open, Middle, Close, Procedure, ProcedureEnd };
enum class Block { None, If, Select, For, Do, While, With };

struct Statement {
    size_t first = 0;  // physical lines
    size_t last = 0;
    bool commented = false;
    Kind kind = Kind::Other;
    Block block = Block::None;
};

std::string_view WithoutModifiers(std::string_view text) {
    for (bool again = true; again;) {
        again = false;
        for (std::string_view m : {"Private", "Public", "Friend", "Static"}) {
            if (StartsWithWord(text, m)) {
                text = TrimWhitespace(text.substr(m.size()));
                again = true;
            }
        }
    }
    return text;
}

void Classify(std::string_view text, Statement& s) {
    const std::string_view code = CodeBeforeComment(text);
    const std::string_view bare = WithoutModifiers(code);
    if (StartsWithWord(bare, "Sub") || StartsWithWord(bare, "Function") ||
        (StartsWithWord(bare, "Property") && !IStartsWith(bare, "Property ="))) {
        s.kind = Kind::Procedure;
        return;
    }
    if (StartsWithWord(code, "End")) {
        const std::string_view rest = TrimWhitespace(code.substr(3));
        if (StartsWithWord(rest, "Sub") || StartsWithWord(rest, "Function") ||
            StartsWithWord(rest, "Property")) {
            s.kind = Kind::ProcedureEnd;
        } else if (StartsWithWord(rest, "If")) {
            s = {s.first, s.last, s.commented, Kind::Close, Block::If};
        } else if (StartsWithWord(rest, "Select")) {
            s = {s.first, s.last, s.commented, Kind::Close, Block::Select};
        } else if (StartsWithWord(rest, "With")) {
            s = {s.first, s.last, s.commented, Kind::Close, Block::With};
        }
        return;
    }
    struct Word {
        std::string_view word;
        Kind kind;
        Block block;
    };
    static constexpr Word kWords[] = {
        {"ElseIf", Kind::Middle, Block::If},   {"Else", Kind::Middle, Block::If},
        {"Case", Kind::Middle, Block::Select}, {"Next", Kind::Close, Block::For},
        {"Loop", Kind::Close, Block::Do},      {"Wend", Kind::Close, Block::While},
        {"For", Kind::Open, Block::For},       {"Do", Kind::Open, Block::Do},
        {"While", Kind::Open, Block::While},   {"With", Kind::Open, Block::With},
    };
    if (StartsWithWord(code, "Select")) {
        s.kind = Kind::Open;
        s.block = Block::Select;
        return;
    }
    if (StartsWithWord(code, "If")) {
        // A block If has nothing after its Then; a one-line If is complete.
        if (IEndsWith(code, " Then") || IEquals(code, "Then")) {
            s.kind = Kind::Open;
            s.block = Block::If;
        }
        return;
    }
    for (const Word& w : kWords) {
        if (StartsWithWord(code, w.word)) {
            s.kind = w.kind;
            s.block = w.block;
            return;
        }
    }
}

std::vector<Statement> ReadStatements(const std::vector<std::string>& lines) {
    std::vector<Statement> statements;
    for (size_t i = 0; i < lines.size();) {
        Statement s;
        s.first = i;
        s.commented = true;
        std::string text;
        for (;; ++i) {
            std::string_view line = TrimBlanks(lines[i]);
            const bool marked = line.starts_with(kMarker);
            if (marked)
                line.remove_prefix(kMarker.size());
            s.commented = s.commented && marked;
            const bool more = (line.ends_with(" _") || line == "_") && i + 1 < lines.size();
            text += more ? line.substr(0, line.size() - 1) : line;
            if (!more)
                break;
        }
        s.last = i++;
        // A line of the application's own comment is not a statement.
        if (!s.commented && (text.starts_with("'") || StartsWithWord(text, "Rem")))
            s.commented = false;
        else
            Classify(text, s);
        if (text.starts_with("'") || StartsWithWord(text, "Rem"))
            s.kind = Kind::Other;
        statements.push_back(s);
    }
    return statements;
}

}  // namespace

long CommentOutBrokenBlocks(CodeText& code) {
    const std::vector<Statement> statements = ReadStatements(code.Lines());
    std::vector<bool> comment(statements.size(), false);

    struct Open {
        size_t at;
        Block block;
        std::vector<size_t> middles;
    };
    std::vector<Open> stack;
    auto finish = [&](const Open& open, size_t closer) {
        if (statements[open.at].commented || statements[closer].commented) {
            for (size_t k = open.at; k <= closer; ++k)
                comment[k] = true;
            return;
        }
        // A branch whose Case, Else or ElseIf is commented out goes with it.
        for (size_t m = 0; m < open.middles.size(); ++m) {
            const size_t from = open.middles[m];
            if (!statements[from].commented)
                continue;
            const size_t to = m + 1 < open.middles.size() ? open.middles[m + 1] : closer;
            for (size_t k = from; k < to; ++k)
                comment[k] = true;
        }
    };
    for (size_t i = 0; i < statements.size(); ++i) {
        const Statement& s = statements[i];
        switch (s.kind) {
            case Kind::Procedure:
                stack.clear();
                // A procedure whose header is commented out goes whole, its
                // End with it: its body would stand outside any procedure.
                if (s.commented) {
                    size_t k = i + 1;
                    while (k < statements.size() && statements[k].kind != Kind::Procedure &&
                           statements[k].kind != Kind::ProcedureEnd)
                        ++k;
                    const bool closed =
                        k < statements.size() && statements[k].kind == Kind::ProcedureEnd;
                    const size_t through = closed ? k : k - 1;
                    for (size_t j = i; j <= through; ++j)
                        comment[j] = true;
                    i = through;
                }
                break;
            case Kind::ProcedureEnd:
                stack.clear();
                break;
            case Kind::Open:
                stack.push_back({i, s.block, {}});
                break;
            case Kind::Middle:
                if (!stack.empty() && stack.back().block == s.block)
                    stack.back().middles.push_back(i);
                break;
            case Kind::Close:
                if (!stack.empty() && stack.back().block == s.block) {
                    finish(stack.back(), i);
                    stack.pop_back();
                }
                break;
            case Kind::Other:
                break;
        }
    }

    long added = 0;
    std::vector<std::string>& lines = code.MutableLines();
    for (size_t i = 0; i < statements.size(); ++i) {
        if (!comment[i] || statements[i].commented)
            continue;
        for (size_t k = statements[i].first; k <= statements[i].last; ++k) {
            std::string_view line = TrimBlanks(lines[k]);
            // Comments and blank lines stay as they are: they hold no code.
            if (line.starts_with("'") || line.empty())
                continue;
            lines[k] = std::string(kMarker) + std::string(line);
            ++added;
        }
    }
    return added;
}

}  // namespace velorin
