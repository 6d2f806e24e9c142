#include "preview/render_form.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "common/ansi_text.h"
#include "preview/control_painters.h"
#include "preview/preview_fonts.h"
#include "preview/twips.h"
#include "preview/vb_colours.h"
#include "preview/window_frame.h"
#include "project/design_value.h"

namespace velorin {
namespace {

constexpr double kHimetricPerPixel = 2540.0 / 96;
constexpr int kIconSide = 28;             // a control without a size (a timer)
constexpr double kOtherTabPage = -30000;  // twips; where a tab control puts hidden pages

double Twips(const LoadedBlock& block, const char* property, double fallback) {
    return NumberValue(block.Find(property)).value_or(fallback);
}

// The control's extent in pixels: Width and Height in its container's units,
// or the _ExtentX and _ExtentY (in HIMETRIC) that an ActiveX control may
// carry alone.
int Extent(const LoadedBlock& block, const char* units, double twipsPerUnit, const char* himetric) {
    if (const std::optional<double> value = NumberValue(block.Find(units)))
        return Pixels(*value * twipsPerUnit);
    if (const std::optional<double> value = NumberValue(block.Find(himetric)))
        return Pixels(*value * kTwipsPerPixel / kHimetricPerPixel);
    return kIconSide;
}

// How a container's children give their positions and sizes: in twips, or in
// the units of its ScaleMode, from an origin that ScaleLeft and ScaleTop move.
struct Scale {
    double x = 1;  // twips per unit
    double y = 1;
    double left = 0;  // units at the container's inner corner
    double top = 0;

    QPoint Point(double ux, double uy) const {
        return QPoint(Pixels((ux - left) * x), Pixels((uy - top) * y));
    }
};

// The scale of a form or picture box whose inner area is `inner` pixels;
// other containers keep their container's.
Scale ChildScale(const LoadedBlock& container, QSize inner, const Scale& inherited) {
    const bool ownScale = IEquals(container.className, "VB.Form") ||
                          IEquals(container.className, "VB.MDIForm") ||
                          IEquals(container.className, "VB.PictureBox");
    if (!ownScale)
        return inherited;
    Scale scale;
    switch (IntegerValue(container.Find("ScaleMode"), 1)) {
        case 0: {  // the user's: ScaleWidth units across the inner area
            const double width = NumberValue(container.Find("ScaleWidth")).value_or(0);
            const double height = NumberValue(container.Find("ScaleHeight")).value_or(0);
            if (width != 0 && height != 0 && std::isfinite(width) && std::isfinite(height)) {
                scale.x = inner.width() * kTwipsPerPixel / width;
                scale.y = inner.height() * kTwipsPerPixel / height;
            }
            scale.left = NumberValue(container.Find("ScaleLeft")).value_or(0);
            scale.top = NumberValue(container.Find("ScaleTop")).value_or(0);
            break;
        }
        case 2:  // points
            scale.x = scale.y = 20;
            break;
        case 3:  // pixels
            scale.x = scale.y = kTwipsPerPixel;
            break;
        case 4:  // characters: 120 twips across, 240 down
            scale.x = 120;
            scale.y = 240;
            break;
        case 5:  // inches
            scale.x = scale.y = 1440;
            break;
        case 6:  // millimetres
            scale.x = scale.y = 1440 / 25.4;
            break;
        case 7:  // centimetres
            scale.x = scale.y = 1440 / 2.54;
            break;
        default:
            break;
    }
    return scale;
}

std::string DisplayName(const LoadedBlock& block) {
    const DesignProperty* index = block.Find("Index");
    return block.name + (index ? "(" + std::to_string(IntegerValue(index, 0)) + ")" : "");
}

class FormPainter {
  public:
    FormPainter(QPainter& painter, const LoadedForm& form, FormPicture& picture)
        : painter_(painter), form_(form), picture_(picture) {}

    // Paints the controls of `container` whose coordinates, in the units of
    // `scale`, count from `origin`, clipped to `clip`: graphical controls
    // first, as Visual Basic does.
    void PaintChildren(const LoadedBlock& container, QPoint origin, const Scale& scale,
                       const QRect& clip, const QFont& font) {
        const bool tabControl = IEquals(container.className, "TabDlg.SSTab");
        for (int layer = 0; layer < 2; ++layer) {
            for (const LoadedBlock& child : container.children) {
                if (child.isPropertyGroup || IEquals(child.className, "VB.Menu") ||
                    IsGraphicalControl(child.className) != (layer == 0))
                    continue;
                // A tab control keeps the controls of its other pages far to the left.
                if (tabControl && Twips(child, "Left", 0) * scale.x < kOtherTabPage)
                    continue;
                PaintOne(child, origin, scale, clip, font);
            }
        }
    }

