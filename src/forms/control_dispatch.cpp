#include "forms/control_dispatch.h"

#include "code/analysis_records.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "controls/control_lines.h"
#include "form_context/control_placement.h"
#include "form_context/initialisation_routines.h"
#include "forms/convert_form.h"
#include "forms/later_features.h"
#include "forms/standard_list_fit.h"
#include "forms/tab_controls.h"

namespace velorin {
namespace {

bool ParentIsPageOrTab(const AccessControl* parent) {
    return parent != nullptr && (parent->ControlType() == control_type::kPage ||
                                 parent->ControlType() == control_type::kTabControl);
}

void Run(const ControlWriter& writer, FormState& state) {
    if (writer)
        writer(state);
}

// Lists and combos: the standard-list test, the initialiser registration and
// the writer for the chosen control.
void DispatchList(FormState& state, bool combo) {
    Session& session = state.session;
    const AccessControl& control = *state.control;
    const ConversionOptions& options = session.Settings().options;
    if (options.standardControlsOnly)
        state.shared.standardListFlag = IsStandardList(session, control);
    const std::string rowSource = control.Text("RowSource");
    const bool tableOrQuery = IEquals(control.Text("RowSourceType"), "Table/Query");
    const bool bound = combo ? options.comboBoxBound : options.listBoxBound;
    if (!tableOrQuery || !bound || state.shared.standardListFlag) {
        if (combo)
            AddComboItems(state, rowSource, state.controlVbName, false, !tableOrQuery);
        else
            AddListItems(state, rowSource, state.controlVbName, false, !tableOrQuery);
    }
    const FormWriters& w = state.writers;
    const int type = combo ? options.comboBoxType : options.listBoxType;
    if (state.shared.standardListFlag)
        Run(combo ? w.standardComboBox : w.standardListBox, state);
    else if (type == 1)
        Run(combo ? w.greenTreeComboBox : w.greenTreeListBox, state);
    else
        Run(combo ? w.sheridanComboBox : w.sheridanListBox, state);
    Run(combo ? w.comboBoxEvents : w.listBoxEvents, state);
}

void SetSectionTop(FormState& state, const AccessControl& control) {
    state.sectionTop = SectionTopOf(state, control.Section());
}

// The frame of a non-detail section of the top form opens with its first control.
void OpenSectionFrame(FormState& state, int section) {
    if (!state.isSubform && section >= 1 && section <= 4 &&
        !state.shared.sectionFiles[static_cast<size_t>(section)].IsOpen()) {
        CreateSection(state, section);
    }
}

}  // namespace

void DispatchControl(FormState& state, bool tabPass) {
    const AccessControl& control = *state.control;
    RecordLaterControlFeatures(state);
    const FormWriters& w = state.writers;
    switch (control.ControlType()) {
        case control_type::kLabel:
            Run(w.label, state);
            break;
        case control_type::kLine:
            Run(w.line, state);
            break;
        case control_type::kImage:
            Run(w.picture, state);
            break;
        case control_type::kCommandButton:
            Run(w.commandButton, state);
            break;
        case control_type::kCheckBox:
            Run(w.checkBox, state);
            break;
        case control_type::kOptionGroup:
            Run(w.optionGroup, state);
            break;
        case control_type::kBoundObjectFrame:
            Run(w.boundObjectFrame, state);
            break;
        case control_type::kTextBox:
            Run(w.textBox, state);
            break;
        case control_type::kCustomControl:
            Run(w.customControl, state);
            break;
        case control_type::kOptionButton:
        case control_type::kToggleButton: {
            // Buttons inside an option group are the group writer's.
            const AccessControl* parent = control.Parent();
            const bool free =
                tabPass ? parent != nullptr && parent->ControlType() == control_type::kPage
                        : parent == nullptr;
            if (free)
                Run(w.optionButton, state);
            break;
        }
        case control_type::kListBox:
            DispatchList(state, false);
            break;
        case control_type::kComboBox:
            DispatchList(state, true);
            break;
        case control_type::kSubform:
            if (!control.Text("SourceObject").empty())
                Run(w.subform, state);
            break;
        case control_type::kObjectFrame:
            WriteReportRecord(state.session.supportDb, {state.shared.fileName,
                                                        reason::kUnboundObjectFrame,
                                                        state.controlVbName,
                                                        0,
                                                        {},
                                                        {}});
            NotePartialControl(state, reason::kUnboundObjectFrame);
            break;
        default:
            break;
    }
}

void WriteTabControlPass(FormState& state) {
    for (const AccessControl& tab : state.Form().Controls()) {
        if (tab.ControlType() != control_type::kTabControl)
            continue;
        NameControl(state, tab);
        SetSectionTop(state, tab);
        OpenSectionFrame(state, tab.Section());
        DesignWriter& out = SelectControlOutput(state);
        TabStrip strip;
        WriteTabControl(state, strip);
        // The pages' controls are placed relative to the tab control, and each
        // page lists the controls written onto it.
        ControlContainer page{&strip.body,
                              tab.Property("Left").AsLong() + state.subformLeft,
                              tab.Property("Top").AsLong() + state.sectionTop + state.subformTop -
                                  PageBreakPageTop(state),
                              0,
                              &strip,
                              0};
        const std::vector<const AccessControl*> pages = TabPages(tab);
        state.onTabPage = true;
        for (size_t i = 0; i < pages.size(); ++i) {
            state.tabPage = static_cast<int>(i);
            page.pageShift = i == 0 ? 0 : kHiddenPageShift;
            page.stripPage = i;
            for (const AccessControl* control : PageControls(*pages[i])) {
                state.tabPageContainer = page;
                NameControl(state, *control);
                DispatchControl(state, true);
            }
        }
        out.AddBlock(FinishTabStrip(strip));
        state.onTabPage = false;
    }
}

void WriteMainPass(FormState& state) {
    for (const AccessControl& control : state.Form().Controls()) {
        const AccessControl* parent = control.Parent();
        if (ParentIsPageOrTab(parent) || (parent != nullptr && ParentIsPageOrTab(parent->Parent())))
            continue;
        NameControl(state, control);
        SetSectionTop(state, control);
        OpenSectionFrame(state, control.Section());
        DispatchControl(state, false);
    }
}

void WriteRectanglePass(FormState& state) {
    const ControlWriter& writer = state.writers.rectangle;
    for (const AccessControl& control : state.Form().Controls()) {
        if (control.ControlType() != control_type::kRectangle)
            continue;
        NameControl(state, control);
        SetSectionTop(state, control);
        if (writer)
            writer(state);
    }
}

}  // namespace velorin
