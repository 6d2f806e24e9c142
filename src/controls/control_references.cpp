#include "controls/control_references.h"

#include <algorithm>

namespace velorin {

void AddControlReference(FormState& state, std::string_view classId, std::string_view fileName) {
    Session& session = state.session;
    if (std::find(session.controlFiles.begin() + 1, session.controlFiles.end(), fileName) ==
        session.controlFiles.end()) {
        session.controlFiles.emplace_back(fileName);
        session.controlObjectIds.emplace_back(classId);
    }
    state.output.AddReference(classId, fileName);
}

}  // namespace velorin
