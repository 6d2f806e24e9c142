#include "project/code_structure_check.h"

#include <map>
#include <set>

#include "common/ansi_text.h"
#include "project/vb_language.h"
#include "project/vb_tokens.h"

namespace velorin {
namespace {

constexpr int kMostContinuations = 24;

using Tokens = std::vector<VbToken>;
using NameSet = std::set<std::string, ILess>;

enum class BlockKind { If, Select, For, Do, While, With };

struct BlockWords {
    std::string_view opener;
    std::string_view closer;
};

// In the order of BlockKind.
constexpr BlockWords kBlockWords[] = {
    {"If", "End If"},  {"Select Case", "End Select"}, {"For", "Next"}, {"Do", "Loop"},
    {"While", "Wend"}, {"With", "End With"},
};

std::string_view OpenerName(BlockKind kind) {
    return kBlockWords[static_cast<size_t>(kind)].opener;
}

std::string_view CloserName(BlockKind kind) {
    return kBlockWords[static_cast<size_t>(kind)].closer;
}

std::string_view KindName(ProcedureKind kind) {
    switch (kind) {
        case ProcedureKind::Sub:
            return "Sub";
        case ProcedureKind::Function:
            return "Function";
        default:
            return "Property";
    }
}

// Kinds that may share one name: Property Get, Let and Set, one of each.
int KindBit(ProcedureKind kind) {
    switch (kind) {
        case ProcedureKind::PropertyGet:
            return 2;
        case ProcedureKind::PropertyLet:
            return 4;
        case ProcedureKind::PropertySet:
            return 8;
        default:
            return 1;
    }
}

struct Block {
    BlockKind kind = BlockKind::If;
    int line = 0;
    std::string key;
    std::string variable;  // of a For
    bool hasElse = false;
    bool hasCase = false;
};

struct LabelUse {
    std::string label;
    int line = 0;
    std::string key;
};

// Statements allowed before the first procedure.
constexpr std::string_view kDeclarationWords[] = {
    "Option",  "Dim",       "Public",     "Private", "Global",  "Const",  "Static",
    "Declare", "Type",      "Enum",       "DefBool", "DefByte", "DefInt", "DefLng",
    "DefCur",  "DefSng",    "DefDbl",     "DefDec",  "DefDate", "DefStr", "DefObj",
    "DefVar",  "Attribute", "Implements", "Event",   "Friend",
};

// Statements that have no place inside a procedure.
constexpr std::string_view kModuleOnlyWords[] = {
    "Option", "Declare", "Type",   "Enum",   "Public",  "Private", "Global", "Implements",
    "Event",  "DefInt",  "DefLng", "DefStr", "DefBool", "DefVar",  "DefDbl", "DefSng"};

// Statement keywords that a class may still give its members as names, as
// Visual Basic's own objects do (obj.Name, obj.Width, obj.Close).
bool IsMemberNameKeyword(std::string_view word) {
    for (std::string_view keyword : {"Name", "Width", "Close", "Open"}) {
        if (IEquals(word, keyword))
            return true;
    }
    return false;
}

bool IsOneOf(const VbToken& token, std::initializer_list<std::string_view> words) {
    for (std::string_view word : words) {
        if (IsWord(token, word))
            return true;
    }
    return false;
}

template <size_t N>
bool IsOneOf(const VbToken& token, const std::string_view (&words)[N]) {
    for (std::string_view word : words) {
        if (IsWord(token, word))
            return true;
    }
    return false;
}

// The index of the ')' matching the '(' at `open`; `end` when there is none.
size_t MatchingParen(const Tokens& t, size_t open, size_t end) {
    int depth = 0;
    for (size_t i = open; i < end; ++i) {
        if (IsSymbol(t[i], "("))
            ++depth;
        else if (IsSymbol(t[i], ")") && --depth == 0)
            return i;
    }
    return end;
}

// [begin, end) split at commas outside parentheses.
std::vector<std::pair<size_t, size_t>> SplitAtCommas(const Tokens& t, size_t begin, size_t end) {
    std::vector<std::pair<size_t, size_t>> parts;
    if (begin >= end)
        return parts;
    int depth = 0;
    size_t start = begin;
    for (size_t i = begin; i < end; ++i) {
        if (IsSymbol(t[i], "("))
            ++depth;
        else if (IsSymbol(t[i], ")"))
            --depth;
        else if (depth == 0 && IsSymbol(t[i], ",")) {
            parts.emplace_back(start, i);
            start = i + 1;
        }
    }
    parts.emplace_back(start, end);
    return parts;
}

// The first word `word` at parenthesis depth 0 in [begin, end); `end` when none.
size_t FindTopLevelWord(const Tokens& t, size_t begin, size_t end, std::string_view word) {
    int depth = 0;
    for (size_t i = begin; i < end; ++i) {
        if (IsSymbol(t[i], "("))
            ++depth;
        else if (IsSymbol(t[i], ")"))
            --depth;
        else if (depth == 0 && IsWord(t[i], word))
            return i;
    }
    return end;
}

// A token that stands for a value: two in a row lack an operator between them.
bool IsValue(const VbToken& token) {
    switch (token.kind) {
        case TokenKind::Number:
        case TokenKind::String:
        case TokenKind::Date:
            return true;
        case TokenKind::Word:
            return !IsReservedWord(token.text) ||
                   IsOneOf(token, {"True", "False", "Nothing", "Null", "Empty", "Me"});
        case TokenKind::Symbol:
            return false;
    }
    return false;
}

bool EndsAValue(const VbToken& token) {
    return IsValue(token) || IsSymbol(token, ")");
}

bool IsBinaryOperator(const VbToken& token) {
    if (token.kind == TokenKind::Word)
        return IsOperatorWord(token.text) && !IsWord(token, "Not");
    if (token.kind != TokenKind::Symbol)
        return false;
    for (std::string_view op :
         {"=", "&", "+", "-", "*", "/", "\\", "^", "<", ">", "<=", ">=", "<>"}) {
        if (token.text == op)
            return true;
    }
    return false;
}

std::string Unquote(std::string_view text) {
    std::string value;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        value.push_back(text[i]);
        if (text[i] == '"')
            ++i;
    }
    return value;
}

// Whether a statement inside a procedure may end it or begin another: only one
// that names Sub, Function or Property can, and a directive keeps #If in step.
bool MayOpenOrCloseProcedure(std::string_view statement) {
    return statement.starts_with('#') || IFind(statement, "sub") != std::string_view::npos ||
           IFind(statement, "function") != std::string_view::npos ||
           IFind(statement, "property") != std::string_view::npos;
}

class CodeChecker {
  public:
    explicit CodeChecker(const CodeContext& context) : context_(context) {
        if (context_.controls != nullptr) {
            for (const FormControl& control : *context_.controls)
                controls_.emplace(control.name, &control);
        }
    }

