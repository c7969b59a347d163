// Quillet.exe: the string-table editor, or with /export and /import a command-line tool.
#include <windows.h>

#include <ole2.h>

#include <cstdlib>
#include <sstream>

#include "platform/win32/Scoped.h"
#include "platform/win32/ui/ErrorReport.h"
#include "platform/win32/ui/MessageLoop.h"
#include "platform/win32/ui/Win32Prompts.h"
#include "programs/quillet/QuilletApp.h"
#include "stringedit/QuilletCommandLine.h"

namespace {

// A window program has no console of its own: write to the standard error it was given,
// or to the console of the program that started it.
void WriteError(const std::string& text) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if ((error == nullptr || error == INVALID_HANDLE_VALUE) &&
        AttachConsole(ATTACH_PARENT_PROCESS)) {
        error = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr);
    }
    DWORD written;
    if (error != nullptr && error != INVALID_HANDLE_VALUE)
        WriteFile(error, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    const std::vector<std::string> args(__argv + 1, __argv + __argc);
    {
        Win32ResourceModule module;
        AnsiCodePage codePage;
        CQuilletDoc doc(module, codePage);
        std::ostringstream error;
        if (const std::optional<int> code = RunQuilletBatch(args, doc, error)) {
            WriteError(error.str());
            return *code;
        }
    }

    const OleScope ole;
    if (!ole.Succeeded())
        return 1;
    Win32Prompts prompts("Quillet");
    SetErrorReporter([&prompts](const std::string& text) { prompts.Show(text); });
    QuilletApp app(prompts);
    if (!app.Start(show))
        return 1;
    prompts.SetOwner(app.Frame().Handle());
    app.OpenArguments(args);
    return RunMessageLoop(app.Frame());
}
