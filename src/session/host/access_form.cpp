#include "session/host/access_form.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "common/string_helpers.h"
#include "session/host/access_defaults.h"
#include "session/host/known_properties.h"
#include "session/host/office_theme.h"

namespace velorin {
namespace {

struct HeadType {
    std::string_view head;
    int type;
};

constexpr HeadType kControlHeads[] = {
    {"Label", 100},
    {"Rectangle", 101},
    {"Line", 102},
    {"Image", 103},
    {"CommandButton", 104},
    {"OptionButton", 105},
    {"CheckBox", 106},
    {"OptionGroup", 107},
    {"BoundObjectFrame", 108},
    {"TextBox", 109},
    {"ListBox", 110},
    {"ComboBox", 111},
    {"Subform", 112},
    {"Subreport", 112},
    {"UnboundObjectFrame", 114},
    {"ObjectFrame", 114},
    {"PageBreak", 118},
    {"CustomControl", 119},
    {"ToggleButton", 122},
    {"Tab", 123},
    {"TabControl", 123},
    {"Page", 124},
    {"Attachment", 126},
    {"EmptyCell", 127},
    {"WebBrowser", 128},
    {"NavigationControl", 129},
    {"NavigationButton", 130},
    {"Chart", 133},
};

struct HeadSection {
    std::string_view head;
    int number;
};

constexpr HeadSection kSectionHeads[] = {
    {"Section", 0},    {"Detail", 0},       {"FormHeader", 1}, {"ReportHeader", 1},
    {"FormFooter", 2}, {"ReportFooter", 2}, {"PageHeader", 3}, {"PageFooter", 4},
};

// Sections of a report's group levels come after the five fixed ones.
constexpr int kFirstGroupSection = 5;

int SectionFromHead(std::string_view head) {
    for (const HeadSection& s : kSectionHeads) {
        if (IEquals(s.head, head))
            return s.number;
    }
    return -1;
}

bool IsGroupSectionHead(std::string_view head) {
    return IEquals(head, "BreakHeader") || IEquals(head, "BreakFooter");
}

PropertyValue Interpret(const TextProperty& property, const BuiltInDefault* builtIn) {
    bool isBoolean = builtIn != nullptr && builtIn->kind == DefaultKind::Boolean;
    if (property.notDefault) {
        if (isBoolean)
            return PropertyValue::Boolean(!DefaultValue(*builtIn).AsBool());
        // A Boolean of a later version reads against its own default.
        const std::optional<bool> later = LaterBooleanDefault(property.name);
        return PropertyValue::Boolean(later ? !*later : true);
    }
    if (isBoolean && property.value.kind() == PropertyValue::Kind::Number) {
        return PropertyValue::Boolean(property.value.AsNumber() != 0);
    }
    return property.value;
}

// Where a property is looked for: the object's own text, then (for a
// control) the form's default block for its type.
struct Levels {
    const PropertyList* own = nullptr;
    const PropertyList* typeDefaults = nullptr;

