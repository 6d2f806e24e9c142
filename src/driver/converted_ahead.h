// Objects converted on worker threads ahead of their turn and written in
// order. Each worker has a session of its own: copies of the project's names
// and parts, and a support database and user interface that hold what they
// are given. In the object's turn what it held back (analysis rows, warnings,
// control libraries) is given to the project. An object whose conversion
// would change the project beyond itself, or ask the user, is converted
// again in its turn, on the project's session, with the workers held.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/work_ahead.h"
#include "session/held_messages.h"
#include "session/session.h"

namespace velorin {

// What a conversion ahead of its turn held back: its warnings, messages and
// analysis rows in the order made, and the control libraries it added.
struct HeldBack {
    bool needsItsTurn = false;
    std::vector<HeldMessages::Held> messages;
    std::vector<std::pair<std::string, std::string>> controlReferences;  // class id, file
};

// Gives the project what a conversion held back, in the order it was held.
void GiveHeldBack(Session& session, HeldBack& held);

class AheadSession {
  public:
    explicit AheadSession(const Session& project);

    Session& Get() { return session_; }
    // Starts an object's conversion afresh.
    void Begin();
    // What the conversion since Begin held back.
    HeldBack End();
    // The project as it now is, for the objects converted next.
    void Follow(const Session& project);

  private:
    HeldMessages messages_;
    Session session_;
    size_t referencesBefore_ = 0;
};

// `Converted` has a member `HeldBack held`; convert(session, i) converts
// item i (from 0) on the session given.
template <class Converted>
class ConvertedAhead {
  public:
    using Convert = std::function<Converted(Session&, size_t)>;

    ConvertedAhead(Session& session, size_t count, int jobs, Convert convert)
        : session_(session), convert_(std::move(convert)), items_(count) {
        for (int t = 0; t < jobs; ++t)
            sessions_.push_back(std::make_unique<AheadSession>(session));
        work_ = std::make_unique<WorkAhead>(
            count, jobs, 2 * static_cast<size_t>(jobs), [this](size_t item, int worker) {
                AheadSession& ahead = *sessions_[static_cast<size_t>(worker)];
                ahead.Begin();
                items_[item] = convert_(ahead.Get(), item);
                items_[item].held = ahead.End();
            });
    }

    // Item `item` converted, items taken in order; what it held back is
    // given to the project.
    Converted Take(size_t item) {
        work_->Take(item);
        Converted converted = std::move(items_[item]);
        items_[item] = Converted();
        if (!converted.held.needsItsTurn) {
            GiveHeldBack(session_, converted.held);
            return converted;
        }
        work_->Hold();
        converted = convert_(session_, item);
        // What it changed of the project, the items after it see.
        for (std::unique_ptr<AheadSession>& ahead : sessions_)
            ahead->Follow(session_);
        work_->Release();
        return converted;
    }

  private:
    Session& session_;
    Convert convert_;
    std::vector<Converted> items_;
    std::vector<std::unique_ptr<AheadSession>> sessions_;
    std::unique_ptr<WorkAhead> work_;
};

}  // namespace velorin
