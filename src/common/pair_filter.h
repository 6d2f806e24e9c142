// A quick test that a text cannot hold another, ignoring case: the pairs of
// adjacent characters the text holds, as bits. The translator asks each line
// for some two hundred rule texts, and nearly all of them are absent.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/ansi_text.h"

namespace velorin {

class PairFilter {
  public:
    explicit PairFilter(std::string_view text) { Reset(text); }

    void Reset(std::string_view text) {
        bits_.fill(0);
        for (size_t i = 0; i + 1 < text.size(); ++i) {
            const unsigned bit = Pair(text[i], text[i + 1]);
            bits_[bit / 64] |= uint64_t{1} << (bit % 64);
        }
    }

    // False only when `what` occurs nowhere in the text, ignoring case.
    bool MayContain(std::string_view what) const {
        for (size_t i = 0; i + 1 < what.size(); ++i) {
            const unsigned bit = Pair(what[i], what[i + 1]);
            if ((bits_[bit / 64] & (uint64_t{1} << (bit % 64))) == 0)
                return false;
        }
        return true;
    }

  private:
    static unsigned Pair(char a, char b) {
        const unsigned x = static_cast<unsigned char>(AnsiLower(a));
        const unsigned y = static_cast<unsigned char>(AnsiLower(b));
        return (x * 67u + y) % kBits;
    }

    static constexpr unsigned kBits = 4096;
    std::array<uint64_t, kBits / 64> bits_{};
};

}  // namespace velorin
