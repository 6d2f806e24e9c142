#include "vb_interpreter.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>

#include "common/ansi_text.h"
#include "common/string_helpers.h"
#include "project/vb_logical_lines.h"
#include "project/vb_tokens.h"

namespace velorin::testing {
namespace {

using Kind = VbValue::Kind;
using Tokens = std::vector<VbToken>;
using Values = std::vector<VbValue>;
namespace chrono = std::chrono;

[[noreturn]] void Refuse(const std::string& what) {
    throw VbUnsupported("not implemented: " + what);
}

enum class Type { Variant, String, Whole, Double, Boolean };

Type TypeNamed(std::string_view name) {
    constexpr std::pair<std::string_view, Type> kTypes[] = {
        {"Variant", Type::Variant}, {"String", Type::String}, {"Long", Type::Whole},
        {"Integer", Type::Whole},   {"Double", Type::Double}, {"Date", Type::Double},
        {"Boolean", Type::Boolean}};
    for (const auto& [typeName, type] : kTypes) {
        if (IEquals(typeName, name))
            return type;
    }
    Refuse("the type " + std::string(name));
}

double ToNumber(const VbValue& v) {
    if (v.kind == Kind::Number || v.kind == Kind::Boolean || v.kind == Kind::Empty)
        return v.number;
    char* end = nullptr;
    const double n = v.kind == Kind::String ? std::strtod(v.text.c_str(), &end) : 0;
    if (v.kind != Kind::String || v.text.empty() || *end != '\0')
        throw VbError(v.kind == Kind::Null ? 94 : 13);
    return n;
}

// Format$ with digits ("#,##0.00", "#.0"), rounding a half away from zero.
std::string FormatDigits(double x, std::string_view pattern) {
    const size_t dot = std::min(pattern.find('.'), pattern.size());
    const std::string_view whole = pattern.substr(0, dot), fraction = pattern.substr(dot);
    if (whole.find_first_not_of("#,0") != std::string::npos ||
        (!fraction.empty() && fraction.find_first_not_of('0', 1) != std::string::npos))
        Refuse("the format " + std::string(pattern));
    const int decimals = std::max(static_cast<int>(fraction.size()) - 1, 0);
    const double scale = std::pow(10, decimals);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals,
                  std::floor(std::fabs(x) * scale + 0.5) / scale);
    std::string digits = buffer;
    if (digits.starts_with("0") && !whole.ends_with('0'))
        digits.erase(0, 1);
    const size_t point = std::min(digits.find('.'), digits.size());
    for (size_t at = point; at > 3 && whole.find(',') != std::string::npos; at -= 3)
        digits.insert(at - 3, ",");
    const bool zero = digits.find_first_of("123456789") == std::string::npos;
    return (x < 0 && !zero ? "-" : "") + digits;
}

// Format$ with a named format, a month's or a day's name, or digits.
std::string FormatValue(double n, std::string_view format) {
    if (IEquals(format, "Standard"))
        return FormatDigits(n, "#,##0.00");
    if (IEquals(format, "Currency"))
        return (n < 0 ? "($" : "$") + FormatDigits(std::fabs(n), "#,##0.00") + (n < 0 ? ")" : "");
    if (IEquals(format, "Percent"))
        return FormatDigits(n * 100, "0.00") + "%";
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    static const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    const chrono::sys_days days(chrono::days(static_cast<long>(std::floor(n)) - 25569));
    const chrono::year_month_day date(days);
    const unsigned m = static_cast<unsigned>(date.month()), d = static_cast<unsigned>(date.day());
    const std::string month = kMonths[m - 1], day = kDays[chrono::weekday(days).c_encoding()];
    const long s = std::lround((n - std::floor(n)) * 86400);
    char text[3][32];
    std::snprintf(text[0], 32, "%u/%u/%d", m, d, static_cast<int>(date.year()));
    std::snprintf(text[1], 32, "%ld:%02ld:%02ld %s", (s / 3600 + 11) % 12 + 1, s / 60 % 60, s % 60,
                  s < 43200 ? "AM" : "PM");
    std::snprintf(text[2], 32, "%02ld:%02ld", s / 3600, s / 60 % 60);
    const std::string general = std::floor(n) == 0 ? text[1]
                                : s == 0           ? text[0]
                                                   : std::string(text[0]) + " " + text[1];
    const std::pair<std::string_view, std::string> kNamed[] = {
        {"mmmm", month},
        {"mmm", month.substr(0, 3)},
        {"dddd", day},
        {"ddd", day.substr(0, 3)},
        {"Short Date", text[0]},
        {"Long Time", text[1]},
        {"Short Time", text[2]},
        {"General Date", general},
        {"Long Date", day + ", " + month + " " + std::to_string(d) + ", " +
                          std::to_string(static_cast<int>(date.year()))}};
    for (const auto& [name, formatted] : kNamed) {
        if (IEquals(name, format))
            return formatted;
    }
    return FormatDigits(n, format);
}

// 1 to 7 in a week that starts on day `first` (1 Sunday; 0 the system's: Sunday here).
long WeekdayOf(double serial, long first) {
    const chrono::sys_days day(chrono::days(static_cast<long>(std::floor(serial)) - 25569));
    return (static_cast<long>(chrono::weekday(day).c_encoding()) + 8 - std::max(first, 1L)) % 7 + 1;
}

VbValue Default(Type type) {
    return type == Type::Variant   ? VbValue()
           : type == Type::String  ? VbValue::String("")
           : type == Type::Boolean ? VbValue::Bool(false)
                                   : VbValue::Number(0);
}

// As Visual Basic converts a value it assigns, copying an array.
VbValue Coerce(VbValue v, Type type) {
    if (type == Type::Variant && v.kind == Kind::Array && v.items)
        v.items = std::make_shared<Values>(*v.items);
    if (type == Type::Variant || type == Type::String)
        return type == Type::String ? VbValue::String(VbText(v)) : v;
    const double n = ToNumber(v);  // a whole number goes to the even neighbour, as CLng
    return type == Type::Boolean ? VbValue::Bool(n != 0)
                                 : VbValue::Number(type == Type::Whole ? std::nearbyint(n) : n);
}

bool Truth(const VbValue& v) {
    return v.kind != Kind::Null && ToNumber(v) != 0;
}

struct Variable {
    Type type = Type::Variant;
    bool isArray = false;
    bool byRef = false;
    VbValue value;
};
enum class Flow { Next, ExitFunction, ExitFor, ExitDo };
enum class Block { None, If, ElseIf, Else, EndIf, For, Next, Do, Loop };

// "name[()] [As Type]" of a Dim or a parameter list, from t[at]; returns where it ends.
size_t ReadDeclared(const Tokens& t, size_t at, std::string& name, Variable& variable) {
    name = BareName(t.at(at++).text);
    if (at + 1 < t.size() && IsSymbol(t[at], "(") && IsSymbol(t[at + 1], ")"))
        variable.isArray = true, at += 2;
    if (at + 1 < t.size() && IsWord(t[at], "As"))
        variable.type = TypeNamed(t[at + 1].text), at += 2;
    if (at < t.size() && !IsSymbol(t[at], ",") && !IsSymbol(t[at], ")"))
        Refuse("the declaration of " + name + " with " + std::string(t[at].text));
    return at;
}

Block BlockOf(std::string_view statement) {
    const Tokens t = TokenizeStatement(statement);
    if (t.empty() || t[0].kind != TokenKind::Word)
        return Block::None;
    if (IsWord(t[0], "If") || IsWord(t[0], "End"))
        return IsWord(t[0], "If") ? (IsWord(t.back(), "Then") ? Block::If : Block::None)
                                  : (IsWord(t.back(), "If") ? Block::EndIf : Block::None);
    constexpr std::pair<std::string_view, Block> kBlocks[] = {
        {"ElseIf", Block::ElseIf}, {"Else", Block::Else}, {"For", Block::For},
        {"Next", Block::Next},     {"Do", Block::Do},     {"Loop", Block::Loop}};
    for (const auto& [word, block] : kBlocks) {
        if (IsWord(t[0], word))
            return block;
    }
    return Block::None;
}

int Precedence(const VbToken& token) {
    constexpr std::pair<std::string_view, int> kOperators[] = {
        {"Or", 1}, {"And", 2}, {"=", 4}, {"<>", 4}, {"<", 4}, {">", 4}, {"<=", 4},
        {">=", 4}, {"&", 5},   {"+", 6}, {"-", 6},  {"*", 9}, {"/", 9}, {"^", 11}};
    for (const auto& [text, level] : kOperators) {
        if (token.kind != TokenKind::String && IEquals(token.text, text))
            return level;
    }
    return 0;
}

VbValue Apply(const std::string& op, const VbValue& a, const VbValue& b) {
    if (op == "&")
        return VbValue::String((a.kind == Kind::Null ? "" : VbText(a)) +
                               (b.kind == Kind::Null ? "" : VbText(b)));
    const bool texts = a.kind == Kind::String && b.kind == Kind::String;
    if (op.find_first_of("=<>") != std::string::npos) {
        const double x = texts ? a.text.compare(b.text) : ToNumber(a) - ToNumber(b);
        return VbValue::Bool(op == "="    ? x == 0
                             : op == "<>" ? x != 0
                             : op == "<"  ? x < 0
                             : op == ">"  ? x > 0
                             : op == "<=" ? x <= 0
                                          : x >= 0);
    }
    if (op == "And" || op == "Or") {
        if (a.kind != Kind::Boolean || b.kind != Kind::Boolean)
            Refuse(op + " of numbers");
        return VbValue::Bool(op == "And" ? Truth(a) && Truth(b) : Truth(a) || Truth(b));
    }
    if (op == "+" && texts)
        return VbValue::String(a.text + b.text);
    const double x = ToNumber(a), y = ToNumber(b);
    if (op == "/" && y == 0)
        throw VbError(11);
    return VbValue::Number(op == "+"   ? x + y
                           : op == "-" ? x - y
                           : op == "*" ? x * y
                           : op == "/" ? x / y
                                       : std::pow(x, y));
}

VbValue BuiltIn(const std::string& name, const Values& a) {
    const auto count = [&](size_t least, size_t most) {
        if (a.size() < least || a.size() > most)
            throw VbError(450);
    };
    if (name == "ismissing" || name == "isnull")
        return count(1, 1),
               VbValue::Bool(a[0].kind == (name[2] == 'n' ? Kind::Null : Kind::Missing));
    if (name == "array")
        return VbValue::Array(a);
    for (const VbValue& arg : a) {
        if (arg.kind == Kind::Missing)
            throw VbError(448);
    }
    const auto text = [&](size_t i) { return VbText(a.at(i)); };
    const auto number = [&](size_t i) { return ToNumber(a.at(i)); };
    if (name == "len")
        return count(1, 1), VbValue::Number(static_cast<double>(text(0).size()));
    if (name == "mid" || name == "left") {  // Mid(s, start[, length]), Left(s, length)
        count(2, name == "mid" ? 3 : 2);
        const double start = name == "mid" ? number(1) : 1;
        const double length = name == "left" ? number(1) : a.size() > 2 ? number(2) : 1e9;
        if (start < 1 || length < 0)
            throw VbError(5);
        const std::string s = text(0);
        return VbValue::String(s.substr(std::min(static_cast<size_t>(start - 1), s.size()),
                                        static_cast<size_t>(length)));
    }
    if (name == "instr" || name == "strcomp") {  // InStr([start,] s, find[, compare])
        count(2, name == "instr" ? 4 : 3);
        const size_t first = name == "instr" && a.size() > 2 ? 1 : 0;
        const bool textual = a.size() > first + 2 && number(first + 2) == 1;
        const std::string s = textual ? AnsiLowerCase(text(first)) : text(first);
        const std::string find = textual ? AnsiLowerCase(text(first + 1)) : text(first + 1);
        if (name == "strcomp")
            return VbValue::Number((s > find) - (s < find));
        const double start = first ? number(0) : 1;
        if (start < 1)
            throw VbError(5);
        const size_t at = start > static_cast<double>(s.size()) + 1
                              ? std::string::npos
                              : s.find(find, static_cast<size_t>(start - 1));
        return VbValue::Number(at == std::string::npos ? 0 : static_cast<double>(at + 1));
    }
    if (name == "ubound" || name == "lbound") {
        count(1, 1);
        if (a[0].kind != Kind::Array || !a[0].items)
            throw VbError(a[0].kind == Kind::Array ? 9 : 13);
        return VbValue::Number(name[0] == 'l' ? 0 : static_cast<double>(a[0].items->size()) - 1);
    }
    const std::pair<std::string_view, double (*)(double)> kNumeric[] = {
        {"cdbl", [](double n) { return n; }},
        {"cdate", [](double n) { return n; }},
        {"int", [](double n) { return std::floor(n); }},
        {"abs", [](double n) { return std::fabs(n); }}};
    for (const auto& [function, apply] : kNumeric) {
        if (name == function && (count(1, 1), name != "cdate" || a[0].kind != Kind::String))
            return VbValue::Number(apply(number(0)));
    }
    if (name == "string")
        return count(2, 2),
               VbValue::String(std::string(static_cast<size_t>(number(0)), text(1).at(0)));
    if (name == "format")
        return count(2, 2), VbValue::String(FormatValue(number(0), text(1)));
    if (name == "dateserial") {
        count(3, 3);
        const chrono::sys_days day = chrono::year(static_cast<int>(number(0))) /
                                     chrono::month(static_cast<unsigned>(number(1))) / 1;
        return VbValue::Number(static_cast<double>(day.time_since_epoch().count()) + 25569 +
                               number(2) - 1);
    }
    if (name == "weekday")
        return count(1, 2), VbValue::Number(static_cast<double>(
                                WeekdayOf(number(0), a.size() > 1 ? std::lround(number(1)) : 1)));
    Refuse("the function " + name);
}

// One procedure running: its variables, and the statements it executes.
class Run {
  public:
    Run(const VbInterpreter& vb, const VbInterpreter::Procedure& p) : vb_(vb), p_(p) {}

