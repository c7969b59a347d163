// The drop-target adaptor and the drag source under Wine's OLE: calls forwarded in client
// coordinates with the effects held to what the source allows, nothing escaping, real
// DoDragDrop drags of payloads and shell drop lists onto the panes' rules, and Paste.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "TransferSupport.h"
#include "browser/PaneDropScene.h"
#include "browser/win32/transfer/Clipboard.h"
#include "browser/win32/transfer/DropSource.h"
#include "browser/win32/transfer/PaneDropEvents.h"

namespace {

using namespace transfer_test;

constexpr POINT kWindowAt = {100, 100};

// A plain popup window to drop on; its client area starts at kWindowAt on the screen.
class TargetWindow {
  public:
    TargetWindow() {
        WNDCLASSA kind{};
        kind.lpfnWndProc = DefWindowProcA;
        kind.hInstance = GetModuleHandleA(nullptr);
        kind.lpszClassName = "TarvexDropTestWindow";
        RegisterClassA(&kind);
        window_ = CreateWindowExA(0, kind.lpszClassName, "", WS_POPUP | WS_VISIBLE, kWindowAt.x,
                                  kWindowAt.y, 300, 200, nullptr, nullptr, kind.hInstance, nullptr);
    }
    ~TargetWindow() { DestroyWindow(window_); }
    HWND Get() const { return window_; }
    // Moves the window so that its client point (x, y) lies under the mouse pointer. Moving
    // the pointer instead would queue mouse input that a later drag could still find.
    void PutUnderPointer(int x, int y) {
        POINT pointer;
        GetCursorPos(&pointer);
        SetWindowPos(window_, HWND_TOP, pointer.x - x, pointer.y - y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
    }

  private:
    HWND window_;
};

// Records what reached it and answers with a set effect.
class RecordingEvents : public DropTargetEvents {
  public:
    DropEffect answer = DropEffect::Move;
    bool fail = false;
    std::vector<std::string> calls;
    std::vector<std::uint8_t> droppedPayload;
    SourceEffects dropAllowed;

    DropEffect OnDragEnter(TransferData& data, DropPoint point, bool ctrl) override {
        return Record("enter", data, point, ctrl);
    }
    DropEffect OnDragOver(TransferData& data, DropPoint point, bool ctrl) override {
        return Record("over", data, point, ctrl);
    }
    void OnDragLeave() override { calls.push_back("leave"); }
    DropEffect OnDrop(TransferData& data, DropPoint point, bool ctrl,
                      SourceEffects allowed) override {
        droppedPayload = data.MovePayload();
        dropAllowed = allowed;
        return Record("drop", data, point, ctrl);
    }

