// Text inside the converter is Windows-1252, kept as bytes in std::string.
// Inputs are decoded to it once at load; outputs are written as they are.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velorin {

// Decodes the bytes of an input file: UTF-8 with BOM, UTF-16 (either byte
// order) with a BOM or recognised without one, or else Windows-1252 taken as
// it is. Characters Windows-1252 lacks become "?", one for each character;
// `lost`, when given, counts them (and bytes that were no UTF-8), and
// `lostAt`, when given, receives where each "?" of theirs stands in the text.
std::string DecodeInputText(std::string_view bytes, size_t* lost = nullptr,
                            std::vector<size_t>* lostAt = nullptr);

std::string Utf8ToAnsi(std::string_view utf8, size_t* lost = nullptr,
                       std::vector<size_t>* lostAt = nullptr);
std::string Utf16LeToAnsi(std::string_view bytes, size_t* lost = nullptr,
                          std::vector<size_t>* lostAt = nullptr);
std::string Utf16BeToAnsi(std::string_view bytes, size_t* lost = nullptr,
                          std::vector<size_t>* lostAt = nullptr);
std::string AnsiToUtf8(std::string_view ansi);

// File names on disk are UTF-8; names inside the converter are Windows-1252.
std::filesystem::path AnsiToPath(std::string_view ansi);
std::string PathToAnsi(const std::filesystem::path& path);

// Case folding of Windows-1252 letters (ASCII and the accented Latin letters).
// Lower case is a table lookup: the translator folds every character of every
// line many times over.
extern const std::array<unsigned char, 256> kAnsiLowerTable;
inline char AnsiLower(char c) {
    return static_cast<char>(kAnsiLowerTable[static_cast<unsigned char>(c)]);
}
char AnsiUpper(char c);
std::string AnsiLowerCase(std::string_view text);
std::string AnsiUpperCase(std::string_view text);
// Inline: most compares of names differ in length and end at once.
inline bool IEquals(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AnsiLower(a[i]) != AnsiLower(b[i]))
            return false;
    }
    return true;
}
inline bool IStartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && IEquals(text.substr(0, prefix.size()), prefix);
}
// Case-insensitive: `text` begins with the keyword `word`, not with a longer
// name that has it as a prefix ("End If" starts with End, "EndIt" does not).
inline bool StartsWithWord(std::string_view text, std::string_view word) {
    if (!IStartsWith(text, word))
        return false;
    if (text.size() == word.size())
        return true;
    const auto next = static_cast<unsigned char>(text[word.size()]);
    return !((next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z') ||
             (next >= '0' && next <= '9') || next == '_');
}
inline bool IEndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           IEquals(text.substr(text.size() - suffix.size()), suffix);
}
// Case-insensitive search; npos when absent.
size_t IFind(std::string_view text, std::string_view what, size_t from = 0);

struct ILess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        const size_t n = a.size() < b.size() ? a.size() : b.size();
        for (size_t i = 0; i < n; ++i) {
            const auto x = static_cast<unsigned char>(AnsiLower(a[i]));
            const auto y = static_cast<unsigned char>(AnsiLower(b[i]));
            if (x != y)
                return x < y;
        }
        return a.size() < b.size();
    }
};

}  // namespace velorin
