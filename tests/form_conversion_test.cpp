#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <set>

#include "code/analysis_records.h"
#include "common/string_helpers.h"
#include "driver/conversion_driver.h"
#include "form_context/frx_entry.h"
#include "form_context/initialisation_routines.h"
#include "forms/convert_form.h"
#include "forms/label_reduction.h"
#include "forms/standard_list_fit.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ReadFile;
using testing::ReadWritten;
using testing::ScriptedUi;
using testing::TempDir;
namespace fs = std::filesystem;

// A form whose detail holds `labels` labels named Label1, Label2, ... and
// `lines` lines, with `code` behind it.
std::unique_ptr<AccessForm> CrowdedForm(const std::string& name, int labels, int lines,
                                        const std::string& code = {}) {
    std::string text =
        "Begin Form\r\n    Width =8000\r\n    Begin\r\n        Begin Section\r\n            Height "
        "=9000\r\n"
        "            Begin\r\n";
    for (int i = 1; i <= labels; ++i) {
        text += "                Begin Label\r\n                    Name =\"Label" +
                std::to_string(i) + "\"\r\n                    Top =" + std::to_string(i * 10) +
                "\r\n                End\r\n";
    }
    for (int i = 1; i <= lines; ++i) {
        text += "                Begin Line\r\n                    Name =\"Line" +
                std::to_string(i) + "\"\r\n                End\r\n";
    }
    text += "            End\r\n        End\r\n    End\r\nEnd\r\n";
    if (!code.empty())
        text += "CodeBehindForm\r\n" + code;
    auto form = std::make_unique<AccessForm>();
    BuildAccessForm(*ReadObjectText(text).text, name, name, *form);
    return form;
}

// The control blocks of a form file's design section (the form's own block
// left out): name, Index lines and caption, as Visual Basic reads them.
struct WrittenControl {
    std::string className;
    std::string name;
    std::vector<std::string> indexes;
    std::string caption;
};

std::vector<WrittenControl> WrittenControls(const std::string& formText) {
    std::vector<WrittenControl> controls;
    std::vector<size_t> open;  // into controls; npos for the form block
    int groups = 0;
    for (const std::string& line : SplitLines(formText)) {
        const std::string_view text = TrimWhitespace(line);
        if (text.starts_with("BeginProperty")) {
            ++groups;
        } else if (text.starts_with("EndProperty")) {
            --groups;
        } else if (text.starts_with("Begin ")) {
            const std::string_view rest = TrimWhitespace(text.substr(6));
            const size_t blank = rest.find(' ');
            WrittenControl control{std::string(rest.substr(0, blank)),
                                   std::string(TrimWhitespace(rest.substr(blank + 1))),
                                   {},
                                   {}};
            if (control.className == "VB.Form") {
                open.push_back(std::string::npos);
            } else {
                open.push_back(controls.size());
                controls.push_back(std::move(control));
            }
        } else if (text == "End") {
            if (!open.empty())
                open.pop_back();
        } else if (!open.empty() && open.back() != std::string::npos && groups == 0) {
            WrittenControl& control = controls[open.back()];
            const size_t equals = text.find('=');
            const std::string_view key =
                TrimWhitespace(text.substr(0, equals == std::string_view::npos ? 0 : equals));
            const std::string value(
                TrimWhitespace(equals == std::string_view::npos ? "" : text.substr(equals + 1)));
            if (key == "Index")
                control.indexes.push_back(value);
            else if (key == "Caption")
                control.caption = value;
        }
    }
    return controls;
}

