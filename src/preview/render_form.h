// A form's picture as the Visual Basic 5 designer shows it, at its design
// size: 15 twips to the pixel (96 dots per inch).
#pragma once

#include <QImage>

#include <string>
#include <vector>

#include "preview/form_file.h"

namespace velorin {

struct FormPicture {
    QImage image;                       // null when the file held no form block
    std::vector<std::string> warnings;  // controls not drawn, faults of the file
};

// Needs a QGuiApplication; draws its text in DejaVu Sans (LoadPreviewFont).
FormPicture RenderForm(const LoadedForm& form);

}  // namespace velorin
