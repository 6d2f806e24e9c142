// Conversions of tests/data/Faults.mdb.src, made of what has kept generated projects
// from loading or compiling: quotes in values, names the conversion wants for its own
// controls and modules, option groups and events the form's code already handles, menus,
// and names, texts and forms past Visual Basic's limits. The project is read back here,
// not with the converter's own project check.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

#include "test_support.h"

namespace velorin {
namespace {

using testing::ReadFile;
using testing::TempDir;
namespace fs = std::filesystem;

const std::vector<std::string> kOptionSets{
    "", "--option-set", "--vb4", "--mdi", "--list-type 1 --combo-type 1", "--standard-controls"};
const fs::path kSource = testing::SourceDir() / "tests" / "data" / "Faults.mdb.src";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
bool Same(const std::string& a, const std::string& b) {
    return Lower(a) == Lower(b);
}
std::string Trim(const std::string& text) {
    static const std::regex ends("^[ \t]+|[ \t]+$");
    return std::regex_replace(text, ends, "");
}
std::vector<std::string> Lines(const std::string& text) {
    static const std::regex end("\r?\n");
    return {std::sregex_token_iterator(text.begin(), text.end(), end, -1), {}};
}
const std::regex kIdentifier("[A-Za-z][A-Za-z0-9_]{0,39}");  // of at most 40 characters

// The string literal whose opening quote is at text[at]: its text, with `at`
// moved past the closing quote; nullopt when the text ends inside it.
std::optional<std::string> ReadString(const std::string& text, size_t& at) {
    std::string value;
    for (++at; at < text.size(); ++at) {
        if (text[at] == '"' && (++at == text.size() || text[at] != '"'))
            return value;
        value += text[at];
    }
    return std::nullopt;
}

// A value that starts with a quote: its text when it is one literal with
// nothing after it but a four-digit .frx offset or a comment.
std::optional<std::string> Literal(const std::string& value) {
    static const std::regex after(R"((:[0-9A-Fa-f]{4})?\s*('.*)?)");
    size_t at = 0;
    if (value.empty() || value[0] != '"')
        return std::nullopt;
    std::optional<std::string> text = ReadString(value, at);
    return text && std::regex_match(value.substr(at), after) ? text : std::nullopt;
}

// The string literals of lines of code; a line that ends inside one is put in `open`.
std::set<std::string> LiteralsOf(const std::vector<std::string>& lines,
                                 std::vector<std::string>* open = nullptr) {
    std::set<std::string> found;
    for (const std::string& line : lines) {
        for (size_t at = line.find_first_of("\"'"); at < line.size() && line[at] == '"';
             at = line.find_first_of("\"'", at)) {
            if (std::optional<std::string> text = ReadString(line, at))
                found.insert(*text);
            else if (open)
                open->push_back(line);
        }
    }
    return found;
}

struct Property {
    std::string name, value;
    int line = 0;
};

// A block of a form's design; the form's own block comes first.
struct Control {
    std::string className, name;
    int line = 0;
    int parent = -1;  // the enclosing block
    std::optional<std::string> index;
    std::vector<Property> properties;  // with those of its property groups

    std::optional<std::string> Text(const std::string& property) const {
        for (const Property& p : properties)
            if (Same(p.name, property))
                return Literal(p.value);
        return std::nullopt;
    }
};

struct Procedure {
    std::string name, kind;
    std::vector<std::string> parameters, body;

    bool Calls(const std::string& callee) const {
        const std::regex word("\\b" + callee + "\\b", std::regex::icase);
        return std::any_of(body.begin(), body.end(),
                           [&](const std::string& line) { return std::regex_search(line, word); });
    }
};

// A form or a module: a form's design, and the code one statement a line.
struct CodeFile {
    std::string file, name;
    std::vector<Control> blocks;  // none for a module
    std::vector<std::string> code;
    std::vector<Procedure> procedures;

