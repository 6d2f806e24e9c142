#include "main_window_test.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <map>
#include <memory>

#include "about_box.h"
#include "common/simulated_disk_fault.h"
#include "help_book.h"
#include "main_window.h"
#include "preview_gallery.h"
#include "progress_window.h"
#include "reports_window.h"
#include "session/string_table.h"
#include "settings_store.h"

namespace velorin {
namespace {

// A program directory of its own (support database, templates), a settings
// file, and stand-ins for every dialog.
class Harness {
  public:
    Harness() {
        const QDir built(VELORIN_PROGRAM_DIR);
        QDir(dir.path()).mkpath("bin");
        programDir = QDir(dir.path()).filePath("bin");
        for (const char* file :
             {"vlrn.db", "VlrnConversionCode.bas", "MDIParent.frm", "SuppliedFunctions.bas"})
            QFile::copy(built.filePath(file), QDir(programDir).filePath(file));
        QDir(dir.path()).mkpath("ocx");
        QFile control(QDir(dir.path()).filePath("ocx/ssdw3b32.ocx"));
        control.open(QIODevice::WriteOnly);
        settingsFile = QDir(dir.path()).filePath("velorin.ini");
        legacyFile = QDir(dir.path()).filePath("legacy.ini");
        Settings("ControlFilesFolder", QDir(dir.path()).filePath("ocx"));
    }

    void Settings(const QString& name, const QString& value) {
        QSettings file(settingsFile, QSettings::IniFormat);
        file.setValue(name, value);
    }
    QString Setting(const QString& name) const {
        return QSettings(settingsFile, QSettings::IniFormat).value(name).toString();
    }

    MainWindow& Make() {
        settings = std::make_unique<SettingsStore>(settingsFile, legacyFile);
        MainWindowServices services;
        services.settings = settings.get();
        services.programDirectory = programDir.toStdString();
        if (!userDatabase.isEmpty()) {
            services.supportDatabase = userDatabase.toStdString();
            services.supportTemplate = QDir(programDir).filePath("vlrn.db").toStdString();
        }
        services.ask = [this](const Message& message) {
            messages.push_back(message);
            if (answers.empty())
                return message.buttons == Buttons::YesNo || message.buttons == Buttons::YesNoHelp
                           ? Answer::No
                           : Answer::Ok;
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        };
        services.openFile = [this](const QString& title, const QString&) {
            openTitles.append(title);
            return nextFile;
        };
        services.openFolder = [this](const QString& title) {
            folderTitles.append(title);
            return nextFolder;
        };
        services.runReportsWindow = [this](ReportsWindow& reports) {
            windowsShown.append(reports.objectName());
            reportTitles.clear();
            auto* list = reports.findChild<QListWidget*>("lstReports");
            for (int i = 0; i < list->count(); ++i)
                reportTitles.append(list->item(i)->text());
            if (pickReports)
                pickReports(reports);
        };
        services.printReports = [this](const std::filesystem::path& from,
                                       const std::vector<std::string>& names) {
            printed = names;
            printedFrom = from;
        };
        services.runPreviewGallery = [this](PreviewGallery& gallery) {
            windowsShown.append(gallery.objectName());
            galleryFolder = gallery.Folder();
            galleryForms.clear();
            if (const auto* list = gallery.findChild<QListWidget*>("lstPreviews")) {
                for (int i = 0; i < list->count(); ++i)
                    galleryForms.append(list->item(i)->text());
            }
        };
        services.quit = [this] { ++quits; };
        services.loadDatabase = load;
        if (changeSteps)
            changeSteps(services.conversionSteps);
        window = std::make_unique<MainWindow>(services);
        window->show();
        return *window;
    }

