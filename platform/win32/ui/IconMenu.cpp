#include "platform/win32/ui/IconMenu.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kIconColumn = 24;  // image plus a margin each side
constexpr int kTextGap = 8;
constexpr int kAcceleratorGap = 24;
constexpr int kSeparatorHeight = 7;

HFONT CreateMenuFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectA(&metrics.lfMenuFont);
}

// The mnemonic of "&Open...": the letter after the first single ampersand, lower-cased.
char Mnemonic(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        ++i;
    }
    return 0;
}

// A tick in the middle of box, drawn with lines so that it needs no symbol font.
void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour) {
    const int x = (box.left + box.right) / 2 - 4;
    const int y = (box.top + box.bottom) / 2 - 1;
    ScopedPen pen(CreatePen(PS_SOLID, 1, colour));
    SelectedObject selected(dc, pen.Get());
    for (int row = 0; row < 3; ++row) {
        const POINT tick[] = {{x, y + row}, {x + 3, y + 3 + row}, {x + 9, y - 3 + row}};
        Polyline(dc, tick, 3);
    }
}

}  // namespace

IconMenu::IconMenu() : font_(CreateMenuFont()) {}

bool IconMenu::Load(HINSTANCE instance, int menuId, HIMAGELIST images,
                    const ToolbarLayout& toolbar) {
    menu_.Reset(LoadMenuA(instance, MAKEINTRESOURCEA(menuId)));
    if (!menu_)
        return false;
    images_ = images;
    toolbar_ = toolbar;
    const int count = GetMenuItemCount(menu_.Get());
    for (int i = 0; i < count; ++i)
        if (HMENU popup = GetSubMenu(menu_.Get(), i))
            ConvertPopup(popup);
    return true;
}

bool IconMenu::LoadPopup(HINSTANCE instance, int menuId) {
    ScopedMenu menu(LoadMenuA(instance, MAKEINTRESOURCEA(menuId)));
    HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
    if (popup == nullptr)
        return false;
    ConvertPopup(popup);
    popups_[menuId] = std::move(menu);
    return true;
}

HMENU IconMenu::Popup(int menuId) const {
    const auto it = popups_.find(menuId);
    return it == popups_.end() ? nullptr : GetSubMenu(it->second.Get(), 0);
}

bool IconMenu::TrackPopup(int menuId, HWND owner, POINT screen) const {
    HMENU popup = Popup(menuId);
    return popup != nullptr && TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                              screen.x, screen.y, 0, owner, nullptr);
}

void IconMenu::ConvertPopup(HMENU popup) {
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(popup, i, TRUE, &info))
            continue;
        auto item = std::make_unique<Item>();
        if (!(info.fType & MFT_SEPARATOR)) {
            item->text = ItemText(popup, i);
            if (info.hSubMenu == nullptr)
                item->image = toolbar_.ImageOf(info.wID);
        }
        if (info.hSubMenu != nullptr)
            ConvertPopup(info.hSubMenu);
        MENUITEMINFOA owner{};
        owner.cbSize = sizeof(owner);
        owner.fMask = MIIM_FTYPE | MIIM_DATA;
        owner.fType = (info.fType & ~MFT_STRING) | MFT_OWNERDRAW;
        owner.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
        SetMenuItemInfoA(popup, i, TRUE, &owner);
        items_.push_back(std::move(item));
    }
}

bool IconMenu::InsertItem(HMENU popup, int position, UINT id, const std::string& text) {
    auto item = std::make_unique<Item>();
    item->text = text;
    item->image = toolbar_.ImageOf(id);
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    info.fType = MFT_OWNERDRAW;
    info.wID = id;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
    const UINT before = position < 0 ? static_cast<UINT>(GetMenuItemCount(popup)) : position;
    if (!InsertMenuItemA(popup, before, TRUE, &info))
        return false;
    items_.push_back(std::move(item));
    return true;
}

void IconMenu::RemoveItem(HMENU popup, UINT id) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    if (!GetMenuItemInfoA(popup, id, FALSE, &info) || !DeleteMenu(popup, id, MF_BYCOMMAND))
        return;
    const Item* item = ItemOf(info.dwItemData);
    items_.erase(
        std::remove_if(items_.begin(), items_.end(),
                       [item](const std::unique_ptr<Item>& each) { return each.get() == item; }),
        items_.end());
}

std::string IconMenu::ItemText(HMENU popup, UINT position) const {
    char text[256] = "";
    GetMenuStringA(popup, position, text, sizeof(text), MF_BYPOSITION);
    if (text[0] == 0) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        if (GetMenuItemInfoA(popup, position, TRUE, &info)) {
            if (const Item* item = ItemOf(info.dwItemData))
                return item->text;
        }
    }
    return text;
}

