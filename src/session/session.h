// The state of one conversion session: the options captured at the start, the
// paths and names derived from them, the name lists the conversion steps share, the
// source and support databases and the user interface.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "common/output_directory.h"
#include "output/name_registry.h"
#include "project/check_finding.h"
#include "session/host/access_application.h"
#include "session/support_database.h"
#include "session/user_interface.h"

namespace velorin {

class RowSourceProbe;

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
    bool disableSecurity = true;  // "Disable Security Checking"
    std::string workgroupFile;
    std::string user = "Admin";
    std::string password;
};

struct Session {
    Session(AccessApplication& source, std::filesystem::path supportDatabase,
            UserInterface& userInterface)
        : sourceDb(&source), supportDb(std::move(supportDatabase)), ui(userInterface) {}

    ConversionOptions options;

    // The output directory; its text (Windows-1252, for generated lines) always
    // ends in a separator.
    std::string outputPath;
    OutputDirectory out{std::filesystem::path()};

    std::filesystem::path sourceDatabasePath;
    bool sourceDatabaseFileExists = false;
    std::string projectFileName;  // Sales.vbp
    std::string projectBaseName;  // Sales
    std::string exeFileName;      // Sales.exe

    // Element 0 stays empty; names start at 1.
    std::vector<std::string> convertedFormNames{std::string()};
    std::vector<std::string> selectedModules{std::string()};

    std::string securityUser;
    std::string securityPassword;

    // Parallel, element 0 unused.
    std::vector<std::string> controlFiles{std::string()};
    std::vector<std::string> controlObjectIds{std::string()};

    AccessApplication* sourceDb;
    SupportDatabase supportDb;
    UserInterface& ui;

    // Set by the form converter when it writes a tab control.
    bool tabControlFlag = false;
    // Index 1 to 6: list-box, combo-box and button initialisers, data-control
    // captions, centre the form, values set when the form loads.
    std::array<int, 7> formFeatureFlags{};
    // Set by the form converter for a form it declines.
    bool formRejected = false;
    // The converted form's control counts, set by the form converter.
    int controlCount = 0;
    int partiallyConvertedCount = 0;
    // Option group names collected by the option group writer.
    std::vector<std::string> optionGroupNames{std::string()};
    // The names of the project's forms and modules, its generated modules and
    // the project itself: one scope, as Visual Basic sees them.
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
    // The application's public procedures that took another name (its own
    // Main beside the project's), by the name its code calls them by.
    std::map<std::string, std::string, ILess> renamedProcedures;

    // The name the support module's `member` has in the project.
    std::string SupportName(std::string_view member) const {
        const auto found = supportNames.find(member);
        return found != supportNames.end() ? found->second : std::string(member);
    }
    // Whether the last list or combo tested fits a standard Visual Basic control;
    // kept from one control to the next unless the option asks for the test.
    bool standardListFlag = false;
    // Field names and types of row sources, resolved against the source database.
    std::shared_ptr<RowSourceProbe> rowSourceProbe;
    // The saved queries linked subforms read their records through, in the
    // order the conversion named them; the project creates them when it starts.
    struct SavedQuery {
        std::string name;
        std::string sql;
    };
    std::vector<SavedQuery> linkQueries;
    // The working copy's StartupForm, remembered while the conversion runs.
    std::string startupForm;
    // Where the templates VlrnConversionCode.bas and MDIParent.frm are.
    std::filesystem::path templateDirectory;
    // What the project check found wrong with the finished project.
    std::vector<ProjectFinding> projectProblems;
};

}  // namespace velorin
