#include "test_support.h"

#include <sys/wait.h>

#include <cstdlib>

#include <sqlite3.h>

#include <fstream>
#include <random>
#include <sstream>

#include "common/string_helpers.h"

namespace velorin::testing {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device random;
    path_ = fs::temp_directory_path() /
            ("velorin-test-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string ReadWritten(OutputDirectory& out, const fs::path& path) {
    out.WriteHeld();
    return ReadFile(path);
}

std::string CrLf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

Answer ScriptedUi::Show(const Message& message) {
    messages.push_back(message);
    if (message.buttons == Buttons::Ok || message.buttons == Buttons::OkHelp)
        return Answer::Ok;
    if (answers.empty())
        return Answer::No;
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<std::vector<std::string>> Rows(const std::filesystem::path& db,
                                           const std::string& sql) {
    sqlite3* handle = nullptr;
    sqlite3_open(db.c_str(), &handle);
    std::vector<std::vector<std::string>> rows;
    sqlite3_exec(
        handle, sql.c_str(),
        [](void* out, int n, char** values, char**) {
            auto* table = static_cast<std::vector<std::vector<std::string>>*>(out);
            table->emplace_back();
            for (int i = 0; i < n; ++i)
                table->back().emplace_back(values[i] ? values[i] : "NULL");
            return 0;
        },
        &rows, nullptr);
    sqlite3_close(handle);
    return rows;
}

void FormTextBlock::Write(std::string& out, int depth) const {
    const std::string pad(static_cast<size_t>(depth) * 4, ' ');
    out += pad + "Begin " + head + "\r\n";
    for (const std::string& p : properties)
        out += pad + "    " + p + "\r\n";
    if (!children.empty()) {
        out += pad + "    Begin\r\n";
        for (const FormTextBlock& child : children)
            child.Write(out, depth + 2);
        out += pad + "    End\r\n";
    }
    out += pad + "End\r\n";
}

std::unique_ptr<AccessForm> FormFromBlocks(const std::string& name,
                                           std::vector<std::string> properties,
                                           std::vector<FormTextBlock> children) {
    const FormTextBlock form{"Form", std::move(properties), std::move(children)};
    std::string text;
    form.Write(text, 0);
    auto result = std::make_unique<AccessForm>();
    BuildAccessForm(*ReadObjectText(text).text, name, name, *result);
    return result;
}

fs::path FreshSupportDatabase(const TempDir& dir) {
    // Built from the script, not copied: the built database may have been used.
    fs::path path = dir / "vlrn.db";
    fs::remove(path);
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    std::string script = ReadFile(SourceDir() / "support" / "vlrn.sql");
    char* error = nullptr;
    if (sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        ADD_FAILURE() << "support database script: " << (error ? error : "");
        sqlite3_free(error);
    }
    sqlite3_close(db);
    return path;
}

std::string JoinContinuedLines(const std::string& text) {
    std::string out;
    bool inString = false;  // the last line broke a string off
    for (const std::string& raw : SplitLines(text)) {
        std::string_view line = raw;
        if (!out.empty() && out.back() != '\n') {
            line = TrimWhitespace(line);
            if (inString && line.starts_with("\""))
                line.remove_prefix(1);
        }
        if (line.ends_with("\" & _")) {
            out += line.substr(0, line.size() - 5);
            inString = true;
        } else if (line.ends_with(" _")) {
            out += line.substr(0, line.size() - 1);
            inString = false;
        } else {
            out += line;
            out += "\r\n";
            inString = false;
        }
    }
    return out;
}

fs::path SourceDir() {
    return fs::path(VELORIN_SOURCE_DIR);
}

fs::path SharedData() {
    fs::path data = SourceDir().parent_path() / "shared" / "data";
    std::error_code ec;
    return fs::is_directory(data, ec) ? data : fs::path();
}

ProgramRun RunProgram(const std::string& program, const std::string& arguments,
                      const TempDir& dir) {
    const std::string command = "XDG_DATA_HOME=" + ShellQuoted(dir / "data") + " " +
                                ShellQuoted(program) + " " + arguments + " </dev/null >" +
                                ShellQuoted(dir / "stdout") + " 2>" + ShellQuoted(dir / "stderr");
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(dir / "stdout"),
            ReadFile(dir / "stderr")};
}

std::string ShellQuoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

}  // namespace velorin::testing
