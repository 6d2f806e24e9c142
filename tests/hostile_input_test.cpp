// Damaged and hostile exports converted whole: each converts what can be
// read, names what cannot, and writes nothing outside the output directory.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <random>
#include <set>

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "driver/conversion_driver.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::ScriptedUi;
using testing::TempDir;
using testing::WriteFile;
namespace fs = std::filesystem;

// A form with one text box, its lines indented as Access writes them, and
// optionally code behind it.
std::string FormText(std::string_view caption, std::string_view control = "Total",
                     std::initializer_list<std::string_view> code = {}) {
    std::string text =
        CrLf({"Version =20", "Begin Form", "    Caption =\"" + std::string(caption) + "\"",
              "    Width =4000", "    Begin", "        Begin Section", "            Height =1000",
              "            Begin", "                Begin TextBox",
              "                    Name =\"" + std::string(control) + "\"",
              "                    ControlSource =\"Total\"", "                End",
              "            End", "        End", "    End", "End"});
    if (code.size() > 0)
        text += "CodeBehindForm\r\n" + CrLf(code);
    return text;
}

std::string ModuleText(std::string_view procedure) {
    return CrLf({"Option Compare Database", "Option Explicit",
                 "Public Sub " + std::string(procedure) + "()", "    MsgBox \"hi\"", "End Sub"});
}

