// Where converted controls are drawn: each lies in the container its block is
// written into (the form, a section frame, a page-break strip, a tab control
// or an option group's frame), at the place Access shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "driver/conversion_driver.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::ScriptedUi;
using testing::TempDir;
namespace fs = std::filesystem;

using Block = testing::FormTextBlock;

std::vector<std::string> Place(int left, int top, int width, int height) {
    return {"Left =" + std::to_string(left), "Top =" + std::to_string(top),
            "Width =" + std::to_string(width), "Height =" + std::to_string(height)};
}

Block Control(const std::string& kind, const std::string& name, int left, int top, int width,
              int height, std::vector<std::string> more = {}, std::vector<Block> children = {}) {
    std::vector<std::string> properties = Place(left, top, width, height);
    properties.insert(properties.begin(), "Name =\"" + name + "\"");
    properties.insert(properties.end(), more.begin(), more.end());
    return {kind, std::move(properties), std::move(children)};
}

Block Page(const std::string& name, std::vector<Block> controls) {
    std::vector<std::string> properties = Place(300, 1000, 4800, 3000);
    properties.insert(properties.begin(), "Name =\"" + name + "\"");
    return {"Page", std::move(properties), std::move(controls)};
}

Block Section(const std::string& head, int height, std::vector<Block> controls) {
    return {
        head, {"Height =" + std::to_string(height), "Name =\"" + head + "\""}, std::move(controls)};
}

using testing::FormFromBlocks;

// The converted form's design: its blocks with their properties and parents.
struct Node {
    std::string className;
    std::string name;
    std::map<std::string, std::string> properties;
    std::vector<std::string> lines;
    const Node* parent = nullptr;

    long Number(const std::string& key) const {
        const auto found = properties.find(key);
        EXPECT_NE(found, properties.end()) << name << " has no " << key;
        return found == properties.end() ? 0 : std::stol(found->second);
    }
    bool Has(const std::string& key) const { return properties.count(key) > 0; }
    // The height of the client area the blocks inside this one are placed in.
    long InnerHeight() const { return Number(className == "VB.Form" ? "ClientHeight" : "Height"); }
};

struct Design {
    std::vector<std::unique_ptr<Node>> nodes;

    explicit Design(const std::string& text) {
        std::vector<Node*> open;
        int groups = 0;  // BeginProperty levels
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(start, end - start);
            start = end + 1;
            const size_t first = line.find_first_not_of(" \t");
            const size_t last = line.find_last_not_of(" \t\r");
            if (first == std::string::npos)
                continue;
            line = line.substr(first, last - first + 1);
            if (line.starts_with("BeginProperty")) {
                ++groups;
            } else if (line.starts_with("EndProperty")) {
                --groups;
            } else if (line.starts_with("Begin ")) {
                std::istringstream words(line.substr(6));
                auto node = std::make_unique<Node>();
                words >> node->className >> node->name;
                node->parent = open.empty() ? nullptr : open.back();
                open.push_back(node.get());
                nodes.push_back(std::move(node));
            } else if (line == "End") {
                if (!open.empty())
                    open.pop_back();
            } else if (!open.empty() && groups == 0) {
                open.back()->lines.push_back(line);
                const size_t equals = line.find('=');
                if (equals == std::string::npos)
                    continue;
                std::string key = line.substr(0, equals);
                key.erase(key.find_last_not_of(' ') + 1);
                std::string value = line.substr(equals + 1);
                value.erase(0, value.find_first_not_of(' '));
                open.back()->properties[key] = value;
            }
        }
    }

    const Node& Named(const std::string& name, const std::string& className = {}) const {
        for (const auto& node : nodes) {
            if (node->name == name && (className.empty() || node->className == className))
                return *node;
        }
        ADD_FAILURE() << "no block " << name;
        static const Node none;
        return none;
    }
    std::vector<const Node*> All(const std::string& name) const {
        std::vector<const Node*> found;
        for (const auto& node : nodes) {
            if (node->name == name)
                found.push_back(node.get());
        }
        return found;
    }
};