    // Makes the window and loads it: false when its start-up checks end the program.
    bool Start() {
        Make();
        return window->Load();
    }
    void Press(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void Open(const QString& file) {
        nextFile = file;
        Press("cmdOpen");
    }
    // Converts what is selected into `out`, agreeing to create it.
    void Translate(const QString& out) {
        Find<QLineEdit>("txtPath")->setText(out);
        answers = {Answer::Yes};
        Press("cmdTranslate");
    }

    template <typename T>
    T* Find(const char* name) const {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no widget %s", name);
        return widget;
    }

    // Whether a message with the text of `id` was shown.
    bool Shown(int id) const {
        for (const Message& message : messages) {
            if (message.text == LoadText(id))
                return true;
        }
        return false;
    }

    QTemporaryDir dir;
    QString programDir;
    QString settingsFile;
    QString legacyFile;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<MainWindow> window;
    std::deque<Answer> answers;
    std::vector<Message> messages;
    QString nextFile;
    QStringList openTitles;
    QString nextFolder;
    QStringList folderTitles;
    QStringList reportTitles;
    std::function<void(ReportsWindow&)> pickReports;
    // The secondary windows shown, by object name, in order.
    QStringList windowsShown;
    QString galleryFolder;
    QStringList galleryForms;
    std::function<void(ConversionSteps&)> changeSteps;
    std::vector<std::string> printed;
    std::filesystem::path printedFrom;
    // The user's own support database; none: vlrn.db in the program folder.
    QString userDatabase;
    int quits = 0;
    std::function<LoadedDatabase(const std::filesystem::path&)> load;
};

int SelectedRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void Click(QListWidget* list, int row) {
    list->clearSelection();
    list->item(row)->setSelected(true);
    emit list->itemClicked(list->item(row));
}

// A click on a check box or option button lands on its indicator.
void Press(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

QString SampleExport() {
    return QDir(VELORIN_SOURCE_DIR).filePath("examples/Sales.mdb.src");
}

void WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// An export folder `name` in `parent` holding one module per entry (file name,
// code).
QString MakeExport(const QString& parent, const QString& name,
                   const std::vector<std::pair<QString, QByteArray>>& modules) {
    const QString root = QDir(parent).filePath(name);
    for (const auto& [file, code] : modules)
        WriteText(QDir(root).filePath("modules/" + file), code);
    return root;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Every file under `root` with its content, to tell whether anything changed.
std::map<QString, QByteArray> Snapshot(const QString& root) {
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(root).relativeFilePath(path)] = ReadAll(path);
    }
    return files;
}

// The index of the first message whose text starts with `text`; -1 when none.
int MessageStarting(const std::vector<Message>& messages, std::string_view text) {
    for (size_t i = 0; i < messages.size(); ++i) {
        if (messages[i].text.starts_with(text))
            return static_cast<int>(i);
    }
    return -1;
}

// The window takes input again: enabled, and no progress window left open.
void VerifyUsable(const Harness& h) {
    QVERIFY(h.window->isEnabled());
    for (const char* name : {"txtMDB", "txtPath", "lstForms", "lstModules", "cmdTranslate"})
        QVERIFY2(h.Find<QWidget>(name)->isEnabled(), name);
    for (const ProgressWindow* progress : h.window->findChildren<ProgressWindow*>())
        QVERIFY(!progress->isVisible());
}

}  // namespace

void MainWindowTest::loadsDefaultsWithoutSavedSettings() {
    Harness h;
    MainWindow& window = h.Make();
    QVERIFY(window.Load());
    QVERIFY(h.messages.empty());
    QVERIFY(h.Find<QRadioButton>("optVBType1")->isChecked());
    QVERIFY(h.Find<QRadioButton>("optListboxMode1")->isChecked());
    QVERIFY(h.Find<QRadioButton>("optCBOMode1")->isChecked());
    QCOMPARE(SelectedRow(h.Find<QListWidget>("lstListboxType")), 2);
    QCOMPARE(SelectedRow(h.Find<QListWidget>("lstComboBoxType")), 2);
    QCOMPARE(h.Find<QLineEdit>("txtUser")->text(), QString("Admin"));
    QCOMPARE(window.RecentEntries(), QStringList{"(no files) [disabled]"});
    QVERIFY(!window.SettingsChanged());
    QCOMPARE(h.Find<QPushButton>("cmdTranslate")->text(), QString("&Start Translation"));
}

void MainWindowTest::restoresEveryOptionFromControlDefaults() {
    Harness h;
    h.Settings("ControlDefaults", "10211001111");
    h.Settings("Jet/SystemDB", "/srv/access/system.mdw");
    MainWindow& window = h.Make();
    QVERIFY(window.Load());
    QVERIFY(h.Find<QRadioButton>("optVBType0")->isChecked());
    QCOMPARE(SelectedRow(h.Find<QListWidget>("lstListboxType")), 2);
    QVERIFY(h.Find<QRadioButton>("optListboxMode1")->isChecked());
    QCOMPARE(SelectedRow(h.Find<QListWidget>("lstComboBoxType")), 1);
    QVERIFY(h.Find<QRadioButton>("optCBOMode2")->isChecked());
    QVERIFY(!h.Find<QCheckBox>("chkSSDate")->isChecked());
    QVERIFY(h.Find<QCheckBox>("chkSSOption")->isChecked());
    QVERIFY(h.Find<QCheckBox>("chkMDI")->isChecked());
    QVERIFY(h.Find<QCheckBox>("chkStandardVB")->isChecked());
    QCOMPARE(h.Find<QLineEdit>("txtMDW")->text(), QString("/srv/access/system.mdw"));
    // The first and last characters belonged to check boxes that changed nothing.
    QCOMPARE(EncodeControlDefaults(window.Options()), std::string("00211001110"));
    QVERIFY(!window.SettingsChanged());

    // A type index the list does not have leaves no selection: the third entry is chosen.
    Harness bad;
    bad.Settings("ControlDefaults", "01918000000");
    QVERIFY(bad.Start());
    QCOMPARE(SelectedRow(bad.Find<QListWidget>("lstListboxType")), 2);
    QCOMPARE(SelectedRow(bad.Find<QListWidget>("lstComboBoxType")), 2);
}

void MainWindowTest::movesLegacySettingsOnce() {
    Harness h;
    {
        QSettings legacy(h.legacyFile, QSettings::IniFormat);
        legacy.setValue("ControlDefaults", "00000000000");
        legacy.setValue("LastFile1", "/data/old.mdb");
    }
    QVERIFY(h.Start());
    QVERIFY(h.Find<QRadioButton>("optVBType0")->isChecked());
    QCOMPARE(h.window->RecentEntries(), QStringList{"&1 /data/old.mdb"});
    QVERIFY(!QFile::exists(h.legacyFile));
}

void MainWindowTest::startupChecksCanEndTheProgram() {
    Harness noControls;
    noControls.Settings("ControlFilesFolder", QDir(noControls.dir.path()).filePath("nowhere"));
    noControls.answers = {Answer::No};
    noControls.Make();
    QVERIFY(!noControls.window->Load());
    QVERIFY(noControls.Shown(25));

    Harness proceed;
    proceed.Settings("ControlFilesFolder", "");
    proceed.answers = {Answer::Yes};
    QVERIFY(proceed.Start());

    Harness noDatabase;
    QFile::remove(QDir(noDatabase.programDir).filePath("vlrn.db"));
    noDatabase.Make();
    QVERIFY(!noDatabase.window->Load());
    QVERIFY(noDatabase.Shown(14));
    QCOMPARE(noDatabase.messages.back().icon, Icon::Critical);
}

void MainWindowTest::recentFilesRotateAndShowInTheMenu() {
    const RecentFiles files = {"/a.mdb", "/b.mdb", "/c.mdb", "/d.mdb"};
    QVERIFY((RotateRecentFiles(files, "/a.mdb") == files));
    QVERIFY((RotateRecentFiles(files, "/b.mdb") ==
             RecentFiles{"/b.mdb", "/a.mdb", "/c.mdb", "/d.mdb"}));
    QVERIFY((RotateRecentFiles(files, "/c.mdb") ==
             RecentFiles{"/c.mdb", "/a.mdb", "/b.mdb", "/d.mdb"}));
    QVERIFY((RotateRecentFiles(files, "/d.mdb") ==
             RecentFiles{"/d.mdb", "/a.mdb", "/b.mdb", "/c.mdb"}));
    QVERIFY((RotateRecentFiles(files, "/e.mdb") ==
             RecentFiles{"/e.mdb", "/a.mdb", "/b.mdb", "/c.mdb"}));
    // The comparison is exact: another case is another file.
    QVERIFY((RotateRecentFiles(files, "/A.mdb") ==
             RecentFiles{"/A.mdb", "/a.mdb", "/b.mdb", "/c.mdb"}));

    Harness h;
    h.Settings("LastFile1", "/x/one.mdb");
    h.Settings("LastFile2", "/x/two.mdb");
    h.Settings("LastFile4", "/x/four.mdb");
    QVERIFY(h.Start());
    QCOMPARE(h.window->RecentEntries(),
             (QStringList{"&1 /x/one.mdb", "&2 /x/two.mdb", "&4 /x/four.mdb"}));
}

void MainWindowTest::optionClicksAndTheirRules() {
    Harness h;
    QVERIFY(h.Start());
    Press(h.Find<QCheckBox>("chkMDI"));
    QVERIFY(h.window->SettingsChanged());

    // A Sheridan list box type with bound list boxes brings the option set along.
    auto* optionSet = h.Find<QCheckBox>("chkSSOption");
    QVERIFY(!optionSet->isChecked());
    Click(h.Find<QListWidget>("lstListboxType"), 1);
    QVERIFY(optionSet->isChecked());

    // Unbound: the type click leaves it, and a later switch of mode does not check it.
    Harness unbound;
    QVERIFY(unbound.Start());
    unbound.Find<QTabWidget>("tsMain")->setCurrentIndex(1);
    Press(unbound.Find<QRadioButton>("optListboxMode2"));
    Click(unbound.Find<QListWidget>("lstListboxType"), 1);
    QVERIFY(!unbound.Find<QCheckBox>("chkSSOption")->isChecked());
    Press(unbound.Find<QRadioButton>("optListboxMode1"));
    QVERIFY(!unbound.Find<QCheckBox>("chkSSOption")->isChecked());
}

void MainWindowTest::choosingADatabaseProposesTheOutputFolder() {
    Harness h;
    QVERIFY(h.Start());
    h.Open(SampleExport());
    QCOMPARE(h.Find<QLineEdit>("txtPath")->text(),
             QDir(VELORIN_SOURCE_DIR).filePath("examples/Vlrn"));
    QCOMPARE(h.Find<QListWidget>("lstForms")->count(), 9);
    QCOMPARE(h.Find<QListWidget>("lstModules")->count(), 4);
    QCOMPARE(h.Find<QListWidget>("lstForms")->item(0)->text(), QString("Customer Statistics"));
    QCOMPARE(h.Setting("LastFile1"), SampleExport());

    // A cancelled dialog changes nothing.
    h.nextFile.clear();
    h.Press("cmdOpen");
    QCOMPARE(h.Find<QLineEdit>("txtMDB")->text(), SampleExport());
}

void MainWindowTest::exportFoldersAreChosenAndTypedLikeDatabases() {
    Harness h;
    // A database file reads as the sample, wherever it is: the window's own
    // proposal for it is what each export folder is compared with.
    h.load = [](const std::filesystem::path& path) {
        if (path.extension() != ".mdb")
            return LoadDatabase(path);
        LoadedDatabase loaded = LoadDatabase(SampleExport().toStdString());
        loaded.source.databasePath = path;
        return loaded;
    };
    QVERIFY(h.Start());
    auto* input = h.Find<QLineEdit>("txtMDB");
    auto* output = h.Find<QLineEdit>("txtPath");
    const QByteArray module = "Attribute VB_Name = \"Tools\"\r\nOption Explicit\r\n";
    const QDir base(h.dir.path());
    // Export folder, the database it stands for.
    const std::pair<QString, QString> exports[] = {
        {"one/Sales.mdb.src", "one/Sales.mdb"},
        {"two/Sales.src", "two/Sales.mdb"},
        {"three/Sales/source", "three/Sales/Sales.mdb"},
    };
    for (const auto& [folder, database] : exports) {
        const QString root = MakeExport(base.path(), folder, {{"Tools.bas", module}});
        h.Open(base.filePath(database));
        const QString proposed = output->text();
        QVERIFY2(!proposed.isEmpty(), qPrintable(database));

        // Chosen with the folder button.
        output->clear();
        h.nextFolder = root;
        h.Press("cmdOpenFolder");
        QCOMPARE(input->text(), root);
        QCOMPARE(h.Find<QListWidget>("lstModules")->count(), 1);
        QCOMPARE(output->text(), proposed);
        // Beside the export, not inside it: the export is never written into.
        QCOMPARE(QFileInfo(output->text()).absolutePath(), QFileInfo(root).absolutePath());

        // Typed, with or without a separator at the end.
        for (const QString& typed : {root, root + "/"}) {
            h.Open(base.filePath(database));
            output->clear();
            input->clear();
            QTest::keyClicks(input, typed);
            QTest::keyClick(input, Qt::Key_Return);
            QCOMPARE(h.Find<QListWidget>("lstModules")->count(), 1);
            QCOMPARE(output->text(), proposed);
        }
    }
    QCOMPARE(h.folderTitles.size(), 3);

    // A cancelled folder dialog changes nothing.
    const QString opened = input->text();
    h.nextFolder.clear();
    h.Press("cmdOpenFolder");
    QCOMPARE(input->text(), opened);
    QCOMPARE(h.folderTitles.size(), 4);
}

void MainWindowTest::aFailingDatabaseClearsBothBoxes() {
    Harness h;
    QVERIFY(h.Start());
    h.Open(SampleExport());

    h.Open(QDir(h.dir.path()).filePath("missing.mdb"));
    QCOMPARE(MessageStarting(h.messages, LoadText(text_id::kInvalidDatabase)),
             static_cast<int>(h.messages.size()) - 1);
    QCOMPARE(h.messages.back().icon, Icon::Information);
    // The message says why, as the loader found it.
    const std::string why = LoadDatabase(h.nextFile.toStdString()).error;
    QVERIFY(!why.empty());
    QVERIFY2(h.messages.back().text.ends_with(h.nextFile.toStdString() + ": " + why),
             h.messages.back().text.c_str());
    QVERIFY(h.Find<QLineEdit>("txtMDB")->text().isEmpty());
    QVERIFY(h.Find<QLineEdit>("txtPath")->text().isEmpty());
    QCOMPARE(h.Find<QListWidget>("lstForms")->count(), 9);
    QCOMPARE(h.Setting("LastFile1"), SampleExport());
}

void MainWindowTest::startTranslationValidates() {
    Harness h;
    QVERIFY(h.Start());
    h.Press("cmdTranslate");
    QVERIFY(h.Shown(17));

    h.Find<QLineEdit>("txtPath")->setText(QDir(h.dir.path()).filePath("new"));
    h.answers = {Answer::No};
    h.Press("cmdTranslate");
    QVERIFY(h.Shown(18));
    QVERIFY(!QDir(QDir(h.dir.path()).filePath("new")).exists());

    h.answers = {Answer::Yes};
    h.Press("cmdTranslate");
    QVERIFY(h.Shown(19));
    QCOMPARE(h.quits, 0);
}

void MainWindowTest::convertsTheSampleAndPrintsTheChosenReports() {
    Harness h;
    QVERIFY(h.Start());
    h.Open(SampleExport());
    const QString out = QDir(h.dir.path()).filePath("vb");
    h.Press("cmdSelForms");
    h.Press("cmdSelMods");
    h.pickReports = [](ReportsWindow& window) {
        auto* list = window.findChild<QListWidget*>("lstReports");
        list->item(2)->setSelected(true);
        list->item(0)->setSelected(true);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    };
    h.Translate(out);

    QVERIFY(QFile::exists(QDir(out).filePath("Sales.vbp")));
    QVERIFY(QFile::exists(QDir(out).filePath("Orders.frm")));
    QVERIFY(QFile::exists(QDir(out).filePath("MacroCode.bas")));
    QVERIFY(h.reportTitles.size() >= 3);
    QCOMPARE(h.printed.size(), size_t{2});
    QCOMPARE(h.printed[0], std::string("rptConversionSummary"));
    QCOMPARE(h.quits, 1);  // the program ends after a conversion
}

void MainWindowTest::eachUserRecordsInAnOwnSupportDatabase() {
    Harness h;
    h.userDatabase = QDir(h.dir.path()).filePath("data/velorin/vlrn.db");
    QVERIFY(h.Start());
    // Made from the program's empty one when the window starts.
    QVERIFY(QFile::exists(h.userDatabase));
    h.Open(SampleExport());
    h.Press("cmdSelMods");
    h.pickReports = [](ReportsWindow& window) {
        window.findChild<QListWidget*>("lstReports")->item(0)->setSelected(true);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    };
    h.Translate(QDir(h.dir.path()).filePath("vb"));
    QCOMPARE(h.printed.size(), size_t{1});
    QCOMPARE(QString::fromStdString(h.printedFrom.string()), h.userDatabase);
    // The analysis is in the user's database; the program's stays empty.
    QVERIFY(QFileInfo(h.userDatabase).size() > 0);
    QCOMPARE(ReadAll(QDir(h.programDir).filePath("vlrn.db")),
             ReadAll(QDir(VELORIN_PROGRAM_DIR).filePath("vlrn.db")));
}

void MainWindowTest::cancelledReportSelectionPrintsNothing() {
    Harness h;
    QVERIFY(h.Start());
    h.Open(SampleExport());
    h.Find<QLineEdit>("txtPath")->setText(h.dir.path());
    Click(h.Find<QListWidget>("lstModules"), 0);
    h.pickReports = [](ReportsWindow& window) {
        QTest::mouseClick(window.findChild<QPushButton*>("cmdSelForms"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        QVERIFY(window.Cancelled());
        QVERIFY(!window.SelectedRows().isEmpty());
    };
    h.Press("cmdTranslate");
    QVERIFY(h.printed.empty());
    QCOMPARE(h.quits, 1);
}

void MainWindowTest::uncompiledCodeStopsBeforeAnyFileIsTouched() {
    // A procedure that never ends: Access could not have compiled the module.
    const QByteArray broken =
        "Attribute VB_Name = \"Broken\"\r\nOption Compare Database\r\n\r\n"
        "Sub A()\r\n    MsgBox \"A\"\r\n";
    for (const bool outputExists : {true, false}) {
        Harness h;
        QVERIFY(h.Start());
        h.Open(MakeExport(h.dir.path(), "Broken.mdb.src", {{"Broken.bas", broken}}));
        QCOMPARE(h.Find<QListWidget>("lstModules")->count(), 1);
        const QString out = QDir(h.dir.path()).filePath("vb");
        if (outputExists) {
            WriteText(QDir(out).filePath("Old.frm"), "VERSION 5.00\r\n");
            WriteText(QDir(out).filePath("notes.txt"), "mine");
        }
        const auto before = Snapshot(out);
        h.Press("cmdSelMods");
        h.Translate(out);  // Yes: stop and compile in Access

        const int question = MessageStarting(h.messages, LoadText(text_id::kNotCompiled));
        QVERIFY2(question >= 0, outputExists ? "into a folder" : "into a new folder");
        // The question names where the code is broken, and the answer is explained.
        QVERIFY(h.messages[question].text.find("module Broken") != std::string::npos);
        QCOMPARE(h.messages.size(), static_cast<size_t>(question) + 2);
        const Message& explanation = h.messages.back();
        QCOMPARE(explanation.icon, Icon::Information);
        QVERIFY(explanation.text.find("Access") != std::string::npos);
        QVERIFY(explanation.text.find("no file has been changed") != std::string::npos);

        if (outputExists)
            QCOMPARE(Snapshot(out), before);
        else
            QVERIFY(!QFileInfo::exists(out));
        VerifyUsable(h);
        QCOMPARE(h.quits, 0);
    }
}

void MainWindowTest::objectsThatCannotBeReadAreListedButNotOffered() {
    Harness h;
    // A database file beside an export that lacks some of its objects: of
    // those only the names are known.
    h.load = [](const std::filesystem::path& path) {
        LoadedDatabase loaded = LoadDatabase(path);
        loaded.application->AddDocument(Container::Forms, "Switchboard");
        loaded.application->AddDocument(Container::Modules, "basStartup");
        loaded.application->FinishLoading();
        return loaded;
    };
    QVERIFY(h.Start());
    h.Open(SampleExport());

    const std::pair<const char*, QString> unreadable[] = {{"lstForms", "Switchboard"},
                                                          {"lstModules", "basStartup"}};
    for (const auto& [listName, name] : unreadable) {
        auto* list = h.Find<QListWidget>(listName);
        QListWidgetItem* marked = nullptr;
        for (int row = 0; row < list->count(); ++row) {
            QListWidgetItem* item = list->item(row);
            if (item->text().startsWith(name)) {
                marked = item;
                continue;
            }
            // A readable object is offered as it is named.
            QVERIFY(item->flags() & Qt::ItemIsEnabled);
            QVERIFY(item->flags() & Qt::ItemIsSelectable);
            QVERIFY(item->toolTip().isEmpty());
        }
        QVERIFY2(marked != nullptr, listName);
        QVERIFY(marked->text() != name);  // a note says why
        QVERIFY(marked->toolTip().contains("Export the application as text"));
        QVERIFY(!(marked->flags() & Qt::ItemIsEnabled));

        // Neither Select All nor a click selects it.
        QTest::mouseClick(
            h.Find<QPushButton>(listName == std::string("lstForms") ? "cmdSelForms" : "cmdSelMods"),
            Qt::LeftButton);
        QCOMPARE(list->selectedItems().size(), list->count() - 1);
        QVERIFY(!marked->isSelected());
        list->scrollToItem(marked);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(marked).center());
        QVERIFY(!marked->isSelected());
    }

    // The conversion is not asked for them: no warning about them follows it.
    h.Translate(QDir(h.dir.path()).filePath("vb"));
    QCOMPARE(h.quits, 1);
    for (const Message& message : h.messages) {
        QVERIFY2(message.text.find("Switchboard") == std::string::npos, message.text.c_str());
        QVERIFY2(message.text.find("basStartup") == std::string::npos, message.text.c_str());
    }
}

void MainWindowTest::aDatabaseFileAloneOffersNothingToConvert() {
    // The real database beside the checkout, without a text export beside it.
    const QString database = QDir(VELORIN_SOURCE_DIR).filePath("../shared/data/nwind.mdb");
    if (!QFileInfo::exists(database))
        QSKIP("../shared/data/nwind.mdb is absent");
    Harness h;
    QVERIFY(h.Start());
    h.Open(database);
    QVERIFY(!h.Shown(text_id::kInvalidDatabase));
    auto* forms = h.Find<QListWidget>("lstForms");
    QVERIFY(forms->count() > 0);
    for (int row = 0; row < forms->count(); ++row)
        QVERIFY2(!(forms->item(row)->flags() & Qt::ItemIsSelectable),
                 qPrintable(forms->item(row)->text()));
    h.Press("cmdSelForms");
    QVERIFY(forms->selectedItems().isEmpty());
    h.Find<QLineEdit>("txtPath")->setText(h.dir.path());
    h.Press("cmdTranslate");
    QVERIFY(h.Shown(text_id::kNothingToConvert));
}

void MainWindowTest::aFailureSaysWhatWentWrongWithEachObject() {
    Harness h;
    QVERIFY(h.Start());
    // A module named as a Windows device is written under another name, with
    // a warning; the disk is full, so the conversion fails.
    h.Open(MakeExport(h.dir.path(), "Devices.mdb.src",
                      {{"CON.bas", "Attribute VB_Name = \"CON\"\r\nOption Explicit\r\n"},
                       {"Tools.bas", "Attribute VB_Name = \"Tools\"\r\nOption Explicit\r\n"}}));
    h.Press("cmdSelMods");
    SimulateDiskFault(SimulatedDiskFault{0, false});
    h.Translate(QDir(h.dir.path()).filePath("vb"));
    SimulateDiskFault(std::nullopt);

    QVERIFY(!h.messages.empty());
    const Message& failure = h.messages.back();
    QCOMPARE(failure.icon, Icon::Critical);
    // The failure itself, then the warning about the module's file name.
    QVERIFY2(failure.text.find("No space left on device") != std::string::npos,
             failure.text.c_str());
    QVERIFY2(failure.text.find("CON_.bas") != std::string::npos, failure.text.c_str());
    QCOMPARE(h.quits, 0);
    VerifyUsable(h);
}

void MainWindowTest::everyOptionChangesTheProject() {
    // The sample converted with the window's defaults, or with one check box
    // or option button clicked; the project written, file by file.
    auto convert = [](const QString& clicked) {
        Harness h;
        if (!h.Start())
            return std::map<QString, QByteArray>();
        h.Open(SampleExport());
        if (!clicked.isEmpty())
            h.Find<QAbstractButton>(qPrintable(clicked))->click();
        const QString out = QDir(h.dir.path()).filePath("vb");
        h.Press("cmdSelForms");
        h.Press("cmdSelMods");
        h.Translate(out);
        return Snapshot(out);
    };
    const auto defaults = convert(QString());
    QVERIFY(defaults.size() > 10);
    QCOMPARE(convert(QString()), defaults);

    // Every check box and every option button not chosen by default, as the
    // window has them: a control that changes nothing is not offered.
    Harness h;
    QVERIFY(h.Start());
    QStringList controls;
    for (const QAbstractButton* button : h.window->findChildren<QAbstractButton*>()) {
        if (button->isCheckable() && !button->isChecked())
            controls.append(button->objectName());
    }
    QVERIFY(controls.size() >= 6);
    for (const QString& control : controls) {
        QVERIFY2(convert(control) != defaults, qPrintable(control));
    }
}

void MainWindowTest::reportsWindowSaysWhereTheAnalysisIs() {
    ReportsWindow window({"Conversion Summary"});
    const QString intro = window.findChild<QLabel*>("Label1_0")->text();
    // The analysis is in the support database beside the program, and the
    // command line prints it.
    QVERIFY2(intro.contains("vlrn.db"), qPrintable(intro));
    QVERIFY2(intro.contains("velorin reports"), qPrintable(intro));
    QVERIFY2(!intro.contains(".mdb"), qPrintable(intro));
}

namespace {

// Whether `a` comes before `b` when read top to bottom, left to right: side by
// side (each one's middle within the other's height) the left one first,
// otherwise the higher one.
bool ReadsBefore(const QRect& a, const QRect& b) {
    const bool sideBySide = (a.center().y() >= b.top() && a.center().y() <= b.bottom()) ||
                            (b.center().y() >= a.top() && b.center().y() <= a.bottom());
    return sideBySide ? a.left() < b.left() : a.top() < b.top();
}

// Whether Tab goes from `a` to `b` in reading order: the two children of
// their closest common parent that hold them read in that order.
bool TabFollowsLayout(QWidget* a, QWidget* b) {
    for (QWidget* parent = a->parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
        if (!parent->isAncestorOf(b))
            continue;
        auto childHolding = [parent](QWidget* w) {
            while (w->parentWidget() != parent)
                w = w->parentWidget();
            return w;
        };
        return ReadsBefore(childHolding(a)->geometry(), childHolding(b)->geometry());
    }
    return false;
}

// The widgets Tab reaches on `page`, in Tab order.
QList<QWidget*> TabChain(QWidget* window, QWidget* page) {
    QList<QWidget*> chain;
    QWidget* w = window;
    do {
        w = w->nextInFocusChain();
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            !chain.contains(w))
            chain.append(w);
    } while (w != window);
    return chain;
}

}  // namespace

void MainWindowTest::keyboardReachesEveryField() {
    Harness h;
    QVERIFY(h.Start());
    QApplication::setActiveWindow(h.window.get());
    QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
    auto* tabs = h.Find<QTabWidget>("tsMain");
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QApplication::processEvents();
        QWidget* widget = tabs->widget(page);

        // Every label names its field with an access key that leads there.
        for (const QLabel* label : widget->findChildren<QLabel*>()) {
            if (label->buddy() == nullptr) {
                QVERIFY2(label->wordWrap(), qPrintable(label->text()));  // a note, no caption
                continue;
            }
            const QRegularExpressionMatch key =
                QRegularExpression("&([A-Za-z0-9])").match(label->text());
            QVERIFY2(key.hasMatch(), qPrintable(label->text()));
            h.window->setFocus();
            QTest::keyClick(h.window.get(), key.captured(1).toLower().at(0).toLatin1(),
                            Qt::AltModifier);
            QVERIFY2(QApplication::focusWidget() == label->buddy(), qPrintable(label->text()));
        }
        // Every text box and list has such a label.
        for (QWidget* field : widget->findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QListWidget*>(field))
                continue;
            bool labelled = false;
            for (const QLabel* label : widget->findChildren<QLabel*>())
                labelled = labelled || label->buddy() == field;
            QVERIFY2(labelled, qPrintable(field->objectName()));
        }
        // Buttons read words, each button and label with its own access key on the page.
        QStringList texts;
        for (const QAbstractButton* button : widget->findChildren<QAbstractButton*>()) {
            QVERIFY2(button->text().contains(QRegularExpression("[A-Za-z0-9]")),
                     qPrintable(button->text()));
            if (qobject_cast<const QPushButton*>(button) != nullptr)
                QVERIFY2(button->text().contains('&'), qPrintable(button->text()));
            texts.append(button->text());
        }
        for (const QLabel* label : widget->findChildren<QLabel*>())
            texts.append(label->text());
        QStringList keys;
        for (const QString& text : texts) {
            const qsizetype amp = text.indexOf('&');
            if (amp < 0)
                continue;
            const QString key = text.mid(amp + 1, 1).toLower();
            QVERIFY2(!keys.contains(key), qPrintable(text));
            keys.append(key);
        }

