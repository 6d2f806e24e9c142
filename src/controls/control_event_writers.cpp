// The event writer of each Access control class: which events it reads and
// how it folds the Access-only ones into Visual Basic events.
#include "common/names.h"
#include "controls/control_lines.h"
#include "controls/event_procedures.h"
#include "controls/support_library/support_library.h"
#include "form_context/event_targets.h"

namespace velorin {
namespace {

namespace suffix = event_suffix;
using Folds = std::vector<std::pair<std::string, std::string_view>>;

void OwnEvents(EventWriter& events,
               std::initializer_list<std::pair<std::string_view, std::string_view>> list) {
    for (const auto& [property, eventSuffix] : list)
        events.Own(events.Property(property), eventSuffix);
}

void MouseEvents(EventWriter& events) {
    OwnEvents(events, {{"OnMouseDown", suffix::kMouseDown},
                       {"OnMouseMove", suffix::kMouseMove},
                       {"OnMouseUp", suffix::kMouseUp}});
}

void KeyEvents(EventWriter& events) {
    OwnEvents(events, {{"OnKeyDown", suffix::kKeyDown},
                       {"OnKeyPress", suffix::kKeyPress},
                       {"OnKeyUp", suffix::kKeyUp}});
}

void ClickWithDoubleClick(EventWriter& events) {
    const std::string click = events.Property("OnClick");
    events.Own(click, suffix::kClick);
    events.DoubleClickIntoClick(click, events.Property("OnDblClick"));
}

void GotFocusWithEnter(EventWriter& events, std::string_view enterSuffix = "_Enter") {
    events.Composite(events.Property("OnGotFocus"), suffix::kGotFocus,
                     {{events.Property("OnEnter"), enterSuffix}});
}

Folds UpdateFolds(const EventWriter& events) {
    return {{events.Property("BeforeUpdate"), "_BeforeUpdate(0)"},
            {events.Property("AfterUpdate"), "_AfterUpdate"}};
}

}  // namespace

void WriteLabelEvents(FormState& state) {
    EventWriter events(state);
    ClickWithDoubleClick(events);
    MouseEvents(events);
}

void WriteButtonEvents(FormState& state) {
    EventWriter events(state);
    ClickWithDoubleClick(events);
    KeyEvents(events);
    MouseEvents(events);
    GotFocusWithEnter(events);
    events.Composite(events.Property("OnLostFocus"), suffix::kLostFocus,
                     {{events.Property("OnExit"), "_Exit(0)"}});
}

void WriteCheckBoxEvents(FormState& state) {
    EventWriter events(state);
    ClickWithDoubleClick(events);
    KeyEvents(events);
    GotFocusWithEnter(events);
    Folds lostFocus = UpdateFolds(events);
    lostFocus.emplace_back(events.Property("OnExit"), "_Exit(0)");
    events.Composite(events.Property("OnLostFocus"), suffix::kLostFocus, lostFocus);
}

void WriteOptionEvents(FormState& state, bool group) {
    EventWriter events(state);
    if (!group) {
        // A button on its own is a single control: its events take no index,
        // and its own Click, GotFocus and LostFocus take the folded lines.
        OwnEvents(events, {{"OnDblClick", suffix::kDblClick}});
        MouseEvents(events);
        events.Composite(events.Property("OnClick"), suffix::kClick, UpdateFolds(events));
        GotFocusWithEnter(events);
        events.Composite(events.Property("OnLostFocus"), suffix::kLostFocus,
                         {{events.Property("OnExit"), "_Exit(0)"}});
        return;
    }
    // A group's buttons form a control array: every event carries its index,
    // and so do the group's own Enter and AfterUpdate procedures, which the
    // procedure pass gives an Index. Exit keeps its Cancel argument. One
    // Click procedure runs the group's Click and its update events.
    events.Composite(events.Property("OnClick"), "_Click(Index as Integer)",
                     {{events.Property("BeforeUpdate"), "_BeforeUpdate(0)"},
                      {events.Property("AfterUpdate"), "_AfterUpdate(Index)"}});
    OwnEvents(events, {{"OnDblClick", "_DblClick(Index as Integer)"},
                       {"OnMouseDown", suffix::kIndexedMouseDown},
                       {"OnMouseMove", suffix::kIndexedMouseMove},
                       {"OnMouseUp", suffix::kIndexedMouseUp}});
    events.FoldedOnly("_GotFocus(Index as Integer)",
                      {{events.Property("OnEnter"), "_Enter(Index)"}});
    events.FoldedOnly("_LostFocus(Index as Integer)", {{events.Property("OnExit"), "_Exit(0)"}});
}

void WriteTextBoxEvents(FormState& state) {
    EventWriter events(state);
    OwnEvents(events, {{"OnClick", suffix::kClick}, {"OnDblClick", suffix::kDblClick}});
    MouseEvents(events);
    KeyEvents(events);
    events.Own(events.Property("OnChange"), suffix::kChange);
    GotFocusWithEnter(events);
    events.Composite(events.Property("OnLostFocus"), suffix::kLostFocus,
                     {{events.Property("OnExit"), "_Exit(0)"}});
}

void WriteListBoxEvents(FormState& state) {
    EventWriter events(state);
    if (state.session.Settings().options.listBoxType == 1) {
        events.Composite(events.Property("OnClick"), suffix::kClick, UpdateFolds(events));
    } else {
        events.Own(events.Property("OnClick"), suffix::kClick);
        // The grid raises its own update events.
        events.Own(events.Property("BeforeUpdate"), "_BeforeUpdate(Cancel As Integer)");
        const std::string afterUpdate = events.Property("AfterUpdate");
        // The module's own AfterUpdate becomes the grid's event, with its argument.
        if (afterUpdate == "[Event Procedure]")
            ChangeLine(
                events.Module(), "Sub " + state.controlVbName + "_AfterUpdate()",
                "Private Sub " + state.controlVbName + "_AfterUpdate(RtnDispErrMsg As Integer)");
        else
            events.Own(afterUpdate, "_AfterUpdate(RtnDispErrMsg As Integer)");
    }
    events.Own(events.Property("OnDblClick"), suffix::kDblClick);
    MouseEvents(events);
    KeyEvents(events);
    GotFocusWithEnter(events);
    events.Composite(events.Property("OnLostFocus"), suffix::kLostFocus,
                     {{events.Property("OnExit"), "_Exit(0)"}});
}

void WriteComboBoxEvents(FormState& state) {
    EventWriter events(state);
    const std::string click = events.Property("OnClick");
    EventWriter::CompositeStyle clickStyle;
    clickStyle.dimAfterFolded = true;
    events.Composite(click, suffix::kClick, UpdateFolds(events), clickStyle);
    events.DoubleClickIntoClick(click, events.Property("OnDblClick"));
    KeyEvents(events);
    events.Own(events.Property("OnChange"), suffix::kChange);
    GotFocusWithEnter(events);

    EventWriter::CompositeStyle lostFocusStyle;
    const std::string notInList = events.Property("OnNotInList");
    const int comboType = state.session.Settings().options.comboBoxType;
    if (!notInList.empty() && (comboType == 2 || comboType == 3)) {
        // Only the Sheridan combo can tell whether its text is in its list.
        const std::string& name = state.controlVbName;
        std::string handler;
        if (notInList == "[Event Procedure]")
            handler = events.ProcedureCall("_NotInList(" + name + ".Text, 0)");
        else if (!notInList.empty() && notInList[0] == '=')
            handler = EventExpressionStatement(state, "gvarReturn", notInList);
        else
            handler = MacroCall(state, notInList);
        lostFocusStyle.leading = {"If Not " + name + ".IsItemInList Then", handler, "End If"};
    }
    events.Composite(events.Property("OnLostFocus"), suffix::kLostFocus,
                     {{events.Property("OnExit"), "_Exit(0)"}}, lostFocusStyle);
}

void WriteObjectFrameEvents(FormState& state) {
    EventWriter events(state);
    OwnEvents(events, {{"OnClick", suffix::kClick}, {"OnDblClick", suffix::kDblClick}});
    MouseEvents(events);
    KeyEvents(events);
    events.Own(events.Property("OnUpdated"), suffix::kUpdated);
    GotFocusWithEnter(events);
    Folds lostFocus = UpdateFolds(events);
    lostFocus.emplace_back(events.Property("OnExit"), "_Exit(0)");
    events.Composite(events.Property("OnLostFocus"), suffix::kLostFocus, lostFocus);
}

}  // namespace velorin
