// Tabbed pages: Access tab controls, and the tab strip a form's page breaks
// turn its detail into. Both become the tab dialog control (TabDlg.SSTab).
#pragma once

#include <vector>

#include "forms/form_state.h"

namespace velorin {

// The head of the current control, an Access tab control; sets the tab top
// offset that the controls of its pages subtract.
void WriteTabControl(FormState& state);
// A tab control's pages, and every control on a page, in collection order.
std::vector<const AccessControl*> TabPages(const AccessControl& tab);
std::vector<const AccessControl*> PageControls(const AccessControl& page);

// The page-break strip of a form level: started before the form block, filled
// as its detail controls are placed, finished into the form block.
void StartPageBreakStrip(FormState& state, FormLevel& level);
void AddPageBreakMember(FormState& state, size_t page);
void FinishPageBreakStrip(FormState& state);

}  // namespace velorin
