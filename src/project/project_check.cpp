#include "project/project_check.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>

#include "common/names.h"
#include "common/parallel_work.h"
#include "common/string_helpers.h"
#include "project/code_structure_check.h"
#include "project/design_section_check.h"
#include "project/vb_logical_lines.h"
#include "project/vb_tokens.h"

namespace velorin {
namespace {

constexpr size_t kLongestLine = 1023;
constexpr size_t kLongestName = 40;

// One form or module of the project, as far as the other files need it.
struct ProjectFile {
    std::string file;
    std::string name;  // the form's or module's Visual Basic name
    bool isModule = false;
    // A class module: a module whose public members belong to its objects.
    bool isClass = false;
    int projectLine = 0;
    CodeFacts code;
};

struct Resolved {
    const ProjectFile* file = nullptr;
    const Procedure* procedure = nullptr;
};

void AddTo(std::vector<ProjectFinding>& found, const std::string& file, int line,
           std::string message, FindingCause cause = FindingCause::Conversion) {
    ProjectFinding finding;
    finding.file = file;
    finding.line = line;
    finding.cause = cause;
    finding.message = std::move(message);
    found.push_back(std::move(finding));
}

// VERSION 1.0 CLASS and its BEGIN ... END block; returns the line after it.
size_t CheckClassHeader(const ProjectFile& entry, const std::vector<std::string_view>& lines,
                        std::vector<ProjectFinding>& found) {
    if (lines.empty() || TrimWhitespace(lines[0]) != "VERSION 1.0 CLASS") {
        AddTo(found, entry.file, 1, "a class module does not begin with VERSION 1.0 CLASS");
        return 0;
    }
    if (lines.size() < 2 || TrimWhitespace(lines[1]) != "BEGIN")
        return 1;
    for (size_t i = 2; i < lines.size(); ++i) {
        if (TrimWhitespace(lines[i]) == "END")
            return i + 1;
    }
    AddTo(found, entry.file, 2, "the class header's BEGIN has no END");
    return lines.size();
}

void CheckModuleName(const ProjectFile& entry, const std::vector<std::string_view>& lines,
                     std::vector<ProjectFinding>& found) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = TrimWhitespace(lines[i]);
        if (!IStartsWith(line, "Attribute VB_Name"))
            continue;
        const size_t open = line.find('"');
        const size_t close = line.rfind('"');
        const std::string_view value = open != std::string_view::npos && close > open
                                           ? line.substr(open + 1, close - open - 1)
                                           : std::string_view();
        if (!IEquals(value, entry.name))
            AddTo(found, entry.file, static_cast<int>(i + 1),
                  "Attribute VB_Name is \"" + std::string(value) +
                      "\", but the project names the module " + entry.name);
        return;
    }
    AddTo(found, entry.file, 0, "the module has no Attribute VB_Name line");
}

// Checks one file of the project on its own: its lines, its design section
// or module header, and its code.
void ReadFile(ProjectFile& entry, const std::string& content, std::vector<ProjectFinding>& found) {
    const std::vector<std::string_view> lines = SplitLineViews(content);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > kLongestLine)
            AddTo(found, entry.file, static_cast<int>(i + 1),
                  "the line is " + std::to_string(lines[i].size()) +
                      " bytes long; Visual Basic reads at most 1023");
    }
    CodeContext context;
    FormDesign design;
    size_t codeStart = 0;
    if (entry.isClass) {
        codeStart = CheckClassHeader(entry, lines, found);
        CheckModuleName(entry, lines, found);
        context.isClass = true;
    } else if (entry.isModule) {
        CheckModuleName(entry, lines, found);
    } else {
        std::vector<ProjectFinding> designFindings;
        design = CheckDesignSection(lines, designFindings, BlockTree::Skip);
        for (ProjectFinding& finding : designFindings)
            AddTo(found, entry.file, finding.line, std::move(finding.message));
        entry.name = design.formName;
        codeStart = design.codeStart;
        context.isForm = true;
        context.formName = design.formName;
        context.controls = &design.controls;
    }
    entry.code = CheckCode(ReadLogicalLines(lines, codeStart, lines.size()), context);
}

