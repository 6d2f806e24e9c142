#include "synthetic_application.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <vector>

namespace velorin::bench {
namespace fs = std::filesystem;
namespace {

// splitmix64: the same numbers on every platform, unlike the standard
// library's distributions.
class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Inclusive at both ends.
    int Between(int low, int high) {
        return low + static_cast<int>(Next() % static_cast<uint64_t>(high - low + 1));
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    size_t Index(size_t size) { return static_cast<size_t>(Next() % size); }
    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[Index(items.size())];
    }
    // An index chosen with the given weights.
    size_t Weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = Between(1, total);
        size_t i = 0;
        for (int w : weights) {
            if (r <= w)
                return i;
            r -= w;
            ++i;
        }
        return weights.size() - 1;
    }

  private:
    uint64_t state_;
};

std::string Num(long value) {
    return std::to_string(value);
}

// Object text as Access writes it: four blanks a level, CR LF, long values
// continued on further lines in chunks of 80 characters.
class ObjectWriter {
  public:
    void Line(std::string_view text) {
        out.append(static_cast<size_t>(depth) * 4, ' ');
        out += text;
        out += "\r\n";
    }
    void Blank() { out += "\r\n"; }
    void Begin(std::string_view head = {}) {
        Line(head.empty() ? std::string("Begin") : "Begin " + std::string(head));
        ++depth;
    }
    void End() {
        --depth;
        Line("End");
    }
    void Flag(std::string_view name) { Line(std::string(name) + " = NotDefault"); }
    void Number(std::string_view name, long value) { Line(std::string(name) + " =" + Num(value)); }
    void Text(std::string_view name, std::string_view value) {
        constexpr size_t kChunk = 80;
        std::string line = std::string(name) + " =\"" + Escape(value.substr(0, kChunk)) + "\"";
        Line(line);
        for (size_t at = kChunk; at < value.size(); at += kChunk)
            Line("    \"" + Escape(value.substr(at, kChunk)) + "\"");
    }
    void Binary(std::string_view name, const std::vector<std::string>& hexLines) {
        Line(std::string(name) + " = Begin");
        ++depth;
        for (size_t i = 0; i < hexLines.size(); ++i)
            Line(hexLines[i] + (i + 1 < hexLines.size() ? " ," : ""));
        --depth;
        Line("End");
    }

    std::string out;
    int depth = 0;

  private:
    static std::string Escape(std::string_view text) {
        std::string escaped;
        for (char c : text) {
            if (c == '"' || c == '\\')
                escaped.push_back('\\');
            escaped.push_back(c);
        }
        return escaped;
    }
};

// A module's code, indented four blanks a level.
class CodeWriter {
  public:
    void Line(int level, std::string_view text) {
        out.append(static_cast<size_t>(level) * 4, ' ');
        out += text;
        out += "\r\n";
        ++lines;
    }
    std::string out;
    long lines = 0;
};

const std::vector<std::string> kPrtMip = {
    "0xa0050000a0050000a0050000a005000000000000201c0000e010000001000000",
    "0x010000006801000000000000a10700000100000001000000"};

const std::vector<std::string> kBitmap = {
    "0x2800000010000000100000000100040000000000800000000000000000000000",
    "0x0000000000000000000000000000800000800000008080008000000080008000",
    "0x80800000c0c0c000808080000000ff0000ff000000ffff00ff000000ff00ff00",
    "0xffff0000ffffff00000000000000000000000444444000000004466666644000",
    "0x0046666666666400046666662266664004666662226666404666622222266664",
    "0x4666222222226664466222222226666446662222226666640466222266666640",
    "0x0466622666666640004666666666640000044666666440000000044444400000",
    "0x0000000000000000"};

const std::vector<std::string> kNouns = {
    "Customers", "Orders",    "Products", "Suppliers", "Invoices",  "Shipments", "Employees",
    "Payments",  "Contracts", "Projects", "Tasks",     "Vendors",   "Accounts",  "Assets",
    "Claims",    "Members",   "Bookings", "Rooms",     "Vehicles",  "Parts",     "Repairs",
    "Tickets",   "Courses",   "Students", "Grants",    "Donations", "Events",    "Venues",
    "Stock",     "Prices",    "Budgets",  "Expenses",  "Receipts",  "Quotes",    "Leads",
    "Campaigns", "Surveys",   "Samples",  "Batches",   "Warehouses"};

const std::vector<std::string> kVerbs = {"Update", "Check",   "Show",    "Calc",  "Open",
                                         "Print",  "Refresh", "Archive", "Count", "Validate"};

const std::vector<std::string> kWords = {
    "total",   "amount", "customer", "order",  "record", "list",    "status", "price",
    "current", "open",   "closed",   "report", "date",   "balance", "stock",  "line",
    "account", "entry",  "change",   "value",  "check",  "form",    "screen", "user"};

// A table: its fields by kind, for control sources, row sources and code.
struct Table {
    std::string name;
    std::vector<std::pair<std::string, std::string>> fields;  // name, DDL type
    std::vector<std::string> texts;
    std::vector<std::string> numbers;
    std::vector<std::string> dates;
    std::vector<std::string> flags;
};

struct Query {
    std::string name;
    bool action = false;
};

struct ModuleFunction {
    std::string name;
};

enum class FormKind { Plain, Tabbed, PageBreaks, Switchboard, Huge, ContinuousSub, DatasheetSub };

struct FormPlan {
    std::string name;
    FormKind kind = FormKind::Plain;
    int table = 0;
    int targetControls = 0;
    double codeWeight = 1.0;
    std::vector<int> subforms;  // plan indexes of the subforms it embeds
};

// An [Event Procedure] the form's code must define.
struct EventProcedure {
    std::string header;  // Private Sub x_Click()
    bool cancel = false;
};

struct EventKind {
    const char* property;
    const char* procedure;  // suffix and argument list
};

constexpr EventKind kEvClick{"OnClick", "Click()"};
constexpr EventKind kEvDblClick{"OnDblClick", "DblClick(Cancel As Integer)"};
constexpr EventKind kEvBeforeUpdate{"BeforeUpdate", "BeforeUpdate(Cancel As Integer)"};
constexpr EventKind kEvAfterUpdate{"AfterUpdate", "AfterUpdate()"};
constexpr EventKind kEvChange{"OnChange", "Change()"};
constexpr EventKind kEvEnter{"OnEnter", "Enter()"};
constexpr EventKind kEvExit{"OnExit", "Exit(Cancel As Integer)"};
constexpr EventKind kEvGotFocus{"OnGotFocus", "GotFocus()"};
constexpr EventKind kEvLostFocus{"OnLostFocus", "LostFocus()"};
constexpr EventKind kEvKeyPress{"OnKeyPress", "KeyPress(KeyAscii As Integer)"};
constexpr EventKind kEvMouseDown{"OnMouseDown",
                                 "MouseDown(Button As Integer, Shift As Integer, X As Single, "
                                 "Y As Single)"};
constexpr EventKind kEvNotInList{"OnNotInList",
                                 "NotInList(NewData As String, Response As Integer)"};
constexpr EventKind kEvUpdated{"OnUpdated", "Updated(Code As Integer)"};

// What one form's controls offer its code.
struct FormContext {
    const FormPlan* plan = nullptr;
    const Table* table = nullptr;
    std::map<std::string, int> nameUses;
    int defaultLabels = 0;
    long controls = 0;
    std::vector<std::string> textBoxes, combos, lists, checks, buttons, groups, subformControls;
    std::vector<EventProcedure> procedures;
    std::vector<std::string> formEventProperties;  // written on the form itself
};

class Generator {
  public:
    Generator(const fs::path& root, const ApplicationSize& size, uint64_t seed)
        : root_(root), size_(size), random_(seed) {}

    ApplicationCounts Run() {
        for (const char* folder :
             {"forms", "modules", "macros", "queries", "tbldefs", "commandbars"}) {
            fs::create_directories(root_ / folder);
        }
        PlanTables();
        PlanQueries();
        PlanModules();
        PlanMacros();
        PlanCommandBars();
        PlanForms();
        WriteTables();
        WriteQueries();
        WriteMacros();
        WriteCommandBars();
        for (size_t i = 0; i < forms_.size(); ++i)
            WriteForm(i);
        WriteModules();
        WriteProperties();
        counts_.tables = static_cast<int>(tables_.size());
        counts_.queries = static_cast<int>(queries_.size());
        counts_.modules = static_cast<int>(modules_.size());
        counts_.commandBars = static_cast<int>(menuBars_.size() + toolbars_.size());
        return counts_;
    }

  private:
    // ---- files -------------------------------------------------------------

    static std::string FileNameOf(std::string_view name) {
        std::string out;
        for (char c : name) {
            if (std::string_view("\\/:*?\"<>|%").find(c) != std::string_view::npos) {
                char code[4];
                std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
                out += code;
            } else {
                out.push_back(c);
            }
        }
        return out;
    }

