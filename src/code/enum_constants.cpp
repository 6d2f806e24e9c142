#include "code/enum_constants.h"

#include <optional>

#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of an integer literal as Visual Basic reads it (&HFFFF is the
// Integer -1, &HFFFF& the Long 65535); nothing for any other expression.
std::optional<long long> LiteralValue(std::string_view text) {
    text = TrimWhitespace(text);
    bool negative = false;
    if (!text.empty() && text[0] == '-') {
        negative = true;
        text = TrimWhitespace(text.substr(1));
    }
    if (text.empty())
        return std::nullopt;
    bool longSuffix = false;
    if (text.back() == '&' || text.back() == '%') {
        longSuffix = text.back() == '&';
        text.remove_suffix(1);
    }
    if (text.empty())
        return std::nullopt;
    constexpr long long kUnsignedLong = 0xFFFFFFFFLL;
    long long value = 0;
    const bool prefixed = text.size() > 2 && text[0] == '&';
    if (prefixed) {
        const char base = static_cast<char>(text[1] | 0x20);
        if (base != 'h' && base != 'o')
            return std::nullopt;
        for (char ch : text.substr(2)) {
            const char lower = static_cast<char>(ch | 0x20);
            const int digit = IsDigit(ch)                    ? ch - '0'
                              : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10
                                                             : 99;
            if (digit >= (base == 'h' ? 16 : 8))
                return std::nullopt;
            value = value * (base == 'h' ? 16 : 8) + digit;
            if (value > kUnsignedLong)
                return std::nullopt;
        }
        if (!longSuffix && value <= 0xFFFF)
            value = value > 0x7FFF ? value - 0x10000 : value;
        else
            value = value > 0x7FFFFFFF ? value - 0x100000000LL : value;
    } else {
        for (char ch : text) {
            if (!IsDigit(ch))
                return std::nullopt;
            value = value * 10 + (ch - '0');
            if (value > kUnsignedLong)
                return std::nullopt;
        }
    }
    return negative ? -value : value;
}

}  // namespace

EnumConstants::EnumConstants(const CodeStatements& statements,
                             std::shared_ptr<const ApplicationLanguage> application, bool isForm)
    : application_(std::move(application)), isForm_(isForm) {
    static const std::map<std::string, int, ILess> kNoCounts;
    enums_ = ReadEnums(statements);
    NameEnumConstants(enums_, application_ ? application_->publicMemberCounts : kNoCounts,
                      !isForm_);
    std::set<std::string, ILess> triggers;
    auto addMember = [&](const EnumMember& m) {
        if (!IEquals(m.constant, m.written))
            triggers.insert(m.key);
    };
    for (const EnumBlock& b : enums_) {
        triggers.insert(b.name);
        for (const EnumMember& m : b.members) {
            localMembers_[m.key].push_back(&m);
            addMember(m);
        }
    }
    if (application_) {
        for (const auto& [name, b] : application_->moduleEnums) {
            triggers.insert(name);
            for (const EnumMember& m : b.members) {
                publicMembers_[m.key].push_back(&m);
                addMember(m);
            }
        }
        triggers.insert(application_->objectModuleEnums.begin(),
                        application_->objectModuleEnums.end());
    }
    triggers_.assign(triggers.begin(), triggers.end());
    ReadDeclaredNames(statements);
    WriteLines(statements);
}

void EnumConstants::ReadDeclaredNames(const CodeStatements& statements) {
    std::set<size_t> inEnums;
    for (const EnumBlock& b : enums_) {
        for (size_t s = b.header; s <= b.end; ++s)
            inEnums.insert(s);
    }
    for (size_t s = 0; s < statements.Size(); ++s) {
        const std::string_view word = statements.FirstWord(s);
        bool declares = false;
        for (std::string_view w : {"Public", "Private", "Global", "Friend", "Static", "Dim",
                                   "Const", "Sub", "Function", "Property", "Type"})
            declares = declares || IEquals(word, w);
        if (!declares || inEnums.count(s) > 0)
            continue;
        const TokenizedCode& c = statements.Tokens(s);
        if (const ProcedureHeader h = ReadProcedureHeader(c); h.valid) {
            declaredNames_.insert(h.name);
            for (const DeclaredName& d : h.params) {
                if (d.name != kNoToken)
                    declaredNames_.insert(BareName(c.Str(d.name)));
            }
            continue;
        }
        if (std::string type = BlockName(c, "Type"); !type.empty()) {
            localTypes_.insert(std::move(type));
            continue;
        }
        const size_t constWord = c.Is(0, "Const") ? 0 : (c.Is(1, "Const") ? 1 : kNoToken);
        if (constWord != kNoToken) {
            for (auto [first, last] : SplitAtCommas(c, constWord + 1, StatementEnd(c, 1))) {
                if (c.IsWord(first))
                    declaredNames_.insert(BareName(c.Str(first)));
            }
            continue;
        }
        if (const size_t from = DeclarationsStart(c); from != kNoToken) {
            for (const DeclaredName& d : ReadDeclarations(c, from)) {
                if (d.name != kNoToken)
                    declaredNames_.insert(BareName(c.Str(d.name)));
            }
        }
    }
}

