#include "common/work_ahead.h"

#include <algorithm>
#include <system_error>

namespace velorin {

WorkAhead::WorkAhead(size_t count, int workers, size_t window,
                     std::function<void(size_t, int)> work)
    : count_(count),
      window_(std::max<size_t>(window, 1)),
      work_(std::move(work)),
      done_(count, 0),
      failures_(count) {
    const size_t wanted = std::min(count, static_cast<size_t>(std::max(workers, 0)));
    threads_.reserve(wanted);
    for (size_t t = 0; t < wanted; ++t) {
        try {
            threads_.emplace_back([this, t] { Run(static_cast<int>(t)); });
        } catch (const std::system_error&) {
            break;  // no more threads to be had: the ones started share the work
        }
    }
}

WorkAhead::~WorkAhead() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void WorkAhead::Run(int worker) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] {
            return stopping_ || next_ >= count_ || (!held_ && next_ < taken_ + window_);
        });
        if (stopping_ || next_ >= count_)
            return;
        const size_t item = next_++;
        ++running_;
        lock.unlock();
        std::exception_ptr failure;
        try {
            work_(item, worker);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        failures_[item] = failure;
        done_[item] = 1;
        --running_;
        changed_.notify_all();
    }
}

void WorkAhead::Take(size_t i) {
    if (threads_.empty()) {
        work_(i, 0);
        return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return done_[i] != 0; });
    taken_ = std::max(taken_, i + 1);
    std::exception_ptr failure = failures_[i];
    lock.unlock();
    changed_.notify_all();
    if (failure)
        std::rethrow_exception(failure);
}

void WorkAhead::Hold() {
    std::unique_lock<std::mutex> lock(mutex_);
    held_ = true;
    changed_.wait(lock, [&] { return running_ == 0; });
}

void WorkAhead::Release() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        held_ = false;
    }
    changed_.notify_all();
}

}  // namespace velorin
