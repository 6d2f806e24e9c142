#include "row_sources/field_types.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <system_error>

namespace velorin::row_sources {
namespace {

constexpr std::string_view kTypePrefix = "DAO_";

}  // namespace

std::string DeclaredType(int daoType) {
    return std::string(kTypePrefix) + std::to_string(std::max(daoType, 0));
}

int DaoTypeOfDeclared(const char* declared) {
    if (declared == nullptr)
        return 0;
    std::string_view text(declared);
    if (!text.starts_with(kTypePrefix))
        return 0;
    text.remove_prefix(kTypePrefix.size());
    int type = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), type);
    return error == std::errc() && end == text.data() + text.size() ? type : 0;
}

bool TypeAnswersT(int daoType) {
    return daoType == 2 || daoType == 3 || daoType == 4 || daoType == 10 || daoType == 19;
}

}  // namespace velorin::row_sources
