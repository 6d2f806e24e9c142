// The Begin/End text that Access's SaveAsText writes for forms, reports, macros
// and queries (and our command-bar files), read into a flat tree of blocks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/host/property_value.h"

namespace velorin {

struct TextProperty {
    std::string name;
    PropertyValue value;
    // Written `Name = NotDefault`: the opposite of Access's default.
    bool notDefault = false;
    int line = 0;
};

// Properties in text order; names compare without regard to case.
class PropertyList {
  public:
    const TextProperty* Find(std::string_view name) const;
    void Add(TextProperty property) {
        held_ |= Bit(property.name);
        items_.push_back(std::move(property));
    }
    const std::vector<TextProperty>& Items() const { return items_; }
    // The last property added, whose value a continuation line extends.
    TextProperty* Last() { return items_.empty() ? nullptr : &items_.back(); }

  private:
    // Most names asked for are absent: a bit for the names' lengths and
    // first and last letters rules them out without a scan.
    static uint64_t Bit(std::string_view name);

    std::vector<TextProperty> items_;
    uint64_t held_ = 0;
};

struct TextBlock {
    std::string head;  // "Form", "Label", ... ; empty for a bare "Begin"
    int line = 0;
    int parent = -1;  // index in ObjectText::blocks; -1 at top level
    PropertyList properties;
    std::vector<int> children;
};

struct ObjectText {
    PropertyList header;            // properties before the first block
    std::vector<TextBlock> blocks;  // every block, parents before children
    std::vector<int> roots;         // top-level blocks
    bool hasCode = false;           // a CodeBehindForm line was seen
    std::vector<std::string> codeLines;
};

struct ObjectTextError {
    int line = 0;
    std::string message;
};

struct ObjectTextResult {
    std::optional<ObjectText> text;
    ObjectTextError error;  // set when text is empty
};

// `content` is already decoded to Windows-1252.
ObjectTextResult ReadObjectText(std::string_view content);

}  // namespace velorin