// What label reduction must leave in a form file: each block with one Index
// line at most; a name held by more than one block (as Visual Basic compares
// names, ignoring case) only as a control array with distinct indexes; as many
// names as the conversion counted, within the limit; and every label of
// `captions` written once.
void ExpectSoundReduction(const std::string& formText, int countedNames,
                          const std::vector<std::string>& captions) {
    const std::vector<WrittenControl> controls = WrittenControls(formText);
    std::map<std::string, std::vector<const WrittenControl*>, ILess> byName;
    std::map<std::string, int> labelsByCaption;
    for (const WrittenControl& control : controls) {
        EXPECT_LE(control.indexes.size(), 1u) << control.name << " has several Index lines";
        byName[control.name].push_back(&control);
        if (control.className == "VB.Label")
            ++labelsByCaption[control.caption];
    }
    for (const auto& [name, blocks] : byName) {
        if (blocks.size() == 1 && blocks[0]->indexes.empty())
            continue;
        std::set<std::string> indexes;
        for (const WrittenControl* block : blocks) {
            EXPECT_FALSE(block->indexes.empty())
                << block->name << " (" << block->caption << ") shares its name outside an array";
            if (!block->indexes.empty()) {
                EXPECT_TRUE(indexes.insert(block->indexes.front()).second)
                    << name << " has index " << block->indexes.front() << " twice";
            }
        }
    }
    EXPECT_EQ(static_cast<int>(byName.size()), countedNames);
    EXPECT_LE(static_cast<int>(byName.size()), kControlLimit);
    for (const std::string& caption : captions)
        EXPECT_EQ(labelsByCaption["\"" + caption + "\""], 1) << caption;
}

class FormConversionTest : public ::testing::Test {
  protected:
    FormConversionTest() : session(app, testing::FreshSupportDatabase(dir), ui) {
        fs::create_directories(dir / "out");
        request.outputPathText = (dir / "out").string();
        request.databasePath = dir / "Crowd.mdb";
        request.templateDirectory = testing::SourceDir() / "support";
    }
    ConversionResult Convert() {
        return StartTranslation(session, request, DefaultConversionSteps());
    }
    long Stat(const std::string& column) {
        session.supportDb.Close();
        sqlite3* db = nullptr;
        sqlite3_open((dir / "vlrn.db").c_str(), &db);
        sqlite3_stmt* q = nullptr;
        sqlite3_prepare_v2(
            db, ("SELECT " + column + " FROM tblStats WHERE ModuleName = 'Crowded'").c_str(), -1,
            &q, nullptr);
        long value = sqlite3_step(q) == SQLITE_ROW ? sqlite3_column_int(q, 0) : -1;
        sqlite3_finalize(q);
        sqlite3_close(db);
        return value;
    }

    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    Session session;
    TranslationRequest request;
};

TEST_F(FormConversionTest, LabelsBecomeControlArraysUntilTheFormFits) {
    app.AddForm(CrowdedForm("Crowded", 120, 180));
    request.forms = {"Crowded"};
    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The form \"Crowded\" has 300 controls.  Visual Basic has a limit of 254 controls.  "
              "Velorin can reduce "
              "the control count by converting some of the labels into Control Arrays.  Do you "
              "want Velorin to do "
              "this?");
    EXPECT_EQ(ui.messages[0].buttons, Buttons::YesNoHelp);
    EXPECT_EQ(ui.messages[0].helpContext, 301);
    const std::string form = ReadFile(dir / "out" / "Crowded.frm");
    // Four full groups of eleven and the first nine of the fifth: 48 names fewer.
    size_t indexes = 0;
    for (size_t at = form.find("Index = "); at != std::string::npos;
         at = form.find("Index = ", at + 1))
        ++indexes;
    EXPECT_EQ(indexes, 4u * 11 + 9);
    EXPECT_NE(form.find("Begin VB.Label Label45\r\n      Index = 0"), std::string::npos);
    EXPECT_NE(form.find("Begin VB.Label Label45\r\n      Index = 8"), std::string::npos);
    EXPECT_EQ(form.find("Begin VB.Label Label45\r\n      Index = 9"), std::string::npos);
    EXPECT_EQ(Stat("CtlCount"), 252);
}

// A label the code has event procedures for stays out of the arrays: as an
// element its procedures would have to take the index.
TEST_F(FormConversionTest, LabelsWithEventProceduresStayAlone) {
    app.AddForm(CrowdedForm("Crowded", 120, 180,
                            CrLf({"Private Sub Label46_Click()", "End Sub",
                                  "Private Sub Label50_DblClick(Cancel As Integer)", "End Sub"})));
    request.forms = {"Crowded"};
    ui.answers = {Answer::Yes};
    const ConversionResult result = Convert();
    ASSERT_EQ(result.outcome, Outcome::Done);
    const std::string form = ReadFile(dir / "out" / "Crowded.frm");
    for (const char* label : {"Label46", "Label50"}) {
        const size_t block = form.find(std::string("Begin VB.Label ") + label + "\r\n");
        ASSERT_NE(block, std::string::npos) << label;
        EXPECT_EQ(form.substr(block, form.find("End\r\n", block) - block).find("Index ="),
                  std::string::npos)
            << label;
    }
    for (const ProjectFinding& problem : result.projectProblems)
        EXPECT_NE(problem.cause, FindingCause::Conversion) << problem.message;
    EXPECT_LE(Stat("CtlCount"), 254);
}

