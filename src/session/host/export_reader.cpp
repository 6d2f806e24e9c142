// An export folder as the version-control exporters lay it out: forms/,
// reports/, modules/, macros/, queries/, tbldefs/ (or tbldef/), commandbars/
// and dbs-properties.json. The current releases of the add-in also put a
// form's code beside its design (NAME.cls beside NAME.form), modules in
// subfolders of modules/, and JSON sidecar files beside objects and at the
// top; the sidecars are no objects.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>

#include "common/ansi_text.h"
#include "common/output_directory.h"
#include "common/string_helpers.h"
#include "session/host/code_project_sidecars.h"
#include "session/host/database_loader.h"
#include "session/host/known_properties.h"
#include "session/host/object_text.h"
#include "session/host/query_text.h"
#include "session/host/table_ddl.h"

namespace velorin {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kSubfolders[] = {"forms",   "reports", "modules", "macros",
                                            "queries", "tbldefs", "tbldef",  "commandbars"};

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = AnsiLower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Files in a folder with one of the extensions, in name order. An entry of
// such a name that is no regular file (a pipe, a device, a folder), which
// reading could hang on, is put in `skipped`.
std::vector<fs::path> FilesOf(const fs::path& folder,
                              std::initializer_list<std::string_view> extensions,
                              std::vector<fs::path>& skipped) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string ext = it->path().extension().string();
        for (std::string_view wanted : extensions) {
            if (!IEquals(ext, wanted))
                continue;
            std::error_code typeError;
            if (it->is_regular_file(typeError))
                files.push_back(it->path());
            else
                skipped.push_back(it->path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

class ExportReader {
  public:
    ExportReader(const fs::path& root, AccessApplication& application)
        : root_(root), app_(application) {}

    void Read() {
        for (const fs::path& file : FilesOf(root_ / "forms", {".bas", ".form"}))
            ReadForm(file, false);
        NameUnknownProperties();
        for (const fs::path& file : FilesOf(root_ / "reports", {".bas", ".report"}))
            ReadForm(file, true);
        for (const fs::path& file : ModuleFiles(root_ / "modules"))
            ReadModule(file);
        for (const fs::path& file : FilesOf(root_ / "macros", {".bas", ".txt", ".mac"}))
            ReadMacro(file);
        // What an object folder holds that is no object nor a known sidecar
        // is named, not passed over.
        // .pv: a report's or form's print settings, as older exporters write them.
        NameStrangers(root_ / "forms", {".bas", ".form", ".cls", ".json", ".pv"});
        NameStrangers(root_ / "reports", {".bas", ".report", ".cls", ".json", ".pv"});
        NameStrangers(root_ / "macros", {".bas", ".txt", ".mac", ".json"});
        ReadQueries();
        for (const char* folder : {"tbldefs", "tbldef"}) {
            for (const fs::path& file : FilesOf(root_ / folder, {".sql"}))
                ReadTable(file);
            for (const fs::path& file : FilesOf(root_ / folder, {".lnkd"}))
                ReadLinkedTable(file);
        }
        for (const fs::path& file : FilesOf(root_ / "commandbars", {".txt"}))
            ReadCommandBar(file);
        ReadDatabaseProperties(root_ / "dbs-properties.json");
        ReadCodeProjectSidecars(root_, app_);
    }

  private:
    void Report(const fs::path& file, int line, std::string message) {
        app_.AddDiagnostic({PathToAnsi(file), line, std::move(message)});
    }

    std::vector<fs::path> FilesOf(const fs::path& folder,
                                  std::initializer_list<std::string_view> extensions) {
        std::vector<fs::path> skipped;
        std::vector<fs::path> files = velorin::FilesOf(folder, extensions, skipped);
        for (const fs::path& entry : skipped)
            Report(entry, 0, "is not a regular file (a pipe, a device or a folder)");
        return files;
    }

    // The modules of modules/ and of every folder below it, in path order.
    std::vector<fs::path> ModuleFiles(const fs::path& folder) {
        std::vector<fs::path> files;
        std::error_code ec;
        if (!fs::is_directory(folder, ec))
            return files;
        fs::recursive_directory_iterator it(folder, ec);
        for (const fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError;
            const fs::file_status status = it->symlink_status(typeError);
            const std::string ext = it->path().extension().string();
            if (fs::is_directory(status) || IEquals(ext, ".json"))
                continue;
            if (!IEquals(ext, ".bas") && !IEquals(ext, ".cls"))
                Report(it->path(), 0, "is no module file (.bas or .cls)");
            else if (it->is_regular_file(typeError))
                files.push_back(it->path());
            else
                Report(it->path(), 0, "is not a regular file (a pipe, a device or a folder)");
        }
        // A folder that cannot be read is named: its modules are not there.
        if (ec)
            Report(it != fs::recursive_directory_iterator() ? it->path() : folder, 0,
                   "cannot be read: " + ec.message());
        std::sort(files.begin(), files.end());
        return files;
    }

    void NameStrangers(const fs::path& folder, std::initializer_list<std::string_view> known) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string ext = it->path().extension().string();
            bool isKnown = false;
            for (std::string_view wanted : known)
                isKnown = isKnown || IEquals(ext, wanted);
            if (!isKnown)
                Report(it->path(), 0, "is no object file of this folder");
        }
    }

    // The lines that lost characters, kept for the object being read.
    void NoteLostCharacters(const fs::path& file, const std::string& text,
                            const std::vector<size_t>& lostAt) {
        const std::string path = PathToAnsi(file);
        size_t lineStart = 0;
        size_t lineEnd = text.find('\n');
        int line = 1;
        int lineNoted = 0;
        for (size_t at : lostAt) {
            while (lineEnd != std::string::npos && lineEnd < at) {
                lineStart = lineEnd + 1;
                lineEnd = text.find('\n', lineStart);
                ++line;
            }
            if (line == lineNoted) {
                ++lost_.back().count;
                continue;
            }
            std::string_view lineText(
                text.data() + lineStart,
                (lineEnd == std::string::npos ? text.size() : lineEnd) - lineStart);
            if (!lineText.empty() && lineText.back() == '\r')
                lineText.remove_suffix(1);
            lost_.push_back({path, line, 1, std::string(lineText)});
            lineNoted = line;
        }
    }

    std::optional<std::string> ReadText(const fs::path& file) {
        std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes) {
            Report(file, 0, "cannot be read");
            return std::nullopt;
        }
        size_t lost = 0;
        std::vector<size_t> lostAt;
        std::string text = DecodeInputText(*bytes, &lost, &lostAt);
        if (lost > 0) {
            app_.AddDiagnostic({PathToAnsi(file), 0,
                                std::to_string(lost) + (lost == 1 ? " character" : " characters") +
                                    " that Windows-1252 cannot hold became \"?\"",
                                false});
            NoteLostCharacters(file, text, lostAt);
        }
        // No export holds a NUL character: the file is binary or damaged.
        if (size_t nul = text.find('\0'); nul != std::string::npos) {
            const auto line = std::count(text.begin(), text.begin() + static_cast<long>(nul), '\n');
            Report(file, static_cast<int>(line) + 1, "holds binary data, not text");
            return std::nullopt;
        }
        return text;
    }

