// The pure step of printing: a report's data becomes pages of positioned text
// lines, bands and bars, measured through a TextMeasure in the units of the
// page size.
#pragma once

#include <string_view>
#include <vector>

#include "reports/page_model.h"
#include "reports/report_data.h"
#include "reports/text_measure.h"

namespace velorin {

struct PageSize {
    double width = 0;
    double height = 0;
};

// The report's pages: a table of its rows under repeated column headings,
// grouped when the report says so, then its bar chart if it has one. Every
// page carries the title, `date` and "Page n of m". A report without rows
// still has its page, with the headings and a note. `page` is the upright
// page; a table whose first column's names would have to be broken on it is
// laid out on pages turned on their side.
std::vector<PageModel> LayoutReport(const ReportData& report, PageSize page,
                                    const TextMeasure& measure, std::string_view date);

}  // namespace velorin