    CodeFacts Run(const std::vector<LogicalLine>& lines) {
        for (const LogicalLine& line : lines)
            ReadLine(line);
        if (inProcedure_) {
            const Procedure& procedure = facts_.procedures[current_];
            Fault(procedure.line,
                  std::string(KindName(procedure.kind)) + " " + procedure.name +
                      " is not closed by End " + std::string(KindName(procedure.kind)),
                  procedureKey_);
            CloseProcedure(0);
        }
        if (inType_ || inEnum_)
            Fault(typeLine_, inType_ ? "Type without End Type" : "Enum without End Enum");
        if (!conditionals_.empty())
            Fault(conditionals_.back().line, "#If without #End If");
        return std::move(facts_);
    }

  private:
    struct Conditional {
        int line = 0;
        std::vector<Block> before;
        std::vector<Block> firstBranch;
        bool branched = false;
        int branch = 0;  // 0 for the #If's own lines, then one per #ElseIf or #Else
    };
    // Where a line stands in the #If blocks: each open #If by its line, and the branch.
    using ConditionalPath = std::vector<std::pair<int, int>>;

    ConditionalPath CurrentPath() const {
        ConditionalPath path;
        for (const Conditional& c : conditionals_)
            path.emplace_back(c.line, c.branch);
        return path;
    }

    // Two branches of one #If: only one of them is compiled.
    static bool Alternatives(const ConditionalPath& a, const ConditionalPath& b) {
        for (size_t i = 0; i < a.size() && i < b.size() && a[i].first == b[i].first; ++i) {
            if (a[i].second != b[i].second)
                return true;
        }
        return false;
    }

    const std::string& Key() {
        if (key_.empty() && line_ != nullptr)
            key_ = LineKey(line_->code);
        return key_;
    }

    std::string ProcedureName() const {
        return inProcedure_ ? facts_.procedures[current_].name : std::string();
    }

    void Fault(int line, std::string message, const std::string& key) {
        facts_.findings.push_back({line, std::move(message), ProcedureName(), key});
    }
    void Fault(int line, std::string message) { Fault(line, std::move(message), Key()); }
    void Fault(std::string message) { Fault(line_->line, std::move(message)); }

    bool InScope(std::string_view name) const {
        return locals_.count(name) > 0 || moduleNames_.count(name) > 0 ||
               controls_.count(name) > 0 || IEquals(name, context_.formName);
    }

    void ReadLine(const LogicalLine& line) {
        line_ = &line;
        key_.clear();
        if (line.continuations > kMostContinuations)
            Fault("more than 24 line continuations in one statement (" +
                  std::to_string(line.continuations) + ")");
        if (line.swallowedLine != 0)
            Fault(line.swallowedLine - 1,
                  "the comment ends in \" _\", so Visual Basic takes line " +
                      std::to_string(line.swallowedLine) + " into the comment");
        if (line.continuedAtEnd)
            Fault(line.lastLine, "a line continuation with no line after it");
        if (!line.label.empty())
            DefineLabel(line.label);
        singleLine_ = false;
        for (size_t i = 0; i < line.StatementCount(); ++i) {
            const std::string_view text = line.Statement(i);
            if (context_.namesOnly && inProcedure_ && !MayOpenOrCloseProcedure(text))
                continue;
            TokenizeStatement(text, tokens_);
            reportedValues_ = false;
            CheckTokens(tokens_);
            Statement(tokens_, 0, tokens_.size(), singleLine_);
        }
    }

    // Faults any statement can have: an open string, unbalanced parentheses,
    // two values without an operator inside parentheses, a trailing operator.
    void CheckTokens(const Tokens& t) {
        int depth = 0;
        bool reportedParen = false;
        for (size_t i = 0; i < t.size(); ++i) {
            if (t[i].unterminated)
                Fault("a string that is not terminated: " + std::string(t[i].text));
            if (IsSymbol(t[i], "(")) {
                ++depth;
            } else if (IsSymbol(t[i], ")")) {
                if (--depth < 0 && !reportedParen) {
                    Fault("a ')' without its '('");
                    reportedParen = true;
                    depth = 0;
                }
            } else if (depth > 0 && i > 0 && EndsAValue(t[i - 1]) && IsValue(t[i])) {
                MissingOperator(t[i - 1], t[i]);
            }
        }
        if (depth > 0 && !reportedParen)
            Fault("a '(' that is not closed");
        if (!t.empty() && IsBinaryOperator(t.back()) && !IsWord(t.front(), "Case")) {
            std::string message =
                "the statement ends in " + std::string(t.back().text) + ", with nothing after it";
            if (line_->continuations > 0 || line_->hasComment)
                message += " (what should follow is commented out)";
            Fault(std::move(message));
        }
    }

