// A Visual Basic form file while it is generated: its header, its design
// section and the parts of its code, held in memory and written once when the
// form is finished, with the bytes of its binary companion.
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "output/code_text.h"
#include "output/design_block.h"
#include "output/name_registry.h"

namespace velorin {

// Keys of the names the conversion gives: what code translation asks for.
namespace name_key {
inline constexpr std::string_view kFormDataControl = "data control of the form";
inline constexpr std::string_view kTimer = "timer";
inline constexpr std::string_view kSectionFrames = "section frames";
inline constexpr std::string_view kToolbar = "toolbar";
// + the control's name: a list's, combo's or option group's generated control.
inline constexpr std::string_view kListDataControl = "data control of the list ";
inline constexpr std::string_view kGroupFrame = "frame of the option group ";
// + the subform control's name: the data control of the form it embeds.
inline constexpr std::string_view kSubformDataControl = "data control of the subform ";
// + the routine's own name (InitializeListBoxes): a routine Form_Load calls.
inline constexpr std::string_view kLoaderRoutine = "routine ";
}  // namespace name_key

// The name a routine that Form_Load calls got in the form: its own, unless
// the form's code had a procedure of that name.
std::string LoaderRoutineName(const NameRegistry* names, std::string_view routine);

// The code of a form file in the parts the conversion fills, in file order.
struct FormCode {
    CodeText module;                // the Access form module's own code
    CodeText initialValues;         // statements that set values when the form loads
    CodeText listBoxes;             // function InitializeListBoxes
    CodeText comboBoxes;            // function InitializeComboBoxes
    CodeText buttons;               // function InitializeButtons
    CodeText reposition;            // the data controls' Reposition procedures
    CodeText captions;              // function InitialDataCtlCaptions
    CodeText events;                // generated event procedures
    CodeText toolbar;               // the toolbar's ButtonClick procedure
    std::array<CodeText, 3> menus;  // the menus' Click procedures, by level
};

class FormOutput {
  public:
    FormOutput() : form_(std::string()) {}

    // "VERSION 5.00" or "VERSION 4.00".
    void SetVersion(std::string line) { version_ = std::move(line); }
    // A custom control library the form uses, listed once by its file.
    void AddReference(std::string_view classId, std::string_view file);
    const std::vector<std::pair<std::string, std::string>>& References() const {
        return references_;
    }

    // The form's own block: "Begin VB.Form Name" and everything inside it.
    DesignBlock& Form() { return form_; }
    const DesignBlock& Form() const { return form_; }
    void StartForm(std::string opening) { form_ = DesignBlock(std::move(opening)); }

    FormCode& Code() { return code_; }
    const FormCode& Code() const { return code_; }

    // The names of the form's controls and menus, and of what the conversion
    // adds to them.
    NameRegistry& Names() { return names_; }
    const NameRegistry& Names() const { return names_; }
    // The form's controls whose Visual Basic name is not their Access name:
    // the Access name, and the name the control got.
    std::map<std::string, std::string, ILess>& RenamedControls() { return renamed_; }
    const std::map<std::string, std::string, ILess>& RenamedControls() const { return renamed_; }

    // The binary companion: entries are appended, their offsets are positions.
    std::string& Frx() { return frx_; }
    const std::string& Frx() const { return frx_; }

    // The version line, the Object= lines when `withReferences`, and the
    // form block, indented as Visual Basic writes them.
    std::vector<std::string> DesignLines(bool withReferences) const;

  private:
    std::string version_;
    std::vector<std::pair<std::string, std::string>> references_;
    DesignBlock form_;
    FormCode code_;
    NameRegistry names_;
    std::map<std::string, std::string, ILess> renamed_;
    std::string frx_;
};

}  // namespace velorin
