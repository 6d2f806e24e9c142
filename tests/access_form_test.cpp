#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "session/host/access_defaults.h"
#include "session/host/access_form.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;

// A form as Access exports it: default blocks, a header, and controls inside
// controls, pages and an option group; then its code.
std::string FormText() {
    using Block = testing::FormTextBlock;
    const Block form{
        "Form",
        {"Caption =\"Orders\"", "PopUp = NotDefault", "MinButton = NotDefault", "AllowEdits =0",
         "Width =9000"},
        {{"Label", {"FontSize =11"}, {}},
         {"TextBox", {"FontName =\"Arial\"", "OldBorderStyle =0"}, {}},
         {"FormHeader",
          {"Height =600", "BackColor =255"},
          {{"Label", {"Name =\"lblTitle\"", "Caption =\"Orders\""}, {}}}},
         {"Section",
          {"Height =3000"},
          {{"TextBox",
            {"Name =\"txtQty\"", "Visible = NotDefault", "FontName =\"Tahoma\""},
            {{"Label", {"Name =\"lblQty\""}, {}}}},
           {"OptionGroup",
            {"Name =\"grpShip\""},
            {{"OptionButton", {"Name =\"optAir\"", "OptionValue =2"}, {}}}},
           {"Tab",
            {"Name =\"tabMain\""},
            {{"Page", {"Name =\"pgOne\""}, {{"CheckBox", {"Name =\"chkPaid\""}, {}}}}}},
           {"WhatsThis", {"Name =\"odd\""}, {}}}}}};
    std::string text = "Version =20\r\n";
    form.Write(text, 0);
    return text + CrLf({"CodeBehindForm", "Attribute VB_GlobalNameSpace = False",
                        "Attribute VB_Exposed = False", "Option Compare Database", "",
                        "Private Sub txtQty_AfterUpdate()", "End Sub"});
}

class AccessFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ObjectTextResult read = ReadObjectText(FormText());
        ASSERT_TRUE(read.text) << read.error.message;
        FormBuildResult built = BuildAccessForm(*read.text, "Orders/Entry", "forms/x.bas", form);
        ASSERT_TRUE(built.ok) << built.message;
    }
    const AccessControl& Control(std::string_view name) {
        const AccessControl* c = form.FindControl(name);
        EXPECT_NE(c, nullptr) << name;
        return *c;
    }
    AccessForm form;
};

TEST_F(AccessFormTest, FormPropertiesWithAccessDefaults) {
    EXPECT_EQ(form.Text("Name"), "Orders/Entry");
    EXPECT_EQ(form.Text("Caption"), "Orders");
    EXPECT_TRUE(form.Property("PopUp").AsBool());
    EXPECT_EQ(form.Text("MinButton"), "False");   // NotDefault of a True default
    EXPECT_EQ(form.Text("MaxButton"), "True");    // not written: Access's default
    EXPECT_EQ(form.Text("AllowEdits"), "False");  // a Boolean written as a number
    EXPECT_EQ(form.Property("Width").AsLong(), 9000);
    EXPECT_EQ(form.Text("BorderStyle"), "2");
    EXPECT_TRUE(form.Property("NoSuchProperty").IsEmpty());
}

TEST_F(AccessFormTest, SectionsByNumber) {
    EXPECT_TRUE(form.HasSection(0));
    EXPECT_TRUE(form.HasSection(1));
    EXPECT_FALSE(form.HasSection(2));
    EXPECT_EQ(form.SectionProperty(1, "Height").AsLong(), 600);
    EXPECT_EQ(form.SectionProperty(1, "BackColor").AsLong(), 255);
    EXPECT_TRUE(form.SectionProperty(2, "Height").IsEmpty());
    EXPECT_TRUE(form.SectionProperty(0, "Visible").AsBool());
}

TEST_F(AccessFormTest, ControlsKnowTheirTypeSectionAndParent) {
    std::vector<std::string> names;
    for (const AccessControl& c : form.Controls())
        names.push_back(c.Name());
    EXPECT_EQ(names, (std::vector<std::string>{"lblTitle", "txtQty", "lblQty", "grpShip", "optAir",
                                               "tabMain", "pgOne", "chkPaid", "odd"}));
    EXPECT_EQ(Control("lblTitle").Section(), 1);
    EXPECT_EQ(Control("lblTitle").Parent(), nullptr);
    EXPECT_EQ(Control("lblQty").Parent()->Name(), "txtQty");
    EXPECT_EQ(Control("optAir").Parent()->ControlType(), control_type::kOptionGroup);
    EXPECT_EQ(Control("chkPaid").Parent()->Name(), "pgOne");
    EXPECT_EQ(Control("chkPaid").Parent()->Parent()->ControlType(), control_type::kTabControl);
    EXPECT_EQ(Control("chkPaid").Section(), 0);
    EXPECT_EQ(Control("txtQty").Property("ControlType").AsLong(), 109);
    EXPECT_EQ(Control("odd").ControlType(), -1);
}