    std::vector<const Control*> Where(auto&& test) const {
        std::vector<const Control*> found;
        for (size_t i = 1; i < blocks.size(); ++i)
            if (test(blocks[i]))
                found.push_back(&blocks[i]);
        return found;
    }
    std::vector<const Control*> All() const {
        return Where([](const Control&) { return true; });
    }
    std::vector<const Control*> Named(const std::string& wanted) const {
        return Where([&](const Control& c) { return Same(c.name, wanted); });
    }
    std::vector<const Control*> OfClass(const std::string& cls) const {
        return Where([&](const Control& c) { return c.className == cls; });
    }
    const Control* WithText(const std::string& property, const std::string& text) const {
        const auto found = Where([&](const Control& c) { return c.Text(property) == text; });
        return found.size() == 1 ? found[0] : nullptr;
    }
    const Control* Parent(const Control& c) const {
        return c.parent > 0 ? &blocks[static_cast<size_t>(c.parent)] : nullptr;
    }
    const Procedure* Find(const std::string& wanted) const {
        for (const Procedure& p : procedures)
            if (Same(p.name, wanted))
                return &p;
        return nullptr;
    }
};

void ReadCode(const std::vector<std::string>& lines, size_t from, CodeFile& file) {
    static const std::regex header(
        R"(\s*(?:(?:public|private|friend|static)\s+)*(sub|function|property\s+(?:get|let|set))\s+(\w+)\s*(?:\((.*)\))?.*)",
        std::regex::icase);
    static const std::regex footer(R"(\s*end\s+(sub|function|property)\b.*)", std::regex::icase);
    std::string rest;
    for (size_t i = from; i < lines.size(); ++i)
        rest += lines[i] + "\r\n";
    Procedure* open = nullptr;
    for (const std::string& line : Lines(testing::JoinContinuedLines(rest))) {
        file.code.push_back(line);
        std::smatch m;
        if (std::regex_match(line, m, header)) {
            open = &file.procedures.emplace_back(Procedure{m[2], Lower(m[1]), {}, {}});
            std::istringstream parameters(m[3]);
            for (std::string p; std::getline(parameters, p, ',');)
                open->parameters.push_back(Trim(p));
        } else if (std::regex_match(line, footer)) {
            open = nullptr;
        } else if (open) {
            open->body.push_back(line);
        }
    }
}

CodeFile ReadForm(const fs::path& path) {
    CodeFile form{path.filename().string(), "", {}, {}, {}};
    const std::vector<std::string> lines = Lines(ReadFile(path));
    std::vector<int> open;  // the blocks open, -1 for a property group
    size_t i = 0;
    for (; i < lines.size() && !(open.empty() && !form.blocks.empty()); ++i) {
        const std::string line = Trim(lines[i]);
        int owner = -1;
        for (int b : open)
            owner = b >= 0 ? b : owner;
        if (line == "End" || line == "EndProperty") {
            open.pop_back();
        } else if (line.starts_with("BeginProperty")) {
            open.push_back(-1);
        } else if (line.starts_with("Begin ")) {
            Control block{"", "", static_cast<int>(i + 1), owner, {}, {}};
            std::istringstream(line.substr(6)) >> block.className >> block.name;
            form.blocks.push_back(block);
            open.push_back(static_cast<int>(form.blocks.size() - 1));
        } else if (const size_t eq = line.find('='); eq != std::string::npos && owner >= 0) {
            Control& block = form.blocks[static_cast<size_t>(owner)];
            const Property& p = block.properties.emplace_back(Property{
                Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), static_cast<int>(i + 1)});
            if (open.back() >= 0 && Same(p.name, "Index"))
                block.index = p.value;
        }
    }
    form.name = form.blocks.empty() ? "" : form.blocks[0].name;
    ReadCode(lines, i, form);
    return form;
}

struct Project {
    std::unique_ptr<TempDir> dir = std::make_unique<TempDir>();
    fs::path out = *dir / "out";
    int status = -1;
    std::vector<CodeFile> files;  // forms and modules

    const CodeFile& Form(const std::string& name) const {
        for (const CodeFile& form : files)
            if (!form.blocks.empty() && Same(form.name, name))
                return form;
        ADD_FAILURE() << "no form " << name << " in the project";
        static const CodeFile none{"", "", {Control{}}, {}, {}};
        return none;
    }
    const CodeFile* ModuleDefining(const std::string& procedure) const {
        for (const CodeFile& module : files)
            if (module.blocks.empty() && module.Find(procedure))
                return &module;
        return nullptr;
    }
};

// The conversion of the application with the options, made once a run.
const Project& Converted(const std::string& options) {
    static std::map<std::string, std::unique_ptr<Project>> done;
    std::unique_ptr<Project>& project = done[options];
    if (project)
        return *project;
    project = std::make_unique<Project>();
    const fs::path db = testing::FreshSupportDatabase(*project->dir);
    const std::string command = std::string("'") + VELORIN_PROGRAM + "' convert '" +
                                kSource.string() + "' -o '" + project->out.string() +
                                "' --yes --support-db '" + db.string() + "' " + options +
                                " </dev/null >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    project->status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    for (const std::string& line : Lines(ReadFile(project->out / "Faults.vbp"))) {
        const size_t semicolon = line.find(';');
        if (line.starts_with("Form="))
            project->files.push_back(ReadForm(project->out / line.substr(5)));
        if (line.starts_with("Module=") && semicolon != std::string::npos) {
            CodeFile& module = project->files.emplace_back(CodeFile{
                Trim(line.substr(semicolon + 1)), Trim(line.substr(7, semicolon - 7)), {}, {}, {}});
            ReadCode(Lines(ReadFile(project->out / module.file)), 0, module);
        }
    }
    return *project;
}

