// The code of a converted form or module as the support database keeps it
// (tblCodeMap): Access's lines beside Visual Basic's, and which lines of the
// one became which lines of the other (the units the conversion wrote).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "code/code_map.h"

struct sqlite3;

namespace velorin {

struct CodeMap {
    std::string moduleName;  // as tblStats names it (Windows-1252, as is all text here)
    std::string objectName;  // the Access form's or module's own name
    std::string kind;        // Form, Module or Class
    std::vector<std::string> accessLines;
    std::vector<std::string> vbLines;
    // In Visual Basic order; empty when the row's units could not be read,
    // and then unitsProblem says why.
    std::vector<CodeUnit> units;
    std::string unitsProblem;
    std::string preview;  // the form's picture (a PNG's absolute path), or empty
};

// Reads the units, one "A N V M" a line, and checks them against the number
// of lines of each side: every line they name exists, no Access line is in
// two units, and the Visual Basic lines follow each other. False, with `why`
// naming the first faulty unit, when they do not.
bool ParseCodeUnits(std::string_view text, size_t accessLines, size_t vbLines,
                    std::vector<CodeUnit>& units, std::string& why);

// Every row of tblCodeMap, none from a support database made before the table
// was; false, with `error`, when the table cannot be read.
bool ReadCodeMaps(sqlite3* db, std::vector<CodeMap>& maps, std::string& error);

}  // namespace velorin
