#include "project/project_file.h"

#include "common/ansi_text.h"
#include "common/vb_quote.h"

namespace velorin {

void AppendProjectLine(Session& session, std::string_view line) {
    OutputFile file = session.out.OpenAppend(session.project.projectWorkFile);
    file.WriteLine(line);
}

void WriteProjectTail(Session& session, std::string_view projectFileName,
                      std::string_view iconFormName, std::string_view projectName) {
    const std::string q = "\"";
    OutputFile file = session.out.OpenAppend(projectFileName);
    file.WriteLine("Object={F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.0#0; COMDLG32.OCX");
    file.WriteLine(
        "Reference=*\\G{BEF6E001-A874-101A-8BBA-00AA00300CAB}#2.0#0#C:"
        "\\WINNT40\\System32\\olepro32.dll"
        "#Standard OLE Types");
    file.WriteLine(
        "Reference=*\\G{00025E01-0000-0000-C000-000000000046}#4.0#0#C:\\Program Files\\Common "
        "Files\\"
        "Microsoft Shared\\DAO\\DAO350.DLL#Microsoft DAO 3.5 Object Library");
    file.WriteLine(
        "Reference=*\\G{4AFFC9A0-5F99-101B-AF4E-00AA003F0F07}#8.0#0#C:\\Program Files\\Microsoft "
        "Office\\"
        "Office\\MSACC8.OLB#Microsoft Access 8.0 Object Library");
    if (session.Settings().options.mdiProject) {
        file.WriteLine("Object={0BA686C6-F7D3-101A-993E-0000C0EF6F5E}#1.0#0; THREED32.OCX");
    }
    file.WriteLine("Object={6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.0#0; COMCTL32.OCX");
    if (session.project.tabControlFlag) {
        file.WriteLine("Object={BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.0#0; TABCTL32.OCX");
    }
    for (size_t i = 1; i < session.project.controlFiles.size(); ++i) {
        // A library is listed once: the fixed lines above already name some.
        const std::string& library = session.project.controlFiles[i];
        if (IEquals(library, "COMDLG32.OCX") || IEquals(library, "COMCTL32.OCX") ||
            (session.Settings().options.mdiProject && IEquals(library, "THREED32.OCX")) ||
            (session.project.tabControlFlag && IEquals(library, "TABCTL32.OCX"))) {
            continue;
        }
        file.WriteLine("Object=" + session.project.controlObjectIds[i] + "; " + library);
    }
    if (session.Settings().options.vb5Project)
        file.WriteLine("Startup=" + q + "Sub Main" + q);
    file.WriteLine("ProjWinSize = 78, 567, 234, 215");
    file.WriteLine("ProjWinShow = 2");
    file.WriteLine("IconForm = " + VbQuoted(iconFormName));
    file.WriteLine("HelpFile = " + q + q);
    file.WriteLine("Name = " + std::string(projectName));
    file.WriteLine("HelpContextID = " + q + "0" + q);
    file.WriteLine("StartMode = 0");
    file.WriteLine("VersionCompatible32 = " + q + "0" + q);
    file.WriteLine("MajorVer = 1");
    file.WriteLine("MinorVer = 0");
    file.WriteLine("RevisionVer = 0");
    file.WriteLine("AutoIncrementVer = 0");
    file.WriteLine("ServerSupportFiles = 0");
}

}  // namespace velorin
