#include <gtest/gtest.h>

#include <algorithm>

#include "project/application_facts.h"
#include "project/code_structure_check.h"
#include "project/design_section_check.h"
#include "project/project_check.h"
#include "project/vb_logical_lines.h"
#include "project/vb_tokens.h"
#include "session/host/object_text.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::TempDir;
using Lines = std::vector<std::string>;

std::string Join(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A form file: its design lines inside the form block, then its code.
std::string FormFile(const std::string& name, const Lines& design, const Lines& code) {
    Lines lines{"VERSION 5.00", "Begin VB.Form " + name, "   Caption = \"" + name + "\""};
    lines.insert(lines.end(), design.begin(), design.end());
    lines.push_back("End");
    lines.push_back("Attribute VB_Name = \"" + name + "\"");
    lines.insert(lines.end(), code.begin(), code.end());
    return Join(lines);
}

// A control's block in a form's design, with an Index line when `index` is given.
Lines Control(const std::string& type, const std::string& name, const std::string& index = {}) {
    Lines lines{"   Begin " + type + " " + name};
    if (!index.empty())
        lines.push_back("      Index = " + index);
    lines.push_back("   End");
    return lines;
}

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::string ModuleFile(const std::string& name, const Lines& code) {
    Lines lines{"Attribute VB_Name = \"" + name + "\"", "Option Explicit"};
    lines.insert(lines.end(), code.begin(), code.end());
    return Join(lines);
}

class ProjectCheckTest : public ::testing::Test {
  protected:
    std::vector<ProjectFinding> Check(const Lines& project, const ApplicationFacts& facts = {}) {
        out.Write("P.vbp", Join(project));
        return CheckProject(out, "P.vbp", facts);
    }
    // Checks a project of one form, F.frm, and the module M.bas.
    std::vector<ProjectFinding> CheckForm(const Lines& design, const Lines& code) {
        out.Write("F.frm", FormFile("F", design, code));
        out.Write("M.bas", ModuleFile("M", {"Public Sub Shared(a, Optional b)", "End Sub"}));
        return Check({"Form=F.frm", "Module=M; M.bas"});
    }
    std::vector<ProjectFinding> CheckModule(const Lines& code, const ApplicationFacts& facts = {}) {
        out.Write("M.bas", ModuleFile("M", code));
        return Check({"Module=M; M.bas"}, facts);
    }

    TempDir dir;
    OutputDirectory out{dir.Path()};
};

std::string AllText(const std::vector<ProjectFinding>& findings) {
    std::string text;
    for (const ProjectFinding& finding : findings)
        text += "\n  " + finding.Text();
    return text.empty() ? " (none)" : text;
}

// True when a finding of `file` at `line` says `words`.
bool Has(const std::vector<ProjectFinding>& findings, const std::string& file, int line,
         const std::string& words, FindingCause cause = FindingCause::Conversion) {
    return std::any_of(findings.begin(), findings.end(), [&](const ProjectFinding& f) {
        return f.file == file && f.line == line && f.cause == cause &&
               f.message.find(words) != std::string::npos;
    });
}

#define EXPECT_FINDING(findings, file, line, words, ...)                     \
    EXPECT_TRUE(Has(findings, file, line, words __VA_OPT__(, ) __VA_ARGS__)) \
        << "expected " << file << ":" << line << ": " << words << "\nfound:" << AllText(findings)

// --- logical lines ---------------------------------------------------------

std::vector<LogicalLine> Logical(const Lines& physical) {
    std::vector<std::string_view> views(physical.begin(), physical.end());
    return ReadLogicalLines(views, 0, views.size());
}

TEST(VbLogicalLines, JoinContinuationsAndSplitStatementsOutsideStrings) {
    const auto lines = Logical({"x = \"a: 'b\"\"\" & _", "    c: y = 1 ' note: z = 2",
                                "Retry: Beep", "10 GoTo Retry", "Rem whole line",
                                "If a Then b = 1: Rem c: d", "t = #12:30:00#: u = 1"});
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].line, 1);
    EXPECT_EQ(lines[0].lastLine, 2);
    EXPECT_EQ(lines[0].continuations, 1);
    ASSERT_EQ(lines[0].StatementCount(), 2u);
    EXPECT_EQ(lines[0].Statement(0), "x = \"a: 'b\"\"\" &      c");
    EXPECT_EQ(lines[0].Statement(1), "y = 1");
    EXPECT_TRUE(lines[0].hasComment);
    EXPECT_EQ(lines[1].label, "Retry");
    ASSERT_EQ(lines[1].StatementCount(), 1u);
    EXPECT_EQ(lines[1].Statement(0), "Beep");
    EXPECT_EQ(lines[2].label, "10");
    EXPECT_EQ(lines[3].StatementCount(), 0u);
    EXPECT_EQ(lines[4].StatementCount(), 1u);
    EXPECT_EQ(lines[5].StatementCount(), 2u);  // the ':' of a date literal separates nothing
}

TEST(VbLogicalLines, CommentsThatSwallowCodeAndContinuationsWithNothingAfter) {
    auto lines = Logical({"' old code: x = a & _", "' more old code _", "y = 2", "z = 3"});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].swallowedLine, 3);  // the comment line before it is swallowed harmlessly
    EXPECT_EQ(lines[1].line, 4);
    lines = Logical({"x = 1 _"});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].continuedAtEnd);
    // "_" ends a name, not a line, when no blank stands before it.
    lines = Logical({"x = my_", "y = 1"});
    EXPECT_EQ(lines.size(), 2u);
}

// --- the design section ------------------------------------------------------

