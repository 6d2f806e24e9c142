#include "synthetic_application.h"

#include <stdexcept>
#include <string>

#include "synthetic_generator.h"

namespace velorin::bench {
namespace fs = std::filesystem;

std::optional<ApplicationSize> SizeNamed(std::string_view name) {
    if (name == "tiny")
        return ApplicationSize{"tiny", 24, 20000};
    if (name == "small")
        return ApplicationSize{"small", 250, 250000};
    if (name == "medium")
        return ApplicationSize{"medium", 500, 500000};
    if (name == "large")
        return ApplicationSize{"large", 1000, 1000000};
    return std::nullopt;
}

ApplicationCounts WriteApplication(const fs::path& root, const ApplicationSize& size,
                                   uint64_t seed) {
    // Fewer forms leave no main form for the subforms, macros and menus to name.
    if (size.forms < kFewestForms || size.codeLines < 0)
        throw std::invalid_argument("a synthetic application needs at least " +
                                    std::to_string(kFewestForms) +
                                    " forms and no negative number of lines");
    return synthetic::Generator(root, size, seed).Run();
}

}  // namespace velorin::bench
