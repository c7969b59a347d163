#include "platform/TextCase.h"

#ifdef _WIN32
#include <windows.h>
#endif

bool IsLeadByte(unsigned char c) {
#ifdef _WIN32
    // No code page has a lead byte below 0x80, and names are mostly plain ASCII.
    return c >= 0x80 && IsDBCSLeadByte(c) != 0;
#else
    (void)c;
    return false;
#endif
}

namespace {

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string UpperCase(const std::string& text) {
    std::string result = text;
    for (size_t i = 0; i < result.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(result[i]))) {
            ++i;  // keep the trail byte as it is
            continue;
        }
        result[i] = AsciiUpper(result[i]);
    }
    return result;
}

// Compared in place: this runs for every file added, and copies would dominate.
bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(a[i]))) {
            // A double-byte character matches only byte for byte.
            if (a[i] != b[i] || (i + 1 < a.size() && a[i + 1] != b[i + 1]))
                return false;
            ++i;
            continue;
        }
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    }
    return true;
}
