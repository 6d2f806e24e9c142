// The layout the current releases of the version-control add-in write: a
// form's code beside its design, modules in subfolders, JSON sidecar files,
// and a folder named after a database of a later Access. The export in
// tests/data/Testing.accdb.src is made for these tests.
#include <gtest/gtest.h>

#include <map>

#include "session/host/database_loader.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

fs::path CurrentLayoutExport() {
    return testing::SourceDir() / "tests" / "data" / "Testing.accdb.src";
}

std::string Diagnostics(const AccessApplication& app) {
    std::string text;
    for (const LoadDiagnostic& d : app.Diagnostics())
        text += d.path + ": " + d.message + "\n";
    return text;
}

// Runs the program; `said` is what it printed, standard output then error.
int Velorin(const std::string& arguments, const TempDir& dir, std::string& said) {
    const testing::ProgramRun run = testing::RunProgram(VELORIN_PROGRAM, arguments, dir);
    said = run.out + run.err;
    return run.status;
}

// Converts `source` into `out` with --yes and `options`; returns what the program said.
std::string Convert(const fs::path& source, const fs::path& out, const TempDir& dir,
                    const std::string& options = {}) {
    std::string said;
    EXPECT_EQ(Velorin("convert " + testing::ShellQuoted(source) + " -o " +
                          testing::ShellQuoted(out) + " --yes " + options + " --support-db " +
                          testing::ShellQuoted(testing::FreshSupportDatabase(dir)),
                      dir, said),
              0)
        << said;
    return said;
}

TEST(CurrentExportLayout, EveryObjectIsReadAndNoSidecarIsTakenForOne) {
    const LoadedDatabase loaded = LoadDatabase(CurrentLayoutExport());
    ASSERT_TRUE(loaded.application) << loaded.error;
    const AccessApplication& app = *loaded.application;
    EXPECT_EQ(Diagnostics(app), "");
    EXPECT_EQ(app.Documents(Container::Forms), (std::vector<std::string>{"frmMain"}));
    // Both subfolders of modules/ are read.
    EXPECT_EQ(app.Documents(Container::Modules),
              (std::vector<std::string>{"basCore", "clsPerson"}));
    ASSERT_NE(app.Module("clsPerson"), nullptr);
    EXPECT_TRUE(app.Module("clsPerson")->isClass);
    EXPECT_FALSE(app.Module("basCore")->isClass);
    EXPECT_NE(app.Module("basCore")->sourceFile.find("modules/Core/basCore.bas"),
              std::string::npos);

    // The form's code comes from NAME.cls beside its design, without the class header.
    const AccessForm* form = app.OpenForm("frmMain");
    ASSERT_NE(form, nullptr);
    const std::vector<std::string>& code = form->CodeLines();
    EXPECT_NE(std::find(code.begin(), code.end(), "Private Sub cmdGo_Click()"), code.end());
    for (const std::string& line : code) {
        EXPECT_EQ(line.find("VERSION 1.0 CLASS"), std::string::npos);
        EXPECT_EQ(line.find("Attribute VB_"), std::string::npos) << line;
    }
    // dbs-properties.json is the database's properties, in the current form too.
    EXPECT_EQ(app.DatabaseProperty("StartupForm"), "frmMain");
}

TEST(CurrentExportLayout, LaterAccessSuffixesLeaveTheApplicationsName) {
    const std::pair<const char*, const char*> cases[] = {
        {"Testing.accdb.src", "Testing.mdb"},
        {"Version Control.accda.src", "Version Control.mdb"},
        {"Old.adp.src", "Old.mdb"},
        {"Sales.mdb.src", "Sales.mdb"},
        {"Tools.mda.src", "Tools.mda"},
        {"Sales.src", "Sales.mdb"},
        {"source", "source.mdb"}};
    TempDir dir;
    for (const auto& [folder, database] : cases) {
        WriteFile(dir / folder / "modules" / "basA.bas", "Attribute VB_Name = \"basA\"\r\n");
        const LoadedDatabase loaded = LoadDatabase(dir / folder);
        ASSERT_TRUE(loaded.application) << folder << ": " << loaded.error;
        EXPECT_EQ(loaded.source.databasePath, dir / database) << folder;
    }
}

