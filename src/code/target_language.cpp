#include "code/target_language.h"

#include <map>
#include <optional>
#include <set>
#include <utility>

#include "code/analysis_records.h"
#include "code/application_language.h"
#include "code/code_mask.h"
#include "code/code_tokens.h"
#include "code/enum_constants.h"
#include "code/optional_parameters.h"
#include "code/translation_outcomes.h"
#include "code/whole_arrays.h"
#include "common/string_helpers.h"

namespace velorin {

struct TargetLanguage::Plan {
    bool vb4 = false;
    std::shared_ptr<const ApplicationLanguage> application;
    // The statement that starts on each input line; kNone where none does.
    std::vector<size_t> statementAt;
    static constexpr size_t kNone = static_cast<size_t>(-1);
    WholeArrays arrays;
    std::optional<EnumConstants> enums;  // Visual Basic 4
    // Texts without which a line needs no rewriting.
    std::vector<std::string> triggers{"LongLong", "LngLng", "PtrSafe", "LongPtr", "LngPtr", "()"};

    bool Planned(size_t s) const {
        return arrays.marked.count(s) > 0 || arrays.toVariant.count(s) > 0 ||
               (enums && (enums->Unreachable().count(s) > 0 || enums->LineOf(s) != nullptr));
    }
    bool MayNeedRewriting(std::string_view line) const {
        for (const std::string& trigger : triggers) {
            if (IFind(line, trigger) != std::string_view::npos)
                return true;
        }
        return false;
    }
};

TargetLanguage::TargetLanguage(Session& session, const std::vector<std::string>& lines, bool isForm)
    : plan_(std::make_unique<Plan>()) {
    Plan& p = *plan_;
    p.vb4 = !session.Settings().options.vb5Project;
    p.application = ApplicationLanguageOf(session);
    const CodeStatements statements(lines);
    p.statementAt.assign(lines.size(), Plan::kNone);
    for (size_t s = 0; s < statements.Size(); ++s)
        p.statementAt[statements.FirstLine(s)] = s;
    p.arrays = PlanWholeArrays(statements, p.application.get());
    if (p.vb4) {
        p.enums.emplace(statements, p.application, isForm);
        for (const char* word : {"Event", "Implements", "AddressOf", "Friend", "Optional"})
            p.triggers.emplace_back(word);
        p.triggers.insert(p.triggers.end(), p.enums->Triggers().begin(), p.enums->Triggers().end());
    }
}

TargetLanguage::~TargetLanguage() = default;

std::vector<std::string> TargetLanguage::TakeAddedLines() {
    return std::exchange(added_, {});
}

namespace {

// The statement commented out and recorded as the application wrote it.
bool Mark(CodeFileState& state, const std::string& original) {
    state.line = original;
    state.comment.clear();
    CommentedOut(state, reason::kTargetVersionLacks);
    return false;
}

bool HasWord(const TokenizedCode& c, std::initializer_list<std::string_view> words) {
    for (size_t k = 0; k < c.Size(); ++k) {
        if (c.IsAny(k, words) && !c.IsMember(k))
            return true;
    }
    return false;
}

// Declare PtrSafe and LongPtr: Visual Basic 4 and 5 are 32-bit, where a
// pointer is a Long.
void PointerSizedWords(const TokenizedCode& c, std::vector<TextEdit>& edits) {
    for (size_t k = 0; k < c.Size(); ++k) {
        if (!c.IsWord(k) || c.IsMember(k))
            continue;
        if (k > 0 && c.Is(k, "PtrSafe") && c.Is(k - 1, "Declare"))
            edits.push_back({c[k].begin, k + 1 < c.Size() ? c[k + 1].begin : c[k].end, ""});
        else if (c.Is(k, "LongPtr"))
            edits.push_back({c[k].begin, c[k].end, "Long"});
        else if (c.Is(k, "CLngPtr"))
            edits.push_back({c[k].begin, c[k].end, "CLng"});
    }
}

}  // namespace

bool TargetLanguage::Rewrite(CodeFileState& state, size_t first) {
    added_.clear();
    const Plan& p = *plan_;
    if (first >= p.statementAt.size() || p.statementAt[first] == Plan::kNone)
        return true;
    const size_t s = p.statementAt[first];
    const std::string original = state.line;
    if (!p.Planned(s) && !p.MayNeedRewriting(original))
        return true;
    if (p.arrays.marked.count(s) > 0 || (p.enums && p.enums->Unreachable().count(s) > 0))
        return Mark(state, original);
    const size_t end = CodeEnd(original);
    const size_t start = original.find_first_not_of(" \t");
    if (start == std::string::npos || start >= end)
        return true;
    const std::string lead = original.substr(0, start);
    const std::string oldCode = original.substr(start, end - start);
    const std::string comment = original.substr(end);
    if (p.enums) {
        if (const std::string* line = p.enums->LineOf(s)) {
            state.line = lead + *line + comment;
            return false;
        }
    }
    {
        const TokenizedCode c(oldCode);
        // VBA 7's 64-bit integer has no counterpart in 32-bit Visual Basic.
        if (HasWord(c, {"LongLong", "CLngLng"}))
            return Mark(state, original);
        if (p.vb4 && (c.Is(0, "Event") || (c.Is(0, "Public") && c.Is(1, "Event")) ||
                      c.Is(0, "Implements") || HasWord(c, {"RaiseEvent", "AddressOf"})))
            return Mark(state, original);
    }
    std::string code = oldCode;
    if (p.enums && !p.enums->RewriteReferences(code, state.formNames))
        return Mark(state, original);

    const TokenizedCode c(code);
    std::vector<TextEdit> edits;
    PointerSizedWords(c, edits);
    const auto variants = p.arrays.toVariant.find(s);
    auto asVariant = [&](const DeclaredName& d) {
        if (d.name != kNoToken && d.dynamicArray && variants != p.arrays.toVariant.end() &&
            variants->second.count(BareName(c.Str(d.name))) > 0)
            edits.push_back(
                {c[d.name].begin, c[d.End()].end, std::string(c.Str(d.name)) + " As Variant"});
    };
    bool note = false;
    const ProcedureHeader h = ReadProcedureHeader(c);
    if (!h.valid) {
        if (const size_t from = DeclarationsStart(c); from != kNoToken) {
            for (const DeclaredName& d : ReadDeclarations(c, from))
                asVariant(d);
            // Visual Basic 4: a WithEvents variable stays, without its events.
            for (size_t k = from; p.vb4 && k < c.Size(); ++k) {
                if (c.Is(k, "WithEvents")) {
                    edits.push_back({c[k].begin, k + 1 < c.Size() ? c[k + 1].begin : c[k].end, ""});
                    note = true;
                }
            }
        }
    } else {
        for (const DeclaredName& d : h.params)
            asVariant(d);
        // A function that returns an array returns a Variant holding it.
        if (h.ReturnsArray(c))
            edits.push_back({c[h.returnAs + 1].begin, c[h.returnLast - 1].end, "Variant"});
    }
    if (p.vb4 && h.valid) {
        // Friend is Public to the project's own code, which alone calls a
        // form's procedures; but no public procedure of a form may take or
        // return a user-defined type.
        if (h.friendWord != kNoToken) {
            auto userType = [&](size_t from, size_t to) {
                const std::string type = TypeNameOf(c, from, to);
                return !type.empty() && (p.enums->LocalTypes().count(type) > 0 ||
                                         p.application->typeNames.count(type) > 0);
            };
            bool takesType = h.returnAs != kNoToken && userType(h.returnAs + 1, h.returnLast);
            for (const DeclaredName& d : h.params)
                takesType = takesType || (d.HasType() && userType(d.typeFirst, d.typeLast));
            if (takesType)
                return Mark(state, original);
            edits.push_back({c[h.friendWord].begin, c[h.friendWord].end, "Public"});
        }
        OptionalParameters optional = RewriteOptionalParameters(c, h, p.application->classNames);
        if (optional.impossible)
            return Mark(state, original);
        edits.insert(edits.end(), optional.edits.begin(), optional.edits.end());
        added_ = std::move(optional.added);
        note = note || optional.valueUnknown;
    }
    if (!edits.empty())
        code = WithEdits(code, std::move(edits));
    if (!note) {
        state.line = lead + code + comment;
        return true;
    }
    // Translated with a note: the old code follows the marker, and is recorded.
    state.line = oldCode;
    state.comment = comment;
    TranslatedWithNote(state, reason::kTargetVersionLacks, lead + code);
    state.line += state.comment;
    state.comment.clear();
    return true;
}

}  // namespace velorin
