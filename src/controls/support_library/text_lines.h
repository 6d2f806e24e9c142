// A text file of the output directory as lines, read and written back whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/output_directory.h"

namespace velorin {

class TextLines {
  public:
    // Reads the file; a missing file reads as no lines (Exists() tells).
    TextLines(const OutputDirectory& out, std::string_view file);

    bool Exists() const { return exists_; }
    std::vector<std::string>& Lines() { return lines_; }
    const std::vector<std::string>& Lines() const { return lines_; }
    // Writes the lines back, each ending in CR LF.
    bool Save(OutputDirectory& out, std::string_view file) const;

  private:
    bool exists_ = false;
    std::vector<std::string> lines_;
};

}  // namespace velorin
