#include "code/code_tokens.h"

#include <algorithm>

#include "code/code_mask.h"
#include "code/form_reference.h"
#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsTypeCharacter(char c) {
    return c == '%' || c == '&' || c == '!' || c == '#' || c == '@' || c == '$';
}

// The masked code (string literals blanked inside) as tokens.
std::vector<LexToken> Lex(std::string_view masked) {
    std::vector<LexToken> tokens;
    size_t i = 0;
    while (i < masked.size()) {
        const char c = masked[i];
        const size_t start = i;
        if (c == ' ' || c == '\t' || c == '\x01') {
            ++i;
            continue;
        }
        if (c == '"' || c == '[') {
            const size_t close = masked.find(c == '"' ? '"' : ']', i + 1);
            i = close == std::string_view::npos ? masked.size() : close + 1;
            tokens.push_back({c == '"' ? LexKind::String : LexKind::Word, start, i});
        } else if (IsDigit(c) || (c == '.' && i + 1 < masked.size() && IsDigit(masked[i + 1]))) {
            while (i < masked.size() && (IsIdentifierChar(masked[i]) || masked[i] == '.'))
                ++i;
            if (i < masked.size() && IsTypeCharacter(masked[i]) && masked[i] != '$')
                ++i;
            tokens.push_back({LexKind::Number, start, i});
        } else if (c == '&' && i + 2 < masked.size() &&
                   (masked[i + 1] == 'H' || masked[i + 1] == 'h' || masked[i + 1] == 'O' ||
                    masked[i + 1] == 'o') &&
                   IsHexDigit(masked[i + 2])) {
            i += 2;
            while (i < masked.size() && IsHexDigit(masked[i]))
                ++i;
            if (i < masked.size() && (masked[i] == '&' || masked[i] == '%'))
                ++i;
            tokens.push_back({LexKind::Number, start, i});
        } else if (IsIdentifierChar(c)) {
            while (i < masked.size() && IsIdentifierChar(masked[i]))
                ++i;
            tokens.push_back({LexKind::Word, start, i});
        } else {
            ++i;
            tokens.push_back({LexKind::Symbol, start, i});
        }
    }
    return tokens;
}

DeclaredName ReadDeclared(const TokenizedCode& c, size_t first, size_t last) {
    DeclaredName d;
    d.first = first;
    d.last = last;
    size_t k = first;
    while (k < last && c.IsAny(k, {"Optional", "ByVal", "ByRef", "ParamArray", "WithEvents"})) {
        d.optional = d.optional || c.Is(k, "Optional");
        ++k;
    }
    if (k >= last || !c.IsWord(k))
        return d;
    d.name = k++;
    if (k < last && c[k].kind == LexKind::Symbol && c.Adjacent(k) &&
        IsTypeCharacter(c.Text()[c[k].begin])) {
        d.typeCharacter = true;
        ++k;
    }
    if (k < last && c.Sym(k, '(')) {
        const size_t close = ClosingParen(c, k, last);
        if (close != kNoToken) {
            d.anyArray = true;
            d.dynamicArray = close == k + 1;
            d.arrayClose = close;
            k = close + 1;
        }
    }
    if (k < last && c.Is(k, "As")) {
        d.as = k++;
        d.typeFirst = k;
        while (k < last && !c.Sym(k, '='))
            ++k;
        d.typeLast = k;
    }
    if (k < last && c.Sym(k, '='))
        d.equals = k;
    return d;
}

}  // namespace

std::string BareName(std::string_view word) {
    if (word.size() >= 2 && word.front() == '[' && word.back() == ']')
        return std::string(word.substr(1, word.size() - 2));
    return std::string(word);
}

TokenizedCode::TokenizedCode(std::string_view code) : text_(code), tokens_(Lex(MaskedCode(code))) {}

std::string_view TokenizedCode::Str(size_t k) const {
    return std::string_view(text_).substr(tokens_[k].begin, tokens_[k].end - tokens_[k].begin);
}

std::string_view TokenizedCode::Span(size_t a, size_t b) const {
    return std::string_view(text_).substr(tokens_[a].begin, tokens_[b].end - tokens_[a].begin);
}

