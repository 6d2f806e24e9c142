#include "project/supplied_functions.h"

#include <vector>

#include "code/code_mask.h"
#include "code/form_reference.h"
#include "code/later_functions.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

// A procedure of the template with the comment lines above it.
struct TemplateProcedure {
    std::string name;
    std::vector<std::string> lines;
};

// The procedure a header line opens; empty for any other line.
std::string HeaderName(std::string_view line) {
    std::string_view code = TrimBlanks(line);
    for (std::string_view modifier : {"Public ", "Private "}) {
        if (IStartsWith(code, modifier))
            code = TrimBlanks(code.substr(modifier.size()));
    }
    for (std::string_view kind : {"Function ", "Sub "}) {
        if (IStartsWith(code, kind))
            return LeadingIdentifier(TrimBlanks(code.substr(kind.size())));
    }
    return {};
}

std::vector<TemplateProcedure> ReadProcedures(const std::vector<std::string>& text) {
    std::vector<TemplateProcedure> procedures;
    std::vector<std::string> comments;
    bool open = false;
    for (const std::string& line : text) {
        const std::string_view code = TrimBlanks(line);
        if (open) {
            procedures.back().lines.push_back(line);
            open = !(StartsWithWord(code, "End") &&
                     (StartsWithWord(TrimBlanks(code.substr(3)), "Function") ||
                      StartsWithWord(TrimBlanks(code.substr(3)), "Sub")));
        } else if (code.starts_with('\'')) {
            comments.push_back(line);
        } else if (std::string name = HeaderName(code); !name.empty()) {
            procedures.push_back({std::move(name), std::move(comments)});
            procedures.back().lines.push_back(line);
            comments.clear();
            open = true;
        } else {
            comments.clear();
        }
    }
    return procedures;
}

// Whether the procedure's code names `name`.
bool Names(const TemplateProcedure& procedure, std::string_view name) {
    for (const std::string& line : procedure.lines) {
        const std::string code = MaskedCode(line);
        for (size_t at = IFind(code, name); at != std::string::npos;
             at = IFind(code, name, at + 1)) {
            const size_t end = at + name.size();
            if ((at == 0 || !IsIdentifierChar(code[at - 1])) &&
                (end == code.size() || !IsIdentifierChar(code[end])))
                return true;
        }
    }
    return false;
}

}  // namespace

void ChooseSuppliedFunctions(Session& session, const std::set<std::string, ILess>& publicNames) {
    ProjectNames& names = session.names;
    for (const LaterFunction& function : LaterFunctions()) {
        if (publicNames.count(function.name) > 0)
            names.applicationFunctions.emplace(function.name);
    }
    for (const LaterConstant& constant : LaterConstants()) {
        if (publicNames.count(constant.name) > 0)
            names.applicationFunctions.emplace(constant.name);
    }
    std::set<std::string, ILess> called;
    auto read = [&](const std::vector<std::string>& lines) {
        called.merge(LaterFunctionsCalledIn(lines));
    };
    for (const std::string& form : session.project.convertedFormNames) {
        if (const AccessForm* design = form.empty() ? nullptr : session.sourceDb->OpenForm(form))
            read(design->CodeLines());
    }
    for (const std::string& module : session.Settings().selectedModules) {
        if (const CodeModule* code = module.empty() ? nullptr : session.sourceDb->Module(module))
            read(code->lines);
    }
    for (const std::string& name : called) {
        if (!FindLaterFunction(name)->supplied || names.applicationFunctions.count(name) > 0 ||
            names.projectNames.IsTaken(name))
            continue;
        names.projectNames.Claim(name, true);
        names.suppliedFunctions.insert(name);
    }
}

CodeText SuppliedFunctionsText(const std::vector<std::string>& templateLines,
                               const std::set<std::string, ILess>& wanted) {
    const std::vector<TemplateProcedure> procedures = ReadProcedures(templateLines);
    std::vector<bool> chosen(procedures.size(), false);
    for (size_t i = 0; i < procedures.size(); ++i)
        chosen[i] = wanted.count(procedures[i].name) > 0;
    // The routines a chosen one calls, and those they call.
    for (bool more = true; more;) {
        more = false;
        for (size_t i = 0; i < procedures.size(); ++i) {
            for (size_t j = 0; j < procedures.size() && chosen[i]; ++j) {
                if (!chosen[j] && Names(procedures[i], procedures[j].name))
                    chosen[j] = more = true;
            }
        }
    }
    CodeText text;
    for (size_t i = 0; i < procedures.size(); ++i) {
        if (!chosen[i])
            continue;
        text.Append("");
        for (const std::string& line : procedures[i].lines)
            text.Append(line);
    }
    return text;
}

}  // namespace velorin
