#include "project/application_facts.h"

#include <set>

#include "common/names.h"
#include "common/string_helpers.h"

namespace velorin {
namespace {

// The name a Sub, Function or Property line of Access code defines; empty for other lines.
std::string_view DefinedName(std::string_view line) {
    line = TrimWhitespace(line);
    for (bool more = true; more;) {
        more = false;
        for (std::string_view modifier : {"Public ", "Private ", "Friend ", "Static ", "Global "}) {
            if (IStartsWith(line, modifier)) {
                line = TrimWhitespace(line.substr(modifier.size()));
                more = true;
            }
        }
    }
    if (IStartsWith(line, "Declare "))
        line = TrimWhitespace(line.substr(8));
    for (std::string_view kind :
         {"Sub ", "Function ", "Property Get ", "Property Let ", "Property Set "}) {
        if (IStartsWith(line, kind)) {
            line = TrimWhitespace(line.substr(kind.size()));
            size_t end = 0;
            while (end < line.size() && line[end] != '(' && line[end] != ' ' && line[end] != '\t')
                ++end;
            return line.substr(0, end);
        }
    }
    return {};
}

void AddCode(ApplicationFacts& facts, const std::vector<std::string>& lines,
             const std::string& object, bool converted) {
    for (const std::string& line : lines) {
        const std::string_view name = DefinedName(line);
        if (name.empty())
            continue;
        std::vector<ApplicationFacts::Definition>& definitions =
            facts.procedures[std::string(name)];
        if (definitions.empty() || definitions.back().object != object)
            definitions.push_back({object, converted});
    }
}

}  // namespace

ApplicationFacts BuildApplicationFacts(const AccessApplication& application,
                                       const std::vector<ConvertedObject>& converted) {
    ApplicationFacts facts;
    facts.known = true;
    std::set<std::string, ILess> convertedForms;
    std::set<std::string, ILess> convertedModules;
    for (const ConvertedObject& object : converted) {
        const std::vector<std::string>* code = nullptr;
        if (object.container == Container::Forms) {
            convertedForms.insert(object.name);
            if (const AccessForm* form = application.OpenForm(object.name))
                code = &form->CodeLines();
        } else {
            convertedModules.insert(object.name);
            if (const CodeModule* module = application.Module(object.name))
                code = &module->lines;
        }
        if (code != nullptr)
            facts.codeByFile[object.file].assign(code->begin(), code->end());
        facts.objectByFile[object.file] =
            (object.container == Container::Forms ? "form " : "module ") + object.name;
    }
    for (const std::string& name : application.Documents(Container::Modules)) {
        if (const CodeModule* module = application.Module(name))
            AddCode(facts, module->lines, "module " + name, convertedModules.count(name) > 0);
    }
    for (const std::string& name : application.Documents(Container::Forms)) {
        facts.forms[name] = convertedForms.count(name) > 0;
        if (const AccessForm* form = application.OpenForm(name))
            AddCode(facts, form->CodeLines(), "form " + name, convertedForms.count(name) > 0);
    }
    for (const std::string& name : application.Documents(Container::Reports)) {
        if (const AccessForm* report = application.OpenReport(name))
            AddCode(facts, report->CodeLines(), "report " + name, false);
    }
    // Every macro becomes procedures of MacroCode.bas: the macro's own and one
    // per named macro of a group.
    for (const std::string& name : application.Documents(Container::Scripts)) {
        const std::string object = "macro " + name;
        facts.procedures[MakeMacroName(name)].push_back({object, true});
        if (const Macro* macro = application.FindMacro(name)) {
            for (const MacroRow& row : macro->rows) {
                if (!row.macroName.empty())
                    facts.procedures[MakeMacroName(name + "." + row.macroName)].push_back(
                        {object, true});
            }
        }
    }
    return facts;
}

}  // namespace velorin
