// The in-memory model of a generated form: the design section's blocks, the
// names of a scope, and lines kept within what Visual Basic reads.
#include <gtest/gtest.h>

#include "common/string_helpers.h"
#include "output/design_block.h"
#include "output/long_lines.h"
#include "output/name_registry.h"
#include "test_support.h"

namespace velorin {
namespace {

std::vector<std::string> Serialised(const DesignBlock& form) {
    std::vector<std::string> lines;
    form.AppendLines(lines, 0);
    return lines;
}

TEST(DesignBlocks, LinesNestAsAFormFileReadsThem) {
    DesignBlock form("Begin VB.Form F");
    DesignWriter out(&form);
    for (const char* line : {"Caption = \"F\"", "BeginProperty Font", "Name = \"Arial\"",
                             "EndProperty", "Begin VB.Frame Fra", "  Begin  VB.OLE Ole",
                             "   Left = 1", "End", "Top = 2", "End", "Width = 3"})
        out.WriteLine(line);
    // An End too many never closes the container itself.
    out.WriteLine("End");
    out.WriteLine("Height = 4");
    EXPECT_EQ(Serialised(form),
              (std::vector<std::string>{
                  "Begin VB.Form F", "   Caption = \"F\"", "   BeginProperty Font",
                  "      Name = \"Arial\"", "   EndProperty", "   Begin VB.Frame Fra",
                  "      Begin  VB.OLE Ole", "         Left = 1", "      End", "      Top = 2",
                  "   End", "   Width = 3", "   Height = 4", "End"}));
    const DesignBlock& frame = *form.Blocks()[0];
    EXPECT_EQ(frame.ClassName(), "VB.Frame");
    EXPECT_EQ(frame.Name(), "Fra");
    EXPECT_EQ(frame.Blocks()[0]->ClassName(), "VB.OLE");
    EXPECT_EQ(frame.Blocks()[0]->Name(), "Ole");
}

TEST(DesignBlocks, NamesAreCountedAsVisualBasicCountsThem) {
    DesignBlock form("Begin VB.Form F");
    DesignWriter out(&form);
    for (const char* line : {"Begin VB.Frame Section", "Index = 1", "Begin VB.Label A", "End",
                             "End", "Begin VB.Frame Section", "Index = 2", "Begin VB.Label b",
                             "End", "End", "Begin VB.Label a", "Index = 0", "End",
                             "Begin VB.Menu mnuFile", "Begin VB.Menu mnuOpen", "End", "End"})
        out.WriteLine(line);
    // Section once (an array), A and a are one name to Visual Basic, b, two menus.
    EXPECT_EQ(CountControlNames(form), 5);
}

TEST(NameRegistry, ApplicationNamesKeepTheirsAndMadeUpNamesGiveWay) {
    NameRegistry names;
    names.Reserve("Section");
    names.Reserve("datOrders");
    // Made up before the application claims its names, and still out of their way.
    EXPECT_EQ(names.Generate("frames", "Section"), "Section_2");
    EXPECT_EQ(names.Generate("frames", "Section"), "Section_2");
    EXPECT_EQ(names.Generate("form data", "datOrders"), "datOrders_2");
    EXPECT_EQ(names.Find("form data"), "datOrders_2");
    EXPECT_EQ(names.Find("nothing"), "");
    EXPECT_EQ(names.Claim("SECTION"), "SECTION");
    EXPECT_EQ(names.Claim("datOrders"), "datOrders");
    // Two application names with one identifier: the later gets "A".
    EXPECT_EQ(names.Claim("datorders"), "datordersA");
    EXPECT_EQ(names.Generate("Timer1"), "Timer1");
    EXPECT_EQ(names.Generate("Timer1"), "Timer1_2");
    EXPECT_TRUE(names.IsTaken("TIMER1_2"));
}

TEST(NameRegistry, NamesStayWithinFortyCharacters) {
    NameRegistry names;
    const std::string long50(50, 'x');
    EXPECT_EQ(names.Claim(long50), std::string(40, 'x'));
    EXPECT_EQ(names.Claim(long50), std::string(39, 'x') + "A");
    EXPECT_EQ(names.Generate(long50), std::string(38, 'x') + "_2");
}

CodeText Lines(std::initializer_list<std::string> lines) {
    return CodeText(std::vector<std::string>(lines));
}

TEST(LongLines, StatementsAreContinuedWithinTheLimit) {
    const std::string literal(3000, 'x');
    const std::string bracketed = "[" + std::string(80, ' ') + "]";
    const std::string quotes = std::string(300, '"');  // 150 doubled quotes
    std::string sum;
    for (int i = 0; i < 40; ++i)
        sum += "a" + std::to_string(i) + " + ";
    CodeText code = Lines({"    s = \"" + literal + "\" & a",
                           "    t = f(" + sum + bracketed + " & \"" + quotes + "\")", "short"});
    const std::string before = code.Joined();
    BreakLongCodeLines(code, 200);
    for (const std::string& line : code.Lines()) {
        EXPECT_LE(line.size(), 200u) << line;
        // Never broken inside a bracketed name; every piece's strings are closed.
        EXPECT_FALSE(line.ends_with("[ _")) << line;
        EXPECT_EQ(std::count(line.begin(), line.end(), '"') % 2, 0) << line;
    }
    EXPECT_GT(code.Size(), 3u);
    EXPECT_EQ(testing::JoinContinuedLines(code.Joined()), before);
}

TEST(LongLines, CommentsGoOnLinesOfTheirOwn) {
    CodeText code = Lines({"  ' " + std::string(250, 'c'), "  x = 1 ' " + std::string(150, 'd')});
    BreakLongCodeLines(code, 100);
    for (const std::string& line : code.Lines()) {
        EXPECT_LE(line.size(), 100u) << line;
        // A comment never ends in a continuation that would swallow the next line.
        EXPECT_FALSE(line.ends_with(" _")) << line;
    }
    EXPECT_EQ(code.Lines().back(), "  x = 1");
    // Nothing of either comment is lost.
    const std::string all = code.Joined();
    EXPECT_EQ(std::count(all.begin(), all.end(), 'c'), 250);
    EXPECT_EQ(std::count(all.begin(), all.end(), 'd'), 150);
}

TEST(LongLines, LongDesignValuesAreSetWhenTheFormLoads) {
    DesignBlock form("Begin VB.Form F");
    DesignWriter out(&form);
    const std::string sql = "SELECT " + std::string(120, 'f') + " FROM T";
    const std::string caption(120, 'c'), label(120, 'l');
    for (const std::string& line : std::vector<std::string>{
             "Caption =\"" + caption + "\"", "Width = 10", "Begin VB.Data datF",
             "RecordSource = \"" + sql + "\"", "Top = 1", "End", "Begin VB.Label lbl", "Index = 3",
             "Caption = \"" + label + "\"", "End", "Begin VB.Label shortOne", "Caption = \"ok\"",
             "End"})
        out.WriteLine(line);
    const CodeText code = TakeLongDesignValues(form, 100);
    EXPECT_EQ(code.Lines(), (std::vector<std::string>{"Me.Caption = \"" + caption + "\"",
                                                      "datF.RecordSource = \"" + sql + "\"",
                                                      "lbl(3).Caption = \"" + label + "\""}));
    for (const std::string& line : Serialised(form))
        EXPECT_LE(line.size(), 100u) << line;
    EXPECT_EQ(form.Blocks()[2]->Lines().back(), "Caption = \"ok\"");
}

}  // namespace
}  // namespace velorin
