// The fonts of a preview. Every text is drawn in DejaVu Sans, loaded from its
// file, so that a form gives the same picture on every machine whatever fonts
// it names; the size and style come from the form's Font groups.
#pragma once

#include <QFont>

#include "project/form_design.h"

namespace velorin {

// Loads DejaVu Sans once; false when its files are missing (fonts-dejavu-core).
// Needs a QGuiApplication.
bool LoadPreviewFont();

// The font of the form's caption bar and menus: 8 points, bold for the caption.
QFont SystemFont(bool bold);

// The Font group of a block, or `inherited` (the container's) without one.
QFont BlockFont(const LoadedBlock& block, const QFont& inherited);

}  // namespace velorin
