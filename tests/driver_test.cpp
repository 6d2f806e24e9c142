#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <map>

#include "driver/conversion_driver.h"
#include "session/string_table.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::ScriptedUi;
using testing::TempDir;
using testing::WriteFile;
namespace fs = std::filesystem;

std::unique_ptr<AccessForm> MakeForm(const std::string& name,
                                     std::initializer_list<std::string_view> code) {
    std::string text =
        CrLf({"Begin Form", "    Begin", "        Begin Section", "        End", "    End", "End"});
    if (code.size() > 0)
        text += "CodeBehindForm\r\n" + CrLf(code);
    auto form = std::make_unique<AccessForm>();
    BuildAccessForm(*ReadObjectText(text).text, name, name, *form);
    return form;
}

class DriverTest : public ::testing::Test {
  protected:
    DriverTest() : session(app, testing::FreshSupportDatabase(dir), ui) {
        request.outputPathText = (dir / "out").string();
        request.databasePath = dir / "Sales.mdb";
        fs::create_directories(dir / "out");
    }
    ConversionResult Convert() { return StartTranslation(session, request, steps); }
    fs::path Out(const std::string& name) const { return dir / "out" / name; }
    std::vector<std::string> OutFiles() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir / "out"))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // A module of one line, selected for the conversion.
    void AddModule(const std::string& name) {
        app.AddModule({name, {"Option Explicit"}});
        request.modules.push_back(name);
    }

    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    Session session;
    TranslationRequest request;
    ConversionSteps steps;
};

// Fills every part a form file can have, each naming itself.
FormResult WriteAllParts(Session&, FormOutput& output, const std::string& f, const std::string&) {
    output.SetVersion("VERSION 5.00");
    output.StartForm("Begin VB.Form " + f);
    FormCode& code = output.Code();
    code.listBoxes.Append("' list boxes");
    code.comboBoxes.Append("' combo boxes");
    code.buttons.Append("' buttons");
    code.reposition.Append("' reposition");
    code.captions.Append("' captions");
    code.events.Append("' events");
    code.toolbar.Append("' toolbar");
    for (int i = 0; i < 3; ++i)
        code.menus[static_cast<size_t>(i)].Append("' menus " + std::to_string(i + 1));
    FormResult result;
    result.controlCount = 12;
    result.partiallyConvertedCount = 2;
    return result;
}

TEST_F(DriverTest, JoinsAFormsCodeInItsFixedOrder) {
    app.AddForm(MakeForm("Orders", {"Option Explicit"}));
    request.forms = {"Orders"};
    steps.convertForm = WriteAllParts;
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_EQ(
        ReadFile(Out("Orders.frm")),
        CrLf({"VERSION 5.00", "Begin VB.Form Orders", "End", "DIM OpenArgsF as string",
              "Option Explicit", "' list boxes", "' combo boxes", "' buttons", "' reposition",
              "' captions", "' events", "' toolbar", "' menus 1", "' menus 2", "' menus 3",
              "Property Let OpenArgs(strOpenArgs as string)", "    OpenArgsF=strOpenArgs",
              // Translated like any other line: its "()" goes.
              "End Property", "", "Property Get OpenArgs() as string", "    OpenArgs=OpenArgsF",
              "End Property",
              // The list, combo, button and caption routines are called when the form loads.
              "Private Sub Form_Load()", "    Dim vReturnValue as variant",
              "    vReturnValue=InitializeListBoxes()", "    vReturnValue=InitializeComboBoxes()",
              "    vReturnValue=InitializeButtons()", "    vReturnValue=InitialDataCtlCaptions()",
              "End Sub", "Private Sub Form_Activate()", "    Dim vReturnValue as variant",
              "    vReturnValue=InitialDataCtlCaptions()", "End Sub"}));
    // Nothing but the form and the project; the support module step wrote nothing.
    EXPECT_EQ(OutFiles(), (std::vector<std::string>{"Orders.frm", "Sales.vbp", "velorin.files"}));
}

TEST_F(DriverTest, FormStatisticsCarryTheControlCounts) {
    app.AddForm(MakeForm("Orders", {"Sub A()", "End Sub"}));
    request.forms = {"Orders"};
    steps.convertForm = WriteAllParts;
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    // Sub A and the generated Form_Load and Form_Activate.
    EXPECT_EQ(testing::Rows(dir / "vlrn.db",
                            "SELECT ModuleName, CtlCount, CtlsPartiallyConverted, SubCount "
                            "FROM tblStats"),
              (std::vector<std::vector<std::string>>{{"Orders", "12", "2", "3"}}));
}

