// The frame around its panes: the active pane and F6, notifications handed to the wrapper
// of their sender, the bars (a second rebar band, status panes, wide menu prompts), the
// smallest size and the popup menu.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "TestFrame.h"
#include "platform/win32/ui/MessageLoop.h"
#include "platform/win32/ui/SplitterPane.h"

namespace {

bool Contains(const std::vector<UINT>& list, UINT value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// Three leaves: a | (b | c).
class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create(outer));
        SetWindowPos(frame.Handle(), nullptr, 0, 0, 640, 420, SWP_NOZORDER | SWP_NOACTIVATE);
        PumpMessages(frame);
    }

    bool Key(WPARAM key, bool shift = false) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG message{};
        message.hwnd = GetFocus();
        message.message = WM_KEYDOWN;
        message.wParam = key;
        const bool taken = frame.PreTranslateMessage(message);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        return taken;
    }

    EditPane a, b, c;
    SplitterPane inner{b, c, SplitterLayout(100)};
    SplitterPane outer{a, inner, SplitterLayout(150)};
    TestFrame frame;
};

TEST_F(FrameTest, F6MovesTheFocusThroughTheLeafPanesAndTheActivePaneFollows) {
    EXPECT_EQ(frame.LeafPanes(), (std::vector<Pane*>{&a, &b, &c}));
    EXPECT_EQ(frame.ActivePane(), &a);  // the first leaf until one gets the focus

    SetFocus(a.Handle());
    EXPECT_TRUE(Key(VK_F6));
    EXPECT_EQ(GetFocus(), b.Handle());
    EXPECT_EQ(frame.ActivePane(), &b);
    EXPECT_TRUE(Key(VK_F6));
    EXPECT_EQ(GetFocus(), c.Handle());
    EXPECT_TRUE(Key(VK_F6));
    EXPECT_EQ(GetFocus(), a.Handle());
    EXPECT_TRUE(Key(VK_F6, true));
    EXPECT_EQ(GetFocus(), c.Handle());
    EXPECT_EQ(frame.ActivePane(), &c);
    EXPECT_FALSE(Key(VK_F5));

    // A click or any other way of focusing a pane makes it the active one, and the frame
    // gives the focus back to it.
    SetFocus(b.Handle());
    EXPECT_EQ(frame.ActivePane(), &b);
    SetFocus(frame.Handle());
    EXPECT_EQ(GetFocus(), b.Handle());
    frame.ActivatePane(a);
    EXPECT_EQ(GetFocus(), a.Handle());
    // A pane asks its host for the next one (Tab in a tree).
    static_cast<PaneHost&>(frame).FocusNextPane(false);
    EXPECT_EQ(GetFocus(), b.Handle());
}

TEST(FrameWindow, WithOnePaneF6StaysWithTheControl) {
    EditPane only;
    TestFrame frame;
    ASSERT_TRUE(frame.Create(only));
    EXPECT_EQ(frame.ActivePane(), &only);
    SetFocus(only.Handle());
    MSG message{};
    message.hwnd = only.Handle();
    message.message = WM_KEYDOWN;
    message.wParam = VK_F6;
    EXPECT_FALSE(frame.PreTranslateMessage(message));
    EXPECT_EQ(GetFocus(), only.Handle());
}

