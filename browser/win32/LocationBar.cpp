#include "browser/win32/LocationBar.h"

#include <commctrl.h>

#include <algorithm>

#include "browser/FrameLayout.h"
#include "resources/tarvex/resource.h"

namespace {

constexpr int kLabelButton = 0;
constexpr int kComboButton = 1;
constexpr int kGoButton = 2;
// The combo box's drop-down list reaches down to this height in the bar's coordinates.
constexpr int kDropDownBottom = 200;
// The smallest combo box the band keeps room for.
constexpr int kSmallestCombo = 80;

HFONT CreateLabelFont() {
    WindowDC screen(nullptr);
    LOGFONTA font{};
    font.lfHeight = -MulDiv(8, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

int WidthOf(const RECT& rect) {
    return rect.right - rect.left;
}

int HeightOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

}  // namespace

bool CLocationBar::Create(HWND parent, HIMAGELIST images) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!toolbar_.Create(parent, instance, IDR_LOCATION_BAR))
        return false;
    HWND bar = Handle();

    // Button 0 shows no image and takes no clicks: the label lies over it.
    TBBUTTONINFOA label{};
    label.cbSize = sizeof(label);
    label.dwMask = TBIF_IMAGE | TBIF_STATE | TBIF_BYINDEX;
    label.iImage = I_IMAGENONE;
    label.fsState = 0;
    SendMessageA(bar, TB_SETBUTTONINFOA, kLabelButton, reinterpret_cast<LPARAM>(&label));
    const RECT labelButton = ButtonRect(kLabelButton);
    labelFont_.Reset(CreateLabelFont());
    label_ = CreateWindowExA(0, "STATIC", "Location", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP,
                             labelButton.left, labelButton.top + kLocationLabelTop,
                             WidthOf(labelButton), labelButton.bottom - labelButton.top, bar,
                             reinterpret_cast<HMENU>(ID_LOCATION_LABEL), instance, nullptr);
    combo_ = CreateWindowExA(
        0, WC_COMBOBOXEXA, "",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 0,
        kSmallestCombo, kDropDownBottom, bar, reinterpret_cast<HMENU>(ID_LOCATION_COMBO), instance,
        nullptr);
    if (label_ == nullptr || combo_ == nullptr)
        return false;
    SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_.Get()), FALSE);
    SendMessageA(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    SendMessageA(combo_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    comboBinding_.Bind(combo_, *this);

    // Button 1 becomes the separator under the combo box; the bar is as high as the box.
    SendMessageA(bar, TB_DELETEBUTTON, kComboButton, 0);
    TBBUTTON separator{};
    separator.iBitmap = kSmallestCombo;
    separator.idCommand = ID_LOCATION_COMBO;
    separator.fsStyle = BTNS_SEP;
    SendMessageA(bar, TB_INSERTBUTTONA, kComboButton, reinterpret_cast<LPARAM>(&separator));
    const RECT go = ButtonRect(kGoButton);
    SendMessageA(bar, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(WidthOf(go), std::max<int>(go.bottom - go.top, HeightOf(combo_))));

    if (!toolbarHook_.Attach(bar, [this](UINT message, WPARAM, LPARAM, LRESULT&) {
            if (message == WM_SIZE)
                LayOut();
            return false;
        }))
        return false;
    return editHook_.Attach(Edit(), [this](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        // Enter in the edit field goes to the typed path and nowhere else.
        if ((message == WM_KEYDOWN && wParam == VK_RETURN) ||
            (message == WM_CHAR && wParam == '\r')) {
            if (message == WM_KEYDOWN && onEnter)
                onEnter();
            result = 0;
            return true;
        }
        return false;
    });
}

RECT CLocationBar::ButtonRect(int index) const {
    RECT rect{};
    SendMessageA(Handle(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

HWND CLocationBar::Edit() const {
    return reinterpret_cast<HWND>(SendMessageA(combo_, CBEM_GETEDITCONTROL, 0, 0));
}

SIZE CLocationBar::BandSize() const {
    const RECT label = ButtonRect(kLabelButton);
    const RECT go = ButtonRect(kGoButton);
    return {WidthOf(label) + kSmallestCombo + WidthOf(go), go.bottom};
}

void CLocationBar::LayOut() {
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = LocationComboWidth(client.right, WidthOf(ButtonRect(kGoButton)),
                                         WidthOf(ButtonRect(kLabelButton)));
    RECT place = ButtonRect(kComboButton);
    if (WidthOf(place) != width) {
        TBBUTTONINFOA separator{};
        separator.cbSize = sizeof(separator);
        separator.dwMask = TBIF_SIZE | TBIF_BYINDEX;
        separator.cx = static_cast<WORD>(width);
        SendMessageA(Handle(), TB_SETBUTTONINFOA, kComboButton,
                     reinterpret_cast<LPARAM>(&separator));
        place = ButtonRect(kComboButton);
    }
    const int top = place.top + (place.bottom - place.top - HeightOf(combo_)) / 2;
    SetWindowPos(combo_, nullptr, place.left, top, WidthOf(place), kDropDownBottom - top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLocationBar::AppendItem(const LocationItem& item) {
    COMBOBOXEXITEMA entry{};
    entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    entry.iItem = -1;
    entry.pszText = const_cast<char*>(item.text.c_str());
    entry.iImage = item.image;
    entry.iSelectedImage = item.selectedImage;
    SendMessageA(combo_, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry));
}

void CLocationBar::SelectItem(int index) {
    SendMessageA(combo_, CB_SETCURSEL, index, 0);
}

int CLocationBar::SelectedItem() const {
    return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0));
}

int CLocationBar::ItemCount() const {
    return static_cast<int>(SendMessageA(combo_, CB_GETCOUNT, 0, 0));
}

std::string CLocationBar::ItemText(int index) const {
    char text[256] = "";
    COMBOBOXEXITEMA entry{};
    entry.mask = CBEIF_TEXT;
    entry.iItem = index;
    entry.pszText = text;
    entry.cchTextMax = sizeof(text);
    SendMessageA(combo_, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
    return text;
}

void CLocationBar::Clear() {
    SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
    SetWindowTextA(Edit(), "");
}

std::string CLocationBar::EditText() const {
    char text[256] = "";
    GetWindowTextA(Edit(), text, sizeof(text));
    return text;
}

bool CLocationBar::OnCommand(WORD code, HWND control, LRESULT& result) {
    if (control != combo_ || code != CBN_SELCHANGE)
        return false;
    if (onItemChosen)
        onItemChosen(SelectedItem());
    result = 0;
    return true;
}
