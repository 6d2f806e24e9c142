#include "project/design_section_check.h"

#include <algorithm>
#include <map>

#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "project/vb_tokens.h"

namespace velorin {
namespace {

constexpr size_t kLongestName = 40;
constexpr size_t kLongestPropertyPart = 30;
constexpr size_t kMostNames = 254;
constexpr int kDeepestNesting = 25;
constexpr long kHighestIndex = 32767;

size_t SkipBlanks(std::string_view text, size_t pos) {
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    return pos;
}

// What may follow a value: blanks, then nothing or a comment.
bool EndsCleanly(std::string_view text, size_t pos) {
    pos = SkipBlanks(text, pos);
    return pos == text.size() || text[pos] == '\'';
}

// Reads a quoted string at `pos` (a '"'); returns the position after its
// closing quote, or npos when the line ends inside it.
size_t StringEnd(std::string_view text, size_t pos) {
    for (size_t i = pos + 1; i < text.size(); ++i) {
        if (text[i] != '"')
            continue;
        if (i + 1 < text.size() && text[i + 1] == '"') {
            ++i;
            continue;
        }
        return i + 1;
    }
    return std::string_view::npos;
}

// The fault of the value part of a property line; empty when well formed.
std::string ValueFault(std::string_view name, std::string_view text) {
    size_t pos = SkipBlanks(text, 0);
    if (pos == text.size())
        return "property " + std::string(name) + " has no value";
    if (text[pos] == '"') {
        const size_t end = StringEnd(text, pos);
        if (end == std::string_view::npos)
            return "the string value of " + std::string(name) + " is not terminated";
        pos = end;
        if (pos < text.size() && text[pos] == ':') {
            size_t digits = pos + 1;
            while (digits < text.size() && IsHexDigit(text[digits]))
                ++digits;
            if (digits - pos - 1 != 4)
                return "the resource offset of " + std::string(name) + " is not 4 hex digits";
            pos = digits;
        }
        if (!EndsCleanly(text, pos))
            return "ill-formed string value of " + std::string(name) + ": \"" +
                   std::string(TrimBlanks(text.substr(pos))) +
                   "\" follows its closing quote (a quote inside a string is written \"\")";
        return {};
    }
    if (text[pos] == '&' && pos + 1 < text.size() &&
        (text[pos + 1] == 'H' || text[pos + 1] == 'h')) {
        size_t end = pos + 2;
        while (end < text.size() && IsHexDigit(text[end]))
            ++end;
        if (end == pos + 2)
            return "the hex value of " + std::string(name) + " has no digits";
        if (end < text.size() && text[end] == '&')
            ++end;
        return EndsCleanly(text, end) ? std::string()
                                      : "ill-formed hex value of " + std::string(name);
    }
    if (IStartsWith(text.substr(pos), "True") || IStartsWith(text.substr(pos), "False")) {
        const size_t end = pos + (IStartsWith(text.substr(pos), "True") ? 4 : 5);
        if (EndsCleanly(text, end))
            return {};
    }
    size_t end = pos;
    if (end < text.size() && (text[end] == '-' || text[end] == '+'))
        ++end;
    const size_t digitsStart = end;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
    }
    if (end > digitsStart && (end - digitsStart > 1 || text[digitsStart] != '.') &&
        EndsCleanly(text, end))
        return {};
    return "ill-formed value of " + std::string(name) + ": " +
           std::string(TrimBlanks(text.substr(pos)));
}

// The fault of a property name (Caption, _ExtentX, Tab(0).Control(1), ...).
std::string NameFault(std::string_view name) {
    if (name.empty())
        return "a property line without a name";
    size_t pos = 0;
    bool firstPart = true;
    while (pos < name.size()) {
        if (firstPart && name[pos] == '_')
            ++pos;
        const size_t start = pos;
        while (pos < name.size() && IsVbNameChar(name[pos]))
            ++pos;
        const std::string_view part = name.substr(start, pos - start);
        if (!IsVbIdentifier(part))
            return "ill-formed property name " + std::string(name);
        if (part.size() > kLongestPropertyPart)
            return "property name " + std::string(part) + " is longer than 30 characters";
        if (pos < name.size() && name[pos] == '(') {
            const size_t close = name.find(')', pos);
            if (close == std::string_view::npos || close == pos + 1)
                return "ill-formed property name " + std::string(name);
            for (size_t i = pos + 1; i < close; ++i) {
                if (!IsDigit(name[i]))
                    return "ill-formed property name " + std::string(name);
            }
            pos = close + 1;
        }
        if (pos < name.size()) {
            if (name[pos] != '.' || pos + 1 == name.size())
                return "ill-formed property name " + std::string(name);
            ++pos;
        }
        firstPart = false;
    }
    return {};
}

struct ControlBlock {
    std::string name;
    std::string className;
    int line = 0;
    bool hasIndex = false;
    long index = 0;
};

struct OpenBlock {
    bool isProperty = false;
    int line = 0;
    int control = -1;             // index into the blocks; -1 for the form and property groups
    LoadedBlock* node = nullptr;  // where its lines go
};

class DesignReader {
  public:
    DesignReader(const std::vector<std::string_view>& lines, std::vector<ProjectFinding>& findings,
                 BlockTree tree)
        : lines_(lines), findings_(findings), keepTree_(tree == BlockTree::Read) {}

