// The functions of later Visual Basic versions that the support module
// supplies. tests/data/Later.mdb.src calls them all: in its project every
// call resolves to a procedure the project defines, what cannot be supplied
// is marked and recorded, and the functions, run by the interpreter of
// vb_interpreter.cpp, do what Visual Basic 6's documentation says.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "code/code_mask.h"
#include "code/form_reference.h"
#include "common/string_helpers.h"
#include "test_support.h"
#include "vb_interpreter.h"

namespace velorin {
namespace {

using testing::ReadFile;
using testing::VbError;
using testing::VbInterpreter;
using testing::VbUnsupported;
using testing::VbValue;
namespace fs = std::filesystem;
using Names = std::set<std::string, ILess>;

const Names kLaterFunctions{"Split",         "Join",         "Filter",         "Replace",
                            "InStrRev",      "StrReverse",   "Round",          "MonthName",
                            "WeekdayName",   "FormatNumber", "FormatCurrency", "FormatPercent",
                            "FormatDateTime"};

// Converts with the command line; the output folder and the analysis
// database are left in `dir`.
void Convert(const fs::path& input, const testing::TempDir& dir, const std::string& options) {
    const testing::ProgramRun run = testing::RunProgram(
        VELORIN_PROGRAM,
        "convert " + testing::ShellQuoted(input) + " -o " + testing::ShellQuoted(dir / "out") +
            " --yes --support-db " + testing::ShellQuoted(testing::FreshSupportDatabase(dir)) +
            " " + options,
        dir);
    ASSERT_TRUE(run.status == 0 || run.status == 3) << run.err;
}

// Each procedure a project's code defines, by file: (name, public in a module).
struct Definitions {
    std::map<std::string, Names> byFile;
    std::map<std::string, int, ILess> publicCount;  // public procedures of the modules
};

std::vector<std::string> CodeLines(const fs::path& file) {
    return SplitLines(testing::JoinContinuedLines(ReadFile(file)));
}

Definitions DefinitionsOf(const fs::path& project) {
    Definitions found;
    for (const auto& entry : fs::directory_iterator(project)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".bas" && ext != ".frm")
            continue;
        for (const std::string& line : CodeLines(entry.path())) {
            std::string_view code = TrimBlanks(line);
            const bool isPublic = !IStartsWith(code, "Private ");
            for (std::string_view modifier : {"Public ", "Private "}) {
                if (IStartsWith(code, modifier))
                    code = TrimBlanks(code.substr(modifier.size()));
            }
            for (std::string_view kind : {"Function ", "Sub "}) {
                if (!IStartsWith(code, kind))
                    continue;
                const std::string name = LeadingIdentifier(TrimBlanks(code.substr(kind.size())));
                found.byFile[entry.path().filename().string()].insert(name);
                if (isPublic && ext == ".bas")
                    ++found.publicCount[name];
            }
        }
    }
    return found;
}

// What keeps a call of a later function in the project from compiling in
// Visual Basic 5, one line each: a call no procedure of the project answers,
// a `$` form, a VBA. qualifier, a CallByName that is not commented out.
std::vector<std::string> UnresolvedCalls(const fs::path& project) {
    const Definitions defined = DefinitionsOf(project);
    std::vector<std::string> faults;
    for (const auto& [file, own] : defined.byFile) {
        for (const std::string& line : CodeLines(project / file)) {
            const std::string code = MaskedCode(line);
            for (size_t at = 0; at < code.size(); ++at) {
                if (!IsIdentifierChar(code[at]) || (at > 0 && IsIdentifierChar(code[at - 1])))
                    continue;
                const std::string word = LeadingIdentifier(std::string_view(code).substr(at));
                const size_t end = at + word.size();
                const bool dollar = end < code.size() && code[end] == '$';
                const size_t open = code.find_first_not_of(' ', end + dollar);
                const bool member = at > 0 && (code[at - 1] == '.' || code[at - 1] == '!');
                const bool qualified = member && at >= 4 && IEquals(code.substr(at - 4, 3), "VBA");
                at = end;
                if (IEquals(word, "CallByName") && !member)
                    faults.push_back(file + ": " + line);
                if (kLaterFunctions.count(word) == 0 || open == std::string::npos ||
                    code[open] != '(' || (member && !qualified))
                    continue;
                if (dollar || qualified ||
                    (own.count(word) == 0 && defined.publicCount.count(word) == 0))
                    faults.push_back(file + ": " + line);
            }
        }
    }
    return faults;
}

// The later functions the support module defines.
Names Supplied(const fs::path& project) {
    Names supplied;
    Definitions definitions = DefinitionsOf(project);
    for (const std::string& name : definitions.byFile["VlrnConversionCode.bas"]) {
        if (kLaterFunctions.count(name) > 0)
            supplied.insert(name);
    }
    return supplied;
}

const fs::path kLater = testing::SourceDir() / "tests" / "data" / "Later.mdb.src";

TEST(SuppliedFunctions, EveryCallResolvesAndWhatCannotIsMarked) {
    for (const char* options : {"", "--vb4"}) {
        testing::TempDir dir;
        Convert(kLater, dir, options);
        const fs::path out = dir / "out";
        EXPECT_EQ(UnresolvedCalls(out), std::vector<std::string>{}) << options;
        // The project check finds nothing either.
        EXPECT_FALSE(fs::exists(out / "velorin.log")) << ReadFile(out / "velorin.log");
        // The application's own Join stays the one called; each supplied
        // function is defined once, and only those the code calls.
        Names expected = kLaterFunctions;
        expected.erase("Join");
        EXPECT_EQ(Supplied(out), expected) << options;
        const Definitions definitions = DefinitionsOf(out);
        for (const auto& [name, count] : definitions.publicCount)
            EXPECT_EQ(count, 1) << name;
        // The form named like a function takes another name.
        EXPECT_NE(ReadFile(out / "Round.frm").find("Begin VB.Form RoundA"), std::string::npos);

        const std::string module = testing::JoinContinuedLines(ReadFile(out / "basLater.bas"));
        for (const char* kept :
             {"' Replace$(\"a\", \"b\", \"c\") in a comment stays as it is.",
              "Tidy = Replace(strText, \"Replace$(\", \"Split(\") & "
              "StrReverse(\"ab\")",
              "FormatNumber(varValue, 2, -1)", "FormatDateTime(Date, 2)",
              "varParts = Split(strText, \"|\")", "astrParts(0) = Split(strText, \"|\")(0)"})
            EXPECT_NE(module.find(kept), std::string::npos) << kept;
        const auto marked = testing::Rows(
            dir / "vlrn.db", "SELECT CodeLine FROM tblReportOutput WHERE ReasonID = 15");
        EXPECT_EQ(marked, (std::vector<std::vector<std::string>>{
                              {"astrParts = Split(strText, \"|\")"},
                              {"astrParts() = Split(strText, \"|\")"},
                              {"If Len(strText) > 0 Then astrParts = Split(strText, \"|\")"},
                              {"astrGiven = Split(strText, \",\")"},
                              {"Called = CallByName(objTarget, \"Caption\", 2)"}}))
            << options;
        for (const auto& row : marked)
            EXPECT_NE(module.find("'VLRN " + row[0]), std::string::npos) << row[0];
        // A private array of the module that only takes whole arrays becomes a
        // Variant, so its Split needs no mark.
        EXPECT_NE(module.find("Private mastrSaved As Variant"), std::string::npos);
        EXPECT_NE(module.find("\n    mastrSaved = Split(strText, \",\")"), std::string::npos);
    }
}

TEST(SuppliedFunctions, AProjectThatCallsNoneGetsNone) {
    testing::TempDir dir;
    Convert(testing::SourceDir() / "examples" / "Sales.mdb.src", dir, "");
    EXPECT_EQ(Supplied(dir / "out"), Names{});
}

TEST(SuppliedFunctions, TheRealApplicationsCallsAllResolve) {
    const fs::path data = testing::SharedData();
    if (data.empty())
        GTEST_SKIP() << "../shared/data is absent";
    testing::TempDir dir;
    Convert(data / "big_rivers_app" / "source", dir, "");
    EXPECT_EQ(UnresolvedCalls(dir / "out"), std::vector<std::string>{});
    EXPECT_EQ(Supplied(dir / "out"), (Names{"InStrRev", "Replace", "Split"}));
}

VbValue S(std::string text) {
    return VbValue::String(std::move(text));
}
VbValue N(double number) {
    return VbValue::Number(number);
}
const VbValue kMissing = VbValue::Missing();

std::vector<std::string> Items(const VbValue& array) {
    std::vector<std::string> items;
    EXPECT_EQ(array.kind, VbValue::Kind::Array);
    for (const VbValue& item : array.items ? *array.items : std::vector<VbValue>{})
        items.push_back(testing::VbText(item));
    return items;
}

using Strings = std::vector<std::string>;

class SuppliedFunctionBehaviour : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // Without the application's own Join, every function is supplied.
        testing::TempDir dir;
        Convert(kLater, dir, "--module basLater");
        module = new std::string(ReadFile(dir / "out" / "VlrnConversionCode.bas"));
    }
    static void TearDownTestSuite() { delete module; }

    std::string Text(std::string_view function, const std::vector<VbValue>& args) {
        return testing::VbText(vb.Call(function, args));
    }
    int Error(std::string_view function, const std::vector<VbValue>& args) {
        try {
            vb.Call(function, args);
        } catch (const VbError& error) {
            return error.number;
        }
        return 0;
    }

    static std::string* module;
    VbInterpreter vb{*module};
};
std::string* SuppliedFunctionBehaviour::module = nullptr;

