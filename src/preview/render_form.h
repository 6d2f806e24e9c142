// A form's picture as the Visual Basic 5 designer shows it, at its design
// size: 15 twips to the pixel (96 dots per inch).
#pragma once

#include <QImage>
#include <QRect>

#include <string>
#include <vector>

#include "preview/form_file.h"

namespace velorin {

// Where a control was drawn, in the picture's pixels.
struct PlacedControl {
    std::string name;  // as the form names it: lblName, or lblName(2) in an array
    QRect rect;
};

struct FormPicture {
    QImage image;                       // null when the file held no form block
    std::vector<std::string> warnings;  // controls not drawn, faults of the file
    std::vector<PlacedControl> placed;  // in the order they were drawn
    int outside = 0;                    // controls not drawn: they lie outside their container
};

// Needs a QGuiApplication; draws its text in DejaVu Sans (LoadPreviewFont).
FormPicture RenderForm(const LoadedForm& form);

}  // namespace velorin
