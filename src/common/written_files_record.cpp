// The record of the files Velorin wrote in an output directory: what the last
// conversion left, which files are the user's and stay as they are, and the
// deletion of the last conversion's files.
#include "common/output_directory.h"

#include <fcntl.h>
#include <unistd.h>

#include <system_error>

#include "common/string_helpers.h"

namespace velorin {
namespace fs = std::filesystem;

void OutputDirectory::TrackWrittenFiles() {
    tracking_ = true;
    recordForeign_ = false;
    recordCurrent_ = false;
    previous_.clear();
    owned_.clear();
    const fs::path path = PathOf(kRecordName);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (!fs::exists(status))
        return;
    std::optional<std::string> text =
        fs::is_regular_file(status) ? ReadWholeFile(path) : std::nullopt;
    const std::string heading = std::string(kRecordHeading) + "\n";
    if (!text || !text->starts_with(heading)) {
        recordForeign_ = true;
        return;
    }
    for (const std::string& name : SplitLines(std::string_view(*text).substr(heading.size()))) {
        if (IsPlainFileName(name) && name != kRecordName && !name.ends_with(kTemporarySuffix))
            previous_.emplace(name);
    }
    owned_ = previous_;
}

std::vector<std::string> OutputDirectory::PreviousFiles() const {
    std::vector<std::string> names;
    for (const std::string& name : previous_) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(PathOf(name), ec);
        if (fs::exists(status) && !fs::is_directory(status))
            names.push_back(name);
    }
    return names;
}

bool OutputDirectory::IsForeign(std::string_view name) const {
    if (name == kRecordName)
        return recordForeign_;
    std::error_code ec;
    const fs::path path = PathOf(name);
    // A folder is never replaced: writing there fails and says so.
    const fs::file_status status = fs::symlink_status(path, ec);
    return !path.empty() && owned_.count(name) == 0 && fs::exists(status) &&
           !fs::is_directory(status);
}

void OutputDirectory::AllowReplacing(std::string_view name) {
    allowed_.emplace(name);
}

bool OutputDirectory::Claim(std::string_view name) {
    if (!tracking_ || owned_.count(name) > 0)
        return true;
    if (IsForeign(name) && allowed_.count(name) == 0) {
        ReportFailure(name, "the file is not one Velorin wrote, and it was left as it is");
        return false;
    }
    // The record holds one name a line.
    if (name.find_first_of("\r\n") != std::string_view::npos) {
        ReportFailure(name, "not a name the record of written files can hold");
        return false;
    }
    owned_.emplace(name);
    // A new name goes at the end of the record: writing it whole for each
    // file made the writing of a project's files grow with their square.
    if (recordCurrent_ && AppendToRecord(name))
        return true;
    if (!WriteRecord()) {
        owned_.erase(std::string(name));
        return false;
    }
    return true;
}

bool OutputDirectory::WriteRecord() {
    if (recordForeign_ && allowed_.count(kRecordName) == 0) {
        ReportFailure(kRecordName, "the file is not one Velorin wrote, and it was left as it is");
        return false;
    }
    recordCurrent_ = false;
    if (owned_.empty()) {
        // Nothing of ours is left to list.
        if (!recordForeign_)
            RemoveFromDisk(kRecordName);
        return true;
    }
    std::string text = std::string(kRecordHeading) + "\n";
    for (const std::string& name : owned_)
        text += name + "\n";
    if (!WriteInPlace(kRecordName, text))
        return false;
    recordForeign_ = false;
    recordCurrent_ = true;
    return true;
}

bool OutputDirectory::AppendToRecord(std::string_view name) {
    // A simulated disk charges whole writes: the record is written whole there.
    if (CurrentDiskFault() != nullptr)
        return false;
    const int file =
        ::open(PathOf(kRecordName).c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0)
        return false;
    // One write: a killed run leaves the line whole or not at all.
    const std::string line = std::string(name) + "\n";
    const bool whole = ::write(file, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    const bool closed = ::close(file) == 0;
    return whole && closed;
}

void OutputDirectory::Forget(std::string_view name) {
    previous_.erase(std::string(name));
    if (owned_.erase(std::string(name)) > 0)
        WriteRecord();
}

void OutputDirectory::RemovePreviousFiles() {
    if (SimulatedReadOnly() || !tracking_)
        return;
    bool changed = false;
    for (auto it = previous_.begin(); it != previous_.end();) {
        RemoveFromDisk(*it + std::string(kTemporarySuffix));
        if (RemoveFromDisk(*it)) {
            owned_.erase(*it);
            it = previous_.erase(it);
            changed = true;
        } else {
            ++it;
        }
    }
    // A record a killed run was writing, when it is ours.
    const std::string recordWork = std::string(kRecordName) + std::string(kTemporarySuffix);
    // Killed as it was opened, it is empty or holds the first bytes only.
    const std::string heading = std::string(kRecordHeading) + "\n";
    std::optional<std::string> work = Read(recordWork);
    if (work &&
        (work->size() < heading.size() ? heading.starts_with(*work) : work->starts_with(heading)))
        RemoveFromDisk(recordWork);
    if (changed)
        WriteRecord();
}

}  // namespace velorin