// The control lies inside its container from top to bottom.
void ExpectInside(const Node& control) {
    ASSERT_NE(control.parent, nullptr) << control.name;
    const long top = control.Number("Top");
    EXPECT_GE(top, 0) << control.name << " above " << control.parent->name;
    EXPECT_LE(top + control.Number("Height"), control.parent->InnerHeight())
        << control.name << " below the bottom of " << control.parent->name;
}

// A tab strip's member lines: each page's listed names, and the count each
// page gives.
struct StripMembers {
    std::map<int, std::vector<std::string>> listed;
    std::map<int, long> counts;

    explicit StripMembers(const Node& strip) {
        for (const std::string& line : strip.lines) {
            if (!line.starts_with("Tab("))
                continue;
            const int page = std::stoi(line.substr(4));
            const size_t quote = line.find('"');
            if (line.find(").Control(") != std::string::npos && quote != std::string::npos)
                listed[page].push_back(line.substr(quote + 1, line.rfind('"') - quote - 1));
            else if (line.find(").ControlCount=") != std::string::npos)
                counts[page] = std::stol(line.substr(line.find('=') + 1));
        }
    }
};

// The block a strip member names: "Name", or "Name(Index)" for a member of a
// control array.
const Node* MemberBlock(const Design& design, const std::string& member) {
    const size_t open = member.find('(');
    const std::string name = member.substr(0, open);
    for (const Node* block : design.All(name)) {
        if (open == std::string::npos
                ? !block->Has("Index")
                : block->Has("Index") && std::to_string(block->Number("Index")) ==
                                             member.substr(open + 1, member.size() - open - 2))
            return block;
    }
    return nullptr;
}

// Every name the strip lists is a block written onto the strip, every block
// written onto it is listed once, and each page's count is its list's length.
void ExpectMembersAreTheStripsBlocks(const Design& design, const Node& strip) {
    const StripMembers members(strip);
    std::map<const Node*, int> listings;
    for (const auto& [page, names] : members.listed) {
        EXPECT_EQ(members.counts.count(page) ? members.counts.at(page) : -1,
                  static_cast<long>(names.size()))
            << strip.name << " page " << page;
        for (const std::string& name : names) {
            const Node* block = MemberBlock(design, name);
            EXPECT_NE(block, nullptr) << strip.name << " lists " << name << ", no block";
            if (block == nullptr)
                continue;
            ++listings[block];
            EXPECT_EQ(block->parent, &strip) << name << " listed on " << strip.name;
        }
    }
    for (const auto& node : design.nodes) {
        if (node->parent == &strip) {
            EXPECT_EQ(listings[node.get()], 1) << node->name << " on " << strip.name;
        }
    }
}

// The strip page `page` lists `name` among its controls.
bool ListedOnPage(const Node& strip, int page, const std::string& name) {
    const auto listed = StripMembers(strip).listed[page];
    return std::find(listed.begin(), listed.end(), name) != listed.end();
}

constexpr int kTabHeight = 520;
constexpr int kHiddenShift = -75000;

// The embedded form: a label, a line and an option group of two buttons, on
// a record source of its own.
constexpr int kPartLabelLeft = 200, kPartLabelTop = 500;
constexpr int kPartLineLeft = 100, kPartLineTop = 1000;
constexpr int kGroupLeft = 1500, kGroupTop = 100, kButtonLeft = 1600, kButtonTop = 300;

std::unique_ptr<AccessForm> PartForm() {
    const Block button = Control("OptionButton", "optPartOne", kButtonLeft, kButtonTop, 260, 240,
                                 {"OptionValue =1"});
    const Block group = Control("OptionGroup", "fraPart", kGroupLeft, kGroupTop, 1200, 800,
                                {"TabIndex =0"}, {button});
    return FormFromBlocks(
        "Part", {"RecordSource =\"People\"", "Width =3000"},
        {Section("Section", 1500,
                 {Control("Label", "lblPart", kPartLabelLeft, kPartLabelTop, 1000, 240),
                  Control("Line", "linPart", kPartLineLeft, kPartLineTop, 2000, 0), group})});
}

