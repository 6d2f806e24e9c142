#include "row_sources/probe_database.h"

#include <sqlite3.h>

#include <memory>

#include "row_sources/jet_sql_translation.h"

namespace velorin::row_sources {
namespace {

// Each prepare fixes one unknown name or function; a statement that needs more
// is given up rather than retried without end.
constexpr int kMaxRepairs = 64;

// Functions of Access and VBA that queries call. They only need to exist for
// prepare, so each answers Null.
constexpr std::string_view kAccessFunctions[] = {
    "IIf",         "Nz",         "Format",    "Left",       "Right",     "Mid",      "Len",
    "Trim",        "LTrim",      "RTrim",     "UCase",      "LCase",     "Year",     "Month",
    "Day",         "Hour",       "Minute",    "Second",     "Weekday",   "DatePart", "DateAdd",
    "DateDiff",    "DateSerial", "DateValue", "TimeSerial", "TimeValue", "Date",     "Time",
    "Now",         "CCur",       "CDbl",      "CLng",       "CInt",      "CSng",     "CStr",
    "CDate",       "CVDate",     "CBool",     "CByte",      "CVar",      "Val",      "Str",
    "Int",         "Fix",        "Round",     "Abs",        "Sgn",       "Sqr",      "Exp",
    "Log",         "InStr",      "Replace",   "Space",      "String",    "Chr",      "Asc",
    "StrConv",     "IsNull",     "IsNumeric", "IsDate",     "IsEmpty",   "Switch",   "Choose",
    "Partition",   "DLookup",    "DSum",      "DCount",     "DAvg",      "DMax",     "DMin",
    "DFirst",      "DLast",      "DStDev",    "DStDevP",    "DVar",      "DVarP",    "Hex",
    "Oct",         "Atn",        "Cos",       "Sin",        "Tan",       "Rnd",      "Environ",
    "CurrentUser", "Eval",       "Timer",     "StrComp",    "LenB",      "Error"};
// Jet aggregates SQLite lacks (Sum, Count, Avg, Min and Max it has).
constexpr std::string_view kAccessAggregates[] = {"First",  "Last", "StDev",
                                                  "StDevP", "Var",  "VarP"};

void IgnoreArguments(sqlite3_context* context, int, sqlite3_value**) {
    sqlite3_result_null(context);
}

void IgnoreRow(sqlite3_context*, int, sqlite3_value**) {}

void AnswerNull(sqlite3_context* context) {
    sqlite3_result_null(context);
}

std::optional<std::string_view> AfterPrefix(std::string_view text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return std::nullopt;
    return text.substr(prefix.size());
}

// SQLite names an unknown column as written, dotted; a lone one in double
// quotes comes quoted, with a hint about string literals.
std::string UnknownColumnName(std::string_view text) {
    constexpr std::string_view kHint = " - should this be a string literal in single-quotes?";
    if (text.ends_with(kHint)) {
        text.remove_suffix(kHint.size());
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
            text = text.substr(1, text.size() - 2);
    }
    return std::string(text);
}

bool IsSelectQuery(const QueryDef& query) {
    return query.type == dao::kQuerySelect || query.type == dao::kQuerySetOperation;
}

std::vector<ProbedField> KnownFields(const QueryDef& query) {
    std::vector<ProbedField> fields;
    for (const FieldDef& field : query.fields)
        fields.push_back({field.name, field.type});
    return fields;
}

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

}  // namespace

struct ProbeDatabase::PrepareOutcome {
    Statement statement{nullptr, &sqlite3_finalize};
    bool missingTable = false;  // might resolve once other views exist
};

ProbeDatabase::~ProbeDatabase() {
    if (db_ != nullptr)
        sqlite3_close_v2(db_);
}

bool ProbeDatabase::Open() {
    if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        return false;
    }
    // An unknown name in double quotes must stay an error, not turn into a string.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    for (std::string_view name : kAccessFunctions)
        RegisterFunction(name, false);
    for (std::string_view name : kAccessAggregates)
        RegisterFunction(name, true);
    return true;
}

bool ProbeDatabase::RegisterFunction(std::string_view name, bool aggregate) {
    std::string text(name);
    int rc = aggregate ? sqlite3_create_function_v2(db_, text.c_str(), -1, SQLITE_UTF8, nullptr,
                                                    nullptr, IgnoreRow, AnswerNull, nullptr)
                       : sqlite3_create_function_v2(db_, text.c_str(), -1, SQLITE_UTF8, nullptr,
                                                    IgnoreArguments, nullptr, nullptr, nullptr);
    return rc == SQLITE_OK;
}

