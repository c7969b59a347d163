#pragma once
// The recent archives in the File menu, in place of its "Recent File" item: "&1 path" to
// "&4 path", or the grayed "Recent File" while the list is empty.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/ui/IconMenu.h"

class RecentFileMenu {
  public:
    // file: the File menu's popup, holding the "Recent File" item.
    bool Attach(IconMenu& menu, HMENU file);
    void Show(const std::vector<std::string>& paths);

  private:
    IconMenu* menu_ = nullptr;
    HMENU file_ = nullptr;
    int position_ = -1;  // where the first item goes
};
