// The files of an output directory by name: where they are, whether they
// exist, reading, removing and renaming them; and the first failure, kept for
// the driver to report.
#include "common/output_directory.h"

#include <system_error>
#include <utility>

namespace velorin {
namespace fs = std::filesystem;

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

void OutputDirectory::ReportFailure(std::string_view name, std::string_view what) {
    if (failed_)
        return;
    failed_ = true;
    firstError_ = "cannot write " + PathToAnsi(PathOf(name).empty() ? dir_ : PathOf(name)) + ": " +
                  std::string(what);
}

}  // namespace velorin
