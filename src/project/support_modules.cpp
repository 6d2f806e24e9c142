#include "project/support_modules.h"

#include "code/module_conversion.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"
#include "controls/support_library/support_library.h"
#include "project/macro_converter.h"

namespace velorin {
namespace {

constexpr std::string_view kSupportModule = "VlrnConversionCode.bas";
constexpr std::string_view kMdiParent = "MDIParent.frm";

// A generated string literal.
std::string Literal(std::string_view text) {
    return VbQuoted(text, QuoteFor::Code);
}

// The name a converted form has in the project; a form converted under a
// suffixed name (two forms with the same identifier) is found by that name.
std::string FormIdentifier(const Session& session, const std::string& accessName) {
    const auto found = session.formVbNames.find(accessName);
    return found != session.formVbNames.end() ? found->second : MakeVBName(accessName);
}

bool CopyTemplate(Session& session, std::string_view name) {
    const std::filesystem::path source = session.templateDirectory / std::string(name);
    std::error_code ec;
    if (session.templateDirectory.empty() || !std::filesystem::is_regular_file(source, ec)) {
        session.ui.Warn("the template " + std::string(name) + " is missing from " +
                        session.templateDirectory.string() + "; the project lacks its content");
        return false;
    }
    session.out.Keep(name);
    return session.out.CopyFrom(source, name);
}

bool HasAutoExecMacro(const Session& session) {
    for (const std::string& macro : session.sourceDb->Documents(Container::Scripts)) {
        if (IEquals(macro, "autoexec"))
            return true;
    }
    return false;
}

}  // namespace

void WriteFormLookupFunction(Session& session) {
    OutputFile file = session.out.OpenAppend(kSupportModule);
    file.WriteLine("");
    file.WriteLine("Function GetFormFromName(FormName As String) As Form");
    file.WriteLine("    Select Case FormName");
    for (size_t i = 1; i < session.convertedFormNames.size(); ++i) {
        const std::string& name = session.convertedFormNames[i];
        if (name.empty())
            continue;
        file.WriteLine("        Case " + Literal(name) +
                       ": Set GetFormFromName = " + FormIdentifier(session, name));
    }
    file.WriteLine("        Case Else");
    file.WriteLine(
        "            Err.Raise Number:=vbObjectError + 31004, Description:=\"Form name not in "
        "global list\"");
    file.WriteLine("    End Select");
    file.WriteLine("End Function");
}

void WriteSubMain(Session& session) {
    const bool vb4 = !session.options.vb5Project;
    const std::string mdw = Literal(session.options.workgroupFile);
    OutputFile file = session.out.OpenAppend(kSupportModule);
    file.WriteLine("");
    file.WriteLine("Public Sub Main()");
    file.WriteLine("");
    if (vb4) {
        file.WriteLine("    #If Win16 Then");
        file.WriteLine("        DBEngine.IniPath = " + mdw);
        file.WriteLine("    #Else");
    }
    file.WriteLine(std::string(vb4 ? "\t" : "") + "    DBEngine.SystemDB = " + mdw);
    if (vb4)
        file.WriteLine("    #End If");
    file.WriteLine("    Set wks = CreateWorkspace(" + Literal(session.projectBaseName) + ", " +
                   Literal(session.securityUser) + ", " + Literal(session.securityPassword) + ")");
    file.WriteLine("    Set db = wks.OpenDatabase(" +
                   Literal(session.outputPath + session.projectBaseName + ".mdb") + ")");
    file.WriteLine("");
    if (session.options.mdiProject)
        file.WriteLine("    MDIParent.Show");
    if (HasAutoExecMacro(session))
        file.WriteLine("    Call Autoexec");
    if (!session.startupForm.empty()) {
        file.WriteLine("    " + FormIdentifier(session, session.startupForm) + ".Show");
        session.sourceDb->SetDatabaseProperty("StartupForm", session.startupForm);
    }
    file.WriteLine("End Sub");
}

void WriteMdiParent(Session& session) {
    if (!CopyTemplate(session, kMdiParent))
        return;
    OutputDirectory& out = session.out;
    CodeText text(SplitLines(out.Read(kMdiParent).value_or(std::string())));
    if (session.options.vb5Project) {
        InsertLine(text, " ", "VERSION 5.00", 1);
        InsertLine(text, "VERSION 5.00",
                   "Object = \"{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0\"; \"comctl32.ocx\"",
                   1);
        InsertLine(text, "VERSION 5.00",
                   "Object=\"{0BA686C6-F7D3-101A-993E-0000C0EF6F5E}#1.0#0\"; \"THREED32.OCX\"", 1);
    } else {
        InsertLine(text, " ", "VERSION 4.00", 1);
    }
    out.Write(kMdiParent, text.Joined());
}

void WriteSupportModules(Session& session) {
    const CodeText macros = ConvertAllMacros(session);
    CopyTemplate(session, kSupportModule);
    WriteFormLookupFunction(session);
    WriteSubMain(session);
    CodeText macroCode = ConvertCodeFile(session, "MacroCode", macros, false);
    SilentIndent(macroCode);
    session.out.Write("MacroCode.bas", macroCode.Joined());
    session.out.Keep("MacroCode.bas");
    if (session.options.mdiProject)
        WriteMdiParent(session);
}

}  // namespace velorin
