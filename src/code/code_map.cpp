#include "code/code_map.h"

#include <sqlite3.h>

#include <cstdint>

#include "code/code_mask.h"

namespace velorin {

std::vector<CodeUnit> CodeUnits(const std::vector<std::string>& access, const CodeText& written) {
    // For each Access line that starts a statement, how many lines it has.
    std::vector<uint32_t> statementLines(access.size() + 1, 0);
    size_t statements = 0;
    for (size_t i = 0; i < access.size();) {
        size_t last = i;
        while (last + 1 < access.size() && ContinuesOnNextLine(access[last]))
            ++last;
        statementLines[i + 1] = static_cast<uint32_t>(last - i + 1);
        ++statements;
        i = last + 1;
    }
    auto startsStatement = [&](uint32_t line) {
        return line < statementLines.size() && statementLines[line] > 0;
    };
    // Runs of written lines from one source; a statement's own run is its
    // last, a line it had added before it (a declaration) is added code.
    constexpr size_t kNone = SIZE_MAX;
    std::vector<CodeUnit> units;
    std::vector<size_t> ownRun(statementLines.size(), kNone);
    size_t owned = 0;
    for (size_t v = 0; v < written.Size();) {
        const uint32_t source = written.SourceOf(v);
        size_t end = v + 1;
        while (end < written.Size() && written.SourceOf(end) == source)
            ++end;
        units.push_back({source, 0, static_cast<uint32_t>(v + 1), static_cast<uint32_t>(end - v)});
        if (source != 0 && startsStatement(source)) {
            owned += ownRun[source] == kNone ? 1 : 0;
            ownRun[source] = units.size() - 1;
        }
        v = end;
    }
    for (uint32_t line = 1; line < ownRun.size(); ++line) {
        if (ownRun[line] != kNone)
            units[ownRun[line]].accessCount = statementLines[line];
    }
    // A statement that left nothing follows the unit of the statement before it.
    std::vector<CodeUnit> all;
    all.reserve(units.size() + statements - owned);
    uint32_t nextStatement = 1;
    auto placeUpTo = [&](size_t accessLine, uint32_t vbNext) {
        for (; nextStatement < statementLines.size() && nextStatement < accessLine;
             ++nextStatement) {
            if (startsStatement(nextStatement) && ownRun[nextStatement] == kNone)
                all.push_back({nextStatement, statementLines[nextStatement], vbNext, 0});
        }
    };
    for (const CodeUnit& unit : units) {
        if (unit.accessCount > 0)
            placeUpTo(unit.accessFirst, unit.vbFirst);
        all.push_back(unit);
    }
    placeUpTo(statementLines.size(), static_cast<uint32_t>(written.Size() + 1));
    return all;
}

std::string UnitsText(const std::vector<CodeUnit>& units) {
    std::string text;
    for (const CodeUnit& unit : units) {
        text += std::to_string(unit.accessFirst) + ' ' + std::to_string(unit.accessCount) + ' ' +
                std::to_string(unit.vbFirst) + ' ' + std::to_string(unit.vbCount) + '\n';
    }
    return text;
}

void WriteCodeMap(SupportDatabase& db, const CodeMapRow& row) {
    sqlite3_stmt* insert = db.Prepare(
        "INSERT OR REPLACE INTO tblCodeMap (ModuleName, ObjectName, Kind, AccessCode, "
        "VbCode, Units, Preview) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    if (insert == nullptr)
        return;
    int index = 0;
    for (const std::string* text : {&row.moduleName, &row.objectName, &row.kind, &row.accessCode,
                                    &row.vbCode, &row.units, &row.preview})
        sqlite3_bind_text(insert, ++index, text->data(), static_cast<int>(text->size()),
                          SQLITE_STATIC);
    if (sqlite3_step(insert) != SQLITE_DONE)
        db.RecordError();
    sqlite3_reset(insert);
}

}  // namespace velorin
