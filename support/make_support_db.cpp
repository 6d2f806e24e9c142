// Build step: creates the support database from its SQL script.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_support_db SCRIPT.sql DATABASE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "make_support_db: cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream script;
    script << in.rdbuf();
    // Build into a temporary file so that a failed build leaves no half database.
    std::string temporary = std::string(argv[2]) + ".tmp";
    std::remove(temporary.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(temporary.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "make_support_db: %s\n", sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    char* error = nullptr;
    std::string sql = "BEGIN;\n" + script.str() + "\nCOMMIT;";
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::fprintf(stderr, "make_support_db: %s\n", error ? error : "failed");
        sqlite3_free(error);
        sqlite3_close(db);
        std::remove(temporary.c_str());
        return 1;
    }
    sqlite3_close(db);
    if (std::rename(temporary.c_str(), argv[2]) != 0) {
        std::perror("make_support_db");
        return 1;
    }
    return 0;
}
