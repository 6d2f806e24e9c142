#include "common/parallel_work.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
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
    // An item that throws stops the items not yet taken; the first exception
    // reaches the caller once every thread has returned, as it would have
    // from a loop.
    std::atomic<size_t> next{0};
    std::mutex failing;
    std::exception_ptr failure;
    auto run = [&] {
        for (size_t i = next++; i < count; i = next++) {
            try {
                work(i);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failing);
                if (!failure)
                    failure = std::current_exception();
                next = count;
            }
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(workers - 1);
    for (size_t t = 1; t < workers; ++t) {
        try {
            threads.emplace_back(run);
        } catch (const std::system_error&) {
            break;  // no more threads to be had: the ones started share the work
        }
    }
    run();
    for (std::thread& thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace velorin
