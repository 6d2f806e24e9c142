#include "fuzz_support.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "session/string_table.h"

namespace velorin::fuzz {
namespace fs = std::filesystem;

const fs::path& ScratchDirectory() {
    static const fs::path dir = [] {
        std::error_code ec;
        fs::path base =
            fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path path = base / ("velorin-fuzz-" + std::to_string(getpid()));
        fs::remove_all(path, ec);
        fs::create_directories(path);
        // The scratch directory goes with the process.
        static const fs::path forCleanup = path;
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(forCleanup, ignored);
        });
        return path;
    }();
    return dir;
}

fs::path FreshDirectory(const std::string& name) {
    fs::path dir = ScratchDirectory() / name;
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    return dir;
}

const fs::path& SupportDatabasePath() {
    static const fs::path path = [] {
        fs::path db = ScratchDirectory() / "vlrn.db";
        std::ifstream in(fs::path(VELORIN_SOURCE_DIR) / "support" / "vlrn.sql");
        std::stringstream script;
        script << in.rdbuf();
        sqlite3* handle = nullptr;
        if (sqlite3_open(db.c_str(), &handle) != SQLITE_OK ||
            sqlite3_exec(handle, script.str().c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            std::abort();
        }
        sqlite3_close(handle);
        return db;
    }();
    return path;
}

fs::path TemplateDirectory() {
    return fs::path(VELORIN_SOURCE_DIR) / "support";
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Answer AgreeingUi::Show(const Message& message) {
    // Yes to "not compiled" would end the session before anything is converted.
    if (message.text == LoadText(text_id::kNotCompiled))
        return Answer::No;
    return message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoHelp ? Answer::Yes
                                                                                      : Answer::Ok;
}

}  // namespace velorin::fuzz
