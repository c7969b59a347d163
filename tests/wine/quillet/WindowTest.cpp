// Quillet's window driven in-process: the list, in-place editing, the commands, Find and F3.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/win32/ui/FindTextDialog.h"
#include "platform/win32/ui/MessageLoop.h"
#include "programs/quillet/QuilletApp.h"
#include "resources/quillet/resource.h"
#include "support/FullPath.h"
#include "support/ScriptedPrompts.h"

namespace {

constexpr int kFindWhatBox = 0x480;  // the Find dialog's edit box
constexpr int kUpButton = 0x420;
constexpr int kDownButton = 0x421;
constexpr int kWholeWordBox = 0x410;
constexpr int kMatchCaseBox = 0x411;

using support::FullPath;

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(app.Start(SW_HIDE));
        SetWindowPos(Frame().Handle(), HWND_TOP, 0, 0, 640, 420, SWP_NOACTIVATE);
        const std::string name = std::string("Window-") +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                                 ".dll";
        path = FullPath(name);
        ASSERT_TRUE(CopyFileA("Strings1033.dll", path.c_str(), FALSE));
        PumpMessages(Frame());
    }
    void TearDown() override {
        if (HWND dialog = Frame().Search().Dialog())
            DestroyWindow(dialog);
    }

    QuilletFrame& Frame() { return app.Frame(); }
    CQuilletView& View() { return app.View(); }
    CQuilletDoc& Doc() { return app.Doc(); }
    HWND List() { return View().List(); }

    void Open() {
        prompts.openFiles.push_back({path});
        ASSERT_TRUE(Frame().Commands().Run(ID_FILE_OPEN));
        ASSERT_EQ(Doc().RowCount(), 9);
    }

    POINT CellCentre(int row, int column) {
        RECT cell{};
        ListView_GetSubItemRect(List(), row, column, LVIR_LABEL, &cell);
        return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    }
    void Click(int row, int column, UINT message = WM_LBUTTONDOWN) {
        const POINT at = CellCentre(row, column);
        SendMessageA(List(), message, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    }
    // Types into the open edit box and ends the edit with Enter (or Escape).
    void Type(const std::string& text, WPARAM key = VK_RETURN) {
        HWND edit = View().EditBox();
        ASSERT_NE(edit, nullptr);
        SetWindowTextA(edit, text.c_str());
        SendMessageA(edit, WM_KEYDOWN, key, 0);
        EXPECT_EQ(View().EditBox(), nullptr);
    }
    bool Key(WPARAM key, HWND target = nullptr) {
        MSG message{};
        message.hwnd = target ? target : List();
        message.message = WM_KEYDOWN;
        message.wParam = key;
        message.lParam = 1;
        return Frame().PreTranslateMessage(message);
    }
    // The saved string as the game reads it, with room for the longest a table may hold.
    std::string SavedString(int id) {
        HMODULE module = LoadLibraryA(path.c_str());
        EXPECT_NE(module, nullptr);
        std::vector<char> text(65536);
        const int length = LoadStringA(module, id, text.data(), static_cast<int>(text.size()));
        FreeLibrary(module);
        return std::string(text.data(), length > 0 ? length : 0);
    }
    bool Enabled(UINT command) { return Frame().Commands().State(command).enabled; }

    ScriptedPrompts prompts;
    QuilletApp app{prompts};
    std::string path;
};

TEST_F(WindowTest, ShowsTheTableInTwoColumns) {
    EXPECT_EQ(WindowText(Frame().Handle()), "Quillet");
    Open();
    EXPECT_EQ(WindowText(Frame().Handle()), "Window-ShowsTheTableInTwoColumns.dll - Quillet");
    EXPECT_EQ(ListView_GetItemCount(List()), 9);
    char text[64];
    ListView_GetItemText(List(), 2, 0, text, sizeof(text));
    EXPECT_STREQ(text, "3");
    ListView_GetItemText(List(), 2, 1, text, sizeof(text));
    EXPECT_STREQ(text, "C:\\\\new\\\\folder");
    ListView_GetItemText(List(), 6, 0, text, sizeof(text));
    EXPECT_STREQ(text, "300");

    RECT client;
    GetClientRect(List(), &client);
    EXPECT_EQ(ListView_GetColumnWidth(List(), 0), 50);
    EXPECT_EQ(ListView_GetColumnWidth(List(), 1), client.right - 50);
    SetWindowPos(Frame().Handle(), nullptr, 0, 0, 500, 300, SWP_NOZORDER | SWP_NOMOVE);
    GetClientRect(List(), &client);
    EXPECT_EQ(ListView_GetColumnWidth(List(), 1), client.right - 50);
}

