// The export as a whole: its folders, the order its parts are planned and
// written in, and each file written with its bytes counted.
#include "synthetic_generator.h"

#include <cstdio>
#include <stdexcept>

namespace velorin::bench::synthetic {

ApplicationCounts Generator::Run() {
    for (const char* folder : {"forms", "modules", "macros", "queries", "tbldefs", "commandbars"}) {
        fs::create_directories(root_ / folder);
    }
    PlanTables();
    PlanQueries();
    PlanModules();
    PlanMacros();
    PlanCommandBars();
    PlanForms();
    WriteTables();
    WriteQueries();
    WriteMacros();
    WriteCommandBars();
    for (size_t i = 0; i < forms_.size(); ++i)
        WriteForm(i);
    WriteModules();
    WriteProperties();
    counts_.tables = static_cast<int>(tables_.size());
    counts_.queries = static_cast<int>(queries_.size());
    counts_.modules = static_cast<int>(modules_.size());
    counts_.commandBars = static_cast<int>(menuBars_.size() + toolbars_.size());
    return counts_;
}

std::string Generator::FileNameOf(std::string_view name) {
    std::string out;
    for (char c : name) {
        if (std::string_view("\\/:*?\"<>|%").find(c) != std::string_view::npos) {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
            out += code;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

void Generator::Write(const fs::path& path, const std::string& content) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        throw std::runtime_error("cannot write " + path.string());
    const bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    if (std::fclose(file) != 0 || !ok)
        throw std::runtime_error("cannot write " + path.string());
    counts_.bytes += static_cast<long>(content.size());
    ++counts_.files;
}

void Generator::WriteProperties() {
    const std::string startup = mainFormNames_.empty() ? "" : mainFormNames_.front();
    std::string json =
        "{\r\n  \"Info\": {\"Class\": \"clsDbProperty\", \"Description\": "
        "\"Database Properties (DAO)\"},\r\n  \"Items\": {\r\n"
        "    \"AccessVersion\": {\"Value\": \"07.53\", \"Type\": 10},\r\n"
        "    \"StartupForm\": {\"Value\": \"" +
        startup + "\", \"Type\": 10},\r\n";
    if (!menuBars_.empty())
        json +=
            "    \"StartupMenuBar\": {\"Value\": \"" + menuBars_.front() + "\", \"Type\": 10},\r\n";
    json += "    \"AppTitle\": {\"Value\": \"Synthetic\", \"Type\": 10}\r\n  }\r\n}\r\n";
    Write(root_ / "dbs-properties.json", json);
}

}  // namespace velorin::bench::synthetic
