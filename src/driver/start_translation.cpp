#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/ansi_text.h"
#include "common/names.h"
#include "common/string_helpers.h"
#include "driver/conversion_driver.h"
#include "output/generated_members.h"
#include "session/string_table.h"

namespace velorin {
namespace fs = std::filesystem;
namespace {

Answer Ask(Session& session, int textId, bool secondDefault) {
    Message message;
    message.text = std::string(LoadText(textId));
    message.buttons = Buttons::YesNo;
    message.icon = Icon::Question;
    message.secondButtonDefault = secondDefault;
    return session.ui.Show(message);
}

void Inform(Session& session, int textId) {
    Message message;
    message.text = std::string(LoadText(textId));
    message.icon = Icon::Information;
    session.ui.Show(message);
}

// The first template missing from the template directory, as a message.
std::string MissingTemplate(const TranslationRequest& request, const ConversionSteps& steps) {
    if (!steps.templates)
        return {};
    for (const std::string& file : steps.templates(request.options)) {
        const fs::path path = request.templateDirectory / file;
        std::error_code ec;
        if (request.templateDirectory.empty() || !fs::is_regular_file(path, ec) ||
            !ReadWholeFile(path)) {
            return "the template " + file + " is missing from " +
                   (request.templateDirectory.empty() ? std::string("the program's directory")
                                                      : PathToAnsi(request.templateDirectory)) +
                   "; the project cannot be made without it, and nothing was converted";
        }
    }
    return {};
}

// Names, one a line; past `most`, how many more there are.
std::string NameList(const std::vector<std::string>& names, size_t most) {
    std::string text;
    for (size_t i = 0; i < names.size() && i < most; ++i)
        text += "\n    " + names[i];
    if (names.size() > most) {
        text += "\n    ... and " + std::to_string(names.size() - most) + " more, listed in " +
                std::string(kRecordName);
    }
    return text;
}

bool IsVisualBasicFile(const std::string& name) {
    return IEndsWith(name, ".frm") || IEndsWith(name, ".bas") || IEndsWith(name, ".vbp");
}

// Asks before the output directory's files are touched: the last conversion's
// Visual Basic files, which are deleted, and files Velorin did not write that
// the conversion would replace, each named. True when the user agreed.
bool AgreeToChanges(Session& session, OutputDirectory& out) {
    const std::vector<std::string> previous = out.PreviousFiles();
    if (std::any_of(previous.begin(), previous.end(), IsVisualBasicFile)) {
        Message question;
        question.text = std::string(LoadText(text_id::kExistingFiles)) +
                        "\n\nThe last conversion's files, deleted:" + NameList(previous, 20);
        question.buttons = Buttons::YesNo;
        question.icon = Icon::Question;
        question.secondButtonDefault = true;
        if (session.ui.Show(question) != Answer::Yes)
            return false;
    }
    std::vector<std::string> foreign;
    for (const std::string& name : FilesTheConversionMayWrite(session)) {
        if (out.IsForeign(name))
            foreign.push_back(name);
    }
    if (out.IsForeign(kRecordName))
        foreign.emplace_back(kRecordName);
    if (!foreign.empty()) {
        Message question;
        question.text =
            "These files in the output directory were not written by Velorin, and the "
            "conversion would replace them:" +
            NameList(foreign, foreign.size()) + "\n\nReplace them?";
        question.buttons = Buttons::YesNo;
        question.icon = Icon::Question;
        question.secondButtonDefault = true;
        if (session.ui.Show(question) != Answer::Yes)
            return false;
        for (const std::string& name : foreign)
            out.AllowReplacing(name);
    }
    return true;
}

// True when `dir` is `root` or lies inside it.
bool IsWithin(const fs::path& dir, const fs::path& root) {
    std::error_code ec;
    for (fs::path p = fs::weakly_canonical(dir, ec); !p.empty(); p = p.parent_path()) {
        if (fs::equivalent(p, root, ec))
            return true;
        if (p == p.root_path())
            break;
    }
    return false;
}

bool IsProtected(const fs::path& dir, const TranslationRequest& request) {
    std::error_code ec;
    for (const fs::path& tree : request.protectedTrees) {
        if (IsWithin(dir, tree))
            return true;
    }
    for (const fs::path& folder : request.protectedFolders) {
        if (fs::equivalent(dir, folder, ec))
            return true;
    }
    return false;
}

// Code that cannot have been compiled: the user may stop and compile the
// application first. Asked before any file is changed.
bool StopsForUncompiledCode(Session& session) {
    const auto unclosed = session.sourceDb->FirstUnclosedProcedure();
    if (!unclosed)
        return false;
    Message question;
    question.text = std::string(LoadText(text_id::kNotCompiled));
    question.buttons = Buttons::YesNoHelp;
    question.icon = Icon::Question;
    question.helpContext = text_id::kNotCompiled;  // the help page on compiling first
    const std::string where = (unclosed->isForm ? "form " : "module ") + unclosed->object +
                              ", line " + std::to_string(unclosed->line) +
                              " of its code: " + std::string(TrimBlanks(unclosed->text));
    return session.ui.StopForUncompiledCode(question, where);
}

// The file name less its extension (".mdb"): the project's name.
std::string BaseNameOf(const std::string& fileName) {
    size_t dot = fileName.rfind('.');
    return dot != std::string::npos && dot > 0 ? fileName.substr(0, dot) : fileName;
}

}  // namespace

void BuildControlFiles(Session& session) {
    const ConversionOptions& o = session.Settings().options;
    session.project.controlFiles.assign(1, std::string());
    session.project.controlObjectIds.assign(1, std::string());
    auto add = [&](const char* file, const char* id) {
        session.project.controlFiles.emplace_back(file);
        session.project.controlObjectIds.emplace_back(id);
    };
    switch (o.listBoxType) {
        case 1:
            add("GTLIST32.OCX", "{98460712-9149-11CF-BADB-00201802BB87}#1.1#0");
            break;
        case 2:
            add("SSDATB32.OCX", "{BC496AED-9B4E-11CE-A6D5-0000C0BE9395}#2.0#0");
            break;
        default:
            add("SSDW3B32.OCX", "{8D650141-6025-11D1-BC40-0000C042AEC0}#3.0#0");
            break;
    }
    if (o.useOptionSet) {
        if (o.listBoxType == 3)
            add("ssdw3a32.ocx", "{8D650146-6025-11D1-BC40-0000C042AEC0}#3.0#0");
        else
            add("SSDATA32.OCX", "{D981334D-B212-11CE-AE8C-0000C0B99395}#2.0#0");
    }
    if (o.useCalendar)
        add("SSCALA32.OCX", "{E8671A8B-E5DD-11CD-836C-0000C0C14E92}#1.0#0");
}

ConversionResult StartTranslation(Session& session, const TranslationRequest& request,
                                  const ConversionSteps& steps) {
    if (request.outputPathText.empty()) {
        Inform(session, text_id::kOutputPathMissing);
        return {Outcome::Invalid, {}};
    }
    std::error_code ec;
    const fs::path dir = fs::absolute(fs::path(request.outputPathText), ec).lexically_normal();
    std::string outputPath = PathToAnsi(dir);
    if (outputPath.empty() || outputPath.back() != '/')
        outputPath += '/';

    if (IsProtected(dir, request)) {
        return {Outcome::Failed,
                "the output directory " + request.outputPathText +
                    " holds the application's own files; choose another directory"};
    }
    if (fs::exists(dir, ec) && !fs::is_directory(dir, ec)) {
        return {Outcome::Failed, request.outputPathText + " is a file, not a directory"};
    }
    // Everything the conversion reads beside the program is there before
    // anything is created or changed.
    if (std::string missing = MissingTemplate(request, steps); !missing.empty())
        return {Outcome::Failed, missing};
    if (StopsForUncompiledCode(session))
        return {Outcome::Stopped, {}};
    if (!fs::exists(dir, ec)) {
        if (Ask(session, text_id::kCreateDirectory, false) != Answer::Yes)
            return {Outcome::Stopped, {}};
        if (!fs::create_directories(dir, ec) && ec) {
            return {Outcome::Failed,
                    "cannot create " + request.outputPathText + ": " + ec.message()};
        }
    }
    std::string why;
    if (!CanCreateFiles(dir, why)) {
        return {Outcome::Failed, why};
    }
    if (request.forms.empty() && request.modules.empty()) {
        Inform(session, text_id::kNothingToConvert);
        return {Outcome::Stopped, std::string(LoadText(text_id::kNothingToConvert))};
    }

    ConversionSettings settings;
    for (const std::string& module : request.modules)
        settings.selectedModules.push_back(module);
    settings.options = request.options;
    settings.templateDirectory = request.templateDirectory;
    settings.releaseControlsAfterForms = request.releaseControlsAfterForms;
    settings.outputPath = outputPath;
    settings.sourceDatabasePath = request.databasePath;
    settings.sourceDatabaseFileExists = request.databaseFileExists;
    settings.projectBaseName = BaseNameOf(PathToAnsi(request.databasePath.filename()));
    settings.projectFileName = settings.projectBaseName + ".vbp";
    settings.exeFileName = settings.projectBaseName + ".exe";
    settings.securityUser = request.options.user;
    settings.securityPassword = request.options.password;
    session.CaptureSettings(std::move(settings));

    // Names and parts of an earlier conversion in this session are gone.
    session.names = ProjectNames();
    // Visual Basic's own objects and libraries: a form or module named like
    // one gets a suffix, as a second form of one name would.
    for (std::string_view global : VisualBasicGlobalNames())
        session.names.projectNames.Claim(global);
    ClaimProjectMembers(session.names.projectNames);
    session.project = ProjectParts();
    for (const std::string& form : request.forms)
        session.project.convertedFormNames.push_back(form);
    BuildControlFiles(session);

    OutputDirectory out(dir);
    out.TrackWrittenFiles();
    if (!AgreeToChanges(session, out))
        return {Outcome::Stopped, {}};
    session.out = std::move(out);
    return ConvertProject(session, steps);
}

void DescribeSource(const DatabaseSource& source, TranslationRequest& request) {
    request.databasePath = source.databasePath;
    request.databaseFileExists = source.databaseFileExists;
    if (!source.exportRoot.empty())
        request.protectedTrees.push_back(source.exportRoot);
    if (source.databaseFileExists)
        request.protectedFolders.push_back(source.databasePath.parent_path());
}

}  // namespace velorin
