#include "output/name_registry.h"

namespace velorin {
namespace {

// `base` with `suffix`, cut so that the whole fits the longest name.
std::string WithSuffix(std::string_view base, std::string_view suffix) {
    const size_t room = NameRegistry::kLongestName - std::min(suffix.size(), size_t{39});
    return std::string(base.substr(0, room)) + std::string(suffix);
}

}  // namespace

void NameRegistry::Reserve(std::string_view name, bool exact) {
    reserved_.emplace(name.substr(0, kLongestName));
    if (exact && name.size() <= kLongestName)
        exact_.emplace(name);
}

bool NameRegistry::IsFree(std::string_view name) const {
    return taken_.count(name) == 0 && reserved_.count(name) == 0;
}

std::string NameRegistry::Claim(std::string_view name, bool exact) {
    std::string suffix;
    std::string candidate = WithSuffix(name, suffix);
    // The identifier itself is the exact owner's own; any other is left to its owner.
    const bool own = exact && candidate.size() == name.size();
    while (taken_.count(candidate) > 0 ||
           (exact_.count(candidate) > 0 && !(own && suffix.empty()))) {
        suffix += "A";
        candidate = WithSuffix(name, suffix);
    }
    taken_.insert(candidate);
    return candidate;
}

std::string NameRegistry::Generate(std::string_view key, std::string_view wanted) {
    if (auto found = generated_.find(key); found != generated_.end())
        return found->second;
    std::string name = Generate(wanted);
    generated_.emplace(std::string(key), name);
    return name;
}

std::string NameRegistry::Generate(std::string_view wanted) {
    std::string candidate = WithSuffix(wanted, "");
    for (int n = 2; !IsFree(candidate); ++n)
        candidate = WithSuffix(wanted, "_" + std::to_string(n));
    taken_.insert(candidate);
    return candidate;
}

std::string NameRegistry::Find(std::string_view key) const {
    auto found = generated_.find(key);
    return found == generated_.end() ? std::string() : found->second;
}

}  // namespace velorin
