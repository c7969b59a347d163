#include "browser/win32/FramePlacement.h"

#include "browser/BrowserSettings.h"

namespace {

// Window placements are in the coordinates of the work area of the window's monitor.
WorkAreaOffset WorkAreaOffsetOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoA(monitor, &info))
        return {};
    return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

}  // namespace

void RestoreFramePlacement(HWND frame, Settings& settings) {
    const WindowPlacement screen = ReadPlacement(settings);
    const RECT onScreen{screen.x, screen.y, screen.x + screen.width, screen.y + screen.height};
    const WindowPlacement stored =
        ToWorkspace(screen, WorkAreaOffsetOf(MonitorFromRect(&onScreen, MONITOR_DEFAULTTONEAREST)));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = SW_HIDE;
    placement.rcNormalPosition = {stored.x, stored.y, stored.x + stored.width,
                                  stored.y + stored.height};
    SetWindowPlacement(frame, &placement);
}

void SaveFramePlacement(HWND frame, Settings& settings) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(frame, &placement))
        return;
    const RECT& normal = placement.rcNormalPosition;
    const WindowPlacement workspace{normal.left, normal.top, normal.right - normal.left,
                                    normal.bottom - normal.top};
    WritePlacement(
        settings,
        ToScreen(workspace, WorkAreaOffsetOf(MonitorFromWindow(frame, MONITOR_DEFAULTTONEAREST))));
}