    const TextProperty* Find(std::string_view name) const {
        if (const TextProperty* p = own->Find(name))
            return p;
        return typeDefaults != nullptr ? typeDefaults->Find(name) : nullptr;
    }
};

// The colours a later version may give by a slot of the Office theme
// instead of a value: BackColor by BackThemeColorIndex, BackTint and
// BackShade, and so on.
struct ThemeColourNames {
    std::string_view index;
    std::string_view tint;
    std::string_view shade;
};

const ThemeColourNames* ThemeColourFamily(std::string_view name) {
    static constexpr struct {
        std::string_view family;
        ThemeColourNames names;
    } kFamilies[] = {
        {"Back", {"BackThemeColorIndex", "BackTint", "BackShade"}},
        {"Fore", {"ForeThemeColorIndex", "ForeTint", "ForeShade"}},
        {"Border", {"BorderThemeColorIndex", "BorderTint", "BorderShade"}},
    };
    for (const auto& f : kFamilies) {
        if (name.size() == f.family.size() + 5 && IStartsWith(name, f.family) &&
            IEndsWith(name, "Color"))
            return &f.names;
    }
    return nullptr;
}

// A colour or font that a later version may give by the theme alone, looked
// for level by level: a plain value wins where a level writes both (later
// exports write the resolved colour beside the theme index of each control);
// an index of -1 says the value is the plain one, so that a theme further out
// no longer counts. Empty when no level says anything.
std::optional<PropertyValue> ResolveThemed(const Levels& levels, std::string_view plain,
                                           std::string_view index, std::string_view tint,
                                           std::string_view shade, const BuiltInDefault* builtIn) {
    bool themeOff = false;
    for (const PropertyList* level : {levels.own, levels.typeDefaults}) {
        if (level == nullptr)
            continue;
        if (const TextProperty* value = level->Find(plain))
            return Interpret(*value, builtIn);
        const TextProperty* slot = themeOff ? nullptr : level->Find(index);
        if (slot == nullptr)
            continue;
        const long number = slot->value.AsLong();
        if (number < 0) {
            themeOff = true;
            continue;
        }
        if (tint.empty()) {
            const std::string_view font = OfficeThemeFont(number);
            if (font.empty())
                return std::nullopt;
            return PropertyValue::Text(std::string(font));
        }
        auto percent = [&levels](std::string_view name) {
            const TextProperty* p = levels.Find(name);
            return p != nullptr ? p->value.AsNumber() : 100.0;
        };
        if (std::optional<long> colour = OfficeThemeColour(number, percent(tint), percent(shade)))
            return PropertyValue::Number(static_cast<double>(*colour));
        return std::nullopt;
    }
    return std::nullopt;
}

// A control's geometry that a later export leaves out (it writes no value
// that equals Access's default) but keeps in its layout cache, whose Width
// and Height are the right and bottom edges.
std::optional<PropertyValue> FromLayoutCache(const PropertyList& own, std::string_view name) {
    auto cached = [&own](std::string_view cacheName) -> std::optional<double> {
        const TextProperty* p = own.Find(cacheName);
        if (p == nullptr)
            return std::nullopt;
        return p->value.AsNumber();
    };
    auto start = [&cached](std::string_view cacheName) { return cached(cacheName).value_or(0); };
    std::optional<double> value;
    if (IEquals(name, "Left")) {
        value = cached("LayoutCachedLeft");
    } else if (IEquals(name, "Top")) {
        value = cached("LayoutCachedTop");
    } else if (IEquals(name, "Width")) {
        if (std::optional<double> right = cached("LayoutCachedWidth"))
            value = *right - start("LayoutCachedLeft");
    } else if (IEquals(name, "Height")) {
        if (std::optional<double> bottom = cached("LayoutCachedHeight"))
            value = *bottom - start("LayoutCachedTop");
    }
    if (!value || *value < 0)
        return std::nullopt;
    return PropertyValue::Number(*value);
}

}  // namespace

int ControlTypeFromHead(std::string_view head) {
    for (const HeadType& h : kControlHeads) {
        if (IEquals(h.head, head))
            return h.type;
    }
    return -1;
}

const AccessControl* AccessControl::Parent() const {
    return parent_ < 0 ? nullptr : &form_->Controls()[static_cast<size_t>(parent_)];
}

PropertyValue AccessControl::Property(std::string_view name) const {
    if (IEquals(name, "ControlType"))
        return PropertyValue::Number(controlType_);
    if (IEquals(name, "Section"))
        return PropertyValue::Number(section_);
    if (IEquals(name, "Name"))
        return PropertyValue::Text(name_);
    return form_->Resolve(controlType_, typeDefaults_, properties_, name);
}

PropertyValue AccessForm::Resolve(int objectType, const PropertyList* typeDefaults,
                                  const PropertyList& own, std::string_view name) const {
    const BuiltInDefault* builtIn = FindBuiltInDefault(objectType, name);
    const bool control = objectType >= control_type::kLabel;
    Levels levels{&own, control ? typeDefaults : nullptr};
    // Exports of later Access versions write a control's border style under
    // its older name.
    const bool border = control && IEquals(name, "BorderStyle");
    const TextProperty* property = own.Find(name);
    if (property == nullptr && border)
        property = own.Find("OldBorderStyle");
    if (property != nullptr)
        return Interpret(*property, builtIn);
    if (control) {
        if (std::optional<PropertyValue> cached = FromLayoutCache(own, name))
            return *cached;
    }
    std::optional<PropertyValue> themed;
    if (const ThemeColourNames* family = ThemeColourFamily(name)) {
        themed = ResolveThemed(levels, name, family->index, family->tint, family->shade, builtIn);
    } else if (IEquals(name, "FontName")) {
        themed = ResolveThemed(levels, name, "ThemeFontIndex", {}, {}, builtIn);
    }
    if (themed)
        return *themed;
    if (levels.typeDefaults != nullptr) {
        property = levels.typeDefaults->Find(name);
        if (property == nullptr && border)
            property = levels.typeDefaults->Find("OldBorderStyle");
        if (property != nullptr)
            return Interpret(*property, builtIn);
    }
    if (builtIn != nullptr)
        return DefaultValue(*builtIn);
    return {};
}

bool AccessControl::HasEventProcedure() const {
    const std::vector<TextProperty>& own = properties_.Items();
    return std::any_of(own.begin(), own.end(), [](const TextProperty& property) {
        return property.value.AsText() == "[Event Procedure]";
    });
}

PropertyValue AccessForm::Property(std::string_view name) const {
    if (IEquals(name, "Name"))
        return PropertyValue::Text(name_);
    return Resolve(kFormObject, nullptr, properties_, name);
}

bool AccessForm::HasSection(int number) const {
    return number >= 0 && number < static_cast<int>(sections_.size()) &&
           sections_[static_cast<size_t>(number)].exists;
}

PropertyValue AccessForm::SectionProperty(int number, std::string_view name) const {
    if (!HasSection(number))
        return {};
    return Resolve(kSectionObject, nullptr, sections_[static_cast<size_t>(number)].properties,
                   name);
}

const AccessControl* AccessForm::FindControl(std::string_view name) const {
    for (const AccessControl& c : controls_) {
        if (IEquals(c.Name(), name))
            return &c;
    }
    return nullptr;
}

class AccessFormBuilder {
  public:
    AccessFormBuilder(const ObjectText& text, AccessForm& form) : text_(text), form_(form) {}