TEST_F(WindowTest, FailedOpenSaysSoAndKeepsTheTable) {
    Open();
    prompts.openFiles.push_back({FullPath("NoSuchModule.dll")});
    Frame().Commands().Run(ID_FILE_OPEN);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Error loading DLL"});
    EXPECT_EQ(ListView_GetItemCount(List()), 9);
    EXPECT_EQ(Doc().DllPath(), path);
    ASSERT_EQ(prompts.dialogs.size(), 2u);
    EXPECT_EQ(prompts.dialogs[0].initialFile, "Cres.DLL");
    EXPECT_EQ(prompts.dialogs[0].filter, "Resource DLL (*.DLL)|*.DLL||");
}

TEST_F(WindowTest, CommandsAreAvailableAsTheDocumentAllows) {
    for (UINT never :
         {ID_FILE_NEW, ID_FILE_SAVE_AS, ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
        EXPECT_FALSE(Enabled(never)) << never;
    }
    for (UINT always : {ID_FILE_OPEN, ID_APP_EXIT, ID_EDIT_FIND, ID_EDIT_REPEAT, ID_APP_ABOUT,
                        ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        EXPECT_TRUE(Enabled(always)) << always;
    }
    EXPECT_FALSE(Enabled(ID_FILE_SAVE));
    EXPECT_FALSE(Enabled(ID_EDIT_INSERT));
    EXPECT_FALSE(Enabled(ID_EDIT_DELETE));

    // Menu and toolbar show it too.
    HMENU edit = GetSubMenu(GetMenu(Frame().Handle()), 1);
    SendMessageA(Frame().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 1);
    EXPECT_TRUE(GetMenuState(edit, ID_EDIT_INSERT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(edit, ID_EDIT_FIND, MF_BYCOMMAND) & MF_GRAYED);
    PumpMessages(Frame());
    HWND toolbar = Frame().Tools().Handle();
    EXPECT_FALSE(SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_FILE_SAVE, 0));

    Open();
    EXPECT_TRUE(Enabled(ID_FILE_SAVE));
    EXPECT_TRUE(Enabled(ID_EDIT_INSERT));
    EXPECT_FALSE(Enabled(ID_EDIT_DELETE));
    ListView_SetItemState(List(), 4, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(Enabled(ID_EDIT_DELETE));
    SendMessageA(Frame().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), 1);
    EXPECT_FALSE(GetMenuState(edit, ID_EDIT_INSERT, MF_BYCOMMAND) & MF_GRAYED);
    PumpMessages(Frame());
    EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_FILE_SAVE, 0));
    EXPECT_TRUE(SendMessageA(toolbar, TB_ISBUTTONENABLED, ID_EDIT_DELETE, 0));
}

