// Shows Tarvex's dialogs and pictures one after the other until screenshot.sh has taken them
// (support/ScreenshotViews.h):
//   tarvex_resources_screenshot_host <folder>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/ui/Toolbar.h"
#include "support/ScreenshotViews.h"

namespace {

HINSTANCE instance;
std::vector<HWND> shown;
int exitCode = 0;

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

HWND Dialog(int id, HWND parent) {
    return CreateDialogParamA(instance, MAKEINTRESOURCEA(id), parent, QuietDialog, 0);
}

// The wizard as it shows a page: the page in the frame, the buttons set for that page.
HWND ShowWizard(int page, bool back, bool next, bool finish) {
    HWND host = Dialog(197, nullptr);
    HWND child = Dialog(page, host);
    RECT frame;
    GetWindowRect(GetDlgItem(host, 1068), &frame);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&frame), 2);
    SetWindowPos(child, HWND_TOP, frame.left, frame.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    EnableWindow(GetDlgItem(host, 12323), back);
    EnableWindow(GetDlgItem(host, 12324), next);
    EnableWindow(GetDlgItem(host, 12325), finish);
    if (page == 135)
        CheckDlgButton(child, 1055, BST_CHECKED);
    if (page == 205)
        CheckDlgButton(child, 1039, BST_CHECKED);
    if (page == 204) {  // as the Talon game shows it
        ShowWindow(GetDlgItem(child, 1062), SW_HIDE);
        SetDlgItemTextA(child, 1063, "'Evac' Maps");
        SetDlgItemTextA(child, 1064, "'OverRun' Maps");
        CheckDlgButton(child, 1057, BST_CHECKED);
        CheckDlgButton(child, 1063, BST_CHECKED);
    }
    return host;
}

// Every icon at both sizes, on white and on the dialog face, the two toolbars and frames of
// the progress clip.
LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const int icons[] = {128, 132, 133, 192, 193};
    RECT white = {0, 0, 520, 44};
    FillRect(dc, &white, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    for (int i = 0; i < 5; ++i) {
        for (int size : {16, 32}) {
            HICON icon = static_cast<HICON>(
                LoadImageA(instance, MAKEINTRESOURCEA(icons[i]), IMAGE_ICON, size, size, 0));
            const int x = 8 + i * 84 + (size == 16 ? 0 : 24);
            DrawIconEx(dc, x, 6 + (32 - size) / 2, icon, size, size, 0, nullptr, DI_NORMAL);
            DrawIconEx(dc, x, 50 + (32 - size) / 2, icon, size, size, 0, nullptr, DI_NORMAL);
            DestroyIcon(icon);
        }
    }
    EndPaint(window, &paint);
    return 0;
}

HWND ShowGallery() {
    WNDCLASSA kind{};
    kind.lpfnWndProc = GalleryProc;
    kind.hInstance = instance;
    kind.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    kind.lpszClassName = "TarvexGallery";
    RegisterClassA(&kind);
    HWND window = CreateWindowExA(0, "TarvexGallery", "Tarvex images", WS_POPUP | WS_BORDER, 0, 0,
                                  520, 330, nullptr, nullptr, instance, nullptr);
    static Toolbar main, location;
    main.Create(window, instance, 128);
    location.Create(window, instance, 177);
    const SIZE mainSize = main.IdealSize(), locationSize = location.IdealSize();
    MoveWindow(main.Handle(), 4, 92, mainSize.cx, mainSize.cy, TRUE);
    MoveWindow(location.Handle(), 4, 100 + mainSize.cy, locationSize.cx, locationSize.cy, TRUE);
    const int frames[] = {0, 4, 7, 11, 15};
    for (int i = 0; i < 5; ++i) {
        HWND clip =
            CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE, 4 + (i % 3) * 170,
                            170 + (i / 3) * 54, 160, 48, window, nullptr, instance, nullptr);
        SendMessageA(clip, ACM_OPENA, reinterpret_cast<WPARAM>(instance),
                     reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(184)));
        SendMessageA(clip, ACM_PLAY, 1, MAKELONG(frames[i], frames[i]));
    }
    return window;
}

void Show(const std::string& name) {
    HWND top = nullptr;
    if (name == "about")
        top = Dialog(100, nullptr);
    else if (name == "wizard-task")
        top = ShowWizard(135, false, true, false);
    else if (name == "wizard-game")
        top = ShowWizard(205, true, true, false);
    else if (name == "wizard-content")
        top = ShowWizard(204, true, false, true);
    else
        top = ShowGallery();
    if (top == nullptr) {
        exitCode = 2;
        return;
    }
    SetWindowPos(top, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    shown.push_back(top);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&controls);
    const std::vector<std::string> names = {"about", "wizard-task", "wizard-game", "wizard-content",
                                            "images"};
    ScreenshotViews views(
        argv[1], names,
        [&](int view) {
            if (!shown.empty())
                DestroyWindow(shown.back());
            Show(names[view]);
        },
        [] { return shown.back(); },
        [](int code) {
            DestroyWindow(shown.back());
            PostQuitMessage(code != 0 ? code : exitCode);
        });
    views.Start();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return views.ExitCode() != 0 ? views.ExitCode() : exitCode;
}
