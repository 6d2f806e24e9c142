#include "code/application_language.h"

#include "code/form_reference.h"
#include "common/names.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

bool IsPlainName(std::string_view written) {
    if (written.empty() ||
        !((written[0] >= 'a' && written[0] <= 'z') || (written[0] >= 'A' && written[0] <= 'Z')))
        return false;
    for (char ch : written) {
        if (!IsIdentifierChar(ch))
            return false;
    }
    return !IsVisualBasicKeyword(written);
}

// The public dynamic arrays a module declares before its first procedure.
void ReadPublicArrays(const CodeStatements& statements, std::set<std::string, ILess>& names) {
    for (size_t s = 0; s < statements.Size(); ++s) {
        const std::string_view word = statements.FirstWord(s);
        if (IEquals(word, "Public") || IEquals(word, "Global")) {
            const TokenizedCode& c = statements.Tokens(s);
            if (ReadProcedureHeader(c).valid)
                return;
            if (DeclarationsStart(c) == kNoToken)
                continue;
            for (const DeclaredName& d : ReadDeclarations(c, DeclarationsStart(c))) {
                if (d.name != kNoToken && d.dynamicArray)
                    names.insert(BareName(c.Str(d.name)));
            }
        } else if (IEquals(word, "Sub") || IEquals(word, "Function") || IEquals(word, "Property") ||
                   IEquals(word, "Private") || IEquals(word, "Friend") || IEquals(word, "Static")) {
            if (ReadProcedureHeader(statements.Tokens(s)).valid)
                return;
        }
    }
}

void ReadTypeNames(const CodeStatements& statements, std::set<std::string, ILess>& names) {
    for (size_t s = 0; s < statements.Size(); ++s) {
        if (IFind(statements.Code(s), "Type") == std::string::npos)
            continue;
        std::string name = BlockName(statements.Tokens(s), "Type");
        if (!name.empty())
            names.insert(std::move(name));
    }
}

std::shared_ptr<const ApplicationLanguage> ReadApplicationLanguage(const AccessApplication& app,
                                                                   bool vb4) {
    auto language = std::make_shared<ApplicationLanguage>();
    language->vb4 = vb4;
    language->moduleCount = app.Documents(Container::Modules).size();
    language->formCount = app.Documents(Container::Forms).size();
    std::vector<std::vector<EnumBlock>> moduleEnums;
    for (const std::string& name : app.Documents(Container::Modules)) {
        const CodeModule* module = app.Module(name);
        if (module == nullptr)
            continue;
        const CodeStatements statements(module->lines);
        ReadPublicArrays(statements, language->publicArrays);
        if (!vb4)
            continue;
        ReadTypeNames(statements, language->typeNames);
        // A class's enums become constants private to it, as a form's do.
        if (module->isClass) {
            language->classNames.insert(name);
            for (const EnumBlock& b : ReadEnums(statements)) {
                if (b.isPublic)
                    language->objectModuleEnums.insert(b.name);
            }
            continue;
        }
        moduleEnums.push_back(ReadEnums(statements));
        for (const EnumBlock& b : moduleEnums.back()) {
            if (!b.isPublic)
                continue;
            for (const EnumMember& m : b.members)
                ++language->publicMemberCounts[m.key];
        }
    }
    if (!vb4)
        return language;
    for (std::vector<EnumBlock>& blocks : moduleEnums) {
        NameEnumConstants(blocks, language->publicMemberCounts, true);
        for (EnumBlock& b : blocks) {
            if (b.isPublic)
                language->moduleEnums.emplace(b.name, std::move(b));
        }
    }
    for (const std::string& name : app.Documents(Container::Forms)) {
        language->classNames.insert("Form_" + name);
        language->classNames.insert("Form_" + MakeVBName(name));
        const AccessForm* form = app.OpenForm(name);
        if (form == nullptr)
            continue;
        const CodeStatements statements(form->CodeLines());
        ReadTypeNames(statements, language->typeNames);
        for (const EnumBlock& b : ReadEnums(statements)) {
            if (b.isPublic)
                language->objectModuleEnums.insert(b.name);
        }
    }
    for (const std::string& name : app.Documents(Container::Reports)) {
        language->classNames.insert("Report_" + name);
        language->classNames.insert("Report_" + MakeVBName(name));
    }
    return language;
}

}  // namespace

std::vector<EnumBlock> ReadEnums(const CodeStatements& statements) {
    std::vector<EnumBlock> blocks;
    bool open = false;
    for (size_t s = 0; s < statements.Size(); ++s) {
        const std::string& code = statements.Code(s);
        if (code.empty() || (!open && IFind(code, "Enum") == std::string::npos))
            continue;
        const TokenizedCode& c = statements.Tokens(s);
        if (!open) {
            bool isPublic = true;
            std::string name = BlockName(c, "Enum", &isPublic);
            if (!name.empty()) {
                blocks.push_back({std::move(name), isPublic, s, s, {}});
                open = true;
            }
            continue;
        }
        if (IsEndOf(c, "Enum")) {
            blocks.back().end = s;
            open = false;
            continue;
        }
        if (!c.IsWord(0))
            continue;
        EnumMember member;
        member.written = std::string(c.Str(0));
        member.key = BareName(member.written);
        member.statement = s;
        if (c.Sym(1, '=') && c.Size() > 2)
            member.value = std::string(TrimWhitespace(std::string_view(code).substr(c[2].begin)));
        blocks.back().members.push_back(std::move(member));
    }
    // An Enum that is not closed is no Enum Visual Basic compiles.
    if (open)
        blocks.pop_back();
    return blocks;
}

void NameEnumConstants(std::vector<EnumBlock>& blocks,
                       const std::map<std::string, int, ILess>& publicCounts,
                       bool constantsPublic) {
    std::map<std::string, int, ILess> local;
    for (const EnumBlock& b : blocks) {
        for (const EnumMember& m : b.members)
            ++local[m.key];
    }
    std::set<std::string, ILess> used;
    for (EnumBlock& b : blocks) {
        for (EnumMember& m : b.members) {
            const auto count = publicCounts.find(m.key);
            const bool shared =
                local[m.key] > 1 ||
                (constantsPublic && b.isPublic && count != publicCounts.end() && count->second > 1);
            std::string constant =
                IsPlainName(m.written) && !shared ? m.written : MakeVBName(b.name + "_" + m.key);
            const std::string base = constant;
            for (int n = 2; used.count(constant) > 0; ++n)
                constant = base + "_" + std::to_string(n);
            used.insert(constant);
            m.constant = std::move(constant);
        }
    }
}

std::shared_ptr<const ApplicationLanguage> ApplicationLanguageOf(Session& session) {
    const AccessApplication& app = *session.sourceDb;
    const bool vb4 = !session.Settings().options.vb5Project;
    const std::shared_ptr<const ApplicationLanguage>& known = session.applicationLanguage;
    if (!known || known->vb4 != vb4 ||
        known->moduleCount != app.Documents(Container::Modules).size() ||
        known->formCount != app.Documents(Container::Forms).size())
        session.applicationLanguage = ReadApplicationLanguage(app, vb4);
    return session.applicationLanguage;
}

}  // namespace velorin
