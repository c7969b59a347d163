// The map pack's open dialogs as Windows shows them through the prompts seam: title, filter,
// the files the filter lets through, and several files chosen at once.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "WindowShot.h"
#include "app/AppTestHost.h"
#include "app/MapPack.h"
#include "platform/win32/ui/Win32Prompts.h"

namespace {

constexpr int kFilterCombo = 0x470;    // cmb1
constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1, in older dialogs

// What the dialog showed, read while it was open.
struct SeenDialog {
    std::string title;
    std::string filter;
    std::vector<std::string> listed;
    int colours = 0;  // of its screenshot
};

struct TitleSearch {
    std::string title;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TitleSearch*>(data);
    char text[256] = "";
    GetWindowTextA(window, text, sizeof(text));
    if (IsWindowVisible(window) && search.title == text) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(const std::string& title) {
    TitleSearch search{title};
    EnumThreadWindows(GetCurrentThreadId(), MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK MatchListView(HWND window, LPARAM data) {
    char kind[64] = "";
    GetClassNameA(window, kind, sizeof(kind));
    if (std::string(kind) != WC_LISTVIEWA)
        return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

// The names in the dialog's file list.
std::vector<std::string> ListedNames(HWND dialog) {
    HWND list = nullptr;
    EnumChildWindows(dialog, MatchListView, reinterpret_cast<LPARAM>(&list));
    std::vector<std::string> names;
    const int count = list ? ListView_GetItemCount(list) : 0;
    for (int i = 0; i < count; ++i) {
        char name[MAX_PATH] = "";
        ListView_GetItemText(list, i, 0, name, sizeof(name));
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Answers the open dialog titled title by typing the names and pressing Open, once it is up.
class DialogAnswer {
  public:
    DialogAnswer(std::string title, std::string typed, std::string screenshot = "") {
        title_ = std::move(title);
        typed_ = std::move(typed);
        screenshot_ = std::move(screenshot);
        seen_ = {};
        ticks_ = 0;
        timer_ = SetTimer(nullptr, 0, 50, Tick);
    }
    ~DialogAnswer() { KillTimer(nullptr, timer_); }
    const SeenDialog& Seen() const { return seen_; }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = FindDialog(title_);
        if (dialog == nullptr) {
            // A dialog that never came up: the open call returns, and the test sees nothing.
            if (++ticks_ == 200)
                KillTimer(nullptr, timer_);
            return;
        }
        KillTimer(nullptr, timer_);
        seen_.title = title_;
        HWND filter = GetDlgItem(dialog, kFilterCombo);
        char text[256] = "";
        SendMessageA(filter, CB_GETLBTEXT, SendMessageA(filter, CB_GETCURSEL, 0, 0),
                     reinterpret_cast<LPARAM>(text));
        seen_.filter = text;
        seen_.listed = ListedNames(dialog);
        if (!screenshot_.empty())
            seen_.colours = shot::Save(dialog, TARVEX_SCREENSHOT_DIR "\\" + screenshot_ + ".png");
        HWND name = GetDlgItem(dialog, kFileNameCombo);
        if (name == nullptr || !IsWindowVisible(name))
            name = GetDlgItem(dialog, kFileNameEdit);
        SetWindowTextA(name, typed_.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }

    static inline std::string title_, typed_, screenshot_;
    static inline SeenDialog seen_;
    static inline int ticks_ = 0;
    static inline UINT_PTR timer_ = 0;
};

TEST(MapPackDialog, DoomsDayMapsOfJupiterAreChosenThroughThePrefixFilter) {
    TempDir dir;
    dir.Write("DD_Dome.DAT", "1");
    dir.Write("DD_Pit.DAT", "2");
    dir.Write("DM_Arena.DAT", "3");
    dir.Write("notes.txt", "4");
    FileDialogOptions options = MapPackDialog(GameJupiter, DoomsDayMaps);
    options.initialFolder = dir.Path();
    Win32Prompts prompts("Tarvex");
    DialogAnswer answer("Select your DoomsDay Map(s)", "\"DD_Dome.DAT\" \"DD_Pit.DAT\"",
                        "wizard-open-doomsday");
    const std::vector<std::string> chosen = prompts.ChooseOpenFiles(options);
    EXPECT_EQ(answer.Seen().title, "Select your DoomsDay Map(s)");
    EXPECT_EQ(answer.Seen().filter, "Doomsday Maps (*.DAT)");
    EXPECT_EQ(answer.Seen().listed, (std::vector<std::string>{"DD_Dome.DAT", "DD_Pit.DAT"}));
    EXPECT_EQ(chosen, (std::vector<std::string>{dir.Path("DD_Dome.DAT"), dir.Path("DD_Pit.DAT")}));
    EXPECT_GT(answer.Seen().colours, 8);
}

TEST(MapPackDialog, ModelsAreOfferedInBothFormats) {
    TempDir dir;
    dir.Write("hero.abc", "1");
    dir.Write("hero.ltb", "2");
    dir.Write("hero.dtx", "3");
    FileDialogOptions options = MapPackDialog(GameLithTech2, CharacterModels);
    options.initialFolder = dir.Path();
    Win32Prompts prompts("Tarvex");
    DialogAnswer answer("Select your Character Model file(s)", "\"hero.ltb\"");
    const std::vector<std::string> chosen = prompts.ChooseOpenFiles(options);
    EXPECT_EQ(answer.Seen().filter, "LithTech Models (*.ABC;*.LTB)");
    EXPECT_EQ(answer.Seen().listed, (std::vector<std::string>{"hero.abc", "hero.ltb"}));
    EXPECT_EQ(chosen, std::vector<std::string>{dir.Path("hero.ltb")});
}

}  // namespace