TEST(PropertyLines, AcceptWellFormedValues) {
    for (const char* line :
         {"Caption = \"Say \"\"Hi\"\"\"", "Picture = \"Orders.frx\":0012", "_ExtentX = 2646",
          "Tab(0).Control(1) = \"txtName\"", "Buttons.Button(0).Caption = \"&Open\"",
          "Columns(2).Width = 1.5", "BackColor = &H8000000F&", "ForeColor=&H00000000",
          "Enabled = 0   'False", "Visible = True", "Left = -120", "Text = \"\""})
        EXPECT_EQ(PropertyLineFault(line), "") << line;
}

TEST(PropertyLines, RefuseIllFormedValuesAndNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"Caption =\"Say \"Hi\"\"", "ill-formed string value of Caption"},
        {"Caption = \"open", "not terminated"},
        {"Picture = \"a.frx\":12", "not 4 hex digits"},
        {"Width = 12px", "ill-formed value of Width"},
        {"Height =", "has no value"},
        {"Tab(x).Caption = \"a\"", "ill-formed property name"},
        {"ThisPropertyNameIsLongerThanThirty = 1", "longer than 30"},
        {"Not a property line", "not a property line"},
    };
    for (const auto& [line, fault] : cases)
        EXPECT_NE(PropertyLineFault(line).find(fault), std::string::npos)
            << line << " -> " << PropertyLineFault(line);
}

TEST_F(ProjectCheckTest, DesignBlocksOutOfPlace) {
    out.Write("A.frm",
              CrLf({"VERSION 6.00", "Begin VB.Form A", "   BeginProperty Font", "   End", "End"}));
    out.Write("B.frm",
              CrLf({"VERSION 5.00", "Object = \"{GUID}#1.0#0\" \"X.OCX\"", "Begin VB.Form B",
                    "   Begin VB.Label L", "   EndProperty", "   End", "End", "End",
                    "Begin VB.Form C", "End", "Private Sub Form_Load()", "End Sub"}));
    out.Write("C.frm", CrLf({"VERSION 5.00", "Begin VB.Form C", "   Begin VB.Label L", "End"}));
    const auto findings = Check({"Form=A.frm", "Form=B.frm", "Form=C.frm"});
    EXPECT_FINDING(findings, "A.frm", 1, "VERSION 4.00 or VERSION 5.00");
    EXPECT_FINDING(findings, "A.frm", 4, "EndProperty is missing");
    EXPECT_FINDING(findings, "B.frm", 2, "ill-formed Object line");
    EXPECT_FINDING(findings, "B.frm", 5, "EndProperty without BeginProperty");
    EXPECT_FINDING(findings, "B.frm", 8, "End too many");
    EXPECT_FINDING(findings, "B.frm", 9, "a second form block");
    EXPECT_FINDING(findings, "C.frm", 2, "form block is not closed");
    // The form block is read through: its lines are not taken for code.
    for (const ProjectFinding& finding : findings)
        EXPECT_EQ(finding.message.find("declarations section"), std::string::npos)
            << finding.Text();
}

TEST_F(ProjectCheckTest, ControlNamesAndControlArrays) {
    // Each block's Begin line is the line of the comment beside it.
    const auto findings =
        CheckForm(Concat({Control("VB.CommandButton", "What's_This?"),        // 4
                          Control("VB.Label", "Pr\xE9\x66\xE9r\xE9"),         // 6: a letter
                          Control("VB.Label", "lblA"),                        // 8
                          Control("VB.TextBox", "LBLA"),                      // 10
                          Control("VB.OptionButton", "opt", "0"),             // 12
                          Control("SSDataWidgets_A.SSDBOptSet", "opt", "1"),  // 15
                          Control("VB.Label", "cmd", "0"),                    // 18
                          Control("VB.Label", "cmd"),                         // 21
                          Control("VB.Label", "arr", "2"),                    // 23
                          Control("VB.Label", "arr", "2"),                    // 26
                          Control("VB.Label", "big", "40000"),                // 29
                          Control("VB.Label", "F"),                           // 32
                          Control("NoClass", "ctl"),                          // 34
                          Control("VB.Label", "ThisControlNameIsMuchLongerThanFortyLetters")}),
                  {});  // 36
    EXPECT_FINDING(findings, "F.frm", 4, "control name What's_This?");
    EXPECT_FALSE(Has(findings, "F.frm", 6, "control name"));
    EXPECT_FINDING(findings, "F.frm", 10, "two controls named lblA");
    EXPECT_FINDING(findings, "F.frm", 15, "mixes VB.OptionButton and SSDataWidgets_A.SSDBOptSet");
    EXPECT_FINDING(findings, "F.frm", 21, "not a control array");
    EXPECT_FINDING(findings, "F.frm", 26, "Index 2 twice");
    EXPECT_FINDING(findings, "F.frm", 30, "from 0 to 32767");
    // A control may have its form's name: its own scope is the narrower.
    EXPECT_FALSE(Has(findings, "F.frm", 32, ""));
    EXPECT_FINDING(findings, "F.frm", 34, "Library.Class");
    EXPECT_FINDING(findings, "F.frm", 36, "at most 40 characters");
}

TEST_F(ProjectCheckTest, FormLimitsOnNamesNestingAndLineLength) {
    Lines design;
    for (int i = 0; i < 255; ++i)
        design = Concat({design, Control("VB.Label", "L" + std::to_string(i))});
    for (int i = 0; i < 26; ++i)
        design.push_back("   Begin VB.Frame Fr" + std::to_string(i));
    for (int i = 0; i < 26; ++i)
        design.push_back("   End");
    const auto findings = CheckForm(
        design,
        {"Private Sub Form_Load()", "    x = \"" + std::string(1020, 'a') + "\"", "End Sub"});
    EXPECT_FINDING(findings, "F.frm", 2, "281 control names; Visual Basic allows 254");
    EXPECT_FINDING(findings, "F.frm", 4 + 510 + 25, "nested more than 25 levels");
    EXPECT_FINDING(findings, "F.frm", 4 + 510 + 52 + 3, "1030 bytes long");
}