class ProjectChecker {
  public:
    ProjectChecker(const OutputDirectory& out, std::string_view projectFile,
                   const ApplicationFacts& facts, const CheckRun& run)
        : out_(out), projectFile_(projectFile), facts_(facts), jobs_(run.jobs), ahead_(run.ahead) {}

    std::vector<ProjectFinding> Run() {
        const std::optional<std::string> project = out_.Read(projectFile_);
        if (!project) {
            Add(projectFile_, 0, "the project file is missing");
            return std::move(findings_);
        }
        const std::vector<std::string_view> lines = SplitLineViews(*project);
        for (size_t i = 0; i < lines.size(); ++i)
            ReadProjectLine(lines[i], static_cast<int>(i + 1));
        CheckFiles();
        CheckProjectNames();
        IndexProcedures();
        for (ProjectFile& file : files_)
            ResolveNames(file);
        for (ProjectFile& file : files_)
            Attribute(file);
        Order();
        return std::move(findings_);
    }

  private:
    void Add(const std::string& file, int line, std::string message,
             FindingCause cause = FindingCause::Conversion) {
        AddTo(findings_, file, line, std::move(message), cause);
    }

    void ReadProjectLine(std::string_view line, int number) {
        std::string file;
        std::string name;
        bool isModule = false;
        bool isClass = false;
        if (IStartsWith(line, "Form=")) {
            file = std::string(TrimBlanks(line.substr(5)));
        } else if (IStartsWith(line, "Module=") || IStartsWith(line, "Class=")) {
            isClass = IStartsWith(line, "Class=");
            const size_t equals = line.find('=') + 1;
            const size_t semicolon = line.find(';');
            if (semicolon == std::string_view::npos) {
                Add(projectFile_, number,
                    std::string("a ") + (isClass ? "Class" : "Module") +
                        " line without \"Name; File\"");
                return;
            }
            name = std::string(TrimBlanks(line.substr(equals, semicolon - equals)));
            file = std::string(TrimBlanks(line.substr(semicolon + 1)));
            isModule = true;
        } else {
            return;
        }
        ProjectFile entry;
        entry.file = file;
        entry.name = name;
        entry.isModule = isModule;
        entry.isClass = isClass;
        entry.projectLine = number;
        files_.push_back(std::move(entry));
    }

    // Each file is read and checked on its own, on as many threads as the
    // conversion may use; what each finds joins the list in the project's
    // order, as one thread checking them in turn would have added it. Only
    // the reading of the directory takes turns.
    void CheckFiles() {
        if (ahead_ != nullptr)
            ahead_->Finish();
        std::vector<std::vector<ProjectFinding>> found(files_.size());
        std::vector<char> missing(files_.size(), 0);
        std::mutex reading;
        ForEachInParallel(files_.size(), jobs_, [&](size_t i) {
            std::optional<std::string> content;
            {
                const std::lock_guard<std::mutex> lock(reading);
                content = out_.Read(files_[i].file);
            }
            if (!content) {
                missing[i] = 1;
                return;
            }
            if (!TakeCheckedAhead(files_[i], *content, found[i]))
                ReadFile(files_[i], *content, found[i]);
        });
        std::vector<ProjectFile> read;
        read.reserve(files_.size());
        for (size_t i = 0; i < files_.size(); ++i) {
            if (missing[i]) {
                Add(projectFile_, files_[i].projectLine,
                    "names " + files_[i].file + ", which does not exist");
                continue;
            }
            for (ProjectFinding& finding : found[i])
                findings_.push_back(std::move(finding));
            read.push_back(std::move(files_[i]));
        }
        files_ = std::move(read);
    }

