// Which lines of a form's or module's Access code became which lines of the
// code written for it, kept with the analysis (tblCodeMap) for readers of
// the conversion: the report in a browser, and tools of the user's own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "output/code_text.h"
#include "session/support_database.h"

namespace velorin {

// Access lines accessFirst .. accessFirst + accessCount - 1 became written
// lines vbFirst .. vbFirst + vbCount - 1 (both counted from 1). A unit
// without Access lines is code the conversion added: on its own when
// accessFirst is 0, because of that Access line elsewhere (the declaration
// of a counter the line needs) otherwise. A unit without written lines is an
// Access statement that left nothing.
struct CodeUnit {
    uint32_t accessFirst = 0;
    uint32_t accessCount = 0;
    uint32_t vbFirst = 0;
    uint32_t vbCount = 0;
    bool operator==(const CodeUnit&) const = default;
};

// The units of `written`, in its order, from the source each of its lines
// keeps (CodeText::SourceOf). A continued Access statement is one unit; each
// Access statement is in exactly one unit that holds its lines.
std::vector<CodeUnit> CodeUnits(const std::vector<std::string>& access, const CodeText& written);

// One unit a line, "accessFirst accessCount vbFirst vbCount".
std::string UnitsText(const std::vector<CodeUnit>& units);

struct CodeMapRow {
    std::string moduleName;  // the file's stem, as tblStats names it
    std::string objectName;  // the Access form's or module's name
    std::string kind;        // Form, Module or Class
    std::string accessCode;  // lines ending in CR LF
    std::string vbCode;      // the code written after the header and design section
    std::string units;       // UnitsText
    std::string preview;     // the form's picture, when one was drawn
};

// Adds or replaces the module's row; a failure is kept by the database, as
// for every analysis row.
void WriteCodeMap(SupportDatabase& db, const CodeMapRow& row);

}  // namespace velorin
