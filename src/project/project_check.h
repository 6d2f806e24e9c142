// A read of the finished project as Visual Basic would load and compile it:
// the project file, each form's design section, the code of every form and
// module, and the names they use of one another. Each fault found is laid at
// the door of the conversion or of the source application.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/ansi_text.h"
#include "common/output_directory.h"
#include "project/check_finding.h"

namespace velorin {

// What the source application itself defines, so that a finding can be laid at its door.
struct ApplicationFacts {
    struct Definition {
        std::string object;  // "module Utility Functions", "form Orders", "macro mcrOrders"
        bool converted = false;
    };
    // False when nothing is known of the application: every finding is the conversion's.
    bool known = false;
    // Every procedure the application defines, by the name a call uses; a
    // name may be defined in several form modules.
    std::map<std::string, std::vector<Definition>, ILess> procedures;
    // The object each converted file came from ("form Orders"), by file name.
    std::map<std::string, std::string, ILess> objectByFile;
    // Every form of the application by its Access name: whether it was converted.
    std::map<std::string, bool, ILess> forms;
    // The application's own code of each converted object, by the file it became.
    // Views into the application's lines, which outlive the check.
    std::map<std::string, std::vector<std::string_view>, ILess> codeByFile;
};

// The names a module's code makes known to the whole project: its public
// procedures, variables, constants and enum members.
std::vector<std::string> PublicNamesOfModule(const std::vector<std::string_view>& code);

// Checks form files on a thread of its own as the conversion writes them,
// so that the project check at the end finds most of its reading done. With
// one job it keeps no thread and checks nothing ahead.
class CheckAhead {
  public:
    explicit CheckAhead(int jobs);
    ~CheckAhead();
    CheckAhead(const CheckAhead&) = delete;
    CheckAhead& operator=(const CheckAhead&) = delete;

    // A form file as it was written.
    void SubmitForm(std::string file, std::string content);
    // Waits for the files submitted; none is taken afterwards.
    void Finish();

    // What was checked ahead; nullptr with one job.
    struct State;
    const State* Checked() const { return state_.get(); }

  private:
    std::unique_ptr<State> state_;
};

struct CheckRun {
    int jobs = 1;                 // threads the check may use
    CheckAhead* ahead = nullptr;  // form files checked as they were written
};

// The findings in file order of the project file, then by line; none for a
// coherent project. The files are checked on up to `run.jobs` threads, and a
// file checked ahead is not checked again unless its text changed since; the
// findings are the same for any number of threads.
std::vector<ProjectFinding> CheckProject(const OutputDirectory& out, std::string_view projectFile,
                                         const ApplicationFacts& facts, const CheckRun& run = {});

}  // namespace velorin