    void MissingOperator(const VbToken& a, const VbToken& b) {
        if (reportedValues_)
            return;
        reportedValues_ = true;
        std::string message =
            "no operator or comma between " + std::string(a.text) + " and " + std::string(b.text);
        if (a.kind == TokenKind::String || b.kind == TokenKind::String)
            message += " (a quote inside a string is written \"\")";
        Fault(std::move(message));
    }

    // Values side by side at the top level of an expression.
    void CheckExpression(const Tokens& t, size_t begin, size_t end) {
        int depth = 0;
        for (size_t i = begin; i < end; ++i) {
            if (IsSymbol(t[i], "("))
                ++depth;
            else if (IsSymbol(t[i], ")"))
                --depth;
            else if (depth == 0 && i > begin && EndsAValue(t[i - 1]) && IsValue(t[i]))
                MissingOperator(t[i - 1], t[i]);
        }
    }

    void Statement(const Tokens& t, size_t b, size_t e, bool single) {
        if (b >= e)
            return;
        if (IsSymbol(t[b], "#")) {
            Directive(t, b + 1, e);
            return;
        }
        size_t k = b;
        bool isPrivate = false;
        while (k < e && IsOneOf(t[k], {"Public", "Private", "Friend", "Global", "Static"})) {
            isPrivate = isPrivate || IsWord(t[k], "Private");
            ++k;
        }
        if (k < e && IsOneOf(t[k], {"Sub", "Function", "Property"})) {
            Header(t, k, e, !isPrivate, false);
            return;
        }
        if (k < e && IsWord(t[k], "Declare")) {
            if (inProcedure_)
                Fault("Declare inside a procedure");
            if (k + 1 < e && IsOneOf(t[k + 1], {"Sub", "Function"}))
                Header(t, k + 1, e, !isPrivate, true);
            return;
        }
        if (IsWord(t[b], "End") && b + 1 < e &&
            IsOneOf(t[b + 1], {"Sub", "Function", "Property"})) {
            EndProcedure(t[b + 1].text);
            return;
        }
        if (!inProcedure_) {
            Declaration(t, b, e);
            return;
        }
        Executable(t, b, e, single);
    }

    void Directive(const Tokens& t, size_t b, size_t e) {
        if (b >= e)
            return;
        if (IsWord(t[b], "If")) {
            conditionals_.push_back({line_->line, blocks_, {}, false});
        } else if (IsWord(t[b], "ElseIf") || IsWord(t[b], "Else")) {
            if (conditionals_.empty()) {
                Fault("#" + std::string(t[b].text) + " without #If");
                return;
            }
            Conditional& open = conditionals_.back();
            ++open.branch;
            if (!open.branched) {
                open.firstBranch = blocks_;
                open.branched = true;
            }
            blocks_ = open.before;
        } else if (IsWord(t[b], "End") || IsWord(t[b], "EndIf")) {
            if (conditionals_.empty()) {
                Fault("#End If without #If");
                return;
            }
            if (conditionals_.back().branched)
                blocks_ = conditionals_.back().firstBranch;
            conditionals_.pop_back();
        }
    }

    void Header(const Tokens& t, size_t k, size_t e, bool isPublic, bool isDeclare) {
        Procedure procedure;
        procedure.isPublic = isPublic;
        procedure.isDeclare = isDeclare;
        procedure.line = line_->line;
        size_t i = k + 1;
        if (IsWord(t[k], "Function")) {
            procedure.kind = ProcedureKind::Function;
        } else if (IsWord(t[k], "Property")) {
            if (i < e && IsWord(t[i], "Get"))
                procedure.kind = ProcedureKind::PropertyGet;
            else if (i < e && IsWord(t[i], "Let"))
                procedure.kind = ProcedureKind::PropertyLet;
            else if (i < e && IsWord(t[i], "Set"))
                procedure.kind = ProcedureKind::PropertySet;
            else {
                Fault("Property without Get, Let or Set");
                return;
            }
            ++i;
        }
        if (i >= e || t[i].kind != TokenKind::Word || !IsVbIdentifier(BareName(t[i].text)) ||
            (IsReservedWord(t[i].text) && !(context_.isClass && IsMemberNameKeyword(t[i].text)))) {
            Fault(std::string(KindName(procedure.kind)) + " without a valid name");
            return;
        }
        procedure.name = std::string(BareName(t[i].text));
        ++i;
        if (isDeclare) {
            while (i < e && !IsSymbol(t[i], "("))
                ++i;
        }
        if (i < e && IsSymbol(t[i], "(")) {
            const size_t close = MatchingParen(t, i, e);
            for (auto [pb, pe] : SplitAtCommas(t, i + 1, close))
                ReadParameter(t, pb, pe, procedure);
        }
        if (isDeclare) {
            if (inProcedure_)
                return;
            moduleNames_.insert(procedure.name);
            AddProcedure(std::move(procedure));
            return;
        }
        if (inProcedure_) {
            const Procedure& open = facts_.procedures[current_];
            Fault(std::string(KindName(procedure.kind)) + " " + procedure.name + " begins inside " +
                  std::string(KindName(open.kind)) + " " + open.name + " (line " +
                  std::to_string(open.line) + "), which is not closed");
            CloseProcedure(line_->line);
        }
        AddProcedure(std::move(procedure));
        current_ = facts_.procedures.size() - 1;
        inProcedure_ = true;
        seenProcedure_ = true;
        procedureKey_ = Key();
        locals_.clear();
        for (const Parameter& parameter : facts_.procedures[current_].parameters)
            locals_.insert(parameter.name);
        if (context_.isForm && facts_.procedures[current_].kind == ProcedureKind::Sub)
            CheckEventProcedure(facts_.procedures[current_]);
    }

