// A form (or report) opened in design view: its own properties, its sections
// and its controls, every property read by name.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_text.h"
#include "session/host/object_text.h"
#include "session/host/property_value.h"

namespace velorin {

// Access ControlType values.
namespace control_type {
inline constexpr int kLabel = 100;
inline constexpr int kRectangle = 101;
inline constexpr int kLine = 102;
inline constexpr int kImage = 103;
inline constexpr int kCommandButton = 104;
inline constexpr int kOptionButton = 105;
inline constexpr int kCheckBox = 106;
inline constexpr int kOptionGroup = 107;
inline constexpr int kBoundObjectFrame = 108;
inline constexpr int kTextBox = 109;
inline constexpr int kListBox = 110;
inline constexpr int kComboBox = 111;
inline constexpr int kSubform = 112;
inline constexpr int kObjectFrame = 114;
inline constexpr int kPageBreak = 118;
inline constexpr int kCustomControl = 119;
inline constexpr int kToggleButton = 122;
inline constexpr int kTabControl = 123;
inline constexpr int kPage = 124;
}  // namespace control_type

// The ControlType of a control block's head ("Label", "TextBox", ...); -1 when
// the head names no control Access 97 knows.
int ControlTypeFromHead(std::string_view head);

// Access section numbers.
namespace section_number {
inline constexpr int kDetail = 0;
inline constexpr int kFormHeader = 1;
inline constexpr int kFormFooter = 2;
inline constexpr int kPageHeader = 3;
inline constexpr int kPageFooter = 4;
}  // namespace section_number

class AccessForm;
struct FormBuildResult;

class AccessControl {
  public:
    int ControlType() const { return controlType_; }
    int Section() const { return section_; }
    const std::string& Name() const { return name_; }
    const std::string& TypeName() const { return typeName_; }
    // The control this one lies in (attached label, group, page); nullptr when
    // its parent is the form.
    const AccessControl* Parent() const;
    const std::vector<int>& Children() const { return children_; }
    int Index() const { return index_; }
    int SourceLine() const { return line_; }
    // The property as Access reads it: the control's own value, else the form's
    // default for its type, else Access's built-in default, else empty.
    // "ControlType", "Section" and "Name" answer too.
    PropertyValue Property(std::string_view name) const;
    std::string Text(std::string_view name) const { return Property(name).AsText(); }
    // Whether one of its own event properties is "[Event Procedure]": the
    // form's code has procedures of its name.
    bool HasEventProcedure() const;
    // The form the control belongs to.
    const AccessForm& Form() const { return *form_; }

  private:
    friend class AccessFormBuilder;
    const AccessForm* form_ = nullptr;
    int index_ = 0;
    int controlType_ = -1;
    int section_ = 0;
    int parent_ = -1;
    int line_ = 0;
    std::string typeName_;
    std::string name_;
    PropertyList properties_;
    // The form's default block for the control's type; nullptr when it has none.
    const PropertyList* typeDefaults_ = nullptr;
    std::vector<int> children_;
};

struct AccessSection {
    bool exists = false;
    std::string typeName;  // FormHeader, Section, ...
    PropertyList properties;
};

class AccessForm {
  public:
    AccessForm() = default;
    AccessForm(const AccessForm&) = delete;
    AccessForm& operator=(const AccessForm&) = delete;

    const std::string& Name() const { return name_; }
    bool IsReport() const { return isReport_; }
    const std::string& SourcePath() const { return sourcePath_; }

    // Form property with Access's default; "Name" is the document name.
    PropertyValue Property(std::string_view name) const;
    std::string Text(std::string_view name) const { return Property(name).AsText(); }

    // Sections 0 to 4; a section that does not exist reads as empty.
    bool HasSection(int number) const;
    PropertyValue SectionProperty(int number, std::string_view name) const;

    // Every control in text order: a control before the controls inside it.
    const std::vector<AccessControl>& Controls() const { return controls_; }
    const AccessControl* FindControl(std::string_view name) const;

    // Lets the controls go, once nothing will read them again (a run of the
    // command line, after its forms are converted): the form keeps its own
    // properties, sections and code.
    void ReleaseControls() { std::vector<AccessControl>().swap(controls_); }

    // The form module's code as Access's code module returns it.
    const std::vector<std::string>& CodeLines() const { return codeLines_; }
    bool HasModule() const { return hasModule_; }
    // Code kept beside the design (exporters that split a form's code out).
    void SetCodeLines(std::vector<std::string> lines) {
        codeLines_ = std::move(lines);
        hasModule_ = true;
    }

    // Resolution shared by the form and its controls: `typeDefaults` is the
    // default block of a control's type, or nullptr.
    PropertyValue Resolve(int objectType, const PropertyList* typeDefaults, const PropertyList& own,
                          std::string_view name) const;

  private:
    friend class AccessFormBuilder;
    friend FormBuildResult BuildAccessForm(const ObjectText&, std::string, std::string,
                                           AccessForm&);
    std::string name_;
    std::string sourcePath_;
    bool isReport_ = false;
    bool hasModule_ = false;
    PropertyList properties_;
    std::array<AccessSection, 5> sections_;
    std::map<std::string, PropertyList, ILess> typeDefaults_;
    std::vector<AccessControl> controls_;
    std::vector<std::string> codeLines_;
};

struct FormBuildResult {
    bool ok = false;
    int line = 0;
    std::string message;
};

// Fills `form` from the object text of a form or report export.
FormBuildResult BuildAccessForm(const ObjectText& text, std::string name, std::string sourcePath,
                                AccessForm& form);

// Drops what the export adds around a module's code: the class header, the
// Attribute lines and the trailing empty line of the file.
std::vector<std::string> CodeModuleLines(std::vector<std::string> lines);
// Whether the module's attributes give it a predeclared instance, as a form's
// class module has (Attribute VB_PredeclaredId = True).
bool DeclaresPredeclaredId(const std::vector<std::string>& lines);

}  // namespace velorin