    // A form file checked while the conversion ran, whose text is still the
    // one checked; what it found is taken as ReadFile would have found it.
    bool TakeCheckedAhead(ProjectFile& entry, const std::string& content,
                          std::vector<ProjectFinding>& found) const;

    // Forms and modules: Visual Basic names, unique in the project.
    void CheckProjectNames() {
        std::map<std::string, const ProjectFile*, ILess> seen;
        for (const ProjectFile& file : files_) {
            if (file.name.empty())
                continue;
            const std::string what = file.isClass ? "class" : file.isModule ? "module" : "form";
            if (file.isModule && (!IsVbIdentifier(file.name) || file.name.size() > kLongestName))
                Add(projectFile_, file.projectLine,
                    "module name " + file.name +
                        " is not a Visual Basic name of at most 40 characters");
            if (IsVisualBasicKeyword(file.name))
                Add(projectFile_, file.projectLine,
                    what + " name " + file.name + " is a keyword of Visual Basic");
            if (IsVisualBasicGlobalName(file.name))
                Add(projectFile_, file.projectLine,
                    what + " name " + file.name +
                        " is the name of an object or library of Visual Basic");
            auto [it, added] = seen.emplace(file.name, &file);
            if (!added)
                Add(projectFile_, file.projectLine,
                    what + " name " + file.name + " is taken by " + it->second->file);
        }
    }

    void IndexProcedures() {
        // Each public name of a module, and the file that has it first.
        std::map<std::string, const ProjectFile*, ILess> owners;
        auto own = [&](const ProjectFile& file, const std::string& name, int line) {
            auto [it, added] = owners.try_emplace(name, &file);
            if (added || it->second == &file)
                return;
            // Two of the application's own modules were as ambiguous in Access.
            const bool application = facts_.codeByFile.count(file.file) > 0 &&
                                     facts_.codeByFile.count(it->second->file) > 0;
            Add(file.file, line,
                name + " is public in " + it->second->file +
                    " too: a use of it elsewhere is ambiguous",
                application ? FindingCause::Application : FindingCause::Conversion);
        };
        for (const ProjectFile& file : files_) {
            if (file.isClass) {
                // A class is a type name; its members are reached through its objects.
                forms_.insert(file.name);
            } else if (file.isModule) {
                modules_.emplace(file.name, &file);
                for (const Procedure& procedure : file.code.procedures) {
                    if (!procedure.isPublic)
                        continue;
                    publicProcedures_.try_emplace(procedure.name, Resolved{&file, &procedure});
                    own(file, procedure.name, procedure.line);
                }
                for (const std::string& name : file.code.publicVariables) {
                    publicVariables_.insert(name);
                    own(file, name, 0);
                }
            } else if (!file.name.empty()) {
                forms_.insert(file.name);
            }
            for (const std::string& name : file.code.formCases)
                formCases_.insert(name);
        }
        // A form is a public name of the project as well.
        for (const ProjectFile& file : files_) {
            if (!file.isModule && !file.name.empty() && owners.count(file.name) > 0)
                Add(projectFile_, file.projectLine,
                    "form name " + file.name + " is public in " + owners[file.name]->file +
                        " too: a use of it is ambiguous");
        }
    }

    static const Procedure* FindIn(const ProjectFile& file, std::string_view name,
                                   bool publicOnly) {
        for (const Procedure& procedure : file.code.procedures) {
            if (IEquals(procedure.name, name) && (!publicOnly || procedure.isPublic))
                return &procedure;
        }
        return nullptr;
    }

