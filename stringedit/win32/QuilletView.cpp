#include "stringedit/win32/QuilletView.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "platform/Format.h"
#include "platform/win32/Scoped.h"
#include "stringedit/StringCommands.h"

namespace {

constexpr int kIdColumnWidth = 50;
constexpr UINT kFitTextColumn = WM_APP + 1;
constexpr DWORD kListExtendedStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB;

// The edit box's text starts a little further right on older systems.
int TextIndent() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExA(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5 ? 2 : 6;
}

int ClientWidth(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return client.right;
}

// What is left of the client area beside the ID column; never negative.
int TextColumnWidth(HWND list, int idWidth) {
    return std::max(0, ClientWidth(list) - idWidth);
}

std::string WindowText(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}

}  // namespace

HWND CQuilletView::CreateControl(HWND parent) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_EDITLABELS |
                               LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                           0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool CQuilletView::Create(HWND parent, PaneHost& host) {
    if (!ControlPane::Create(parent, host))
        return false;
    Control().SetExtendedStyle(kListExtendedStyle);
    headerBinding_.Bind(Control().Header(), *this);
    if (!listHook_.Attach(List(), [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) {
            return OnListMessage(m, w, l, r);
        }))
        return false;
    OnDocumentChanged();
    return true;
}

void CQuilletView::OnDocumentChanged() {
    if (HWND edit = EditBox())
        SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    const ListView list = Control();
    list.DeleteAllItems();
    while (list.DeleteColumn(0)) {
    }
    // The list keeps a first column left-aligned; a placeholder in front of "ID", removed
    // again, lets the identifiers line up on the right.
    InsertColumn(0, "", LVCFMT_LEFT, 0);
    InsertColumn(1, "ID", LVCFMT_RIGHT, kIdColumnWidth);
    InsertColumn(2, "String", LVCFMT_LEFT, TextColumnWidth(List(), kIdColumnWidth));
    list.DeleteColumn(0);
    editedRow_ = -1;
    list.SetItemCount(doc_.RowCount(), 0);
}

void CQuilletView::InsertColumn(int index, const char* title, int format, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(title);
    Control().InsertColumn(index, column);
}

std::string CQuilletView::CellText(int row, int column) const {
    const int id = doc_.RowToId(row);
    if (id < 0)
        return {};
    return column == 0 ? Format("%i", id) : doc_.Text(id);
}

void CQuilletView::Refresh() {
    Control().SetItemCount(doc_.RowCount(), LVSICF_NOSCROLL);
    InvalidateRect(List(), nullptr, TRUE);
}

void CQuilletView::FitTextColumn() {
    Control().SetColumnWidth(1, TextColumnWidth(List(), Control().ColumnWidth(0)));
}

RECT CQuilletView::TextCell(int row) const {
    return Control().SubItemRect(row, 1, LVIR_LABEL);
}

void CQuilletView::Insert() {
    const int row = InsertString(doc_, prompts_);
    if (row >= 0)
        SelectAndEdit(row);
}

void CQuilletView::DeleteSelected() {
    const ListView list = Control();
    const std::vector<int> rows = list.SelectedItems();
    for (int row : rows)
        list.SetItemState(row, 0, LVIS_SELECTED);
    DeleteRows(doc_, rows);
    list.SetSelectionMark(-1);
    Refresh();
}

bool CQuilletView::HasSelection() const {
    return Control().SelectedCount() > 0;
}

void CQuilletView::SelectAndEdit(int row) {
    if (row < 0) {
        Control().SetItemState(-1, 0, LVIS_SELECTED);
        return;
    }
    SetFocus(List());
    Refresh();
    UpdateWindow(List());
    Control().EnsureVisible(row, false);
    textCell_ = true;
    StartEdit(row);
}

void CQuilletView::StartEdit(int row) {
    editedRow_ = row;
    Control().EditLabel(row);
}

