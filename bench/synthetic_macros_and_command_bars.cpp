// Macro groups, plain macros and AutoExec, and menu bars and toolbars.
#include "synthetic_generator.h"

#include "synthetic_vocabulary.h"

namespace velorin::bench::synthetic {

std::string Generator::AnyForm() {
    return random_.Pick(mainFormNames_);
}

void Generator::MacroRow(ObjectWriter& w, const std::string& macroName) {
    w.Begin();
    if (!macroName.empty())
        w.Text("MacroName", macroName);
    if (random_.Chance(15))
        w.Text("Condition", "IsLoaded(\"" + AnyForm() + "\")");
    switch (random_.Weighted({25, 10, 15, 10, 10, 8, 8, 6, 4, 4})) {
        case 0: {
            w.Text("Action", "OpenForm");
            w.Text("Argument", AnyForm());
            for (const char* a : {"0", "", "", "-1", random_.Chance(20) ? "3" : "0"})
                w.Text("Argument", a);
            break;
        }
        case 1:
            w.Text("Action", "Close");
            break;
        case 2:
            w.Text("Action", "MsgBox");
            w.Text("Comment", "Tell the user");
            w.Text("Argument", "The " + random_.Pick(kWords) + " was updated.");
            for (const char* a : {"-1", "4", "Information"})
                w.Text("Argument", a);
            break;
        case 3:
            w.Text("Action", "RunCode");
            w.Text("Argument", random_.Pick(allFunctions_) + "()");
            break;
        case 4:
            w.Text("Action", "Requery");
            w.Text("Argument", "txtID");
            break;
        case 5:
            w.Text("Action", "SetWarnings");
            w.Text("Argument", "0");
            break;
        case 6: {
            const Query& q = queries_[random_.Index(queries_.size())];
            w.Text("Action", "OpenQuery");
            w.Text("Argument", q.name);
            w.Text("Argument", "0");
            w.Text("Argument", "1");
            break;
        }
        case 7:
            w.Text("Action", "GoToControl");
            w.Text("Argument", "txtName");
            break;
        case 8:
            w.Text("Action", "ShowToolbar");
            w.Text("Argument", toolbars_.empty() ? "Form View" : random_.Pick(toolbars_));
            w.Text("Argument", "0");
            break;
        default:
            w.Text("Action", random_.Chance(50) ? "Beep" : "Hourglass");
            if (random_.Chance(50))
                w.Text("Argument", "-1");
            break;
    }
    w.End();
}

void Generator::WriteMacros() {
    for (const MacroGroup& group : macroGroups_) {
        ObjectWriter w;
        w.Line("Version =196611");
        w.Line("ColumnsShown =" + Num(random_.Chance(50) ? 1 : 3));
        w.Begin();
        w.Text("Comment", "Macros of the " + group.name.substr(3) + " forms");
        w.End();
        for (const std::string& name : group.macroNames) {
            const int rows = random_.Between(1, 4);
            for (int r = 0; r < rows; ++r)
                MacroRow(w, r == 0 ? name : std::string());
            w.Begin();
            w.End();
        }
        Write(root_ / "macros" / (FileNameOf(group.name) + ".bas"), w.out);
        ++counts_.macros;
    }
    for (const std::string& name : plainMacros_) {
        ObjectWriter w;
        w.Line("Version =196611");
        w.Line("ColumnsShown =0");
        const int rows = random_.Between(2, 7);
        for (int r = 0; r < rows; ++r)
            MacroRow(w, {});
        Write(root_ / "macros" / (FileNameOf(name) + ".bas"), w.out);
        ++counts_.macros;
    }
    ObjectWriter w;
    w.Line("Version =196611");
    w.Line("ColumnsShown =0");
    w.Begin();
    w.Text("Action", "RunCode");
    w.Text("Argument", "ShowStatus(\"Starting\")");
    w.End();
    Write(root_ / "macros" / "AutoExec.bas", w.out);
    ++counts_.macros;
}

std::string Generator::Action() {
    if (random_.Chance(60))
        return "=" + random_.Pick(allFunctions_) + "()";
    return random_.Pick(macroRefs_);
}

void Generator::BarControl(ObjectWriter& w, int depth, bool popupAllowed) {
    w.Begin("CommandBarControl");
    if (popupAllowed && depth < 3 && random_.Chance(depth == 0 ? 80 : 25)) {
        w.Number("Type", 10);
        w.Text("Caption", "&" + random_.Pick(kNouns));
        w.Begin();
        const int n = random_.Between(2, 7);
        for (int i = 0; i < n; ++i)
            BarControl(w, depth + 1, true);
        w.End();
    } else if (random_.Chance(5)) {
        w.Number("Type", 4);
        w.Text("Caption", "Find " + random_.Pick(kWords));
    } else {
        w.Number("Type", 1);
        w.Text("Caption", random_.Pick(kVerbs) + " &" + random_.Pick(kWords));
        if (random_.Chance(40))
            w.Text("TooltipText", random_.Pick(kVerbs) + " the " + random_.Pick(kWords));
        w.Text("OnAction", Action());
        if (random_.Chance(5))
            w.Flag("Enabled");
        if (random_.Chance(3))
            w.Flag("Visible");
    }
    w.End();
}

void Generator::WriteCommandBars() {
    for (const std::string& name : menuBars_) {
        ObjectWriter w;
        w.Begin("CommandBar");
        w.Begin();
        const int n = random_.Between(3, 6);
        for (int i = 0; i < n; ++i)
            BarControl(w, 0, true);
        w.End();
        w.End();
        Write(root_ / "commandbars" / (FileNameOf(name) + ".txt"), w.out);
    }
    for (const std::string& name : toolbars_) {
        ObjectWriter w;
        w.Begin("CommandBar");
        w.Begin();
        const int n = random_.Between(4, 10);
        for (int i = 0; i < n; ++i)
            BarControl(w, 1, i == n - 1);
        w.End();
        w.End();
        Write(root_ / "commandbars" / (FileNameOf(name) + ".txt"), w.out);
    }
}

}  // namespace velorin::bench::synthetic
