// The support library's edits of generated files, on arbitrary file contents
// and arguments. Re-indenting may change only the blanks at a line's start.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

#include "common/output_directory.h"
#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"
#include "fuzz_support.h"

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

    OutputDirectory out(fuzz::FreshDirectory("out"));
    out.Write("Fuzzed.frm", content);
    InsertLine(out, "Fuzzed.frm", anchor, newLine, placement);
    (void)IsDuplicateLine(out, "Fuzzed.frm", anchor, start);
    ChangeLine(out, "Fuzzed.frm", other, newLine);
    (void)AddToCtlArray(out, "Fuzzed.frm", other, anchor, "3");
    AddDataCtlEntry(out, "Fuzzed.frm", other, newLine);
    (void)LinesMatch(anchor, other);

    std::optional<std::string> before = out.Read("Fuzzed.frm");
    SilentIndent(out, "Fuzzed.frm");
    std::optional<std::string> after = out.Read("Fuzzed.frm");
    if (before.has_value() != after.has_value())
        std::abort();
    if (before && TrimmedLines(*before) != TrimmedLines(*after))
        std::abort();
    return 0;
}
