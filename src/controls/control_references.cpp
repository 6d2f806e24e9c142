#include "controls/control_references.h"

#include <algorithm>

namespace velorin {

void AddControlReference(FormState& state, std::string_view classId, std::string_view fileName) {
    Session& session = state.session;
    if (std::find(session.project.controlFiles.begin() + 1, session.project.controlFiles.end(),
                  fileName) == session.project.controlFiles.end()) {
        session.project.controlFiles.emplace_back(fileName);
        session.project.controlObjectIds.emplace_back(classId);
    }
    state.output.AddReference(classId, fileName);
}

}  // namespace velorin
