#include "common/output_directory.h"

#include <cerrno>
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
        kept_ = std::move(other.kept_);
        held_ = std::move(other.held_);
        listed_ = std::move(other.listed_);
        failed_ = other.failed_;
        firstError_ = std::move(other.firstError_);
    }
    return *this;
}

HeldText& OutputDirectory::HoldForWriting(std::string_view name, bool append) {
    auto it = held_.find(name);
    if (it == held_.end()) {
        std::optional<std::string> existing = append ? Read(name) : std::nullopt;
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
    const fs::path path = PathOf(name);
    if (path.empty()) {
        ReportFailure(name, "not a plain file name");
        return false;
    }
    if (SimulatedReadOnly()) {
        ReportFailure(name, std::strerror(EROFS));
        return false;
    }
    // A link in the output directory is never followed: it could point anywhere.
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec)))
        fs::remove(path, ec);
    std::ofstream stream(path, std::ios::binary | std::ios::out | std::ios::trunc);
    if (!stream) {
        ReportFailure(name, std::strerror(errno));
        return false;
    }
    if (listed_ && kept_.count(name) == 0)
        listed_->emplace(name);
    if (simulatedFault) {
        const auto wanted = static_cast<long long>(content.size());
        if (wanted > simulatedFault->capacity) {
            // As a full disk leaves it: what fitted, then the failure.
            stream.write(content.data(), static_cast<std::streamsize>(simulatedFault->capacity));
            simulatedFault->capacity = 0;
            ReportFailure(name, std::strerror(ENOSPC));
            return false;
        }
        simulatedFault->capacity -= wanted;
    }
    errno = 0;
    stream.write(content.data(), static_cast<std::streamsize>(content.size()));
    stream.flush();
    // The system's reason (no space left, an I/O error) when there is one.
    const int error = errno;
    stream.close();
    if (stream.fail()) {
        ReportFailure(name, error != 0 ? std::strerror(error) : "write failed");
        return false;
    }
    return true;
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
    if (listed_)
        listed_->erase(std::string(name));
    fs::path path = PathOf(name);
    std::error_code ec;
    const bool removed = !path.empty() && fs::remove(path, ec);
    return held || removed;
}

bool OutputDirectory::Rename(std::string_view from, std::string_view to) {
    fs::path source = PathOf(from);
    fs::path target = PathOf(to);
    if (source.empty() || target.empty())
        return false;
    if (auto it = held_.find(from); it != held_.end() && !SimulatedReadOnly()) {
        // Renamed in memory; whatever stands under either name on disk goes.
        HeldText text = std::move(it->second);
        held_.erase(it);
        std::error_code ec;
        fs::remove(source, ec);
        if (listed_)
            listed_->erase(std::string(from));
        text.dirty = true;
        held_.insert_or_assign(std::string(to), std::move(text));
        return true;
    }
    Release(from);
    Release(to);
    std::error_code ec;
    if (SimulatedReadOnly())
        ec = std::make_error_code(std::errc::read_only_file_system);
    else
        fs::rename(source, target, ec);
    if (ec) {
        ReportFailure(to, ec.message());
    } else if (listed_) {
        listed_->erase(std::string(from));
        if (kept_.count(to) == 0)
            listed_->emplace(to);
    }
    return !ec;
}

bool OutputDirectory::CopyFrom(const fs::path& source, std::string_view name) {
    fs::path target = PathOf(name);
    if (target.empty())
        return false;
    Release(name);
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
    if (listed_ && kept_.count(name) == 0)
        listed_->emplace(name);
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
    if (SimulatedReadOnly())
        return 0;
    std::set<std::string, std::less<>> removed;
    // Held files to be removed are never written back.
    for (auto it = held_.begin(); it != held_.end();) {
        if (MatchesPattern(it->first, pattern) && kept_.count(it->first) == 0) {
            removed.insert(it->first);
            it = held_.erase(it);
        } else {
            ++it;
        }
    }
    if (!listed_) {
        listed_.emplace();
        std::error_code ec;
        for (fs::directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec)) {
            // Only files (or links, removed as links): a folder is never ours to delete.
            if (it->is_directory(ec) && !it->is_symlink(ec))
                continue;
            listed_->insert(PathToAnsi(it->path().filename()));
        }
    }
    for (auto it = listed_->begin(); it != listed_->end();) {
        if (MatchesPattern(*it, pattern) && kept_.count(*it) == 0) {
            std::error_code ec;
            fs::remove(dir_ / AnsiToPath(*it), ec);
            removed.insert(*it);
            it = listed_->erase(it);
        } else {
            ++it;
        }
    }
    return static_cast<int>(removed.size());
}

void OutputDirectory::Keep(std::string_view name) {
    kept_.emplace(name);
    // No pattern removes it now, so the listing need not hold it.
    if (listed_)
        listed_->erase(std::string(name));
}

bool OutputDirectory::AnyMatching(std::string_view pattern) const {
    for (const auto& [name, text] : held_) {
        if (MatchesPattern(name, pattern))
            return true;
    }
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
