// The grid of the Sheridan data widgets, as the designer shows it: a header
// row with the captions of the visible columns, record selectors, and empty
// rows of the grid's row height.
#pragma once

#include "preview/control_painters.h"

namespace velorin {

void PaintGrid(const ControlPaint& paint);

}  // namespace velorin