class FormGeometryTest : public ::testing::Test {
  protected:
    FormGeometryTest() : session(app, testing::FreshSupportDatabase(dir), ui) {
        fs::create_directories(dir / "out");
        request.outputPathText = (dir / "out").string();
        request.databasePath = dir / "Geometry.mdb";
        request.templateDirectory = testing::SourceDir() / "support";
        app.AddForm(PartForm());
    }
    Design Convert(const std::string& form) {
        request.forms = {form};
        EXPECT_EQ(StartTranslation(session, request, DefaultConversionSteps()).outcome,
                  Outcome::Done);
        return Design(testing::ReadFile(dir / "out" / (form + ".frm")));
    }
    // The part's option button lies in its group's frame where Access shows it.
    static void ExpectPartButtonInItsFrame(const Design& design) {
        const Node& button = design.Named("fraPart", "VB.OptionButton");
        ASSERT_NE(button.parent, nullptr);
        EXPECT_EQ(button.parent->className, "VB.Frame");
        EXPECT_EQ(button.Number("Top"), kButtonTop - kGroupTop + 150);
        EXPECT_EQ(button.Number("Left"), kButtonLeft - kGroupLeft + 50);
        ExpectInside(button);
    }

    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    Session session;
    TranslationRequest request;
};

// A form header pushes the detail, and the subform in it, down; the footer is
// a frame of its own.
TEST_F(FormGeometryTest, AnEmbeddedFormLiesBelowTheParentsHeaderAndFooterControlsInTheirFrame) {
    constexpr int kHeader = 500, kSubLeft = 300, kSubTop = 1400;
    app.AddForm(FormFromBlocks(
        "Host", {"Width =6000"},
        {Section("FormHeader", kHeader, {Control("Label", "lblHead", 100, 100, 1000, 240)}),
         Section("Section", 4000,
                 {Control("Subform", "sfrPart", kSubLeft, kSubTop, 3000, 1500,
                          {"SourceObject =\"Part\""})}),
         Section("FormFooter", 600,
                 {Control("Line", "linFooter", 100, 300, 2000, 0),
                  Control("Image", "imgFooter", 2500, 100, 300, 300)})}));
    const Design design = Convert("Host");

    const Node& label = design.Named("lblPart");
    EXPECT_EQ(label.parent->className, "VB.Form");
    EXPECT_EQ(label.Number("Top"), kHeader + kSubTop + kPartLabelTop);
    EXPECT_EQ(label.Number("Left"), kSubLeft + kPartLabelLeft);
    ExpectInside(label);
    const Node& data = design.Named("datPart", "VB.Data");
    EXPECT_EQ(data.parent->className, "VB.Form");
    EXPECT_EQ(data.Number("Top"), kHeader + kSubTop);
    EXPECT_EQ(data.Number("Left"), kSubLeft);
    const Node& line = design.Named("linPart");
    EXPECT_EQ(line.Number("Y1"), kHeader + kSubTop + kPartLineTop);
    EXPECT_EQ(line.Number("X1"), kSubLeft + kPartLineLeft);
    ExpectPartButtonInItsFrame(design);

    // The footer's line lies in the footer's frame, relative to it.
    const Node& footerLine = design.Named("linFooter");
    ASSERT_NE(footerLine.parent, nullptr);
    EXPECT_EQ(footerLine.parent->className, "VB.Frame");
    EXPECT_EQ(footerLine.Number("Y1"), 300);
    EXPECT_LE(footerLine.Number("Y2"), footerLine.parent->InnerHeight());
    // An Access image has no tab stop: its picture box gets no TabStop line.
    EXPECT_FALSE(design.Named("imgFooter").Has("TabStop"));
}

