#include "common/program_files.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace velorin {
namespace fs = std::filesystem;

namespace {

constexpr const char* kSupportName = "vlrn.db";

#ifndef VELORIN_INSTALL_BINDIR
#define VELORIN_INSTALL_BINDIR "bin"
#define VELORIN_INSTALL_DATADIR "share"
#define VELORIN_INSTALL_LIBEXECDIR "libexec"
#endif

}  // namespace

ProgramFiles LocateProgramFiles(const fs::path& programDirectory) {
    std::error_code ec;
    // PREFIX/bin, or whatever the installation named the programs' folder.
    fs::path prefix = programDirectory;
    for (const auto& part : fs::path(VELORIN_INSTALL_BINDIR)) {
        (void)part;
        prefix = prefix.parent_path();
    }
    const fs::path installedData = prefix / VELORIN_INSTALL_DATADIR / "velorin";
    ProgramFiles files;
    if (prefix / VELORIN_INSTALL_BINDIR == programDirectory &&
        fs::is_regular_file(installedData / kSupportName, ec)) {
        files.dataDirectory = installedData;
        files.readerDirectory = prefix / VELORIN_INSTALL_LIBEXECDIR / "velorin";
    } else {
        files.dataDirectory = programDirectory;
        files.readerDirectory = programDirectory;
    }
    files.supportTemplate = files.dataDirectory / kSupportName;
    return files;
}

fs::path RunningProgramDirectory() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

fs::path UserSupportDatabase() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    // The XDG rules ignore a relative path.
    if (dataHome != nullptr && *dataHome == '/')
        return fs::path(dataHome) / "velorin" / kSupportName;
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home == '/')
        return fs::path(home) / ".local" / "share" / "velorin" / kSupportName;
    return {};
}

bool ProvideSupportDatabase(const fs::path& database, const fs::path& templateFile,
                            std::string& why) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(database, ec)))
        return true;
    if (!fs::is_regular_file(templateFile, ec)) {
        why = "the support database template " + templateFile.string() + " is missing";
        return false;
    }
    fs::create_directories(database.parent_path(), ec);
    if (ec) {
        why = "cannot create " + database.parent_path().string() + ": " + ec.message();
        return false;
    }
    fs::path partial = database;
    partial += "." + std::to_string(::getpid()) + ".part";
    fs::copy_file(templateFile, partial, fs::copy_options::overwrite_existing, ec);
    if (!ec) {
        fs::permissions(partial, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::replace, ec);
    }
    if (!ec) {
        // Another program of the user may have made it meanwhile: its copy stays.
        if (::link(partial.c_str(), database.c_str()) != 0 && errno != EEXIST) {
            // A file system without hard links: moved into place instead.
            if (errno == EPERM || errno == EOPNOTSUPP) {
                if (::renameat2(AT_FDCWD, partial.c_str(), AT_FDCWD, database.c_str(),
                                RENAME_NOREPLACE) != 0 &&
                    errno != EEXIST)
                    ec = std::error_code(errno, std::generic_category());
            } else
                ec = std::error_code(errno, std::generic_category());
        }
    }
    std::error_code ignored;
    fs::remove(partial, ignored);
    if (ec) {
        why = "cannot create the support database " + database.string() + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace velorin