    VbValue Invoke(const Values& args) {
        const Tokens t = TokenizeStatement(p_.header);
        if (t.size() < 4 || !IsSymbol(t[2], "("))
            Refuse(p_.header);
        size_t at = 3, given = 0;  // after "Function Name ("
        for (bool more = !IsSymbol(t[at], ")"); more; ++given) {
            bool optional = false, byVal = false;
            for (; IsWord(t[at], "Optional") || IsWord(t[at], "ByVal") || IsWord(t[at], "ByRef");
                 ++at)
                (IsWord(t[at], "Optional") ? optional : byVal) |= !IsWord(t[at], "ByRef");
            std::string name;
            Variable parameter;
            at = ReadDeclared(t, at, name, parameter);
            more = IsSymbol(t.at(at++), ",");
            if (optional && parameter.type != Type::Variant)
                Refuse("a typed Optional parameter");  // Visual Basic 4 has none
            const VbValue arg = given < args.size() ? args[given] : VbValue::Missing();
            if (arg.kind == Kind::Missing && !optional)
                throw VbError(449);
            parameter.byRef = !byVal;
            parameter.value = arg.kind == Kind::Missing ? arg : Coerce(arg, parameter.type);
            frame_[name] = parameter;
        }
        if (given < args.size())
            throw VbError(450);
        at += given == 0;  // past the ")" of no parameters
        const bool function = IsWord(t[0], "Function");
        if (function && at + 2 < t.size())
            Refuse("a function that returns an array");  // Visual Basic 5 has none
        Variable& result = frame_[std::string(t[1].text)];
        result.type = function && at + 1 < t.size() ? TypeNamed(t[at + 1].text) : Type::Variant;
        result.value = Default(result.type);
        if (Execute(0, p_.body.size()) == Flow::ExitFor)
            Refuse("Exit For outside a For");
        return function ? frame_[std::string(t[1].text)].value : VbValue();
    }