TEST_F(DriverTest, ADeclinedFormGetsNoFileNoLineAndNoCase) {
    app.AddForm(MakeForm("Big", {}));
    app.AddForm(MakeForm("Small/One", {}));
    request.forms = {"Big", "Small/One"};
    steps.convertForm = [](Session&, FormOutput& output, const std::string&,
                           const std::string& name) {
        output.StartForm("Begin VB.Form X");
        FormResult result;
        result.formRejected = name == "Big";
        return result;
    };
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_FALSE(fs::exists(Out("Big.frm")));
    EXPECT_TRUE(fs::exists(Out("Small_One.frm")));
    EXPECT_EQ(session.project.convertedFormNames, (std::vector<std::string>{"", "", "Small/One"}));
    std::string vbp = ReadFile(Out("Sales.vbp"));
    EXPECT_EQ(vbp.find("Form=Big.frm"), std::string::npos);
    EXPECT_EQ(vbp.rfind("Form=Small_One.frm\r\nModule=MacroCode; MacroCode.bas\r\n", 0), 0u);
}

TEST_F(DriverTest, OnlyModulesSelected) {
    AddModule("Utility Functions");
    AddModule("basGlobals");
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_EQ(ui.maximum, 2);
    EXPECT_EQ(ui.progress, 2);
    std::string vbp = ReadFile(Out("Sales.vbp"));
    EXPECT_EQ(
        vbp.rfind(CrLf({"Module=Utility_Functions; Utility Functions.bas",
                        "Module=basGlobals; basGlobals.bas", "Module=MacroCode; MacroCode.bas",
                        "Module=VlrnConversionCode; VlrnConversionCode.bas",
                        "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.0#0; COMDLG32.OCX"}),
                  0),
        0u);
    EXPECT_EQ(ReadFile(Out("Utility Functions.bas")),
              CrLf({"Attribute VB_Name = \"Utility_Functions\"", "Option Explicit"}));
}

// The user's files, named as the conversion's working files once were: none
// is the conversion's to delete.
const std::map<std::string, std::string> kUsersFiles = {
    {"notes.txt", "my notes"},          {"errors.log", "my log"}, {"Form_Letter.pdf", "%PDF"},
    {"backup.001", "first backup"},     {"logo.frx", "picture"},  {"_Menu.mc1", "menu"},
    {"form_Orders.ctl", "a control"},   {"old.frm", "by hand"},   {"keep.doc", "mine"},
    {"Sales.vbp.bak", "an old project"}};

TEST_F(DriverTest, DeletesOnlyTheLastConversionsFilesAndNamesThem) {
    AddModule("M1");
    AddModule("M2");
    request.modules = {"M1"};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_TRUE(ui.messages.empty());
    for (const auto& [name, bytes] : kUsersFiles)
        WriteFile(Out(name), bytes);
    // Empty folders named like working files, and like the project's own
    // working name: never removed.
    for (const char* folder : {"form_Old.d", "scratch.txt", "Sales.vbp.part"})
        fs::create_directory(Out(folder));

    request.modules = {"M2"};
    ui.answers = {Answer::Yes};
    const ConversionResult second = Convert();
    // The folder stands where the project is written under its working name.
    EXPECT_EQ(second.outcome, Outcome::Failed);
    EXPECT_NE(second.message.find("Sales.vbp.part"), std::string::npos) << second.message;

    // The one question names the files it deletes, and no file of the user's.
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string& question = ui.messages[0].text;
    EXPECT_TRUE(question.starts_with(LoadText(text_id::kExistingFiles))) << question;
    EXPECT_TRUE(ui.messages[0].secondButtonDefault);
    EXPECT_NE(question.find("M1.bas"), std::string::npos) << question;
    EXPECT_NE(question.find("\n    Sales.vbp"), std::string::npos) << question;
    for (const auto& [name, bytes] : kUsersFiles)
        EXPECT_EQ(question.find(name), std::string::npos) << name;

    EXPECT_FALSE(fs::exists(Out("M1.bas")));
    EXPECT_FALSE(fs::exists(Out("Sales.vbp")));
    for (const auto& [name, bytes] : kUsersFiles)
        EXPECT_EQ(ReadFile(Out(name)), bytes) << name;
    for (const char* folder : {"form_Old.d", "scratch.txt", "Sales.vbp.part"})
        EXPECT_TRUE(fs::is_directory(Out(folder))) << folder;
}

