// velorin: converts an Access 97 application into a Visual Basic 4 or 5 project.
#include <unistd.h>
#include <CLI/CLI.hpp>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_commands.h"
#include "common/program_files.h"
#include "hidden_input.h"

namespace {

std::filesystem::path ProgramDirectory(const char* argv0) {
    std::filesystem::path self = velorin::RunningProgramDirectory();
    if (self.empty()) {
        std::error_code ec;
        self = std::filesystem::absolute(argv0, ec).parent_path();
    }
    return self;
}

}  // namespace

constexpr const char* kSupportDbHelp =
    "Support database, where the analysis is recorded (default: the user's own, "
    "$XDG_DATA_HOME/velorin/vlrn.db or ~/.local/share/velorin/vlrn.db, made from the "
    "program's empty one on first use)";

int main(int argc, char** argv) {
    using velorin::ConvertCommand;
    CLI::App app{
        "Velorin converts an Access 97 database application - its forms with every control, its\n"
        "modules and macros - into a Visual Basic 4 or 5 project that Visual Basic opens "
        "directly.\n"
        "Lines that could not be translated are marked 'VLRN and recorded in the support database\n"
        "(vlrn.db), from which 'velorin reports' prints the analysis reports.\n\n"
        "DATABASE is an Access file (.mdb) with its text export beside it (Sales.mdb.src/,\n"
        "Sales.src/ or source/), or the export folder itself.",
        "velorin"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "velorin 0.1.0");
    const velorin::ProgramFiles files = velorin::LocateProgramFiles(ProgramDirectory(argv[0]));
    const std::filesystem::path userSupportDb = velorin::UserSupportDatabase();

    velorin::ConvertArguments convert;
    convert.supportDb = userSupportDb.string();
    convert.supportTemplate = files.supportTemplate.string();
    convert.templateDirectory = files.dataDirectory.string();
    CLI::App* convertCmd =
        app.add_subcommand("convert", "Convert forms and modules into a Visual Basic project");
    convertCmd->add_option("DATABASE", convert.database, "Access file or export folder")
        ->required();
    convertCmd->add_option("-o,--output", convert.output, "Output directory (created on request)");
    convertCmd->add_option("--form", convert.forms,
                           "Convert this form (repeatable; default: all forms)");
    convertCmd->add_option("--module", convert.modules,
                           "Convert this module (repeatable; default: all modules)");
    auto* vb4 = convertCmd->add_flag("--vb4", convert.vb4, "Write a Visual Basic 4 project");
    bool vb5Flag = false;
    auto* vb5 =
        convertCmd->add_flag("--vb5", vb5Flag, "Write a Visual Basic 5 project (the default)");
    vb4->excludes(vb5);
    convertCmd->add_flag("--mdi", convert.options.mdiProject, "Create an MDI project");
    convertCmd->add_flag("--previews", convert.options.drawPreviews,
                         "Draw each converted form beside its Access original in "
                         "OUTPUT/previews/NAME.png, the controls converted only in part "
                         "outlined and listed");
    convertCmd->add_flag("--html", convert.html,
                         "Also write the conversion report to read in a browser, "
                         "OUTPUT/report/index.html: every Access line beside its Visual Basic "
                         "line, and every finding");
    convertCmd
        ->add_option("-j,--jobs", convert.options.jobs,
                     "Threads to use (default: one per core); the project written is the "
                     "same for any number")
        ->check(CLI::Range(1, 256));
    convertCmd->add_flag("--relative-paths", convert.options.useRelativePaths,
                         "Kept for the settings shared with the desktop application; the "
                         "project always opens its database from its own folder");
    convertCmd->add_flag(
        "--standard-controls", convert.options.standardControlsOnly,
        "Use standard Visual Basic list and combo boxes where they can carry the control");
    convertCmd->add_flag("--option-set", convert.options.useOptionSet,
                         "Use the SS DBOption Set for option groups");
    convertCmd->add_flag("--calendar", convert.options.useCalendar,
                         "Use the SS Calendar Widgets for date fields");
    convertCmd
        ->add_option("--list-type", convert.options.listBoxType,
                     "List box control: 1 GreenTree DataList 1.0, 2 Sheridan Data Widgets 2.0, "
                     "3 Sheridan Data Widgets 3.0 (default 3)")
        ->check(CLI::Range(1, 3));
    convertCmd
        ->add_option("--combo-type", convert.options.comboBoxType,
                     "Combo box control, as --list-type")
        ->check(CLI::Range(1, 3));
    convertCmd
        ->add_option("--list-mode", convert.listMode, "List boxes bound or unbound (default bound)")
        ->check(CLI::IsMember({"bound", "unbound"}));
    convertCmd
        ->add_option("--combo-mode", convert.comboMode,
                     "Combo boxes bound or unbound (default bound)")
        ->check(CLI::IsMember({"bound", "unbound"}));
    convertCmd->add_option("--workgroup", convert.options.workgroupFile,
                           "Access workgroup file (.mdw)");
    convertCmd->add_option("--user", convert.options.user, "Workgroup user name (default Admin)");
    auto* passwordOption = convertCmd->add_option(
        "--password", convert.options.password,
        "Workgroup password; every user of the machine can read it in the process list, so "
        "prefer the environment variable VELORIN_PASSWORD or --ask-password");
    bool askPassword = false;
    convertCmd
        ->add_flag("--ask-password", askPassword,
                   "Ask for the workgroup password on the terminal, without showing it")
        ->excludes(passwordOption);
    convertCmd->add_flag("--no-security", convert.noSecurity,
                         "Accepted for older scripts; changes nothing, as Velorin reads the "
                         "database without Access and opens no secured workspace");
    auto* convertSupportDb =
        convertCmd->add_option("--support-db", convert.supportDb, kSupportDbHelp);
    convertCmd->add_flag("-y,--yes", convert.assumeYes,
                         "Go ahead at every question (create the folder, replace the files of an "
                         "earlier conversion)");
    auto* quiet = convertCmd->add_flag(
        "-q,--quiet", convert.quiet,
        "Print only errors and questions: no progress bar, no warnings, no summary");
    convertCmd
        ->add_flag("-v,--verbose", convert.verbose,
                   "Also name each form and module, and the file it goes to, as it is converted")
        ->excludes(quiet);
    convertCmd->footer(
        "On a terminal a progress bar shows the forms and modules done, the time elapsed and an\n"
        "estimate of the time left; without a terminal nothing but messages is printed.\n"
        "Questions (existing files, creating the directory, ...) are asked on a terminal; without "
        "one,\n"
        "and without --yes, the answer is No. Code that Access cannot have compiled (a procedure\n"
        "that is not closed) is a warning naming the place; the conversion goes on.\n\n"
        "Exit status: 0 done, 1 failed or stopped, 2 usage, 3 converted but the project check\n"
        "found problems (listed in velorin.log in the output directory).");

    std::string listDatabase;
    bool listTables = false;
    bool listQueries = false;
    CLI::App* listCmd =
        app.add_subcommand("list", "List forms, modules, macros and reports in container order");
    listCmd->add_option("DATABASE", listDatabase, "Access file or export folder")->required();
    listCmd->add_flag("--tables", listTables, "Also list tables with their fields and DAO types");
    listCmd->add_flag("--queries", listQueries,
                      "Also list saved queries with their DAO type and SQL");

    velorin::ReportsArguments reports;
    reports.supportDb = userSupportDb.string();
    reports.supportTemplate = files.supportTemplate.string();
    CLI::App* reportsCmd = app.add_subcommand(
        "reports", "List the analysis reports of the last conversion, or print them to PDF");
    reportsCmd->add_option("REPORT", reports.reports,
                           "Reports to print, in this order (default: all, in list order)");
    reportsCmd->add_option("-o,--output", reports.output,
                           "PDF file to print to; without it the reports are listed");
    auto* reportsSupportDb =
        reportsCmd->add_option("--support-db", reports.supportDb, kSupportDbHelp);
    reportsCmd->footer(
        "Each report starts on a new page of an A4 PDF file, with its title, the date and page\n"
        "numbers. No display is needed.\n\n"
        "Exit status: 0 done, 1 failed, 2 usage or an unknown report name.");

    velorin::HtmlArguments html;
    html.supportDb = userSupportDb.string();
    html.supportTemplate = files.supportTemplate.string();
    CLI::App* htmlCmd = app.add_subcommand(
        "html", "Write the conversion report of the last conversion, to read in a browser");
    htmlCmd
        ->add_option("-o,--output", html.output,
                     "Folder the report goes into, as its report/ folder")
        ->required();
    auto* htmlSupportDb = htmlCmd->add_option("--support-db", html.supportDb, kSupportDbHelp);
    htmlCmd->footer(
        "Writes OUTPUT/report/index.html, with the totals, the findings by reason and every form\n"
        "and module, and a page for each form and module showing its Access code beside its\n"
        "Visual Basic code. The folder holds all it needs and opens without a network. Files\n"
        "of the last report there are replaced; any other file stays.\n\n"
        "Exit status: 0 done, 1 failed, 2 usage.");

    velorin::PreviewArguments preview;
    CLI::App* previewCmd = app.add_subcommand(
        "preview", "Draw generated forms as the Visual Basic designer shows them");
    previewCmd->add_option("FORM", preview.forms, "Form files (.frm) to draw")
        ->required()
        ->check(CLI::ExistingFile);
    previewCmd->add_option("-o,--output", preview.output, "Folder the pictures go to")->required();
    previewCmd->footer(
        "Writes NAME.png in the folder for each NAME.frm, at the form's design size (15 twips\n"
        "to the pixel), its text in DejaVu Sans. A control lying outside its form or container\n"
        "is named in a warning (with its Left and Top in twips) and not drawn. No display is\n"
        "needed.\n\n"
        "Exit status: 0 done, 1 a form could not be read or drawn, 2 usage.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }

    convert.supportDbChosen = convertSupportDb->count() > 0;
    reports.supportDbChosen = reportsSupportDb->count() > 0;
    html.supportDbChosen = htmlSupportDb->count() > 0;
    if (*convertCmd) {
        if (askPassword) {
            const std::optional<std::string> typed =
                velorin::ReadHiddenLine("Workgroup password: ");
            if (!typed) {
                std::cerr << "velorin: --ask-password needs a terminal to read the password from\n";
                return 2;
            }
            convert.options.password = *typed;
        } else if (passwordOption->count() == 0) {
            if (const char* fromEnvironment = std::getenv("VELORIN_PASSWORD"))
                convert.options.password = fromEnvironment;
        }
        convert.interactive = isatty(STDIN_FILENO) && isatty(STDERR_FILENO);
        convert.showProgress = isatty(STDERR_FILENO);
        return ConvertCommand(convert);
    }
    if (*reportsCmd)
        return velorin::ReportsCommand(reports);
    if (*previewCmd)
        return velorin::PreviewCommand(preview);
    if (*htmlCmd)
        return velorin::HtmlCommand(html);
    return velorin::ListCommand(listDatabase, listTables, listQueries);
}