    void ResolveNames(const ProjectFile& file) {
        std::map<std::string, const Procedure*, ILess> own;
        for (const Procedure& procedure : file.code.procedures)
            own.try_emplace(procedure.name, &procedure);
        std::set<std::string, ILess> reported;
        for (const CallSite& call : file.code.calls) {
            if (!call.qualifier.empty()) {
                auto module = modules_.find(call.qualifier);
                if (module == modules_.end())
                    continue;  // a method of an object
                const Procedure* procedure =
                    FindIn(*module->second, call.name, module->second != &file);
                if (procedure == nullptr)
                    AddCode(file, call,
                            "calls " + call.qualifier + "." + call.name + ", which module " +
                                call.qualifier + " does not define as Public");
                else
                    CheckArguments(file, call, *procedure);
                continue;
            }
            const Procedure* procedure = nullptr;
            if (auto it = own.find(call.name); it != own.end())
                procedure = it->second;
            else if (auto pub = publicProcedures_.find(call.name); pub != publicProcedures_.end())
                procedure = pub->second.procedure;
            if (procedure != nullptr)
                CheckArguments(file, call, *procedure);
            else if (call.asStatement && reported.insert(call.name).second)
                Unresolved(file, call);
        }
        for (const NameUse& use : file.code.formUses) {
            if (forms_.count(use.name) == 0 && publicVariables_.count(use.name) == 0 &&
                modules_.count(use.name) == 0)
                Add(file.file, use.line,
                    use.how + " " + use.name + ": " + use.name + " is not a form of the project");
        }
        for (const NameUse& use : file.code.formLiterals) {
            if (formCases_.count(use.name) > 0)
                continue;
            const std::string text = "GetFormFromName(\"" + use.name + "\"): ";
            auto form = facts_.forms.find(use.name);
            if (facts_.known && form == facts_.forms.end())
                Add(file.file, use.line, text + "the application never had a form " + use.name,
                    FindingCause::Application);
            else if (facts_.known && !form->second)
                Add(file.file, use.line, text + "form " + use.name + " was not converted",
                    FindingCause::Application);
            else
                Add(file.file, use.line,
                    text + "the project's GetFormFromName has no Case for this form");
        }
    }

    void AddCode(const ProjectFile& file, const CallSite& call, std::string message) {
        Add(file.file, call.line, std::move(message));
    }

    // A call that resolves to no procedure: the application's when it never had one.
    void Unresolved(const ProjectFile& file, const CallSite& call) {
        const std::string calls = "calls " + call.name;
        if (!facts_.known) {
            Add(file.file, call.line, calls + ", which the project does not define");
            return;
        }
        auto it = facts_.procedures.find(call.name);
        if (it == facts_.procedures.end()) {
            Add(file.file, call.line, calls + ", which the application never had",
                FindingCause::Application);
            return;
        }
        // A module's or macro's procedure is in reach of every object; a form's
        // or report's only of its own code.
        auto own = facts_.objectByFile.find(file.file);
        const ApplicationFacts::Definition* reachable = nullptr;
        for (const ApplicationFacts::Definition& definition : it->second) {
            const bool global = IStartsWith(definition.object, "module ") ||
                                IStartsWith(definition.object, "macro ");
            const bool local = own != facts_.objectByFile.end() && own->second == definition.object;
            if ((global || local) && (reachable == nullptr || definition.converted))
                reachable = &definition;
        }
        if (reachable == nullptr)
            Add(file.file, call.line,
                calls + ", which the application defines only in " + it->second.front().object +
                    ", out of this code's reach",
                FindingCause::Application);
        else if (!reachable->converted)
            Add(file.file, call.line,
                calls + ", defined in " + reachable->object + ", which was not converted",
                FindingCause::Application);
        else
            Add(file.file, call.line,
                calls + ", which the project does not define (the application defines it in " +
                    reachable->object + ")");
    }

