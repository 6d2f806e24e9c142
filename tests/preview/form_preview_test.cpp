// Form files read from disk with their .frx companion, the preview command,
// the pictures a conversion draws, and every form of a converted real
// application drawn beside its original.
#include <gtest/gtest.h>

#include <QImage>

#include <chrono>
#include <iostream>

#include "common/names.h"
#include "preview/access_form_picture.h"
#include "preview/render_form.h"
#include "preview/side_by_side.h"
#include "session/host/database_loader.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;

int RunVelorin(const std::string& arguments, const testing::TempDir& dir, std::string& errors) {
    const testing::ProgramRun run = testing::RunProgram(VELORIN_PROGRAM, arguments, dir);
    errors = run.err;
    return run.status;
}

TEST(FormFile, ReadsTheEntriesItsReferencesPointTo) {
    testing::TempDir dir;
    testing::WriteFile(dir / "Grid.frm",
                       "VERSION 5.00\r\nBegin VB.Form Grid\r\n   Begin Acme.Grid grdRows\r\n"
                       "      Bindings = \"Grid.frx\":0000\r\n      Picture = \"Grid.frx\":000C\r\n"
                       "      Icon = \"Grid.frx\":0040\r\n   End\r\nEnd\r\n");
    testing::WriteFile(dir / "Grid.frx", std::string("\xCE\xFA\x01\x00\x01\x00\x00\x00\x03"
                                                     "dat",
                                                     12) +
                                             std::string("\x03\x00\x00\x00xyz", 7));
    const LoadedForm form = LoadFormFile(dir / "Grid.frm");
    ASSERT_TRUE(form.error.empty());
    ASSERT_EQ(form.design.form.children.size(), 1u);
    const LoadedBlock& grid = form.design.form.children[0];
    auto entry = [&](const char* property) {
        return FrxEntryBytes(form, ReadDesignValue(grid.Find(property)->value));
    };
    EXPECT_EQ(entry("Bindings"), "dat");
    EXPECT_EQ(entry("Picture"), "xyz");
    EXPECT_EQ(entry("Icon"), std::nullopt);  // beyond the file's end
    EXPECT_FALSE(LoadFormFile(dir / "Missing.frm").error.empty());
}

TEST(PreviewCommand, WritesAPictureForEachFormAndNamesControlsItLeavesOut) {
    testing::TempDir dir;
    testing::WriteFile(
        dir / "Small.frm",
        "VERSION 5.00\r\nBegin VB.Form Small\r\n   ClientWidth = 1500\r\n"
        "   ClientHeight = 750\r\n   Begin VB.Label lblGone\r\n      Left = -3000\r\n"
        "   End\r\nEnd\r\n");
    testing::WriteFile(dir / "Empty.frm", "VERSION 5.00\r\n");
    std::string errors;
    EXPECT_EQ(RunVelorin("preview '" + (dir / "Small.frm").string() + "' -o '" +
                             (dir / "out").string() + "'",
                         dir, errors),
              0)
        << errors;
    EXPECT_NE(errors.find("Small.frm: lblGone (VB.Label) lies outside"), std::string::npos)
        << errors;
    const QImage image(QString::fromStdString((dir / "out" / "Small.png").string()));
    EXPECT_EQ(image.width(), 100 + 8);
    // A file without a form is named, the others are still drawn.
    EXPECT_EQ(
        RunVelorin("preview '" + (dir / "Empty.frm").string() + "' '" +
                       (dir / "Small.frm").string() + "' -o '" + (dir / "out2").string() + "'",
                   dir, errors),
        1);
    EXPECT_NE(errors.find("Empty.frm holds no form block"), std::string::npos) << errors;
    EXPECT_TRUE(fs::exists(dir / "out2" / "Small.png"));
}

bool Red(QRgb pixel) {
    return qRed(pixel) > 180 && qGreen(pixel) < 40 && qBlue(pixel) < 40;
}

TEST(ConvertWithPreviews, DrawsEachFormAndLeavesOtherPicturesAlone) {
    testing::TempDir dir;
    const fs::path db = testing::FreshSupportDatabase(dir);
    const fs::path out = dir / "project";
    fs::create_directories(out / "previews");
    testing::WriteFile(out / "previews" / "Orders.png", "the user's own");
    const std::string convert = "convert '" + std::string(VELORIN_SOURCE_DIR) +
                                "/examples/Sales.mdb.src' -o '" + out.string() +
                                "' --yes --support-db '" + db.string() + "' --form Customers";
    std::string errors;
    // 3: the project check names calls of modules left out, the sample's own.
    ASSERT_EQ(RunVelorin(convert + " --form Orders --previews", dir, errors), 3) << errors;
    // A picture Velorin did not draw is named and kept.
    EXPECT_NE(errors.find("previews/Orders.png was not drawn by Velorin"), std::string::npos)
        << errors;
    EXPECT_EQ(testing::ReadFile(out / "previews" / "Orders.png"), "the user's own");
    // Customers has a bound object frame and a progress bar, converted in part:
    // they are outlined in red, which no form of the sample has otherwise.
    const QImage customers(QString::fromStdString((out / "previews" / "Customers.png").string()));
    ASSERT_FALSE(customers.isNull());
    int red = 0;
    for (int y = 0; y < customers.height(); ++y)
        for (int x = 0; x < customers.width(); ++x)
            red += Red(customers.pixel(x, y)) ? 1 : 0;
    EXPECT_GT(red, 300);
    // Without pictures asked for, those of the last conversion go, the user's stay.
    ASSERT_EQ(RunVelorin(convert, dir, errors), 3) << errors;
    EXPECT_FALSE(fs::exists(out / "previews" / "Customers.png"));
    EXPECT_TRUE(fs::exists(out / "previews" / "Orders.png"));
}

TEST(BigRiversPreviews, EveryConvertedFormIsDrawnBesideItsOriginal) {
    const fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    testing::TempDir dir;
    const fs::path db = testing::FreshSupportDatabase(dir);
    const fs::path source = data / "big_rivers_app" / "source";
    std::string errors;
    const int status =
        RunVelorin("convert '" + source.string() + "' -o '" + (dir / "project").string() +
                       "' --yes --support-db '" + db.string() + "'",
                   dir, errors);
    ASSERT_TRUE(status == 0 || status == 3) << errors;
    const LoadedDatabase loaded = LoadDatabase(source);
    ASSERT_TRUE(loaded.application);
    size_t forms = 0;
    std::chrono::duration<double> spent{};
    for (const std::string& name : loaded.application->Documents(Container::Forms)) {
        const AccessForm* original = loaded.application->OpenForm(name);
        const fs::path file = dir / "project" / (MakeFileName(name) + ".frm");
        if (original == nullptr || !fs::exists(file))
            continue;
        // What a conversion with pictures does for each form, but for the PNG.
        const auto start = std::chrono::steady_clock::now();
        const FormPicture access = RenderAccessForm(*original);
        const FormPicture vb = RenderForm(LoadFormFile(file));
        const QImage both = SideBySide(access, vb, {});
        spent += std::chrono::steady_clock::now() - start;
        ++forms;
        ASSERT_FALSE(vb.image.isNull()) << file;
        EXPECT_GT(access.image.width(), 16) << name;
        EXPECT_GE(both.width(), access.image.width() + vb.image.width()) << name;
    }
    EXPECT_GT(forms, 80u);
    std::cout << forms << " forms drawn beside their originals, "
              << 1000 * spent.count() / static_cast<double>(forms) << " ms each\n";
}

}  // namespace
}  // namespace velorin
