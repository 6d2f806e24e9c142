// Access files through libmdb: document names, table definitions with DAO
// types, saved queries rebuilt from MSysQueries, and database properties.
// glib first: mdbtools.h would pull it in inside its extern "C" block.
#include <glib.h>
#include <mdbtools.h>

#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "common/ansi_text.h"
#include "session/host/database_loader.h"
#include "session/host/query_text.h"

namespace velorin {
namespace fs = std::filesystem;
namespace {

struct MdbCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableCloser {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using MdbPtr = std::unique_ptr<MdbHandle, MdbCloser>;
using TablePtr = std::unique_ptr<MdbTableDef, TableCloser>;

constexpr size_t kBindSize = 200000;

// Jet column types are DAO field types, except the decimal type.
int DaoType(int jetType) {
    return jetType == MDB_NUMERIC ? dao::kDecimal : jetType;
}

bool IsSystemName(std::string_view name) {
    return IStartsWith(name, "MSys") || IStartsWith(name, "~");
}

// Reads every row of a system table as text columns.
class RowReader {
  public:
    RowReader(MdbHandle* mdb, const char* tableName, std::vector<const char*> columns) {
        MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(mdb, tableName);
        if (entry == nullptr)
            return;
        table_.reset(mdb_read_table(entry));
        if (!table_)
            return;
        mdb_read_columns(table_.get());
        buffers_.resize(columns.size());
        for (size_t i = 0; i < columns.size(); ++i) {
            buffers_[i].assign(kBindSize, '\0');
            mdb_bind_column_by_name(table_.get(), const_cast<char*>(columns[i]), buffers_[i].data(),
                                    nullptr);
        }
        mdb_rewind_table(table_.get());
    }
    bool Next() {
        if (!table_)
            return false;
        for (auto& b : buffers_)
            b[0] = '\0';
        return mdb_fetch_row(table_.get()) != 0;
    }
    std::string Column(size_t i) const { return Utf8ToAnsi(buffers_[i].data()); }

