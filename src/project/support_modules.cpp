#include "project/support_modules.h"

#include "code/analysis_records.h"
#include "code/code_mask.h"
#include "code/form_reference.h"
#include "code/module_conversion.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/output_directory.h"
#include "common/string_helpers.h"
#include "common/vb_quote.h"
#include "controls/support_library/support_library.h"
#include "output/long_lines.h"
#include "project/macro_converter.h"
#include "project/supplied_functions.h"

namespace velorin {
namespace {

constexpr std::string_view kSupportTemplate = "VlrnConversionCode.bas";
constexpr std::string_view kMdiTemplate = "MDIParent.frm";

std::string SupportFile(const Session& session) {
    return session.names.generatedNames.supportFile + ".bas";
}

// A generated string literal.
std::string Literal(std::string_view text) {
    return VbQuoted(text, QuoteFor::Code);
}

// The name a converted form has in the project; a form converted under a
// suffixed name (two forms with the same identifier) is found by that name.
std::string FormIdentifier(const Session& session, const std::string& accessName) {
    const auto found = session.names.formVbNames.find(accessName);
    return found != session.names.formVbNames.end() ? found->second : MakeVBName(accessName);
}

// The template's lines, with the name it was written for (`templateName`)
// replaced in its Begin and Attribute VB_Name lines by the name the project
// gives it; nothing when the template is missing.
std::optional<CodeText> ReadTemplate(Session& session, std::string_view file,
                                     std::string_view templateName, std::string_view name) {
    const std::filesystem::path source = session.Settings().templateDirectory / std::string(file);
    std::error_code ec;
    std::optional<std::string> text;
    if (!session.Settings().templateDirectory.empty() &&
        std::filesystem::is_regular_file(source, ec))
        text = ReadWholeFile(source);
    if (!text) {
        session.ui.Warn("the template " + std::string(file) + " is missing from " +
                        session.Settings().templateDirectory.string() +
                        "; the project lacks its content");
        return std::nullopt;
    }
    CodeText lines(SplitLines(*text));
    if (name != templateName) {
        const std::string attribute = "Attribute VB_Name = " + VbQuoted(templateName);
        for (std::string& line : lines.MutableLines()) {
            if (LinesMatch(line, attribute))
                line = "Attribute VB_Name = " + VbQuoted(name);
            else if (IStartsWith(TrimBlanks(line), "Begin ") &&
                     IEndsWith(TrimBlanks(line), " " + std::string(templateName)))
                line = std::string(TrimBlanks(line))
                           .substr(0, TrimBlanks(line).size() - templateName.size()) +
                       std::string(name);
        }
    }
    return lines;
}

// Writes a generated file that the project keeps.
void WriteGenerated(Session& session, const std::string& file, const CodeText& text) {
    session.out.Write(file, text.Joined());
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
    OutputFile file = session.out.OpenAppend(SupportFile(session));
    file.WriteLine("");
    const std::string lookup = session.names.SupportName("GetFormFromName");
    file.WriteLine("Function " + lookup + "(FormName As String) As Form");
    file.WriteLine("    Select Case FormName");
    for (size_t i = 1; i < session.project.convertedFormNames.size(); ++i) {
        const std::string& name = session.project.convertedFormNames[i];
        if (name.empty())
            continue;
        file.WriteLine("        Case " + Literal(name) + ": Set " + lookup + " = " +
                       FormIdentifier(session, name));
    }
    file.WriteLine("        Case Else");
    file.WriteLine(
        "            Err.Raise Number:=vbObjectError + 31004, Description:=\"Form name not in "
        "global list\"");
    file.WriteLine("    End Select");
    file.WriteLine("End Function");
}

// The template's public names that gave way to the application's, renamed
// wherever the template's code uses them.
void RenameSupportMembers(const Session& session, CodeText& text) {
    if (session.names.supportNames.empty())
        return;
    for (std::string& line : text.MutableLines()) {
        const std::string code = MaskedCode(line);
        std::string out;
        size_t from = 0;
        for (size_t i = 0; i < code.size(); ++i) {
            if (!IsIdentifierChar(code[i]) || (i > 0 && IsIdentifierChar(code[i - 1])))
                continue;
            const std::string word = LeadingIdentifier(std::string_view(code).substr(i));
            const auto found = session.names.supportNames.find(word);
            if (found != session.names.supportNames.end() && (i == 0 || code[i - 1] != '.')) {
                out.append(line, from, i - from);
                out += found->second;
                from = i + word.size();
            }
            i += word.size() - 1;
        }
        line = out + line.substr(from);
    }
}

// Whether the form named `accessName` is one of the project's forms.
bool IsConvertedForm(const Session& session, const std::string& accessName) {
    for (size_t i = 1; i < session.project.convertedFormNames.size(); ++i) {
        if (IEquals(session.project.convertedFormNames[i], accessName))
            return true;
    }
    return false;
}

// The project's database: the working copy beside the project, wherever the
// project is opened.
std::string DatabasePathExpression(const Session& session) {
    return "App.Path & IIf(Right$(App.Path, 1) = \"\\\", \"\", \"\\\") & " +
           Literal(session.Settings().projectBaseName + ".mdb");
}

// Creates each saved query the linked subforms read their records through,
// unless the database has it already.
void WriteLinkQueryRoutine(CodeText& code, std::string_view routine) {
    code.Append("");
    code.Append("Private Sub " + std::string(routine) +
                "(ByVal strName As String, ByVal strSQL As String)");
    code.Append("    Dim qdf As QueryDef");
    code.Append("    For Each qdf In db.QueryDefs");
    code.Append("        If StrComp(qdf.Name, strName, 1) = 0 Then Exit Sub");
    code.Append("    Next");
    code.Append("    Set qdf = db.CreateQueryDef(strName, strSQL)");
    code.Append("End Sub");
}

void WriteSubMain(Session& session) {
    const bool vb4 = !session.Settings().options.vb5Project;
    const std::string mdw = Literal(session.Settings().options.workgroupFile);
    const std::string linkRoutine = "CreateLinkQuery";
    CodeText code;
    if (!session.project.linkQueries.empty())
        WriteLinkQueryRoutine(code, linkRoutine);
    code.Append("");
    code.Append("Public Sub Main()");
    code.Append("");
    if (vb4) {
        code.Append("    #If Win16 Then");
        code.Append("        DBEngine.IniPath = " + mdw);
        code.Append("    #Else");
    }
    code.Append(std::string(vb4 ? "\t" : "") + "    DBEngine.SystemDB = " + mdw);
    if (vb4)
        code.Append("    #End If");
    const std::string wks = session.names.SupportName("wks");
    code.Append("    Set " + wks + " = CreateWorkspace(" +
                Literal(session.Settings().projectBaseName) + ", " +
                Literal(session.Settings().securityUser) + ", " +
                Literal(session.Settings().securityPassword) + ")");
    if (!session.Settings().sourceDatabaseFileExists) {
        code.Append("    ' The conversion had no copy of the application's database: place it");
        code.Append("    ' in the project's folder as " + session.Settings().projectBaseName +
                    ".mdb.");
    }
    code.Append("    Set db = " + wks + ".OpenDatabase(" + DatabasePathExpression(session) + ")");
    for (const ProjectParts::SavedQuery& query : session.project.linkQueries)
        code.Append("    " + linkRoutine + " " + Literal(query.name) + ", " + Literal(query.sql));
    code.Append("");
    if (session.Settings().options.mdiProject)
        code.Append("    " + session.names.generatedNames.mdiParent + ".Show");
    if (HasAutoExecMacro(session))
        code.Append("    Call Autoexec");
    if (!session.project.startupForm.empty()) {
        const std::string show = FormIdentifier(session, session.project.startupForm) + ".Show";
        if (IsConvertedForm(session, session.project.startupForm)) {
            code.Append("    " + show);
        } else {
            // The startup form was not converted: the line would name a form
            // the project does not have.
            code.Append("    'VLRN " + show);
            ReportRecord record;
            record.moduleName = session.names.generatedNames.supportModule;
            record.reasonId = reason::kMissingTarget;
            record.codeLine = "StartupForm = " + session.project.startupForm;
            record.routine = "Main";
            WriteReportRecord(session.supportDb, record);
        }
        session.sourceDb->SetDatabaseProperty("StartupForm", session.project.startupForm);
    }
    code.Append("End Sub");
    BreakLongCodeLines(code);
    OutputFile file = session.out.OpenAppend(SupportFile(session));
    for (const std::string& line : code.Lines())
        file.WriteLine(line);
}

void WriteMdiParent(Session& session) {
    std::optional<CodeText> mdi =
        ReadTemplate(session, kMdiTemplate, "MDIParent", session.names.generatedNames.mdiParent);
    if (!mdi)
        return;
    CodeText& text = *mdi;
    if (session.Settings().options.vb5Project) {
        InsertLine(text, " ", "VERSION 5.00", 1);
        InsertLine(text, "VERSION 5.00",
                   "Object = \"{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.2#0\"; \"comctl32.ocx\"",
                   1);
        InsertLine(text, "VERSION 5.00",
                   "Object=\"{0BA686C6-F7D3-101A-993E-0000C0EF6F5E}#1.0#0\"; \"THREED32.OCX\"", 1);
    } else {
        InsertLine(text, " ", "VERSION 4.00", 1);
    }
    WriteGenerated(session, session.names.generatedNames.mdiFile + ".frm", text);
}

std::vector<std::string> RequiredTemplates(const ConversionOptions& options) {
    std::vector<std::string> files = {std::string(kSupportTemplate)};
    if (options.mdiProject)
        files.emplace_back(kMdiTemplate);
    files.emplace_back(kSuppliedFunctionsTemplate);
    return files;
}

namespace {

// The functions of later Visual Basic versions that the converted code calls
// (the macros' too), at the end of the support module.
void AppendSuppliedFunctions(Session& session) {
    if (session.names.suppliedFunctions.empty())
        return;
    const std::string name(
        kSuppliedFunctionsTemplate.substr(0, kSuppliedFunctionsTemplate.find('.')));
    const std::optional<CodeText> functions =
        ReadTemplate(session, kSuppliedFunctionsTemplate, name, name);
    if (!functions)
        return;
    const CodeText text =
        SuppliedFunctionsText(functions->Lines(), session.names.suppliedFunctions);
    OutputFile file = session.out.OpenAppend(SupportFile(session));
    for (const std::string& line : text.Lines())
        file.WriteLine(line);
}

}  // namespace

void WriteSupportModules(Session& session) {
    const ProjectNames::GeneratedNames& names = session.names.generatedNames;
    const CodeText macros = ConvertAllMacros(session);
    if (std::optional<CodeText> support =
            ReadTemplate(session, kSupportTemplate, "VlrnConversionCode", names.supportModule)) {
        RenameSupportMembers(session, *support);
        WriteGenerated(session, SupportFile(session), *support);
    }
    WriteFormLookupFunction(session);
    WriteSubMain(session);
    CodeText macroCode = ConvertCodeFile(session, names.macroFile, macros);
    NameModule(macroCode, names.macroModule);
    SilentIndent(macroCode);
    BreakLongCodeLines(macroCode);
    WriteGenerated(session, names.macroFile + ".bas", macroCode);
    AppendSuppliedFunctions(session);
    if (session.Settings().options.mdiProject)
        WriteMdiParent(session);
}

}  // namespace velorin
