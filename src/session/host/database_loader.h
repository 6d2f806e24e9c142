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

// How long and how much the reader of an Access file may take: a damaged file
// can send it round for ever.
struct MdbReadLimits {
    int seconds = 60;
    size_t outputBytes = size_t{512} << 20;
};

LoadedDatabase LoadDatabase(const std::filesystem::path& given, const MdbReadLimits& limits = {});

// True when the file starts as a Jet (Access) database does.
bool LooksLikeAccessFile(const std::filesystem::path& path);

// Reads the tables, saved queries, container documents and database properties
// of an Access file. libmdb reads it in a process of its own (the program
// velorin-mdb-read beside this one), so that a damaged file that crashes the
// reader, or sends it round without end, becomes an error naming what
// happened. Returns false when the file cannot be read as a database.
bool LoadMdbFile(const std::filesystem::path& path, AccessApplication& application,
                 std::string& error, const MdbReadLimits& limits = {});

// The same in this process, for that reader program: libmdb may crash on a
// damaged file or not return.
bool ReadMdbFileHere(const std::filesystem::path& path, AccessApplication& application,
                     std::string& error);

// What ReadMdbFileHere read, as bytes the reader program writes and
// LoadMdbFile reads back; false, and nothing added, when the bytes are not
// such a text.
std::string EncodeMdbContents(const AccessApplication& application);
bool DecodeMdbContents(std::string_view bytes, AccessApplication& application);

// Where the reader program is: beside the running program, or in the build's
// program folder.
std::filesystem::path MdbReaderProgram();

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