TEST_F(SuppliedFunctionBehaviour, SplitJoinAndFilter) {
    EXPECT_EQ(Items(vb.Call("Split", {S("a,b,,c"), S(",")})), (Strings{"a", "b", "", "c"}));
    EXPECT_EQ(Items(vb.Call("Split", {S("")})), Strings{});  // UBound -1
    EXPECT_EQ(Items(vb.Call("Split", {S("a b c")})), (Strings{"a", "b", "c"}));
    EXPECT_EQ(Items(vb.Call("Split", {S("42, 12, 19"), S(", "), N(2)})), (Strings{"42", "12, 19"}));
    EXPECT_EQ(Items(vb.Call("Split", {S("Alice and Bob"), S(" AND ")})), Strings{"Alice and Bob"});
    EXPECT_EQ(Items(vb.Call("Split", {S("Alice and Bob"), S(" AND "), kMissing, N(1)})),
              (Strings{"Alice", "Bob"}));
    EXPECT_EQ(Items(vb.Call("Split", {S("xx"), S("x")})), (Strings{"", "", ""}));
    EXPECT_EQ(Items(vb.Call("Split", {S("a,b"), S("")})), Strings{"a,b"});

    EXPECT_EQ(Text("Join", {vb.Call("Split", {S("a,b,,c"), S(",")}), S("-")}), "a-b--c");
    EXPECT_EQ(Text("Join", {VbValue::Array({S("a"), N(2)})}), "a 2");
    EXPECT_EQ(Text("Join", {VbValue::Array({}), S(",")}), "");

    const VbValue fruit = VbValue::Array({S("apple"), S("Banana"), S("cherry")});
    EXPECT_EQ(Items(vb.Call("Filter", {fruit, S("an")})), Strings{"Banana"});
    EXPECT_EQ(Items(vb.Call("Filter", {fruit, S("an"), VbValue::Bool(false)})),
              (Strings{"apple", "cherry"}));
    EXPECT_EQ(Items(vb.Call("Filter", {fruit, S("A"), VbValue::Bool(true), N(1)})),
              (Strings{"apple", "Banana"}));
    EXPECT_EQ(Items(vb.Call("Filter", {fruit, S("x")})), Strings{});
}