    FormDesign Read() {
        size_t i = 0;
        ReadHeader(i);
        ReadFormBlock(i);
        ReadAfterForm(i);
        design_.codeStart = i;
        CheckNames();
        return std::move(design_);
    }

  private:
    void Fault(size_t index, std::string message) {
        ProjectFinding finding;
        finding.line = static_cast<int>(index + 1);
        finding.message = std::move(message);
        findings_.push_back(std::move(finding));
    }

    std::string_view Trimmed(size_t i) const { return TrimWhitespace(lines_[i]); }

    void ReadHeader(size_t& i) {
        if (lines_.empty()) {
            Fault(0, "the form file is empty");
            return;
        }
        const std::string_view version = Trimmed(0);
        if (!IEquals(version, "VERSION 4.00") && !IEquals(version, "VERSION 5.00"))
            Fault(0, "the first line is not VERSION 4.00 or VERSION 5.00");
        if (IStartsWith(version, "VERSION"))
            ++i;
        for (; i < lines_.size(); ++i) {
            const std::string_view line = Trimmed(i);
            if (line.empty())
                continue;
            if (!IStartsWith(line, "Object"))
                break;
            CheckObjectLine(i, line);
        }
    }

    void CheckObjectLine(size_t i, std::string_view line) {
        size_t pos = SkipBlanks(line, 6);
        bool ok = pos < line.size() && line[pos] == '=';
        if (ok) {
            pos = SkipBlanks(line, pos + 1);
            const size_t first = pos < line.size() && line[pos] == '"' ? StringEnd(line, pos)
                                                                       : std::string_view::npos;
            ok = first != std::string_view::npos;
            if (ok) {
                pos = SkipBlanks(line, first);
                ok = pos < line.size() && line[pos] == ';';
                pos = SkipBlanks(line, pos + 1);
                const size_t second = ok && pos < line.size() && line[pos] == '"'
                                          ? StringEnd(line, pos)
                                          : std::string_view::npos;
                ok = second != std::string_view::npos && EndsCleanly(line, second);
            }
        }
        if (!ok)
            Fault(i, "ill-formed Object line: " + std::string(line));
    }

    void ReadFormBlock(size_t& i) {
        while (i < lines_.size() && Trimmed(i).empty())
            ++i;
        if (i >= lines_.size()) {
            Fault(lines_.empty() ? 0 : lines_.size() - 1, "the file has no form block");
            return;
        }
        const std::string_view head = Trimmed(i);
        std::string_view name;
        if (IStartsWith(head, "Begin VB.Form ")) {
            name = TrimWhitespace(head.substr(14));
        } else if (IStartsWith(head, "Begin VB.MDIForm ")) {
            name = TrimWhitespace(head.substr(17));
        } else {
            Fault(i, "expected the form block (Begin VB.Form Name), found: " + std::string(head));
            return;
        }
        if (!IsVbIdentifier(name) || name.size() > kLongestName)
            Fault(i, "form name " + std::string(name) +
                         " is not a Visual Basic name of at most 40 characters");
        else if (IsVisualBasicKeyword(name))
            Fault(i, "form name " + std::string(name) + " is a keyword of Visual Basic");
        design_.formName = std::string(name);
        design_.formLine = static_cast<int>(i + 1);
        design_.form.className = std::string(TrimWhitespace(head.substr(6, head.find(' ', 6) - 6)));
        design_.form.name = design_.formName;
        design_.form.line = design_.formLine;
        std::vector<OpenBlock> open{
            {false, static_cast<int>(i + 1), -1, keepTree_ ? &design_.form : nullptr}};
        for (++i; i < lines_.size() && !open.empty(); ++i)
            ReadBlockLine(i, open);
        if (!open.empty()) {
            for (auto it = open.rbegin(); it != open.rend(); ++it) {
                const size_t at = static_cast<size_t>(it->line - 1);
                if (it->isProperty)
                    Fault(at, "BeginProperty without EndProperty");
                else if (it->control < 0)
                    Fault(at, "the form block is not closed by its End");
                else
                    Fault(at, "the block of " + blocks_[static_cast<size_t>(it->control)].name +
                                  " is not closed by its End");
            }
        }
    }

