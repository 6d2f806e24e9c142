// Opens what the user names as the database: an .mdb file (with its text export
// beside it, when there is one) or the export folder itself.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "session/host/access_application.h"
#include "session/host/object_text.h"

namespace velorin {

struct DatabaseSource {
    // The .mdb the input stands for (it need not exist when an export folder was named).
    std::filesystem::path databasePath;
    bool databaseFileExists = false;
    // The export folder read, if any.
    std::filesystem::path exportRoot;
};

struct LoadedDatabase {
    std::unique_ptr<AccessApplication> application;  // null when loading failed
    DatabaseSource source;
    std::string error;  // why nothing could be loaded
};

LoadedDatabase LoadDatabase(const std::filesystem::path& given);

// True when the file starts as a Jet (Access) database does.
bool LooksLikeAccessFile(const std::filesystem::path& path);

// Reads the tables, saved queries, container documents and database properties
// of an Access file through libmdb. Returns false when the file cannot be read
// as a database.
bool LoadMdbFile(const std::filesystem::path& path, AccessApplication& application,
                 std::string& error);

// Reads an export folder's object files; unreadable files become diagnostics.
// Returns false when the folder holds none of the export's subfolders.
bool LoadExportFolder(const std::filesystem::path& root, AccessApplication& application);

// The rows of a macro's object text, each Begin block one row.
Macro MacroFromObjectText(const ObjectText& text, std::string name);

// The object name an exporter encoded in a file name ("Orders%2FInvoices.bas"
// is the form Orders/Invoices).
std::string ObjectNameFromFileName(const std::filesystem::path& file);
bool IsExportFolder(const std::filesystem::path& root);

}  // namespace velorin
