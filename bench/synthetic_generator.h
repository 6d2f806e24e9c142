// The generator of the synthetic application: it plans the tables, queries,
// modules, macros, command bars and forms from the size and the seed, then
// writes each into the export. Its parts are in the synthetic_*.cpp files
// named below. Every choice is drawn from one sequence of random numbers, in
// the order the parts are planned and written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "export_text_writers.h"
#include "synthetic_application.h"
#include "synthetic_random.h"

namespace velorin::bench::synthetic {
namespace fs = std::filesystem;

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

inline constexpr EventKind kEvClick{"OnClick", "Click()"};
inline constexpr EventKind kEvDblClick{"OnDblClick", "DblClick(Cancel As Integer)"};
inline constexpr EventKind kEvBeforeUpdate{"BeforeUpdate", "BeforeUpdate(Cancel As Integer)"};
inline constexpr EventKind kEvAfterUpdate{"AfterUpdate", "AfterUpdate()"};
inline constexpr EventKind kEvChange{"OnChange", "Change()"};
inline constexpr EventKind kEvEnter{"OnEnter", "Enter()"};
inline constexpr EventKind kEvExit{"OnExit", "Exit(Cancel As Integer)"};
inline constexpr EventKind kEvGotFocus{"OnGotFocus", "GotFocus()"};
inline constexpr EventKind kEvLostFocus{"OnLostFocus", "LostFocus()"};
inline constexpr EventKind kEvKeyPress{"OnKeyPress", "KeyPress(KeyAscii As Integer)"};
inline constexpr EventKind kEvMouseDown{
    "OnMouseDown",
    "MouseDown(Button As Integer, Shift As Integer, X As Single, "
    "Y As Single)"};
inline constexpr EventKind kEvNotInList{"OnNotInList",
                                        "NotInList(NewData As String, Response As Integer)"};
inline constexpr EventKind kEvUpdated{"OnUpdated", "Updated(Code As Integer)"};

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

    ApplicationCounts Run();

  private:
    struct Cursor {
        long left = 120;
        long top = 120;
        long columnTop = 120;
        long bottomLimit = 4000;
        long maxBottom = 0;
        long columnWidth = 3720;
    };

    // Code context: what the statements may name.
    struct CodeContext {
        const FormContext* form = nullptr;  // nullptr in a standard module
        const Table* table = nullptr;
        bool recordset = false;  // rs is declared
        std::string procedure;
    };

    struct Module {
        std::string name;
        std::vector<ModuleFunction> functions;
        double weight = 1.0;
    };

    struct MacroGroup {
        std::string name;
        std::vector<std::string> macroNames;
    };

    // The files of the export (synthetic_export.cpp)
    static std::string FileNameOf(std::string_view name);
    void Write(const fs::path& path, const std::string& content);
    void WriteProperties();

    // Plans, made before anything is written (synthetic_plans.cpp)
    std::string NounName(size_t i) const;
    void PlanTables();
    void PlanQueries();
    void PlanModules();
    void PlanMacros();
    void PlanCommandBars();
    void PlanForms();

    // Tables and queries (synthetic_tables_and_queries.cpp)
    void WriteTables();
    std::string SelectOf(const Table& table, bool twoColumns) const;
    void WriteQueries();

    // Macros and command bars (synthetic_macros_and_command_bars.cpp)
    std::string AnyForm();
    void MacroRow(ObjectWriter& w, const std::string& macroName);
    void WriteMacros();
    std::string Action();
    void BarControl(ObjectWriter& w, int depth, bool popupAllowed);
    void WriteCommandBars();

    // Forms: controls (synthetic_form_controls.cpp)
    std::string UniqueName(FormContext& form, const std::string& base);
    std::string DefaultLabelName(FormContext& form);
    void Events(ObjectWriter& w, FormContext& form, const std::string& control,
                std::initializer_list<EventKind> offered, int percent);
    static void Advance(Cursor& c, long height);
    void Position(ObjectWriter& w, long left, long top, long width, long height);
    void AttachedLabel(ObjectWriter& w, FormContext& form, long left, long top,
                       const std::string& caption, bool defaultName);
    std::string Field(const FormContext& form, const std::vector<std::string>& preferred);
    void TextBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex, bool label);
    void RowSource(ObjectWriter& w, FormContext& form, int& columns);
    void ComboBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex);
    static std::string Reindent(const std::string& text, int depth);
    void ListBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex);
    void CheckBox(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex);
    void OptionGroup(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex);
    void CommandButton(ObjectWriter& w, FormContext& form, long left, long top,
                       const std::string& name, const std::string& caption, int tabIndex);
    void FreeLabel(ObjectWriter& w, FormContext& form, Cursor& c, bool defaultName);
    void Shape(ObjectWriter& w, FormContext& form, Cursor& c, bool line);
    void Image(ObjectWriter& w, FormContext& form, Cursor& c);
    void ObjectFrame(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex);
    void CustomControl(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex);
    void ToggleButton(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex);
    void OptionButton(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex);
    void SubformControl(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex, int subform);
    void AnyField(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex);

    // Forms: sections and the form file (synthetic_form_sections.cpp)
    void SectionStart(ObjectWriter& w, const char* head, const char* name, long height,
                      long backColor);
    void Header(ObjectWriter& w, FormContext& form, const FormPlan& plan);
    void Footer(ObjectWriter& w, FormContext& form);
    void Fill(ObjectWriter& w, FormContext& form, Cursor& c, int& tabIndex, long target);
    void Detail(ObjectWriter& w, FormContext& form, const FormPlan& plan);
    void SubformDetail(ObjectWriter& w, FormContext& form, const FormPlan& plan);
    void FormEvent(ObjectWriter& w, FormContext& form, const char* property, const char* procedure);
    void FormProperties(ObjectWriter& w, FormContext& form, const FormPlan& plan);
    void DefaultBlocks(ObjectWriter& w);
    void WriteForm(size_t index);

    // Code behind forms and in standard modules (synthetic_code.cpp)
    std::string Control(const CodeContext& ctx, const std::vector<std::string>& of,
                        const char* fallback);
    std::string FormReference();
    std::string ActionQuery();
    std::string Statement(const CodeContext& ctx);
    std::string Comment();
    void Statements(CodeWriter& code, CodeContext& ctx, long lines, int level);
    void Procedure(CodeWriter& code, CodeContext& ctx, const std::string& header,
                   const std::string& end, long lines, bool handler);
    void FormCode(CodeWriter& code, const FormContext& form, long budget);
    void WriteModules();

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

}  // namespace velorin::bench::synthetic
