#include "app/CommandSteps.h"

bool RunConfirmed(UserPrompts& prompts, bool nothingSelected, const char* question,
                  PromptButtons buttons, const std::function<bool()>& run) {
    if (nothingSelected) {
        prompts.Show(kNoSelection);
        return false;
    }
    const PromptAnswer agreed =
        buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
    if (question && prompts.Ask(question, buttons) != agreed)
        return false;
    return run();
}

bool RunWithProgress(ProgressSink& progress, std::uintptr_t owner, const char* line,
                     const std::function<bool()>& run) {
    progress.Start(owner);
    progress.SetLine(2, line, false);
    const bool done = run();
    progress.Stop();
    return done;
}
