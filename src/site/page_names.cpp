#include "site/page_names.h"

#include <set>

#include "common/ansi_text.h"

namespace velorin {
namespace {

constexpr size_t kLongestStem = 60;

bool Kept(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
}

}  // namespace

std::vector<std::string> PageStems(const std::vector<std::string>& names) {
    std::set<std::string, ILess> taken = {"index"};
    std::vector<std::string> stems;
    stems.reserve(names.size());
    for (const std::string& name : names) {
        std::string stem;
        for (char c : name.substr(0, kLongestStem))
            stem += Kept(c) ? c : '_';
        if (stem.empty())
            stem = "unnamed";
        std::string unique = stem;
        for (int n = 2; taken.count(unique) > 0; ++n)
            unique = stem + "-" + std::to_string(n);
        taken.insert(unique);
        stems.push_back(std::move(unique));
    }
    return stems;
}

}  // namespace velorin