    void ReadParameter(const Tokens& t, size_t b, size_t e, Procedure& procedure) {
        Parameter parameter;
        size_t i = b;
        for (; i < e && t[i].kind == TokenKind::Word; ++i) {
            if (IsWord(t[i], "Optional"))
                parameter.optional = true;
            else if (IsWord(t[i], "ParamArray"))
                parameter.paramArray = true;
            else if (!IsOneOf(t[i], {"ByVal", "ByRef"}))
                break;
        }
        if (i >= e || t[i].kind != TokenKind::Word || !IsVbIdentifier(BareName(t[i].text))) {
            Fault("ill-formed parameter in the declaration of " + procedure.name);
            return;
        }
        parameter.name = std::string(BareName(t[i].text));
        ++i;
        if (i + 1 < e && IsSymbol(t[i], "(") && IsSymbol(t[i + 1], ")"))
            i += 2;
        if (i < e && IsWord(t[i], "As")) {
            ++i;
            const size_t typeStart = i;
            while (i < e && !IsSymbol(t[i], "="))
                ++i;
            if (typeStart < i)
                parameter.type = std::string(t[typeStart].text);
        }
        if (i < e && IsSymbol(t[i], "=") && !parameter.optional)
            Fault("a default value for parameter " + parameter.name + ", which is not Optional");
        else if (i < e && !IsSymbol(t[i], "="))
            Fault("ill-formed parameter " + parameter.name + " in the declaration of " +
                  procedure.name);
        for (const Parameter& other : procedure.parameters) {
            if (IEquals(other.name, parameter.name))
                Fault("parameter " + parameter.name + " declared twice in " + procedure.name);
        }
        if (!procedure.parameters.empty() && procedure.parameters.back().paramArray)
            Fault("a parameter after the ParamArray of " + procedure.name);
        else if (!procedure.parameters.empty() && procedure.parameters.back().optional &&
                 !parameter.optional && !parameter.paramArray)
            Fault("parameter " + parameter.name + " of " + procedure.name +
                  " follows an Optional one and is not Optional itself");
        procedure.parameters.push_back(std::move(parameter));
    }

    void AddProcedure(Procedure procedure) {
        // A form's controls are members of its module: no procedure may share a name with one.
        if (controls_.count(procedure.name) > 0)
            Fault(procedure.line, procedure.name + " is the name of a control of the form and of " +
                                      "a procedure: Visual Basic declares it twice");
        const int bit = KindBit(procedure.kind);
        auto [it, added] =
            namesSeen_.try_emplace(procedure.name, NameSeen{bit, procedure.line, CurrentPath()});
        if (!added) {
            NameSeen& seen = it->second;
            if (((seen.kinds & bit) != 0 || bit == 1 || (seen.kinds & 1) != 0) &&
                !Alternatives(seen.path, CurrentPath()))
                Fault(procedure.line, procedure.name +
                                          " is defined twice in this file (first at line " +
                                          std::to_string(seen.line) + ")");
            seen.kinds |= bit;
        }
        facts_.procedures.push_back(std::move(procedure));
    }

    void CheckEventProcedure(const Procedure& procedure) {
        const std::string& name = procedure.name;
        const std::vector<Parameter>& parameters = procedure.parameters;
        for (std::string_view prefix : {"Form_", "MDIForm_"}) {
            if (!IStartsWith(name, prefix))
                continue;
            const std::string event = name.substr(prefix.size());
            const int expected = EventParameterCount("Form", event);
            if (expected >= 0 && static_cast<int>(parameters.size()) != expected)
                Fault("the form's " + event + " event takes " + std::to_string(expected) +
                      " parameter(s); " + name + " declares " + std::to_string(parameters.size()));
            return;
        }
        for (size_t cut = name.rfind('_'); cut != std::string::npos && cut > 0;
             cut = name.rfind('_', cut - 1)) {
            auto it = controls_.find(std::string_view(name).substr(0, cut));
            if (it == controls_.end())
                continue;
            const FormControl& control = *it->second;
            const std::string event = name.substr(cut + 1);
            // Another word after the control's name makes an ordinary procedure.
            if (!IsControlEvent(control.className, event))
                return;
            const bool takesIndex = !parameters.empty() && IEquals(parameters[0].name, "Index");
            if (control.isArray && (!takesIndex || !IEquals(parameters[0].type, "Integer"))) {
                Fault(control.name + " is a control array: " + name +
                      " must take Index As Integer as its first parameter");
                return;
            }
            if (!control.isArray && takesIndex) {
                Fault(control.name + " is not a control array: " + name + " must not take Index");
                return;
            }
            const int expected = EventParameterCount(control.className, event);
            const size_t own = parameters.size() - (control.isArray ? 1 : 0);
            if (expected >= 0 && static_cast<int>(own) != expected)
                Fault("the " + event + " event of " + control.className + " takes " +
                      std::to_string(expected) + " parameter(s)" +
                      (control.isArray ? " after Index" : "") + "; " + name + " declares " +
                      std::to_string(own));
            return;
        }
    }

    void EndProcedure(std::string_view kindWord) {
        if (!inProcedure_) {
            Fault("End " + std::string(kindWord) + " without a " + std::string(kindWord));
            return;
        }
        const Procedure& procedure = facts_.procedures[current_];
        if (!IEquals(KindName(procedure.kind), kindWord))
            Fault("End " + std::string(kindWord) + " closes " +
                  std::string(KindName(procedure.kind)) + " " + procedure.name);
        CloseProcedure(line_->line);
    }

    // Blocks left open and labels never defined are faults of the procedure.
    void CloseProcedure(int endLine) {
        const std::string where =
            endLine > 0 ? " before line " + std::to_string(endLine) : std::string(" by the end");
        for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it)
            Fault(it->line,
                  std::string(OpenerName(it->kind)) + " without " +
                      std::string(CloserName(it->kind)) + ": it is not closed" + where,
                  it->key);
        for (const LabelUse& use : labelUses_) {
            if (labels_.count(use.label) == 0)
                Fault(use.line, "no label " + use.label + " in " + ProcedureName(), use.key);
        }
        blocks_.clear();
        labels_.clear();
        labelUses_.clear();
        locals_.clear();
        inProcedure_ = false;
    }

