#include "main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include "common/ansi_text.h"
#include "common/program_files.h"
#include "gui_texts.h"
#include "preview_gallery.h"
#include "reports/analysis_reports.h"
#include "reports_window.h"
#include "session/host/workgroup_file.h"
#include "session/string_table.h"
#include "session/support_tables_refresh.h"
#include "settings_store.h"

namespace velorin {
namespace {

// The list-control libraries a converted project needs one of.
constexpr const char* kListControlFiles[] = {"GTLIST32.OCX", "SSDATB32.OCX", "SSDW3B32.OCX"};

Message TextMessage(int id, Buttons buttons, Icon icon, int helpContext = 0) {
    Message message;
    message.text = std::string(LoadText(id));
    message.buttons = buttons;
    message.icon = icon;
    message.helpContext = helpContext;
    return message;
}

bool FolderHoldsAny(const QString& folder, const QStringList& names) {
    if (folder.isEmpty())
        return false;
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files)) {
        if (names.contains(entry, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Access names are Windows-1252; the lists show them as Qt text and keep the
// original bytes beside. A database file holds only the names of its forms
// and modules: their designs and code come from the application's text
// export. An object the export does not hold is listed with a note, greyed
// and not selectable, so that neither a click nor Select All offers it.
void FillList(QListWidget* list, const std::vector<std::string>& names,
              const std::function<bool(const std::string&)>& readable, const QString& what) {
    list->clear();
    for (const std::string& name : names) {
        const QString shown = QString::fromStdString(AnsiToUtf8(name));
        auto* item = new QListWidgetItem(shown, list);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
        if (readable(name))
            continue;
        item->setText(shown + " (cannot be read)");
        item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        item->setToolTip(QString("Only the name of %2 is known: the database file holds no "
                                 "%1, and no text export holds it. Export the application as "
                                 "text (a folder Name.mdb.src beside Name.mdb) and open it "
                                 "again to convert it.")
                             .arg(what, shown));
    }
}

std::vector<std::string> SelectedNames(const QListWidget* list) {
    std::vector<std::string> names;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        if (item->isSelected() && (item->flags() & Qt::ItemIsSelectable))
            names.push_back(item->data(Qt::UserRole).toByteArray().toStdString());
    }
    return names;
}

// The output folder proposed for a database: Vlrn in the database's folder.
// An export folder (Sales.mdb.src, Sales.src, or source) lies in the folder
// of the database it stands for, so it gets the same proposal: a folder
// beside it, never one inside it.
QString ProposedOutputFolder(const QString& input) {
    // A typed folder may end in a separator.
    const QString path = QDir::cleanPath(QFileInfo(input).absoluteFilePath());
    return QDir(QFileInfo(path).absolutePath()).filePath("Vlrn");
}

// The first warnings, one a line, and how many more there are.
QString WarningLines(const QStringList& warnings) {
    constexpr int kShown = 20;
    QString text = warnings.mid(0, kShown).join('\n');
    if (warnings.size() > kShown)
        text += QString("\n... and %1 more").arg(warnings.size() - kShown);
    return text;
}

int Row(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void SelectRow(QListWidget* list, int row) {
    list->clearSelection();
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->item(row)->setSelected(true);
    }
}

}  // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      services_(std::move(services)),
      help_(QString::fromStdString((services_.programDirectory / "help").string())) {
    setObjectName("frmMain");
    setWindowTitle("Velorin");
    BuildPages();
    BuildMenus();

    // Option clicks mark the settings as changed; the program asks to save them at the end.
    auto changed = [this] { settingsChanged_ = true; };
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             chkMDI_, chkDrawPreviews_, chkSSDate_, chkSSOption_, chkStandardVB_, optVB4_, optVB5_,
             optListboxBound_, optListboxUnbound_, optCboBound_, optCboUnbound_})
        connect(button, &QAbstractButton::clicked, this, changed);
    connect(lstComboBoxType_, &QListWidget::itemClicked, this, changed);
    connect(lstListboxType_, &QListWidget::itemClicked, this, [this] {
        settingsChanged_ = true;
        // The Sheridan lists come with the DBOption Set, when bound.
        const int row = Row(lstListboxType_);
        if ((row == 1 || row == 2) && optListboxBound_->isChecked())
            chkSSOption_->setChecked(true);
    });

