#include "forms/convert_form.h"

#include <algorithm>

#include "code/form_reference.h"
#include "code/procedure_headers.h"
#include "code/renamed_controls.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_format.h"
#include "common/vb_quote.h"
#include "controls/control_lines.h"
#include "form_context/data_controls.h"
#include "form_context/event_targets.h"
#include "form_context/initialisation_routines.h"
#include "forms/control_dispatch.h"
#include "forms/label_reduction.h"
#include "forms/later_features.h"
#include "forms/subform_code.h"
#include "forms/subform_conversion.h"
#include "forms/tab_controls.h"
#include "output/generated_members.h"

namespace velorin {
namespace {

SectionLayout ComputeLayout(const AccessForm& form) {
    auto height = [&](int section) { return SectionHeight(form, section); };
    SectionLayout layout;
    layout.headerTop = 0;
    layout.pageHeaderTop = height(section_number::kFormHeader);
    layout.detailTop = layout.pageHeaderTop + height(section_number::kPageHeader);
    layout.detailHeight = height(section_number::kDetail);
    layout.pageFooterTop = layout.detailTop + layout.detailHeight;
    layout.footerTop = layout.pageFooterTop + height(section_number::kPageFooter);
    layout.totalHeight = layout.footerTop + height(section_number::kFormFooter);
    return layout;
}

void CollectPageBreaks(FormLevel& level) {
    for (const AccessControl& control : level.form->Controls()) {
        if (control.ControlType() == control_type::kPageBreak &&
            control.Section() == section_number::kDetail) {
            long top = control.Property("Top").AsLong();
            level.strip.tops.push_back(
                static_cast<int16_t>(std::clamp<long>(top, INT16_MIN, INT16_MAX)));
        }
    }
    SortIntegers(level.strip.tops);
}

// Every control name of the form and of the forms it embeds, reserved before
// the conversion makes up any name of its own: the application's controls keep
// their names whatever the conversion adds.
void ReserveApplicationNames(NameRegistry& names, const AccessForm& form,
                             AccessApplication& application, std::vector<const AccessForm*>& open) {
    if (std::find(open.begin(), open.end(), &form) != open.end() || open.size() > 16)
        return;
    open.push_back(&form);
    for (const AccessControl& control : form.Controls()) {
        const std::string name = MakeVBName(control.Name());
        names.Reserve(name, name == control.Name());
        if (control.ControlType() != control_type::kSubform)
            continue;
        const std::string source = SubformName(control.Text("SourceObject"));
        if (const AccessForm* subform = source.empty() ? nullptr : application.OpenForm(source))
            ReserveApplicationNames(names, *subform, application, open);
    }
    open.pop_back();
}

void WriteFormBlockHead(FormState& state) {
    const AccessForm& form = state.Form();
    const SectionLayout& layout = state.level->layout;
    const PageBreakStrip& strip = state.level->strip;
    DesignWriter& out = state.shared.formFile;
    std::string caption = form.Text("Caption");
    if (caption.empty())
        caption = form.Text("Name");
    long clientHeight = layout.totalHeight;
    if (strip.active)
        clientHeight =
            layout.totalHeight - layout.detailHeight + strip.tops[1] + kPageBreakTabHeight;
    const std::string width = form.Text("Width");

    out.WriteLine("BorderStyle = " + form.Text("BorderStyle"));
    out.WriteLine("Caption =" + VbQuoted(caption));
    out.WriteLine("ClientHeight = " + std::to_string(clientHeight));
    out.WriteLine("ClientLeft = 250 ");
    out.WriteLine("ClientTop = 500 ");
    out.WriteLine("ClientWidth = " + width);
    out.WriteLine("Height = " + std::to_string(clientHeight));
    out.WriteLine("Left = 250");
    out.WriteLine("LinkTopic = " + VbQuoted(state.shared.formVbName));
    out.WriteLine("MaxButton = " + VbBool(form.Property("MaxButton").AsBool()));
    out.WriteLine("MinButton = " + VbBool(form.Property("MinButton").AsBool()));
    // Visual Basic 4 forms have no ShowInTaskbar: it would not load.
    if (state.session.Settings().options.vb5Project)
        out.WriteLine("ShowInTaskbar = 0");
    out.WriteLine("Top = 500");
    out.WriteLine("Width = " + width);
    out.WriteLine(
        ColourLine("BackColor= &H", form.SectionProperty(section_number::kDetail, "BackColor")));
    out.WriteLine("ControlBox=" + VbBool(form.Property("ControlBox").AsBool()));
    out.WriteLine("BeginProperty Font ");
    out.WriteLine("Name = \"Arial\"");
    out.WriteLine("charset = 0");
    out.WriteLine("weight = 400");
    out.WriteLine("Size = 8");
    out.WriteLine("underline = 0");
    out.WriteLine("italic = 0");
    out.WriteLine("strikethrough = 0");
    out.WriteLine("EndProperty");
    out.WriteLine("ForeColor=&H00000000&");
    if (state.session.Settings().options.mdiProject &&
        !(form.Property("PopUp").AsBool() && form.Property("Modal").AsBool())) {
        out.WriteLine("MDIChild = -1");
    }
    state.shared.result.formFeatureFlags[5] = form.Property("AutoCenter").AsBool() ? 1 : 0;
    out.WriteLine("HelpContextID=" + form.Text("HelpContextId"));
}

// The section frames follow all other controls of the form block, in the
// order of their section numbers.
void CloseSectionFrames(FormState& state) {
    bool any = false;
    for (const std::unique_ptr<DesignBlock>& frame : state.shared.sectionFrames)
        any = any || frame != nullptr;
    if (!any)
        return;
    for (DesignWriter& writer : state.shared.sectionFiles)
        writer.Close();
    for (std::unique_ptr<DesignBlock>& frame : state.shared.sectionFrames) {
        if (frame)
            state.output.Form().AddBlock(std::move(frame));
    }
}

// Steps shared by a top-level form and an embedded subform: the controls,
// the page-break strip and the rectangles.
void WriteFormControls(FormState& state) {
    RecordLaterFormFeatures(state);
    WriteTabControlPass(state);
    WriteMainPass(state);
    // Rectangles come last; on a page-break strip they must still reach its
    // pages, so they are written before the strip is closed.
    if (state.level->strip.active) {
        WriteRectanglePass(state);
        FinishPageBreakStrip(state);
    } else {
        WriteRectanglePass(state);
    }
}

void StartLevel(FormState& state, FormLevel& level) {
    level.layout = ComputeLayout(*level.form);
    CollectPageBreaks(level);
    if (level.strip.tops.size() > 1)
        StartPageBreakStrip(state, level);
}

}  // namespace

long SectionHeight(const AccessForm& form, int section) {
    // A section that does not exist reads as height 0. Access never shows a
    // section shorter than the bottom edge of its lowest control.
    long height = form.SectionProperty(section, "Height").AsLong();
    for (const AccessControl& control : form.Controls()) {
        if (control.Section() == section)
            height = std::max(
                height, control.Property("Top").AsLong() + control.Property("Height").AsLong());
    }
    return height;
}

void CreateSection(FormState& state, int section) {
    if (section < 1 || section > 4) {
        Message message;
        message.text = "Bad parameter: CreateSection";
        state.session.ui.Show(message);
        return;
    }
    const AccessForm& form = state.Form();
    std::unique_ptr<DesignBlock>& frame = state.shared.sectionFrames[static_cast<size_t>(section)];
    frame = std::make_unique<DesignBlock>(
        "Begin VB.Frame " + state.output.Names().Generate(name_key::kSectionFrames, "Section"));
    DesignWriter& out = state.shared.sectionFiles[static_cast<size_t>(section)];
    out = DesignWriter(frame.get());
    out.WriteLine("Caption =  \"\"");
    out.WriteLine(ColourLine("BackColor= &H", form.SectionProperty(section, "BackColor")));
    out.WriteLine("Height = " + std::to_string(SectionHeight(form, section)));
    out.WriteLine("Left = 0");
    out.WriteLine("Index = " + std::to_string(section));
    const std::string tag = form.SectionProperty(section, "Tag").AsText();
    if (!tag.empty())
        out.WriteLine("Tag =" + VbQuoted(tag));
    out.WriteLine("Top = " + std::to_string(state.sectionTop));
    out.WriteLine("Width = " + form.Text("Width"));
    out.WriteLine("BorderStyle = 0");
    // Page headers and footers never show at run time.
    const bool pageSection =
        section == section_number::kPageHeader || section == section_number::kPageFooter;
    if (pageSection || !form.SectionProperty(section, "Visible").AsBool())
        out.WriteLine("Visible = 0");
}

FormResult ConvertForm(Session& session, FormOutput& output, const std::string& fileName,
                       const std::string& accessName, const FormWriters& writers) {
    FormShared shared(session, output, writers);
    FormState state(shared);
    shared.fileName = fileName;

    FormLevel level;
    level.form = session.sourceDb->OpenForm(accessName);
    if (level.form == nullptr) {
        shared.result.formRejected = true;
        return std::move(shared.result);
    }
    state.level = &level;
    shared.openForms.push_back(level.form);
    std::vector<const AccessForm*> open;
    // Visual Basic's keywords and what the project defines for itself are no
    // control's names; the routines the form's Form_Load calls give way to
    // the procedures its own code has.
    for (const std::string& procedure : ProcedureNames(output.Code().module))
        output.Names().Reserve(procedure, true);
    ClaimFormMembers(output.Names());
    ReserveApplicationNames(output.Names(), *level.form, *session.sourceDb, open);
    level.dataControl = "dat" + MakeVBName(level.form->Name());
    if (!level.form->Text("RecordSource").empty())
        level.dataControl = output.Names().Generate(name_key::kFormDataControl, level.dataControl);
    StartLevel(state, level);
    // Every control is named before any is written, and the form's code
    // follows the names they took before an embedded form's code joins it.
    for (const AccessControl& control : level.form->Controls())
        ControlName(state, control);
    FollowRenamedControls(output.Code().module, output.RenamedControls());
    output.SetVersion(session.Settings().options.vb5Project ? "VERSION 5.00" : "VERSION 4.00");
    // The project gives every form its name before the first is converted; a
    // form converted on its own claims its name here.
    const auto claimed = session.names.formVbNames.find(level.form->Name());
    state.shared.formVbName =
        claimed != session.names.formVbNames.end()
            ? claimed->second
            : session.names.projectNames.Claim(MakeVBName(level.form->Name()));
    session.names.formVbNames[level.form->Name()] = state.shared.formVbName;
    output.StartForm("Begin VB.Form " + state.shared.formVbName);
    state.shared.formFile = DesignWriter(&output.Form());
    state.host = ControlContainer{&state.shared.formFile};
    WriteFormBlockHead(state);

    if (!level.form->Text("RecordSource").empty())
        WriteFormDataControl(state);
    WriteFormControls(state);
    CloseSectionFrames(state);

    AddComboItems(state, {}, {}, true, false);
    AddListItems(state, {}, {}, true, false);
    AddButtonPicture(state, {}, {}, true);
    AddDataCtlCaption(output.Code().captions, {}, {}, true);

    const long interval = level.form->Property("TimerInterval").AsLong();
    if (interval > 0) {
        state.shared.formFile.WriteLine("Begin VB.Timer " +
                                        output.Names().Generate(name_key::kTimer, "Timer1"));
        state.shared.formFile.WriteLine("Left = 0");
        state.shared.formFile.WriteLine("Top = 0");
        state.shared.formFile.WriteLine("Interval = " + std::to_string(interval));
        state.shared.formFile.WriteLine("End");
    }
    if (writers.formEvents)
        writers.formEvents(state);
    // The toolbar and the menus close the form block.
    const std::string toolbar = level.form->Text("Toolbar");
    if (!toolbar.empty() && writers.toolbar)
        writers.toolbar(state, toolbar);
    const std::string menuBar = level.form->Text("MenuBar");
    if (!menuBar.empty() && writers.menus)
        writers.menus(state, menuBar);
    state.shared.formFile.Close();

    shared.result.controlCount = CountControlNames(output.Form());
    shared.result.formRejected =
        shared.result.controlCount > kControlLimit ? !ReduceLabelControls(state) : false;
    return std::move(shared.result);
}

void ConvertEmbeddedSubform(const FormState& parentState, const AccessControl& subformControl,
                            const AccessForm& subform) {
    // The subform's controls go where its subform control lies: into the
    // container the parent writes that control into, the subform's corner at
    // the control's place.
    FormState state = parentState;
    const ControlContainer& host = PlaceControl(state);
    const long top = ControlTop(state, subformControl) + host.top;
    const long left = subformControl.Property("Left").AsLong() + state.subformLeft;

    // The subform is written with a state of its own; the parent's stays as it
    // was. A tab control inside the subform does not end the parent's tab page.
    const FormLevel* parent = parentState.level;
    state.host = host;
    state.subformTop = top;
    state.subformLeft = left;
    state.onTabPage = false;
    state.parentFormName = parent->form->Name();
    state.subformControlName = subformControl.Name();

    FormLevel level;
    level.form = &subform;
    level.parent = parent;
    level.dataControl = "dat" + MakeVBName(subform.Name());
    if (!subform.Text("RecordSource").empty())
        level.dataControl = state.output.Names().Generate(
            std::string(name_key::kSubformDataControl) + state.controlVbName, level.dataControl);
    state.level = &level;
    state.isSubform = true;
    StartLevel(state, level);
    for (const AccessControl& control : subform.Controls())
        ControlName(state, control);
    JoinSubformCode(state, subform);
    // The subform's data control lies at its top-left corner.
    if (!subform.Text("RecordSource").empty())
        WriteSubformDataControl(state, state.host, subform, level.dataControl, parent->dataControl,
                                left - state.host.left + state.host.pageShift,
                                top - state.host.top);
    WriteFormControls(state);
    if (state.writers.embeddedFormEvents)
        state.writers.embeddedFormEvents(state);
}

}  // namespace velorin
