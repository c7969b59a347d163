#pragma once
// User-interaction seam: message boxes, folder chooser and file dialogs.
// Win32 shows the real dialogs, the console asks on the terminal, tests answer from a script.
#include <cstdint>
#include <string>
#include <vector>

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// What a file dialog allows and checks; each platform gives these its own flags.
struct FileDialogRules {
    bool multipleFiles = false;  // more than one file may be chosen
    bool pathMustExist = false;
    bool fileMustExist = false;
    bool hideReadOnly = false;     // no "open as read-only" box
    bool promptOverwrite = false;  // an existing file is replaced only when the user agrees

    bool operator==(const FileDialogRules&) const = default;
};

struct FileDialogOptions {
    std::string title;             // empty: the platform's default title
    std::string defaultExtension;  // ".rez"
    std::string initialFile;
    std::string initialFolder;
    std::string filter;  // "Name|*.ext|Other|*.*||" as the framework writes it
    FileDialogRules rules;
};

class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    // A message box; the answer is one of the buttons offered.
    virtual PromptAnswer Ask(const std::string& text, PromptButtons buttons) = 0;
    void Show(const std::string& text) { Ask(text, PromptButtons::Ok); }

    // The window that owns the boxes and dialogs from now on, so that they keep the user away
    // from it (0: none); returns the one before. Where there are no windows nothing changes.
    virtual std::uintptr_t ChangeOwner(std::uintptr_t) { return 0; }

    // Empty when the user cancelled.
    virtual std::string ChooseFolder(const std::string& title) = 0;
    virtual std::vector<std::string> ChooseOpenFiles(const FileDialogOptions& options) = 0;
    virtual std::string ChooseSaveFile(const FileDialogOptions& options) = 0;
};

// Prompts owned by a window while this lives, then by the one before.
class ScopedPromptOwner {
  public:
    ScopedPromptOwner(UserPrompts& prompts, std::uintptr_t owner)
        : prompts_(prompts), before_(prompts.ChangeOwner(owner)) {}
    ScopedPromptOwner(const ScopedPromptOwner&) = delete;
    ScopedPromptOwner& operator=(const ScopedPromptOwner&) = delete;
    ~ScopedPromptOwner() { prompts_.ChangeOwner(before_); }

  private:
    UserPrompts& prompts_;
    std::uintptr_t before_;
};
