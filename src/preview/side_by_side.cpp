#include "preview/side_by_side.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "common/ansi_text.h"
#include "preview/preview_fonts.h"

namespace velorin {
namespace {

constexpr int kMargin = 12;
constexpr int kGap = 24;
constexpr QRgb kBackground = 0xFFFFFF;
constexpr QRgb kOutline = 0xD00000;

QString FromAnsi(const std::string& text) {
    return QString::fromStdString(AnsiToUtf8(text));
}

const PlacedControl* Find(const FormPicture& picture, const std::string& name) {
    if (name.empty())
        return nullptr;
    for (const PlacedControl& placed : picture.placed) {
        if (IEquals(placed.name, name))
            return &placed;
    }
    return nullptr;
}

// A red frame around the control, with its number in a tag at its corner.
void Outline(QPainter& painter, QPoint offset, const QRect& control, int number,
             const QFont& font) {
    const QRect frame = control.translated(offset).adjusted(-2, -2, 2, 2);
    QPen pen{QColor(kOutline)};
    pen.setWidth(2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    const QString label = QString::number(number);
    const QFontMetrics metrics(font);
    const QRect tag(frame.left(), frame.top() - metrics.height(),
                    metrics.horizontalAdvance(label) + 6, metrics.height());
    painter.fillRect(tag, QColor(kOutline));
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(tag, Qt::AlignCenter, label);
}

}  // namespace

QImage SideBySide(const FormPicture& access, const FormPicture& vb,
                  const std::vector<MarkedControl>& marked) {
    QFont title = SystemFont(true);
    title.setPointSizeF(10);
    const QFont text = SystemFont(false);
    const QFontMetrics titleMetrics(title);
    const QFontMetrics textMetrics(text);
    const int titleHeight = titleMetrics.height() + 6;
    const QSize left = access.image.size();
    const QSize right = vb.image.size();
    // Room above the pictures for the tags of controls at their top edge.
    const QPoint leftAt(kMargin, kMargin + titleHeight + textMetrics.height());
    const QPoint rightAt(leftAt.x() + left.width() + kGap, leftAt.y());
    const int picturesBottom = leftAt.y() + std::max(left.height(), right.height());
    QStringList lines;
    if (!marked.empty())
        lines << QStringLiteral("Controls converted only in part:");
    for (size_t i = 0; i < marked.size(); ++i)
        lines << QString::number(i + 1) + QStringLiteral(". ") + FromAnsi(marked[i].note);
    int listWidth = 0;
    for (const QString& line : lines)
        listWidth = std::max(listWidth, textMetrics.horizontalAdvance(line));
    const int width = std::max(rightAt.x() + right.width(), kMargin + listWidth) + kMargin;
    const int height = picturesBottom + (lines.isEmpty() ? 0 : 8) +
                       static_cast<int>(lines.size()) * textMetrics.height() + kMargin;
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setFont(title);
    painter.setPen(Qt::black);
    painter.drawText(QRect(leftAt.x(), kMargin, left.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Access"));
    painter.drawText(QRect(rightAt.x(), kMargin, std::max(right.width(), 200), titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Visual Basic"));
    painter.drawImage(leftAt, access.image);
    painter.drawImage(rightAt, vb.image);
    for (size_t i = 0; i < marked.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (const PlacedControl* placed = Find(access, marked[i].accessName))
            Outline(painter, leftAt, placed->rect, number, text);
        if (const PlacedControl* placed = Find(vb, marked[i].vbName))
            Outline(painter, rightAt, placed->rect, number, text);
    }
    painter.setFont(text);
    painter.setPen(Qt::black);
    int y = picturesBottom + 8;
    for (const QString& line : lines) {
        painter.drawText(QRect(kMargin, y, width - 2 * kMargin, textMetrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        y += textMetrics.height();
    }
    return image;
}

}  // namespace velorin
