#include "platform/win32/ui/Toolbar.h"

#include <vector>

namespace {
// Toolbar bitmaps paint the background in this grey, which becomes transparent.
constexpr COLORREF kBitmapBackground = RGB(192, 192, 192);
}  // namespace

Toolbar::~Toolbar() {
    if (images_ != nullptr)
        ImageList_Destroy(images_);
}

bool Toolbar::Create(HWND parent, HINSTANCE instance, int resourceId) {
    if (!LoadToolbarLayout(instance, resourceId, layout_))
        return false;
    images_ = ImageList_LoadImageA(instance, MAKEINTRESOURCEA(resourceId), layout_.width, 0,
                                   kBitmapBackground, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (images_ == nullptr)
        return false;
    hwnd_ =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                            TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                        0, 0, 0, 0, parent, nullptr, instance, nullptr);
    if (hwnd_ == nullptr)
        return false;
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
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
