// The state of one top-level form while it is converted, shared by the form
// converter, the dispatcher and the control writers: what the whole form
// file shares, and where each form of it (the form or an embedded subform)
// is being written.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "form_context/form_writers.h"
#include "output/form_output.h"
#include "session/session.h"

namespace velorin {

// The height of the tabs of the strip a form's page breaks become.
inline constexpr int kPageBreakTabHeight = 520;
// Added to Left of the controls of a page that is not showing: out of sight.
inline constexpr long kHiddenPageShift = -75000;

// The vertical layout of a form's sections in the converted form, in twips.
// Sums of section heights can pass 32767, so they are kept wide.
struct SectionLayout {
    long headerTop = 0;
    long pageHeaderTop = 0;
    long detailTop = 0;
    long pageFooterTop = 0;
    long footerTop = 0;
    long totalHeight = 0;
    long detailHeight = 0;
};

// A tab dialog control being written: an Access tab control or the strip a
// form's page breaks turn its detail into. Each page lists the controls
// written onto it, as they are written.
struct TabStrip {
    std::string name;
    std::vector<int> counts;  // controls placed on each page
    // The strip's block with its own lines and the list of its members; the
    // blocks of its members are gathered apart and follow those lines.
    std::unique_ptr<DesignBlock> block;
    DesignWriter header;
    std::unique_ptr<DesignBlock> members;
    DesignWriter body;
};

// The tab strip that a form's page breaks turn its detail into.
struct PageBreakStrip : TabStrip {
    std::vector<int16_t> tops{0};  // index 0 holds 0, then each page break's Top, sorted
    bool active = false;
};

// What a control's block is written into: the form block, a section frame,
// a page of a page-break strip or of a tab control. Left and Top of the
// control are relative to it.
struct ControlContainer {
    DesignWriter* out = nullptr;
    // The container's top-left corner in the top form's client area.
    long left = 0;
    long top = 0;
    // Added to Left: a tab page that is not showing keeps its controls out of sight.
    long pageShift = 0;
    // A page of a tab strip lists the controls written onto it.
    TabStrip* strip = nullptr;
    size_t stripPage = 0;
};

// What one ConvertForm call (top level or embedded subform) works on.
struct FormLevel {
    const AccessForm* form = nullptr;
    const FormLevel* parent = nullptr;  // the form that embeds this one
    SectionLayout layout;
    PageBreakStrip strip;
    // The data control the form's bound controls are bound to.
    std::string dataControl;
    // The name each control got: a control is named once, when first met. A
    // form embedded twice is two levels, its controls named in each.
    std::map<const AccessControl*, std::string> controlNames;
    // The names an embedded form's own procedures took in the form's module
    // (its Form_Current), by the names its code gives them.
    std::map<std::string, std::string, ILess> procedureNames;
};

// A control converted only in part, and why; the form's picture marks it.
struct PartialControl {
    std::string form;     // the Access form it lies on: the top form or an embedded one
    std::string control;  // its Access name
    std::string vbName;   // the name it has in the form file
    int reason = 0;
    bool operator==(const PartialControl&) const = default;
};

// What converting one top-level form returns to the driver.
struct FormResult {
    // The form could not be converted: it could not be read, or it holds more
    // controls than a Visual Basic form takes even after its labels were
    // joined into arrays.
    bool formRejected = false;
    // The names the form file's controls use (an array counts once), and the
    // controls converted only in part.
    int controlCount = 0;
    int partiallyConvertedCount = 0;
    // Index 5: the form centres itself when it loads. The other entries are
    // the driver's, set from the form's generated code.
    std::array<int, 7> formFeatureFlags{};
    // The names of the option groups written, element 0 empty; the form's
    // code reads their values through them.
    std::vector<std::string> optionGroupNames{std::string()};
    // The form holds a tab control.
    bool tabControlFlag = false;
    // Each control converted only in part, once for each reason, in the order met.
    std::vector<PartialControl> partialControls;
};

// What a top-level form and the subforms embedded in it write into together.
struct FormShared {
    FormShared(Session& s, FormOutput& o, const FormWriters& w)
        : session(s), output(o), writers(w) {}

    Session& session;
    FormOutput& output;  // the form file being generated
    const FormWriters& writers;
    std::string fileName;  // <F>: the top-level form's file name, without extension
    std::string formVbName;
    DesignWriter formFile;  // into the form block, while the form and its subforms are written
    // 1 to 4: the frames of the non-detail sections, joined to the form block
    // after all other controls.
    std::array<std::unique_ptr<DesignBlock>, 5> sectionFrames;
    std::array<DesignWriter, 5> sectionFiles;
    // The forms being written, the top-level form first.
    std::vector<const AccessForm*> openForms;
    // The procedures of each written form's own code, read when an event
    // first asks whether the procedure it calls exists.
    std::map<const AccessForm*, std::set<std::string, ILess>> formProcedures;
    // Whether the last list or combo tested fits a standard Visual Basic
    // control; kept from one control to the next unless the option asks for
    // the test.
    bool standardListFlag = false;
    FormResult result;
};

// Where one form is being written: the top-level form, or a subform embedded
// in it, which is written with a state of its own that starts as a copy of
// its parent's.
struct FormState {
    explicit FormState(FormShared& s)
        : session(s.session), output(s.output), writers(s.writers), shared(s) {}

    Session& session;
    FormOutput& output;
    const FormWriters& writers;
    FormShared& shared;
    FormLevel* level = nullptr;  // the form being written

    bool isSubform = false;
    // The top-left corner of the form being written in the top form's client
    // area: 0 at top level, where its subform control shows an embedded form.
    long subformTop = 0;
    long subformLeft = 0;
    // Where an embedded form's controls go that lie on no page of its own:
    // the container its subform control lies in. At top level, the form block.
    ControlContainer host;
    // The form that embeds this one, and the subform control that shows it.
    std::string parentFormName;
    std::string subformControlName;

    // The top of the current control's section in its form; for the detail on
    // a page-break strip, the top of the strip's pages.
    long sectionTop = 0;

    const AccessControl* control = nullptr;
    std::string controlVbName;
    // The container of the current control, chosen when its block is started.
    ControlContainer container;

    // Access tab controls.
    bool onTabPage = false;
    int tabPage = 0;
    ControlContainer tabPageContainer;  // the page whose controls are being written
    // The page of the form's page-break strip the current control lies on.
    int pageBreakPage = 0;

    const AccessForm& Form() const { return *level->form; }
};

}  // namespace velorin
