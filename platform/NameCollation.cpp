#include "platform/NameCollation.h"

#include <algorithm>

namespace {

unsigned char AsciiLower(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

int NameCollation::CompareNoCase(std::string_view a, std::string_view b) const {
    return Sign(LowerCase(a).compare(LowerCase(b)));
}

std::string NameCollation::LowerCase(std::string_view text) const {
    std::string lower;
    AppendLowerCase(text, lower);
    return lower;
}

void AsciiNameCollation::AppendLowerCase(std::string_view text, std::string& out) const {
    const size_t start = out.size();
    out.append(text);
    for (size_t i = start; i < out.size(); ++i)
        out[i] = static_cast<char>(AsciiLower(static_cast<unsigned char>(out[i])));
}

// The same order without the copies.
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
