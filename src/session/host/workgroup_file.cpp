#include "session/host/workgroup_file.h"

#include <fstream>
#include <string_view>
#include <system_error>

namespace velorin {
namespace {

// A Jet database (.mdb, .mdw) names its format at byte 4 of its first page.
constexpr std::string_view kJetSignature = "Standard Jet DB";
constexpr std::streamoff kJetSignatureOffset = 4;

}  // namespace

std::string WorkgroupFileProblem(const std::filesystem::path& path) {
    const std::string name = "the workgroup file " + path.string();
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status))
        return name + " does not exist";
    if (!std::filesystem::is_regular_file(status))
        return name + " is not a file";
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return name + " cannot be read";
    // A shorter file keeps the zeros and is no Jet database.
    std::string head(kJetSignatureOffset + kJetSignature.size(), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    if (std::string_view(head).substr(kJetSignatureOffset) != kJetSignature)
        return name + " is not an Access workgroup file (a Jet database)";
    return {};
}

}  // namespace velorin
