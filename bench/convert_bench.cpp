// Conversion speed and memory at doubling sizes: each synthetic application is
// written, then converted end to end as `velorin convert --yes` converts it, in
// a child process of its own so that its peak memory and CPU time are its
// own. A floor measured in the same run (reading every input byte, writing as
// many output bytes in as many files) shows what the disk alone costs.
//
//   convert_bench [--sizes small,medium,large] [--work DIR] [--bin DIR] [--jobs N] [--digest]
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/conversion_driver.h"
#include "session/host/database_loader.h"
#include "synthetic_application.h"

namespace {

using namespace velorin;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Answers as --yes does; keeps the moments the driver reports progress.
class TimingUi : public UserInterface {
  public:
    TimingUi(int forms, int modules) : forms_(forms), modules_(modules) {}

    // Every question answered yes, as --yes answers it, and said in advance.
    Answer Show(const Message& message) override {
        ++messages;
        return *AnswerWithoutAsking(message);
    }
    std::optional<Answer> AnswerWithoutAsking(const Message& message) const override {
        const bool question =
            message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoHelp;
        return question ? Answer::Yes : Answer::Ok;
    }
    void Warn(const std::string&) override { ++warnings; }
    void StartProgress(int) override { progressStarted = Clock::now(); }
    void SetProgress(int value) override {
        // Three steps a form, then one a module.
        if (value == 3 * forms_)
            formsDone = Clock::now();
        if (value == 3 * forms_ + modules_)
            modulesDone = Clock::now();
    }
    void UpdateTime() override {}
    void EndProgress() override {}

    Clock::time_point progressStarted, formsDone, modulesDone;
    int messages = 0;
    int warnings = 0;

  private:
    int forms_;
    int modules_;
};

// What the child reports through its pipe.
struct Phases {
    double read = 0, setup = 0, forms = 0, modules = 0, project = 0;
    int outcome = -1;  // Outcome, or -1 when the database did not load
    int formsConverted = 0, modulesConverted = 0, problems = 0, warnings = 0;
};

// The command line's path: LoadDatabase, Session, StartTranslation.
Phases Convert(const fs::path& input, const fs::path& output, const fs::path& supportDb,
               const fs::path& templates, int jobs) {
    Phases phases;
    const Clock::time_point start = Clock::now();
    LoadedDatabase loaded = LoadDatabase(input);
    const Clock::time_point loadedAt = Clock::now();
    phases.read = Seconds(start, loadedAt);
    if (!loaded.application)
        return phases;
    AccessApplication& app = *loaded.application;

    TranslationRequest request;
    request.outputPathText = output.string();
    request.templateDirectory = templates;
    request.options.jobs = jobs;
    request.releaseControlsAfterForms = true;
    DescribeSource(loaded.source, request);
    request.forms = app.Documents(Container::Forms);
    request.modules = app.Documents(Container::Modules);

    TimingUi ui(static_cast<int>(request.forms.size()), static_cast<int>(request.modules.size()));
    Session session(app, supportDb, ui);
    if (!session.supportDb.Open())
        return phases;
    ConversionResult result = StartTranslation(session, request, DefaultConversionSteps());
    const Clock::time_point end = Clock::now();
    phases.setup = Seconds(loadedAt, ui.progressStarted);
    phases.forms = Seconds(ui.progressStarted, ui.formsDone);
    phases.modules = Seconds(ui.formsDone, ui.modulesDone);
    phases.project = Seconds(ui.modulesDone, end);
    phases.outcome = static_cast<int>(result.outcome);
    phases.formsConverted = result.formsConverted;
    phases.modulesConverted = result.modulesConverted;
    phases.problems = static_cast<int>(result.projectProblems.size());
    phases.warnings = ui.warnings;
    return phases;
}

struct Run {
    Phases phases;
    double wall = 0, cpu = 0;
    long peakKb = 0;
    bool ok = false;
};

Run ConvertInChild(const fs::path& input, const fs::path& output, const fs::path& supportDb,
                   const fs::path& templates, int jobs) {
    Run run;
    int fds[2];
    if (pipe(fds) != 0)
        return run;
    std::fflush(stdout);
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        Phases phases = Convert(input, output, supportDb, templates, jobs);
        const bool written = write(fds[1], &phases, sizeof phases) == sizeof phases;
        _exit(written ? 0 : 1);
    }
    close(fds[1]);
    const bool received = child > 0 && read(fds[0], &run.phases, sizeof run.phases) ==
                                           static_cast<ssize_t>(sizeof run.phases);
    close(fds[0]);
    int status = 0;
    struct rusage usage {};
    if (child > 0)
        wait4(child, &status, 0, &usage);
    run.wall = Seconds(start, Clock::now());
    auto time = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    run.cpu = time(usage.ru_utime) + time(usage.ru_stime);
    run.peakKb = usage.ru_maxrss;
    run.ok = received && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
             run.phases.outcome == static_cast<int>(Outcome::Done);
    return run;
}