    void Declaration(const Tokens& t, size_t b, size_t e) {
        if (inType_ || inEnum_) {
            if (IsWord(t[b], "End") && b + 1 < e && IsOneOf(t[b + 1], {"Type", "Enum"})) {
                inType_ = inEnum_ = false;
            } else if (inEnum_ && t[b].kind == TokenKind::Word) {
                moduleNames_.insert(std::string(BareName(t[b].text)));
                if (enumPublic_)
                    facts_.publicVariables.emplace_back(BareName(t[b].text));
            }
            return;
        }
        if (seenProcedure_) {
            Fault("only comments may stand between procedures: " +
                  std::string(line_->code.substr(0, 60)));
            return;
        }
        if (!IsOneOf(t[b], kDeclarationWords)) {
            Fault("a statement in the declarations section, outside any procedure: " +
                  std::string(TrimmedStatement(t, b, e)));
            return;
        }
        size_t k = b;
        bool isPublic = false;
        while (k < e && IsOneOf(t[k], {"Public", "Private", "Global", "Dim", "Static", "Friend"})) {
            isPublic = isPublic || IsOneOf(t[k], {"Public", "Global"});
            ++k;
        }
        if (k < e && IsWord(t[k], "Type")) {
            inType_ = true;
            typeLine_ = line_->line;
            return;
        }
        if (k < e && IsWord(t[k], "Enum")) {
            inEnum_ = true;
            enumPublic_ = !IsWord(t[b], "Private");
            typeLine_ = line_->line;
            return;
        }
        if (k < e && IsWord(t[k], "Const"))
            ++k;
        else if (k == b)
            return;  // Option, Attribute, DefInt, ...
        for (const std::string& name : DeclaredNames(t, k, e)) {
            if (controls_.count(name) > 0)
                Fault(name + " is the name of a control of the form and of a variable: Visual " +
                      "Basic declares it twice");
            moduleNames_.insert(name);
            if (isPublic)
                facts_.publicVariables.push_back(name);
        }
    }

    static std::string_view TrimmedStatement(const Tokens& t, size_t b, size_t e) {
        const char* start = t[b].text.data();
        const char* end = t[e - 1].text.data() + t[e - 1].text.size();
        return std::string_view(start, static_cast<size_t>(end - start)).substr(0, 60);
    }

    // The names a Dim, Const, ReDim or Static declares from token k on.
    static std::vector<std::string> DeclaredNames(const Tokens& t, size_t k, size_t e) {
        std::vector<std::string> names;
        if (k < e && IsOneOf(t[k], {"Preserve", "WithEvents"}))
            ++k;
        for (auto [pb, pe] : SplitAtCommas(t, k, e)) {
            if (pb < pe && IsWord(t[pb], "WithEvents"))
                ++pb;
            if (pb < pe && t[pb].kind == TokenKind::Word)
                names.emplace_back(BareName(t[pb].text));
        }
        return names;
    }

