// One Access form into the form block of a Visual Basic form file and its
// fragments; embedded subforms are written into their parent's block.
#pragma once

#include <string>

#include "forms/form_state.h"

namespace velorin {

// The driver's call for a top-level form: writes form_<F>.hdr, form_<F>.frm
// and the other fragments, sets the session's control counts and the form
// rejected flag.
void ConvertForm(Session& session, const std::string& fileName, bool isSubform,
                 const std::string& accessName, const FormWriters& writers = DefaultFormWriters());

// The recursive path for a subform shown as a form: its controls go into the
// parent's form block, offset by the subform control's position.
void ConvertEmbeddedSubform(FormState& state, const AccessControl& subformControl,
                            const AccessForm& subform);

// Creates the frame of a non-detail section (1 to 4) in form_<F>.se<n>.
void CreateSection(FormState& state, int sectionNumber);

// The section top of a control of the given section, for the form being written.
long SectionTopOf(const FormState& state, int sectionNumber);

}  // namespace velorin