    // The block a Begin line opens inside `parent`; null when no tree is kept.
    static LoadedBlock* NewChild(const OpenBlock& parent) {
        return parent.node != nullptr ? &parent.node->children.emplace_back() : nullptr;
    }

    int BlockDepth(const std::vector<OpenBlock>& open) const {
        int depth = 0;
        for (const OpenBlock& block : open)
            depth += block.isProperty ? 0 : 1;
        return depth;
    }

    void ReadBlockLine(size_t i, std::vector<OpenBlock>& open) {
        const std::string_view line = Trimmed(i);
        if (line.empty())
            return;
        if (IStartsWith(line, "Begin ") || IEquals(line, "Begin")) {
            OpenControl(i, line, open);
        } else if (IEquals(line, "End")) {
            if (open.back().isProperty) {
                Fault(i, "End inside a BeginProperty group: EndProperty is missing");
                open.pop_back();  // the group is taken as closed, then the block
                if (!open.empty())
                    open.pop_back();
            } else {
                open.pop_back();
            }
        } else if (IStartsWith(line, "BeginProperty ") || IEquals(line, "BeginProperty")) {
            const std::string_view rest = TrimBlanks(line.substr(13));
            const std::string_view group = rest.substr(0, rest.find(' '));
            if (group.empty() || !NameFault(group).empty())
                Fault(i, "ill-formed BeginProperty line: " + std::string(line));
            LoadedBlock* node = NewChild(open.back());
            if (node != nullptr) {
                node->isPropertyGroup = true;
                node->name = std::string(group);
                node->line = static_cast<int>(i + 1);
            }
            open.push_back({true, static_cast<int>(i + 1), -1, node});
        } else if (IEquals(line, "EndProperty")) {
            if (!open.back().isProperty)
                Fault(i, "EndProperty without BeginProperty");
            else
                open.pop_back();
        } else {
            CheckPropertyLine(i, line, open.back());
        }
    }

    void OpenControl(size_t i, std::string_view line, std::vector<OpenBlock>& open) {
        const std::string_view rest = TrimBlanks(line.substr(5));
        const size_t blank = rest.find_first_of(" \t");
        const std::string_view className = rest.substr(0, blank);
        const std::string_view name = blank == std::string_view::npos
                                          ? std::string_view()
                                          : TrimWhitespace(rest.substr(blank));
        const size_t dot = className.find('.');
        if (open.back().isProperty)
            Fault(i, "a control block inside a BeginProperty group");
        if (dot == std::string_view::npos || !IsVbIdentifier(className.substr(0, dot)) ||
            !IsVbIdentifier(className.substr(dot + 1)))
            Fault(i,
                  "control block without a class of the form Library.Class: " + std::string(line));
        else if (IEquals(className, "VB.Form") || IEquals(className, "VB.MDIForm"))
            Fault(i, "a second form block inside the form");
        if (name.empty())
            Fault(i, "control block without a name: " + std::string(line));
        else if (!IsVbIdentifier(name) || name.size() > kLongestName)
            Fault(i, "control name " + std::string(name) +
                         " is not a Visual Basic name of at most 40 characters");
        else if (IsVisualBasicKeyword(name))
            Fault(i, "control name " + std::string(name) + " is a keyword of Visual Basic");
        ControlBlock block;
        block.name = std::string(name);
        block.className = std::string(className);
        block.line = static_cast<int>(i + 1);
        blocks_.push_back(std::move(block));
        LoadedBlock* node = NewChild(open.back());
        if (node != nullptr) {
            node->className = std::string(className);
            node->name = std::string(name);
            node->line = static_cast<int>(i + 1);
        }
        open.push_back(
            {false, static_cast<int>(i + 1), static_cast<int>(blocks_.size() - 1), node});
        if (BlockDepth(open) - 1 > kDeepestNesting && !deepReported_) {
            Fault(i, "controls nested more than 25 levels deep");
            deepReported_ = true;
        }
    }

    void CheckPropertyLine(size_t i, std::string_view line, const OpenBlock& owner) {
        const std::string fault = PropertyLineFault(line);
        if (!fault.empty()) {
            Fault(i, fault);
            return;
        }
        if (owner.node != nullptr)
            owner.node->properties.push_back(
                {std::string(TrimWhitespace(line.substr(0, line.find('=')))),
                 std::string(PropertyLineValue(line)), static_cast<int>(i + 1)});
        if (owner.isProperty || owner.control < 0)
            return;
        const std::string_view name = TrimWhitespace(line.substr(0, line.find('=')));
        if (!IEquals(name, "Index"))
            return;
        ControlBlock& block = blocks_[static_cast<size_t>(owner.control)];
        const std::string_view value = TrimWhitespace(line.substr(line.find('=') + 1));
        long index = -1;
        bool numeric = !value.empty() && value.size() < 10;
        for (char c : value)
            numeric = numeric && IsDigit(c);
        if (numeric)
            index = std::stol(std::string(value));
        if (index < 0 || index > kHighestIndex)
            Fault(i, "the Index of " + block.name + " is not a number from 0 to 32767");
        block.hasIndex = true;
        block.index = index;
    }