TEST_F(SuppliedFunctionBehaviour, ReplaceInStrRevAndStrReverse) {
    // The result begins at Start.
    EXPECT_EQ(Text("Replace", {S("abcabc"), S("b"), S("X"), N(3)}), "caXc");
    EXPECT_EQ(Text("Replace", {S("abcabc"), S("ab"), S("X"), N(3)}), "cXc");
    EXPECT_EQ(Text("Replace", {S("alphabet"), S("a"), S("e"), N(2)}), "lphebet");
    EXPECT_EQ(Text("Replace", {S("Shopping List"), S("o"), S("i")}), "Shipping List");
    EXPECT_EQ(Text("Replace", {S("abcabc"), S("b"), S("X"), kMissing, N(1)}), "aXcabc");
    EXPECT_EQ(Text("Replace", {S("abc"), S("b"), S("")}), "ac");
    EXPECT_EQ(Text("Replace", {S("abc"), S(""), S("X"), N(2)}), "bc");
    EXPECT_EQ(Text("Replace", {S("abc"), S("b"), S("X"), N(4)}), "");
    EXPECT_EQ(Text("Replace", {S("aaa"), S("a"), S("aa")}), "aaaaaa");
    EXPECT_EQ(Text("Replace", {S("ABab"), S("a"), S("x"), kMissing, kMissing, N(1)}), "xBxb");
    EXPECT_EQ(Error("Replace", {S("abc"), S("b"), S("X"), N(0)}), 5);

    const VbValue fox = S("the quick brown fox jumps over the lazy dog");
    EXPECT_EQ(Text("InStrRev", {S("abcabc"), S("b")}), "5");
    EXPECT_EQ(Text("InStrRev", {fox, S("the")}), "32");
    EXPECT_EQ(Text("InStrRev", {fox, S("the"), N(16)}), "1");
    EXPECT_EQ(Text("InStrRev", {S("abcabc"), S("bc"), N(5)}), "2");  // the match ends by Start
    EXPECT_EQ(Text("InStrRev", {S("abc"), S("x")}), "0");
    EXPECT_EQ(Text("InStrRev", {S(""), S("a")}), "0");
    EXPECT_EQ(Text("InStrRev", {S("abc"), S(""), N(2)}), "2");
    EXPECT_EQ(Text("InStrRev", {S("abc"), S("b"), N(4)}), "0");
    EXPECT_EQ(Text("InStrRev", {S("ABC"), S("b"), kMissing, N(1)}), "2");
    EXPECT_EQ(Error("InStrRev", {S("abc"), S("b"), N(0)}), 5);

    EXPECT_EQ(Text("StrReverse", {S("abc")}), "cba");
    EXPECT_EQ(Text("StrReverse", {S("")}), "");
}

