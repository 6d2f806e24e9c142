// Forms drawn from small hand-made files, checked by their pixels. Most forms
// have no border (BorderStyle 0), so that a control at Left, Top twips lies at
// Left / 15, Top / 15 pixels of the picture.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QRect>

#include <functional>

#include "preview/render_form.h"
#include "test_support.h"

namespace velorin {
namespace {

const QRgb kButtonFace = 0xFFC0C0C0;
const QRgb kYellow = 0xFFFFFF00;  // &H0000FFFF&

FormPicture Draw(const std::string& formProperties, const std::string& controls) {
    testing::TempDir dir;
    const auto file = dir / "Test.frm";
    testing::WriteFile(file, "VERSION 5.00\r\nBegin VB.Form Test\r\n" + formProperties +
                                 "   ClientWidth = 3000\r\n   ClientHeight = 1500\r\n" + controls +
                                 "End\r\n");
    return RenderForm(LoadFormFile(file));
}

FormPicture DrawBorderless(const std::string& controls) {
    return Draw("   BorderStyle = 0\r\n", controls);
}

std::string Control(const std::string& head, int left, int top, int width, int height,
                    const std::string& more = {}) {
    return "   Begin " + head + "\r\n      Left = " + std::to_string(left) +
           "\r\n      Top = " + std::to_string(top) + "\r\n      Width = " + std::to_string(width) +
           "\r\n      Height = " + std::to_string(height) + "\r\n" + more + "   End\r\n";
}

int Count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& wanted) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += wanted(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

bool Dark(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 200;
}

// The mean column of the dark pixels in an area.
double DarkCentre(const QImage& image, const QRect& area) {
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (Dark(image.pixel(x, y))) {
                sum += x;
                ++count;
            }
        }
    }
    return count > 0 ? sum / count : -1;
}

TEST(FormPicture, TheWindowFrameSurroundsTheClientArea) {
    const FormPicture plain = Draw("   Caption = \"Orders\"\r\n", {});
    ASSERT_FALSE(plain.image.isNull());
    // 200 by 100 pixels inside a sizable border of 4 and a caption bar of 18 + 1.
    EXPECT_EQ(plain.image.width(), 208);
    EXPECT_EQ(plain.image.height(), 127);
    EXPECT_EQ(plain.image.pixel(100, 6), 0xFF000080u);  // the caption bar
    EXPECT_GT(Count(plain.image, QRect(24, 4, 100, 18), [](QRgb p) { return qRed(p) > 200; }), 20)
        << "the caption's white text";
    EXPECT_EQ(plain.image.pixel(100, 80), kButtonFace);
    const FormPicture withMenu =
        Draw("   BorderStyle = 1\r\n",
             "   Begin VB.Menu mnuFile\r\n      Caption = \"&File\"\r\n   End\r\n");
    EXPECT_EQ(withMenu.image.height(), 100 + 6 + 19 + 19);
    EXPECT_EQ(withMenu.image.width(), 206);
    EXPECT_GT(Count(withMenu.image, QRect(3, 22, 60, 19), Dark), 10) << "the menu's title";
}

