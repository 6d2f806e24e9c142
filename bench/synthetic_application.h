// A synthetic Access application written as a text export (forms/, modules/,
// macros/, queries/, tbldefs/, commandbars/, dbs-properties.json) in the
// format of the bundled sample, for benchmarks at any size. The same size and
// seed always give the same bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velorin::bench {

struct ApplicationSize {
    std::string name;
    int forms = 0;       // subforms included
    long codeLines = 0;  // lines of code behind forms and in standard modules together
};

// "small" (250 forms, 250,000 lines), "medium" (twice that), "large" (1,000
// forms, 1,000,000 lines); "tiny" (24 forms) for tests.
std::optional<ApplicationSize> SizeNamed(std::string_view name);

struct ApplicationCounts {
    int forms = 0;
    int subforms = 0;  // of the forms, those embedded in others
    long controls = 0;
    int largestForm = 0;   // controls of the form with most
    int formsOver254 = 0;  // forms with more than 254 controls
    int tabControls = 0;
    int pageBreakForms = 0;
    int modules = 0;
    int macros = 0;
    int commandBars = 0;
    int tables = 0;
    int queries = 0;
    long formCodeLines = 0;
    long moduleCodeLines = 0;
    long bytes = 0;  // of every file written
    long files = 0;
};

inline constexpr int kFewestForms = 3;

// Writes the export into `root` (created; files already there are replaced).
// Throws std::invalid_argument for fewer than kFewestForms forms or negative lines.
ApplicationCounts WriteApplication(const std::filesystem::path& root, const ApplicationSize& size,
                                   uint64_t seed = 20240611);

}  // namespace velorin::bench
