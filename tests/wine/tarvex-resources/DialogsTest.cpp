// Tarvex's dialogs as Windows creates them: their controls, texts and tab order, and a layout
// in which every text fits its control and nothing overlaps or leaves the dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ResourceBytes.h"

namespace {

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

std::vector<HWND> Controls(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    return controls;
}

std::string TextOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// A control as "id kind [group] [tab] [hidden] 'text'".
std::string Describe(HWND control) {
    char name[64] = "";
    GetClassNameA(control, name, sizeof(name));
    std::string kind = name;
    std::transform(kind.begin(), kind.end(), kind.begin(), ::tolower);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (kind == "button") {
        switch (style & BS_TYPEMASK) {
            case BS_PUSHBUTTON:
                kind = "push";
                break;
            case BS_DEFPUSHBUTTON:
                kind = "default";
                break;
            case BS_AUTOCHECKBOX:
                kind = "check";
                break;
            case BS_AUTORADIOBUTTON:
                kind = "radio";
                break;
        }
        if (style & BS_MULTILINE)
            kind += " multiline";
    } else if (kind == "static") {
        switch (style & SS_TYPEMASK) {
            case SS_LEFT:
                kind = "text";
                break;
            case SS_ICON:
                kind = "icon";
                break;
            case SS_BLACKFRAME:
                kind = "frame";
                break;
            case SS_ETCHEDHORZ:
                kind = "line";
                break;
        }
    }
    std::string out = std::to_string(static_cast<short>(GetDlgCtrlID(control))) + " " + kind;
    if (style & WS_GROUP)
        out += " group";
    if (style & WS_TABSTOP)
        out += " tab";
    if (!(style & WS_VISIBLE))
        out += " hidden";
    const std::string text = kind == "icon" ? "" : TextOf(control);  // an icon's is its number
    return text.empty() ? out : out + " '" + text + "'";
}

std::vector<std::string> Described(HWND dialog) {
    std::vector<std::string> out;
    for (HWND control : Controls(dialog))
        out.push_back(Describe(control));
    return out;
}

RECT RectIn(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The room a text needs in the control's font, wrapped at a width when wrap is set.
SIZE TextNeeds(HWND control, const std::string& text, int wrapWidth) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT room = {0, 0, wrapWidth > 0 ? wrapWidth : 10000, 0};
    DrawTextA(dc, text.c_str(), -1, &room,
              DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {room.right - room.left, room.bottom - room.top};
}

// The check box or radio glyph and the gap after it.
constexpr int kGlyph = 19;
// Room a push button keeps around its text.
constexpr int kButtonMargin = 8;

// Every shown control inside the dialog, no two overlapping, every text within its control.
void ExpectTidyLayout(HWND dialog, const char* name) {
    RECT client;
    GetClientRect(dialog, &client);
    std::vector<std::pair<HWND, RECT>> shown;
    for (HWND control : Controls(dialog)) {
        if (!(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE))
            continue;
        const RECT rect = RectIn(dialog, control);
        const std::string what = std::string(name) + ": " + Describe(control);
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                    rect.bottom <= client.bottom)
            << what << " leaves the dialog";
        for (const auto& [other, otherRect] : shown) {
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &rect, &otherRect))
                << what << " overlaps " << Describe(other);
        }
        shown.push_back({control, rect});

        const std::string text = TextOf(control);
        if (text.empty())
            continue;
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const int width = rect.right - rect.left, height = rect.bottom - rect.top;
        const std::string kind = Describe(control);
        SIZE needs{};
        int roomWidth = width, roomHeight = height;
        if (kind.find(" text") != std::string::npos) {
            needs = TextNeeds(control, text, width);
        } else if (kind.find(" check") != std::string::npos ||
                   kind.find(" radio") != std::string::npos) {
            roomWidth = width - kGlyph;
            needs = TextNeeds(control, text, (style & BS_MULTILINE) ? roomWidth : 0);
        } else {
            roomWidth = width - kButtonMargin;
            needs = TextNeeds(control, text, 0);
        }
        EXPECT_LE(needs.cx, roomWidth) << what << " is cut on the right";
        EXPECT_LE(needs.cy, roomHeight) << what << " is cut at the bottom";
    }
}

class Dialogs : public ::testing::Test {
  protected:
    void TearDown() override {
        for (auto it = opened.rbegin(); it != opened.rend(); ++it)
            DestroyWindow(*it);
    }
    HWND Open(int id, HWND parent = nullptr) {
        HWND dialog = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(id), parent, QuietDialog, 0);
        EXPECT_NE(dialog, nullptr) << "dialog " << id;
        if (dialog != nullptr)
            opened.push_back(dialog);
        return dialog;
    }
    // A page of the wizard, placed in the host's frame as the wizard places it.
    HWND OpenPage(int id, HWND host) {
        HWND page = Open(id, host);
        const RECT frame = RectIn(host, GetDlgItem(host, 1068));
        SetWindowPos(page, HWND_TOP, frame.left, frame.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        return page;
    }
    std::vector<HWND> opened;
};

