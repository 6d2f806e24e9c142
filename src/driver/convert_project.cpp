#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "code/analysis_records.h"
#include "code/application_language.h"
#include "code/code_map.h"
#include "code/module_conversion.h"
#include "common/ansi_text.h"
#include "common/names.h"
#include "common/parallel_work.h"
#include "common/string_helpers.h"
#include "controls/support_library/support_library.h"
#include "controls/value_controls.h"
#include "driver/conversion_driver.h"
#include "driver/converted_ahead.h"
#include "driver/form_previews.h"
#include "forms/convert_form.h"
#include "output/generated_members.h"
#include "output/long_lines.h"
#include "project/application_facts.h"
#include "project/project_check.h"
#include "project/project_file.h"
#include "project/supplied_functions.h"
#include "project/support_modules.h"
#include "row_sources/row_source_probe.h"
#include "session/held_messages.h"
#include "session/string_table.h"

namespace velorin {
namespace {

int JobCount(const Session& session) {
    const int jobs = session.Settings().options.jobs;
    return jobs > 0 ? jobs : DefaultJobCount();
}

// Access names objects with up to 64 characters; a longer name (possible in a
// hand-made export) is cut there, so that every file name stays short enough
// for the file system.
constexpr size_t kLongestFileStem = 64;

// The file names of the converted forms (.frm) and modules (.bas): one per
// object, unique without regard to case as Windows compares them, and never
// the name of a file the conversion writes itself.
bool IsWindowsDeviceName(std::string_view stem) {
    const std::string_view name = stem.substr(0, stem.find('.'));
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (IEquals(name, device))
            return true;
    }
    return name.size() == 4 && (IStartsWith(name, "COM") || IStartsWith(name, "LPT")) &&
           name[3] >= '1' && name[3] <= '9';
}

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
        // Windows opens a device, not a file, for CON.frm or com1.bas.
        if (IsWindowsDeviceName(base)) {
            why = base + " is the name of a device on Windows";
            base += "_";
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

// The file stem of each object (element 0 unused), all given before the
// first is converted; what naming one had to say is told in its turn.
struct FileStems {
    FileStems(ProjectFileNames& files, const std::vector<std::string>& names)
        : stems(names.size()), warnings(names.size()) {
        for (size_t i = 1; i < names.size(); ++i) {
            HeldMessages said;
            stems[i] = files.StemFor(names[i], said);
            warnings[i] = said.Take();
        }
    }
    std::vector<std::string> stems;
    std::vector<std::vector<HeldMessages::Held>> warnings;
};

// The code of a form file in its fixed order: the OpenArgs variable, the form
// module's own code, the generated routines and event procedures, the toolbar
// and menu procedures, and the OpenArgs property. Sets the form feature flags
// of the initialisers present.
CodeText JoinFormCode(const FormCode& code, std::array<int, 7>& flags) {
    CodeText joined;
    joined.Append("DIM OpenArgsF as string");
    joined.Append(code.module);
    flags[1] = !code.listBoxes.Empty();
    flags[2] = !code.comboBoxes.Empty();
    flags[3] = !code.buttons.Empty();
    flags[4] = !code.captions.Empty();
    for (const CodeText* part :
         {&code.listBoxes, &code.comboBoxes, &code.buttons, &code.reposition, &code.captions,
          &code.events, &code.toolbar, &code.menus[0], &code.menus[1], &code.menus[2]}) {
        joined.Append(*part);
    }
    for (const char* line :
         {"Property Let OpenArgs(strOpenArgs as string)", " OpenArgsF=strOpenArgs", "End Property",
          "", "Property Get OpenArgs() as string", " OpenArgs=OpenArgsF", "End Property"}) {
        joined.Append(line);
    }
    return joined;
}

// A form converted and its files made, waiting for its turn to be written.
struct ConvertedForm {
    bool rejected = false;
    FormResult result;
    std::string frm;
    std::string frx;
    std::string accessCode;
    std::string vbCode;
    std::string units;
    HeldBack held;
};

// Converts one form into the text of its files, writing nothing but the
// analysis rows (held back when `session` works ahead of the form's turn).
ConvertedForm ConvertFormAlone(Session& session, const ConversionSteps& steps, size_t index,
                               const std::string& fileForm) {
    const std::string& name = session.project.convertedFormNames[index];
    const AccessForm* form = session.sourceDb->OpenForm(name);

    ConvertedForm converted;
    FormResult& result = converted.result;
    FormOutput output;
    if (form == nullptr) {
        // Only the names of forms can be read from a database file.
        session.ui.Warn("form " + name +
                        ": its design cannot be read (export the application as text)");
        result.formRejected = true;
    } else {
        output.Code().module = ExportModuleText(session, name, true);
        if (steps.convertForm)
            result = steps.convertForm(session, output, fileForm, name);
    }

    if (!result.formRejected) {
        // Keyed as the code side keys it, so that both merge into one row.
        ModuleStats stats;
        stats.moduleName = fileForm;
        stats.ctlCount = result.controlCount;
        stats.ctlsPartiallyConverted = result.partiallyConvertedCount;
        WriteModuleStats(session.supportDb, session.ui, stats);
    }
    converted.rejected = result.formRejected;
    if (converted.rejected)
        return converted;

    // Values too long for a line of the form file are set when the form loads.
    CodeText& initialValues = output.Code().initialValues;
    initialValues.Append(TakeLongDesignValues(output.Form()));
    const std::vector<std::string> designLines =
        output.DesignLines(session.Settings().options.vb5Project);
    FormFacts facts;
    facts.accessName = name;
    facts.designLines = static_cast<long>(designLines.size());
    facts.formNames = &output.Names();
    facts.renamedControls = &output.RenamedControls();
    facts.formFeatureFlags = result.formFeatureFlags;
    facts.formFeatureFlags[6] = !initialValues.Empty();
    facts.optionGroupNames = std::move(result.optionGroupNames);
    const CodeText joined = JoinFormCode(output.Code(), facts.formFeatureFlags);
    CodeText code = ConvertCodeFile(session, fileForm, joined, &facts);
    if (!initialValues.Empty()) {
        code.Append("Function " + LoaderRoutineName(&output.Names(), "InitialValues") + "()");
        code.Append(initialValues);
        code.Append("End Function");
    }
    SilentIndent(code);
    BreakLongCodeLines(code);
    for (const std::string& line : designLines) {
        converted.frm += line;
        converted.frm += "\r\n";
    }
    converted.vbCode = code.Joined();
    converted.frm += converted.vbCode;
    converted.frx = std::move(output.Frx());
    converted.accessCode = JoinedLines(form->CodeLines());
    converted.units = UnitsText(CodeUnits(form->CodeLines(), code));
    return converted;
}

// Writes a converted form's files and adds it to the project.
void CommitForm(Session& session, FormPreviews& previews, CheckAhead& checkAhead, size_t index,
                const std::string& fileForm, ConvertedForm& form) {
    session.ui.UpdateTime();
    if (form.rejected) {
        session.project.convertedFormNames[index].clear();
        return;
    }
    const std::string& name = session.project.convertedFormNames[index];
    session.project.tabControlFlag = session.project.tabControlFlag || form.result.tabControlFlag;
    AppendProjectLine(session, "Form=" + fileForm + ".frm");
    if (session.out.Write(fileForm + ".frm", form.frm))
        checkAhead.SubmitForm(fileForm + ".frm", std::move(form.frm));
    if (!form.frx.empty())
        session.out.Write(fileForm + ".frx", form.frx);
    const std::string picture =
        previews.Draw(fileForm, *session.sourceDb->OpenForm(name), form.result);
    WriteCodeMap(session.supportDb, {fileForm, name, "Form", std::move(form.accessCode),
                                     std::move(form.vbCode), std::move(form.units), picture});
}

// The forms' names first, then the modules'. A form may not have a name its
// application's modules make public (an enum member, a function): in Access
// the form was Form_Orders, in the project it is Orders.
void ClaimProjectNames(Session& session) {
    // Each module is read on its own thread; the names join in module order,
    // so that of two spellings of one name the first module's is kept.
    const std::vector<std::string>& modules = session.Settings().selectedModules;
    std::vector<std::vector<std::string>> namesOfModule(modules.size());
    ForEachInParallel(modules.size(), JobCount(session), [&](size_t i) {
        // A class's public members are reached through its objects only.
        const CodeModule* source =
            modules[i].empty() ? nullptr : session.sourceDb->Module(modules[i]);
        if (source == nullptr || source->isClass)
            return;
        const std::vector<std::string_view> lines(source->lines.begin(), source->lines.end());
        namesOfModule[i] = PublicNamesOfModule(lines);
    });
    std::set<std::string, ILess> publicNames;
    for (std::vector<std::string>& names : namesOfModule) {
        for (std::string& name : names)
            publicNames.insert(std::move(name));
    }
    // The support module's routines give way to the application's of one
    // name; its db is the application's own database, and the project starts
    // with its Sub Main.
    for (std::string_view member : SupportModuleMembers()) {
        if (publicNames.count(member) == 0 || IEquals(member, "db") || IEquals(member, "Main"))
            continue;
        std::string name;
        for (int n = 2; name.empty() || publicNames.count(name) > 0; ++n)
            name = std::string(member) + "_" + std::to_string(n);
        session.names.supportNames.emplace(std::string(member), name);
    }
    ChooseSuppliedFunctions(session, publicNames);
    // The project starts with the support module's Sub Main: an application's
    // own Main takes another name, and its callers follow it.
    if (publicNames.count("Main") > 0) {
        std::string name = "MainA";
        while (publicNames.count(name) > 0)
            name += "A";
        session.names.renamedProcedures.emplace("Main", name);
    }
    for (const std::string& name : session.project.convertedFormNames) {
        if (name.empty() || session.names.formVbNames.count(name) > 0)
            continue;
        std::string vbName = session.names.projectNames.Claim(MakeVBName(name));
        while (publicNames.count(vbName) > 0)
            vbName = session.names.projectNames.Claim(vbName + "A");
        session.names.formVbNames[name] = vbName;
    }
    for (const std::string& name : session.Settings().selectedModules) {
        if (!name.empty() && session.names.moduleVbNames.count(name) == 0)
            session.names.moduleVbNames[name] = session.names.projectNames.Claim(MakeVBName(name));
    }
}

// One finding for each line of the object's export that held characters
// Windows-1252 cannot hold: the project has "?" where they were.
void RecordLostCharacters(Session& session, Container container, const std::string& object,
                          const std::string& moduleName) {
    for (const LostCharacters& lost : session.sourceDb->LostCharactersOf(container, object)) {
        WriteReportRecord(session.supportDb,
                          {moduleName, reason::kCharactersLost, lost.text, lost.line, "",
                           PathToAnsi(AnsiToPath(lost.file).filename())});
    }
}

// The extension of a module's file: a class module stays a class.
std::string_view ModuleExtension(const Session& session, const std::string& name) {
    const CodeModule* module = session.sourceDb->Module(name);
    return module != nullptr && module->isClass ? ".cls" : ".bas";
}

// A module converted, waiting for its turn to be written.
struct ConvertedModule {
    bool converted = false;
    std::string file;
    std::string projectLine;
    std::string kind;
    std::string text;
    std::string accessCode;
    std::string units;
    HeldBack held;
};

ConvertedModule ConvertModuleAlone(Session& session, const std::string& name,
                                   const std::string& fileModule) {
    ConvertedModule converted;
    const CodeModule* module = session.sourceDb->Module(name);
    if (module == nullptr) {
        session.ui.Warn("module " + name +
                        ": its code cannot be read (export the application as text)");
        return converted;
    }
    const auto claimed = session.names.moduleVbNames.find(name);
    if (claimed == session.names.moduleVbNames.end() && session.aheadOfTurn) {
        session.needsItsTurn = true;
        return converted;
    }
    const std::string vbName = claimed != session.names.moduleVbNames.end()
                                   ? claimed->second
                                   : session.names.projectNames.Claim(MakeVBName(name));
    const bool isClass = module->isClass;
    CodeText code = ConvertCodeFile(session, fileModule, ExportModuleText(session, name, false),
                                    nullptr, isClass);
    if (!isClass)
        NameModule(code, vbName);
    SilentIndent(code);
    BreakLongCodeLines(code);
    // The class header goes on last: it keeps the indentation Visual Basic gives it.
    if (isClass) {
        NameClassModule(code, vbName, session.Settings().options.vb5Project, module->predeclaredId);
    }
    converted.converted = true;
    converted.file = fileModule + std::string(ModuleExtension(session, name));
    converted.projectLine = (isClass ? "Class=" : "Module=") + vbName + "; " + converted.file;
    converted.kind = isClass ? "Class" : "Module";
    converted.text = code.Joined();
    converted.accessCode = JoinedLines(module->lines);
    converted.units = UnitsText(CodeUnits(module->lines, code));
    return converted;
}

// Writes a converted module's file and adds it to the project; 1 when it was
// converted.
int CommitModule(Session& session, const std::string& name, const std::string& fileModule,
                 ConvertedModule& module) {
    if (!module.converted)
        return 0;
    AppendProjectLine(session, module.projectLine);
    session.out.Write(module.file, module.text);
    WriteCodeMap(session.supportDb, {fileModule,
                                     name,
                                     module.kind,
                                     std::move(module.accessCode),
                                     std::move(module.text),
                                     std::move(module.units),
                                     {}});
    return 1;
}

}  // namespace

ConversionResult ConvertProject(Session& session, const ConversionSteps& steps) {
    // The analysis starts empty. A support database that cannot be opened,
    // locked and emptied is refused before the output directory is touched.
    SupportDatabase& db = session.supportDb;
    if (!db.Open())
        return {Outcome::Failed, db.LastError()};
    db.BeginGroup();
    db.RunSavedStatement("qryRptOutputDel");
    db.RunSavedStatement("qryStatsDel");
    db.RunSavedStatement("qryCodeMapDel");
    db.CommitGroup();
    if (db.Failed()) {
        db.Close();
        return {Outcome::Failed, db.Failure()};
    }

    OutputDirectory& out = session.out;
    // The last conversion's files, fragments an interrupted run left included.
    out.RemovePreviousFiles();

    // What was being written when the first write failed, of the project or
    // of its analysis; nothing more is converted after it (the disk is full
    // or no longer writable).
    std::string failedObject;
    const auto failed = [&] { return out.Failed() || db.Failed(); };
    if (session.Settings().sourceDatabaseFileExists) {
        out.CopyFrom(session.Settings().sourceDatabasePath,
                     session.Settings().projectBaseName + ".mdb");
        if (out.Failed())
            failedObject = "the working copy of the database";
    }
    AccessApplication& source = *session.sourceDb;
    std::string startup = source.DatabaseProperty("StartupForm");
    // "(none)" is how Access stores "no startup form".
    if (!startup.empty() && startup != "(none)")
        session.project.startupForm = startup;
    source.SetDatabaseProperty("StartupForm", "(none)");

    session.project.tabControlFlag = false;
    const int forms = static_cast<int>(session.project.convertedFormNames.size()) - 1;
    const int modules = static_cast<int>(session.Settings().selectedModules.size()) - 1;
    int progress = 0;
    session.ui.PlanObjects(forms, modules);
    session.ui.StartProgress(modules + 3 * forms);

    // The project file is written under a working name and takes its own name
    // only when the conversion completed: a run that is killed or fails leaves
    // no project file claiming a conversion.
    const std::string projectFile = session.Settings().projectFileName;
    session.project.projectWorkFile = projectFile + ".part";

    // The application's forms and modules keep their names; the conversion's
    // own modules, its MDI parent and the project give way to them. Every name
    // is given before any code is translated, so that a reference to a form
    // or a module converted later follows the name it gets.
    ClaimProjectNames(session);
    ProjectFileNames formFiles("form", ".frm", {});
    const std::vector<std::string>& formNames = session.project.convertedFormNames;
    const FileStems fileForms(formFiles, formNames);
    FormPreviews previews(session, steps.drawFormPicture);
    const int jobs = JobCount(session);
    // The form files are checked on a thread of their own as they are written.
    CheckAhead checkAhead(steps.checkProject ? jobs : 1);
    // Read the same way for any number of jobs, so that one that cannot be
    // read fails where it fails on one thread.
    session.customControls = ReadCustomControlMappings(db);
    if (jobs > 1) {
        // What every form and module reads is made before the workers share it.
        if (!session.rowSourceProbe)
            session.rowSourceProbe = std::make_shared<RowSourceProbe>(*session.sourceDb);
        ApplicationLanguageOf(session);
    }
    std::unique_ptr<ConvertedAhead<ConvertedForm>> formsAhead;
    if (jobs > 1 && forms > 1 && failedObject.empty()) {
        formsAhead = std::make_unique<ConvertedAhead<ConvertedForm>>(
            session, formNames.size() - 1, jobs, [&](Session& on, size_t item) {
                return ConvertFormAlone(on, steps, item + 1, fileForms.stems[item + 1]);
            });
    }
    std::vector<ConvertedObject> converted;
    for (size_t i = 1; i < formNames.size(); ++i) {
        const std::string name = formNames[i];
        if (!failedObject.empty()) {
            session.project.convertedFormNames[i].clear();
            continue;
        }
        const std::string& fileForm = fileForms.stems[i];
        HeldMessages::GiveHeld(session.ui, db, fileForms.warnings[i]);
        session.ui.BeginObject(true, name, fileForm + ".frm");
        db.BeginGroup();
        ConvertedForm form =
            formsAhead ? formsAhead->Take(i - 1) : ConvertFormAlone(session, steps, i, fileForm);
        CommitForm(session, previews, checkAhead, i, fileForm, form);
        if (!session.project.convertedFormNames[i].empty())
            RecordLostCharacters(session, Container::Forms, name, fileForm);
        out.WriteHeld();
        db.CommitGroup();
        if (failed()) {
            failedObject = "form " + name;
            session.project.convertedFormNames[i].clear();
        } else if (!session.project.convertedFormNames[i].empty()) {
            converted.push_back({Container::Forms, name, fileForm + ".frm"});
        }
        session.ui.SetProgress(progress += 3);
        session.ui.UpdateTime();
    }
    formsAhead.reset();
    if (session.Settings().releaseControlsAfterForms)
        source.ReleaseFormControls();

    int modulesConverted = 0;
    const std::vector<std::string>& moduleNames = session.Settings().selectedModules;
    ProjectFileNames moduleFiles("module", ".bas", {});
    const FileStems fileModules(moduleFiles, moduleNames);
    std::unique_ptr<ConvertedAhead<ConvertedModule>> modulesAhead;
    if (jobs > 1 && modules > 1 && failedObject.empty()) {
        modulesAhead = std::make_unique<ConvertedAhead<ConvertedModule>>(
            session, moduleNames.size() - 1, jobs, [&](Session& on, size_t item) {
                return ConvertModuleAlone(on, moduleNames[item + 1], fileModules.stems[item + 1]);
            });
    }
    for (size_t i = 1; i < moduleNames.size() && failedObject.empty(); ++i) {
        const std::string& name = moduleNames[i];
        db.BeginGroup();
        HeldMessages::GiveHeld(session.ui, db, fileModules.warnings[i]);
        const std::string& fileModule = fileModules.stems[i];
        const std::string file = fileModule + std::string(ModuleExtension(session, name));
        session.ui.BeginObject(false, name, file);
        ConvertedModule module = modulesAhead ? modulesAhead->Take(i - 1)
                                              : ConvertModuleAlone(session, name, fileModule);
        const int convertedOne = CommitModule(session, name, fileModule, module);
        if (convertedOne > 0)
            RecordLostCharacters(session, Container::Modules, name, fileModule);
        out.WriteHeld();
        db.CommitGroup();
        if (failed()) {
            failedObject = "module " + name;
        } else {
            modulesConverted += convertedOne;
            if (convertedOne > 0)
                converted.push_back({Container::Modules, name, file});
        }
        session.ui.SetProgress(progress += 1);
        session.ui.UpdateTime();
    }
    modulesAhead.reset();

    ProjectNames::GeneratedNames& generated = session.names.generatedNames;
    NameRegistry& names = session.names.projectNames;
    // The conversion's own modules and form give way to the application's names.
    auto giveWay = [&](std::string& name, ProjectFileNames& files, std::string_view extension) {
        const std::string wanted = name;
        name = names.Generate(wanted);
        const std::string file = files.StemFor(name, session.ui);
        if (name != wanted)
            session.ui.Warn(wanted + " is a name of the application; the conversion's own " +
                            wanted + " is written as " + file + std::string(extension));
        return file;
    };
    generated.macroFile = giveWay(generated.macroModule, moduleFiles, ".bas");
    generated.supportFile = giveWay(generated.supportModule, moduleFiles, ".bas");
    AppendProjectLine(session,
                      "Module=" + generated.macroModule + "; " + generated.macroFile + ".bas");
    AppendProjectLine(session,
                      "Module=" + generated.supportModule + "; " + generated.supportFile + ".bas");
    if (session.Settings().options.mdiProject) {
        generated.mdiFile = giveWay(generated.mdiParent, formFiles, ".frm");
        AppendProjectLine(session, "Form=" + generated.mdiFile + ".frm");
    }
    // The code's project keeps the name it had in Access, when the export tells it.
    const std::string& codeProject = session.sourceDb->CodeProjectName();
    generated.project = names.Generate(
        MakeVBName(codeProject.empty() ? session.Settings().projectBaseName : codeProject));
    WriteProjectTail(session, session.project.projectWorkFile, session.Settings().projectBaseName,
                     generated.project);

    db.BeginGroup();
    if (steps.writeSupportModules && failedObject.empty()) {
        steps.writeSupportModules(session);
        out.WriteHeld();
    }
    db.CommitGroup();
    if (failedObject.empty() && failed())
        failedObject = "the macros and support modules";

    session.ui.EndProgress();
    db.Close();

    const std::string workFile = session.project.projectWorkFile;
    if (!failed())
        out.Rename(workFile, projectFile);
    out.Remove(workFile);

    ConversionResult result;
    // What Visual Basic would stumble over is said, and kept in a log.
    if (steps.checkProject && !failed())
        result.projectProblems = steps.checkProject(out, session.Settings().projectFileName,
                                                    BuildApplicationFacts(source, converted),
                                                    CheckRun{jobs, &checkAhead});
    if (!result.projectProblems.empty()) {
        OutputFile log = out.Create(std::string(kProjectLog));
        for (const ProjectFinding& problem : result.projectProblems) {
            log.WriteLine(problem.Text());
            session.ui.Warn("project check: " + problem.Text());
        }
    }

    // Reports are the one kind of object no conversion takes: said, not passed over.
    if (const size_t reports = source.Documents(Container::Reports).size(); reports > 0)
        session.ui.Warn(
            std::to_string(reports) +
            (reports == 1 ? " report of the application is" : " reports of the application are") +
            " not converted: a Visual Basic project has no Access reports");

    // Without the database file there is no working copy: the project opens
    // a database that the user has to bring.
    if (!session.Settings().sourceDatabaseFileExists && !failed())
        session.ui.Warn("there is no " + session.Settings().projectBaseName +
                        ".mdb beside the export, so the project has no database: copy the "
                        "application's database into " +
                        session.Settings().outputPath + " as " +
                        session.Settings().projectBaseName + ".mdb before the project runs");

    out.WriteHeld();
    for (size_t i = 1; i < session.project.convertedFormNames.size(); ++i)
        result.formsConverted += !session.project.convertedFormNames[i].empty();
    result.modulesConverted = modulesConverted;
    // A project file must not claim a conversion that did not complete.
    if (failed()) {
        out.Remove(session.Settings().projectFileName);
        result.outcome = Outcome::Failed;
        const std::string& why = out.Failed() ? out.FirstError() : db.Failure();
        result.message = failedObject.empty() ? why : failedObject + ": " + why;
    } else if (result.formsConverted + result.modulesConverted == 0) {
        out.Remove(session.Settings().projectFileName);
        result.outcome = Outcome::Failed;
        result.message = "no form or module could be converted";
    }
    return result;
}

std::vector<std::string> FilesTheConversionMayWrite(const Session& session) {
    std::vector<std::string> names = {session.Settings().projectFileName,
                                      session.Settings().projectFileName + ".part",
                                      std::string(kProjectLog)};
    if (session.Settings().sourceDatabaseFileExists)
        names.push_back(session.Settings().projectBaseName + ".mdb");
    auto stem = [](const std::string& name) {
        return MakeFileName(name).substr(0, kLongestFileStem);
    };
    for (size_t i = 1; i < session.project.convertedFormNames.size(); ++i) {
        names.push_back(stem(session.project.convertedFormNames[i]) + ".frm");
        names.push_back(stem(session.project.convertedFormNames[i]) + ".frx");
    }
    for (size_t i = 1; i < session.Settings().selectedModules.size(); ++i) {
        const std::string& module = session.Settings().selectedModules[i];
        names.push_back(stem(module) + std::string(ModuleExtension(session, module)));
    }
    const ProjectNames::GeneratedNames& generated = session.names.generatedNames;
    names.push_back(generated.macroFile + ".bas");
    names.push_back(generated.supportFile + ".bas");
    if (session.Settings().options.mdiProject)
        names.push_back(generated.mdiFile + ".frm");
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

ConversionSteps DefaultConversionSteps() {
    ConversionSteps steps;
    steps.convertForm = [](Session& session, FormOutput& output, const std::string& fileName,
                           const std::string& name) {
        return ConvertForm(session, output, fileName, name);
    };
    steps.writeSupportModules = WriteSupportModules;
    steps.checkProject = [](const OutputDirectory& out, std::string_view projectFile,
                            const ApplicationFacts& facts, const CheckRun& run) {
        return CheckProject(out, projectFile, facts, run);
    };
    steps.templates = RequiredTemplates;
    return steps;
}

}  // namespace velorin
