#include "site/code_map.h"

#include <charconv>

#include "common/string_helpers.h"
#include "site/sqlite_query.h"

namespace velorin {
namespace {

// Four numbers apart by blanks, none negative; false for anything else.
bool ReadUnit(std::string_view line, CodeUnit& unit) {
    uint32_t* fields[] = {&unit.accessFirst, &unit.accessCount, &unit.vbFirst, &unit.vbCount};
    const char* at = line.data();
    const char* end = line.data() + line.size();
    for (uint32_t* field : fields) {
        while (at < end && (*at == ' ' || *at == '\t'))
            ++at;
        const auto [next, error] = std::from_chars(at, end, *field);
        if (error != std::errc())
            return false;
        at = next;
    }
    while (at < end && (*at == ' ' || *at == '\t'))
        ++at;
    return at == end;
}

}  // namespace

bool ParseCodeUnits(std::string_view text, size_t accessLines, size_t vbLines,
                    std::vector<CodeUnit>& units, std::string& why) {
    units.clear();
    std::vector<bool> accessTaken(accessLines + 1, false);
    size_t vbNext = 1;
    size_t number = 0;
    for (std::string_view line : SplitLineViews(text)) {
        if (TrimWhitespace(line).empty())
            continue;
        ++number;
        const std::string where =
            "unit " + std::to_string(number) + " (\"" + std::string(line) + "\")";
        CodeUnit unit;
        if (!ReadUnit(line, unit)) {
            why = where + " is not four numbers A N V M";
            return false;
        }
        const auto first = static_cast<size_t>(unit.accessFirst);
        const auto count = static_cast<size_t>(unit.accessCount);
        const auto vbFirst = static_cast<size_t>(unit.vbFirst);
        const auto vbCount = static_cast<size_t>(unit.vbCount);
        if (count == 0 && vbCount == 0) {
            why = where + " holds no line";
            return false;
        }
        if (count > 0 && (first < 1 || first + count - 1 > accessLines)) {
            why = where + " names Access lines beyond the " + std::to_string(accessLines) +
                  " lines of the Access code";
            return false;
        }
        if (vbCount > 0 && (vbFirst < 1 || vbFirst + vbCount - 1 > vbLines)) {
            why = where + " names Visual Basic lines beyond the " + std::to_string(vbLines) +
                  " lines of the Visual Basic code";
            return false;
        }
        if (vbCount > 0 && vbFirst < vbNext) {
            why = where + " names Visual Basic lines an earlier unit has, or is out of order";
            return false;
        }
        for (size_t a = first; a < first + count; ++a) {
            if (accessTaken[a]) {
                why = where + " names Access line " + std::to_string(a) +
                      ", which an earlier unit has";
                return false;
            }
            accessTaken[a] = true;
        }
        if (vbCount > 0)
            vbNext = vbFirst + vbCount;
        units.push_back(unit);
    }
    return true;
}

bool ReadCodeMaps(sqlite3* db, std::vector<CodeMap>& maps, std::string& error) {
    maps.clear();
    {
        SqliteQuery exists(db,
                           "SELECT 1 FROM sqlite_master WHERE type = 'table' AND "
                           "name = 'tblCodeMap'");
        const bool found = exists.Next();
        if (!exists.Error().empty()) {
            error = exists.Error();
            return false;
        }
        if (!found)
            return true;
    }
    SqliteQuery rows(db,
                     "SELECT ModuleName, ObjectName, Kind, AccessCode, VbCode, Units, Preview "
                     "FROM tblCodeMap ORDER BY ModuleName");
    while (rows.Next()) {
        CodeMap& map = maps.emplace_back();
        map.moduleName = rows.Text(0);
        map.objectName = rows.Text(1);
        map.kind = rows.Text(2);
        map.accessLines = SplitLines(rows.Text(3));
        map.vbLines = SplitLines(rows.Text(4));
        if (!ParseCodeUnits(rows.Text(5), map.accessLines.size(), map.vbLines.size(), map.units,
                            map.unitsProblem))
            map.units.clear();
        map.preview = rows.Text(6);
    }
    error = rows.Error();
    return error.empty();
}

}  // namespace velorin
