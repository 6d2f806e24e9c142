// The language of later Access that Visual Basic 5 and 4 lack: each construct
// translated, or marked and recorded with reason 15; whole conversions of the
// test export LaterLanguage.mdb.src and of the real application (skipped without
// ../shared) whose output holds nothing unmarked that Visual Basic 4 cannot
// read. vb6check, a VB6 grammar that accepts these constructs too, checks
// that the output parses (skipped without ../shared/tools).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>

#include "code/module_conversion.h"
#include "common/string_helpers.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using testing::CrLf;
using testing::TempDir;

constexpr std::string_view kMarker = "'VLRN ";
using Names = std::set<std::string, ILess>;

// vb6check's faults in the .bas and .frm files of `dir`; empty when it
// accepts them or is not there.
std::string Vb6CheckFaults(const fs::path& dir) {
    const fs::path tool =
        testing::SourceDir().parent_path() / "shared" / "tools" / "vb6check" / "vb6check";
    if (!fs::exists(tool))
        return {};
    const std::string command = "'" + tool.string() + "' -n 3 '" + dir.string() + "' >'" +
                                (dir / "vb6check.txt").string() + "' 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? std::string()
                                                         : testing::ReadFile(dir / "vb6check.txt");
}

// The words and signs of a line's code, string literals left out.
std::vector<std::string> CodeWords(std::string_view line) {
    const std::string_view code = CodeBeforeComment(line);
    std::vector<std::string> words;
    for (size_t i = 0; i < code.size();) {
        const auto isName = [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        };
        if (code[i] == '"') {
            i = std::min(code.find('"', i + 1), code.size() - 1) + 1;
        } else if (isName(code[i])) {
            size_t end = i;
            while (end < code.size() && isName(code[end]))
                ++end;
            words.emplace_back(code.substr(i, end - i));
            i = end;
        } else {
            if (code[i] != ' ' && code[i] != '\t')
                words.emplace_back(1, code[i]);
            ++i;
        }
    }
    return words;
}

// The code of a line that Visual Basic 4 lacks and no marker comments out:
// an Enum, events, Implements, AddressOf, Friend, 64-bit declarations, an
// enum as a type (`enums`) or a typed or defaulted Optional parameter.
bool Vb4Lacks(std::string_view line, const Names& enums) {
    line = TrimWhitespace(line);
    if (line.starts_with(kMarker))
        return false;
    const std::vector<std::string> w = CodeWords(line.substr(0, line.find("\t'VLRN ")));
    for (size_t i = 0; i < w.size(); ++i) {
        for (const char* lacked : {"Enum", "RaiseEvent", "WithEvents", "Implements", "AddressOf",
                                   "Friend", "PtrSafe", "LongPtr", "LongLong"}) {
            if (IEquals(w[i], lacked))
                return true;
        }
        if (IEquals(w[i], "Event") && (i == 0 || (i == 1 && IEquals(w[0], "Public"))))
            return true;
        if (IEquals(w[i], "As") && i + 1 < w.size() && enums.count(w[i + 1]) > 0)
            return true;
        if (!IEquals(w[i], "Optional"))
            continue;
        for (size_t k = i + 1; k < w.size() && w[k] != "," && w[k] != ")"; ++k) {
            if (w[k] == "=" ||
                (IEquals(w[k], "As") && k + 1 < w.size() && !IEquals(w[k + 1], "Variant")))
                return true;
        }
    }
    return false;
}

class TargetLanguageTest : public ::testing::Test {
  protected:
    TargetLanguageTest() : session(app, testing::FreshSupportDatabase(dir), ui) {}

