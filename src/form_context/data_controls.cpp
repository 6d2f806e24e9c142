#include "form_context/data_controls.h"

#include <algorithm>
#include <cctype>

#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"
#include "controls/support_library/support_library.h"
#include "form_context/control_placement.h"
#include "row_sources/row_source_probe.h"

namespace velorin {
namespace {

int RecordsetTypeOf(const AccessForm& form) {
    return form.Property("RecordsetType").AsLong() == 2 ? 2 : 1;
}

// Whether a record source is SQL rather than the name of a table or query.
bool IsSelect(std::string_view source) {
    size_t start = 0;
    while (start < source.size() && std::isspace(static_cast<unsigned char>(source[start])))
        ++start;
    size_t end = start;
    while (end < source.size() && std::isalpha(static_cast<unsigned char>(source[end])))
        ++end;
    const std::string_view word = source.substr(start, end - start);
    return IEquals(word, "select") || IEquals(word, "transform") || IEquals(word, "parameters");
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

// The saved query the linked subforms read `sql` through: `base`, or
// `base` with a suffix when the database or another link already has a query
// or table of that name with other SQL. The project creates it when it starts;
// the application read from the export is left as it was, so that every
// form, and a second conversion, reads the same application.
std::string LinkQuery(Session& session, const std::string& base, const std::string& sql) {
    if (session.aheadOfTurn) {
        session.needsItsTurn = true;
        return base;
    }
    const AccessApplication& app = *session.sourceDb;
    for (int n = 1;; ++n) {
        const std::string name = n == 1 ? base : base + "_" + std::to_string(n);
        const auto ours = std::find_if(
            session.project.linkQueries.begin(), session.project.linkQueries.end(),
            [&](const ProjectParts::SavedQuery& query) { return IEquals(query.name, name); });
        if (ours != session.project.linkQueries.end()) {
            if (ours->sql == sql)
                return name;
            continue;
        }
        if (app.FindQueryDef(name) != nullptr || app.FindTableDef(name) != nullptr)
            continue;
        session.project.linkQueries.push_back({name, sql});
        return name;
    }
}

// The name a control of the embedding form `parent` took: it was named when
// that form's level started.
std::string ParentControlName(FormState& state, const AccessForm& parent,
                              const AccessControl& control) {
    for (const FormLevel* level = state.level; level != nullptr; level = level->parent) {
        if (level->form != &parent)
            continue;
        const auto named = level->controlNames.find(&control);
        if (named != level->controlNames.end())
            return named->second;
    }
    return MakeVBName(control.Name());
}

// The fields of LinkChildFields or LinkMasterFields: names separated by
// semicolons, brackets taken off.
std::vector<std::string> LinkFields(std::string_view text) {
    std::vector<std::string> fields;
    size_t from = 0;
    while (from <= text.size()) {
        size_t end = text.find(';', from);
        if (end == std::string_view::npos)
            end = text.size();
        std::string field(TrimBlanks(text.substr(from, end - from)));
        if (field.size() >= 2 && field.front() == '[' && field.back() == ']')
            field = field.substr(1, field.size() - 2);
        if (!field.empty())
            fields.push_back(field);
        from = end + 1;
    }
    return fields;
}

}  // namespace

void WriteDataControl(FormState& state, DesignWriter& out, const DataControlLayout& layout) {
    const Session& session = state.session;
    out.WriteLine("Begin VB.Data " + layout.name);
    out.WriteLine("Caption = " + VbQuoted(layout.name));
    out.WriteLine("Connect = \"Access\"");
    // The project's folder is known only where it runs: the control opens the
    // database Sub Main opened, which it is told when the form loads.
    out.WriteLine("DatabaseName = " + VbQuoted(session.Settings().projectBaseName + ".mdb"));
    state.output.Code().initialValues.Append(layout.name + ".DatabaseName = db.Name");
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
    WriteDataControl(state, state.shared.formFile, layout);
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
    const bool linked = !state.shared.openForms.empty() &&
                        !state.shared.openForms.front()->Text("RecordSource").empty() &&
                        link != nullptr && !link->Text("LinkChildFields").empty() &&
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
    // A parent record without children leaves the subform without a record
    // to move to.
    AddDataCtlEntry(reposition, parentControl,
                    "If Not (" + name + ".Recordset.BOF And " + name + ".Recordset.EOF) Then " +
                        name + ".Recordset.MoveLast: " + name + ".Recordset.MoveFirst");
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
    Session& session = state.session;
    const AccessForm* parent = session.sourceDb->OpenForm(state.parentFormName);
    const std::string masterRecordSource =
        parent != nullptr ? parent->Text("RecordSource") : std::string();
    const AccessControl* link =
        parent != nullptr ? parent->FindControl(state.subformControlName) : nullptr;
    const std::vector<std::string> childFields =
        LinkFields(link != nullptr ? link->Text("LinkChildFields") : std::string());
    const std::vector<std::string> masterFields =
        LinkFields(link != nullptr ? link->Text("LinkMasterFields") : std::string());

    // A SELECT is read through a saved query that the project creates when it
    // starts; a table or query name is read as it is.
    std::string child = subformRecordSource;
    if (IsSelect(child))
        child =
            LinkQuery(session, "qrydat" + BlanksToUnderscores(state.parentFormName) + "1", child);

    const std::vector<ProbedField> probed = Probe(session).Fields(masterRecordSource);
    // The statement's text, its literal parts joined to the key values.
    std::string expression;
    std::string literal = "Select * from [" + child + "]";
    auto join = [&](const std::string& value) {
        expression += VbQuoted(literal, QuoteFor::Code) + " & " + value + " & ";
        literal.clear();
    };
    for (size_t i = 0; i < childFields.size() && i < masterFields.size(); ++i) {
        bool field = false;
        for (const ProbedField& probedField : probed)
            field = field || IEquals(probedField.name, masterFields[i]);
        std::string value = parentDataControl + ".Recordset.Fields(" +
                            VbQuoted(masterFields[i], QuoteFor::Code) + ").Value";
        // Access links to a control of the parent as well as to a field of
        // its records (an unbound combo box that picks the records shown):
        // its value, of the type of the child's field.
        const AccessControl* masterControl =
            field || parent == nullptr ? nullptr : parent->FindControl(masterFields[i]);
        if (masterControl != nullptr) {
            int childType = 0;
            for (const ProbedField& childField : Probe(session).Fields(subformRecordSource)) {
                if (IEquals(childField.name, childFields[i]))
                    childType = childField.type;
            }
            const std::string control = ParentControlName(state, *parent, *masterControl);
            const bool text = childType == dao::kText || childType == dao::kMemo ||
                              childType == dao::kDate || childType == 0;
            value = (text ? "CStr(" : "Val(") + control + ")";
        }
        // The value as Jet reads it, decided when the record is read: a
        // number, quoted text, a date literal; Null, which matches no child,
        // for a record without a key (a new record).
        literal += (i == 0 ? " Where [" : " And [") + child + "].[" + childFields[i] + "]=";
        join(session.names.SupportName("SqlValue") + "(" + value + ")");
    }
    if (literal.empty())
        return expression.substr(0, expression.size() - 3);
    return expression + VbQuoted(literal, QuoteFor::Code);
}

}  // namespace velorin
