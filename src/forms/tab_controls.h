// Tabbed pages: Access tab controls, and the tab strip a form's page breaks
// turn its detail into. Both become the tab dialog control (TabDlg.SSTab).
#pragma once

#include <vector>

#include "forms/form_state.h"

namespace velorin {

// The head of the current control, an Access tab control, into `out`, its
// container's file; the pages' controls and the block's End follow.
void WriteTabControl(FormState& state, DesignWriter& out);
// A tab control's pages, and every control on a page, in collection order.
std::vector<const AccessControl*> TabPages(const AccessControl& tab);
std::vector<const AccessControl*> PageControls(const AccessControl& page);

// The page-break strip of a form level: started before the form block, filled
// as its detail controls are placed, finished into the form block.
void StartPageBreakStrip(FormState& state, FormLevel& level);
// Lists `name` among the controls of the strip's page.
void AddPageBreakMember(PageBreakStrip& strip, size_t page, const std::string& name);
void FinishPageBreakStrip(FormState& state);

}  // namespace velorin
