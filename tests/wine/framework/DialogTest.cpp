// Dialogs from the test templates: a modal dialog with its OK and Cancel hooks, commands
// of bound controls handed to their wrappers, and a page inside a host dialog.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/TestResources.h"
#include "platform/win32/ui/ChildDialog.h"
#include "platform/win32/ui/ControlEvents.h"
#include "platform/win32/ui/ModalDialog.h"

namespace {

std::string ItemText(HWND item) {
    char text[128] = "";
    GetWindowTextA(item, text, sizeof(text));
    return text;
}

void Post(HWND dialog, WORD command) {
    PostMessageA(dialog, WM_COMMAND, command, 0);
}

// The wrapper of the "Bound" button: its clicks and notifications come here instead of the
// dialog.
class ButtonEvents : public ControlEvents {
  public:
    std::vector<WORD> codes;
    std::vector<UINT> notified;
    bool OnCommand(WORD code, HWND, LRESULT&) override {
        codes.push_back(code);
        return true;
    }
    bool OnNotify(NMHDR& header, LRESULT& result) override {
        notified.push_back(header.code);
        result = 5;
        return true;
    }
};

// Types into the edit box, clicks both buttons, then asks for OK; OK is refused as often as
// it is told to.
class TypingDialog : public ModalDialog {
  public:
    int refusals = 0;
    int oks = 0;
    LRESULT notifyResult = 0;
    std::string typed;
    std::vector<WORD> commands;  // what reached OnCommand
    ButtonEvents bound;

  private:
    bool OnInit() override {
        binding_.Bind(Item(IDC_TEST_BOUND), bound);
        NMHDR header{Item(IDC_TEST_BOUND), IDC_TEST_BOUND, NM_SETFOCUS};
        notifyResult =
            SendMessageA(Handle(), WM_NOTIFY, IDC_TEST_BOUND, reinterpret_cast<LPARAM>(&header));
        SetWindowTextA(Item(IDC_TEST_EDIT), "typed in");
        PostMessageA(Item(IDC_TEST_BOUND), BM_CLICK, 0, 0);
        PostMessageA(Item(IDC_TEST_PLAIN), BM_CLICK, 0, 0);
        Post(Handle(), IDOK);
        return true;
    }
    bool OnCommand(WORD id, WORD code, HWND) override {
        if (id == IDC_TEST_PLAIN && code == BN_CLICKED)
            commands.push_back(id);
        return id == IDC_TEST_PLAIN;
    }
    bool OnOk() override {
        ++oks;
        typed = ItemText(Item(IDC_TEST_EDIT));
        if (refusals-- > 0) {
            Post(Handle(), IDOK);
            return false;
        }
        return true;
    }

    ControlBinding binding_;
};

TEST(ModalDialog, EndsWithOkWhenOnOkAgreesAndHandsControlCommandsToTheirWrappers) {
    TypingDialog dialog;
    dialog.refusals = 1;
    EXPECT_EQ(dialog.Show(nullptr, IDD_TEST_DIALOG), IDOK);
    EXPECT_EQ(dialog.oks, 2);
    EXPECT_EQ(dialog.typed, "typed in");
    EXPECT_EQ(dialog.bound.codes, std::vector<WORD>{BN_CLICKED});
    EXPECT_EQ(dialog.bound.notified, std::vector<UINT>{NM_SETFOCUS});
    EXPECT_EQ(dialog.notifyResult, 5);  // the wrapper's answer is the dialog's
    EXPECT_EQ(dialog.commands, std::vector<WORD>{IDC_TEST_PLAIN});
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(ModalDialog, CancelAndFailedSetUp) {
    class Cancelled : public ModalDialog {
      public:
        bool cancelled = false;
        bool OnInit() override {
            Post(Handle(), IDCANCEL);
            return true;
        }
        bool OnCancel() override { return cancelled = true; }
    } cancelled;
    EXPECT_EQ(cancelled.Show(nullptr, IDD_TEST_DIALOG), IDCANCEL);
    EXPECT_TRUE(cancelled.cancelled);

    class Failing : public ModalDialog {
        bool OnInit() override { return false; }
    } failing;
    EXPECT_EQ(failing.Show(nullptr, IDD_TEST_DIALOG), -1);
    ModalDialog missing;
    EXPECT_EQ(missing.Show(nullptr, 999), -1);
}

// A page with an edit box and a button, shown over the host's placeholder.
class Page : public ChildDialog {
  public:
    bool refuse = false;
    std::vector<WORD> clicks;

  private:
    bool OnInit() override {
        SetWindowTextA(Item(IDC_TEST_EDIT), "page text");
        return !refuse;
    }
    bool OnCommand(WORD id, WORD code, HWND) override {
        if (id == IDC_TEST_PLAIN && code == BN_CLICKED)
            clicks.push_back(id);
        return id == IDC_TEST_PLAIN;
    }
};

class HostDialog : public ModalDialog {
  public:
    Page page;
    bool created = false;
    HWND pageAfterCreate = nullptr;
    RECT area{}, placed{};
    std::string pageText;
    HWND pageParent = nullptr;

  private:
    bool OnInit() override {
        Post(Handle(), IDOK);
        created = page.Create(Handle(), IDD_TEST_PAGE);
        pageAfterCreate = page.Handle();
        if (!created)
            return true;
        page.PlaceOver(Item(IDC_TEST_PAGE_AREA));
        page.Show(true);
        GetWindowRect(Item(IDC_TEST_PAGE_AREA), &area);
        GetWindowRect(page.Handle(), &placed);
        pageParent = GetParent(page.Handle());
        PostMessageA(page.Item(IDC_TEST_PLAIN), BM_CLICK, 0, 0);
        return true;
    }
    bool OnOk() override {
        // The click was posted after OK: let it arrive first.
        if (created && page.clicks.empty()) {
            Post(Handle(), IDOK);
            return false;
        }
        pageText = ItemText(page.Item(IDC_TEST_EDIT));
        return true;
    }
};

TEST(ChildDialog, PageLivesInsideItsHostOverThePlaceholder) {
    HostDialog host;
    EXPECT_EQ(host.Show(nullptr, IDD_TEST_HOST), IDOK);
    ASSERT_TRUE(host.created);
    EXPECT_TRUE(EqualRect(&host.area, &host.placed));
    EXPECT_GT(host.placed.right - host.placed.left, 100);
    EXPECT_EQ(host.pageText, "page text");
    EXPECT_EQ(host.page.clicks, std::vector<WORD>{IDC_TEST_PLAIN});
    EXPECT_NE(host.pageParent, nullptr);
    EXPECT_EQ(host.page.Handle(), nullptr);  // gone with its host
}

TEST(ChildDialog, APageThatCannotBeSetUpIsNotCreated) {
    HostDialog host;
    host.page.refuse = true;
    EXPECT_EQ(host.Show(nullptr, IDD_TEST_HOST), IDOK);
    EXPECT_FALSE(host.created);
    EXPECT_EQ(host.pageAfterCreate, nullptr);
}

}  // namespace
