// The Access side of a form's picture, drawn from small hand-made exports and
// checked by their pixels, and the side-by-side picture that marks the
// controls converted only in part. Forms here have no border (BorderStyle 0),
// no record selectors and no navigation buttons unless a test wants them, so
// that a control at Left, Top twips of the first section lies at Left / 15,
// Top / 15 pixels.
#include <gtest/gtest.h>

#include <QColor>

#include <functional>
#include <memory>

#include "preview/access_form_picture.h"
#include "preview/side_by_side.h"
#include "test_support.h"

namespace velorin {
namespace {

const QRgb kYellow = 0xFFFFFF00;  // 65535 as Access writes it
const QRgb kWhite = 0xFFFFFFFF;

int Count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& wanted) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += wanted(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool Dark(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 200;
}

const PlacedControl* Placed(const FormPicture& picture, const std::string& name) {
    for (const PlacedControl& placed : picture.placed)
        if (placed.name == name)
            return &placed;
    return nullptr;
}

// A header of 600 twips (40 pixels) in yellow over a white detail of 1500
// with a yellow label;
// the page header, which only print shows, holds a label too.
std::unique_ptr<AccessForm> SectionsForm() {
    using Block = testing::FormTextBlock;
    const Block header{
        "FormHeader", {"Height =600", "BackColor =65535", "Name =\"FormHeader\""}, {}};
    const Block pageHeader{"PageHeader",
                           {"Height =300", "Name =\"PageHeader\""},
                           {{"Label",
                             {"Left =0", "Top =0", "Width =900", "Height =240",
                              "Name =\"lblPrinted\"", "Caption =\"Printed\""},
                             {}}}};
    const Block label{"Label",
                      {"BackStyle =1", "BackColor =65535", "Left =300", "Top =150", "Width =1500",
                       "Height =300", "Name =\"lblName\"", "Caption =\"WWWWWWWW\"", "ForeColor =0"},
                      {}};
    const Block hidden{"TextBox",
                       {"Visible = NotDefault", "Left =300", "Top =600", "Width =1500",
                        "Height =300", "Name =\"txtHidden\""},
                       {}};
    const Block tab{"Tab",
                    {"Left =150", "Top =900", "Width =2700", "Height =540", "Name =\"tabPages\""},
                    {{"Page",
                      {"Name =\"pgFirst\"", "Caption =\"One\""},
                      {{"CheckBox", {"Left =300", "Top =1200", "Name =\"chkShown\""}, {}}}},
                     {"Page",
                      {"Name =\"pgSecond\"", "PageIndex =1"},
                      {{"CheckBox", {"Left =900", "Top =1200", "Name =\"chkOtherPage\""}, {}}}}}};
    return testing::FormFromBlocks(
        "Test",
        {"RecordSelectors = NotDefault", "NavigationButtons = NotDefault", "BorderStyle =0",
         "Width =3000"},
        {header,
         pageHeader,
         {"Section",
          {"Height =1500", "BackColor =16777215", "Name =\"Detail\""},
          {label, hidden, tab}}});
}

TEST(AccessPicture, ShowsTheSectionsAndControlsFormViewShows) {
    const std::unique_ptr<AccessForm> form = SectionsForm();
    const FormPicture picture = RenderAccessForm(*form);
    const QImage& image = picture.image;
    ASSERT_FALSE(image.isNull());
    // 3000 twips wide; the header and detail stacked, the page header left out.
    EXPECT_EQ(image.width(), 200);
    EXPECT_EQ(image.height(), 40 + 100);
    EXPECT_EQ(image.pixel(190, 5), kYellow);
    EXPECT_EQ(image.pixel(190, 45), kWhite);
    EXPECT_EQ(Placed(picture, "lblPrinted"), nullptr);

    // The label's rectangle holds its back colour and its dark text, in the detail.
    const PlacedControl* label = Placed(picture, "lblName");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->rect, QRect(20, 40 + 10, 100, 20));
    EXPECT_GT(Count(image, label->rect, [](QRgb p) { return p == kYellow; }), 500);
    EXPECT_GT(Count(image, label->rect, Dark), 30);

    // A hidden control, and a control of a page that is not the first, are not shown.
    EXPECT_EQ(Placed(picture, "txtHidden"), nullptr);
    EXPECT_EQ(Count(image, QRect(20, 80, 100, 20), [](QRgb p) { return p != kWhite; }), 0);
    EXPECT_NE(Placed(picture, "tabPages"), nullptr);
    EXPECT_NE(Placed(picture, "chkShown"), nullptr);
    EXPECT_EQ(Placed(picture, "chkOtherPage"), nullptr);
}

TEST(AccessPicture, RecordSelectorsAndNavigationButtonsFrameTheSections) {
    const std::unique_ptr<AccessForm> form =
        testing::FormFromBlocks("Test", {"BorderStyle =0", "Width =1500"},
                                {{"Section",
                                  {"Height =750", "BackColor =16777215", "Name =\"Detail\""},
                                  {{"Label",
                                    {"BackStyle =1", "BackColor =65535", "Left =0", "Top =0",
                                     "Width =300", "Height =300", "Name =\"lblCorner\""},
                                    {}}}}});
    const FormPicture picture = RenderAccessForm(*form);
    const QImage& image = picture.image;
    // The selector strip on the left moves the detail to the right; the
    // navigation bar below it says "Record:" in dark text.
    ASSERT_EQ(image.width(), 14 + 100);
    ASSERT_EQ(image.height(), 50 + 18);
    EXPECT_EQ(image.pixel(14 + 5, 5), kYellow);
    EXPECT_NE(image.pixel(7, 25), kWhite);
    EXPECT_GT(Count(image, QRect(0, 50, 40, 18), Dark), 20);
}

TEST(SideBySide, OutlinesAndListsTheControlsConvertedOnlyInPart) {
    const std::unique_ptr<AccessForm> form = SectionsForm();
    const FormPicture access = RenderAccessForm(*form);
    FormPicture vb;
    vb.image = QImage(150, 100, QImage::Format_RGB32);
    vb.image.fill(kWhite);
    vb.placed.push_back({"lblName", QRect(50, 50, 40, 20)});
    const QImage plain = SideBySide(access, vb, {});
    const QImage marked = SideBySide(
        access, vb,
        {{"lblName", "lblName", "lblName: a reason"}, {"chkShown", "", "chkShown: another"}});
    // Side by side, under their titles; each marked control adds a line below.
    EXPECT_GE(plain.width(), access.image.width() + vb.image.width());
    EXPECT_GT(marked.height(), plain.height());
    auto red = [](QRgb p) { return qRed(p) > 180 && qGreen(p) < 40 && qBlue(p) < 40; };
    EXPECT_EQ(Count(plain, plain.rect(), red), 0);
    // Where the pictures are, found from where the plain picture has them.
    const int accessLeft = 12;
    const int vbLeft = accessLeft + access.image.width() + 24;
    const int top = plain.height() - 12 - std::max(access.image.height(), vb.image.height());
    const QRect label = Placed(access, "lblName")->rect;
    // A frame two pixels outside the control, on both sides.
    EXPECT_TRUE(red(marked.pixel(accessLeft + label.left() - 2, top + label.center().y())));
    EXPECT_TRUE(red(marked.pixel(vbLeft + 50 - 2, top + 60)));
    EXPECT_FALSE(red(marked.pixel(accessLeft + label.center().x(), top + label.center().y())));
    // The control the Visual Basic form does not have is outlined on the left only.
    const QRect check = Placed(access, "chkShown")->rect;
    EXPECT_TRUE(red(marked.pixel(accessLeft + check.left() - 2, top + check.center().y())));
    // Its number's tag lies just above its frame.
    EXPECT_EQ(Count(marked, QRect(vbLeft, top, vb.image.width(), vb.image.height()), red),
              Count(marked, QRect(vbLeft + 46, top + 30, 60, 44), red));
}

}  // namespace
}  // namespace velorin
