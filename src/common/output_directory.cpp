#include "common/output_directory.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>
#include <utility>

#include "common/ansi_text.h"
#include "common/string_helpers.h"

namespace velorin {
namespace fs = std::filesystem;
namespace {

std::optional<SimulatedDiskFault> simulatedFault;

bool SimulatedReadOnly() {
    return simulatedFault && simulatedFault->readOnly;
}

}  // namespace

void SimulateDiskFault(std::optional<SimulatedDiskFault> fault) {
    simulatedFault = fault;
}

OutputFile::OutputFile(OutputDirectory* owner, std::string name, bool append)
    : name_(std::move(name)) {
    if (!IsPlainFileName(name_)) {
        owner->ReportFailure(name_, "not a plain file name");
        return;
    }
    if (SimulatedReadOnly()) {
        owner->ReportFailure(name_, std::strerror(EROFS));
        return;
    }
    owner->HoldForWriting(name_, append);
    owner_ = owner;
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr)), name_(std::move(other.name_)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        owner_ = std::exchange(other.owner_, nullptr);
        name_ = std::move(other.name_);
    }
    return *this;
}

void OutputFile::WriteLine(std::string_view text) {
    if (HeldText* held = owner_ ? owner_->HeldBytes(name_) : nullptr) {
        held->content.append(text);
        held->content.append("\r\n");
    }
}

void OutputFile::WriteRaw(std::string_view bytes) {
    if (HeldText* held = owner_ ? owner_->HeldBytes(name_) : nullptr)
        held->content.append(bytes);
}

OutputDirectory::OutputDirectory(fs::path dir) : dir_(std::move(dir)) {}

OutputDirectory::~OutputDirectory() {
    WriteHeld();
}

OutputDirectory& OutputDirectory::operator=(OutputDirectory&& other) {
    if (this != &other) {
        WriteHeld();
        dir_ = std::move(other.dir_);
        held_ = std::move(other.held_);
        tracking_ = other.tracking_;
        recordForeign_ = other.recordForeign_;
        previous_ = std::move(other.previous_);
        owned_ = std::move(other.owned_);
        allowed_ = std::move(other.allowed_);
        failed_ = other.failed_;
        firstError_ = std::move(other.firstError_);
    }
    return *this;
}

HeldText& OutputDirectory::HoldForWriting(std::string_view name, bool append) {
    auto it = held_.find(name);
    if (it == held_.end()) {
        // Only a file Velorin wrote is added to; any other is replaced.
        const bool ours = !tracking_ || owned_.count(name) > 0;
        std::optional<std::string> existing = append && ours ? Read(name) : std::nullopt;
        it = held_.emplace(std::string(name), HeldText{}).first;
        if (existing)
            it->second.content = std::move(*existing);
    } else if (!append) {
        it->second = HeldText{};
    }
    it->second.dirty = true;
    return it->second;
}

HeldText* OutputDirectory::HeldBytes(std::string_view name) {
    auto it = held_.find(name);
    if (it == held_.end())
        return nullptr;
    it->second.dirty = true;
    return &it->second;
}

void OutputDirectory::Release(std::string_view name) {
    auto it = held_.find(name);
    if (it == held_.end())
        return;
    HeldText text = std::move(it->second);
    held_.erase(it);
    if (text.dirty)
        WriteToDisk(name, text.content);
}

bool OutputDirectory::WriteHeld() {
    while (!held_.empty())
        Release(std::string(held_.begin()->first));
    return !failed_;
}

bool OutputDirectory::WriteToDisk(std::string_view name, std::string_view content) {
    if (PathOf(name).empty()) {
        ReportFailure(name, "not a plain file name");
        return false;
    }
    return Claim(name) && WriteInPlace(name, content);
}