std::string Utf16Le(std::string_view ascii) {
    std::string out;
    for (char c : ascii) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

class HostileExportTest : public ::testing::Test {
  protected:
    HostileExportTest() : supportDb(testing::FreshSupportDatabase(supportDir)) {}

    void Export(const std::string& relative, const std::string& bytes) {
        WriteFile(root / relative, bytes);
    }
    // Every file under the test directory outside the output directory, with
    // its content: what a conversion must leave as it was.
    std::map<std::string, std::string> Outside() const {
        std::map<std::string, std::string> files;
        for (auto it = fs::recursive_directory_iterator(dir.Path());
             it != fs::recursive_directory_iterator(); ++it) {
            if (it->path() == out) {
                it.disable_recursion_pending();
                continue;
            }
            files[it->path().string()] = it->is_regular_file() ? ReadFile(it->path()) : "<dir>";
        }
        return files;
    }
    // Loads the export and converts every form and module into out/.
    ConversionResult Convert() {
        loaded = LoadDatabase(root);
        if (!loaded.application) {
            ADD_FAILURE() << loaded.error;
            return {Outcome::Failed, loaded.error};
        }
        before = Outside();
        session = std::make_unique<Session>(*loaded.application, supportDb, ui);
        TranslationRequest request;
        request.outputPathText = out.string();
        request.forms = loaded.application->Documents(Container::Forms);
        request.modules = loaded.application->Documents(Container::Modules);
        request.templateDirectory = testing::SourceDir() / "support";
        DescribeSource(loaded.source, request);
        ui.answers.assign(8, Answer::Yes);
        ConversionResult result = StartTranslation(*session, request, DefaultConversionSteps());
        EXPECT_EQ(Outside(), before) << "a file outside the output directory changed";
        return result;
    }
    // A form property as loaded; "<no form>" when the form was not loaded.
    std::string LoadedProperty(std::string_view form, std::string_view property) const {
        const AccessForm* loadedForm = loaded.application->OpenForm(form);
        return loadedForm ? loadedForm->Text(property) : "<no form>";
    }
    const std::vector<LoadDiagnostic>& Diagnostics() const {
        return loaded.application->Diagnostics();
    }
    // The diagnostic of the file, or nullptr.
    const LoadDiagnostic* DiagnosticOf(const std::string& fileName) const {
        for (const LoadDiagnostic& d : Diagnostics()) {
            if (d.path.ends_with("/" + fileName))
                return &d;
        }
        return nullptr;
    }
    // How many diagnostics name a file ending in `fileName` and say `message`.
    int DiagnosticsSaying(const std::string& fileName, std::string_view message) const {
        int count = 0;
        for (const LoadDiagnostic& d : Diagnostics())
            count += d.path.ends_with("/" + fileName) && d.message == message;
        return count;
    }
    // The forms' and modules' files the project names, in its order.
    std::vector<std::string> ProjectFiles() const {
        std::vector<std::string> files;
        for (const std::string& line : ProjectLines("Form="))
            files.push_back(line.substr(5));
        for (const std::string& line : ProjectLines("Module="))
            files.push_back(line.substr(line.find("; ") + 2));
        return files;
    }
    std::vector<std::string> ProjectLines(std::string_view prefix) const {
        std::vector<std::string> lines;
        for (const std::string& line : SplitLines(ReadFile(out / "App.vbp"))) {
            if (line.starts_with(prefix))
                lines.push_back(line);
        }
        return lines;
    }
    bool AnyWarningHolds(std::string_view text) const {
        return std::any_of(ui.warnings.begin(), ui.warnings.end(), [&](const std::string& warning) {
            return warning.find(text) != std::string::npos;
        });
    }

    TempDir dir;
    TempDir supportDir;
    fs::path supportDb;
    fs::path root = dir / "App.mdb.src";
    fs::path out = dir / "out";
    LoadedDatabase loaded;
    ScriptedUi ui;
    std::unique_ptr<Session> session;
    std::map<std::string, std::string> before;
};

TEST_F(HostileExportTest, TruncatedAndBinaryFilesAreNamedAndTheRestConverts) {
    const std::string good = FormText("Good", "Total", {"Option Explicit"});
    Export("forms/Good.bas", good);
    Export("forms/CutInText.bas", good.substr(0, good.find("Good") + 2));
    Export("forms/CutInBlock.bas", good.substr(0, good.find("Begin TextBox")));
    Export("forms/CutInHex.bas",
           CrLf({"Begin Form", "    RecSrcDt = Begin", "        0x20f1f0c4"}));
    Export("forms/Empty.bas", "");
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    Export("forms/Noise.bas", noise);
    Export("modules/Good.bas", ModuleText("Greet"));
    Export("modules/Noise.bas", ModuleText("Hidden") + std::string("\x00\x01\x02", 3) + noise);
    Export("macros/Cut.bas", CrLf({"Version =196611", "Begin", "    Action =\"Beep\""}));

    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    EXPECT_EQ(result.formsConverted, 1);
    EXPECT_EQ(result.modulesConverted, 1);
    EXPECT_EQ(ProjectLines("Form="), (std::vector<std::string>{"Form=Good.frm"}));
    // A module and a form share one name space: the module named like the form
    // gets a suffix.
    EXPECT_EQ(ProjectLines("Module=").front(), "Module=GoodA; Good.bas");

    // Each damaged file is named with the line where reading stopped.
    struct Expected {
        std::string file;
        int line;
        std::string message;
    };
    for (const Expected& e : std::vector<Expected>{
             {"CutInText.bas", 3, "unterminated text"},
             {"CutInBlock.bas", 8, "Begin without End"},
             {"CutInHex.bas", 2, "binary property without End"},
             {"Empty.bas", 1, "no Begin Form or Begin Report block"},
             {"Cut.bas", 2, "Begin without End"},
         }) {
        const LoadDiagnostic* d = DiagnosticOf(e.file);
        ASSERT_NE(d, nullptr) << e.file;
        EXPECT_EQ(d->line, e.line) << e.file;
        EXPECT_EQ(d->message, e.message) << e.file;
    }
    // Binary files are said to be binary, not misread as code: the form and the module.
    EXPECT_EQ(DiagnosticsSaying("Noise.bas", "holds binary data, not text"), 2);
    EXPECT_EQ(loaded.application->Module("Noise"), nullptr);
    EXPECT_EQ(ReadFile(out / "Good.bas").find("Hidden"), std::string::npos);
}

// Reading a pipe waits for a writer that never comes: a pipe among the export's
// files is named and skipped, and one given as the database is refused.
TEST_F(HostileExportTest, PipesAreNamedNeverRead) {
    Export("forms/Good.bas", FormText("Good", "Total", {"Option Explicit"}));
    Export("modules/Good.bas", ModuleText("Greet"));
    ASSERT_EQ(mkfifo((root / "forms" / "Waits.bas").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((root / "modules" / "Waits.bas").c_str(), 0600), 0);
    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    EXPECT_EQ(result.formsConverted, 1);
    EXPECT_EQ(
        DiagnosticsSaying("Waits.bas", "is not a regular file (a pipe, a device or a folder)"), 2)
        << "the form's and the module's";

    const fs::path pipe = dir / "Pipe.mdb";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const LoadedDatabase refused = LoadDatabase(pipe);
    EXPECT_EQ(refused.application, nullptr);
    EXPECT_NE(refused.error.find("a pipe or a device"), std::string::npos) << refused.error;
}

// Names the export can hold and a project cannot: a device name of Windows,
// two objects Access would take for one, a half of a UTF-16 pair. Each gets a
// safe name or a word, and nothing else is lost.
TEST_F(HostileExportTest, NamesWindowsOrAccessCannotHoldAreMadeSafeOrNamed) {
    Export("forms/CON.bas", FormText("Console"));
    Export("forms/com1.bas", FormText("Port"));
    Export("forms/Orders.bas", FormText("Orders"));
    Export("forms/orders.bas", FormText("Whispering"));
    Export("modules/Tools.bas", ModuleText("One"));
    Export("modules/tools.bas", ModuleText("Two"));
    // "Cl", half a pair, "ick": the half is one unknown character.
    const std::string text = FormText("ClXick");
    std::string utf16 = "\xFF\xFE";
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 6, "ClXick") == 0) {
            utf16 += Utf16Le("Cl") + std::string("\x00\xD8", 2) + Utf16Le("ick");
            i += 5;
            continue;
        }
        utf16 += Utf16Le(text.substr(i, 1));
    }
    Export("forms/Half.bas", utf16);
    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    EXPECT_EQ(LoadedProperty("Half", "Caption"), "Cl?ick");
    for (const char* file : {"CON_.frm", "com1_.frm", "Orders.frm"})
        EXPECT_TRUE(fs::exists(out / file)) << file;
    for (const char* file : {"CON.frm", "com1.frm"})
        EXPECT_FALSE(fs::exists(out / file)) << file;
    EXPECT_TRUE(AnyWarningHolds("CON is the name of a device on Windows"));
    // The second of two names Access takes for one is named, not lost unseen.
    for (const auto& [file, said] : {std::pair{"orders.bas", "has the name of form Orders"},
                                     std::pair{"tools.bas", "has the name of module Tools"}}) {
        const LoadDiagnostic* d = DiagnosticOf(file);
        ASSERT_NE(d, nullptr) << file;
        EXPECT_NE(d->message.find(said), std::string::npos) << d->message;
    }
}

