// One Access form into the design section and generated code of a Visual
// Basic form file; embedded subforms are written into their parent's block.
#pragma once

#include <string>

#include "form_context/form_state.h"
#include "forms/default_form_writers.h"

namespace velorin {

// The driver's call for a top-level form: fills `output` (whose code already
// holds the form module's own code) and returns its control counts and
// whether it was rejected. `fileName` is the form file's name without its
// extension; the binary companion is named after it.
FormResult ConvertForm(Session& session, FormOutput& output, const std::string& fileName,
                       const std::string& accessName,
                       const FormWriters& writers = DefaultFormWriters());

// The recursive path for a subform shown as a form: its controls go into the
// parent's form block, offset by the subform control's position.
void ConvertEmbeddedSubform(const FormState& parentState, const AccessControl& subformControl,
                            const AccessForm& subform);

// Creates the frame of a non-detail section (1 to 4).
void CreateSection(FormState& state, int sectionNumber);

// The height a section of `form` shows: its Height, at least down to the
// bottom edge of its lowest control; 0 for a section the form does not have.
long SectionHeight(const AccessForm& form, int sectionNumber);

}  // namespace velorin