// Runs the statement after it once a conversion, each failure naming its options.
#define FOR_EACH_CONVERSION(project)                                                            \
    for (const std::string& options : kOptionSets)                                              \
        if (const ::testing::ScopedTrace trace(__FILE__, __LINE__, "options " + options); true) \
            if (const Project& project = Converted(options); true)

// A property of a control in the application's export, its escapes undone.
std::string ExportValue(const std::string& form, const std::string& control,
                        const std::string& property) {
    const std::string text = ReadFile(kSource / "forms" / (form + ".bas"));
    size_t at = text.find(property + " =\"", text.find("Name =\"" + control + "\""));
    std::string plain;
    for (at += property.size() + 3; at < text.size() && text.compare(at, 3, "\"\r\n"); ++at)
        plain += text[at] == '\\' ? text[++at] : text[at];
    return plain;
}

// --- the project as a whole --------------------------------------------------
// The project check finds nothing of the conversion's; every line fits and
// every string is closed.
TEST(GeneratedProject, LoadsWithoutAConversionFindingOrAnOverlongLine) {
    static const std::regex text(R"(.*\.(frm|bas|vbp))");
    FOR_EACH_CONVERSION(project) {
        ASSERT_TRUE(project.status == 0 || project.status == 3) << project.status;
        std::string conversions;
        for (const std::string& line : Lines(ReadFile(project.out / "velorin.log")))
            if (!line.empty() &&
                !line.ends_with(" [the application's own fault, not the conversion's]"))
                conversions += "\n  " + line;
        EXPECT_EQ(conversions, "") << "the conversion's findings";
        for (const auto& entry : fs::directory_iterator(project.out)) {
            const std::vector<std::string> lines = Lines(ReadFile(entry.path()));
            const std::string name = entry.path().filename().string();
            for (size_t i = 0; i < lines.size() && std::regex_match(name, text); ++i)
                EXPECT_LE(lines[i].size(), 1023u) << name << ":" << i + 1;
        }
        for (const CodeFile& file : project.files) {
            for (const Control& block : file.blocks)
                for (const Property& p : block.properties)
                    EXPECT_TRUE(p.value[0] != '"' || Literal(p.value))
                        << file.file << ":" << p.line << ": " << p.name << " = " << p.value;
            std::vector<std::string> open;
            LiteralsOf(file.code, &open);
            EXPECT_EQ(open, std::vector<std::string>{}) << file.file;
        }
    }
}

TEST(GeneratedProject, QuotedValuesReadBackAsTheApplicationsText) {
    // A default value shows what Access shows in a new record.
    const char* const defaults[] = {"txtLiteral", "AB",    "txtExpression", "x",
                                    "txtQuoted",  "\"q\"", "txtZero",       "0"};
    FOR_EACH_CONVERSION(project) {
        const CodeFile& form = project.Form("Quotes");
        EXPECT_EQ(form.blocks[0].Text("Caption"), "Say \"Hi\"");
        // Labels, buttons, the labels of a check box and an option, a tab page.
        for (const char* text : {"\"Image not found\"", "Title \"one\"", "On \"first\"",
                                 "Press \"here\"", "Toggle \"on\"", "Check \"me\"", "Option \"A\""})
            EXPECT_NE(form.WithText("Caption", text), nullptr) << "no one Caption " << text;
        EXPECT_NE(form.WithText("TabCaption(0)", "The \"first\" page"), nullptr);
        const Control* header = form.WithText("Tag", "the \"head\" section");
        EXPECT_TRUE(header && header->className == "VB.Frame") << "the header's frame and tag";
        for (const std::string kind : {"\"label\"", "\"button\"", "\"text\""}) {
            EXPECT_NE(form.WithText("Tag", "Tag " + kind), nullptr) << kind;
            EXPECT_TRUE(options == "--vb4" || form.WithText("ToolTipText", "Tip " + kind)) << kind;
        }
        for (size_t i = 0; i < std::size(defaults); i += 2)
            EXPECT_EQ(form.Named(defaults[i]).at(0)->Text("Text"), defaults[i + 1]) << defaults[i];
        // A default that is an expression never shows its own source as text.
        EXPECT_FALSE(form.Named("txtToday").at(0)->Text("Text").value_or("=").starts_with("="));
    }
}

// --- names -------------------------------------------------------------------
TEST(GeneratedProject, NamesAreValidAndUniqueOrOneControlArray) {
    FOR_EACH_CONVERSION(project) {
        std::set<std::string> projectNames, fileNames;
        for (const CodeFile& file : project.files) {
            EXPECT_TRUE(std::regex_match(file.name, kIdentifier)) << file.name;
            EXPECT_TRUE(projectNames.insert(Lower(file.name)).second) << "two named " << file.name;
            EXPECT_TRUE(fileNames.insert(Lower(file.file)).second) << file.file;
            std::map<std::string, std::vector<const Control*>> byName;
            for (const Control* c : file.All())
                byName[Lower(c->name)].push_back(c);
            EXPECT_LE(byName.size(), 254u) << file.file << ": control names";
            for (const auto& [lower, group] : byName) {
                const Control& first = *group[0];
                const std::string at = file.file + ":" + std::to_string(first.line) + ": ";
                EXPECT_TRUE(std::regex_match(first.name, kIdentifier)) << at << first.name;
                std::set<std::string> indexes;
                for (const Control* c : group.size() > 1 ? group : std::vector<const Control*>{}) {
                    EXPECT_TRUE(c->index && indexes.insert(*c->index).second)
                        << at << c->name << " again, without an Index of its own";
                    EXPECT_EQ(c->className, first.className) << at << "one array, two classes";
                }
            }
        }
    }
}