    void Write(const fs::path& path, const std::string& content) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr)
            throw std::runtime_error("cannot write " + path.string());
        const bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
        if (std::fclose(file) != 0 || !ok)
            throw std::runtime_error("cannot write " + path.string());
        counts_.bytes += static_cast<long>(content.size());
        ++counts_.files;
    }

    // ---- plans -------------------------------------------------------------

    std::string NounName(size_t i) const {
        const std::string& noun = kNouns[i % kNouns.size()];
        return i < kNouns.size() ? noun : noun + Num(static_cast<long>(i / kNouns.size()) + 1);
    }

    void PlanTables() {
        const size_t count = static_cast<size_t>(std::max(6, size_.forms / 8));
        const std::vector<std::pair<std::string, std::string>> optional = {
            {"Amount", "CURRENCY"},    {"Quantity", "LONG"},      {"StartDate", "DATETIME"},
            {"EndDate", "DATETIME"},   {"Active", "BIT"},         {"Notes", "LONGTEXT"},
            {"Rate", "DOUBLE"},        {"Status", "SHORT"},       {"City", "VARCHAR (30)"},
            {"Phone", "VARCHAR (24)"}, {"Email", "VARCHAR (60)"}, {"Region", "VARCHAR (15)"}};
        for (size_t i = 0; i < count; ++i) {
            Table table;
            table.name = "tbl" + NounName(i);
            table.fields = {{"ID", "AUTOINCREMENT"},
                            {"Name", "VARCHAR (50)"},
                            {"Code", "VARCHAR (10)"},
                            {"ParentID", "LONG"}};
            for (const auto& field : optional) {
                if (random_.Chance(60))
                    table.fields.push_back(field);
            }
            for (const auto& [name, type] : table.fields) {
                if (type.starts_with("VARCHAR") || type == "LONGTEXT")
                    table.texts.push_back(name);
                else if (type == "DATETIME")
                    table.dates.push_back(name);
                else if (type == "BIT")
                    table.flags.push_back(name);
                else
                    table.numbers.push_back(name);
            }
            tables_.push_back(std::move(table));
        }
    }

    void PlanQueries() {
        const size_t count = static_cast<size_t>(std::max(8, size_.forms / 5));
        for (size_t i = 0; i < count; ++i) {
            Query query;
            const size_t kind = random_.Weighted({70, 15, 8, 7});
            const std::string noun = NounName(i % tables_.size());
            query.name = std::string(kind == 0   ? "qry"
                                     : kind == 1 ? "qryUpdate"
                                     : kind == 2 ? "qryDelete"
                                                 : "qryAppend") +
                         noun + Num(static_cast<long>(i));
            query.action = kind != 0;
            queryKinds_.push_back(kind);
            queries_.push_back(query);
        }
    }

    void PlanModules() {
        const size_t count = static_cast<size_t>(std::max(4, size_.forms / 4));
        for (size_t m = 0; m < count; ++m) {
            std::vector<ModuleFunction> functions;
            if (m == 0) {
                for (const char* name : {"IsLoaded", "ShowStatus", "ClearStatus", "ShowAbout"})
                    functions.push_back({name});
            }
            const int more = random_.Between(3, 9);
            for (int j = 0; j < more; ++j) {
                functions.push_back({random_.Pick(kVerbs) + NounName(random_.Index(kNouns.size())) +
                                     Num(static_cast<long>(m * 10 + static_cast<size_t>(j)))});
            }
            modules_.push_back({m == 0 ? "Utility Functions" : "bas" + NounName(m) + Num(long(m)),
                                std::move(functions), random_.Between(50, 150) / 100.0});
        }
        for (const Module& module : modules_) {
            for (const ModuleFunction& f : module.functions)
                allFunctions_.push_back(f.name);
        }
    }

    void PlanMacros() {
        const size_t groups = static_cast<size_t>(std::max(3, size_.forms / 10));
        for (size_t g = 0; g < groups; ++g) {
            MacroGroup group;
            group.name = "mcr" + NounName(g);
            const int named = random_.Between(3, 8);
            for (int k = 0; k < named; ++k)
                group.macroNames.push_back(random_.Pick(kVerbs) + NounName(random_.Index(12)) +
                                           Num(k));
            for (const std::string& n : group.macroNames)
                macroRefs_.push_back(group.name + "." + n);
            macroGroups_.push_back(std::move(group));
        }
        const size_t plain = groups / 3 + 1;
        for (size_t p = 0; p < plain; ++p) {
            plainMacros_.push_back("mcrAction" + Num(static_cast<long>(p)));
            macroRefs_.push_back(plainMacros_.back());
        }
    }

    void PlanCommandBars() {
        const size_t count = static_cast<size_t>(std::max(2, size_.forms / 20));
        for (size_t i = 0; i < count; ++i) {
            if (i % 2 == 0)
                menuBars_.push_back("Menu Bar " + Num(static_cast<long>(i / 2 + 1)));
            else
                toolbars_.push_back("Toolbar " + Num(static_cast<long>(i / 2 + 1)));
        }
    }

    void PlanForms() {
        const int subforms = std::max(2, size_.forms / 10);
        const int mains = size_.forms - subforms;
        for (int i = 0; i < mains; ++i) {
            FormPlan plan;
            const std::string noun = NounName(static_cast<size_t>(i) % (kNouns.size() * 3));
            const size_t style = random_.Weighted({70, 20, 10});
            plan.name = style == 0   ? "frm" + noun + " " + Num(i)
                        : style == 1 ? noun + " Entry " + Num(i)
                                     : noun + "/Details " + Num(i);
            // The first five are one of each kind, so that every size has them all.
            const size_t kind =
                i < 5 ? static_cast<size_t>(i) : random_.Weighted({55, 25, 10, 5, 5});
            plan.kind = kind == 0   ? FormKind::Plain
                        : kind == 1 ? FormKind::Tabbed
                        : kind == 2 ? FormKind::PageBreaks
                        : kind == 3 ? FormKind::Switchboard
                                    : FormKind::Huge;
            plan.targetControls =
                plan.kind == FormKind::Huge ? random_.Between(270, 360) : random_.Between(75, 165);
            plan.table = static_cast<int>(random_.Index(tables_.size()));
            plan.codeWeight = random_.Between(50, 150) / 100.0;
            forms_.push_back(std::move(plan));
        }
        const size_t firstSub = forms_.size();
        for (int i = 0; i < subforms; ++i) {
            FormPlan plan;
            plan.kind = i % 2 == 0 ? FormKind::DatasheetSub : FormKind::ContinuousSub;
            plan.name = "sfrm" + NounName(static_cast<size_t>(i)) +
                        (plan.kind == FormKind::DatasheetSub ? " Lines " : " List ") + Num(i);
            plan.targetControls = random_.Between(12, 40);
            plan.table = static_cast<int>(random_.Index(tables_.size()));
            plan.codeWeight = 0.3;
            forms_.push_back(std::move(plan));
        }
        // A third of the main forms embed one or two subforms.
        for (size_t i = 0; i < firstSub; ++i) {
            if (forms_[i].kind == FormKind::Switchboard || !random_.Chance(33))
                continue;
            const int n = random_.Between(1, 2);
            for (int k = 0; k < n; ++k)
                forms_[i].subforms.push_back(
                    static_cast<int>(firstSub + random_.Index(static_cast<size_t>(subforms))));
        }
        double total = 0;
        for (const FormPlan& plan : forms_)
            total += plan.codeWeight;
        formLineBudget_ = static_cast<double>(size_.codeLines) * 0.6 / total;
        for (size_t i = 0; i < firstSub; ++i)
            mainFormNames_.push_back(forms_[i].name);
    }

    // ---- tables and queries -----------------------------------------------

    void WriteTables() {
        for (const Table& table : tables_) {
            std::string text = "CREATE TABLE [" + table.name + "] (\r\n";
            for (size_t i = 0; i < table.fields.size(); ++i) {
                const auto& [name, type] = table.fields[i];
                text += "  [" + name + "] " + type;
                if (i == 0)
                    text += " CONSTRAINT [PrimaryKey] PRIMARY KEY  UNIQUE  NOT NULL";
                text += i + 1 < table.fields.size() ? " ,\r\n" : "\r\n";
            }
            text += ")\r\n";
            Write(root_ / "tbldefs" / (FileNameOf(table.name) + ".sql"), text);
        }
    }

    std::string SelectOf(const Table& table, bool twoColumns) const {
        std::string t = table.name;
        return "SELECT " + t + ".ID, " + t + ".Name" +
               (twoColumns ? std::string() : ", " + t + ".Code") + " FROM " + t + " ORDER BY " + t +
               ".Name;";
    }

    void WriteQueries() {
        for (size_t i = 0; i < queries_.size(); ++i) {
            const Table& table = tables_[i % tables_.size()];
            const Table& other = tables_[(i + 1) % tables_.size()];
            const std::string& t = table.name;
            std::string sql;
            switch (queryKinds_[i]) {
                case 0:
                    if (i % 3 == 0) {
                        sql = "SELECT " + t + ".ID, " + t + ".Name, " + other.name +
                              ".Name AS ParentName\r\nFROM " + other.name + " INNER JOIN " + t +
                              " ON " + other.name + ".ID = " + t + ".ParentID\r\nORDER BY " + t +
                              ".Name;";
                    } else {
                        sql = "SELECT " + t + ".*\r\nFROM " + t + "\r\nWHERE (((" + t +
                              ".ParentID) Is Not Null))\r\nORDER BY " + t + ".Name;";
                    }
                    break;
                case 1:
                    sql = "UPDATE " + t + " SET " + t + ".Code = UCase([Code])\r\nWHERE (((" + t +
                          ".ParentID)=0));";
                    break;
                case 2:
                    sql = "DELETE " + t + ".*\r\nFROM " + t + "\r\nWHERE (((" + t +
                          ".Name) Is Null));";
                    break;
                default:
                    sql = "INSERT INTO " + other.name + " ( Name, Code )\r\nSELECT " + t +
                          ".Name, " + t + ".Code\r\nFROM " + t + ";";
                    break;
            }
            Write(root_ / "queries" / (FileNameOf(queries_[i].name) + ".sql"), sql + "\r\n");
        }
    }

    // ---- macros and command bars -------------------------------------------

    std::string AnyForm() { return random_.Pick(mainFormNames_); }

    void MacroRow(ObjectWriter& w, const std::string& macroName) {
        w.Begin();
        if (!macroName.empty())
            w.Text("MacroName", macroName);
        if (random_.Chance(15))
            w.Text("Condition", "IsLoaded(\"" + AnyForm() + "\")");
        switch (random_.Weighted({25, 10, 15, 10, 10, 8, 8, 6, 4, 4})) {
            case 0: {
                w.Text("Action", "OpenForm");
                w.Text("Argument", AnyForm());
                for (const char* a : {"0", "", "", "-1", random_.Chance(20) ? "3" : "0"})
                    w.Text("Argument", a);
                break;
            }
            case 1:
                w.Text("Action", "Close");
                break;
            case 2:
                w.Text("Action", "MsgBox");
                w.Text("Comment", "Tell the user");
                w.Text("Argument", "The " + random_.Pick(kWords) + " was updated.");
                for (const char* a : {"-1", "4", "Information"})
                    w.Text("Argument", a);
                break;
            case 3:
                w.Text("Action", "RunCode");
                w.Text("Argument", random_.Pick(allFunctions_) + "()");
                break;
            case 4:
                w.Text("Action", "Requery");
                w.Text("Argument", "txtID");
                break;
            case 5:
                w.Text("Action", "SetWarnings");
                w.Text("Argument", "0");
                break;
            case 6: {
                const Query& q = queries_[random_.Index(queries_.size())];
                w.Text("Action", "OpenQuery");
                w.Text("Argument", q.name);
                w.Text("Argument", "0");
                w.Text("Argument", "1");
                break;
            }
            case 7:
                w.Text("Action", "GoToControl");
                w.Text("Argument", "txtName");
                break;
            case 8:
                w.Text("Action", "ShowToolbar");
                w.Text("Argument", toolbars_.empty() ? "Form View" : random_.Pick(toolbars_));
                w.Text("Argument", "0");
                break;
            default:
                w.Text("Action", random_.Chance(50) ? "Beep" : "Hourglass");
                if (random_.Chance(50))
                    w.Text("Argument", "-1");
                break;
        }
        w.End();
    }

    void WriteMacros() {
        for (const MacroGroup& group : macroGroups_) {
            ObjectWriter w;
            w.Line("Version =196611");
            w.Line("ColumnsShown =" + Num(random_.Chance(50) ? 1 : 3));
            w.Begin();
            w.Text("Comment", "Macros of the " + group.name.substr(3) + " forms");
            w.End();
            for (const std::string& name : group.macroNames) {
                const int rows = random_.Between(1, 4);
                for (int r = 0; r < rows; ++r)
                    MacroRow(w, r == 0 ? name : std::string());
                w.Begin();
                w.End();
            }
            Write(root_ / "macros" / (FileNameOf(group.name) + ".bas"), w.out);
            ++counts_.macros;
        }
        for (const std::string& name : plainMacros_) {
            ObjectWriter w;
            w.Line("Version =196611");
            w.Line("ColumnsShown =0");
            const int rows = random_.Between(2, 7);
            for (int r = 0; r < rows; ++r)
                MacroRow(w, {});
            Write(root_ / "macros" / (FileNameOf(name) + ".bas"), w.out);
            ++counts_.macros;
        }
        ObjectWriter w;
        w.Line("Version =196611");
        w.Line("ColumnsShown =0");
        w.Begin();
        w.Text("Action", "RunCode");
        w.Text("Argument", "ShowStatus(\"Starting\")");
        w.End();
        Write(root_ / "macros" / "AutoExec.bas", w.out);
        ++counts_.macros;
    }

    std::string Action() {
        if (random_.Chance(60))
            return "=" + random_.Pick(allFunctions_) + "()";
        return random_.Pick(macroRefs_);
    }

    void BarControl(ObjectWriter& w, int depth, bool popupAllowed) {
        w.Begin("CommandBarControl");
        if (popupAllowed && depth < 3 && random_.Chance(depth == 0 ? 80 : 25)) {
            w.Number("Type", 10);
            w.Text("Caption", "&" + random_.Pick(kNouns));
            w.Begin();
            const int n = random_.Between(2, 7);
            for (int i = 0; i < n; ++i)
                BarControl(w, depth + 1, true);
            w.End();
        } else if (random_.Chance(5)) {
            w.Number("Type", 4);
            w.Text("Caption", "Find " + random_.Pick(kWords));
        } else {
            w.Number("Type", 1);
            w.Text("Caption", random_.Pick(kVerbs) + " &" + random_.Pick(kWords));
            if (random_.Chance(40))
                w.Text("TooltipText", random_.Pick(kVerbs) + " the " + random_.Pick(kWords));
            w.Text("OnAction", Action());
            if (random_.Chance(5))
                w.Flag("Enabled");
            if (random_.Chance(3))
                w.Flag("Visible");
        }
        w.End();
    }

    void WriteCommandBars() {
        for (const std::string& name : menuBars_) {
            ObjectWriter w;
            w.Begin("CommandBar");
            w.Begin();
            const int n = random_.Between(3, 6);
            for (int i = 0; i < n; ++i)
                BarControl(w, 0, true);
            w.End();
            w.End();
            Write(root_ / "commandbars" / (FileNameOf(name) + ".txt"), w.out);
        }
        for (const std::string& name : toolbars_) {
            ObjectWriter w;
            w.Begin("CommandBar");
            w.Begin();
            const int n = random_.Between(4, 10);
            for (int i = 0; i < n; ++i)
                BarControl(w, 1, i == n - 1);
            w.End();
            w.End();
            Write(root_ / "commandbars" / (FileNameOf(name) + ".txt"), w.out);
        }
    }

    // ---- forms: controls ---------------------------------------------------

    std::string UniqueName(FormContext& form, const std::string& base) {
        int& uses = form.nameUses[base];
        return uses++ == 0 ? base : base + Num(uses);
    }

    // Access names new labels Label1, Label2, ...
    std::string DefaultLabelName(FormContext& form) {
        return UniqueName(form, "Label" + Num(++form.defaultLabels + 200));
    }

    // Zero to three event properties of the kinds the control offers.
    void Events(ObjectWriter& w, FormContext& form, const std::string& control,
                std::initializer_list<EventKind> offered, int percent) {
        if (!random_.Chance(percent))
            return;
        const int wanted = static_cast<int>(random_.Weighted({60, 30, 10})) + 1;
        std::vector<EventKind> kinds(offered);
        for (int n = 0; n < wanted && !kinds.empty(); ++n) {
            const size_t at = random_.Index(kinds.size());
            const EventKind kind = kinds[at];
            kinds.erase(kinds.begin() + static_cast<std::ptrdiff_t>(at));
            switch (random_.Weighted({55, 25, 20})) {
                case 0:
                    w.Text(kind.property, "[Event Procedure]");
                    form.procedures.push_back({"Private Sub " + control + "_" + kind.procedure,
                                               std::string_view(kind.procedure).find("Cancel") !=
                                                   std::string_view::npos});
                    break;
                case 1:
                    if (random_.Chance(30))
                        w.Text(kind.property, "=ShowStatus(\"" + random_.Pick(kVerbs) + " the " +
                                                  random_.Pick(kWords) + "\")");
                    else if (random_.Chance(30))
                        w.Text(kind.property,
                               "=" + random_.Pick(allFunctions_) + "([" + control + "])");
                    else
                        w.Text(kind.property, "=" + random_.Pick(allFunctions_) + "()");
                    break;
                default:
                    w.Text(kind.property, random_.Pick(macroRefs_));
                    break;
            }
        }
    }

    struct Cursor {
        long left = 120;
        long top = 120;
        long columnTop = 120;
        long bottomLimit = 4000;
        long maxBottom = 0;
        long columnWidth = 3720;
    };

    // Moves down a row; a full column continues in the next.
    static void Advance(Cursor& c, long height) {
        c.maxBottom = std::max(c.maxBottom, c.top + height);
        c.top += height + 60;
        if (c.top + 360 > c.bottomLimit) {
            c.left += c.columnWidth;
            c.top = c.columnTop;
        }
    }

    void Position(ObjectWriter& w, long left, long top, long width, long height) {
        w.Number("Left", left);
        w.Number("Top", top);
        w.Number("Width", width);
        if (height > 0)
            w.Number("Height", height);
    }

    void AttachedLabel(ObjectWriter& w, FormContext& form, long left, long top,
                       const std::string& caption, bool defaultName) {
        w.Blank();
        w.Begin();
        w.Begin("Label");
        Position(w, left, top, 1320, 0);
        w.Text("Name", defaultName ? DefaultLabelName(form) : UniqueName(form, "lbl" + caption));
        w.Text("Caption", caption + ":");
        if (random_.Chance(8))
            w.Number("ForeColor", 8388608);
        w.End();
        w.End();
        ++form.controls;
    }

    std::string Field(const FormContext& form, const std::vector<std::string>& preferred) {
        if (!preferred.empty() && random_.Chance(70))
            return random_.Pick(preferred);
        return form.table->fields[random_.Index(form.table->fields.size())].first;
    }

    void TextBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex, bool label) {
        const std::string field = Field(form, {});
        const std::string name = UniqueName(form, "txt" + field);
        w.Begin("TextBox");
        if (random_.Chance(8)) {
            w.Flag("Locked");
            w.Flag("TabStop");
        }
        if (random_.Chance(4))
            w.Flag("EnterKeyBehavior");
        Position(w, c.left + 1380, c.top, 1440 + 360 * random_.Between(0, 4), 0);
        w.Number("TabIndex", tabIndex++);
        if (random_.Chance(5))
            w.Number("ScrollBars", 2);
        w.Text("Name", name);
        if (!label || random_.Chance(8)) {
            w.Text("ControlSource", "=[" + Field(form, form.table->numbers) + "]*" +
                                        Num(random_.Between(2, 9)) + "/100");
            w.Text("Format", "Currency");
        } else {
            w.Text("ControlSource", field);
            if (random_.Chance(25))
                w.Text("Format", random_.Chance(50) ? "Short Date" : "Standard");
            if (random_.Chance(8))
                w.Text("InputMask", "99/99/0000;0;_");
            if (random_.Chance(15))
                w.Text("DefaultValue", random_.Chance(50) ? "=Date()" : "0");
            if (random_.Chance(10))
                w.Text("ValidationRule", ">=0");
        }
        if (random_.Chance(20))
            w.Text("StatusBarText", "Enter the " + random_.Pick(kWords) + " " + field);
        Events(w, form, name,
               {kEvBeforeUpdate, kEvAfterUpdate, kEvChange, kEvEnter, kEvExit, kEvGotFocus,
                kEvLostFocus, kEvClick, kEvDblClick, kEvKeyPress, kEvMouseDown},
               35);
        if (random_.Chance(10))
            w.Text("ControlTipText", "The " + field + " of this record");
        ++form.controls;
        if (label)
            AttachedLabel(w, form, c.left, c.top, field, random_.Chance(20));
        w.End();
        form.textBoxes.push_back(name);
        Advance(c, 285);
    }

    void RowSource(ObjectWriter& w, FormContext& form, int& columns) {
        const size_t kind = random_.Weighted({50, 15, 15, 20});
        const Table& t = tables_[random_.Index(tables_.size())];
        columns = 2;
        if (kind == 0) {
            columns = random_.Chance(60) ? 2 : 3;
            w.Text("RowSourceType", "Table/Query");
            w.Text("RowSource", SelectOf(t, columns == 2));
        } else if (kind == 1) {
            w.Text("RowSourceType", "Table/Query");
            w.Text("RowSource", t.name);
            columns = 2;
        } else if (kind == 2) {
            w.Text("RowSourceType", "Table/Query");
            for (size_t i = 0; i < queries_.size(); ++i) {
                const Query& q = queries_[(i + random_.Index(queries_.size())) % queries_.size()];
                if (!q.action) {
                    w.Text("RowSource", q.name);
                    break;
                }
            }
        } else {
            columns = 1;
            w.Text("RowSourceType", "Value List");
            if (random_.Chance(50))
                w.Text("RowSource", "\"Open\";\"Closed\";\"Pending\";\"On hold\"");
            else
                w.Text("RowSource", "Small;Medium;Large;Extra large");
        }
        (void)form;
    }

    void ComboBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
        const std::string field = Field(form, form.table->numbers);
        const std::string name = UniqueName(form, "cbo" + field);
        w.Begin("ComboBox");
        const bool limit = random_.Chance(40);
        if (limit)
            w.Flag("LimitToList");
        ObjectWriter props;  // RowSource decides the column count written first
        int columns = 1;
        RowSource(props, form, columns);
        if (columns > 1) {
            w.Number("ColumnCount", columns);
            w.Number("ListWidth", 1440L * columns);
        }
        Position(w, c.left + 1380, c.top, 2160, 0);
        w.Number("TabIndex", tabIndex++);
        w.Text("Name", name);
        if (random_.Chance(80))
            w.Text("ControlSource", field);
        w.out += Reindent(props.out, w.depth);
        if (columns > 1)
            w.Text("ColumnWidths", columns == 2 ? "0;1440" : "0;1440;1440");
        if (columns > 1 && random_.Chance(20))
            w.Number("BoundColumn", 1);
        Events(w, form, name,
               {kEvAfterUpdate, kEvBeforeUpdate, kEvNotInList, kEvGotFocus, kEvLostFocus, kEvClick,
                kEvDblClick, kEvEnter, kEvChange},
               45);
        ++form.controls;
        AttachedLabel(w, form, c.left, c.top, field, random_.Chance(20));
        w.End();
        form.combos.push_back(name);
        Advance(c, 285);
    }

    // Text written at depth 0 moved to `depth`.
    static std::string Reindent(const std::string& text, int depth) {
        std::string out;
        const std::string pad(static_cast<size_t>(depth) * 4, ' ');
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find("\r\n", start);
            out += pad;
            out.append(text, start, end - start + 2);
            start = end + 2;
        }
        return out;
    }

    void ListBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
        const std::string name = UniqueName(form, "lst" + random_.Pick(kNouns));
        w.Begin("ListBox");
        ObjectWriter props;
        int columns = 1;
        RowSource(props, form, columns);
        if (columns > 1)
            w.Number("ColumnCount", columns);
        if (random_.Chance(20))
            w.Flag("ColumnHeads");
        Position(w, c.left + 1380, c.top, 2160, 1200);
        w.Number("TabIndex", tabIndex++);
        if (random_.Chance(20))
            w.Number("MultiSelect", 1);
        w.Text("Name", name);
        if (random_.Chance(30))
            w.Text("ControlSource", Field(form, form.table->numbers));
        w.out += Reindent(props.out, w.depth);
        if (columns > 1)
            w.Text("ColumnWidths", columns == 2 ? "0;1440" : "0;1440;1440");
        Events(w, form, name,
               {kEvAfterUpdate, kEvBeforeUpdate, kEvClick, kEvDblClick, kEvEnter, kEvExit}, 45);
        ++form.controls;
        AttachedLabel(w, form, c.left, c.top, name.substr(3), random_.Chance(20));
        w.End();
        form.lists.push_back(name);
        Advance(c, 1200);
    }

    void CheckBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
        const std::string field = Field(form, form.table->flags);
        const std::string name = UniqueName(form, "chk" + field);
        w.Begin("CheckBox");
        if (random_.Chance(10))
            w.Flag("TripleState");
        Position(w, c.left + 1380, c.top, 260, 240);
        w.Number("TabIndex", tabIndex++);
        w.Text("Name", name);
        if (random_.Chance(70))
            w.Text("ControlSource", field);
        if (random_.Chance(20))
            w.Text("DefaultValue", "0");
        Events(w, form, name, {kEvAfterUpdate, kEvClick, kEvGotFocus, kEvBeforeUpdate}, 35);
        ++form.controls;
        AttachedLabel(w, form, c.left, c.top, field, random_.Chance(20));
        w.End();
        form.checks.push_back(name);
        Advance(c, 240);
    }

    void OptionGroup(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
        const int buttons = random_.Between(2, 5);
        const long height = 300L * buttons + 300;
        const std::string name = UniqueName(form, "grp" + random_.Pick(kNouns));
        const size_t style = random_.Weighted({50, 30, 20});  // option buttons, checks, toggles
        w.Begin("OptionGroup");
        Position(w, c.left + 120, c.top + 120, 3000, height);
        w.Number("TabIndex", tabIndex++);
        w.Text("Name", name);
        if (random_.Chance(60))
            w.Text("ControlSource", Field(form, form.table->numbers));
        if (random_.Chance(30))
            w.Number("DefaultValue", 1);
        Events(w, form, name, {kEvAfterUpdate, kEvBeforeUpdate, kEvEnter, kEvExit, kEvClick}, 60);
        w.Blank();
        w.Begin();
        w.Begin("Label");
        Position(w, c.left + 240, c.top, 1200, 0);
        w.Text("Name", UniqueName(form, "lbl" + name.substr(3)));
        w.Text("Caption", name.substr(3));
        w.End();
        ++form.controls;
        for (int b = 1; b <= buttons; ++b) {
            const long top = c.top + 300L * b;
            const std::string caption = random_.Pick(kWords);
            if (style == 2) {
                w.Begin("ToggleButton");
                Position(w, c.left + 240, top, 1800, 280);
                w.Number("OptionValue", b);
                w.Text("Name", UniqueName(form, "tgl" + caption));
                w.Text("Caption", caption);
                w.End();
                ++form.controls;
                continue;
            }
            w.Begin(style == 0 ? "OptionButton" : "CheckBox");
            Position(w, c.left + 240, top, 260, 240);
            if (b > 1)
                w.Number("TabIndex", b - 1);
            w.Number("OptionValue", b);
            w.Text("Name", UniqueName(form, (style == 0 ? "opt" : "chk") + caption));
            w.Blank();
            w.Begin();
            w.Begin("Label");
            Position(w, c.left + 560, top - 30, 1800, 0);
            w.Text("Name", UniqueName(form, "lbl" + caption));
            w.Text("Caption", caption);
            w.End();
            w.End();
            w.End();
            form.controls += 2;
        }
        w.End();
        w.End();
        ++form.controls;
        form.groups.push_back(name);
        Advance(c, height + 240);
    }

    void CommandButton(ObjectWriter& w, FormContext& form, long left, long top,
                       const std::string& name, const std::string& caption, int tabIndex) {
        w.Begin("CommandButton");
        const size_t picture = random_.Weighted({80, 12, 8});
        if (picture == 1)
            w.Number("PictureType", 1);
        Position(w, left, top, 1320, 360);
        w.Number("TabIndex", tabIndex);
        if (random_.Chance(10))
            w.Number("ForeColor", 255);
        w.Text("Name", name);
        w.Text("Caption", caption);
        if (picture == 1)
            w.Text("Picture", "C:\\App\\Bitmaps\\" + caption.substr(1) + ".bmp");
        else if (picture == 2)
            w.Text("Picture", "(bitmap)");
        Events(w, form, name, {kEvDblClick, kEvGotFocus, kEvMouseDown, kEvEnter}, 10);
        // Nearly every button does something when clicked.
        if (random_.Chance(92)) {
            const size_t kind = random_.Weighted({60, 20, 20});
            if (kind == 0) {
                w.Text("OnClick", "[Event Procedure]");
                form.procedures.push_back({"Private Sub " + name + "_Click()", false});
            } else if (kind == 1) {
                w.Text("OnClick", "=" + random_.Pick(allFunctions_) + "()");
            } else {
                w.Text("OnClick", random_.Pick(macroRefs_));
            }
        }
        if (random_.Chance(30))
            w.Text("ControlTipText", caption.substr(1) + " this " + random_.Pick(kWords));
        if (picture == 2)
            w.Binary("PictureData", kBitmap);
        w.End();
        ++form.controls;
        form.buttons.push_back(name);
    }

    void FreeLabel(ObjectWriter& w, FormContext& form, Cursor& c, bool defaultName) {
        const std::string name = defaultName ? DefaultLabelName(form) : UniqueName(form, "lblNote");
        w.Begin("Label");
        Position(w, c.left, c.top, 1200 + 240 * random_.Between(0, 8), 0);
        if (random_.Chance(10))
            w.Number("FontWeight", 700);
        w.Text("Name", name);
        w.Text("Caption", "The " + random_.Pick(kWords) + " " + random_.Pick(kWords));
        Events(w, form, name, {kEvClick, kEvDblClick, kEvMouseDown}, 4);
        w.End();
        ++form.controls;
        Advance(c, 240);
    }

    void Shape(ObjectWriter& w, FormContext& form, Cursor& c, bool line) {
        w.Begin(line ? "Line" : "Rectangle");
        if (line && random_.Chance(30))
            w.Number("BorderWidth", 2);
        if (!line)
            w.Number("SpecialEffect", random_.Between(0, 3));
        Position(w, c.left, c.top, 3000, line ? 0 : 600);
        w.Text("Name", UniqueName(form, line ? "lin" : "rct"));
        w.End();
        ++form.controls;
        Advance(c, line ? 60 : 600);
    }

    void Image(ObjectWriter& w, FormContext& form, Cursor& c) {
        const std::string name = UniqueName(form, "img" + random_.Pick(kWords));
        w.Begin("Image");
        w.Number("SizeMode", 3);
        Position(w, c.left, c.top, 1080, 1080);
        w.Text("Name", name);
        w.Text("Picture", "C:\\App\\Bitmaps\\logo.bmp");
        Events(w, form, name, {kEvClick, kEvDblClick}, 30);
        w.Binary("PictureData", kBitmap);
        w.End();
        ++form.controls;
        Advance(c, 1080);
    }

    void ObjectFrame(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
        const bool bound = random_.Chance(50);
        const std::string name = UniqueName(form, bound ? "objPhoto" : "oleSheet");
        w.Begin(bound ? "BoundObjectFrame" : "UnboundObjectFrame");
        Position(w, c.left + 1380, c.top, 2000, 1500);
        w.Number("TabIndex", tabIndex++);
        w.Text("Name", name);
        if (bound) {
            w.Text("ControlSource", Field(form, form.table->texts));
            Events(w, form, name, {kEvUpdated, kEvEnter}, 30);
        } else {
            w.Text("OLEClass", "Microsoft Excel Worksheet");
            w.Text("Class", "Excel.Sheet.8");
        }
        ++form.controls;
        if (bound)
            AttachedLabel(w, form, c.left, c.top, name.substr(3), false);
        w.End();
        Advance(c, 1500);
    }

    void CustomControl(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
        static const std::vector<std::pair<std::string, std::string>> kClasses = {
            {"TreeView", "COMCTL.TreeCtrl.1"},
            {"Calendar", "MSACAL.MSACALCtrl.7"},
            {"ListView", "COMCTL.ListViewCtrl.1"},
            {"ProgressBar", "COMCTL.ProgCtrl.1"},
            {"Gauge", "Gauge.GaugeCtrl.1"}};
        const auto& [oleClass, cls] = random_.Pick(kClasses);
        w.Begin("CustomControl");
        Position(w, c.left, c.top, 3000, 1500);
        w.Number("TabIndex", tabIndex++);
        w.Text("Name", UniqueName(form, "ctl" + oleClass));
        w.Text("OLEClass", oleClass);
        w.Text("Class", cls);
        w.End();
        ++form.controls;
        Advance(c, 1500);
    }

    void ToggleButton(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
        const std::string field = Field(form, form.table->flags);
        const std::string name = UniqueName(form, "tgl" + field);
        w.Begin("ToggleButton");
        Position(w, c.left + 1380, c.top, 1200, 360);
        w.Number("TabIndex", tabIndex++);
        w.Text("Name", name);
        w.Text("Caption", field);
        if (random_.Chance(50))
            w.Text("ControlSource", field);
        Events(w, form, name, {kEvClick, kEvAfterUpdate}, 40);
        w.End();
        ++form.controls;
        form.checks.push_back(name);
        Advance(c, 360);
    }

    void OptionButton(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
        const std::string field = Field(form, form.table->flags);
        const std::string name = UniqueName(form, "opt" + field);
        w.Begin("OptionButton");
        Position(w, c.left + 1380, c.top, 260, 240);
        w.Number("TabIndex", tabIndex++);
        w.Text("Name", name);
        Events(w, form, name, {kEvClick, kEvBeforeUpdate}, 40);
        ++form.controls;
        AttachedLabel(w, form, c.left, c.top, field, false);
        w.End();
        Advance(c, 240);
    }

    void SubformControl(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex, int subform) {
        const FormPlan& plan = forms_[static_cast<size_t>(subform)];
        const std::string name =
            UniqueName(form, "sfr" + tables_[static_cast<size_t>(plan.table)].name.substr(3));
        w.Begin("Subform");
        Position(w, c.left, c.top + 300, 5400, 2400);
        w.Number("TabIndex", tabIndex++);
        w.Text("Name", name);
        w.Text("SourceObject", random_.Chance(20) ? "Form." + plan.name : plan.name);
        if (random_.Chance(60)) {
            w.Text("LinkChildFields", "ParentID");
            w.Text("LinkMasterFields", "ID");
        }
        Events(w, form, name, {kEvEnter, kEvExit}, 15);
        ++form.controls;
        AttachedLabel(w, form, c.left, c.top, name.substr(3), false);
        w.End();
        form.subformControls.push_back(name);
        c.top += 300;
        Advance(c, 2400);
    }

    // One field of the detail, of a type chosen with realistic weights.
    void AnyField(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex) {
        switch (random_.Weighted({34, 4, 10, 4, 7, 4, 2, 1, 6, 12, 3, 3, 2, 1, 1})) {
            case 0:
                TextBox(w, form, c, tabIndex, true);
                break;
            case 1:
                TextBox(w, form, c, tabIndex, false);
                break;
            case 2:
                ComboBox(w, form, c, tabIndex);
                break;
            case 3:
                ListBox(w, form, c, tabIndex);
                break;
            case 4:
                CheckBox(w, form, c, tabIndex);
                break;
            case 5:
                OptionGroup(w, form, c, tabIndex);
                break;
            case 6:
                ToggleButton(w, form, c, tabIndex);
                break;
            case 7:
                OptionButton(w, form, c, tabIndex);
                break;
            case 8: {
                const std::string verb = random_.Pick(kVerbs);
                CommandButton(w, form, c.left, c.top, UniqueName(form, "cmd" + verb), "&" + verb,
                              tabIndex++);
                Advance(c, 360);
                break;
            }
            case 9:
                FreeLabel(w, form, c, random_.Chance(40));
                break;
            case 10:
                Shape(w, form, c, true);
                break;
            case 11:
                Shape(w, form, c, false);
                break;
            case 12:
                Image(w, form, c);
                break;
            case 13:
                ObjectFrame(w, form, c, tabIndex);
                break;
            default:
                CustomControl(w, form, c, tabIndex);
                break;
        }
    }

    // ---- forms: sections ---------------------------------------------------

    void SectionStart(ObjectWriter& w, const char* head, const char* name, long height,
                      long backColor) {
        w.Begin(head);
        w.Number("Height", height);
        w.Number("BackColor", backColor);
        w.Text("Name", name);
    }

    void Header(ObjectWriter& w, FormContext& form, const FormPlan& plan) {
        ObjectWriter body;
        body.depth = w.depth + 2;
        body.Begin("Label");
        Position(body, 120, 60, 4320, 420);
        body.Number("FontSize", 14);
        body.Number("FontWeight", 700);
        body.Text("Name", UniqueName(form, "lblTitle"));
        body.Text("Caption", plan.name);
        body.End();
        ++form.controls;
        Cursor c;
        c.top = 540;
        c.bottomLimit = 100000;
        int tabIndex = 0;
        // Every main form shows its record's ID and name: other forms refer to them.
        body.Begin("TextBox");
        body.Flag("Locked");
        Position(body, 6000, 120, 1440, 0);
        body.Number("TabIndex", tabIndex++);
        // Registered, so that a later text box on the ID field gets a name of its own.
        const std::string idName = UniqueName(form, "txtID");
        body.Text("Name", idName);
        body.Text("ControlSource", "ID");
        ++form.controls;
        AttachedLabel(body, form, 4800, 120, "ID", false);
        body.End();
        body.Begin("TextBox");
        Position(body, 1440, 540, 3600, 0);
        body.Number("TabIndex", tabIndex++);
        const std::string nameName = UniqueName(form, "txtName");
        body.Text("Name", nameName);
        body.Text("ControlSource", "Name");
        Events(body, form, nameName, {kEvAfterUpdate, kEvBeforeUpdate, kEvExit}, 50);
        ++form.controls;
        AttachedLabel(body, form, 120, 540, "Name", false);
        body.End();
        form.textBoxes.push_back(idName);
        form.textBoxes.push_back(nameName);
        c.top = 900;
        ComboBox(body, form, c, tabIndex);
        SectionStart(w, "FormHeader", "FormHeader", c.maxBottom + 120, 12632256);
        w.Begin();
        w.out += body.out;
        w.End();
        w.End();
    }

    void Footer(ObjectWriter& w, FormContext& form) {
        ObjectWriter body;
        body.depth = w.depth + 2;
        static const char* const kButtons[][2] = {{"cmdFirst", "&First"}, {"cmdPrev", "&Prev"},
                                                  {"cmdNext", "&Next"},   {"cmdLast", "&Last"},
                                                  {"cmdNew", "Ne&w"},     {"cmdClose", "&Close"}};
        int tabIndex = 0;
        long left = 120;
        for (const auto& button : kButtons) {
            if (random_.Chance(25))
                continue;
            CommandButton(body, form, left, 120, UniqueName(form, button[0]), button[1],
                          tabIndex++);
            left += 1440;
        }
        SectionStart(w, "FormFooter", "FormFooter", 600, -2147483633);
        if (random_.Chance(20))
            w.Text("Tag", "NavigationBar");
        w.Begin();
        w.out += body.out;
        w.End();
        w.End();
    }

    // Fields until the form holds `target` controls.
    void Fill(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex, long target) {
        while (form.controls < target)
            AnyField(w, form, c, tabIndex);
    }

    void Detail(ObjectWriter& w, FormContext& form, const FormPlan& plan) {
        ObjectWriter body;
        body.depth = w.depth + 2;
        Cursor c;
        c.bottomLimit = 5400;
        int tabIndex = 0;
        // What the header and footer will not hold.
        const long target = plan.targetControls;
        switch (plan.kind) {
            case FormKind::Tabbed: {
                ++counts_.tabControls;
                const int pages = random_.Between(2, 5);
                const std::string tab = UniqueName(form, "tab" + random_.Pick(kNouns));
                form.controls += 1 + pages;
                std::vector<std::string> contents;
                long tallest = 0;
                const long perPage = (target - form.controls) / pages + 1;
                for (int p = 0; p < pages; ++p) {
                    ObjectWriter content;
                    content.depth = body.depth + 4;
                    Cursor pc;
                    pc.top = pc.columnTop = 720;
                    pc.left = 360;
                    pc.bottomLimit = 6000;
                    int pageTab = 0;
                    const long pageTarget = form.controls + perPage;
                    if (p == pages - 1) {
                        for (int s : plan.subforms)
                            SubformControl(content, form, pc, pageTab, s);
                    }
                    Fill(content, form, pc, pageTab, pageTarget);
                    tallest = std::max(tallest, pc.maxBottom);
                    contents.push_back(std::move(content.out));
                }
                const long pageHeight = tallest + 240;
                body.Begin("Tab");
                Position(body, 120, 120, 9600, pageHeight + 600);
                body.Text("Name", tab);
                Events(body, form, tab, {kEvChange, kEvClick}, 60);
                body.Blank();
                body.Begin();
                for (int p = 0; p < pages; ++p) {
                    body.Begin("Page");
                    Position(body, 195, 495, 9450, pageHeight);
                    body.Text("Name", UniqueName(form, "pg" + random_.Pick(kNouns)));
                    body.Text("Caption", random_.Pick(kNouns));
                    if (p > 0)
                        body.Number("PageIndex", p);
                    body.Begin();
                    body.out += contents[static_cast<size_t>(p)];
                    body.End();
                    body.End();
                }
                body.End();
                body.End();
                c.maxBottom = pageHeight + 720;
                break;
            }
            case FormKind::PageBreaks: {
                ++counts_.pageBreakForms;
                const int breaks = random_.Between(1, 3);
                const long pageHeight = 4800;
                c.bottomLimit = pageHeight;
                for (int p = 0; p <= breaks; ++p) {
                    if (p > 0) {
                        body.Begin("PageBreak");
                        body.Number("Left", 0);
                        body.Number("Top", pageHeight * p);
                        body.Text("Name", UniqueName(form, "PageBreak"));
                        body.End();
                        ++form.controls;
                    }
                    c.left = 120;
                    c.top = c.columnTop = pageHeight * p + 120;
                    c.bottomLimit = pageHeight * (p + 1);
                    const long pageTarget =
                        form.controls + (target - form.controls) / (breaks + 1 - p);
                    while (form.controls < pageTarget && c.top < c.bottomLimit - 400) {
                        AnyField(body, form, c, tabIndex);
                        if (c.left > 9000)
                            break;
                    }
                }
                c.maxBottom = pageHeight * (breaks + 1);
                break;
            }
            case FormKind::Switchboard: {
                Image(body, form, c);
                c.left = 1560;
                c.top = 120;
                for (int i = 0; form.controls < target; ++i) {
                    const std::string verb = random_.Pick(kVerbs);
                    CommandButton(body, form, c.left, c.top, UniqueName(form, "cmd" + verb),
                                  "&" + verb + " " + random_.Pick(kNouns), tabIndex++);
                    Advance(c, 420);
                    if (i % 4 == 3)
                        FreeLabel(body, form, c, false);
                    if (i % 9 == 8)
                        Shape(body, form, c, i % 2 == 0);
                }
                break;
            }
            case FormKind::Huge: {
                // Label-heavy: headings and hints around every field, mostly
                // with the names Access gave them.
                c.bottomLimit = 30000;
                c.columnWidth = 3000;
                while (form.controls < target) {
                    if (random_.Chance(62))
                        FreeLabel(body, form, c, random_.Chance(85));
                    else
                        TextBox(body, form, c, tabIndex, random_.Chance(30));
                }
                break;
            }
            default: {
                c.bottomLimit = 9000;
                for (int s : plan.subforms)
                    SubformControl(body, form, c, tabIndex, s);
                Fill(body, form, c, tabIndex, target);
                break;
            }
        }
        SectionStart(w, "Section", "Detail", c.maxBottom + 240, -2147483633);
        w.Begin();
        w.out += body.out;
        w.End();
        w.End();
    }

    void SubformDetail(ObjectWriter& w, FormContext& form, const FormPlan& plan) {
        ObjectWriter body;
        body.depth = w.depth + 2;
        Cursor c;
        c.bottomLimit = 100000;
        int tabIndex = 0;
        const bool datasheet = plan.kind == FormKind::DatasheetSub;
        while (form.controls < plan.targetControls) {
            switch (random_.Weighted({60, 20, 10, 10})) {
                case 0:
                    TextBox(body, form, c, tabIndex, datasheet);
                    break;
                case 1:
                    ComboBox(body, form, c, tabIndex);
                    break;
                case 2:
                    CheckBox(body, form, c, tabIndex);
                    break;
                default:
                    if (datasheet)
                        TextBox(body, form, c, tabIndex, true);
                    else
                        FreeLabel(body, form, c, false);
                    break;
            }
        }
        SectionStart(w, "Section", "Detail", c.maxBottom + 120, -2147483633);
        w.Begin();
        w.out += body.out;
        w.End();
        w.End();
    }

    void FormEvent(ObjectWriter& w, FormContext& form, const char* property,
                   const char* procedure) {
        switch (random_.Weighted({60, 20, 20})) {
            case 0:
                w.Text(property, "[Event Procedure]");
                form.procedures.push_back(
                    {std::string("Private Sub Form_") + procedure,
                     std::string_view(procedure).find("Cancel") != std::string_view::npos});
                break;
            case 1:
                w.Text(property, "=" + random_.Pick(allFunctions_) + "()");
                break;
            default:
                w.Text(property, random_.Pick(macroRefs_));
                break;
        }
    }

    void FormProperties(ObjectWriter& w, FormContext& form, const FormPlan& plan) {
        const bool sub =
            plan.kind == FormKind::ContinuousSub || plan.kind == FormKind::DatasheetSub;
        if (random_.Chance(30) || sub)
            w.Flag("RecordSelectors");
        if (random_.Chance(30) || sub)
            w.Flag("NavigationButtons");
        if (random_.Chance(40))
            w.Flag("AutoCenter");
        if (random_.Chance(10))
            w.Flag("PopUp");
        if (random_.Chance(10))
            w.Flag("Modal");
        if (random_.Chance(20))
            w.Flag("MaxButton");
        w.Number("DefaultView", plan.kind == FormKind::DatasheetSub    ? 2
                                : plan.kind == FormKind::ContinuousSub ? 1
                                                                       : 0);
        w.Number("ViewsAllowed", sub ? 2 : 1);
        if (random_.Chance(20))
            w.Number("BorderStyle", 1);
        w.Number("GridX", 24);
        w.Number("GridY", 24);
        w.Number("Width", sub ? 6480 : 9840);
        w.Number("ItemSuffix", plan.targetControls + 10);
        w.Number("Left", 600);
        w.Number("Top", 480);
        w.Number("Right", 10680);
        w.Number("Bottom", 8160);
        w.Number("HelpContextId", random_.Between(1, 90) * 100);
        const bool timer = !sub && random_.Chance(10);
        if (timer)
            w.Number("TimerInterval", 1000L * random_.Between(1, 60));
        const bool bound = sub || (plan.kind != FormKind::Switchboard && random_.Chance(85));
        if (bound) {
            w.Binary("RecSrcDt", {"0xd2277dd28d83e140"});
            const Table& table = *form.table;
            const size_t source = random_.Weighted({60, 25, 15});
            if (source == 0 || sub)
                w.Text("RecordSource", table.name);
            else if (source == 1)
                w.Text("RecordSource", "SELECT " + table.name + ".* FROM " + table.name +
                                           " ORDER BY " + table.name + ".Name;");
            else
                w.Text("RecordSource", queries_[random_.Index(queries_.size())].name);
        }
        w.Text("Caption", plan.name);
        if (!sub && !menuBars_.empty() && random_.Chance(20))
            w.Text("MenuBar", random_.Pick(menuBars_));
        if (!sub && !toolbars_.empty() && random_.Chance(15))
            w.Text("Toolbar", random_.Pick(toolbars_));
        struct FormEventKind {
            const char* property;
            const char* procedure;
            int percent;
        };
        static const FormEventKind kFormEvents[] = {
            {"OnCurrent", "Current()", 50},
            {"BeforeUpdate", "BeforeUpdate(Cancel As Integer)", 30},
            {"AfterUpdate", "AfterUpdate()", 15},
            {"BeforeInsert", "BeforeInsert(Cancel As Integer)", 10},
            {"OnDelete", "Delete(Cancel As Integer)", 8},
            {"OnOpen", "Open(Cancel As Integer)", 60},
            {"OnLoad", "Load()", 40},
            {"OnUnload", "Unload(Cancel As Integer)", 20},
            {"OnClose", "Close()", 30},
            {"OnActivate", "Activate()", 15},
            {"OnDeactivate", "Deactivate()", 8},
            {"OnResize", "Resize()", 5},
            {"OnClick", "Click()", 5},
            {"OnKeyDown", "KeyDown(KeyCode As Integer, Shift As Integer)", 5},
            {"OnError", "Error(DataErr As Integer, Response As Integer)", 20},
        };
        for (const FormEventKind& e : kFormEvents) {
            if (random_.Chance(e.percent))
                FormEvent(w, form, e.property, e.procedure);
        }
        if (timer)
            FormEvent(w, form, "OnTimer", "Timer()");
        w.Binary("PrtMip", kPrtMip);
    }

    void DefaultBlocks(ObjectWriter& w) {
        w.Begin("Label");
        w.Number("BackStyle", 0);
        w.Number("Height", 240);
        w.End();
        w.Begin("CommandButton");
        w.Number("Height", 360);
        w.Number("FontWeight", 400);
        w.End();
        w.Begin("CheckBox");
        w.Number("SpecialEffect", 2);
        w.Number("LabelX", 260);
        w.End();
        w.Begin("OptionGroup");
        w.Number("SpecialEffect", 3);
        w.End();
        w.Begin("TextBox");
        w.Number("SpecialEffect", 2);
        w.Number("Height", 285);
        w.End();
        w.Begin("ComboBox");
        w.Number("SpecialEffect", 2);
        w.Number("Height", 285);
        w.End();
        w.Begin("ListBox");
        w.Number("SpecialEffect", 2);
        w.End();
        w.Begin("Subform");
        w.Number("SpecialEffect", 2);
        w.End();
        w.Begin("Tab");
        w.Number("BackStyle", 0);
        w.End();
    }

    void WriteForm(size_t index) {
        const FormPlan& plan = forms_[index];
        FormContext form;
        form.plan = &plan;
        form.table = &tables_[static_cast<size_t>(plan.table)];
        const bool sub =
            plan.kind == FormKind::ContinuousSub || plan.kind == FormKind::DatasheetSub;

        ObjectWriter props;
        props.depth = 1;
        FormProperties(props, form, plan);
        ObjectWriter sections;
        sections.depth = 2;
        if (!sub) {
            Header(sections, form, plan);
            ObjectWriter footer;
            footer.depth = 2;
            Footer(footer, form);
            Detail(sections, form, plan);
            sections.out += footer.out;
        } else {
            SubformDetail(sections, form, plan);
            ++counts_.subforms;
        }

        ObjectWriter w;
        w.Line("Version =17");
        w.Line("VersionRequired =17");
        w.Begin("Form");
        w.out += props.out;
        w.Begin();
        DefaultBlocks(w);
        w.out += sections.out;
        w.End();
        w.End();
        w.Line("CodeBehindForm");
        const long budget = std::max(12L, std::lround(formLineBudget_ * plan.codeWeight));
        CodeWriter code;
        FormCode(code, form, budget);
        counts_.formCodeLines += code.lines;
        Write(root_ / "forms" / (FileNameOf(plan.name) + ".bas"), w.out + code.out);

        ++counts_.forms;
        counts_.controls += form.controls;
        counts_.largestForm = std::max(counts_.largestForm, static_cast<int>(form.controls));
        if (form.controls > 254)
            ++counts_.formsOver254;
    }

    // ---- code ----------------------------------------------------------------

    // Code context: what the statements may name.
    struct CodeContext {
        const FormContext* form = nullptr;  // nullptr in a standard module
        const Table* table = nullptr;
        bool recordset = false;  // rs is declared
        std::string procedure;
    };

    std::string Control(const CodeContext& ctx, const std::vector<std::string>& of,
                        const char* fallback) {
        if (ctx.form != nullptr && !of.empty())
            return random_.Pick(of);
        return fallback;
    }

    std::string FormReference() {
        const std::string& name = AnyForm();
        const bool plain = name.find_first_of(" /") == std::string::npos;
        switch (random_.Weighted({50, 30, 20})) {
            case 0:
                return plain ? "Forms!" + name : "Forms![" + name + "]";
            case 1:
                return "Forms(\"" + name + "\")";
            default:
                return "Forms![" + name + "]";
        }
    }

    std::string ActionQuery() {
        for (size_t i = 0; i < queries_.size(); ++i) {
            const Query& q = queries_[(i + random_.Index(queries_.size())) % queries_.size()];
            if (q.action)
                return q.name;
        }
        return queries_.front().name;
    }

    // One statement on one line.
    std::string Statement(const CodeContext& ctx) {
        const std::string me = ctx.form != nullptr ? "Me" : FormReference();
        const std::string txt = Control(ctx, ctx.form ? ctx.form->textBoxes : kNone, "txtName");
        const std::string cbo = Control(ctx, ctx.form ? ctx.form->combos : kNone, "cboFind");
        const std::string lst = Control(ctx, ctx.form ? ctx.form->lists : kNone, "lstItems");
        const std::string& t = ctx.table->name;
        const std::string form = AnyForm();
        switch (random_.Weighted({5, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // DoCmd
                                  4, 2, 2, 1,                                               // Forms
                                  4, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1,                       // Me
                                  2, 2, 1, 1, 1,  // SysCmd
                                  1, 1,           // Echo
                                  3, 3, 2, 2, 4, 3, 2, 2, 1, 1, 1, 1})) {
            case 0:
                return "DoCmd.OpenForm \"" + form + "\"" +
                       (random_.Chance(40) ? ", , , \"[ID]=\" & " + me + "!txtID" : "");
            case 1:
                return random_.Chance(50) ? "DoCmd.Close acForm, Me.Name"
                                          : "DoCmd.Close acForm, \"" + form + "\"";
            case 2:
                return random_.Chance(50) ? "DoCmd.GoToRecord , , acNewRec"
                                          : "DoCmd.GoToRecord , , acNext";
            case 3:
                return "DoCmd.RunCommand acCmdSaveRecord";
            case 4:
                return "DoCmd.OpenQuery \"" + ActionQuery() + "\"";
            case 5:
                return random_.Chance(50) ? "DoCmd.SetWarnings False" : "DoCmd.SetWarnings True";
            case 6:
                return random_.Chance(50) ? "DoCmd.Hourglass True" : "DoCmd.Hourglass False";
            case 7:
                return "DoCmd.Requery \"" + lst + "\"";
            case 8:
                return "DoCmd.GoToControl \"" + txt + "\"";
            case 9:
                return "DoCmd.RunMacro \"" + random_.Pick(macroRefs_) + "\"";
            case 10:
                return "DoCmd.OpenReport \"rpt" + random_.Pick(kNouns) +
                       "\", acViewPreview, , \"[ID]=\" & " + me + "!txtID";
            case 11:
                return random_.Chance(50) ? "DoCmd.Maximize" : "DoCmd.Restore";
            case 12:
                return "DoCmd.OpenForm \"" + form + "\", , , , , acDialog";
            case 13:
                return "DoCmd.RunSQL \"UPDATE " + t + " SET Code = 'X' WHERE ID = \" & lngID";
            case 14:
                return "DoCmd.ShowToolbar \"" +
                       (toolbars_.empty() ? std::string("Form View") : random_.Pick(toolbars_)) +
                       "\", acToolbarYes";
            case 15:
                return "DoCmd.ApplyFilter , \"[ParentID]=\" & Nz(" + me + "!txtID, 0)";
            case 16:
                return "DoCmd.FindRecord " + me + "!" + txt;
            case 17:
                return random_.Chance(50) ? "DoCmd.Beep" : "DoCmd.CancelEvent";
            case 18:
                return "DoCmd.OpenForm \"" + form + "\", , , , , , \"" + random_.Pick(kWords) +
                       "\"";
            case 19: {
                const std::string& other = AnyForm();
                const bool plain = other.find_first_of(" /") == std::string::npos;
                return (plain ? "Forms!" + other : "Forms![" + other + "]") + "!txtID = " + me +
                       "!txtID";
            }
            case 20:
                return FormReference() + "!txtName.Requery";
            case 21:
                return FormReference() + ".Caption = \"" + random_.Pick(kWords) + "\"";
            case 22:
                return "If IsLoaded(\"" + form + "\") Then " + FormReference() + ".Requery";
            case 23:
                return me + "!" + txt + " = Null";
            case 24:
                return "Me." + txt + " = \"" + random_.Pick(kWords) + "\"";
            case 25:
                return me + "!" + lst + ".Requery";
            case 26:
                return me + "!" + cbo + ".SetFocus";
            case 27:
                return random_.Chance(50) ? "Me.Requery" : "Me.Refresh";
            case 28:
                return "Me.Caption = \"" + ctx.table->name.substr(3) + " - \" & Me!txtName";
            case 29:
                return random_.Chance(50) ? "Me.AllowEdits = False" : "Me.AllowAdditions = True";
            case 30:
                return "Me.RecordsetClone.FindFirst \"[ID]=\" & Me!" + cbo;
            case 31:
                return "Me.Bookmark = Me.RecordsetClone.Bookmark";
            case 32:
                return me + "!" + txt + ".Visible = " + (random_.Chance(50) ? "True" : "False");
            case 33:
                return me + "!" + txt + ".ControlTipText = \"" + random_.Pick(kWords) + "\"";
            case 34:
                return random_.Chance(50) ? "Me.TimerInterval = 0" : "Me.Repaint";
            case 35:
                return "varReturn = SysCmd(acSysCmdSetStatus, \"" + random_.Pick(kVerbs) + "...\")";
            case 36:
                return "SysCmd acSysCmdClearStatus";
            case 37:
                return "varReturn = SysCmd(acSysCmdInitMeter, \"Reading\", 100)";
            case 38:
                return "varReturn = SysCmd(acSysCmdUpdateMeter, lngCount)";
            case 39:
                return "If SysCmd(acSysCmdGetObjectState, acForm, \"" + form + "\") <> 0 Then Beep";
            case 40:
                return random_.Chance(50) ? "Application.Echo False" : "Application.Echo True";
            case 41:
                return "Application.Echo True, \"" + random_.Pick(kWords) + "\"";
            case 42:
                return "strSQL = \"SELECT * FROM " + t + " WHERE [ID]=\" & lngID";
            case 43:
                return "lngCount = DCount(\"*\", \"" + t + "\", \"[ParentID]=\" & lngID)";
            case 44:
                return "curTotal = Nz(DSum(\"[ID]\", \"" + t + "\"), 0)";
            case 45:
                return "varReturn = DLookup(\"[Name]\", \"" + t + "\", \"[ID]=\" & lngID)";
            case 46:
                return "MsgBox \"The " + random_.Pick(kWords) + " is " + random_.Pick(kWords) +
                       ".\", vbInformation, \"" + t.substr(3) + "\"";
            case 47:
                return "strName = Nz(" + me + "!" + txt + ", \"\")";
            case 48:
                return "Call " + random_.Pick(allFunctions_);
            case 49:
                return "lngID = Nz(" + me + "!txtID, 0)";
            case 50:
                return "Set db = CurrentDb()";
            case 51:
                return "Reports!rpt" + random_.Pick(kNouns) + ".Caption = strName";
            case 52:
                return "DoEvents";
            default:
                return "gstrLastForm = \"" + form + "\"";
        }
    }

    std::string Comment() {
        return "' " + random_.Pick(kVerbs) + " the " + random_.Pick(kWords) + " " +
               random_.Pick(kWords) + " before the " + random_.Pick(kWords) + " changes";
    }

    // Exactly `lines` lines of statements at `level`, blocks balanced.
    void Statements(CodeWriter& code, CodeContext& ctx, long lines, int level) {
        while (lines > 0) {
            const size_t kind = random_.Weighted({56, 9, 7, 8, 4, 4, 3, 4, 3, 2});
            const std::string g = ctx.form != nullptr && !ctx.form->groups.empty()
                                      ? random_.Pick(ctx.form->groups)
                                      : std::string();
            if (kind == 1) {
                code.Line(level, Comment());
                --lines;
            } else if (kind == 2) {
                code.Line(0, "");
                --lines;
            } else if (kind == 3 && lines >= 3) {
                const bool withElse = lines >= 5 && random_.Chance(40);
                code.Line(level, "If Nz(" + std::string(ctx.form ? "Me!txtID" : "lngID") +
                                     ", 0) > " + Num(random_.Between(0, 99)) + " Then");
                code.Line(level + 1, Statement(ctx));
                if (withElse) {
                    code.Line(level, "Else");
                    code.Line(level + 1, Statement(ctx));
                }
                code.Line(level, "End If");
                lines -= withElse ? 5 : 3;
            } else if (kind == 4 && lines >= 9 && ctx.recordset) {
                code.Line(level, "Set rs = CurrentDb().OpenRecordset(\"SELECT * FROM " +
                                     ctx.table->name + "\", DB_OPEN_DYNASET)");
                code.Line(level, "Do Until rs.EOF");
                code.Line(level + 1, "lngCount = lngCount + 1");
                code.Line(level + 1, "rs.Edit");
                code.Line(level + 1, "rs.Code = UCase(rs.Code)");
                code.Line(level + 1, "rs.Update");
                code.Line(level + 1, "rs.MoveNext");
                code.Line(level, "Loop");
                code.Line(level, "rs.Close");
                lines -= 9;
            } else if (kind == 5 && lines >= 3) {
                code.Line(level, "For i = 1 To " + Num(random_.Between(2, 50)));
                code.Line(level + 1, Statement(ctx));
                code.Line(level, "Next i");
                lines -= 3;
            } else if (kind == 6 && lines >= 7 && !g.empty()) {
                // Option groups: read, compared and set by value.
                code.Line(level, "Select Case " + g);
                code.Line(level + 1, "Case 1");
                code.Line(level + 2, g + " = 2");
                code.Line(level + 1, "Case 2");
                code.Line(level + 2, "Me!" + g + " = 1");
                code.Line(level + 1, "Case Else");
                code.Line(level, "End Select");
                lines -= 7;
            } else if (kind == 7 && !g.empty()) {
                code.Line(level, random_.Chance(50) ? "If " + g + ".Value = 1 Then Beep"
                                                    : "lngCount = " + g);
                --lines;
            } else if (kind == 8 && lines >= 4) {
                code.Line(level, "With " + std::string(ctx.form ? "Me!txtName" : "Screen"));
                code.Line(level + 1, ctx.form ? ".Enabled = True" : ".MousePointer = 11");
                code.Line(level + 1, ctx.form ? ".Locked = False" : ".MousePointer = 0");
                code.Line(level, "End With");
                lines -= 4;
            } else if (kind == 9 && lines >= 2) {
                code.Line(level, "strMsg = \"The " + random_.Pick(kWords) + " of \" & strName & _");
                code.Line(level + 1, "\" has changed.\"");
                lines -= 2;
            } else {
                code.Line(level, Statement(ctx));
                --lines;
            }
        }
    }

    // A procedure of `lines` lines in all (at least 3).
    void Procedure(CodeWriter& code, CodeContext& ctx, const std::string& header,
                   const std::string& end, long lines, bool handler) {
        code.Line(0, header);
        long body = lines - 2;
        static const std::vector<std::string> kDims = {
            "Dim strSQL As String", "Dim lngCount As Long",     "Dim varReturn As Variant",
            "Dim i As Integer",     "Dim curTotal As Currency", "Dim strName As String",
            "Dim strMsg As String", "Dim lngID As Long"};
        ctx.recordset = body >= 14 && random_.Chance(40);
        if (ctx.recordset) {
            code.Line(1, "Dim rs As Recordset");
            --body;
        }
        const long dims = std::min<long>(body - 1, random_.Between(0, 3));
        const size_t first = random_.Index(kDims.size());
        for (long i = 0; i < dims; ++i)
            code.Line(1, kDims[(first + static_cast<size_t>(i)) % kDims.size()]);
        body -= std::max(0L, dims);
        const std::string label = ctx.procedure;
        if (handler && body >= 8) {
            code.Line(1, "On Error GoTo Err_" + label);
            Statements(code, ctx, body - 7, 1);
            code.Line(0, "Exit_" + label + ":");
            code.Line(1, end == "End Function" ? "Exit Function" : "Exit Sub");
            code.Line(0, "Err_" + label + ":");
            code.Line(1, "MsgBox Err.Description, vbExclamation, \"" + label + "\"");
            code.Line(1, "Resume Exit_" + label);
            code.Line(0, "");
        } else {
            Statements(code, ctx, body, 1);
        }
        code.Line(0, end);
    }

    void FormCode(CodeWriter& code, const FormContext& form, long budget) {
        for (const char* line :
             {"Attribute VB_GlobalNameSpace = False", "Attribute VB_Creatable = True",
              "Attribute VB_PredeclaredId = True", "Attribute VB_Exposed = False",
              "Option Compare Database", "Option Explicit", ""})
            code.Line(0, line);
        code.Line(0, Comment());
        code.Line(0, "Dim mlngLastID As Long");
        code.Line(0, "");
        CodeContext ctx;
        ctx.form = &form;
        ctx.table = form.table;
        long left = budget - code.lines;
        const size_t events = form.procedures.size();
        // Event procedures get a share; helpers take the rest.
        const long perEvent =
            events == 0 ? 0 : std::max(3L, left * 6 / 10 / static_cast<long>(events));
        for (size_t i = 0; i < events; ++i) {
            const EventProcedure& p = form.procedures[i];
            const long size = std::max(3L, perEvent + random_.Between(-2, 2));
            const size_t open = p.header.find(' ', 8) + 1;
            ctx.procedure = p.header.substr(open, p.header.find('(') - open);
            if (size < 5) {
                code.Line(0, p.header);
                Statements(code, ctx, size - 2, 1);
                code.Line(0, "End Sub");
            } else {
                Procedure(code, ctx, p.header, "End Sub", size, random_.Chance(25));
            }
            code.Line(0, "");
        }
        int helper = 0;
        while (budget - code.lines >= 6) {
            const long room = budget - code.lines - 1;
            const long size = std::min(room, static_cast<long>(random_.Between(8, 40)));
            const bool function = random_.Chance(40);
            ctx.procedure =
                (function ? "Calc" : "Update") + form.table->name.substr(3) + Num(helper++);
            Procedure(code, ctx,
                      function ? "Private Function " + ctx.procedure + "(lngID As Long) As Currency"
                               : "Private Sub " + ctx.procedure + "()",
                      function ? "End Function" : "End Sub", size, random_.Chance(25));
            code.Line(0, "");
        }
        while (code.lines < budget)
            code.Line(0, Comment());
    }

    void WriteModules() {
        const long remaining = std::max(0L, size_.codeLines - counts_.formCodeLines);
        double total = 0;
        for (const Module& module : modules_)
            total += module.weight;
        for (size_t m = 0; m < modules_.size(); ++m) {
            const Module& module = modules_[m];
            const long budget =
                std::max(40L, std::lround(static_cast<double>(remaining) * module.weight / total));
            CodeWriter code;
            code.Line(0, "Attribute VB_Name = \"" + module.name + "\"");
            code.Line(0, "Option Compare Database");
            code.Line(0, "Option Explicit");
            code.Line(0, "");
            code.Line(0, Comment());
            code.Line(0, "");
            if (m == 0) {
                code.Line(0, "Public gstrLastForm As String");
                code.Line(0, "Public Const APP_TITLE = \"Synthetic\"");
                code.Line(0, "Dim db As Database");
                code.Line(0, "");
            }
            CodeContext ctx;
            ctx.table = &tables_[m % tables_.size()];
            const long perFunction = std::max(
                6L, (budget - code.lines) / static_cast<long>(module.functions.size() + 3));
            for (const ModuleFunction& f : module.functions) {
                ctx.procedure = f.name;
                Procedure(code, ctx,
                          "Public Function " + f.name + "(Optional varArg As Variant) As Variant",
                          "End Function", perFunction + random_.Between(-3, 3), random_.Chance(30));
                code.Line(0, "");
            }
            int helper = 0;
            while (budget - code.lines >= 8) {
                const long room = budget - code.lines - 1;
                const long size = std::min(room, static_cast<long>(random_.Between(10, 60)));
                ctx.procedure = "Process" + ctx.table->name.substr(3) + Num(helper++);
                Procedure(code, ctx,
                          (random_.Chance(50) ? "Private Sub " : "Public Sub ") + ctx.procedure +
                              "(Optional lngID As Long)",
                          "End Sub", size, random_.Chance(30));
                code.Line(0, "");
            }
            while (code.lines < budget)
                code.Line(0, Comment());
            counts_.moduleCodeLines += code.lines;
            Write(root_ / "modules" / (FileNameOf(module.name) + ".bas"), code.out);
        }
    }

    void WriteProperties() {
        const std::string startup = mainFormNames_.empty() ? "" : mainFormNames_.front();
        std::string json =
            "{\r\n  \"Info\": {\"Class\": \"clsDbProperty\", \"Description\": "
            "\"Database Properties (DAO)\"},\r\n  \"Items\": {\r\n"
            "    \"AccessVersion\": {\"Value\": \"07.53\", \"Type\": 10},\r\n"
            "    \"StartupForm\": {\"Value\": \"" +
            startup + "\", \"Type\": 10},\r\n";
        if (!menuBars_.empty())
            json += "    \"StartupMenuBar\": {\"Value\": \"" + menuBars_.front() +
                    "\", \"Type\": 10},\r\n";
        json += "    \"AppTitle\": {\"Value\": \"Synthetic\", \"Type\": 10}\r\n  }\r\n}\r\n";
        Write(root_ / "dbs-properties.json", json);
    }

    struct Module {
        std::string name;
        std::vector<ModuleFunction> functions;
        double weight = 1.0;
    };
    struct MacroGroup {
        std::string name;
        std::vector<std::string> macroNames;
    };

    const std::vector<std::string> kNone;
    fs::path root_;
    ApplicationSize size_;
    Random random_;
    ApplicationCounts counts_;
    std::vector<Table> tables_;
    std::vector<Query> queries_;
    std::vector<size_t> queryKinds_;
    std::vector<Module> modules_;
    std::vector<std::string> allFunctions_;
    std::vector<MacroGroup> macroGroups_;
    std::vector<std::string> plainMacros_;
    std::vector<std::string> macroRefs_;
    std::vector<std::string> menuBars_;
    std::vector<std::string> toolbars_;
    std::vector<FormPlan> forms_;
    std::vector<std::string> mainFormNames_;
    double formLineBudget_ = 0;
};

}  // namespace

std::optional<ApplicationSize> SizeNamed(std::string_view name) {
    if (name == "tiny")
        return ApplicationSize{"tiny", 24, 20000};
    if (name == "small")
        return ApplicationSize{"small", 250, 250000};
    if (name == "medium")
        return ApplicationSize{"medium", 500, 500000};
    if (name == "large")
        return ApplicationSize{"large", 1000, 1000000};
    return std::nullopt;
}

ApplicationCounts WriteApplication(const fs::path& root, const ApplicationSize& size,
                                   uint64_t seed) {
    // Fewer forms leave no main form for the subforms, macros and menus to name.
    if (size.forms < kFewestForms || size.codeLines < 0)
        throw std::invalid_argument("a synthetic application needs at least " +
                                    std::to_string(kFewestForms) +
                                    " forms and no negative number of lines");
    return Generator(root, size, seed).Run();
}

}  // namespace velorin::bench
