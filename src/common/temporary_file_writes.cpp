// Files of an output directory replaced whole: written or copied under a
// temporary name and renamed into place, so that a failed, cut-short or
// killed write never leaves half a file under the real name.
#include "common/output_directory.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "common/ansi_text.h"

namespace velorin {
namespace fs = std::filesystem;

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
    if (SimulatedDiskFault* fault = CurrentDiskFault()) {
        const auto wanted = static_cast<long long>(content.size());
        if (wanted > fault->capacity) {
            // As a full disk leaves it: what fitted, then the failure.
            length = static_cast<size_t>(fault->capacity);
            fault->capacity = 0;
            error = ENOSPC;
        } else {
            fault->capacity -= wanted;
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
    if (SimulatedDiskFault* fault = CurrentDiskFault()) {
        const auto size = static_cast<long long>(fs::file_size(source, ec));
        if (fault->readOnly || ec || size > fault->capacity) {
            ReportFailure(name, std::strerror(fault->readOnly ? EROFS : ENOSPC));
            return false;
        }
        fault->capacity -= size;
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

}  // namespace velorin