    void UseVb4() {
        testing::ChangeSettings(session,
                                [](ConversionSettings& s) { s.options.vb5Project = false; });
    }
    void AddModule(const std::string& name, std::vector<std::string> lines) {
        app.AddModule({name, std::move(lines)});
    }
    // Converts the module (or form) `name` as the application holds it and
    // writes it where vb6check reads it.
    std::vector<std::string> Convert(const std::string& name, bool isForm = false) {
        FormFacts form;
        const CodeText code = ConvertCodeFile(
            session, name, ExportModuleText(session, name, isForm), isForm ? &form : nullptr);
        const std::string header =
            isForm ? "VERSION 5.00\r\nBegin VB.Form " + name +
                         "\r\n   Caption = \"x\"\r\nEnd\r\nAttribute VB_Name = \"" + name + "\"\r\n"
                   : "Attribute VB_Name = \"" + name + "\"\r\n";
        fs::create_directories(dir / "vb");
        testing::WriteFile(dir / "vb" / (name + (isForm ? ".frm" : ".bas")),
                           header + code.Joined());
        return code.Lines();
    }
    // The analysis rows: reason, line number, code line.
    std::vector<std::vector<std::string>> Records(const std::string& module) {
        session.supportDb.Close();
        return testing::Rows(dir / "vlrn.db",
                             "SELECT ReasonID, LineNumber, CodeLine FROM tblReportOutput WHERE "
                             "ModuleName = '" +
                                 module + "' ORDER BY ID");
    }
    void ExpectParsesAndLacksNothing(const std::vector<std::string>& lines, const Names& enums) {
        for (const std::string& line : lines)
            EXPECT_FALSE(Vb4Lacks(line, enums)) << line;
        EXPECT_EQ(Vb6CheckFaults(dir / "vb"), "");
    }

    TempDir dir;
    AccessApplication app;
    testing::ScriptedUi ui;
    Session session;
};

TEST_F(TargetLanguageTest, Vb4EnumsBecomeConstantsAndTheirNamesLong) {
    AddModule("Kinds", {"Option Explicit",
                        "Public Enum Colour",
                        "Red",
                        "Green = 5",
                        "Blue ' six",
                        "Mask = &HFFFF",
                        "AfterMask",
                        "End Enum",
                        "Private Enum Extent",
                        "[_First] = 1",
                        "Small = 1",
                        "Large",
                        "[_Last] = Large",
                        "End Enum",
                        "Enum Shape",
                        "[_First] = 10",
                        "Round = 10",
                        "Square = Round + 1",
                        "Other",
                        "End Enum",
                        "Public Function Hue(ByVal c As Colour) As Colour",
                        "Hue = Colour.Blue: Debug.Print \"Colour.Red\", Extent.[_Last] ' As Colour",
                        "End Function"});
    AddModule("Uses", {"Public Sub Paint(Optional ByVal c As Colour = Colour.Green)",
                       "Dim s As Kinds.Shape, m As Mode", "s = Shape.[_First]",
                       "Debug.Print Mode.Auto", "End Sub"});
    auto panel = testing::FormFromBlocks("Panel", {}, {});
    panel->SetCodeLines({"Public Enum Mode", "Auto", "End Enum"});
    app.AddForm(std::move(panel));
    UseVb4();

    const std::vector<std::string> kinds = Convert("Kinds");
    const std::string note = " (its members are constants: Visual Basic 4 has no Enum)";
    EXPECT_EQ(
        kinds,
        (std::vector<std::string>{
            "Option Explicit", "'Public Enum Colour" + note, "Public Const Red As Long = 0",
            "Public Const Green As Long = 5", "Public Const Blue As Long = 6 ' six",
            // &HFFFF is the Integer -1: the next member counts 0.
            "Public Const Mask As Long = &HFFFF", "Public Const AfterMask As Long = 0", "'End Enum",
            "'Private Enum Extent" + note, "Private Const Extent__First As Long = 1",
            "Private Const Small As Long = 1", "Private Const Large As Long = 2",
            "Private Const Extent__Last As Long = Large", "'End Enum", "'Enum Shape" + note,
            "Public Const Shape__First As Long = 10", "Public Const Round As Long = 10",
            "Public Const Square As Long = Round + 1", "Public Const Other As Long = Square + 1",
            "'End Enum", "Public Function Hue(ByVal c As Long) As Long",
            "Hue = Blue: Debug.Print \"Colour.Red\", Extent__Last ' As Colour", "End Function"}));
    const std::vector<std::string> uses = Convert("Uses");
    EXPECT_EQ(uses, (std::vector<std::string>{
                        "Public Sub Paint(Optional ByVal c As Variant)",
                        "If IsMissing(c) Then c = CLng(Green)", "Dim s As Long, m As Long",
                        "s = Shape__First",
                        // A form's enum is the form's: its constants are private there.
                        "'VLRN Debug.Print Mode.Auto", "End Sub"}));
    EXPECT_EQ(Convert("Panel", true),
              (std::vector<std::string>{"'Public Enum Mode" + note,
                                        "Private Const Auto As Long = 0", "'End Enum"}));
    EXPECT_EQ(Records("Uses"),
              (std::vector<std::vector<std::string>>{{"15", "3", "Debug.Print Mode.Auto"}}));
    ExpectParsesAndLacksNothing(uses, {"Colour", "Extent", "Shape", "Mode"});
}

