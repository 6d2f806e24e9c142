#include <QGuiApplication>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "cli_commands.h"
#include "common/ansi_text.h"
#include "offscreen_qt.h"
#include "reports/analysis_reports.h"

namespace velorin {
namespace {

const ReportEntry* FindReport(const std::vector<ReportEntry>& reports, const std::string& name) {
    const std::string wanted = Utf8ToAnsi(name);
    for (const ReportEntry& report : reports) {
        if (IEquals(Utf8ToAnsi(report.name), wanted))
            return &report;
    }
    return nullptr;
}

void PrintList(const std::vector<ReportEntry>& reports) {
    size_t width = 0;
    for (const ReportEntry& report : reports)
        width = std::max(width, report.name.size());
    for (const ReportEntry& report : reports) {
        std::cout << report.name << std::string(width - report.name.size() + 2, ' ') << report.title
                  << "\n";
    }
}

}  // namespace

int ReportsCommand(const ReportsArguments& a) {
    if (!ProvideDefaultSupportDatabase(a.supportDb, a.supportTemplate, a.supportDbChosen))
        return 1;
    std::string error;
    const std::vector<ReportEntry> reports = ListReports(a.supportDb, error);
    if (!error.empty()) {
        std::cerr << "velorin: " << error << "\n";
        return 1;
    }
    std::vector<ReportEntry> selected;
    for (const std::string& name : a.reports) {
        const ReportEntry* report = FindReport(reports, name);
        if (report == nullptr) {
            std::cerr << "velorin: no report named " << name << " in " << a.supportDb << "\n"
                      << "The reports are:";
            for (const ReportEntry& known : reports)
                std::cerr << " " << known.name;
            std::cerr << (reports.empty() ? " (none)\n" : "\n");
            return 2;
        }
        selected.push_back(*report);
    }
    if (a.reports.empty())
        selected = reports;
    if (a.output.empty()) {
        PrintList(selected);
        return 0;
    }
    if (selected.empty()) {
        std::cerr << "velorin: " << a.supportDb << " defines no reports; nothing printed\n";
        return 1;
    }

    const OffscreenQt qt;

    std::vector<std::string> names;
    for (const ReportEntry& report : selected)
        names.push_back(report.name);
    if (!WriteReportsPdf(a.supportDb, names, a.output, error)) {
        std::cerr << "velorin: " << error << "\n";
        return 1;
    }
    std::cout << "Printed " << names.size() << (names.size() == 1 ? " report" : " reports")
              << " to " << a.output << "\n";
    return 0;
}

}  // namespace velorin
