// Lines of generated code held in memory while the conversion edits them,
// with a compare key per line built once when an edit first needs it, and
// the Access line each came from.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

class CodeText {
  public:
    using KeyOf = std::string (*)(std::string_view line);

    CodeText() = default;
    explicit CodeText(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    // Lines with the Access line each came from (see SourceOf); as many as lines.
    CodeText(std::vector<std::string> lines, std::vector<uint32_t> sources);

    bool Empty() const { return lines_.empty(); }
    size_t Size() const { return lines_.size(); }
    const std::vector<std::string>& Lines() const { return lines_; }
    // For changes of any kind: the keys are built again when next needed.
    // A line keeps its source while the count of lines stays; a change of the
    // count forgets every line's source.
    std::vector<std::string>& MutableLines();

    void Append(std::string line);
    void Append(const CodeText& other);
    void Insert(size_t at, std::string line);
    void Replace(size_t at, std::string line);

    // Each line's key under `keyOf`, kept in step through Append, Insert and
    // Replace until the lines change in other ways.
    const std::vector<std::string>& Keys(KeyOf keyOf) const;

    // The lines, each ending in CR LF.
    std::string Joined() const;

    // Where each line came from: the number, from 1, of the Access line it
    // was written for (the first of a continued statement), or 0 for a line
    // the conversion made on its own. A line added by Append or Insert takes
    // the current source; Replace keeps the line's own.
    uint32_t SourceOf(size_t line) const;
    // The source of the lines added from now on (0: none).
    void SetCurrentSource(uint32_t source) { currentSource_ = source; }
    // Lines 1 to n are the Access lines 1 to n: the code as read.
    void NumberAsSource();
    bool HasSources() const;

  private:
    std::vector<std::string> lines_;
    // Empty until a line has a source; then one per line.
    mutable std::vector<uint32_t> sources_;
    uint32_t currentSource_ = 0;
    mutable std::vector<std::string> keys_;
    mutable KeyOf keyOf_ = nullptr;
};

// The lines joined, each ending in CR LF.
std::string JoinedLines(const std::vector<std::string>& lines);

}  // namespace velorin
