// Statement translation: four stages of textual rules over one trimmed line.
// A: Application members; B: DoCmd actions and three other statements;
// C: features Visual Basic lacks (first match); D: replacements (all that match).
#include "code/translate_line.h"

#include "code/analysis_records.h"
#include "code/code_mask.h"
#include "code/compound_statements.h"
#include "code/form_reference.h"
#include "code/later_functions.h"
#include "code/statement_rules.h"
#include "code/translation_outcomes.h"
#include "common/ansi_text.h"
#include "common/pair_filter.h"
#include "common/string_helpers.h"
#include "output/form_output.h"

namespace velorin {
namespace {

// Whether the masked code of a line holds `text`.
bool Contains(std::string_view code, std::string_view text, bool exactCase) {
    return exactCase ? code.find(text) != std::string_view::npos
                     : IFind(code, text) != std::string_view::npos;
}

// The same, with the code's filter ruling out most texts at once.
bool Contains(std::string_view code, const PairFilter& filter, std::string_view text,
              bool exactCase) {
    return filter.MayContain(text) && Contains(code, text, exactCase);
}

void StageApplication(CodeFileState& state) {
    if (!CodeContains(state.line, "Application."))
        return;
    if (CodeContains(state.line, "Application.hWndAccessApp")) {
        state.line = ReplaceInCode(state.line, "Application.hWndAccessApp", "App.hInstance");
    } else if (IEquals(state.line, "Application.Quit")) {
        state.line = "End";
    } else {
        CommentedOut(state, reason::kNoTranslation);
    }
}

// Ends translation with an empty line.
void Blank(CodeFileState& state) {
    state.line.clear();
    ++state.blankLines;
}

// Returns false when translation ends here.
bool StageStatements(CodeFileState& state) {
    if (IStartsWith(state.line, "DoCmd.")) {
        ApplyDoCmdRules(state);
    } else if (IStartsWith(state.line, "Option Compare Database")) {
        CommentedOut(state, reason::kAccessOnlyFeature);
    } else if (ApplyCurrentDatabaseRule(state)) {
        return true;
    } else if (CodeContains(state.line, ".REQUERY")) {
        ApplyListRequeryRule(state);
    }
    return true;
}

struct Unsupported {
    std::string_view text;
    bool exactCase;
    int reason;
};

constexpr Unsupported kUnsupported[] = {
    {".AllowAdditions", true, 1}, {".AllowEdits", true, 1},  {".DataEntry", true, 1},
    {".AllowDeletions", true, 1}, {".RunCommand", false, 1}, {"CurrentUser()", false, 1},
};

constexpr std::string_view kAttributes[] = {"Attribute VB_Name", "Attribute VB_Creatable",
                                            "Attribute VB_Exposed"};

// The codes Access passes a list-filling function, by their two spellings.
struct ListCallback {
    std::string_view oldName;
    std::string_view name;
    std::string_view value;
};
constexpr ListCallback kListCallbacks[] = {
    {"LB_INITIALIZE", "acLBInitialize", "0"},
    {"LB_OPEN", "acLBOpen", "1"},
    {"LB_GETROWCOUNT", "acLBGetRowCount", "3"},
    {"LB_GETCOLUMNCOUNT", "acLBGetColumnCount", "4"},
    {"LB_GETCOLUMNWIDTH", "acLBGetColumnWidth", "5"},
    {"LB_GETVALUE", "acLBGetValue", "6"},
    {"LB_GETFORMAT", "acLBGetFormat", "7"},
    {"LB_CLOSE", "acLBClose", "8"},
    {"LB_END", "acLBEnd", "9"},
};

constexpr std::string_view kNavigationConstants[] = {"ACFIRST", "ACLAST",  "ACNEWREC", "ACNEXT",
                                                     "ACPREV",  "A_FIRST", "A_LAST",   "A_NEWREC",
                                                     "A_NEXT",  "A_PREV",  "ACHIDDEN"};

constexpr Unsupported kLaterUnsupported[] = {
    {"GOTOPAGE", false, 1},      {"Reports!", false, 9},  {".ActiveReport", true, 9},
    {"DATA_ERRADDED", false, 1}, {".bookmark", false, 1}, {".RecordsetClone", true, 1},
};

constexpr Unsupported kLastUnsupported[] = {
    {".parent", false, 1},      {".DefaultEditing", true, 1}, {"DDEExecute", true, 1},
    {"DDEInitiate", true, 1},   {"DDEPoke", true, 1},         {"DDERequest", true, 1},
    {"DDESend", true, 1},       {"DDETerminate", true, 1},    {".Undo", true, 1},
    {".Locked", true, 1},       {".SourceObject", true, 1},   {".RowSource", true, 1},
    {".Painting", true, 1},     {".AllowEditing", true, 1},   {".HiddenPageBreak", true, 1},
    {".FilterOn", true, 1},     {".OnAction", true, 12},      {".OnActivate", true, 12},
    {".OnAddnNew", true, 12},   {".OnApplyFilter", true, 12}, {".OnChange", true, 12},
    {".OnClick", true, 12},     {".OnClose", true, 12},       {".OnCurrent", true, 12},
    {".OnDblClick", true, 12},  {".OnDeactivate", true, 12},  {".OnDelete", true, 12},
    {".OnEnter", true, 12},     {".OnError", true, 12},       {".OnExit", true, 12},
    {".OnFilter", true, 12},    {".OnGotFocus", true, 12},    {".OnKeyDown", true, 12},
    {".OnKeyPress", true, 12},  {".OnKeyUp", true, 12},       {".OnLoad", true, 12},
    {".OnLostFocus", true, 12}, {".OnMouseDown", true, 12},   {".OnMouseMove", true, 12},
    {".OnMouseUp", true, 12},   {".OnNotInList", true, 12},   {".OnOpen", true, 12},
    {".OnResize", true, 12},    {".OnTimer", true, 12},       {".OnUnload", true, 12},
    {".OnUpdated", true, 12},
};

const Unsupported* FirstIn(std::string_view line, const PairFilter& filter,
                           const Unsupported* begin, const Unsupported* end) {
    // Most of the texts are members: a line without a dot holds none of them.
    const bool dotted = line.find('.') != std::string_view::npos;
    for (const Unsupported* rule = begin; rule != end; ++rule) {
        if ((dotted || rule->text[0] != '.') && Contains(line, filter, rule->text, rule->exactCase))
            return rule;
    }
    return nullptr;
}

// Returns false when translation ends here.
bool StageUnsupported(CodeFileState& state) {
    const std::string& line = state.mask.Of(state.line);
    const PairFilter& filter = state.mask.Filter();
    if (const Unsupported* rule =
            FirstIn(line, filter, std::begin(kUnsupported), std::end(kUnsupported))) {
        CommentedOut(state, rule->reason);
        return true;
    }
    for (std::string_view attribute : kAttributes) {
        if (Contains(line, filter, attribute, false)) {
            Blank(state);
            return false;
        }
    }
    for (const ListCallback& callback : kListCallbacks) {
        if (Contains(line, filter, callback.oldName, false) ||
            Contains(line, filter, callback.name, false)) {
            // A list-filling function keeps its branches: Visual Basic's lists
            // do not call it, but its codes keep their values and the code
            // compiles.
            std::string translated = state.line;
            for (const ListCallback& c : kListCallbacks) {
                translated = ReplaceInCode(translated, c.name, c.value);
                translated = ReplaceInCode(translated, c.oldName, c.value);
            }
            TranslatedWithNote(state, reason::kListCallback, translated);
            return false;
        }
    }
    for (std::string_view constant : kNavigationConstants) {
        if (Contains(line, filter, constant, false)) {
            CommentedOut(state, reason::kAccessOnlyFeature);
            return true;
        }
    }
    if (Contains(line, filter, ".ControlTipText", true) &&
        !state.session.Settings().options.vb5Project) {
        CommentedOut(state, reason::kAccessOnlyFeature);
        return true;
    }
    if (const Unsupported* rule =
            FirstIn(line, filter, std::begin(kLaterUnsupported), std::end(kLaterUnsupported))) {
        CommentedOut(state, rule->reason);
        return true;
    }
    if (Contains(line, filter, ".form", false) && !Contains(line, filter, "vb.form", false)) {
        CommentedOut(state, reason::kAccessOnlyFeature);
        return true;
    }
    if (const Unsupported* rule =
            FirstIn(line, filter, std::begin(kLastUnsupported), std::end(kLastUnsupported))) {
        CommentedOut(state, rule->reason);
    }
    return true;
}

struct Replacement {
    std::string_view find;
    std::string_view replace;
};

constexpr Replacement kDataAccess[] = {
    {"CurrentDB()", "DB"},
    {"me.helpfile", "App.HelpFile"},
    {"CurrentDB", "DB"},
    {"DB_OPEN_DYNASET", "DBOPENDYNASET"},
    {"DB_OPEN_snapshot", "dbOpenSnapshot"},
    {"DB_OPEN_table", "dbOpenTable"},
    {"DB_forwardonly", "dbForwardOnly"},
    {"db_sqlpassthrough", "dbsqlpassthrough"},
    {"db_appendonly", "dbappendonly"},
    {"db_readonly", "dbreadonly"},
    {"DB_LANG_GENERAL", "dbLangGeneral"},
    {"OpenQueryDef", "QueryDefs"},
    {"CreateSnapshot", "OpenRecordset"},
    {"CreateDynaset", "OpenRecordset"},
    {"As Dynaset", "As Recordset"},
    {"As Snapshot", "As Recordset"},
    {"dbengine(0)(0)", "db"},
    {".Repaint", ".Refresh"},
    {"DBEngine.Workspaces(0).Databases(0)", "db"},
};

constexpr Replacement kMembers[] = {
    {".Object", ""},
    {"me.txt", "me!txt"},
    {"me.lst", "me!lst"},
    {"me.cbo", "me!cbo"},
    {"me.lbl", "me!lbl"},
    {".Attributes", "!Attributes"},
    {".SourceTableName", "!SourceTableName"},
};

constexpr Replacement kSysCmd[] = {
    {"SysCmd(", "SysCmdVB("},
    {"acSysCmdInitMeter", "1"},
    {"SYSCMD_INITMETER", "1"},
    {"acSysCmdUpdateMeter", "2"},
    {"SYSCMD_UPDATEMETER", "2"},
    {"acSysCmdRemoveMeter", "3"},
    {"SYSCMD_REMOVEMETER", "3"},
    {"acSysCmdSetStatus", "4"},
    {"SYSCMD_SETSTATUS", "4"},
    {"acSysCmdClearStatus", "5"},
    {"SYSCMD_CLEARSTATUS", "5"},
    {"acSysCmdGetWorkgroupFile", "13"},
    {"acSysCmdGetObjectState", "10"},
    {"SYSCMD_GETOBJECTSTATE", "10"},
    {".TimerInterval", ".Timer1.Interval"},
};

void Apply(CodeFileState& state, const Replacement* begin, const Replacement* end) {
    const std::string* code = &state.mask.Of(state.line);
    for (const Replacement* r = begin; r != end; ++r) {
        if (state.mask.Filter().MayContain(r->find) && IFind(*code, r->find) != std::string::npos) {
            state.line = ReplaceInCode(state.line, r->find, r->replace);
            code = &state.mask.Of(state.line);
        }
    }
}

// Statements that declare names, where "()" marks an array or an empty
// parameter list and stays.
bool IsDeclaration(std::string_view line) {
    for (std::string_view word : {"Dim", "ReDim", "Static", "Private", "Public", "Global", "Friend",
                                  "Const", "Declare", "Sub", "Function", "Property"}) {
        if (StartsWithWord(line, word))
            return true;
    }
    return false;
}

// A call written with empty parentheses, Now() or CurrentUser(), loses them;
// an array keeps its: declared (Dim a() As String, a Type's member
// "Items() As Long") or passed (Erase a()).
std::string WithoutEmptyParentheses(const std::string& line, MaskedLine& mask) {
    if (IsDeclaration(line))
        return line;
    std::string out;
    const std::string& code = mask.Of(line);
    size_t from = 0;
    for (size_t at = code.find("()"); at != std::string::npos; at = code.find("()", at + 2)) {
        std::string_view after = TrimBlanks(std::string_view(code).substr(at + 2));
        if (StartsWithWord(after, "As"))
            continue;
        out.append(line, from, at - from);
        from = at + 2;
    }
    out.append(line, from, std::string::npos);
    return out;
}

// A module that took another name is called by it: Utils.Foo becomes
// UtilsA.Foo. A name after a dot or a bang is another object's member.
std::string FollowRenamedModules(const std::string& line,
                                 const std::map<std::string, std::string, ILess>& modules,
                                 MaskedLine& mask) {
    const std::string& code = mask.Of(line);
    std::string out;
    size_t from = 0;
    for (size_t i = 0; i < code.size(); ++i) {
        if (!IsIdentifierChar(code[i]) || (i > 0 && IsIdentifierChar(code[i - 1])))
            continue;
        const std::string word = LeadingIdentifier(std::string_view(code).substr(i));
        const size_t end = i + word.size();
        const bool member = i > 0 && (code[i - 1] == '.' || code[i - 1] == '!');
        const auto found = modules.find(word);
        if (!member && found != modules.end() && end < code.size() && code[end] == '.') {
            out.append(line, from, i - from);
            out += found->second;
            from = end;
        }
        i = end - 1;
    }
    out.append(line, from, std::string::npos);
    return out;
}

void StageReplacements(CodeFileState& state) {
    std::string& line = state.line;
    Apply(state, std::begin(kDataAccess), std::end(kDataAccess));
    if (state.session.Settings().options.vb5Project && CodeContains(line, ".ControlTipText"))
        line = ReplaceInCode(line, ".ControlTipText", ".ToolTipText");
    if (IFind(line, "forms") != std::string::npos) {
        const std::string lookup = state.session.names.SupportName(kFormLookup);
        line = RewriteFormsCalls(std::move(line), state.session.names.formVbNames, lookup);
        line = RewriteFormsBang(std::move(line), state.session.names.formVbNames, lookup);
    }
    if (!state.renamedModules.empty())
        line = FollowRenamedModules(line, state.renamedModules, state.mask);
    Apply(state, std::begin(kMembers), std::end(kMembers));
    line = WithoutEmptyParentheses(line, state.mask);
    if (IEquals(line, "Quit"))
        line = "End";
    if (IFind(line, "Sub lst") != std::string::npos &&
        IFind(line, "_AfterUpdate(") != std::string::npos)
        line = ReplaceAll(line, "_AfterUpdate()", "_AfterUpdate(RtnDispErrMsg As Integer)");
    Apply(state, std::begin(kSysCmd), std::end(kSysCmd));
    if (IFind(line, "SysCmdVB(") != std::string::npos) {
        if (const std::string sysCmd = state.session.names.SupportName("SysCmdVB");
            sysCmd != "SysCmdVB")
            line = ReplaceInCode(line, "SysCmdVB(", sysCmd + "(");
    }
    // The form's timer may have had to take another name.
    if (state.formNames != nullptr && CodeContains(line, ".Timer1.Interval")) {
        const std::string timer = state.formNames->Find(name_key::kTimer);
        if (!timer.empty() && timer != "Timer1")
            line = ReplaceInCode(line, ".Timer1.Interval", "." + timer + ".Interval");
    }
}

}  // namespace

namespace {

void TranslateCode(CodeFileState& state) {
    // A line a stage comments out is recorded once and left as it was.
    auto commented = [&] { return state.line.starts_with(kMarker); };
    StageApplication(state);
    if (commented() || !StageStatements(state) || commented())
        return;
    // The old line a translation keeps after the marker stays as the
    // application wrote it: the later stages see only the code before it.
    std::string note;
    const size_t noteAt = state.line.find("\t" + std::string(kMarker));
    if (noteAt != std::string::npos) {
        note = state.line.substr(noteAt);
        state.line.erase(noteAt);
    }
    if (StageUnsupported(state) && !commented() && ApplyLaterFunctionRule(state))
        StageReplacements(state);
    state.line += note;
}

// Statements the rules must see on their own: a DoCmd action or a statement
// of db, which a rule reads from the start of the line.
bool NeedsALineOfItsOwn(std::string_view statement) {
    statement = TrimBlanks(statement);
    return IStartsWith(statement, "DoCmd.") || IsDatabaseStatement(statement);
}

bool AnyNeedsALineOfItsOwn(const std::vector<std::string>& statements) {
    for (const std::string& statement : statements) {
        if (NeedsALineOfItsOwn(statement))
            return true;
    }
    return false;
}

void TranslateStatement(CodeFileState& state);

// A line of the output that the conversion adds, counted as the rules count lines.
void Emit(CodeFileState& state, std::string line) {
    state.out.Append(std::move(line));
    ++state.totalLines;
    ++state.lineNumber;
}

void EmitTranslated(CodeFileState& state, const std::string& statement) {
    state.line = statement;
    TranslateStatement(state);
    Emit(state, state.line);
}

// A line of several statements whose rules need each on a line of its own:
// the statements become lines ("a: DoCmd.Close" two lines, "If c Then
// DoCmd.Close Else x" a block If). Returns false for any other line.
bool TranslateCompound(CodeFileState& state) {
    const std::string code = state.line;
    const SingleLineIf single = ReadSingleLineIf(code);
    if (single.valid) {
        if (!AnyNeedsALineOfItsOwn(single.thenPart) && !AnyNeedsALineOfItsOwn(single.elsePart))
            return false;
        const size_t first = state.out.Size();
        EmitTranslated(state, "If " + single.condition + " Then");
        bool anyKept = false;
        auto emitPart = [&](const std::vector<std::string>& statements) {
            for (const std::string& statement : statements) {
                const size_t at = state.out.Size();
                EmitTranslated(state, statement);
                for (size_t i = at; i < state.out.Size(); ++i)
                    anyKept = anyKept || !state.out.Lines()[i].starts_with(kMarker);
            }
        };
        emitPart(single.thenPart);
        if (single.hasElse) {
            Emit(state, "Else");
            emitPart(single.elsePart);
        }
        state.line = "End If";
        // When nothing of its statements is left, the If goes with them: its
        // condition alone may be Access's (Me.Dirty).
        if (!anyKept) {
            for (size_t i = first; i < state.out.Size(); ++i) {
                const std::string& line = state.out.Lines()[i];
                if (!line.starts_with(kMarker))
                    state.out.Replace(i, std::string(kMarker) + line);
            }
            state.line = std::string(kMarker) + state.line;
        }
        return true;
    }
    if (code.find(':') == std::string::npos)
        return false;  // one statement
    const std::vector<std::string> statements = SplitStatements(code);
    if (statements.size() < 2 || !AnyNeedsALineOfItsOwn(statements))
        return false;
    for (size_t i = 0; i + 1 < statements.size(); ++i) {
        if (i == 0 && statements[0].ends_with(':'))
            Emit(state, statements[0]);  // a label
        else
            EmitTranslated(state, statements[i]);
    }
    state.line = statements.back();
    TranslateStatement(state);
    return true;
}

void TranslateStatement(CodeFileState& state) {
    if (!TranslateCompound(state))
        TranslateCode(state);
}

}  // namespace

void TranslateLine(CodeFileState& state) {
    // The rules see the code; the trailing comment is the user's and comes
    // back as it was. A statement that goes keeps its comment on a line of
    // its own.
    const size_t end = CodeEnd(state.line);
    state.comment = state.line.substr(end);
    state.line.erase(end);
    TranslateStatement(state);
    if (state.line.empty())
        state.line = std::string(TrimWhitespace(state.comment));
    else
        state.line += state.comment;
    state.comment.clear();
}

}  // namespace velorin
