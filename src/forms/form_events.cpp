#include "forms/form_events.h"

#include "code/analysis_records.h"
#include "common/names.h"
#include "controls/control_lines.h"
#include "controls/generated_procedures.h"
#include "controls/support_library/support_library.h"
#include "form_context/event_targets.h"

namespace velorin {
namespace {

constexpr std::string_view kEventProcedure = "[Event Procedure]";

bool IsExpression(std::string_view p) {
    return !p.empty() && p[0] == '=';
}

// `call` ("Call Form_BeforeUpdate(0)") of the form's own event procedure,
// marked when the form's code has none.
// An embedded form's procedure is called by the name it took in the form
// that shows it.
std::string FormProcedureCall(FormState& state, std::string_view call) {
    std::string_view procedure = call.substr(5);  // after "Call "
    procedure = procedure.substr(0, procedure.find('('));
    const std::string line = EventProcedureCall(state, procedure, std::string(call));
    const auto renamed = state.level->procedureNames.find(procedure);
    if (line != call || renamed == state.level->procedureNames.end())
        return line;
    return "Call " + renamed->second + std::string(call.substr(5 + procedure.size()));
}

class FormEventWriter {
  public:
    explicit FormEventWriter(FormState& state)
        : state_(state),
          form_(state.Form()),
          events_(state.output.Code().events),
          procedures_(state),
          dataControl_(state.level->dataControl) {}

    std::string Property(std::string_view name) const { return form_.Text(name); }
    const std::string& DataControl() const { return dataControl_; }

    // An event whose Visual Basic procedure has the Access name: only
    // expressions and macros need one.
    void SameName(std::string_view property, std::string_view header) {
        const std::string p = Property(property);
        if (p.empty() || p == kEventProcedure)
            return;
        procedures_.Write(std::string(header), Body(p, {}));
    }

    // An event Visual Basic names differently: written for every non-empty property.
    void Renamed(std::string_view property, const std::string& header, std::string_view call) {
        const std::string p = Property(property);
        if (!p.empty())
            procedures_.Write(header, Body(p, call));
    }

    void UnloadAndClose() {
        const std::string unload = Property("OnUnload");
        const std::string close = Property("OnClose");
        std::string closeLine;
        if (close == kEventProcedure)
            closeLine = FormProcedureCall(state_, "Call Form_Close");
        else if (!close.empty() && close[0] == '=')
            closeLine = EventExpressionStatement(state_, "gvarReturn", close);
        else if (!close.empty())
            closeLine = MacroCall(state_, close);
        const std::string header = "Private Sub Form_Unload(Cancel As Integer)";
        if (!unload.empty() && unload != kEventProcedure) {
            std::vector<std::string> body = Body(unload, {});
            if (!closeLine.empty())
                body.push_back(closeLine);
            procedures_.Write(header, body);
        } else if (unload == kEventProcedure && !closeLine.empty()) {
            if (!procedures_.AddToModuleProcedure("Form_Unload", {closeLine}, true))
                procedures_.Write(header, {closeLine});
        } else if (unload.empty() && !closeLine.empty()) {
            procedures_.Write(header, {closeLine});
        }
    }

    void Validate() {
        struct Event {
            std::string_view property;
            std::string_view call;
        };
        const std::vector<std::pair<std::string_view, std::vector<Event>>> cases = {
            {"Case vbDataActionAddNew",
             {{"BeforeInsert", "Call Form_BeforeInsert(0)"},
              {"AfterInsert", "Call Form_AfterInsert"}}},
            {"Case vbDataActionUpdate",
             {{"BeforeUpdate", "Call Form_BeforeUpdate(0)"},
              {"AfterUpdate", "Call Form_AfterUpdate"}}},
            {"Case vbDataActionDelete",
             {{"BeforeDelConfirm", "Call Form_BeforeDelConfirm(0,0)"},
              {"AfterDelConfirm", "Call Form_AfterDelConfirm(0)"},
              {"OnDelete", "Call Form_Delete(0)"}}},
        };
        bool any = false;
        for (const auto& [label, events] : cases) {
            for (const Event& e : events)
                any = any || !Property(e.property).empty();
        }
        if (!any)
            return;
        std::vector<std::string> body = {"Dim varReturn as variant", "", "Select Case Action"};
        for (const auto& [label, events] : cases) {
            bool used = false;
            for (const Event& e : events)
                used = used || !Property(e.property).empty();
            if (!used)
                continue;
            body.emplace_back(label);
            for (const Event& e : events) {
                const std::string p = Property(e.property);
                if (p.empty())
                    continue;
                if (IsExpression(p))
                    body.push_back(EventExpressionStatement(state_, "varReturn", p));
                else if (p == kEventProcedure)
                    body.push_back(FormProcedureCall(state_, e.call));
                else
                    body.push_back(MacroCall(state_, p));
            }
        }
        body.insert(body.end(), {"Case Else", "End Select"});
        procedures_.Write(
            "Private Sub " + dataControl_ + "_Validate(Action As Integer, Save As Integer)", body);
    }

