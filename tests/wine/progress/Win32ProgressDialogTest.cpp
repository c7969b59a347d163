#include <windows.h>

#include <gtest/gtest.h>

#include "platform/progress/Win32ProgressDialog.h"

namespace {

// The dialog runs on a thread of its own; give its window a moment to come and go.
// (Under Wine each StopProgressDialog takes about two seconds, so the tests start it once.)
HWND WaitForWindow(const char* title, bool shown) {
    for (int i = 0; i < 100; ++i) {
        HWND window = FindWindowA(nullptr, title);
        if ((window != nullptr) == shown)
            return window;
        Sleep(30);
    }
    return FindWindowA(nullptr, title);
}

TEST(Win32ProgressDialog, ShowsTheShellDialogAndTakesItDown) {
    Win32ProgressDialog progress;
    ASSERT_TRUE(progress.Created());
    SetUpProgress(progress);
    progress.Start(0);
    EXPECT_TRUE(progress.Started());
    EXPECT_NE(WaitForWindow("Tarvex Progress", true), nullptr);
    progress.SetLine(1, "Saving...", false);
    progress.SetLine(2, "Writing Folder: C:\\Games\\Maps\\", true);
    progress.SetProgress(5, 10);
    progress.SetProgressDone(7);
    EXPECT_FALSE(progress.HasUserCancelled());
    progress.Stop();
    EXPECT_FALSE(progress.Started());
    EXPECT_EQ(WaitForWindow("Tarvex Progress", false), nullptr);
    progress.Stop();
}

TEST(Win32ProgressDialog, WithoutTheDialogObjectEveryOperationDoesNothing) {
    const CLSID nothing = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
    Win32ProgressDialog progress(nothing);
    EXPECT_FALSE(progress.Created());
    SetUpProgress(progress);
    progress.Start(0);
    EXPECT_FALSE(progress.Started());
    progress.SetLine(1, "Opening...", false);
    progress.SetProgress(1, 2);
    EXPECT_FALSE(progress.HasUserCancelled());
    progress.Stop();
}

}  // namespace
