#include "browser/win32/TarvexView.h"

#include "app/TarvexDoc.h"
#include "browser/BrowserCommands.h"
#include "browser/ListLabelEdit.h"
#include "browser/win32/transfer/Clipboard.h"

namespace {

DWORD StyleOf(ViewMode mode) {
    // The stored view modes are the list's own style values.
    static_assert(static_cast<int>(ViewMode::LargeIcons) == LVS_ICON &&
                  static_cast<int>(ViewMode::Details) == LVS_REPORT &&
                  static_cast<int>(ViewMode::SmallIcons) == LVS_SMALLICON &&
                  static_cast<int>(ViewMode::List) == LVS_LIST);
    return static_cast<DWORD>(mode);
}

}  // namespace

HWND CTarvexView::CreateControl(HWND parent) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_SHOWSELALWAYS | LVS_OWNERDATA |
                               LVS_EDITLABELS | StyleOf(mode_),
                           0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool CTarvexView::Create(HWND parent, PaneHost&) {
    if (!ControlPane::Create(parent, host_))
        return false;
    const ListView list = Control();
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    list.SetCallbackMask(LVIS_DROPHILITED);
    list.SetImageList(images_.Small(), LVSIL_SMALL);
    list.SetImageList(images_.Large(), LVSIL_NORMAL);
    pictures_.Attach(List());
    columns_.Insert(list);
    header_.Attach(list.Header());
    if (!listHook_.Attach(List(), [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
            return OnListMessage(m, w, l, r);
        }))
        return false;
    // Without OLE the list still works, with no drops.
    dropTarget_ = std::make_unique<DropTargetRegistration>(List(), dropEvents_);
    rows_.SetSortColumn(static_cast<int>(ListColumn::Name), true);
    header_.SetSortColumn(rows_.SortColumn(), rows_.SortAscending());
    return true;
}

void CTarvexView::MatchColumns() {
    if (!columns_.Match(Control(), rows_.ShowsFound()))
        return;
    header_.Attach(header_.Handle());  // the new column drawn as the others
    header_.SetSortColumn(rows_.SortColumn(), rows_.SortAscending());
}

void CTarvexView::ShowFolder(RezFolder* folder) {
    if (folder != rows_.ShownFolder() || rows_.ShowsFound())
        DeselectAll();
    rows_.ShowFolder(folder);
    MatchColumns();
    ShowRows();
}

void CTarvexView::ShowFound(std::vector<std::string> patterns) {
    DeselectAll();
    rows_.ShowFound(host_.Document().Folders(), std::move(patterns));
    MatchColumns();
    ShowRows();
}

void CTarvexView::RefreshList() {
    rows_.RefreshList();
    ShowRows();
}

