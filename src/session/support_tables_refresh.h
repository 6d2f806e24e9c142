// A support database that an earlier version of the program made keeps the
// findings of its conversions, but its lists of reasons and reports are the
// old ones: a finding of a newer kind would be missing from every report.
#pragma once

#include <filesystem>
#include <string>

namespace velorin {

// Adds the template's tables that the database lacks (each made by the
// template's own CREATE TABLE statement) and the template's rows that the
// tables describing the analysis (tblReasons, Reports, SavedStatements,
// CustomControlMapping) lack, in one transaction; rows the user changed stay
// as they are. False, with `why`,
// when that cannot be done; the database is then as it was.
bool RefreshSupportTables(const std::filesystem::path& database,
                          const std::filesystem::path& templateFile, std::string& why);

}  // namespace velorin
