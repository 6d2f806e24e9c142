#include "common/output_directory.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "common/ansi_text.h"

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
    : owner_(owner), name_(std::move(name)) {
    fs::path path = owner_->PathOf(name_);
    if (path.empty()) {
        owner_->ReportFailure(name_, "not a plain file name");
        return;
    }
    if (SimulatedReadOnly()) {
        owner_->ReportFailure(name_, std::strerror(EROFS));
        return;
    }
    // A link in the output directory is never followed: it could point anywhere.
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec)))
        fs::remove(path, ec);
    auto mode = std::ios::binary | std::ios::out | (append ? std::ios::app : std::ios::trunc);
    auto stream = std::make_unique<std::ofstream>(path, mode);
    if (!*stream) {
        owner_->ReportFailure(name_, std::strerror(errno));
        return;
    }
    stream_ = std::move(stream);
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : owner_(other.owner_), name_(std::move(other.name_)), stream_(std::move(other.stream_)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        Close();
        owner_ = other.owner_;
        name_ = std::move(other.name_);
        stream_ = std::move(other.stream_);
    }
    return *this;
}

OutputFile::~OutputFile() {
    Close();
}

bool OutputFile::Fits(size_t size) {
    if (!simulatedFault)
        return true;
    const auto wanted = static_cast<long long>(size);
    if (wanted <= simulatedFault->capacity) {
        simulatedFault->capacity -= wanted;
        return true;
    }
    simulatedFault->capacity = 0;
    stream_.reset();
    owner_->ReportFailure(name_, std::strerror(ENOSPC));
    return false;
}

void OutputFile::WriteLine(std::string_view text) {
    if (!stream_ || !Fits(text.size() + 2))
        return;
    stream_->write(text.data(), static_cast<std::streamsize>(text.size()));
    stream_->write("\r\n", 2);
}

void OutputFile::WriteRaw(std::string_view bytes) {
    if (!stream_ || !Fits(bytes.size()))
        return;
    stream_->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void OutputFile::Close() {
    if (!stream_)
        return;
    errno = 0;
    stream_->flush();
    bool ok = static_cast<bool>(*stream_);
    // The system's reason (no space left, an I/O error) when there is one.
    const int error = errno;
    stream_->close();
    if (!ok || stream_->fail())
        owner_->ReportFailure(name_, error != 0 ? std::strerror(error) : "write failed");
    stream_.reset();
}

OutputDirectory::OutputDirectory(fs::path dir) : dir_(std::move(dir)) {}

fs::path OutputDirectory::PathOf(std::string_view name) const {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos) {
        return {};
    }
    return dir_ / AnsiToPath(name);
}

bool OutputDirectory::Exists(std::string_view name) const {
    fs::path path = PathOf(name);
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::symlink_status(path, ec));
}

std::optional<std::string> OutputDirectory::Read(std::string_view name) const {
    // Only the directory's own files: a link is not read through.
    if (!Exists(name))
        return std::nullopt;
    return ReadWholeFile(PathOf(name));
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

bool OutputDirectory::Write(std::string_view name, std::string_view content) {
    OutputFile file = Create(name);
    if (!file.IsOpen())
        return false;
    file.WriteRaw(content);
    file.Close();
    return !failed_;
}

bool OutputDirectory::Append(std::string_view name, std::string_view content) {
    OutputFile file = OpenAppend(name);
    if (!file.IsOpen())
        return false;
    file.WriteRaw(content);
    file.Close();
    return !failed_;
}

bool OutputDirectory::Remove(std::string_view name) {
    fs::path path = PathOf(name);
    std::error_code ec;
    return !path.empty() && !SimulatedReadOnly() && fs::remove(path, ec);
}

bool OutputDirectory::Rename(std::string_view from, std::string_view to) {
    fs::path source = PathOf(from);
    fs::path target = PathOf(to);
    if (source.empty() || target.empty())
        return false;
    std::error_code ec;
    if (SimulatedReadOnly())
        ec = std::make_error_code(std::errc::read_only_file_system);
    else
        fs::rename(source, target, ec);
    if (ec)
        ReportFailure(to, ec.message());
    return !ec;
}

bool OutputDirectory::CopyFrom(const fs::path& source, std::string_view name) {
    fs::path target = PathOf(name);
    if (target.empty())
        return false;
    std::error_code ec;
    if (fs::exists(target, ec) && fs::equivalent(source, target, ec))
        return true;
    if (simulatedFault) {
        const auto size = static_cast<long long>(fs::file_size(source, ec));
        if (simulatedFault->readOnly || ec || size > simulatedFault->capacity) {
            ReportFailure(name, std::strerror(simulatedFault->readOnly ? EROFS : ENOSPC));
            return false;
        }
        simulatedFault->capacity -= size;
    }
    // Replaced, not written through: the old file may be read-only or a link.
    fs::remove(target, ec);
    fs::copy_file(source, target, ec);
    if (ec) {
        ReportFailure(name, ec.message());
        return false;
    }
    // The working copy is ours to change, whatever the source's mode.
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                    ec);
    return true;
}

int OutputDirectory::RemoveMatching(std::string_view pattern) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec)) {
        // Only files (or links, removed as links): a folder is never ours to delete.
        if (it->is_directory(ec) && !it->is_symlink(ec))
            continue;
        const std::string name = PathToAnsi(it->path().filename());
        if (!MatchesPattern(name, pattern) || kept_.count(name) > 0 || SimulatedReadOnly())
            continue;
        std::error_code removeError;
        if (fs::remove(it->path(), removeError))
            ++removed;
    }
    return removed;
}

void OutputDirectory::Keep(std::string_view name) {
    kept_.emplace(name);
}

bool OutputDirectory::AnyMatching(std::string_view pattern) const {
    std::error_code ec;
    for (fs::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec))
            continue;
        if (MatchesPattern(PathToAnsi(it->path().filename()), pattern))
            return true;
    }
    return false;
}

void OutputDirectory::ReportFailure(std::string_view name, std::string_view what) {
    if (failed_)
        return;
    failed_ = true;
    firstError_ = "cannot write " + PathToAnsi(PathOf(name).empty() ? dir_ : PathOf(name)) + ": " +
                  std::string(what);
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with one backtrack point for the last "*".
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || AnsiLower(pattern[p]) == AnsiLower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace velorin
