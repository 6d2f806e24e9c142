#include "reports/report_layout.h"

#include "reports/page_flow.h"
#include "reports/report_sections.h"

namespace velorin {

std::vector<PageModel> LayoutReport(const ReportData& report, PageSize page,
                                    const TextMeasure& measure, std::string_view date) {
    const double needed = TableWidthForWholeNames(report, measure);
    const bool landscape = page.width < page.height && needed > page.width;
    PageFlow flow(report.title, date, landscape ? PageSize{page.height, page.width} : page,
                  measure);
    LayoutTable(report, flow);
    if (report.barChart)
        LayoutBarChart(report, flow);
    std::vector<PageModel> pages = flow.Finish();
    for (PageModel& model : pages)
        model.landscape = landscape;
    return pages;
}

}  // namespace velorin
