#include "site_test_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "test_support.h"

namespace velorin::testing {
namespace fs = std::filesystem;

void Exec(const fs::path& path, const std::string& sql, const std::vector<std::string>& values) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    for (size_t i = 0; i < values.size(); ++i)
        sqlite3_bind_text(statement, static_cast<int>(i + 1), values[i].data(),
                          static_cast<int>(values[i].size()), SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE) << sql << ": " << sqlite3_errmsg(db);
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

std::string CrLfText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> AttributeValues(const std::string& html, const std::string& attribute) {
    std::vector<std::string> values;
    const std::string opening = " " + attribute + "=\"";
    for (size_t at = html.find(opening); at != std::string::npos; at = html.find(opening, at + 1)) {
        const size_t start = at + opening.size();
        values.push_back(html.substr(start, html.find('"', start) - start));
    }
    return values;
}

std::multiset<std::string> Ids(const std::string& html) {
    const std::vector<std::string> ids = AttributeValues(html, "id");
    return {ids.begin(), ids.end()};
}

std::vector<HtmlRow> TableRows(const std::string& html, const std::string& tableStart) {
    std::vector<HtmlRow> rows;
    for (size_t table = html.find(tableStart); table != std::string::npos;
         table = html.find(tableStart, table + 1)) {
        const size_t end = html.find("</table>", table);
        for (size_t at = html.find("<tr", table); at < end; at = html.find("<tr", at + 1)) {
            const size_t close = html.find("</tr>", at);
            HtmlRow row;
            row.html = html.substr(at, close - at);
            const std::vector<std::string> classes = AttributeValues(row.html, "class");
            if (row.html.starts_with("<tr class=") && !classes.empty())
                row.classes = classes.front();
            for (size_t cell = row.html.find("<td"); cell != std::string::npos;
                 cell = row.html.find("<td", cell + 1))
                row.cells.push_back(row.html.substr(cell, row.html.find("</td>", cell) - cell));
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::string CellText(const std::string& cell) {
    std::string text;
    bool inTag = false;
    for (char c : cell) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag)
            text += c;
    }
    return text;
}

std::vector<std::string> BrokenLinks(const fs::path& folder) {
    std::map<std::string, std::multiset<std::string>> ids;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".html")
            ids[entry.path().filename().string()] = Ids(ReadFile(entry.path()));
    }
    std::vector<std::string> broken;
    for (const auto& [page, pageIds] : ids) {
        const std::string html = ReadFile(folder / page);
        std::vector<std::string> links = AttributeValues(html, "href");
        for (const std::string& source : AttributeValues(html, "src"))
            links.push_back(source);
        for (const std::string& link : links) {
            const size_t hash = link.find('#');
            const std::string file = link.substr(0, hash);
            const std::string anchor = hash == std::string::npos ? "" : link.substr(hash + 1);
            const std::string target = file.empty() ? page : file;
            const bool inFolder = target.find('/') == std::string::npos &&
                                  target.find(':') == std::string::npos &&
                                  fs::is_regular_file(folder / target);
            const bool anchored =
                anchor.empty() || (ids.count(target) > 0 && ids[target].count(anchor) == 1);
            if (!inFolder || !anchored)
                broken.push_back(page + ": " + link);
        }
    }
    return broken;
}

}  // namespace velorin::testing