  private:
    // The statement that closes the block opened at `open`, and its ElseIf and Else.
    size_t BlockEnd(size_t open, size_t end, std::vector<size_t>& branches) const {
        const Block opener = BlockOf(p_.body[open]);
        const Block closer = opener == Block::If    ? Block::EndIf
                             : opener == Block::For ? Block::Next
                                                    : Block::Loop;
        for (size_t at = open + 1, depth = 0; at < end; ++at) {
            const Block block = BlockOf(p_.body[at]);
            if (block == opener)
                ++depth;
            else if (block == closer && depth-- == 0)
                return at;
            else if (depth == 0 && (block == Block::ElseIf || block == Block::Else))
                branches.push_back(at);
        }
        Refuse("a block without its end: " + p_.body[open]);
    }

    Flow Execute(size_t begin, size_t end) {
        for (size_t pc = begin; pc < end;) {
            const Block block = BlockOf(p_.body[pc]);
            if (block == Block::None) {
                if (const Flow flow = Simple(p_.body[pc]); flow != Flow::Next)
                    return flow;
                ++pc;
                continue;
            }
            if (block != Block::If && block != Block::For && block != Block::Do)
                Refuse("a misplaced " + p_.body[pc]);
            const Tokens t = TokenizeStatement(p_.body[pc]);
            std::vector<size_t> marks{pc};
            const size_t close = BlockEnd(pc, end, marks);
            Flow flow = Flow::Next;
            if (block == Block::If) {
                marks.push_back(close);
                for (size_t i = 0; i + 1 < marks.size(); ++i) {
                    const Tokens branch = TokenizeStatement(p_.body[marks[i]]);
                    if (IsWord(branch[0], "Else") ||
                        Truth(Evaluate(branch, 1, branch.size() - 1))) {
                        flow = Execute(marks[i] + 1, marks[i + 1]);
                        break;
                    }
                }
            } else if (block == Block::For) {  // For name = first To last [Step step]
                size_t at = 3;
                double value = ToNumber(Evaluate(t, at, t.size(), &at));
                if (!IsSymbol(t[2], "=") || !IsWord(t.at(at), "To"))
                    Refuse(p_.body[pc]);
                const double last = ToNumber(Evaluate(t, at + 1, t.size(), &at));
                const double step = at < t.size() ? ToNumber(Evaluate(t, at + 1, t.size())) : 1;
                if (at < t.size() && !IsWord(t[at], "Step"))
                    Refuse(p_.body[pc]);
                for (; flow == Flow::Next && (step >= 0 ? value <= last : value >= last);
                     value += step) {
                    Declared(t[1].text).value =
                        Coerce(VbValue::Number(value), Declared(t[1].text).type);
                    flow = Execute(pc + 1, close);
                    value = ToNumber(Declared(t[1].text).value);
                }
                flow = flow == Flow::ExitFor ? Flow::Next : flow;
            } else {  // Do [While|Until condition] ... Loop
                const bool until = t.size() > 1 && IsWord(t[1], "Until");
                if ((t.size() > 1 && !until && !IsWord(t[1], "While")) ||
                    TokenizeStatement(p_.body[close]).size() > 1)
                    Refuse(p_.body[pc] + " ... " + p_.body[close]);
                while (flow == Flow::Next &&
                       (t.size() == 1 || Truth(Evaluate(t, 2, t.size())) != until))
                    flow = Execute(pc + 1, close);
                flow = flow == Flow::ExitDo ? Flow::Next : flow;
            }
            if (flow != Flow::Next)
                return flow;
            pc = close + 1;
        }
        return Flow::Next;
    }