// A form closing itself names itself by its Access name, which its file's
// name need not be.
TEST_F(FormConversionTest, AFormClosingItselfIsFoundByItsAccessName) {
    const std::string text =
        CrLf({"Begin Form", "    Begin", "        Begin Section", "            Height =500",
              "        End", "    End", "End", "CodeBehindForm", "Private Sub Form_Timer()",
              "    DoCmd.Close acForm, Me.Name", "End Sub"});
    auto form = std::make_unique<AccessForm>();
    BuildAccessForm(*ReadObjectText(text).text, "Orders/Old", "Orders%2FOld.bas", *form);
    app.AddForm(std::move(form));
    request.forms = {"Orders/Old"};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    // Known by that name, it is the form itself; by its file's name, a lookup
    // that finds nothing.
    const std::string frm = ReadFile(dir / "out" / "Orders_Old.frm");
    EXPECT_NE(frm.find("    Unload Orders_Old\t'VLRN DoCmd.Close acForm, Me.Name"),
              std::string::npos)
        << frm;
    EXPECT_EQ(frm.find("GetFormFromName"), std::string::npos);
}

TEST_F(FormConversionTest, NoToTheReductionRejectsTheForm) {
    app.AddForm(CrowdedForm("Crowded", 120, 180));
    request.forms = {"Crowded"};
    ui.answers = {Answer::No};
    ConversionResult result = Convert();
    EXPECT_EQ(result.outcome, Outcome::Failed);  // nothing else was there to convert
    EXPECT_FALSE(fs::exists(dir / "out" / "Crowded.frm"));
    EXPECT_EQ(Stat("CtlCount"), -1);
}

TEST_F(FormConversionTest, AFormThatCannotBeReducedIsRejectedWithoutAQuestion) {
    app.AddForm(CrowdedForm("Crowded", 20, 280));
    app.AddModule({"M", {"Option Explicit"}});
    request.forms = {"Crowded"};
    request.modules = {"M"};
    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The form \"Crowded\" has 300 controls.  Visual Basic has a limit of 254 controls, "
              "and Velorin was "
              "unable to find a way to reduce the control count.  The form will not be converted.");
    EXPECT_EQ(ui.messages[0].buttons, Buttons::OkHelp);
    EXPECT_FALSE(fs::exists(dir / "out" / "Crowded.frm"));
    EXPECT_EQ(ReadFile(dir / "out" / "Crowd.vbp").find("Form="), std::string::npos);
}

// Labels whose names Visual Basic reads as one name: each joins an array
// once, under an index of its own, and the form counts the names it holds.
TEST_F(FormConversionTest, LabelsOfOneNameAreEachMergedOnce) {
    // The reduction takes the label blocks of the form block as they are;
    // here one differs only in case from the label its group's array is
    // named after, and one name stands twice.
    std::vector<std::string> names = {"Label_1", "label_1", "Label2", "Label3", "Label3"};
    for (int i = 4; i <= 40; ++i)
        names.push_back("Label" + std::to_string(i));
    FormOutput output;
    output.StartForm("Begin VB.Form Crowded");
    DesignWriter out(&output.Form());
    std::vector<std::string> captions;
    for (size_t i = 0; i < names.size(); ++i) {
        captions.push_back("caption " + std::to_string(i));
        out.WriteLine("Begin VB.Label " + names[i]);
        out.WriteLine("Caption = \"" + captions.back() + "\"");
        out.WriteLine("End");
    }
    for (int i = 1; i <= 230; ++i) {
        out.WriteLine("Begin VB.Line Line" + std::to_string(i));
        out.WriteLine("End");
    }
    const std::unique_ptr<AccessForm> form = CrowdedForm("Crowded", 0, 0);
    FormShared shared(session, output, DefaultFormWriters());
    FormState state(shared);
    FormLevel level;
    level.form = form.get();
    state.level = &level;
    int& count = shared.result.controlCount;
    count = CountControlNames(output.Form());
    ASSERT_GT(count, kControlLimit);
    ui.answers = {Answer::Yes};
    ASSERT_TRUE(ReduceLabelControls(state));
    std::string text;
    for (const std::string& line : output.DesignLines(false))
        text += line + "\r\n";
    ExpectSoundReduction(text, count, captions);
}