TEST_F(DriverTest, TheUsersFilesRaiseNoQuestionWhenNoneIsReplaced) {
    // Nothing of the last conversion's is there: the user's files, Visual
    // Basic files among them, are left as they are without a question.
    for (const auto& [name, bytes] : kUsersFiles)
        WriteFile(Out(name), bytes);
    AddModule("M");
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_TRUE(ui.messages.empty());
    for (const auto& [name, bytes] : kUsersFiles)
        EXPECT_EQ(ReadFile(Out(name)), bytes) << name;
}

TEST_F(DriverTest, TheLastConversionsVisualBasicFilesNeedConsent) {
    AddModule("M");
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    const auto before = OutFiles();
    const std::string module = ReadFile(Out("M.bas"));
    ui.answers = {Answer::No};
    EXPECT_EQ(Convert().outcome, Outcome::Stopped);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("M.bas"), std::string::npos);
    EXPECT_EQ(OutFiles(), before);
    EXPECT_EQ(ReadFile(Out("M.bas")), module);
}

TEST_F(DriverTest, AFileOfTheUsersUnderANameTheConversionWritesIsReplacedOnlyWhenAgreed) {
    WriteFile(dir / "Sales.mdb", "the application's database");
    request.databaseFileExists = true;
    WriteFile(Out("Sales.mdb"), "the user's own database");
    WriteFile(Out("M.bas"), "the user's own module");
    AddModule("M");
    ui.answers = {Answer::No};
    EXPECT_EQ(Convert().outcome, Outcome::Stopped);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Sales.mdb"), std::string::npos) << ui.messages[0].text;
    EXPECT_NE(ui.messages[0].text.find("M.bas"), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(ReadFile(Out("Sales.mdb")), "the user's own database");
    EXPECT_EQ(ReadFile(Out("M.bas")), "the user's own module");
    EXPECT_EQ(OutFiles(), (std::vector<std::string>{"M.bas", "Sales.mdb"}));

    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_EQ(ReadFile(Out("Sales.mdb")), "the application's database");
    // The working copy the last conversion made is its own: replaced after the
    // one question about the last conversion's files, none about the copy.
    ui.messages.clear();
    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.starts_with(LoadText(text_id::kExistingFiles)));
}

TEST_F(DriverTest, AMissingDirectoryIsCreatedOnlyWhenTheUserAgrees) {
    AddModule("M");
    request.outputPathText = (dir / "new" / "deep").string() + "/";
    EXPECT_EQ(Convert().outcome, Outcome::Stopped);
    EXPECT_FALSE(fs::exists(dir / "new"));
    EXPECT_EQ(ui.messages.at(0).text, LoadText(text_id::kCreateDirectory));
    ui.answers = {Answer::Yes};
    EXPECT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_TRUE(fs::exists(dir / "new" / "deep" / "Sales.vbp"));
    EXPECT_TRUE(session.Settings().outputPath.ends_with("/new/deep/"));
}

TEST_F(DriverTest, BadRequestsChangeNothing) {
    AddModule("M");
    WriteFile(dir / "afile", "x");
    request.outputPathText = (dir / "afile").string();
    ConversionResult asFile = Convert();
    EXPECT_EQ(asFile.outcome, Outcome::Failed);
    EXPECT_NE(asFile.message.find("not a directory"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "afile"), "x");

    request.outputPathText = "";
    EXPECT_EQ(Convert().outcome, Outcome::Invalid);
    EXPECT_EQ(ui.messages.back().text, LoadText(text_id::kOutputPathMissing));

    request.outputPathText = (dir / "out").string();
    request.modules.clear();
    EXPECT_EQ(Convert().outcome, Outcome::Stopped);
    EXPECT_EQ(ui.messages.back().text, LoadText(text_id::kNothingToConvert));
}

TEST_F(DriverTest, NeverWritesIntoTheApplicationsOwnFolders) {
    AddModule("M");
    WriteFile(dir / "Sales.mdb.src" / "modules" / "M.bas", "source");
    WriteFile(dir / "Sales.mdb.src" / "tables" / "Orders.txt", "data");
    request.protectedTrees = {dir / "Sales.mdb.src"};
    request.protectedFolders = {dir.Path()};
    // Any folder of the export, one the reader does not use included, and the
    // database's own folder, where the working copy would replace the database.
    for (const fs::path& folder :
         std::vector<fs::path>{dir / "Sales.mdb.src" / "modules", dir / "Sales.mdb.src" / "tables",
                               dir / "Sales.mdb.src" / "new", dir / "Sales.mdb.src", dir.Path()}) {
        request.outputPathText = folder.string();
        ui.answers = {Answer::Yes, Answer::Yes};
        EXPECT_EQ(Convert().outcome, Outcome::Failed) << folder;
    }
    EXPECT_EQ(ReadFile(dir / "Sales.mdb.src" / "modules" / "M.bas"), "source");
    EXPECT_EQ(ReadFile(dir / "Sales.mdb.src" / "tables" / "Orders.txt"), "data");
    EXPECT_FALSE(fs::exists(dir / "Sales.mdb.src" / "new"));
}

