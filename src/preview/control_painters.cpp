#include "preview/control_painters.h"

#include <QFontMetrics>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <string_view>

#include "common/ansi_text.h"
#include "preview/bevels.h"
#include "preview/control_grids.h"
#include "preview/control_shapes.h"
#include "preview/vb_colours.h"
#include "project/design_value.h"

namespace velorin {
namespace {

// A text property; one the file leaves out is empty, as Visual Basic loads it.
QString Text(const LoadedBlock& block, const char* property) {
    return QString::fromStdString(AnsiToUtf8(StringValue(block.Find(property)).value_or("")));
}

// A list box shows its name at design time.
QString Name(const LoadedBlock& block) {
    return QString::fromStdString(AnsiToUtf8(block.name));
}

int Number(const LoadedBlock& block, const char* property, int fallback) {
    return IntegerValue(block.Find(property), fallback);
}

// The border of a field: sunken, or a plain line when Appearance is 0 (flat).
// Returns how wide it is.
int DrawFieldBorder(const ControlPaint& p, const QRect& rect) {
    if (Number(p.block, "Appearance", 1) == 0) {
        p.painter.setPen(ToColour(SystemColour::WindowText));
        p.painter.setBrush(Qt::NoBrush);
        p.painter.drawRect(rect.adjusted(0, 0, -1, -1));
        return 1;
    }
    DrawSunkenEdge(p.painter, rect);
    return 2;
}

int AlignmentFlags(int alignment) {
    return alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
}

void PaintLabel(const ControlPaint& p) {
    const LoadedBlock& b = p.block;
    if (Number(b, "BackStyle", 1) != 0)
        p.painter.fillRect(p.rect, ColourProperty(b, "BackColor", SystemColour::ButtonFace));
    QRect inside = p.rect;
    if (Number(b, "BorderStyle", 0) == 1) {
        const int border = DrawFieldBorder(p, p.rect);
        inside.adjust(border, border, -border, -border);
    }
    p.painter.setFont(p.font);
    DrawCaption(p.painter, inside,
                AlignmentFlags(Number(b, "Alignment", 0)) | Qt::AlignTop | Qt::TextWordWrap,
                Text(b, "Caption"), ColourProperty(b, "ForeColor", SystemColour::ButtonText));
}

void PaintTextBox(const ControlPaint& p) {
    const LoadedBlock& b = p.block;
    p.painter.fillRect(p.rect, ColourProperty(b, "BackColor", SystemColour::Window));
    QRect inside = p.rect.adjusted(1, 1, -1, -1);
    if (Number(b, "BorderStyle", 1) == 1) {
        const int border = DrawFieldBorder(p, p.rect);
        inside = p.rect.adjusted(border + 1, border, -border - 1, -border);
    }
    const bool multiLine = TruthValue(b.Find("MultiLine")).value_or(false);
    p.painter.setFont(p.font);
    p.painter.setPen(ColourProperty(b, "ForeColor", SystemColour::WindowText));
    p.painter.drawText(inside,
                       AlignmentFlags(Number(b, "Alignment", 0)) | Qt::AlignTop |
                           (multiLine ? Qt::TextWordWrap : 0),
                       Text(b, "Text"));
}

void PaintCommandButton(const ControlPaint& p) {
    const LoadedBlock& b = p.block;
    // Only a graphical button (Style 1) shows its own BackColor.
    const bool graphical = Number(b, "Style", 0) == 1;
    p.painter.fillRect(p.rect, graphical ? ColourProperty(b, "BackColor", SystemColour::ButtonFace)
                                         : ToColour(SystemColour::ButtonFace));
    DrawRaisedEdge(p.painter, p.rect);
    p.painter.setFont(p.font);
    DrawCaption(p.painter, p.rect.adjusted(3, 3, -3, -3), Qt::AlignCenter | Qt::TextWordWrap,
                Text(b, "Caption"), ColourProperty(b, "ForeColor", SystemColour::ButtonText));
}

// A check box or option button: the mark on one side, the caption beside it.
void PaintChoice(const ControlPaint& p, bool round) {
    const LoadedBlock& b = p.block;
    p.painter.fillRect(p.rect, ColourProperty(b, "BackColor", SystemColour::ButtonFace));
    const int size = 13;
    const bool markRight = Number(b, "Alignment", 0) == 1;
    const int top = p.rect.top() + (p.rect.height() - size) / 2;
    const QRect mark(markRight ? p.rect.right() - size : p.rect.left(), top, size, size);
    const bool chosen =
        round ? TruthValue(b.Find("Value")).value_or(false) : Number(b, "Value", 0) != 0;
    if (round)
        DrawOptionMark(p.painter, mark, chosen);
    else
        DrawCheckMark(p.painter, mark, chosen, Number(b, "Value", 0) == 2);
    const QRect text =
        markRight ? QRect(p.rect.left(), p.rect.top(), p.rect.width() - size - 4, p.rect.height())
                  : QRect(mark.right() + 5, p.rect.top(), p.rect.right() - mark.right() - 5,
                          p.rect.height());
    p.painter.setFont(p.font);
    DrawCaption(p.painter, text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                Text(b, "Caption"), ColourProperty(b, "ForeColor", SystemColour::ButtonText));
}

void PaintFrame(const ControlPaint& p) {
    const LoadedBlock& b = p.block;
    const QColor back = ColourProperty(b, "BackColor", SystemColour::ButtonFace);
    p.painter.fillRect(p.rect, back);
    const QFontMetrics metrics(p.font);
    const int top = p.rect.top() + metrics.height() / 2;
    if (Number(b, "BorderStyle", 1) != 0)
        DrawEtchedFrame(p.painter,
                        QRect(p.rect.left(), top, p.rect.width(), p.rect.bottom() - top + 1));
    const QString caption = Text(b, "Caption");
    if (caption.isEmpty())
        return;
    p.painter.setFont(p.font);
    QString shown = caption;
    shown.remove(QLatin1Char('&'));
    const QRect text(p.rect.left() + 8, p.rect.top(),
                     std::min(metrics.horizontalAdvance(shown) + 4, p.rect.width() - 10),
                     metrics.height());
    p.painter.fillRect(text, back);
    DrawCaption(p.painter, text.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption,
                ColourProperty(b, "ForeColor", SystemColour::ButtonText));
}

// A list or combo box: a white field showing its name, as at design time.
void PaintList(const ControlPaint& p, bool combo) {
    const LoadedBlock& b = p.block;
    QRect field = p.rect;
    // A simple combo box (Style 1 of the standard one) shows its list below the field.
    const bool simple = IEquals(b.className, "VB.ComboBox") && Number(b, "Style", 0) == 1;
    if (combo && !simple)
        field.setHeight(std::min(p.rect.height(), QFontMetrics(p.font).height() + 8));
    p.painter.fillRect(field, ColourProperty(b, "BackColor", SystemColour::Window));
    DrawFieldBorder(p, field);
    QRect text = field.adjusted(3, 2, -3, -2);
    if (combo) {
        const QRect button(field.right() - 17, field.top() + 2, 16, field.height() - 4);
        DrawButtonFace(p.painter, button);
        DrawArrow(p.painter, button, Arrow::Down, ToColour(SystemColour::ButtonText));
        text.setRight(button.left() - 1);
    }
    p.painter.setFont(p.font);
    p.painter.setPen(ColourProperty(b, "ForeColor", SystemColour::WindowText));
    p.painter.drawText(text, Qt::AlignLeft | (combo ? Qt::AlignVCenter : Qt::AlignTop),
                       combo ? Text(b, "Text") : Name(b));
}

// The picture a Picture property keeps in the companion file: the picture's
// own file, after "lt\0\0" and its length. Null without one.
QImage StoredPicture(const ControlPaint& p) {
    const DesignProperty* property = p.block.Find("Picture");
    if (p.form == nullptr || property == nullptr)
        return {};
    const std::optional<std::string> entry =
        FrxEntryBytes(*p.form, ReadDesignValue(property->value));
    if (!entry)
        return {};
    std::string_view bytes = *entry;
    if (bytes.size() >= 8 && bytes.substr(0, 4) == std::string_view("lt\0\0", 4))
        bytes.remove_prefix(8);
    QImage picture;
    picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                         static_cast<int>(std::min<size_t>(bytes.size(), INT_MAX)));
    return picture;
}

void PaintPictureBox(const ControlPaint& p) {
    p.painter.fillRect(p.rect, ColourProperty(p.block, "BackColor", SystemColour::ButtonFace));
    int border = 0;
    if (Number(p.block, "BorderStyle", 1) == 1)
        border = DrawFieldBorder(p, p.rect);
    // At its own size, from the corner, as Visual Basic shows it.
    const QImage picture = StoredPicture(p);
    if (!picture.isNull()) {
        const QRect inside = p.rect.adjusted(border, border, -border, -border);
        p.painter.save();
        p.painter.setClipRect(inside, Qt::IntersectClip);
        p.painter.drawImage(inside.topLeft(), picture);
        p.painter.restore();
    }
}

void PaintImage(const ControlPaint& p) {
    const QImage picture = StoredPicture(p);
    if (!picture.isNull()) {
        // Stretched to the control, or at its own size from the corner.
        p.painter.save();
        p.painter.setClipRect(p.rect, Qt::IntersectClip);
        if (TruthValue(p.block.Find("Stretch")).value_or(false))
            p.painter.drawImage(p.rect, picture);
        else
            p.painter.drawImage(p.rect.topLeft(), picture);
        p.painter.restore();
    }
    if (Number(p.block, "BorderStyle", 0) == 1) {
        p.painter.setPen(ToColour(SystemColour::WindowText));
        p.painter.setBrush(Qt::NoBrush);
        p.painter.drawRect(p.rect.adjusted(0, 0, -1, -1));
    }
}

using Painter = void (*)(const ControlPaint&);

struct ClassPainter {
    std::string_view className;
    Painter paint;
};

// The Sheridan 3-D controls look like the standard ones at design time.
const std::array<ClassPainter, 25> kPainters = {{
    {"VB.Label", PaintLabel},
    {"VB.TextBox", PaintTextBox},
    {"VB.CommandButton", PaintCommandButton},
    {"VB.CheckBox", [](const ControlPaint& p) { PaintChoice(p, false); }},
    {"VB.OptionButton", [](const ControlPaint& p) { PaintChoice(p, true); }},
    {"VB.Frame", PaintFrame},
    {"VB.ListBox", [](const ControlPaint& p) { PaintList(p, false); }},
    {"VB.ComboBox", [](const ControlPaint& p) { PaintList(p, true); }},
    {"VB.PictureBox", PaintPictureBox},
    {"VB.Image", PaintImage},
    {"VB.Line", PaintLine},
    {"VB.Shape", PaintShape},
    {"VB.Data", PaintDataControl},
    {"VB.HScrollBar", [](const ControlPaint& p) { PaintScrollBar(p, true); }},
    {"VB.VScrollBar", [](const ControlPaint& p) { PaintScrollBar(p, false); }},
    {"Threed.SSCommand", PaintCommandButton},
    {"Threed.SSCheck", [](const ControlPaint& p) { PaintChoice(p, false); }},
    {"Threed.SSOption", [](const ControlPaint& p) { PaintChoice(p, true); }},
    {"Threed.SSFrame", PaintFrame},
    {"TabDlg.SSTab", PaintTabControl},
    // The data-bound lists and combo boxes show themselves as the standard ones do.
    {"SSDataWidgets_B.SSDBCombo", [](const ControlPaint& p) { PaintList(p, true); }},
    {"DataList.GTCombo", [](const ControlPaint& p) { PaintList(p, true); }},
    {"DataList.GTList", [](const ControlPaint& p) { PaintList(p, false); }},
    {"SSDataWidgets_B.SSDBList", [](const ControlPaint& p) { PaintList(p, false); }},
    {"SSDataWidgets_B.SSDBGrid", PaintGrid},
}};

Painter FindPainter(std::string_view className) {
    for (const ClassPainter& entry : kPainters) {
        if (IEquals(entry.className, className))
            return entry.paint;
    }
    return nullptr;
}

}  // namespace

