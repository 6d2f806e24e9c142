// The words the synthetic application's names, captions and code are made
// of, and the binary property values its forms carry.
#pragma once

#include <string>
#include <vector>

namespace velorin::bench::synthetic {

// A form's printer settings, and a 16 by 16 bitmap, as hexadecimal lines.
extern const std::vector<std::string> kPrtMip;
extern const std::vector<std::string> kBitmap;

// Nouns name tables, forms and controls; verbs and words make procedure
// names, captions and comments.
extern const std::vector<std::string> kNouns;
extern const std::vector<std::string> kVerbs;
extern const std::vector<std::string> kWords;

}  // namespace velorin::bench::synthetic