TEST_F(HostileExportTest, Utf16WithoutAByteOrderMarkIsDecoded) {
    // "Café" in UTF-16: the é is one unit, E9 00 little-endian.
    std::string wide = Utf16Le(FormText("Caf#", "Total", {"Option Explicit"}));
    wide.replace(wide.find(Utf16Le("#")), 2, std::string("\xE9\0", 2));
    Export("forms/Wide.bas", wide);
    std::string bigEndian = Utf16Le(ModuleText("Greet"));
    for (size_t i = 0; i + 1 < bigEndian.size(); i += 2)
        std::swap(bigEndian[i], bigEndian[i + 1]);
    Export("modules/BigEndian.bas", bigEndian);
    Export("modules/BigEndianMarked.bas", "\xFE\xFF" + bigEndian);

    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    EXPECT_TRUE(Diagnostics().empty());
    EXPECT_EQ(result.formsConverted, 1);
    EXPECT_EQ(result.modulesConverted, 2);
    EXPECT_EQ(LoadedProperty("Wide", "Caption"), "Caf\xE9");
    EXPECT_NE(ReadFile(out / "Wide.frm").find("Caption =\"Caf\xE9\""), std::string::npos);
    for (const char* module : {"BigEndian.bas", "BigEndianMarked.bas"})
        EXPECT_NE(ReadFile(out / module).find("Public Sub Greet"), std::string::npos) << module;
}

