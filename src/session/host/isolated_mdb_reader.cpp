// An Access file read by libmdb in a process of its own. libmdb trusts the
// file: one damaged byte can crash it, one zeroed page can keep it reading
// (and warning) for ever. The reader program runs under a time limit, with
// its warnings thrown away and its answer read back as bytes.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>
#include <vector>

#include "common/ansi_text.h"
#include "common/program_files.h"
#include "session/host/database_loader.h"

extern char** environ;

namespace velorin {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kReaderName = "velorin-mdb-read";

// Appends a field: its length, a colon, its bytes.
void Put(std::string& out, std::string_view field) {
    out += std::to_string(field.size());
    out += ':';
    out += field;
}

// Reads a field written by Put; false at the end or on a malformed field.
bool Get(std::string_view& in, std::string& field) {
    const size_t colon = in.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 12)
        return false;
    size_t size = 0;
    for (size_t i = 0; i < colon; ++i) {
        if (in[i] < '0' || in[i] > '9')
            return false;
        size = size * 10 + static_cast<size_t>(in[i] - '0');
    }
    if (size > in.size() - colon - 1)
        return false;
    field.assign(in.substr(colon + 1, size));
    in.remove_prefix(colon + 1 + size);
    return true;
}

bool GetInt(std::string_view& in, int& value) {
    std::string field;
    if (!Get(in, field) || field.empty() || field.size() > 11)
        return false;
    char* end = nullptr;
    const long number = std::strtol(field.c_str(), &end, 10);
    value = static_cast<int>(number);
    return *end == '\0';
}

constexpr Container kContainers[] = {Container::Forms, Container::Modules, Container::Scripts,
                                     Container::Reports};

// Closes a file descriptor when it goes.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            close(fd);
    }
};

std::string SignalName(int signal) {
    const char* name = strsignal(signal);
    return name != nullptr ? name : "signal " + std::to_string(signal);
}

}  // namespace

std::string EncodeMdbContents(const AccessApplication& application) {
    std::string out;
    for (const TableDef& table : application.TableDefs()) {
        Put(out, "T");
        Put(out, table.name);
        Put(out, std::to_string(table.fields.size()));
        for (const FieldDef& field : table.fields) {
            Put(out, field.name);
            Put(out, std::to_string(field.type));
        }
    }
    for (const QueryDef& query : application.QueryDefs()) {
        Put(out, "Q");
        Put(out, query.name);
        Put(out, query.sql);
        Put(out, std::to_string(query.type));
    }
    for (size_t c = 0; c < std::size(kContainers); ++c) {
        for (const std::string& name : application.Documents(kContainers[c])) {
            Put(out, "D");
            Put(out, std::to_string(c));
            Put(out, name);
        }
    }
    for (const auto& [name, value] : application.DatabaseProperties()) {
        Put(out, "P");
        Put(out, name);
        Put(out, value);
    }
    return out;
}

bool DecodeMdbContents(std::string_view in, AccessApplication& application) {
    // Read whole before any of it is added: a cut answer adds nothing.
    std::vector<TableDef> tables;
    std::vector<QueryDef> queries;
    std::vector<std::pair<Container, std::string>> documents;
    std::vector<std::pair<std::string, std::string>> properties;
    std::string kind;
    while (!in.empty()) {
        if (!Get(in, kind))
            return false;
        if (kind == "T") {
            TableDef& table = tables.emplace_back();
            int count = 0;
            if (!Get(in, table.name) || !GetInt(in, count) || count < 0)
                return false;
            for (int i = 0; i < count; ++i) {
                FieldDef& field = table.fields.emplace_back();
                if (!Get(in, field.name) || !GetInt(in, field.type))
                    return false;
            }
        } else if (kind == "Q") {
            QueryDef& query = queries.emplace_back();
            if (!Get(in, query.name) || !Get(in, query.sql) || !GetInt(in, query.type))
                return false;
        } else if (kind == "D") {
            int container = 0;
            std::string name;
            if (!GetInt(in, container) || container < 0 ||
                container >= static_cast<int>(std::size(kContainers)) || !Get(in, name))
                return false;
            documents.emplace_back(kContainers[container], std::move(name));
        } else if (kind == "P") {
            auto& [name, value] = properties.emplace_back();
            if (!Get(in, name) || !Get(in, value))
                return false;
        } else {
            return false;
        }
    }
    for (TableDef& table : tables)
        application.AddTableDef(std::move(table));
    for (QueryDef& query : queries)
        application.AddQueryDef(std::move(query));
    for (auto& [container, name] : documents)
        application.AddDocument(container, std::move(name));
    for (auto& [name, value] : properties)
        application.SetDatabaseProperty(name, std::move(value));
    return true;
}

