// The user interface of a form converted ahead of its turn: its warnings wait
// here and are shown in the form's turn. A question cannot wait for its
// answer, so it is not asked: the conversion is marked to be done again in
// its turn, where the user answers it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "session/user_interface.h"

namespace velorin {

class HeldMessages : public UserInterface {
  public:
    Answer Show(const Message&) override {
        asked_ = true;
        return Answer::No;
    }
    void Warn(const std::string& text) override { warnings_.push_back(text); }
    void StartProgress(int) override {}
    void SetProgress(int) override {}
    void UpdateTime() override {}
    void EndProgress() override {}

    // Whether the conversion wanted to show a message or ask.
    bool Asked() const { return asked_; }
    // The warnings in the order given; the held state starts afresh.
    std::vector<std::string> Take() {
        asked_ = false;
        return std::exchange(warnings_, {});
    }

  private:
    std::vector<std::string> warnings_;
    bool asked_ = false;
};

}  // namespace velorin