    std::optional<ObjectText> ReadObject(const fs::path& file) {
        std::optional<std::string> content = ReadText(file);
        if (!content)
            return std::nullopt;
        ObjectTextResult result = ReadObjectText(*content);
        if (!result.text) {
            Report(file, result.error.line, result.error.message);
            return std::nullopt;
        }
        return std::move(result.text);
    }

    void ReadForm(const fs::path& file, bool report) {
        lost_.clear();
        std::optional<ObjectText> text = ReadObject(file);
        if (!text)
            return;
        auto form = std::make_unique<AccessForm>();
        FormBuildResult built =
            BuildAccessForm(*text, ObjectNameFromFileName(file), PathToAnsi(file), *form);
        if (!built.ok) {
            Report(file, built.line, built.message);
            return;
        }
        // Reports are not converted: what they hold changes no output.
        if (!report)
            NoteUnknownNames(file, *text);
        fs::path codeFile = fs::path(file).replace_extension(".cls");
        std::error_code ec;
        if (!text->hasCode && fs::is_regular_file(codeFile, ec)) {
            if (std::optional<std::string> code = ReadText(codeFile)) {
                form->SetCodeLines(CodeModuleLines(SplitLines(*code)));
            }
        }
        const AccessForm* other =
            report ? app_.OpenReport(form->Name()) : app_.OpenForm(form->Name());
        if (IsSecond(file, other != nullptr ? other->Name() : std::string(), form->Name(),
                     report ? "report" : "form"))
            return;
        if (report) {
            app_.AddReport(std::move(form));
        } else {
            app_.AddLostCharacters(Container::Forms, form->Name(), std::move(lost_));
            app_.AddForm(std::move(form));
        }
    }

