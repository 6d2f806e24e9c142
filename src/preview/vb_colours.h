// Visual Basic colour values as the screen shows them: &H00BBGGRR& for a
// colour of its own, &H800000nn& for a system colour of the Windows scheme
// Visual Basic 5 was designed on (grey buttons, navy caption).
#pragma once

#include <QColor>

#include <optional>

#include "project/form_design.h"

namespace velorin {

// The system colours that controls take by default.
enum class SystemColour : unsigned {
    ActiveCaption = 0x02,
    Window = 0x05,
    WindowText = 0x08,
    CaptionText = 0x09,
    AppWorkspace = 0x0C,
    Highlight = 0x0D,
    ButtonFace = 0x0F,
    ButtonShadow = 0x10,
    GrayText = 0x11,
    ButtonText = 0x12,
    ButtonHighlight = 0x14,
    DarkShadow = 0x15,
    Light = 0x16,
};

QColor VbColour(double value);
QColor ToColour(SystemColour colour);

// The colour property of a block, or `fallback` when it is absent or no colour.
QColor ColourProperty(const LoadedBlock& block, const char* name, SystemColour fallback);

}  // namespace velorin
