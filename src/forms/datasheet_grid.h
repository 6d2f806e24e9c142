// A subform shown as a datasheet: one grid control in the parent, a GreenTree
// list or a Sheridan grid by the list box type, with a column per data control.
#pragma once

#include <vector>

#include "form_context/form_state.h"

namespace velorin {

// The subform's detail controls that have a tab index, in tab order. Tab
// indexes with gaps take the next control in tab order, so column j is the
// j-th of this list; equal indexes keep the collection order.
std::vector<const AccessControl*> DatasheetColumns(const AccessForm& subform);

// Writes the grid for the current control (the subform control) and, when the
// subform has a record source, its data control linked to the parent.
void WriteDatasheetGrid(FormState& state, const AccessForm& subform);

}  // namespace velorin
