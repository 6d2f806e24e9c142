// Visual Basic event procedures for a converted control's Access event
// properties: "[Event Procedure]" calls into the form's module, "=expr" is
// evaluated, anything else names a macro.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/generated_procedures.h"
#include "form_context/form_state.h"

namespace velorin {

// Procedure header suffixes of the Visual Basic events.
namespace event_suffix {
inline constexpr std::string_view kClick = "_Click()";
inline constexpr std::string_view kDblClick = "_DblClick()";
inline constexpr std::string_view kMouseDown =
    "_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)";
inline constexpr std::string_view kMouseMove =
    "_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)";
inline constexpr std::string_view kMouseUp =
    "_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)";
// The mouse events of a control array: the element's index comes first.
inline constexpr std::string_view kIndexedMouseDown =
    "_MouseDown(Index As Integer, Button As Integer, Shift As Integer, X As Single, Y As Single)";
inline constexpr std::string_view kIndexedMouseMove =
    "_MouseMove(Index As Integer, Button As Integer, Shift As Integer, X As Single, Y As Single)";
inline constexpr std::string_view kIndexedMouseUp =
    "_MouseUp(Index As Integer, Button As Integer, Shift As Integer, X As Single, Y As Single)";
inline constexpr std::string_view kKeyDown = "_KeyDown(KeyCode As Integer, Shift As Integer)";
inline constexpr std::string_view kKeyPress = "_KeyPress(KeyAscii As Integer)";
inline constexpr std::string_view kKeyUp = "_KeyUp(KeyCode As Integer, Shift As Integer)";
inline constexpr std::string_view kChange = "_Change()";
inline constexpr std::string_view kUpdated = "_Updated(Code As Integer)";
inline constexpr std::string_view kGotFocus = "_GotFocus()";
inline constexpr std::string_view kLostFocus = "_LostFocus()";
}  // namespace event_suffix

// Writes the event procedures of the state's current control: generated
// procedures, or lines in the form module's own procedures.
class EventWriter {
  public:
    explicit EventWriter(FormState& state);
    ~EventWriter();
    EventWriter(const EventWriter&) = delete;
    EventWriter& operator=(const EventWriter&) = delete;

    // The control's event property.
    std::string Property(std::string_view name) const;

    // An event's own procedure, for an expression or a macro.
    void Own(std::string_view property, std::string_view suffix);
    // The call of the control's event procedure of `suffix` ("_Exit(0)") in
    // the form's code; marked when the code has none.
    std::string ProcedureCall(std::string_view suffix) const;
    // The line a folded event adds to another event's procedure.
    std::string Folded(std::string_view property, std::string_view foldSuffix) const;
    // A target event with the events folded into it, in their order.
    struct CompositeStyle {
        // Lines that open a new procedure before anything else (the NotInList block).
        std::vector<std::string> leading;
        // The Dim line after the folded lines, and only for an expression target.
        bool dimAfterFolded = false;
    };
    void Composite(std::string_view target, std::string_view suffix,
                   const std::vector<std::pair<std::string, std::string_view>>& folded,
                   const CompositeStyle& style);
    void Composite(std::string_view target, std::string_view suffix,
                   const std::vector<std::pair<std::string, std::string_view>>& folded) {
        Composite(target, suffix, folded, CompositeStyle());
    }
    // A procedure made only of folded lines, written when any of them is set
    // (the option controls' Index procedures).
    void FoldedOnly(std::string_view suffix,
                    const std::vector<std::pair<std::string, std::string_view>>& folded);
    // Access's double click as part of the Click procedure.
    void DoubleClickIntoClick(std::string_view click, std::string_view dblClick);

    std::string Header(std::string_view suffix) const {
        return "Private Sub " + name_ + std::string(suffix);
    }
    CodeText& Module() { return state_.output.Code().module; }

  private:
    // The lines of an event's own procedure: an expression evaluated, or a macro called.
    std::vector<std::string> Body(std::string_view property) const;

    FormState& state_;
    const AccessControl& control_;
    std::string name_;
    GeneratedProcedures procedures_;
    // Lines for generated procedures (by name), added once they are written.
    std::vector<std::pair<std::string, std::string>> deferred_;
};

// One writer per Access control class.
void WriteLabelEvents(FormState& state);
void WriteButtonEvents(FormState& state);
void WriteCheckBoxEvents(FormState& state);
// `group`: the buttons of an option group, a control array; else one button.
void WriteOptionEvents(FormState& state, bool group);
void WriteTextBoxEvents(FormState& state);
void WriteListBoxEvents(FormState& state);
void WriteComboBoxEvents(FormState& state);
void WriteObjectFrameEvents(FormState& state);

}  // namespace velorin
