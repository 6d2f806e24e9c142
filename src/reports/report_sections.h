// The parts a report is made of, each laid out into the page flow.
#pragma once

#include "reports/page_flow.h"
#include "reports/report_data.h"

namespace velorin {

// The rows under column headings repeated on every page; with group columns,
// a heading per group, repeated as "(continued)" on the pages it runs onto.
void LayoutTable(const ReportData& report, PageFlow& flow);

// The width the table needs for the names in its first column (the forms and
// modules a row is about) to be whole, every other column at its narrowest.
double TableWidthForWholeNames(const ReportData& report, const TextMeasure& measure);

// One horizontal bar per row, scaled to the largest value.
void LayoutBarChart(const ReportData& report, PageFlow& flow);

}  // namespace velorin