TEST(GeneratedProject, TheApplicationsNamesStayAndTheConversionsOwnStepAside) {
    // Each control of the application's by its name, then the class it keeps.
    const char* const kept[] = {"Section",    "VB.Label", "Timer1",   "VB.TextBox", "datNames",
                                "VB.TextBox", "SSTab1",   "VB.Label", "grpChoice",  "VB.Label"};
    FOR_EACH_CONVERSION(project) {
        const CodeFile& names = project.Form("Names");
        for (size_t i = 0; i < std::size(kept); i += 2) {
            ASSERT_EQ(names.Named(kept[i]).size(), 1u) << kept[i];
            EXPECT_EQ(names.Named(kept[i])[0]->className, kept[i + 1]) << kept[i];
        }
        // The conversion's own timer, tab strip, section frames and data control.
        ASSERT_EQ(names.OfClass("VB.Timer").size(), 1u);
        EXPECT_EQ(names.OfClass("TabDlg.SSTab").size(), 1u);
        EXPECT_EQ(names.OfClass("VB.Data").size(), 1u);
        const Control* frame = names.Parent(*names.Named("Section")[0]);
        EXPECT_TRUE(frame && frame->className == "VB.Frame") << "the header's frame";
        const Procedure* tick = names.Find(names.OfClass("VB.Timer")[0]->name + "_Timer");
        EXPECT_TRUE(tick && tick->Calls("Form_Timer")) << "the timer runs no Form_Timer";
        // A combo named like its bound form: its value follows the form's records.
        const CodeFile& individual = project.Form("IndividualID");
        ASSERT_EQ(individual.Named("IndividualID").size(), 1u);
        const auto records =
            individual.Named(individual.Named("IndividualID")[0]->Text("DataSource").value_or(""));
        EXPECT_TRUE(records.size() == 1 && records[0]->Text("RecordSource") == "Individuals");
        // The application's form MDIParent and module MacroCode stay themselves.
        EXPECT_EQ(project.Form("MDIParent").blocks[0].className, "VB.Form");
        const CodeFile* own = project.ModuleDefining("Greeting");
        const CodeFile* macros = project.ModuleDefining("mcrFaults_Picked");
        ASSERT_TRUE(own && macros && project.ModuleDefining("Main"));
        EXPECT_EQ(own->name, "MacroCode");
        EXPECT_NE(macros, own);
        // Sub Main shows the MDI parent by its own name.
        const Procedure* main = project.ModuleDefining("Main")->Find("Main");
        std::vector<std::string> parents;
        for (const CodeFile& form : project.files)
            if (!form.blocks.empty() && form.blocks[0].className == "VB.MDIForm")
                parents.push_back(form.name);
        EXPECT_EQ(parents.size(), options == "--mdi" ? 1u : 0u);
        for (const std::string& parent : parents)
            EXPECT_TRUE(main->Calls(parent + "\\.Show")) << "Sub Main does not show " << parent;
    }
}

TEST(GeneratedProject, ReferencesFollowTheNamesTheyWereGiven) {
    static const std::regex call(R"(\s*Call\s+(\w+).*)", std::regex::icase);
    static const std::regex recordset(R"(\b(\w+)\.(Recordset|RecordSource)\b)", std::regex::icase);
    FOR_EACH_CONVERSION(project) {
        for (const CodeFile& file : project.files) {
            SCOPED_TRACE(file.file);
            const auto is = [&](const std::string& name, const std::string& cls) {
                const auto found = file.Named(name);
                return found.size() == 1 && found[0]->className == cls;
            };
            for (const Control* c : file.All())
                for (const char* property : {"DataSource", "DataSourceList"})
                    EXPECT_TRUE(!c->Text(property) || is(*c->Text(property), "VB.Data"))
                        << c->name << "." << property;
            static const std::regex select(R"(\s*(\w+)\(.*\)\.value = true)", std::regex::icase);
            for (const Procedure& p : file.procedures) {
                EXPECT_TRUE(!p.name.ends_with("_Reposition") ||
                            is(p.name.substr(0, p.name.size() - 11), "VB.Data"))
                    << p.name;
                // A record shows its group's value on a button of the group's array.
                for (const std::string& line : p.body) {
                    std::smatch m;
                    if (p.name.ends_with("_Reposition") && std::regex_match(line, m, select)) {
                        EXPECT_FALSE(file.Named(m[1]).empty() || !file.Named(m[1])[0]->index)
                            << line;
                    }
                }
            }
            for (const std::string& line : file.code) {
                std::smatch m;
                EXPECT_TRUE(!std::regex_match(line, m, call) || file.Find(m[1]) ||
                            project.ModuleDefining(m[1]))
                    << line;
                for (auto it = std::sregex_iterator(line.begin(), line.end(), recordset);
                     it != std::sregex_iterator(); ++it)
                    EXPECT_TRUE(Same((*it)[1], "Me") || is((*it)[1], "VB.Data")) << line;
            }
        }
    }
}