TEST(FormPicture, ALabelShowsItsBackColourTextAlignmentAndBackStyle) {
    const std::string colours =
        "      BackColor = &H0000FFFF&\r\n      ForeColor = &H00000000&\r\n"
        "      Caption = \"Ship\"\r\n";
    const FormPicture picture = DrawBorderless(
        Control("VB.Label lblLeft", 300, 300, 1500, 300, colours) +
        Control("VB.Label lblSunken", 0, 0, 300, 300, colours + "      BorderStyle = 1\r\n") +
        Control("VB.Label lblFlat", 2100, 0, 300, 300,
                colours + "      BorderStyle = 1\r\n      Appearance = 0\r\n") +
        Control("VB.Label lblRight", 300, 750, 1500, 300, colours + "      Alignment = 1\r\n") +
        Control("VB.Label lblClear", 300, 1200, 1500, 270, colours + "      BackStyle = 0\r\n"));
    EXPECT_TRUE(picture.warnings.empty());
    const QRect left(20, 20, 100, 20);
    const QRect right(20, 50, 100, 20);
    const QRect clear(20, 80, 100, 18);
    for (const QRect& area : {left, right}) {
        const int yellow = Count(picture.image, area, [](QRgb p) { return p == kYellow; });
        EXPECT_GT(yellow, area.width() * area.height() * 3 / 4);
        EXPECT_GT(Count(picture.image, area, Dark), 10) << "the caption";
        // Nothing spills over the label's edges.
        EXPECT_NE(picture.image.pixel(area.right() + 1, area.center().y()), kYellow);
    }
    EXPECT_LT(DarkCentre(picture.image, left), left.center().x());
    // A sunken border (grey, then black inside it), or a flat black line.
    EXPECT_EQ(picture.image.pixel(0, 10), 0xFF808080u);
    EXPECT_EQ(picture.image.pixel(1, 10), 0xFF000000u);
    EXPECT_EQ(picture.image.pixel(140, 10), 0xFF000000u);
    EXPECT_EQ(picture.image.pixel(141, 18), kYellow);
    EXPECT_GT(DarkCentre(picture.image, right), right.center().x());
    // A transparent label shows the form through it, and still its text.
    EXPECT_EQ(Count(picture.image, clear, [](QRgb p) { return p == kYellow; }), 0);
    EXPECT_GT(Count(picture.image, clear, Dark), 10);
}

TEST(FormPicture, AControlOutsideItsContainerIsReportedNotDrawn) {
    const FormPicture picture = DrawBorderless(
        Control("VB.CommandButton cmdAway", 4000, 300, 1200, 400) +
        Control("VB.TextBox txtAbove", 300, -900, 1200, 300, "      Index = 3\r\n") +
        Control("VB.Label lblEdge", 2700, 1200, 1200, 600, "      BackColor = &H0000FFFF&\r\n"));
    ASSERT_EQ(picture.warnings.size(), 2u);
    EXPECT_NE(picture.warnings[0].find("cmdAway"), std::string::npos) << picture.warnings[0];
    EXPECT_NE(picture.warnings[1].find(
                  "txtAbove(3) (VB.TextBox) lies outside its container, at Left 300, Top -900;"),
              std::string::npos)
        << picture.warnings[1];
    // The label that is only partly outside is drawn, cut at the form's edge.
    EXPECT_EQ(picture.image.pixel(199, 90), kYellow);
    EXPECT_EQ(Count(picture.image, QRect(0, 0, 180, 80), [](QRgb p) { return p != kButtonFace; }),
              0);
}

TEST(FormPicture, ButtonsAndChoicesStandOutFromTheForm) {
    const FormPicture picture =
        Draw("   BorderStyle = 0\r\n   BackColor = &H00FF0000&\r\n",
             Control("VB.CommandButton cmdOK", 300, 300, 1200, 450, "      Caption = \"&OK\"\r\n") +
                 Control("VB.CheckBox chkPaid", 1800, 300, 1050, 300,
                         "      Value = 1\r\n      Caption = \"Paid\"\r\n") +
                 Control("VB.OptionButton optA", 1800, 750, 1050, 300, "      Value = -1\r\n") +
                 Control("VB.OptionButton optB", 1800, 1100, 1050, 300, "      Value = 0\r\n"));
    const QRgb blue = 0xFF0000FF;
    const QRect button(20, 20, 80, 30);
    EXPECT_EQ(Count(picture.image, button, [&](QRgb p) { return p == blue; }), 0);
    EXPECT_EQ(picture.image.pixel(button.left(), button.top()), 0xFFFFFFFFu);  // raised edge
    EXPECT_EQ(picture.image.pixel(button.right(), button.bottom()), 0xFF000000u);
    EXPECT_GT(Count(picture.image, button.adjusted(4, 4, -4, -4), Dark), 10) << "the caption";
    // The check box is ticked: dark pixels inside its white square.
    const QRect box(120, 23, 13, 13);
    EXPECT_GT(Count(picture.image, box.adjusted(2, 2, -2, -2), Dark), 5);
    EXPECT_GT(Count(picture.image, QRect(124, 57, 4, 4), Dark), 8) << "the chosen option's dot";
    EXPECT_EQ(Count(picture.image, QRect(124, 80, 4, 4), Dark), 0) << "the other option's";
    EXPECT_EQ(picture.image.pixel(50, 80), blue);
}

