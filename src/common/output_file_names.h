// The names Velorin keeps for itself in an output directory: the record of the
// files it wrote there, and the ending of the temporary name a file is written
// under before it is renamed into place.
#pragma once

#include <string_view>

namespace velorin {

inline constexpr std::string_view kRecordName = "velorin.files";
inline constexpr std::string_view kTemporarySuffix = ".velorin-tmp";
// The record's first line: a file of that name without it is not ours.
inline constexpr std::string_view kRecordHeading =
    "Files Velorin wrote in this folder; the next conversion here deletes them";

}  // namespace velorin
