#pragma once
// UserPrompts for tests: records every question and answers from a script.
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/UserPrompts.h"

class ScriptedPrompts : public UserPrompts {
  public:
    struct Question {
        std::string text;
        PromptButtons buttons;
        std::uintptr_t owner = 0;  // the window that owned the question
    };

    std::uintptr_t owner = 0;

    std::vector<Question> asked;
    std::deque<PromptAnswer> answers;  // consumed in order; empty: the first button
    std::deque<std::string> folders;   // answers to ChooseFolder
    std::deque<std::vector<std::string>> openFiles;
    std::deque<std::string> saveFiles;
    std::vector<FileDialogOptions> dialogs;  // every file dialog shown

    PromptAnswer Ask(const std::string& text, PromptButtons buttons) override {
        asked.push_back({text, buttons, owner});
        if (!answers.empty()) {
            PromptAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        switch (buttons) {
            case PromptButtons::Ok:
            case PromptButtons::OkCancel:
                return PromptAnswer::Ok;
            default:
                return PromptAnswer::Yes;
        }
    }
    std::uintptr_t ChangeOwner(std::uintptr_t window) override {
        const std::uintptr_t before = owner;
        owner = window;
        return before;
    }
    std::string ChooseFolder(const std::string& title) override {
        asked.push_back({title, PromptButtons::OkCancel, owner});
        return Take(folders);
    }
    std::vector<std::string> ChooseOpenFiles(const FileDialogOptions& options) override {
        dialogs.push_back(options);
        return Take(openFiles);
    }
    std::string ChooseSaveFile(const FileDialogOptions& options) override {
        dialogs.push_back(options);
        return Take(saveFiles);
    }

    // Texts of the message boxes shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Question& q : asked)
            texts.push_back(q.text);
        return texts;
    }

  private:
    template <typename T>
    static T Take(std::deque<T>& queue) {
        if (queue.empty())
            return T{};
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
