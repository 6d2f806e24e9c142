// The picture of one converted form as the conversion keeps it: the Access
// original beside the form file written, encoded as PNG. Free of Qt types, so
// that the conversion can be handed the drawing as a step.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "preview/marked_control.h"
#include "session/host/access_form.h"

namespace velorin {

// Empty when pictures can be drawn in this process; otherwise why not (no Qt
// application, or the font is missing).
std::string PicturesUnavailable();

struct ConvertedFormPicture {
    std::string png;          // empty when the form file held no form block
    std::string error;        // why nothing can be drawn here (PicturesUnavailable)
    int controlsLeftOut = 0;  // controls of the form file that lie outside their container
};

// `text` and `frx` are the bytes of the form file and of its companion.
ConvertedFormPicture DrawConvertedForm(const AccessForm& original,
                                       const std::filesystem::path& file, std::string_view text,
                                       std::string frx, const std::vector<MarkedControl>& marked);

}  // namespace velorin
