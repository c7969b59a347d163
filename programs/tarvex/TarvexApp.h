#pragma once
// Tarvex.exe's application: OLE, the ".rez" file type, the command line, and the document
// with its main window. A batch command runs to its end within StartUp; otherwise the
// window is shown with the archive named on the command line open.
#include <functional>
#include <string>
#include <vector>

#include "app/TarvexDoc.h"
#include "app/win32/Win32DocumentHost.h"
#include "browser/win32/MainFrame.h"
#include "platform/win32/Scoped.h"

class CTarvexApp {
  public:
    CTarvexApp(UserPrompts& prompts, Settings& settings,
               Win32DocumentHost::ProgressFactory makeProgress);
    ~CTarvexApp();
    CTarvexApp(const CTarvexApp&) = delete;
    CTarvexApp& operator=(const CTarvexApp&) = delete;

    // args: the command line without the program's name. True when the message loop is to
    // run; false when the program ends here with ExitCode(), an ExitStatus: after the usage
    // text, a batch command that ends by itself (/C, /X), or a window that could not be made.
    bool StartUp(const std::vector<std::string>& args, int show);
    int ExitCode() const { return exitCode_; }

    // Called once the main window exists, before any batch work (the prompts' owner).
    std::function<void(HWND)> onMainWindow;
    // One window for the shell's opens: a start by its open command hands the archive to a
    // window already open and ends; the shown window takes such archives.
    bool singleWindow = false;

    CTarvexDoc& Doc() { return doc_; }
    CMainFrame& Frame() { return frame_; }
    Win32DocumentHost& Host() { return host_; }

  private:
    OleScope ole_;
    Win32DocumentHost host_;
    CTarvexDoc doc_;
    CMainFrame frame_;
    int exitCode_ = 0;
};

// The full path of the running program.
std::string ProgramPath();
