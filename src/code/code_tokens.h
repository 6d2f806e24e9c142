// A statement's code read as tokens, and what the declarations and procedure
// headers in it declare: the reading the rules about the chosen Visual
// Basic's language need, where a text search would match inside names.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velorin {

inline constexpr size_t kNoToken = static_cast<size_t>(-1);

enum class LexKind { Word, Number, String, Symbol };

struct LexToken {
    LexKind kind;
    size_t begin;  // in the code's text
    size_t end;
};

// The name a word stands for: [Name] is Name.
std::string BareName(std::string_view word);

// The code of one statement (no comment) and its tokens: names (a bracketed
// [name] is one), numbers (&HFF too), string literals and single signs.
// Index arguments past the end are allowed and answer false.
class TokenizedCode {
  public:
    explicit TokenizedCode(std::string_view code);

    const std::string& Text() const { return text_; }
    size_t Size() const { return tokens_.size(); }
    const LexToken& operator[](size_t k) const { return tokens_[k]; }
    std::string_view Str(size_t k) const;
    // The text from token a's start to token b's end.
    std::string_view Span(size_t a, size_t b) const;

    bool IsWord(size_t k) const;
    bool Is(size_t k, std::string_view word) const;  // ignoring case
    bool IsAny(size_t k, std::initializer_list<std::string_view> words) const;
    bool Sym(size_t k, char c) const;
    // Token k follows the token before it without a blank.
    bool Adjacent(size_t k) const;
    // The token before k is a "." or "!": k names a member of something.
    bool IsMember(size_t k) const;

  private:
    std::string text_;
    std::vector<LexToken> tokens_;
};

// The parenthesis that closes the one at `open`, before `limit`; kNoToken.
size_t ClosingParen(const TokenizedCode& c, size_t open, size_t limit);
// Token ranges [first, last) split at the commas outside parentheses.
std::vector<std::pair<size_t, size_t>> SplitAtCommas(const TokenizedCode& c, size_t first,
                                                     size_t last);
// The first colon from `from` that ends a statement; Size() when none.
size_t StatementEnd(const TokenizedCode& c, size_t from);

// A replacement of text [begin, end) of a line.
struct TextEdit {
    size_t begin;
    size_t end;
    std::string text;
};
// The text with the edits made; an edit inside another one is left out.
std::string WithEdits(std::string_view text, std::vector<TextEdit> edits);

// One declared name: a parameter "[Optional] [ByVal|ByRef] [ParamArray]
// name[$][()] [As type] [= default]" or a Dim's "[WithEvents] name[(bounds)]
// [As type]".
struct DeclaredName {
    size_t first = 0;  // its tokens [first, last)
    size_t last = 0;
    size_t name = kNoToken;
    bool optional = false;
    bool typeCharacter = false;  // name$
    bool dynamicArray = false;   // name()
    bool anyArray = false;       // name() or name(bounds)
    size_t arrayClose = kNoToken;
    size_t as = kNoToken;
    size_t typeFirst = kNoToken;  // the type's tokens [typeFirst, typeLast)
    size_t typeLast = kNoToken;
    size_t equals = kNoToken;  // the "=" of a default

    bool HasType() const { return as != kNoToken && typeLast > typeFirst; }
    bool HasDefault() const { return equals != kNoToken && equals + 1 < last; }
    // The token its name, array and type end with.
    size_t End() const;
};

// The type's text ("String * 10", "DAO.Recordset"); empty without one.
std::string TypeText(const TokenizedCode& c, const DeclaredName& d);
// The type's own name ("Recordset" of "DAO.Recordset"); empty without one.
std::string TypeNameOf(const TokenizedCode& c, size_t first, size_t last);

// Where a Dim, Static, Private, Public or Global statement's names start;
// kNoToken for any other statement (Const, Declare, Type, a header, ...).
size_t DeclarationsStart(const TokenizedCode& c);
std::vector<DeclaredName> ReadDeclarations(const TokenizedCode& c, size_t from);

// A Sub, Function or Property header with its modifiers.
struct ProcedureHeader {
    bool valid = false;
    size_t friendWord = kNoToken;
    std::string kind;  // Sub, Function, Get, Let or Set
    std::string name;
    size_t open = kNoToken;  // the parameter list's parentheses
    size_t close = kNoToken;
    std::vector<DeclaredName> params;
    size_t returnAs = kNoToken;  // the "As" of the type a Function or Get returns
    size_t returnLast = kNoToken;
    bool trailing = false;  // other statements follow it on the line

    bool ReturnsValue() const;
    // A Function or Property Get "As T()".
    bool ReturnsArray(const TokenizedCode& c) const;
};
ProcedureHeader ReadProcedureHeader(const TokenizedCode& c);

bool IsEndOf(const TokenizedCode& c, std::string_view what);  // End Enum, End Type, ...
bool IsProcedureEnd(const TokenizedCode& c);
// The name "[Public|Private] Enum Name" (`word` Enum) or "... Type Name"
// declares; empty for another statement.
std::string BlockName(const TokenizedCode& c, std::string_view word, bool* isPublic = nullptr);

// The statements of a code file, a continued one joined, each without its
// comment and tokenized when first asked for.
class CodeStatements {
  public:
    explicit CodeStatements(const std::vector<std::string>& lines);

    size_t Size() const { return code_.size(); }
    size_t FirstLine(size_t s) const { return first_[s]; }
    const std::string& Code(size_t s) const { return code_[s]; }
    // The first name of its code: the word a cheap look decides by.
    std::string_view FirstWord(size_t s) const;
    const TokenizedCode& Tokens(size_t s) const;

  private:
    std::vector<size_t> first_;
    std::vector<std::string> code_;
    mutable std::vector<std::unique_ptr<TokenizedCode>> tokens_;
};

}  // namespace velorin
