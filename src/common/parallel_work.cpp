#include "common/parallel_work.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace velorin {

int DefaultJobCount() {
    // The cores this process may run on (taskset narrows them), not all the machine's.
    cpu_set_t cores;
    CPU_ZERO(&cores);
    if (sched_getaffinity(0, sizeof(cores), &cores) == 0)
        return std::max(1, CPU_COUNT(&cores));
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

void ForEachInParallel(size_t count, int jobs, const std::function<void(size_t)>& work) {
    const size_t workers = std::min(count, static_cast<size_t>(std::max(jobs, 1)));
    if (workers <= 1) {
        for (size_t i = 0; i < count; ++i)
            work(i);
        return;
    }
    std::atomic<size_t> next{0};
    auto run = [&] {
        for (size_t i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> threads;
    threads.reserve(workers - 1);
    for (size_t t = 1; t < workers; ++t)
        threads.emplace_back(run);
    run();
    for (std::thread& thread : threads)
        thread.join();
}

}  // namespace velorin