        // Tab visits every field once, in reading order.
        const QList<QWidget*> chain = TabChain(h.window.get(), widget);
        for (QWidget* field : widget->findChildren<QWidget*>()) {
            if ((field->focusPolicy() & Qt::TabFocus) && field->isVisibleTo(widget))
                QVERIFY2(chain.contains(field), qPrintable(field->objectName()));
        }
        for (qsizetype i = 1; i < chain.size(); ++i) {
            QVERIFY2(TabFollowsLayout(chain[i - 1], chain[i]),
                     qPrintable(chain[i - 1]->objectName() + " -> " + chain[i]->objectName()));
        }
    }
}

void MainWindowTest::messagesBeforeTheWindowAreCentredOnTheScreen() {
    QWidget hidden;
    hidden.setGeometry(10, 10, 200, 100);
    const HelpBook help(QString{});
    Message message;
    message.text = "A message before the window is shown.";
    QRect shown;
    // Shows the message over `parent`, noting where its box stood.
    auto show = [&](QWidget* parent) {
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                shown = box->frameGeometry();
                box->close();
            }
        });
        ShowMessageBox(parent, help, message);
    };
    show(&hidden);
    QVERIFY(shown.isValid());
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2((shown.center() - centre).manhattanLength() <= 4,
             qPrintable(QString("%1,%2").arg(shown.center().x()).arg(shown.center().y())));

    // Once the window shows, its messages are centred on it.
    QWidget window;
    window.setGeometry(20, 30, 700, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    show(&window);
    QVERIFY2((shown.center() - window.frameGeometry().center()).manhattanLength() <= 4,
             qPrintable(QString("%1,%2").arg(shown.center().x()).arg(shown.center().y())));
}