// --- code ------------------------------------------------------------------

TEST_F(ProjectCheckTest, DeclarationsSectionAndProcedureFrames) {
    const auto findings = CheckModule({
        "Private Type Point",
        "    X As Long",
        "End Type",                        // 3-5
        "Dim counter As Integer",          // 6
        "counter = 1",                     // 7: executable
        "Public Sub A()",                  // 8
        "End Function",                    // 9: wrong closer
        "x = 2",                           // 10: between procedures
        "Public Function B() As Integer",  // 11
        "Private Sub C()",                 // 12: inside B
        "End Sub",                         // 13
        "Property Get D() As Integer",
        "End Property",  // 14
        "Property Let D(v As Integer)",
        "End Property",  // 16: Get and Let share a name
        "Sub a()",
        "End Sub",                   // 18: A again
        "Sub E(Optional x = 1, y)",  // 20: required after Optional
        "End Sub",
        "Function G()",  // 22: never closed
    });
    EXPECT_FINDING(findings, "M.bas", 7, "a statement in the declarations section");
    EXPECT_FINDING(findings, "M.bas", 9, "End Function closes Sub A");
    EXPECT_FINDING(findings, "M.bas", 10, "only comments may stand between procedures");
    EXPECT_FINDING(findings, "M.bas", 12, "Sub C begins inside Function B");
    EXPECT_FALSE(Has(findings, "M.bas", 16, "defined twice"));
    EXPECT_FINDING(findings, "M.bas", 18, "a is defined twice in this file (first at line 8)");
    EXPECT_FINDING(findings, "M.bas", 20, "follows an Optional one");
    EXPECT_FINDING(findings, "M.bas", 22, "Function G is not closed by End Function");
    EXPECT_EQ(findings.size(), 7u) << AllText(findings);
}

TEST_F(ProjectCheckTest, BlockStructureFaultsWhereVisualBasicNoticesThem) {
    const auto findings = CheckModule({
        "Public Function F(n As Integer) As Integer",  // 3
        "    'If n > 0 Then",                          // 4
        "    F = 1",                                   // 5
        "    End If",                                  // 6: its If is commented out
        "    Select Case n",                           // 7
        "        'Case 1",                             // 8
        "        F = 2",                               // 9: before the first Case
        "        Case Else",                           // 10
        "    End Select",                              // 11
        "    For i = 1 To n: For j = 1 To n",          // 12
        "    Next j, i",                               // 13: closes both
        "    For k = 1 To n",                          // 14
        "    Next i",                                  // 15: not k
        "    Do While n > 0: n = n - 1: Loop",         // 16
        "    While n < 3",
        "    Wend",  // 17
        "    With Me",
        "    End With",                    // 19
        "    If n Then F = 3 Else F = 4",  // 21: complete in itself
        "    If n Then Exit Function",     // 22
        "    Exit Sub",                    // 23: in a Function
        "    Exit For",                    // 24: outside For
        "    Do",                          // 25: never closed
        "    If n > 1 Then",               // 26
        "    Loop",                        // 27: inside the If
        "End Function",                    // 28
    });
    EXPECT_FINDING(findings, "M.bas", 6, "End If without If");
    EXPECT_FINDING(findings, "M.bas", 9, "between Select Case (line 7) and its first Case");
    EXPECT_FINDING(findings, "M.bas", 15, "Next i closes the For k of line 14");
    EXPECT_FINDING(findings, "M.bas", 23, "Exit Sub in Function F");
    EXPECT_FINDING(findings, "M.bas", 24, "Exit For outside a For loop");
    EXPECT_FINDING(findings, "M.bas", 27,
                   "Loop without Do (the innermost open block is the If of line 26)");
    EXPECT_FINDING(findings, "M.bas", 25, "Do without Loop: it is not closed before line 28");
    EXPECT_FINDING(findings, "M.bas", 26, "If without End If");
    EXPECT_EQ(findings.size(), 8u) << AllText(findings);
}

TEST_F(ProjectCheckTest, LabelsContinuationsAndExpressions) {
    Lines code{"Public Sub S()",                    // 3
               "    On Error GoTo Failed",          // 4
               "    GoTo Missing",                  // 5
               "    On Error GoTo 0: Resume Next",  // 6
               "Again:",                            // 7
               "Again: Beep",                       // 8
               "    If x Then 100",                 // 9: GoTo 100
               "100 x = \"Say \"Hi\"\"",            // 10
               "    x = Mid(a, 1 2)",               // 11
               "    x = (a + b",                    // 12
               "    x = a &",                       // 13
               "    ' x = 1 & _",                   // 14
               "    y = 2",                         // 15: swallowed
               "    x = \"open",                    // 16
               "Failed:",                           // 17
               "    z = 1 + _"};                    // 18
    for (int i = 0; i < 25; ++i)
        code.push_back("        1 + _");
    code.push_back("        1");
    code.push_back("End Sub");
    const auto findings = CheckModule(code);
    EXPECT_FINDING(findings, "M.bas", 5, "no label Missing in S");
    EXPECT_FINDING(findings, "M.bas", 8, "label Again is defined twice in S (first at line 7)");
    EXPECT_FINDING(findings, "M.bas", 10, "no operator or comma between \"Say \" and Hi");
    EXPECT_FINDING(findings, "M.bas", 11, "no operator or comma between 1 and 2");
    EXPECT_FINDING(findings, "M.bas", 12, "'(' that is not closed");
    EXPECT_FINDING(findings, "M.bas", 13, "ends in &");
    EXPECT_FINDING(findings, "M.bas", 14, "takes line 15 into the comment");
    EXPECT_FINDING(findings, "M.bas", 16, "not terminated");
    EXPECT_FINDING(findings, "M.bas", 18, "more than 24 line continuations");
    EXPECT_EQ(findings.size(), 9u) << AllText(findings);

    // A name with blanks left in a statement reads as a call with arguments
    // that are no expressions.
    const auto blanks = CheckModule(
        {"Public Sub T()", "    datOrder Entry 5.Refresh", "    Beep 1, 2 + 3", "End Sub"});
    EXPECT_FINDING(blanks, "M.bas", 4, "no operator or comma between Entry and 5");
    EXPECT_FALSE(Has(blanks, "M.bas", 5, "no operator")) << AllText(blanks);

    const auto last = CheckModule({"Public Sub T()", "End Sub", "' the end _"});
    EXPECT_TRUE(last.empty()) << AllText(last);  // a comment continued onto nothing
    const auto dangling = CheckModule({"Public Sub T()", "    x = 1 + _"});
    EXPECT_FINDING(dangling, "M.bas", 4, "a line continuation with no line after it");
}

