#include <gtest/gtest.h>

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

std::unique_ptr<AccessForm> FormOf(const std::string& text, const std::string& name,
                                   const std::string& file) {
    auto form = std::make_unique<AccessForm>();
    BuildAccessForm(*ReadObjectText(text).text, name, file, *form);
    return form;
}

// The text of a form whose detail holds a label of each name of `labels`,
// then `lines` lines. Label i is captioned "caption i" when `captions`, and
// placed i * 10 twips down otherwise.
std::string CrowdedText(const std::vector<std::string>& labels, int lines, bool captions) {
    std::string text = CrLf({"Begin Form", "    Width =8000", "    Begin", "        Begin Section",
                             "            Height =9000", "            Begin"});
    for (size_t i = 0; i < labels.size(); ++i) {
        const std::string extra = captions ? "Caption =\"caption " + std::to_string(i) + "\""
                                           : "Top =" + std::to_string((i + 1) * 10);
        text += CrLf({"Begin Label", "Name =\"" + labels[i] + "\"", extra, "End"});
    }
    for (int i = 1; i <= lines; ++i)
        text += CrLf({"Begin Line", "Name =\"Line" + std::to_string(i) + "\"", "End"});
    return text + CrLf({"End", "End", "End", "End"});
}

// `first`, then the names Label<from> to Label<to>.
std::vector<std::string> Labels(std::vector<std::string> first, int from, int to) {
    for (int i = from; i <= to; ++i)
        first.push_back("Label" + std::to_string(i));
    return first;
}

// A form of `labels` labels named Label1, Label2, ... and `lines` lines, with
// `code` behind it.
std::unique_ptr<AccessForm> CrowdedForm(const std::string& name, int labels, int lines,
                                        const std::string& code = {}) {
    std::string text = CrowdedText(Labels({}, 1, labels), lines, false);
    if (!code.empty())
        text += "CodeBehindForm\r\n" + code;
    return FormOf(text, name, name);
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
    // Converts the form `name` of the application, added first when `text` is given.
    ConversionResult Convert(const std::string& name = "Crowded", const std::string& text = {},
                             const std::string& file = {}) {
        if (!text.empty())
            app.AddForm(FormOf(text, name, file.empty() ? name : file));
        request.forms = {name};
        return StartTranslation(session, request, DefaultConversionSteps());
    }
    // The form Crowded's control count as the analysis recorded it; -1 for none.
    long ControlCount() {
        session.supportDb.Close();
        const auto rows = testing::Rows(
            dir / "vlrn.db", "SELECT CtlCount FROM tblStats WHERE ModuleName = 'Crowded'");
        return rows.empty() ? -1 : std::stol(rows[0][0]);
    }

    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    Session session;
    TranslationRequest request;
};

TEST_F(FormConversionTest, LabelsBecomeControlArraysUntilTheFormFits) {
    app.AddForm(CrowdedForm("Crowded", 120, 180));
    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The form \"Crowded\" has 300 controls.  Visual Basic has a limit of 254 controls.  "
              "Velorin can reduce the control count by converting some of the labels into "
              "Control Arrays.  Do you want Velorin to do this?");
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
    EXPECT_EQ(ControlCount(), 252);
}

// A label the code has event procedures for stays out of the arrays: as an
// element its procedures would have to take the index.
TEST_F(FormConversionTest, LabelsWithEventProceduresStayAlone) {
    app.AddForm(CrowdedForm("Crowded", 120, 180,
                            CrLf({"Private Sub Label46_Click()", "End Sub",
                                  "Private Sub Label50_DblClick(Cancel As Integer)", "End Sub"})));
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
    EXPECT_LE(ControlCount(), 254);
}

// A form closing itself names itself by its Access name, which its file's
// name need not be.
TEST_F(FormConversionTest, AFormClosingItselfIsFoundByItsAccessName) {
    const std::string text =
        CrLf({"Begin Form", "    Begin", "        Begin Section", "            Height =500",
              "        End", "    End", "End", "CodeBehindForm", "Private Sub Form_Timer()",
              "    DoCmd.Close acForm, Me.Name", "End Sub"});
    ASSERT_EQ(Convert("Orders/Old", text, "Orders%2FOld.bas").outcome, Outcome::Done);
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
    ui.answers = {Answer::No};
    ConversionResult result = Convert();
    EXPECT_EQ(result.outcome, Outcome::Failed);  // nothing else was there to convert
    EXPECT_FALSE(fs::exists(dir / "out" / "Crowded.frm"));
    EXPECT_EQ(ControlCount(), -1);
}