// One statement, stepped to its end.
bool ProbeDatabase::Execute(const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, &tail) !=
        SQLITE_OK) {
        return false;
    }
    Statement statement(raw, &sqlite3_finalize);
    if (statement == nullptr || tail != sql.c_str() + sql.size())
        return false;
    return sqlite3_step(statement.get()) == SQLITE_DONE;
}

void ProbeDatabase::CreateTable(std::string_view name, const std::vector<FieldDef>& fields) {
    std::string columns;
    std::set<std::string, ILess> seen;
    for (const FieldDef& field : fields) {
        if (!seen.insert(field.name).second)
            continue;
        if (!columns.empty())
            columns += ", ";
        columns += QuoteName(field.name) + " " + DeclaredType(field.type);
    }
    if (!columns.empty())
        Execute("CREATE TABLE " + QuoteName(name) + " (" + columns + ")");
}

// Prepares the statement, replacing unknown columns by Null and adding unknown
// functions (the application's own VBA functions) as it goes.
ProbeDatabase::PrepareOutcome ProbeDatabase::Prepare(Tokens& tokens) {
    PrepareOutcome outcome;
    if (db_ == nullptr)
        return outcome;
    for (int attempt = 0; attempt <= kMaxRepairs; ++attempt) {
        std::string sql = Serialize(tokens);
        if (sql.size() > kMaxStatementBytes)
            return outcome;
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) ==
            SQLITE_OK) {
            outcome.statement.reset(raw);
            return outcome;
        }
        std::string_view message = sqlite3_errmsg(db_);
        if (auto column = AfterPrefix(message, "no such column: ")) {
            if (!ReplaceUnknownColumn(tokens, UnknownColumnName(*column)))
                return outcome;
            continue;
        }
        std::optional<std::string_view> function = AfterPrefix(message, "no such function: ");
        if (!function) {
            function = AfterPrefix(message, "wrong number of arguments to function ");
            if (function && function->ends_with("()"))
                function->remove_suffix(2);
        }
        if (function) {
            std::string name(*function);
            if (!addedFunctions_.insert(name).second || !RegisterFunction(name, false))
                return outcome;
            continue;
        }
        outcome.missingTable = message.starts_with("no such table: ");
        return outcome;
    }
    return outcome;
}

// How many result columns each select-list item gives: one, or a star's
// expansion (counted on its own when there are several stars).
std::optional<std::vector<int>> ProbeDatabase::CountItemColumns(const SelectList& list,
                                                                const Tokens& tokens, int total) {
    int stars = 0;
    for (const SelectItem& item : list.items)
        stars += item.kind == ItemKind::Star ? 1 : 0;
    int plain = static_cast<int>(list.items.size()) - stars;
    std::vector<int> counts;
    for (const SelectItem& item : list.items) {
        int count = 1;
        if (item.kind == ItemKind::Star && stars == 1) {
            count = total - plain;
        } else if (item.kind == ItemKind::Star) {
            std::string sql = "SELECT " + Serialize(tokens, item.first, item.last) + " " +
                              Serialize(tokens, list.fromFirst, list.fromLast);
            sqlite3_stmt* raw = nullptr;
            if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) !=
                SQLITE_OK) {
                return std::nullopt;
            }
            count = sqlite3_column_count(raw);
            sqlite3_finalize(raw);
        }
        if (count < 0)
            return std::nullopt;
        counts.push_back(count);
    }
    int sum = 0;
    for (int count : counts)
        sum += count;
    if (sum != total)
        return std::nullopt;
    return counts;
}

