#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "common/ansi_text.h"
#include "reports/analysis_reports.h"
#include "reports/report_data.h"
#include "reports/report_layout.h"
#include "reports/report_painter.h"

namespace velorin {
namespace {

bool PaintReports(const std::vector<ReportData>& reports, QPagedPaintDevice& device,
                  std::string& error) {
    // Every page is laid out first: a report on pages turned on their side
    // turns the device before its first page starts. The others keep the
    // orientation the device was given (a printer dialog's choice).
    const QPageLayout::Orientation chosen = device.pageLayout().orientation();
    const QtTextMeasure measure(device);
    const PageSize size{static_cast<double>(device.width()), static_cast<double>(device.height())};
    const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    std::vector<PageModel> pages;
    for (const ReportData& report : reports) {
        for (PageModel& page : LayoutReport(report, size, measure, date))
            pages.push_back(std::move(page));
    }
    auto orientation = [chosen](const PageModel& page) {
        return page.landscape ? QPageLayout::Landscape : chosen;
    };
    if (!pages.empty())
        device.setPageOrientation(orientation(pages.front()));
    QPainter painter;
    if (!painter.begin(&device)) {
        error = "cannot print: the printer or file refused to start";
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            if (pages[i].landscape != pages[i - 1].landscape)
                device.setPageOrientation(orientation(pages[i]));
            if (!device.newPage()) {
                painter.end();
                error = "cannot print: the printer or file refused a new page";
                return false;
            }
        }
        PaintPage(painter, pages[i], measure);
    }
    if (!painter.end()) {
        error = "cannot print: the printer or file failed to finish";
        return false;
    }
    return true;
}

// The named reports' data; false with the reason when none is named or one fails.
bool ReadSelected(const std::filesystem::path& supportDb, const std::vector<std::string>& names,
                  std::vector<ReportData>& reports, std::string& error) {
    if (names.empty()) {
        error = "no report selected";
        return false;
    }
    return ReadReports(supportDb, names, reports, error);
}

}  // namespace

bool RenderReports(const std::filesystem::path& supportDb, const std::vector<std::string>& names,
                   QPagedPaintDevice& device, std::string& error) {
    std::vector<ReportData> reports;
    return ReadSelected(supportDb, names, reports, error) && PaintReports(reports, device, error);
}

bool WriteReportsPdf(const std::filesystem::path& supportDb, const std::vector<std::string>& names,
                     const std::filesystem::path& pdf, std::string& error) {
    std::vector<ReportData> reports;
    if (!ReadSelected(supportDb, names, reports, error))
        return false;
    // Written beside the target and renamed into place: a failure leaves no
    // half file and keeps an older one.
    std::filesystem::path partial = pdf;
    partial += ".part";
    bool written = false;
    {
        QPdfWriter writer(QString::fromStdString(partial.string()));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("Velorin"));
        writer.setTitle(QStringLiteral("Conversion Analysis"));
        written = PaintReports(reports, writer, error);
    }
    std::error_code ec;
    if (written) {
        std::filesystem::rename(partial, pdf, ec);
        if (ec)
            error = "cannot write " + pdf.string() + ": " + ec.message();
    } else if (error.rfind("cannot print", 0) == 0) {
        error = "cannot write " + pdf.string();
    }
    if (!written || ec) {
        std::filesystem::remove(partial, ec);
        return false;
    }
    return true;
}

}  // namespace velorin
