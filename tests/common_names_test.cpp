#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/names.h"
#include "common/output_directory.h"
#include "common/string_helpers.h"
#include "test_support.h"

namespace velorin {
namespace {

TEST(Names, FileNamesReplaceTheNineCharactersAndComeFromPaths) {
    EXPECT_EQ(MakeFileName("A/B"), "A_B");
    EXPECT_EQ(MakeFileName("a\\b/c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(MakeFileName("Order Details (1).x"), "Order Details (1).x");
    // Control characters would break the project file's lines.
    EXPECT_EQ(MakeFileName("new\nline\ttab\x7F"), "new_line_tab_");
    // The last part of a path of either kind.
    EXPECT_EQ(FileNameFromPath("C:\\out\\form_A.frm"), "form_A.frm");
    EXPECT_EQ(FileNameFromPath("/tmp/out/MODU_B.txt"), "MODU_B.txt");
    EXPECT_EQ(FileNameFromPath("plain.txt"), "plain.txt");
}

TEST(Names, IdentifierForms) {
    EXPECT_EQ(MakeVBName("Customer Orders"), "Customer_Orders");
    // A Visual Basic name starts with a letter.
    EXPECT_EQ(MakeVBName("__1 Start"), "N1_Start");
    // Names keep to ASCII: letters lose their accents, other characters are "_".
    EXPECT_EQ(MakeVBName("Caf\xE9-Bar"), "Cafe_Bar");
    EXPECT_EQ(MakeVBName("Gr\xF6\xDF"
                         "e \xC6on"),
              "Grosse_AEon");
    EXPECT_EQ(MakeVBName("Temp\xB0"
                         "C \x80 x\xD7y \x92"
                         "a"),
              "Temp_C___x_y__a");
    EXPECT_EQ(MakeVBName("___"), "Unnamed");
    EXPECT_EQ(MakeVBName(".."), "Unnamed");
    EXPECT_EQ(MakeMacroName(" Open Orders"), "_Open_Orders");
    EXPECT_EQ(MakeMacroName("mcrNav.OpenOrders"), "mcrNav_OpenOrders");
}

// ReplaceAll restarts from the start, as each replacement can make a new
// match before it, yet ends when the replacement holds the search;
// ReplaceForward moves past each replacement.
TEST(StringHelpers, ReplaceAllAndReplaceForward) {
    EXPECT_EQ(ReplaceAll("Forms!A!B", "forms!", "X."), "X.A!B");
    EXPECT_EQ(ReplaceAll("", "a", "b"), "");
    EXPECT_EQ(ReplaceAll("aabb", "ab", "a"), "aa");
    EXPECT_EQ(ReplaceAll("xAAAy", "aa", "a"), "xay");
    EXPECT_EQ(ReplaceAll("none here", "zz", "y"), "none here");
    EXPECT_EQ(ReplaceAll("a.b", ".", ".."), "a..b");
    EXPECT_EQ(ReplaceForward("rs.x rs.y", "rs.", "rs!rs."), "rs!rs.x rs!rs.y");
    EXPECT_EQ(ReplaceForward("aabb", "ab", "a"), "aab");
}

TEST(StringHelpers, GetTokenCountsFromOne) {
    EXPECT_EQ(GetToken("0;1440;720", 1, ";"), "0");
    EXPECT_EQ(GetToken("0;1440;720", 3, ";"), "720");
    EXPECT_EQ(GetToken("0;1440;720", 4, ";"), "");
    EXPECT_EQ(GetToken("a;;c", 2, ";"), "");
    EXPECT_EQ(GetToken("x", 0, ";"), "");
    EXPECT_EQ(GetToken("aXbxc", 2, "x"), "c");  // the delimiter is case-sensitive
}

TEST(StringHelpers, SortIntegers) {
    std::vector<int16_t> tops{0, 5000, -20, 1200};
    SortIntegers(tops);
    EXPECT_EQ(tops, (std::vector<int16_t>{-20, 0, 1200, 5000}));
}

TEST(OutputDirectoryPatterns, RefusesNamesThatLeaveTheDirectory) {
    OutputDirectory out("/tmp/nowhere");
    EXPECT_TRUE(out.PathOf("../x").empty());
    EXPECT_TRUE(out.PathOf("..").empty());
    EXPECT_TRUE(out.PathOf(std::string("a\0b", 3)).empty());
    EXPECT_FALSE(out.PathOf("a.frm").empty());
}

// Found by fuzzing: a file of the user's could be renamed away, over a name
// the conversion was free to write.
TEST(OutputDirectoryPatterns, AFileOfTheUsersIsNeverRenamed) {
    testing::TempDir dir;
    testing::WriteFile(dir / "Orders.frx", "the user's");
    {
        OutputDirectory out(dir.Path());
        out.TrackWrittenFiles();
        EXPECT_FALSE(out.Rename("Orders.frx", "Orders.frm"));
        out.Write("Mine.frm", "ours");
        EXPECT_TRUE(out.Rename("Mine.frm", "Yours.frm"));
        out.WriteHeld();
    }
    EXPECT_EQ(testing::ReadFile(dir / "Orders.frx"), "the user's");
    EXPECT_FALSE(std::filesystem::exists(dir / "Orders.frm"));
    EXPECT_EQ(testing::ReadFile(dir / "Yours.frm"), "ours");
}

// Each file written adds its name at the end of the record, which stays the
// same file: rewritten whole for each, it made writing a project's files
// grow with their square. A record that became a link is replaced, not
// written through.
TEST(OutputDirectoryPatterns, TheRecordGrowsByOneLineAFile) {
    testing::TempDir dir;
    const std::filesystem::path record = dir / "velorin.files";
    testing::WriteFile(dir / "elsewhere.txt", "kept");
    {
        OutputDirectory out(dir.Path());
        out.TrackWrittenFiles();
        ASSERT_TRUE(out.Write("A.frm", "a") && out.WriteHeld());
        const auto inode = [&] {
            struct stat info {};
            return ::stat(record.c_str(), &info) == 0 ? info.st_ino : 0;
        };
        const auto first = inode();
        for (const char* name : {"B.frm", "C.bas", "D.vbp"})
            ASSERT_TRUE(out.Write(name, "x") && out.WriteHeld());
        EXPECT_EQ(inode(), first);
        std::filesystem::remove(record);
        std::filesystem::create_symlink(dir / "elsewhere.txt", record);
        ASSERT_TRUE(out.Write("E.frm", "x") && out.WriteHeld());
    }
    EXPECT_EQ(testing::ReadFile(dir / "elsewhere.txt"), "kept");
    EXPECT_FALSE(std::filesystem::is_symlink(record));
    OutputDirectory again(dir.Path());
    again.TrackWrittenFiles();
    EXPECT_EQ(again.PreviousFiles(),
              (std::vector<std::string>{"A.frm", "B.frm", "C.bas", "D.vbp", "E.frm"}));
}

// A link in the folder is no file of the folder's: nothing is read through
// it, and a file Velorin wrote that became a link is not added to through it.
TEST(OutputDirectoryPatterns, NothingIsReadThroughALink) {
    testing::TempDir dir;
    const std::filesystem::path folder = dir / "out";
    std::filesystem::create_directories(folder);
    testing::WriteFile(dir / "secret.txt", "secret");
    std::filesystem::create_symlink(dir / "secret.txt", folder / "theirs.txt");
    {
        OutputDirectory out(folder);
        out.TrackWrittenFiles();
        EXPECT_FALSE(out.Exists("theirs.txt"));
        EXPECT_FALSE(out.Read("theirs.txt").has_value());
        EXPECT_FALSE(out.SizeOf("theirs.txt").has_value());

        ASSERT_TRUE(out.Write("Log.txt", "first "));
        ASSERT_TRUE(out.WriteHeld());
        std::filesystem::remove(folder / "Log.txt");
        std::filesystem::create_symlink(dir / "secret.txt", folder / "Log.txt");
        EXPECT_FALSE(out.Read("Log.txt").has_value());
        EXPECT_TRUE(out.Append("Log.txt", "second"));
        EXPECT_TRUE(out.WriteHeld());
    }
    EXPECT_EQ(testing::ReadFile(dir / "secret.txt"), "secret");
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "Log.txt"));
    EXPECT_EQ(testing::ReadFile(folder / "Log.txt").find("secret"), std::string::npos);
}

// A file Velorin wrote that became a link, pointing at a file or at nothing,
// is removed as the link itself, and leaves the record.
TEST(OutputDirectoryPatterns, RemovingAFileThatBecameALinkRemovesTheLink) {
    testing::TempDir dir;
    const std::filesystem::path folder = dir / "out";
    std::filesystem::create_directories(folder);
    testing::WriteFile(dir / "secret.txt", "secret");
    for (const char* target : {"secret.txt", "nowhere.txt"}) {
        SCOPED_TRACE(target);
        {
            OutputDirectory out(folder);
            out.TrackWrittenFiles();
            ASSERT_TRUE(out.Write("Mine.frm", "ours"));
            ASSERT_TRUE(out.Write("Other.frm", "ours too"));
            ASSERT_TRUE(out.WriteHeld());
            std::filesystem::remove(folder / "Mine.frm");
            std::filesystem::create_symlink(dir / target, folder / "Mine.frm");
            EXPECT_TRUE(out.Remove("Mine.frm"));
        }
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder / "Mine.frm")));
        const std::string record = testing::ReadFile(folder / kRecordName);
        EXPECT_NE(record.find("Other.frm"), std::string::npos);
        EXPECT_EQ(record.find("Mine.frm"), std::string::npos);
    }
    EXPECT_EQ(testing::ReadFile(dir / "secret.txt"), "secret");
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere.txt"));
}

}  // namespace
}  // namespace velorin
