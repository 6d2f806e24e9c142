#include "output/form_output.h"

#include <algorithm>

namespace velorin {

std::string LoaderRoutineName(const NameRegistry* names, std::string_view routine) {
    const std::string found =
        names != nullptr ? names->Find(std::string(name_key::kLoaderRoutine) + std::string(routine))
                         : std::string();
    return found.empty() ? std::string(routine) : found;
}

void FormOutput::AddReference(std::string_view classId, std::string_view file) {
    const bool listed = std::any_of(references_.begin(), references_.end(),
                                    [&](const auto& entry) { return entry.second == file; });
    if (!listed)
        references_.emplace_back(classId, file);
}

std::vector<std::string> FormOutput::DesignLines(bool withReferences) const {
    std::vector<std::string> lines{version_};
    if (withReferences) {
        for (const auto& [classId, file] : references_)
            lines.push_back("Object=\"" + classId + "\"; \"" + file + "\"");
    }
    form_.AppendLines(lines, 0);
    return lines;
}

}  // namespace velorin
