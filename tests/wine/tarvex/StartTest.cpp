// Tarvex.exe started as the shell starts it, end to end under Wine: the window always comes up
// restored, and an archive the shell opens while a window is open goes into that window, the
// second start ending by itself.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScratchFolder.h"

namespace {

std::string WindowsPath(std::string path) {
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

const std::string kProgram = WindowsPath(TARVEX_PROGRAM);

// A running Tarvex.exe, closed at the end as the user closes it.
class Started {
  public:
    explicit Started(const std::string& arguments, WORD show = SW_SHOWNORMAL) {
        std::string command = "\"" + kProgram + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = show;
        started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != FALSE;
    }
    ~Started() {
        if (!started_)
            return;
        if (HWND window = Window())
            PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool Running() const { return started_; }
    // Its main window once it is shown (and, when asked, takes archives from other starts);
    // null until then.
    HWND Window(bool takingArchives = true) const {
        for (HWND window = FindWindowExA(nullptr, nullptr, "TarvexFrame", nullptr); window;
             window = FindWindowExA(nullptr, window, "TarvexFrame", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process_.dwProcessId && IsWindowVisible(window) &&
                (!takingArchives || GetPropA(window, "Tarvex.TakesArchives") != nullptr)) {
                return window;
            }
        }
        return nullptr;
    }
    HWND AwaitWindow(bool takingArchives = true) const {
        for (int i = 0; i < 300 && !Window(takingArchives); ++i)
            Sleep(50);
        return Window(takingArchives);
    }

  private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

int TarvexWindows() {
    int count = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, "TarvexFrame", nullptr); window;
         window = FindWindowExA(nullptr, window, "TarvexFrame", nullptr)) {
        count += IsWindowVisible(window) ? 1 : 0;
    }
    return count;
}

std::string TitleOf(HWND window) {
    char title[512] = "";
    GetWindowTextA(window, title, sizeof title);
    return title;
}

// Runs Tarvex.exe to its end; its exit code.
DWORD RunToEnd(const std::string& arguments) {
    std::string command = "\"" + kProgram + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return ~DWORD(0);
    }
    DWORD code = ~DWORD(0);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(Start, AShortcutAskingForAMaximizedWindowGetsARestoredOne) {
    const Started tarvex("", SW_SHOWMAXIMIZED);
    ASSERT_TRUE(tarvex.Running());
    HWND window = tarvex.AwaitWindow(false);
    ASSERT_NE(window, nullptr);
    Sleep(500);  // shown, and laid out as it will stay
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_FALSE(IsIconic(window));
}

TEST(Start, AnArchiveTheShellOpensGoesIntoTheWindowAlreadyOpen) {
    support::ScratchFolder disk("tarvex-start");
    disk.Write("Hand Over\\inside.txt", "inside");
    const std::string archive = disk.Path("Hand Over.rez");
    ASSERT_EQ(RunToEnd("/C \"" + archive + "\" \"" + disk.Path("Hand Over") + "\""), 0u);

    const Started first("");
    ASSERT_TRUE(first.Running());
    HWND window = first.AwaitWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TitleOf(window), "Untitled - Tarvex");

    // The shell's open, through the command the first start registered.
    SHELLEXECUTEINFOA open{};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    open.lpVerb = "open";
    open.lpFile = archive.c_str();
    open.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExA(&open));
    ASSERT_NE(open.hProcess, nullptr);
    EXPECT_EQ(WaitForSingleObject(open.hProcess, 20000), WAIT_OBJECT_0);
    DWORD code = ~DWORD(0);
    GetExitCodeProcess(open.hProcess, &code);
    CloseHandle(open.hProcess);
    EXPECT_EQ(code, 0u);

    for (int i = 0; i < 200 && TitleOf(window) != "Hand Over.rez - Tarvex"; ++i)
        Sleep(50);
    EXPECT_EQ(TitleOf(window), "Hand Over.rez - Tarvex");
    EXPECT_EQ(TarvexWindows(), 1);
}

}  // namespace
