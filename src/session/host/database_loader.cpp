#include "session/host/database_loader.h"

#include "common/ansi_text.h"

namespace velorin {
namespace fs = std::filesystem;
namespace {

bool HasAnyObject(const AccessApplication& app) {
    for (Container c :
         {Container::Forms, Container::Modules, Container::Scripts, Container::Reports}) {
        if (!app.Documents(c).empty())
            return true;
    }
    return !app.TableDefs().empty() || !app.QueryDefs().empty();
}

// "Sales.mdb.src" and "Sales.src" stand for Sales.mdb beside them, as do
// "Sales.mda.src" and "Sales.mde.src" for Sales.mda and Sales.mde. An export of a database of a
// later Access ("Sales.accdb.src", .accda, .adp) names the project Sales; its
// database is no Access 97 file, so the project's is Sales.mdb.
fs::path DatabaseOfExportFolder(const fs::path& folder) {
    std::string name = folder.filename().string();
    if (IEndsWith(name, ".src"))
        name.resize(name.size() - 4);
    if (IEndsWith(name, ".mdb") || IEndsWith(name, ".mda") || IEndsWith(name, ".mde"))
        return folder.parent_path() / name;
    for (std::string_view later : {".accdb", ".accda", ".adp"}) {
        if (IEndsWith(name, later) && name.size() > later.size()) {
            name.resize(name.size() - later.size());
            break;
        }
    }
    return folder.parent_path() / (name + ".mdb");
}

// The export written beside a database file, if there is one.
fs::path ExportBeside(const fs::path& database) {
    std::error_code ec;
    const fs::path candidates[] = {
        fs::path(database.string() + ".src"),
        database.parent_path() / (database.stem().string() + ".src"),
        database.parent_path() / "source",
    };
    for (const fs::path& candidate : candidates) {
        if (fs::is_directory(candidate, ec) && IsExportFolder(candidate))
            return candidate;
    }
    return {};
}

}  // namespace

LoadedDatabase LoadDatabase(const fs::path& given, const MdbReadLimits& limits) {
    LoadedDatabase loaded;
    std::error_code ec;
    fs::path path = fs::absolute(given, ec).lexically_normal();
    if (!path.has_filename())
        path = path.parent_path();
    if (!fs::exists(path, ec)) {
        loaded.error = "does not exist";
        return loaded;
    }
    // Reading a pipe or a device waits for ever, or reads without end.
    if (!fs::is_directory(path, ec) && !fs::is_regular_file(path, ec)) {
        loaded.error = "is neither a file nor a folder (a pipe or a device); nothing was read";
        return loaded;
    }
    auto app = std::make_unique<AccessApplication>();
    if (fs::is_directory(path, ec)) {
        if (!IsExportFolder(path)) {
            loaded.error = "is neither an Access database nor an export folder";
            return loaded;
        }
        loaded.source.exportRoot = path;
        loaded.source.databasePath = DatabaseOfExportFolder(path);
        loaded.source.databaseFileExists = fs::is_regular_file(loaded.source.databasePath, ec);
        if (loaded.source.databaseFileExists) {
            std::string ignored;
            if (!LoadMdbFile(loaded.source.databasePath, *app, ignored, limits)) {
                // Only the export counts then; the file beside it is not copied either.
                loaded.source.databaseFileExists = false;
            }
        }
        LoadExportFolder(path, *app);
    } else {
        std::string error;
        if (!LoadMdbFile(path, *app, error, limits)) {
            loaded.error = "is not an Access database (" + error + ")";
            return loaded;
        }
        loaded.source.databasePath = path;
        loaded.source.databaseFileExists = true;
        loaded.source.exportRoot = ExportBeside(path);
        if (!loaded.source.exportRoot.empty())
            LoadExportFolder(loaded.source.exportRoot, *app);
    }
    app->FinishLoading();
    if (!HasAnyObject(*app)) {
        loaded.error = "holds no readable objects";
        return loaded;
    }
    loaded.application = std::move(app);
    return loaded;
}

}  // namespace velorin
