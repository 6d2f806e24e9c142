// Items worked on ahead of their turn by worker threads and taken by the
// calling thread strictly in order. Workers start items in increasing order
// and never more than `window` past the last item taken, so that what waits
// in memory stays bounded. The taker can hold the workers between items, to
// do work of its own with nothing running beside it.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace velorin {

class WorkAhead {
  public:
    // Calls work(i, worker) for each i below count on up to `workers`
    // threads; `worker` (from 0) tells the thread, so that each may keep
    // state of its own. Fewer threads are used when no more can be started;
    // with none, Take does the item itself on the calling thread as worker 0.
    WorkAhead(size_t count, int workers, size_t window, std::function<void(size_t, int)> work);
    // Items not yet started are left undone; the threads are joined.
    ~WorkAhead();
    WorkAhead(const WorkAhead&) = delete;
    WorkAhead& operator=(const WorkAhead&) = delete;

    // Waits until item i is done and lets the workers go on past it; what
    // the item threw is thrown here. Items are taken in increasing order.
    void Take(size_t i);

    // Hold waits until no worker is in an item and starts no more until
    // Release; the caller may then change what the workers read.
    void Hold();
    void Release();

    int Threads() const { return static_cast<int>(threads_.size()); }

  private:
    void Run(int worker);

    size_t count_;
    size_t window_;
    std::function<void(size_t, int)> work_;
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t next_ = 0;   // the next item a worker starts
    size_t taken_ = 0;  // items taken so far
    int running_ = 0;   // workers in an item
    bool held_ = false;
    bool stopping_ = false;
    std::vector<char> done_;
    std::vector<std::exception_ptr> failures_;
    std::vector<std::thread> threads_;
};

}  // namespace velorin
