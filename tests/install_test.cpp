// Velorin installed into a prefix as `cmake --install` puts it, then run by a
// user who cannot write there: the programs find their data and their
// database reader, and the user's support database is made in the user's own
// folder, never in the installation.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;

int Shell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Every path under `root` with its size and time of change.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        std::error_code ec;
        const auto size = entry.is_regular_file() ? entry.file_size() : 0;
        const auto time = fs::last_write_time(entry.path(), ec).time_since_epoch().count();
        files[entry.path().lexically_relative(root).string()] =
            std::to_string(size) + "@" + std::to_string(time);
    }
    return files;
}

long long CountRows(const fs::path& database, const char* table) {
    sqlite3* db = nullptr;
    long long count = -1;
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        const std::string sql = std::string("SELECT COUNT(*) FROM ") + table;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int64(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return count;
}

TEST(Install, IntoAPrefixThenRunByAUserWhoCannotWriteThere) {
    const fs::path build(VELORIN_BINARY_DIR);
    if (!fs::exists(build / "bin" / "velorin-gui") || !fs::exists(build / "bin" / "velorin"))
        GTEST_SKIP() << "this build tree has not built every program to install";
    const bool root = ::geteuid() == 0;
    if (root && Shell("command -v setpriv >/dev/null") != 0)
        GTEST_SKIP() << "running as root without setpriv: no user who cannot write to run as";

    TempDir dir;
    // The other user reaches the test's folders, and only the installation is closed to it.
    fs::permissions(dir.Path(), fs::perms::all);
    const fs::path prefix = dir / "prefix";
    ASSERT_EQ(Shell("cmake --install '" + build.string() + "' --prefix '" + prefix.string() +
                    "' >'" + (dir / "install.log").string() + "' 2>&1"),
              0)
        << ReadFile(dir / "install.log");

    for (const char* file : {"bin/velorin", "bin/velorin-gui", "libexec/velorin/velorin-mdb-read",
                             "share/velorin/vlrn.db", "share/velorin/VlrnConversionCode.bas",
                             "share/velorin/MDIParent.frm", "share/velorin/SuppliedFunctions.bas",
                             "share/velorin/help/index.html", "share/applications/velorin.desktop",
                             "share/icons/hicolor/scalable/apps/velorin.svg"})
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
    const std::string entry = ReadFile(prefix / "share/applications/velorin.desktop");
    EXPECT_NE(entry.find("\nExec=velorin-gui\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nIcon=velorin\n"), std::string::npos) << entry;

    const auto installed = Snapshot(prefix);
    ASSERT_EQ(Shell("chmod -R a-w '" + prefix.string() + "'"), 0);
    fs::create_directories(dir / "user");
    fs::permissions(dir / "user", fs::perms::all);
    const std::string asUser = (root ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "") +
                               std::string("env -i PATH=/usr/bin:/bin XDG_DATA_HOME='") +
                               (dir / "user" / "data").string() + "' '" +
                               (prefix / "bin" / "velorin").string() + "' ";
    const std::string log = " >'" + (dir / "user" / "out.txt").string() + "' 2>&1";

    const fs::path sample = fs::path(VELORIN_SOURCE_DIR) / "examples" / "Sales.mdb.src";
    const int status = Shell(asUser + "convert '" + sample.string() + "' -o '" +
                             (dir / "user" / "Sales-VB").string() + "' --yes" + log);
    const std::string said = ReadFile(dir / "user" / "out.txt");
    EXPECT_EQ(status, 0) << said;
    EXPECT_TRUE(fs::is_regular_file(dir / "user" / "Sales-VB" / "Sales.vbp")) << said;
    EXPECT_TRUE(fs::is_regular_file(dir / "user" / "Sales-VB" / "VlrnConversionCode.bas"));
    // The analysis went into the user's own support database.
    const fs::path own = dir / "user" / "data" / "velorin" / "vlrn.db";
    EXPECT_GT(CountRows(own, "tblStats"), 0) << said;
    EXPECT_EQ(CountRows(prefix / "share" / "velorin" / "vlrn.db", "tblStats"), 0);

    if (!testing::SharedData().empty()) {
        // An .mdb is read by the reader installed in libexec.
        EXPECT_EQ(
            Shell(asUser + "list '" + (testing::SharedData() / "nwind.mdb").string() + "'" + log),
            0)
            << ReadFile(dir / "user" / "out.txt");
        EXPECT_NE(ReadFile(dir / "user" / "out.txt").find("Forms:"), std::string::npos);
    }
    EXPECT_EQ(Snapshot(prefix), installed) << "the installation was changed";
    Shell("chmod -R u+w '" + prefix.string() + "'");
}

}  // namespace
}  // namespace velorin