fs::path MdbReaderProgram() {
    std::error_code ec;
    const fs::path self = RunningProgramDirectory();
    if (!self.empty()) {
        // Installed in libexec, or beside the program in a build tree.
        const fs::path reader = LocateProgramFiles(self).readerDirectory / kReaderName;
        if (fs::is_regular_file(reader, ec))
            return reader;
    }
#ifdef VELORIN_PROGRAM_DIR
    return fs::path(VELORIN_PROGRAM_DIR) / kReaderName;
#else
    return self / kReaderName;
#endif
}

bool LoadMdbFile(const fs::path& path, AccessApplication& application, std::string& error,
                 const MdbReadLimits& limits) {
    const fs::path program = MdbReaderProgram();
    std::error_code ec;
    if (!fs::is_regular_file(program, ec)) {
        error = "the database reader " + PathToAnsi(program) + " is missing";
        return false;
    }
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        error = "the database reader cannot be started: " + std::string(std::strerror(errno));
        return false;
    }
    Descriptor readEnd{pipeFds[0]};
    Descriptor writeEnd{pipeFds[1]};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.fd, 1);
    // The warnings a damaged file makes libmdb write, megabytes a second.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const std::string programText = program.string();
    const std::string pathText = path.string();
    std::array<char*, 3> argv = {const_cast<char*>(programText.c_str()),
                                 const_cast<char*>(pathText.c_str()), nullptr};
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, programText.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(writeEnd.fd);
    writeEnd.fd = -1;
    if (spawned != 0) {
        error = "the database reader " + PathToAnsi(program) +
                " cannot be started: " + std::strerror(spawned);
        return false;
    }

    // The answer, read until the reader ends, takes too long or says too much.
    std::string answer;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limits.seconds);
    std::string stopped;
    std::array<char, 65536> buffer;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            stopped = "reading it took longer than " + std::to_string(limits.seconds) + " seconds";
            break;
        }
        pollfd wait{readEnd.fd, POLLIN, 0};
        const int ready = poll(&wait, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            continue;
        const ssize_t got = read(readEnd.fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        answer.append(buffer.data(), static_cast<size_t>(got));
        if (answer.size() > limits.outputBytes) {
            stopped = "the reader answered with more than " +
                      std::to_string(limits.outputBytes >> 20) + " MB";
            break;
        }
    }
    if (!stopped.empty())
        kill(child, SIGKILL);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!stopped.empty()) {
        error = "the file is damaged: " + stopped;
        return false;
    }
    if (WIFSIGNALED(status)) {
        error = "the file is damaged: reading it stopped the reader (" +
                SignalName(WTERMSIG(status)) + ")";
        return false;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        // The reader's own message says why the file is no database; without
        // one, the reader was stopped (a sanitized build reports a crash so).
        error = answer.empty() ? "the file is damaged: reading it stopped the reader" : answer;
        return false;
    }
    if (!DecodeMdbContents(answer, application)) {
        error = "the database reader's answer cannot be read";
        return false;
    }
    return true;
}

}  // namespace velorin
