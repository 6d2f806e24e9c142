// The Access application model: what Velorin reads of a database through the
// host interface — containers and documents, form designs, module code,
// macros, table and query definitions, command bars and database properties.
#pragma once

#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_text.h"
#include "session/host/access_form.h"

namespace velorin {

enum class Container { Forms, Modules, Scripts, Reports };

// DAO field and query type values.
namespace dao {
inline constexpr int kBoolean = 1;
inline constexpr int kByte = 2;
inline constexpr int kInteger = 3;
inline constexpr int kLong = 4;
inline constexpr int kCurrency = 5;
inline constexpr int kSingle = 6;
inline constexpr int kDouble = 7;
inline constexpr int kDate = 8;
inline constexpr int kBinary = 9;
inline constexpr int kText = 10;
inline constexpr int kLongBinary = 11;
inline constexpr int kMemo = 12;
inline constexpr int kGuid = 15;
inline constexpr int kDecimal = 20;

inline constexpr int kQuerySelect = 0;
inline constexpr int kQueryCrosstab = 16;
inline constexpr int kQueryDelete = 32;
inline constexpr int kQueryUpdate = 48;
inline constexpr int kQueryAppend = 64;
inline constexpr int kQueryMakeTable = 80;
inline constexpr int kQueryDDL = 96;
inline constexpr int kQuerySQLPassThrough = 112;
inline constexpr int kQuerySetOperation = 128;
}  // namespace dao

struct FieldDef {
    std::string name;
    int type = 0;
};

struct TableDef {
    std::string name;
    std::vector<FieldDef> fields;
};

struct QueryDef {
    std::string name;
    std::string sql;
    int type = dao::kQuerySelect;
    std::vector<FieldDef> fields;  // known output fields; may be empty
};

struct CodeModule {
    std::string name;
    std::vector<std::string> lines;
    // A class module (its own objects made with New), not a standard module.
    bool isClass = false;
    // A class whose one instance exists without New (VB_PredeclaredId = True).
    bool predeclaredId = false;
    // The export file it was read from; empty when it came from elsewhere.
    std::string sourceFile = {};
};

// A line that shows an application's code cannot have been compiled: a
// procedure that is not closed before the next begins or the code ends, or an
// end without its procedure.
struct UnclosedProcedure {
    std::string object;  // the module's or the form's name
    bool isForm = false;
    size_t line = 0;  // in the object's code, from 1
    std::string text;
};

struct MacroRow {
    std::string macroName;
    std::string condition;
    std::string action;
    std::vector<std::string> arguments;
    std::string comment;
    int line = 0;
};

struct Macro {
    std::string name;
    int columnsShown = 0;
    std::vector<MacroRow> rows;
    std::string sourceFile = {};  // the export file it was read from
};

struct CommandBarControl {
    int type = 1;  // 1 button, 10 popup; other Office types are kept as read
    std::string caption;
    std::string tooltipText;
    std::string onAction;
    bool enabled = true;
    bool visible = true;
    std::vector<CommandBarControl> controls;  // a popup's own command bar
};

struct CommandBar {
    std::string name;
    bool builtIn = false;
    std::vector<CommandBarControl> controls;
};

// Something the loader could not read: skipped, reported with where it stands.
// A library the application's code refers to, as its export lists it.
struct LibraryReference {
    std::string name;  // as the code knows it: "Scripting"; may be empty
    std::string guid;  // "{420B2830-E718-11CF-893D-00A0C9054228}"; empty for a file
    int major = 0;
    int minor = 0;
    std::string path;  // the library's file, when the export gives it
};

// A line of an export file that held characters Windows-1252 cannot hold,
// each of them read as one "?".
struct LostCharacters {
    std::string file;
    int line = 0;  // from 1
    int count = 0;
    std::string text;  // the line as read
};

struct LoadDiagnostic {
    std::string path;
    int line = 0;
    std::string message;
    // The file, or what the message names, was left out; otherwise it was
    // read with the loss the message tells.
    bool skipped = true;
};

class AccessApplication {
  public:
    // Documents of a container, in container order (by name, as DAO lists them).
    const std::vector<std::string>& Documents(Container container) const;

