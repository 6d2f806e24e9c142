#include "code/analysis_records.h"

#include <filesystem>

namespace velorin {
namespace {

// The text stays where it is until the statement has run and been reset.
void BindText(sqlite3_stmt* statement, int index, std::string_view text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

}  // namespace

void WriteReportRecord(SupportDatabase& db, const ReportRecord& record) {
    if (db.Holding()) {
        db.Hold([record](SupportDatabase& to, UserInterface&) { WriteReportRecord(to, record); });
        return;
    }
    sqlite3_stmt* insert = db.Prepare(
        "INSERT INTO tblReportOutput (ModuleName, ReasonID, CodeLine, LineNumber, TranslatedLine, "
        "Routine, AccessLine) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    if (insert == nullptr)
        return;
    BindText(insert, 1, record.moduleName);
    sqlite3_bind_int64(insert, 2, record.reasonId);
    BindText(insert, 3, record.codeLine);
    sqlite3_bind_int64(insert, 4, record.lineNumber);
    BindText(insert, 5, record.translatedLine);
    BindText(insert, 6, record.routine);
    sqlite3_bind_int64(insert, 7, record.accessLine);
    if (sqlite3_step(insert) != SQLITE_DONE)
        db.RecordError();
    sqlite3_reset(insert);
}

void WriteModuleStats(SupportDatabase& db, UserInterface& ui, const ModuleStats& stats) {
    if (db.Holding()) {
        db.Hold([stats](SupportDatabase& to, UserInterface& toUi) {
            WriteModuleStats(to, toUi, stats);
        });
        return;
    }
    bool ok = false;
    sqlite3_stmt* add = db.Prepare("INSERT OR IGNORE INTO tblStats (ModuleName) VALUES (?1)");
    if (add != nullptr) {
        BindText(add, 1, stats.moduleName);
        ok = sqlite3_step(add) == SQLITE_DONE;
        if (!ok)
            db.RecordError();
        sqlite3_reset(add);
    }
    // Each count is set only when the value passed is not zero.
    sqlite3_stmt* update =
        ok ? db.Prepare(
                 "UPDATE tblStats SET ModuleName = ?1, "
                 "TotalLines = CASE WHEN ?2 <> 0 THEN ?2 ELSE TotalLines END, "
                 "CommentLines = CASE WHEN ?3 <> 0 THEN ?3 ELSE CommentLines END, "
                 "LinesNotTranslated = CASE WHEN ?4 <> 0 THEN ?4 ELSE LinesNotTranslated END, "
                 "LinesPotentiallyConverted = CASE WHEN ?5 <> 0 THEN ?5 ELSE "
                 "LinesPotentiallyConverted END, "
                 "BlankLines = CASE WHEN ?6 <> 0 THEN ?6 ELSE BlankLines END, "
                 "SubCount = CASE WHEN ?7 <> 0 THEN ?7 ELSE SubCount END, "
                 "ProcCount = CASE WHEN ?8 <> 0 THEN ?8 ELSE ProcCount END, "
                 "CtlCount = CASE WHEN ?9 <> 0 THEN ?9 ELSE CtlCount END, "
                 "CtlsPartiallyConverted = CASE WHEN ?10 <> 0 THEN ?10 ELSE CtlsPartiallyConverted "
                 "END, "
                 "CodeLines = CASE WHEN ?11 <> 0 THEN ?11 ELSE CodeLines END "
                 "WHERE ModuleName = ?1")
           : nullptr;
    if (update != nullptr) {
        BindText(update, 1, stats.moduleName);
        const long counts[] = {stats.totalLines,
                               stats.commentLines,
                               stats.linesNotTranslated,
                               stats.linesPotentiallyConverted,
                               stats.blankLines,
                               stats.subCount,
                               stats.procCount,
                               stats.ctlCount,
                               stats.ctlsPartiallyConverted,
                               stats.codeLines};
        for (int i = 0; i < 10; ++i)
            sqlite3_bind_int64(update, i + 2, counts[i]);
        ok = sqlite3_step(update) == SQLITE_DONE;
        if (!ok)
            db.RecordError();
        sqlite3_reset(update);
    } else {
        ok = false;
    }
    if (!ok) {
        Message message;
        message.text = db.Path().string() + "\r\n" + std::to_string(db.LastErrorCode()) + "\t" +
                       db.LastError() + "\r\n" + sqlite3_errstr(db.LastErrorCode());
        ui.Show(message);
    }
}

}  // namespace velorin