// On a tab control's page, the embedded form's controls and a line are
// placed relative to the tab control.
TEST_F(FormGeometryTest, AnEmbeddedFormAndALineOnATabPageLieInTheTabControl) {
    constexpr int kHeader = 400, kTabLeft = 200, kTabTop = 600;
    constexpr int kSubLeft = 400, kSubTop = 1100, kLineTop = 2800;
    const Block page = Page("pgOne", {Control("Subform", "sfrOnTab", kSubLeft, kSubTop, 3000, 1500,
                                              {"SourceObject =\"Part\""}),
                                      Control("Line", "linOnTab", kSubLeft, kLineTop, 1000, 0)});
    const Block other = Page("pgTwo", {Control("Label", "lblTwo", 500, 1200, 1000, 240)});
    app.AddForm(FormFromBlocks(
        "TabHost", {"Width =6000"},
        {Section("FormHeader", kHeader, {}),
         Section("Section", 5000,
                 {Control("Tab", "tabHost", kTabLeft, kTabTop, 5000, 3500, {}, {page, other})})}));
    const Design design = Convert("TabHost");

    const Node& tab = design.Named("tabHost");
    EXPECT_EQ(tab.Number("Top"), kHeader + kTabTop);
    const Node& label = design.Named("lblPart");
    EXPECT_EQ(label.parent, &tab);
    EXPECT_EQ(label.Number("Top"), kSubTop + kPartLabelTop - kTabTop);
    EXPECT_EQ(label.Number("Left"), kSubLeft + kPartLabelLeft - kTabLeft);
    ExpectInside(label);
    const Node& data = design.Named("datPart", "VB.Data");
    EXPECT_EQ(data.parent, &tab);
    EXPECT_EQ(data.Number("Top"), kSubTop - kTabTop);
    EXPECT_EQ(data.Number("Left"), kSubLeft - kTabLeft);
    ExpectPartButtonInItsFrame(design);

    const Node& line = design.Named("linOnTab");
    EXPECT_EQ(line.parent, &tab);
    EXPECT_EQ(line.Number("Y1"), kLineTop - kTabTop);
    EXPECT_EQ(line.Number("X1"), kSubLeft - kTabLeft);
    // A page not showing keeps its controls out of sight, still relative to the tab.
    EXPECT_EQ(design.Named("lblTwo").Number("Left"), 500 - kTabLeft + kHiddenShift);
    EXPECT_EQ(design.Named("lblTwo").Number("Top"), 1200 - kTabTop);
}

// A detail with a page break becomes a strip of two pages: an option group
// and an embedded form on the second page lie on that page.
TEST_F(FormGeometryTest, AGroupAndAnEmbeddedFormOnAPageBreakPageLieOnThatPage) {
    constexpr int kBreak = 3000, kSubLeft = 2500, kSubTop = 3400;
    constexpr int kPagedGroupTop = 3300, kPagedButtonTop = 3500;
    const Block button =
        Control("OptionButton", "optPaged", 200, kPagedButtonTop, 260, 240, {"OptionValue =1"});
    app.AddForm(FormFromBlocks("PageHost", {"Width =6000"},
                               {Section("FormHeader", 300, {}),
                                Section("Section", 6000,
                                        {Control("Label", "lblFirst", 100, 100, 1000, 240),
                                         Control("PageBreak", "brkOne", 0, kBreak, 0, 0),
                                         Control("OptionGroup", "fraPaged", 100, kPagedGroupTop,
                                                 2000, 1000, {"TabIndex =1"}, {button}),
                                         Control("Subform", "sfrPaged", kSubLeft, kSubTop, 3000,
                                                 1500, {"SourceObject =\"Part\""})})}));
    const Design design = Convert("PageHost");

    const Node& strip = design.Named("SSTab1");
    const Node& pagedButton = design.Named("fraPaged", "VB.OptionButton");
    EXPECT_EQ(pagedButton.Number("Top"), kPagedButtonTop - kPagedGroupTop + 150);
    ExpectInside(pagedButton);
    ASSERT_NE(pagedButton.parent, nullptr);
    EXPECT_EQ(pagedButton.parent->parent, &strip);
    EXPECT_TRUE(ListedOnPage(strip, 1, pagedButton.parent->name));

    const Node& label = design.Named("lblPart");
    EXPECT_EQ(label.parent, &strip);
    EXPECT_TRUE(ListedOnPage(strip, 1, "lblPart"));
    EXPECT_EQ(label.Number("Top"), kTabHeight + kSubTop - kBreak + kPartLabelTop);
    EXPECT_EQ(label.Number("Left"), kSubLeft + kPartLabelLeft + kHiddenShift);
    ExpectInside(label);
    const Node& data = design.Named("datPart", "VB.Data");
    EXPECT_EQ(data.parent, &strip);
    EXPECT_TRUE(ListedOnPage(strip, 1, "datPart"));
    EXPECT_EQ(data.Number("Top"), kTabHeight + kSubTop - kBreak);
    const Node& line = design.Named("linPart");
    EXPECT_EQ(line.Number("Y1"), kTabHeight + kSubTop - kBreak + kPartLineTop);
    ExpectPartButtonInItsFrame(design);
}

