#include <string>

#include "code/analysis_records.h"
#include "code/module_conversion.h"
#include "common/names.h"
#include "controls/support_library/support_library.h"
#include "forms/convert_form.h"
#include "project/project_check.h"
#include "project/project_file.h"
#include "project/support_modules.h"
#include "session/conversion_driver.h"
#include "session/string_table.h"

namespace velorin {
namespace {

// What the output directory may hold of ours; deleted before a conversion,
// fragments an interrupted run left behind included.
constexpr std::string_view kGeneratedPatterns[] = {"*.txt", "*.00?", "*.frm",    "*.bas", "*.log",
                                                   "*.frx", "*.vbp", "form_*.*", "*.mc?"};
// Fragments and exported code, deleted after each form.
constexpr std::string_view kFragmentPatterns[] = {"*.txt", "*.00?", "form_*.*"};

void RemoveFragments(OutputDirectory& out) {
    for (std::string_view pattern : kFragmentPatterns)
        out.RemoveMatching(pattern);
}

void AppendLines(OutputDirectory& out, std::string_view file,
                 std::initializer_list<std::string_view> lines) {
    OutputFile target = out.OpenAppend(file);
    for (std::string_view line : lines)
        target.WriteLine(line);
}

// Joins a form's fragments into form_<F>.frm in their fixed order.
void JoinFormFile(Session& session, const std::string& fileForm) {
    OutputDirectory& out = session.out;
    const std::string prefix = "form_" + fileForm;
    // The header goes first: the form block is appended to it.
    if (AppendFileIfPresent(out, prefix + ".frm", prefix + ".hdr"))
        out.Remove(prefix + ".frm");
    if (out.Exists(prefix + ".hdr"))
        out.Rename(prefix + ".hdr", prefix + ".frm");

    AppendLines(out, prefix + ".frm", {"DIM OpenArgsF as string"});
    AppendFileIfPresent(out, fileForm + ".txt", prefix + ".frm");

    auto& flags = session.formFeatureFlags;
    flags[1] = AppendFileIfPresent(out, prefix + ".004", prefix + ".frm");
    flags[2] = AppendFileIfPresent(out, prefix + ".005", prefix + ".frm");
    flags[3] = AppendFileIfPresent(out, prefix + ".003", prefix + ".frm");
    AppendFileIfPresent(out, prefix + ".006", prefix + ".frm");
    flags[4] = AppendFileIfPresent(out, prefix + ".007", prefix + ".frm");
    AppendFileIfPresent(out, prefix + ".ctl", prefix + ".frm");
    for (std::string_view file : {"toolbarcode.txt", "_Menu.mc1", "_Menu.mc2", "_Menu.mc3"}) {
        // A form named toolbarcode exports its code under that name: it is joined once.
        if (!IEquals(file, fileForm + ".txt"))
            AppendFileIfPresent(out, file, prefix + ".frm");
    }
    AppendLines(
        out, prefix + ".frm",
        {"Property Let OpenArgs(strOpenArgs as string)", " OpenArgsF=strOpenArgs", "End Property",
         "", "Property Get OpenArgs() as string", " OpenArgs=OpenArgsF", "End Property"});
}

void ConvertOneForm(Session& session, const ConversionSteps& steps, size_t index) {
    const std::string name = session.convertedFormNames[index];
    const std::string fileForm = MakeFileName(name);
    const AccessForm* form = session.sourceDb->OpenForm(name);

    session.formRejected = false;
    session.controlCount = 0;
    session.partiallyConvertedCount = 0;
    session.formFeatureFlags.fill(0);
    if (form == nullptr) {
        // Only the names of forms can be read from a database file.
        session.ui.Warn("form " + name +
                        ": its design cannot be read (export the application as text)");
        session.formRejected = true;
    } else {
        ExportModuleText(session, name, true);
        if (steps.convertForm)
            steps.convertForm(session, fileForm, false, name);
    }

    if (!session.formRejected) {
        // Keyed as the code side keys it, so that both merge into one row.
        ModuleStats stats;
        stats.moduleName = fileForm;
        stats.ctlCount = session.controlCount;
        stats.ctlsPartiallyConverted = session.partiallyConvertedCount;
        WriteModuleStats(session.supportDb, session.ui, stats);
    }
    session.controlCount = 0;
    session.partiallyConvertedCount = 0;
    session.ui.UpdateTime();

    if (!session.formRejected) {
        AppendProjectLine(session, "Form=" + fileForm + ".frm");
        JoinFormFile(session, fileForm);
        ConvertCodeFile(session, "form_" + fileForm + ".frm", true);
    } else {
        session.convertedFormNames[index].clear();
    }
    RemoveFragments(session.out);
    for (std::string_view menuCode : {"_Menu.mc1", "_Menu.mc2", "_Menu.mc3"})
        session.out.Remove(menuCode);
    SilentIndent(session.out, fileForm + ".frm");
}

// Returns 1 when the module was converted.
int ConvertOneModule(Session& session, const std::string& name) {
    if (session.sourceDb->Module(name) == nullptr) {
        session.ui.Warn("module " + name +
                        ": its code cannot be read (export the application as text)");
        return 0;
    }
    const std::string fileForm = MakeFileName(name);
    ExportModuleText(session, name, false);
    ConvertCodeFile(session, "MODU_" + fileForm + ".txt", false);
    AppendProjectLine(session,
                      "Module=" + session.usedModuleNames.back() + "; " + fileForm + ".bas");
    session.out.RemoveMatching("*.txt");
    SilentIndent(session.out, fileForm + ".bas");
    return 1;
}

}  // namespace

bool AppendFileIfPresent(OutputDirectory& out, std::string_view source, std::string_view target) {
    std::optional<std::string> content = out.Read(source);
    if (!content)
        return false;
    out.Append(target, *content);
    return true;
}

ConversionResult ConvertProject(Session& session, const ConversionSteps& steps) {
    OutputDirectory& out = session.out;
    for (std::string_view pattern : kGeneratedPatterns)
        out.RemoveMatching(pattern);

    SupportDatabase& db = session.supportDb;
    db.RunSavedStatement("qryRptOutputDel");
    db.RunSavedStatement("qryStatsDel");

    if (session.sourceDatabaseFileExists) {
        out.CopyFrom(session.sourceDatabasePath, session.projectBaseName + ".mdb");
        out.Keep(session.projectBaseName + ".mdb");
    }
    AccessApplication& source = *session.sourceDb;
    std::string startup = source.DatabaseProperty("StartupForm");
    // "(none)" is how Access stores "no startup form".
    if (!startup.empty() && startup != "(none)")
        session.startupForm = startup;
    source.SetDatabaseProperty("StartupForm", "(none)");

    session.tabControlFlag = false;
    if (!source.IsCompiled()) {
        Message question;
        question.text = std::string(LoadText(text_id::kNotCompiled));
        question.buttons = Buttons::YesNoHelp;
        question.icon = Icon::Question;
        question.helpContext = text_id::kNotCompiled;  // the help page on compiling first
        if (session.ui.Show(question) == Answer::Yes) {
            db.Close();
            return {Outcome::Stopped, {}};
        }
    }

    const int forms = static_cast<int>(session.convertedFormNames.size()) - 1;
    const int modules = static_cast<int>(session.selectedModules.size()) - 1;
    int progress = 0;
    session.ui.StartProgress(modules + 3 * forms);

    for (size_t i = 1; i < session.convertedFormNames.size(); ++i) {
        db.BeginGroup();
        ConvertOneForm(session, steps, i);
        db.CommitGroup();
        session.ui.SetProgress(progress += 3);
        session.ui.UpdateTime();
    }

    session.optionGroupNames.assign(1, std::string());
    int modulesConverted = 0;
    for (size_t i = 1; i < session.selectedModules.size(); ++i) {
        db.BeginGroup();
        modulesConverted += ConvertOneModule(session, session.selectedModules[i]);
        db.CommitGroup();
        session.ui.SetProgress(progress += 1);
        session.ui.UpdateTime();
    }

    AppendProjectLine(session, "Module=MacroCode; MacroCode.bas");
    AppendProjectLine(session, "Module=VlrnConversionCode; VlrnConversionCode.bas");
    if (session.options.mdiProject)
        AppendProjectLine(session, "Form=MDIParent.frm");
    WriteProjectTail(session, session.projectFileName, session.projectBaseName,
                     session.projectBaseName);

    db.BeginGroup();
    if (steps.writeSupportModules)
        steps.writeSupportModules(session);
    db.CommitGroup();

    RemoveFragments(out);
    out.RemoveMatching("*.mc?");
    session.ui.EndProgress();
    db.Close();

    // What Visual Basic would stumble over is said, and kept in a log.
    if (steps.checkProject)
        session.projectProblems = steps.checkProject(out, session.projectFileName);
    if (!session.projectProblems.empty()) {
        OutputFile log = out.Create("velorin.log");
        out.Keep("velorin.log");
        for (const std::string& problem : session.projectProblems) {
            log.WriteLine(problem);
            session.ui.Warn("project check: " + problem);
        }
    }

    ConversionResult result;
    for (size_t i = 1; i < session.convertedFormNames.size(); ++i)
        result.formsConverted += !session.convertedFormNames[i].empty();
    result.modulesConverted = modulesConverted;
    // A project file must not claim a conversion that did not complete.
    if (out.Failed()) {
        out.Remove(session.projectFileName);
        result.outcome = Outcome::Failed;
        result.message = out.FirstError();
    } else if (result.formsConverted + result.modulesConverted == 0) {
        out.Remove(session.projectFileName);
        result.outcome = Outcome::Failed;
        result.message = "no form or module could be converted";
    }
    return result;
}

ConversionSteps DefaultConversionSteps() {
    ConversionSteps steps;
    steps.convertForm = [](Session& session, const std::string& fileName, bool isSubform,
                           const std::string& name) {
        ConvertForm(session, fileName, isSubform, name);
    };
    steps.writeSupportModules = WriteSupportModules;
    steps.checkProject = CheckProject;
    return steps;
}

}  // namespace velorin
