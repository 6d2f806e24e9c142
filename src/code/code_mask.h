// Searching and replacing in the code of a line only: the inside of a string
// literal and a trailing comment are the user's text and are never rewritten
// (a rule that takes a string as its own argument reads it itself).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/pair_filter.h"

namespace velorin {

// The line with the inside of each string literal and the trailing comment
// (an apostrophe, or a Rem that starts a statement) blanked out, so that a
// search finds only code, at the positions it has in the line.
std::string MaskedCode(std::string_view line);
// Writes the same into `masked`, whose storage is used again.
void MaskCodeInto(std::string_view line, std::string& masked);

// A line's masked code and its pair filter, made again only when the line
// changed: the translation's stages ask them of one line over and over.
class MaskedLine {
  public:
    const std::string& Of(std::string_view line) {
        if (!made_ || line != source_) {
            source_.assign(line);
            MaskCodeInto(line, masked_);
            filter_.Reset(masked_);
            made_ = true;
        }
        return masked_;
    }
    // The filter of the line last passed to Of.
    const PairFilter& Filter() const { return filter_; }

  private:
    bool made_ = false;
    std::string source_;
    std::string masked_;
    PairFilter filter_{std::string_view()};
};
// Where the code of the line ends: the start of its trailing comment, or its
// size. Blanks before the comment belong to the comment.
size_t CodeEnd(std::string_view line);

// Whether the line continues on the next: it ends with " _".
bool ContinuesOnNextLine(std::string_view line);
// Lines `first` to `last`, each continued on the next, as one statement: each
// " _" read as the blank it stands for, or as nothing after a "." or "!"
// (Me!lstA. _ Requery is Me!lstA.Requery).
std::string JoinContinuedLines(const std::vector<std::string>& lines, size_t first, size_t last);

// Case-insensitive search in the code of a line; npos when absent.
size_t FindInCode(std::string_view line, std::string_view text, size_t from = 0);
bool CodeContains(std::string_view line, std::string_view text, bool exactCase = false);
// Replaces every occurrence of `find` in the code of the line (ignoring case)
// by `repl`; an occurrence that a replacement brings about is replaced too,
// unless `repl` itself holds `find`.
std::string ReplaceInCode(std::string_view line, std::string_view find, std::string_view repl);

}  // namespace velorin