TEST_F(FormConversionTest, AFormThatCannotBeReducedIsRejectedWithoutAQuestion) {
    app.AddForm(CrowdedForm("Crowded", 20, 280));
    app.AddModule({"M", {"Option Explicit"}});
    request.modules = {"M"};
    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert().outcome, Outcome::Done);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "The form \"Crowded\" has 300 controls.  Visual Basic has a limit of 254 controls, "
              "and Velorin was unable to find a way to reduce the control count.  The form will "
              "not be converted.");
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
    const std::vector<std::string> names =
        Labels({"Label_1", "label_1", "Label2", "Label3", "Label3"}, 4, 40);
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
    const std::vector<std::string> names =
        Labels({"Label 1", "Label_1", "label:1", "LABEL_1", "Label2"}, 3, 40);
    std::vector<std::string> captions;
    for (size_t i = 0; i < names.size(); ++i)
        captions.push_back("caption " + std::to_string(i));
    ui.answers = {Answer::Yes};
    ASSERT_EQ(Convert("Crowded", CrowdedText(names, 230, true)).outcome, Outcome::Done);
    ASSERT_EQ(ui.messages.size(), 1u);  // the form was over the limit
    ExpectSoundReduction(ReadFile(dir / "out" / "Crowded.frm"), static_cast<int>(ControlCount()),
                         captions);
}

TEST_F(FormConversionTest, SectionHeightsAddUpBeyondSixteenBits) {
    std::string text = "Begin Form\r\n    Width =1000\r\n    Begin\r\n";
    for (const char* section : {"FormHeader", "Section", "FormFooter"}) {
        text += std::string("        Begin ") + section +
                "\r\n            Height =22000\r\n        End\r\n";
    }
    text += "    End\r\nEnd\r\n";
    ASSERT_EQ(Convert("Tall", text).outcome, Outcome::Done);
    EXPECT_NE(ReadFile(dir / "out" / "Tall.frm").find("ClientHeight = 66000"), std::string::npos);
}

TEST_F(FormConversionTest, ABoundFormWithOnlyBeforeUpdateGetsOneValidateCase) {
    std::string text = CrLf(
        {"Begin Form", "    RecordSource =\"Items\"", "    BeforeUpdate =\"[Event Procedure]\"",
         "    Begin", "        Begin Section", "            Height =500", "        End", "    End",
         "End", "CodeBehindForm", "Private Sub Form_BeforeUpdate(Cancel As Integer)", "End Sub"});
    ASSERT_EQ(Convert("Crowded", text).outcome, Outcome::Done);
    const std::string frm = ReadFile(dir / "out" / "Crowded.frm");
    EXPECT_NE(
        frm.find(CrLf({"Private Sub datCrowded_Validate(Action As Integer, Save As Integer)",
                       "    Dim varReturn as variant", "", "    Select Case Action",
                       "        Case vbDataActionUpdate", "            Call Form_BeforeUpdate(0)",
                       "        Case Else", "    End Select", "End Sub"})),
        std::string::npos)
        << frm;
}