void MainWindowTest::progressShowsTheElapsedTime() {
    double seconds = 0;
    ProgressWindow progress(nullptr, [&seconds] { return seconds; });
    QCOMPARE(progress.windowTitle(), QString("Conversion Progress"));
    const std::pair<double, const char*> cases[] = {{59, "Time Elapsed: 0 minutes 59 seconds"},
                                                    {60, "Time Elapsed: 1 minute 0 seconds"},
                                                    {75, "Time Elapsed: 1 minute 15 seconds"},
                                                    {120, "Time Elapsed: 2 minutes 0 seconds"},
                                                    {74.6, "Time Elapsed: 1 minute 15 seconds"}};
    for (const auto& [elapsed, text] : cases) {
        seconds = elapsed;
        progress.UpdateTime();
        QCOMPARE(progress.TimeText(), QString(text));
    }
    progress.SetMaximum(10);
    progress.SetValue(12);
    QCOMPARE(progress.Value(), 10);
}

void MainWindowTest::shutdownSavesOnlyChangedSettings() {
    Harness untouched;
    QVERIFY(untouched.Start());
    untouched.window->ShutdownProgram();
    QVERIFY(untouched.messages.empty());
    QVERIFY(untouched.Setting("ControlDefaults").isEmpty());
    QCOMPARE(untouched.quits, 1);

    Harness changed;
    QVERIFY(changed.Start());
    Press(changed.Find<QRadioButton>("optVBType0"));
    Press(changed.Find<QCheckBox>("chkMDI"));
    changed.answers = {Answer::Yes};
    changed.window->ShutdownProgram();
    QVERIFY2(changed.Shown(15),
             changed.messages.empty() ? "no message" : changed.messages.back().text.c_str());
    QCOMPARE(changed.Setting("ControlDefaults"), QString("00212100100"));

    Harness declined;
    QVERIFY(declined.Start());
    Press(declined.Find<QCheckBox>("chkMDI"));
    declined.answers = {Answer::No};
    declined.window->close();
    QVERIFY(declined.Shown(15));
    QVERIFY(declined.Setting("ControlDefaults").isEmpty());
}

