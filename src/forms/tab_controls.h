// Tabbed pages: Access tab controls, and the tab strip a form's page breaks
// turn its detail into. Both become the tab dialog control (TabDlg.SSTab).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "form_context/form_state.h"

namespace velorin {

// Starts `strip` as the current control, an Access tab control, with the
// lines of its head; the pages' controls are written into its body, and
// FinishTabStrip gives the whole block.
void WriteTabControl(FormState& state, TabStrip& strip);
// A tab control's pages, and every control on a page, in collection order.
std::vector<const AccessControl*> TabPages(const AccessControl& tab);
std::vector<const AccessControl*> PageControls(const AccessControl& page);

// The page-break strip of a form level: started before the form block, filled
// as its detail controls are placed, finished into the form block.
void StartPageBreakStrip(FormState& state, FormLevel& level);
void FinishPageBreakStrip(FormState& state);

// A tab strip of `pages` pages named `name`, with no lines yet.
void StartTabStrip(TabStrip& strip, const std::string& name, size_t pages);
// The strip's block: its own lines, each page's count of controls, then the
// blocks of its members.
std::unique_ptr<DesignBlock> FinishTabStrip(TabStrip& strip);

}  // namespace velorin
