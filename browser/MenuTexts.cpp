#include "browser/MenuTexts.h"

std::string MenuItemText(std::string_view text) {
    std::string item;
    item.reserve(text.size());
    for (char c : text) {
        item += c;
        if (c == '&')
            item += '&';
    }
    return item;
}

std::string RecentFileMenuText(int index, std::string_view path) {
    std::string text = "&";
    text.append(std::to_string(index + 1));
    text.push_back(' ');
    text.append(MenuItemText(path));
    return text;
}
