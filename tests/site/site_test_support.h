// A support database filled by hand for the conversion report's tests, and a
// small reader of the report's HTML: its links, ids and code rows.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace velorin::testing {

// Runs statements on the database at `path`, binding `values` to ?1, ?2, ...
void Exec(const std::filesystem::path& path, const std::string& sql,
          const std::vector<std::string>& values = {});

// Lines joined, each ending in CR LF.
std::string CrLfText(const std::vector<std::string>& lines);

// The values of every `attribute="..."` in the page, in order.
std::vector<std::string> AttributeValues(const std::string& html, const std::string& attribute);
// Every id of the page, with as many copies as it is given.
std::multiset<std::string> Ids(const std::string& html);

// One <tr> of a table: its classes and the raw HTML of each of its cells.
struct HtmlRow {
    std::string classes;
    std::vector<std::string> cells;
    std::string html;  // the whole row
};
// The rows of the tables whose start tags begin with `tableStart` ("<table class=\"code\""),
// in order.
std::vector<HtmlRow> TableRows(const std::string& html, const std::string& tableStart);
// A cell's text, tags left out (entities stay as they are).
std::string CellText(const std::string& cell);

// The links of every page of the site in `folder` that do not resolve: a file
// that is not there, an anchor its page lacks, or anything outside the folder.
std::vector<std::string> BrokenLinks(const std::filesystem::path& folder);

}  // namespace velorin::testing