bool CQuilletView::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.hwndFrom == Control().Header()) {
        if (header.code == HDN_ENDTRACKA || header.code == HDN_ENDTRACKW)
            PostMessageA(List(), kFitTextColumn, 0, 0);  // once the divider has moved
        return false;
    }
    if (header.hwndFrom != List())
        return false;
    switch (header.code) {
        case LVN_GETDISPINFOA: {
            LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
            if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0) {
                lstrcpynA(item.pszText, CellText(item.iItem, item.iSubItem).c_str(),
                          item.cchTextMax);
            }
            return true;
        }
        case LVN_GETINFOTIPA:
            return true;
        case LVN_BEGINLABELEDITA:
            OnBeginEdit(reinterpret_cast<NMLVDISPINFOA&>(header).item.iItem);
            result = FALSE;
            return true;
        case LVN_ENDLABELEDITA:
            OnEndEdit(reinterpret_cast<NMLVDISPINFOA&>(header).item.pszText);
            result = FALSE;
            return true;
    }
    return false;
}

void CQuilletView::OnBeginEdit(int row) {
    editedId_ = doc_.RowToId(row);
    if (!textCell_)
        return;
    doc_.SetCurrentId(editedId_);
    HWND edit = EditBox();
    textEdit_ = edit;
    const RECT cell = TextCell(row);
    editBox_ = {cell.left + TextIndent(), cell.top - 1, cell.right, cell.bottom};
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(edit, doc_.Text(editedId_).c_str());
    editHook_.Attach(
        edit, [this](UINT m, WPARAM w, LPARAM l, LRESULT& r) { return OnEditMessage(m, w, l, r); });
    SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CQuilletView::OnEditMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_WINDOWPOSCHANGING)
        return false;
    // The box stays over the String cell, one line of its text high.
    HWND edit = textEdit_;
    const std::string text = WindowText(edit);
    SIZE extent{};
    {
        WindowDC dc(edit);
        SelectedObject font(dc.Get(),
                            reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc.Get(), text.empty() ? " " : text.c_str(),
                              text.empty() ? 1 : static_cast<int>(text.size()), &extent);
    }
    auto& pos = *reinterpret_cast<WINDOWPOS*>(lParam);
    pos.x = editBox_.left;
    pos.y = editBox_.top;
    pos.cx = editBox_.right - editBox_.left;
    pos.cy = extent.cy + 1;
    pos.flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
    editHook_.CallNext(message, 0, lParam);
    result = 0;
    return true;
}

void CQuilletView::OnEndEdit(const char* typed) {
    const int id = editedId_;
    editedId_ = -1;
    if (textCell_) {
        // Read the box itself: the list may hand over a shortened copy of long texts.
        if (typed != nullptr && !doc_.Text(id).empty())
            doc_.SetText(id, WindowText(EditBox()));
        editHook_.Detach();
        textCell_ = false;
        Refresh();
        return;
    }
    if (typed != nullptr && RenumberTypedId(doc_, prompts_, id, typed))
        Refresh();
}

bool CQuilletView::OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            LVHITTESTINFO hit{};
            hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            Control().SubItemHitTest(hit);
            const bool textClick = message == WM_LBUTTONDOWN && hit.iItem >= 0 &&
                                   hit.iSubItem == 1 &&
                                   !(EditBox() && textCell_ && hit.iItem == editedRow_);
            const bool otherRow =
                message == WM_LBUTTONDBLCLK && hit.iItem >= 0 && hit.iItem != editedRow_;
            if (!textClick && !otherRow)
                return false;
            result = listHook_.CallNext(message, wParam, lParam);
            if (textClick)
                textCell_ = true;
            StartEdit(hit.iItem);
            return true;
        }
        case WM_SIZE:
            result = listHook_.CallNext(message, wParam, lParam);
            FitTextColumn();
            return true;
        case kFitTextColumn:
            FitTextColumn();
            return true;
        case WM_PAINT:
            // The open edit box covers the String cell; the list leaves that area alone.
            if (textCell_ && EditBox() && editedRow_ >= 0) {
                const RECT cell = TextCell(editedRow_);
                ValidateRect(List(), &cell);
            }
            return false;
    }
    return false;
}
