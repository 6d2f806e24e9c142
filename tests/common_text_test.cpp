#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "common/ansi_text.h"
#include "common/pair_filter.h"
#include "common/string_helpers.h"
#include "common/vb_format.h"
#include "common/vb_quote.h"

namespace velorin {
namespace {

// ANSI stays as it is; UTF-8 and UTF-16 with a BOM become Windows-1252 (é
// and € are in it), the BOM dropped; UTF-16 without one is found in either
// byte order.
TEST(InputDecoding, TakesAnsiAndConvertsUtf8AndUtf16) {
    EXPECT_EQ(DecodeInputText("Caf\xE9 \x80"), "Caf\xE9 \x80");
    EXPECT_EQ(DecodeInputText("\xEF\xBB\xBF"
                              "Caf\xC3\xA9 \xE2\x82\xAC"),
              "Caf\xE9 \x80");
    EXPECT_EQ(DecodeInputText(std::string("\xFF\xFE"
                                          "A\0\xE9\0\xAC\x20",
                                          8)),
              "A\xE9\x80");
    const std::string little("B\0e\0g\0i\0n\0 \0\xE9\0\xAC\x20", 16);
    EXPECT_EQ(DecodeInputText(little), "Begin \xE9\x80");
    std::string big = little;
    for (size_t i = 0; i + 1 < big.size(); i += 2)
        std::swap(big[i], big[i + 1]);
    EXPECT_EQ(DecodeInputText(big), "Begin \xE9\x80");
    EXPECT_EQ(DecodeInputText("\xFE\xFF" + big), "Begin \xE9\x80");
    // An odd last byte is a broken character, not lost text before it.
    EXPECT_EQ(DecodeInputText(little + "x"), "Begin \xE9\x80?");
    // Windows-1252 text and binary data with a few zeros stay as they are.
    const std::string binary("\x01\x02\0\x03\x04\x05\x06\x07\x08\x09\x0A\x0B", 12);
    EXPECT_EQ(DecodeInputText(binary), binary);
    EXPECT_EQ(DecodeInputText("Caf\xE9"), "Caf\xE9");
}

TEST(InputDecoding, ReplacesWhatWindows1252LacksAndBrokenSequences) {
    // A character outside Windows-1252, an emoji written as its two UTF-16
    // halves each encoded as UTF-8 (as Access's exports write them), a lone
    // half and a truncated sequence each become one "?", and each is counted.
    size_t lost = 0;
    EXPECT_EQ(Utf8ToAnsi("a\xE4\xB8\xAD"
                         "b",
                         &lost),
              "a?b");
    EXPECT_EQ(Utf8ToAnsi("x\xED\xA0\xBD\xED\xB7\xA9y", &lost), "x?y");
    EXPECT_EQ(Utf8ToAnsi("x\xED\xA0\xBDy", &lost), "x?y");
    EXPECT_EQ(Utf8ToAnsi("end\xC3", &lost), "end?");
    EXPECT_EQ(lost, 4u);
    std::string pair("\xFF\xFE\x3D\xD8\x00\xDE!\0", 8);
    lost = 0;
    EXPECT_EQ(DecodeInputText(pair, &lost), "?!");
    EXPECT_EQ(lost, 1u);
    lost = 0;
    EXPECT_EQ(DecodeInputText("caf\xE9", &lost), "caf\xE9") << "Windows-1252 as it is";
    EXPECT_EQ(lost, 0u);
}

TEST(InputDecoding, FileNamesSurviveTheRoundTrip) {
    std::string every;
    for (int c = 1; c < 256; ++c)
        every.push_back(static_cast<char>(c));
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(every)), every);
}

TEST(CaseFolding, IgnoresCaseOfAccentedLetters) {
    EXPECT_TRUE(IEquals("\xC9T\xC9", "\xE9t\xE9"));
    EXPECT_FALSE(IEquals("\xD7", "\xF7"));  // multiplication and division signs are not letters
    EXPECT_EQ(IFind("Private Sub Form_LOAD()", "sub form_load"), 8u);
    EXPECT_EQ(IFind("abc", "abcd"), std::string_view::npos);
    EXPECT_TRUE(IStartsWith("DoCmd.Close", "docmd."));
    EXPECT_TRUE(IEndsWith("Sales.MDB.SRC", ".mdb.src"));
}