TEST_F(ProjectCheckTest, EventProceduresOfControlsAndTheForm) {
    const auto findings = CheckForm(
        Concat({Control("VB.CommandButton", "cmd", "0"), Control("VB.TextBox", "txt_Name"),
                Control("Threed.SSCommand", "ss")}),
        {"Private Sub cmd_Click()", "End Sub",  // 13
         "Private Sub cmd_MouseUp(Index As Integer, B As Integer, S As Integer, X As Single, Y As "
         "Single)",
         "End Sub",                                                  // 15: fine
         "Private Sub txt_Name_Click(Index As Integer)", "End Sub",  // 17
         "Private Sub txt_Name_KeyPress()", "End Sub",               // 19
         "Private Sub txt_Name_KeyDown(KeyCode As Integer, Shift As Integer)", "End Sub",
         "Private Sub ss_Click(Anything)", "End Sub",  // 23: class unknown
         "Private Sub Form_Unload()", "End Sub",       // 25
         "Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)", "End Sub",
         "Private Sub Form_Open(Cancel As Integer)", "End Sub"});  // 29: not an event
    EXPECT_FINDING(findings, "F.frm", 13, "cmd is a control array");
    EXPECT_FINDING(findings, "F.frm", 17, "txt_Name is not a control array");
    EXPECT_FINDING(findings, "F.frm", 19, "the KeyPress event of VB.TextBox takes 1 parameter(s)");
    EXPECT_FINDING(findings, "F.frm", 25, "the form's Unload event takes 1 parameter(s)");
    EXPECT_EQ(findings.size(), 4u) << AllText(findings);
}

TEST_F(ProjectCheckTest, CallsResolveAndFitTheirProcedures) {
    out.Write("F.frm", FormFile("F", {"   Begin VB.TextBox txt", "   End"},
                                {"Dim frmOther As Form",                      // 8
                                 "Private Sub Form_Load()",                   // 9
                                 "    Local 1: Call Local(1)",                // 10
                                 "    Shared 1: Shared 1, 2: M.Shared a:=1",  // 11
                                 "    x = Helper(1, 2, 3, 4, 5)",             // 12: ParamArray
                                 "    Shared",                                // 13: a is required
                                 "    Shared 1, 2, 3",                        // 14: too many
                                 "    Call Shared(1, c:=2)",                  // 15: no c
                                 "    Missing 1",                             // 16
                                 "    Call M.Hidden",                         // 17
                                 "    MsgBox \"x\": Beep: Move 0: txt.SetFocus: Call Shell(\"a\")",
                                 "    Load G: Unload frmOther: Load txt: G.Show: H.Show",  // 19
                                 "    Set f = GetFormFromName(\"Orders\")",                // 20
                                 "    Set f = GetFormFromName(\"Invoices\")",              // 21
                                 "    y = Private1(1)",                                    // 22
                                 "End Sub", "Private Sub Local(n)", "End Sub"}));
    out.Write("G.frm", FormFile("G", {}, {"Public Function Private1(a, b)", "End Function"}));
    out.Write("M.bas", ModuleFile("M", {"Public Sub Shared(a, Optional b)", "End Sub",
                                        "Public Function Helper(a, ParamArray rest())",
                                        "End Function", "Private Sub Hidden()", "End Sub",
                                        "Function GetFormFromName(FormName As String) As Form",
                                        "    Select Case FormName",
                                        "        Case \"Orders\": Set GetFormFromName = F",
                                        "    End Select", "End Function"}));
    const auto findings = Check({"Form=F.frm", "Form=G.frm", "Module=M; M.bas"});
    EXPECT_FINDING(findings, "F.frm", 13, "calls Shared without its argument a");
    EXPECT_FINDING(findings, "F.frm", 14, "calls Shared with 3 argument(s); it takes at most 2");
    EXPECT_FINDING(findings, "F.frm", 15, "calls Shared with c:=, which is not a parameter");
    EXPECT_FINDING(findings, "F.frm", 16, "calls Missing, which the project does not define");
    EXPECT_FINDING(findings, "F.frm", 17,
                   "calls M.Hidden, which module M does not define as Public");
    EXPECT_FINDING(findings, "F.frm", 19, "Show H: H is not a form");
    EXPECT_FINDING(findings, "F.frm", 21, "GetFormFromName(\"Invoices\")");
    EXPECT_EQ(findings.size(), 7u) << AllText(findings);
}