const IconMenu::Item* IconMenu::ItemOf(ULONG_PTR data) const {
    for (const auto& item : items_)
        if (reinterpret_cast<ULONG_PTR>(item.get()) == data)
            return item.get();
    return nullptr;
}

bool IconMenu::OnMeasureItem(MEASUREITEMSTRUCT& measure) const {
    if (measure.CtlType != ODT_MENU)
        return false;
    const Item* item = ItemOf(measure.itemData);
    if (item == nullptr)
        return false;
    if (item->text.empty()) {
        measure.itemWidth = kIconColumn;
        measure.itemHeight = kSeparatorHeight;
        return true;
    }
    WindowDC screen(nullptr);
    SelectedObject font(screen.Get(), font_.Get());
    const size_t tab = item->text.find('\t');
    RECT label{}, keys{};
    DrawTextA(screen.Get(), item->text.c_str(), static_cast<int>(item->text.substr(0, tab).size()),
              &label, DT_CALCRECT | DT_SINGLELINE);
    if (tab != std::string::npos) {
        const std::string accelerator = item->text.substr(tab + 1);
        DrawTextA(screen.Get(), accelerator.c_str(), -1, &keys, DT_CALCRECT | DT_SINGLELINE);
        keys.right += kAcceleratorGap;
    }
    measure.itemWidth = kIconColumn + kTextGap + label.right + keys.right + kTextGap;
    measure.itemHeight = std::max<UINT>(toolbar_.height + 6, label.bottom + 6);
    return true;
}

bool IconMenu::OnDrawItem(const DRAWITEMSTRUCT& draw) const {
    if (draw.CtlType != ODT_MENU)
        return false;
    const Item* item = ItemOf(draw.itemData);
    if (item == nullptr)
        return false;
    HDC dc = draw.hDC;
    RECT rect = draw.rcItem;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const bool grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const bool checked = (draw.itemState & ODS_CHECKED) != 0;

    FillRect(dc, &rect, GetSysColorBrush(selected && !grayed ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item->text.empty()) {
        RECT line = {rect.left + kIconColumn, rect.top + kSeparatorHeight / 2, rect.right - 2,
                     rect.top + kSeparatorHeight / 2 + 1};
        FillRect(dc, &line, GetSysColorBrush(COLOR_GRAYTEXT));
        return true;
    }

    RECT icon = {rect.left + 2, rect.top + 1, rect.left + kIconColumn - 2, rect.bottom - 1};
    if (checked) {
        FillRect(dc, &icon, GetSysColorBrush(selected ? COLOR_MENU : COLOR_BTNHIGHLIGHT));
        FrameRect(dc, &icon, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    const int x = icon.left + (icon.right - icon.left - toolbar_.width) / 2;
    const int y = icon.top + (icon.bottom - icon.top - toolbar_.height) / 2;
    if (item->image >= 0) {
        if (grayed) {
            const ScopedIcon image(ImageList_GetIcon(images_, item->image, ILD_NORMAL));
            DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(image.Get()), 0, x, y, 0, 0,
                       DST_ICON | DSS_DISABLED);
        } else {
            ImageList_Draw(images_, item->image, dc, x, y, ILD_TRANSPARENT);
        }
    } else if (checked) {
        DrawCheckMark(dc, icon, GetSysColor(grayed ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
    }

    SelectedObject font(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(grayed     ? COLOR_GRAYTEXT
                                 : selected ? COLOR_HIGHLIGHTTEXT
                                            : COLOR_MENUTEXT));
    RECT text = {rect.left + kIconColumn + kTextGap, rect.top, rect.right - kTextGap, rect.bottom};
    const UINT hidePrefix = (draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    const size_t tab = item->text.find('\t');
    DrawTextA(dc, item->text.c_str(), static_cast<int>(item->text.substr(0, tab).size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | hidePrefix);
    if (tab != std::string::npos) {
        const std::string accelerator = item->text.substr(tab + 1);
        DrawTextA(dc, accelerator.c_str(), -1, &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
    return true;
}

bool IconMenu::OnMenuChar(char key, HMENU popup, LRESULT& result) const {
    const char wanted = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA;
        if (!GetMenuItemInfoA(popup, i, TRUE, &info))
            continue;
        const Item* item = ItemOf(info.dwItemData);
        if (item == nullptr)
            return false;  // not one of our popups
        if (Mnemonic(item->text) == wanted) {
            result = MAKELRESULT(i, MNC_EXECUTE);
            return true;
        }
    }
    return false;
}
