#include "reports/text_wrap.h"

#include <algorithm>

namespace velorin {
namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offsets at which each code point of `text` ends.
std::vector<size_t> CodePointEnds(std::string_view text) {
    std::vector<size_t> ends;
    size_t pos = 0;
    while (pos < text.size()) {
        ++pos;
        while (pos < text.size() && IsContinuationByte(text[pos]))
            ++pos;
        ends.push_back(pos);
    }
    return ends;
}

// The longest start of `text` (whole code points) that fits, with `suffix`
// appended for measuring; 0 when not even one code point fits.
size_t FittingLength(std::string_view text, std::string_view suffix, double width, TextStyle style,
                     const TextMeasure& measure) {
    const std::vector<size_t> ends = CodePointEnds(text);
    size_t fits = 0;  // code points known to fit
    size_t tooMany = ends.size() + 1;
    while (tooMany - fits > 1) {
        const size_t middle = fits + (tooMany - fits) / 2;
        std::string candidate(text.substr(0, ends[middle - 1]));
        candidate += suffix;
        if (measure.Width(candidate, style) <= width)
            fits = middle;
        else
            tooMany = middle;
    }
    return fits == 0 ? 0 : ends[fits - 1];
}

// Control characters would paint as boxes; tabs and carriage returns become blanks.
std::string Printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n' || static_cast<unsigned char>(c) >= 0x20)
            out.push_back(c);
        else if (c != '\r')
            out.push_back(' ');
    }
    return out;
}

void WrapParagraph(std::string_view text, double width, TextStyle style, const TextMeasure& measure,
                   std::vector<std::string>& lines) {
    if (text.empty()) {
        lines.emplace_back();
        return;
    }
    size_t pos = 0;
    while (pos < text.size()) {
        const std::string_view rest = text.substr(pos);
        if (measure.Width(rest, style) <= width) {
            lines.emplace_back(rest);
            return;
        }
        // Break at the last word end that still fits.
        size_t cut = 0;
        for (size_t blank = rest.find(' ', 1); blank != std::string_view::npos;
             blank = rest.find(' ', blank + 1)) {
            if (rest[blank - 1] == ' ')
                continue;
            if (measure.Width(rest.substr(0, blank), style) > width)
                break;
            cut = blank;
        }
        if (cut == 0) {
            // The first word alone is too wide: break inside it.
            cut = FittingLength(rest, {}, width, style, measure);
            if (cut == 0)
                cut = CodePointEnds(rest.substr(0, 4)).front();
        }
        lines.emplace_back(rest.substr(0, cut));
        pos += cut;
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
    }
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, double width, TextStyle style,
                                  const TextMeasure& measure) {
    const std::string printable = Printable(text);
    const std::string_view all = printable;
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        const size_t end = all.find('\n', start);
        WrapParagraph(all.substr(start, end == std::string_view::npos ? end : end - start), width,
                      style, measure, lines);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return lines;
}

std::string ElideText(std::string_view text, double width, TextStyle style,
                      const TextMeasure& measure) {
    std::string printable = Printable(text);
    for (char& c : printable) {
        if (c == '\n')
            c = ' ';
    }
    if (measure.Width(printable, style) <= width)
        return printable;
    if (measure.Width(kEllipsis, style) > width)
        return {};
    std::string shortened =
        printable.substr(0, FittingLength(printable, kEllipsis, width, style, measure));
    while (!shortened.empty() && shortened.back() == ' ')
        shortened.pop_back();
    return shortened + std::string(kEllipsis);
}

double WidestWord(std::string_view text, TextStyle style, const TextMeasure& measure) {
    double widest = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(" \n", start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            widest = std::max(widest, measure.Width(text.substr(start, end - start), style));
        start = end + 1;
    }
    return widest;
}

}  // namespace velorin
