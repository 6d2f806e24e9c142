#include "reports_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "test_support.h"

namespace velorin::testing {

size_t CodePoints(std::string_view text) {
    size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

double FixedMeasure::CharWidth(TextStyle style) {
    switch (style) {
        case TextStyle::Title:
            return 10;
        case TextStyle::Caption:
            return 5;
        case TextStyle::Group:
            return 7;
        case TextStyle::Heading:
        case TextStyle::Body:
            break;
    }
    return 6;
}

double FixedMeasure::Width(std::string_view text, TextStyle style) const {
    return static_cast<double>(CodePoints(text)) * CharWidth(style);
}

double FixedMeasure::LineHeight(TextStyle style) const {
    return 2 * CharWidth(style);
}

Database::Database(const std::filesystem::path& path) {
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK)
        ADD_FAILURE() << "cannot open " << path;
}

Database::~Database() {
    sqlite3_close(db_);
}

void Database::Exec(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << (error != nullptr ? error : "");
        sqlite3_free(error);
    }
}

void Database::AddFinding(const std::string& module, int reason, const std::string& codeLine,
                          int lineNumber, const std::string& translatedLine,
                          const std::string& routine) {
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db_,
                       "INSERT INTO tblReportOutput (ModuleName, ReasonID, CodeLine, LineNumber, "
                       "TranslatedLine, Routine) VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
                       -1, &insert, nullptr);
    sqlite3_bind_text(insert, 1, module.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 2, reason);
    sqlite3_bind_text(insert, 3, codeLine.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 4, lineNumber);
    sqlite3_bind_text(insert, 5, translatedLine.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 6, routine.c_str(), -1, SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE) << sqlite3_errmsg(db_);
    sqlite3_finalize(insert);
}

void Database::AddStats(const std::string& module, int totalLines, int codeLines) {
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(
        db_, "INSERT INTO tblStats (ModuleName, TotalLines, CodeLines) VALUES (?1, ?2, ?3)", -1,
        &insert, nullptr);
    sqlite3_bind_text(insert, 1, module.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 2, totalLines);
    sqlite3_bind_int(insert, 3, codeLines);
    EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE) << sqlite3_errmsg(db_);
    sqlite3_finalize(insert);
}

std::vector<std::vector<std::string>> Database::Rows(const std::string& sql) {
    std::vector<std::vector<std::string>> rows;
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &query, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
        return rows;
    }
    while (sqlite3_step(query) == SQLITE_ROW) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int c = 0; c < sqlite3_column_count(query); ++c) {
            const unsigned char* text = sqlite3_column_text(query, c);
            row.push_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
        }
    }
    sqlite3_finalize(query);
    return rows;
}

int PdfPageCount(const std::filesystem::path& pdf) {
    const std::string bytes = ReadFile(pdf);
    const std::string marker = "/Type /Page";
    int pages = 0;
    for (size_t at = bytes.find(marker); at != std::string::npos; at = bytes.find(marker, at + 1)) {
        const size_t next = at + marker.size();
        // "/Type /Pages" is the page tree, not a page.
        if (next < bytes.size() && bytes[next] != 's')
            ++pages;
    }
    return pages;
}

ReportData MakeReport(std::vector<std::string> columns,
                      const std::vector<std::vector<std::string>>& rows) {
    ReportData report;
    report.name = "rptTest";
    report.title = "Test Report";
    report.columns = std::move(columns);
    for (const std::vector<std::string>& values : rows) {
        std::vector<ReportCell>& row = report.rows.emplace_back();
        for (const std::string& value : values) {
            ReportCell cell;
            char* end = nullptr;
            const double number = std::strtod(value.c_str(), &end);
            if (value.empty()) {
                cell.kind = ReportCell::Kind::Empty;
            } else if (end != nullptr && *end == '\0') {
                cell.kind = ReportCell::Kind::Number;
                cell.number = number;
            } else {
                cell.kind = ReportCell::Kind::Text;
            }
            cell.text = value;
            row.push_back(cell);
        }
    }
    return report;
}

}  // namespace velorin::testing
