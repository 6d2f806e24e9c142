#include "output/long_lines.h"

#include <algorithm>
#include <vector>

#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

constexpr int kMostContinuations = 24;
constexpr size_t kContinuationIndent = 4;

// What stands at each position of a code line: plain code where a line may
// break at a blank, a string literal (where a break may come before
// StringBreak, never inside a doubled quote or right after the opening
// quote), a bracketed name or the comment.
enum class Place { Code, String, StringBreak, Bracket, Comment };

std::vector<Place> Classify(std::string_view line) {
    std::vector<Place> places(line.size(), Place::Code);
    Place state = Place::Code;
    bool opening = false;  // the character before opened the string
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        switch (state) {
            case Place::Code:
                if (c == '"') {
                    state = Place::String;
                    opening = true;
                } else if (c == '[') {
                    state = Place::Bracket;
                } else if (c == '\'') {
                    state = Place::Comment;
                }
                places[i] = state;
                break;
            case Place::String:
            case Place::StringBreak:
                places[i] = opening ? Place::String : Place::StringBreak;
                opening = false;
                if (c == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        places[++i] = Place::String;
                    } else {
                        state = Place::Code;
                    }
                }
                break;
            case Place::Bracket:
                places[i] = Place::Bracket;
                if (c == ']')
                    state = Place::Code;
                break;
            case Place::Comment:
                places[i] = Place::Comment;
                break;
        }
    }
    return places;
}

bool IsCommentLine(std::string_view text) {
    return text.starts_with("'") || IStartsWith(text, "Rem ") || IEquals(text, "Rem");
}

// A comment too long for a line, as comment lines of at most `limit` each.
void BreakComment(std::string_view indent, std::string_view comment, size_t limit,
                  std::vector<std::string>& out) {
    const size_t room = limit - indent.size() - 2;
    while (!comment.empty()) {
        const size_t take = std::min(room, comment.size());
        out.push_back(std::string(indent) + "' " + std::string(comment.substr(0, take)));
        comment.remove_prefix(take);
    }
}

