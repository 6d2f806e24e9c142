// The painters of drawn controls (lines, shapes), of the data control and
// scroll bars, of check and option marks, and the labelled box that stands
// for a class without a painter of its own.
#pragma once

#include "preview/control_painters.h"

namespace velorin {

void PaintLine(const ControlPaint& paint);
void PaintShape(const ControlPaint& paint);
void PaintDataControl(const ControlPaint& paint);
void PaintScrollBar(const ControlPaint& paint, bool horizontal);
void PaintLabelledBox(const ControlPaint& paint);
// The Sheridan tab control: its rows of tabs, the current one raised, above the page.
void PaintTabControl(const ControlPaint& paint);

void DrawCheckMark(QPainter& painter, const QRect& box, bool checked, bool greyed);
void DrawOptionMark(QPainter& painter, const QRect& box, bool chosen);

}  // namespace velorin