bool TokenizedCode::IsWord(size_t k) const {
    return k < tokens_.size() && tokens_[k].kind == LexKind::Word;
}

bool TokenizedCode::Is(size_t k, std::string_view word) const {
    return IsWord(k) && IEquals(Str(k), word);
}

bool TokenizedCode::IsAny(size_t k, std::initializer_list<std::string_view> words) const {
    for (std::string_view word : words) {
        if (Is(k, word))
            return true;
    }
    return false;
}

bool TokenizedCode::Sym(size_t k, char c) const {
    return k < tokens_.size() && tokens_[k].kind == LexKind::Symbol && text_[tokens_[k].begin] == c;
}

bool TokenizedCode::Adjacent(size_t k) const {
    return k > 0 && k < tokens_.size() && tokens_[k].begin == tokens_[k - 1].end;
}

bool TokenizedCode::IsMember(size_t k) const {
    return k > 0 && (Sym(k - 1, '.') || Sym(k - 1, '!'));
}

size_t ClosingParen(const TokenizedCode& c, size_t open, size_t limit) {
    int depth = 0;
    for (size_t k = open; k < limit && k < c.Size(); ++k) {
        if (c.Sym(k, '('))
            ++depth;
        else if (c.Sym(k, ')') && --depth == 0)
            return k;
    }
    return kNoToken;
}

std::vector<std::pair<size_t, size_t>> SplitAtCommas(const TokenizedCode& c, size_t first,
                                                     size_t last) {
    std::vector<std::pair<size_t, size_t>> parts;
    int depth = 0;
    size_t from = first;
    for (size_t k = first; k < last; ++k) {
        if (c.Sym(k, '(')) {
            ++depth;
        } else if (c.Sym(k, ')')) {
            --depth;
        } else if (c.Sym(k, ',') && depth == 0) {
            parts.emplace_back(from, k);
            from = k + 1;
        }
    }
    if (from < last)
        parts.emplace_back(from, last);
    return parts;
}

size_t StatementEnd(const TokenizedCode& c, size_t from) {
    int depth = 0;
    for (size_t k = from; k < c.Size(); ++k) {
        if (c.Sym(k, '('))
            ++depth;
        else if (c.Sym(k, ')'))
            --depth;
        else if (c.Sym(k, ':') && depth == 0 && !c.Sym(k + 1, '='))
            return k;
    }
    return c.Size();
}

std::string WithEdits(std::string_view text, std::vector<TextEdit> edits) {
    // Widest first among edits that start together; an edit inside an
    // earlier one goes.
    std::sort(edits.begin(), edits.end(), [](const TextEdit& a, const TextEdit& b) {
        return a.begin != b.begin ? a.begin < b.begin : a.end > b.end;
    });
    std::string out;
    size_t from = 0;
    for (const TextEdit& e : edits) {
        if (e.begin < from || e.end < e.begin || e.end > text.size())
            continue;
        out.append(text, from, e.begin - from);
        out += e.text;
        from = e.end;
    }
    out.append(text, from, std::string_view::npos);
    return out;
}

size_t DeclaredName::End() const {
    if (HasType())
        return typeLast - 1;
    return arrayClose != kNoToken ? arrayClose : name;
}

std::string TypeText(const TokenizedCode& c, const DeclaredName& d) {
    return d.HasType() ? std::string(c.Span(d.typeFirst, d.typeLast - 1)) : std::string();
}

std::string TypeNameOf(const TokenizedCode& c, size_t first, size_t last) {
    for (size_t k = last; k > first; --k) {
        if (c.IsWord(k - 1) && !c.Is(k - 1, "New"))
            return BareName(c.Str(k - 1));
    }
    return {};
}

size_t DeclarationsStart(const TokenizedCode& c) {
    if (c.IsAny(0, {"Dim", "Static"}))
        return c.IsAny(1, {"Sub", "Function", "Property"}) ? kNoToken : 1;
    if (!c.IsAny(0, {"Public", "Private", "Global"}))
        return kNoToken;
    if (c.IsAny(1, {"Const", "Declare", "Type", "Enum", "Event", "Sub", "Function", "Property",
                    "Static", "Friend"}))
        return kNoToken;
    return 1;
}