// The pieces a long statement continues over; the first keeps the line's indent.
std::vector<std::string> BreakStatement(std::string_view indent, std::string_view text,
                                        size_t limit) {
    const std::vector<Place> places = Classify(text);
    const std::string more(indent.size() + kContinuationIndent, ' ');
    std::vector<std::string> pieces;
    size_t start = 0;
    bool reopen = false;  // the piece starts inside a string broken off before it
    while (start < text.size()) {
        const std::string_view lead = pieces.empty() ? indent : std::string_view(more);
        const size_t prefix = lead.size() + (reopen ? 1 : 0);
        // Room for the text and the " & _" that ends a broken-off string.
        const size_t room = limit > prefix + 5 ? limit - prefix - 5 : 1;
        const bool last = static_cast<int>(pieces.size()) == kMostContinuations;
        if (text.size() - start <= room + 3 || last) {
            pieces.push_back(std::string(lead) + (reopen ? "\"" : "") +
                             std::string(text.substr(start)));
            break;
        }
        const size_t end = start + room;
        // A blank between words, in the later half of the room.
        size_t cut = std::string_view::npos;
        for (size_t i = end; i > start + room / 2; --i) {
            if (text[i] == ' ' && places[i] == Place::Code) {
                cut = i;
                break;
            }
        }
        std::string piece = std::string(lead) + (reopen ? "\"" : "");
        if (cut != std::string_view::npos) {
            piece += std::string(text.substr(start, cut - start)) + " _";
            start = cut + 1;
            reopen = false;
        } else {
            // Inside a string: close it, join the rest with "&". A doubled
            // quote stays whole.
            size_t at = end;
            while (at > start && places[at] != Place::StringBreak)
                --at;
            if (at <= start) {
                // Nowhere to break: the line stays as it is.
                pieces.push_back(std::string(lead) + (reopen ? "\"" : "") +
                                 std::string(text.substr(start)));
                break;
            }
            piece += std::string(text.substr(start, at - start)) + "\" & _";
            start = at;
            reopen = true;
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// "Name = "value"": the property's name and its string value as written.
bool StringProperty(std::string_view line, std::string& name, std::string& value) {
    const std::string_view t = TrimWhitespace(line);
    const size_t equals = t.find('=');
    if (equals == std::string_view::npos)
        return false;
    const std::string_view v = TrimWhitespace(t.substr(equals + 1));
    if (v.size() < 2 || v.front() != '"' || v.back() != '"')
        return false;
    name = std::string(TrimWhitespace(t.substr(0, equals)));
    value = std::string(v);
    return !name.empty() && name.find(' ') == std::string::npos;
}

// How code names a block: its name, with its index in a control array.
std::string CodeName(const DesignBlock& block, bool isForm) {
    if (isForm)
        return "Me";
    for (std::string_view line : block.Lines()) {
        const std::string_view t = TrimWhitespace(line);
        if (IStartsWith(t, "Index") && t.find('=') != std::string_view::npos) {
            const std::string_view rest = TrimWhitespace(t.substr(5));
            if (rest.starts_with("="))
                return std::string(block.Name()) + "(" +
                       std::string(TrimWhitespace(rest.substr(1))) + ")";
        }
    }
    return std::string(block.Name());
}

void TakeFrom(DesignBlock& block, int depth, bool isForm, size_t limit, CodeText& code) {
    const std::string target = CodeName(block, isForm);
    int group = 0;
    block.RemoveLines([&](std::string_view line) {
        const std::string_view t = TrimWhitespace(line);
        if (IStartsWith(t, "EndProperty"))
            --group;
        const bool inGroup = group > 0;
        if (IStartsWith(t, "BeginProperty"))
            ++group;
        const size_t indented = static_cast<size_t>(depth + 1) * 3 + t.size();
        std::string name, value;
        if (inGroup || indented <= limit || !StringProperty(t, name, value))
            return false;
        code.Append(target + "." + name + " = " + value);
        return true;
    });
    for (DesignBlock* inner : block.MutableBlocks())
        TakeFrom(*inner, depth + 1, false, limit, code);
}

}  // namespace

void BreakLongCodeLines(CodeText& code, size_t limit) {
    bool any = false;
    for (const std::string& line : code.Lines())
        any = any || line.size() > limit;
    if (!any)
        return;
    std::vector<std::string> out;
    // A line broken in pieces keeps its source in each.
    std::vector<uint32_t> sources;
    for (size_t i = 0; i < code.Size(); ++i) {
        const std::string& line = code.Lines()[i];
        if (line.size() <= limit) {
            out.push_back(line);
            sources.push_back(code.SourceOf(i));
            continue;
        }
        const size_t first = line.find_first_not_of(' ');
        const std::string_view indent = std::string_view(line).substr(0, first);
        std::string_view text = std::string_view(line).substr(first);
        if (IsCommentLine(text)) {
            BreakComment(indent, text.substr(text.starts_with("'") ? 1 : 3), limit, out);
            sources.resize(out.size(), code.SourceOf(i));
            continue;
        }
        // A trailing comment goes on a line of its own, before the statement.
        const std::vector<Place> places = Classify(text);
        const auto comment = std::find(places.begin(), places.end(), Place::Comment);
        if (comment != places.end()) {
            const size_t at = static_cast<size_t>(comment - places.begin());
            BreakComment(indent, text.substr(at + 1), limit, out);
            text = TrimBlanks(text.substr(0, at));
        }
        for (std::string& piece : BreakStatement(indent, text, limit))
            out.push_back(std::move(piece));
        sources.resize(out.size(), code.SourceOf(i));
    }
    code = CodeText(std::move(out), std::move(sources));
}

CodeText TakeLongDesignValues(DesignBlock& form, size_t limit) {
    CodeText code;
    TakeFrom(form, 0, true, limit, code);
    return code;
}

}  // namespace velorin
