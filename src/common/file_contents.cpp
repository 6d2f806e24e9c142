#include "common/file_contents.h"

#include <fstream>
#include <iterator>

namespace velorin {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
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

}  // namespace velorin
