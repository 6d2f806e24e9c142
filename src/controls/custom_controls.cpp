// Object frames and ActiveX controls, through the support database's mapping
// of Access control classes to Visual Basic controls. Both are converted only
// in part and recorded for the user.
#include "code/analysis_records.h"
#include "common/names.h"
#include "common/vb_quote.h"
#include "controls/control_lines.h"
#include "controls/control_references.h"
#include "controls/event_procedures.h"
#include "controls/value_controls.h"
#include "form_context/control_placement.h"

namespace velorin {
namespace {

std::string Column(sqlite3_stmt* row, int column) {
    const unsigned char* text = sqlite3_column_text(row, column);
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text));
}

void RecordPartial(FormState& state) {
    WriteReportRecord(
        state.session.supportDb,
        {state.shared.fileName, reason::kCustomControl, state.controlVbName, 0, {}, {}});
    NotePartialControl(state, reason::kCustomControl);
}

}  // namespace

std::string LookupCustomControl(FormState& state, std::string_view accessClass) {
    SupportDatabase& db = state.session.supportDb;
    sqlite3_stmt* lookup = db.Prepare(
        "SELECT VBType, ClassID, FileName FROM CustomControlMapping WHERE AccessClassName = ?1");
    if (lookup == nullptr)
        return {};
    sqlite3_bind_text(lookup, 1, accessClass.data(), static_cast<int>(accessClass.size()),
                      SQLITE_TRANSIENT);
    std::string type, classId, file;
    if (sqlite3_step(lookup) == SQLITE_ROW) {
        type = Column(lookup, 0);
        classId = Column(lookup, 1);
        file = Column(lookup, 2);
    }
    sqlite3_reset(lookup);
    if (!type.empty() && !classId.empty())
        AddControlReference(state, classId, file);
    return type;
}

void WriteCustomControl(FormState& state) {
    const AccessControl& control = *state.control;
    const std::string type = LookupCustomControl(state, control.Text("Class"));
    if (!type.empty()) {
        DesignWriter& out = SelectControlOutput(state);
        out.WriteLine("Begin " + type + " " + state.controlVbName);
        WritePlacementLines(out, state, control);
        out.WriteLine("Visible = " + control.Text("Visible"));
        if (!control.Property("Enabled").AsBool())
            out.WriteLine("Enabled = 0");
        out.WriteLine("HelpContextID = " + control.Text("HelpContextID"));
        WriteTipAndTagLines(out, state, control);
        out.WriteLine("End");
        ++state.shared.result.partiallyConvertedCount;
    }
    RecordPartial(state);
}

void WriteObjectFrame(FormState& state) {
    const AccessControl& frame = *state.control;
    DesignWriter& out = SelectControlOutput(state);
    out.WriteLine("Begin  VB.OLE " + state.controlVbName);
    WriteVisibleLine(out, frame);
    WriteSize(out, "Height", frame);
    WriteLeft(out, state, frame);
    WriteTop(out, state, frame);
    WriteSize(out, "Width", frame);
    out.WriteLine("HelpContextID = " + frame.Text("HelpContextID"));
    if (!state.Form().Text("RecordSource").empty()) {
        out.WriteLine("DataSource =" + VbQuoted(DataControlName(state)));
        out.WriteLine("DataField =" + VbQuoted(frame.Text("ControlSource")));
    }
    out.WriteLine("TabIndex = " + frame.Text("TabIndex"));
    WriteTabStopLine(out, frame);
    if (!frame.Property("Enabled").AsBool())
        out.WriteLine("Enabled = 0");
    WriteTipAndTagLines(out, state, frame);
    out.WriteLine("End");
    WriteObjectFrameEvents(state);
    ++state.shared.result.partiallyConvertedCount;
    RecordPartial(state);
}

}  // namespace velorin
