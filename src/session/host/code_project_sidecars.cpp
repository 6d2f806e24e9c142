#include "session/host/code_project_sidecars.h"

#include <nlohmann/json.hpp>

#include <charconv>

#include "common/ansi_text.h"
#include "common/file_contents.h"
#include "common/string_helpers.h"

namespace velorin {
namespace fs = std::filesystem;
namespace {

void Report(AccessApplication& app, const fs::path& file, std::string message) {
    app.AddDiagnostic({PathToAnsi(file), 0, std::move(message), false});
}

// The file's JSON document, or null when there is none to read.
nlohmann::json ReadJson(AccessApplication& app, const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return nullptr;
    const std::optional<std::string> bytes = ReadWholeFile(file);
    std::string_view json = bytes ? std::string_view(*bytes) : std::string_view();
    if (json.substr(0, 3) == "\xEF\xBB\xBF")
        json.remove_prefix(3);
    nlohmann::json document = nlohmann::json::parse(json, nullptr, false);
    if (!bytes || document.is_discarded() || !document.is_object()) {
        Report(app, file, bytes ? "not valid JSON; what it says is not used" : "cannot be read");
        return nullptr;
    }
    return document;
}

std::string Text(const nlohmann::json& object, const char* key) {
    const auto it = object.find(key);
    return it != object.end() && it->is_string() ? Utf8ToAnsi(it->get<std::string>())
                                                 : std::string();
}

int IntOf(std::string_view text) {
    text = TrimBlanks(text);
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// "5.0" into major and minor.
void ReadVersion(std::string_view text, LibraryReference& reference) {
    const size_t dot = text.find('.');
    reference.major = IntOf(text.substr(0, dot));
    if (dot != std::string_view::npos)
        reference.minor = IntOf(text.substr(dot + 1));
}

void ReadProjectName(const fs::path& file, AccessApplication& app) {
    const nlohmann::json document = ReadJson(app, file);
    if (document.is_null() || !document.contains("Items") || !document["Items"].is_object())
        return;
    app.SetCodeProjectName(Text(document["Items"], "Name"));
}

void ReadReferencesJson(const fs::path& file, AccessApplication& app) {
    const nlohmann::json document = ReadJson(app, file);
    if (document.is_null() || !document.contains("Items") || !document["Items"].is_object())
        return;
    for (const auto& [name, item] : document["Items"].items()) {
        if (!item.is_object())
            continue;
        LibraryReference reference;
        reference.name = Utf8ToAnsi(name);
        reference.guid = Text(item, "GUID");
        reference.path = Text(item, "FullPath");
        ReadVersion(Text(item, "Version"), reference);
        if (!reference.guid.empty() || !reference.path.empty())
            app.AddReference(std::move(reference));
    }
}

// One line a reference: "{GUID},major,minor", or the path of a library file.
void ReadReferencesCsv(const fs::path& file, AccessApplication& app) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return;
    const std::optional<std::string> bytes = ReadWholeFile(file);
    if (!bytes) {
        Report(app, file, "cannot be read");
        return;
    }
    for (std::string_view line : SplitLineViews(*bytes)) {
        line = TrimBlanks(line);
        if (line.empty())
            continue;
        LibraryReference reference;
        if (line.front() == '{') {
            reference.guid = GetToken(line, 1, ",");
            reference.major = IntOf(GetToken(line, 2, ","));
            reference.minor = IntOf(GetToken(line, 3, ","));
        } else {
            reference.path = Utf8ToAnsi(line);
        }
        app.AddReference(std::move(reference));
    }
}

}  // namespace

void ReadCodeProjectSidecars(const fs::path& root, AccessApplication& app) {
    ReadProjectName(root / "vbe-project.json", app);
    ReadReferencesJson(root / "vbe-references.json", app);
    if (app.References().empty())
        ReadReferencesCsv(root / "references.csv", app);
}

}  // namespace velorin