TEST_F(DriverTest, ResultsWhoseNamesLookLikeWorkingFilesStay) {
    app.AddForm(MakeForm("Form_Entry", {"Option Explicit"}));
    app.AddForm(MakeForm("toolbarcode", {"' the toolbar form's own code"}));
    app.AddModule({"form_Utils", {"Option Explicit"}});
    request.forms = {"Form_Entry", "toolbarcode"};
    request.modules = {"form_Utils"};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_EQ(OutFiles(), (std::vector<std::string>{"Form_Entry.frm", "Sales.vbp", "form_Utils.bas",
                                                    "toolbarcode.frm", "velorin.files"}));
    std::string code = ReadFile(Out("toolbarcode.frm"));
    EXPECT_EQ(code.find("the toolbar form's own code"), code.rfind("the toolbar form's own code"));
}

TEST_F(DriverTest, LeftoversOfAnInterruptedRunAreNotJoined) {
    WriteFile(Out("form_Orders.ctl"), CrLf({"Private Sub Stale_Click()", "End Sub"}));
    WriteFile(Out("_Menu.mc1"), CrLf({"' stale menu code"}));
    app.AddForm(MakeForm("Orders", {"Option Explicit"}));
    request.forms = {"Orders"};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    std::string form = ReadFile(Out("Orders.frm"));
    EXPECT_EQ(form.find("Stale"), std::string::npos);
    EXPECT_EQ(form.find("stale menu"), std::string::npos);
}

TEST_F(DriverTest, AReadOnlyDatabaseGivesAWritableWorkingCopy) {
    // The project is named for the database, and the working copy is the
    // database byte for byte, yet writable.
    WriteFile(dir / "Sales.mdb", std::string("\0\1binary\xFF", 9));
    fs::permissions(dir / "Sales.mdb",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    request.databaseFileExists = true;
    AddModule("M");
    request.outputPathText = (dir / "out").string() + "/";
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_EQ(session.Settings().projectFileName, "Sales.vbp");
    EXPECT_EQ(session.Settings().exeFileName, "Sales.exe");
    EXPECT_EQ(ReadFile(Out("Sales.mdb")), std::string("\0\1binary\xFF", 9));
    EXPECT_NE(fs::status(Out("Sales.mdb")).permissions() & fs::perms::owner_write, fs::perms::none);
    ui.answers = {Answer::Yes};
    EXPECT_EQ(Convert().outcome, Outcome::Done);
}

TEST_F(DriverTest, NothingConvertedIsAFailureWithoutAProjectFile) {
    app.AddDocument(Container::Forms, "Only A Name");
    request.forms = {"Only A Name"};
    ConversionResult result = Convert();
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_EQ(result.formsConverted + result.modulesConverted, 0);
    EXPECT_FALSE(fs::exists(Out("Sales.vbp")));
}

TEST_F(DriverTest, RemembersTheStartupFormAndClearsIt) {
    app.SetDatabaseProperty("StartupForm", "Main Switchboard");
    AddModule("M");
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_EQ(session.project.startupForm, "Main Switchboard");
    EXPECT_EQ(app.DatabaseProperty("StartupForm"), "(none)");
}

TEST_F(DriverTest, AnUncompiledDatabaseCanEndTheSession) {
    app.AddModule({"Broken", {"Sub A()", "x = 1"}});
    request.modules = {"Broken"};
    ui.answers = {Answer::Yes};
    EXPECT_EQ(Convert().outcome, Outcome::Stopped);
    EXPECT_EQ(ui.messages.at(0).text, LoadText(text_id::kNotCompiled));
    EXPECT_EQ(ui.messages.at(0).buttons, Buttons::YesNoHelp);
    EXPECT_FALSE(fs::exists(Out("Sales.vbp")));
    ui.answers = {Answer::No};
    EXPECT_EQ(Convert().outcome, Outcome::Done);
}

TEST(UncompiledCode, TheFirstUnbalancedLineIsNamedModulesBeforeForms) {
    AccessApplication app;
    EXPECT_TRUE(app.IsCompiled());
    app.AddForm(MakeForm("Orders", {"Private Sub Form_Load()", "x = 1"}));
    app.AddModule({"Fine",
                   {"#If Win32 Then", "Function F() As Long", "#Else", "Function F() As Integer",
                    "#End If", "End Function"}});
    app.AddModule({"Stray", {"' Sub Old()", "x = 1", "  End Sub"}});
    const auto stray = app.FirstUnclosedProcedure();
    ASSERT_TRUE(stray);
    EXPECT_EQ(stray->object, "Stray");
    EXPECT_FALSE(stray->isForm);
    EXPECT_EQ(stray->line, 3u);
    EXPECT_EQ(stray->text, "  End Sub");

    AccessApplication formOnly;
    formOnly.AddModule({"Fine", {"Sub A()", "End Sub"}});
    formOnly.AddForm(MakeForm("Orders", {"Option Explicit", "Private Sub Form_Load()", "x = 1",
                                         "Private Sub Form_Open()", "End Sub"}));
    const auto open = formOnly.FirstUnclosedProcedure();
    ASSERT_TRUE(open);
    EXPECT_EQ(open->object, "Orders");
    EXPECT_TRUE(open->isForm);
    EXPECT_EQ(open->line, 2u) << "the procedure left open, not the one after it";
    EXPECT_FALSE(formOnly.IsCompiled());
}

TEST_F(DriverTest, StoppingForUncompiledCodeChangesNoFile) {
    app.AddModule({"Broken", {"Sub A()", "x = 1"}});
    request.modules = {"Broken"};
    // A folder to be created is not created, and one with files keeps them.
    request.outputPathText = (dir / "new").string();
    ui.answers = {Answer::Yes};
    EXPECT_EQ(Convert().outcome, Outcome::Stopped);
    ASSERT_EQ(ui.messages.size(), 1u) << "the compile question comes before any other";
    EXPECT_FALSE(fs::exists(dir / "new"));
    request.outputPathText = (dir / "out").string();
    fs::create_directories(dir / "out");
    WriteFile(Out("Broken.bas"), "the user's own file");
    ui.answers = {Answer::Yes};
    EXPECT_EQ(Convert().outcome, Outcome::Stopped);
    EXPECT_EQ(ReadFile(Out("Broken.bas")), "the user's own file");
    EXPECT_FALSE(fs::exists(Out("velorin.files")));
}

TEST_F(DriverTest, FormsWhoseDesignCannotBeReadAreSkippedWithAWarning) {
    app.AddDocument(Container::Forms, "Only A Name");
    AddModule("M");
    request.forms = {"Only A Name"};
    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done);
    EXPECT_EQ(result.formsConverted, 0);
    EXPECT_EQ(result.modulesConverted, 1);
    // The form's, then the database's that the export lacks.
    ASSERT_EQ(ui.warnings.size(), 2u);
    EXPECT_NE(ui.warnings[0].find("Only A Name"), std::string::npos);
    EXPECT_NE(ui.warnings[1].find("copy the application's database into"), std::string::npos);
    EXPECT_EQ(ReadFile(Out("Sales.vbp")).find("Form="), std::string::npos);
}

