#include "browser/NameCollation.h"

#include <algorithm>

namespace {

unsigned char AsciiLower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

int AsciiNameCollation::CompareNoCase(std::string_view a, std::string_view b) const {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = AsciiLower(static_cast<unsigned char>(a[i]));
        const unsigned char y = AsciiLower(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string AsciiNameCollation::LowerCase(std::string_view text) const {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(AsciiLower(static_cast<unsigned char>(c)));
    return lower;
}