void EnumConstants::WriteLines(const CodeStatements& statements) {
    for (const EnumBlock& b : enums_) {
        lines_[b.header] = "'" + statements.Code(b.header) +
                           " (its members are constants: Visual Basic 4 has no Enum)";
        lines_[b.end] = "'" + statements.Code(b.end);
        const std::string visibility = isForm_ || !b.isPublic ? "Private" : "Public";
        // Visual Basic counts on from the member before; the first is 0.
        bool known = true;
        long long previous = -1;
        std::string previousConstant;
        for (const EnumMember& m : b.members) {
            std::string value;
            if (!m.value.empty()) {
                value = m.value;
                if (!RewriteReferences(value, nullptr))
                    unreachable_.insert(m.statement);
                const std::optional<long long> literal = LiteralValue(m.value);
                known = literal.has_value();
                previous = known ? *literal : 0;
            } else if (known && previous < 0x7FFFFFFF) {
                ++previous;
                value = std::to_string(previous);
            } else {
                value = previousConstant + " + 1";
                known = false;
            }
            lines_[m.statement] = visibility + " Const " + m.constant + " As Long = " + value;
            previousConstant = m.constant;
        }
    }
}

const std::string* EnumConstants::LineOf(size_t statement) const {
    const auto found = lines_.find(statement);
    return found != lines_.end() ? &found->second : nullptr;
}

const EnumBlock* EnumConstants::FindEnum(std::string_view name, bool& reachable) const {
    reachable = true;
    for (const EnumBlock& b : enums_) {
        if (IEquals(b.name, name))
            return &b;
    }
    if (application_) {
        const auto found = application_->moduleEnums.find(name);
        if (found != application_->moduleEnums.end())
            return &found->second;
        reachable = application_->objectModuleEnums.count(name) == 0;
    }
    return nullptr;
}

bool EnumConstants::IsEnumName(std::string_view name) const {
    bool reachable = true;
    return FindEnum(name, reachable) != nullptr || !reachable;
}

bool EnumConstants::RewriteReferences(std::string& code, const NameRegistry* controls) const {
    if (enums_.empty() && publicMembers_.empty() &&
        (!application_ || application_->objectModuleEnums.empty()))
        return true;
    const TokenizedCode c(code);
    std::vector<TextEdit> edits;
    for (size_t k = 0; k < c.Size(); ++k) {
        if (!c.IsWord(k))
            continue;
        // As Actions, As mod_App_Enum.Actions: As Long.
        if (c.Is(k, "As") && c.IsWord(k + 1) && !c.Is(k + 1, "New")) {
            size_t last = k + 1;
            while (c.Sym(last + 1, '.') && c.IsWord(last + 2))
                last += 2;
            if (IsEnumName(BareName(c.Str(last))))
                edits.push_back({c[k + 1].begin, c[last].end, "Long"});
            k = last;
            continue;
        }
        if (c.IsMember(k))
            continue;
        const std::string key = BareName(c.Str(k));
        // Actions.Observe, Actions.[_First]: the member's constant.
        if (c.Sym(k + 1, '.') && c.IsWord(k + 2) && c.Adjacent(k + 1) && c.Adjacent(k + 2)) {
            bool reachable = true;
            const EnumBlock* block = FindEnum(key, reachable);
            if (!reachable)
                return false;
            if (block != nullptr) {
                const std::string member = BareName(c.Str(k + 2));
                for (const EnumMember& m : block->members) {
                    if (IEquals(m.key, member)) {
                        edits.push_back({c[k].begin, c[k + 2].end, m.constant});
                        break;
                    }
                }
                k += 2;
                continue;
            }
        }
        // A member by its name alone, where its constant has another: the
        // one member of that name the file reaches (its own enums first, as
        // Visual Basic looks). Two would have been ambiguous in Access.
        if (c.Sym(k + 1, '.') || c.Sym(k + 1, '!') || c.Sym(k + 1, '('))
            continue;
        const auto local = localMembers_.find(key);
        const auto* candidates = local != localMembers_.end() ? &local->second : nullptr;
        if (candidates == nullptr) {
            const auto global = publicMembers_.find(key);
            candidates = global != publicMembers_.end() ? &global->second : nullptr;
        }
        if (candidates == nullptr || candidates->size() != 1)
            continue;
        const std::string& constant = candidates->front()->constant;
        const std::string_view written = c.Str(k);
        if (IEquals(constant, written))
            continue;
        // A name the file or the form declares is that, not the member.
        if (written.front() != '[' &&
            (declaredNames_.count(key) > 0 || (controls != nullptr && controls->IsTaken(key))))
            continue;
        edits.push_back({c[k].begin, c[k].end, constant});
    }
    if (!edits.empty())
        code = WithEdits(code, std::move(edits));
    return true;
}

}  // namespace velorin