    void Executable(const Tokens& t, size_t b, size_t e, bool single) {
        const VbToken& w = t[b];
        if (!single && !blocks_.empty() && blocks_.back().kind == BlockKind::Select &&
            !blocks_.back().hasCase && !IsWord(w, "Case") &&
            !(IsWord(w, "End") && b + 1 < e && IsWord(t[b + 1], "Select"))) {
            Fault("a statement between Select Case (line " + std::to_string(blocks_.back().line) +
                  ") and its first Case");
            blocks_.back().hasCase = true;
        }
        if (w.kind == TokenKind::Number) {
            if (single)
                UseLabel(std::string(w.text));  // If x Then 100: GoTo 100
            return;
        }
        if (w.kind != TokenKind::Word)
            return;
        if (IsWord(w, "If")) {
            IfStatement(t, b, e, single);
        } else if (IsWord(w, "ElseIf")) {
            CheckExpression(t, b + 1, FindTopLevelWord(t, b + 1, e, "Then"));
            if (single)
                return;
            if (Block* block = Top(BlockKind::If, "ElseIf", true);
                block != nullptr && block->hasElse)
                Fault("ElseIf after Else (line " + std::to_string(block->line) + ")");
        } else if (IsWord(w, "Else")) {
            if (!single) {
                if (Block* block = Top(BlockKind::If, "Else", true); block != nullptr) {
                    if (block->hasElse)
                        Fault("a second Else in the If of line " + std::to_string(block->line));
                    block->hasElse = true;
                }
            }
            Statement(t, b + 1, e, single);
        } else if (IsWord(w, "EndIf")) {
            Close(BlockKind::If, "End If", single);
        } else if (IsWord(w, "End") && b + 1 < e) {
            if (IsWord(t[b + 1], "If"))
                Close(BlockKind::If, "End If", single);
            else if (IsWord(t[b + 1], "Select"))
                Close(BlockKind::Select, "End Select", single);
            else if (IsWord(t[b + 1], "With"))
                Close(BlockKind::With, "End With", single);
            else if (IsOneOf(t[b + 1], {"Type", "Enum"}))
                Fault("End " + std::string(t[b + 1].text) + " inside a procedure");
        } else if (IsWord(w, "Select")) {
            if (b + 1 >= e || !IsWord(t[b + 1], "Case"))
                Fault("Select without Case");
            CheckExpression(t, b + 2, e);
            Open(BlockKind::Select, single);
        } else if (IsWord(w, "Case")) {
            CaseStatement(t, b, e, single);
        } else if (IsWord(w, "For")) {
            Open(BlockKind::For, single);
            const size_t var = b + 1 < e && IsWord(t[b + 1], "Each") ? b + 2 : b + 1;
            if (!single && var < e && t[var].kind == TokenKind::Word)
                blocks_.back().variable = std::string(BareName(t[var].text));
            const size_t to =
                FindTopLevelWord(t, b, e, IsWord(t[b + 1 < e ? b + 1 : b], "Each") ? "In" : "To");
            if (to == e)
                Fault(IsWord(t[b + 1 < e ? b + 1 : b], "Each") ? "For Each without In"
                                                               : "For without To");
        } else if (IsWord(w, "Next")) {
            NextStatement(t, b, e, single);
        } else if (IsWord(w, "Do")) {
            CheckExpression(t, b + 2, e);
            Open(BlockKind::Do, single);
        } else if (IsWord(w, "Loop")) {
            CheckExpression(t, b + 2, e);
            Close(BlockKind::Do, "Loop", single);
        } else if (IsWord(w, "While")) {
            CheckExpression(t, b + 1, e);
            Open(BlockKind::While, single);
        } else if (IsWord(w, "Wend")) {
            Close(BlockKind::While, "Wend", single);
        } else if (IsWord(w, "With")) {
            Open(BlockKind::With, single);
        } else if (IsWord(w, "Exit")) {
            ExitStatement(t, b, e);
        } else if (IsOneOf(w, {"GoTo", "GoSub"})) {
            if (b + 1 < e)
                UseLabel(std::string(t[b + 1].text));
        } else if (IsWord(w, "On")) {
            OnStatement(t, b, e);
        } else if (IsWord(w, "Resume")) {
            if (b + 1 < e && !IsWord(t[b + 1], "Next") && t[b + 1].text != "0")
                UseLabel(std::string(t[b + 1].text));
        } else if (IsOneOf(w, {"Dim", "Static", "ReDim", "Const"})) {
            for (const std::string& name : DeclaredNames(t, b + 1, e))
                locals_.insert(name);
        } else if (IsWord(w, "Call")) {
            CallStatement(t, b, e);
        } else if (IsOneOf(w, {"Load", "Unload"})) {
            // Load X, not Load X(1) nor Unload Screen.ActiveForm.
            if (b + 2 == e && t[b + 1].kind == TokenKind::Word && !IsReservedWord(t[b + 1].text) &&
                !InScope(BareName(t[b + 1].text)))
                facts_.formUses.push_back(
                    {std::string(BareName(t[b + 1].text)), line_->line, std::string(w.text)});
            ExpressionCalls(t, b + 1, e);
        } else if (IsOneOf(w, {"Set", "Let"})) {
            if (b + 1 < e && t[b + 1].kind == TokenKind::Word)
                GeneralStatement(t, b + 1, e);
        } else if (IsOneOf(w, kModuleOnlyWords)) {
            Fault(std::string(w.text) + " statement inside a procedure");
        } else if (IsWord(w, "Begin")) {
            Fault("a Begin block in the code");
        } else if (!IsReservedWord(w.text)) {
            GeneralStatement(t, b, e);
        } else {
            ExpressionCalls(t, b + 1, e);
        }
    }

    void IfStatement(const Tokens& t, size_t b, size_t e, bool single) {
        const size_t then = FindTopLevelWord(t, b + 1, e, "Then");
        if (then == e) {
            Fault("If without Then");
            return;
        }
        CheckExpression(t, b + 1, then);
        ExpressionCalls(t, b + 1, then);
        if (then + 1 == e && !single) {
            Open(BlockKind::If, false);
            return;
        }
        // A single-line If: the rest of the logical line belongs to it.
        singleLine_ = true;
        const size_t elseAt = FindTopLevelWord(t, then + 1, e, "Else");
        Statement(t, then + 1, elseAt, true);
        if (elseAt < e)
            Statement(t, elseAt + 1, e, true);
    }

    void CaseStatement(const Tokens& t, size_t b, size_t e, bool single) {
        for (auto [pb, pe] : SplitAtCommas(t, b + 1, e))
            CheckExpression(t, pb, pe);
        ExpressionCalls(t, b + 1, e);
        if (inProcedure_ && IEquals(facts_.procedures[current_].name, "GetFormFromName")) {
            for (size_t i = b + 1; i < e; ++i) {
                if (t[i].kind == TokenKind::String && !t[i].unterminated)
                    facts_.formCases.push_back(Unquote(t[i].text));
            }
        }
        if (single)
            return;
        if (Block* block = Top(BlockKind::Select, "Case", true); block != nullptr) {
            if (block->hasElse)
                Fault("Case after Case Else (line " + std::to_string(block->line) + ")");
            block->hasCase = true;
            if (b + 1 < e && IsWord(t[b + 1], "Else"))
                block->hasElse = true;
        }
    }

    void NextStatement(const Tokens& t, size_t b, size_t e, bool single) {
        if (single)
            return;
        const auto parts = SplitAtCommas(t, b + 1, e);
        if (parts.empty()) {
            Close(BlockKind::For, "Next", false);
            return;
        }
        for (auto [pb, pe] : parts) {
            const std::string name = pb < pe ? std::string(BareName(t[pb].text)) : std::string();
            Block* block = Top(BlockKind::For, "Next " + name);
            if (block == nullptr)
                return;
            if (!block->variable.empty() && !IEquals(block->variable, name))
                Fault("Next " + name + " closes the For " + block->variable + " of line " +
                      std::to_string(block->line));
            blocks_.pop_back();
        }
    }

    void ExitStatement(const Tokens& t, size_t b, size_t e) {
        if (b + 1 >= e) {
            Fault("Exit without Sub, Function, Property, For or Do");
            return;
        }
        const VbToken& what = t[b + 1];
        const Procedure& procedure = facts_.procedures[current_];
        if (IsOneOf(what, {"Sub", "Function", "Property"})) {
            if (!IEquals(what.text, KindName(procedure.kind)))
                Fault("Exit " + std::string(what.text) + " in " +
                      std::string(KindName(procedure.kind)) + " " + procedure.name);
            return;
        }
        const BlockKind kind = IsWord(what, "For") ? BlockKind::For : BlockKind::Do;
        if (!IsOneOf(what, {"For", "Do"})) {
            Fault("Exit " + std::string(what.text) + " is not a statement");
            return;
        }
        for (const Block& block : blocks_) {
            if (block.kind == kind)
                return;
        }
        Fault("Exit " + std::string(what.text) + " outside a " + std::string(what.text) + " loop");
    }

