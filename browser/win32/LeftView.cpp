#include "browser/win32/LeftView.h"

#include <unordered_set>
#include <utility>

#include "app/TarvexDoc.h"
#include "browser/BrowserCommands.h"
#include "browser/FolderTreePlan.h"
#include "browser/win32/transfer/Clipboard.h"

namespace {

// Posted to the tree to start a drag it asked for.
constexpr UINT kStartDragMessage = WM_APP + 1;

HTREEITEM ItemOf(const RezFolder* folder) {
    return folder ? reinterpret_cast<HTREEITEM>(folder->treeItem) : nullptr;
}

}  // namespace

CLeftView::CLeftView(FolderTreeHost& host, FileTypeIcons& icons, const FileTypeImageLists& images)
    : host_(host), icons_(icons), images_(images), drops_(host.Document(), *this) {}

HWND CLeftView::CreateControl(HWND parent) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                               TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                           0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool CLeftView::Create(HWND parent, PaneHost&) {
    if (!ControlPane::Create(parent, host_))
        return false;
    Control().SetImageList(images_.Small());
    if (!treeHook_.Attach(Tree(), [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
            return OnTreeMessage(m, w, l, r);
        }))
        return false;
    // Without OLE the tree still works, with no drops.
    dropTarget_ = std::make_unique<DropTargetRegistration>(Tree(), dropEvents_);
    return true;
}

RezFolder* CLeftView::FolderOfItem(HTREEITEM item) const {
    return reinterpret_cast<RezFolder*>(Control().ItemData(item));
}

HTREEITEM CLeftView::Insert(HTREEITEM parent, RezFolder& folder, const char* imageKey,
                            const char* selectedKey) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(folder.name.c_str());
    insert.item.lParam = reinterpret_cast<LPARAM>(&folder);
    insert.item.iImage = icons_.IconIndexFor(imageKey);
    insert.item.iSelectedImage = icons_.IconIndexFor(selectedKey);
    return Control().InsertItem(insert);
}

void CLeftView::RebuildTree() {
    refilling_ = true;
    const TreeView tree = Control();
    tree.DeleteAllItems();
    std::vector<HTREEITEM> parents;
    std::unordered_set<HTREEITEM> sorted;
    for (const TreeFillItem& item : PlanTreeFill(host_.Document().Folders())) {
        HTREEITEM parent = item.parent ? ItemOf(item.parent) : TVI_ROOT;
        HTREEITEM inserted = Insert(parent, *item.folder, item.imageKey, item.selectedImageKey);
        item.folder->treeItem = reinterpret_cast<std::uintptr_t>(inserted);
        if (sorted.insert(parent).second)
            parents.push_back(parent);
    }
    // Each parent's children once, when all are in.
    for (HTREEITEM parent : parents)
        tree.SortChildren(parent);
    if (RezFolder* root = host_.Document().Root())
        tree.Expand(ItemOf(root));
    tree.Select(nullptr);
    refilling_ = false;
    UpdateWindow(Tree());
}

void CLeftView::SelectFolder(RezFolder* folder) {
    Control().Select(ItemOf(folder));
}

RezFolder* CLeftView::SelectedFolder() const {
    return FolderOfItem(Control().Selection());
}

void CLeftView::EditLabel(RezFolder* folder) {
    if (HTREEITEM item = ItemOf(folder)) {
        SetFocus(Tree());
        Control().EnsureVisible(item);
        Control().EditLabel(item);
    }
}

void CLeftView::FolderRenamed(RezFolder* folder) {
    HTREEITEM item = ItemOf(folder);
    if (item == nullptr)
        return;
    TVITEMA data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = const_cast<char*>(folder->name.c_str());
    Control().SetItem(data);
    if (HTREEITEM parent = Control().Parent(item))
        Control().SortChildren(parent);
}

RezFolder* CLeftView::FolderAt(DropPoint point) {
    return FolderOfItem(Control().HitTest({point.x, point.y}));
}

void CLeftView::HighlightDropFolder(RezFolder* folder) {
    HTREEITEM item = ItemOf(folder);
    if (Control().DropHighlight() != item)
        Control().SetDropHighlight(item);
}

RezFolder* CLeftView::DropHighlightFolder() {
    return FolderOfItem(Control().DropHighlight());
}

std::uintptr_t CLeftView::OwnerWindow() {
    // The progress window keeps the user away from the whole window while files are added.
    return reinterpret_cast<std::uintptr_t>(GetAncestor(Tree(), GA_ROOT));
}

void CLeftView::CopyFolderPayload() {
    PutPayloadOnClipboard(EncodeFolderPayload(SelectedFolder()));
}

void CLeftView::Paste() {
    const std::unique_ptr<OleTransferData> clipboard = ReadClipboard();
    if (clipboard && drops_.Paste(*clipboard) == FolderTreeDrops::PasteResult::PayloadUsed)
        EmptyClipboardData();
}

bool CLeftView::AddDroppedPaths(const std::vector<std::string>& paths) {
    return drops_.AddDroppedPaths(paths);
}

void CLeftView::BeginDrag(const NMTREEVIEWA& drag) {
    // The control still uses the dragged item once this notification returns, and a drop
    // refills the tree: the drag starts from the message queue instead.
    pendingDrag_ = std::make_unique<PendingDrag>();
    pendingDrag_->payload = EncodeFolderPayload(FolderOfItem(drag.itemNew.hItem));
    pendingDrag_->at = drag.ptDrag;
    PostMessageA(Tree(), kStartDragMessage, 0, 0);
}

bool CLeftView::OnTreeMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message == WM_DESTROY) {
        // OLE lets go of a drop target only while its window lives.
        dropTarget_.reset();
        return false;
    }
    if (message != kStartDragMessage)
        return false;
    if (const std::unique_ptr<PendingDrag> drag = std::move(pendingDrag_))
        DragPayload(drag->payload, Tree(), drag->at);
    result = 0;
    return true;
}

bool CLeftView::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != Tree())
        return false;
    switch (header.code) {
        case TVN_BEGINDRAGA:
            BeginDrag(reinterpret_cast<NMTREEVIEWA&>(header));
            result = 0;
            return true;
        case TVN_SELCHANGEDA: {
            if (!refilling_) {
                const auto& change = reinterpret_cast<NMTREEVIEWA&>(header);
                host_.TreeSelectionChanged(reinterpret_cast<RezFolder*>(change.itemNew.lParam));
            }
            return true;
        }
        case TVN_BEGINLABELEDITA:
            editing_ = true;
            result = FALSE;
            return true;
        case TVN_ENDLABELEDITA: {
            // One answer per edit: the edit box losing the focus as it goes may end it again.
            if (!std::exchange(editing_, false)) {
                result = FALSE;
                return true;
            }
            const TVITEMA& item = reinterpret_cast<NMTVDISPINFOA&>(header).item;
            RezFolder* folder = FolderOfItem(item.hItem);
            // No text: the edit was cancelled.
            result = item.pszText != nullptr && folder && host_.RenameFolder(folder, item.pszText);
            if (result)
                Control().SortChildrenLater(Control().Parent(item.hItem));
            return true;
        }
        case TVN_KEYDOWN: {
            const PaneKeyAction action =
                TreeKeyAction(reinterpret_cast<NMTVKEYDOWN&>(header).wVKey);
            if (action.focusOtherPane)
                host_.FocusNextPane(false);
            if (action.command != 0)
                host_.RunCommand(static_cast<unsigned>(action.command));
            result = 0;  // the control goes on with the key as usual
            return true;
        }
    }
    return false;
}