void MainWindowTest::keepsOnlySettingsThatAreRead() {
    // What the program reads back; anything else in the file is left over.
    const QStringList read = {"ControlDefaults",    "DrawPreviews", "LastFile1",
                              "LastFile2",          "LastFile3",    "LastFile4",
                              "ControlFilesFolder", "Jet/SystemDB"};
    auto verifyOnlyRead = [&](const QString& file, const char* when) {
        for (const QString& key : QSettings(file, QSettings::IniFormat).allKeys())
            QVERIFY2(read.contains(key), qPrintable(QString(when) + ": " + key));
    };

    Harness h;
    // The add-in entry an earlier version left behind when it crashed.
    h.Settings("Menu Add-Ins/&Converter/Expression", "=ConvertAllMacros()");
    h.Settings("Menu Add-Ins/&Converter/Library", "/opt/velorin/menus97.mde");
    QVERIFY(h.Start());
    // A crash from here on leaves only this behind.
    verifyOnlyRead(h.settingsFile, "while running");
    h.Open(SampleExport());
    Press(h.Find<QCheckBox>("chkMDI"));
    h.answers = {Answer::Yes};  // save the settings
    h.window->ShutdownProgram();
    verifyOnlyRead(h.settingsFile, "after the end");
    QCOMPARE(h.Setting("LastFile1"), SampleExport());
    QVERIFY(!h.Setting("ControlDefaults").isEmpty());
}