// The files of a directory tree with their contents.
std::map<std::string, std::string> TreeOf(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        files[fs::relative(it->path(), root).string()] =
            it->is_symlink()        ? "-> " + fs::read_symlink(it->path()).string()
            : it->is_regular_file() ? ReadFile(it->path())
                                    : "<dir>";
    }
    return files;
}

TEST_F(DriverTest, AnOutputDirectoryGivenAsALink) {
    AddModule("M");
    // A link to a directory converts into the directory it names.
    fs::create_directories(dir / "real");
    fs::create_directory_symlink(dir / "real", dir / "link");
    request.outputPathText = (dir / "link").string();
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_TRUE(fs::is_symlink(dir / "link"));
    EXPECT_TRUE(fs::exists(dir / "real" / "Sales.vbp"));

    // A link into the application's own folders is refused like the folder itself.
    WriteFile(dir / "Sales.mdb.src" / "modules" / "M.bas", "source");
    request.protectedTrees = {dir / "Sales.mdb.src"};
    fs::create_directory_symlink(dir / "Sales.mdb.src" / "modules", dir / "sneaky");
    request.outputPathText = (dir / "sneaky").string();
    ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_EQ(Convert().outcome, Outcome::Failed);
    EXPECT_EQ(
        TreeOf(dir / "Sales.mdb.src"),
        (std::map<std::string, std::string>{{"modules", "<dir>"}, {"modules/M.bas", "source"}}));

    // A link to nowhere is not created through.
    fs::create_directory_symlink(dir / "nowhere", dir / "dangling");
    request.outputPathText = (dir / "dangling").string();
    ui.answers = {Answer::Yes};
    ConversionResult dangling = Convert();
    EXPECT_EQ(dangling.outcome, Outcome::Failed);
    EXPECT_NE(dangling.message.find("cannot create"), std::string::npos) << dangling.message;
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
}

