#pragma once
// The bitmap shown beside Cravel's menu entries.
#include <windows.h>

// The module's bitmap resource id, its light grey background (192, 192, 192) turned into the
// menu colour so that it sits on any menu; null when the resource cannot be loaded.
HBITMAP LoadMenuBitmap(HINSTANCE module, int id);