// Access names that make one Visual Basic name get names of their own, so
// that the labels a crowded form merges are each merged once.
TEST_F(FormConversionTest, LabelsWhoseAccessNamesMakeOneIdentifierAreMergedOnce) {
    std::string text =
        "Begin Form\r\n    Width =8000\r\n    Begin\r\n        Begin Section\r\n"
        "            Height =9000\r\n            Begin\r\n";
    std::vector<std::string> names = {"Label 1", "Label_1", "label:1", "LABEL_1", "Label2"};
    for (int i = 3; i <= 40; ++i)
        names.push_back("Label" + std::to_string(i));
    std::vector<std::string> captions;
    for (size_t i = 0; i < names.size(); ++i) {
        captions.push_back("caption " + std::to_string(i));
        text += "                Begin Label\r\n                    Name =\"" + names[i] +
                "\"\r\n                    Caption =\"" + captions.back() +
                "\"\r\n                End\r\n";
    }
    for (int i = 1; i <= 230; ++i) {
        text += "                Begin Line\r\n                    Name =\"Line" +
                std::to_string(i) + "\"\r\n                End\r\n";
    }
    text += "            End\r\n        End\r\n    End\r\nEnd\r\n";
    auto form = std::make_unique<AccessForm>();
    BuildAccessForm(*ReadObjectText(text).text, "Crowded", "Crowded", *form);
    app.AddForm(std::move(form));
    request.forms = {"Crowded"};
    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    ASSERT_EQ(ui.messages.size(), 1u);  // the form was over the limit
    ExpectSoundReduction(ReadFile(dir / "out" / "Crowded.frm"), static_cast<int>(Stat("CtlCount")),
                         captions);
}

TEST_F(FormConversionTest, SectionHeightsAddUpBeyondSixteenBits) {
    std::string text = "Begin Form\r\n    Width =1000\r\n    Begin\r\n";
    for (const char* section : {"FormHeader", "Section", "FormFooter"}) {
        text += std::string("        Begin ") + section +
                "\r\n            Height =22000\r\n        End\r\n";
    }
    text += "    End\r\nEnd\r\n";
    auto form = std::make_unique<AccessForm>();
    BuildAccessForm(*ReadObjectText(text).text, "Tall", "Tall", *form);
    app.AddForm(std::move(form));
    request.forms = {"Tall"};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    EXPECT_NE(ReadFile(dir / "out" / "Tall.frm").find("ClientHeight = 66000"), std::string::npos);
}

TEST_F(FormConversionTest, ABoundFormWithOnlyBeforeUpdateGetsOneValidateCase) {
    std::string text = CrLf(
        {"Begin Form", "    RecordSource =\"Items\"", "    BeforeUpdate =\"[Event Procedure]\"",
         "    Begin", "        Begin Section", "            Height =500", "        End", "    End",
         "End", "CodeBehindForm", "Private Sub Form_BeforeUpdate(Cancel As Integer)", "End Sub"});
    auto form = std::make_unique<AccessForm>();
    BuildAccessForm(*ReadObjectText(text).text, "Crowded", "Crowded", *form);
    app.AddForm(std::move(form));
    request.forms = {"Crowded"};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    const std::string frm = ReadFile(dir / "out" / "Crowded.frm");
    EXPECT_NE(
        frm.find(CrLf({"Private Sub datCrowded_Validate(Action As Integer, Save As Integer)",
                       "    Dim varReturn as variant", "", "    Select Case Action",
                       "        Case vbDataActionUpdate", "            Call Form_BeforeUpdate(0)",
                       "        Case Else", "    End Select", "End Sub"})),
        std::string::npos)
        << frm;
}