    Flow Simple(std::string_view statement) {
        const Tokens t = TokenizeStatement(statement);
        if (t.empty())
            return Flow::Next;
        if (IsWord(t[0], "Dim")) {
            for (size_t at = 1; at < t.size(); ++at) {
                std::string name;
                Variable variable;
                at = ReadDeclared(t, at, name, variable);
                variable.value =
                    variable.isArray ? VbValue::Of(Kind::Array) : Default(variable.type);
                frame_[name] = variable;
            }
        } else if (IsWord(t[0], "ReDim")) {  // ReDim [Preserve] name(upper)
            const size_t at = IsWord(t[1], "Preserve") ? 2 : 1;
            Variable& array = Declared(t[at].text);
            size_t close = 0;
            const double upper = ToNumber(Evaluate(t, at + 2, t.size(), &close));
            if (!array.isArray || !IsSymbol(t[close], ")") || close + 1 != t.size())
                Refuse(std::string(statement));
            Values items = at == 2 && array.value.items ? *array.value.items : Values();
            items.resize(static_cast<size_t>(upper + 1), Default(array.type));
            array.value.items = std::make_shared<Values>(std::move(items));
        } else if (IsWord(t[0], "Exit") && t.size() == 2) {
            return IsWord(t[1], "Function") ? Flow::ExitFunction
                   : IsWord(t[1], "For")    ? Flow::ExitFor
                   : IsWord(t[1], "Do")     ? Flow::ExitDo
                                            : (Refuse(std::string(statement)), Flow::Next);
        } else if (IsWord(t[0], "Err") && t.size() > 3 && IsWord(t[2], "Raise")) {
            throw VbError(static_cast<int>(ToNumber(Evaluate(t, 3, t.size()))));
        } else if (IsWord(t[0], "If")) {  // If condition Then statement [Else statement]
            size_t then = 1, otherwise = 1;
            while (then < t.size() && !IsWord(t[then], "Then"))
                ++then;
            while (otherwise < t.size() && !IsWord(t[otherwise], "Else"))
                ++otherwise;
            const auto from = [&](size_t at) {
                return at < t.size() ? static_cast<size_t>(t[at].text.data() - statement.data())
                                     : statement.size();
            };
            if (Truth(Evaluate(t, 1, then)))
                return Simple(statement.substr(from(then + 1), from(otherwise) - from(then + 1)));
            return Simple(statement.substr(from(std::min(otherwise + 1, t.size()))));
        } else if (t[0].kind == TokenKind::Word && t.size() > 2) {  // name[(index)] = value
            Variable& target = Declared(t[0].text);
            size_t at = 1;
            const Values index = IsSymbol(t[1], "(") ? Arguments(t, at) : Values();
            if (!IsSymbol(t[at], "="))
                Refuse("the statement " + std::string(statement));
            const VbValue value = Evaluate(t, at + 1, t.size());
            if (target.byRef ||
                (target.isArray && index.empty()))  // Visual Basic 5 assigns no array
                Refuse("the assignment to " + std::string(t[0].text));
            (index.empty() ? target.value : Element(target, index)) = Coerce(value, target.type);
        } else {
            Refuse("the statement " + std::string(statement));
        }
        return Flow::Next;
    }

