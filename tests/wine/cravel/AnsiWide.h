#pragma once
// Wide text of the ANSI code page and back.
#include <windows.h>

#include <string>

namespace cravel_test {

inline std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                     wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length : 0);
    return wide;
}

inline std::string Ansi(const std::wstring& text) {
    std::string ansi(text.size() * 2, '\0');
    int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                     ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
    ansi.resize(length > 0 ? length : 0);
    return ansi;
}

}  // namespace cravel_test