TEST_F(AccessFormTest, ControlPropertiesComeFromTextThenDefaultBlockThenAccess) {
    const AccessControl& qty = Control("txtQty");
    EXPECT_EQ(qty.Text("FontName"), "Tahoma");                         // its own
    EXPECT_EQ(Control("lblTitle").Property("FontSize").AsLong(), 11);  // the form's label default
    EXPECT_EQ(qty.Property("FontSize").AsLong(), 8);                   // Access's default
    EXPECT_FALSE(qty.Property("Visible").AsBool());
    EXPECT_TRUE(Control("lblQty").Property("Visible").AsBool());
    EXPECT_EQ(qty.Property("BorderStyle").AsLong(), 0);  // old name in the default block
    EXPECT_EQ(qty.Text("ControlSource"), "");
    EXPECT_EQ(Control("optAir").Property("OptionValue").AsLong(), 2);
}

// A name is found whatever its case, among many that share the quick test's
// bits; a name not there is not found.
TEST(PropertyListFind, EveryNameInAnyCaseAndNoOther) {
    PropertyList list;
    std::vector<std::string> names;
    for (int i = 0; i < 150; ++i)
        names.push_back((i % 2 ? "fore" : "Back") + std::to_string(i) + (i % 3 ? "Color" : "x"));
    for (const std::string& name : names)
        list.Add({name, PropertyValue::Text(name)});
    for (const std::string& name : names) {
        std::string upper = name;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const TextProperty* found = list.Find(upper);
        ASSERT_NE(found, nullptr) << upper;
        EXPECT_EQ(found->value.AsText(), name);
    }
    EXPECT_EQ(list.Find("Back0Colo"), nullptr);
    EXPECT_EQ(list.Find("Back150x"), nullptr);
    EXPECT_EQ(list.Find(""), nullptr);
}

// Access's built-in defaults: a control type's own entry before what every
// control has, names in any case, and nothing of the controls' for a form.
TEST(BuiltInDefaults, OwnEntryThenEveryControlsThenNothing) {
    auto value = [](int type, std::string_view name) {
        const BuiltInDefault* entry = FindBuiltInDefault(type, name);
        return entry == nullptr ? std::string("none") : std::string(entry->value);
    };
    EXPECT_EQ(value(control_type::kCommandButton, "Width"), "1440");
    EXPECT_EQ(value(control_type::kCommandButton, "height"), "360");
    EXPECT_EQ(value(control_type::kLabel, "Width"), "0");
    EXPECT_EQ(value(control_type::kLabel, "VISIBLE"), "True");
    EXPECT_EQ(value(control_type::kRectangle, "SpecialEffect"), "3");
    // A control type the table has no entry of still has every control's.
    EXPECT_EQ(value(199, "Top"), "0");
    EXPECT_EQ(value(control_type::kLabel, "NoSuchProperty"), "none");
    EXPECT_EQ(value(kFormObject, "Left"), "none");
    EXPECT_EQ(value(kSectionObject, "SpecialEffect"), "0");
}

TEST_F(AccessFormTest, CodeAsTheCodeModuleReturnsIt) {
    EXPECT_TRUE(form.HasModule());
    EXPECT_EQ(form.CodeLines(),
              (std::vector<std::string>{"Option Compare Database", "",
                                        "Private Sub txtQty_AfterUpdate()", "End Sub"}));
}

TEST(CodeModuleLines, DropsTheClassHeaderAndAttributes) {
    std::vector<std::string> lines{"VERSION 1.0 CLASS",
                                   "BEGIN",
                                   "  MultiUse = -1  'True",
                                   "END",
                                   "Attribute VB_Name = \"clsX\"",
                                   "Option Explicit",
                                   "Public Property Get Item()",
                                   "Attribute Item.VB_UserMemId = 0",
                                   "End Property"};
    EXPECT_EQ(CodeModuleLines(lines),
              (std::vector<std::string>{"Option Explicit", "Public Property Get Item()",
                                        "End Property"}));
}

TEST(AccessFormBuild, RefusesATextWithoutAForm) {
    ObjectTextResult read = ReadObjectText(CrLf({"Begin Macro", "End"}));
    ASSERT_TRUE(read.text);
    AccessForm form;
    EXPECT_FALSE(BuildAccessForm(*read.text, "x", "x.bas", form).ok);
}

}  // namespace
}  // namespace velorin
