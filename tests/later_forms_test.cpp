// Forms of the Access versions after 97: their new properties and value
// spellings. tests/data/Themes.accdb.src is a hand-made form in the style of
// an Access 2010 export; the real later export beside the checkout is read
// when it is there.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "session/host/database_loader.h"
#include "session/host/object_text.h"
#include "session/host/office_theme.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using testing::FormTextBlock;

// The lines of the block that starts with `head` ("Begin VB.TextBox txtNote"),
// up to its End; empty when the form has no such block.
std::string Block(const std::string& frm, std::string_view head) {
    std::string text;
    std::string end;
    for (const std::string& line : SplitLines(frm)) {
        const std::string_view trimmed = TrimWhitespace(line);
        if (end.empty() && trimmed == head)
            end = line.substr(0, line.size() - trimmed.size()) + "End";
        else if (!end.empty() && line == end)
            return text;
        else if (!end.empty())
            text += std::string(trimmed) + "\n";
    }
    return text;
}

bool Has(const std::string& block, std::string_view line) {
    return ("\n" + block).find("\n" + std::string(line) + "\n") != std::string::npos;
}

TEST(OfficeTheme, ColoursAreWhatALaterExportWritesBesideTheIndex) {
    // Slot, tint, shade and the colour the real export writes beside them; a
    // lightened colour rounds a half down, a darkened one a half up.
    const struct {
        long slot;
        double tint, shade;
        long colour;
    } cases[] = {{4, 60, 100, 0xD7B395}, {4, 100, 75, 0x926037},  {0, 50, 100, 0x7F7F7F},
                 {0, 75, 100, 0x404040}, {2, 100, 50, 0x3F2510},  {1, 100, 65, 0xA6A6A6},
                 {8, 20, 100, 0xF4EEDB}, {10, 100, 100, 0xFF0000}};
    for (const auto& c : cases)
        EXPECT_EQ(OfficeThemeColour(c.slot, c.tint, c.shade), c.colour) << c.slot;
    EXPECT_FALSE(OfficeThemeColour(-1, 100, 100));
    EXPECT_FALSE(OfficeThemeColour(12, 100, 100));
    EXPECT_EQ(OfficeThemeFont(0), "Cambria");
    EXPECT_EQ(OfficeThemeFont(1), "Calibri");
    EXPECT_EQ(OfficeThemeFont(-1), "");
}

TEST(LaterForms, NotDefaultReadsAgainstTheDefaultOfItsProperty) {
    auto form =
        testing::FormFromBlocks("F",
                                {"AutoCenter = NotDefault", "DividingLines = NotDefault",
                                 "AllowDatasheetView = NotDefault", "FELineBreak = NotDefault"},
                                {{"Section", {"CanGrow = NotDefault"}, {}}});
    EXPECT_EQ(form->Text("AutoCenter"), "True");      // Access's default is False
    EXPECT_EQ(form->Text("DividingLines"), "False");  // and True
    EXPECT_EQ(form->Text("AllowDatasheetView"), "False");
    EXPECT_EQ(form->Text("FELineBreak"), "True");
    EXPECT_EQ(form->SectionProperty(0, "CanGrow").AsText(), "True");
}

struct Converted {
    int status = -1;
    std::string frm;
    std::string errors;
    std::vector<std::vector<std::string>> findings;
};

Converted ConvertThemes() {
    testing::TempDir dir;
    const fs::path db = testing::FreshSupportDatabase(dir);
    const testing::ProgramRun run = testing::RunProgram(
        VELORIN_PROGRAM,
        "convert " +
            testing::ShellQuoted(testing::SourceDir() / "tests" / "data" / "Themes.accdb.src") +
            " -o " + testing::ShellQuoted(dir / "out") + " --yes --support-db " +
            testing::ShellQuoted(db),
        dir);
    return {run.status, testing::ReadFile(dir / "out" / "Notes.frm"), run.err,
            testing::Rows(db,
                          "SELECT ReasonID, CodeLine FROM tblReportOutput WHERE ModuleName = "
                          "'Notes' ORDER BY ID")};
}