void MainWindowTest::aboutBoxHidesThePlaceholderCredit() {
    QCOMPARE(AboutBox::TranslationCredit("[Translation credit]"), QString());
    QCOMPARE(AboutBox::TranslationCredit("Translated by Ana"), QString("Translated by Ana"));
    AboutBox box;
    QCOMPARE(box.windowTitle(), QString("About"));
}

void MainWindowTest::drawingPreviewsIsSavedAndRestored() {
    Harness h;
    QVERIFY(h.Start());
    QVERIFY(h.Find<QCheckBox>("chkDrawPreviews")->toolTip().contains("previews/NAME.png"));
    for (const bool on : {true, false}) {
        QCOMPARE(h.Find<QCheckBox>("chkDrawPreviews")->isChecked(), !on);
        Press(h.Find<QCheckBox>("chkDrawPreviews"));
        h.answers = {Answer::Yes};  // save the settings
        h.window->ShutdownProgram();
        QCOMPARE(h.Setting("DrawPreviews"), QString(on ? "1" : "0"));
        // ControlDefaults keeps the eleven characters earlier versions read.
        QCOMPARE(h.Setting("ControlDefaults").size(), 11);
        QVERIFY(h.Start());
        QCOMPARE(h.Find<QCheckBox>("chkDrawPreviews")->isChecked(), on);
    }
}

