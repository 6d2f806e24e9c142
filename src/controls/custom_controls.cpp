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
    // Read aside from the database's own statements: a table that cannot be
    // read is no failure here, but where a control needs it.
    sqlite3* connection = db.Connection();
    sqlite3_stmt* rows = nullptr;
    if (connection == nullptr ||
        sqlite3_prepare_v2(connection,
                           "SELECT AccessClassName, VBType, ClassID, FileName "
                           "FROM CustomControlMapping",
                           -1, &rows, nullptr) != SQLITE_OK) {
        sqlite3_finalize(rows);
        return nullptr;
    }
    auto mappings = std::make_shared<CustomControlMappings>();
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(rows)) == SQLITE_ROW) {
        mappings->byClass.emplace(
            Column(rows, 0),
            CustomControlMappings::Mapping{Column(rows, 1), Column(rows, 2), Column(rows, 3)});
    }
    sqlite3_finalize(rows);
    return step == SQLITE_DONE ? std::move(mappings) : nullptr;
}

std::string LookupCustomControl(FormState& state, std::string_view accessClass) {
    Session& session = state.session;
    std::string type, classId, file;
    if (session.customControls) {
        const auto found = session.customControls->byClass.find(accessClass);
        if (found != session.customControls->byClass.end()) {
            type = found->second.vbType;
            classId = found->second.classId;
            file = found->second.fileName;
        }
    } else if (session.aheadOfTurn) {
        // The mapping could not be read before the forms: asked in the form's
        // turn, where a failure counts as it does on one thread.
        session.needsItsTurn = true;
        return {};
    } else {
        SupportDatabase& db = session.supportDb;
        sqlite3_stmt* lookup = db.Prepare(
            "SELECT VBType, ClassID, FileName FROM CustomControlMapping WHERE AccessClassName = "
            "?1");
        if (lookup == nullptr)
            return {};
        sqlite3_bind_text(lookup, 1, accessClass.data(), static_cast<int>(accessClass.size()),
                          SQLITE_TRANSIENT);
        if (sqlite3_step(lookup) == SQLITE_ROW) {
            type = Column(lookup, 0);
            classId = Column(lookup, 1);
            file = Column(lookup, 2);
        }
        sqlite3_reset(lookup);
    }
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
