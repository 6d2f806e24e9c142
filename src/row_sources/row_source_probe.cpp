#include "row_sources/row_source_probe.h"

#include "common/ansi_text.h"
#include "row_sources/probe_database.h"

namespace velorin {

struct RowSourceProbe::State {
    row_sources::ProbeDatabase database;
};

namespace {

bool StartsWithSelect(std::string_view rowSource) {
    return AnsiLowerCase(rowSource.substr(0, 7)) == "select ";
}

// Deletes the temporary query however the call ends.
class TemporaryQuery {
  public:
    TemporaryQuery(AccessApplication& application, std::string_view sql)
        : application_(application) {
        application_.CreateQueryDef(std::string(row_sources::kTemporaryQuery), std::string(sql));
    }
    ~TemporaryQuery() {
        try {
            application_.DeleteQueryDef(row_sources::kTemporaryQuery);
        } catch (...) {
        }
    }
    TemporaryQuery(const TemporaryQuery&) = delete;
    TemporaryQuery& operator=(const TemporaryQuery&) = delete;

  private:
    AccessApplication& application_;
};

}  // namespace

RowSourceProbe::RowSourceProbe(AccessApplication& application)
    : application_(application), state_(std::make_unique<State>()) {}

RowSourceProbe::~RowSourceProbe() = default;

std::vector<ProbedField> RowSourceProbe::Fields(std::string_view rowSource) {
    try {
        if (StartsWithSelect(rowSource)) {
            TemporaryQuery temporary(application_, rowSource);
            state_->database.EnsureSchema(application_);
            return state_->database.FieldsOfSelect(rowSource);
        }
        if (const QueryDef* query = application_.FindQueryDef(rowSource)) {
            state_->database.EnsureSchema(application_);
            return state_->database.FieldsOfSavedQuery(*query);
        }
        std::vector<ProbedField> fields;
        if (const TableDef* table = application_.FindTableDef(rowSource)) {
            for (const FieldDef& field : table->fields)
                fields.push_back({field.name, field.type});
        }
        return fields;
    } catch (...) {
        return {};
    }
}

std::string RowSourceProbe::FieldName(std::string_view rowSource, int n) {
    try {
        std::vector<ProbedField> fields = Fields(rowSource);
        return n >= 0 && static_cast<size_t>(n) < fields.size() ? fields[n].name : std::string();
    } catch (...) {
        return {};
    }
}

std::string RowSourceProbe::FieldTypeClass(std::string_view rowSource, int n) {
    try {
        std::vector<ProbedField> fields = Fields(rowSource);
        bool known = n >= 0 && static_cast<size_t>(n) < fields.size();
        return known && row_sources::TypeAnswersT(fields[n].type) ? "T" : "F";
    } catch (...) {
        return "F";
    }
}

int RowSourceProbe::SchemaBuildCount() const {
    return state_->database.BuildCount();
}

}  // namespace velorin