  private:
    TablePtr table_;
    std::vector<std::vector<char>> buffers_;
};

void ReadTable(MdbCatalogEntry* entry, AccessApplication& application) {
    TablePtr table(mdb_read_table(entry));
    if (!table)
        return;
    mdb_read_columns(table.get());
    TableDef def;
    def.name = Utf8ToAnsi(entry->object_name);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        def.fields.push_back({Utf8ToAnsi(column->name), DaoType(column->col_type)});
    }
    application.AddTableDef(std::move(def));
}

struct ObjectRow {
    std::string id;
    std::string parentId;
    std::string name;
    int type = 0;
    int flags = 0;
};

std::vector<ObjectRow> ReadObjects(MdbHandle* mdb) {
    std::vector<ObjectRow> objects;
    RowReader reader(mdb, "MSysObjects", {"Id", "ParentId", "Name", "Type", "Flags"});
    while (reader.Next()) {
        objects.push_back({reader.Column(0), reader.Column(1), reader.Column(2),
                           std::atoi(reader.Column(3).c_str()),
                           std::atoi(reader.Column(4).c_str())});
    }
    return objects;
}

// Documents are the rows whose parent is the container of that name.
void ReadDocuments(const std::vector<ObjectRow>& objects, AccessApplication& application) {
    constexpr int kContainerType = 3;
    const std::pair<std::string_view, Container> containers[] = {{"Forms", Container::Forms},
                                                                 {"Modules", Container::Modules},
                                                                 {"Scripts", Container::Scripts},
                                                                 {"Reports", Container::Reports}};
    for (const auto& [containerName, container] : containers) {
        std::string containerId;
        for (const ObjectRow& row : objects) {
            if (row.type == kContainerType && row.name == containerName)
                containerId = row.id;
        }
        if (containerId.empty())
            continue;
        for (const ObjectRow& row : objects) {
            if (row.parentId == containerId && !row.name.empty() && row.name[0] != '~') {
                application.AddDocument(container, row.name);
            }
        }
    }
}

void ReadQueries(MdbHandle* mdb, const std::vector<ObjectRow>& objects,
                 AccessApplication& application) {
    constexpr int kQueryType = 5;
    std::map<std::string, std::vector<QueryDesignRow>> designs;
    RowReader rows(mdb, "MSysQueries",
                   {"ObjectId", "Attribute", "Flag", "Name1", "Name2", "Expression"});
    while (rows.Next()) {
        designs[rows.Column(0)].push_back({std::atoi(rows.Column(1).c_str()),
                                           std::atoi(rows.Column(2).c_str()), rows.Column(3),
                                           rows.Column(4), rows.Column(5)});
    }
    for (const ObjectRow& row : objects) {
        // "~sq_" queries are the hidden row sources of forms and reports.
        if (row.type != kQueryType || row.name.empty() || row.name[0] == '~')
            continue;
        QueryDef query;
        query.name = row.name;
        auto design = designs.find(row.id);
        query.sql = SqlFromQueryDesign(design == designs.end() ? std::vector<QueryDesignRow>()
                                                               : design->second);
        // The query's type is the high nibble of its flags.
        query.type = row.flags & 0xF0;
        application.AddQueryDef(std::move(query));
    }
}

void ReadDatabaseProperties(MdbHandle* mdb, AccessApplication& application) {
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(mdb, "MSysDb");
    if (entry == nullptr || entry->props == nullptr)
        return;
    for (guint i = 0; i < entry->props->len; ++i) {
        auto* props = static_cast<MdbProperties*>(g_ptr_array_index(entry->props, i));
        if (props == nullptr || props->name != nullptr || props->hash == nullptr)
            continue;
        GHashTableIter it;
        gpointer key, value;
        g_hash_table_iter_init(&it, props->hash);
        while (g_hash_table_iter_next(&it, &key, &value)) {
            application.SetDatabaseProperty(Utf8ToAnsi(static_cast<const char*>(key)),
                                            Utf8ToAnsi(static_cast<const char*>(value)));
        }
    }
}

// Jet 3 (Access 97) writes pages of 2 KB, later versions pages of 4 KB; the
// version is the byte after the magic text.
uintmax_t JetPageSize(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    char head[21] = {};
    in.read(head, sizeof head);
    return head[20] == 0 ? 2048 : 4096;
}

}  // namespace

bool LooksLikeAccessFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    char head[20] = {};
    if (!in.read(head, sizeof head))
        return false;
    std::string_view magic(head + 4, 15);
    std::error_code ec;
    // A database is at least its header page and the catalog's first page.
    return (magic == "Standard Jet DB" || magic == "Standard ACE DB") &&
           fs::file_size(path, ec) >= 4096;
}

bool ReadMdbFileHere(const fs::path& path, AccessApplication& application, std::string& error) {
    if (!LooksLikeAccessFile(path)) {
        error = "not an Access database file";
        return false;
    }
    // A file cut short sends libmdb reading beyond its end, where it may loop
    // for a very long time: such a file is refused before libmdb reads it.
    std::error_code ec;
    const uintmax_t pageSize = JetPageSize(path);
    const uintmax_t size = fs::file_size(path, ec);
    if (ec || size % pageSize != 0) {
        error = "the database file is cut short (it does not end on a whole page)";
        return false;
    }
    MdbPtr mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb) {
        error = "the database file cannot be opened";
        return false;
    }
    mdb_set_bind_size(mdb.get(), kBindSize);
    if (!mdb_read_catalog(mdb.get(), MDB_ANY)) {
        error = "the database's catalog cannot be read";
        return false;
    }
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && entry->table_pg >= size / pageSize) {
            error = "the database file is cut short (table " + Utf8ToAnsi(entry->object_name) +
                    " lies beyond its end)";
            return false;
        }
    }
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && !IsSystemName(Utf8ToAnsi(entry->object_name))) {
            ReadTable(entry, application);
        }
    }
    std::vector<ObjectRow> objects = ReadObjects(mdb.get());
    ReadDocuments(objects, application);
    ReadQueries(mdb.get(), objects, application);
    ReadDatabaseProperties(mdb.get(), application);
    return true;
}

}  // namespace velorin