// Links in the output folder: a conversion writes its files under a working
// name and renames them into place, and never writes, creates or reads
// anything through a link; what a link points to, outside the folder, stays
// as it was.
class OutputLinkTest : public DriverTest {
  protected:
    OutputLinkTest() {
        steps = DefaultConversionSteps();
        request.templateDirectory = testing::SourceDir() / "support";
        WriteFile(dir / "Sales.mdb", "the application's database");
        request.databaseFileExists = true;
        app.AddForm(MakeForm("Orders", {"Option Explicit"}));
        AddModule("M");
        request.forms = {"Orders"};
        WriteFile(dir / "victim.txt", "keep me");
        WriteFile(dir / "folder" / "inside.txt", "keep me too");
    }
    // An empty output folder, the last conversion's record gone with it.
    void EmptyOutput() {
        fs::remove_all(dir / "out");
        fs::create_directories(dir / "out");
    }
    // What lies outside the output folder, where links may point, with its
    // content; the support database left out.
    std::map<std::string, std::string> Outside() const {
        std::map<std::string, std::string> files;
        for (auto it = fs::recursive_directory_iterator(dir.Path());
             it != fs::recursive_directory_iterator(); ++it) {
            const std::string name = it->path().lexically_relative(dir.Path()).string();
            if (name == "out" || name.starts_with("vlrn")) {
                it.disable_recursion_pending();
                continue;
            }
            files[name] = it->is_symlink()        ? "-> " + fs::read_symlink(it->path()).string()
                          : it->is_regular_file() ? ReadFile(it->path())
                                                  : "<dir>";
        }
        return files;
    }

    // Every file the conversion writes in the output folder, the working copy
    // of the database among them.
    const std::vector<std::string> written = {"Orders.frm",    "M.bas",
                                              "Sales.vbp",     "Sales.vbp.part",
                                              "velorin.files", "VlrnConversionCode.bas",
                                              "MacroCode.bas", "Sales.mdb"};
    // What a link may point to outside the folder: a file, nothing, a folder.
    const std::vector<std::string> targets = {"victim.txt", "nowhere.txt", "folder"};
};

// A link under the working name of a file the conversion writes is in the
// way: the conversion stops and says so, neither writing through the link
// nor moving it into the file's place.
TEST_F(OutputLinkTest, ALinkUnderAWorkingNameIsInTheWay) {
    for (const std::string& file : written) {
        // The project file takes its name by a rename, never written under it.
        if (file == "Sales.vbp")
            continue;
        const std::string working = file + std::string(kTemporarySuffix);
        for (const std::string& target : targets) {
            SCOPED_TRACE(working + " -> " + target);
            EmptyOutput();
            fs::create_symlink(dir / target, Out(working));
            const auto before = Outside();
            const ConversionResult result = Convert();
            EXPECT_EQ(result.outcome, Outcome::Failed);
            EXPECT_NE(result.message.find(working + " is in the way"), std::string::npos)
                << result.message;
            EXPECT_EQ(Outside(), before);
            EXPECT_TRUE(fs::is_symlink(Out(working)));
            EXPECT_FALSE(fs::is_symlink(Out(file)));
        }
    }
}

// A link under the name of a file the conversion writes is a file of the
// user's, whatever it points to: the one question names it, and it is
// replaced (the link itself) only when the user agrees.
TEST_F(OutputLinkTest, ALinkUnderAFileNameIsReplacedItselfOnlyWhenAgreed) {
    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        EmptyOutput();
        for (const std::string& file : written)
            fs::create_symlink(dir / target, Out(file));
        const auto before = Outside();
        ui.messages.clear();
        ui.answers = {Answer::No};
        EXPECT_EQ(Convert().outcome, Outcome::Stopped);
        ASSERT_EQ(ui.messages.size(), 1u);
        for (const std::string& file : written) {
            EXPECT_NE(ui.messages[0].text.find("\n    " + file + "\n"), std::string::npos)
                << file << " is not named in: " << ui.messages[0].text;
            EXPECT_EQ(fs::read_symlink(Out(file)), dir / target) << file;
        }
        EXPECT_EQ(Outside(), before);

        ui.answers = {Answer::Yes};
        ASSERT_EQ(Convert().outcome, Outcome::Done);
        for (const std::string& file : written) {
            if (file != "Sales.vbp.part") {
                EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Out(file)))) << file;
            }
        }
        EXPECT_FALSE(fs::exists(fs::symlink_status(Out("Sales.vbp.part"))));
        EXPECT_EQ(ReadFile(Out("Sales.mdb")), "the application's database");
        EXPECT_EQ(Outside(), before);
    }
}

