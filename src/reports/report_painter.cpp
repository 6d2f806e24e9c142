#include "reports/report_painter.h"

#include <QPaintDevice>
#include <QPainter>
#include <QString>

namespace velorin {
namespace {

constexpr TextStyle kStyles[] = {TextStyle::Title, TextStyle::Caption, TextStyle::Heading,
                                 TextStyle::Group, TextStyle::Body};

size_t IndexOf(TextStyle style) {
    return static_cast<size_t>(style);
}

QFont StyleFont(TextStyle style, QPaintDevice& device) {
    QFont font(QStringLiteral("DejaVu Sans"));
    // Outlines without hinting: the widths measured are the widths printed.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::ForceOutline);
    switch (style) {
        case TextStyle::Title:
            font.setPointSizeF(16);
            font.setBold(true);
            break;
        case TextStyle::Caption:
            font.setPointSizeF(8);
            break;
        case TextStyle::Heading:
            font.setPointSizeF(8.5);
            font.setBold(true);
            break;
        case TextStyle::Group:
            font.setPointSizeF(10);
            font.setBold(true);
            break;
        case TextStyle::Body:
            font.setPointSizeF(8.5);
            break;
    }
    return QFont(font, &device);
}

QColor FillColor(Fill fill) {
    switch (fill) {
        case Fill::HeadingBand:
            return QColor(0xDD, 0xE3, 0xEA);
        case Fill::GroupBand:
            return QColor(0xF0, 0xF2, 0xF5);
        case Fill::Bar:
            break;
    }
    return QColor(0x3A, 0x6E, 0xA5);
}

QRectF ToRect(const Box& box) {
    return QRectF(box.x, box.y, box.width, box.height);
}

}  // namespace

QtTextMeasure::QtTextMeasure(QPaintDevice& device) {
    for (TextStyle style : kStyles) {
        fonts_.push_back(StyleFont(style, device));
        metrics_.emplace_back(fonts_.back(), &device);
    }
}

double QtTextMeasure::Width(std::string_view text, TextStyle style) const {
    return metrics_[IndexOf(style)].horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double QtTextMeasure::LineHeight(TextStyle style) const {
    return metrics_[IndexOf(style)].lineSpacing();
}

const QFont& QtTextMeasure::Font(TextStyle style) const {
    return fonts_[IndexOf(style)];
}

void PaintPage(QPainter& painter, const PageModel& page, const QtTextMeasure& fonts) {
    painter.save();
    painter.setPen(Qt::NoPen);
    for (const FilledBox& fill : page.fills)
        painter.fillRect(ToRect(fill.box), FillColor(fill.fill));
    for (const Rule& rule : page.rules) {
        painter.setPen(QPen(QColor(0x55, 0x55, 0x55), rule.weight));
        painter.drawLine(QPointF(rule.x1, rule.y1), QPointF(rule.x2, rule.y2));
    }
    painter.setPen(Qt::black);
    for (const TextRun& text : page.texts) {
        painter.setFont(fonts.Font(text.style));
        const int align = (text.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                          Qt::AlignVCenter | Qt::TextSingleLine;
        painter.drawText(ToRect(text.box), align, QString::fromStdString(text.text));
    }
    painter.restore();
}

}  // namespace velorin