TEST(FormPicture, AFrameHoldsItsControlsAndCutsThemAtItsEdge) {
    const FormPicture picture = DrawBorderless(
        Control("VB.Frame fraPay", 300, 300, 1500, 900,
                "      Caption = \"Pay\"\r\n" + Control("VB.Label lblInside", 150, 300, 3000, 300,
                                                        "      BackColor = &H0000FFFF&\r\n")));
    // The label counts from the frame's corner (20 + 10, 20 + 20), and ends at its edge.
    EXPECT_EQ(picture.image.pixel(31, 58), kYellow);
    EXPECT_EQ(picture.image.pixel(29, 58), kButtonFace);
    EXPECT_EQ(Count(picture.image, QRect(120, 40, 60, 20), [](QRgb p) { return p == kYellow; }), 0);
    EXPECT_GT(Count(picture.image, QRect(28, 20, 30, 14), Dark), 5) << "the frame's caption";
}

TEST(FormPicture, LinesShapesAndUnknownClassesAreDrawn) {
    const FormPicture picture = Draw(
        "   BorderStyle = 0\r\n   BackColor = &H00FFFFFF&\r\n",
        "   Begin VB.Line linRule\r\n      BorderColor = &H000000FF&\r\n      X1 = 0\r\n"
        "      Y1 = 1350\r\n      X2 = 3000\r\n      Y2 = 1350\r\n   End\r\n" +
            Control("VB.Shape shpDot", 300, 300, 600, 600,
                    "      Shape = 3\r\n      FillStyle = 0\r\n      FillColor = &H0000FF00&\r\n") +
            Control("Acme.Gauge gauMeter", 1500, 150, 1350, 900));
    EXPECT_EQ(picture.image.pixel(150, 90), 0xFFFF0000u);  // the red rule
    EXPECT_EQ(picture.image.pixel(40, 40), 0xFF00FF00u);   // the filled circle's middle
    EXPECT_EQ(picture.image.pixel(21, 21), 0xFFFFFFFFu);   // outside the circle, in its square
    // The unknown control: a grey box, outlined, with its class and name.
    const QRect box(100, 10, 90, 60);
    EXPECT_EQ(picture.image.pixel(box.left(), box.center().y()), 0xFF808080u);
    EXPECT_EQ(picture.image.pixel(box.left() + 3, box.top() + 3), kButtonFace);
    EXPECT_GT(Count(picture.image, box.adjusted(2, 2, -2, -2), Dark), 30);
}

TEST(FormPicture, AbsurdNumbersAreDrawnWithinThePicture) {
    const FormPicture picture = DrawBorderless(
        Control("VB.Label lblWide", 1500, 0, 2147483647, 1500, "      BackColor = 255\r\n") +
        Control("TabDlg.SSTab tabMany", 0, 0, 1500, 900,
                "      Tabs = 2000000000\r\n      TabHeight = -5\r\n") +
        "   Begin VB.Line linFar\r\n      X1 = -99999999999999999999999\r\n"
        "      X2 = 99999999999999999999999\r\n"
        "      BorderWidth = 99999\r\n   End\r\n");
    ASSERT_EQ(picture.image.size(), QSize(200, 100));
    // The label reaches the form's edge; a colour may be written as a decimal number.
    EXPECT_EQ(picture.image.pixel(199, 99), 0xFFFF0000u);
}

TEST(FormPicture, ATabControlShowsItsTabsAndOnlyTheCurrentPage) {
    const FormPicture picture = DrawBorderless(Control(
        "TabDlg.SSTab tabMain", 0, 0, 3000, 1500,
        "      Tabs = 2\r\n      TabsPerRow = 2\r\n      TabHeight = 300\r\n"
        "      TabCaption(0) = \"One\"\r\n      TabCaption(1) = \"Two\"\r\n" +
            Control("VB.Label lblShown", 300, 600, 600, 300, "      BackColor = &H0000FFFF&\r\n") +
            Control("VB.Label lblOtherPage", -74700, 900, 600, 300,
                    "      BackColor = &H0000FFFF&\r\n")));
    EXPECT_TRUE(picture.warnings.empty()) << picture.warnings.front();
    EXPECT_GT(Count(picture.image, QRect(5, 3, 90, 16), Dark), 5) << "the first tab's caption";
    EXPECT_GT(Count(picture.image, QRect(105, 3, 90, 16), Dark), 5) << "the second's";
    EXPECT_EQ(Count(picture.image, QRect(0, 0, 200, 100), [](QRgb p) { return p == kYellow; }),
              40 * 20);
}

