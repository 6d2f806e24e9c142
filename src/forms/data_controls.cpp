#include "forms/data_controls.h"

#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"
#include "controls/support_library/support_library.h"
#include "forms/control_dispatch.h"
#include "forms/row_source_probe.h"

namespace velorin {
namespace {

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

void WriteDataControl(FormState& state, DesignWriter& out, const DataControlLayout& layout) {
    const Session& session = state.session;
    const std::string directory =
        session.options.useRelativePaths ? std::string() : session.outputPath;
    out.WriteLine("Begin VB.Data " + layout.name);
    out.WriteLine("Caption = " + VbQuoted(layout.name));
    out.WriteLine("Connect = \"Access\"");
    out.WriteLine("DatabaseName = " + VbQuoted(directory + session.projectBaseName + ".mdb"));
    out.WriteLine("Exclusive = 0");
    out.WriteLine("Height = 300");
    out.WriteLine("Left = " + std::to_string(layout.left));
    out.WriteLine("Options = 0");
    out.WriteLine("ReadOnly = " + std::to_string(layout.recordsetType - 1));
    out.WriteLine("RecordsetType = " + std::to_string(layout.recordsetType));
    if (!layout.recordSource.empty())
        out.WriteLine("RecordSource = " + VbQuoted(layout.recordSource));
    out.WriteLine("Top = " + std::to_string(layout.top));
    out.WriteLine(layout.visible ? "Width = 2700" : "Width = 1215");
    if (layout.visible && layout.startsProcedures) {
        AddDataCtlEntry(state.output.Code().reposition, layout.name, "");
        AddDataCtlCaption(state.output.Code().captions,
                          LoaderRoutineName(&state.output.Names(), "InitialDataCtlCaptions"),
                          layout.name, false);
    }
    out.WriteLine(std::string("Visible = ") + (layout.visible ? "True" : "False"));
    out.WriteLine("End");
}

void WriteFormDataControl(FormState& state) {
    const AccessForm& form = state.Form();
    DataControlLayout layout;
    layout.name = state.level->dataControl;
    layout.left = state.subformLeft;
    layout.top = state.subformTop;
    layout.recordsetType = RecordsetTypeOf(form);
    layout.recordSource = form.Text("RecordSource");
    layout.visible = form.Property("NavigationButtons").AsBool();
    layout.startsProcedures = true;
    WriteDataControl(state, state.formFile, layout);
}

void WriteSubformDataControl(FormState& state, const ControlContainer& container,
                             const AccessForm& subform, const std::string& name,
                             const std::string& parentDataControl, long left, long top) {
    DataControlLayout layout;
    layout.name = name;
    layout.left = left;
    layout.top = top;
    layout.recordsetType = RecordsetTypeOf(subform);
    layout.visible = true;
    layout.startsProcedures = true;

    // The link statements run when the top form's data control moves; without
    // that control or without link fields the subform shows all its records.
    const AccessForm* parent = state.session.sourceDb->OpenForm(state.parentFormName);
    const AccessControl* link =
        parent != nullptr ? parent->FindControl(state.subformControlName) : nullptr;
    const bool linked = !state.openForms.empty() &&
                        !state.openForms.front()->Text("RecordSource").empty() && link != nullptr &&
                        !link->Text("LinkChildFields").empty() &&
                        !link->Text("LinkMasterFields").empty();
    AddContainerMember(container, name);
    if (!linked) {
        layout.recordSource = subform.Text("RecordSource");
        WriteDataControl(state, *container.out, layout);
        return;
    }
    WriteDataControl(state, *container.out, layout);

    const std::string parentControl = state.output.Names().Find(name_key::kFormDataControl);
    CodeText& reposition = state.output.Code().reposition;
    AddDataCtlEntry(reposition, parentControl, name + ".Recordset.MoveFirst");
    AddDataCtlEntry(reposition, parentControl, name + ".Recordset.Movelast");
    AddDataCtlEntry(reposition, parentControl, name + ".refresh");
    AddDataCtlEntry(
        reposition, parentControl,
        name + ".RecordSource=" +
            BuildLinkedRecordSource(state, subform.Text("RecordSource"), parentDataControl));
}

void AddDataCtlCaption(CodeText& captions, std::string_view routine, std::string_view dataControl,
                       bool finish) {
    if (finish) {
        if (!captions.Empty())
            captions.Append("End Function");
        return;
    }
    if (captions.Empty()) {
        captions.Append("Function " + std::string(routine) + "()");
        captions.Append("On Error Resume Next");
    }
    captions.Append(std::string(dataControl) + ".Recordset.movenext");
    captions.Append(std::string(dataControl) + ".Recordset.moveFirst");
}

std::string BuildLinkedRecordSource(FormState& state, const std::string& subformRecordSource,
                                    const std::string& parentDataControl) {
    AccessApplication& app = *state.session.sourceDb;
    const AccessForm* parent = app.OpenForm(state.parentFormName);
    const std::string p = BlanksToUnderscores(state.parentFormName);
    const std::string masterRecordSource =
        parent != nullptr ? parent->Text("RecordSource") : std::string();
    const AccessControl* link =
        parent != nullptr ? parent->FindControl(state.subformControlName) : nullptr;
    const std::string childField = link != nullptr ? link->Text("LinkChildFields") : std::string();
    const std::string masterField =
        link != nullptr ? link->Text("LinkMasterFields") : std::string();
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
    const bool quotedKey = masterType == dao::kDate || masterType == dao::kText;
    return VbQuoted(join + " Where [" + master + "].[" + masterField +
                    "]=" + (quotedKey ? "\"" : "")) +
           " & " + parentDataControl + ".Recordset.Fields(" +
           VbQuoted(masterField, QuoteFor::Code) + ")" +
           (quotedKey ? " & " + VbQuoted("\"", QuoteFor::Code) : std::string());
}

}  // namespace velorin
