// The main window's controls, captions and menus.
#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "about_box.h"
#include "gui_texts.h"
#include "main_window.h"

namespace velorin {
namespace {

const QStringList kListControlTypes = {"GreenTree DataList 1.0", "Sheridan Data Widgets 2.0",
                                       "Sheridan Data Widgets 3.0"};

template <typename Widget>
Widget* Named(Widget* widget, const char* name, const QString& whatsThis) {
    widget->setObjectName(name);
    widget->setWhatsThis(whatsThis);
    return widget;
}

QLabel* LabelFor(QWidget* buddy, int captionId, QWidget* parent) {
    auto* label = new QLabel(Caption(captionId), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

void MainWindow::BuildPages() {
    tsMain_ = new QTabWidget(this);
    tsMain_->setObjectName("tsMain");
    setCentralWidget(tsMain_);

    // Project
    auto* project = new QWidget;
    project->setObjectName("grpPage1");
    auto* database = new QGroupBox(Caption(219), project);
    database->setObjectName("Frame3");
    txtMDB_ = Named(new QLineEdit, "txtMDB",
                    "The Access database to convert (.mdb), or the folder of its text export.");
    cmdOpen_ = Named(new QPushButton("Choose &File..."), "cmdOpen",
                     "Choose the Access database to convert (.mdb). Its text export, a folder "
                     "Name.mdb.src, Name.src or source beside it, is read with it.");
    cmdOpenFolder_ = Named(new QPushButton("Choose F&older..."), "cmdOpenFolder",
                           "Choose the folder of the application's text export (Name.mdb.src, "
                           "Name.src or source, holding forms, modules and the rest).");
    txtPath_ =
        Named(new QLineEdit, "txtPath", "The folder the Visual Basic project is written into.");
    auto* databaseGrid = new QGridLayout(database);
    databaseGrid->addWidget(LabelFor(txtMDB_, 220, database), 0, 0);
    databaseGrid->addWidget(txtMDB_, 0, 1);
    databaseGrid->addWidget(cmdOpen_, 0, 2);
    databaseGrid->addWidget(cmdOpenFolder_, 0, 3);
    databaseGrid->addWidget(LabelFor(txtPath_, 221, database), 1, 0);
    databaseGrid->addWidget(txtPath_, 1, 1, 1, 3);

    lstForms_ = Named(new QListWidget, "lstForms", "The forms to convert; select one or more.");
    lstForms_->setSelectionMode(QAbstractItemView::MultiSelection);
    cmdSelForms_ = Named(new QPushButton(Caption(224)), "cmdSelForms", "Select every form.");
    lstModules_ =
        Named(new QListWidget, "lstModules", "The modules to convert; select one or more.");
    lstModules_->setSelectionMode(QAbstractItemView::MultiSelection);
    // Its own access key: the forms' button has the one of the caption.
    cmdSelMods_ = Named(new QPushButton("Select A&ll"), "cmdSelMods", "Select every module.");

    auto* type = new QGroupBox(Caption(225));
    type->setObjectName("grpProjectType");
    optVB4_ = Named(new QRadioButton("VB &4"), "optVBType0", "Write a Visual Basic 4 project.");
    optVB5_ = Named(new QRadioButton("VB &5"), "optVBType1", "Write a Visual Basic 5 project.");
    auto* typeLayout = new QVBoxLayout(type);
    typeLayout->addWidget(optVB4_);
    typeLayout->addWidget(optVB5_);
    chkMDI_ = Named(new QCheckBox(Caption(217)), "chkMDI",
                    "Make the forms children of an MDI parent form, MDIParent.");
    chkDrawPreviews_ =
        Named(new QCheckBox("Dra&w Form Previews"), "chkDrawPreviews",
              "Draw each converted form beside its Access original, with the controls that "
              "were only partly converted listed under them, and show the pictures when the "
              "conversion ends.");
    chkDrawPreviews_->setToolTip(
        "Writes previews/NAME.png beside the project: each converted form beside its original.");
    cmdTranslate_ = Named(new QPushButton(Caption(102)), "cmdTranslate",
                          "Convert the selected forms and modules.");

    auto* projectGrid = new QGridLayout(project);
    projectGrid->addWidget(database, 0, 0, 1, 3);
    projectGrid->addWidget(LabelFor(lstForms_, 222, project), 1, 0);
    projectGrid->addWidget(LabelFor(lstModules_, 223, project), 1, 1);
    projectGrid->addWidget(lstForms_, 2, 0);
    projectGrid->addWidget(lstModules_, 2, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(type);
    side->addWidget(chkMDI_);
    side->addWidget(chkDrawPreviews_);
    side->addStretch();
    projectGrid->addLayout(side, 2, 2);
    projectGrid->addWidget(cmdSelForms_, 3, 0);
    projectGrid->addWidget(cmdSelMods_, 3, 1);
    projectGrid->addWidget(cmdTranslate_, 3, 2);
    tsMain_->addTab(project, "Project");

    // List Controls
    auto* lists = new QWidget;
    lists->setObjectName("grpPage2");
    lstListboxType_ =
        Named(new QListWidget, "lstListboxType", "The control that list boxes become.");
    lstListboxType_->addItems(kListControlTypes);
    lstComboBoxType_ =
        Named(new QListWidget, "lstComboBoxType", "The control that combo boxes become.");
    lstComboBoxType_->addItems(kListControlTypes);
    auto* listMode = new QGroupBox(Caption(212));
    listMode->setObjectName("grpoptListboxMode");
    optListboxBound_ = Named(new QRadioButton(Caption(214)), "optListboxMode1",
                             "List boxes read their rows through a data control of their own.");
    optListboxUnbound_ = Named(new QRadioButton(Caption(215)), "optListboxMode2",
                               "List boxes are filled by code when the form loads.");
    auto* listModeLayout = new QVBoxLayout(listMode);
    listModeLayout->addWidget(optListboxBound_);
    listModeLayout->addWidget(optListboxUnbound_);
    auto* comboMode = new QGroupBox(Caption(213));
    comboMode->setObjectName("Frame5");
    optCboBound_ = Named(new QRadioButton(Caption(214)), "optCBOMode1",
                         "Combo boxes read their rows through a data control of their own.");
    optCboUnbound_ = Named(new QRadioButton(Caption(215)), "optCBOMode2",
                           "Combo boxes are filled by code when the form loads.");
    auto* comboModeLayout = new QVBoxLayout(comboMode);
    comboModeLayout->addWidget(optCboBound_);
    comboModeLayout->addWidget(optCboUnbound_);
    auto* optional = new QGroupBox(Caption(211));
    optional->setObjectName("grpOptionalCtls");
    chkSSOption_ = Named(new QCheckBox("Use SS DB&Option Set"), "chkSSOption",
                         "Option groups become Sheridan DBOption Set controls.");
    chkSSDate_ = Named(new QCheckBox("Use SS Calendar &Widgets"), "chkSSDate",
                       "Date fields become Sheridan date combo controls.");
    chkStandardVB_ =
        Named(new QCheckBox(Caption(216)), "chkStandardVB",
              "Use Visual Basic's own list and combo boxes wherever they can carry the control.");
    auto* optionalLayout = new QVBoxLayout(optional);
    optionalLayout->addWidget(chkSSOption_);
    optionalLayout->addWidget(chkSSDate_);
    optionalLayout->addWidget(chkStandardVB_);
    auto* listGrid = new QGridLayout(lists);
    auto* listLabel = LabelFor(lstListboxType_, 209, lists);
    listLabel->setObjectName("lblListBoxType");
    auto* comboLabel = LabelFor(lstComboBoxType_, 210, lists);
    comboLabel->setObjectName("lblComboBoxType");
    listGrid->addWidget(listLabel, 0, 0);
    listGrid->addWidget(comboLabel, 0, 1);
    listGrid->addWidget(lstListboxType_, 1, 0);
    listGrid->addWidget(lstComboBoxType_, 1, 1);
    listGrid->addWidget(listMode, 2, 0);
    listGrid->addWidget(comboMode, 2, 1);
    listGrid->addWidget(optional, 3, 0, 1, 2);
    tsMain_->addTab(lists, "List Controls");

    // Security Information
    auto* security = new QWidget;
    security->setObjectName("grpPage3");
    auto* frame = new QGroupBox(Caption(204), security);
    frame->setObjectName("frmSecurity");
    txtMDW_ = Named(new QLineEdit, "txtMDW",
                    "The workgroup information file the converted project opens its database "
                    "with; it must be an Access workgroup file (.mdw).");
    cmdOpenMDW_ = Named(new QPushButton("&Choose File..."), "cmdOpenMDW",
                        "Choose the workgroup information file.");
    txtUser_ =
        Named(new QLineEdit, "txtUser", "The user the converted project opens its database as.");
    txtPassword_ =
        Named(new QLineEdit, "txtPassword",
              "That user's password, written into the project's Sub Main as it is typed.");
    txtPassword_->setEchoMode(QLineEdit::Password);
    // Velorin reads the database itself: nothing here changes what it can read.
    auto* securityNote = new QLabel(
        "Velorin reads the database without Access and opens no secured workspace, so these "
        "settings do not change what it can read. They are written into the converted "
        "project's Sub Main, which opens the database with this workgroup file, user and "
        "password.",
        frame);
    securityNote->setObjectName("lblSecurityNote");
    securityNote->setWordWrap(true);
    auto* securityGrid = new QGridLayout(frame);
    securityGrid->addWidget(LabelFor(txtMDW_, 205, frame), 0, 0);
    securityGrid->addWidget(txtMDW_, 0, 1);
    securityGrid->addWidget(cmdOpenMDW_, 0, 2);
    securityGrid->addWidget(LabelFor(txtUser_, 206, frame), 1, 0);
    securityGrid->addWidget(txtUser_, 1, 1, 1, 2);
    securityGrid->addWidget(LabelFor(txtPassword_, 207, frame), 2, 0);
    securityGrid->addWidget(txtPassword_, 2, 1, 1, 2);
    securityGrid->addWidget(securityNote, 3, 0, 1, 3);
    auto* securityLayout = new QVBoxLayout(security);
    securityLayout->addWidget(frame);
    securityLayout->addStretch();
    tsMain_->addTab(security, "Security Information");

    // Tab follows each page top to bottom, left to right, and the pages one
    // after another.
    const std::initializer_list<QWidget*> pages[] = {
        {txtMDB_, cmdOpen_, cmdOpenFolder_, txtPath_, lstForms_, lstModules_, optVB4_, optVB5_,
         chkMDI_, chkDrawPreviews_, cmdSelForms_, cmdSelMods_, cmdTranslate_},
        {lstListboxType_, lstComboBoxType_, optListboxBound_, optListboxUnbound_, optCboBound_,
         optCboUnbound_, chkSSOption_, chkSSDate_, chkStandardVB_},
        {txtMDW_, cmdOpenMDW_, txtUser_, txtPassword_}};
    QWidget* previous = nullptr;
    for (const std::initializer_list<QWidget*>& page : pages) {
        for (QWidget* widget : page) {
            if (previous != nullptr)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

void MainWindow::BuildMenus() {
    QMenu* main = menuBar()->addMenu(Caption(100));
    main->setObjectName("mnu1");
    QAction* translate = main->addAction(Caption(102));
    translate->setObjectName("mnuMain0");
    connect(translate, &QAction::triggered, this, &MainWindow::StartTranslation);
    QAction* previews = main->addAction("&Form Previews...");
    previews->setObjectName("mnuFormPreviews");
    connect(previews, &QAction::triggered, this, [this] {
        if (!services_.openFolder)
            return;
        const QString folder = services_.openFolder("Choose the Folder of Form Previews");
        if (!folder.isEmpty())
            ShowPreviews(folder);
    });
    QAction* exit = main->addAction(Caption(103));
    exit->setObjectName("mnuMain1");
    connect(exit, &QAction::triggered, this, &MainWindow::ShutdownProgram);
    main->addSeparator();
    for (int i = 0; i < 4; ++i) {
        QAction* recent = main->addAction(QString());
        recent->setObjectName(QString("mnuMain%1").arg(i + 3));
        connect(recent, &QAction::triggered, this, [this, recent] {
            // The entry reads "&1 path": the path starts at its third character.
            ChooseDatabase(recent->text().mid(2).trimmed());
        });
        recentActions_.push_back(recent);
    }

    QMenu* help = menuBar()->addMenu(Caption(101));
    help->setObjectName("mnu2");
    QAction* topics = help->addAction(Caption(104));
    topics->setObjectName("mnuHelp0");
    connect(topics, &QAction::triggered, this, [this] { help_.Show(this); });
    QAction* whatsThis = help->addAction(Caption(105));
    whatsThis->setObjectName("mnuHelp1");
    connect(whatsThis, &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });
    QAction* about = help->addAction(Caption(107));
    about->setObjectName("mnuHelp3");
    connect(about, &QAction::triggered, this, [this] {
        AboutBox box(this);
        box.exec();
    });
}

}  // namespace velorin