    void OnStatement(const Tokens& t, size_t b, size_t e) {
        if (b + 1 < e && IsWord(t[b + 1], "Local"))
            ++b;  // On Local Error
        if (b + 2 < e && IsWord(t[b + 1], "Error")) {
            if (IsWord(t[b + 2], "GoTo") && b + 3 < e && t[b + 3].text != "0" &&
                !IsSymbol(t[b + 3], "-"))
                UseLabel(std::string(t[b + 3].text));
            return;
        }
        size_t jump = b + 1;
        while (jump < e && !IsOneOf(t[jump], {"GoTo", "GoSub"}))
            ++jump;
        ExpressionCalls(t, b + 1, jump);
        for (auto [pb, pe] : SplitAtCommas(t, jump + 1, e)) {
            if (pb < pe)
                UseLabel(std::string(t[pb].text));
        }
    }

    void DefineLabel(const std::string& label) {
        if (!inProcedure_) {
            Fault("label " + label + " outside any procedure");
            return;
        }
        if (!blocks_.empty() && blocks_.back().kind == BlockKind::Select && !blocks_.back().hasCase)
            Fault("label " + label + " between Select Case (line " +
                  std::to_string(blocks_.back().line) + ") and its first Case");
        auto [it, added] = labels_.emplace(label, line_->line);
        if (!added)
            Fault("label " + label + " is defined twice in " + ProcedureName() +
                  " (first at line " + std::to_string(it->second) + ")");
    }

    void UseLabel(std::string label) {
        labelUses_.push_back({std::move(label), line_->line, Key()});
    }

    void Open(BlockKind kind, bool single) {
        if (single)
            return;
        Block block;
        block.kind = kind;
        block.line = line_->line;
        block.key = Key();
        blocks_.push_back(std::move(block));
    }

    // The innermost block when it is of `kind`; otherwise a fault. A Case,
    // Else or ElseIf (`inner`) inside a block left open goes on with the block
    // of its kind further out, closing what lies inside it. A closer is taken
    // as one whose opener was lost, and the blocks stay open: a commented-out
    // With leaves its End With behind.
    Block* Top(BlockKind kind, const std::string& what, bool inner = false) {
        if (!blocks_.empty() && blocks_.back().kind == kind)
            return &blocks_.back();
        for (size_t i = blocks_.size(); inner && i-- > 0;) {
            if (blocks_[i].kind != kind)
                continue;
            const Block& open = blocks_.back();
            Fault(what + " comes before the " + std::string(OpenerName(open.kind)) + " of line " +
                  std::to_string(open.line) + " is closed by " +
                  std::string(CloserName(open.kind)));
            blocks_.resize(i + 1);
            return &blocks_.back();
        }
        std::string message = what + " without " + std::string(OpenerName(kind));
        if (!blocks_.empty())
            message += " (the innermost open block is the " +
                       std::string(OpenerName(blocks_.back().kind)) + " of line " +
                       std::to_string(blocks_.back().line) + ")";
        Fault(std::move(message));
        return nullptr;
    }

    void Close(BlockKind kind, const std::string& what, bool single) {
        if (single)
            return;
        if (Top(kind, what) != nullptr)
            blocks_.pop_back();
    }

    // Call X, Call X(args), Call M.X(args).
    void CallStatement(const Tokens& t, size_t b, size_t e) {
        size_t i = b + 1;
        if (i >= e || t[i].kind != TokenKind::Word || IsReservedWord(t[i].text)) {
            ExpressionCalls(t, i, e);
            return;
        }
        std::string qualifier;
        if (i + 2 < e && (IsSymbol(t[i + 1], ".") || IsSymbol(t[i + 1], "!"))) {
            if (i + 3 < e && !IsSymbol(t[i + 3], "(")) {
                ExpressionCalls(t, i, e);
                return;  // a call through an object: a.b.c
            }
            qualifier = std::string(BareName(t[i].text));
            i += 2;
        }
        size_t argsBegin = i + 1;
        size_t argsEnd = argsBegin;
        if (argsBegin < e && IsSymbol(t[argsBegin], "(")) {
            argsEnd = MatchingParen(t, argsBegin, e);
            ++argsBegin;
        }
        const std::string_view name = BareName(t[i].text);
        if (!qualifier.empty() ||
            !(InScope(name) || IsBuiltInProcedure(name) || (context_.isForm && IsFormMethod(name))))
            RecordCall(t, i, argsBegin, argsEnd, qualifier, true);
        ExpressionCalls(t, argsBegin, argsEnd);
    }

    // A statement that starts with a name: an assignment, a method call, or a call.
    void GeneralStatement(const Tokens& t, size_t b, size_t e) {
        const std::string_view name = BareName(t[b].text);
        size_t k = b + 1;
        if (k < e && IsSymbol(t[k], "=")) {
            CheckExpression(t, k + 1, e);
            ExpressionCalls(t, k + 1, e);
            return;
        }
        if (k < e && (IsSymbol(t[k], ".") || IsSymbol(t[k], "!"))) {
            MemberStatement(t, b, e);
            return;
        }
        if (k < e && IsSymbol(t[k], "(")) {
            const size_t close = MatchingParen(t, k, e);
            if (close + 1 < e && !IsSymbol(t[close + 1], ",")) {
                // x(1) = 2, f(x).Refresh: an assignment or a call through an object.
                const size_t equals = close + 1 < e && IsSymbol(t[close + 1], "=") ? close + 2 : e;
                if (equals < e)
                    CheckExpression(t, equals, e);
                ExpressionCalls(t, k, e, b);
                return;
            }
            if (close + 1 == e && SplitAtCommas(t, k + 1, close).size() > 1)
                Fault(std::string(name) +
                      "(...) with several arguments stands as a statement: that needs Call, or no "
                      "parentheses");
        }
        if (!InScope(name) && !IsBuiltInProcedure(name) && !(context_.isForm && IsFormMethod(name)))
            RecordCall(t, b, k, e, {}, true);
        // Each argument is one expression: "X a b" passes no argument a b.
        for (const auto& [from, to] : SplitAtCommas(t, k, e))
            CheckExpression(t, from, to);
        ExpressionCalls(t, k, e);
    }