const PlacedControl* Placed(const FormPicture& picture, const std::string& name) {
    for (const PlacedControl& placed : picture.placed)
        if (placed.name == name)
            return &placed;
    return nullptr;
}

TEST(FormPicture, ChildrenArePlacedInTheUnitsOfTheirContainersScale) {
    // Pixels on the form, a user scale of 100 across 200 pixels in a picture box.
    const FormPicture picture = Draw(
        "   BorderStyle = 0\r\n   ScaleMode = 3\r\n",
        Control("VB.Label lblPixels", 10, 10, 20, 10) +
            Control("VB.PictureBox picUser", 0, 40, 200, 60,
                    "      BorderStyle = 0\r\n      ScaleMode = 0\r\n      ScaleWidth = 100\r\n"
                    "      ScaleHeight = 30\r\n      ScaleLeft = 10\r\n" +
                        Control("VB.Label lblUser", 60, 5, 25, 10)));
    ASSERT_NE(Placed(picture, "lblPixels"), nullptr);
    EXPECT_EQ(Placed(picture, "lblPixels")->rect, QRect(10, 10, 20, 10));
    ASSERT_NE(Placed(picture, "lblUser"), nullptr);
    EXPECT_EQ(Placed(picture, "lblUser")->rect, QRect(100, 40 + 10, 50, 20));
}

TEST(FormPicture, AnImageShowsThePictureItsCompanionFileHolds) {
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(red.save(&buffer, "PNG"));
    auto u32 = [](size_t n) {
        return std::string{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                           static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)};
    };
    const std::string data(png.constData(), static_cast<size_t>(png.size()));
    testing::TempDir dir;
    testing::WriteFile(dir / "Pic.frx",
                       u32(data.size() + 8) + std::string("lt\0\0", 4) + u32(data.size()) + data);
    testing::WriteFile(dir / "Pic.frm",
                       "VERSION 5.00\r\nBegin VB.Form Pic\r\n   BorderStyle = 0\r\n"
                       "   ClientWidth = 3000\r\n   ClientHeight = 1500\r\n" +
                           Control("VB.Image imgLogo", 150, 150, 600, 600,
                                   "      Picture = \"Pic.frx\":0000\r\n      Stretch = -1\r\n") +
                           "End\r\n");
    const FormPicture picture = RenderForm(LoadFormFile(dir / "Pic.frm"));
    // Stretched over the whole control, 40 by 40 pixels.
    EXPECT_EQ(Count(picture.image, QRect(10, 10, 40, 40), [](QRgb p) { return p == 0xFFFF0000; }),
              1600);
}

TEST(FormPicture, AGridShowsTheHeadingsOfItsVisibleColumns) {
    const FormPicture picture = DrawBorderless(
        Control("SSDataWidgets_B.SSDBGrid grdRows", 0, 0, 3000, 1500,
                "      RecordSelectors = 0\r\n      Columns.count = 2\r\n"
                "      Columns(0).Width = 1500\r\n      Columns(0).Visible = 0\r\n"
                "      Columns(0).Caption = \"Hidden\"\r\n      Columns(1).Width = 1500\r\n"
                "      Columns(1).Caption = \"WWW\"\r\n"));
    const QImage& image = picture.image;
    // The one visible column's heading takes the first 100 pixels, grey with
    // dark text; no heading follows it, and the rows below are white.
    EXPECT_GT(Count(image, QRect(3, 3, 94, 12), Dark), 20);
    EXPECT_GT(Count(image, QRect(3, 3, 94, 12), [](QRgb p) { return p == kButtonFace; }), 200);
    EXPECT_EQ(Count(image, QRect(110, 3, 80, 12), Dark), 0);
    EXPECT_EQ(image.pixel(150, 60), 0xFFFFFFFF);
}

}  // namespace
}  // namespace velorin
