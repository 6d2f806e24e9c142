// A form's design section as Visual Basic reads it: the form block holding
// its property lines and the blocks of its controls, nested as they nest.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

class DesignBlock {
  public:
    // `opening` is the block's "Begin Library.Class Name" line.
    explicit DesignBlock(std::string opening);

    const std::string& Opening() const { return opening_; }
    // "VB.Label" and "lblName" of "Begin VB.Label lblName".
    std::string_view ClassName() const;
    std::string_view Name() const;
    // The block takes another name; its class stays.
    void Rename(std::string_view name);

    // A property line, a line of a property group ("BeginProperty Font" to
    // "EndProperty") or a blank line, after what the block holds so far.
    void AddLine(std::string line);
    // A property line right after the opening line, before all others.
    void AddLineFirst(std::string line);
    // A block inside this one, after what the block holds so far.
    DesignBlock& AddBlock(std::string opening);
    void AddBlock(std::unique_ptr<DesignBlock> block);
    // Moves every line and block of `other` to the end of this block.
    void TakeItemsOf(DesignBlock& other);

    // The property lines (group lines included), in order.
    std::vector<std::string_view> Lines() const;
    // The blocks directly inside this one, in order.
    std::vector<const DesignBlock*> Blocks() const;
    std::vector<DesignBlock*> MutableBlocks();
    // Removes the block's own lines for which `remove` says so, in order.
    void RemoveLines(const std::function<bool(std::string_view)>& remove);
    // Lets `edit` change each of the block's own lines, in order.
    void EditLines(const std::function<void(std::string&)>& edit);
    // This block and every block inside it, in the order a form file lists them.
    void Visit(const std::function<void(DesignBlock&)>& visit);
    void Visit(const std::function<void(const DesignBlock&)>& visit) const;

    // The lines of the block as a form file holds them, each indented three
    // blanks a level (the block's own lines at `depth`), without line ends.
    void AppendLines(std::vector<std::string>& lines, int depth) const;

  private:
    struct Item {
        std::string line;                    // when `block` is empty
        std::unique_ptr<DesignBlock> block;  // a block inside this one
    };
    std::string opening_;
    std::vector<Item> items_;
};

// Writes lines into a block as a form file reads them: a "Begin" line opens a
// block inside the current one, "End" closes it, and every other line belongs
// to the block that is open.
class DesignWriter {
  public:
    DesignWriter() = default;
    explicit DesignWriter(DesignBlock* container) : stack_{container} {}

    bool IsOpen() const { return !stack_.empty(); }
    void WriteLine(std::string_view text);
    // A finished block inside the block that is open.
    void AddBlock(std::unique_ptr<DesignBlock> block);
    void Close() { stack_.clear(); }

  private:
    std::vector<DesignBlock*> stack_;
};

// The names of the blocks inside `form` as Visual Basic counts them against
// its limit of names per form: the blocks of a control array count once.
int CountControlNames(const DesignBlock& form);

// "Begin" and "BeginProperty" open, "End" and "EndProperty" close a level.
bool OpensDesignLevel(std::string_view trimmedLine);
bool ClosesDesignLevel(std::string_view trimmedLine);

}  // namespace velorin
