// velorin-gui: the desktop application.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QLockFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <filesystem>

#include "common/program_files.h"
#include "main_window.h"
#include "preview_gallery.h"
#include "reports/analysis_reports.h"
#include "reports_window.h"
#include "settings_store.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velorin");
    QApplication::setOrganizationName("Korvath");

    // One instance at a time: a second start ends without a word.
    QLockFile lock(QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                       .filePath("velorin-gui.lock"));
    if (!lock.tryLock(0))
        return 0;

    // Installed, the data is in share/velorin; in a build tree beside the program.
    const velorin::ProgramFiles files =
        velorin::LocateProgramFiles(QCoreApplication::applicationDirPath().toStdString());
    const std::filesystem::path programDirectory = files.dataDirectory;
    QApplication::setWindowIcon(QIcon::fromTheme(
        "velorin", QIcon(QString::fromStdString((programDirectory.parent_path() / "icons" /
                                                 "hicolor" / "scalable" / "apps" / "velorin.svg")
                                                    .string()))));
    std::unique_ptr<velorin::SettingsStore> settings = velorin::SettingsStore::ForUser();
    velorin::HelpBook help(QString::fromStdString((programDirectory / "help").string()));

    velorin::MainWindow* window = nullptr;
    velorin::MainWindowServices services;
    services.settings = settings.get();
    services.programDirectory = programDirectory;
    // Each user's own, never a file of the installation.
    services.supportDatabase = velorin::UserSupportDatabase();
    if (services.supportDatabase.empty())
        services.supportDatabase =
            std::filesystem::path(
                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()) /
            "vlrn.db";
    services.supportTemplate = files.supportTemplate;
    services.ask = [&](const velorin::Message& message) {
        return velorin::ShowMessageBox(window, help, message);
    };
    services.openFile = [&](const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileName(window, title, QString(), filter);
    };
    services.openFolder = [&](const QString& title) {
        return QFileDialog::getExistingDirectory(window, title);
    };
    services.runReportsWindow = [](velorin::ReportsWindow& reports) { reports.exec(); };
    services.runPreviewGallery = [](velorin::PreviewGallery& gallery) { gallery.exec(); };
    services.printReports = [&](const std::filesystem::path& supportDb,
                                const std::vector<std::string>& names) {
        QPrinter printer;
        QPrintDialog dialog(&printer, window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        std::string error;
        if (!velorin::RenderReports(supportDb, names, printer, error)) {
            velorin::Message failed;
            failed.text = error;
            failed.icon = velorin::Icon::Critical;
            services.ask(failed);
        }
    };
    services.quit = [] { QCoreApplication::exit(0); };

    velorin::MainWindow main(services);
    window = &main;
    if (!main.Load())
        return 0;
    main.show();
    return QApplication::exec();
}
