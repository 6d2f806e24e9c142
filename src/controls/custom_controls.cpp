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

std::shared_ptr<const CustomControlMappings> ReadCustomControlMappings(SupportDatabase& db) {
    auto mappings = std::make_shared<CustomControlMappings>();
    sqlite3_stmt* rows =
        db.Prepare("SELECT AccessClassName, VBType, ClassID, FileName FROM CustomControlMapping");
    if (rows == nullptr)
        return mappings;
    while (sqlite3_step(rows) == SQLITE_ROW)
        mappings->byClass.emplace(
            Column(rows, 0),
            CustomControlMappings::Mapping{Column(rows, 1), Column(rows, 2), Column(rows, 3)});
    sqlite3_reset(rows);
    return mappings;
}

std::string LookupCustomControl(FormState& state, std::string_view accessClass) {
    Session& session = state.session;
    if (!session.customControls) {
        // A form converted ahead of its turn reads nothing of the database.
        if (session.aheadOfTurn) {
            session.needsItsTurn = true;
            return {};
        }
        session.customControls = ReadCustomControlMappings(session.supportDb);
    }
    const auto found = session.customControls->byClass.find(accessClass);
    if (found == session.customControls->byClass.end())
        return {};
    const CustomControlMappings::Mapping& mapping = found->second;
    if (!mapping.vbType.empty() && !mapping.classId.empty())
        AddControlReference(state, mapping.classId, mapping.fileName);
    return mapping.vbType;
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