// Names Visual Basic reads as its own, that the project defines for itself
// (OpenArgs, InitialValues, gettoken, Main) or that a module makes public (an
// enum member) are no form's or control's; the code follows the names given.
TEST(GeneratedProject, NamesVisualBasicOrTheProjectHoldGiveWayEverywhere) {
    static const std::set<std::string> keywords{"end", "print", "date", "me", "if", "sub"};
    static const std::regex controlReference(R"(\bMe!(\w+|\[[^\]]+\]))", std::regex::icase);
    static const std::regex dim(R"(\s*dim\s+(\w+).*)", std::regex::icase);
    FOR_EACH_CONVERSION(project) {
        for (const CodeFile& file : project.files) {
            EXPECT_FALSE(keywords.count(Lower(file.name))) << file.file;
            std::set<std::string> members;
            for (const Procedure& p : file.procedures)
                members.insert(Lower(p.name));
            for (const std::string& line : file.code) {
                std::smatch m;
                if (std::regex_match(line, m, dim) && file.Find(m[1]) == nullptr)
                    members.insert(Lower(m[1]));
            }
            for (const Control* c : file.All()) {
                EXPECT_FALSE(keywords.count(Lower(c->name))) << file.file << ": " << c->name;
                EXPECT_FALSE(c->className != "VB.Menu" && members.count(Lower(c->name)))
                    << file.file << ": " << c->name << " is a control and a member";
            }
        }
        const CodeFile& reserved = project.Form("Reserved");
        static const std::regex byName(R"re(\bControls\("(\w+)"\))re", std::regex::icase);
        for (const std::string& line : reserved.code) {
            const std::string code = line.substr(0, line.find("'VLRN"));
            for (const std::regex* reference : {&controlReference, &byName})
                for (auto it = std::sregex_iterator(code.begin(), code.end(), *reference);
                     it != std::sregex_iterator(); ++it)
                    EXPECT_EQ(reserved.Named((*it)[1]).size(), 1u) << line;
        }
        const Control* print = reserved.WithText("Caption", "Print");
        ASSERT_TRUE(print);
        const Procedure* click = reserved.Find(print->name + "_Click");
        EXPECT_TRUE(click && click->Calls(print->name)) << "the button's own Click procedure";
        // The form's Form_Load calls the routines the conversion added, not the
        // form's own of one name.
        const CodeFile& initial = project.Form("Initial");
        static const std::regex loaderCall(R"(\s*vReturnValue=(\w+)\(\))", std::regex::icase);
        bool setsTheDefault = false;
        for (const std::string& line : initial.Find("Form_Load")->body) {
            std::smatch m;
            if (std::regex_match(line, m, loaderCall)) {
                ASSERT_TRUE(initial.Find(m[1])) << line;
                setsTheDefault = setsTheDefault || initial.Find(m[1])->Calls("txtWhen");
            }
        }
        EXPECT_TRUE(setsTheDefault);
        // A double-click that sets Cancel has a Cancel of its own to set.
        const Procedure* dblClick = initial.Find("txtWhen_DblClick");
        ASSERT_TRUE(dblClick);
        EXPECT_TRUE(dblClick->parameters.empty() ||
                    (dblClick->parameters.size() == 1 && dblClick->parameters[0].empty()));
        EXPECT_TRUE(!dblClick->body.empty() &&
                    std::regex_match(dblClick->body[0], std::regex(R"(\s*Dim Cancel As Integer)")));
        // Each form opened by name is the form of that name; a module named
        // like a form is called by the name it got.
        const CodeFile& opener = project.Form("Order_FormA");
        for (const std::string caption : {"Order-Form", "Order Form", "Main"}) {
            const auto shown =
                std::find_if(opener.code.begin(), opener.code.end(), [&](const std::string& line) {
                    return line.ends_with("\"" + caption + "\"") ||
                           line.find("\"" + caption + "\",") != std::string::npos;
                });
            ASSERT_NE(shown, opener.code.end()) << caption;
            const std::string form = Trim(shown->substr(0, shown->find('.')));
            EXPECT_EQ(project.Form(form).blocks[0].Text("Caption"), caption) << *shown;
        }
        const CodeFile* utils = project.ModuleDefining("Salutation");
        ASSERT_TRUE(utils);
        EXPECT_TRUE(opener.Find("cmdOpen_Click")->Calls(utils->name + "\\.Salutation"));
        for (const char* form : {"FeatureA", "MainA"})
            EXPECT_EQ(project.Form(form).blocks[0].Text("Caption"),
                      std::string(form).substr(0, std::strlen(form) - 1));
        EXPECT_FALSE(Same(utils->name, "Utils")) << "the form Utils keeps its name";
        // The support module's routine of the application's name gave way.
        int gettoken = 0;
        for (const CodeFile& file : project.files)
            gettoken += file.blocks.empty() && file.Find("GetToken") != nullptr;
        EXPECT_EQ(gettoken, 1) << "two modules define GetToken";
    }
}

