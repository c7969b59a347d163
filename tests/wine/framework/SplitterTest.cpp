// The splitter inside a frame: both panes between the bars, resizing, the bar dragged by
// mouse messages.
#include <windows.h>

#include <gtest/gtest.h>

#include "TestFrame.h"
#include "platform/win32/ui/SplitterPane.h"

namespace {

class SplitterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create(splitter));
        Resize(640);
    }

    void Resize(int width) {
        SetWindowPos(frame.Handle(), nullptr, 0, 0, width, 420, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT Client(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        return client;
    }
    void Mouse(UINT message, int x) {
        SendMessageA(splitter.Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM(x, 10));
    }
    LONG LeftWidth() { return ChildRect(left.Handle()).right; }

    EditPane left, right;
    SplitterPane splitter{left, right, SplitterLayout(200, 50, 80)};
    TestFrame frame;
};

TEST_F(SplitterTest, LaysOutBothPanesBetweenTheBars) {
    const RECT frameClient = Client(frame.Handle());
    const int top = HeightOf(frame.Bars().Handle());
    const int bottom = frameClient.bottom - HeightOf(frame.Status().Handle());
    ASSERT_GT(top, 0);
    EXPECT_EQ(ChildRect(splitter.Handle()), Rect(0, top, frameClient.right, bottom));
    const RECT client = Client(splitter.Handle());
    EXPECT_EQ(ChildRect(left.Handle()), Rect(0, 0, 200, client.bottom));
    EXPECT_EQ(ChildRect(right.Handle()), Rect(205, 0, client.right, client.bottom));
    EXPECT_EQ(GetParent(left.Handle()), splitter.Handle());
    EXPECT_EQ(GetParent(right.Handle()), splitter.Handle());
}

TEST_F(SplitterTest, ResizingKeepsTheLeftWidthWhileTheRightPaneHasItsMinimum) {
    Resize(300);
    RECT client = Client(splitter.Handle());
    ASSERT_GE(client.right, 285);  // 200 + 5 + 80 still fit
    EXPECT_EQ(ChildRect(left.Handle()), Rect(0, 0, 200, client.bottom));

    Resize(250);
    client = Client(splitter.Handle());
    ASSERT_LT(client.right, 285);
    EXPECT_EQ(ChildRect(left.Handle()), Rect(0, 0, client.right - 85, client.bottom));
    EXPECT_EQ(ChildRect(right.Handle()), Rect(client.right - 80, 0, client.right, client.bottom));

    Resize(700);
    client = Client(splitter.Handle());
    EXPECT_EQ(ChildRect(left.Handle()), Rect(0, 0, 200, client.bottom));
    EXPECT_EQ(ChildRect(right.Handle()), Rect(205, 0, client.right, client.bottom));
}

TEST_F(SplitterTest, BarFollowsTheMouseFromWhereItWasTaken) {
    Mouse(WM_LBUTTONDOWN, 202);
    Mouse(WM_MOUSEMOVE, 302);
    EXPECT_EQ(LeftWidth(), 300);
    EXPECT_EQ(ChildRect(right.Handle()).left, 305);
    Mouse(WM_LBUTTONUP, 302);
    Mouse(WM_MOUSEMOVE, 400);  // the button is up: nothing moves
    EXPECT_EQ(LeftWidth(), 300);

    Mouse(WM_LBUTTONDOWN, 250);  // beside the bar
    Mouse(WM_MOUSEMOVE, 350);
    EXPECT_EQ(LeftWidth(), 300);
    Mouse(WM_LBUTTONUP, 350);

    // Dragged past what fits, the bar stops where the right pane keeps its minimum.
    const LONG width = Client(splitter.Handle()).right;
    Mouse(WM_LBUTTONDOWN, 300);
    Mouse(WM_MOUSEMOVE, width + 50);
    EXPECT_EQ(LeftWidth(), width - 85);
    Mouse(WM_MOUSEMOVE, 0);
    EXPECT_EQ(LeftWidth(), 50);
    Mouse(WM_LBUTTONUP, 0);
    EXPECT_EQ(splitter.Layout().PreferredLeft(), 50);

    splitter.SetLeftWidth(120);
    EXPECT_EQ(LeftWidth(), 120);
    EXPECT_EQ(ChildRect(right.Handle()).left, 125);
}

TEST(SplitterPane, FailsAndGoesWhenAPaneCannotBeCreated) {
    class NoPane : public ControlPane {
        HWND CreateControl(HWND) override { return nullptr; }
    };
    EditPane left;
    NoPane right;
    SplitterPane splitter(left, right, SplitterLayout(200));
    TestFrame frame;
    EXPECT_FALSE(frame.Create(splitter));
    EXPECT_EQ(splitter.Handle(), nullptr);
}

}  // namespace
