#include <gtest/gtest.h>

#include "driver/conversion_driver.h"
#include "project/project_file.h"
#include "test_support.h"

namespace velorin {
namespace {

using testing::CrLf;
using testing::ReadWritten;
using testing::ScriptedUi;
using testing::TempDir;

const std::string kReferences = CrLf({
    "Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.0#0; COMDLG32.OCX",
    "Reference=*\\G{BEF6E001-A874-101A-8BBA-00AA00300CAB}#2.0#0#C:\\WINNT40\\System32\\olepro32."
    "dll#Standard OLE Types",
    "Reference=*\\G{00025E01-0000-0000-C000-000000000046}#4.0#0#C:\\Program Files\\Common "
    "Files\\Microsoft "
    "Shared\\DAO\\DAO350.DLL#Microsoft DAO 3.5 Object Library",
    "Reference=*\\G{4AFFC9A0-5F99-101B-AF4E-00AA003F0F07}#8.0#0#C:\\Program Files\\Microsoft "
    "Office\\Office\\MSACC8.OLB#Microsoft Access 8.0 Object Library",
});
const std::string kSettings = CrLf({
    "ProjWinSize = 78, 567, 234, 215",
    "ProjWinShow = 2",
    "IconForm = \"Sales\"",
    "HelpFile = \"\"",
    "Name = Sales",
    "HelpContextID = \"0\"",
    "StartMode = 0",
    "VersionCompatible32 = \"0\"",
    "MajorVer = 1",
    "MinorVer = 0",
    "RevisionVer = 0",
    "AutoIncrementVer = 0",
    "ServerSupportFiles = 0",
});

class ProjectFileTest : public ::testing::Test {
  protected:
    ProjectFileTest() : session(app, "unused.db", ui) {
        session.out = OutputDirectory(dir.Path());
        testing::ChangeSettings(session, [&](ConversionSettings& s) {
            s.projectFileName = "Sales.vbp";
            s.projectBaseName = "Sales";
        });
        session.project.projectWorkFile = "Sales.vbp";
    }
    std::string Write() {
        BuildControlFiles(session);
        AppendProjectLine(session, "Form=Orders.frm");
        AppendProjectLine(session, "Module=Utility_Functions; Utility Functions.bas");
        AppendProjectLine(session, "Module=MacroCode; MacroCode.bas");
        AppendProjectLine(session, "Module=VlrnConversionCode; VlrnConversionCode.bas");
        if (session.Settings().options.mdiProject)
            AppendProjectLine(session, "Form=MDIParent.frm");
        WriteProjectTail(session, "Sales.vbp", "Sales", "Sales");
        return ReadWritten(session.out, dir / "Sales.vbp");
    }
    const std::string kHead = CrLf(
        {"Form=Orders.frm", "Module=Utility_Functions; Utility Functions.bas",
         "Module=MacroCode; MacroCode.bas", "Module=VlrnConversionCode; VlrnConversionCode.bas"});
    const std::string kComctl =
        CrLf({"Object={6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.0#0; COMCTL32.OCX"});
    const std::string kSheridan3 =
        CrLf({"Object={8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0; SSDW3B32.OCX"});

    TempDir dir;
    AccessApplication app;
    ScriptedUi ui;
    Session session;
};

TEST_F(ProjectFileTest, VisualBasic5) {
    EXPECT_EQ(Write(), kHead + kReferences + kComctl + kSheridan3 + CrLf({"Startup=\"Sub Main\""}) +
                           kSettings);
}

TEST_F(ProjectFileTest, VisualBasic4HasNoStartupLine) {
    testing::ChangeSettings(session, [&](ConversionSettings& s) { s.options.vb5Project = false; });
    EXPECT_EQ(Write(), kHead + kReferences + kComctl + kSheridan3 + kSettings);
}

TEST_F(ProjectFileTest, MdiProjectAddsTheParentFormAndThreeD) {
    testing::ChangeSettings(session, [&](ConversionSettings& s) { s.options.mdiProject = true; });
    EXPECT_EQ(Write(),
              kHead + CrLf({"Form=MDIParent.frm"}) + kReferences +
                  CrLf({"Object={0BA686C6-F7D3-101A-993E-0000C0EF6F5E}#1.0#0; THREED32.OCX"}) +
                  kComctl + kSheridan3 + CrLf({"Startup=\"Sub Main\""}) + kSettings);
}

TEST_F(ProjectFileTest, TabControlAndOptionalControls) {
    session.project.tabControlFlag = true;
    testing::ChangeSettings(session, [&](ConversionSettings& s) {
        s.options.listBoxType = 1;
        s.options.useOptionSet = true;
        s.options.useCalendar = true;
    });
    EXPECT_EQ(Write(),
              kHead + kReferences + kComctl +
                  CrLf({"Object={BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.0#0; TABCTL32.OCX",
                        "Object={98460712-9149-11CF-BADB-00201802BB87}#1.1#0; GTLIST32.OCX",
                        "Object={D981334D-B212-11CE-AE8C-0000C0B99395}#2.0#0; SSDATA32.OCX",
                        "Object={E8671A8B-E5DD-11CD-836C-0000C0C14E92}#1.0#0; SSCALA32.OCX",
                        "Startup=\"Sub Main\""}) +
                  kSettings);
}

}  // namespace
}  // namespace velorin
