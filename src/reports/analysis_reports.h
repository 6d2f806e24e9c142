// The printed conversion analysis: the reports the support database defines,
// painted on a printer or written as PDF. Painting needs a QGuiApplication.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace velorin {

struct ReportEntry {
    std::string name;   // UTF-8
    std::string title;  // UTF-8
};

// The database's reports in list order; empty when it defines none. On failure
// the list is empty and `error` says why.
std::vector<ReportEntry> ListReports(const std::filesystem::path& supportDb, std::string& error);

// Paints the named reports (UTF-8 names, any case) in the given order, each
// from a new page, with its title, the date and page numbers. Nothing is
// painted when a name is unknown.
bool RenderReports(const std::filesystem::path& supportDb, const std::vector<std::string>& names,
                   QPagedPaintDevice& device, std::string& error);

// The same as an A4 PDF file; no file is left behind on failure.
bool WriteReportsPdf(const std::filesystem::path& supportDb, const std::vector<std::string>& names,
                     const std::filesystem::path& pdf, std::string& error);

}  // namespace velorin
