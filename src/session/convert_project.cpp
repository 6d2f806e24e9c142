#include <map>
#include <string>
#include <vector>

#include "code/analysis_records.h"
#include "code/module_conversion.h"
#include "common/names.h"
#include "controls/support_library/support_library.h"
#include "forms/convert_form.h"
#include "project/application_facts.h"
#include "project/project_check.h"
#include "project/project_file.h"
#include "project/support_modules.h"
#include "session/conversion_driver.h"
#include "session/string_table.h"

namespace velorin {
namespace {

// What the output directory may hold of ours; deleted before a conversion,
// fragments an interrupted run left behind included.
constexpr std::string_view kGeneratedPatterns[] = {"*.txt",    "*.00?", "*.frm", "*.bas",
                                                   "*.log",    "*.frx", "*.vbp", "*.vbp.part",
                                                   "form_*.*", "*.mc?"};
// Fragments and exported code, deleted after each form.
constexpr std::string_view kFragmentPatterns[] = {"*.txt", "*.00?", "form_*.*"};

// Access names objects with up to 64 characters; a longer name (possible in a
// hand-made export) is cut there, so that every fragment name stays short
// enough for the file system.
constexpr size_t kLongestFileStem = 64;

// The file names of the converted forms (.frm) and modules (.bas): one per
// object, unique without regard to case as Windows compares them, and never
// the name of a file the conversion writes itself.
class ProjectFileNames {
  public:
    ProjectFileNames(std::string_view kind, std::string_view extension,
                     const std::vector<std::string_view>& reserved)
        : kind_(kind), extension_(extension) {
        for (std::string_view name : reserved)
            owners_.emplace(name, "");
    }

    // The file stem for `name`; says why when it is not MakeFileName(name).
    std::string StemFor(const std::string& name, UserInterface& ui) {
        std::string base = MakeFileName(name);
        std::string why;
        if (base.size() > kLongestFileStem) {
            base.resize(kLongestFileStem);
            why = "the name is too long for a file name";
        }
        std::string stem = base;
        for (int n = 2; owners_.count(stem) > 0; ++n) {
            if (why.empty()) {
                const std::string& owner = owners_.find(stem)->second;
                why = stem + extension_ + " is " +
                      (owner.empty() ? "a file of the project itself"
                                     : "taken by " + kind_ + " " + owner);
            }
            stem = base + "_" + std::to_string(n);
        }
        if (!why.empty())
            ui.Warn(kind_ + " " + name + ": " + why + "; written as " + stem + extension_);
        owners_.emplace(stem, name);
        return stem;
    }

  private:
    std::string kind_;
    std::string extension_;
    std::map<std::string, std::string, ILess> owners_;
};

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

void ConvertOneForm(Session& session, const ConversionSteps& steps, size_t index,
                    const std::string& fileForm) {
    const std::string name = session.convertedFormNames[index];
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
        ExportModuleText(session, name, true, fileForm);
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
int ConvertOneModule(Session& session, const std::string& name, const std::string& fileForm) {
    if (session.sourceDb->Module(name) == nullptr) {
        session.ui.Warn("module " + name +
                        ": its code cannot be read (export the application as text)");
        return 0;
    }
    ExportModuleText(session, name, false, fileForm);
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

    // What was being written when the first write failed; nothing more is
    // converted after it (the disk is full or no longer writable).
    std::string failedObject;
    if (session.sourceDatabaseFileExists) {
        out.CopyFrom(session.sourceDatabasePath, session.projectBaseName + ".mdb");
        out.Keep(session.projectBaseName + ".mdb");
        if (out.Failed())
            failedObject = "the working copy of the database";
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

    // The project file is written under a working name and takes its own name
    // only when the conversion completed: a run that is killed or fails leaves
    // no project file claiming a conversion.
    const std::string projectFile = session.projectFileName;
    session.projectFileName = projectFile + ".part";

    std::vector<std::string_view> reservedForms;
    if (session.options.mdiProject)
        reservedForms.push_back("MDIParent");
    ProjectFileNames formFiles("form", ".frm", reservedForms);
    std::vector<ConvertedObject> converted;
    for (size_t i = 1; i < session.convertedFormNames.size(); ++i) {
        const std::string name = session.convertedFormNames[i];
        if (!failedObject.empty()) {
            session.convertedFormNames[i].clear();
            continue;
        }
        const std::string fileForm = formFiles.StemFor(name, session.ui);
        db.BeginGroup();
        ConvertOneForm(session, steps, i, fileForm);
        out.WriteHeld();
        db.CommitGroup();
        if (out.Failed()) {
            failedObject = "form " + name;
            session.convertedFormNames[i].clear();
        } else if (!session.convertedFormNames[i].empty()) {
            converted.push_back({Container::Forms, name, fileForm + ".frm"});
        }
        session.ui.SetProgress(progress += 3);
        session.ui.UpdateTime();
    }

    session.optionGroupNames.assign(1, std::string());
    int modulesConverted = 0;
    ProjectFileNames moduleFiles("module", ".bas", {"MacroCode", "VlrnConversionCode"});
    for (size_t i = 1; i < session.selectedModules.size() && failedObject.empty(); ++i) {
        const std::string& name = session.selectedModules[i];
        db.BeginGroup();
        const std::string fileModule = moduleFiles.StemFor(name, session.ui);
        const int convertedOne = ConvertOneModule(session, name, fileModule);
        out.WriteHeld();
        db.CommitGroup();
        if (out.Failed()) {
            failedObject = "module " + name;
        } else {
            modulesConverted += convertedOne;
            if (convertedOne > 0)
                converted.push_back({Container::Modules, name, fileModule + ".bas"});
        }
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
    if (steps.writeSupportModules && failedObject.empty()) {
        steps.writeSupportModules(session);
        out.WriteHeld();
        if (out.Failed())
            failedObject = "the macros and support modules";
    }
    db.CommitGroup();

    RemoveFragments(out);
    out.RemoveMatching("*.mc?");
    session.ui.EndProgress();
    db.Close();

    const std::string workFile = session.projectFileName;
    session.projectFileName = projectFile;
    out.Keep(projectFile);
    if (!out.Failed())
        out.Rename(workFile, projectFile);
    out.Remove(workFile);

    // What Visual Basic would stumble over is said, and kept in a log.
    if (steps.checkProject && !out.Failed())
        session.projectProblems = steps.checkProject(out, session.projectFileName,
                                                     BuildApplicationFacts(source, converted));
    if (!session.projectProblems.empty()) {
        OutputFile log = out.Create("velorin.log");
        out.Keep("velorin.log");
        for (const ProjectFinding& problem : session.projectProblems) {
            log.WriteLine(problem.Text());
            session.ui.Warn("project check: " + problem.Text());
        }
    }

    out.WriteHeld();
    ConversionResult result;
    for (size_t i = 1; i < session.convertedFormNames.size(); ++i)
        result.formsConverted += !session.convertedFormNames[i].empty();
    result.modulesConverted = modulesConverted;
    // A project file must not claim a conversion that did not complete.
    if (out.Failed()) {
        out.Remove(session.projectFileName);
        result.outcome = Outcome::Failed;
        result.message =
            failedObject.empty() ? out.FirstError() : failedObject + ": " + out.FirstError();
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
