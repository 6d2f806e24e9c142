// An Access form as the painters of Visual Basic controls can draw it: each
// section a strip of the form's width, each control that form view shows a
// block of the Visual Basic class that looks like it, placed in its section.
#pragma once

#include <string>
#include <vector>

#include "project/form_design.h"
#include "session/host/access_form.h"

namespace velorin {

struct AccessSectionDesign {
    int number = 0;     // Detail 0, FormHeader 1, FormFooter 2
    double height = 0;  // twips
    double backColour = 0;
    // In text order, which is Access's order of drawing: Left and Top count
    // from the section's corner. Each block's name is the control's.
    std::vector<LoadedBlock> controls;
};

struct AccessFormDesign {
    LoadedBlock window;  // a VB.Form block with the caption and the window's buttons
    double width = 0;    // twips
    bool recordSelectors = false;
    bool navigationButtons = false;
    std::vector<AccessSectionDesign> sections;  // header, detail, footer: those form view shows
};

// Form view shows the form header, the detail and the form footer, and of a
// tab control the controls of its first page; hidden sections and controls
// are left out.
AccessFormDesign AccessFormAsDesign(const AccessForm& form);

}  // namespace velorin
