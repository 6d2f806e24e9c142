#include "output/code_text.h"

namespace velorin {

CodeText::CodeText(std::vector<std::string> lines, std::vector<uint32_t> sources)
    : lines_(std::move(lines)), sources_(std::move(sources)) {
    if (sources_.size() != lines_.size())
        sources_.clear();
}

std::vector<std::string>& CodeText::MutableLines() {
    keys_.clear();
    keyOf_ = nullptr;
    return lines_;
}

void CodeText::Append(std::string line) {
    Insert(lines_.size(), std::move(line));
}

void CodeText::Append(const CodeText& other) {
    const uint32_t current = currentSource_;
    for (size_t i = 0; i < other.lines_.size(); ++i) {
        currentSource_ = other.SourceOf(i);
        Append(other.lines_[i]);
    }
    currentSource_ = current;
}

void CodeText::Insert(size_t at, std::string line) {
    if (keyOf_ != nullptr && keys_.size() == lines_.size())
        keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(at), keyOf_(line));
    else
        keys_.clear();
    if (currentSource_ != 0 || HasSources()) {
        sources_.resize(lines_.size());
        sources_.insert(sources_.begin() + static_cast<std::ptrdiff_t>(at), currentSource_);
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

bool CodeText::HasSources() const {
    // Lines added or dropped through MutableLines lose what they came from.
    if (!sources_.empty() && sources_.size() != lines_.size())
        sources_.clear();
    return !sources_.empty();
}

uint32_t CodeText::SourceOf(size_t line) const {
    return HasSources() && line < sources_.size() ? sources_[line] : 0;
}

void CodeText::NumberAsSource() {
    sources_.resize(lines_.size());
    for (size_t i = 0; i < sources_.size(); ++i)
        sources_[i] = static_cast<uint32_t>(i + 1);
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
    return JoinedLines(lines_);
}

std::string JoinedLines(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace velorin