    Variable& Declared(std::string_view name) {
        const auto found = frame_.find(std::string(BareName(name)));
        if (found == frame_.end())
            Refuse("the undeclared name " + std::string(name));
        return found->second;
    }

    static VbValue& Element(Variable& variable, const Values& index) {
        if (variable.value.kind != Kind::Array || index.size() != 1)
            throw VbError(13);
        const double at = ToNumber(index[0]);
        if (!variable.value.items || at < 0 ||
            at >= static_cast<double>(variable.value.items->size()))
            throw VbError(9);
        return (*variable.value.items)[static_cast<size_t>(at)];
    }

    // The expression in t[at, end); `stop` takes where it ends, or it must take all.
    VbValue Evaluate(const Tokens& t, size_t at, size_t end, size_t* stop = nullptr) {
        const Tokens part(t.begin() + static_cast<long>(at), t.begin() + static_cast<long>(end));
        size_t next = 0;
        VbValue value = Binary(part, next, 0);
        if (stop)
            *stop = at + next;
        else if (next != part.size())
            Refuse("the expression from " + std::string(part[next].text));
        return value;
    }

    // The operand at t[at] and the operators above `floor` after it, left to right.
    VbValue Binary(const Tokens& t, size_t& at, int floor) {
        VbValue left;
        if (IsWord(t.at(at), "Not")) {
            left = Binary(t, ++at, 3);
            if (left.kind != Kind::Boolean)
                Refuse("Not of a number");
            left = VbValue::Bool(!Truth(left));
        } else if (IsSymbol(t[at], "-")) {
            left = VbValue::Number(-ToNumber(Binary(t, ++at, 10)));
        } else {
            left = Primary(t, at);
        }
        while (at < t.size() && Precedence(t[at]) > floor) {
            const std::string op = AnsiLowerCase(t[at].text) == "and"  ? "And"
                                   : AnsiLowerCase(t[at].text) == "or" ? "Or"
                                                                       : std::string(t[at].text);
            const int level = Precedence(t[at++]);
            left = Apply(op, left, Binary(t, at, level));
        }
        return left;
    }