    connect(cmdOpen_, &QPushButton::clicked, this, [this] {
        const QString file = services_.openFile("Choose the Access Database",
                                                "Access Databases (*.mdb *.mde);;All Files (*)");
        if (!file.isEmpty())
            ChooseDatabase(file);
    });
    connect(cmdOpenFolder_, &QPushButton::clicked, this, [this] {
        if (!services_.openFolder)
            return;
        const QString folder = services_.openFolder("Choose the Export Folder");
        if (!folder.isEmpty())
            ChooseDatabase(folder);
    });
    connect(cmdOpenMDW_, &QPushButton::clicked, this, [this] {
        const QString file = services_.openFile("Locate Access Security File",
                                                "Access Security Files (*.mdw *.mda)");
        if (file.isEmpty())
            return;
        txtMDW_->setText(file);
        txtUser_->setFocus();
        txtUser_->selectAll();
    });
    connect(txtMDB_, &QLineEdit::editingFinished, this, [this] {
        if (txtMDB_->text() != openedPath_)
            OpenDatabase();
    });
    connect(cmdSelForms_, &QPushButton::clicked, lstForms_, &QListWidget::selectAll);
    connect(cmdSelMods_, &QPushButton::clicked, lstModules_, &QListWidget::selectAll);
    connect(cmdTranslate_, &QPushButton::clicked, this, &MainWindow::StartTranslation);
    ApplyOptions(WindowOptions{});
    resize(720, 520);
}

MainWindow::~MainWindow() = default;

bool MainWindow::StartupChecks() {
    QStringList names;
    for (const char* file : kListControlFiles)
        names.append(file);
    const QString folder = QString::fromStdString(services_.settings->ControlFilesFolder());
    if (!FolderHoldsAny(folder, names) &&
        services_.ask(TextMessage(25, Buttons::YesNo, Icon::Exclamation)) == Answer::No)
        return false;
    std::string why;
    if (!services_.supportDatabase.empty() &&
        !ProvideSupportDatabase(services_.supportDatabase, services_.supportTemplate, why)) {
        Message failed = TextMessage(14, Buttons::Ok, Icon::Critical);
        failed.text += "\n\n" + why;
        services_.ask(failed);
        return false;
    }
    // One made by an earlier version learns the reasons and reports of this
    // one; if it cannot, the conversion still runs, and its reports may leave
    // out findings of the newer kinds.
    if (!services_.supportDatabase.empty())
        RefreshSupportTables(services_.supportDatabase, services_.supportTemplate, why);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(SupportDatabase(), ec)) {
        services_.ask(TextMessage(14, Buttons::Ok, Icon::Critical));
        return false;
    }
    return true;
}

std::filesystem::path MainWindow::SupportDatabase() const {
    return services_.supportDatabase.empty() ? services_.programDirectory / "vlrn.db"
                                             : services_.supportDatabase;
}

bool MainWindow::Load() {
    if (!StartupChecks())
        return false;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    txtUser_->setText("Admin");
    txtMDW_->setText(QString::fromStdString(services_.settings->DefaultWorkgroupFile()));
    services_.settings->MigrateLegacy();
    services_.settings->RemoveUnread();
    WindowOptions saved =
        DecodeControlDefaults(services_.settings->Read("ControlDefaults"), Options());
    saved.drawPreviews = services_.settings->DrawPreviews();
    ApplyOptions(saved);
    if (Row(lstListboxType_) < 0)
        SelectRow(lstListboxType_, 2);
    if (Row(lstComboBoxType_) < 0)
        SelectRow(lstComboBoxType_, 2);

    BuildRecentFilesMenu();
    settingsChanged_ = false;
    cmdOpen_->setFocus();
    return true;
}

WindowOptions MainWindow::Options() const {
    WindowOptions o;
    o.vb5 = optVB5_->isChecked();
    o.listBoxType = Row(lstListboxType_);
    o.listBoxBound = optListboxBound_->isChecked();
    o.comboBoxType = Row(lstComboBoxType_);
    o.comboBoxBound = optCboBound_->isChecked();
    o.calendar = chkSSDate_->isChecked();
    o.optionSet = chkSSOption_->isChecked();
    o.mdi = chkMDI_->isChecked();
    o.standardControls = chkStandardVB_->isChecked();
    o.drawPreviews = chkDrawPreviews_->isChecked();
    return o;
}

