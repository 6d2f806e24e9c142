// The design section read as a tree of blocks with typed values: what the
// form previews draw from, read by the same reader as the project check.
#include <gtest/gtest.h>

#include "common/string_helpers.h"
#include "project/design_section_check.h"
#include "project/design_value.h"
#include "test_support.h"

namespace velorin {
namespace {

using namespace testing;

FormDesign Read(const std::string& text, std::vector<ProjectFinding>& findings) {
    return CheckDesignSection(SplitLineViews(text), findings);
}

TEST(FormDesignReader, NestsControlsGroupsAndMenusAsWritten) {
    std::vector<ProjectFinding> findings;
    const FormDesign design = Read(
        "VERSION 5.00\r\n"
        "Begin VB.Form Orders\r\n"
        "   Caption = \"Say \"\"hi\"\"\" ' a comment\r\n"
        "   BeginProperty Font\r\n"
        "      Name = \"Tahoma\"\r\n"
        "      Size = 9.75\r\n"
        "   EndProperty\r\n"
        "   Begin VB.Frame fraMain\r\n"
        "      Left = 120\r\n"
        "      Begin VB.OptionButton optPick\r\n"
        "         Index = 0\r\n"
        "         Value = True\r\n"
        "      End\r\n"
        "      Begin VB.OptionButton optPick\r\n"
        "         Index = 1\r\n"
        "      End\r\n"
        "   End\r\n"
        "   Begin VB.Menu mnuFile\r\n"
        "      Caption = \"&File\"\r\n"
        "      Begin VB.Menu mnuOpen\r\n"
        "      End\r\n"
        "   End\r\n"
        "End\r\n"
        "Attribute VB_Name = \"Orders\"\r\n",
        findings);
    EXPECT_TRUE(findings.empty());
    const LoadedBlock& form = design.form;
    EXPECT_EQ(form.className, "VB.Form");
    EXPECT_EQ(form.name, "Orders");
    EXPECT_EQ(StringValue(form.Find("caption")), "Say \"hi\"");
    const LoadedBlock* font = form.Group("Font");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(NumberValue(font->Find("Size")), 9.75);
    // Font group, frame, menu; the frame holds the two members of the array.
    ASSERT_EQ(form.children.size(), 3u);
    const LoadedBlock& frame = form.children[1];
    EXPECT_EQ(frame.className, "VB.Frame");
    ASSERT_EQ(frame.children.size(), 2u);
    EXPECT_EQ(NumberValue(frame.children[1].Find("Index")), 1);
    EXPECT_EQ(TruthValue(frame.children[0].Find("Value")), true);
    EXPECT_EQ(frame.children[0].line, 10);
    ASSERT_EQ(form.children[2].children.size(), 1u);
    EXPECT_EQ(form.children[2].children[0].name, "mnuOpen");
    EXPECT_EQ(design.controls.size(), 4u);  // the check's view is unchanged
}

TEST(FormDesignReader, LeavesOutFaultyLinesAndStrayBlocks) {
    std::vector<ProjectFinding> findings;
    const FormDesign design = Read(
        "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"open\r\n   Top = 15\r\nEnd\r\n"
        "Begin VB.Label Stray\r\n   Caption = \"x\"\r\nEnd\r\n",
        findings);
    EXPECT_EQ(findings.size(), 2u);
    ASSERT_EQ(design.form.properties.size(), 1u);
    EXPECT_EQ(design.form.properties[0].name, "Top");
    EXPECT_TRUE(design.form.children.empty());
}

// The project check reads without the tree; what it learns must not change.
TEST(FormDesignReader, TheCheckWithoutTheTreeFindsWhatTheFullReadFinds) {
    std::vector<std::string> texts = {
        "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"open\r\n   Top = 15\r\nEnd\r\n"
        "Begin VB.Label Stray\r\n   Caption = \"x\"\r\nEnd\r\n",
        "VERSION 5.00\r\nBegin VB.Form G\r\n   Begin VB.TextBox t\r\n      Index = 99999\r\n"
        "      BeginProperty Font\r\n   End\r\n   Begin VB.TextBox t\r\n   End\r\nEnd\r\n"};
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(SourceDir() / "tests/golden")) {
        if (entry.path().extension() == ".frm")
            texts.push_back(ReadFile(entry.path()));
    }
    ASSERT_GT(texts.size(), 20u);
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 80));
        std::vector<ProjectFinding> withTree, without;
        const std::vector<std::string_view> lines = SplitLineViews(text);
        const FormDesign full = CheckDesignSection(lines, withTree);
        const FormDesign bare = CheckDesignSection(lines, without, BlockTree::Skip);
        ASSERT_EQ(without.size(), withTree.size());
        for (size_t i = 0; i < without.size(); ++i) {
            EXPECT_EQ(without[i].line, withTree[i].line);
            EXPECT_EQ(without[i].message, withTree[i].message);
        }
        EXPECT_EQ(bare.formName, full.formName);
        EXPECT_EQ(bare.codeStart, full.codeStart);
        ASSERT_EQ(bare.controls.size(), full.controls.size());
        for (size_t i = 0; i < bare.controls.size(); ++i) {
            EXPECT_EQ(bare.controls[i].name, full.controls[i].name);
            EXPECT_EQ(bare.controls[i].className, full.controls[i].className);
            EXPECT_EQ(bare.controls[i].isArray, full.controls[i].isArray);
        }
        EXPECT_TRUE(bare.form.children.empty() && bare.form.properties.empty());
    }
}

TEST(DesignValue, ReadsEachKindAsVisualBasicWritesIt) {
    EXPECT_EQ(ReadDesignValue("&H8000000F&").kind, DesignValueKind::Colour);
    EXPECT_EQ(ReadDesignValue("&H8000000F&").number, 0x8000000F);
    EXPECT_EQ(ReadDesignValue("&HFF&").number, 255);
    EXPECT_EQ(ReadDesignValue("-1").number, -1);
    EXPECT_EQ(ReadDesignValue("8.25").kind, DesignValueKind::Number);
    EXPECT_EQ(ReadDesignValue("False").kind, DesignValueKind::Boolean);
    const DesignValue frx = ReadDesignValue("\"Orders.frx\":01A0");
    EXPECT_EQ(frx.kind, DesignValueKind::FrxReference);
    EXPECT_EQ(frx.text, "Orders.frx");
    EXPECT_EQ(frx.frxOffset, 0x1A0u);
    EXPECT_EQ(ReadDesignValue("\"\"").kind, DesignValueKind::String);
    EXPECT_EQ(ReadDesignValue("12abc").kind, DesignValueKind::Unreadable);
    EXPECT_EQ(ReadDesignValue("&H&").kind, DesignValueKind::Unreadable);
    const DesignProperty truth{"Visible", "1", 1};
    EXPECT_EQ(TruthValue(&truth), true);
    EXPECT_EQ(TruthValue(nullptr), std::nullopt);
    EXPECT_EQ(StringValue(&truth), std::nullopt);
    const DesignProperty huge{"Left", "1E+300", 1};
    EXPECT_EQ(IntegerValue(&huge, 7), 1000000000);
    EXPECT_EQ(IntegerValue(nullptr, 7), 7);
}

}  // namespace
}  // namespace velorin