    void Current() {
        const std::string p = Property("OnCurrent");
        if (p.empty())
            return;
        std::string statement;
        if (IsExpression(p))
            statement = EventExpressionStatement(state_, "gvarReturn", p);
        else if (p == kEventProcedure)
            statement = FormProcedureCall(state_, "Call Form_Current");
        else
            statement = MacroCall(state_, p);
        CodeText& reposition = state_.output.Code().reposition;
        if (FindProcedure(reposition, dataControl_ + "_Reposition")) {
            InsertLine(reposition, "Sub " + dataControl_ + "_Reposition()", statement, 1);
        } else {
            events_.Append(std::string());
            events_.Append("Private Sub " + dataControl_ + "_Reposition()");
            events_.Append(statement);
            events_.Append("End sub");
        }
    }

  private:
    std::vector<std::string> Body(const std::string& p, std::string_view call) const {
        if (IsExpression(p))
            return {"Dim varReturn as variant", EventExpressionStatement(state_, "varReturn", p)};
        if (p == kEventProcedure)
            return {FormProcedureCall(state_, call)};
        return {MacroCall(state_, p)};
    }

    FormState& state_;
    const AccessForm& form_;
    CodeText& events_;
    GeneratedProcedures procedures_;
    std::string dataControl_;
};

}  // namespace

void WriteFormEvents(FormState& state) {
    FormEventWriter events(state);
    const std::string mouse = "(Button As Integer, Shift As Integer, X As Single, Y As Single)";
    events.SameName("OnClick", "Private Sub Form_Click()");
    events.SameName("OnDblClick", "Private Sub Form_DblClick()");
    events.SameName("OnMouseDown", "Private Sub Form_MouseDown" + mouse);
    events.SameName("OnMouseMove", "Private Sub Form_MouseMove" + mouse);
    events.SameName("OnMouseUp", "Private Sub Form_MouseUp" + mouse);
    events.SameName("OnKeyDown", "Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)");
    events.SameName("OnKeyPress", "Private Sub Form_KeyPress(KeyAscii As Integer)");
    events.SameName("OnKeyUp", "Private Sub Form_KeyUp(KeyCode As Integer, Shift As Integer)");
    events.SameName("OnGotFocus", "Private Sub Form_GotFocus()");
    events.SameName("OnLostFocus", "Private Sub Form_LostFocus()");
    events.SameName("OnActivate", "Private Sub Form_Activate()");
    events.SameName("OnDeactivate", "Private Sub Form_Deactivate()");
    events.SameName("OnLoad", "Private Sub Form_Load()");
    events.UnloadAndClose();
    events.Renamed("OnOpen", "Private Sub Form_Initialize()", "Call Form_Open(0)");
    events.SameName("OnResize", "Private Sub Form_Resize()");
    events.Renamed(
        "OnTimer",
        "Private Sub " + state.output.Names().Generate(name_key::kTimer, "Timer1") + "_Timer()",
        "Call Form_Timer");
    WriteRecordEvents(state);
}

void WriteEmbeddedFormEvents(FormState& state) {
    WriteRecordEvents(state);
    // The embedded form opens and loads with the form that shows it.
    CodeText& load = state.output.Code().initialValues;
    const std::pair<std::string_view, std::string_view> events[] = {{"OnOpen", "Call Form_Open(0)"},
                                                                    {"OnLoad", "Call Form_Load"}};
    for (const auto& [property, call] : events) {
        const std::string p = state.Form().Text(property);
        if (p == kEventProcedure)
            load.Append(FormProcedureCall(state, call));
        else if (!p.empty() && !IsExpression(p))
            load.Append(MacroCall(state, p));
    }
}

void WriteRecordEvents(FormState& state) {
    // The record events are the data control's; a form without records has
    // none to raise them.
    if (state.Form().Text("RecordSource").empty())
        return;
    FormEventWriter events(state);
    events.Renamed(
        "OnError",
        "Private Sub " + events.DataControl() + "_Error(DataErr As Integer, Response As Integer)",
        "Call Form_Error(DataErr, Response)");
    events.Validate();
    events.Current();
}

}  // namespace velorin
