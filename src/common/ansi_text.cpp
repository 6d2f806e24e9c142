#include "common/ansi_text.h"

#include <cctype>

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

namespace velorin {
namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Converts with iconv, replacing what cannot be converted instead of failing:
// `onError` decides what to emit and how many input bytes to skip.
template <typename OnError>
std::string Convert(const char* to, const char* from, std::string_view input, OnError onError) {
    std::string out;
    iconv_t raw = iconv_open(to, from);
    if (raw == reinterpret_cast<iconv_t>(-1))
        return std::string(input);
    std::unique_ptr<void, IconvCloser> cd(raw);
    out.reserve(input.size());
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(raw, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: a sequence that is invalid, truncated or has no target.
        size_t skip = onError(std::string_view(in, inLeft), out);
        if (skip == 0 || skip > inLeft)
            skip = inLeft;
        in += skip;
        inLeft -= skip;
        iconv(raw, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

}  // namespace

std::string Utf8ToAnsi(std::string_view utf8, size_t* lost, std::vector<size_t>* lostAt) {
    return Convert("CP1252", "UTF-8", utf8, [=](std::string_view rest, std::string& out) {
        // The C1 controls that stand for Windows-1252's five undefined bytes.
        if (rest.size() >= 2 && static_cast<unsigned char>(rest[0]) == 0xC2) {
            unsigned char c = static_cast<unsigned char>(rest[1]);
            if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) {
                out.push_back(static_cast<char>(c));
                return size_t{2};
            }
        }
        if (lostAt != nullptr)
            lostAt->push_back(out.size());
        out.push_back('?');
        if (lost != nullptr)
            ++*lost;
        // A character beyond the first plane written as its two UTF-16 halves,
        // each encoded on its own (as Access's exports do): one character.
        auto byte = [&](size_t i) { return static_cast<unsigned char>(rest[i]); };
        if (rest.size() >= 6 && byte(0) == 0xED && byte(1) >= 0xA0 && byte(1) <= 0xAF &&
            byte(3) == 0xED && byte(4) >= 0xB0 && byte(4) <= 0xBF)
            return size_t{6};
        size_t n = Utf8SequenceLength(static_cast<unsigned char>(rest[0]));
        for (size_t i = 1; i < n && i < rest.size(); ++i) {
            if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80)
                return i;
        }
        return n;
    });
}

std::string Utf16LeToAnsi(std::string_view bytes, size_t* lost, std::vector<size_t>* lostAt) {
    return Convert("CP1252", "UTF-16LE", bytes, [=](std::string_view rest, std::string& out) {
        if (lostAt != nullptr)
            lostAt->push_back(out.size());
        out.push_back('?');
        if (lost != nullptr)
            ++*lost;
        // A character beyond the first plane is a pair of units, both
        // replaced; a half of a pair alone is one unit, and the next
        // character is read as it is.
        if (rest.size() >= 4) {
            const unsigned first = static_cast<unsigned char>(rest[1]);
            const unsigned second = static_cast<unsigned char>(rest[3]);
            if (first >= 0xD8 && first <= 0xDB && second >= 0xDC && second <= 0xDF)
                return size_t{4};
        }
        return size_t{2};
    });
}

std::string AnsiToUtf8(std::string_view ansi) {
    // The five bytes Windows-1252 leaves undefined map to the C1 controls of the
    // same value, so every byte survives the round trip.
    return Convert("UTF-8", "CP1252", ansi, [](std::string_view rest, std::string& out) {
        unsigned char c = static_cast<unsigned char>(rest[0]);
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        return size_t{1};
    });
}

std::string Utf16BeToAnsi(std::string_view bytes, size_t* lost, std::vector<size_t>* lostAt) {
    // Swapped into little-endian order, so that one decoder handles both.
    std::string swapped(bytes.size(), '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        swapped[i] = bytes[i % 2 == 0 && i + 1 < bytes.size() ? i + 1 : i - (i % 2)];
    return Utf16LeToAnsi(swapped, lost, lostAt);
}

namespace {

enum class Utf16Order { None, LittleEndian, BigEndian };

// Text saved as UTF-16 without a byte-order mark: Access exports are mostly
// ASCII, so one byte of each pair is zero and the other seldom is.
Utf16Order GuessUtf16(std::string_view bytes) {
    const size_t pairs = std::min(bytes.size(), size_t{4096}) / 2;
    if (pairs == 0)
        return Utf16Order::None;
    size_t evenZeros = 0, oddZeros = 0;
    for (size_t i = 0; i < pairs; ++i) {
        evenZeros += bytes[2 * i] == '\0';
        oddZeros += bytes[2 * i + 1] == '\0';
    }
    if (oddZeros * 2 >= pairs && evenZeros * 10 < pairs)
        return Utf16Order::LittleEndian;
    if (evenZeros * 2 >= pairs && oddZeros * 10 < pairs)
        return Utf16Order::BigEndian;
    return Utf16Order::None;
}

}  // namespace

std::string DecodeInputText(std::string_view bytes, size_t* lost, std::vector<size_t>* lostAt) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return Utf8ToAnsi(bytes.substr(3), lost, lostAt);
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE")
        return Utf16LeToAnsi(bytes.substr(2), lost, lostAt);
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF")
        return Utf16BeToAnsi(bytes.substr(2), lost, lostAt);
    switch (GuessUtf16(bytes)) {
        case Utf16Order::LittleEndian:
            return Utf16LeToAnsi(bytes, lost, lostAt);
        case Utf16Order::BigEndian:
            return Utf16BeToAnsi(bytes, lost, lostAt);
        case Utf16Order::None:
            break;
    }
    return std::string(bytes);
}

std::filesystem::path AnsiToPath(std::string_view ansi) {
    std::string utf8 = AnsiToUtf8(ansi);
    return std::filesystem::path(utf8);
}

std::string PathToAnsi(const std::filesystem::path& path) {
    return Utf8ToAnsi(path.string());
}

namespace {

constexpr unsigned char FoldToLower(unsigned u) {
    if (u >= 'A' && u <= 'Z')
        return static_cast<unsigned char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return static_cast<unsigned char>(u + 32);
    switch (u) {
        case 0x8A:
            return 0x9A;
        case 0x8C:
            return 0x9C;
        case 0x8E:
            return 0x9E;
        case 0x9F:
            return 0xFF;
        default:
            return static_cast<unsigned char>(u);
    }
}

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (unsigned u = 0; u < 256; ++u)
        table[u] = FoldToLower(u);
    return table;
}

}  // namespace

