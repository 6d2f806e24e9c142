// What one conversion works with: the settings it was started with, which
// stay fixed while it runs; the names the project's forms, modules and
// generated members take; what the forms add to the project as they are
// converted; and the services every step uses (the source application, the
// analysis database, the output directory and the user interface).
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/output_directory.h"
#include "output/name_registry.h"
#include "session/host/access_application.h"
#include "session/support_database.h"
#include "session/user_interface.h"

namespace velorin {

class RowSourceProbe;
struct ApplicationLanguage;
struct CustomControlMappings;

// The main window's options, as the driver captures them.
struct ConversionOptions {
    int listBoxType = 3;  // 1 GreenTree DataList 1.0, 2 Sheridan 2.0, 3 Sheridan 3.0
    int comboBoxType = 3;
    bool listBoxBound = true;
    bool comboBoxBound = true;
    bool vb5Project = true;
    bool mdiProject = false;
    bool standardControlsOnly = false;
    bool useOptionSet = false;  // "Use SS DBOption Set"
    bool useCalendar = false;   // "Use SS Calendar Widgets"
    bool useRelativePaths = false;
    bool drawPreviews = false;  // draw each converted form beside its original in previews/
    // The threads the conversion may use; 0 for one per core. The project
    // written is the same for any number.
    int jobs = 0;
    bool disableSecurity = true;  // "Disable Security Checking"
    std::string workgroupFile;
    std::string user = "Admin";
    std::string password;
};

// What the conversion is asked to do and where it writes, captured when it
// starts and read-only while it runs.
struct ConversionSettings {
    ConversionOptions options;
    // The output directory; its text (Windows-1252, for generated lines)
    // always ends in a separator.
    std::string outputPath;
    std::filesystem::path sourceDatabasePath;
    bool sourceDatabaseFileExists = false;
    std::string projectFileName;  // Sales.vbp
    std::string projectBaseName;  // Sales
    std::string exeFileName;      // Sales.exe
    // The modules the user chose, element 0 empty.
    std::vector<std::string> selectedModules{std::string()};
    std::string securityUser;
    std::string securityPassword;
    // Where the templates VlrnConversionCode.bas and MDIParent.frm are.
    std::filesystem::path templateDirectory;
    // The forms' controls are let go when the last form is converted.
    bool releaseControlsAfterForms = false;
};

// The names of the project's forms and modules, its generated modules and
// the project itself: one scope, as Visual Basic sees them.
struct ProjectNames {
    NameRegistry projectNames;
    // The names the conversion gives its own modules, forms and project.
    // Each has its file's name (without extension) beside it.
    struct GeneratedNames {
        std::string macroModule = "MacroCode";
        std::string macroFile = "MacroCode";
        std::string supportModule = "VlrnConversionCode";
        std::string supportFile = "VlrnConversionCode";
        std::string mdiParent = "MDIParent";
        std::string mdiFile = "MDIParent";
        std::string project;
    } generatedNames;
    // The VB name each converted form and module got, by its Access name.
    std::map<std::string, std::string, ILess> formVbNames;
    std::map<std::string, std::string, ILess> moduleVbNames;
    // The support module's public names that gave way to a public name of the
    // application's (its own GetToken), by the name they gave way with.
    std::map<std::string, std::string, ILess> supportNames;
    // The functions of later Visual Basic versions (Split, Replace, ...) that
    // the support module supplies, since the code calls them; and those
    // functions and their constants (vbShortDate) that the application's
    // modules define publicly themselves, which the code keeps calling.
    std::set<std::string, ILess> suppliedFunctions;
    std::set<std::string, ILess> applicationFunctions;
    // The application's public procedures that took another name (its own
    // Main beside the project's), by the name its code calls them by.
    std::map<std::string, std::string, ILess> renamedProcedures;

    // The name the support module's `member` has in the project.
    std::string SupportName(std::string_view member) const {
        const auto found = supportNames.find(member);
        return found != supportNames.end() ? found->second : std::string(member);
    }
};

// What the converted forms add to the project, gathered as they are converted.
struct ProjectParts {
    // The forms to convert, element 0 empty; a form that could not be
    // converted is left empty.
    std::vector<std::string> convertedFormNames{std::string()};
    // The custom control files the project references and their object
    // identifiers, parallel, element 0 unused.
    std::vector<std::string> controlFiles{std::string()};
    std::vector<std::string> controlObjectIds{std::string()};
    // Whether a form holds a tab control.
    bool tabControlFlag = false;
    // The saved queries linked subforms read their records through, in the
    // order the conversion named them; the project creates them when it starts.
    struct SavedQuery {
        std::string name;
        std::string sql;
    };
    std::vector<SavedQuery> linkQueries;
    // The file the project file is written to while the conversion runs; it
    // takes the project file's own name when the conversion completes.
    std::string projectWorkFile;
    // The working copy's StartupForm, remembered while the conversion runs.
    std::string startupForm;
};

struct Session {
    Session(AccessApplication& source, std::filesystem::path supportDatabase,
            UserInterface& userInterface)
        : sourceDb(&source), supportDb(std::move(supportDatabase)), ui(userInterface) {}

    const ConversionSettings& Settings() const { return settings_; }
    // Fixes what the next conversion works with; the driver calls it before
    // the first step runs, and nothing changes it while they run.
    void CaptureSettings(ConversionSettings settings) { settings_ = std::move(settings); }

    ProjectNames names;
    ProjectParts project;

    OutputDirectory out{std::filesystem::path()};
    AccessApplication* sourceDb;
    SupportDatabase supportDb;
    UserInterface& ui;
    // Field names and types of row sources, resolved against the source database.
    std::shared_ptr<RowSourceProbe> rowSourceProbe;
    // What the code translation reads once of all the application's code for
    // the language the chosen Visual Basic lacks (public arrays, Enum types):
    // made when first needed, in code/application_language.cpp.
    std::shared_ptr<const ApplicationLanguage> applicationLanguage;
    // The support database's mapping of custom controls, read when first needed.
    std::shared_ptr<const CustomControlMappings> customControls;

    // Set while a form is converted ahead of its turn, on a worker thread,
    // with copies of the project's names and parts. What would change the
    // project beyond the form (a saved query, a supplied function) or read
    // the support database is not done there: the step sets `needsItsTurn`,
    // and the driver converts the form again in its turn.
    bool aheadOfTurn = false;
    bool needsItsTurn = false;

  private:
    ConversionSettings settings_;
};

}  // namespace velorin
