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

CLeftView::CLeftView(CTarvexDoc& doc, FileTypeIcons& icons)
    : folders_(doc.Folders()), icons_(icons), drops_(doc, *this) {}

HWND CLeftView::CreateControl(HWND parent) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                               TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                           0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool CLeftView::Create(HWND parent, PaneHost& host) {
    if (!ControlPane::Create(parent, host))
        return false;
    if (!treeHook_.Attach(Tree(), [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
            return OnTreeMessage(m, w, l, r);
        })) {
        return false;
    }
    // Without OLE the tree still works, with no drops.
    dropTarget_ = std::make_unique<DropTargetRegistration>(Tree(), dropEvents_);
    return true;
}

RezFolder* CLeftView::FolderOfItem(HWND tree, HTREEITEM item) {
    if (item == nullptr)
        return nullptr;
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!TreeView_GetItem(tree, &data))
        return nullptr;
    return reinterpret_cast<RezFolder*>(data.lParam);
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
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(Tree(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void CLeftView::RebuildTree() {
    refilling_ = true;
    TreeView_DeleteAllItems(Tree());
    std::vector<HTREEITEM> parents;
    std::unordered_set<HTREEITEM> sorted;
    for (const TreeFillItem& item : PlanTreeFill(folders_)) {
        HTREEITEM parent = item.parent ? ItemOf(item.parent) : TVI_ROOT;
        HTREEITEM inserted = Insert(parent, *item.folder, item.imageKey, item.selectedImageKey);
        item.folder->treeItem = reinterpret_cast<std::uintptr_t>(inserted);
        if (sorted.insert(parent).second)
            parents.push_back(parent);
    }
    // Each parent's children once, when all are in.
    for (HTREEITEM parent : parents)
        TreeView_SortChildren(Tree(), parent, FALSE);
    if (RezFolder* root = folders_.Root())
        TreeView_Expand(Tree(), ItemOf(root), TVE_EXPAND);
    TreeView_SelectItem(Tree(), nullptr);
    refilling_ = false;
    UpdateWindow(Tree());
}

void CLeftView::SelectFolder(RezFolder* folder) {
    TreeView_SelectItem(Tree(), ItemOf(folder));
}

RezFolder* CLeftView::SelectedFolder() const {
    return FolderOfItem(Tree(), TreeView_GetSelection(Tree()));
}

void CLeftView::EditLabel(RezFolder* folder) {
    if (HTREEITEM item = ItemOf(folder)) {
        SetFocus(Tree());
        TreeView_EnsureVisible(Tree(), item);
        TreeView_EditLabel(Tree(), item);
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
    SendMessageA(Tree(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    if (HTREEITEM parent = TreeView_GetParent(Tree(), item))
        TreeView_SortChildren(Tree(), parent, FALSE);
}

RezFolder* CLeftView::FolderAt(DropPoint point) {
    TVHITTESTINFO hit{};
    hit.pt = {point.x, point.y};
    return FolderOfItem(Tree(), TreeView_HitTest(Tree(), &hit));
}

void CLeftView::HighlightDropFolder(RezFolder* folder) {
    HTREEITEM item = ItemOf(folder);
    if (TreeView_GetDropHilight(Tree()) != item)
        TreeView_SelectDropTarget(Tree(), item);
}

RezFolder* CLeftView::DropHighlightFolder() {
    return FolderOfItem(Tree(), TreeView_GetDropHilight(Tree()));
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
    pendingDrag_->payload = EncodeFolderPayload(FolderOfItem(Tree(), drag.itemNew.hItem));
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
            if (!refilling_ && onSelectionChanged) {
                const auto& change = reinterpret_cast<NMTREEVIEWA&>(header);
                onSelectionChanged(reinterpret_cast<RezFolder*>(change.itemNew.lParam));
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
            RezFolder* folder = FolderOfItem(Tree(), item.hItem);
            // No text: the edit was cancelled.
            result =
                item.pszText != nullptr && folder && onRename && onRename(folder, item.pszText);
            if (result)
                PostMessageA(Tree(), TVM_SORTCHILDREN, FALSE,
                             reinterpret_cast<LPARAM>(TreeView_GetParent(Tree(), item.hItem)));
            return true;
        }
        case TVN_KEYDOWN: {
            const PaneKeyAction action =
                TreeKeyAction(reinterpret_cast<NMTVKEYDOWN&>(header).wVKey);
            if (action.focusOtherPane)
                Host()->FocusNextPane(false);
            if (action.command != 0)
                Host()->RunCommand(static_cast<unsigned>(action.command));
            result = 0;  // the control goes on with the key as usual
            return true;
        }
    }
    return false;
}