// Every call of a procedure of the file, as a statement, passes the arguments
// it takes: an index for a group's event procedure comes first.
TEST(GeneratedProject, StatementCallsPassTheArgumentsTheirProceduresTake) {
    static const std::regex called(R"(\s*(?:Call\s+)?(\w+)\s*(?:\((.*)\)|\s(.*))?)",
                                   std::regex::icase);
    FOR_EACH_CONVERSION(project) {
        for (const CodeFile& file : project.files) {
            for (const std::string& line : file.code) {
                std::smatch m;
                const Procedure* callee =
                    std::regex_match(line, m, called) ? file.Find(m[1]) : nullptr;
                if (callee == nullptr || line.find('=') != std::string::npos ||
                    line.find(':') != std::string::npos || callee->kind != "sub")
                    continue;
                const std::string arguments = Trim(m[2].matched ? m[2].str() : m[3].str());
                size_t count = arguments.empty() ? 0 : 1;
                int depth = 0;
                for (char c : arguments) {
                    depth += c == '(' ? 1 : c == ')' ? -1 : 0;
                    count += c == ',' && depth == 0;
                }
                size_t taken = 0;
                for (const std::string& p : callee->parameters)
                    taken += !p.empty();
                EXPECT_EQ(count, taken) << file.file << ": " << line;
            }
        }
        const CodeFile& groups = project.Form("Groups");
        EXPECT_TRUE(groups.Find("Form_Load")->Calls("Colour_MouseDown OptionGroupValue"));
        // A Yes (-1) no index can be is shown on the button that took its place.
        if (options != "--option-set") {
            const Procedure* reposition = groups.Find("datGroups_Reposition");
            ASSERT_TRUE(reposition);
            const Control* answerYes = nullptr;
            for (const Control* c : groups.Named("Answer"))
                if (c->line > 0 && c->index == "1")
                    answerYes = c;
            ASSERT_TRUE(answerYes) << "the Yes button takes the free index 1";
            EXPECT_TRUE(reposition->Calls("Answer\\(Switch\\(.* = -1, 1")) << "Answer's value -1";
        }
    }
}

// A call reaches what the application has; a macro or an event procedure
// the application never had leaves its call marked, where the analysis
// records it. (That every Call names a procedure of its file or of a module
// is ReferencesFollowTheNamesTheyWereGiven's.)
TEST(GeneratedProject, CallsReachWhatTheApplicationHasAndMarkTheRest) {
    FOR_EACH_CONVERSION(project) {
        const CodeFile& targets = project.Form("Targets");
        // What the application has is called: a named macro of a group, a
        // control's event procedure under its Access name, the form's own.
        EXPECT_TRUE(targets.Find("cmdPicked_Click")->Calls("mcrFaults_Picked"));
        EXPECT_TRUE(targets.Find("Order_ID_LostFocus")->Calls("Order_ID_Exit"));
        EXPECT_TRUE(targets.Find("datTargets_Validate")->Calls("Form_BeforeUpdate"));
        EXPECT_TRUE(targets.Find("txtNoExit_GotFocus")->Calls("mcrFaults"));
        const std::string text = ReadFile(project.out / targets.file);
        for (const std::string marked :
             {"'VLRN Call Pick", "'VLRN Call cmdPick_DblClick", "'VLRN Call txtNoExit_Exit(0)",
              "'VLRN Call Form_Current", "'VLRN Call mcrFaults_Gone"})
            EXPECT_NE(text.find(marked + "\r\n"), std::string::npos) << marked;
    }
}

