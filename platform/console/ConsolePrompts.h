#pragma once
// UserPrompts on a terminal. Questions go to the error stream; answers are read from the input
// stream only when it is a terminal, so that nothing ever waits in a script: without one each
// question takes its given answer (options) or its default, and says so.
//
// Defaults without a terminal: a message box takes its first button (OK, Yes); the folder,
// open and save dialogs are cancelled.
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/UserPrompts.h"

struct ConsoleAnswers {
    std::optional<PromptAnswer> answer;  // every message box
    std::string folder;                  // the folder chooser
    std::string saveFile;                // the save dialog
};

class ConsolePrompts : public UserPrompts {
  public:
    ConsolePrompts(std::istream& in, std::ostream& err, bool interactive, ConsoleAnswers answers)
        : in_(in), err_(err), interactive_(interactive), answers_(std::move(answers)) {}

    PromptAnswer Ask(const std::string& text, PromptButtons buttons) override;
    std::string ChooseFolder(const std::string& title) override;
    std::vector<std::string> ChooseOpenFiles(const FileDialogOptions& options) override;
    std::string ChooseSaveFile(const FileDialogOptions& options) override;

  private:
    std::optional<std::string> ReadLine();
    // A folder or file name: the option's answer when one was given, none without a
    // terminal, else a line the user types (empty cancels).
    std::string AskForName(const std::string& byOption, const char* howToGive, const char* what);

    std::istream& in_;
    std::ostream& err_;
    bool interactive_;
    ConsoleAnswers answers_;
};

// "yes", "no", "cancel", "ok" (any case, or their first letter); nothing for anything else.
std::optional<PromptAnswer> ParsePromptAnswer(const std::string& text);