    // A property or block Velorin does not know, with the first place that has it.
    struct UnknownUse {
        UnknownName name;
        fs::path file;
        int forms = 0;
    };

    void NoteUnknownNames(const fs::path& file, const ObjectText& text) {
        for (UnknownName& name : UnknownNames(text)) {
            const std::string key = (name.block ? "Begin " : "") + name.name;
            auto [it, first] = unknownIndex_.try_emplace(key, unknown_.size());
            if (first)
                unknown_.push_back({std::move(name), file, 0});
            ++unknown_[it->second].forms;
        }
    }

    // One warning per name for the whole run, not one per form or per use:
    // an Access version that writes a property Velorin does not know writes
    // it into nearly every form (the default blocks repeat in each), so the
    // name, the first place that has it and how many forms do tell it all.
    void NameUnknownProperties() {
        for (const UnknownUse& use : unknown_) {
            std::string message =
                use.name.block
                    ? "block Begin " + use.name.name + " is unknown to Velorin and was left out"
                    : "property " + use.name.name + " is unknown to Velorin and was left out";
            if (use.forms > 1)
                message += " (" + std::to_string(use.forms) + " forms have it)";
            app_.AddDiagnostic({PathToAnsi(use.file), use.name.line, std::move(message), false});
        }
        unknown_.clear();
        unknownIndex_.clear();
    }

    // Access holds one object of a name in a container, whatever its case;
    // an export on a file system that tells case apart can hold two, or two
    // files that decode to one name. The second is named and left out.
    bool IsSecond(const fs::path& file, const std::string& first, const std::string& name,
                  std::string_view kind) {
        if (first.empty())
            return false;
        Report(file, 0,
               std::string(kind) + " " + name + " has the name of " + std::string(kind) + " " +
                   first + " (Access tells no case apart)");
        return true;
    }

    void ReadModule(const fs::path& file) {
        lost_.clear();
        std::optional<std::string> content = ReadText(file);
        if (!content)
            return;
        const std::string name = ObjectNameFromFileName(file);
        const CodeModule* other = app_.Module(name);
        if (IsSecond(file, other != nullptr ? other->name : std::string(), name, "module"))
            return;
        const std::vector<std::string> lines = SplitLines(*content);
        // A class module's export begins with the class header.
        const bool isClass =
            IEquals(file.extension().string(), ".cls") ||
            (!lines.empty() && IStartsWith(TrimBlanks(lines[0]), "VERSION 1.0 CLASS"));
        app_.AddLostCharacters(Container::Modules, name, std::move(lost_));
        app_.AddModule({name, CodeModuleLines(lines), isClass,
                        isClass && DeclaresPredeclaredId(lines), PathToAnsi(file)});
    }

    void ReadMacro(const fs::path& file) {
        std::optional<ObjectText> text = ReadObject(file);
        if (!text)
            return;
        const std::string name = ObjectNameFromFileName(file);
        const Macro* other = app_.FindMacro(name);
        if (IsSecond(file, other != nullptr ? other->name : std::string(), name, "macro"))
            return;
        Macro macro = MacroFromObjectText(*text, name);
        macro.sourceFile = PathToAnsi(file);
        app_.AddMacro(std::move(macro));
    }

