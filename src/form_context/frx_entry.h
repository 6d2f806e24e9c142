// The binary companion of a form file: properties Visual Basic keeps outside
// the form's text, appended one entry at a time.
#pragma once

#include <string>
#include <string_view>

#include "output/form_output.h"

namespace velorin {

enum class FrxEntry { Text, Picture };

// Appends an entry to the form's binary companion and returns its offset as
// at least four upper-case hexadecimal digits, for a line ending `.frx":` +
// offset. A text entry carries `text` (at most 255 bytes: its length is one
// byte); `flag` selects its second word. A picture entry is an empty picture.
std::string WriteFrxEntry(FormOutput& output, std::string_view text, bool flag,
                          FrxEntry kind = FrxEntry::Text);

}  // namespace velorin
