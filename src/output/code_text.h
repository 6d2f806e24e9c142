// Lines of generated code held in memory while the conversion edits them,
// with a compare key per line built once when an edit first needs it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velorin {

class CodeText {
  public:
    using KeyOf = std::string (*)(std::string_view line);

    CodeText() = default;
    explicit CodeText(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    bool Empty() const { return lines_.empty(); }
    size_t Size() const { return lines_.size(); }
    const std::vector<std::string>& Lines() const { return lines_; }
    // For changes of any kind: the keys are built again when next needed.
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

  private:
    std::vector<std::string> lines_;
    mutable std::vector<std::string> keys_;
    mutable KeyOf keyOf_ = nullptr;
};

}  // namespace velorin
