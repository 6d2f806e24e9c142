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
    if (std::find(state.referenceFiles.begin(), state.referenceFiles.end(), fileName) ==
        state.referenceFiles.end()) {
        state.referenceFiles.emplace_back(fileName);
        state.referenceIds.emplace_back(classId);
    }
}

}  // namespace velorin
