// Fixtures for the report tests: a text measure with fixed character widths,
// support databases filled with known rows, PDF page counts.
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

#include "reports/report_data.h"
#include "reports/text_measure.h"

namespace velorin::testing {

// Every character as wide as its style says: widths are character counts
// times the style's width, so expectations can be worked out by hand.
class FixedMeasure : public TextMeasure {
  public:
    double Width(std::string_view text, TextStyle style) const override;
    double LineHeight(TextStyle style) const override;
    static double CharWidth(TextStyle style);
};

size_t CodePoints(std::string_view text);

// An open connection to a support database, closed at the end of the scope.
class Database {
  public:
    explicit Database(const std::filesystem::path& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Exec(const std::string& sql);
    void AddFinding(const std::string& module, int reason, const std::string& codeLine,
                    int lineNumber, const std::string& translatedLine, const std::string& routine);
    void AddStats(const std::string& module, int totalLines, int codeLines);
    std::vector<std::vector<std::string>> Rows(const std::string& sql);

  private:
    sqlite3* db_ = nullptr;
};

// Pages of a PDF file, counted from its page objects.
int PdfPageCount(const std::filesystem::path& pdf);

// A report built in the test, without a database.
ReportData MakeReport(std::vector<std::string> columns,
                      const std::vector<std::vector<std::string>>& rows);

}  // namespace velorin::testing
