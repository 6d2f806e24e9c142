// The main window: the database and output folder, the forms and modules to
// convert, the project and list-control options, the security information,
// and Start Translation.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "control_defaults.h"
#include "driver/conversion_driver.h"
#include "gui_user_interface.h"
#include "help_book.h"
#include "session/host/database_loader.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace velorin {

class PreviewGallery;
class ReportsWindow;
class SettingsStore;

// The conversion's steps, with the drawing of form pictures this program can do.
inline ConversionSteps DrawingConversionSteps() {
    ConversionSteps steps = DefaultConversionSteps();
    steps.drawFormPicture = DrawConvertedForm;
    return steps;
}

// What the window needs from outside; tests put stand-ins in.
struct MainWindowServices {
    SettingsStore* settings = nullptr;
    // Holds the project templates and the help book (help/): beside the
    // program in a build tree, share/velorin when installed.
    std::filesystem::path programDirectory;
    // The user's own support database, made from `supportTemplate` when it
    // does not exist yet; without one, vlrn.db in the program directory.
    std::filesystem::path supportDatabase;
    std::filesystem::path supportTemplate;
    // Messages and questions.
    AskFunction ask;
    // An open dialog: title, name filter; an empty text when cancelled.
    std::function<QString(const QString&, const QString&)> openFile;
    // A folder dialog: title; an empty text when cancelled.
    std::function<QString(const QString&)> openFolder;
    // Shows the report selection window modally.
    std::function<void(ReportsWindow&)> runReportsWindow;
    // Shows the gallery of form previews modally.
    std::function<void(PreviewGallery&)> runPreviewGallery;
    // Prints the named reports of the support database.
    std::function<void(const std::filesystem::path&, const std::vector<std::string>&)> printReports;
    // Ends the program.
    std::function<void()> quit;
    // Reads the database or export folder the user named; LoadDatabase when
    // not set.
    std::function<LoadedDatabase(const std::filesystem::path&)> loadDatabase;
    // What the conversion does; tests put steps of their own in.
    ConversionSteps conversionSteps = DrawingConversionSteps();
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start of the program: checks, saved options, recent files. False
    // when a check ended the program.
    bool Load();

    bool SettingsChanged() const { return settingsChanged_; }
    WindowOptions Options() const;
    // The entries of the recent-files menu, as shown (hidden ones left out).
    QStringList RecentEntries() const;

    void OpenDatabase();
    void StartTranslation();
    void ShutdownProgram();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildPages();
    void BuildMenus();
    void ApplyOptions(const WindowOptions& options);
    void InitializeListBoxes();
    void ChooseDatabase(const QString& path);
    void BuildRecentFilesMenu();
    bool StartupChecks();
    // The support database the conversions record their analysis in.
    std::filesystem::path SupportDatabase() const;
    // `previews` is the folder the conversion drew its form previews in;
    // empty when it drew none.
    void AfterConversion(const ConversionResult& result, const GuiUserInterface& ui,
                         const QString& previews);
    // The gallery of a folder's form previews.
    void ShowPreviews(const QString& folder);

    MainWindowServices services_;
    HelpBook help_;
    std::unique_ptr<AccessApplication> application_;
    DatabaseSource source_;
    QString openedPath_;
    bool settingsChanged_ = false;
    bool shutDown_ = false;

    QTabWidget* tsMain_ = nullptr;
    QLineEdit* txtMDB_ = nullptr;
    QPushButton* cmdOpen_ = nullptr;
    QPushButton* cmdOpenFolder_ = nullptr;
    QLineEdit* txtPath_ = nullptr;
    QListWidget* lstForms_ = nullptr;
    QPushButton* cmdSelForms_ = nullptr;
    QListWidget* lstModules_ = nullptr;
    QPushButton* cmdSelMods_ = nullptr;
    QRadioButton* optVB4_ = nullptr;
    QRadioButton* optVB5_ = nullptr;
    QCheckBox* chkMDI_ = nullptr;
    QCheckBox* chkDrawPreviews_ = nullptr;
    QPushButton* cmdTranslate_ = nullptr;
    QListWidget* lstListboxType_ = nullptr;
    QListWidget* lstComboBoxType_ = nullptr;
    QRadioButton* optListboxBound_ = nullptr;
    QRadioButton* optListboxUnbound_ = nullptr;
    QRadioButton* optCboBound_ = nullptr;
    QRadioButton* optCboUnbound_ = nullptr;
    QCheckBox* chkSSOption_ = nullptr;
    QCheckBox* chkSSDate_ = nullptr;
    QCheckBox* chkStandardVB_ = nullptr;
    QLineEdit* txtMDW_ = nullptr;
    QPushButton* cmdOpenMDW_ = nullptr;
    QLineEdit* txtUser_ = nullptr;
    QLineEdit* txtPassword_ = nullptr;
    std::vector<QAction*> recentActions_;
};

}  // namespace velorin