// A tab page lists the controls written onto it: an embedded form's own
// controls and data control, an option group's frame and a list's row-source
// data control, but neither the subform control nor what has no block.
TEST_F(FormGeometryTest, ATabPageListsTheControlsWrittenOntoIt) {
    const Block attached = Control("Label", "lblChoice", 700, 1300, 600, 240);
    const Block button =
        Control("OptionButton", "optChoice", 500, 1300, 260, 240, {"OptionValue =1"}, {attached});
    const Block caption = Control("Label", "lblGroup", 400, 1000, 800, 240);
    const Block group = Control("OptionGroup", "fraChoice", 400, 1100, 1500, 800, {"TabIndex =1"},
                                {caption, button});
    const Block list = Control("ListBox", "lstPeople", 2500, 1100, 1500, 900,
                               {"RowSourceType =\"Table/Query\"", "RowSource =\"People\""});
    const Block first = Page("pgFirst", {group, list});
    const Block second =
        Page("pgSecond",
             {Control("Subform", "sfrOnPage", 400, 1100, 3000, 1500, {"SourceObject =\"Part\""})});
    app.AddForm(FormFromBlocks(
        "Listed", {"Width =6000"},
        {Section("Section", 5000,
                 {Control("Tab", "tabListed", 200, 600, 5000, 3500, {}, {first, second})})}));
    const Design design = Convert("Listed");

    const Node& tab = design.Named("tabListed");
    ExpectMembersAreTheStripsBlocks(design, tab);
    EXPECT_FALSE(ListedOnPage(tab, 1, "sfrOnPage"));
    EXPECT_TRUE(ListedOnPage(tab, 1, "lblPart"));
    EXPECT_TRUE(ListedOnPage(tab, 1, "datPart"));
    EXPECT_TRUE(ListedOnPage(tab, 1, design.Named("fraPart", "VB.OptionButton").parent->name));
    EXPECT_TRUE(ListedOnPage(tab, 0, design.Named("fraChoice", "VB.OptionButton").parent->name));
    EXPECT_TRUE(ListedOnPage(tab, 0, "lstPeople"));
    // The list's row source has a data control of its own on the list's page.
    int rowSources = 0;
    for (const auto& node : design.nodes) {
        if (node->className == "VB.Data" && node->parent == &tab && node->name != "datPart") {
            ++rowSources;
            EXPECT_TRUE(ListedOnPage(tab, 0, node->name)) << node->name;
        }
    }
    EXPECT_EQ(rowSources, 1);
}

// A section the form text gives no Height is as high as Access makes a new
// section, an inch; a section never shows shorter than its lowest control
// reaches. Its frame holds its controls, and the sections below follow it.
TEST_F(FormGeometryTest, ASectionFrameHoldsItsControls) {
    constexpr int kDefaultSection = 1440, kFooterBottom = 900, kDetail = 2000;
    const Block header{"FormHeader",
                       {"Name =\"FormHeader\""},
                       {Control("Label", "lblTitle", 100, 60, 3000, 300),
                        Control("Label", "lblOrder", 100, 1020, 3000, 315)}};
    app.AddForm(FormFromBlocks(
        "Sections", {"Width =6000"},
        {header, Section("Section", kDetail, {Control("Label", "lblBody", 100, 100, 1000, 240)}),
         Section("FormFooter", 300, {Control("Label", "lblFoot", 100, 600, 1000, 300)})}));
    const Design design = Convert("Sections");

    for (const char* name : {"lblTitle", "lblOrder", "lblFoot"}) {
        const Node& label = design.Named(name);
        ASSERT_NE(label.parent, nullptr);
        EXPECT_EQ(label.parent->className, "VB.Frame") << name;
        ExpectInside(label);
    }
    const Node& headerFrame = *design.Named("lblTitle").parent;
    EXPECT_EQ(headerFrame.Number("Height"), kDefaultSection);
    EXPECT_EQ(design.Named("lblBody").Number("Top"), kDefaultSection + 100);
    const Node& footerFrame = *design.Named("lblFoot").parent;
    EXPECT_EQ(footerFrame.Number("Height"), kFooterBottom);
    EXPECT_EQ(footerFrame.Number("Top"), kDefaultSection + kDetail);
    EXPECT_EQ(design.Named("Sections", "VB.Form").Number("ClientHeight"),
              kDefaultSection + kDetail + kFooterBottom);
}