constinit const std::array<unsigned char, 256> kAnsiLowerTable = MakeLowerTable();

char AnsiUpper(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z')
        return static_cast<char>(u - 32);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 32);
    switch (u) {
        case 0x9A:
            return static_cast<char>(0x8A);
        case 0x9C:
            return static_cast<char>(0x8C);
        case 0x9E:
            return static_cast<char>(0x8E);
        case 0xFF:
            return static_cast<char>(0x9F);
        default:
            return c;
    }
}

std::string AnsiLowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = AnsiLower(c);
    return out;
}

std::string AnsiUpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = AnsiUpper(c);
    return out;
}

size_t IFind(std::string_view text, std::string_view what, size_t from) {
    if (what.empty())
        return from <= text.size() ? from : std::string_view::npos;
    if (what.size() > text.size() || from > text.size() - what.size())
        return std::string_view::npos;
    // Only the first character's two cases can start a match: memchr finds
    // the candidates, and only they are compared further.
    const char lower = AnsiLower(what[0]);
    const char upper = AnsiUpper(lower);
    const char* const base = text.data();
    const size_t last = text.size() - what.size();
    for (size_t i = from; i <= last;) {
        const size_t span = last - i + 1;
        const char* hit = static_cast<const char*>(std::memchr(base + i, lower, span));
        if (upper != lower) {
            const size_t before = hit ? static_cast<size_t>(hit - (base + i)) : span;
            if (const void* other = std::memchr(base + i, upper, before))
                hit = static_cast<const char*>(other);
        }
        if (!hit)
            break;
        i = static_cast<size_t>(hit - base);
        size_t k = 1;
        while (k < what.size() && AnsiLower(base[i + k]) == AnsiLower(what[k]))
            ++k;
        if (k == what.size())
            return i;
        ++i;
    }
    return std::string_view::npos;
}

}  // namespace velorin