void MainWindow::ApplyOptions(const WindowOptions& o) {
    (o.vb5 ? optVB5_ : optVB4_)->setChecked(true);
    SelectRow(lstListboxType_, o.listBoxType);
    (o.listBoxBound ? optListboxBound_ : optListboxUnbound_)->setChecked(true);
    SelectRow(lstComboBoxType_, o.comboBoxType);
    (o.comboBoxBound ? optCboBound_ : optCboUnbound_)->setChecked(true);
    chkSSDate_->setChecked(o.calendar);
    chkSSOption_->setChecked(o.optionSet);
    chkMDI_->setChecked(o.mdi);
    chkStandardVB_->setChecked(o.standardControls);
    chkDrawPreviews_->setChecked(o.drawPreviews);
}

void MainWindow::BuildRecentFilesMenu() {
    const RecentFiles files = services_.settings->Recent();
    for (size_t i = 0; i < recentActions_.size(); ++i) {
        QAction* action = recentActions_[i];
        const QString path = QString::fromStdString(files[i]).trimmed();
        action->setText(QString("&%1 ").arg(i + 1) + path);
        action->setEnabled(true);
        action->setVisible(!path.isEmpty());
    }
    if (QString::fromStdString(files[0]).trimmed().isEmpty()) {
        recentActions_[0]->setText("(no files)");
        recentActions_[0]->setEnabled(false);
        recentActions_[0]->setVisible(true);
        for (size_t i = 1; i < recentActions_.size(); ++i)
            recentActions_[i]->setVisible(false);
    }
}

QStringList MainWindow::RecentEntries() const {
    QStringList entries;
    for (const QAction* action : recentActions_) {
        if (action->isVisible())
            entries.append(action->text() + (action->isEnabled() ? "" : " [disabled]"));
    }
    return entries;
}

void MainWindow::ChooseDatabase(const QString& path) {
    txtMDB_->setText(path);
    OpenDatabase();
}

void MainWindow::OpenDatabase() {
    const QString path = txtMDB_->text();
    if (path.isEmpty())
        return;
    openedPath_ = path;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    // Without Access there is no secured workspace to open: the workgroup,
    // user and password only reach the generated Sub Main, as they are.
    const std::filesystem::path given(path.toStdString());
    LoadedDatabase loaded =
        services_.loadDatabase ? services_.loadDatabase(given) : LoadDatabase(given);
    QApplication::restoreOverrideCursor();
    if (!loaded.application) {
        // What the loader found comes with the message.
        Message invalid = TextMessage(text_id::kInvalidDatabase, Buttons::Ok, Icon::Information);
        invalid.text += "\n\n" + Utf8ToAnsi(path.toStdString()) + ": " + loaded.error;
        services_.ask(invalid);
        txtMDB_->clear();
        txtPath_->clear();
        openedPath_.clear();
        return;
    }
    application_ = std::move(loaded.application);
    source_ = loaded.source;
    txtPath_->setText(ProposedOutputFolder(path));
    InitializeListBoxes();
    services_.settings->SetRecent(
        RotateRecentFiles(services_.settings->Recent(), path.toStdString()));
}

void MainWindow::InitializeListBoxes() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const AccessApplication& application = *application_;
    FillList(
        lstForms_, application.Documents(Container::Forms),
        [&](const std::string& name) { return application.OpenForm(name) != nullptr; }, "design");
    FillList(
        lstModules_, application.Documents(Container::Modules),
        [&](const std::string& name) { return application.Module(name) != nullptr; }, "code");
    QApplication::restoreOverrideCursor();
}