TEST_F(Dialogs, AboutBox) {
    HWND about = Open(100);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(TextOf(about), "About Tarvex");
    EXPECT_EQ(Described(about), (std::vector<std::string>{
                                    "1001 icon", "1002 text 'Tarvex'", "1003 text 'Version 3.0.1'",
                                    "1004 text 'Stonemere Software'", "1 default group tab 'OK'"}));
    EXPECT_NE(SendDlgItemMessageA(about, 1001, STM_GETICON, 0, 0), 0);
    ExpectTidyLayout(about, "about box");
}

TEST_F(Dialogs, FindPattern) {
    HWND find = Open(20120);
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(TextOf(find), "Find");
    EXPECT_EQ(Described(find),
              (std::vector<std::string>{
                  "20122 text group '&Names (* any characters, ? one; patterns separated by ;):'",
                  "20121 edit tab", "1 default group tab 'OK'", "2 push tab 'Cancel'"}));
    ExpectTidyLayout(find, "find");
}

TEST_F(Dialogs, WizardHost) {
    HWND host = Open(197);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(TextOf(host), "Tarvex Wizard");
    EXPECT_EQ(Described(host), (std::vector<std::string>{
                                   "1068 frame hidden", "-1 line", "12323 push group tab '< Back'",
                                   "12324 default tab 'Next >'", "12325 push tab 'Finish'",
                                   "2 push tab '&Cancel'"}));
    ExpectTidyLayout(host, "wizard");
}

// Each page fits the frame it is placed in, and the frame leaves the buttons free.
TEST_F(Dialogs, PagesFitTheFrame) {
    HWND host = Open(197);
    ASSERT_NE(host, nullptr);
    const RECT frame = RectIn(host, GetDlgItem(host, 1068));
    const RECT line = RectIn(host, GetDlgItem(host, -1));
    EXPECT_LT(frame.bottom, line.top);
    for (int id : {135, 205, 204}) {
        HWND page = OpenPage(id, host);
        ASSERT_NE(page, nullptr);
        const LONG style = GetWindowLongA(page, GWL_STYLE);
        EXPECT_TRUE(style & WS_CHILD) << id;
        EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME)) << id;
        const RECT placed = RectIn(host, page);
        EXPECT_LE(placed.right, frame.right) << id;
        EXPECT_LE(placed.bottom, frame.bottom) << id;
    }
}

TEST_F(Dialogs, TaskPage) {
    HWND page = OpenPage(135, Open(197));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(
        Described(page),
        (std::vector<std::string>{
            "1100 text group 'What would you like to do?'",
            "1053 radio group tab 'I want to create a REZ file by adding some files.'",
            "1054 radio 'I want to create a REZ file by adding some folders.'",
            "1055 radio 'I want to create a REZ for my Skin, Model or Map.'",
            "1036 radio multiline 'I want to create a REZ for my Skin, Model or Map.  I already "
            "have all the files in a separate folder with the correct Folder structure.'",
            "1056 radio 'I want to extract the opened REZ file.'"}));
    ExpectTidyLayout(page, "task page");
}

TEST_F(Dialogs, GamePage) {
    HWND page = OpenPage(205, Open(197));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Described(page),
              (std::vector<std::string>{
                  "1101 text group 'My REZ File will be used by:'",
                  "1036 radio group tab 'Shogo / Blood II '", "1038 radio 'No One Lives Forever'",
                  "1039 radio 'Aliens Versus Predator 2 / G.O. / Purge'",
                  "1040 radio 'No One Lives Forever 2 / TRON 2'", "1103 text group 'LithTech 1.x'",
                  "1104 text group 'LithTech 2.x'", "1105 text group 'LithTech Talon'",
                  "1106 text group 'LithTech Jupiter'",
                  "1102 text group 'ATTENTION: If your title is not listed, please make your "
                  "selection based                          on which LithTech engine is used in "
                  "your game.'"}));
    ExpectTidyLayout(page, "game page");
    // Each engine stands on the line of its game.
    for (int game = 0; game < 4; ++game) {
        const RECT button = RectIn(page, GetDlgItem(page, game == 0 ? 1036 : 1037 + game));
        const RECT engine = RectIn(page, GetDlgItem(page, 1103 + game));
        EXPECT_NEAR((button.top + button.bottom) / 2, (engine.top + engine.bottom) / 2, 2) << game;
    }
}

TEST_F(Dialogs, ContentPageWithEveryLabel) {
    HWND page = OpenPage(204, Open(197));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(
        Described(page),
        (std::vector<std::string>{
            "1107 text group 'I want to add the following to my REZ File:'",
            "1057 check group tab 'New Character Skins'", "1058 check tab 'New Character Models'",
            "1059 check tab 'New Weapon Skins'", "1060 check tab 'New Weapon Models'",
            "1069 check tab 'New Attribute Files'", "1067 check tab 'Singleplayer Maps'",
            "1061 check tab 'DeathMatch Maps'", "1062 check tab 'Team Assault Maps'",
            "1063 check tab 'Cooperative Maps'", "1064 check tab 'DoomsDay Maps'",
            "1108 text group 'You can select any combination of the above items for your "
            "REZ File.\nIn the next screen(s) you can select multiple files per selected "
            "item.'"}));
    ExpectTidyLayout(page, "content page");
    // The labels the Talon game gives two of the boxes fit them as well.
    SetDlgItemTextA(page, 1063, "'Evac' Maps");
    SetDlgItemTextA(page, 1064, "'OverRun' Maps");
    ExpectTidyLayout(page, "content page for Talon");
}

}  // namespace