TEST_F(TargetLanguageTest, WholeArraysBecomeVariantsWhereEveryUseAllowsIt) {
    AddModule("Shared", {"Public gShared() As String"});
    AddModule("Lists", {"Private mNames() As String, mKept() As String",
                        "Public Function Words(ByVal s As String) As String()",
                        "Dim parts() As String, n As Long",
                        "parts = Split(s, \" \")",
                        "For n = 0 To UBound(parts): parts(n) = Trim(parts(n)): Next",
                        "Words = parts",
                        "End Function",
                        "Public Sub Remember(ByVal s As String)",
                        "If Len(s) Then mNames = Words(s) Else mNames = Words(\"\")",
                        "mKept = mNames",
                        "Debug.Print Join(mNames, \",\"), mKept(0)",
                        "gShared = Words(s)",
                        "End Sub",
                        "Public Sub Forget(ByVal s As String)",
                        "Dim kept() As String",
                        "kept = Words(s)",
                        "Erase kept",
                        "End Sub",
                        "Public Function Count(items() As String) As Long",
                        "items = Words(\"a b\")",
                        "Count = UBound(items)",
                        "End Function",
                        "Public Property Get Items() As String()",
                        "Items = mNames",
                        "End Property",
                        "Public Property Let Items(v() As String)",
                        "mNames = v",
                        "End Property"});
    const std::vector<std::string> lines = Convert("Lists");
    for (auto [at, expected] : std::vector<std::pair<size_t, std::string>>{
             {0, "Private mNames As Variant, mKept As Variant"},
             {1, "Public Function Words(ByVal s As String) As Variant"},
             {2, "Dim parts As Variant, n As Long"},
             {3, "parts = Split(s, \" \")"},
             // Kept where a Variant would not do: another module's public
             // array, one erased, a parameter that is the caller's array.
             {11, "'VLRN gShared = Words(s)"},
             {14, "Dim kept() As String"},
             {15, "'VLRN kept = Words(s)"},
             {19, "'VLRN items = Words(\"a b\")"},
             {22, "Public Property Get Items() As Variant"},
             {25, "Public Property Let Items(v As Variant)"}})
        EXPECT_EQ(lines.at(at), expected);
    const auto records = Records("Lists");
    ASSERT_EQ(records.size(), 3u);
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i][0], "15") << records[i][2];
    EXPECT_EQ(records[0][2], "gShared = Words(s)");
    EXPECT_EQ(Vb6CheckFaults(dir / "vb"), "");
}

TEST_F(TargetLanguageTest, PointerSizedDeclarationsAre32BitInEveryBranch) {
    const std::vector<std::string> input = {
        "#If VBA7 Then",
        "Private Declare PtrSafe Function FindWindow Lib \"user32\" Alias \"FindWindowA\" _",
        "    (ByVal lpClassName As String, ByVal lpWindowName As String) As LongPtr",
        "Private Declare PtrSafe Function GetTickCount64 Lib \"kernel32\" () As LongLong",
        "#Else",
        "Private Declare Function FindWindow Lib \"user32\" Alias \"FindWindowA\" _",
        "    (ByVal lpClassName As String, ByVal lpWindowName As String) As Long",
        "#End If",
        "Public Function Handle() As Long",
        "Dim h As LongPtr: h = CLngPtr(FindWindow(vbNullString, \"LongPtr\"))",
        "Handle = h",
        "End Function"};
    AddModule("Native", input);
    const std::vector<std::string> expected = {
        "#If VBA7 Then",
        // A changed continued statement is written as the one line it became.
        "Private Declare Function FindWindow Lib \"user32\" Alias \"FindWindowA\" (ByVal "
        "lpClassName As String, ByVal lpWindowName As String) As Long",
        "'VLRN Private Declare PtrSafe Function GetTickCount64 Lib \"kernel32\" () As LongLong",
        "#Else", input[5], std::string(TrimBlanks(input[6])), "#End If",
        "Public Function Handle() As Long",
        "Dim h As Long: h = CLng(FindWindow(vbNullString, \"LongPtr\"))", "Handle = h",
        "End Function"};
    for (bool vb4 : {false, true}) {
        if (vb4)
            UseVb4();
        EXPECT_EQ(Convert("Native"), expected) << vb4;
    }
    const auto records = Records("Native");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], (std::vector<std::string>{"15", records[0][1], input[3]}));
    EXPECT_EQ(Vb6CheckFaults(dir / "vb"), "");
}