TEST_F(FrameTest, NotificationsGoToTheWrapperOfTheirSender) {
    NMHDR header{a.Handle(), 0, NM_CLICK};
    EXPECT_EQ(SendMessageA(outer.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 7);
    header.hwndFrom = c.Handle();
    header.code = NM_RETURN;
    EXPECT_EQ(SendMessageA(inner.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 7);
    // Any parent of the framework hands it on, the frame too.
    header.code = NM_DBLCLK;
    EXPECT_EQ(SendMessageA(frame.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header)), 7);
    EXPECT_EQ(a.notified, std::vector<UINT>{NM_CLICK});
    EXPECT_TRUE(b.notified.empty());
    EXPECT_EQ(c.notified, (std::vector<UINT>{NM_RETURN, NM_DBLCLK}));
    for (UINT code : {NM_CLICK, NM_RETURN, NM_DBLCLK})
        EXPECT_FALSE(Contains(frame.notified, code)) << code;

    // A sender without a wrapper leaves the notification to the parent's own handler.
    header.hwndFrom = frame.Status().Handle();
    header.code = NM_RCLICK;
    SendMessageA(frame.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    EXPECT_TRUE(Contains(frame.notified, NM_RCLICK));
    EXPECT_TRUE(a.notified.size() == 1 && c.notified.size() == 2);

    // Commands of a control, sent by the edit box itself to its parent, the splitter.
    SetWindowTextA(b.Handle(), "typed");
    auto changes = [](const EditPane& pane) {
        return std::count(pane.commands.begin(), pane.commands.end(), EN_CHANGE);
    };
    EXPECT_EQ(changes(b), 1);
    EXPECT_EQ(changes(a), 0);
    EXPECT_EQ(changes(c), 0);
}

TEST_F(FrameTest, ToolbarHotItemShowsItsPromptAndASecondBandMovesThePanesDown) {
    NMTBHOTITEM hot{};
    hot.hdr = {frame.Tools().Handle(), 0, static_cast<UINT>(TBN_HOTITEMCHANGE)};
    hot.idNew = ID_TEST_BLUE;
    hot.dwFlags = HICF_MOUSE;
    SendMessageA(frame.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(frame.Status().Message(), "Paint it blue.");
    hot.dwFlags = HICF_MOUSE | HICF_LEAVING;
    SendMessageA(frame.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(frame.Status().Message(), "Ready");

    Rebar& bars = frame.Bars();
    const int oneRow = HeightOf(bars.Handle());
    EXPECT_EQ(ChildRect(outer.Handle()).top, oneRow);
    HWND second = CreateWindowExA(0, "STATIC", "Location", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                  bars.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(bars.AddBand(second, {200, 30}, RBBS_BREAK));
    EXPECT_EQ(bars.BandCount(), 2);
    const int twoRows = HeightOf(bars.Handle());
    EXPECT_GE(twoRows, oneRow + 30);
    EXPECT_EQ(ChildRect(outer.Handle()).top, twoRows);
    ASSERT_TRUE(bars.DeleteBand(second));
    EXPECT_EQ(bars.BandCount(), 1);
    EXPECT_EQ(HeightOf(bars.Handle()), oneRow);
    EXPECT_EQ(ChildRect(outer.Handle()).top, oneRow);
    DestroyWindow(second);
}

TEST_F(FrameTest, StatusPanesOfTheProgramReplaceTheKeyIndicators) {
    StatusBar& status = frame.Status();
    EXPECT_EQ(SendMessageA(status.Handle(), SB_GETPARTS, 0, 0), 4);
    status.SetPanes({100, 60});
    int edges[8] = {};
    ASSERT_EQ(SendMessageA(status.Handle(), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 3);
    RECT client;
    GetClientRect(status.Handle(), &client);
    EXPECT_EQ(edges[1], client.right - GetSystemMetrics(SM_CXVSCROLL) - 60);
    EXPECT_EQ(edges[0], edges[1] - 100);
    EXPECT_EQ(edges[2], -1);
    status.SetPaneText(1, "3 selected");
    status.SetPaneText(2, "12 KB");
    frame.OnIdle();  // no indicators to bring up to date
    EXPECT_EQ(status.PaneText(1), "3 selected");
    EXPECT_EQ(status.PaneText(2), "12 KB");
}

TEST_F(FrameTest, MenuPromptsMayUseTheWholeStatusBar) {
    HWND status = frame.Status().Handle();
    HMENU colour = GetSubMenu(GetMenu(frame.Handle()), 1);
    SendMessageA(frame.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(colour), 1);
    EXPECT_FALSE(SendMessageA(status, SB_ISSIMPLE, 0, 0));  // not asked for

    frame.SetWideMenuPrompts(true);
    SendMessageA(frame.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(colour), 1);
    EXPECT_TRUE(SendMessageA(status, SB_ISSIMPLE, 0, 0));
    SendMessageA(frame.Handle(), WM_MENUSELECT, MAKEWPARAM(ID_TEST_GREEN, MF_STRING),
                 reinterpret_cast<LPARAM>(colour));
    EXPECT_EQ(frame.Status().Message(), "Paint it green.");
    SendMessageA(frame.Handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_FALSE(SendMessageA(status, SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(frame.Status().Message(), "Ready");
    EXPECT_EQ(SendMessageA(status, SB_GETPARTS, 0, 0), 4);
}

TEST_F(FrameTest, NeverSmallerThanItsMinimum) {
    frame.SetMinimumSize({450, 300});
    SetWindowPos(frame.Handle(), nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOMOVE);
    RECT rect;
    GetWindowRect(frame.Handle(), &rect);
    EXPECT_EQ(rect.right - rect.left, 450);
    EXPECT_EQ(rect.bottom - rect.top, 300);
}

TEST_F(FrameTest, RightClickShowsThePopupDrawnWithTheToolbarImages) {
    EXPECT_FALSE(frame.SetContextMenu(999));
    ASSERT_TRUE(frame.SetContextMenu(IDR_TEST_POPUP));
    frame.Commands().Add(ID_TEST_GREEN, [] {});
    frame.Commands().Add(ID_TEST_YELLOW, [] {});
    std::vector<UINT> measured, drawn;
    int ticks = 0;
    frame.onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        if (message == WM_MEASUREITEM)
            measured.push_back(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemID);
        if (message == WM_DRAWITEM)
            drawn.push_back(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->itemID);
        // The menu is closed once it has been drawn and waits for the user.
        if ((message == WM_ENTERIDLE && wParam == MSGF_MENU && !drawn.empty()) ||
            (message == WM_TIMER && ++ticks > 50)) {
            EndMenu();
        }
        return false;
    };
    const UINT_PTR timer = SetTimer(frame.Handle(), 1, 100, nullptr);
    RECT window;
    GetWindowRect(frame.Handle(), &window);
    SendMessageA(outer.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(outer.Handle()),
                 MAKELPARAM(window.left + 100, window.top + 100));
    KillTimer(frame.Handle(), timer);
    frame.onMessage = nullptr;

    EXPECT_LE(ticks, 50) << "the menu never showed";
    for (UINT id : {ID_TEST_GREEN, ID_TEST_YELLOW, ID_TEST_UNHANDLED}) {
        EXPECT_TRUE(Contains(measured, id)) << id;
        EXPECT_TRUE(Contains(drawn, id)) << id;
    }
    // The frame made the popup's items available as the commands are.
    HMENU popup = frame.Menu().Popup(IDR_TEST_POPUP);
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(GetMenuState(popup, ID_TEST_GREEN, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(popup, ID_TEST_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED);
}

}  // namespace
