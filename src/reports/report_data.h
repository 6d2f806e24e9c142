// A report as read from the support database: its definition and the rows of
// its query, as UTF-8 text.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "reports/analysis_reports.h"

namespace velorin {

struct ReportCell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;
    double number = 0;
};

struct ReportData {
    std::string name;
    std::string title;
    std::vector<std::string> columns;  // the query's column names: the printed headings
    std::vector<std::vector<ReportCell>> rows;
    int groupColumns = 0;   // leading columns that head a group
    bool barChart = false;  // one bar per row: last column its length, the others its label
};

// Reads the named reports, in the given order, and runs their queries. False
// with a message naming the report when a name is unknown or a query fails.
bool ReadReports(const std::filesystem::path& supportDb, const std::vector<std::string>& names,
                 std::vector<ReportData>& reports, std::string& error);

}  // namespace velorin
