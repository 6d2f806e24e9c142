// The state of one top-level form while it is converted, shared by the form
// converter, the dispatcher and the control writers. Embedded subforms are
// written into the same state, one level deeper.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/form_writers.h"
#include "output/form_output.h"
#include "session/session.h"

namespace velorin {

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

// The tab strip that a form's page breaks turn its detail into.
struct PageBreakStrip {
    std::vector<int16_t> tops{0};  // index 0 holds 0, then each page break's Top, sorted
    bool active = false;
    std::vector<int> counts;  // controls placed on each page
    // The strip's block with its own lines and the list of its members; the
    // blocks of its members are gathered apart and follow those lines.
    std::unique_ptr<DesignBlock> block;
    DesignWriter header;
    std::unique_ptr<DesignBlock> members;
    DesignWriter body;
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
};

struct FormState {
    FormState(Session& s, FormOutput& o, const FormWriters& w)
        : session(s), output(o), writers(w) {}

    Session& session;
    FormOutput& output;  // the form file being generated
    const FormWriters& writers;
    std::string fileName;  // <F>: the top-level form's file name, without extension
    std::string formVbName;
    DesignWriter formFile;       // into the form block, while the form and its subforms are written
    FormLevel* level = nullptr;  // the form being written (after a subform returns, the parent)

    bool isSubform = false;
    long subformTop = 0;
    long subformLeft = 0;
    // Kept by a parent before it converts an embedded subform.
    std::string parentFormName;
    std::string subformControlName;

    long sectionTop = 0;
    // 1 to 4: the frames of the non-detail sections, joined to the form block
    // after all other controls.
    std::array<std::unique_ptr<DesignBlock>, 5> sectionFrames;
    std::array<DesignWriter, 5> sectionFiles;

    // The forms being written, the top-level form first.
    std::vector<const AccessForm*> openForms;

    const AccessControl* control = nullptr;
    std::string controlVbName;

    // Access tab controls.
    bool onTabPage = false;
    int tabPage = 0;
    std::vector<int> tabPageCounters;
    long tabTopOffset = 0;
    // Page-break strip placement of the current control.
    int pageBreakPage = 0;
    long pageShift = 0;

    const AccessForm& Form() const { return *level->form; }
};

}  // namespace velorin