    void ReadQueries() {
        const fs::path folder = root_ / "queries";
        // A query may come as SQL text, as an object text, or both; the SQL text wins.
        for (const fs::path& file : FilesOf(folder, {".sql"})) {
            std::optional<std::string> content = ReadText(file);
            if (!content)
                continue;
            QueryDef query;
            query.name = ObjectNameFromFileName(file);
            query.sql = TrimTrailingSpace(*content);
            query.type = QueryTypeFromSql(query.sql);
            if (std::optional<QueryDef> design =
                    ReadQueryObject(fs::path(file).replace_extension(".bas"), true)) {
                if (design->type == dao::kQuerySQLPassThrough)
                    query.type = design->type;
            }
            app_.AddQueryDef(std::move(query));
        }
        for (const fs::path& file : FilesOf(folder, {".bas"})) {
            std::error_code ec;
            if (fs::exists(fs::path(file).replace_extension(".sql"), ec))
                continue;
            if (std::optional<QueryDef> query = ReadQueryObject(file, false))
                app_.AddQueryDef(std::move(*query));
        }
    }

    std::optional<QueryDef> ReadQueryObject(const fs::path& file, bool quiet) {
        std::error_code ec;
        if (!fs::is_regular_file(file, ec))
            return std::nullopt;
        std::optional<std::string> content = quiet ? DecodeIfReadable(file) : ReadText(file);
        if (!content)
            return std::nullopt;
        ObjectTextResult result = ReadObjectText(*content);
        if (!result.text) {
            if (!quiet)
                Report(file, result.error.line, result.error.message);
            return std::nullopt;
        }
        const ObjectText& text = *result.text;
        QueryDef query;
        query.name = ObjectNameFromFileName(file);
        if (const TextProperty* sql = text.header.Find("SQL")) {
            query.sql = TrimTrailingSpace(sql->value.AsText());
            query.type = QueryTypeFromSql(query.sql);
        } else if (const TextProperty* operation = text.header.Find("Operation")) {
            std::vector<QueryDesignRow> rows =
                DesignRows(text, static_cast<int>(operation->value.AsLong()));
            query.sql = SqlFromQueryDesign(rows);
            query.type = QueryTypeFromDesign(rows);
        }
        const TextProperty* connect = text.header.Find("Connect");
        if (connect != nullptr && IStartsWith(connect->value.AsText(), "ODBC;")) {
            query.type = dao::kQuerySQLPassThrough;
        }
        return query;
    }

