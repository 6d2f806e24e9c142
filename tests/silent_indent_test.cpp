#include <gtest/gtest.h>

#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;

std::string Indent(const std::string& content) {
    CodeText text(SplitLines(content));
    SilentIndent(text);
    return text.Joined();
}

// `expected` is what the indentation writes; its input is the same lines
// with their leading blanks taken away.
void ExpectIndentedAs(const std::vector<std::string>& expected) {
    std::string flat, indented;
    for (const std::string& line : expected) {
        flat += std::string(TrimWhitespace(line)) + "\r\n";
        indented += line + "\r\n";
    }
    EXPECT_EQ(Indent(flat), indented);
}

TEST(SilentIndent, NestsTheDesignSectionAndLeavesCodeAfterIt) {
    ExpectIndentedAs({"VERSION 5.00", "Object=\"{X}#1.0#0\"; \"A.OCX\"", "Begin VB.Form F",
                      "   Caption = \"F\"", "   BeginProperty Font", "      Name = \"Arial\"",
                      "   EndProperty", "   Begin VB.Label L", "      Index = 0", "   End", "End",
                      "DIM OpenArgsF as string", "Sub A()", "    End", "End Sub"});
}

// A line indented with a tab, with blanks after it or with too many blanks
// before it is written again; one indented as it should be stays as it is.
TEST(SilentIndent, EveryLineEndsWithItsOwnIndentationOnly) {
    EXPECT_EQ(Indent(CrLf({"VERSION 5.00", "Begin VB.Form F", "   Caption = \"F\"",
                           "\tHeight = 100", "  \tWidth = 200  ", "      Top = 0", " \t Left = 0",
                           "End", "Sub A()", "\tx = 1 ", "    y = 2", "        z = 3", "End Sub"})),
              CrLf({"VERSION 5.00", "Begin VB.Form F", "   Caption = \"F\"", "   Height = 100",
                    "   Width = 200", "   Top = 0", "   Left = 0", "End", "Sub A()", "    x = 1",
                    "    y = 2", "    z = 3", "End Sub"}));
}

// Blocks nest as the editor shows them; a continued header opens its block,
// and unbalanced code never indents below zero.
TEST(SilentIndent, IndentsCodeBlocksAsTheEditorShowsThem) {
    ExpectIndentedAs({"Attribute VB_Name = \"M\"",
                      "Private Function F(x)",
                      "    Dim i",
                      "    If x Then",
                      "        For i = 1 To 3",
                      "            Do While i > 0",
                      "                i = i - 1",
                      "            Loop",
                      "        Next i",
                      "    ElseIf y Then",
                      "        ' a comment",
                      "    Else",
                      "        If z Then Exit Function",
                      "    End If",
                      "    Select Case x",
                      "        Case 1",
                      "            With rs",
                      "                .MoveNext",
                      "            End With",
                      "        Case Else",
                      "            F = 2",
                      "    End Select",
                      "    MsgBox \"a\", _",
                      "        vbOK",
                      "Err_Handler:",
                      "    Resume Next",
                      "",
                      "End Function",
                      "Public Type T",
                      "    a As Long",
                      "End Type"});
    ExpectIndentedAs(
        {"Sub A()", "    If a And _", "        b Then", "        x", "    End If", "End Sub"});
    ExpectIndentedAs({"End If", "Loop", "x"});
}

}  // namespace
}  // namespace velorin
