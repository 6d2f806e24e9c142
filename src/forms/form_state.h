// The state of one top-level form while it is converted, shared by the form
// converter, the dispatcher and the control writers. Embedded subforms are
// written into the same state, one level deeper.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/output_directory.h"
#include "forms/form_writers.h"
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
    OutputFile header;        // form_<F>.tab
    OutputFile body;          // form_<F>.ta2
};

// What one ConvertForm call (top level or embedded subform) works on.
struct FormLevel {
    const AccessForm* form = nullptr;
    std::string fileName;  // MakeFileName of this form's name
    SectionLayout layout;
    PageBreakStrip strip;
};

struct FormState {
    FormState(Session& s, const FormWriters& w) : session(s), writers(w) {}

    Session& session;
    const FormWriters& writers;
    std::string fileName;  // <F>: names the top-level form's fragments
    std::string formVbName;
    OutputFile formFile;         // form_<F>.frm, open while the form and its subforms are written
    FormLevel* level = nullptr;  // the form being written (after a subform returns, the parent)

    bool isSubform = false;
    long subformTop = 0;
    long subformLeft = 0;
    // Kept by a parent before it converts an embedded subform.
    std::string parentFormName;
    std::string subformControlName;

    long sectionTop = 0;
    std::array<OutputFile, 5> sectionFiles;  // 1 to 4: the frames of the non-detail sections

    // The forms being written, the top-level form first.
    std::vector<const AccessForm*> openForms;

    const AccessControl* control = nullptr;
    std::string controlVbName;
    // Names given per control, so that rectangles written last keep theirs.
    std::map<const AccessControl*, std::string> controlNames;
    std::vector<std::string> usedControlNames;

    // Custom controls the form uses, for its header's Object= lines.
    std::vector<std::string> referenceIds;
    std::vector<std::string> referenceFiles;

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