std::vector<fs::path> FilesUnder(const fs::path& root) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

long BytesOf(const std::vector<fs::path>& files) {
    long bytes = 0;
    for (const fs::path& file : files)
        bytes += static_cast<long>(fs::file_size(file));
    return bytes;
}

// Reading every input file whole, then writing files of the output's sizes.
double Floor(const std::vector<fs::path>& inputs, const std::vector<fs::path>& outputs,
             const fs::path& scratch) {
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    const Clock::time_point start = Clock::now();
    std::string buffer;
    long checksum = 0;
    for (const fs::path& file : inputs) {
        std::ifstream in(file, std::ios::binary);
        buffer.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        checksum += buffer.empty() ? 0 : buffer.back();
    }
    size_t n = 0;
    for (const fs::path& file : outputs) {
        buffer.assign(static_cast<size_t>(fs::file_size(file)), 'x');
        std::ofstream out(scratch / std::to_string(n++), std::ios::binary);
        out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    }
    const double seconds = Seconds(start, Clock::now());
    fs::remove_all(scratch);
    return checksum == -1 ? 0 : seconds;  // keeps the reads from being optimised away
}

// FNV-1a over the output's names and bytes and the analysis rows: equal
// digests mean the same project.
uint64_t Digest(const fs::path& output, const fs::path& supportDb) {
    uint64_t hash = 1469598103934665603ULL;
    auto add = [&](const void* data, size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (size_t i = 0; i < size; ++i) {
            hash ^= bytes[i];
            hash *= 1099511628211ULL;
        }
    };
    std::string buffer;
    for (const fs::path& file : FilesUnder(output)) {
        const std::string name = file.filename().string();
        add(name.data(), name.size() + 1);
        std::ifstream in(file, std::ios::binary);
        buffer.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        add(buffer.data(), buffer.size());
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(supportDb.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        for (const char* sql : {"SELECT * FROM tblReportOutput ORDER BY rowid",
                                "SELECT * FROM tblStats ORDER BY rowid"}) {
            sqlite3_stmt* statement = nullptr;
            if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
                continue;
            while (sqlite3_step(statement) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                    const unsigned char* text = sqlite3_column_text(statement, c);
                    const int size = sqlite3_column_bytes(statement, c);
                    add(text == nullptr ? "" : reinterpret_cast<const char*>(text),
                        static_cast<size_t>(size));
                    add("|", 1);
                }
            }
            sqlite3_finalize(statement);
        }
    }
    sqlite3_close(db);
    return hash;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos)
            comma = text.size();
        if (comma > start)
            parts.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return parts;
}

