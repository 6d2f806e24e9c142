#include "output/code_text.h"

namespace velorin {

std::vector<std::string>& CodeText::MutableLines() {
    keys_.clear();
    keyOf_ = nullptr;
    return lines_;
}

void CodeText::Append(std::string line) {
    Insert(lines_.size(), std::move(line));
}

void CodeText::Append(const CodeText& other) {
    for (const std::string& line : other.lines_)
        Append(line);
}

void CodeText::Insert(size_t at, std::string line) {
    if (keyOf_ != nullptr && keys_.size() == lines_.size())
        keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(at), keyOf_(line));
    else
        keys_.clear();
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void CodeText::Replace(size_t at, std::string line) {
    if (keyOf_ != nullptr && keys_.size() == lines_.size())
        keys_[at] = keyOf_(line);
    else
        keys_.clear();
    lines_[at] = std::move(line);
}

const std::vector<std::string>& CodeText::Keys(KeyOf keyOf) const {
    if (keyOf != keyOf_ || keys_.size() != lines_.size()) {
        keyOf_ = keyOf;
        keys_.clear();
        keys_.reserve(lines_.size());
        for (const std::string& line : lines_)
            keys_.push_back(keyOf(line));
    }
    return keys_;
}

std::string CodeText::Joined() const {
    size_t size = 0;
    for (const std::string& line : lines_)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace velorin
