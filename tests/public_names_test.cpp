// The public names of a module, learnt before any module is converted, are
// read without checking every statement; they must be what the full check of
// the module learns.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/string_helpers.h"
#include "project/code_structure_check.h"
#include "project/project_check.h"
#include "project/vb_logical_lines.h"
#include "test_support.h"

namespace velorin {
namespace {

using namespace testing;

std::vector<std::string> NamesByTheFullCheck(const std::vector<std::string_view>& code) {
    const CodeFacts facts = CheckCode(ReadLogicalLines(code, 0, code.size()), CodeContext());
    std::vector<std::string> names = facts.publicVariables;
    for (const Procedure& procedure : facts.procedures) {
        if (procedure.isPublic)
            names.push_back(procedure.name);
    }
    return names;
}

TEST(PublicNames, OfAHandMadeModuleWhoseProceduresEndInOddPlaces) {
    const std::string module = CrLf({
        "Option Compare Database",
        "Public gCount As Long, gName As String",
        "Private mHidden As Integer",
        "Global Const gLimit = 10",
        "Public Enum Colours",
        "    Red = 1",
        "    Green",
        "End Enum",
        "Declare Function GetTickCount Lib \"kernel32\" () As Long",
        "Private Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)",
        "Public Sub First()",
        "    Dim local As Integer: If local = 0 Then Exit Sub",
        "    Debug.Print \"End Sub\"",
        "    If local > 1 Then x = 1: End Sub",
        "Function Second(Optional ByVal a As Integer = 1) As Integer",
        "#If Win32 Then",
        "    Second = 1",
        "#Else",
        "    Second = 2",
        "#End If",
        "    Sub Third()",  // begins inside Second, which is not closed
        "    MsgBox \"x\" _",
        "        & \"End Function\"",
        "End Sub",
        "Private Function Hidden() As Integer",
        "End Function",
        "Property Get Size() As Long",
        "End Property",
        "Public Property Let Size(ByVal value As Long)",
        "    mHidden = value",
        "Public Sub NeverClosed()",
        "    y = 1",
    });
    const std::vector<std::string_view> lines = SplitLineViews(module);
    const std::vector<std::string> expected = {"gCount", "gName",        "gLimit", "Red",
                                               "Green",  "GetTickCount", "First",  "Second",
                                               "Third",  "Size",         "Size",   "NeverClosed"};
    EXPECT_EQ(NamesByTheFullCheck(lines), expected);
    EXPECT_EQ(PublicNamesOfModule(lines), expected);
}

TEST(PublicNames, OfEveryModuleAtHandAreWhatTheFullCheckLearns) {
    std::vector<std::filesystem::path> roots = {SourceDir() / "tests"};
    if (!SharedData().empty())
        roots.push_back(SharedData() / "big_rivers_app");
    size_t modules = 0;
    for (const std::filesystem::path& root : roots) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".bas" && extension != ".cls")
                continue;
            SCOPED_TRACE(entry.path().string());
            const std::string text = ReadFile(entry.path());
            const std::vector<std::string_view> lines = SplitLineViews(text);
            EXPECT_EQ(PublicNamesOfModule(lines), NamesByTheFullCheck(lines));
            ++modules;
        }
    }
    EXPECT_GT(modules, 50u);
}

}  // namespace
}  // namespace velorin