TEST_F(SuppliedFunctionBehaviour, RoundHalfToEven) {
    EXPECT_EQ(Text("Round", {N(2.5)}), "2");
    EXPECT_EQ(Text("Round", {N(3.5)}), "4");
    EXPECT_EQ(Text("Round", {N(-2.5)}), "-2");
    EXPECT_EQ(Text("Round", {N(2.6)}), "3");
    EXPECT_EQ(Text("Round", {N(1.2345), N(2)}), "1.23");
    EXPECT_EQ(Text("Round", {N(0.125), N(2)}), "0.12");
    EXPECT_EQ(Text("Round", {S("7.5")}), "8");
    EXPECT_EQ(vb.Call("Round", {VbValue::Null()}).kind, VbValue::Kind::Null);
    EXPECT_EQ(Error("Round", {N(1), N(-1)}), 5);
}

TEST_F(SuppliedFunctionBehaviour, MonthAndWeekdayNames) {
    EXPECT_EQ(Text("MonthName", {N(1)}), "January");
    EXPECT_EQ(Text("MonthName", {N(12), VbValue::Bool(true)}), "Dec");
    EXPECT_EQ(Error("MonthName", {N(13)}), 5);
    EXPECT_EQ(Text("WeekdayName", {N(1)}), "Sunday");
    EXPECT_EQ(Text("WeekdayName", {N(6), VbValue::Bool(true)}), "Fri");
    EXPECT_EQ(Text("WeekdayName", {N(1), VbValue::Bool(false), N(2)}), "Monday");
    EXPECT_EQ(Text("WeekdayName", {N(7), kMissing, N(2)}), "Sunday");
    EXPECT_EQ(Text("WeekdayName", {N(3), kMissing, N(7)}), "Monday");
    EXPECT_EQ(Error("WeekdayName", {N(8)}), 5);
}