    // DoCmd.OpenForm in design view: the form's design, or nullptr when the form
    // does not exist or its design could not be read.
    const AccessForm* OpenForm(std::string_view name) const;
    // Lets every form's controls go (AccessForm::ReleaseControls).
    void ReleaseFormControls() {
        for (auto& [name, form] : forms_)
            form->ReleaseControls();
    }
    const AccessForm* OpenReport(std::string_view name) const;
    const CodeModule* Module(std::string_view name) const;
    const Macro* FindMacro(std::string_view name) const;

    const std::vector<TableDef>& TableDefs() const { return tables_; }
    // A list: a query found or created stays where it is while others come and go.
    const std::list<QueryDef>& QueryDefs() const { return queries_; }
    const TableDef* FindTableDef(std::string_view name) const;
    const QueryDef* FindQueryDef(std::string_view name) const;
    // Kept in memory for the session only; replaces a query of the same name.
    QueryDef& CreateQueryDef(std::string name, std::string sql);
    bool DeleteQueryDef(std::string_view name);

    const CommandBar* FindCommandBar(std::string_view name) const;

    // Database properties ("StartupForm", ...); empty when not set.
    std::string DatabaseProperty(std::string_view name) const;
    void SetDatabaseProperty(std::string_view name, std::string value);
    const std::map<std::string, std::string, ILess>& DatabaseProperties() const {
        return databaseProperties_;
    }

    // False when some code module is visibly broken (a procedure that never
    // ends): Access could not have compiled it.
    bool IsCompiled() const;
    // The first line, modules before forms in their list order, that shows the
    // code cannot have been compiled.
    std::optional<UnclosedProcedure> FirstUnclosedProcedure() const;

    const std::vector<LoadDiagnostic>& Diagnostics() const { return diagnostics_; }

    // The name the code's project has in Access (its VBA project); empty
    // when the source does not tell.
    const std::string& CodeProjectName() const { return codeProjectName_; }
    void SetCodeProjectName(std::string name) { codeProjectName_ = std::move(name); }
    const std::vector<LibraryReference>& References() const { return references_; }

    // The lines of an object's export files that lost characters when read.
    const std::vector<LostCharacters>& LostCharactersOf(Container container,
                                                        std::string_view object) const;
    void AddLostCharacters(Container container, std::string_view object,
                           std::vector<LostCharacters> lines);
    void AddReference(LibraryReference reference) { references_.push_back(std::move(reference)); }

    // Filled by the loaders.
    void AddDocument(Container container, std::string name);
    void AddForm(std::unique_ptr<AccessForm> form);
    void AddReport(std::unique_ptr<AccessForm> report);
    void AddModule(CodeModule module);
    void AddMacro(Macro macro);
    void AddTableDef(TableDef table);
    void AddQueryDef(QueryDef query);
    void AddCommandBar(CommandBar bar);
    void AddDiagnostic(LoadDiagnostic diagnostic) { diagnostics_.push_back(std::move(diagnostic)); }
    // Sorts the containers and drops duplicate names; called once loading ends.
    void FinishLoading();

  private:
    std::vector<std::string>& DocumentList(Container container);

    std::vector<std::string> documents_[4];
    std::map<std::string, std::unique_ptr<AccessForm>, ILess> forms_;
    std::map<std::string, std::unique_ptr<AccessForm>, ILess> reports_;
    std::map<std::string, CodeModule, ILess> modules_;
    std::map<std::string, Macro, ILess> macros_;
    std::vector<TableDef> tables_;
    std::list<QueryDef> queries_;
    std::map<std::string, CommandBar, ILess> commandBars_;
    std::map<std::string, std::string, ILess> databaseProperties_;
    std::vector<LoadDiagnostic> diagnostics_;
    std::string codeProjectName_;
    std::map<std::string, std::vector<LostCharacters>, ILess> lostCharacters_[4];
    std::vector<LibraryReference> references_;
};

}  // namespace velorin
