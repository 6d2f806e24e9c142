// Where the program's own files are, and where a user's files of it go.
// Installed, the programs are in PREFIX/bin, the database reader in
// PREFIX/libexec/velorin and the data (support database template, project
// templates, help book) in PREFIX/share/velorin; in a build tree everything
// lies beside the program.
#pragma once

#include <filesystem>
#include <string>

namespace velorin {

struct ProgramFiles {
    std::filesystem::path dataDirectory;    // templates and help book
    std::filesystem::path supportTemplate;  // the empty support database, vlrn.db
    std::filesystem::path readerDirectory;  // where velorin-mdb-read is
};

// The files of the program that lives in `programDirectory`.
ProgramFiles LocateProgramFiles(const std::filesystem::path& programDirectory);

// The directory of the running program.
std::filesystem::path RunningProgramDirectory();

// The user's own support database: $XDG_DATA_HOME/velorin/vlrn.db, by
// default ~/.local/share/velorin/vlrn.db; empty when neither variable names
// a place.
std::filesystem::path UserSupportDatabase();

// Makes `database` from `templateFile` when it does not exist yet (its folder
// too), through a temporary file so that no half copy is left; false with the
// reason when it cannot.
bool ProvideSupportDatabase(const std::filesystem::path& database,
                            const std::filesystem::path& templateFile, std::string& why);

}  // namespace velorin
