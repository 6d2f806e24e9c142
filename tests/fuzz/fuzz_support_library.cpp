// The support library's edits of generated code and design, on arbitrary
// contents and arguments. Re-indenting may change only the blanks at a line's
// start.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"

namespace {

using namespace velorin;

std::vector<std::string> TrimmedLines(const std::string& text) {
    std::vector<std::string> lines;
    for (const std::string& line : SplitLines(text))
        lines.emplace_back(TrimWhitespace(line));
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string anchor = input.ConsumeRandomLengthString(200);
    const std::string newLine = input.ConsumeRandomLengthString(200);
    const std::string other = input.ConsumeRandomLengthString(200);
    const int placement = input.ConsumeIntegralInRange(0, 1);
    const int start = input.ConsumeIntegralInRange(-2, 50);
    const std::string content = input.ConsumeRemainingBytesAsString();

    CodeText text(SplitLines(content));
    InsertLine(text, anchor, newLine, placement);
    (void)IsDuplicateLine(text, anchor, start);
    ChangeLine(text, other, newLine);
    AddDataCtlEntry(text, other, newLine);
    (void)LinesMatch(anchor, other);

    // The same content read as a design section.
    DesignBlock form("Begin VB.Form Fuzzed");
    DesignWriter writer(&form);
    for (const std::string& line : SplitLines(content))
        writer.WriteLine(line);
    (void)AddToCtlArray(form, other, anchor, "3");
    std::vector<std::string> design;
    form.AppendLines(design, 0);

    const std::string before = text.Joined();
    SilentIndent(text);
    if (TrimmedLines(before) != TrimmedLines(text.Joined()))
        std::abort();
    return 0;
}