// A button shows its caption or a picture its Tag names, never neither; the
// controls converted in part reach the driver for the form's picture.
TEST_F(FormConversionTest, ButtonsShowACaptionOrAPictureAndPartialControlsAreNamed) {
    auto button = [](const char* name, const char* foreColor, const char* picture) {
        return std::string("            Begin CommandButton\r\n                Name =\"") + name +
               "\"\r\n                Caption =\"&" + name +
               "\"\r\n                ForeColor =" + foreColor + "\r\n                Picture =\"" +
               picture + "\"\r\n            End\r\n";
    };
    const std::string text =
        "Begin Form\r\n    Begin\r\n        Begin Section\r\n            Height =2000\r\n"
        "            Begin\r\n" +
        button("cmdNext", "8388608", "C:\\\\Bitmaps\\\\next.bmp") +
        button("cmdSave", "8388608", "(bitmap)") + button("cmdPlain", "0", "(none)") +
        "            Begin UnboundObjectFrame\r\n                Name =\"oleChart\"\r\n"
        "            End\r\n        End\r\n        End\r\n    End\r\nEnd\r\n";
    auto form = std::make_unique<AccessForm>();
    ASSERT_TRUE(BuildAccessForm(*ReadObjectText(text).text, "Buttons", "Buttons", *form).ok);
    app.AddForm(std::move(form));
    request.forms = {"Buttons"};
    ConversionSteps steps = DefaultConversionSteps();
    std::vector<PartialControl> partial;
    steps.convertForm = [&](Session& s, FormOutput& output, const std::string& file,
                            const std::string& name) {
        FormResult result = ConvertForm(s, output, file, name);
        partial = result.partialControls;
        return result;
    };
    ASSERT_EQ(StartTranslation(session, request, steps).outcome, Outcome::Done);
    const std::string frm = ReadFile(dir / "out" / "Buttons.frm");
    for (const char* name : {"cmdNext", "cmdSave", "cmdPlain"}) {
        const size_t begin = frm.find(std::string(" ") + name + "\r\n");
        ASSERT_NE(begin, std::string::npos) << name;
        const std::string block = frm.substr(begin, frm.find("   End\r\n", begin) - begin);
        EXPECT_TRUE(block.find("Caption = \"&" + std::string(name) + "\"") != std::string::npos ||
                    block.find("Tag = ") != std::string::npos)
            << block;
    }
    EXPECT_EQ(partial, (std::vector<PartialControl>{
                           {"Buttons", "cmdSave", "cmdSave", reason::kButtonBitmap},
                           {"Buttons", "oleChart", "oleChart", reason::kUnboundObjectFrame}}));
}

TEST(FrxEntries, TextAndPictureEntriesAppendAtTheEnd) {
    FormOutput out;
    EXPECT_EQ(WriteFrxEntry(out, "datOrders", false), "0000");
    EXPECT_EQ(WriteFrxEntry(out, "", false, FrxEntry::Picture), "0012");
    EXPECT_EQ(WriteFrxEntry(out, "ab", true), "002E");
    EXPECT_EQ(
        out.Frx(),
        std::string("\xCE\xFA\x01\x00\x01\x00\x00\x00\x09"
                    "datOrders",
                    18) +
            std::string(
                "\x18\x00\x00\x00\x04\x52\xE3\x0B\x91\x8F\xCE\x11\x9D\xE3\x00\xAA\x00\x4B\xB8\x51"
                "\x6C\x74\x00\x00\x00\x00\x00\x00",
                28) +
            std::string("\xCE\xFA\x01\x00\x2B\x00\x00\x00\x02"
                        "ab",
                        11));
}

