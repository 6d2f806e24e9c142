#include "common/directory_writability.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/ansi_text.h"
#include "common/simulated_disk_fault.h"

namespace velorin {

bool CanCreateFiles(const std::filesystem::path& dir, std::string& why) {
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

}  // namespace velorin
