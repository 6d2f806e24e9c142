// Tables as CREATE TABLE statements and queries as their SQL.
#include "synthetic_generator.h"

namespace velorin::bench::synthetic {

void Generator::WriteTables() {
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

std::string Generator::SelectOf(const Table& table, bool twoColumns) const {
    std::string t = table.name;
    return "SELECT " + t + ".ID, " + t + ".Name" +
           (twoColumns ? std::string() : ", " + t + ".Code") + " FROM " + t + " ORDER BY " + t +
           ".Name;";
}

void Generator::WriteQueries() {
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
                sql = "DELETE " + t + ".*\r\nFROM " + t + "\r\nWHERE (((" + t + ".Name) Is Null));";
                break;
            default:
                sql = "INSERT INTO " + other.name + " ( Name, Code )\r\nSELECT " + t + ".Name, " +
                      t + ".Code\r\nFROM " + t + ";";
                break;
        }
        Write(root_ / "queries" / (FileNameOf(queries_[i].name) + ".sql"), sql + "\r\n");
    }
}

}  // namespace velorin::bench::synthetic