TEST(LaterForms, ConvertAsAccessShowsThemWithoutAWordOfTheirLaterProperties) {
    const Converted c = ConvertThemes();
    ASSERT_EQ(c.status, 0) << c.errors;
    // The one warning is the database the export comes without.
    for (const std::string& line : SplitLines(c.errors)) {
        if (line.find("warning") != std::string::npos) {
            EXPECT_NE(line.find("so the project has no database"), std::string::npos) << line;
        }
    }

    // Colours given by the theme alone: the detail (the form's back colour)
    // Accent 1 lighter 80%, the header Text 2 darker 50%, the text boxes'
    // fore colour Text 1 lighter 25% from their default block. A plain colour
    // written beside a theme index wins.
    EXPECT_TRUE(Has(Block(c.frm, "Begin VB.Form Notes"), "BackColor= &HF2E6DC&"));
    EXPECT_TRUE(Has(Block(c.frm, "Begin VB.Frame Section"), "BackColor= &H3F2510&"));
    const std::string note = Block(c.frm, "Begin VB.TextBox txtNote");
    const std::string plain = Block(c.frm, "Begin VB.TextBox txtPlain");
    EXPECT_TRUE(Has(note, "ForeColor= &H404040&")) << note;
    EXPECT_TRUE(Has(plain, "BackColor= &HFF&")) << plain;
    // The title's own theme font (headings) outweighs the default block's name.
    EXPECT_TRUE(Has(Block(c.frm, "Begin VB.Label lblTitle"), "Name = \"Cambria\""));
    // The export leaves the button's height out; its layout cache has it.
    EXPECT_TRUE(Has(Block(c.frm, "Begin Threed.SSCommand cmdSave"), "Height = 480"));

    // NotDefault is the opposite of Access's default.
    EXPECT_TRUE(Has(Block(c.frm, "Begin VB.Form Notes"), "MinButton = False"));
    EXPECT_TRUE(Has(note, "Enabled = 0"));
    EXPECT_TRUE(Has(note, "Locked =1"));
    EXPECT_TRUE(Has(plain, "TabStop = 0"));
    EXPECT_TRUE(Has(Block(c.frm, "Begin VB.Label lblHidden"), "Visible = 0"));

    // What the form relies on and Visual Basic lacks is in the analysis.
    const std::vector<std::vector<std::string>> expected = {
        {"1", "Form.OnDirty = [Event Procedure]"},
        {"1", "txtNote.ConditionalFormat"},
        {"1", "txtNote.OnDirty = [Event Procedure]"},
        {"1", "txtPlain.TextFormat = 1"},
        {"3", "cmdSave"}};
    for (const std::vector<std::string>& row : expected) {
        EXPECT_NE(std::find(c.findings.begin(), c.findings.end(), row), c.findings.end()) << row[1];
    }
}

TEST(LaterForms, AnUnknownPropertyIsNamedOnceForTheWholeRun) {
    // Unknown properties and an unknown block in the form, a default block and a control.
    std::string later;
    const FormTextBlock form{
        "Form",
        {"Sparkle =1", "ThemeFontIndex =1"},
        {{"TextBox", {"Sparkle =2", "BackThemeColorIndex =1"}, {}},
         {"Section",
          {},
          {{"Gizmo", {"Name =\"g\""}, {}},
           {"TextBox",
            {"Name =\"t\"", "Sparkle =3", "LayoutCachedHeight =240", "Shape =1"},
            {}}}}}};
    form.Write(later, 0);
    testing::TempDir dir;
    for (const char* name : {"A", "B"}) {
        testing::WriteFile(dir / "Later.accdb.src" / "forms" / (std::string(name) + ".bas"),
                           "Version =20\r\n" + later);
    }
    const LoadedDatabase loaded = LoadDatabase(dir / "Later.accdb.src");
    ASSERT_TRUE(loaded.application) << loaded.error;
    std::vector<std::string> named;
    for (const LoadDiagnostic& d : loaded.application->Diagnostics())
        named.push_back(fs::path(d.path).filename().string() + ":" + std::to_string(d.line) + ": " +
                        d.message);
    EXPECT_EQ(named, (std::vector<std::string>{
                         "A.bas:3: property Sparkle is unknown to Velorin and was left out "
                         "(2 forms have it)",
                         "A.bas:12: block Begin Gizmo is unknown to Velorin and was left out "
                         "(2 forms have it)"}));
}

// The real export was made by a later Access: every property it writes is
// known, and each colour it writes beside a theme index is the one the
// Office theme gives, so that a colour given by the index alone comes out as
// Access shows it.
TEST(BigRivers, LaterPropertiesAreKnownAndTheThemeGivesTheirColours) {
    const fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    const fs::path source = data / "big_rivers_app" / "source";
    const LoadedDatabase loaded = LoadDatabase(source);
    ASSERT_TRUE(loaded.application) << loaded.error;
    size_t unknown = 0;
    for (const LoadDiagnostic& d : loaded.application->Diagnostics())
        unknown += d.message.find("unknown to Velorin") != std::string::npos;
    EXPECT_EQ(unknown, 0u);

    size_t compared = 0;
    for (const auto& entry : fs::directory_iterator(source / "forms")) {
        const ObjectText text =
            *ReadObjectText(DecodeInputText(testing::ReadFile(entry.path()))).text;
        for (const TextBlock& block : text.blocks) {
            // Controls lie four blocks deep: form, sections, section, controls.
            int depth = 0;
            for (int up = block.parent; up >= 0; up = text.blocks[static_cast<size_t>(up)].parent)
                ++depth;
            if (depth < 4)
                continue;
            const PropertyList& p = block.properties;
            for (const std::string family : {"Back", "Fore", "Border"}) {
                const TextProperty* plain = p.Find(family + "Color");
                const TextProperty* slot = p.Find(family + "ThemeColorIndex");
                if (plain == nullptr || slot == nullptr || slot->value.AsLong() < 0)
                    continue;
                auto percent = [&p](const std::string& name) {
                    const TextProperty* value = p.Find(name);
                    return value != nullptr ? value->value.AsNumber() : 100.0;
                };
                EXPECT_EQ(OfficeThemeColour(slot->value.AsLong(), percent(family + "Tint"),
                                            percent(family + "Shade")),
                          plain->value.AsLong())
                    << entry.path().filename() << ":" << block.line << " " << family;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 500u);

    // Theme alone and the layout cache, as the converted form reads them.
    const AccessForm* site = loaded.application->OpenForm("Site");
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(site->SectionProperty(0, "BackColor").AsLong(), 0xFFFFFF);
    EXPECT_EQ(site->FindControl("btnSave")->Property("Height").AsLong(), 360);
}

}  // namespace
}  // namespace velorin