  private:
    DropEffect Record(const char* what, TransferData& data, DropPoint point, bool ctrl) {
        if (fail)
            throw std::runtime_error("pane failed");
        calls.push_back(std::string(what) + " " + std::to_string(point.x) + "," +
                        std::to_string(point.y) + (ctrl ? " ctrl" : "") +
                        (data.OffersMovePayload() ? " payload" : "") +
                        (data.OffersShellFiles() ? " files" : ""));
        return answer;
    }
};

struct DropTargetTest : ::testing::Test {
    OleScope ole;
    TargetWindow window;
    RecordingEvents events;
    const std::vector<std::uint8_t> bytes = {9, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                             0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    void SetUp() override {
        ASSERT_TRUE(ole.Succeeded());
        ASSERT_NE(window.Get(), nullptr);
    }
};

TEST_F(DropTargetTest, CallsArriveInClientCoordinatesWithTheCtrlKey) {
    const ComPtr<DropTargetAdaptor> adaptor = Make<DropTargetAdaptor>(window.Get(), events);
    const ComPtr<DataSource> data = SourceWith(MovePayloadFormat(), bytes);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(adaptor->DragEnter(data.Get(), MK_LBUTTON, {150, 130}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(adaptor->DragOver(MK_LBUTTON | MK_CONTROL, {101, 299}, &effect), S_OK);
    EXPECT_EQ(adaptor->DragLeave(), S_OK);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    const ComPtr<DataSource> files = DroppedFiles({"C:\\a"});
    EXPECT_EQ(adaptor->Drop(files.Get(), 0, {99, 100}, &effect), S_OK);
    EXPECT_EQ(events.calls,
              (std::vector<std::string>{"enter 50,30 payload", "over 1,199 ctrl payload", "leave",
                                        "drop -1,0 files"}));
}

TEST_F(DropTargetTest, TheEffectIsHeldToWhatTheSourceAllows) {
    const ComPtr<DropTargetAdaptor> adaptor = Make<DropTargetAdaptor>(window.Get(), events);
    const ComPtr<DataSource> data = SourceWith(MovePayloadFormat(), bytes);
    DWORD effect = DROPEFFECT_COPY;  // the pane wants a move; a copy ends the same way
    adaptor->DragEnter(data.Get(), 0, {100, 100}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    events.answer = DropEffect::Copy;
    effect = DROPEFFECT_MOVE;
    adaptor->DragOver(0, {100, 100}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE));
    effect = DROPEFFECT_LINK;
    adaptor->DragOver(0, {100, 100}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    events.answer = DropEffect::None;
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    adaptor->Drop(data.Get(), 0, {100, 100}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));

    // Disk files are never moved: a source that allows only a move gets no drop.
    const ComPtr<DataSource> files = DroppedFiles({"C:\\a"});
    events.answer = DropEffect::Copy;
    effect = DROPEFFECT_MOVE;
    adaptor->DragEnter(files.Get(), 0, {100, 100}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_MOVE;
    adaptor->DragOver(0, {100, 100}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_MOVE;
    adaptor->Drop(files.Get(), 0, {100, 100}, &effect);
    EXPECT_FALSE(events.dropAllowed.copy);
    EXPECT_TRUE(events.dropAllowed.move);
}

TEST_F(DropTargetTest, NothingEscapesTheAdaptorAndAfterDisconnectNothingArrives) {
    const ComPtr<DropTargetAdaptor> adaptor = Make<DropTargetAdaptor>(window.Get(), events);
    const ComPtr<DataSource> data = SourceWith(MovePayloadFormat(), bytes);
    DWORD effect = DROPEFFECT_MOVE;
    EXPECT_EQ(adaptor->DragOver(0, {100, 100}, &effect), S_OK);  // no drag entered
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(events.calls.empty());
    events.fail = true;
    effect = DROPEFFECT_MOVE;
    EXPECT_EQ(adaptor->DragEnter(data.Get(), 0, {100, 100}, &effect), E_UNEXPECTED);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    effect = DROPEFFECT_MOVE;
    EXPECT_EQ(adaptor->Drop(data.Get(), 0, {100, 100}, &effect), E_UNEXPECTED);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(adaptor->DragEnter(data.Get(), 0, {100, 100}, nullptr), E_POINTER);
    events.fail = false;
    adaptor->Disconnect();
    effect = DROPEFFECT_MOVE;
    EXPECT_EQ(adaptor->DragEnter(data.Get(), 0, {100, 100}, &effect), S_OK);
    EXPECT_EQ(adaptor->Drop(data.Get(), 0, {100, 100}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_TRUE(events.calls.empty());
}

TEST_F(DropTargetTest, ARegistrationLastsAsLongAsItsOwner) {
    {
        const DropTargetRegistration registration(window.Get(), events);
        EXPECT_TRUE(registration.Registered());
        const ComPtr<DropTargetAdaptor> other = Make<DropTargetAdaptor>(window.Get(), events);
        EXPECT_EQ(RegisterDragDrop(window.Get(), other.Get()), DRAGDROP_E_ALREADYREGISTERED);
    }
    const ComPtr<DropTargetAdaptor> again = Make<DropTargetAdaptor>(window.Get(), events);
    EXPECT_EQ(RegisterDragDrop(window.Get(), again.Get()), S_OK);
    RevokeDragDrop(window.Get());
}

TEST_F(DropTargetTest, ADragWithNoButtonHeldDropsWhereThePointerIs) {
    const DropTargetRegistration registration(window.Get(), events);
    ASSERT_TRUE(registration.Registered());
    window.PutUnderPointer(40, 25);
    EXPECT_EQ(DragPayload(bytes), DropEffect::Move);
    ASSERT_FALSE(events.calls.empty());
    EXPECT_EQ(events.calls.front(), "enter 40,25 payload");
    EXPECT_EQ(events.calls.back(), "drop 40,25 payload");
    EXPECT_EQ(std::vector<std::uint8_t>(events.droppedPayload.begin(),
                                        events.droppedPayload.begin() + bytes.size()),
              bytes);
    events.answer = DropEffect::None;
    EXPECT_EQ(DragPayload(bytes), DropEffect::None);
    // With the drag image asked for: drawn where the system can, and the drag the same.
    events.answer = DropEffect::Copy;
    events.calls.clear();
    EXPECT_EQ(DragPayload(bytes, window.Get(), {40, 25}), DropEffect::Copy);
    EXPECT_EQ(events.calls.back(), "drop 40,25 payload");
}

TEST(DropSource, DropsWhenTheButtonIsLetGoAndStopsAtEscape) {
    const ComPtr<DropSource> left = Make<DropSource>();
    EXPECT_EQ(left->QueryContinueDrag(FALSE, MK_LBUTTON), S_OK);
    EXPECT_EQ(left->QueryContinueDrag(FALSE, MK_CONTROL), DRAGDROP_S_DROP);
    EXPECT_EQ(left->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    const ComPtr<DropSource> right = Make<DropSource>(MK_RBUTTON);
    EXPECT_EQ(right->QueryContinueDrag(FALSE, MK_RBUTTON), S_OK);
    EXPECT_EQ(right->QueryContinueDrag(FALSE, MK_LBUTTON), DRAGDROP_S_DROP);
    EXPECT_EQ(left->GiveFeedback(DROPEFFECT_MOVE), DRAGDROP_S_USEDEFAULTCURSORS);
}

// The panes' rules behind real OLE drags, with stand-ins for the controls.
struct PaneDragTest : DropTargetTest, PaneDropScene<AppTestHost> {
    TreeDropEvents treeEvents{treeDrops};
    ListDropEvents listEvents{listDrops};

    void SetUp() override {
        DropTargetTest::SetUp();
        BuildScene();
    }
    // Drags data and drops it at the given client row of the window.
    DropEffect DragTo(IDataObject* data, int y) {
        window.PutUnderPointer(10, y);
        return RunDrag(data);
    }
};

TEST_F(PaneDragTest, ATreeFolderDraggedOntoASiblingMovesAndOntoItsParentIsRefused) {
    const DropTargetRegistration registration(window.Get(), treeEvents);
    const ComPtr<DataSource> drag = SourceWith(MovePayloadFormat(), EncodeFolderPayload(dm));
    EXPECT_EQ(DragTo(drag.Get(), 1), DropEffect::None);  // MAPS, its own parent
    EXPECT_EQ(dm->parent, maps);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(DragTo(drag.Get(), 3), DropEffect::Move);  // Art, a sibling of MAPS
    EXPECT_EQ(dm->parent, art);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(tree.highlighted, nullptr);
}

TEST_F(PaneDragTest, MoreThan255EntriesDraggedFromTheListOntoAFolderRowMoveTogether) {
    std::vector<const RezEntry*> selected;
    for (int i = 0; i < 300; ++i) {
        RezEntry entry;
        entry.name = std::to_string(i) + ".dtx";
        entry.dataPosition = 1;
        maps->entries.push_back(entry);
        selected.push_back(&maps->entries.back());
    }
    rows.ShowFolder(maps);  // row 0: DM, then the entries
    const DropTargetRegistration registration(window.Get(), listEvents);
    const ComPtr<DataSource> drag =
        SourceWith(MovePayloadFormat(), EncodeSelectionPayload({}, maps, selected));
    EXPECT_EQ(DragTo(drag.Get(), 0), DropEffect::Copy);
    EXPECT_EQ(dm->entries.size(), 300u);
    EXPECT_TRUE(maps->entries.empty());
    EXPECT_TRUE(list.Highlighted().empty());
}

TEST_F(PaneDragTest, ShellFilesDroppedOnTheTreeComeFirstThenFolders) {
    const std::string rez = dir.Write("drop/x.rez", "r");
    const std::string text = dir.Write("drop/readme.txt", "t");
    dir.Write("drop/Sub/inner.dat", "i");
    const DropTargetRegistration registration(window.Get(), treeEvents);
    EXPECT_EQ(DragTo(DroppedFiles({rez}).Get(), 3), DropEffect::Copy);  // a lone .rez: opened
    doc.FinishJobs();
    EXPECT_EQ(host.completedPaths, std::vector<std::string>{rez});
    BuildScene();
    EXPECT_EQ(DragTo(DroppedFiles({dir.Path("drop/Sub"), rez, text}).Get(), 3), DropEffect::Copy);
    ASSERT_EQ(art->entries.size(), 2u);
    EXPECT_EQ(ItemNameOf(art->entries.front()), "x.rez");
    EXPECT_EQ(ItemNameOf(art->entries.back()), "readme.txt");
    RezFolder* sub = doc.Folders().FindFolderByPath("Art\\Sub", false);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->entries.size(), 1u);
}

TEST_F(PaneDragTest, CopyThenPasteMovesAndASecondPasteFindsNothing) {
    tree.selected = art;
    ASSERT_TRUE(PutPayloadOnClipboard(EncodeFolderPayload(maps)));
    EXPECT_TRUE(ClipboardOffers().movePayload);
    std::unique_ptr<OleTransferData> clip = ReadClipboard();
    ASSERT_NE(clip, nullptr);
    ASSERT_EQ(treeDrops.Paste(*clip), FolderTreeDrops::PasteResult::PayloadUsed);
    EmptyClipboardData();
    EXPECT_EQ(maps->parent, art);
    EXPECT_EQ(doc.Folders().Size(), 4u);  // moved, not copied
    EXPECT_FALSE(ClipboardOffers().movePayload);
    std::unique_ptr<OleTransferData> again = ReadClipboard();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(treeDrops.Paste(*again), FolderTreeDrops::PasteResult::Nothing);
}

}  // namespace
