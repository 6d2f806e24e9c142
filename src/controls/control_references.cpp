#include "controls/control_references.h"

#include <algorithm>

namespace velorin {

void AddProjectReference(ProjectParts& project, std::string_view classId,
                         std::string_view fileName) {
    if (std::find(project.controlFiles.begin() + 1, project.controlFiles.end(), fileName) ==
        project.controlFiles.end()) {
        project.controlFiles.emplace_back(fileName);
        project.controlObjectIds.emplace_back(classId);
    }
}

void AddControlReference(FormState& state, std::string_view classId, std::string_view fileName) {
    AddProjectReference(state.session.project, classId, fileName);
    state.output.AddReference(classId, fileName);
}

}  // namespace velorin