    void CheckArguments(const ProjectFile& file, const CallSite& call, const Procedure& procedure) {
        if (procedure.kind != ProcedureKind::Sub && procedure.kind != ProcedureKind::Function)
            return;
        const std::vector<Parameter>& parameters = procedure.parameters;
        const bool takesAny = !parameters.empty() && parameters.back().paramArray;
        const size_t most = parameters.size() - (takesAny ? 1 : 0);
        const size_t given = static_cast<size_t>(call.positional);
        if (given > most && !takesAny) {
            Add(file.file, call.line,
                "calls " + procedure.name + " with " + std::to_string(given) +
                    " argument(s); it takes at most " + std::to_string(most));
            return;
        }
        for (const std::string& name : call.named) {
            const bool known =
                std::any_of(parameters.begin(), parameters.end(),
                            [&](const Parameter& p) { return IEquals(p.name, name); });
            if (!known) {
                Add(file.file, call.line,
                    "calls " + procedure.name + " with " + name +
                        ":=, which is not a parameter of " + procedure.name);
                return;
            }
        }
        for (size_t i = given; i < most; ++i) {
            const Parameter& parameter = parameters[i];
            const bool named =
                std::any_of(call.named.begin(), call.named.end(),
                            [&](const std::string& n) { return IEquals(n, parameter.name); });
            if (!parameter.optional && !named) {
                Add(file.file, call.line,
                    "calls " + procedure.name + " without its argument " + parameter.name);
                return;
            }
        }
    }

    // Code faults of a file whose lines, in a procedure already faulty in the
    // application's own code, stand there unchanged, are the application's.
    void Attribute(const ProjectFile& file) {
        for (const CodeFinding& finding : file.code.findings)
            Add(file.file, finding.line, finding.message, CauseOf(file, finding));
    }

    FindingCause CauseOf(const ProjectFile& file, const CodeFinding& finding) {
        auto code = facts_.codeByFile.find(file.file);
        if (code == facts_.codeByFile.end())
            return FindingCause::Conversion;
        auto [it, added] = originals_.try_emplace(file.file);
        if (added)
            it->second = FaultyLinesOf(code->second);
        return it->second.count(AnsiLowerCase(finding.procedure) + '\n' + finding.key) > 0
                   ? FindingCause::Application
                   : FindingCause::Conversion;
    }

    // "procedure\nline key" of every line of each procedure that is faulty in `code`.
    static std::set<std::string> FaultyLinesOf(const std::vector<std::string_view>& code) {
        const std::vector<LogicalLine> lines = ReadLogicalLines(code, 0, code.size());
        const CodeFacts facts = CheckCode(lines, CodeContext());
        std::set<std::string> faulty;
        for (const CodeFinding& finding : facts.findings)
            faulty.insert(AnsiLowerCase(finding.procedure));
        std::set<std::string> keys;
        if (faulty.empty())
            return keys;
        size_t next = 0;
        std::string procedure;
        for (const LogicalLine& line : lines) {
            while (next < facts.procedures.size() && facts.procedures[next].line <= line.line) {
                if (!facts.procedures[next].isDeclare)
                    procedure = AnsiLowerCase(facts.procedures[next].name);
                ++next;
            }
            if (faulty.count(procedure) > 0)
                keys.insert(procedure + '\n' + LineKey(line.code));
        }
        return keys;
    }

    void Order() {
        std::map<std::string, size_t, ILess> rank;
        for (size_t i = 0; i < files_.size(); ++i)
            rank.try_emplace(files_[i].file, i + 1);
        auto rankOf = [&](const ProjectFinding& finding) {
            auto it = rank.find(finding.file);
            return it == rank.end() ? size_t{0} : it->second;
        };
        std::stable_sort(findings_.begin(), findings_.end(),
                         [&](const ProjectFinding& a, const ProjectFinding& b) {
                             const size_t ra = rankOf(a);
                             const size_t rb = rankOf(b);
                             return ra != rb ? ra < rb : a.line < b.line;
                         });
    }

    const OutputDirectory& out_;
    std::string projectFile_;
    const ApplicationFacts& facts_;
    int jobs_;
    CheckAhead* ahead_;
    std::vector<ProjectFile> files_;
    std::vector<ProjectFinding> findings_;
    std::map<std::string, const ProjectFile*, ILess> modules_;
    std::map<std::string, Resolved, ILess> publicProcedures_;
    std::set<std::string, ILess> publicVariables_;
    std::set<std::string, ILess> forms_;
    std::set<std::string> formCases_;
    std::map<std::string, std::set<std::string>, ILess> originals_;
};

