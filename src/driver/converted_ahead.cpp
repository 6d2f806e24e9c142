#include "driver/converted_ahead.h"

#include "controls/control_references.h"

namespace velorin {

void GiveHeldBack(Session& session, HeldBack& held) {
    HeldMessages::GiveHeld(session.ui, session.supportDb, held.messages);
    for (const auto& [classId, file] : held.controlReferences)
        AddProjectReference(session.project, classId, file);
}

AheadSession::AheadSession(const Session& project)
    : messages_(&project.ui), session_(*project.sourceDb, project.supportDb.Path(), messages_) {
    session_.CaptureSettings(project.Settings());
    Follow(project);
    session_.rowSourceProbe = project.rowSourceProbe;
    session_.applicationLanguage = project.applicationLanguage;
    session_.customControls = project.customControls;
    session_.supportDb.HoldWrites(
        [this](SupportDatabase::HeldWrite row) { messages_.HoldRow(std::move(row)); });
    session_.aheadOfTurn = true;
}

void AheadSession::Follow(const Session& project) {
    session_.names = project.names;
    session_.project = project.project;
}

void AheadSession::Begin() {
    messages_.Take();  // nothing of an item that ended in an exception
    session_.needsItsTurn = false;
    referencesBefore_ = session_.project.controlFiles.size();
}

HeldBack AheadSession::End() {
    HeldBack held;
    held.needsItsTurn = session_.needsItsTurn || messages_.Asked();
    held.messages = messages_.Take();
    const ProjectParts& project = session_.project;
    for (size_t i = referencesBefore_; i < project.controlFiles.size(); ++i)
        held.controlReferences.emplace_back(project.controlObjectIds[i], project.controlFiles[i]);
    return held;
}

}  // namespace velorin
