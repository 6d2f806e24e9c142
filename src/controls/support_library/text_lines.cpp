#include "controls/support_library/text_lines.h"

#include "common/string_helpers.h"

namespace velorin {

TextLines::TextLines(const OutputDirectory& out, std::string_view file) {
    std::optional<std::string> content = out.Read(file);
    if (!content)
        return;
    exists_ = true;
    lines_ = SplitLines(*content);
}

bool TextLines::Save(OutputDirectory& out, std::string_view file) const {
    size_t size = 0;
    for (const std::string& line : lines_)
        size += line.size() + 2;
    std::string content;
    content.reserve(size);
    for (const std::string& line : lines_) {
        content += line;
        content += "\r\n";
    }
    return out.Write(file, content);
}

}  // namespace velorin