// A form file checked ahead: what ReadFile made of it, and its text's size
// and hash, to know it again.
struct CheckedAhead {
    ProjectFile entry;
    std::vector<ProjectFinding> found;
    size_t size = 0;
    size_t hash = 0;
};

}  // namespace

struct CheckAhead::State {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::pair<std::string, std::string>> queue;  // file name, text
    bool closing = false;
    std::map<std::string, CheckedAhead> done;
    std::thread worker;

    void Work() {
        std::unique_lock<std::mutex> lock(mutex);
        while (true) {
            wake.wait(lock, [this] { return closing || !queue.empty(); });
            if (queue.empty())
                return;
            auto [file, content] = std::move(queue.front());
            queue.pop_front();
            lock.unlock();
            CheckedAhead checked;
            bool ok = true;
            try {
                checked.entry.file = file;
                ReadFile(checked.entry, content, checked.found);
                checked.size = content.size();
                checked.hash = std::hash<std::string_view>{}(content);
            } catch (const std::exception&) {
                ok = false;  // the check at the end reads the file itself
            }
            lock.lock();
            if (ok)
                done.insert_or_assign(std::move(file), std::move(checked));
        }
    }
};

CheckAhead::CheckAhead(int jobs) {
    if (jobs <= 1)
        return;
    state_ = std::make_unique<State>();
    try {
        state_->worker = std::thread([state = state_.get()] { state->Work(); });
    } catch (const std::system_error&) {
        state_.reset();  // no thread to be had: the check at the end reads every file
    }
}

CheckAhead::~CheckAhead() {
    Finish();
}

void CheckAhead::SubmitForm(std::string file, std::string content) {
    if (!state_)
        return;
    {
        const std::lock_guard<std::mutex> lock(state_->mutex);
        if (state_->closing)
            return;
        state_->queue.emplace_back(std::move(file), std::move(content));
    }
    state_->wake.notify_one();
}

void CheckAhead::Finish() {
    if (!state_ || !state_->worker.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(state_->mutex);
        state_->closing = true;
    }
    state_->wake.notify_one();
    state_->worker.join();
}

namespace {

bool ProjectChecker::TakeCheckedAhead(ProjectFile& entry, const std::string& content,
                                      std::vector<ProjectFinding>& found) const {
    const CheckAhead::State* state = ahead_ != nullptr ? ahead_->Checked() : nullptr;
    if (state == nullptr || entry.isModule)
        return false;
    const auto checked = state->done.find(entry.file);
    if (checked == state->done.end() || checked->second.size != content.size() ||
        checked->second.hash != std::hash<std::string_view>{}(content))
        return false;
    entry.name = checked->second.entry.name;
    entry.code = checked->second.entry.code;
    found = checked->second.found;
    return true;
}

}  // namespace

std::string ProjectFinding::Text() const {
    std::string text = file;
    if (line > 0)
        text += ":" + std::to_string(line);
    text += ": " + message;
    if (cause == FindingCause::Application)
        text += " [the application's own fault, not the conversion's]";
    return text;
}

std::vector<std::string> PublicNamesOfModule(const std::vector<std::string_view>& code) {
    CodeContext context;
    context.namesOnly = true;
    const CodeFacts facts = CheckCode(ReadLogicalLines(code, 0, code.size()), context);
    std::vector<std::string> names = facts.publicVariables;
    for (const Procedure& procedure : facts.procedures) {
        if (procedure.isPublic)
            names.push_back(procedure.name);
    }
    return names;
}

std::vector<ProjectFinding> CheckProject(const OutputDirectory& out, std::string_view projectFile,
                                         const ApplicationFacts& facts, const CheckRun& run) {
    return ProjectChecker(out, projectFile, facts, run).Run();
}

}  // namespace velorin
