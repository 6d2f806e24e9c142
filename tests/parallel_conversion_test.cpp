// Work spread over threads gives what one thread gives: every item done once,
// and a conversion on several threads writes the same project, the same
// project check and the same analysis rows as one on a single thread.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "common/parallel_work.h"
#include "synthetic_application.h"
#include "test_support.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;

TEST(ParallelWork, EveryItemIsDoneOnceOnAtMostTheThreadsAsked) {
    for (const size_t count : {size_t{0}, size_t{1}, size_t{7}, size_t{500}}) {
        for (const int jobs : {1, 3, 8}) {
            std::vector<std::atomic<int>> done(count);
            std::mutex guard;
            std::set<std::thread::id> threads;
            ForEachInParallel(count, jobs, [&](size_t i) {
                ++done[i];
                const std::lock_guard<std::mutex> lock(guard);
                threads.insert(std::this_thread::get_id());
            });
            for (size_t i = 0; i < count; ++i) {
                ASSERT_EQ(done[i].load(), 1) << "item " << i << " of " << count << ", " << jobs;
            }
            EXPECT_LE(threads.size(), static_cast<size_t>(jobs));
            if (jobs == 1 && count > 0) {
                EXPECT_EQ(*threads.begin(), std::this_thread::get_id());
            }
        }
    }
    EXPECT_GE(DefaultJobCount(), 1);
}

TEST(ParallelWork, AnItemsExceptionReachesTheCallerAfterEveryThreadReturned) {
    for (const int jobs : {1, 4}) {
        std::atomic<int> running{0};
        std::atomic<int> done{0};
        EXPECT_THROW(ForEachInParallel(200, jobs,
                                       [&](size_t i) {
                                           ++running;
                                           if (i == 7) {
                                               --running;
                                               throw std::runtime_error("item 7");
                                           }
                                           ++done;
                                           --running;
                                       }),
                     std::runtime_error)
            << jobs << " jobs";
        EXPECT_EQ(running.load(), 0) << "a thread still ran after the call returned";
        if (jobs == 1) {
            EXPECT_EQ(done.load(), 7) << "one thread stops at the item that threw";
        }
    }
}

// Every file the conversion wrote under `root`, by its path there.
std::map<std::string, std::string> FilesUnder(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root).string()] = testing::ReadFile(entry.path());
    }
    return files;
}

struct Converted {
    std::map<std::string, std::string> files;
    std::vector<std::vector<std::string>> findings;
    std::vector<std::vector<std::string>> maps;
    std::vector<std::vector<std::string>> stats;
};

Converted ConvertWithJobs(const fs::path& input, int jobs, const testing::TempDir& dir) {
    const fs::path out = dir / ("jobs" + std::to_string(jobs));
    const fs::path db = dir / ("jobs" + std::to_string(jobs) + ".db");
    fs::copy_file(testing::FreshSupportDatabase(dir), db);
    const testing::ProgramRun run = testing::RunProgram(
        VELORIN_PROGRAM,
        "convert " + testing::ShellQuoted(input) + " -o " + testing::ShellQuoted(out) +
            " --yes --jobs " + std::to_string(jobs) + " --support-db " + testing::ShellQuoted(db),
        dir);
    EXPECT_TRUE(run.status == 0 || run.status == 3) << run.err;
    Converted converted;
    converted.files = FilesUnder(out);
    converted.findings = testing::Rows(db, "SELECT * FROM tblReportOutput ORDER BY rowid");
    converted.maps = testing::Rows(db, "SELECT * FROM tblCodeMap ORDER BY rowid");
    converted.stats = testing::Rows(db, "SELECT * FROM tblStats ORDER BY rowid");
    return converted;
}

TEST(ParallelConversion, TheTinyApplicationConvertsTheSameOnOneThreadAndOnFour) {
    testing::TempDir dir;
    bench::WriteApplication(dir / "Synthetic.mdb.src", *bench::SizeNamed("tiny"));
    const Converted serial = ConvertWithJobs(dir / "Synthetic.mdb.src", 1, dir);
    const Converted parallel = ConvertWithJobs(dir / "Synthetic.mdb.src", 4, dir);

    // Enough to compare: the project, its check's log and analysis rows.
    ASSERT_GT(serial.files.size(), 24u);
    ASSERT_TRUE(serial.files.count("velorin.log")) << "the check found nothing to order";
    ASSERT_FALSE(serial.findings.empty());
    ASSERT_FALSE(serial.maps.empty());

    ASSERT_EQ(serial.files.size(), parallel.files.size());
    for (const auto& [name, content] : serial.files) {
        const auto other = parallel.files.find(name);
        ASSERT_NE(other, parallel.files.end()) << name << " is missing on four threads";
        EXPECT_TRUE(content == other->second) << name << " differs on four threads";
    }
    EXPECT_EQ(serial.findings, parallel.findings);
    EXPECT_EQ(serial.maps, parallel.maps);
    EXPECT_EQ(serial.stats, parallel.stats);
}

}  // namespace
}  // namespace velorin
