// The source folders depend on each other one way, in the order the data
// flows: the application model, the output model, the conversion of code,
// controls and forms, the project, the driver. Read from the #include lines
// of the source tree itself, as are the names of its types.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace velorin {
namespace {

namespace fs = std::filesystem;

// For each folder, the folders it includes from, each with one include line
// that shows the dependency.
using FolderGraph = std::map<std::string, std::map<std::string, std::string>>;

std::string FolderOf(const fs::path& file, const fs::path& root) {
    return file.parent_path().lexically_relative(root).generic_string();
}

FolderGraph ReadFolderGraph(const fs::path& root, size_t& filesRead) {
    FolderGraph graph;
    filesRead = 0;
    const std::regex quotedInclude(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::smatch match;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const fs::path& file = entry.path();
        if (!entry.is_regular_file() || (file.extension() != ".h" && file.extension() != ".cpp"))
            continue;
        ++filesRead;
        const std::string from = FolderOf(file, root);
        graph[from];
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, match, quotedInclude))
                continue;
            const std::string included = match[1];
            fs::path target = file.parent_path() / included;
            if (!fs::exists(target))
                target = root / included;
            if (!fs::exists(target))
                continue;  // a header of a library
            const std::string to = FolderOf(target.lexically_normal(), root);
            if (to != from)
                graph[from].emplace(to,
                                    file.lexically_relative(root).generic_string() + ": " + line);
        }
    }
    return graph;
}

// The folders from the bottom up: each may include only the folders before it.
const std::vector<std::string> kFolderOrder = {
    "common",                    // text, names, quoting, the output folder
    "session/host",              // the application model: what Access holds
    "row_sources",               // the fields of tables, queries and SQL row sources
    "output",                    // the output model: design blocks, code, names
    "controls/support_library",  // edits on the output model
    "session",                   // what one conversion works with
    "code",                      // the translation of code
    "form_context",              // the form being written and what its controls use
    "controls",                  // one writer per control class
    "forms",                     // a form with its sections, subforms and menus
    "project",                   // the project file, its modules and its check
    "preview",                   // pictures of generated forms
    "driver",                    // one conversion from the request to the end
    "reports",                   // the printed reports, from the analysis database
    "site",                      // the conversion report to read in a browser
};

// Each folder includes only from the folders before it in kFolderOrder: so
// no two folders include each other, directly or round a cycle.
TEST(SourceFolders, IncludeOnlyTheFoldersBelowThemInTheDataFlow) {
    const fs::path root = fs::path(VELORIN_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(root)) << root;
    size_t filesRead = 0;
    FolderGraph graph = ReadFolderGraph(root, filesRead);
    // The scan saw the tree: a reader that finds nothing would pass.
    ASSERT_GT(filesRead, 100u);
    ASSERT_TRUE(graph["forms"].count("controls")) << "forms include no control writer?";
    auto rank = [](const std::string& folder) {
        return std::find(kFolderOrder.begin(), kFolderOrder.end(), folder) - kFolderOrder.begin();
    };
    for (const auto& [from, edges] : graph) {
        ASSERT_LT(static_cast<size_t>(rank(from)), kFolderOrder.size())
            << "the folder " << from << " has no place in the order of folders";
        for (const auto& [to, example] : edges) {
            EXPECT_LT(rank(to), rank(from))
                << from << " includes from " << to << ", which comes after it: " << example;
        }
    }
}

// A type's name at the top of a named namespace, in every file of a tree:
// where each is defined ("file:line"). Types of an unnamed namespace are the
// file's own and left out.
std::map<std::string, std::vector<std::string>> NamespaceTypes(const fs::path& root) {
    std::map<std::string, std::vector<std::string>> types;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp")
            continue;
        std::ifstream in(entry.path());
        std::vector<std::string> namespaces;
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (line.starts_with("namespace ") && line.ends_with("{")) {
                std::string name = line.substr(10, line.size() - 11);
                name.erase(name.find_last_not_of(' ') + 1);
                namespaces.push_back(name);
                continue;
            }
            if (line.starts_with("}  // namespace") && !namespaces.empty()) {
                namespaces.pop_back();
                continue;
            }
            const bool anonymous =
                std::find(namespaces.begin(), namespaces.end(), "") != namespaces.end();
            if (namespaces.empty() || anonymous)
                continue;
            for (const std::string kind : {"struct ", "class "}) {
                if (!line.starts_with(kind) || line.ends_with(";"))
                    continue;  // a declaration only
                std::string name = line.substr(kind.size());
                name = name.substr(0, name.find_first_of(" {"));  // Outer::Inner stays whole
                std::string scope;
                for (const std::string& n : namespaces)
                    scope += n + "::";
                types[scope + name].push_back(fs::relative(entry.path(), root).string() + ":" +
                                              std::to_string(number));
            }
        }
    }
    return types;
}

// Two types of one name in one namespace break the rule of one definition:
// the linker keeps one of their inline members for both, and a program built
// with other optimisations crashes in the other's destructor.
TEST(SourceTypes, EachNameOfTheNamespaceIsOneType) {
    const fs::path root = fs::path(VELORIN_SOURCE_DIR);
    size_t seen = 0;
    for (const char* tree : {"src", "app"}) {
        for (const auto& [name, places] : NamespaceTypes(root / tree)) {
            ++seen;
            EXPECT_EQ(places.size(), 1u)
                << name << " is defined in " << places.front() << " and " << places.back();
        }
    }
    EXPECT_GT(seen, 100u);
}

}  // namespace
}  // namespace velorin