bool OutputDirectory::WriteInPlace(std::string_view name, std::string_view content) {
    if (SimulatedReadOnly()) {
        ReportFailure(name, std::strerror(EROFS));
        return false;
    }
    const fs::path path = PathOf(name);
    const fs::path temporary = PathOf(std::string(name) + std::string(kTemporarySuffix));
    // Opened only when it does not exist: a file of that name is not ours to
    // overwrite. A link in its place is not followed either.
    std::FILE* stream = std::fopen(temporary.c_str(), "wbx");
    if (stream == nullptr) {
        ReportFailure(name, errno == EEXIST ? PathToAnsi(temporary.filename()) +
                                                  " is in the way and was left as it is"
                                            : std::string(std::strerror(errno)));
        return false;
    }
    size_t length = content.size();
    int error = 0;
    if (simulatedFault) {
        const auto wanted = static_cast<long long>(content.size());
        if (wanted > simulatedFault->capacity) {
            // As a full disk leaves it: what fitted, then the failure.
            length = static_cast<size_t>(simulatedFault->capacity);
            simulatedFault->capacity = 0;
            error = ENOSPC;
        } else {
            simulatedFault->capacity -= wanted;
        }
    }
    errno = 0;
    if (std::fwrite(content.data(), 1, length, stream) != length && error == 0)
        error = errno != 0 ? errno : EIO;
    // The system's reason (no space left, an I/O error) shows when the data
    // leaves the buffer at the latest.
    if (std::fflush(stream) != 0 && error == 0)
        error = errno;
    if (std::fclose(stream) != 0 && error == 0)
        error = errno;
    std::error_code ec;
    if (error == 0)
        fs::rename(temporary, path, ec);
    if (error != 0 || ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        ReportFailure(name, error != 0 ? std::string(std::strerror(error)) : ec.message());
        return false;
    }
    return true;
}

void OutputDirectory::TrackWrittenFiles() {
    tracking_ = true;
    recordForeign_ = false;
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
    return true;
}

bool OutputDirectory::RemoveFromDisk(std::string_view name) {
    const fs::path path = PathOf(name);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (path.empty() || fs::is_directory(status))
        return false;
    if (!fs::exists(status))
        return true;
    // A link goes itself; what it points to is not touched.
    return fs::remove(path, ec) && !ec;
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

bool CanCreateFiles(const fs::path& dir, std::string& why) {
    int error = SimulatedReadOnly() ? EROFS : 0;
    if (error == 0) {
        // A file without a name: nothing is left behind, whenever the
        // program stops, and no file of the directory is in its way.
        const int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
        } else if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) {
            // A file system without unnamed files: writability as the
            // directory's permissions tell it.
            if (::access(dir.c_str(), W_OK | X_OK) != 0)
                error = errno;
        } else {
            error = errno;
        }
    }
    if (error != 0)
        why = "cannot write " + PathToAnsi(dir) + ": " + std::strerror(error);
    return error == 0;
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

fs::path OutputDirectory::PathOf(std::string_view name) const {
    if (!IsPlainFileName(name))
        return {};
    return dir_ / AnsiToPath(name);
}

bool OutputDirectory::Exists(std::string_view name) const {
    if (held_.find(name) != held_.end())
        return true;
    fs::path path = PathOf(name);
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::symlink_status(path, ec));
}

std::optional<uintmax_t> OutputDirectory::SizeOf(std::string_view name) const {
    if (auto it = held_.find(name); it != held_.end())
        return it->second.content.size();
    if (!Exists(name))
        return std::nullopt;
    std::error_code ec;
    const uintmax_t size = fs::file_size(PathOf(name), ec);
    return ec ? std::nullopt : std::optional<uintmax_t>(size);
}