TEST(GeneratedProject, ASubformShownTwiceOrWithPagesKeepsItsCopiesApart) {
    FOR_EACH_CONVERSION(project) {
        const auto items = project.Form("Twice").Where(
            [](const Control& c) { return c.Text("DataField") == "Item"; });
        ASSERT_EQ(items.size(), 2u) << "the subform's text box, once a copy";
        EXPECT_NE(items[0]->Text("DataSource"), items[1]->Text("DataSource"))
            << "each copy follows a data control of its own";
        // Each copy brings the subform's code: the event procedure of its
        // own text box, its procedures and variables beside the form's own of
        // one name, its Form_Current run when its records move.
        const CodeFile& twice = project.Form("Twice");
        for (const Control* item : items) {
            const Procedure* exit = twice.Find(item->name + "_LostFocus");
            ASSERT_TRUE(exit) << item->name;
            EXPECT_TRUE(exit->Calls(item->name + "_Exit")) << item->name;
            const Procedure* own = twice.Find(item->name + "_Exit");
            ASSERT_TRUE(own) << item->name;
            EXPECT_TRUE(own->Calls(item->name + R"(\.Tag)")) << item->name;
            EXPECT_FALSE(own->Calls("Tally")) << "the form's own Tally is not the subform's";
            const Procedure* reposition =
                twice.Find(item->Text("DataSource").value_or("") + "_Reposition");
            ASSERT_TRUE(reposition) << item->name;
            EXPECT_TRUE(reposition->Calls("Twice_Part_Form_Current(_2)?")) << item->name;
        }
        // Each copy loads with the form.
        const Procedure* load = twice.Find("InitialValues");
        ASSERT_TRUE(load);
        EXPECT_TRUE(load->Calls("Twice_Part_Form_Load"));
        EXPECT_TRUE(load->Calls("Twice_Part_Form_Load_2"));
        EXPECT_TRUE(twice.Find("Form_Current")->Calls("Tally"));
        EXPECT_TRUE(twice.Find("Tally")->Calls(R"(mCount = mCount \+ 10)"));
        for (const char* copy : {"Tally_2", "Tally_3"})
            EXPECT_TRUE(twice.Find(copy) &&
                        twice.Find(copy)->Calls(R"(mCount_\d = mCount_\d \+ 1)"))
                << copy;
        // A subform with page breaks in a form with page breaks: two tab strips,
        // each of its own name.
        const auto strips = project.Form("Paged").Where(
            [](const Control& c) { return c.className == "TabDlg.SSTab"; });
        ASSERT_EQ(strips.size(), 2u);
        EXPECT_FALSE(Same(strips[0]->name, strips[1]->name));
    }
}

// --- code --------------------------------------------------------------------
// The code each file already had, and the conversion's event procedures in it.
TEST(GeneratedProject, CodeTheFormAlreadyHadKeepsItsMeaning) {
    static const std::regex bareCall(R"(\s*Call\s+(\w+)\s*(\(\s*\))?\s*)", std::regex::icase);
    static const std::regex statement(R"(\s*(?:Call\s+)?(\w+)\b(?!\s*=).*)", std::regex::icase);
    static const std::regex indexFirst(R"((ByVal\s+)?Index\s+As\s+Integer)", std::regex::icase);
    static const std::regex arrayEvent(
        "(click|dblclick|gotfocus|lostfocus|key(down|up|press)|mouse(down|up|move)|change|"
        "drag(drop|over)|validate)",
        std::regex::icase);
    FOR_EACH_CONVERSION(project) {
        for (const CodeFile& file : project.files) {
            // A procedure is defined once; the event procedure of a control
            // array takes the index, and a call of it passes one.
            std::map<std::string, int> seen;
            for (const Procedure& p : file.procedures) {
                const std::string at = file.file + ": " + p.name;
                EXPECT_EQ(++seen[p.kind + " " + Lower(p.name)], 1) << at << " is defined twice";
                for (const Control* array : file.Where([](const Control& c) { return !!c.index; }))
                    EXPECT_TRUE(
                        !Lower(p.name).starts_with(Lower(array->name) + "_") ||
                        !std::regex_match(p.name.substr(array->name.size() + 1), arrayEvent) ||
                        (!p.parameters.empty() && std::regex_match(p.parameters[0], indexFirst)))
                        << at << ": " << array->name << " is a control array";
            }
            std::map<std::string, std::set<std::string>> calls;
            for (const Procedure& p : file.procedures) {
                // Calls guarded against running again while they run cannot go round.
                bool guarded = false;
                for (const std::string& line : p.body) {
                    std::smatch m;
                    const Procedure* callee =
                        std::regex_match(line, m, bareCall) ? file.Find(m[1]) : nullptr;
                    EXPECT_TRUE(!callee || callee->parameters.empty()) << file.file << ": " << line;
                    if (line.find("If Not bVlrnRunning Then") != std::string::npos)
                        guarded = true;
                    else if (guarded && line.find("End If") != std::string::npos)
                        guarded = false;
                    if (!guarded && std::regex_match(line, m, statement) && file.Find(m[1]))
                        calls[Lower(p.name)].insert(Lower(m[1]));
                }
            }
            // An event both the conversion and the code handle does not become
            // two procedures that call each other without end.
            for (const auto& [caller, callees] : calls)
                for (const std::string& callee : callees)
                    EXPECT_FALSE(caller <= callee && calls[callee].count(caller))
                        << file.file << ": " << caller << " and " << callee << " call each other";
            // The application's strings are its own: no translation reaches into
            // them, but for the form a DoCmd action names.
            const fs::path own = kSource / "forms" / fs::path(file.file).replace_extension(".bas");
            std::vector<std::string> source = Lines(file.blocks.empty() ? "" : ReadFile(own));
            std::erase_if(source,
                          [](const std::string& line) { return Trim(line).starts_with("DoCmd."); });
            const auto code = std::find(source.begin(), source.end(), "CodeBehindForm");
            const std::set<std::string> written = LiteralsOf(file.code);
            for (const std::string& text : LiteralsOf({code, source.end()}))
                EXPECT_TRUE(written.count(text)) << file.file << ": \"" << text << "\" is gone";
        }
        // An event the module handles and a property also names runs both.
        const CodeFile& form = project.Form("Events");
        for (const auto& [event, function] :
             {std::pair{"lblX_Click", "Foo"}, {"Form_MouseUp", "Moved"}})
            EXPECT_TRUE(form.Find(event) && form.Find(event)->Calls(function)) << event;
        // Access's single-quoted strings in an event's expression or a menu's
        // action are Visual Basic strings.
        EXPECT_TRUE(LiteralsOf(form.code).count("Customers"));
        EXPECT_TRUE(LiteralsOf(project.Form("Menus").code).count("Later"));
    }
}

