#include "project/project_file.h"

#include <cstdio>

#include "common/ansi_text.h"
#include "common/vb_quote.h"

namespace velorin {

void AppendProjectLine(Session& session, std::string_view line) {
    OutputFile file = session.out.OpenAppend(session.project.projectWorkFile);
    file.WriteLine(line);
}

namespace {

// Libraries that the project has already, or that only Access has: Visual
// Basic for Applications, Access, DAO (and its later ACE form).
bool ProjectProvides(std::string_view guid) {
    for (std::string_view provided :
         {"{000204EF-0000-0000-C000-000000000046}", "{4AFFC9A0-5F99-101B-AF4E-00AA003F0F07}",
          "{00025E01-0000-0000-C000-000000000046}", "{4AC9E1DA-5BAD-4AC7-86E3-24F4CDCECA28}",
          "{BEF6E001-A874-101A-8BBA-00AA00300CAB}"}) {
        if (IEquals(guid, provided))
            return true;
    }
    return false;
}

// Text that cannot break a Reference line: no "#", which separates its
// fields, and no line break.
bool IsPlainReferenceText(std::string_view text) {
    return text.find_first_of("#\r\n") == std::string_view::npos;
}

// The other type libraries the application's code refers to go into the
// project, which compiles against them as Access did. A library database
// (.mda, .accda) has code that is no part of the project: the user is told.
void WriteApplicationReferences(Session& session, OutputFile& file) {
    if (session.sourceDb == nullptr)
        return;
    for (const LibraryReference& reference : session.sourceDb->References()) {
        if (reference.guid.empty()) {
            session.ui.Warn("the application refers to the library " + reference.path +
                            "; its code is not converted, and calls of it do not resolve");
            continue;
        }
        if (ProjectProvides(reference.guid) || !IsPlainReferenceText(reference.guid) ||
            !IsPlainReferenceText(reference.path) || !IsPlainReferenceText(reference.name))
            continue;
        // The version is written in hexadecimal, as Visual Basic writes it (DAO 12 is c.0).
        char version[24];
        std::snprintf(version, sizeof version, "%x.%x", static_cast<unsigned>(reference.major),
                      static_cast<unsigned>(reference.minor));
        file.WriteLine("Reference=*\\G" + reference.guid + "#" + version + "#0#" + reference.path +
                       "#" + reference.name);
    }
}

}  // namespace

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
    WriteApplicationReferences(session, file);
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