    FormBuildResult Build() {
        const TextBlock* root = nullptr;
        for (int id : text_.roots) {
            const TextBlock& block = Block(id);
            if (IEquals(block.head, "Form") || IEquals(block.head, "Report")) {
                root = &block;
                break;
            }
        }
        if (root == nullptr)
            return {false, 1, "no Begin Form or Begin Report block"};
        form_.isReport_ = IEquals(root->head, "Report");
        form_.properties_ = root->properties;

        int nextGroupSection = kFirstGroupSection;
        for (int containerId : root->children) {
            const TextBlock& container = Block(containerId);
            if (!container.head.empty())
                continue;
            for (int id : container.children) {
                const TextBlock& block = Block(id);
                int number = SectionFromHead(block.head);
                if (number < 0 && IsGroupSectionHead(block.head))
                    number = nextGroupSection++;
                if (number >= 0) {
                    AddSection(block, number);
                } else if (!form_.typeDefaults_.count(block.head)) {
                    form_.typeDefaults_.emplace(block.head, block.properties);
                }
            }
        }
        for (AccessControl& control : form_.controls_) {
            control.form_ = &form_;
            const auto defaults = form_.typeDefaults_.find(control.typeName_);
            if (defaults != form_.typeDefaults_.end())
                control.typeDefaults_ = &defaults->second;
        }
        return {true, 0, {}};
    }

  private:
    const TextBlock& Block(int id) const { return text_.blocks[static_cast<size_t>(id)]; }

