#include "site/html_text.h"

#include "common/ansi_text.h"

namespace velorin {
namespace {

void AppendEscapedUtf8(std::string& out, std::string_view utf8) {
    for (char c : utf8) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            case '\t':
                out += c;
                break;
            default:
                // Control characters have no place in a page: shown as the
                // replacement character.
                if ((c >= 0 && c < 0x20) || c == 0x7F)
                    out += "\xEF\xBF\xBD";
                else
                    out += c;
        }
    }
}

}  // namespace

void AppendHtml(std::string& out, std::string_view ansi) {
    // Code is mostly ASCII, which is the same in both encodings.
    for (char c : ansi) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            AppendEscapedUtf8(out, AnsiToUtf8(ansi));
            return;
        }
    }
    AppendEscapedUtf8(out, ansi);
}

std::string Html(std::string_view ansi) {
    std::string out;
    AppendHtml(out, ansi);
    return out;
}

}  // namespace velorin