    void ReadAfterForm(size_t& i) {
        for (; i < lines_.size(); ++i) {
            const std::string_view line = Trimmed(i);
            if (line.empty() || IStartsWith(line, "Attribute "))
                continue;
            if (IStartsWith(line, "Begin VB.Form ") || IStartsWith(line, "Begin VB.MDIForm "))
                Fault(i, "a second form block");
            else if (IStartsWith(line, "Begin ") || IStartsWith(line, "BeginProperty"))
                Fault(i, "a block outside the form: " + std::string(line));
            else if (IEquals(line, "End") || IEquals(line, "EndProperty"))
                Fault(i, std::string(line) + " too many: the form block is already closed");
            else
                break;
            // The stray block is read through, so that its lines are not taken for code.
            if (IStartsWith(line, "Begin")) {
                LoadedBlock stray;
                std::vector<OpenBlock> open{{IStartsWith(line, "BeginProperty"),
                                             static_cast<int>(i + 1), -1,
                                             keepTree_ ? &stray : nullptr}};
                for (++i; i < lines_.size() && !open.empty(); ++i)
                    ReadBlockLine(i, open);
                --i;
            }
        }
    }

    void CheckNames() {
        std::map<std::string, std::vector<size_t>, ILess> byName;
        std::vector<std::string> order;
        for (size_t b = 0; b < blocks_.size(); ++b) {
            if (blocks_[b].name.empty())
                continue;
            auto [it, added] = byName.try_emplace(blocks_[b].name);
            if (added)
                order.push_back(blocks_[b].name);
            it->second.push_back(b);
        }
        for (const std::string& name : order) {
            const std::vector<size_t>& group = byName[name];
            const ControlBlock& first = blocks_[group.front()];
            FormControl control;
            control.name = first.name;
            control.className = first.className;
            control.isArray = first.hasIndex;
            std::map<long, int> indexes;
            for (size_t k = 0; k < group.size(); ++k) {
                const ControlBlock& block = blocks_[group[k]];
                const size_t at = static_cast<size_t>(block.line - 1);
                control.isArray = control.isArray || block.hasIndex;
                if (k == 0) {
                    if (block.hasIndex)
                        indexes.emplace(block.index, block.line);
                    continue;
                }
                if (!block.hasIndex || !first.hasIndex) {
                    Fault(at, "two controls named " + name + " (line " +
                                  std::to_string(first.line) + "), not a control array: " +
                                  (block.hasIndex ? "the first" : "this one") + " has no Index");
                } else if (!IEquals(block.className, first.className)) {
                    Fault(at, "control array " + name + " mixes " + first.className + " and " +
                                  block.className);
                } else if (auto [it, added] = indexes.emplace(block.index, block.line); !added) {
                    Fault(at, "control array " + name + " has Index " +
                                  std::to_string(block.index) + " twice (line " +
                                  std::to_string(it->second) + ")");
                }
            }
            design_.controls.push_back(std::move(control));
        }
        if (order.size() > kMostNames)
            Fault(static_cast<size_t>(design_.formLine - 1),
                  "the form has " + std::to_string(order.size()) +
                      " control names; Visual Basic allows 254");
    }

    const std::vector<std::string_view>& lines_;
    std::vector<ProjectFinding>& findings_;
    bool keepTree_;  // build design_.form with every block and property line
    FormDesign design_;
    std::vector<ControlBlock> blocks_;
    bool deepReported_ = false;
};

}  // namespace

std::string PropertyLineFault(std::string_view line) {
    line = TrimWhitespace(line);
    size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return "not a property line (Name = value): " + std::string(line);
    const std::string_view name = TrimWhitespace(line.substr(0, equals));
    std::string fault = NameFault(name);
    if (!fault.empty())
        return fault;
    return ValueFault(name, line.substr(equals + 1));
}

std::string_view PropertyLineValue(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    const std::string_view text = TrimWhitespace(line.substr(equals + 1));
    if (!text.empty() && text[0] == '"') {
        size_t end = StringEnd(text, 0);
        if (end == std::string_view::npos)
            return text;
        if (end < text.size() && text[end] == ':')
            end += 5;  // the resource offset, four hex digits
        return text.substr(0, std::min(end, text.size()));
    }
    return TrimWhitespace(text.substr(0, text.find('\'')));
}

FormDesign CheckDesignSection(const std::vector<std::string_view>& lines,
                              std::vector<ProjectFinding>& findings, BlockTree tree) {
    return DesignReader(lines, findings, tree).Read();
}

}  // namespace velorin