void CTarvexView::ShowRows() {
    ++selectionVersion_;
    pictures_.Cancel();  // the rows asked for are renumbered
    // The control keeps its selection by row number.
    Control().SetItemCount(rows_.RowCount(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    InvalidateRect(List(), nullptr, TRUE);
}

std::vector<int> CTarvexView::SelectedRows() const {
    return Control().SelectedItems();
}

int CTarvexView::SelectedCount() const {
    return Control().SelectedCount();
}

void CTarvexView::SelectAll() {
    SetFocus(List());
    Control().SetSelectionMark(0);
    Control().SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
}

void CTarvexView::DeselectAll() {
    Control().SetItemState(-1, 0, LVIS_SELECTED);
}

void CTarvexView::EditFirstSelected() {
    const ListView list = Control();
    const int row = list.NextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    SetFocus(List());
    list.EnsureVisible(row, false);
    list.EditLabel(row);
}

void CTarvexView::SetMode(ViewMode mode) {
    mode_ = mode;
    pictures_.Cancel();
    const LONG style = GetWindowLongA(List(), GWL_STYLE);
    SetWindowLongA(List(), GWL_STYLE, (style & ~LVS_TYPEMASK) | StyleOf(mode));
}

void CTarvexView::OnDisplayInfo(LVITEMA& item) {
    if (item.iItem < 0 || item.iItem >= rows_.RowCount() || host_.ModelBusy()) {
        if (item.mask & LVIF_TEXT && item.cchTextMax > 0)
            item.pszText[0] = '\0';
        return;
    }
    if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0 && item.iSubItem < rows_.ColumnCount()) {
        const std::string text = rows_.Text(item.iItem, static_cast<ListColumn>(item.iSubItem));
        lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = ImageOf(item.iItem);
    if (item.mask & LVIF_STATE)
        item.state = item.iItem == highlightedRow_ ? LVIS_DROPHILITED : 0;
}

int CTarvexView::ImageOf(int row) {
    const std::string key = rows_.IconKey(row);
    const int icon = icons_.IconIndexFor(key);
    const RezEntry* entry = rows_.ItemAtRow(row).entry;
    if (mode_ != ViewMode::LargeIcons || !entry || !IsTextureKey(key))
        return icon;
    return pictures_.ImageFor(row, *entry, host_.Document().ArchivePath(), icon);
}

void CTarvexView::OnEndLabelEdit(const LVITEMA& item) {
    if (item.pszText == nullptr)
        return;  // cancelled
    RezFolder* folder = rows_.ItemAtRow(item.iItem).folder;
    // A name the archive cannot take was refused with a word why; the old one stays.
    if (!CommitListLabel(host_.Document(), rows_, item.iItem, std::string(item.pszText)))
        return;
    ShowRows();
    if (folder)
        host_.FolderRenamed(folder);
}

void CTarvexView::OnDoubleClick() {
    const int first = Control().NextItem(-1, LVNI_SELECTED);
    const DoubleClick click = rows_.DoubleClickOn(first);
    switch (click.action) {
        case DoubleClickAction::OpenFolder:
            Control().SetItemState(first, 0, LVIS_SELECTED);
            host_.OpenFolder(click.folder);
            break;
        case DoubleClickAction::Extract:
            host_.RunCommand(kCommandExtract);
            break;
        case DoubleClickAction::None:
            break;
    }
}

std::vector<std::uint8_t> CTarvexView::SelectionPayload() const {
    return EncodePayload(rows_.MovableSelection(SelectedRows()));
}

void CTarvexView::CopySelectionPayload() {
    PutPayloadOnClipboard(SelectionPayload());
}

int CTarvexView::RowAt(DropPoint point) {
    return Control().HitTest({point.x, point.y});
}

void CTarvexView::SetRowDropHighlight(int row, bool on) {
    const int before = highlightedRow_;
    if (on)
        highlightedRow_ = row;
    else if (row == highlightedRow_)
        highlightedRow_ = -1;
    for (int changed : {before, highlightedRow_})
        if (changed >= 0)
            Control().RedrawItems(changed, changed);
    UpdateWindow(List());
}

LRESULT CTarvexView::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return highlightedRow_ >= 0 ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
        case CDDS_ITEMPREPAINT:
            // Not every list draws the drop-highlight state itself: the row is drawn as
            // selected while a drag is over it.
            if (static_cast<int>(draw.nmcd.dwItemSpec) == highlightedRow_) {
                draw.nmcd.uItemState &= ~(CDIS_SELECTED | CDIS_FOCUS);
                draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
                draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
            }
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

std::uintptr_t CTarvexView::OwnerWindow() {
    // The progress window keeps the user away from the whole window while files are added.
    return reinterpret_cast<std::uintptr_t>(GetAncestor(List(), GA_ROOT));
}

bool CTarvexView::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != List())
        return false;
    switch (header.code) {
        case LVN_BEGINDRAG: {
            // The list refills itself only by its row count, so a drop may change it while the
            // drag runs.
            const auto& drag = reinterpret_cast<NMLISTVIEW&>(header);
            DragPayload(SelectionPayload(), List(), drag.ptAction);
            result = 0;
            return true;
        }
        case LVN_GETDISPINFOA:
            OnDisplayInfo(reinterpret_cast<NMLVDISPINFOA&>(header).item);
            return true;
        case LVN_ODFINDITEMA:
            result = 0;  // typing a letter goes to the first row
            return true;
        case LVN_COLUMNCLICK:
            rows_.ClickColumn(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
            header_.SetSortColumn(rows_.SortColumn(), rows_.SortAscending());
            ShowRows();
            return true;
        case NM_DBLCLK:
            OnDoubleClick();
            return true;
        case NM_CUSTOMDRAW:
            result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
            return true;
        case LVN_KEYDOWN: {
            const WORD key = reinterpret_cast<NMLVKEYDOWN&>(header).wVKey;
            if (key == kKeyEnter && rows_.EnterOpensFolder()) {
                OnDoubleClick();
                return true;
            }
            const PaneKeyAction action = ListKeyAction(key);
            if (action.command != 0)
                host_.RunCommand(static_cast<unsigned>(action.command));
            if (action.focusOtherPane)
                host_.FocusNextPane(false);
            return true;
        }
        case LVN_ITEMCHANGED:
        case LVN_ODSTATECHANGED:
            ++selectionVersion_;
            return false;
        case LVN_BEGINLABELEDITA:
            result = FALSE;
            return true;
        case LVN_ENDLABELEDITA:
            OnEndLabelEdit(reinterpret_cast<NMLVDISPINFOA&>(header).item);
            result = FALSE;  // the rows give the texts; the control keeps none
            return true;
    }
    return false;
}

bool CTarvexView::OnListMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == ListPictures::kReadyMessage) {
        pictures_.TakeReady();
        return true;
    }
    if (message == WM_DESTROY) {
        // OLE lets go of a drop target only while its window lives.
        dropTarget_.reset();
        return false;
    }
    // The header's owner-drawn items are drawn by its wrapper; the list is their parent.
    if (message == WM_DRAWITEM &&
        header_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
        result = TRUE;
        return true;
    }
    return false;
}
