// The text of the export's files: object text as Access writes it for forms,
// macros and command bars, and the code of modules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velorin::bench::synthetic {

// A number as decimal text.
inline std::string Num(long value) {
    return std::to_string(value);
}

// Object text as Access writes it: four blanks a level, CR LF, long values
// continued on further lines in chunks of 80 characters.
class ObjectWriter {
  public:
    void Line(std::string_view text) {
        out.append(static_cast<size_t>(depth) * 4, ' ');
        out += text;
        out += "\r\n";
    }
    void Blank() { out += "\r\n"; }
    void Begin(std::string_view head = {}) {
        Line(head.empty() ? std::string("Begin") : "Begin " + std::string(head));
        ++depth;
    }
    void End() {
        --depth;
        Line("End");
    }
    void Flag(std::string_view name) { Line(std::string(name) + " = NotDefault"); }
    void Number(std::string_view name, long value) { Line(std::string(name) + " =" + Num(value)); }
    void Text(std::string_view name, std::string_view value) {
        constexpr size_t kChunk = 80;
        std::string line = std::string(name) + " =\"" + Escape(value.substr(0, kChunk)) + "\"";
        Line(line);
        for (size_t at = kChunk; at < value.size(); at += kChunk)
            Line("    \"" + Escape(value.substr(at, kChunk)) + "\"");
    }
    void Binary(std::string_view name, const std::vector<std::string>& hexLines) {
        Line(std::string(name) + " = Begin");
        ++depth;
        for (size_t i = 0; i < hexLines.size(); ++i)
            Line(hexLines[i] + (i + 1 < hexLines.size() ? " ," : ""));
        --depth;
        Line("End");
    }

    std::string out;
    int depth = 0;

  private:
    static std::string Escape(std::string_view text) {
        std::string escaped;
        for (char c : text) {
            if (c == '"' || c == '\\')
                escaped.push_back('\\');
            escaped.push_back(c);
        }
        return escaped;
    }
};

// A module's code, indented four blanks a level.
class CodeWriter {
  public:
    void Line(int level, std::string_view text) {
        out.append(static_cast<size_t>(level) * 4, ' ');
        out += text;
        out += "\r\n";
        ++lines;
    }
    std::string out;
    long lines = 0;
};

}  // namespace velorin::bench::synthetic
