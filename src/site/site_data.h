// What the conversion report shows, read from the support database: each
// converted form and module with its counts (tblStats), its code (tblCodeMap)
// and its findings (tblReportOutput), and the text of each reason.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "site/code_map.h"

struct sqlite3;

namespace velorin {

// One row of tblReportOutput.
struct Finding {
    long long id = 0;
    int reason = 0;
    std::string codeLine;
    long long line = 0;  // of the Access code (1-based); 0: about the form or a control
    std::string translatedLine;
    std::string routine;
};

// The counts of tblStats.
struct ModuleCounts {
    long long totalLines = 0;
    long long commentLines = 0;
    long long linesNotTranslated = 0;
    long long linesToReview = 0;  // LinesPotentiallyConverted: translated, with a note
    long long blankLines = 0;
    long long subs = 0;
    long long functions = 0;
    long long controls = 0;
    long long controlsInPart = 0;
    long long codeLines = 0;

    // Lines of code that are neither comments nor blank.
    long long StatementLines() const;
    // Statement lines translated without a note.
    long long LinesTranslated() const;
};

struct SiteModule {
    std::string name;  // ModuleName
    bool hasStats = false;
    ModuleCounts counts;
    std::optional<CodeMap> code;
    std::vector<Finding> findings;  // in the order they were recorded

    // Form, Module or Class: as the code map says, else a form when it has controls.
    std::string Kind() const;
    // The page shows Access line `line` of the code.
    bool ShowsLine(long long line) const;
};

struct SiteData {
    // Every form and module of tblStats, and any other that a finding names,
    // by name without regard to case. A code map of no such module is not
    // this conversion's and is left out.
    std::vector<SiteModule> modules;
    std::map<int, std::string> reasons;  // tblReasons
};

// False, with `error`, when the tables cannot be read.
bool ReadSiteData(sqlite3* db, SiteData& data, std::string& error);

}  // namespace velorin