double Mb(long bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path self = fs::canonical("/proc/self/exe").parent_path();
    std::vector<std::string> sizes = {"small", "medium", "large"};
    fs::path work = self / "work";
    fs::path bin = self.parent_path() / "bin";
    bool digest = false;
    int jobs = 0;  // one a core this process may use
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sizes" && i + 1 < argc) {
            sizes = Split(argv[++i]);
        } else if (arg == "--work" && i + 1 < argc) {
            work = argv[++i];
        } else if (arg == "--bin" && i + 1 < argc) {
            bin = argv[++i];
        } else if (arg == "--digest") {
            digest = true;
        } else if (arg == "--jobs" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            jobs = std::atoi(argv[++i]);
        } else {
            const bool help = arg == "--help" || arg == "-h";
            std::fprintf(help ? stdout : stderr,
                         "usage: convert_bench [--sizes small,medium,large] [--work DIR] "
                         "[--bin DIR] [--jobs N] [--digest]\n"
                         "  sizes: tiny, small, medium, large or FORMS:LINES; the applications "
                         "and their\n  projects are written under the work directory [%s]\n",
                         (self / "work").c_str());
            return help ? 0 : 2;
        }
    }
    if (!fs::is_regular_file(bin / "vlrn.db")) {
        std::fprintf(stderr, "convert_bench: no vlrn.db in %s (--bin names the program's folder)\n",
                     bin.c_str());
        return 2;
    }

    struct Row {
        std::string size;
        int forms = 0;
        long controls = 0, lines = 0, moduleLines = 0, inBytes = 0, outBytes = 0;
        Run run;
        double floor = 0;
    };
    std::vector<Row> rows;
    for (const std::string& name : sizes) {
        std::optional<bench::ApplicationSize> size = bench::SizeNamed(name);
        if (!size) {
            const size_t colon = name.find(':');
            try {
                if (colon == std::string::npos)
                    throw std::invalid_argument(name);
                size = bench::ApplicationSize{name, std::stoi(name.substr(0, colon)),
                                              std::stol(name.substr(colon + 1))};
            } catch (const std::exception&) {
                std::fprintf(stderr, "convert_bench: unknown size %s\n", name.c_str());
                return 2;
            }
        }
        const fs::path dir = work / size->name;
        const fs::path input = dir / "Synthetic.mdb.src";
        const fs::path output = dir / "Synthetic-VB";
        const fs::path supportDb = dir / "vlrn.db";
        fs::remove_all(dir);
        fs::create_directories(dir);
        const Clock::time_point generating = Clock::now();
        const bench::ApplicationCounts counts = bench::WriteApplication(input, *size);
        std::printf("%s: %d forms, %ld controls, %ld lines of code, %.1f MB written in %.1f s\n",
                    size->name.c_str(), counts.forms, counts.controls,
                    counts.formCodeLines + counts.moduleCodeLines, Mb(counts.bytes),
                    Seconds(generating, Clock::now()));
        fs::copy_file(bin / "vlrn.db", supportDb, fs::copy_options::overwrite_existing);

        Row row;
        row.size = size->name;
        row.forms = counts.forms;
        row.controls = counts.controls;
        row.lines = counts.formCodeLines + counts.moduleCodeLines;
        row.moduleLines = counts.moduleCodeLines;
        row.run = ConvertInChild(input, output, supportDb, bin, jobs);
        if (!row.run.ok) {
            std::fprintf(stderr, "convert_bench: the %s application did not convert (outcome %d)\n",
                         size->name.c_str(), row.run.phases.outcome);
            return 1;
        }
        const std::vector<fs::path> inputs = FilesUnder(input);
        const std::vector<fs::path> outputs = FilesUnder(output);
        row.inBytes = BytesOf(inputs);
        row.outBytes = BytesOf(outputs);
        row.floor = Floor(inputs, outputs, dir / "floor");
        const Phases& p = row.run.phases;
        std::printf(
            "  converted %d forms and %d modules (%d warnings, %d project check findings): "
            "read %.2f s, setup %.2f s, forms %.2f s, modules %.2f s, project %.2f s\n",
            p.formsConverted, p.modulesConverted, p.warnings, p.problems, p.read, p.setup, p.forms,
            p.modules, p.project);
        // Where the time went, and what a control and a line of code cost.
        const double phases = p.read + p.setup + p.forms + p.modules + p.project;
        auto share = [&](double seconds) { return phases > 0 ? 100 * seconds / phases : 0.0; };
        std::printf(
            "  shares: read %.0f%%, setup %.0f%%, forms %.0f%%, modules %.0f%%, project "
            "%.0f%%; forms %.1f us a control, modules %.1f us a line of code\n",
            share(p.read), share(p.setup), share(p.forms), share(p.modules), share(p.project),
            row.controls > 0 ? 1e6 * p.forms / static_cast<double>(row.controls) : 0.0,
            row.moduleLines > 0 ? 1e6 * p.modules / static_cast<double>(row.moduleLines) : 0.0);
        if (digest)
            std::printf("  digest %016llx\n",
                        static_cast<unsigned long long>(Digest(output, supportDb)));
        rows.push_back(row);
    }

    std::printf("\n%-8s %6s %9s %9s %8s %8s %8s %8s %9s %8s %7s %9s\n", "size", "forms", "controls",
                "lines", "in MB", "out MB", "time s", "CPU s", "peak MB", "floor s", "ratio",
                "x prev");
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        std::printf("%-8s %6d %9ld %9ld %8.1f %8.1f %8.2f %8.2f %9.1f %8.3f %7.1f", r.size.c_str(),
                    r.forms, r.controls, r.lines, Mb(r.inBytes), Mb(r.outBytes), r.run.wall,
                    r.run.cpu, static_cast<double>(r.run.peakKb) / 1024.0, r.floor,
                    r.floor > 0 ? r.run.wall / r.floor : 0.0);
        if (i > 0 && rows[i - 1].run.wall > 0)
            std::printf(" %9.2f", r.run.wall / rows[i - 1].run.wall);
        std::printf("\n");
    }
    return 0;
}