TEST(GeneratedProject, MenusKeepTheirCaptionsAndReachTheirActions) {
    const std::pair<std::string, std::string> actions[] = {
        {"Now", "OpenIt"}, {"Later", "Plain"}, {"Show", "mcrFaults_Apply"}};
    FOR_EACH_CONVERSION(project) {
        const CodeFile& menus = project.Form("Menus");
        std::map<std::string, std::vector<const Control*>> byCaption;
        for (const Control* menu : menus.OfClass("VB.Menu")) {
            std::string caption = menu->Text("Caption").value_or("<ill-formed>");
            std::erase(caption, '&');
            byCaption[caption].push_back(menu);
        }
        EXPECT_EQ(byCaption["Print"].size(), 2u);
        for (const char* caption : {"File", "Edit", "Help", "What's This?", "50% Off"})
            EXPECT_EQ(byCaption[caption].size(), 1u) << caption;
        for (const auto& [caption, action] : actions) {
            ASSERT_EQ(byCaption[caption].size(), 1u) << caption;
            const Procedure* click = menus.Find(byCaption[caption][0]->name + "_Click");
            ASSERT_TRUE(click && click->Calls(action)) << caption << " does not call " << action;
        }
        const Procedure* now = menus.Find(byCaption["Now"][0]->name + "_Click");
        EXPECT_EQ(LiteralsOf(now->body), std::set<std::string>{"Orders"}) << "OpenIt's argument";
    }
}

// --- limits ------------------------------------------------------------------
TEST(GeneratedProject, NamesTextsAndFormsPastVisualBasicsLimits) {
    FOR_EACH_CONVERSION(project) {
        const CodeFile& limits = project.Form("Limits");
        const Control* first = limits.WithText("Caption", "First long name");
        const Control* second = limits.WithText("Caption", "Second long name");
        ASSERT_TRUE(first && second);
        EXPECT_FALSE(Same(first->name, second->name)) << "two long names cut to one";
        // Order_ID is a name Visual Basic takes as it is; Order ID gives way,
        // and the code that sets each still sets each.
        const Control* space = limits.WithText("Tag", "with a space");
        const Control* underscore = limits.WithText("Tag", "with an underscore");
        ASSERT_TRUE(space && underscore && limits.Find("Form_Load"));
        EXPECT_EQ(underscore->name, "Order_ID");
        const Procedure* load = limits.Find("Form_Load");
        EXPECT_TRUE(load->Calls(space->name + "\\s*=\\s*101")) << "sets 101 in " << space->name;
        EXPECT_TRUE(load->Calls(underscore->name + "\\s*=\\s*202"))
            << "sets 202 in " << underscore->name;
        // Texts too long for a line are whole in the design or in the code.
        std::set<std::string> strings = LiteralsOf(limits.code);
        for (const Control& c : limits.blocks)
            for (const Property& p : c.properties)
                strings.insert(Literal(p.value).value_or(""));
        for (const auto& [control, property] :
             {std::pair{"lblLong", "Caption"}, std::pair{"cmdLongTag", "Tag"},
              std::pair{"lstLong", "RowSource"}})
            EXPECT_TRUE(strings.count(ExportValue("Limits", control, property))) << control;
        // Saving names on a crowded form loses no control.
        EXPECT_EQ(project.Form("Crowded").OfClass("VB.Label").size(), 100u);
        EXPECT_EQ(project.Form("Crowded")
                      .Where([](const Control& c) { return c.name.starts_with("cbo"); })
                      .size(),
                  80u);
    }
}

}  // namespace
}  // namespace velorin