TEST(CurrentExportLayout, AFileThatIsNoObjectIsNamedNotPassedOver) {
    TempDir dir;
    const fs::path root = dir / "Stray.accdb.src";
    fs::copy(CurrentLayoutExport(), root, fs::copy_options::recursive);
    WriteFile(root / "forms" / "notes.txt", "to do");
    WriteFile(root / "modules" / "Core" / "basOld.bak", "Attribute VB_Name = \"basOld\"");
    const LoadedDatabase loaded = LoadDatabase(root);
    ASSERT_TRUE(loaded.application) << loaded.error;
    const std::string said = Diagnostics(*loaded.application);
    EXPECT_NE(said.find("forms/notes.txt: is no object file"), std::string::npos) << said;
    EXPECT_NE(said.find("modules/Core/basOld.bak: is no module file"), std::string::npos) << said;
    EXPECT_EQ(loaded.application->Documents(Container::Modules).size(), 2u);
}

TEST(CurrentExportLayout, CharactersWindows1252CannotHoldAreOneQuestionMarkEachAndNamed) {
    TempDir dir;
    const fs::path root = dir / "Emoji.accdb.src";
    fs::copy(CurrentLayoutExport(), root, fs::copy_options::recursive);
    // A caption with an emoji (two UTF-16 units) and a Chinese character,
    // beside an e acute that Windows-1252 has.
    std::string design = ReadFile(root / "forms" / "frmMain.form");
    const std::string caption = "Caption =\"Main\"";
    design.replace(design.find(caption), caption.size(),
                   "Caption =\"Caf\xC3\xA9 \xF0\x9F\x98\x80 \xE4\xB8\xAD\"");
    WriteFile(root / "forms" / "frmMain.form", "\xEF\xBB\xBF" + design);
    // The same in UTF-16 for a module's string.
    const std::u16string code =
        u"Attribute VB_Name = \"basText\"\r\nConst T = \"\U0001F600\u00E9\"\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char16_t unit : code) {
        utf16.push_back(static_cast<char>(unit & 0xFF));
        utf16.push_back(static_cast<char>(unit >> 8));
    }
    WriteFile(root / "modules" / "basText.bas", utf16);

    const LoadedDatabase loaded = LoadDatabase(root);
    ASSERT_TRUE(loaded.application) << loaded.error;
    const AccessApplication& app = *loaded.application;
    ASSERT_NE(app.OpenForm("frmMain"), nullptr) << "read, with its loss";
    EXPECT_EQ(app.OpenForm("frmMain")->Text("Caption"), "Caf\xE9 ? ?");
    ASSERT_NE(app.Module("basText"), nullptr);
    const std::vector<std::string>& lines = app.Module("basText")->lines;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Const T = \"?\xE9\""), lines.end());
    // Each loss is named, and the file is not said to be skipped.
    std::map<std::string, const LoadDiagnostic*> said;
    for (const LoadDiagnostic& d : app.Diagnostics())
        said[fs::path(d.path).filename().string()] = &d;
    ASSERT_EQ(said.size(), 2u) << Diagnostics(app);
    EXPECT_EQ(said.at("frmMain.form")->message,
              "2 characters that Windows-1252 cannot hold became \"?\"");
    EXPECT_EQ(said.at("basText.bas")->message,
              "1 character that Windows-1252 cannot hold became \"?\"");
    EXPECT_FALSE(said.at("basText.bas")->skipped);

    // The conversion records each line that lost characters, once, where it stands.
    Convert(root, dir / "out", dir);
    EXPECT_EQ(testing::Rows(dir / "vlrn.db",
                            "SELECT ModuleName, CodeLine, LineNumber, TranslatedLine, Routine "
                            "FROM tblReportOutput WHERE ReasonID = 14 ORDER BY ModuleName"),
              (std::vector<std::vector<std::string>>{
                  {"basText", "Const T = \"?\xE9\"", "2", "", "basText.bas"},
                  {"frmMain", "    Caption =\"Caf\xE9 ? ?\"", "6", "", "frmMain.form"}}));
}