    void AddSection(const TextBlock& block, int number) {
        if (number < static_cast<int>(form_.sections_.size())) {
            AccessSection& section = form_.sections_[static_cast<size_t>(number)];
            if (section.exists)
                return;
            section.exists = true;
            section.typeName = block.head;
            section.properties = block.properties;
        }
        for (int child : block.children) {
            if (Block(child).head.empty())
                AddControls(Block(child).children, number, -1);
        }
    }

    // Depth-first, a control before the controls nested in it, without
    // recursion so that deep nesting cannot exhaust the stack.
    void AddControls(const std::vector<int>& blocks, int section, int parent) {
        struct Pending {
            int block;
            int parent;
        };
        std::vector<Pending> stack;
        for (auto it = blocks.rbegin(); it != blocks.rend(); ++it)
            stack.push_back({*it, parent});
        while (!stack.empty()) {
            Pending next = stack.back();
            stack.pop_back();
            const TextBlock& block = Block(next.block);
            if (block.head.empty()) {
                for (auto it = block.children.rbegin(); it != block.children.rend(); ++it) {
                    stack.push_back({*it, next.parent});
                }
                continue;
            }
            AccessControl control;
            control.index_ = static_cast<int>(form_.controls_.size());
            control.controlType_ = ControlTypeFromHead(block.head);
            control.section_ = section;
            control.parent_ = next.parent;
            control.line_ = block.line;
            control.typeName_ = block.head;
            control.properties_ = block.properties;
            if (const TextProperty* name = block.properties.Find("Name")) {
                control.name_ = name->value.AsText();
            }
            if (next.parent >= 0) {
                form_.controls_[static_cast<size_t>(next.parent)].children_.push_back(
                    control.index_);
            }
            int self = control.index_;
            form_.controls_.push_back(std::move(control));
            for (auto it = block.children.rbegin(); it != block.children.rend(); ++it) {
                stack.push_back({*it, self});
            }
        }
    }

    const ObjectText& text_;
    AccessForm& form_;
};

FormBuildResult BuildAccessForm(const ObjectText& text, std::string name, std::string sourcePath,
                                AccessForm& form) {
    form.name_ = std::move(name);
    form.sourcePath_ = std::move(sourcePath);
    FormBuildResult result = AccessFormBuilder(text, form).Build();
    if (result.ok && text.hasCode) {
        form.codeLines_ = CodeModuleLines(text.codeLines);
        form.hasModule_ = true;
    }
    return result;
}

namespace {

// Where the code of a module's export begins: after the VERSION 1.0 CLASS
// line and its BEGIN ... END block, which a class module's export starts with.
size_t AfterClassHeader(const std::vector<std::string>& lines) {
    if (lines.empty() || !IStartsWith(lines[0], "VERSION ") || !IEndsWith(lines[0], "CLASS"))
        return 0;
    size_t i = 1;
    if (i < lines.size() && IEquals(lines[i], "BEGIN")) {
        while (i < lines.size() && !IEquals(lines[i], "END"))
            ++i;
        if (i < lines.size())
            ++i;
    }
    return i;
}

bool IsAttributeLine(std::string_view line) {
    return IStartsWith(line, "Attribute ") && IFind(line, "VB_") != std::string_view::npos &&
           line.find('=') != std::string_view::npos;
}

}  // namespace

std::vector<std::string> CodeModuleLines(std::vector<std::string> lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (size_t i = AfterClassHeader(lines); i < lines.size(); ++i) {
        if (!IsAttributeLine(lines[i]))
            out.push_back(std::move(lines[i]));
    }
    return out;
}

bool DeclaresPredeclaredId(const std::vector<std::string>& lines) {
    for (size_t i = AfterClassHeader(lines); i < lines.size() && IsAttributeLine(lines[i]); ++i) {
        const std::string_view line = TrimBlanks(lines[i]);
        if (IStartsWith(line, "Attribute VB_PredeclaredId"))
            return IEndsWith(line, "True");
    }
    return false;
}

}  // namespace velorin
