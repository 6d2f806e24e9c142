#pragma once

#include <string>
#include <vector>

#include "session/session.h"

namespace velorin {

struct ConvertArguments {
    std::string database;
    std::string output;
    std::vector<std::string> forms;
    std::vector<std::string> modules;
    ConversionOptions options;
    bool vb4 = false;
    std::string listMode = "bound";
    std::string comboMode = "bound";
    bool noSecurity = false;
    std::string supportDb;
    // The empty support database the user's own is made from, when the
    // default is used and does not exist yet.
    std::string supportTemplate;
    bool supportDbChosen = false;   // named with --support-db
    std::string templateDirectory;  // the project templates
    bool assumeYes = false;
    bool interactive = false;
    bool showProgress = false;
    bool quiet = false;
    bool verbose = false;
    bool html = false;  // also write the conversion report, OUTPUT/report
};

// The user's own support database, made from the template when it is the
// default and does not exist yet; false, with the message printed, when it
// cannot be.
bool ProvideDefaultSupportDatabase(const std::string& database, const std::string& templateFile,
                                   bool chosen);

// Exit status: 0 done, 1 failed or stopped, 2 usage, 3 converted but the
// project check found problems.
int ConvertCommand(ConvertArguments& arguments);
int ListCommand(const std::string& database, bool tables, bool queries);

struct ReportsArguments {
    std::string supportDb;
    std::string supportTemplate;  // as for ConvertArguments
    bool supportDbChosen = false;
    std::string output;                // PDF file; empty: list the reports
    std::vector<std::string> reports;  // empty: all
};

// Exit status: 0 done, 1 failed, 2 an unknown report name.
int ReportsCommand(const ReportsArguments& arguments);

struct HtmlArguments {
    std::string supportDb;
    std::string supportTemplate;  // as for ConvertArguments
    bool supportDbChosen = false;
    std::string output;  // the report goes to output/report
};

// Writes the conversion report of the last conversion the support database
// holds. Exit status: 0 done, 1 failed.
int HtmlCommand(const HtmlArguments& arguments);
// The conversion report of the analysis in `supportDb`, in folder/report;
// false, with the reason printed, when it cannot be written.
bool WriteReportSite(const std::string& supportDb, const std::string& folder, bool quiet);

struct PreviewArguments {
    std::vector<std::string> forms;  // .frm files
    std::string output;              // the folder the pictures go to
};

// Writes output/NAME.png for each form file NAME.frm. Exit status: 0 done,
// 1 a form could not be read or its picture written.
int PreviewCommand(const PreviewArguments& arguments);

}  // namespace velorin
