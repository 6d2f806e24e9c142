// The plans: how many tables, queries, modules, macros, command bars and
// forms, their names and kinds, and the share of code each form gets.
#include "synthetic_generator.h"

#include <algorithm>

#include "synthetic_vocabulary.h"

namespace velorin::bench::synthetic {

std::string Generator::NounName(size_t i) const {
    const std::string& noun = kNouns[i % kNouns.size()];
    return i < kNouns.size() ? noun : noun + Num(static_cast<long>(i / kNouns.size()) + 1);
}

void Generator::PlanTables() {
    const size_t count = static_cast<size_t>(std::max(6, size_.forms / 8));
    const std::vector<std::pair<std::string, std::string>> optional = {
        {"Amount", "CURRENCY"},    {"Quantity", "LONG"},      {"StartDate", "DATETIME"},
        {"EndDate", "DATETIME"},   {"Active", "BIT"},         {"Notes", "LONGTEXT"},
        {"Rate", "DOUBLE"},        {"Status", "SHORT"},       {"City", "VARCHAR (30)"},
        {"Phone", "VARCHAR (24)"}, {"Email", "VARCHAR (60)"}, {"Region", "VARCHAR (15)"}};
    for (size_t i = 0; i < count; ++i) {
        Table table;
        table.name = "tbl" + NounName(i);
        table.fields = {{"ID", "AUTOINCREMENT"},
                        {"Name", "VARCHAR (50)"},
                        {"Code", "VARCHAR (10)"},
                        {"ParentID", "LONG"}};
        for (const auto& field : optional) {
            if (random_.Chance(60))
                table.fields.push_back(field);
        }
        for (const auto& [name, type] : table.fields) {
            if (type.starts_with("VARCHAR") || type == "LONGTEXT")
                table.texts.push_back(name);
            else if (type == "DATETIME")
                table.dates.push_back(name);
            else if (type == "BIT")
                table.flags.push_back(name);
            else
                table.numbers.push_back(name);
        }
        tables_.push_back(std::move(table));
    }
}

void Generator::PlanQueries() {
    const size_t count = static_cast<size_t>(std::max(8, size_.forms / 5));
    for (size_t i = 0; i < count; ++i) {
        Query query;
        const size_t kind = random_.Weighted({70, 15, 8, 7});
        const std::string noun = NounName(i % tables_.size());
        query.name = std::string(kind == 0   ? "qry"
                                 : kind == 1 ? "qryUpdate"
                                 : kind == 2 ? "qryDelete"
                                             : "qryAppend") +
                     noun + Num(static_cast<long>(i));
        query.action = kind != 0;
        queryKinds_.push_back(kind);
        queries_.push_back(query);
    }
}

void Generator::PlanModules() {
    const size_t count = static_cast<size_t>(std::max(4, size_.forms / 4));
    for (size_t m = 0; m < count; ++m) {
        std::vector<ModuleFunction> functions;
        if (m == 0) {
            for (const char* name : {"IsLoaded", "ShowStatus", "ClearStatus", "ShowAbout"})
                functions.push_back({name});
        }
        const int more = random_.Between(3, 9);
        for (int j = 0; j < more; ++j) {
            functions.push_back({random_.Pick(kVerbs) + NounName(random_.Index(kNouns.size())) +
                                 Num(static_cast<long>(m * 10 + static_cast<size_t>(j)))});
        }
        modules_.push_back({m == 0 ? "Utility Functions" : "bas" + NounName(m) + Num(long(m)),
                            std::move(functions), random_.Between(50, 150) / 100.0});
    }
    for (const Module& module : modules_) {
        for (const ModuleFunction& f : module.functions)
            allFunctions_.push_back(f.name);
    }
}

void Generator::PlanMacros() {
    const size_t groups = static_cast<size_t>(std::max(3, size_.forms / 10));
    for (size_t g = 0; g < groups; ++g) {
        MacroGroup group;
        group.name = "mcr" + NounName(g);
        const int named = random_.Between(3, 8);
        for (int k = 0; k < named; ++k)
            group.macroNames.push_back(random_.Pick(kVerbs) + NounName(random_.Index(12)) + Num(k));
        for (const std::string& n : group.macroNames)
            macroRefs_.push_back(group.name + "." + n);
        macroGroups_.push_back(std::move(group));
    }
    const size_t plain = groups / 3 + 1;
    for (size_t p = 0; p < plain; ++p) {
        plainMacros_.push_back("mcrAction" + Num(static_cast<long>(p)));
        macroRefs_.push_back(plainMacros_.back());
    }
}

void Generator::PlanCommandBars() {
    const size_t count = static_cast<size_t>(std::max(2, size_.forms / 20));
    for (size_t i = 0; i < count; ++i) {
        if (i % 2 == 0)
            menuBars_.push_back("Menu Bar " + Num(static_cast<long>(i / 2 + 1)));
        else
            toolbars_.push_back("Toolbar " + Num(static_cast<long>(i / 2 + 1)));
    }
}

void Generator::PlanForms() {
    const int subforms = std::max(2, size_.forms / 10);
    const int mains = size_.forms - subforms;
    for (int i = 0; i < mains; ++i) {
        FormPlan plan;
        const std::string noun = NounName(static_cast<size_t>(i) % (kNouns.size() * 3));
        const size_t style = random_.Weighted({70, 20, 10});
        plan.name = style == 0   ? "frm" + noun + " " + Num(i)
                    : style == 1 ? noun + " Entry " + Num(i)
                                 : noun + "/Details " + Num(i);
        // The first five are one of each kind, so that every size has them all.
        const size_t kind = i < 5 ? static_cast<size_t>(i) : random_.Weighted({55, 25, 10, 5, 5});
        plan.kind = kind == 0   ? FormKind::Plain
                    : kind == 1 ? FormKind::Tabbed
                    : kind == 2 ? FormKind::PageBreaks
                    : kind == 3 ? FormKind::Switchboard
                                : FormKind::Huge;
        plan.targetControls =
            plan.kind == FormKind::Huge ? random_.Between(270, 360) : random_.Between(75, 165);
        plan.table = static_cast<int>(random_.Index(tables_.size()));
        plan.codeWeight = random_.Between(50, 150) / 100.0;
        forms_.push_back(std::move(plan));
    }
    const size_t firstSub = forms_.size();
    for (int i = 0; i < subforms; ++i) {
        FormPlan plan;
        plan.kind = i % 2 == 0 ? FormKind::DatasheetSub : FormKind::ContinuousSub;
        plan.name = "sfrm" + NounName(static_cast<size_t>(i)) +
                    (plan.kind == FormKind::DatasheetSub ? " Lines " : " List ") + Num(i);
        plan.targetControls = random_.Between(12, 40);
        plan.table = static_cast<int>(random_.Index(tables_.size()));
        plan.codeWeight = 0.3;
        forms_.push_back(std::move(plan));
    }
    // A third of the main forms embed one or two subforms.
    for (size_t i = 0; i < firstSub; ++i) {
        if (forms_[i].kind == FormKind::Switchboard || !random_.Chance(33))
            continue;
        const int n = random_.Between(1, 2);
        for (int k = 0; k < n; ++k)
            forms_[i].subforms.push_back(
                static_cast<int>(firstSub + random_.Index(static_cast<size_t>(subforms))));
    }
    double total = 0;
    for (const FormPlan& plan : forms_)
        total += plan.codeWeight;
    formLineBudget_ = static_cast<double>(size_.codeLines) * 0.6 / total;
    for (size_t i = 0; i < firstSub; ++i)
        mainFormNames_.push_back(forms_[i].name);
}

}  // namespace velorin::bench::synthetic
