#include "session/host/access_application.h"

#include <algorithm>
#include <optional>

namespace velorin {
namespace {

template <typename Map>
auto FindIn(const Map& map, std::string_view name) -> const typename Map::mapped_type* {
    auto it = map.find(name);
    return it == map.end() ? nullptr : &it->second;
}

// The word that opens and the words that close a procedure.
bool OpensProcedure(std::string_view line) {
    for (std::string_view prefix : {"Private ", "Public ", "Friend ", "Static "}) {
        if (IStartsWith(line, prefix))
            line.remove_prefix(prefix.size());
    }
    if (IStartsWith(line, "Static "))
        line.remove_prefix(7);
    return IStartsWith(line, "Sub ") || IStartsWith(line, "Function ") ||
           IStartsWith(line, "Property Get ") || IStartsWith(line, "Property Let ") ||
           IStartsWith(line, "Property Set ");
}

bool ClosesProcedure(std::string_view line) {
    return IStartsWith(line, "End Sub") || IStartsWith(line, "End Function") ||
           IStartsWith(line, "End Property");
}

// The index of the first line that leaves the code unbalanced: a procedure
// header inside another procedure, an end without a procedure, or the header
// of a procedure that never ends; none when every procedure is closed.
std::optional<size_t> UnbalancedLine(const std::vector<std::string>& lines) {
    std::optional<size_t> open;
    // Conditional compilation: only the first branch of each #If counts, so
    // that alternative headers of one procedure are not taken for two.
    std::vector<bool> skipping;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line(lines[i]);
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos)
            continue;
        line.remove_prefix(first);
        if (IStartsWith(line, "#If ")) {
            skipping.push_back(!skipping.empty() && skipping.back());
            continue;
        }
        if (IStartsWith(line, "#Else")) {
            if (!skipping.empty())
                skipping.back() = true;
            continue;
        }
        if (IStartsWith(line, "#End If")) {
            if (!skipping.empty())
                skipping.pop_back();
            continue;
        }
        if (line[0] == '\'' || (!skipping.empty() && skipping.back()))
            continue;
        if (OpensProcedure(line)) {
            if (open)
                return open;
            open = i;
        } else if (ClosesProcedure(line)) {
            if (!open)
                return i;
            open.reset();
        }
    }
    return open;
}

}  // namespace

const std::vector<std::string>& AccessApplication::Documents(Container container) const {
    return documents_[static_cast<int>(container)];
}

std::vector<std::string>& AccessApplication::DocumentList(Container container) {
    return documents_[static_cast<int>(container)];
}

const AccessForm* AccessApplication::OpenForm(std::string_view name) const {
    auto it = forms_.find(name);
    return it == forms_.end() ? nullptr : it->second.get();
}

const AccessForm* AccessApplication::OpenReport(std::string_view name) const {
    auto it = reports_.find(name);
    return it == reports_.end() ? nullptr : it->second.get();
}

const CodeModule* AccessApplication::Module(std::string_view name) const {
    return FindIn(modules_, name);
}

const Macro* AccessApplication::FindMacro(std::string_view name) const {
    return FindIn(macros_, name);
}

const TableDef* AccessApplication::FindTableDef(std::string_view name) const {
    for (const TableDef& t : tables_) {
        if (IEquals(t.name, name))
            return &t;
    }
    return nullptr;
}

const QueryDef* AccessApplication::FindQueryDef(std::string_view name) const {
    for (const QueryDef& q : queries_) {
        if (IEquals(q.name, name))
            return &q;
    }
    return nullptr;
}

QueryDef& AccessApplication::CreateQueryDef(std::string name, std::string sql) {
    DeleteQueryDef(name);
    QueryDef query;
    query.name = std::move(name);
    query.sql = std::move(sql);
    queries_.push_back(std::move(query));
    return queries_.back();
}

