// The user interface of a form converted ahead of its turn, and the keeper of
// its analysis rows: warnings, messages and rows wait here in the order they
// were made, and are given in the form's turn in that order (a row that
// cannot be written says so where it stands among the warnings). A message the
// project's user interface answers without the user (an OK, a question a
// setting answers) gets that answer at once; a question only the user can
// answer is not asked: the conversion is marked to be done again in its
// turn, where the user answers it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "session/support_database.h"
#include "session/user_interface.h"

namespace velorin {

class HeldMessages : public UserInterface {
  public:
    // A warning, a message shown with the answer it was given, or a row.
    struct Held {
        std::string warning;
        std::optional<Message> message;
        SupportDatabase::HeldWrite row;
    };

    // `answering` is the user interface the messages are shown on in turn.
    explicit HeldMessages(const UserInterface* answering = nullptr) : answering_(answering) {}

    Answer Show(const Message& message) override {
        const std::optional<Answer> answer =
            answering_ != nullptr ? answering_->AnswerWithoutAsking(message) : std::nullopt;
        if (!answer) {
            asked_ = true;
            return Answer::No;
        }
        held_.push_back({{}, message, {}});
        return *answer;
    }
    void Warn(const std::string& text) override { held_.push_back({text, std::nullopt, {}}); }
    void HoldRow(SupportDatabase::HeldWrite row) {
        held_.push_back({{}, std::nullopt, std::move(row)});
    }
    void StartProgress(int) override {}
    void SetProgress(int) override {}
    void UpdateTime() override {}
    void EndProgress() override {}

    // Whether the conversion asked what only the user can answer.
    bool Asked() const { return asked_; }
    // What was held, in the order given; the held state starts afresh.
    std::vector<Held> Take() {
        asked_ = false;
        return std::exchange(held_, {});
    }
    // Gives what was held to `ui` and `db`, in its order.
    static void GiveHeld(UserInterface& ui, SupportDatabase& db, const std::vector<Held>& held) {
        for (const Held& one : held) {
            if (one.row)
                one.row(db, ui);
            else if (one.message)
                ui.Show(*one.message);
            else
                ui.Warn(one.warning);
        }
    }

  private:
    const UserInterface* answering_;
    std::vector<Held> held_;
    bool asked_ = false;
};

}  // namespace velorin
