#include "platform/win32/ui/Toolbar.h"

#include <vector>

#include "platform/win32/ui/ResourceText.h"

namespace {
// Toolbar bitmaps paint the background in this grey, which becomes transparent.
constexpr COLORREF kBitmapBackground = RGB(192, 192, 192);
}  // namespace

bool Toolbar::Create(HWND parent, HINSTANCE instance, int resourceId) {
    instance_ = instance;
    if (!LoadToolbarLayout(instance, resourceId, layout_))
        return false;
    images_.Reset(ImageList_LoadImageA(instance, MAKEINTRESOURCEA(resourceId), layout_.width, 0,
                                       kBitmapBackground, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    if (!images_)
        return false;
    hwnd_ =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                            TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                        0, 0, 0, 0, parent, nullptr, instance, nullptr);
    if (hwnd_ == nullptr)
        return false;
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    binding_.Bind(hwnd_, *this);
    if (HWND tips = Tips())
        tipsBinding_.Bind(tips, *this);
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.Get()));
    std::vector<TBBUTTON> buttons;
    for (UINT id : layout_.commands) {
        TBBUTTON button{};
        button.iBitmap = id == 0 ? 0 : layout_.ImageOf(id);
        button.idCommand = static_cast<int>(id);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = id == 0 ? BTNS_SEP : BTNS_BUTTON;
        buttons.push_back(button);
    }
    SendMessageA(hwnd_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
    return true;
}

HWND Toolbar::Tips() const {
    return reinterpret_cast<HWND>(SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0));
}

SIZE Toolbar::IdealSize() const {
    SIZE size{};
    SendMessageA(hwnd_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return size;
}

void Toolbar::UpdateStates(const CommandRouter& commands) {
    for (UINT id : layout_.commands) {
        if (id == 0)
            continue;
        const CommandState state = commands.State(id);
        SendMessageA(hwnd_, TB_ENABLEBUTTON, id, MAKELPARAM(state.enabled, 0));
        SendMessageA(hwnd_, TB_CHECKBUTTON, id, MAKELPARAM(state.checked, 0));
    }
}

bool Toolbar::OnNotify(NMHDR& header, LRESULT&) {
    // Only the toolbar and its tips are bound to this wrapper: no other tip is answered.
    if (header.code == TTN_GETDISPINFOA) {
        tip_ = LoadResourceText(instance_, static_cast<UINT>(header.idFrom), 1);
        reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = tip_.data();
        return true;
    }
    if (header.code == TBN_HOTITEMCHANGE && onHotItem) {
        const auto& hot = reinterpret_cast<NMTBHOTITEM&>(header);
        onHotItem((hot.dwFlags & HICF_LEAVING) ? 0 : static_cast<UINT>(hot.idNew));
    }
    return false;  // the hot item may change
}
