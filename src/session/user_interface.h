// How the driver talks to the user: messages and questions, progress and the
// elapsed time. The command line and the desktop window each implement it.
#pragma once

#include <optional>
#include <string>

namespace velorin {

enum class Buttons { Ok, OkHelp, YesNo, YesNoHelp };
enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Answer { Ok, Yes, No };

struct Message {
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool secondButtonDefault = false;
    int helpContext = 0;
};

class UserInterface {
  public:
    virtual ~UserInterface() = default;
    // Shows a message; for a question, returns the user's answer.
    virtual Answer Show(const Message& message) = 0;
    // The answer Show gives `message` without waiting for the user (a
    // message with only OK; a question answered by a setting); none when the
    // user answers it. Called from the threads that convert ahead of the
    // form being written: it reads only what stays fixed while a conversion runs.
    virtual std::optional<Answer> AnswerWithoutAsking(const Message& message) const {
        (void)message;
        return std::nullopt;
    }
    // Something the user should know that needs no answer (an object skipped).
    virtual void Warn(const std::string& text) = 0;
    virtual void StartProgress(int maximum) = 0;
    virtual void SetProgress(int value) = 0;
    virtual void UpdateTime() = 0;
    virtual void EndProgress() = 0;
    // What the conversion works through, told before the first object, then
    // each form or module as its conversion begins (`file` is the file it is
    // written to). A front end may show it or not.
    virtual void PlanObjects(int forms, int modules) {
        (void)forms;
        (void)modules;
    }
    virtual void BeginObject(bool isForm, const std::string& name, const std::string& file) {
        (void)isForm;
        (void)name;
        (void)file;
    }

    // The application's code cannot have been compiled: `question` asks
    // whether to stop so that it is compiled first, and `where` names the first
    // procedure that is not closed. Returns whether to stop. A window asks; a
    // front end that cannot ask may warn and go on.
    virtual bool StopForUncompiledCode(const Message& question, const std::string& where) {
        (void)where;
        return Show(question) == Answer::Yes;
    }
};

}  // namespace velorin