TEST(VbFormat, NumbersAsCStrFormatsThem) {
    EXPECT_EQ(VbNumber(2000 * 1.7635), "3527");
    EXPECT_EQ(VbNumber(1000 * 1.7635), "1763.5");
    EXPECT_EQ(VbNumber(0), "0");
    EXPECT_EQ(VbNumber(-1440), "-1440");
    EXPECT_EQ(VbNumber(0.5), "0.5");
    EXPECT_EQ(VbNumber(0.0001), "0.0001");
    EXPECT_EQ(VbNumber(0.00001), "1E-05");
    EXPECT_EQ(VbNumber(123456789012345.0), "123456789012345");
    EXPECT_EQ(VbNumber(1e15), "1E+15");
    EXPECT_EQ(VbNumber(999999999999999.0), "999999999999999");
    EXPECT_EQ(VbNumber(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(VbNumber(-1e15), "-1E+15");
    EXPECT_EQ(VbNumber(16777215), "16777215");
    EXPECT_EQ(VbNumber(1.0 / 3), "0.333333333333333");
}

TEST(VbFormat, HexAndNumbersBeyondDouble) {
    EXPECT_EQ(VbNumber(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(VbNumber(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(VbHex(-2147483643), "80000005");
    EXPECT_EQ(VbHex(16777215), "FFFFFF");
    EXPECT_EQ(VbHex(255), "FF");
    EXPECT_EQ(VbHex(0), "0");
}

// The fast search must find what a plain character-by-character search finds,
// over every case pair of Windows-1252 and from every starting position.
TEST(CaseInsensitiveSearch, AgreesWithAPlainSearchOnEveryCasePair) {
    auto plain = [](std::string_view text, std::string_view what, size_t from) {
        for (size_t i = from; i + what.size() <= text.size(); ++i) {
            if (IEquals(text.substr(i, what.size()), what))
                return i;
        }
        return std::string_view::npos;
    };
    std::string letters;
    for (int c = 1; c < 256; ++c) {
        if (AnsiLower(static_cast<char>(c)) != AnsiUpper(static_cast<char>(c)))
            letters.push_back(static_cast<char>(c));
    }
    ASSERT_GT(letters.size(), 100u);
    EXPECT_FALSE(PairFilter("DoCmd.OpenForm x").MayContain(".OnClick"));
    EXPECT_TRUE(PairFilter("Me.ONCLICK = y").MayContain(".OnClick"));
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text, what;
        const size_t length = random() % 24, wanted = 1 + random() % 4;
        // Few distinct characters, so that partial matches are common.
        const size_t pick = random() % (letters.size() - 2);
        for (size_t i = 0; i < length; ++i)
            text.push_back(random() % 5 == 0 ? '.' : letters[pick + random() % 3]);
        for (size_t i = 0; i < wanted; ++i)
            what.push_back(AnsiUpper(text.empty() ? 'x' : text[random() % text.size()]));
        const size_t from = random() % (length + 2);
        ASSERT_EQ(IFind(text, what, from), plain(text, what, from))
            << "text " << text << " what " << what << " from " << from;
        // The filter may let an absent text through, never rule a present one out.
        if (plain(text, what, 0) != std::string_view::npos) {
            ASSERT_TRUE(PairFilter(text).MayContain(what)) << "text " << text << " what " << what;
        }
    }
}

// CR, LF and CR LF each end a line; a last line without an ending counts, and
// no empty line follows a final ending. Checked against a plain splitter.
TEST(SplitLinesTest, AgreesWithAPlainSplitterOnEveryMixOfLineEnds) {
    auto plain = [](std::string_view content) {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t i = 0; i < content.size(); ++i) {
            if (content[i] == '\r' || content[i] == '\n') {
                lines.emplace_back(content.substr(start, i - start));
                if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                    ++i;
                start = i + 1;
            }
        }
        if (start < content.size())
            lines.emplace_back(content.substr(start));
        return lines;
    };
    EXPECT_EQ(SplitLines("a\r\nb\rc\n\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_TRUE(SplitLines("").empty());
    std::mt19937 random(11);
    for (int round = 0; round < 5000; ++round) {
        std::string content;
        for (size_t i = random() % 16; i > 0; --i)
            content.push_back("ab\r\n "[random() % 5]);
        ASSERT_EQ(SplitLines(content), plain(content)) << testing::PrintToString(content);
        const std::vector<std::string_view> views = SplitLineViews(content);
        ASSERT_EQ(std::vector<std::string>(views.begin(), views.end()), plain(content));
        const std::string_view trimmed = TrimWhitespace(content);
        ASSERT_TRUE(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
        ASSERT_NE(content.find(trimmed), std::string::npos);
    }
    EXPECT_EQ(TrimBlanks("  \tx y \t "), "\tx y \t");
    EXPECT_EQ(TrimWhitespace("  \tx y \t "), "x y");
    EXPECT_EQ(TrimWhitespace(" \t "), "");
}

// Quotes are doubled. A form file holds a value on one line, so every kind
// of line break is a blank there; a literal in code keeps its breaks.
TEST(VbQuoted, DoublesQuotesAndKeepsLineBreaksOnlyInCode) {
    EXPECT_EQ(VbQuoted(""), "\"\"");
    EXPECT_EQ(VbQuoted("Say \"Hi\""), "\"Say \"\"Hi\"\"\"");
    EXPECT_EQ(VbQuoted("\"Image not found\""), "\"\"\"Image not found\"\"\"");
    EXPECT_EQ(VbQuoted("a\r\nb\rc\nd"), "\"a b c d\"");
    EXPECT_EQ(VbQuoted("a\r\nb", QuoteFor::Code), "\"a\" & vbCrLf & \"b\"");
    EXPECT_EQ(VbQuoted("\"x\"\n", QuoteFor::Code), "\"\"\"x\"\"\" & vbLf & \"\"");
    EXPECT_EQ(VbQuoted("a\rb", QuoteFor::Code), "\"a\" & vbCr & \"b\"");
}

}  // namespace
}  // namespace velorin
