#include "stringedit/win32/AnsiCodePage.h"

#include <windows.h>

// Lengths are explicit so that embedded NULs survive the conversion.
std::u16string AnsiCodePage::ToUtf16(const std::string& text) const {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::u16string wide(length, u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(wide.data()),
                        length);
    return wide;
}

std::string AnsiCodePage::FromUtf16(const std::u16string& text) const {
    if (text.empty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
    std::string ansi(length, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, size, ansi.data(), length, nullptr, nullptr);
    return ansi;
}

bool AnsiCodePage::IsLeadByte(unsigned char byte) const {
    return IsDBCSLeadByte(byte) != FALSE;
}
