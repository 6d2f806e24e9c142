// The conversion report to read in a browser: a folder of static pages made
// from the support database, index.html with the totals and every finding, and
// one page per form and module with its code, Access's beside Visual Basic's.
// The folder holds everything the pages show (style sheet, script, the forms'
// pictures) and works offline.
#pragma once

#include <filesystem>
#include <string>

struct sqlite3;

namespace velorin {

inline constexpr std::string_view kReportFolder = "report";

struct SiteOutcome {
    bool written = false;
    std::string error;  // why the report was not written
    std::filesystem::path index;
    size_t pages = 0;  // of forms and modules
};

// Writes the report of the conversion `supportDb` holds into `folder`, made
// when missing. The folder keeps a record of the files written there
// (velorin.files): the last report's files are replaced, any other file stays,
// and a file of another's in the way of a page stops the report before
// anything is written.
SiteOutcome WriteConversionSite(sqlite3* supportDb, const std::filesystem::path& folder);

// The same from the support database file, opened read-only; a database
// that holds no conversion is refused.
SiteOutcome WriteConversionSite(const std::filesystem::path& supportDb,
                                const std::filesystem::path& folder);

}  // namespace velorin
