#include "controls/support_library/text_lines.h"

namespace velorin {

TextLines::TextLines(const OutputDirectory& out, std::string_view file) : held_(out.Hold(file)) {}

std::vector<std::string>& TextLines::Lines() {
    if (!held_)
        return own_;
    held_->keys.clear();
    return held_->lines;
}

const std::vector<std::string>& TextLines::Lines() const {
    return held_ ? held_->lines : own_;
}

const std::vector<std::string>& TextLines::Keys(KeyOf keyOf) {
    static const std::vector<std::string> none;
    if (!held_)
        return none;
    std::vector<std::string>& keys = held_->keys;
    if (keys.size() != held_->lines.size()) {
        keys.clear();
        keys.reserve(held_->lines.size());
        for (const std::string& line : held_->lines)
            keys.push_back(keyOf(line));
    }
    return keys;
}

void TextLines::Insert(size_t at, std::string line, KeyOf keyOf) {
    std::vector<std::string>& lines = held_ ? held_->lines : own_;
    if (held_ && held_->keys.size() == lines.size())
        held_->keys.insert(held_->keys.begin() + static_cast<std::ptrdiff_t>(at), keyOf(line));
    else if (held_)
        held_->keys.clear();
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void TextLines::Replace(size_t at, std::string line, KeyOf keyOf) {
    std::vector<std::string>& lines = held_ ? held_->lines : own_;
    if (held_ && held_->keys.size() == lines.size())
        held_->keys[at] = keyOf(line);
    else if (held_)
        held_->keys.clear();
    lines[at] = std::move(line);
}

bool TextLines::Save(OutputDirectory& out, std::string_view file) {
    if (!held_) {
        held_ = &out.HoldNew(file, std::move(own_));
        return !out.Failed();
    }
    held_->dirty = true;
    return !out.Failed();
}

}  // namespace velorin