TEST_F(HostileExportTest, APropertyContinuedOverTenThousandLines) {
    std::string text = FormText("start");
    std::string chunks;
    for (int i = 0; i < 10000; ++i)
        chunks += "        \"" + std::to_string(i % 10) + "\"\r\n";
    text.insert(text.find("    Width"), chunks);
    Export("forms/Long.bas", text);

    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    const std::string caption = LoadedProperty("Long", "Caption");
    ASSERT_EQ(caption.size(), 5u + 10000u);
    EXPECT_EQ(caption.substr(0, 8), "start012");
    // Too long for a line of the form file: the form sets it when it loads,
    // in a statement continued over lines no longer than Visual Basic reads.
    const std::string frm = ReadFile(out / "Long.frm");
    EXPECT_EQ(frm.find("Caption =\"start"), std::string::npos);
    EXPECT_NE(frm.find("vReturnValue=InitialValues()"), std::string::npos);
    EXPECT_NE(testing::JoinContinuedLines(frm).find("Me.Caption = \"" + caption + "\""),
              std::string::npos);
    for (const std::string& line : SplitLines(frm))
        EXPECT_LE(line.size(), 1023u);
}

TEST_F(HostileExportTest, BeginNestedTenThousandDeep) {
    constexpr int kDepth = 10000;
    // Bare Begin blocks around one text box.
    std::string text = FormText("Deep");
    std::string open, close;
    for (int i = 0; i < kDepth; ++i) {
        open += "Begin\r\n";
        close += "End\r\n";
    }
    const size_t box = text.find("                Begin TextBox");
    const size_t boxEnd = text.find("\r\n", text.find("                End", box)) + 2;
    text.insert(boxEnd, close);
    text.insert(box, open);
    Export("forms/Deep.bas", text);
    // Controls inside controls, ten thousand of them.
    std::string nested = CrLf({"Begin Form", "Begin", "Begin Section", "Begin"});
    for (int i = 0; i < kDepth; ++i)
        nested += "Begin Label\r\nName =\"L" + std::to_string(i) + "\"\r\nBegin\r\n";
    for (int i = 0; i < kDepth; ++i)
        nested += "End\r\nEnd\r\n";
    nested += CrLf({"End", "End", "End", "End"});
    Export("forms/Nested.bas", nested);
    // A menu bar whose popups nest ten thousand deep.
    std::string bar = "Begin CommandBar\r\n";
    for (int i = 0; i < kDepth; ++i)
        bar += "Begin\r\nBegin CommandBarControl\r\nType =10\r\nCaption =\"M" + std::to_string(i) +
               "\"\r\n";
    for (int i = 0; i < kDepth; ++i)
        bar += "End\r\nEnd\r\n";
    bar += "End\r\n";
    Export("commandbars/Deep Menu.txt", bar);
    std::string menuForm = FormText("Menu");
    menuForm.insert(menuForm.find("    Width"), "    MenuBar =\"Deep Menu\"\r\n");
    Export("forms/Menu.bas", menuForm);

    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    EXPECT_NE(ReadFile(out / "Deep.frm").find("Begin VB.TextBox Total"), std::string::npos);
    // Ten thousand controls do not fit a Visual Basic form: declined by name.
    EXPECT_FALSE(fs::exists(out / "Nested.frm"));
    EXPECT_TRUE(std::any_of(ui.messages.begin(), ui.messages.end(), [](const Message& message) {
        return message.text.find("\"Nested\" has 10000 controls") != std::string::npos;
    }));
    // The menus keep their first levels; what lies deeper is named and left out.
    const LoadDiagnostic* cut = DiagnosticOf("Deep Menu.txt");
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(cut->message, "menus below level 32");
    EXPECT_NE(ReadFile(out / "Menu.frm").find("Caption = \"M2\""), std::string::npos);
}

