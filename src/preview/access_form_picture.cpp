#include "preview/access_form_picture.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "preview/access_form_design.h"
#include "preview/bevels.h"
#include "preview/control_painters.h"
#include "preview/preview_fonts.h"
#include "preview/twips.h"
#include "preview/vb_colours.h"
#include "preview/window_frame.h"
#include "project/design_value.h"

namespace velorin {
namespace {

constexpr int kSelectorWidth = 14;
constexpr int kNavigationHeight = 18;

double Twips(const LoadedBlock& block, const char* property) {
    return NumberValue(block.Find(property)).value_or(0);
}

QRect ControlRect(const LoadedBlock& block, QPoint origin) {
    if (block.className == "VB.Line")
        return QRect(origin + QPoint(Pixels(Twips(block, "X1")), Pixels(Twips(block, "Y1"))),
                     origin + QPoint(Pixels(Twips(block, "X2")), Pixels(Twips(block, "Y2"))));
    return QRect(
        origin.x() + Pixels(Twips(block, "Left")), origin.y() + Pixels(Twips(block, "Top")),
        std::max(1, Pixels(Twips(block, "Width"))), std::max(1, Pixels(Twips(block, "Height"))));
}

// The strip at the left of each section; the detail's shows the current record.
void PaintSelector(QPainter& painter, const QRect& strip, bool current) {
    painter.fillRect(strip, ToColour(SystemColour::ButtonFace));
    DrawRaisedEdge(painter, strip);
    if (current)
        DrawArrow(painter, QRect(strip.left(), strip.top() + 2, strip.width(), 12), Arrow::Right,
                  ToColour(SystemColour::ButtonText));
}

// "Record: |< < 1 > >| >* of 1" along the bottom of the window.
void PaintNavigationBar(QPainter& painter, const QRect& bar) {
    painter.fillRect(bar, ToColour(SystemColour::ButtonFace));
    const QFont font = SystemFont(false);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(ToColour(SystemColour::ButtonText));
    int x = bar.left() + 4;
    const QString record = QStringLiteral("Record:");
    painter.drawText(QRect(x, bar.top(), metrics.horizontalAdvance(record) + 2, bar.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, record);
    x += metrics.horizontalAdvance(record) + 6;
    const int side = bar.height() - 2;
    const QColor arrow = ToColour(SystemColour::ButtonText);
    auto button = [&](Arrow direction) {
        const QRect face(x, bar.top() + 1, side, side);
        DrawButtonFace(painter, face);
        DrawArrow(painter, face, direction, arrow);
        x += side;
    };
    button(Arrow::Left);
    button(Arrow::Left);
    const QRect number(x, bar.top() + 1, 3 * side, side);
    painter.fillRect(number, ToColour(SystemColour::Window));
    DrawSunkenEdge(painter, number);
    painter.setPen(ToColour(SystemColour::WindowText));
    painter.drawText(number.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("1"));
    x += number.width();
    button(Arrow::Right);
    button(Arrow::Right);
    button(Arrow::Right);
    painter.setPen(ToColour(SystemColour::ButtonText));
    painter.drawText(QRect(x + 4, bar.top(), std::max(0, bar.right() - x - 4), bar.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("of 1"));
}

}  // namespace

FormPicture RenderAccessForm(const AccessForm& form) {
    FormPicture picture;
    const AccessFormDesign design = AccessFormAsDesign(form);
    const int selector = design.recordSelectors ? kSelectorWidth : 0;
    const int width = std::clamp(Pixels(design.width), 1, kLargestSide);
    int sectionsHeight = 0;
    for (const AccessSectionDesign& section : design.sections)
        sectionsHeight += Pixels(section.height);
    const int navigation = design.navigationButtons ? kNavigationHeight : 0;
    const QSize client(selector + width, std::clamp(sectionsHeight + navigation, 1, kLargestSide));
    const WindowLayout layout = LayOutWindow(design.window, client);
    picture.image = QImage(layout.outer, QImage::Format_RGB32);
    picture.image.setDotsPerMeterX(3780);
    picture.image.setDotsPerMeterY(3780);
    QPainter painter(&picture.image);
    PaintWindowFrame(painter, design.window, layout);
    // Below the last section lies the empty part of the window.
    painter.fillRect(layout.client, ToColour(SystemColour::AppWorkspace));
    int top = layout.client.top();
    const int bottom = layout.client.bottom() + 1 - navigation;
    for (const AccessSectionDesign& section : design.sections) {
        const int height = std::min(Pixels(section.height), bottom - top);
        if (height <= 0)
            break;
        if (selector > 0)
            PaintSelector(painter, QRect(layout.client.left(), top, selector, height),
                          section.number == section_number::kDetail);
        const QRect area(layout.client.left() + selector, top, width, height);
        painter.fillRect(area, VbColour(section.backColour));
        for (const LoadedBlock& block : section.controls) {
            const QRect rect = ControlRect(block, area.topLeft());
            if (!rect.normalized().adjusted(0, 0, 1, 1).intersects(area))
                continue;
            picture.placed.push_back({block.name, rect.normalized()});
            painter.save();
            painter.setClipRect(area);
            PaintControl({painter, block, rect, BlockFont(block, SystemFont(false))});
            painter.restore();
        }
        top += height;
    }
    if (navigation > 0)
        PaintNavigationBar(painter,
                           QRect(layout.client.left(), bottom, layout.client.width(), navigation));
    return picture;
}

}  // namespace velorin