// A class: its header, members named as Visual Basic's own objects' are
// (Name), and public members that are the class's, not the project's.
TEST_F(ProjectCheckTest, ClassModulesAndTheirMembers) {
    const Lines header{"VERSION 1.0 CLASS", "BEGIN", "  MultiUse = -1  'True", "END",
                       "Attribute VB_Name = \"C\""};
    Lines cls = header;
    for (const char* line :
         {"Option Explicit", "Private mName As String", "Public Property Get Name() As String",
          "    Name = mName", "End Property", "Public Sub Greet()", "    Name", "End Sub"})
        cls.push_back(line);
    out.Write("C.cls", Join(cls));
    out.Write("D.cls", Join({"Attribute VB_Name = \"D\"", "Option Explicit"}));
    out.Write("M.bas", ModuleFile("M", {"Public Sub UseIt()", "    Dim c As New C", "    c.Greet",
                                        "    Greet", "End Sub",
                                        "Public Property Get Name() As String", "End Property"}));
    const auto findings = Check({"Class=C; C.cls", "Class=D; D.cls", "Module=M; M.bas"});
    EXPECT_FINDING(findings, "D.cls", 1, "a class module does not begin with VERSION 1.0 CLASS");
    // The class's Greet is reached through its objects only.
    EXPECT_FINDING(findings, "M.bas", 6, "calls Greet, which the project does not define");
    // A standard module's member named Name is still refused.
    EXPECT_FINDING(findings, "M.bas", 8, "Property without a valid name");
    EXPECT_FINDING(findings, "M.bas", 9, "End Property without a Property");
    EXPECT_EQ(findings.size(), 4u) << AllText(findings);
}

// --- the project file --------------------------------------------------------

// Form files checked on a thread as they were written give the findings the
// check would have made of them; a file whose text changed since is read
// again, and a file never submitted is checked as usual.
TEST_F(ProjectCheckTest, FormsCheckedAheadFindWhatTheCheckFinds) {
    const std::string faulty = FormFile("F", {"   Begin VB.TextBox txt", "   End"},
                                        {"Private Sub Form_Load()", "    Missing 1", "End Sub"});
    const std::string other =
        FormFile("G", {}, {"Private Sub Form_Load()", "    AlsoMissing", "End Sub"});
    out.Write("F.frm", faulty);
    out.Write("G.frm", other);
    out.Write("M.bas", ModuleFile("M", {"Public Sub Shared()", "End Sub"}));
    out.Write("P.vbp", Join({"Form=F.frm", "Form=G.frm", "Module=M; M.bas"}));
    const std::string expected = AllText(CheckProject(out, "P.vbp", {}));
    ASSERT_NE(expected.find("calls Missing"), std::string::npos) << expected;

    {
        CheckAhead ahead(2);
        ahead.SubmitForm("F.frm", faulty);
        EXPECT_EQ(AllText(CheckProject(out, "P.vbp", {}, CheckRun{2, &ahead})), expected);
    }
    {
        // Checked ahead as it was, then written anew.
        CheckAhead ahead(2);
        ahead.SubmitForm("F.frm", faulty);
        ahead.SubmitForm("G.frm", FormFile("G", {}, {"Sub Fine()", "End Sub"}));
        const std::string fixed =
            FormFile("F", {"   Begin VB.TextBox txt", "   End"}, {"Sub Fine()", "End Sub"});
        out.Write("F.frm", fixed);
        const std::string found = AllText(CheckProject(out, "P.vbp", {}, CheckRun{2, &ahead}));
        EXPECT_EQ(found.find("calls Missing"), std::string::npos) << found;
        EXPECT_NE(found.find("calls AlsoMissing"), std::string::npos) << found;
    }
    // One job keeps no thread and takes nothing.
    CheckAhead none(1);
    none.SubmitForm("F.frm", faulty);
    none.Finish();
    EXPECT_EQ(none.Checked(), nullptr);
}

TEST_F(ProjectCheckTest, ProjectFileNamesAndModuleNames) {
    out.Write("A.bas", ModuleFile("A", {}));
    out.Write("B.bas", ModuleFile("Other", {}));
    out.Write("C.bas", ModuleFile("C", {}));
    out.Write("F.frm", FormFile("a", {}, {}));
    out.Write("G.frm", FormFile("Bad Name", {}, {}));
    const auto findings = Check({"Module=A; A.bas", "Module=B; B.bas", "Module=C; C.bas",
                                 "Module=1st; C.bas", "Form=F.frm", "Form=G.frm", "Form=N.frm"});
    EXPECT_FINDING(findings, "P.vbp", 7, "names N.frm, which does not exist");
    EXPECT_FINDING(findings, "P.vbp", 4, "module name 1st is not a Visual Basic name");
    EXPECT_FINDING(findings, "P.vbp", 5, "form name a is taken by A.bas");
    EXPECT_FINDING(findings, "B.bas", 1,
                   "Attribute VB_Name is \"Other\", but the project names the module B");
    EXPECT_FINDING(findings, "G.frm", 2, "form name Bad Name is not a Visual Basic name");
    // The project file's own findings come first, then the files in project order.
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings.front().file, "P.vbp");
    EXPECT_EQ(findings.back().file, "G.frm");
}

