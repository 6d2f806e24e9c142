// Makes the README's pictures from the program itself: the main window with
// the sample application open, and the analysis reports of its conversion as
// a PDF (turned into a picture with pdftoppm).
//   velorin_screenshots OUTDIR
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <iostream>

#include "driver/conversion_driver.h"
#include "main_window.h"
#include "reports/analysis_reports.h"
#include "settings_store.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: velorin_screenshots OUTDIR\n";
        return 2;
    }
    const QDir out(argv[1]);
    const QString sample = QDir(VELORIN_SOURCE_DIR).filePath("examples/Sales.mdb.src");
    QTemporaryDir work;
    const QString programDir = QDir(work.path()).filePath("bin");
    QDir().mkpath(programDir);
    for (const char* file :
         {"vlrn.db", "VlrnConversionCode.bas", "MDIParent.frm", "SuppliedFunctions.bas"})
        QFile::copy(QDir(VELORIN_PROGRAM_DIR).filePath(file), QDir(programDir).filePath(file));

    velorin::SettingsStore settings(QDir(work.path()).filePath("velorin.ini"), QString());
    settings.Write("LastFile1", sample.toStdString());
    velorin::MainWindowServices services;
    services.settings = &settings;
    services.programDirectory = programDir.toStdString();
    services.ask = [](const velorin::Message&) { return velorin::Answer::Yes; };
    services.openFile = [&](const QString&, const QString&) { return sample; };
    services.runReportsWindow = [](velorin::ReportsWindow&) {};
    services.printReports = [](const std::filesystem::path&, const std::vector<std::string>&) {};
    services.quit = [] {};
    velorin::MainWindow window(services);
    if (!window.Load())
        return 1;
    window.show();
    window.findChild<QPushButton*>("cmdOpen")->click();
    window.findChild<QPushButton*>("cmdSelForms")->click();
    window.findChild<QListWidget*>("lstModules")->item(1)->setSelected(true);
    QApplication::processEvents();
    if (!window.grab().save(out.filePath("main-window.png")))
        return 1;

    // The reports of a real conversion of the sample.
    window.findChild<QLineEdit*>("txtPath")->setText(QDir(work.path()).filePath("Sales-VB"));
    window.findChild<QPushButton*>("cmdSelMods")->click();
    window.findChild<QPushButton*>("cmdTranslate")->click();
    std::string error;
    const std::filesystem::path supportDb = (programDir + "/vlrn.db").toStdString();
    std::vector<std::string> names;
    for (const velorin::ReportEntry& report : velorin::ListReports(supportDb, error))
        names.push_back(report.name);
    if (!velorin::WriteReportsPdf(supportDb, names, out.filePath("reports.pdf").toStdString(),
                                  error)) {
        std::cerr << error << "\n";
        return 1;
    }
    std::cout << "wrote " << out.filePath("main-window.png").toStdString() << " and "
              << out.filePath("reports.pdf").toStdString() << "\n";
    return 0;
}