TEST_F(SuppliedFunctionBehaviour, NumbersCurrenciesPercentsAndDates) {
    EXPECT_EQ(Text("FormatNumber", {N(1234.5)}), "1,234.50");
    EXPECT_EQ(Text("FormatNumber", {N(1234.5), N(0)}), "1,235");
    EXPECT_EQ(Text("FormatNumber", {N(0.5), N(2), N(0)}), ".50");
    EXPECT_EQ(Text("FormatNumber", {N(-3), N(1), kMissing, N(-1)}), "(3.0)");
    EXPECT_EQ(Text("FormatNumber", {N(-3), N(1)}), "-3.0");
    EXPECT_EQ(Text("FormatNumber", {N(1234.5), N(1), kMissing, kMissing, N(0)}), "1234.5");
    EXPECT_EQ(Text("FormatPercent", {N(0.255)}), "25.50%");
    EXPECT_EQ(Text("FormatPercent", {N(0.5), N(0)}), "50%");
    EXPECT_EQ(Text("FormatCurrency", {N(-1234.5)}), "($1,234.50)");
    EXPECT_EQ(Text("FormatCurrency", {N(1234.5), N(0)}), "$1,235");
    EXPECT_EQ(Text("FormatCurrency", {N(-2), N(0)}), "($2)");
    EXPECT_EQ(Text("FormatCurrency", {N(-2), N(0), kMissing, N(0)}), "-$2");

    const VbValue noon = N(36527.5);  // 2 January 2000, 12:00
    EXPECT_EQ(Text("FormatDateTime", {noon}), "1/2/2000 12:00:00 PM");
    EXPECT_EQ(Text("FormatDateTime", {noon, N(1)}), "Sunday, January 2, 2000");
    EXPECT_EQ(Text("FormatDateTime", {noon, N(2)}), "1/2/2000");
    EXPECT_EQ(Text("FormatDateTime", {noon, N(3)}), "12:00:00 PM");
    EXPECT_EQ(Text("FormatDateTime", {noon, N(4)}), "12:00");
    EXPECT_EQ(Error("FormatDateTime", {noon, N(5)}), 5);
}

TEST(VbInterpreterTest, RefusesWhatItDoesNotImplement) {
    VbInterpreter vb(
        testing::CrLf({"Public Function Picks(x As Variant) As Variant", "    Select Case x",
                       "    Case 1: Picks = 1", "    End Select", "End Function",
                       "Public Function Typed(Optional n As Long = 1) As Long", "    Typed = n",
                       "End Function", "Public Function Other() As Long", "    Other = Sgn(-1)",
                       "End Function", "Public Function Several(x As Variant) As Long",
                       "    If x Then Several = 1: Several = 2", "End Function"}));
    EXPECT_THROW(vb.Call("Picks", {N(1)}), VbUnsupported);
    EXPECT_THROW(vb.Call("Typed", {}), VbUnsupported);
    EXPECT_THROW(vb.Call("Other", {}), VbUnsupported);
    EXPECT_THROW(vb.Call("Several", {VbValue::Bool(true)}), VbUnsupported);
    EXPECT_THROW(vb.Call("Missing", {}), VbUnsupported);
}

}  // namespace
}  // namespace velorin
