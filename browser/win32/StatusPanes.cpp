#include "browser/win32/StatusPanes.h"

#include "app/StatusTotals.h"
#include "browser/win32/TarvexView.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/ui/StatusBar.h"

namespace {

// Room for a pane's borders around its text.
constexpr int kStatusPaneMargin = 12;

}  // namespace

void StatusPanes::Update(StatusBar& status, const CTarvexView& list) {
    if (list.SelectionVersion() != selectionVersion_) {
        selectionVersion_ = list.SelectionVersion();
        selectionText_ = SelectedPaneText(list.Rows().SelectionTotals(list.SelectedRows()));
    }
    const std::string totals = TotalPaneText(totalCount_, totalSize_);
    if (status.PaneText(1) == selectionText_ && status.PaneText(2) == totals)
        return;
    totalsText_ = totals;
    // Each pane as wide as its text.
    HWND bar = status.Handle();
    WindowDC dc(bar);
    SelectedObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    auto width = [&dc](const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx) + kStatusPaneMargin;
    };
    status.SetPanes({width(selectionText_), width(totalsText_)});
    status.SetPaneText(1, selectionText_);
    status.SetPaneText(2, totalsText_);
}