void MainWindow::StartTranslation() {
    const WindowOptions o = Options();
    TranslationRequest request;
    request.outputPathText = txtPath_->text().toStdString();
    request.forms = SelectedNames(lstForms_);
    request.modules = SelectedNames(lstModules_);
    request.options.listBoxType = o.listBoxType + 1;
    request.options.comboBoxType = o.comboBoxType + 1;
    request.options.listBoxBound = o.listBoxBound;
    request.options.comboBoxBound = o.comboBoxBound;
    request.options.vb5Project = o.vb5;
    request.options.mdiProject = o.mdi;
    request.options.standardControlsOnly = o.standardControls;
    request.options.useOptionSet = o.optionSet;
    request.options.useCalendar = o.calendar;
    request.options.drawPreviews = o.drawPreviews;
    request.options.workgroupFile = Utf8ToAnsi(txtMDW_->text().toStdString());
    request.options.user = Utf8ToAnsi(txtUser_->text().toStdString());
    request.options.password = Utf8ToAnsi(txtPassword_->text().toStdString());
    request.templateDirectory = services_.programDirectory;
    DescribeSource(source_, request);

    AccessApplication none;
    AccessApplication& application = application_ ? *application_ : none;
    GuiUserInterface ui(services_.ask, this);
    Session session(application, SupportDatabase(), ui);
    const std::string workgroupProblem =
        request.options.workgroupFile.empty()
            ? std::string()
            : WorkgroupFileProblem(std::filesystem::path(txtMDW_->text().toStdString()));
    if (!workgroupProblem.empty()) {
        Message refused;
        refused.text = Utf8ToAnsi(workgroupProblem);
        refused.icon = Icon::Critical;
        services_.ask(refused);
        return;
    }
    if (!session.supportDb.Open()) {
        if (session.supportDb.OpenProblem() == SupportDatabase::Problem::Missing) {
            services_.ask(TextMessage(14, Buttons::Ok, Icon::Critical));
        } else {
            Message refused;
            refused.text = Utf8ToAnsi(session.supportDb.LastError());
            refused.icon = Icon::Critical;
            services_.ask(refused);
        }
        return;
    }
    setEnabled(false);
    const ConversionResult result =
        velorin::StartTranslation(session, request, services_.conversionSteps);
    session.supportDb.Close();
    setEnabled(true);
    if (result.outcome == Outcome::Failed) {
        // What went wrong with each object comes with the failure: "no form
        // or module could be converted" alone does not say why.
        Message failed;
        failed.text = result.message;
        if (!ui.Warnings().isEmpty()) {
            failed.text += Utf8ToAnsi(QString("\n\nWarnings, object by object (%1):\n%2")
                                          .arg(ui.Warnings().size())
                                          .arg(WarningLines(ui.Warnings()))
                                          .toStdString());
        }
        failed.icon = Icon::Critical;
        services_.ask(failed);
    }
    if (result.outcome != Outcome::Done)
        return;
    const QString previews =
        session.Settings().options.drawPreviews
            ? QString::fromStdString((session.out.Path() / "previews").string())
            : QString();
    AfterConversion(result, ui, previews);
}

void MainWindow::AfterConversion(const ConversionResult& result, const GuiUserInterface& ui,
                                 const QString& previews) {
    // What the user should know comes before the reports.
    if (!ui.Warnings().isEmpty()) {
        Message summary;
        summary.icon = Icon::Exclamation;
        summary.text =
            Utf8ToAnsi(QString("Converted %1 form(s) and %2 module(s) with %3 warning(s):\n\n%4")
                           .arg(result.formsConverted)
                           .arg(result.modulesConverted)
                           .arg(ui.Warnings().size())
                           .arg(WarningLines(ui.Warnings()))
                           .toStdString());
        services_.ask(summary);
    }
    // The forms as drawn, before the reports that say what was not converted.
    if (!previews.isEmpty() && !PreviewGallery::PicturesIn(previews).isEmpty())
        ShowPreviews(previews);
    const std::filesystem::path supportDb = SupportDatabase();
    std::string error;
    const std::vector<ReportEntry> reports = ListReports(supportDb, error);
    QStringList titles;
    for (const ReportEntry& report : reports)
        titles.append(QString::fromStdString(report.title));
    ReportsWindow window(titles, this);
    services_.runReportsWindow(window);
    if (!window.Cancelled()) {
        std::vector<std::string> names;
        for (int row : window.SelectedRows())
            names.push_back(reports[static_cast<size_t>(row)].name);
        if (!names.empty())
            services_.printReports(supportDb, names);
    }
    ShutdownProgram();
}

void MainWindow::ShowPreviews(const QString& folder) {
    if (!services_.runPreviewGallery)
        return;
    PreviewGallery gallery(folder, this);
    services_.runPreviewGallery(gallery);
}

void MainWindow::ShutdownProgram() {
    if (shutDown_)
        return;
    shutDown_ = true;
    if (settingsChanged_ &&
        services_.ask(TextMessage(15, Buttons::YesNo, Icon::Question)) == Answer::Yes) {
        services_.settings->Write("ControlDefaults", EncodeControlDefaults(Options()));
        services_.settings->SetDrawPreviews(chkDrawPreviews_->isChecked());
    }
    services_.quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ShutdownProgram();
    event->accept();
}

}  // namespace velorin
