#pragma once
// Whether a bar is switched on, whatever the state of its (possibly hidden) parent window.
#include <windows.h>

inline bool IsBarShown(HWND bar) {
    return (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) != 0;
}
