#include "preview/bevels.h"

#include <QPolygon>

#include "preview/vb_colours.h"

namespace velorin {
namespace {

// Two lines along the top and left, two along the bottom and right.
void DrawEdgePair(QPainter& painter, const QRect& r, const QColor& topLeft,
                  const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.left(), r.bottom(), r.left(), r.top());
    painter.drawLine(r.left(), r.top(), r.right(), r.top());
    painter.setPen(bottomRight);
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
}

}  // namespace

void DrawRaisedEdge(QPainter& painter, const QRect& rect) {
    DrawEdgePair(painter, rect, ToColour(SystemColour::ButtonHighlight),
                 ToColour(SystemColour::DarkShadow));
    DrawEdgePair(painter, rect.adjusted(1, 1, -1, -1), ToColour(SystemColour::Light),
                 ToColour(SystemColour::ButtonShadow));
}

void DrawSunkenEdge(QPainter& painter, const QRect& rect) {
    DrawEdgePair(painter, rect, ToColour(SystemColour::ButtonShadow),
                 ToColour(SystemColour::ButtonHighlight));
    DrawEdgePair(painter, rect.adjusted(1, 1, -1, -1), ToColour(SystemColour::DarkShadow),
                 ToColour(SystemColour::Light));
}

void DrawEtchedFrame(QPainter& painter, const QRect& rect) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(ToColour(SystemColour::ButtonHighlight));
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.setPen(ToColour(SystemColour::ButtonShadow));
    painter.drawRect(rect.adjusted(0, 0, -2, -2));
}

void DrawButtonFace(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, ToColour(SystemColour::ButtonFace));
    DrawRaisedEdge(painter, rect);
}

void DrawArrow(QPainter& painter, const QRect& rect, Arrow direction, const QColor& colour) {
    const QPoint c = rect.center();
    const int s = std::max(2, std::min(rect.width(), rect.height()) / 4);
    QPolygon shape;
    switch (direction) {
        case Arrow::Down:
            shape << QPoint(c.x() - s, c.y() - s / 2) << QPoint(c.x() + s, c.y() - s / 2)
                  << QPoint(c.x(), c.y() + s / 2 + 1);
            break;
        case Arrow::Up:
            shape << QPoint(c.x() - s, c.y() + s / 2) << QPoint(c.x() + s, c.y() + s / 2)
                  << QPoint(c.x(), c.y() - s / 2 - 1);
            break;
        case Arrow::Left:
            shape << QPoint(c.x() + s / 2, c.y() - s) << QPoint(c.x() + s / 2, c.y() + s)
                  << QPoint(c.x() - s / 2 - 1, c.y());
            break;
        case Arrow::Right:
            shape << QPoint(c.x() - s / 2, c.y() - s) << QPoint(c.x() - s / 2, c.y() + s)
                  << QPoint(c.x() + s / 2 + 1, c.y());
            break;
    }
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(shape);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace velorin
