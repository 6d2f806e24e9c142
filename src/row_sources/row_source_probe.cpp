#include "row_sources/row_source_probe.h"

#include <mutex>

#include "common/ansi_text.h"
#include "row_sources/probe_database.h"

namespace velorin {

struct RowSourceProbe::State {
    std::mutex turn;
    row_sources::ProbeDatabase database;
};

namespace {

bool StartsWithSelect(std::string_view rowSource) {
    return AnsiLowerCase(rowSource.substr(0, 7)) == "select ";
}

}  // namespace

RowSourceProbe::RowSourceProbe(const AccessApplication& application)
    : application_(application), state_(std::make_unique<State>()) {}

RowSourceProbe::~RowSourceProbe() = default;

std::vector<ProbedField> RowSourceProbe::Fields(std::string_view rowSource) {
    try {
        const std::lock_guard<std::mutex> lock(state_->turn);
        if (StartsWithSelect(rowSource)) {
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
    const std::lock_guard<std::mutex> lock(state_->turn);
    return state_->database.BuildCount();
}

}  // namespace velorin