  private:
    void PaintOne(const LoadedBlock& block, QPoint origin, const Scale& scale, const QRect& clip,
                  const QFont& font) {
        QRect rect;
        if (IEquals(block.className, "VB.Line")) {
            rect = QRect(origin + scale.Point(Twips(block, "X1", 0), Twips(block, "Y1", 0)),
                         origin + scale.Point(Twips(block, "X2", 0), Twips(block, "Y2", 0)));
        } else {
            rect = QRect(origin + scale.Point(Twips(block, "Left", 0), Twips(block, "Top", 0)),
                         QSize(std::max(1, Extent(block, "Width", scale.x, "_ExtentX")),
                               std::max(1, Extent(block, "Height", scale.y, "_ExtentY"))));
        }
        const QRect bounds = rect.normalized().adjusted(0, 0, 1, 1);
        if (!bounds.intersects(clip)) {
            // Where the properties window would show it, in twips.
            const bool line = IEquals(block.className, "VB.Line");
            ++picture_.outside;
            picture_.warnings.push_back(
                DisplayName(block) + " (" + block.className + ") lies outside its container, at " +
                (line ? "X1 " : "Left ") +
                std::to_string(IntegerValue(block.Find(line ? "X1" : "Left"), 0)) +
                (line ? ", Y1 " : ", Top ") +
                std::to_string(IntegerValue(block.Find(line ? "Y1" : "Top"), 0)) + "; not drawn");
            return;
        }
        const QFont own = BlockFont(block, font);
        picture_.placed.push_back({DisplayName(block), rect.normalized()});
        painter_.save();
        painter_.setClipRect(clip);
        PaintControl({painter_, block, rect, own, &form_});
        painter_.restore();
        QRect childClip;
        QPoint childOrigin;
        if (ChildArea(block, rect, childClip, childOrigin))
            PaintChildren(block, childOrigin, ChildScale(block, childClip.size(), scale),
                          childClip.intersected(clip), own);
    }

    QPainter& painter_;
    const LoadedForm& form_;
    FormPicture& picture_;
};

QSize ClientSize(const LoadedBlock& form) {
    const double width = NumberValue(form.Find("ClientWidth"))
                             .value_or(Twips(form, "Width", 4800) - 8 * kTwipsPerPixel);
    const double height = NumberValue(form.Find("ClientHeight"))
                              .value_or(Twips(form, "Height", 3600) - 30 * kTwipsPerPixel);
    return QSize(std::clamp(Pixels(width), 1, kLargestSide),
                 std::clamp(Pixels(height), 1, kLargestSide));
}

}  // namespace

FormPicture RenderForm(const LoadedForm& form) {
    FormPicture picture;
    for (const ProjectFinding& finding : form.findings)
        picture.warnings.push_back("line " + std::to_string(finding.line) + ": " + finding.message);
    const LoadedBlock& block = form.design.form;
    if (form.design.formName.empty())
        return picture;
    const WindowLayout layout = LayOutWindow(block, ClientSize(block));
    picture.image = QImage(layout.outer, QImage::Format_RGB32);
    // 96 dots per inch, so that a font's points become the same pixels everywhere.
    picture.image.setDotsPerMeterX(3780);
    picture.image.setDotsPerMeterY(3780);
    QPainter painter(&picture.image);
    PaintWindowFrame(painter, block, layout);
    // An MDI form's client area is the application's workspace.
    const bool mdi = IEquals(block.className, "VB.MDIForm");
    painter.fillRect(layout.client,
                     ColourProperty(block, "BackColor",
                                    mdi ? SystemColour::AppWorkspace : SystemColour::ButtonFace));
    FormPainter(painter, form, picture)
        .PaintChildren(block, layout.client.topLeft(),
                       ChildScale(block, layout.client.size(), Scale{}), layout.client,
                       BlockFont(block, SystemFont(false)));
    return picture;
}

}  // namespace velorin