std::vector<DeclaredName> ReadDeclarations(const TokenizedCode& c, size_t from) {
    std::vector<DeclaredName> all;
    for (auto [first, last] : SplitAtCommas(c, from, StatementEnd(c, from)))
        all.push_back(ReadDeclared(c, first, last));
    return all;
}

bool ProcedureHeader::ReturnsValue() const {
    return IEquals(kind, "Function") || IEquals(kind, "Get");
}

bool ProcedureHeader::ReturnsArray(const TokenizedCode& c) const {
    return valid && ReturnsValue() && returnAs != kNoToken && returnLast >= returnAs + 4 &&
           c.Sym(returnLast - 1, ')') && c.Sym(returnLast - 2, '(');
}

ProcedureHeader ReadProcedureHeader(const TokenizedCode& c) {
    ProcedureHeader h;
    size_t k = 0;
    while (c.IsAny(k, {"Public", "Private", "Friend", "Static"})) {
        if (c.Is(k, "Friend"))
            h.friendWord = k;
        ++k;
    }
    if (c.IsAny(k, {"Sub", "Function"})) {
        h.kind = std::string(c.Str(k));
        ++k;
    } else if (c.Is(k, "Property") && c.IsAny(k + 1, {"Get", "Let", "Set"})) {
        h.kind = std::string(c.Str(k + 1));
        k += 2;
    } else {
        return h;
    }
    if (!c.IsWord(k))
        return h;
    h.name = BareName(c.Str(k));
    ++k;
    if (k < c.Size() && c[k].kind == LexKind::Symbol && c.Adjacent(k) &&
        IsTypeCharacter(c.Text()[c[k].begin]))
        ++k;
    const size_t end = StatementEnd(c, 0);
    h.trailing = end < c.Size();
    if (c.Sym(k, '(')) {
        h.open = k;
        h.close = ClosingParen(c, k, end);
        if (h.close == kNoToken)
            return h;
        for (auto [first, last] : SplitAtCommas(c, h.open + 1, h.close))
            h.params.push_back(ReadDeclared(c, first, last));
        k = h.close + 1;
    }
    if (k < end && c.Is(k, "As")) {
        h.returnAs = k;
        h.returnLast = end;
    }
    h.valid = true;
    return h;
}

bool IsEndOf(const TokenizedCode& c, std::string_view what) {
    return c.Is(0, "End") && c.Is(1, what);
}

bool IsProcedureEnd(const TokenizedCode& c) {
    return IsEndOf(c, "Sub") || IsEndOf(c, "Function") || IsEndOf(c, "Property");
}

std::string BlockName(const TokenizedCode& c, std::string_view word, bool* isPublic) {
    size_t k = 0;
    bool isPrivate = false;
    if (c.IsAny(0, {"Public", "Private", "Global"})) {
        isPrivate = c.Is(0, "Private");
        k = 1;
    }
    if (!c.Is(k, word) || !c.IsWord(k + 1))
        return {};
    if (isPublic != nullptr)
        *isPublic = !isPrivate;
    return BareName(c.Str(k + 1));
}

CodeStatements::CodeStatements(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size();) {
        size_t last = i;
        while (last + 1 < lines.size() && ContinuesOnNextLine(lines[last]))
            ++last;
        const std::string joined = JoinContinuedLines(lines, i, last);
        const std::string_view code = std::string_view(joined).substr(0, CodeEnd(joined));
        first_.push_back(i);
        code_.emplace_back(TrimWhitespace(code));
        i = last + 1;
    }
    tokens_.resize(code_.size());
}

std::string_view CodeStatements::FirstWord(size_t s) const {
    const std::string& code = code_[s];
    size_t end = 0;
    while (end < code.size() && IsIdentifierChar(code[end]))
        ++end;
    return std::string_view(code).substr(0, end);
}

const TokenizedCode& CodeStatements::Tokens(size_t s) const {
    if (!tokens_[s])
        tokens_[s] = std::make_unique<TokenizedCode>(code_[s]);
    return *tokens_[s];
}

}  // namespace velorin