    static std::optional<std::string> DecodeIfReadable(const fs::path& file) {
        std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes)
            return std::nullopt;
        return DecodeInputText(*bytes);
    }

    // The export's design format of a query, as rows of a stored design.
    static std::vector<QueryDesignRow> DesignRows(const ObjectText& text, int operation) {
        std::vector<QueryDesignRow> rows;
        rows.push_back({1, operation, {}, {}, {}});
        if (const TextProperty* where = text.header.Find("Where"))
            rows.push_back({8, 0, {}, {}, where->value.AsText()});
        if (const TextProperty* having = text.header.Find("Having"))
            rows.push_back({10, 0, {}, {}, having->value.AsText()});
        for (int id : text.roots) {
            const TextBlock& block = text.blocks[static_cast<size_t>(id)];
            std::string alias, name;
            for (const TextProperty& p : block.properties.Items()) {
                std::string value = p.value.AsText();
                if (IEquals(block.head, "InputTables")) {
                    if (IEquals(p.name, "Name")) {
                        if (!name.empty())
                            rows.push_back({5, 0, name, alias, {}});
                        name = value;
                        alias.clear();
                    } else if (IEquals(p.name, "Alias")) {
                        alias = value;
                    }
                } else if (IEquals(block.head, "OutputColumns")) {
                    if (IEquals(p.name, "Alias"))
                        alias = value;
                    else if (IEquals(p.name, "Expression")) {
                        rows.push_back({6, 0, alias, {}, value});
                        alias.clear();
                    }
                } else if (IEquals(block.head, "Groups") && IEquals(p.name, "Expression")) {
                    rows.push_back({9, 0, {}, {}, value});
                } else if (IEquals(block.head, "OrderBy") && IEquals(p.name, "Expression")) {
                    rows.push_back({11, 0, {}, {}, value});
                }
            }
            if (IEquals(block.head, "InputTables") && !name.empty())
                rows.push_back({5, 0, name, alias, {}});
        }
        return rows;
    }

    void ReadTable(const fs::path& file) {
        std::optional<std::string> content = ReadText(file);
        if (!content)
            return;
        std::optional<TableDef> table = TableFromCreateStatement(*content);
        if (!table) {
            Report(file, 1, "no CREATE TABLE statement");
            return;
        }
        if (table->name.empty())
            table->name = ObjectNameFromFileName(file);
        app_.AddTableDef(std::move(*table));
    }

    void ReadLinkedTable(const fs::path& file) {
        TableDef table;
        table.name = ObjectNameFromFileName(file);
        app_.AddTableDef(std::move(table));
    }

    void ReadCommandBar(const fs::path& file) {
        std::optional<ObjectText> text = ReadObject(file);
        if (!text)
            return;
        for (int id : text->roots) {
            const TextBlock& block = text->blocks[static_cast<size_t>(id)];
            if (!IEquals(block.head, "CommandBar"))
                continue;
            CommandBar bar;
            bar.name = ObjectNameFromFileName(file);
            bar.builtIn = Flag(block.properties, "BuiltIn", false);
            int deepest = 0;
            bar.controls = BarControls(*text, block, 1, deepest);
            if (deepest > kDeepestBarControl) {
                Report(file, block.line, "menus below level " + std::to_string(kDeepestBarControl));
            }
            app_.AddCommandBar(std::move(bar));
            return;
        }
        Report(file, 1, "no Begin CommandBar block");
    }

    static bool Flag(const PropertyList& properties, std::string_view name, bool byDefault) {
        const TextProperty* p = properties.Find(name);
        if (p == nullptr)
            return byDefault;
        if (p->notDefault)
            return !byDefault;
        return p->value.AsBool();
    }

    // Menus go three levels below the bar in a converted form; far deeper
    // nesting is cut, so that no file can exhaust the stack.
    static constexpr int kDeepestBarControl = 32;

    // The controls in a block's bare Begin, each with its own nested controls.
    // `deepest` keeps the deepest level found.
    static std::vector<CommandBarControl> BarControls(const ObjectText& text,
                                                      const TextBlock& owner, int level,
                                                      int& deepest) {
        std::vector<CommandBarControl> controls;
        for (int containerId : owner.children) {
            const TextBlock& container = text.blocks[static_cast<size_t>(containerId)];
            if (!container.head.empty())
                continue;
            for (int id : container.children) {
                deepest = std::max(deepest, level);
                if (level > kDeepestBarControl)
                    return controls;
                const TextBlock& block = text.blocks[static_cast<size_t>(id)];
                CommandBarControl control;
                const PropertyList& p = block.properties;
                if (const TextProperty* type = p.Find("Type"))
                    control.type = static_cast<int>(type->value.AsLong());
                if (const TextProperty* caption = p.Find("Caption"))
                    control.caption = caption->value.AsText();
                if (const TextProperty* tip = p.Find("TooltipText"))
                    control.tooltipText = tip->value.AsText();
                if (const TextProperty* action = p.Find("OnAction"))
                    control.onAction = action->value.AsText();
                control.enabled = Flag(p, "Enabled", true);
                control.visible = Flag(p, "Visible", true);
                control.controls = BarControls(text, block, level + 1, deepest);
                controls.push_back(std::move(control));
            }
        }
        return controls;
    }

    void ReadDatabaseProperties(const fs::path& file) {
        std::error_code ec;
        if (!fs::is_regular_file(file, ec))
            return;
        std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes) {
            Report(file, 0, "cannot be read");
            return;
        }
        std::string_view json(*bytes);
        if (json.substr(0, 3) == "\xEF\xBB\xBF")
            json.remove_prefix(3);
        nlohmann::json document = nlohmann::json::parse(json, nullptr, false);
        if (document.is_discarded()) {
            Report(file, 0, "not valid JSON");
            return;
        }
        VisitProperties(document);
    }

    // Accepts {"Items": {"Name": {"Value": v}}}, [{"Name": n, "Value": v}] and
    // {"Name": {"Value": v}} alike. Properties lie a few levels down; deeper
    // nesting is not looked into, so that no file can exhaust the stack.
    void VisitProperties(const nlohmann::json& node, int depth = 0) {
        constexpr int kDeepestProperty = 16;
        if (depth > kDeepestProperty)
            return;
        if (node.is_array()) {
            for (const auto& item : node) {
                if (item.is_object() && item.contains("Name") && item["Name"].is_string() &&
                    item.contains("Value")) {
                    app_.SetDatabaseProperty(Utf8ToAnsi(item["Name"].get<std::string>()),
                                             JsonText(item["Value"]));
                } else {
                    VisitProperties(item, depth + 1);
                }
            }
        } else if (node.is_object()) {
            for (const auto& [key, value] : node.items()) {
                if (key == "Info")
                    continue;
                if (value.is_object() && value.contains("Value")) {
                    app_.SetDatabaseProperty(Utf8ToAnsi(key), JsonText(value["Value"]));
                } else if (value.is_structured()) {
                    VisitProperties(value, depth + 1);
                }
            }
        }
    }

    static std::string JsonText(const nlohmann::json& value) {
        if (value.is_string())
            return Utf8ToAnsi(value.get<std::string>());
        if (value.is_boolean())
            return value.get<bool>() ? "True" : "False";
        if (value.is_null())
            return {};
        return value.dump();
    }

    static std::string TrimTrailingSpace(std::string text) {
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
            text.pop_back();
        return text;
    }

    const fs::path& root_;
    AccessApplication& app_;
    std::vector<LostCharacters> lost_;
    std::vector<UnknownUse> unknown_;
    std::map<std::string, size_t, ILess> unknownIndex_;
};

}  // namespace