// Result columns as DAO lists them: the alias or field name, "Expr1000" and up
// for expressions without an alias, table-qualified where names repeat.
std::vector<ProbedField> ProbeDatabase::Describe(sqlite3_stmt* statement, const Tokens& tokens) {
    int total = sqlite3_column_count(statement);
    std::vector<ProbedField> fields;
    for (int c = 0; c < total; ++c) {
        const char* name = sqlite3_column_name(statement, c);
        fields.push_back(
            {name ? name : "", DaoTypeOfDeclared(sqlite3_column_decltype(statement, c))});
    }
    std::optional<SelectList> list = ParseSelectList(tokens);
    std::optional<std::vector<int>> counts;
    if (list)
        counts = CountItemColumns(*list, tokens, total);
    if (!counts)
        return fields;
    std::vector<std::string> qualifiers(fields.size());
    int expressions = 0;
    size_t c = 0;
    for (size_t k = 0; k < list->items.size(); ++k) {
        const SelectItem& item = list->items[k];
        for (int j = 0; j < (*counts)[k]; ++j, ++c) {
            if (item.kind == ItemKind::Expression && !item.aliased)
                fields[c].name = "Expr" + std::to_string(1000 + expressions++);
            else if (!item.aliased)
                qualifiers[c] = item.qualifier;
        }
    }
    QualifyDuplicateNames(fields, qualifiers);
    return fields;
}

std::vector<ProbedField> ProbeDatabase::FieldsOfSelect(std::string_view sql) {
    std::optional<Tokens> tokens = TranslateSelect(sql);
    if (!tokens)
        return {};
    PrepareOutcome prepared = Prepare(*tokens);
    if (!prepared.statement)
        return {};
    return Describe(prepared.statement.get(), *tokens);
}

// The view carries DAO's column names, so queries built on it see them; SQLite
// would rename a repeated name itself when the list is refused.
bool ProbeDatabase::CreateView(const std::string& name, const std::vector<ProbedField>& fields,
                               const Tokens& tokens) {
    std::string columns;
    for (const ProbedField& field : fields) {
        if (!columns.empty())
            columns += ", ";
        columns += QuoteName(field.name);
    }
    std::string body = Serialize(tokens);
    return Execute("CREATE VIEW " + QuoteName(name) + " (" + columns + ") AS " + body) ||
           Execute("CREATE VIEW " + QuoteName(name) + " AS " + body);
}

ProbeDatabase::ViewResult ProbeDatabase::TryCreateView(const QueryDef& query) {
    std::optional<Tokens> tokens = TranslateSelect(query.sql);
    if (!tokens)
        return ViewResult::Failed;
    PrepareOutcome prepared = Prepare(*tokens);
    if (!prepared.statement)
        return prepared.missingTable ? ViewResult::Waiting : ViewResult::Failed;
    std::vector<ProbedField> fields = Describe(prepared.statement.get(), *tokens);
    prepared.statement.reset();
    if (fields.empty() || !CreateView(query.name, fields, *tokens))
        return ViewResult::Failed;
    savedQueries_[query.name] = std::move(fields);
    return ViewResult::Created;
}

// Tables first, then the saved select queries; a query on a query waits until
// the one it reads from exists, round after round while any view is added.
void ProbeDatabase::EnsureSchema(const AccessApplication& application) {
    if (built_)
        return;
    built_ = true;
    ++buildCount_;
    if (!Open())
        return;
    for (const TableDef& table : application.TableDefs())
        CreateTable(table.name, table.fields);
    std::vector<QueryDef> waiting;
    for (const QueryDef& query : application.QueryDefs()) {
        if (IEquals(query.name, kTemporaryQuery))
            continue;
        if (!query.fields.empty()) {
            // Fields Access itself listed stand as they are, crosstabs included.
            CreateTable(query.name, query.fields);
            savedQueries_[query.name] = KnownFields(query);
        } else if (IsSelectQuery(query)) {
            waiting.push_back(query);
        }
    }
    for (bool progress = true; progress && !waiting.empty();) {
        progress = false;
        for (auto it = waiting.begin(); it != waiting.end();) {
            ViewResult result = TryCreateView(*it);
            progress = progress || result == ViewResult::Created;
            if (result == ViewResult::Failed)
                unresolvedQueries_.insert(it->name);
            it = result == ViewResult::Waiting ? it + 1 : waiting.erase(it);
        }
    }
    for (const QueryDef& query : waiting)
        unresolvedQueries_.insert(query.name);
}

std::vector<ProbedField> ProbeDatabase::FieldsOfSavedQuery(const QueryDef& query) {
    auto it = savedQueries_.find(query.name);
    if (it != savedQueries_.end())
        return it->second;
    // Saved after the schema was built: answered on its own, not kept as a view.
    if (!query.fields.empty())
        return KnownFields(query);
    if (unresolvedQueries_.contains(query.name) || !IsSelectQuery(query))
        return {};
    return FieldsOfSelect(query.sql);
}

}  // namespace velorin::row_sources
