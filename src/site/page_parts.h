// What the report's pages have in common: their frame, the text of a reason,
// and where a finding is shown.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "site/site_data.h"

namespace velorin {

inline constexpr std::string_view kIndexPage = "index.html";

// The page up to its body's content: UTF-8, the shared style sheet, the title
// (Windows-1252 text).
std::string PageStart(std::string_view title);
// The end of the page, with the shared script when `script`.
std::string PageEnd(bool script);

// "7: Translated into equivalent Visual Basic; check it" (Windows-1252).
std::string ReasonText(const std::map<int, std::string>& reasons, int reason);

// The place of a finding on its module's page: beside its Access line (L<n>)
// when the page shows that line, else in the page's list of findings (F<id>).
std::string FindingAnchor(const SiteModule& module, const Finding& finding);

// The cell text of a finding's line: its number, or "-" for the form or a control.
std::string LineText(const Finding& finding);

// A table of findings up to its first row: line, routine, reason, code line
// or control, translated line.
inline constexpr std::string_view kFindingsTableHead =
    "<table class=\"list\">\n<thead><tr><th class=\"n\">Line</th><th>Routine</th>"
    "<th>Reason</th><th>Code line or control</th><th>Translated line</th></tr></thead>"
    "\n<tbody>\n";
// The cells of a finding's row after its line, and the row's end.
void AppendFindingCells(std::string& page, const Finding& finding,
                        const std::map<int, std::string>& reasons);

}  // namespace velorin