Macro MacroFromObjectText(const ObjectText& text, std::string name) {
    Macro macro;
    macro.name = std::move(name);
    if (const TextProperty* shown = text.header.Find("ColumnsShown")) {
        macro.columnsShown = static_cast<int>(shown->value.AsLong());
    }
    for (int id : text.roots) {
        const TextBlock& block = text.blocks[static_cast<size_t>(id)];
        MacroRow row;
        row.line = block.line;
        for (const TextProperty& p : block.properties.Items()) {
            if (IEquals(p.name, "MacroName"))
                row.macroName = p.value.AsText();
            else if (IEquals(p.name, "Condition"))
                row.condition = p.value.AsText();
            else if (IEquals(p.name, "Action"))
                row.action = p.value.AsText();
            else if (IEquals(p.name, "Argument"))
                row.arguments.push_back(p.value.AsText());
            else if (IEquals(p.name, "Comment"))
                row.comment = p.value.AsText();
        }
        macro.rows.push_back(std::move(row));
    }
    return macro;
}

std::string ObjectNameFromFileName(const fs::path& file) {
    std::string stem = PathToAnsi(file.stem());
    std::string name;
    for (size_t i = 0; i < stem.size(); ++i) {
        if (stem[i] == '%' && i + 2 < stem.size()) {
            int hi = HexValue(stem[i + 1]), lo = HexValue(stem[i + 2]);
            char decoded = static_cast<char>(hi * 16 + lo);
            if (hi >= 0 && lo >= 0 &&
                std::string_view("\\/:*?\"<>|%").find(decoded) != std::string_view::npos) {
                name.push_back(decoded);
                i += 2;
                continue;
            }
        }
        name.push_back(stem[i]);
    }
    return name;
}

bool IsExportFolder(const fs::path& root) {
    std::error_code ec;
    for (std::string_view sub : kSubfolders) {
        if (fs::is_directory(root / sub, ec))
            return true;
    }
    return fs::is_regular_file(root / "dbs-properties.json", ec);
}

bool LoadExportFolder(const fs::path& root, AccessApplication& application) {
    if (!IsExportFolder(root))
        return false;
    ExportReader(root, application).Read();
    return true;
}

}  // namespace velorin
