#include "reports/report_layout.h"

#include "reports/page_flow.h"
#include "reports/report_sections.h"

namespace velorin {

std::vector<PageModel> LayoutReport(const ReportData& report, PageSize page,
                                    const TextMeasure& measure, std::string_view date) {
    PageFlow flow(report.title, date, page, measure);
    LayoutTable(report, flow);
    if (report.barChart)
        LayoutBarChart(report, flow);
    return flow.Finish();
}

}  // namespace velorin
