// The random numbers the synthetic application is made from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace velorin::bench::synthetic {

// splitmix64: the same numbers on every platform, unlike the standard
// library's distributions.
class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Inclusive at both ends.
    int Between(int low, int high) {
        return low + static_cast<int>(Next() % static_cast<uint64_t>(high - low + 1));
    }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    size_t Index(size_t size) { return static_cast<size_t>(Next() % size); }
    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[Index(items.size())];
    }
    // An index chosen with the given weights.
    size_t Weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = Between(1, total);
        size_t i = 0;
        for (int w : weights) {
            if (r <= w)
                return i;
            r -= w;
            ++i;
        }
        return weights.size() - 1;
    }

  private:
    uint64_t state_;
};

}  // namespace velorin::bench::synthetic