TEST_F(HostileExportTest, ALineOfTenMegabytes) {
    const std::string literal(10 << 20, 'x');
    Export("modules/Huge.bas",
           CrLf({"Public Sub Big()", "    s = \"" + literal + "\"", "End Sub"}));
    Export("forms/Huge.bas", FormText(literal));

    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    EXPECT_EQ(result.modulesConverted, 1);
    // Continued as far as one statement may be; nothing of it is lost.
    EXPECT_NE(
        testing::JoinContinuedLines(ReadFile(out / "Huge.bas")).find("s = \"" + literal + "\"\r\n"),
        std::string::npos);
    EXPECT_EQ(LoadedProperty("Huge", "Caption"), literal);
}

TEST_F(HostileExportTest, HostileObjectAndControlNames) {
    const std::string longName(200, 'G');
    // File names encode \ / : " as the exporters do; ".." and control
    // characters come as they are.
    for (const char* file :
         {"A%2FB", "A%5CB", "A%3AB", "A_B", "%22Quoted%22", "..", "Bell\x07", "New\nLine"}) {
        Export(std::string("forms/") + file + ".bas", FormText("Caption"));
    }
    Export("forms/" + longName + ".bas", FormText("long"));
    Export(
        "forms/Controls.bas",
        CrLf({"Begin Form", "    Begin", "        Begin Section", "            Begin"}) +
            [] {
                std::string controls;
                for (const std::string& name :
                     {std::string(".."), std::string("a/b"), std::string("c\\\\d"),
                      std::string("e:f"), std::string("q\\\"uote"), std::string("ctl\\001x"),
                      std::string(300, 'L'), std::string("___"), std::string("1st")}) {
                    controls += CrLf({"Begin TextBox", "Name =\"" + name + "\"", "End"});
                }
                return controls;
            }() +
            CrLf({"            End", "        End", "    End", "End"}));
    for (const char* file : {"MacroCode", "VlrnConversionCode", "M%2FN", "M_N", "1st"})
        Export(std::string("modules/") + file + ".bas",
               ModuleText("Sub" + std::to_string(file[0])));

    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    EXPECT_EQ(result.formsConverted, 10);
    EXPECT_EQ(result.modulesConverted, 5);

    // One file per object, every one the project names present; none outside.
    std::set<std::string, ILess> files;
    for (const std::string& file : ProjectFiles()) {
        EXPECT_TRUE(files.insert(file).second) << file;
        EXPECT_TRUE(fs::is_regular_file(out / AnsiToPath(file))) << file;
    }
    EXPECT_EQ(files.size(), 10u + 5u + 2u);
    EXPECT_TRUE(files.count("A_B_3.frm") && files.count("Bell_.frm") &&
                files.count("New_Line.frm"));
    EXPECT_TRUE(files.count(std::string(64, 'G') + ".frm"));
    for (std::string_view said :
         {"form A:B: A_B.frm is taken by form A/B; written as A_B_2.frm",
          "MacroCode is a name of the application; the conversion's own MacroCode is written as "
          "MacroCode_2.bas",
          "the name is too long for a file name; written as GGGG"}) {
        EXPECT_TRUE(AnyWarningHolds(said)) << said;
    }
    // The application's module keeps its name; the generated macro module gives way.
    EXPECT_NE(ReadFile(out / "MacroCode.bas").find("Public Sub Sub77()"), std::string::npos);
    EXPECT_EQ(ReadFile(out / "MacroCode_2.bas").find("Sub77"), std::string::npos);
    EXPECT_NE(ReadFile(out / "MacroCode_2.bas").find("Attribute VB_Name = \"MacroCode_2\""),
              std::string::npos);

    // Every name Visual Basic reads is an identifier.
    for (const std::string& file : files) {
        for (const std::string& line : SplitLines(ReadFile(out / AnsiToPath(file)))) {
            std::string_view text = TrimWhitespace(line);
            std::string_view name;
            if (text.starts_with("Begin VB."))
                name = text.substr(text.rfind(' ') + 1);
            else if (text.starts_with("Attribute VB_Name = \""))
                name = text.substr(21, text.size() - 22);
            else
                continue;
            ASSERT_FALSE(name.empty()) << file << ": " << line;
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(name[0]))) << file << ": " << line;
            for (char c : name)
                EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '_')
                    << file << ": " << line;
        }
    }
    for (const ProjectFinding& problem : result.projectProblems)
        EXPECT_EQ(problem.message.find("does not exist"), std::string::npos) << problem.Text();
}

