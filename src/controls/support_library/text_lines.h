// A text file of the output directory as lines. The directory holds the lines
// in memory between edits and writes them back when it lets go of the file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/output_directory.h"

namespace velorin {

class TextLines {
  public:
    using KeyOf = std::string (*)(std::string_view line);

    // A missing file reads as no lines (Exists() tells).
    TextLines(const OutputDirectory& out, std::string_view file);

    bool Exists() const { return held_ != nullptr; }
    // For changes of any kind: the compare keys are built again when next needed.
    std::vector<std::string>& Lines();
    const std::vector<std::string>& Lines() const;
    // Each line's key, built once and kept while the edits go through Insert.
    const std::vector<std::string>& Keys(KeyOf keyOf);
    void Insert(size_t at, std::string line, KeyOf keyOf);
    void Replace(size_t at, std::string line, KeyOf keyOf);
    // Marks the file changed; a missing file comes into being with these lines.
    bool Save(OutputDirectory& out, std::string_view file);

  private:
    HeldText* held_ = nullptr;
    std::vector<std::string> own_;  // the lines of a file that does not exist yet
};

}  // namespace velorin
