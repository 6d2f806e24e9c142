#include <algorithm>
#include <iostream>
#include <optional>

#include "cli_commands.h"
#include "common/ansi_text.h"
#include "common/program_files.h"
#include "driver/conversion_driver.h"
#include "offscreen_qt.h"
#include "preview/converted_form_picture.h"
#include "session/host/database_loader.h"
#include "session/host/workgroup_file.h"
#include "session/string_table.h"
#include "session/support_tables_refresh.h"
#include "terminal_ui.h"

namespace velorin {
namespace fs = std::filesystem;
namespace {

void ReportDiagnostics(const AccessApplication& app, UserInterface& ui) {
    for (const LoadDiagnostic& d : app.Diagnostics()) {
        std::string where = d.path + (d.line > 0 ? ":" + std::to_string(d.line) : std::string());
        ui.Warn(where + ": " + d.message + (d.skipped ? "; skipped" : ""));
    }
}

// The selected names in the container's order and spelling; false (with the
// offending name) when one is not in the container.
bool SelectNames(const std::vector<std::string>& container, const std::vector<std::string>& wanted,
                 std::vector<std::string>& selected, std::string& missing) {
    if (wanted.empty()) {
        selected = container;
        return true;
    }
    std::vector<std::string> wantedAnsi;
    for (const std::string& name : wanted)
        wantedAnsi.push_back(Utf8ToAnsi(name));
    for (const std::string& name : wantedAnsi) {
        bool found = false;
        for (const std::string& candidate : container)
            found = found || IEquals(candidate, name);
        if (!found) {
            missing = name;
            return false;
        }
    }
    for (const std::string& candidate : container) {
        for (const std::string& name : wantedAnsi) {
            if (IEquals(candidate, name)) {
                selected.push_back(candidate);
                break;
            }
        }
    }
    return true;
}

}  // namespace

bool ProvideDefaultSupportDatabase(const std::string& database, const std::string& templateFile,
                                   bool chosen) {
    if (chosen)
        return true;
    if (database.empty()) {
        std::cerr << "velorin: neither XDG_DATA_HOME nor HOME names a folder for the support "
                     "database; name one with --support-db\n";
        return false;
    }
    std::string why;
    if (!ProvideSupportDatabase(database, templateFile, why)) {
        std::cerr << "velorin: " << why << "\n";
        return false;
    }
    // One made by an earlier version learns the reasons and reports of this one.
    if (!RefreshSupportTables(database, templateFile, why))
        std::cerr << "velorin: warning: " << why << "\n";
    return true;
}

int ConvertCommand(ConvertArguments& a) {
    TerminalUi ui(a.assumeYes, a.interactive, a.showProgress,
                  a.quiet     ? Verbosity::Quiet
                  : a.verbose ? Verbosity::Verbose
                              : Verbosity::Normal);

    if (!a.options.workgroupFile.empty()) {
        const std::string problem = WorkgroupFileProblem(fs::path(a.options.workgroupFile));
        if (!problem.empty()) {
            std::cerr << "velorin: " << problem << "\n";
            return 1;
        }
    }

    LoadedDatabase loaded = LoadDatabase(fs::path(a.database));
    if (!loaded.application) {
        std::cerr << LoadText(text_id::kInvalidDatabase) << "\n"
                  << a.database << ": " << loaded.error << "\n";
        return 1;
    }
    AccessApplication& app = *loaded.application;
    ReportDiagnostics(app, ui);

    if (!ProvideDefaultSupportDatabase(a.supportDb, a.supportTemplate, a.supportDbChosen))
        return 1;
    Session session(app, fs::path(a.supportDb), ui);
    if (!session.supportDb.Open()) {
        if (session.supportDb.OpenProblem() == SupportDatabase::Problem::Missing)
            std::cerr << LoadText(text_id::kSupportDatabaseMissing) << "\n";
        std::cerr << "velorin: " << session.supportDb.LastError() << "\n";
        return 1;
    }

    TranslationRequest request;
    request.outputPathText = a.output;
    request.options = a.options;
    request.options.vb5Project = !a.vb4;
    request.options.listBoxBound = a.listMode == "bound";
    request.options.comboBoxBound = a.comboMode == "bound";
    request.options.disableSecurity = a.noSecurity;
    request.templateDirectory = a.templateDirectory;
    // This run converts once and exits.
    request.releaseControlsAfterForms = true;
    DescribeSource(loaded.source, request);
    std::string missing;
    if (!SelectNames(app.Documents(Container::Forms), a.forms, request.forms, missing)) {
        std::cerr << "velorin: no form named " << TerminalText(missing) << " in " << a.database
                  << "\n";
        return 2;
    }
    if (!SelectNames(app.Documents(Container::Modules), a.modules, request.modules, missing)) {
        std::cerr << "velorin: no module named " << TerminalText(missing) << " in " << a.database
                  << "\n";
        return 2;
    }
    // Naming only forms converts no modules, and the other way round.
    if (!a.forms.empty() && a.modules.empty())
        request.modules.clear();
    if (!a.modules.empty() && a.forms.empty())
        request.forms.clear();

    ConversionSteps steps = DefaultConversionSteps();
    // Drawing needs Qt and the font: both are checked before anything is converted.
    std::optional<OffscreenQt> qt;
    if (request.options.drawPreviews) {
        qt.emplace();
        if (const std::string why = PicturesUnavailable(); !why.empty()) {
            std::cerr << "velorin: " << why << "\n";
            return 1;
        }
        steps.drawFormPicture = DrawConvertedForm;
    }
    ConversionResult result = StartTranslation(session, request, steps);
    switch (result.outcome) {
        case Outcome::Done: {
            fs::path project = session.out.PathOf(session.Settings().projectFileName);
            if (!a.quiet) {
                std::cout << "Converted " << result.formsConverted << " form(s) and "
                          << result.modulesConverted << " module(s)";
                if (ui.Warnings() > 0)
                    std::cout << " with " << ui.Warnings() << " warning(s)";
                std::cout << ".\nProject: " << project.string() << "\n";
                if (request.options.drawPreviews)
                    std::cout << "Form pictures: "
                              << (session.out.Path() / std::string(kPreviewFolder)).string()
                              << "\n";
            }
            int status = 0;
            if (!result.projectProblems.empty()) {
                const auto own = std::count_if(
                    result.projectProblems.begin(), result.projectProblems.end(),
                    [](const ProjectFinding& f) { return f.cause == FindingCause::Application; });
                std::cerr << "velorin: the project check found " << result.projectProblems.size()
                          << " problem(s), " << own << " of them the application's own, listed in "
                          << session.out.PathOf(kProjectLog).string() << "\n";
                status = 3;
            }
            if (a.html && !WriteReportSite(a.supportDb, session.out.Path().string(), a.quiet))
                return 1;
            return status;
        }
        case Outcome::Invalid:
            return 2;
        case Outcome::Stopped:
            std::cerr << "velorin: conversion stopped; nothing was converted\n";
            return 1;
        case Outcome::Failed:
            std::cerr << "velorin: " << TerminalText(result.message) << "\n";
            return 1;
    }
    return 1;
}

int ListCommand(const std::string& database, bool tables, bool queries) {
    LoadedDatabase loaded = LoadDatabase(fs::path(database));
    if (!loaded.application) {
        std::cerr << LoadText(text_id::kInvalidDatabase) << "\n"
                  << database << ": " << loaded.error << "\n";
        return 1;
    }
    const AccessApplication& app = *loaded.application;
    TerminalUi ui(false, false, false);
    ReportDiagnostics(app, ui);
    const std::pair<Container, const char*> containers[] = {{Container::Forms, "Forms"},
                                                            {Container::Modules, "Modules"},
                                                            {Container::Scripts, "Macros"},
                                                            {Container::Reports, "Reports"}};
    // Each object with its kind and the file it came from; an object known
    // only by its name in the database file has no file.
    const std::string root = loaded.source.exportRoot.empty()
                                 ? std::string()
                                 : PathToAnsi(loaded.source.exportRoot) + "/";
    auto file = [&](const std::string& path) {
        if (path.empty())
            return std::string("no file: only its name is in the database file");
        return TerminalText(path.rfind(root, 0) == 0 && !root.empty() ? path.substr(root.size())
                                                                      : path);
    };
    for (const auto& [container, title] : containers) {
        std::cout << title << ":\n";
        for (const std::string& name : app.Documents(container)) {
            std::string kind;
            std::string from;
            if (container == Container::Forms || container == Container::Reports) {
                const AccessForm* form =
                    container == Container::Forms ? app.OpenForm(name) : app.OpenReport(name);
                kind = container == Container::Forms ? "form" : "report";
                from = file(form != nullptr ? form->SourcePath() : std::string());
            } else if (container == Container::Modules) {
                const CodeModule* module = app.Module(name);
                kind = module != nullptr && module->isClass ? "class module" : "standard module";
                from = file(module != nullptr ? module->sourceFile : std::string());
            } else {
                const Macro* macro = app.FindMacro(name);
                kind = "macro";
                from = file(macro != nullptr ? macro->sourceFile : std::string());
            }
            std::cout << "  " << TerminalText(name) << "  (" << kind << ", " << from << ")\n";
        }
    }
    if (tables) {
        std::cout << "Tables:\n";
        for (const TableDef& table : app.TableDefs()) {
            std::cout << "  " << TerminalText(table.name) << "\n";
            for (const FieldDef& field : table.fields) {
                std::cout << "    " << TerminalText(field.name) << " (type " << field.type << ")\n";
            }
        }
    }
    if (queries) {
        std::cout << "Queries:\n";
        for (const QueryDef& query : app.QueryDefs()) {
            std::cout << "  " << TerminalText(query.name) << " (type " << query.type << ")\n";
            std::string sql = TerminalText(query.sql);
            for (char& c : sql) {
                if (c == '\r' || c == '\n')
                    c = ' ';
            }
            std::cout << "    " << sql << "\n";
        }
    }
    return 0;
}

}  // namespace velorin