// Names Visual Basic reads as its own, a control and a member of one name,
// and a public name two modules (or a module and a form) both have.
TEST_F(ProjectCheckTest, NamesThatVisualBasicCannotTellApart) {
    out.Write("End.frm",
              FormFile("End",
                       {"   Begin VB.Label Print", "   End", "   Begin VB.TextBox OpenArgs",
                        "   End", "   Begin VB.TextBox Total", "   End"},
                       {"Dim Total As Long", "Property Get OpenArgs() As String", "End Property"}));
    out.Write("Main.frm", FormFile("Main", {}, {}));
    out.Write("A.bas", ModuleFile("A", {"Public x As Long", "Public Sub Main()", "End Sub"}));
    out.Write("B.bas", ModuleFile("B", {"Public Function x()", "End Function"}));
    out.Write("Date.bas", ModuleFile("Date", {}));
    ApplicationFacts facts;
    facts.known = true;
    facts.codeByFile["B.bas"] = {};
    facts.codeByFile["Date.bas"] = {};
    auto findings = Check({"Form=End.frm", "Form=Main.frm", "Module=A; A.bas", "Module=B; B.bas",
                           "Module=Date; Date.bas"},
                          facts);
    EXPECT_FINDING(findings, "End.frm", 2, "form name End is a keyword");
    EXPECT_FINDING(findings, "End.frm", 4, "control name Print is a keyword");
    EXPECT_FINDING(findings, "P.vbp", 5, "module name Date is a keyword");
    EXPECT_FINDING(findings, "End.frm", 12, "Total is the name of a control of the form");
    EXPECT_FINDING(findings, "End.frm", 13, "OpenArgs is the name of a control of the form");
    EXPECT_FINDING(findings, "P.vbp", 2, "form name Main is public in A.bas too");
    // The module the conversion wrote (A) meets the application's B.
    EXPECT_FINDING(findings, "B.bas", 3, "x is public in A.bas too");

    // Two of the application's modules were as ambiguous in Access.
    facts.codeByFile["A.bas"] = {};
    findings = Check({"Module=A; A.bas", "Module=B; B.bas"}, facts);
    EXPECT_FINDING(findings, "B.bas", 3, "x is public in A.bas too", FindingCause::Application);
}

TEST_F(ProjectCheckTest, ACoherentProjectPasses) {
    out.Write("A.frm",
              CrLf({"VERSION 5.00",
                    "Object = \"{BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.0#0\"; \"TABCTL32.OCX\"",
                    "Begin VB.Form A",
                    "   Caption = \"Orders \"\"Now\"\"\"",
                    "   BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}",
                    "      Name = \"Arial\"",
                    "   EndProperty",
                    "   Begin TabDlg.SSTab tab",
                    "      _ExtentX = 2646",
                    "      Tab(0).Control(1) = \"opt(1)\"",
                    "      BeginProperty CDs.CD(0).Font",
                    "      EndProperty",
                    "      Begin VB.OptionButton opt",
                    "         Index = 0",
                    "      End",
                    "      Begin VB.OptionButton opt",
                    "         Index = 1",
                    "      End",
                    "   End",
                    "   Begin VB.Menu mnuFile",
                    "      Caption = \"&File\"",
                    "   End",
                    "End",
                    "Attribute VB_Name = \"A\"",
                    "Attribute VB_GlobalNameSpace = False",
                    "DIM OpenArgsF as string",
                    "Option Explicit",
                    "Private Declare Function GetTickCount Lib \"kernel32\" () As Long",
                    "",
                    "Private Sub Form_Load()",
                    "    On Error GoTo Failed",
                    "    Call Local: Shared 1: x = Shared2(1, 2) + GetTickCount()",
                    "    If x Then y = 1 Else y = 2: Exit Sub",
                    "    For Each c In Controls: Next",
                    "    Select Case x",
                    "        ' the first case",
                    "        Case 1, 2 To 3, Is > 4",
                    "            y = \"a: b\"",
                    "        Case Else",
                    "    End Select",
                    "    With Me: .Caption = \"x\": End With",
                    "    Do: DoEvents: Loop Until x > 1 And Not y",
                    "    B.Show vbModal: Unload Me",
                    "    Set f = GetFormFromName(\"Order List\")",
                    "    MsgBox Prompt:=\"a\" & _",
                    "        \"b\", Buttons:=vbOKOnly",
                    "    Exit Sub",
                    "Failed:",
                    "    Resume Next",
                    "End Sub",
                    "Private Sub opt_Click(Index As Integer)",
                    "    tab.Tab = Index",
                    "End Sub",
                    "Private Sub mnuFile_Click()",
                    "End Sub",
                    "Private Sub Local()",
                    "End Sub",
                    "Property Let OpenArgs(strOpenArgs as string)",
                    " OpenArgsF=strOpenArgs",
                    "End Property",
                    "",
                    "Property Get OpenArgs() as string",
                    " OpenArgs=OpenArgsF",
                    "End Property"}));
    out.Write("B.frm", FormFile("B", {}, {}));
    // One procedure declared in each branch of an #If: only one is compiled.
    out.Write("M.bas", ModuleFile("M", {"Public gCount As Long",
                                        "#If VBA7 Then",
                                        "Private Declare Function Tick Lib \"kernel32\" () As Long",
                                        "#Else",
                                        "Private Declare Function Tick Lib \"kernel32\" () As Long",
                                        "#End If",
                                        "Public Sub Shared(a)",
                                        "End Sub",
                                        "Public Function Shared2(a, Optional b = 2)",
                                        "#If Win16 Then",
                                        "    If a Then",
                                        "#Else",
                                        "    If b Then",
                                        "#End If",
                                        "    End If",
                                        "End Function",
                                        "Function GetFormFromName(FormName As String) As Form",
                                        "    Select Case FormName",
                                        "        Case \"Order List\": Set GetFormFromName = A",
                                        "    End Select",
                                        "End Function"}));
    const auto findings = Check({"Form=A.frm", "Form=B.frm", "Module=M; M.bas"});
    EXPECT_TRUE(findings.empty()) << AllText(findings);
}

// --- tokens ------------------------------------------------------------------

