// The edges Windows 95 draws around its controls: a raised button, a sunken
// field, an etched group frame.
#pragma once

#include <QPainter>
#include <QRect>

namespace velorin {

void DrawRaisedEdge(QPainter& painter, const QRect& rect);
void DrawSunkenEdge(QPainter& painter, const QRect& rect);
void DrawEtchedFrame(QPainter& painter, const QRect& rect);
// A small button face with a raised edge, as on a scroll bar or a caption.
void DrawButtonFace(QPainter& painter, const QRect& rect);
// A solid triangle pointing down, up, left or right, centred in rect.
enum class Arrow { Down, Up, Left, Right };
void DrawArrow(QPainter& painter, const QRect& rect, Arrow direction, const QColor& colour);

}  // namespace velorin
