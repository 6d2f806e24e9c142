#include "preview/control_grids.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <string>

#include "common/ansi_text.h"
#include "preview/bevels.h"
#include "preview/twips.h"
#include "preview/vb_colours.h"
#include "project/design_value.h"

namespace velorin {
namespace {

constexpr int kMostColumns = 64;
constexpr int kSelectorWidth = 12;

struct Column {
    QString caption;
    int width = 0;  // pixels
};

std::vector<Column> VisibleColumns(const LoadedBlock& grid) {
    std::vector<Column> columns;
    const int count = std::clamp(IntegerValue(grid.Find("Columns.count"), 0), 0, kMostColumns);
    for (int i = 0; i < count; ++i) {
        const std::string prefix = "Columns(" + std::to_string(i) + ").";
        if (!TruthValue(grid.Find(prefix + "Visible")).value_or(true))
            continue;
        const int width = Pixels(NumberValue(grid.Find(prefix + "Width")).value_or(1440));
        if (width <= 0)
            continue;
        columns.push_back({QString::fromStdString(
                               AnsiToUtf8(StringValue(grid.Find(prefix + "Caption")).value_or(""))),
                           width});
    }
    return columns;
}

}  // namespace

void PaintGrid(const ControlPaint& p) {
    const LoadedBlock& b = p.block;
    QPainter& painter = p.painter;
    painter.fillRect(p.rect, ColourProperty(b, "BackColor", SystemColour::Window));
    DrawSunkenEdge(painter, p.rect);
    const QRect inside = p.rect.adjusted(2, 2, -2, -2);
    if (inside.width() <= 0 || inside.height() <= 0)
        return;
    painter.save();
    painter.setClipRect(inside, Qt::IntersectClip);
    painter.setFont(p.font);
    const QFontMetrics metrics(p.font);
    const int rowHeight =
        std::max(metrics.height() + 2, Pixels(NumberValue(b.Find("RowHeight")).value_or(225)));
    const bool headers = TruthValue(b.Find("ColumnHeaders")).value_or(true);
    const bool selectors = TruthValue(b.Find("RecordSelectors")).value_or(true);
    const int headerHeight = headers ? metrics.height() + 4 : 0;
    const QColor face = ToColour(SystemColour::ButtonFace);
    const QColor lines = ToColour(SystemColour::ButtonShadow);
    int left = inside.left();
    if (selectors) {
        const QRect strip(left, inside.top(), kSelectorWidth, inside.height());
        painter.fillRect(strip, face);
        for (int y = inside.top() + headerHeight; y < inside.bottom(); y += rowHeight)
            DrawRaisedEdge(painter, QRect(left, y, kSelectorWidth, rowHeight));
        left += kSelectorWidth;
    }
    if (headers) {
        painter.fillRect(QRect(left, inside.top(), inside.right() - left + 1, headerHeight), face);
    }
    painter.setPen(lines);
    for (int y = inside.top() + headerHeight + rowHeight - 1; y < inside.bottom(); y += rowHeight)
        painter.drawLine(left, y, inside.right(), y);
    int x = left;
    for (const Column& column : VisibleColumns(b)) {
        if (x > inside.right())
            break;
        if (headers) {
            const QRect cell(x, inside.top(), column.width, headerHeight);
            DrawRaisedEdge(painter, cell);
            painter.setPen(ColourProperty(b, "ForeColor", SystemColour::ButtonText));
            painter.drawText(cell.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft,
                             metrics.elidedText(column.caption, Qt::ElideRight, column.width - 6));
        }
        x += column.width;
        painter.setPen(lines);
        painter.drawLine(x - 1, inside.top() + headerHeight, x - 1, inside.bottom());
    }
    painter.restore();
}

}  // namespace velorin