std::optional<std::string> OutputDirectory::Read(std::string_view name) const {
    if (auto it = held_.find(name); it != held_.end())
        return it->second.content;
    // Only the directory's own files: a link is not read through.
    if (!Exists(name))
        return std::nullopt;
    return ReadWholeFile(PathOf(name));
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return std::nullopt;
    // Read in one go when the size is known; a pipe or device is read to its end.
    const std::streamoff size = in.tellg();
    std::string content;
    if (size > 0) {
        content.resize(static_cast<size_t>(size));
        in.seekg(0);
        in.read(content.data(), size);
        content.resize(static_cast<size_t>(in.gcount()));
        if (in.bad())
            return std::nullopt;
        in.clear();
    } else {
        in.clear();
        in.seekg(0);
    }
    content.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

bool OutputDirectory::Write(std::string_view name, std::string_view content) {
    OutputFile file = Create(name);
    if (!file.IsOpen())
        return false;
    file.WriteRaw(content);
    return !failed_;
}

bool OutputDirectory::Append(std::string_view name, std::string_view content) {
    OutputFile file = OpenAppend(name);
    if (!file.IsOpen())
        return false;
    file.WriteRaw(content);
    return !failed_;
}

bool OutputDirectory::Remove(std::string_view name) {
    if (SimulatedReadOnly())
        return false;
    const bool held = held_.erase(std::string(name)) > 0;
    // Only what Velorin wrote is deleted.
    if (tracking_ && owned_.count(name) == 0)
        return held;
    std::error_code ec;
    const bool onDisk = fs::exists(fs::symlink_status(PathOf(name), ec));
    const bool removed = onDisk && RemoveFromDisk(name);
    if (!onDisk || removed)
        Forget(name);
    return held || removed;
}

bool OutputDirectory::Rename(std::string_view from, std::string_view to) {
    fs::path source = PathOf(from);
    fs::path target = PathOf(to);
    if (source.empty() || target.empty())
        return false;
    if (from == to)
        return Exists(from);
    if (auto it = held_.find(from); it != held_.end() && !SimulatedReadOnly()) {
        // Renamed in memory; what stands under the old name on disk goes.
        HeldText text = std::move(it->second);
        held_.erase(it);
        Remove(from);
        text.dirty = true;
        held_.insert_or_assign(std::string(to), std::move(text));
        return true;
    }
    Release(from);
    Release(to);
    // A file Velorin did not write stays where it is, under its own name.
    if (tracking_ && owned_.count(from) == 0)
        return false;
    if (!Claim(to))
        return false;
    std::error_code ec;
    if (SimulatedReadOnly())
        ec = std::make_error_code(std::errc::read_only_file_system);
    else
        fs::rename(source, target, ec);
    if (ec) {
        ReportFailure(to, ec.message());
        return false;
    }
    Forget(from);
    return true;
}

bool OutputDirectory::CopyFrom(const fs::path& source, std::string_view name) {
    fs::path target = PathOf(name);
    if (target.empty())
        return false;
    Release(name);
    std::error_code ec;
    if (fs::exists(target, ec) && fs::equivalent(source, target, ec))
        return true;
    if (!Claim(name))
        return false;
    if (simulatedFault) {
        const auto size = static_cast<long long>(fs::file_size(source, ec));
        if (simulatedFault->readOnly || ec || size > simulatedFault->capacity) {
            ReportFailure(name, std::strerror(simulatedFault->readOnly ? EROFS : ENOSPC));
            return false;
        }
        simulatedFault->capacity -= size;
    }
    // Copied under a temporary name and renamed into place: a copy cut short
    // by a full disk never stands as the working copy. The old file is
    // replaced, not written through: it may be read-only or a link.
    const fs::path temporary = PathOf(std::string(name) + std::string(kTemporarySuffix));
    if (fs::exists(fs::symlink_status(temporary, ec))) {
        ReportFailure(name,
                      PathToAnsi(temporary.filename()) + " is in the way and was left as it is");
        return false;
    }
    fs::copy_file(source, temporary, ec);
    if (!ec) {
        // The working copy is ours to change, whatever the source's mode.
        fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, ec);
        fs::rename(temporary, target, ec);
    }
    if (ec) {
        std::error_code ignored;
        if (fs::is_regular_file(fs::symlink_status(temporary, ignored)))
            fs::remove(temporary, ignored);
        ReportFailure(name, ec.message());
        return false;
    }
    return true;
}

void OutputDirectory::ReportFailure(std::string_view name, std::string_view what) {
    if (failed_)
        return;
    failed_ = true;
    firstError_ = "cannot write " + PathToAnsi(PathOf(name).empty() ? dir_ : PathOf(name)) + ": " +
                  std::string(what);
}

}  // namespace velorin
