// Every control of a form passes through one dispatch: it gets its unique
// Visual Basic name and its output file and goes to the writer of its class.
#pragma once

#include "forms/form_state.h"

namespace velorin {

// The tab controls with the controls of their pages, page by page.
void WriteTabControlPass(FormState& state);
// Every other control, in collection order.
void WriteMainPass(FormState& state);
// Rectangles, last of all.
void WriteRectanglePass(FormState& state);

// The control's unique Visual Basic name, given when the control is first met:
// MakeVBName cut to 40 characters, "A" appended while another control of the
// form has the name.
const std::string& ControlName(FormState& state, const AccessControl& control);
// Makes the control the current one, with its name.
void NameControl(FormState& state, const AccessControl& control);

// Chooses the container of the current control (state.container) and the
// page-break page it lies on.
const ControlContainer& PlaceControl(FormState& state);
// Lists `name` among the controls of the container's page, when the page
// lists its controls.
void AddContainerMember(const ControlContainer& container, const std::string& name);
// The file the current control's block goes to: PlaceControl, the control
// listed on its page.
DesignWriter& SelectControlOutput(FormState& state);

// Hands the current control to its writer; `tabPass` tells the passes apart.
void DispatchControl(FormState& state, bool tabPass);

}  // namespace velorin