TEST(CurrentExportLayout, ListShowsEachObjectsKindAndFileAndTheProjectItsName) {
    TempDir dir;
    std::string listed;
    ASSERT_EQ(Velorin("list " + testing::ShellQuoted(CurrentLayoutExport()), dir, listed), 0)
        << listed;
    EXPECT_EQ(listed,
              "Forms:\n"
              "  frmMain  (form, forms/frmMain.form)\n"
              "Modules:\n"
              "  basCore  (standard module, modules/Core/basCore.bas)\n"
              "  clsPerson  (class module, modules/Utility/clsPerson.cls)\n"
              "Macros:\n"
              "Reports:\n");

    // The standard module alone converts into a project of the application's name.
    const fs::path out = dir / "Testing-VB";
    const std::string said = Convert(CurrentLayoutExport(), out, dir, "--module basCore");
    EXPECT_NE(said.find("Converted 0 form(s) and 1 module(s)"), std::string::npos) << said;
    // The project is named for the application, not for its folder's suffixes.
    EXPECT_TRUE(fs::exists(out / "Testing.vbp")) << said;
    EXPECT_TRUE(fs::exists(out / "basCore.bas"));
}

TEST(CurrentExportLayout, ClassModulesStayClassesThatTheProjectNamesAsClasses) {
    TempDir dir;
    for (const bool vb5 : {true, false}) {
        const fs::path out = dir / (vb5 ? "vb5" : "vb4");
        const std::string said = Convert(CurrentLayoutExport(), out, dir, vb5 ? "" : "--vb4");
        // The project check finds nothing: the class's Property Get Name, its
        // Me and the module's New clsPerson all stand where Visual Basic takes them.
        EXPECT_EQ(said.find("project check"), std::string::npos) << said;
        const std::string project = ReadFile(out / "Testing.vbp");
        EXPECT_NE(project.find("\nClass=clsPerson; clsPerson.cls\r\n"), std::string::npos)
            << project;
        EXPECT_EQ(project.find("Module=clsPerson"), std::string::npos) << project;
        EXPECT_FALSE(fs::exists(out / "clsPerson.bas"));

        const std::string cls = ReadFile(out / "clsPerson.cls");
        const std::string header = vb5 ? "VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  'True\r\n"
                                         "END\r\nAttribute VB_Name = \"clsPerson\"\r\n"
                                         "Attribute VB_GlobalNameSpace = False\r\n"
                                         "Attribute VB_Creatable = True\r\n"
                                         "Attribute VB_PredeclaredId = False\r\n"
                                         "Attribute VB_Exposed = False\r\n"
                                       : "VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  'True\r\n"
                                         "END\r\nAttribute VB_Name = \"clsPerson\"\r\n"
                                         "Attribute VB_Creatable = False\r\n"
                                         "Attribute VB_Exposed = False\r\n";
        EXPECT_EQ(cls.substr(0, header.size()), header);
        // The class's own header lines are not carried twice, its code is.
        EXPECT_EQ(cls.find("VERSION", 1), std::string::npos);
        for (const char* line :
             {"Private Sub Class_Initialize()", "Public Property Get Name() As String",
              "Public Property Let Name(ByVal value As String)", "    Copy.Name = Me.Name"})
            EXPECT_NE(cls.find(line), std::string::npos) << line;
        // Visual Basic 4 has no Enum, and a class may not have public constants.
        EXPECT_NE(
            cls.find(vb5 ? "Public Enum PersonMood" : "\nPrivate Const pmSad As Long = 5\r\n"),
            std::string::npos)
            << cls;
        EXPECT_NE(ReadFile(out / "frmMain.frm").find("Private Sub cmdGo_Click()"),
                  std::string::npos);
    }
}

TEST(CurrentExportLayout, TheCodeProjectsNameAndReferencesReachTheProject) {
    TempDir dir;
    const std::string said = Convert(CurrentLayoutExport(), dir / "out", dir);
    const std::string project = ReadFile(dir / "out" / "Testing.vbp");
    EXPECT_NE(project.find("\nName = TestingProject\r\n"), std::string::npos) << project;
    // Scripting is added once; DAO is the project's own, so not twice.
    EXPECT_NE(
        project.find("Reference=*\\G{420B2830-E718-11CF-893D-00A0C9054228}#1.0#0##Scripting\r\n"),
        std::string::npos)
        << project;
    EXPECT_EQ(project.find("{00025E01-0000-0000-C000-000000000046}"),
              project.rfind("{00025E01-0000-0000-C000-000000000046}"));
    // A library database's code is not there, and the user is told.
    EXPECT_NE(said.find("warning: the application refers to the library C:\\Libraries\\Shared "
                        "Code.accda; its code is not converted"),
              std::string::npos)
        << said;
}

}  // namespace
}  // namespace velorin
