// Statement translation speed: one standard module of N varied lines, converted
// end to end (line rules, statistics, procedure pass). Prints lines per second
// for doubling sizes, so that a cost growing faster than the module shows.
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "code/module_conversion.h"
#include "common/string_helpers.h"
#include "session/session.h"

namespace {

using namespace velorin;
namespace fs = std::filesystem;

class QuietUi : public UserInterface {
  public:
    Answer Show(const Message&) override { return Answer::No; }
    void Warn(const std::string&) override {}
    void StartProgress(int) override {}
    void SetProgress(int) override {}
    void UpdateTime() override {}
    void EndProgress() override {}
};

// A mix of what Access modules hold: declarations, recordset loops, DoCmd
// calls, form references, comments and blank lines, in procedures of 25 lines.
std::string MakeModule(int lines) {
    static const char* const kBody[] = {
        "    Dim rs As Recordset",
        "    Set rs = CurrentDb().OpenRecordset(\"SELECT * FROM Orders\", DB_OPEN_DYNASET)",
        "    Do Until rs.EOF",
        "        x = x + rs.Quantity * rs!UnitPrice",
        "        rs.MoveNext",
        "    Loop",
        "    ' total the order lines",
        "    DoCmd.OpenForm \"Orders\", , , \"[OrderID]=\" & lngID",
        "    Forms!Orders!txtTotal = x",
        "    DoCmd.Close acForm, \"Customers\"",
        "",
        "    If Forms(\"Orders\").Dirty Then DoCmd.RunCommand acCmdSaveRecord",
        "    varReturn = SysCmd(acSysCmdSetStatus, \"Working\")",
        "    Me!lstProducts.Requery",
        "    DoCmd.Hourglass False",
        "    MsgBox \"Done \" & Format(Now(), \"hh:nn\")",
        "    Dim s As String",
        "    s = Me.txtName & Me.cboCustomer",
        "    DoCmd.OpenQuery \"qryUpdatePrices\"",
        "    rs.Close",
        "    Application.Echo True",
        "    DoCmd.RunMacro \"mcrNav.Open\", 2",
        "    x = DLookup(\"Total\", \"Orders\", \"OrderID=\" & n)",
    };
    std::string text = "Option Compare Database\r\nOption Explicit\r\n";
    int written = 2, procedure = 0;
    while (written < lines) {
        text += "Public Function F" + std::to_string(procedure++) + "(n As Long) As Currency\r\n";
        ++written;
        for (const char* line : kBody) {
            if (written >= lines - 1)
                break;
            text += line;
            text += "\r\n";
            ++written;
        }
        text += "End Function\r\n";
        ++written;
    }
    return text;
}

double Convert(int lines, const fs::path& supportDb) {
    AccessApplication app;
    app.AddQueryDef({"qryUpdatePrices", "UPDATE Products SET x = 1", 48, {}});
    QuietUi ui;
    Session session(app, supportDb, ui);
    session.project.convertedFormNames = {"", "Orders"};
    const CodeText module(SplitLines(MakeModule(lines)));
    session.supportDb.BeginGroup();
    auto start = std::chrono::steady_clock::now();
    ConvertCodeFile(session, "Bench", module);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    session.supportDb.CommitGroup();
    session.supportDb.RunSavedStatement("qryRptOutputDel");
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(
            stderr,
            "usage: translate_bench SUPPORT_DB\n  (a copy of vlrn.db; its tables are emptied)\n");
        return 2;
    }
    std::printf("%10s %10s %14s\n", "lines", "seconds", "lines/second");
    double previous = 0;
    for (int lines : {25000, 50000, 100000, 200000}) {
        double seconds = Convert(lines, argv[1]);
        std::printf("%10d %10.3f %14.0f", lines, seconds, lines / seconds);
        if (previous > 0)
            std::printf("   x%.2f for twice the lines", seconds / previous);
        std::printf("\n");
        previous = seconds;
    }
    return 0;
}
