#include "code/whole_arrays.h"

namespace velorin {
namespace {

// A dynamic array whose uses are read.
struct ArrayVariable {
    size_t declaration = kNoToken;  // statement
    bool convertible = true;        // declared where it can become a Variant
    bool safe = true;               // every use allows a Variant
    bool mustConvert = false;       // the value of a Property Let whose Get returns one
    std::vector<size_t> assignments;
};

using ArrayScope = std::map<std::string, ArrayVariable, ILess>;

// Functions that take a Variant holding an array as they take the array.
bool TakesVariantArray(std::string_view function) {
    for (std::string_view name :
         {"UBound", "LBound", "IsArray", "IsEmpty", "VarType", "TypeName", "Join", "Filter"}) {
        if (IEquals(function, name))
            return true;
    }
    return false;
}

bool StartsStatementAt(const TokenizedCode& c, size_t k) {
    return k == 0 || c.Sym(k - 1, ':') || c.Is(k - 1, "Then") || c.Is(k - 1, "Else") ||
           (k == 1 && c.Is(0, "Let"));
}

enum class Use { Assigned, Fine, Unsafe };

// How the statement uses the array named at token k.
Use UseAt(const TokenizedCode& c, size_t k) {
    const bool more = k + 1 < c.Size();
    // a(i) is an element, ReDim a(n) sizes it; a() is the array itself.
    if (c.Sym(k + 1, '('))
        return c.Sym(k + 2, ')') ? Use::Unsafe : Use::Fine;
    if (StartsStatementAt(c, k))
        return c.Sym(k + 1, '=') ? Use::Assigned : Use::Unsafe;
    const bool ends = !more || c.Sym(k + 1, ':') || c.Is(k + 1, "Else");
    // UBound(a), Join(a, ",")
    if (k >= 2 && c.Sym(k - 1, '(') && c.IsWord(k - 2) && TakesVariantArray(c.Str(k - 2)) &&
        (c.Sym(k + 1, ')') || c.Sym(k + 1, ',')))
        return Use::Fine;
    // For Each x In a
    if (c.Is(k - 1, "In") && ends)
        return Use::Fine;
    // x = a: the array is copied into a variable or a function's result.
    if (k >= 1 && c.Sym(k - 1, '=') && ends) {
        size_t start = k - 1;
        while (start > 0 && !StartsStatementAt(c, start))
            --start;
        if (c.Is(start, "Let"))
            ++start;
        bool assignment = !c.IsAny(start, {"If", "ElseIf", "While", "Do", "Loop", "Case", "Select",
                                           "Until", "For", "Set", "Return"});
        for (size_t j = start; j + 1 < k && assignment; ++j)
            assignment = !c.Sym(j, '=') && !c.Sym(j, '<') && !c.Sym(j, '>');
        if (assignment)
            return Use::Fine;
    }
    return Use::Unsafe;
}

struct Procedure {
    size_t header;
    size_t end;  // one past its last statement
};

// Whether the statement may declare, open or close something: a cheap look
// before its tokens are read.
bool MayDeclare(const CodeStatements& statements, size_t s) {
    const std::string_view word = statements.FirstWord(s);
    for (std::string_view w : {"Public", "Private", "Global", "Friend", "Static", "Dim", "Const",
                               "Sub", "Function", "Property", "End", "Type", "Enum"}) {
        if (IEquals(word, w))
            return true;
    }
    return false;
}

bool NamesAny(std::string_view code, const ArrayScope& a, const ArrayScope& b) {
    for (const ArrayScope* scope : {&a, &b}) {
        for (const auto& [name, v] : *scope) {
            if (IFind(code, name) != std::string_view::npos)
                return true;
        }
    }
    return false;
}

}  // namespace

WholeArrays PlanWholeArrays(const CodeStatements& statements,
                            const ApplicationLanguage* application) {
    WholeArrays plan;
    ArrayScope moduleArrays;
    std::set<std::string, ILess> arrayGets;  // Property Gets that return an array
    std::vector<Procedure> procedures;
    bool inTypeOrEnum = false;
    auto open = [&] { return !procedures.empty() && procedures.back().end == kNoToken; };
    for (size_t s = 0; s < statements.Size(); ++s) {
        if (!MayDeclare(statements, s))
            continue;
        const TokenizedCode& c = statements.Tokens(s);
        if (open() && IsProcedureEnd(c)) {
            procedures.back().end = s + 1;
            continue;
        }
        if (const ProcedureHeader h = ReadProcedureHeader(c); h.valid) {
            if (open())
                procedures.back().end = s;
            procedures.push_back({s, kNoToken});
            if (IEquals(h.kind, "Get") && h.ReturnsArray(c))
                arrayGets.insert(h.name);
            continue;
        }
        if (open())
            continue;
        // The module's declarations; a Type's or an Enum's members are none.
        if (inTypeOrEnum) {
            inTypeOrEnum = !(IsEndOf(c, "Type") || IsEndOf(c, "Enum"));
            continue;
        }
        if (!BlockName(c, "Type").empty() || !BlockName(c, "Enum").empty()) {
            inTypeOrEnum = true;
            continue;
        }
        const size_t from = DeclarationsStart(c);
        if (from == kNoToken)
            continue;
        const bool isPublic = c.IsAny(0, {"Public", "Global"});
        for (const DeclaredName& d : ReadDeclarations(c, from)) {
            if (d.name == kNoToken || !d.dynamicArray)
                continue;
            ArrayVariable v;
            v.declaration = s;
            v.convertible = !isPublic && !d.typeCharacter;
            moduleArrays.emplace(BareName(c.Str(d.name)), v);
        }
    }
    if (open())
        procedures.back().end = statements.Size();
    // Another module's public arrays, where this one assigns them whole.
    if (application != nullptr) {
        for (const std::string& name : application->publicArrays) {
            ArrayVariable v;
            v.convertible = false;
            moduleArrays.emplace(name, v);
        }
    }

    for (const Procedure& p : procedures) {
        const TokenizedCode& hc = statements.Tokens(p.header);
        const ProcedureHeader h = ReadProcedureHeader(hc);
        ArrayScope locals;
        // Names of the procedure that hide the module's.
        std::set<std::string, ILess> hiding{h.name};
        for (const DeclaredName& d : h.params) {
            if (d.name == kNoToken)
                continue;
            const std::string name = BareName(hc.Str(d.name));
            hiding.insert(name);
            if (!d.dynamicArray)
                continue;
            // A parameter is the caller's array; only the value of a Property
            // Let follows its Get into a Variant.
            ArrayVariable v;
            v.declaration = p.header;
            v.convertible = false;
            if ((IEquals(h.kind, "Let") || IEquals(h.kind, "Set")) && &d == &h.params.back() &&
                arrayGets.count(h.name) > 0 && !d.typeCharacter)
                v.convertible = v.mustConvert = true;
            locals.emplace(name, v);
        }
        for (size_t s = p.header + 1; s < p.end; ++s) {
            const std::string_view word = statements.FirstWord(s);
            if (IEquals(word, "Const")) {
                const TokenizedCode& c = statements.Tokens(s);
                for (auto [first, last] : SplitAtCommas(c, 1, StatementEnd(c, 1))) {
                    if (c.IsWord(first))
                        hiding.insert(BareName(c.Str(first)));
                }
                continue;
            }
            if (!IEquals(word, "Dim") && !IEquals(word, "Static"))
                continue;
            const TokenizedCode& c = statements.Tokens(s);
            if (DeclarationsStart(c) == kNoToken)
                continue;
            for (const DeclaredName& d : ReadDeclarations(c, DeclarationsStart(c))) {
                if (d.name == kNoToken)
                    continue;
                const std::string name = BareName(c.Str(d.name));
                hiding.insert(name);
                if (!d.dynamicArray)
                    continue;
                ArrayVariable v;
                v.declaration = s;
                v.convertible = !d.typeCharacter;
                locals.emplace(name, v);
            }
        }
        if (locals.empty() && moduleArrays.empty())
            continue;
        for (size_t s = p.header + 1; s < p.end; ++s) {
            const std::string_view word = statements.FirstWord(s);
            if (IEquals(word, "Dim") || IEquals(word, "Static") || IEquals(word, "Const") ||
                !NamesAny(statements.Code(s), locals, moduleArrays))
                continue;
            const TokenizedCode& c = statements.Tokens(s);
            for (size_t k = 0; k < c.Size(); ++k) {
                if (!c.IsWord(k) || c.IsMember(k))
                    continue;
                const std::string name = BareName(c.Str(k));
                ArrayVariable* v = nullptr;
                if (auto local = locals.find(name); local != locals.end())
                    v = &local->second;
                else if (auto global = moduleArrays.find(name);
                         global != moduleArrays.end() && hiding.count(name) == 0)
                    v = &global->second;
                if (v == nullptr)
                    continue;
                const Use use = UseAt(c, k);
                if (use == Use::Assigned && (v->assignments.empty() || v->assignments.back() != s))
                    v->assignments.push_back(s);
                else if (use == Use::Unsafe)
                    v->safe = false;
            }
        }
        for (const auto& [name, v] : locals) {
            if (v.mustConvert) {
                if (v.safe)
                    plan.toVariant[v.declaration].insert(name);
                else
                    plan.marked.insert(p.header);
            } else if (!v.assignments.empty()) {
                if (v.convertible && v.safe)
                    plan.toVariant[v.declaration].insert(name);
                else
                    plan.marked.insert(v.assignments.begin(), v.assignments.end());
            }
        }
    }
    for (const auto& [name, v] : moduleArrays) {
        if (v.assignments.empty())
            continue;
        if (v.convertible && v.safe)
            plan.toVariant[v.declaration].insert(name);
        else
            plan.marked.insert(v.assignments.begin(), v.assignments.end());
    }
    return plan;
}

}  // namespace velorin