// A record of written files that is a link, even to a record Velorin wrote
// in another folder, is not this folder's: no file it lists is named as the
// last conversion's or deleted.
TEST_F(OutputLinkTest, ARecordOfWrittenFilesThatIsALinkIsNotThisFoldersRecord) {
    EmptyOutput();
    WriteFile(dir / "elsewhere" / "velorin.files",
              std::string(kRecordHeading) + "\nKeep.bas\nnotes.txt\n");
    WriteFile(Out("Keep.bas"), "mine");
    WriteFile(Out("notes.txt"), "my notes");
    fs::create_symlink(dir / "elsewhere" / "velorin.files", Out("velorin.files"));
    const auto before = Outside();
    ui.answers.assign(3, Answer::Yes);
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    for (const Message& message : ui.messages) {
        EXPECT_EQ(message.text.find("Keep.bas"), std::string::npos) << message.text;
        EXPECT_EQ(message.text.find("notes.txt"), std::string::npos) << message.text;
    }
    EXPECT_EQ(ReadFile(Out("Keep.bas")), "mine");
    EXPECT_EQ(ReadFile(Out("notes.txt")), "my notes");
    EXPECT_EQ(Outside(), before);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Out("velorin.files"))));
}

// Where a file of the last conversion's now is a link, whatever it points
// to, the question names it and the link itself is deleted.
TEST_F(OutputLinkTest, ALinkWhereTheLastConversionsFileWasIsNamedAndDeletedItself) {
    EmptyOutput();
    app.AddForm(MakeForm("Invoices", {"Option Explicit"}));
    AddModule("M2");
    request.forms = {"Orders", "Invoices"};
    request.modules = {"M", "M2"};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    // One link of each kind, where files stand that the next conversion does not write.
    const std::vector<std::string> replaced = {"Orders.frm", "Invoices.frm", "M2.bas"};
    for (size_t i = 0; i < replaced.size(); ++i) {
        fs::remove(Out(replaced[i]));
        fs::create_symlink(dir / targets[i], Out(replaced[i]));
    }
    const auto before = Outside();
    request.forms.clear();
    request.modules = {"M"};
    ui.messages.clear();
    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string record = ReadFile(Out("velorin.files"));
    for (const std::string& file : replaced) {
        EXPECT_NE(ui.messages[0].text.find("\n    " + file + "\n"), std::string::npos)
            << file << " is not named in: " << ui.messages[0].text;
        EXPECT_FALSE(fs::exists(fs::symlink_status(Out(file)))) << file;
        EXPECT_EQ(record.find(file), std::string::npos) << file;
    }
    EXPECT_EQ(Outside(), before);
}

TEST_F(DriverTest, AReadOnlyOutputDirectoryChangesNothing) {
    WriteFile(Out("old.frm"), "old");
    AddModule("M");
    const auto before = TreeOf(dir / "out");
    ui.answers = {Answer::Yes};
    SimulateDiskFault(SimulatedDiskFault{0, true});
    ConversionResult result = Convert();
    SimulateDiskFault(std::nullopt);
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_NE(result.message.find("Read-only file system"), std::string::npos) << result.message;
    EXPECT_EQ(TreeOf(dir / "out"), before);

    // The real thing, where permissions hold (not for root).
    if (geteuid() != 0) {
        fs::permissions(dir / "out", fs::perms::owner_read | fs::perms::owner_exec);
        ui.answers = {Answer::Yes};
        ConversionResult denied = Convert();
        fs::permissions(dir / "out", fs::perms::owner_all);
        EXPECT_EQ(denied.outcome, Outcome::Failed);
        EXPECT_NE(denied.message.find("Permission denied"), std::string::npos) << denied.message;
        EXPECT_EQ(TreeOf(dir / "out"), before);
    }
}