void DrawCaption(QPainter& painter, const QRect& rect, int flags, const QString& text,
                 const QColor& colour) {
    painter.setPen(colour);
    painter.drawText(rect, flags | Qt::TextShowMnemonic, text);
}

bool HasOwnPainter(std::string_view className) {
    return FindPainter(className) != nullptr;
}

bool IsGraphicalControl(std::string_view className) {
    return IEquals(className, "VB.Label") || IEquals(className, "VB.Line") ||
           IEquals(className, "VB.Shape") || IEquals(className, "VB.Image");
}

void PaintControl(const ControlPaint& paint) {
    const Painter painter = FindPainter(paint.block.className);
    if (painter != nullptr)
        painter(paint);
    else
        PaintLabelledBox(paint);
}

bool ChildArea(const LoadedBlock& block, const QRect& rect, QRect& clip, QPoint& origin) {
    if (IEquals(block.className, "VB.Frame")) {
        // Children count from the frame's corner and may cover its caption, not its border.
        origin = rect.topLeft();
        const int border = Number(block, "BorderStyle", 1) != 0 ? 2 : 0;
        clip = rect.adjusted(border, border, -border, -border);
        return true;
    }
    if (IEquals(block.className, "VB.PictureBox")) {
        const int border = Number(block, "BorderStyle", 1) != 1  ? 0
                           : Number(block, "Appearance", 1) == 0 ? 1
                                                                 : 2;
        clip = rect.adjusted(border, border, -border, -border);
        origin = clip.topLeft();
        return true;
    }
    // Other containers (tab controls, tool bars) hold their children as the form does.
    origin = rect.topLeft();
    clip = rect;
    for (const LoadedBlock& child : block.children) {
        if (!child.isPropertyGroup)
            return true;
    }
    return false;
}

}  // namespace velorin
