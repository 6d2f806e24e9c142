#include "site/code_rows.h"

#include <algorithm>

#include "common/string_helpers.h"

namespace velorin {
namespace {

bool IsMarked(std::string_view vbLine) {
    return TrimWhitespace(vbLine).starts_with("'VLRN");
}

LineChange ChangeOf(const CodeMap& map, const CodeUnit& unit, int access, int vb) {
    const std::string_view vbText = vb > 0 ? map.vbLines[vb - 1] : std::string_view();
    if (vb > 0 && IsMarked(vbText))
        return LineChange::Marked;
    if (unit.accessCount == 0)
        return LineChange::Added;
    if (unit.vbCount == 0)
        return LineChange::Dropped;
    if (access > 0 && vb > 0 &&
        TrimWhitespace(map.accessLines[access - 1]) == TrimWhitespace(vbText))
        return LineChange::Unchanged;
    return LineChange::Rewritten;
}

// A line number of a unit, which ParseCodeUnits has checked against the code.
int Line(uint32_t number) {
    return static_cast<int>(number);
}

CodeBlock UnitRows(const CodeMap& map, const CodeUnit& unit) {
    CodeBlock rows;
    const int accessFirst = Line(unit.accessFirst), accessCount = Line(unit.accessCount);
    const int vbFirst = Line(unit.vbFirst), vbCount = Line(unit.vbCount);
    const int height = std::max(accessCount, vbCount);
    for (int i = 0; i < height; ++i) {
        CodeRow row;
        row.access = i < accessCount ? accessFirst + i : 0;
        row.vb = i < vbCount ? vbFirst + i : 0;
        row.change = ChangeOf(map, unit, row.access, row.vb);
        rows.push_back(row);
    }
    return rows;
}

class Layout {
  public:
    explicit Layout(const CodeMap& map) : map_(map), covered_(map.accessLines.size() + 1) {}

    std::vector<CodeBlock> Run(const std::vector<CodeUnit>& units) {
        for (const CodeUnit& unit : units) {
            for (int a = Line(unit.accessFirst); a < Line(unit.accessFirst + unit.accessCount); ++a)
                covered_[static_cast<size_t>(a)] = true;
        }
        for (const CodeUnit& unit : units) {
            if (unit.accessCount > 0) {
                AccessLinesLeftOut(Line(unit.accessFirst));
                nextAccess_ = std::max(nextAccess_, Line(unit.accessFirst + unit.accessCount));
            }
            if (unit.vbCount > 0) {
                VbLinesLeftOut(Line(unit.vbFirst));
                nextVb_ = Line(unit.vbFirst + unit.vbCount);
            }
            blocks_.push_back(UnitRows(map_, unit));
        }
        AccessLinesLeftOut(static_cast<int>(map_.accessLines.size()) + 1);
        VbLinesLeftOut(static_cast<int>(map_.vbLines.size()) + 1);
        return std::move(blocks_);
    }

  private:
    // The Access lines before `end` that no unit names and that are not shown yet.
    void AccessLinesLeftOut(int end) {
        CodeBlock run;
        for (int a = nextAccess_; a < end; ++a) {
            if (covered_[a]) {
                Flush(run);
                continue;
            }
            run.push_back({a, 0, LineChange::Dropped});
        }
        Flush(run);
        nextAccess_ = std::max(nextAccess_, end);
    }
    void VbLinesLeftOut(int end) {
        CodeBlock run;
        for (int v = nextVb_; v < end; ++v)
            run.push_back(
                {0, v, IsMarked(map_.vbLines[v - 1]) ? LineChange::Marked : LineChange::Added});
        Flush(run);
    }
    void Flush(CodeBlock& run) {
        if (!run.empty())
            blocks_.push_back(std::move(run));
        run.clear();
    }

    const CodeMap& map_;
    std::vector<bool> covered_;
    int nextAccess_ = 1;
    int nextVb_ = 1;
    std::vector<CodeBlock> blocks_;
};

}  // namespace

std::vector<CodeBlock> LayOutCode(const CodeMap& map) {
    std::vector<CodeUnit> units = map.units;
    if (units.empty() && !map.unitsProblem.empty())
        units.push_back({1, static_cast<uint32_t>(map.accessLines.size()), 1,
                         static_cast<uint32_t>(map.vbLines.size())});
    // A unit of no lines on either side (code that is empty) shows nothing.
    std::erase_if(units, [](const CodeUnit& u) { return u.accessCount == 0 && u.vbCount == 0; });
    return Layout(map).Run(units);
}

}  // namespace velorin
