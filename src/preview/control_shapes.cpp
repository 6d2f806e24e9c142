#include "preview/control_shapes.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "common/ansi_text.h"
#include "preview/bevels.h"
#include "preview/preview_fonts.h"
#include "preview/vb_colours.h"
#include "project/design_value.h"

namespace velorin {
namespace {

constexpr int kMostTabs = 64;

int Number(const LoadedBlock& block, const char* property, int fallback) {
    return IntegerValue(block.Find(property), fallback);
}

// BorderStyle of a line or shape: 0 transparent, 1 solid, 2 dash, 3 dot,
// 4 dash-dot, 5 dash-dot-dot, 6 inside solid.
QPen BorderPen(const LoadedBlock& block) {
    const int style = Number(block, "BorderStyle", 1);
    if (style == 0)
        return QPen(Qt::NoPen);
    QPen pen(ColourProperty(block, "BorderColor", SystemColour::WindowText));
    pen.setWidth(std::clamp(Number(block, "BorderWidth", 1), 1, 100));
    constexpr Qt::PenStyle kStyles[] = {Qt::NoPen,    Qt::SolidLine,   Qt::DashLine,
                                        Qt::DotLine,  Qt::DashDotLine, Qt::DashDotDotLine,
                                        Qt::SolidLine};
    pen.setStyle(style > 0 && style < 7 ? kStyles[style] : Qt::SolidLine);
    return pen;
}

// FillStyle: 0 solid, 1 transparent (the default), 2 to 7 hatches.
QBrush FillBrush(const LoadedBlock& block) {
    const int style = Number(block, "FillStyle", 1);
    if (style == 1)
        return Qt::NoBrush;
    constexpr Qt::BrushStyle kHatches[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                           Qt::VerPattern,   Qt::FDiagPattern,    Qt::BDiagPattern,
                                           Qt::CrossPattern, Qt::DiagCrossPattern};
    return QBrush(ColourProperty(block, "FillColor", SystemColour::WindowText),
                  style >= 0 && style < 8 ? kHatches[style] : Qt::SolidPattern);
}

}  // namespace

void PaintLine(const ControlPaint& p) {
    p.painter.setPen(BorderPen(p.block));
    p.painter.drawLine(p.rect.topLeft(), p.rect.bottomRight());
}

// Shape: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
void PaintShape(const ControlPaint& p) {
    const LoadedBlock& b = p.block;
    const int shape = Number(b, "Shape", 0);
    QRect area = p.rect.adjusted(0, 0, -1, -1);
    if (shape == 1 || shape == 3 || shape == 5) {
        const int side = std::min(area.width(), area.height());
        area = QRect(area.left() + (area.width() - side) / 2,
                     area.top() + (area.height() - side) / 2, side, side);
    }
    auto draw = [&](QPainter& painter) {
        if (shape == 2 || shape == 3)
            painter.drawEllipse(area);
        else if (shape == 4 || shape == 5)
            painter.drawRoundedRect(area, 8, 8);
        else
            painter.drawRect(area);
    };
    p.painter.setPen(Qt::NoPen);
    if (Number(b, "BackStyle", 0) == 1) {
        p.painter.setBrush(ColourProperty(b, "BackColor", SystemColour::Window));
        draw(p.painter);
    }
    p.painter.setBrush(FillBrush(b));
    p.painter.setPen(BorderPen(b));
    draw(p.painter);
    p.painter.setBrush(Qt::NoBrush);
}

// The data control: a raised bar with the record buttons at its ends.
void PaintDataControl(const ControlPaint& p) {
    const LoadedBlock& b = p.block;
    p.painter.fillRect(p.rect, ColourProperty(b, "BackColor", SystemColour::Window));
    const int side = std::min(p.rect.height(), 22);
    const Arrow arrows[] = {Arrow::Left, Arrow::Left, Arrow::Right, Arrow::Right};
    const int lefts[] = {p.rect.left(), p.rect.left() + side, p.rect.right() - 2 * side + 1,
                         p.rect.right() - side + 1};
    for (int i = 0; i < 4; ++i) {
        const QRect button(lefts[i], p.rect.top(), side, p.rect.height());
        DrawButtonFace(p.painter, button);
        DrawArrow(p.painter, button, arrows[i], ToColour(SystemColour::ButtonText));
    }
    p.painter.setFont(p.font);
    const std::optional<std::string> caption = StringValue(b.Find("Caption"));
    p.painter.setPen(ColourProperty(b, "ForeColor", SystemColour::WindowText));
    p.painter.drawText(p.rect.adjusted(2 * side + 3, 0, -2 * side - 3, 0),
                       Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(AnsiToUtf8(caption.value_or(std::string()))));
}

void PaintScrollBar(const ControlPaint& p, bool horizontal) {
    p.painter.fillRect(p.rect, ToColour(SystemColour::Light));
    const int side = horizontal ? std::min(p.rect.height(), p.rect.width() / 2)
                                : std::min(p.rect.width(), p.rect.height() / 2);
    const QRect first = horizontal ? QRect(p.rect.left(), p.rect.top(), side, p.rect.height())
                                   : QRect(p.rect.left(), p.rect.top(), p.rect.width(), side);
    const QRect last = horizontal
                           ? QRect(p.rect.right() - side + 1, p.rect.top(), side, p.rect.height())
                           : QRect(p.rect.left(), p.rect.bottom() - side + 1, p.rect.width(), side);
    DrawButtonFace(p.painter, first);
    DrawButtonFace(p.painter, last);
    const QColor arrow = ToColour(SystemColour::ButtonText);
    DrawArrow(p.painter, first, horizontal ? Arrow::Left : Arrow::Up, arrow);
    DrawArrow(p.painter, last, horizontal ? Arrow::Right : Arrow::Down, arrow);
}

void PaintLabelledBox(const ControlPaint& p) {
    p.painter.fillRect(p.rect, ToColour(SystemColour::ButtonFace));
    p.painter.setPen(ToColour(SystemColour::ButtonShadow));
    p.painter.setBrush(Qt::NoBrush);
    p.painter.drawRect(p.rect.adjusted(0, 0, -1, -1));
    // In the caption bar's font, whatever the control's: the class without its
    // library, and the name, on two lines where the box has room for them.
    const QFont font = SystemFont(false);
    const QFontMetrics metrics(font);
    const std::string& className = p.block.className;
    const QString shortClass =
        QString::fromStdString(AnsiToUtf8(className.substr(className.find('.') + 1)));
    const QString name = QString::fromStdString(AnsiToUtf8(p.block.name));
    const QRect inside = p.rect.adjusted(3, 1, -3, -1);
    const bool twoLines = inside.height() >= 2 * metrics.height();
    const QStringList lines = twoLines ? QStringList{shortClass, name}
                                       : QStringList{shortClass + QLatin1Char(' ') + name};
    QStringList shown;
    for (const QString& line : lines)
        shown << metrics.elidedText(line, Qt::ElideRight, inside.width());
    p.painter.setFont(font);
    p.painter.setPen(ToColour(SystemColour::ButtonText));
    p.painter.drawText(inside, Qt::AlignCenter, shown.join(QLatin1Char('\n')));
}

void PaintTabControl(const ControlPaint& p) {
    const LoadedBlock& b = p.block;
    const int tabs = std::clamp(Number(b, "Tabs", 3), 1, kMostTabs);
    const int perRow = std::clamp(Number(b, "TabsPerRow", 3), 1, tabs);
    const int rows = (tabs + perRow - 1) / perRow;
    const int tabHeight = std::max(
        8, static_cast<int>(std::lround(NumberValue(b.Find("TabHeight")).value_or(529) / 15)));
    const int current = Number(b, "Tab", 0);
    const QColor face = ColourProperty(b, "BackColor", SystemColour::ButtonFace);
    const QRect page(p.rect.left(), p.rect.top() + rows * tabHeight, p.rect.width(),
                     std::max(1, p.rect.height() - rows * tabHeight));
    p.painter.fillRect(page, face);
    DrawRaisedEdge(p.painter, page);
    p.painter.setFont(p.font);
    const int width = p.rect.width() / perRow;
    for (int i = 0; i < tabs; ++i) {
        const int row = rows - 1 - i / perRow;  // the first tabs lie next to the page
        QRect tab(p.rect.left() + (i % perRow) * width, p.rect.top() + row * tabHeight, width,
                  tabHeight + 2);
        if (i != current)
            tab.adjust(0, 2, 0, -2);
        p.painter.fillRect(tab, face);
        DrawRaisedEdge(p.painter, tab);
        if (i == current)  // open to the page below it
            p.painter.fillRect(QRect(tab.left() + 2, tab.bottom() - 1, tab.width() - 4, 2), face);
        const std::string property = "TabCaption(" + std::to_string(i) + ")";
        const QString caption = QString::fromStdString(
            AnsiToUtf8(StringValue(b.Find(property)).value_or("Tab " + std::to_string(i))));
        DrawCaption(p.painter, tab.adjusted(3, 1, -3, -1), Qt::AlignCenter, caption,
                    ColourProperty(b, "ForeColor", SystemColour::ButtonText));
    }
}

void DrawCheckMark(QPainter& painter, const QRect& box, bool checked, bool greyed) {
    painter.fillRect(box,
                     greyed ? ToColour(SystemColour::ButtonFace) : ToColour(SystemColour::Window));
    DrawSunkenEdge(painter, box);
    if (!checked && !greyed)
        return;
    QPen pen(greyed ? ToColour(SystemColour::ButtonShadow) : ToColour(SystemColour::WindowText));
    pen.setWidth(2);
    painter.setPen(pen);
    const QPoint a(box.left() + 3, box.top() + 6);
    const QPoint b(box.left() + 5, box.top() + 9);
    const QPoint c(box.left() + 9, box.top() + 3);
    painter.drawPolyline(QPolygon({a, b, c}));
}

void DrawOptionMark(QPainter& painter, const QRect& box, bool chosen) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(ToColour(SystemColour::Window));
    painter.setPen(ToColour(SystemColour::ButtonShadow));
    painter.drawEllipse(box.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(ToColour(SystemColour::DarkShadow));
    painter.drawArc(box.adjusted(1, 1, -2, -2), 45 * 16, 180 * 16);
    if (chosen) {
        painter.setBrush(ToColour(SystemColour::WindowText));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(box.adjusted(4, 4, -5, -5));
    }
    painter.restore();
}

}  // namespace velorin
