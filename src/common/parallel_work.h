// Work spread over threads: items taken in turn by each worker, each item's
// result kept in its own slot so that the caller reads them in order.
#pragma once

#include <cstddef>
#include <functional>

namespace velorin {

// The number of workers a conversion uses when the user names none: the
// cores the machine offers, at least one.
int DefaultJobCount();

// Calls work(i) for each i below count, on up to `jobs` threads (the calling
// thread is one of them); returns when every call has returned. With one job
// or one item the calls run in order on the calling thread. Items must share
// nothing they write; an exception an item throws reaches the caller.
void ForEachInParallel(size_t count, int jobs, const std::function<void(size_t)>& work);

}  // namespace velorin