TEST_F(DriverTest, AFullDiskFailsWhereverItStrikesAndLeavesNoProjectFile) {
    WriteFile(dir / "Sales.mdb", std::string(3000, 'd'));
    WriteFile(dir / "outside.txt", "mine");
    request.databaseFileExists = true;
    request.templateDirectory = testing::SourceDir() / "support";
    app.AddForm(MakeForm(
        "Orders", {"Option Explicit", "Private Sub Form_Load()", "    DoCmd.Maximize", "End Sub"}));
    app.AddForm(MakeForm("Customers", {"Option Explicit"}));
    app.AddModule(
        {"Utilities",
         {"Option Explicit", "Public Function Twice(x)", "Twice = 2 * x", "End Function"}});
    request.forms = {"Orders", "Customers"};
    request.modules = {"Utilities"};
    steps = DefaultConversionSteps();
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    const auto complete = TreeOf(dir / "out");
    long long total = 0;
    for (const auto& [name, content] : complete)
        total += static_cast<long long>(content.size());

    for (long long capacity : {0LL, 2999LL, 3100LL, 5000LL, total / 2, total - 200, total - 1}) {
        ui.answers = {Answer::Yes};
        SimulateDiskFault(SimulatedDiskFault{capacity, false});
        ConversionResult result = Convert();
        SimulateDiskFault(std::nullopt);
        EXPECT_EQ(result.outcome, Outcome::Failed) << capacity;
        // What was being written is named, and why it failed.
        EXPECT_NE(result.message.find(": cannot write "), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("No space left on device"), std::string::npos)
            << result.message;
        // Each file there is whole: no form, module or working copy stops where
        // the disk filled up, and no temporary file is left.
        for (const auto& [name, content] : TreeOf(dir / "out")) {
            EXPECT_EQ(name.find(".vbp"), std::string::npos) << capacity << ": " << name;
            if (name != "velorin.files") {
                EXPECT_EQ(content, complete.at(name)) << capacity << ": " << name;
            }
        }
        EXPECT_EQ(ReadFile(dir / "outside.txt"), "mine");
    }
    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_EQ(TreeOf(dir / "out"), complete);
}

TEST_F(DriverTest, AFullSupportDatabaseFailsTheConversionNamingIt) {
    // A finding on every line: more rows than a page holds.
    CodeModule busy{"Busy", {"Option Explicit", "Sub Busy()"}};
    for (int i = 0; i < 300; ++i)
        busy.lines.push_back("    DoCmd.Maximize ' line " + std::to_string(i));
    busy.lines.push_back("End Sub");
    app.AddModule(busy);
    AddModule("Quiet");
    request.modules = {"Quiet"};
    request.templateDirectory = testing::SourceDir() / "support";
    steps = DefaultConversionSteps();
    ASSERT_EQ(Convert().outcome, Outcome::Done);

    // The database may not grow beyond the pages it has: a full disk as
    // SQLite meets it.
    request.modules = {"Busy", "Quiet"};
    ASSERT_TRUE(session.supportDb.Open());
    sqlite3_exec(session.supportDb.Connection(), "PRAGMA max_page_count = 1", nullptr, nullptr,
                 nullptr);
    ui.answers = {Answer::Yes};
    const ConversionResult result = Convert();
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_NE(result.message.find("module Busy: the analysis could not be written to the support "
                                  "database " +
                                  (dir / "vlrn.db").string() + ": database or disk is full"),
              std::string::npos)
        << result.message;
    EXPECT_FALSE(fs::exists(Out("Sales.vbp")));
    // Nothing is converted after the failure.
    EXPECT_FALSE(fs::exists(Out("Quiet.bas")));
}

TEST_F(DriverTest, AProjectFileLeftByAnInterruptedRunIsCleanedAway) {
    {
        // What a run killed before its end leaves.
        OutputDirectory killed(dir / "out");
        killed.TrackWrittenFiles();
        killed.Write("Sales.vbp.part", "Form=Half.frm\r\n");
    }
    ASSERT_TRUE(fs::exists(Out("Sales.vbp.part")));
    AddModule("M");
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(OutFiles(), (std::vector<std::string>{"M.bas", "Sales.vbp", "velorin.files"}));
}

TEST(ControlFiles, FollowTheListTypeAndOptionalControls) {
    AccessApplication app;
    ScriptedUi ui;
    Session session(app, "unused.db", ui);
    // List type 1 with both optional controls: ProjectFileTest.TabControlAndOptionalControls.
    testing::ChangeSettings(session, [&](ConversionSettings& s) {
        s.options.listBoxType = 3;
        s.options.useOptionSet = true;
        s.options.useCalendar = true;
    });
    BuildControlFiles(session);
    EXPECT_EQ(session.project.controlFiles,
              (std::vector<std::string>{"", "SSDW3B32.OCX", "ssdw3a32.ocx", "SSCALA32.OCX"}));
    EXPECT_EQ(session.project.controlObjectIds[2], "{8D650146-6025-11D1-BC40-0000C042AEC0}#3.0#0");
    testing::ChangeSettings(session, [&](ConversionSettings& s) {
        s.options = {};
        s.options.listBoxType = 2;
        s.options.comboBoxType = 1;
    });
    BuildControlFiles(session);
    EXPECT_EQ(session.project.controlFiles, (std::vector<std::string>{"", "SSDATB32.OCX"}));
}

}  // namespace
}  // namespace velorin