// Two controls whose names differ only in case (Access itself refuses them,
// an edited export may hold them): the code goes with the one whose events
// call it, the other takes another name, and every call the conversion
// writes reaches a procedure of the file. The one with events comes first in
// one form and second in the other.
TEST_F(FormConversionTest, ControlsNamedAlikeButForCaseLeaveTheCodeWithTheOneItServes) {
    const std::vector<std::string> withEvents = {"Begin CheckBox",
                                                 "Name =\"chkStatus\"",
                                                 "ControlSource =\"Status\"",
                                                 "OnGotFocus =\"[Event Procedure]\"",
                                                 "BeforeUpdate =\"[Event Procedure]\"",
                                                 "End"};
    const std::vector<std::string> without = {"Begin CheckBox", "Top =600", "Name =\"chkstatus\"",
                                              "End"};
    const std::string code =
        CrLf({"CodeBehindForm", "Private Sub chkStatus_GotFocus()", "    Me!chkStatus.Tag = \"x\"",
              "End Sub", "Private Sub chkStatus_BeforeUpdate(Cancel As Integer)",
              "    Cancel = Me!chkStatus = 0", "End Sub"});
    for (const bool eventsFirst : {true, false}) {
        std::string text = CrLf({"Begin Form", "RecordSource =\"Items\"", "Begin", "Begin Section",
                                 "Height =2000", "Begin"});
        for (const auto* block : eventsFirst ? std::vector{&withEvents, &without}
                                             : std::vector{&without, &withEvents}) {
            for (const std::string& line : *block)
                text += line + "\r\n";
        }
        text += CrLf({"End", "End", "End", "End"}) + code;
        const std::string name = eventsFirst ? "EventsFirst" : "EventsSecond";
        app.AddForm(FormOf(text, name, name));
    }
    request.forms = {"EventsFirst", "EventsSecond"};
    ASSERT_EQ(StartTranslation(session, request, DefaultConversionSteps()).outcome, Outcome::Done);
    for (const std::string name : {"EventsFirst", "EventsSecond"}) {
        SCOPED_TRACE(name);
        const std::string frm = ReadFile(dir / "out" / (name + ".frm"));
        std::map<std::string, std::string, ILess> defined;  // procedure, its control
        std::vector<std::string> called;
        for (const std::string& line : SplitLines(frm)) {
            std::string_view statement = TrimBlanks(line);
            for (std::string_view head : {"Private Sub ", "Public Sub ", "Sub "}) {
                if (!statement.starts_with(head))
                    continue;
                const std::string procedure(
                    statement.substr(head.size(), statement.find('(') - head.size()));
                defined.emplace(procedure, procedure.substr(0, procedure.find('_')));
            }
            if (statement.starts_with("Call "))
                called.emplace_back(statement.substr(5, statement.find('(') - 5));
        }
        ASSERT_FALSE(called.empty()) << frm;
        for (const std::string& procedure : called)
            EXPECT_TRUE(defined.count(procedure) > 0) << procedure << " is not defined:\n" << frm;
        // The code's own procedures are the checked box's, by its new name or its old.
        std::set<std::string, ILess> names;
        int boxes = 0;
        for (const WrittenControl& control : WrittenControls(frm)) {
            EXPECT_TRUE(names.insert(control.name).second) << control.name << " twice";
            boxes += control.className == "VB.CheckBox" ? 1 : 0;
        }
        ASSERT_EQ(boxes, 2);
        const auto gotFocus = std::find_if(defined.begin(), defined.end(), [](const auto& entry) {
            return IEndsWith(entry.first, "_GotFocus");
        });
        ASSERT_NE(gotFocus, defined.end()) << frm;
        EXPECT_NE(frm.find("    Me!" + gotFocus->second + ".Tag"), std::string::npos) << frm;
        // The control the code serves is the bound one.
        const size_t block = frm.find("Begin VB.CheckBox " + gotFocus->second + "\r\n");
        ASSERT_NE(block, std::string::npos) << frm;
        EXPECT_LT(frm.find("DataField =\"Status\"", block), frm.find("   End\r\n", block)) << frm;
    }
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

// A list Visual Basic's own list box can show: a value list whose hidden
// column, if any, holds numbers, or a single column of values.
TEST(StandardListTest, ValueListsWithAHiddenNumericKey) {
    AccessApplication app;
    ScriptedUi ui;
    Session session(app, "unused.db", ui);
    const std::string twoColumns = "ColumnCount =2\r\nColumnWidths =";
    const std::string valueList = "\"\r\nRowSourceType =\"Value List\"\r\n";
    const std::pair<std::string, bool> cases[] = {
        {twoColumns + "\"0;1440" + valueList + "RowSource =\"1;One;2;Two;3;Three\"\r\n", true},
        {twoColumns + "\"0;1440" + valueList + "RowSource =\"A;One;B;Two\"\r\n", false},
        {twoColumns + "\"1440;0" + valueList + "RowSource =\"One;1;Two;2\"\r\n", true},
        {twoColumns + "\"720;1440" + valueList, false},
        {twoColumns + "\"0;1440\"\r\nControlSource =\"ShipVia\"\r\n", false},
        {"ColumnCount =3\r\n", false},
        {"RowSourceType =\"Value List\"\r\nRowSource =\"Red;Green\"\r\n", true},
        {"RowSourceType =\"Field List\"\r\nRowSource =\"Orders\"\r\n", false},
    };
    for (const auto& [properties, standard] : cases) {
        const auto form = FormOf(CrLf({"Begin Form", "Begin", "Begin Section", "Begin",
                                       "Begin ListBox", "Name =\"lst\""}) +
                                     properties + CrLf({"End", "End", "End", "End", "End"}),
                                 "F", "F");
        EXPECT_EQ(IsStandardList(session, form->Controls()[0]), standard) << properties;
    }
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
