// One painter per control class, drawing a control as the Visual Basic 5
// designer shows it. The caller places the control, clips to its container and
// paints a container's children after the container itself.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>

#include <string_view>

#include "preview/form_file.h"
#include "project/form_design.h"

namespace velorin {

struct ControlPaint {
    QPainter& painter;
    const LoadedBlock& block;
    QRect rect;  // the control's area in pixels; a line's runs from (X1, Y1) to (X2, Y2)
    QFont font;  // the control's own, or its container's
    // The file the control is in, whose companion holds its pictures; none
    // for a control drawn from elsewhere.
    const LoadedForm* form = nullptr;
};

// Paints the control; a class without a painter of its own is a box with its
// class and name.
void PaintControl(const ControlPaint& paint);

// Classes with painters of their own (VB.Label, VB.TextBox, ...).
bool HasOwnPainter(std::string_view className);

// Graphical controls (labels, lines, shapes, images) lie beneath the others.
bool IsGraphicalControl(std::string_view className);

// For a container, the area its children are clipped to and the point their
// Left and Top count from; false for a control that holds none.
bool ChildArea(const LoadedBlock& block, const QRect& rect, QRect& clip, QPoint& origin);

// Text with & marking its access key: drawn with the key underlined, && as &.
void DrawCaption(QPainter& painter, const QRect& rect, int flags, const QString& text,
                 const QColor& colour);

}  // namespace velorin