TEST_F(WindowTest, KeysOfUnavailableCommandsDoNothing) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    EXPECT_TRUE(Key('I'));  // Ctrl+I: translated, but Insert is not available
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(Doc().RowCount(), 0);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(WindowTest, EditsATextInPlace) {
    Open();
    Click(0, 1);
    HWND edit = View().EditBox();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(View().EditingText());
    EXPECT_EQ(WindowText(edit), "One");
    EXPECT_EQ(Doc().CurrentId(), 1);
    // The box sits over the String cell, not the ID cell.
    RECT box, cell;
    GetWindowRect(edit, &box);
    MapWindowPoints(nullptr, List(), reinterpret_cast<POINT*>(&box), 2);
    ListView_GetSubItemRect(List(), 0, 1, LVIR_LABEL, &cell);
    EXPECT_GE(box.left, cell.left);
    EXPECT_LE(box.left, cell.left + 6);
    EXPECT_EQ(box.top, cell.top - 1);

    // Delete inside the box is the box's own key, not the Delete command.
    ListView_SetItemState(List(), 4, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_FALSE(Key(VK_DELETE, edit));
    EXPECT_EQ(Doc().RowCount(), 9);

    Type("Uno\\tdos C:\\\\new");
    EXPECT_FALSE(View().EditingText());
    EXPECT_EQ(Doc().Text(1), "Uno\\tdos C:\\\\new");
    ASSERT_TRUE(Frame().Commands().Run(ID_FILE_SAVE));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(SavedString(1), "Uno\tdos C:\\new");
    EXPECT_EQ(SavedString(3), "C:\\new\\folder");
}

TEST_F(WindowTest, LongTextsAreKeptWhole) {
    Open();
    const std::string text(3000, 'x');
    Click(4, 1);
    Type(text);
    EXPECT_EQ(Doc().Text(12), text);
    ASSERT_TRUE(Frame().Commands().Run(ID_FILE_SAVE));
    EXPECT_EQ(SavedString(12), text);
}

TEST_F(WindowTest, EscapeLeavesTheTextAlone) {
    Open();
    Click(1, 1);
    Type("changed", VK_ESCAPE);
    EXPECT_EQ(Doc().Text(2), "Two\\nlines");
    EXPECT_FALSE(View().EditingText());
}

TEST_F(WindowTest, EditsAnIdentifierInPlace) {
    Open();
    Click(4, 0, WM_LBUTTONDBLCLK);  // identifier 12
    HWND edit = View().EditBox();
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(View().EditingText());
    EXPECT_EQ(WindowText(edit), "12");
    Type("41");
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(Doc().Text(41), "twelve");
    EXPECT_TRUE(Doc().Text(12).empty());
    EXPECT_EQ(View().CellText(5, 0), "41");
    EXPECT_EQ(View().CellText(4, 0), "40");
}

TEST_F(WindowTest, OverwriteQuestionAnsweredBothWays) {
    Open();
    prompts.answers = {PromptAnswer::Cancel};
    Click(4, 0, WM_LBUTTONDBLCLK);
    Type("40");
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{"String ID: 40 already exists. Overwrite?"});
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(Doc().Text(12), "twelve");
    EXPECT_EQ(Doc().Text(40), "forty");

    prompts.answers = {PromptAnswer::Ok};
    Click(3, 0, WM_LBUTTONDBLCLK);  // another row, so the double click edits again
    Click(4, 0, WM_LBUTTONDBLCLK);
    Type("40");
    EXPECT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(Doc().Text(40), "twelve");
    EXPECT_EQ(ListView_GetItemCount(List()), 8);
}

TEST_F(WindowTest, IdentifiersOutsideTheTableAreRefused) {
    Open();
    Click(4, 0, WM_LBUTTONDBLCLK);
    Type("70000");
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"String ID: 70000 is outside 0 to 65534."});
    EXPECT_EQ(Doc().Text(12), "twelve");
    Click(3, 0, WM_LBUTTONDBLCLK);
    Type("5");  // its own identifier: nothing asked, nothing changed
    EXPECT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(Doc().Text(5), "Tab\\there");
}

TEST_F(WindowTest, InsertOpensTheNewStringForEditing) {
    Open();
    ASSERT_TRUE(Frame().Commands().Run(ID_EDIT_INSERT));
    EXPECT_EQ(ListView_GetItemCount(List()), 10);
    EXPECT_EQ(View().CellText(9, 0), "2001");
    ASSERT_NE(View().EditBox(), nullptr);
    EXPECT_TRUE(View().EditingText());
    EXPECT_EQ(WindowText(View().EditBox()), "<Insert your text here>");
    Type("Inserted");
    ASSERT_TRUE(Frame().Commands().Run(ID_FILE_SAVE));
    EXPECT_EQ(SavedString(2001), "Inserted");
}

