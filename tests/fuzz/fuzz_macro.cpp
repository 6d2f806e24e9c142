// Macro texts: the rows read from the object text, then the procedures the
// macro converter makes of them.
#include <cstdint>

#include "common/ansi_text.h"
#include "fuzz_support.h"
#include "project/macro_converter.h"
#include "session/host/database_loader.h"
#include "session/host/object_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velorin;
    ObjectTextResult result = ReadObjectText(DecodeInputText(fuzz::AsText(data, size)));
    if (!result.text)
        return 0;
    // A name from the text itself, so that odd characters reach the naming rules.
    std::string name = "mcrFuzzed";
    if (const TextProperty* named = result.text->header.Find("Name"))
        name = named->value.AsText();
    Macro macro = MacroFromObjectText(*result.text, name);
    std::vector<std::string> usedNames, warnings;
    // Twice: the second time every procedure name is taken already.
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<std::string> lines = MacroProcedures(macro, usedNames, warnings);
        for (const std::string& line : lines)
            (void)line.size();
    }
    return 0;
}
