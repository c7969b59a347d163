#pragma once
// The steps the document's commands share: the selection and the question before they run, the
// progress window while they run.
#include <cstdint>
#include <functional>

#include "platform/ProgressSink.h"
#include "platform/UserPrompts.h"

// Shown when a command finds nothing selected in the active pane.
inline constexpr const char* kNoSelection = "No selection in active frame!";

// A command on the active pane's selection: with nothing selected the user is told so; then the
// question, when there is one, must be answered OK (OK and Cancel) or Yes (Yes and No). False
// when the command did not run, else what run returned.
bool RunConfirmed(UserPrompts& prompts, bool nothingSelected, const char* question,
                  PromptButtons buttons, const std::function<bool()>& run);

// Runs run with the progress window started, owned by owner, its second line saying line (not
// compacted), and stopped after.
bool RunWithProgress(ProgressSink& progress, std::uintptr_t owner, const char* line,
                     const std::function<bool()>& run);
