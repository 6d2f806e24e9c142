#include "output/design_block.h"

#include <cctype>
#include <set>
#include <utility>

#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

constexpr int kDesignIndent = 3;

bool IsPropertyGroupStart(std::string_view t) {
    return StartsWithWord(t, "BeginProperty");
}

bool IsPropertyGroupEnd(std::string_view t) {
    return StartsWithWord(t, "EndProperty");
}

bool IsBlockStart(std::string_view t) {
    return StartsWithWord(t, "Begin");
}

std::string Indented(std::string_view line, int depth) {
    const std::string_view t = TrimWhitespace(line);
    if (t.empty())
        return {};
    const auto indent = static_cast<size_t>(depth * kDesignIndent);
    std::string out;
    out.reserve(indent + t.size());
    out.append(indent, ' ').append(t);
    return out;
}

// The words after "Begin": the class and the name, blanks between them ignored.
std::pair<std::string_view, std::string_view> ClassAndName(std::string_view opening) {
    std::string_view rest = TrimWhitespace(opening);
    rest.remove_prefix(std::min<size_t>(rest.size(), 5));
    rest = TrimWhitespace(rest);
    const size_t blank = rest.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return {rest, {}};
    return {rest.substr(0, blank), TrimWhitespace(rest.substr(blank))};
}

}  // namespace

bool OpensDesignLevel(std::string_view t) {
    return IsBlockStart(t) || IsPropertyGroupStart(t);
}

bool ClosesDesignLevel(std::string_view t) {
    return IEquals(t, "End") || IsPropertyGroupEnd(t);
}

DesignBlock::DesignBlock(std::string opening) : opening_(std::move(opening)) {}

std::string_view DesignBlock::ClassName() const {
    return ClassAndName(opening_).first;
}

std::string_view DesignBlock::Name() const {
    return ClassAndName(opening_).second;
}

void DesignBlock::Rename(std::string_view name) {
    const std::string_view trimmed = TrimWhitespace(opening_);
    const std::string_view current = ClassAndName(opening_).second;
    const size_t at =
        current.empty() ? trimmed.size() : static_cast<size_t>(current.data() - trimmed.data());
    opening_ =
        std::string(trimmed.substr(0, at)) + (current.empty() ? " " : "") + std::string(name);
}

void DesignBlock::AddLine(std::string line) {
    items_.push_back({std::move(line), nullptr});
}

void DesignBlock::AddLineFirst(std::string line) {
    items_.insert(items_.begin(), Item{std::move(line), nullptr});
}

DesignBlock& DesignBlock::AddBlock(std::string opening) {
    items_.push_back({{}, std::make_unique<DesignBlock>(std::move(opening))});
    return *items_.back().block;
}

void DesignBlock::AddBlock(std::unique_ptr<DesignBlock> block) {
    items_.push_back({{}, std::move(block)});
}

void DesignBlock::TakeItemsOf(DesignBlock& other) {
    for (Item& item : other.items_)
        items_.push_back(std::move(item));
    other.items_.clear();
}

std::vector<std::string_view> DesignBlock::Lines() const {
    std::vector<std::string_view> lines;
    for (const Item& item : items_) {
        if (!item.block)
            lines.push_back(item.line);
    }
    return lines;
}

std::vector<const DesignBlock*> DesignBlock::Blocks() const {
    std::vector<const DesignBlock*> blocks;
    for (const Item& item : items_) {
        if (item.block)
            blocks.push_back(item.block.get());
    }
    return blocks;
}

std::vector<DesignBlock*> DesignBlock::MutableBlocks() {
    std::vector<DesignBlock*> blocks;
    for (Item& item : items_) {
        if (item.block)
            blocks.push_back(item.block.get());
    }
    return blocks;
}

void DesignBlock::RemoveLines(const std::function<bool(std::string_view)>& remove) {
    std::erase_if(items_, [&](const Item& item) { return !item.block && remove(item.line); });
}

void DesignBlock::EditLines(const std::function<void(std::string&)>& edit) {
    for (Item& item : items_) {
        if (!item.block)
            edit(item.line);
    }
}

void DesignBlock::Visit(const std::function<void(DesignBlock&)>& visit) {
    visit(*this);
    for (Item& item : items_) {
        if (item.block)
            item.block->Visit(visit);
    }
}

void DesignBlock::Visit(const std::function<void(const DesignBlock&)>& visit) const {
    visit(*this);
    for (const Item& item : items_) {
        if (item.block)
            std::as_const(*item.block).Visit(visit);
    }
}

void DesignBlock::AppendLines(std::vector<std::string>& lines, int depth) const {
    lines.push_back(Indented(opening_, depth));
    int group = 0;  // property groups open inside the block
    for (const Item& item : items_) {
        if (item.block) {
            item.block->AppendLines(lines, depth + 1 + group);
            continue;
        }
        const std::string_view t = TrimWhitespace(item.line);
        if (IsPropertyGroupEnd(t) && group > 0)
            --group;
        lines.push_back(Indented(t, depth + 1 + group));
        if (IsPropertyGroupStart(t))
            ++group;
    }
    lines.push_back(Indented("End", depth));
}

int CountControlNames(const DesignBlock& form) {
    std::set<std::string, ILess> names;
    for (const DesignBlock* block : form.Blocks()) {
        block->Visit([&](const DesignBlock& inner) { names.emplace(inner.Name()); });
    }
    return static_cast<int>(names.size());
}

void DesignWriter::WriteLine(std::string_view text) {
    if (stack_.empty())
        return;
    const std::string_view t = TrimWhitespace(text);
    if (IsBlockStart(t) && !IsPropertyGroupStart(t)) {
        stack_.push_back(&stack_.back()->AddBlock(std::string(t)));
    } else if (IEquals(t, "End")) {
        // The container itself is closed by its owner, never by a line.
        if (stack_.size() > 1)
            stack_.pop_back();
    } else {
        stack_.back()->AddLine(std::string(text));
    }
}

void DesignWriter::AddBlock(std::unique_ptr<DesignBlock> block) {
    if (!stack_.empty())
        stack_.back()->AddBlock(std::move(block));
}

}  // namespace velorin
