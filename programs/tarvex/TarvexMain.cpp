// Tarvex.exe: the archive window, or with /C, /A, /X and /E the batch mode.
#include <windows.h>

#include "app/CommandLineSplit.h"
#include "platform/win32/ui/ErrorReport.h"
#include "platform/win32/ui/MessageLoop.h"
#include "platform/win32/ui/RegistrySettings.h"
#include "platform/win32/ui/Win32ProgressDialog.h"
#include "platform/win32/ui/Win32Prompts.h"
#include "programs/tarvex/TarvexApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    Win32Prompts prompts("Tarvex");
    SetErrorReporter([&prompts](const std::string& text) { prompts.Show(text); });
    RegistrySettings settings("Tarvex");
    CTarvexApp app(prompts, settings, [] { return std::make_unique<Win32ProgressDialog>(); });
    app.onMainWindow = [&prompts](HWND window) { prompts.SetOwner(window); };
    app.singleWindow = true;

    std::vector<std::string> args = SplitCommandLine(GetCommandLineA());
    if (!args.empty())
        args.erase(args.begin());
    if (!app.StartUp(args, show))
        return app.ExitCode();
    return RunMessageLoop(app.Frame());
}