    // The arguments in parentheses from t[at], "(", on; one left out is Missing.
    Values Arguments(const Tokens& t, size_t& at) {
        Values args;
        if (IsSymbol(t.at(++at), ")"))
            return ++at, args;
        for (;; ++at) {
            const bool empty = IsSymbol(t.at(at), ",") || IsSymbol(t[at], ")");
            args.push_back(empty ? VbValue::Missing() : Binary(t, at, 0));
            if (IsSymbol(t.at(at), ")"))
                return ++at, args;
            if (!IsSymbol(t[at], ","))
                Refuse("the argument list at " + std::string(t[at].text));
        }
    }

    VbValue Primary(const Tokens& t, size_t& at) {
        const VbToken token = t.at(at++);
        if (token.kind == TokenKind::Number)
            return VbValue::Number(std::stod(std::string(BareName(token.text))));
        if (token.kind == TokenKind::String)
            return VbValue::String(
                ReplaceAll(token.text.substr(1, token.text.size() - 2), "\"\"", "\""));
        if (IsSymbol(token, "(")) {
            const VbValue value = Binary(t, at, 0);
            if (!IsSymbol(t.at(at++), ")"))
                Refuse("unbalanced parentheses");
            return value;
        }
        if (token.kind != TokenKind::Word)
            Refuse("the token " + std::string(token.text));
        std::string name(BareName(token.text));
        if (IEquals(name, "True") || IEquals(name, "False") || IEquals(name, "Null"))
            return IEquals(name, "Null") ? VbValue::Null() : VbValue::Bool(IEquals(name, "True"));
        const bool qualified = IEquals(name, "VBA") && at + 1 < t.size() && IsSymbol(t[at], ".");
        if (qualified)
            name = BareName(t[at + 1].text), at += 2;
        const Values args = at < t.size() && IsSymbol(t[at], "(") ? Arguments(t, at) : Values();
        const auto variable = frame_.find(name);
        if (variable != frame_.end() && !qualified)
            return args.empty() ? variable->second.value : Element(variable->second, args);
        if (const VbInterpreter::Procedure* procedure = qualified ? nullptr : vb_.Find(name))
            return Run(vb_, *procedure).Invoke(args);
        return BuiltIn(AnsiLowerCase(name), args);
    }

