#include "app/win32/RunningWindow.h"

namespace {

// The window property of the windows that take archives, and the tag of the message's data.
constexpr const char* kTakesArchives = "Tarvex.TakesArchives";
constexpr ULONG_PTR kHandOverTag = 0x54565831;  // "TVX1"
constexpr UINT kAnswerTimeout = 10000;          // ms; a window that hangs is passed by
constexpr DWORD kLongestPath = 32767;

}  // namespace

void TakeHandedOverArchives(HWND window, bool on) {
    if (on)
        SetPropA(window, kTakesArchives, reinterpret_cast<HANDLE>(1));
    else
        RemovePropA(window, kTakesArchives);
}

bool HandOverArchive(const std::string& path) {
    COPYDATASTRUCT data{};
    data.dwData = kHandOverTag;
    data.cbData = static_cast<DWORD>(path.size());
    data.lpData = const_cast<char*>(path.data());
    // The window that takes it may come to the front.
    AllowSetForegroundWindow(ASFW_ANY);
    for (HWND window = FindWindowExA(nullptr, nullptr, "TarvexFrame", nullptr); window;
         window = FindWindowExA(nullptr, window, "TarvexFrame", nullptr)) {
        if (GetPropA(window, kTakesArchives) == nullptr)
            continue;
        DWORD_PTR taken = FALSE;
        if (SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeout, &taken) &&
            taken == TRUE)
            return true;
    }
    return false;
}

std::optional<std::string> HandedOverArchive(const COPYDATASTRUCT& data) {
    if (data.dwData != kHandOverTag || data.lpData == nullptr || data.cbData == 0 ||
        data.cbData > kLongestPath)
        return std::nullopt;
    std::string path(static_cast<const char*>(data.lpData), data.cbData);
    // Another program may send anything: a name ends at its first zero.
    path.resize(path.find('\0') == std::string::npos ? path.size() : path.find('\0'));
    if (path.empty())
        return std::nullopt;
    return path;
}
