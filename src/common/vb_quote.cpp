#include "common/vb_quote.h"

namespace velorin {

std::string VbQuoted(std::string_view text, QuoteFor where) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            out += "\"\"";
            continue;
        }
        if (c != '\r' && c != '\n') {
            out.push_back(c);
            continue;
        }
        const bool pair = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (pair)
            ++i;
        if (where == QuoteFor::OneLine)
            out.push_back(' ');
        else
            out += pair ? "\" & vbCrLf & \"" : c == '\r' ? "\" & vbCr & \"" : "\" & vbLf & \"";
    }
    out.push_back('"');
    return out;
}

}  // namespace velorin
