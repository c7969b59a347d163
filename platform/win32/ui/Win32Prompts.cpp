#include "platform/win32/ui/Win32Prompts.h"

#include <commdlg.h>
#include <shlobj.h>

#include "platform/win32/Scoped.h"
#include "platform/win32/ui/OpenFileNames.h"

namespace {

constexpr size_t kMultipleNamesBuffer = 64 * 1024;

// "Name|*.ext||" with NULs for the bars, as the dialogs want it.
std::string DialogFilter(const std::string& filter) {
    std::string converted = filter;
    for (char& c : converted)
        if (c == '|')
            c = '\0';
    return converted + std::string(2, '\0');
}

DWORD DialogFlags(const FileDialogRules& rules) {
    DWORD flags = OFN_EXPLORER;
    if (rules.multipleFiles)
        flags |= OFN_ALLOWMULTISELECT;
    if (rules.pathMustExist)
        flags |= OFN_PATHMUSTEXIST;
    if (rules.fileMustExist)
        flags |= OFN_FILEMUSTEXIST;
    if (rules.hideReadOnly)
        flags |= OFN_HIDEREADONLY;
    if (rules.promptOverwrite)
        flags |= OFN_OVERWRITEPROMPT;
    return flags;
}

struct FileDialog {
    OPENFILENAMEA ofn{};
    std::string filter;
    std::vector<char> names;

    FileDialog(HWND owner, const FileDialogOptions& options, size_t bufferSize)
        : filter(DialogFilter(options.filter)), names(bufferSize, '\0') {
        options.initialFile.copy(names.data(), bufferSize - 1);
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = options.filter.empty() ? nullptr : filter.c_str();
        ofn.lpstrFile = names.data();
        ofn.nMaxFile = static_cast<DWORD>(bufferSize);
        ofn.lpstrInitialDir =
            options.initialFolder.empty() ? nullptr : options.initialFolder.c_str();
        ofn.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
        // The dialog wants the extension without its dot.
        const std::string& ext = options.defaultExtension;
        ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str() + (ext[0] == '.' ? 1 : 0);
        ofn.Flags = DialogFlags(options.rules);
    }
};

}  // namespace

std::uintptr_t Win32Prompts::ChangeOwner(std::uintptr_t owner) {
    const HWND before = owner_;
    owner_ = reinterpret_cast<HWND>(owner);
    return reinterpret_cast<std::uintptr_t>(before);
}

PromptAnswer Win32Prompts::Ask(const std::string& text, PromptButtons buttons) {
    UINT style = MB_ICONQUESTION;
    switch (buttons) {
        case PromptButtons::Ok:
            style = MB_OK | MB_ICONEXCLAMATION;
            break;
        case PromptButtons::OkCancel:
            style |= MB_OKCANCEL;
            break;
        case PromptButtons::YesNo:
            style |= MB_YESNO;
            break;
        case PromptButtons::YesNoCancel:
            style |= MB_YESNOCANCEL;
            break;
    }
    switch (MessageBoxA(owner_, text.c_str(), title_.c_str(), style)) {
        case IDOK:
            return PromptAnswer::Ok;
        case IDYES:
            return PromptAnswer::Yes;
        case IDNO:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Cancel;
    }
}

std::string Win32Prompts::ChooseFolder(const std::string& title) {
    char path[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner_;
    info.pszDisplayName = path;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    const ScopedTaskMemory chosen(SHBrowseForFolderA(&info));
    if (!chosen)
        return {};
    const bool found =
        SHGetPathFromIDListA(static_cast<LPCITEMIDLIST>(chosen.Get()), path) != FALSE;
    return found ? path : std::string();
}

std::vector<std::string> Win32Prompts::ChooseOpenFiles(const FileDialogOptions& options) {
    const bool multiple = options.rules.multipleFiles;
    FileDialog dialog(owner_, options, multiple ? kMultipleNamesBuffer : MAX_PATH);
    if (!GetOpenFileNameA(&dialog.ofn))
        return {};
    if (!multiple)
        return {dialog.names.data()};
    return ParseOpenFileNames(dialog.names.data(), dialog.names.size());
}

std::string Win32Prompts::ChooseSaveFile(const FileDialogOptions& options) {
    FileDialog dialog(owner_, options, MAX_PATH);
    if (!GetSaveFileNameA(&dialog.ofn))
        return {};
    return dialog.names.data();
}