TEST_F(WindowTest, DeletesExactlyTheSelectedRows) {
    Open();
    ListView_SetItemState(List(), 2, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(List(), 3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(Key(VK_DELETE));
    EXPECT_EQ(ListView_GetItemCount(List()), 7);
    EXPECT_TRUE(Doc().Text(3).empty());
    EXPECT_TRUE(Doc().Text(5).empty());
    EXPECT_EQ(Doc().Text(2), "Two\\nlines");
    EXPECT_EQ(Doc().Text(12), "twelve");
    EXPECT_EQ(ListView_GetSelectedCount(List()), 0u);
    ASSERT_TRUE(Frame().Commands().Run(ID_FILE_SAVE));
    EXPECT_EQ(SavedString(3), "");
    EXPECT_EQ(SavedString(12), "twelve");
}

TEST_F(WindowTest, FindDialogAndFindNext) {
    Open();
    ASSERT_TRUE(Frame().Commands().Run(ID_EDIT_FIND));
    HWND dialog = Frame().Search().Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsDlgButtonChecked(dialog, kDownButton));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kMatchCaseBox)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kWholeWordBox)));
    EXPECT_EQ(Frame().Commands().Run(ID_EDIT_FIND), true);  // the open dialog comes forward
    EXPECT_EQ(Frame().Search().Dialog(), dialog);
    SetDlgItemTextA(dialog, kFindWhatBox, "needle");
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_NE(View().EditBox(), nullptr);
    EXPECT_EQ(WindowText(View().EditBox()), "needle in a haystack");
    EXPECT_EQ(Doc().CurrentId(), 1000);

    // F3 goes on down, case-sensitively: "Needle in capitals" is no match.
    EXPECT_TRUE(Key(VK_F3, View().EditBox()));
    EXPECT_EQ(Doc().CurrentId(), 1000);
    EXPECT_EQ(ListView_GetSelectedCount(List()), 0u);

    SetDlgItemTextA(dialog, kFindWhatBox, "e");
    CheckRadioButton(dialog, kUpButton, kDownButton, kUpButton);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Doc().CurrentId(), 300);
    EXPECT_TRUE(Key(VK_F3));
    EXPECT_EQ(Doc().CurrentId(), 12);
    EXPECT_EQ(WindowText(View().EditBox()), "twelve");

    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(Frame().Search().Dialog(), nullptr);
}

TEST_F(WindowTest, FindNextRightAfterStartLooksUpFromTheCurrentString) {
    Open();
    EXPECT_TRUE(Key(VK_F3));  // empty text, direction up, current identifier 0
    EXPECT_EQ(View().EditBox(), nullptr);
    Click(3, 1);  // identifier 5 becomes the current one
    Type("Tab\\there", VK_ESCAPE);
    EXPECT_TRUE(Key(VK_F3));
    EXPECT_EQ(Doc().CurrentId(), 3);
    EXPECT_EQ(WindowText(View().EditBox()), "C:\\\\new\\\\folder");
}

TEST_F(WindowTest, BarsPromptsAndTips) {
    HWND frame = Frame().Handle();
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(ID_EDIT_INSERT, MF_STRING), 0);
    EXPECT_EQ(Frame().Status().Message(), "Insert a new string.");
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Frame().Status().Message(), "Ready");
    // Only the toolbar's own tips are answered, whoever else asks the frame.
    HWND tips =
        reinterpret_cast<HWND>(SendMessageA(Frame().Tools().Handle(), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tips, nullptr);
    NMTTDISPINFOA tip{};
    tip.hdr.code = TTN_GETDISPINFOA;
    tip.hdr.idFrom = ID_EDIT_DELETE;
    tip.hdr.hwndFrom = List();
    SendMessageA(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_EQ(tip.lpszText, nullptr);
    tip.hdr.hwndFrom = tips;
    SendMessageA(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_STREQ(tip.lpszText, "Delete");
    // The way a shown tip asks: through the toolbar, which hands the question on up.
    NMTTDISPINFOW wideTip{};
    wideTip.hdr.code = TTN_GETDISPINFOW;
    wideTip.hdr.idFrom = ID_FILE_OPEN;
    wideTip.hdr.hwndFrom = tips;
    wideTip.lpszText = wideTip.szText;  // as the tip control asks
    SendMessageW(Frame().Tools().Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wideTip));
    ASSERT_NE(wideTip.lpszText, nullptr);
    EXPECT_STREQ(wideTip.lpszText, L"Open");

    EXPECT_TRUE(Frame().Commands().State(ID_VIEW_TOOLBAR).checked);
    RECT before;
    GetWindowRect(List(), &before);
    Frame().Commands().Run(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Frame().Commands().State(ID_VIEW_TOOLBAR).checked);
    RECT after;
    GetWindowRect(List(), &after);
    EXPECT_LT(after.top, before.top);
    Frame().Commands().Run(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(Frame().Commands().State(ID_VIEW_STATUS_BAR).checked);
    GetWindowRect(List(), &after);
    EXPECT_GT(after.bottom, before.bottom);
}

}  // namespace