    void MemberStatement(const Tokens& t, size_t b, size_t e) {
        // Walk a.b(c).d ... to its end, then see whether a value is assigned.
        size_t k = b + 1;
        size_t members = 0;
        while (k + 1 < e && (IsSymbol(t[k], ".") || IsSymbol(t[k], "!")) &&
               t[k + 1].kind == TokenKind::Word) {
            k += 2;
            ++members;
            if (k < e && IsSymbol(t[k], "("))
                k = MatchingParen(t, k, e) + 1;
        }
        const bool assignment = k < e && IsSymbol(t[k], "=");
        size_t recorded = b;
        if (assignment) {
            CheckExpression(t, k + 1, e);
        } else if (members == 1 && t[b].kind == TokenKind::Word) {
            const std::string_view object = BareName(t[b].text);
            const VbToken& member = t[b + 2];
            if (!InScope(object) && !IsReservedWord(object)) {
                if (IsOneOf(member, {"Show", "Hide"}))
                    facts_.formUses.push_back(
                        {std::string(object), line_->line, std::string(member.text)});
                else {
                    size_t argsBegin = b + 3;
                    size_t argsEnd = e;
                    if (argsBegin < e && IsSymbol(t[argsBegin], "(") &&
                        MatchingParen(t, argsBegin, e) + 1 == e) {
                        argsEnd = e - 1;
                        ++argsBegin;
                    }
                    RecordCall(t, b + 2, argsBegin, argsEnd, std::string(object), true);
                    recorded = b + 2;
                }
            }
        }
        ExpressionCalls(t, b, e, recorded);
    }

    void RecordCall(const Tokens& t, size_t nameAt, size_t argsBegin, size_t argsEnd,
                    std::string qualifier, bool asStatement) {
        CallSite call;
        call.name = std::string(BareName(t[nameAt].text));
        call.qualifier = std::move(qualifier);
        call.line = line_->line;
        call.asStatement = asStatement;
        for (auto [pb, pe] : SplitAtCommas(t, argsBegin, argsEnd)) {
            if (pb + 1 < pe && t[pb].kind == TokenKind::Word && IsSymbol(t[pb + 1], ":="))
                call.named.emplace_back(BareName(t[pb].text));
            else if (call.named.empty())
                ++call.positional;
        }
        facts_.calls.push_back(std::move(call));
    }

    // Name(args) inside expressions, for the project to match against its
    // procedures; GetFormFromName("X") too. `skip`: a token already taken.
    void ExpressionCalls(const Tokens& t, size_t b, size_t e, size_t skip = SIZE_MAX) {
        for (size_t i = b; i + 1 < e; ++i) {
            if (i == skip || t[i].kind != TokenKind::Word || !IsSymbol(t[i + 1], "("))
                continue;
            const std::string_view name = BareName(t[i].text);
            const bool member = i > 0 && (IsSymbol(t[i - 1], ".") || IsSymbol(t[i - 1], "!"));
            if (IsReservedWord(name) || InScope(name))
                continue;
            const size_t close = MatchingParen(t, i + 1, e);
            if (IEquals(name, "GetFormFromName") && !member && close == i + 3 &&
                t[i + 2].kind == TokenKind::String)
                facts_.formLiterals.push_back(
                    {Unquote(t[i + 2].text), line_->line, "GetFormFromName"});
            if (!member) {
                RecordCall(t, i, i + 2, close, {}, false);
            } else if (i >= 2 && t[i - 2].kind == TokenKind::Word && IsSymbol(t[i - 1], ".") &&
                       (i < 3 || (!IsSymbol(t[i - 3], ".") && !IsSymbol(t[i - 3], "!"))) &&
                       !InScope(BareName(t[i - 2].text))) {
                RecordCall(t, i, i + 2, close, std::string(BareName(t[i - 2].text)), false);
            }
        }
    }

    const CodeContext& context_;
    std::map<std::string, const FormControl*, ILess> controls_;
    CodeFacts facts_;
    const LogicalLine* line_ = nullptr;
    std::string key_;
    Tokens tokens_;  // of the statement being read
    bool singleLine_ = false;
    bool reportedValues_ = false;

    bool inProcedure_ = false;
    bool seenProcedure_ = false;
    size_t current_ = 0;
    std::string procedureKey_;
    std::vector<Block> blocks_;
    std::map<std::string, int, ILess> labels_;
    std::vector<LabelUse> labelUses_;
    NameSet locals_;
    NameSet moduleNames_;
    struct NameSeen {
        int kinds = 0;
        int line = 0;  // the first definition's
        ConditionalPath path;
    };
    std::map<std::string, NameSeen, ILess> namesSeen_;

    bool inType_ = false;
    bool inEnum_ = false;
    bool enumPublic_ = false;
    int typeLine_ = 0;
    std::vector<Conditional> conditionals_;
};

}  // namespace

CodeFacts CheckCode(const std::vector<LogicalLine>& lines, const CodeContext& context) {
    return CodeChecker(context).Run(lines);
}

}  // namespace velorin
