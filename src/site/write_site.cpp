#include "site/write_site.h"

#include <sqlite3.h>

#include <memory>
#include <system_error>

#include "common/ansi_text.h"
#include "common/output_directory.h"
#include "site/code_page.h"
#include "site/index_page.h"
#include "site/page_names.h"
#include "site/page_parts.h"
#include "site/site_assets.h"
#include "site/site_data.h"

namespace velorin {
namespace fs = std::filesystem;
namespace {

struct Page {
    const SiteModule* module = nullptr;
    std::string name;     // stem.html
    std::string picture;  // stem.png, when the form's picture is there to copy
    bool pictureMissing = false;
};

std::vector<Page> PlanPages(const SiteData& data, std::vector<std::string>& stems) {
    std::vector<std::string> names;
    for (const SiteModule& module : data.modules)
        names.push_back(module.name);
    stems = PageStems(names);
    std::vector<Page> pages;
    for (size_t i = 0; i < data.modules.size(); ++i) {
        Page& page = pages.emplace_back();
        page.module = &data.modules[i];
        page.name = stems[i] + ".html";
        if (page.module->code && !page.module->code->preview.empty()) {
            std::error_code ec;
            if (fs::is_regular_file(AnsiToPath(page.module->code->preview), ec))
                page.picture = stems[i] + ".png";
            else
                page.pictureMissing = true;
        }
    }
    return pages;
}

bool MakeFolder(const fs::path& folder, std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (fs::is_directory(folder, ec))
        return true;
    error = "cannot make the folder " + folder.string() + ": " +
            (ec ? ec.message() : std::string("a file of that name is in the way"));
    return false;
}

// The files of the folder the report would write over that it did not write.
std::string ForeignFiles(const OutputDirectory& out, const std::vector<Page>& pages) {
    std::vector<std::string> names = {std::string(kIndexPage), std::string(kStyleSheetName),
                                      std::string(kScriptName), std::string(kRecordName)};
    for (const Page& page : pages) {
        names.push_back(page.name);
        if (!page.picture.empty())
            names.push_back(page.picture);
    }
    std::string foreign;
    for (const std::string& name : names) {
        if (out.IsForeign(name))
            foreign += (foreign.empty() ? "" : ", ") + name;
    }
    return foreign;
}

}  // namespace

SiteOutcome WriteConversionSite(sqlite3* supportDb, const fs::path& folder) {
    SiteOutcome outcome;
    SiteData data;
    if (!ReadSiteData(supportDb, data, outcome.error)) {
        outcome.error = "the analysis cannot be read from the support database: " + outcome.error;
        return outcome;
    }
    std::vector<std::string> stems;
    const std::vector<Page> pages = PlanPages(data, stems);
    if (!MakeFolder(folder, outcome.error))
        return outcome;
    OutputDirectory out(folder);
    out.TrackWrittenFiles();
    if (const std::string foreign = ForeignFiles(out, pages); !foreign.empty()) {
        outcome.error = folder.string() + " holds files Velorin did not write where the report " +
                        "goes (" + foreign + "); nothing was written";
        return outcome;
    }
    // The last report's pages, those of forms no longer converted among them.
    out.RemovePreviousFiles();
    out.Write(kStyleSheetName, kStyleSheet);
    out.Write(kScriptName, kScript);
    for (const Page& page : pages) {
        if (!page.picture.empty())
            out.CopyFrom(AnsiToPath(page.module->code->preview), page.picture);
        out.Write(page.name,
                  CodePage(*page.module, data.reasons, page.picture, page.pictureMissing));
        // Each page reaches the disk before the next is made.
        if (!out.WriteHeld())
            break;
    }
    if (!out.Failed())
        out.Write(kIndexPage, IndexPage(data, stems));
    if (!out.WriteHeld()) {
        outcome.error = out.FirstError();
        return outcome;
    }
    outcome.written = true;
    outcome.index = out.PathOf(kIndexPage);
    outcome.pages = pages.size();
    return outcome;
}

SiteOutcome WriteConversionSite(const fs::path& supportDb, const fs::path& folder) {
    SiteOutcome outcome;
    std::error_code ec;
    if (!fs::is_regular_file(supportDb, ec)) {
        outcome.error = "the support database " + supportDb.string() + " does not exist";
        return outcome;
    }
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(supportDb.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, sqlite3_close);
    if (opened != SQLITE_OK) {
        outcome.error = "the support database " + supportDb.string() +
                        " cannot be opened: " + sqlite3_errstr(opened);
        return outcome;
    }
    sqlite3_busy_timeout(db.get(), 2000);
    // Whether it is a support database, and holds a conversion.
    sqlite3_stmt* query = nullptr;
    int rc = sqlite3_prepare_v2(
        db.get(), "SELECT (SELECT COUNT(*) FROM tblStats) + (SELECT COUNT(*) FROM tblReportOutput)",
        -1, &query, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(query);
    const long long rows = rc == SQLITE_ROW ? sqlite3_column_int64(query, 0) : 0;
    sqlite3_finalize(query);
    if (rc != SQLITE_ROW) {
        const int code = sqlite3_errcode(db.get());
        outcome.error =
            supportDb.string() +
            (code == SQLITE_BUSY || code == SQLITE_LOCKED ? " is locked by another conversion or "
                                                            "program"
             : code == SQLITE_NOTADB                      ? " is not an SQLite database"
             : code == SQLITE_ERROR ? " lacks the analysis tables (tblReportOutput, tblStats)"
                                    : std::string(" cannot be read: ") + sqlite3_errmsg(db.get()));
        return outcome;
    }
    if (rows == 0) {
        outcome.error = supportDb.string() + " holds no conversion: convert an application first";
        return outcome;
    }
    return WriteConversionSite(db.get(), folder);
}

}  // namespace velorin