std::string Kinds(std::string_view code) {
    std::string kinds;
    for (const VbToken& token : TokenizeStatement(code)) {
        const char* kind[] = {"W", "N", "S", "D", "Y"};
        kinds += std::string(kind[static_cast<int>(token.kind)]) + (token.unterminated ? "!" : "") +
                 "[" + std::string(token.text) + "]";
    }
    return kinds;
}

TEST(VbTokens, ReadNamesNumbersStringsAndDatesAsTheCompilerDoes) {
    EXPECT_EQ(Kinds("s$ = \"a\"\"b\" & Left$(x, 2)"),
              "W[s$]Y[=]S[\"a\"\"b\"]Y[&]W[Left$]Y[(]W[x]Y[,]N[2]Y[)]");
    EXPECT_EQ(Kinds("x = &HFF& + 1.5E3 - .5"), "W[x]Y[=]N[&HFF&]Y[+]N[1.5E3]Y[-]N[.5]");
    EXPECT_EQ(Kinds("d = #1/2/97#: Print #1, d"),
              "W[d]Y[=]D[#1/2/97#]Y[:]W[Print]Y[#]N[1]Y[,]W[d]");
    EXPECT_EQ(Kinds("Forms![Order Form]!ID <> n%"),
              "W[Forms]Y[!]W[[Order Form]]Y[!]W[ID]Y[<>]W[n%]");
    EXPECT_EQ(Kinds("MsgBox Title:=\"open"), "W[MsgBox]W[Title]Y[:=]S![\"open]");
    EXPECT_EQ(BareName("[Order Form]"), "Order Form");
    EXPECT_EQ(BareName("Left$"), "Left");
    EXPECT_TRUE(IsVbIdentifier("Pr\xE9\x66\xE9r\xE9"));
    EXPECT_FALSE(IsVbIdentifier("\xD7x"));  // the multiplication sign is no letter
    EXPECT_FALSE(IsVbIdentifier("_x"));
}

// --- more of the code --------------------------------------------------------

TEST_F(ProjectCheckTest, IfAndSelectBranchesOutOfOrder) {
    const auto findings = CheckModule({
        "Public Sub S(n)",                               // 3
        "    If n Then",                                 // 4
        "    Else",                                      // 5
        "    ElseIf n > 1 Then",                         // 6: after Else
        "    Else",                                      // 7: a second Else
        "    End If",                                    // 8
        "    Select Case n",                             // 9
        "        Case Else",                             // 10
        "        Case 1",                                // 11: after Case Else
        "    End Select",                                // 12
        "    If n Then For i = 1 To 2: Next: Exit Sub",  // 13: one line, complete
        "    If n = 1",                                  // 14: no Then
        "    For i = 1 To 3",                            // 15
        "        If i Then",                             // 16
        "    Next i",                                    // 17: the If is open
        "        End If",                                // 18
        "    Next",                                      // 19
        "    Case 3",                                    // 20: no Select
        "#If Win16 Then",                                // 21
        "End Sub",
    });
    EXPECT_FINDING(findings, "M.bas", 6, "ElseIf after Else (line 4)");
    EXPECT_FINDING(findings, "M.bas", 7, "a second Else in the If of line 4");
    EXPECT_FINDING(findings, "M.bas", 11, "Case after Case Else");
    EXPECT_FINDING(findings, "M.bas", 14, "If without Then");
    EXPECT_FINDING(findings, "M.bas", 17,
                   "Next i without For (the innermost open block is the If of line 16)");
    EXPECT_FINDING(findings, "M.bas", 20, "Case without Select Case");
    EXPECT_FINDING(findings, "M.bas", 21, "#If without #End If");
    EXPECT_EQ(findings.size(), 7u) << AllText(findings);
}

TEST_F(ProjectCheckTest, DeclarationsThatHaveNoPlaceInAProcedure) {
    const auto findings = CheckModule({
        "Public Enum Colour", "    Red = 1", "End Enum",  // 3
        "Label1:",                                        // 6: outside any procedure
        "Public Sub S()",                                 // 7
        "    Option Base 1",                              // 8
        "    Private Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)",  // 9
        "    x = Red",                                                        // 10
        "End Sub",
        "Private Type Open",  // 12: never closed
    });
    EXPECT_FINDING(findings, "M.bas", 6, "label Label1 outside any procedure");
    EXPECT_FINDING(findings, "M.bas", 8, "Option statement inside a procedure");
    EXPECT_FINDING(findings, "M.bas", 9, "Declare inside a procedure");
    EXPECT_FINDING(findings, "M.bas", 12, "only comments may stand between procedures");
    EXPECT_EQ(findings.size(), 4u) << AllText(findings);
}

TEST_F(ProjectCheckTest, FormsNamedByLoadShowAndVariablesThatAreNotForms) {
    out.Write("F.frm",
              FormFile("F", Control("VB.CommandButton", "btn", "0"),
                       {"Private Sub Form_Load()",                   // 9
                        "    Dim frmLocal As Form",                  // 10
                        "    Load btn(1): Load frmLocal",            // 11: a control, a variable
                        "    gMain.Show: Unload Screen.ActiveForm",  // 12: a public variable
                        "    Load Report1: Report1.Hide",            // 13: neither
                        "    Unload F: G.Show",                      // 14
                        "End Sub"}));
    out.Write("G.frm", FormFile("G", {}, {}));
    out.Write("M.bas", ModuleFile("M", {"Public gMain As Form"}));
    const auto findings = Check({"Form=F.frm", "Form=G.frm", "Module=M; M.bas"});
    EXPECT_FINDING(findings, "F.frm", 13, "Load Report1: Report1 is not a form of the project");
    EXPECT_FINDING(findings, "F.frm", 13, "Hide Report1: Report1 is not a form of the project");
    EXPECT_EQ(findings.size(), 2u) << AllText(findings);
}

