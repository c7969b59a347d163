// Hooks on one control through the subclass chain: each with its own identifier, so that
// several run on the same control, the newest first.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/ui/Subclass.h"

namespace {

class SubclassTest : public ::testing::Test {
  protected:
    void SetUp() override {
        edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(edit, nullptr);
    }
    void TearDown() override {
        if (IsWindow(edit))
            DestroyWindow(edit);
    }

    // A hook that writes its name for every WM_CHAR and lets it go on.
    Subclass::Handler Recorder(char name) {
        return [this, name](UINT message, WPARAM, LPARAM, LRESULT&) {
            if (message == WM_CHAR)
                calls += name;
            return false;
        };
    }
    std::string Text() {
        char text[64] = "";
        GetWindowTextA(edit, text, sizeof(text));
        return text;
    }
    void Type(char key) { SendMessageA(edit, WM_CHAR, key, 1); }

    HWND edit = nullptr;
    std::string calls;
};

TEST_F(SubclassTest, TwoHooksOnOneControlBothRunNewestFirst) {
    Subclass first, second;
    ASSERT_TRUE(first.Attach(edit, Recorder('a')));
    ASSERT_TRUE(second.Attach(edit, Recorder('b')));
    Type('x');
    EXPECT_EQ(calls, "ba");
    EXPECT_EQ(Text(), "x");

    second.Detach();
    EXPECT_FALSE(second.Attached());
    Type('y');
    EXPECT_EQ(calls, "baa");
    EXPECT_EQ(Text(), "xy");
    first.Detach();
    Type('z');
    EXPECT_EQ(calls, "baa");
    EXPECT_EQ(Text(), "xyz");
}

TEST_F(SubclassTest, AHookThatHandlesAMessageEndsItsWayOrPassesItOnItself) {
    Subclass first, second;
    ASSERT_TRUE(first.Attach(edit, Recorder('a')));
    bool passOn = false;
    ASSERT_TRUE(second.Attach(edit, [&](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& r) {
        if (message != WM_CHAR)
            return false;
        calls += 'b';
        r = passOn ? second.CallNext(message, wParam, lParam) : 0;
        return true;
    }));
    Type('x');
    EXPECT_EQ(calls, "b");
    EXPECT_EQ(Text(), "");
    passOn = true;
    Type('y');
    EXPECT_EQ(calls, "bba");
    EXPECT_EQ(Text(), "y");
}

TEST_F(SubclassTest, HooksLetGoOfAControlThatIsDestroyed) {
    Subclass first, second;
    ASSERT_TRUE(first.Attach(edit, Recorder('a')));
    ASSERT_TRUE(second.Attach(edit, Recorder('b')));
    DestroyWindow(edit);
    EXPECT_FALSE(first.Attached());
    EXPECT_FALSE(second.Attached());

    // A hook may be attached again, to another control.
    SetUp();
    ASSERT_TRUE(first.Attach(edit, Recorder('c')));
    Type('q');
    EXPECT_EQ(calls, "c");
}

}  // namespace
