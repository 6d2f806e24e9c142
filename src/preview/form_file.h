// A form file that Velorin wrote, read from disk as Visual Basic loads it:
// the design section's blocks and the bytes of its .frx companion.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/check_finding.h"
#include "project/design_section_check.h"
#include "project/design_value.h"

namespace velorin {

struct LoadedForm {
    std::filesystem::path file;
    FormDesign design;
    std::vector<ProjectFinding> findings;  // what Visual Basic would object to
    std::string frx;                       // empty without a companion file
    std::string error;                     // set when the file cannot be read
};

// Never throws: a file that cannot be read comes back with `error` set.
LoadedForm LoadFormFile(const std::filesystem::path& file);
// The same from the file's bytes and its companion's, where they are at hand.
LoadedForm LoadFormText(const std::filesystem::path& file, std::string_view content,
                        std::string frx);

// The bytes of the entry a reference points to: a picture or binary property
// (a 4-byte length first) or a text (CE FA 01 00, a flag word, a 1-byte
// length). nullopt when the reference leads outside the companion file.
std::optional<std::string> FrxEntryBytes(const LoadedForm& form, const DesignValue& reference);

}  // namespace velorin