TEST_F(TargetLanguageTest, Vb4MarksEventsAndMakesFriendPublic) {
    const std::vector<std::string> input = {"Implements IShape",
                                            "Private Type Pair",
                                            "a As Long",
                                            "End Type",
                                            "Public Event Changed(ByVal value As Long)",
                                            "Private WithEvents mOther As Form_Notifier",
                                            "Friend Property Get Value() As Long",
                                            "Value = 1",
                                            "End Property",
                                            "Friend Sub Take(p As Pair)",
                                            "If p.a Then",
                                            "p.a = 0",
                                            "End If",
                                            "End Sub",
                                            "Private Sub Notify()",
                                            "RaiseEvent Changed(1): Debug.Print AddressOf Notify",
                                            "End Sub"};
    AddModule("Notifier", input);
    EXPECT_EQ(Convert("Notifier"), input);  // Visual Basic 5 has them all
    UseVb4();
    std::vector<std::string> expected = input;
    expected[0] = "'VLRN Implements IShape";
    expected[4] = "'VLRN Public Event Changed(ByVal value As Long)";
    expected[5] =
        "Private mOther As Form_Notifier\t'VLRN Private WithEvents mOther As Form_Notifier";
    expected[6] = "Public Property Get Value() As Long";
    // A public procedure of a form may not take a user-defined type: it goes whole.
    for (size_t i = 9; i <= 13; ++i)
        expected[i] = std::string(kMarker) + input[i];
    expected[15] = std::string(kMarker) + input[15];
    const std::vector<std::string> lines = Convert("Notifier");
    EXPECT_EQ(lines, expected);
    std::vector<std::string> recorded;
    for (const auto& row : Records("Notifier")) {
        if (row[0] == "15")
            recorded.push_back(row[2]);
    }
    EXPECT_EQ(recorded,
              (std::vector<std::string>{input[0], input[4], input[5], input[9], input[15]}));
    ExpectParsesAndLacksNothing(lines, {});
}

TEST_F(TargetLanguageTest, Vb4OptionalParametersGetTheirValueAsTheBodyStarts) {
    AddModule(
        "Optionals",
        {"Application.Echo False",
         "Public Sub Greet(Optional ByVal who As String = \"world\", Optional n As Integer = 2, _",
         "    Optional big As Long = 5, Optional f As Form, Optional v As Variant, Optional b As "
         "Boolean)",
         "Application.Echo True", "End Sub"});
    const auto vb5 = Convert("Optionals");
    UseVb4();
    const std::vector<std::string> lines = Convert("Optionals");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end() - 2),
              (std::vector<std::string>{
                  "Public Sub Greet(Optional ByVal who As Variant, Optional n As Variant, Optional "
                  "big As Variant, Optional f As Variant, Optional v As Variant, Optional b As "
                  "Variant)",
                  "If IsMissing(who) Then who = \"world\"", "If IsMissing(n) Then n = 2",
                  "If IsMissing(big) Then big = CLng(5)", "If IsMissing(f) Then Set f = Nothing",
                  "If IsMissing(b) Then b = False"}));
    // A record's line number counts the lines added before it, as the
    // translation counts every line it adds.
    session.supportDb.Close();
    const auto rows =
        testing::Rows(dir / "vlrn.db", "SELECT LineNumber FROM tblReportOutput ORDER BY ID");
    ASSERT_EQ(rows.size(), 4u);
    const long added = 5;
    EXPECT_EQ(std::stol(rows[3][0]) - std::stol(rows[2][0]),
              std::stol(rows[1][0]) - std::stol(rows[0][0]) + added);
    EXPECT_EQ(vb5.size(), 5u);
    ExpectParsesAndLacksNothing(lines, {});
}