void MainWindowTest::previewsAreShownAfterAConversionThatDrewThem() {
    // A step of the test's own leaves a picture in previews/, as the drawing
    // does; the gallery follows only a conversion asked to draw, and comes
    // before the reports.
    for (const bool draw : {false, true}) {
        Harness h;
        h.changeSteps = [](ConversionSteps& steps) {
            steps.writeSupportModules = [write = steps.writeSupportModules](Session& session) {
                write(session);
                const QDir out(QString::fromStdString(session.out.Path().string()));
                QImage picture(40, 30, QImage::Format_RGB32);
                picture.fill(Qt::gray);
                QVERIFY(out.mkpath("previews") &&
                        picture.save(out.filePath("previews/Orders.png")));
            };
        };
        QVERIFY(h.Start());
        h.Open(SampleExport());
        const QString out = QDir(h.dir.path()).filePath("vb");
        h.Find<QLineEdit>("txtPath")->setText(out);
        Click(h.Find<QListWidget>("lstModules"), 0);
        if (draw)
            Press(h.Find<QCheckBox>("chkDrawPreviews"));
        h.answers = {Answer::Yes};  // create the output folder
        h.Press("cmdTranslate");
        QVERIFY(QFile::exists(QDir(out).filePath("previews/Orders.png")));
        const QStringList shown =
            draw ? QStringList{"frmPreviews", "frmReports"} : QStringList{"frmReports"};
        QCOMPARE(h.windowsShown, shown);
        QCOMPARE(h.galleryFolder, draw ? QDir(out).filePath("previews") : QString());
        QCOMPARE(h.galleryForms, draw ? QStringList{"Orders"} : QStringList());
    }
}

void MainWindowTest::formPreviewsMenuShowsTheChosenFolder() {
    Harness h;
    QVERIFY(h.Start());
    for (const QString& chosen : {QString(), h.dir.path()}) {  // cancelled, then chosen
        h.nextFolder = chosen;
        h.Find<QAction>("mnuFormPreviews")->trigger();
        QCOMPARE(h.galleryFolder, chosen);
    }
    QCOMPARE(h.folderTitles.size(), 2);
    QCOMPARE(h.windowsShown, QStringList{"frmPreviews"});
}

}  // namespace velorin
