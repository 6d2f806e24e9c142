// Where each control of a form goes: the name it gets when it is first met,
// the container its block is written into (the form, a section frame, a page
// of a tab strip) and the page list that names it.
#pragma once

#include <string>
#include <string_view>

#include "form_context/form_state.h"

namespace velorin {

// The control's unique Visual Basic name, given when the control is first met:
// MakeVBName cut to 40 characters, "A" appended while another control of the
// form has the name.
const std::string& ControlName(FormState& state, const AccessControl& control);
// Makes the control the current one, with its name.
// Keeps, for the form's picture, that the current control was converted only
// in part for `reason` (the analysis records it on its own).
void NotePartialControl(FormState& state, int reason);

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

// The section top of a control of the given section, for the form being written.
long SectionTopOf(const FormState& state, int sectionNumber);

// The frame that holds the buttons of the option group named `group`.
std::string GroupFrameName(FormState& state, std::string_view group);

// Lists `name` among the controls of the strip's page.
void AddTabStripMember(TabStrip& strip, size_t page, const std::string& name);

}  // namespace velorin