TEST(StandardListTest, ValueListsWithAHiddenNumericKey) {
    AccessApplication app;
    ScriptedUi ui;
    Session session(app, "unused.db", ui);
    auto list = [&](const std::string& props) {
        std::string text =
            "Begin Form\r\n    Begin\r\n        Begin Section\r\n            Begin\r\n"
            "                Begin ListBox\r\n                    Name =\"lst\"\r\n" +
            props + "                End\r\n            End\r\n        End\r\n    End\r\nEnd\r\n";
        auto form = std::make_unique<AccessForm>();
        BuildAccessForm(*ReadObjectText(text).text, "F", "F", *form);
        return form;
    };
    auto hiddenNumbers = list(
        "ColumnCount =2\r\nColumnWidths =\"0;1440\"\r\nRowSourceType =\"Value List\"\r\n"
        "RowSource =\"1;One;2;Two;3;Three\"\r\n");
    EXPECT_TRUE(IsStandardList(session, hiddenNumbers->Controls()[0]));
    auto hiddenText = list(
        "ColumnCount =2\r\nColumnWidths =\"0;1440\"\r\nRowSourceType =\"Value List\"\r\n"
        "RowSource =\"A;One;B;Two\"\r\n");
    EXPECT_FALSE(IsStandardList(session, hiddenText->Controls()[0]));
    auto secondHidden = list(
        "ColumnCount =2\r\nColumnWidths =\"1440;0\"\r\nRowSourceType =\"Value List\"\r\n"
        "RowSource =\"One;1;Two;2\"\r\n");
    EXPECT_TRUE(IsStandardList(session, secondHidden->Controls()[0]));
    auto noneHidden =
        list("ColumnCount =2\r\nColumnWidths =\"720;1440\"\r\nRowSourceType =\"Value List\"\r\n");
    EXPECT_FALSE(IsStandardList(session, noneHidden->Controls()[0]));
    auto bound =
        list("ColumnCount =2\r\nColumnWidths =\"0;1440\"\r\nControlSource =\"ShipVia\"\r\n");
    EXPECT_FALSE(IsStandardList(session, bound->Controls()[0]));
    auto three = list("ColumnCount =3\r\n");
    EXPECT_FALSE(IsStandardList(session, three->Controls()[0]));
    auto single = list("RowSourceType =\"Value List\"\r\nRowSource =\"Red;Green\"\r\n");
    EXPECT_TRUE(IsStandardList(session, single->Controls()[0]));
    auto fieldList = list("RowSourceType =\"Field List\"\r\nRowSource =\"Orders\"\r\n");
    EXPECT_FALSE(IsStandardList(session, fieldList->Controls()[0]));
}

TEST(InitialisationRoutines, ItemAndPictureLines) {
    AccessApplication app;
    ScriptedUi ui;
    Session session(app, "unused.db", ui);
    FormOutput output;
    const FormCode& code = output.Code();
    FormShared shared(session, output, DefaultFormWriters());
    FormState state(shared);
    state.shared.fileName = "F";
    AddComboItems(state, {}, {}, true, false);  // finish without a started function writes nothing
    EXPECT_TRUE(code.comboBoxes.Empty());
    testing::ChangeSettings(session, [&](ConversionSettings& s) { s.options.comboBoxType = 1; });
    AddComboItems(state, "\"Red\";\"Green\";\"Blue\"", "cboColour", false, true);
    AddComboItems(state, "SELECT Name FROM T WHERE X=\"a\"\r\nORDER BY Name", "cboName", false,
                  false);
    AddComboItems(state, {}, {}, true, false);
    EXPECT_EQ(code.comboBoxes.Joined(),
              CrLf({"Function InitializeComboBoxes()",
                    "gvarreturn = additemsGT(\"Red;Green;Blue\", me!cboColour, \"String\")",
                    "gvarreturn = additemsGT(\"SELECT Name FROM T WHERE X=\"\"a\"\" ORDER BY "
                    "Name\", me!cboName, \"Jet\")",
                    "End Function"}));
    state.shared.standardListFlag = true;
    AddListItems(state, "A;B", "lstA", false, true);
    EXPECT_EQ(code.listBoxes.Joined(),
              CrLf({"Function InitializeListBoxes()", "On Error Resume Next",
                    "gvarreturn = additemsMS(\"A;B\", me!lstA, \"String\")"}));
    AddButtonPicture(state, "C:\\Pictures\\logo.bmp", "cmdLogo", false);
    EXPECT_EQ(code.buttons.Joined(),
              CrLf({"Function InitializeButtons()", "On Error Resume Next",
                    "cmdLogo.picture =loadpicture(app.path & \"\\bitmaps\\logo.bmp\")"}));
}

}  // namespace
}  // namespace velorin