// Converts with the command line; returns its exit status.
int ConvertExport(const fs::path& input, const fs::path& out, const fs::path& db,
                  const std::string& options) {
    const std::string command = std::string("'") + VELORIN_PROGRAM + "' convert '" +
                                input.string() + "' -o '" + out.string() +
                                "' --yes --support-db '" + db.string() + "' " + options +
                                " </dev/null >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The Enum names the files of an export folder declare.
Names EnumNames(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.path().extension() != ".bas")
            continue;
        for (const std::string& line : SplitLines(testing::ReadFile(entry.path()))) {
            const std::vector<std::string> w = CodeWords(line);
            for (size_t i = 0; i + 1 < w.size() && i < 2; ++i) {
                if (IEquals(w[i], "Enum"))
                    names.insert(w[i + 1]);
            }
        }
    }
    return names;
}

// Lines of the project's code that Visual Basic 4 lacks and no marker comments out.
std::vector<std::string> LackedLines(const fs::path& project, const Names& enums) {
    std::vector<std::string> lacked;
    for (const auto& entry : fs::directory_iterator(project)) {
        if (entry.path().extension() != ".bas" && entry.path().extension() != ".frm")
            continue;
        for (const std::string& line : SplitLines(testing::ReadFile(entry.path()))) {
            if (Vb4Lacks(line, enums))
                lacked.push_back(entry.path().filename().string() + ": " + line);
        }
    }
    return lacked;
}

TEST(LaterAccessCode, ConvertsIntoEitherVisualBasic) {
    const fs::path input = testing::SourceDir() / "tests" / "data" / "LaterLanguage.mdb.src";
    const Names enums = EnumNames(input);
    ASSERT_EQ(enums, (Names{"Colour", "Extent", "Shape"}));
    for (const std::string options : {"--vb4", "--vb5"}) {
        TempDir dir;
        const fs::path db = testing::FreshSupportDatabase(dir);
        // The project check finds nothing.
        ASSERT_EQ(ConvertExport(input, dir / "vb", db, options), 0) << options;
        EXPECT_EQ(Vb6CheckFaults(dir / "vb"), "") << options;
        const auto records =
            testing::Rows(db, "SELECT ModuleName, ReasonID, CodeLine FROM tblReportOutput");
        for (const auto& entry : fs::directory_iterator(dir / "vb")) {
            const std::string module = entry.path().stem().string();
            for (const std::string& line : SplitLines(testing::ReadFile(entry.path()))) {
                std::string_view marked = TrimWhitespace(line);
                if (!marked.starts_with(kMarker)) {
                    const size_t note = marked.find("\t'VLRN ");
                    marked = note == std::string_view::npos ? "" : marked.substr(note + 1);
                }
                if (marked.empty() || marked == "'VLRN Option Compare Database")
                    continue;
                marked.remove_prefix(kMarker.size());
                bool found = false;
                for (const auto& row : records)
                    found =
                        found || (row[0] == module && row[1] == "15" && row[2].starts_with(marked));
                EXPECT_TRUE(found) << options << " " << module << ": " << line;
            }
        }
        const std::string notifier = testing::ReadFile(dir / "vb" / "Notifier.frm");
        const std::string kinds = testing::ReadFile(dir / "vb" / "Kinds.bas");
        if (options == "--vb4") {
            EXPECT_EQ(LackedLines(dir / "vb", enums), std::vector<std::string>{});
            EXPECT_NE(notifier.find("If IsMissing(shade) Then shade = CLng(0)"), std::string::npos);
        } else {
            // Visual Basic 5 has them: they stay as the application wrote them.
            EXPECT_NE(kinds.find("Public Enum Colour\r\n    Red\r\n    Green = 5\r\n"),
                      std::string::npos);
            EXPECT_NE(notifier.find("\r\nPublic Event Changed(ByVal value As Long)\r\n"),
                      std::string::npos);
            EXPECT_NE(notifier.find("\r\n    RaiseEvent Changed(v)\r\n"), std::string::npos);
        }
    }
}

TEST(LaterAccessCode, TheRealApplicationKeepsNothingVisualBasic4Lacks) {
    const fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    const fs::path input = data / "big_rivers_app" / "source";
    TempDir dir;
    // The export lacks modules its forms call: the project check says so (3).
    ASSERT_EQ(ConvertExport(input, dir / "vb", testing::FreshSupportDatabase(dir), "--vb4"), 3);
    const Names enums = EnumNames(input);
    EXPECT_EQ(enums.size(), 16u);
    EXPECT_EQ(LackedLines(dir / "vb", enums), std::vector<std::string>{});
}

}  // namespace
}  // namespace velorin
