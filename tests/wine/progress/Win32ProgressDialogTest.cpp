#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/ui/Win32ProgressDialog.h"

namespace {

BOOL CALLBACK FindOwnProgressWindow(HWND window, LPARAM result) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char title[64] = "";
    GetWindowTextA(window, title, sizeof(title));
    if (process != GetCurrentProcessId() || std::string(title) != "Tarvex Progress")
        return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The progress window of this process. The dialog object makes it on a thread of its own
// before StartProgressDialog returns, updates it before SetLine and SetProgress return and
// destroys it before StopProgressDialog returns, so nothing here needs to wait.
HWND OwnProgressWindow() {
    HWND found = nullptr;
    EnumWindows(FindOwnProgressWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

struct Children {
    std::vector<std::string> texts;  // of the static controls, in order
    HWND bar = nullptr;
};

BOOL CALLBACK AddChild(HWND child, LPARAM result) {
    auto& children = *reinterpret_cast<Children*>(result);
    char type[64] = "", text[256] = "";
    GetClassNameA(child, type, sizeof(type));
    GetWindowTextA(child, text, sizeof(text));
    if (lstrcmpiA(type, "Static") == 0)
        children.texts.push_back(text);
    if (lstrcmpiA(type, PROGRESS_CLASSA) == 0)
        children.bar = child;
    return TRUE;
}

Children ChildrenOf(HWND dialog) {
    Children children;
    EnumChildWindows(dialog, AddChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

bool Shows(const Children& children, const std::string& text) {
    for (const std::string& shown : children.texts) {
        if (shown == text)
            return true;
    }
    return false;
}

// Under Wine each StopProgressDialog takes about two seconds, so the test starts it once.
TEST(Win32ProgressDialog, ShowsTheLinesAndProgressAndHearsCancel) {
    Win32ProgressDialog progress;
    ASSERT_TRUE(progress.Created());
    SetUpProgress(progress);
    progress.Start(0);
    EXPECT_TRUE(progress.Started());
    const HWND dialog = OwnProgressWindow();
    ASSERT_NE(dialog, nullptr);

    progress.SetLine(1, "Saving...", false);
    progress.SetLine(2, "Writing Folder: C:\\Games\\Maps\\", true);
    progress.SetProgress(5, 10);
    Children children = ChildrenOf(dialog);
    EXPECT_TRUE(Shows(children, "Saving...")) << testing::PrintToString(children.texts);
    EXPECT_TRUE(Shows(children, "Writing Folder: C:\\Games\\Maps\\"))
        << testing::PrintToString(children.texts);
    ASSERT_NE(children.bar, nullptr);
    EXPECT_EQ(SendMessageA(children.bar, PBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(SendMessageA(children.bar, PBM_GETRANGE, FALSE, 0), 10);
    progress.SetProgressDone(7);  // against the total set last
    EXPECT_EQ(SendMessageA(children.bar, PBM_GETPOS, 0, 0), 7);
    EXPECT_EQ(SendMessageA(children.bar, PBM_GETRANGE, FALSE, 0), 10);

    EXPECT_FALSE(progress.HasUserCancelled());
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(progress.HasUserCancelled());
    EXPECT_TRUE(progress.HasUserCancelled());  // and stays so

    progress.Stop();
    EXPECT_FALSE(progress.Started());
    EXPECT_EQ(OwnProgressWindow(), nullptr);
    progress.Stop();
}

TEST(Win32ProgressDialog, WithoutTheDialogObjectEveryOperationDoesNothing) {
    const CLSID nothing = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
    Win32ProgressDialog progress(nothing);
    EXPECT_FALSE(progress.Created());
    SetUpProgress(progress);
    progress.Start(0);
    EXPECT_FALSE(progress.Started());
    EXPECT_EQ(OwnProgressWindow(), nullptr);
    progress.SetLine(1, "Opening...", false);
    progress.SetProgress(1, 2);
    EXPECT_FALSE(progress.HasUserCancelled());
    progress.Stop();
}

}  // namespace
