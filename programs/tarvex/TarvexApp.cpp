#include "programs/tarvex/TarvexApp.h"

#include "app/BatchCommand.h"
#include "app/CommandLine.h"
#include "app/ExitStatus.h"
#include "app/ShellFileType.h"
#include "app/win32/RunningWindow.h"
#include "app/win32/ShellRegistration.h"
#include "platform/win32/ui/ResourceText.h"
#include "resources/tarvex/resource.h"

CTarvexApp::CTarvexApp(UserPrompts& prompts, Settings& settings,
                       Win32DocumentHost::ProgressFactory makeProgress)
    : host_(prompts, settings, std::move(makeProgress)), doc_(host_), frame_(doc_, host_) {}

CTarvexApp::~CTarvexApp() {
    if (frame_.Handle() != nullptr)
        DestroyWindow(frame_.Handle());
    host_.SetWindow(nullptr);
}

std::string ProgramPath() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof(path));
    return path;
}

bool CTarvexApp::StartUp(const std::vector<std::string>& args, int show) {
    // Every start, so that the shell opens archives with this copy of the program.
    RegisterShellFileType(ProgramPath());
    if (singleWindow) {
        const std::optional<std::string> archive = HandOverPath(args);
        if (archive && HandOverArchive(*archive)) {
            exitCode_ = ::ExitCode(ExitStatus::Complete);
            return false;
        }
    }
    CTarvexCommandLineInfo info;
    ParseCommandLine(info, args);
    if (info.batchCode == BatchUsage) {
        host_.Prompts().Show(
            UsageText(LoadResourceText(GetModuleHandleA(nullptr), IDS_APP_TITLE, 0)));
        exitCode_ = ::ExitCode(ExitStatus::Complete);
        return false;
    }
    if (!frame_.Create()) {
        exitCode_ = ::ExitCode(ExitStatus::Failed);
        return false;
    }
    host_.SetWindow(&frame_.AsDocumentWindow());
    if (onMainWindow)
        onMainWindow(frame_.Handle());

    // The window stays hidden while a batch command runs; /C and /X end with it, with the
    // status scripts read: 0 complete, 1 items left out, 2 failed.
    const BatchOutcome outcome = ProcessBatchCommand(info, doc_);
    exitCode_ = ::ExitCode(outcome.status);
    if (!outcome.keepRunning)
        return false;
    // Always restored, at the stored place, whatever the shortcut asks; only the choice not
    // to take the focus is kept.
    ShowWindow(frame_.Handle(),
               show == SW_SHOWNOACTIVATE || show == SW_SHOWNA ? show : SW_SHOWNORMAL);
    UpdateWindow(frame_.Handle());
    if (singleWindow)
        TakeHandedOverArchives(frame_.Handle(), true);
    return true;
}
