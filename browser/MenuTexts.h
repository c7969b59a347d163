#pragma once
// Menu items made from the program's data, such as paths: an ampersand in a menu text marks
// the mnemonic, so one that belongs to a name is doubled.
#include <string>
#include <string_view>

// The text shown as it stands.
std::string MenuItemText(std::string_view text);
// The recent file at index (0 for the first): "&1 C:\Maps\pack.rez".
std::string RecentFileMenuText(int index, std::string_view path);
