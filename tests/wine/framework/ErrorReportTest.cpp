// What a handler throws never reaches the system: window, subclass and dialog procedures
// catch it and the program reports it.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "TestFrame.h"
#include "platform/win32/ui/ErrorReport.h"
#include "platform/win32/ui/ModalDialog.h"
#include "platform/win32/ui/Subclass.h"

namespace {

class ErrorReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetErrorReporter([this](const std::string& text) { reported.push_back(text); });
    }
    void TearDown() override { SetErrorReporter({}); }

    std::vector<std::string> reported;
};

TEST_F(ErrorReportTest, AFailingCommandIsReportedAndTheWindowGoesOn) {
    EditPane pane;
    TestFrame frame;
    ASSERT_TRUE(frame.Create(pane));
    int runs = 0;
    frame.Commands().Add(ID_TEST_RED, [] { throw std::runtime_error("the disk is on fire"); });
    frame.Commands().Add(ID_TEST_GREEN, [&] { ++runs; });
    frame.Commands().Add(ID_TEST_BLUE, [] { throw 42; });
    frame.Commands().Add(ID_TEST_YELLOW, [] { throw std::bad_alloc(); });

    EXPECT_EQ(SendMessageA(frame.Handle(), WM_COMMAND, ID_TEST_RED, 0), 0);
    SendMessageA(frame.Handle(), WM_COMMAND, ID_TEST_BLUE, 0);
    SendMessageA(frame.Handle(), WM_COMMAND, ID_TEST_YELLOW, 0);
    SendMessageA(frame.Handle(), WM_COMMAND, ID_TEST_GREEN, 0);
    EXPECT_EQ(reported, (std::vector<std::string>{
                            "An unexpected error occurred:\nthe disk is on fire",
                            "An unexpected error occurred.",
                            "There is not enough memory to carry out this command.",
                        }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(IsWindow(frame.Handle()));
}

TEST_F(ErrorReportTest, AFailingHookIsReportedAndTheControlStillGetsTheMessage) {
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    {
        Subclass hook;
        ASSERT_TRUE(hook.Attach(edit, [](UINT message, WPARAM, LPARAM, LRESULT&) -> bool {
            if (message == WM_CHAR)
                throw std::logic_error("hook failed");
            return false;
        }));
        SendMessageA(edit, WM_CHAR, 'k', 1);
    }
    char text[8] = "";
    GetWindowTextA(edit, text, sizeof(text));
    EXPECT_STREQ(text, "k");
    DestroyWindow(edit);
    EXPECT_EQ(reported, std::vector<std::string>{"An unexpected error occurred:\nhook failed"});
}

TEST_F(ErrorReportTest, AFailingDialogHandlerIsReported) {
    class Throwing : public ModalDialog {
      public:
        bool failInit = false;

      private:
        bool OnInit() override {
            if (failInit) {
                // Should the failure be missed, Cancel still ends the dialog.
                PostMessageA(Handle(), WM_COMMAND, IDCANCEL, 0);
                throw std::runtime_error("no set-up");
            }
            PostMessageA(Handle(), WM_COMMAND, IDC_TEST_PLAIN, 0);
            PostMessageA(Handle(), WM_COMMAND, IDOK, 0);
            return true;
        }
        bool OnCommand(WORD id, WORD, HWND) override {
            if (id == IDC_TEST_PLAIN)
                throw std::runtime_error("button failed");
            return false;
        }
    } dialog;
    EXPECT_EQ(dialog.Show(nullptr, IDD_TEST_DIALOG), IDOK);  // the dialog went on
    dialog.failInit = true;
    EXPECT_EQ(dialog.Show(nullptr, IDD_TEST_DIALOG), -1);
    EXPECT_EQ(reported, (std::vector<std::string>{
                            "An unexpected error occurred:\nbutton failed",
                            "An unexpected error occurred:\nno set-up",
                        }));
}

}  // namespace
