#include "preview/window_frame.h"

#include <QFontMetrics>
#include <QString>

#include "common/ansi_text.h"
#include "preview/bevels.h"
#include "preview/control_painters.h"
#include "preview/preview_fonts.h"
#include "preview/vb_colours.h"
#include "project/design_value.h"

namespace velorin {
namespace {

constexpr int kCaptionHeight = 18;
constexpr int kMenuBarHeight = 19;
constexpr int kCaptionButtonWidth = 16;
constexpr int kCaptionButtonHeight = 14;

// BorderStyle: 0 none, 1 fixed single, 2 sizable, 3 fixed dialog, 4 fixed and
// 5 sizable tool window.
int BorderStyle(const LoadedBlock& form) {
    return IntegerValue(form.Find("BorderStyle"), 2);
}

int BorderWidth(int style) {
    return style == 0 ? 0 : style == 2 || style == 5 ? 4 : 3;
}

std::vector<QString> MenuTitles(const LoadedBlock& form) {
    std::vector<QString> titles;
    for (const LoadedBlock& child : form.children) {
        if (!IEquals(child.className, "VB.Menu") ||
            !TruthValue(child.Find("Visible")).value_or(true))
            continue;
        titles.push_back(QString::fromStdString(
            AnsiToUtf8(StringValue(child.Find("Caption")).value_or(child.name))));
    }
    return titles;
}

void PaintCaptionButton(QPainter& painter, const QRect& button, int kind) {
    DrawButtonFace(painter, button);
    painter.setPen(ToColour(SystemColour::ButtonText));
    const QRect glyph = button.adjusted(4, 3, -5, -4);
    if (kind == 0) {  // minimise: a bar at the bottom
        painter.fillRect(QRect(glyph.left(), glyph.bottom() - 1, 6, 2),
                         ToColour(SystemColour::ButtonText));
    } else if (kind == 1) {  // maximise: a window
        painter.drawRect(glyph.adjusted(0, 0, -1, 0));
        painter.drawLine(glyph.left(), glyph.top() + 1, glyph.right() - 1, glyph.top() + 1);
    } else {  // close: a cross
        for (int d = 0; d < 2; ++d) {
            painter.drawLine(glyph.left() + d, glyph.top(), glyph.right() - 1 + d, glyph.bottom());
            painter.drawLine(glyph.left() + d, glyph.bottom(), glyph.right() - 1 + d, glyph.top());
        }
    }
}

}  // namespace

WindowLayout LayOutWindow(const LoadedBlock& form, QSize client) {
    const int style = BorderStyle(form);
    const int border = BorderWidth(style);
    const int caption = style == 0 ? 0 : style >= 4 ? kCaptionHeight - 3 : kCaptionHeight;
    const int menu = MenuTitles(form).empty() ? 0 : kMenuBarHeight;
    WindowLayout layout;
    layout.outer = QSize(client.width() + 2 * border,
                         client.height() + 2 * border + caption + (caption > 0 ? 1 : 0) + menu);
    layout.captionBar = QRect(border, border, client.width(), caption);
    const int menuTop = border + caption + (caption > 0 ? 1 : 0);
    if (menu > 0)
        layout.menuBar = QRect(border, menuTop, client.width(), menu);
    layout.client = QRect(QPoint(border, menuTop + menu), client);
    return layout;
}

void PaintWindowFrame(QPainter& painter, const LoadedBlock& form, const WindowLayout& layout) {
    const QRect outer(QPoint(0, 0), layout.outer);
    painter.fillRect(outer, ToColour(SystemColour::ButtonFace));
    const int style = BorderStyle(form);
    if (style != 0)
        DrawRaisedEdge(painter, outer);
    if (!layout.captionBar.isEmpty()) {
        const QRect bar = layout.captionBar;
        painter.fillRect(bar, ToColour(SystemColour::ActiveCaption));
        const bool controlBox = TruthValue(form.Find("ControlBox")).value_or(true);
        int textLeft = bar.left() + 2;
        if (controlBox && style != 3 && style < 4) {
            // The form's icon: a small window.
            const QRect icon(bar.left() + 1, bar.top() + 1, 16, 16);
            painter.fillRect(icon.adjusted(1, 2, -1, -2), ToColour(SystemColour::Window));
            painter.fillRect(QRect(icon.left() + 1, icon.top() + 2, 14, 3),
                             ToColour(SystemColour::Highlight));
            painter.setPen(ToColour(SystemColour::WindowText));
            painter.drawRect(icon.adjusted(1, 2, -2, -3));
            textLeft = icon.right() + 3;
        }
        int buttonsLeft = bar.right() + 1;
        if (controlBox) {
            const int top = bar.top() + (bar.height() - kCaptionButtonHeight) / 2;
            QRect button(bar.right() - 1 - kCaptionButtonWidth, top, kCaptionButtonWidth,
                         kCaptionButtonHeight);
            PaintCaptionButton(painter, button, 2);
            buttonsLeft = button.left();
            const bool minButton = TruthValue(form.Find("MinButton")).value_or(style == 2);
            const bool maxButton = TruthValue(form.Find("MaxButton")).value_or(style == 2);
            if ((minButton || maxButton) && style != 3 && style < 4) {
                button.translate(-kCaptionButtonWidth - 2, 0);
                PaintCaptionButton(painter, button, 1);
                button.translate(-kCaptionButtonWidth, 0);
                PaintCaptionButton(painter, button, 0);
                buttonsLeft = button.left();
            }
        }
        painter.setFont(SystemFont(true));
        painter.setPen(ToColour(SystemColour::CaptionText));
        const QString caption = QString::fromStdString(
            AnsiToUtf8(StringValue(form.Find("Caption")).value_or(std::string())));
        painter.drawText(QRect(textLeft, bar.top(), buttonsLeft - textLeft - 2, bar.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetrics(painter.font())
                             .elidedText(caption, Qt::ElideRight, buttonsLeft - textLeft - 2));
    }
    if (!layout.menuBar.isEmpty()) {
        painter.setFont(SystemFont(false));
        const QFontMetrics metrics(painter.font());
        int left = layout.menuBar.left() + 6;
        for (const QString& title : MenuTitles(form)) {
            const QRect text(left, layout.menuBar.top(), layout.menuBar.right() - left,
                             layout.menuBar.height());
            DrawCaption(painter, text, Qt::AlignLeft | Qt::AlignVCenter, title,
                        ToColour(SystemColour::ButtonText));
            QString shown = title;
            shown.remove(QLatin1Char('&'));
            left += metrics.horizontalAdvance(shown) + 12;
        }
    }
}

}  // namespace velorin
