// Converts an application into a project: checks what the user asked for and
// the output folder, asks before any file is changed, then converts the chosen
// forms and modules, writes the project file and the support modules, and
// checks the finished project.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "driver/form_previews.h"
#include "form_context/form_state.h"
#include "output/form_output.h"
#include "project/project_check.h"
#include "session/host/database_loader.h"
#include "session/session.h"

namespace velorin {

// What the user asked for, as the main window or the command line gives it.
struct TranslationRequest {
    std::string outputPathText;        // as typed: a file-system (UTF-8) path
    std::vector<std::string> forms;    // selected, in list order
    std::vector<std::string> modules;  // selected, in list order
    ConversionOptions options;
    std::filesystem::path databasePath;  // the .mdb the input stands for
    bool databaseFileExists = false;
    // Folders the input was read from: never an output directory, nor any
    // folder inside them.
    std::vector<std::filesystem::path> protectedTrees;
    // Folders that may hold the output only in a folder of their own (the
    // database's folder: the working copy would replace the database).
    std::vector<std::filesystem::path> protectedFolders;
    // The program's own directory, which holds the project templates.
    std::filesystem::path templateDirectory;
    // The front end converts once and reads no design afterwards: the forms'
    // controls are let go when the last form is converted, which lowers the
    // memory the rest of the run needs.
    bool releaseControlsAfterForms = false;
};

// The steps the driver hands the work to, so that a test can leave one out or
// put its own in its place; an empty step is skipped.
struct ConversionSteps {
    // ConvertForm(output, file name, Access name): fills the form file's output,
    // whose code already holds the form module's own code.
    std::function<FormResult(Session&, FormOutput&, const std::string&, const std::string&)>
        convertForm;
    // Macros, the support module with Sub Main, MacroCode.bas and the MDI parent.
    std::function<void(Session&)> writeSupportModules;
    // Reads the finished project (output directory, project file) for faults,
    // laying each at the door of the conversion or of the application, on the
    // threads the run allows, with the form files checked as they were written.
    std::function<std::vector<ProjectFinding>(const OutputDirectory&, std::string_view,
                                              const ApplicationFacts&, const CheckRun&)>
        checkProject;
    // The files the steps read from the template directory for these options;
    // each must be there before the conversion starts.
    std::function<std::vector<std::string>(const ConversionOptions&)> templates;
    // Draws the picture of a converted form when the user asks for pictures;
    // only a program that can draw sets it.
    FormPictureStep drawFormPicture;
};

// Where the project check lists what it found, in the output directory.
inline constexpr std::string_view kProjectLog = "velorin.log";

// The database, working copy name and protected folders of a loaded input.
void DescribeSource(const DatabaseSource& source, TranslationRequest& request);

// The steps this build provides.
ConversionSteps DefaultConversionSteps();

enum class Outcome {
    Done,
    Stopped,  // the user answered a question so that nothing more is done
    Invalid,  // the request itself is unusable (no output path)
    Failed,   // the conversion could not be carried out
};

struct ConversionResult {
    Outcome outcome = Outcome::Done;
    std::string message;  // what failed, for the user
    int formsConverted = 0;
    int modulesConverted = 0;
    // What the project check found wrong with the finished project.
    std::vector<ProjectFinding> projectProblems = {};
};

// Validates the request and captures it into the session; converts when valid.
ConversionResult StartTranslation(Session& session, const TranslationRequest& request,
                                  const ConversionSteps& steps);

// Everything after validation.
ConversionResult ConvertProject(Session& session, const ConversionSteps& steps);

// The names of the files the conversion of the captured session may write in
// the output directory, as far as they are known before it starts (a name
// taken twice gets a suffix only as the conversion runs).
std::vector<std::string> FilesTheConversionMayWrite(const Session& session);

// Control files and their object identifiers for the options chosen.
void BuildControlFiles(Session& session);

}  // namespace velorin