    const VbInterpreter& vb_;
    const VbInterpreter::Procedure& p_;
    std::map<std::string, Variable, ILess> frame_;
};

}  // namespace

std::string VbText(const VbValue& value) {
    if (value.kind == Kind::String || value.kind == Kind::Empty)
        return value.text;
    if (value.kind == Kind::Boolean)
        return value.number != 0 ? "True" : "False";
    if (value.kind != Kind::Number)
        throw VbError(value.kind == Kind::Null ? 94 : 13);
    char buffer[64];
    const bool whole = value.number == std::floor(value.number) && std::fabs(value.number) < 1e15;
    std::snprintf(buffer, sizeof buffer, whole ? "%.0f" : "%.15g", value.number);
    return buffer;
}

VbInterpreter::VbInterpreter(std::string_view moduleText) {
    const std::vector<std::string> physical = SplitLines(moduleText);
    const std::vector<std::string_view> lines(physical.begin(), physical.end());
    Procedure* open = nullptr;
    for (const LogicalLine& line : ReadLogicalLines(lines, 0, lines.size())) {
        std::string first(line.StatementCount() > 0 ? TrimBlanks(line.Statement(0)) : "");
        for (std::string_view modifier : {"Public ", "Private "}) {
            if (open == nullptr && IStartsWith(first, modifier))
                first.erase(0, modifier.size());
        }
        if (open == nullptr &&
            (StartsWithWord(first, "Function") || StartsWithWord(first, "Sub"))) {
            open = &procedures_.emplace_back(Procedure{first, {}});
        } else if (open && (IEquals(first, "End Function") || IEquals(first, "End Sub"))) {
            open = nullptr;
        } else if (open) {
            // Kept to be refused when they run: a label, and a single-line If
            // whose Then has more than one statement.
            if (!line.label.empty())
                open->body.push_back("<label " + line.label + ">");
            const bool several = line.StatementCount() > 1 && StartsWithWord(first, "If");
            if (several)
                open->body.emplace_back("<a single-line If of several statements>");
            for (size_t i = 0; i < line.StatementCount() && !several; ++i)
                open->body.emplace_back(TrimBlanks(line.Statement(i)));
        }
    }
}

const VbInterpreter::Procedure* VbInterpreter::Find(std::string_view name) const {
    for (const Procedure& procedure : procedures_) {
        if (IEquals(TokenizeStatement(procedure.header).at(1).text, name))
            return &procedure;
    }
    return nullptr;
}

VbValue VbInterpreter::Call(std::string_view procedure,
                            const std::vector<VbValue>& arguments) const {
    const Procedure* found = Find(procedure);
    if (found == nullptr)
        Refuse("the procedure " + std::string(procedure));
    return Run(*this, *found).Invoke(arguments);
}

}  // namespace velorin::testing