// An option group near the top of its container (a section frame, the form
// itself): its frame reaches no higher than the container's top and holds
// every button, one below the group's bottom edge too, each where Access
// shows it.
TEST_F(FormGeometryTest, AnOptionGroupsFrameStaysInItsContainerAndHoldsItsButtons) {
    constexpr int kTop = 60, kGroupHeight = 700;
    auto group = [](const std::string& name) {
        const Block first =
            Control("OptionButton", name + "First", 200, kTop + 100, 260, 240, {"OptionValue =1"});
        // Access lets a button hang below its group's bottom edge.
        const Block low = Control("OptionButton", name + "Low", 200, kTop + kGroupHeight - 100, 260,
                                  240, {"OptionValue =2"});
        return Control("OptionGroup", name, 100, kTop, 2000, kGroupHeight, {"TabIndex =0"},
                       {first, low});
    };
    app.AddForm(FormFromBlocks(
        "Headed", {"Width =6000"},
        {Section("FormHeader", 1000, {group("fraHead")}), Section("Section", 2000, {})}));
    app.AddForm(
        FormFromBlocks("Bare", {"Width =6000"}, {Section("Section", 2000, {group("fraBody")})}));

    request.forms = {"Headed", "Bare"};
    ASSERT_EQ(StartTranslation(session, request, DefaultConversionSteps()).outcome, Outcome::Done);
    for (const auto& [form, name] : {std::pair{"Headed", "fraHead"}, {"Bare", "fraBody"}}) {
        const Design design(testing::ReadFile(dir / "out" / (std::string(form) + ".frm")));
        const std::vector<const Node*> buttons = design.All(name);
        ASSERT_EQ(buttons.size(), 2u) << name;
        const Node& frame = *buttons.front()->parent;
        EXPECT_EQ(frame.className, "VB.Frame");
        ExpectInside(frame);
        for (const Node* button : buttons) {
            EXPECT_EQ(button->parent, &frame);
            ExpectInside(*button);
        }
        // The buttons lie where Access shows them, whatever room the frame
        // takes; their indexes are their option values.
        const bool inOrder = buttons.front()->Number("Index") == 1;
        const Node& first = *buttons[inOrder ? 0 : 1];
        const Node& low = *buttons[inOrder ? 1 : 0];
        EXPECT_EQ(frame.Number("Top") + first.Number("Top"), kTop + 100) << name;
        EXPECT_EQ(frame.Number("Top") + low.Number("Top"), kTop + kGroupHeight - 100) << name;
    }
}

// Labels merged into control arrays to bring a crowded form under Visual
// Basic's limit stay listed on their tab page, by array name and index.
TEST_F(FormGeometryTest, LabelsMergedIntoArraysStayListedOnTheirTabPage) {
    std::vector<Block> labels;
    for (int i = 1; i <= 30; ++i)
        labels.push_back(
            Control("Label", "Label" + std::to_string(i), 100, 1000 + i * 10, 500, 240));
    std::vector<Block> detail;
    detail.push_back(Control("Tab", "tabCrowded", 0, 500, 5000, 3500, {},
                             {Page("pgLabels", std::move(labels)), Page("pgOther", {})}));
    for (int i = 1; i <= 240; ++i)
        detail.push_back(Control("Line", "Line" + std::to_string(i), 100, 4500, 1000, 0));
    app.AddForm(
        FormFromBlocks("Crowded", {"Width =6000"}, {Section("Section", 5000, std::move(detail))}));
    ui.answers = {Answer::Yes};
    const Design design = Convert("Crowded");

    const Node& tab = design.Named("tabCrowded");
    int merged = 0;
    for (const auto& node : design.nodes) {
        if (node->className == "VB.Label" && node->Has("Index"))
            ++merged;
    }
    EXPECT_GT(merged, 0);
    ExpectMembersAreTheStripsBlocks(design, tab);
}

}  // namespace
}  // namespace velorin
