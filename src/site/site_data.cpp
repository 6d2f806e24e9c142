#include "site/site_data.h"

#include <algorithm>

#include "common/ansi_text.h"
#include "site/sqlite_query.h"

namespace velorin {
namespace {

class Modules {
  public:
    explicit Modules(std::vector<SiteModule>& modules) : modules_(modules) {}
    SiteModule& Named(const std::string& name) {
        auto [it, added] = index_.emplace(name, modules_.size());
        if (added)
            modules_.emplace_back().name = name;
        return modules_[it->second];
    }
    SiteModule* Find(const std::string& name) {
        auto it = index_.find(name);
        return it == index_.end() ? nullptr : &modules_[it->second];
    }

  private:
    std::vector<SiteModule>& modules_;
    std::map<std::string, size_t, ILess> index_;
};

bool ReadStats(sqlite3* db, Modules& modules, std::string& error) {
    SqliteQuery rows(db,
                     "SELECT ModuleName, TotalLines, CommentLines, LinesNotTranslated, "
                     "LinesPotentiallyConverted, BlankLines, SubCount, ProcCount, CtlCount, "
                     "CtlsPartiallyConverted, CodeLines FROM tblStats");
    while (rows.Next()) {
        SiteModule& module = modules.Named(rows.Text(0));
        module.hasStats = true;
        ModuleCounts& c = module.counts;
        long long* fields[] = {
            &c.totalLines, &c.commentLines, &c.linesNotTranslated, &c.linesToReview,  &c.blankLines,
            &c.subs,       &c.functions,    &c.controls,           &c.controlsInPart, &c.codeLines};
        int column = 1;
        for (long long* field : fields)
            *field = rows.Number(column++);
    }
    error = rows.Error();
    return error.empty();
}

bool ReadFindings(sqlite3* db, Modules& modules, std::string& error) {
    SqliteQuery rows(db,
                     "SELECT ID, ModuleName, ReasonID, CodeLine, AccessLine, TranslatedLine, "
                     "Routine FROM tblReportOutput ORDER BY ID");
    while (rows.Next()) {
        Finding finding;
        finding.id = rows.Number(0);
        finding.reason = static_cast<int>(rows.Number(2));
        finding.codeLine = rows.Text(3);
        finding.line = rows.Number(4);
        finding.translatedLine = rows.Text(5);
        finding.routine = rows.Text(6);
        modules.Named(rows.Text(1)).findings.push_back(std::move(finding));
    }
    error = rows.Error();
    return error.empty();
}

bool ReadReasons(sqlite3* db, std::map<int, std::string>& reasons, std::string& error) {
    SqliteQuery rows(db, "SELECT ReasonID, Description FROM tblReasons");
    while (rows.Next())
        reasons[static_cast<int>(rows.Number(0))] = rows.Text(1);
    error = rows.Error();
    return error.empty();
}

}  // namespace

long long ModuleCounts::StatementLines() const {
    return std::max(0LL, codeLines - commentLines - blankLines);
}

long long ModuleCounts::LinesTranslated() const {
    return std::max(0LL, StatementLines() - linesNotTranslated - linesToReview);
}

std::string SiteModule::Kind() const {
    if (code && !code->kind.empty())
        return code->kind;
    return counts.controls > 0 ? "Form" : "Module";
}

bool SiteModule::ShowsLine(long long line) const {
    return code && line >= 1 && static_cast<size_t>(line) <= code->accessLines.size();
}

bool ReadSiteData(sqlite3* db, SiteData& data, std::string& error) {
    data = SiteData{};
    Modules modules(data.modules);
    std::vector<CodeMap> maps;
    if (!ReadStats(db, modules, error) || !ReadFindings(db, modules, error) ||
        !ReadReasons(db, data.reasons, error) || !ReadCodeMaps(db, maps, error))
        return false;
    for (CodeMap& map : maps) {
        if (SiteModule* module = modules.Find(map.moduleName))
            module->code = std::move(map);
    }
    std::sort(data.modules.begin(), data.modules.end(),
              [](const SiteModule& a, const SiteModule& b) { return ILess()(a.name, b.name); });
    return true;
}

}  // namespace velorin