bool AccessApplication::DeleteQueryDef(std::string_view name) {
    auto it = std::find_if(queries_.begin(), queries_.end(),
                           [&](const QueryDef& q) { return IEquals(q.name, name); });
    if (it == queries_.end())
        return false;
    queries_.erase(it);
    return true;
}

const CommandBar* AccessApplication::FindCommandBar(std::string_view name) const {
    return FindIn(commandBars_, name);
}

std::string AccessApplication::DatabaseProperty(std::string_view name) const {
    const std::string* value = FindIn(databaseProperties_, name);
    return value ? *value : std::string();
}

void AccessApplication::SetDatabaseProperty(std::string_view name, std::string value) {
    databaseProperties_[std::string(name)] = std::move(value);
}

std::optional<UnclosedProcedure> AccessApplication::FirstUnclosedProcedure() const {
    for (const std::string& name : Documents(Container::Modules)) {
        const CodeModule* module = FindIn(modules_, name);
        if (module == nullptr)
            continue;
        if (const auto line = UnbalancedLine(module->lines))
            return UnclosedProcedure{name, false, *line + 1, module->lines[*line]};
    }
    for (const std::string& name : Documents(Container::Forms)) {
        const auto* found = FindIn(forms_, name);
        if (found == nullptr || *found == nullptr)
            continue;
        const AccessForm* form = found->get();
        if (const auto line = UnbalancedLine(form->CodeLines()))
            return UnclosedProcedure{name, true, *line + 1, form->CodeLines()[*line]};
    }
    return std::nullopt;
}

bool AccessApplication::IsCompiled() const {
    return !FirstUnclosedProcedure();
}

void AccessApplication::AddDocument(Container container, std::string name) {
    DocumentList(container).push_back(std::move(name));
}

void AccessApplication::AddForm(std::unique_ptr<AccessForm> form) {
    std::string name = form->Name();
    AddDocument(Container::Forms, name);
    forms_.emplace(std::move(name), std::move(form));
}

void AccessApplication::AddReport(std::unique_ptr<AccessForm> report) {
    std::string name = report->Name();
    AddDocument(Container::Reports, name);
    reports_.emplace(std::move(name), std::move(report));
}

void AccessApplication::AddModule(CodeModule module) {
    AddDocument(Container::Modules, module.name);
    std::string name = module.name;
    modules_.emplace(std::move(name), std::move(module));
}

void AccessApplication::AddMacro(Macro macro) {
    AddDocument(Container::Scripts, macro.name);
    std::string name = macro.name;
    macros_.emplace(std::move(name), std::move(macro));
}

void AccessApplication::AddTableDef(TableDef table) {
    if (!FindTableDef(table.name))
        tables_.push_back(std::move(table));
}

void AccessApplication::AddQueryDef(QueryDef query) {
    if (!FindQueryDef(query.name))
        queries_.push_back(std::move(query));
}

void AccessApplication::AddCommandBar(CommandBar bar) {
    std::string name = bar.name;
    commandBars_.emplace(std::move(name), std::move(bar));
}

void AccessApplication::FinishLoading() {
    for (auto& list : documents_) {
        std::stable_sort(list.begin(), list.end(), ILess());
        list.erase(
            std::unique(list.begin(), list.end(),
                        [](const std::string& a, const std::string& b) { return IEquals(a, b); }),
            list.end());
    }
}

const std::vector<LostCharacters>& AccessApplication::LostCharactersOf(
    Container container, std::string_view object) const {
    static const std::vector<LostCharacters> kNone;
    const auto& lost = lostCharacters_[static_cast<int>(container)];
    const auto it = lost.find(std::string(object));
    return it != lost.end() ? it->second : kNone;
}

void AccessApplication::AddLostCharacters(Container container, std::string_view object,
                                          std::vector<LostCharacters> lines) {
    if (lines.empty())
        return;
    auto& mine = lostCharacters_[static_cast<int>(container)][std::string(object)];
    mine.insert(mine.end(), std::make_move_iterator(lines.begin()),
                std::make_move_iterator(lines.end()));
}

}  // namespace velorin
