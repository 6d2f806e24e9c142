// The code behind forms and in standard modules: statements of the kinds
// the converter translates, in procedures of the planned sizes.
#include "synthetic_generator.h"

#include <algorithm>
#include <cmath>

#include "synthetic_vocabulary.h"

namespace velorin::bench::synthetic {

std::string Generator::Control(const CodeContext& ctx, const std::vector<std::string>& of,
                               const char* fallback) {
    if (ctx.form != nullptr && !of.empty())
        return random_.Pick(of);
    return fallback;
}

std::string Generator::FormReference() {
    const std::string& name = AnyForm();
    const bool plain = name.find_first_of(" /") == std::string::npos;
    switch (random_.Weighted({50, 30, 20})) {
        case 0:
            return plain ? "Forms!" + name : "Forms![" + name + "]";
        case 1:
            return "Forms(\"" + name + "\")";
        default:
            return "Forms![" + name + "]";
    }
}

std::string Generator::ActionQuery() {
    for (size_t i = 0; i < queries_.size(); ++i) {
        const Query& q = queries_[(i + random_.Index(queries_.size())) % queries_.size()];
        if (q.action)
            return q.name;
    }
    return queries_.front().name;
}

// One statement on one line.
std::string Generator::Statement(const CodeContext& ctx) {
    const std::string me = ctx.form != nullptr ? "Me" : FormReference();
    const std::string txt = Control(ctx, ctx.form ? ctx.form->textBoxes : kNone, "txtName");
    const std::string cbo = Control(ctx, ctx.form ? ctx.form->combos : kNone, "cboFind");
    const std::string lst = Control(ctx, ctx.form ? ctx.form->lists : kNone, "lstItems");
    const std::string& t = ctx.table->name;
    const std::string form = AnyForm();
    switch (random_.Weighted({5, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // DoCmd
                              4, 2, 2, 1,                                               // Forms
                              4, 3, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1,                       // Me
                              2, 2, 1, 1, 1,                                            // SysCmd
                              1, 1,                                                     // Echo
                              3, 3, 2, 2, 4, 3, 2, 2, 1, 1, 1, 1})) {
        case 0:
            return "DoCmd.OpenForm \"" + form + "\"" +
                   (random_.Chance(40) ? ", , , \"[ID]=\" & " + me + "!txtID" : "");
        case 1:
            return random_.Chance(50) ? "DoCmd.Close acForm, Me.Name"
                                      : "DoCmd.Close acForm, \"" + form + "\"";
        case 2:
            return random_.Chance(50) ? "DoCmd.GoToRecord , , acNewRec"
                                      : "DoCmd.GoToRecord , , acNext";
        case 3:
            return "DoCmd.RunCommand acCmdSaveRecord";
        case 4:
            return "DoCmd.OpenQuery \"" + ActionQuery() + "\"";
        case 5:
            return random_.Chance(50) ? "DoCmd.SetWarnings False" : "DoCmd.SetWarnings True";
        case 6:
            return random_.Chance(50) ? "DoCmd.Hourglass True" : "DoCmd.Hourglass False";
        case 7:
            return "DoCmd.Requery \"" + lst + "\"";
        case 8:
            return "DoCmd.GoToControl \"" + txt + "\"";
        case 9:
            return "DoCmd.RunMacro \"" + random_.Pick(macroRefs_) + "\"";
        case 10:
            return "DoCmd.OpenReport \"rpt" + random_.Pick(kNouns) +
                   "\", acViewPreview, , \"[ID]=\" & " + me + "!txtID";
        case 11:
            return random_.Chance(50) ? "DoCmd.Maximize" : "DoCmd.Restore";
        case 12:
            return "DoCmd.OpenForm \"" + form + "\", , , , , acDialog";
        case 13:
            return "DoCmd.RunSQL \"UPDATE " + t + " SET Code = 'X' WHERE ID = \" & lngID";
        case 14:
            return "DoCmd.ShowToolbar \"" +
                   (toolbars_.empty() ? std::string("Form View") : random_.Pick(toolbars_)) +
                   "\", acToolbarYes";
        case 15:
            return "DoCmd.ApplyFilter , \"[ParentID]=\" & Nz(" + me + "!txtID, 0)";
        case 16:
            return "DoCmd.FindRecord " + me + "!" + txt;
        case 17:
            return random_.Chance(50) ? "DoCmd.Beep" : "DoCmd.CancelEvent";
        case 18:
            return "DoCmd.OpenForm \"" + form + "\", , , , , , \"" + random_.Pick(kWords) + "\"";
        case 19: {
            const std::string& other = AnyForm();
            const bool plain = other.find_first_of(" /") == std::string::npos;
            return (plain ? "Forms!" + other : "Forms![" + other + "]") + "!txtID = " + me +
                   "!txtID";
        }
        case 20:
            return FormReference() + "!txtName.Requery";
        case 21:
            return FormReference() + ".Caption = \"" + random_.Pick(kWords) + "\"";
        case 22:
            return "If IsLoaded(\"" + form + "\") Then " + FormReference() + ".Requery";
        case 23:
            return me + "!" + txt + " = Null";
        case 24:
            return "Me." + txt + " = \"" + random_.Pick(kWords) + "\"";
        case 25:
            return me + "!" + lst + ".Requery";
        case 26:
            return me + "!" + cbo + ".SetFocus";
        case 27:
            return random_.Chance(50) ? "Me.Requery" : "Me.Refresh";
        case 28:
            return "Me.Caption = \"" + ctx.table->name.substr(3) + " - \" & Me!txtName";
        case 29:
            return random_.Chance(50) ? "Me.AllowEdits = False" : "Me.AllowAdditions = True";
        case 30:
            return "Me.RecordsetClone.FindFirst \"[ID]=\" & Me!" + cbo;
        case 31:
            return "Me.Bookmark = Me.RecordsetClone.Bookmark";
        case 32:
            return me + "!" + txt + ".Visible = " + (random_.Chance(50) ? "True" : "False");
        case 33:
            return me + "!" + txt + ".ControlTipText = \"" + random_.Pick(kWords) + "\"";
        case 34:
            return random_.Chance(50) ? "Me.TimerInterval = 0" : "Me.Repaint";
        case 35:
            return "varReturn = SysCmd(acSysCmdSetStatus, \"" + random_.Pick(kVerbs) + "...\")";
        case 36:
            return "SysCmd acSysCmdClearStatus";
        case 37:
            return "varReturn = SysCmd(acSysCmdInitMeter, \"Reading\", 100)";
        case 38:
            return "varReturn = SysCmd(acSysCmdUpdateMeter, lngCount)";
        case 39:
            return "If SysCmd(acSysCmdGetObjectState, acForm, \"" + form + "\") <> 0 Then Beep";
        case 40:
            return random_.Chance(50) ? "Application.Echo False" : "Application.Echo True";
        case 41:
            return "Application.Echo True, \"" + random_.Pick(kWords) + "\"";
        case 42:
            return "strSQL = \"SELECT * FROM " + t + " WHERE [ID]=\" & lngID";
        case 43:
            return "lngCount = DCount(\"*\", \"" + t + "\", \"[ParentID]=\" & lngID)";
        case 44:
            return "curTotal = Nz(DSum(\"[ID]\", \"" + t + "\"), 0)";
        case 45:
            return "varReturn = DLookup(\"[Name]\", \"" + t + "\", \"[ID]=\" & lngID)";
        case 46:
            return "MsgBox \"The " + random_.Pick(kWords) + " is " + random_.Pick(kWords) +
                   ".\", vbInformation, \"" + t.substr(3) + "\"";
        case 47:
            return "strName = Nz(" + me + "!" + txt + ", \"\")";
        case 48:
            return "Call " + random_.Pick(allFunctions_);
        case 49:
            return "lngID = Nz(" + me + "!txtID, 0)";
        case 50:
            return "Set db = CurrentDb()";
        case 51:
            return "Reports!rpt" + random_.Pick(kNouns) + ".Caption = strName";
        case 52:
            return "DoEvents";
        default:
            return "gstrLastForm = \"" + form + "\"";
    }
}

std::string Generator::Comment() {
    return "' " + random_.Pick(kVerbs) + " the " + random_.Pick(kWords) + " " +
           random_.Pick(kWords) + " before the " + random_.Pick(kWords) + " changes";
}

// Exactly `lines` lines of statements at `level`, blocks balanced.
void Generator::Statements(CodeWriter& code, CodeContext& ctx, long lines, int level) {
    while (lines > 0) {
        const size_t kind = random_.Weighted({56, 9, 7, 8, 4, 4, 3, 4, 3, 2});
        const std::string g = ctx.form != nullptr && !ctx.form->groups.empty()
                                  ? random_.Pick(ctx.form->groups)
                                  : std::string();
        if (kind == 1) {
            code.Line(level, Comment());
            --lines;
        } else if (kind == 2) {
            code.Line(0, "");
            --lines;
        } else if (kind == 3 && lines >= 3) {
            const bool withElse = lines >= 5 && random_.Chance(40);
            code.Line(level, "If Nz(" + std::string(ctx.form ? "Me!txtID" : "lngID") + ", 0) > " +
                                 Num(random_.Between(0, 99)) + " Then");
            code.Line(level + 1, Statement(ctx));
            if (withElse) {
                code.Line(level, "Else");
                code.Line(level + 1, Statement(ctx));
            }
            code.Line(level, "End If");
            lines -= withElse ? 5 : 3;
        } else if (kind == 4 && lines >= 9 && ctx.recordset) {
            code.Line(level, "Set rs = CurrentDb().OpenRecordset(\"SELECT * FROM " +
                                 ctx.table->name + "\", DB_OPEN_DYNASET)");
            code.Line(level, "Do Until rs.EOF");
            code.Line(level + 1, "lngCount = lngCount + 1");
            code.Line(level + 1, "rs.Edit");
            code.Line(level + 1, "rs.Code = UCase(rs.Code)");
            code.Line(level + 1, "rs.Update");
            code.Line(level + 1, "rs.MoveNext");
            code.Line(level, "Loop");
            code.Line(level, "rs.Close");
            lines -= 9;
        } else if (kind == 5 && lines >= 3) {
            code.Line(level, "For i = 1 To " + Num(random_.Between(2, 50)));
            code.Line(level + 1, Statement(ctx));
            code.Line(level, "Next i");
            lines -= 3;
        } else if (kind == 6 && lines >= 7 && !g.empty()) {
            // Option groups: read, compared and set by value.
            code.Line(level, "Select Case " + g);
            code.Line(level + 1, "Case 1");
            code.Line(level + 2, g + " = 2");
            code.Line(level + 1, "Case 2");
            code.Line(level + 2, "Me!" + g + " = 1");
            code.Line(level + 1, "Case Else");
            code.Line(level, "End Select");
            lines -= 7;
        } else if (kind == 7 && !g.empty()) {
            code.Line(level,
                      random_.Chance(50) ? "If " + g + ".Value = 1 Then Beep" : "lngCount = " + g);
            --lines;
        } else if (kind == 8 && lines >= 4) {
            code.Line(level, "With " + std::string(ctx.form ? "Me!txtName" : "Screen"));
            code.Line(level + 1, ctx.form ? ".Enabled = True" : ".MousePointer = 11");
            code.Line(level + 1, ctx.form ? ".Locked = False" : ".MousePointer = 0");
            code.Line(level, "End With");
            lines -= 4;
        } else if (kind == 9 && lines >= 2) {
            code.Line(level, "strMsg = \"The " + random_.Pick(kWords) + " of \" & strName & _");
            code.Line(level + 1, "\" has changed.\"");
            lines -= 2;
        } else {
            code.Line(level, Statement(ctx));
            --lines;
        }
    }
}

// A procedure of `lines` lines in all (at least 3).
void Generator::Procedure(CodeWriter& code, CodeContext& ctx, const std::string& header,
                          const std::string& end, long lines, bool handler) {
    code.Line(0, header);
    long body = lines - 2;
    static const std::vector<std::string> kDims = {
        "Dim strSQL As String", "Dim lngCount As Long",     "Dim varReturn As Variant",
        "Dim i As Integer",     "Dim curTotal As Currency", "Dim strName As String",
        "Dim strMsg As String", "Dim lngID As Long"};
    ctx.recordset = body >= 14 && random_.Chance(40);
    if (ctx.recordset) {
        code.Line(1, "Dim rs As Recordset");
        --body;
    }
    const long dims = std::min<long>(body - 1, random_.Between(0, 3));
    const size_t first = random_.Index(kDims.size());
    for (long i = 0; i < dims; ++i)
        code.Line(1, kDims[(first + static_cast<size_t>(i)) % kDims.size()]);
    body -= std::max(0L, dims);
    const std::string label = ctx.procedure;
    if (handler && body >= 8) {
        code.Line(1, "On Error GoTo Err_" + label);
        Statements(code, ctx, body - 7, 1);
        code.Line(0, "Exit_" + label + ":");
        code.Line(1, end == "End Function" ? "Exit Function" : "Exit Sub");
        code.Line(0, "Err_" + label + ":");
        code.Line(1, "MsgBox Err.Description, vbExclamation, \"" + label + "\"");
        code.Line(1, "Resume Exit_" + label);
        code.Line(0, "");
    } else {
        Statements(code, ctx, body, 1);
    }
    code.Line(0, end);
}

void Generator::FormCode(CodeWriter& code, const FormContext& form, long budget) {
    for (const char* line :
         {"Attribute VB_GlobalNameSpace = False", "Attribute VB_Creatable = True",
          "Attribute VB_PredeclaredId = True", "Attribute VB_Exposed = False",
          "Option Compare Database", "Option Explicit", ""})
        code.Line(0, line);
    code.Line(0, Comment());
    code.Line(0, "Dim mlngLastID As Long");
    code.Line(0, "");
    CodeContext ctx;
    ctx.form = &form;
    ctx.table = form.table;
    long left = budget - code.lines;
    const size_t events = form.procedures.size();
    // Event procedures get a share; helpers take the rest.
    const long perEvent = events == 0 ? 0 : std::max(3L, left * 6 / 10 / static_cast<long>(events));
    for (size_t i = 0; i < events; ++i) {
        const EventProcedure& p = form.procedures[i];
        const long size = std::max(3L, perEvent + random_.Between(-2, 2));
        const size_t open = p.header.find(' ', 8) + 1;
        ctx.procedure = p.header.substr(open, p.header.find('(') - open);
        if (size < 5) {
            code.Line(0, p.header);
            Statements(code, ctx, size - 2, 1);
            code.Line(0, "End Sub");
        } else {
            Procedure(code, ctx, p.header, "End Sub", size, random_.Chance(25));
        }
        code.Line(0, "");
    }
    int helper = 0;
    while (budget - code.lines >= 6) {
        const long room = budget - code.lines - 1;
        const long size = std::min(room, static_cast<long>(random_.Between(8, 40)));
        const bool function = random_.Chance(40);
        ctx.procedure = (function ? "Calc" : "Update") + form.table->name.substr(3) + Num(helper++);
        Procedure(code, ctx,
                  function ? "Private Function " + ctx.procedure + "(lngID As Long) As Currency"
                           : "Private Sub " + ctx.procedure + "()",
                  function ? "End Function" : "End Sub", size, random_.Chance(25));
        code.Line(0, "");
    }
    while (code.lines < budget)
        code.Line(0, Comment());
}

void Generator::WriteModules() {
    const long remaining = std::max(0L, size_.codeLines - counts_.formCodeLines);
    double total = 0;
    for (const Module& module : modules_)
        total += module.weight;
    for (size_t m = 0; m < modules_.size(); ++m) {
        const Module& module = modules_[m];
        const long budget =
            std::max(40L, std::lround(static_cast<double>(remaining) * module.weight / total));
        CodeWriter code;
        code.Line(0, "Attribute VB_Name = \"" + module.name + "\"");
        code.Line(0, "Option Compare Database");
        code.Line(0, "Option Explicit");
        code.Line(0, "");
        code.Line(0, Comment());
        code.Line(0, "");
        if (m == 0) {
            code.Line(0, "Public gstrLastForm As String");
            code.Line(0, "Public Const APP_TITLE = \"Synthetic\"");
            code.Line(0, "Dim db As Database");
            code.Line(0, "");
        }
        CodeContext ctx;
        ctx.table = &tables_[m % tables_.size()];
        const long perFunction =
            std::max(6L, (budget - code.lines) / static_cast<long>(module.functions.size() + 3));
        for (const ModuleFunction& f : module.functions) {
            ctx.procedure = f.name;
            Procedure(code, ctx,
                      "Public Function " + f.name + "(Optional varArg As Variant) As Variant",
                      "End Function", perFunction + random_.Between(-3, 3), random_.Chance(30));
            code.Line(0, "");
        }
        int helper = 0;
        while (budget - code.lines >= 8) {
            const long room = budget - code.lines - 1;
            const long size = std::min(room, static_cast<long>(random_.Between(10, 60)));
            ctx.procedure = "Process" + ctx.table->name.substr(3) + Num(helper++);
            Procedure(code, ctx,
                      (random_.Chance(50) ? "Private Sub " : "Public Sub ") + ctx.procedure +
                          "(Optional lngID As Long)",
                      "End Sub", size, random_.Chance(30));
            code.Line(0, "");
        }
        while (code.lines < budget)
            code.Line(0, Comment());
        counts_.moduleCodeLines += code.lines;
        Write(root_ / "modules" / (FileNameOf(module.name) + ".bas"), code.out);
    }
}

}  // namespace velorin::bench::synthetic
