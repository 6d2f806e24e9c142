#include "forms/data_controls.h"

#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"
#include "forms/row_source_probe.h"

namespace velorin {
namespace {

const std::string kQ = "\"";

// CR LF becomes a blank and every double quote is doubled.
std::string QuotedText(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out.push_back(' ');
            ++i;
        } else if (text[i] == '"') {
            out += "\"\"";
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

int RecordsetTypeOf(const AccessForm& form) {
    return form.Property("RecordsetType").AsLong() == 2 ? 2 : 1;
}

bool IsSelect(std::string_view source) {
    return IStartsWith(source, "select ");
}

std::string BlanksToUnderscores(std::string text) {
    for (char& c : text) {
        if (c == ' ')
            c = '_';
    }
    return text;
}

RowSourceProbe& Probe(Session& session) {
    if (!session.rowSourceProbe)
        session.rowSourceProbe = std::make_shared<RowSourceProbe>(*session.sourceDb);
    return *session.rowSourceProbe;
}

// A link query is created once; one left from an earlier form stays.
void SaveQuery(AccessApplication& app, const std::string& name, const std::string& sql) {
    if (app.FindQueryDef(name) == nullptr)
        app.CreateQueryDef(name, sql);
}

}  // namespace

void WriteDataControl(FormState& state, OutputFile& out, const DataControlSpec& spec) {
    const Session& session = state.session;
    const std::string directory =
        session.options.useRelativePaths ? std::string() : session.outputPath;
    out.WriteLine("Begin VB.Data dat" + spec.name);
    out.WriteLine("Caption = " + kQ + "dat" + spec.name + kQ);
    out.WriteLine("Connect = " + kQ + "Access" + kQ);
    out.WriteLine("DatabaseName = " + kQ + directory + session.projectBaseName + ".mdb" + kQ);
    out.WriteLine("Exclusive = 0");
    out.WriteLine("Height = 300");
    out.WriteLine("Left = " + std::to_string(spec.left));
    out.WriteLine("Options = 0");
    out.WriteLine("ReadOnly = " + std::to_string(spec.recordsetType - 1));
    out.WriteLine("RecordsetType = " + std::to_string(spec.recordsetType));
    if (!spec.recordSource.empty())
        out.WriteLine("RecordSource = " + kQ + spec.recordSource + kQ);
    out.WriteLine("Top = " + std::to_string(spec.top));
    out.WriteLine(spec.visible ? "Width = 2700" : "Width = 1215");
    if (spec.visible && !spec.formFileName.empty()) {
        AddDataCtlEntry(state.session.out, "form_" + spec.formFileName + ".006", "dat" + spec.name,
                        "");
        AddDataCtlCaption(state.session.out, spec.formFileName, "dat" + spec.name, false);
    }
    out.WriteLine(std::string("Visible = ") + (spec.visible ? "True" : "False"));
    out.WriteLine("End");
}

void WriteFormDataControl(FormState& state) {
    const AccessForm& form = state.Form();
    DataControlSpec spec;
    spec.name = MakeVBName(form.Name());
    spec.left = state.subformLeft;
    spec.top = state.subformTop;
    spec.recordsetType = RecordsetTypeOf(form);
    spec.recordSource = QuotedText(form.Text("RecordSource"));
    spec.visible = form.Property("NavigationButtons").AsBool();
    spec.formFileName = state.fileName;
    WriteDataControl(state, state.formFile, spec);
}

void WriteSubformDataControl(FormState& state, const AccessForm& subform) {
    const std::string name = MakeVBName(subform.Name());
    DataControlSpec spec;
    spec.name = name;
    spec.left = state.subformLeft;
    spec.top = state.subformTop;
    spec.recordsetType = RecordsetTypeOf(subform);
    spec.visible = true;
    spec.formFileName = state.fileName;
    WriteDataControl(state, state.formFile, spec);

    const std::string fragment = "form_" + state.fileName + ".006";
    const std::string parentControl = "dat" + MakeVBName(state.fileName);
    OutputDirectory& out = state.session.out;
    AddDataCtlEntry(out, fragment, parentControl, "dat" + name + ".Recordset.MoveFirst");
    AddDataCtlEntry(out, fragment, parentControl, "dat" + name + ".Recordset.Movelast");
    AddDataCtlEntry(out, fragment, parentControl, "dat" + name + ".refresh");
    AddDataCtlEntry(out, fragment, parentControl,
                    "dat" + name + ".RecordSource=" + kQ +
                        BuildLinkedRecordSource(state, subform.Text("RecordSource")));
}

void AddDataCtlCaption(OutputDirectory& out, std::string_view formFileName,
                       std::string_view dataControl, bool finish) {
    const std::string file = "form_" + std::string(formFileName) + ".007";
    if (finish) {
        if (out.Exists(file))
            out.Append(file, "End Function\r\n");
        return;
    }
    std::string lines;
    if (!out.Exists(file))
        lines = "Function InitialDataCtlCaptions()\r\nOn Error Resume Next\r\n";
    lines += std::string(dataControl) + ".Recordset.movenext\r\n";
    lines += std::string(dataControl) + ".Recordset.moveFirst\r\n";
    out.Append(file, lines);
}

std::string BuildLinkedRecordSource(FormState& state, const std::string& subformRecordSource) {
    AccessApplication& app = *state.session.sourceDb;
    const AccessForm* parent = app.OpenForm(state.parentFormName);
    const std::string p = BlanksToUnderscores(state.parentFormName);
    const std::string masterRecordSource =
        parent != nullptr ? parent->Text("RecordSource") : std::string();

    std::string child = subformRecordSource;
    if (IsSelect(child)) {
        SaveQuery(app, "qrydat" + p + "1", child);
        child = "qrydat" + p + "1";
    }
    std::string master = masterRecordSource;
    if (IsSelect(master)) {
        SaveQuery(app, "qrydat" + p + "2", master);
        master = "qrydat" + p + "2";
    }
    const AccessControl* link =
        parent != nullptr ? parent->FindControl(state.subformControlName) : nullptr;
    const std::string childField = link != nullptr ? link->Text("LinkChildFields") : std::string();
    const std::string masterField =
        link != nullptr ? link->Text("LinkMasterFields") : std::string();

    const std::string join = "Select * from [" + child + "] INNER JOIN [" + master + "] ON [" +
                             child + "].[" + childField + "] = [" + master + "].[" + masterField +
                             "]";
    SaveQuery(app, "qrydat" + p, join);

    // Text and date keys are compared as quoted values.
    int masterType = 0;
    for (const ProbedField& field : Probe(state.session).Fields(masterRecordSource)) {
        if (IEquals(field.name, masterField))
            masterType = field.type;
    }
    const std::string t = masterType == dao::kDate || masterType == dao::kText ? "\"\"" : "";
    // The parent's data control is named from its form name as every data control is.
    return QuotedText(join) + " Where [" + master + "].[" + masterField + "]=" + t + kQ + " & dat" +
           MakeVBName(state.parentFormName) + ".Recordset.Fields(" + kQ + masterField + kQ + ")" +
           (t.empty() ? std::string() : " & " + t + t);
}

}  // namespace velorin