// Access names that differ in more than case can make file names that differ
// in case only; Windows reads those as one file.
TEST_F(HostileExportTest, FileNamesThatDifferOnlyInCaseAreNeverTwoFiles) {
    // Each object names itself in its caption or its procedure.
    const std::map<std::string, std::string> forms = {{"Orders%3AOld", "FormColon"},
                                                      {"orders_old", "FormUnderscore"},
                                                      {"ORDERS%2AOLD", "FormStar"}};
    const std::map<std::string, std::string> modules = {{"Tools%3ANew", "ModuleColon"},
                                                        {"tools_new", "ModuleUnderscore"},
                                                        {"TOOLS%3FNEW", "ModuleQuestion"},
                                                        {"Orders%7COld", "ModuleBar"}};
    for (const auto& [file, marker] : forms)
        Export("forms/" + file + ".bas", FormText(marker));
    for (const auto& [file, marker] : modules)
        Export("modules/" + file + ".bas", ModuleText(marker));

    ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done) << result.message;
    EXPECT_EQ(result.formsConverted, static_cast<int>(forms.size()));
    EXPECT_EQ(result.modulesConverted, static_cast<int>(modules.size()));

    // No two files of the output folder have one name as Windows compares them.
    std::set<std::string, ILess> onDisk;
    for (const auto& entry : fs::directory_iterator(out)) {
        const std::string name = PathToAnsi(entry.path().filename());
        EXPECT_TRUE(onDisk.insert(name).second) << name << " and " << *onDisk.find(name);
    }

    // The project names each file once, and each name is a file that is there.
    std::set<std::string, ILess> referenced;
    for (const std::string& file : ProjectFiles()) {
        EXPECT_TRUE(referenced.insert(file).second) << file << " named twice";
        EXPECT_TRUE(fs::is_regular_file(out / AnsiToPath(file))) << file;
    }
    // Every form and module of the folder is in the project.
    for (const std::string& name : onDisk) {
        if (IEndsWith(name, ".frm") || IEndsWith(name, ".bas")) {
            EXPECT_EQ(referenced.count(name), 1u) << name << " is not in the project";
        }
    }

    // Every object is in exactly one of the project's files.
    std::map<std::string, int> filesHolding;
    for (const std::string& file : referenced) {
        const std::string text = ReadFile(out / AnsiToPath(file));
        for (const auto& objects : {forms, modules}) {
            for (const auto& [name, marker] : objects) {
                if (text.find("\"" + marker + "\"") != std::string::npos ||
                    text.find(" " + marker + "()") != std::string::npos)
                    ++filesHolding[marker];
            }
        }
    }
    for (const auto& objects : {forms, modules}) {
        for (const auto& [name, marker] : objects)
            EXPECT_EQ(filesHolding[marker], 1) << name;
    }
}

}  // namespace
}  // namespace velorin