// --- the application's facts ---------------------------------------------------

TEST(ApplicationFactsOf, AnApplicationsModulesFormsReportsAndMacros) {
    AccessApplication app;
    app.AddModule({"Helpers",
                   {"Option Compare Database", "Public Function Nice(a)", "End Function",
                    "Private Sub Quiet()", "End Sub"}});
    app.AddModule({"Extras", {"Sub Spare()", "End Sub"}});
    for (const std::string name : {"Orders", "Archive"}) {
        auto form = std::make_unique<AccessForm>();
        BuildAccessForm(*ReadObjectText(CrLf({"Begin Form", "    Width =2000", "End"})).text, name,
                        name, *form);
        form->SetCodeLines({"Private Sub " + name + "Button_Click()", "End Sub"});
        app.AddForm(std::move(form));
    }
    Macro macro;
    macro.name = "mcr Orders";
    MacroRow row;
    row.macroName = "Open";
    row.action = "Beep";
    macro.rows = {row};
    app.AddMacro(macro);
    app.FinishLoading();

    const ApplicationFacts facts =
        BuildApplicationFacts(app, {{Container::Forms, "Orders", "Orders.frm"},
                                    {Container::Modules, "Helpers", "Helpers_2.bas"}});
    EXPECT_TRUE(facts.known);
    auto where = [&](const std::string& name) {
        auto it = facts.procedures.find(name);
        return it == facts.procedures.end()
                   ? std::string("-")
                   : it->second.front().object + (it->second.front().converted ? " +" : " -");
    };
    EXPECT_EQ(where("nice"), "module Helpers +");
    EXPECT_EQ(where("Quiet"), "module Helpers +");
    EXPECT_EQ(where("Spare"), "module Extras -");
    EXPECT_EQ(where("OrdersButton_Click"), "form Orders +");
    EXPECT_EQ(where("ArchiveButton_Click"), "form Archive -");
    EXPECT_EQ(where("mcr_Orders"), "macro mcr Orders +");
    EXPECT_EQ(where("mcr_Orders_Open"), "macro mcr Orders +");
    EXPECT_EQ(where("Option"), "-");
    EXPECT_EQ(facts.forms,
              (std::map<std::string, bool, ILess>{{"Archive", false}, {"Orders", true}}));
    EXPECT_EQ(facts.objectByFile.at("Helpers_2.bas"), "module Helpers");
    ASSERT_EQ(facts.codeByFile.count("Orders.frm"), 1u);
    EXPECT_EQ(facts.codeByFile.at("Orders.frm").front(), "Private Sub OrdersButton_Click()");
}

// --- who caused it ---------------------------------------------------------

TEST_F(ProjectCheckTest, FaultsTheApplicationAlreadyHadAreItsOwn) {
    ApplicationFacts facts;
    facts.known = true;
    facts.procedures["Converted"] = {{"module Helpers", true}};
    facts.procedures["LeftBehind"] = {{"module Extras", false}};
    facts.procedures["OtherForms"] = {{"form Orders", true}};
    facts.forms = {{"Orders", true}, {"Archive", false}};
    facts.objectByFile["M.bas"] = "module M";
    // The original already lacks an End If in Broken; Fixed was well formed.
    facts.codeByFile["M.bas"] = {"Option Compare Database",
                                 "Public Sub Broken()",
                                 "    If a Then",
                                 "        b = 1",
                                 "End Sub",
                                 "Public Sub Fixed()",
                                 "    If a Then",
                                 "    End If",
                                 "End Sub"};
    const auto findings = CheckModule(
        {
            "Public Sub Broken()",  // 3
            "    If a Then",        // 4: as the application had it
            "        b = 1",        // 5
            "        Call Converted: LeftBehind: OtherForms: NeverHad",  // 6
            "        Set f = GetFormFromName(\"Archive\")",              // 7
            "        Set g = GetFormFromName(\"Nowhere\")",              // 8
            "End Sub",                                                   // 9
            "Public Sub Fixed()",                                        // 10
            "    'VLRN If a Then",                                       // 11
            "    End If",                                                // 12: the conversion's
            "End Sub",
        },
        facts);
    const FindingCause app = FindingCause::Application;
    EXPECT_FINDING(findings, "M.bas", 4, "If without End If", app);
    EXPECT_FINDING(findings, "M.bas", 6,
                   "calls Converted, which the project does not define (the application defines it "
                   "in module Helpers)");
    EXPECT_FINDING(findings, "M.bas", 6,
                   "calls LeftBehind, defined in module Extras, which was not converted", app);
    EXPECT_FINDING(findings, "M.bas", 6, "defines only in form Orders, out of this code's reach",
                   app);
    EXPECT_FINDING(findings, "M.bas", 6, "calls NeverHad, which the application never had", app);
    EXPECT_FINDING(findings, "M.bas", 7, "form Archive was not converted", app);
    EXPECT_FINDING(findings, "M.bas", 8, "the application never had a form Nowhere", app);
    EXPECT_FINDING(findings, "M.bas", 12, "End If without If");
    EXPECT_EQ(findings.size(), 8u) << AllText(findings);
}

TEST(ProjectFindingText, NamesFileLineAndTheApplicationsPart) {
    ProjectFinding finding{"A.frm", 12, FindingCause::Conversion, "End If without If"};
    EXPECT_EQ(finding.Text(), "A.frm:12: End If without If");
    finding.cause = FindingCause::Application;
    finding.line = 0;
    EXPECT_EQ(finding.Text().substr(0, 25), "A.frm: End If without If ");
    EXPECT_NE(finding.Text().find("application"), std::string::npos);
}

}  // namespace
}  // namespace velorin
