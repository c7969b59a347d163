// The C runtime's multibyte functions follow the ANSI code page the program starts with.
#include <mbstring.h>

#include <algorithm>

#include "browser/NameCollation.h"

namespace {

const unsigned char* Bytes(std::string_view text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

class MultibyteNameCollation : public NameCollation {
  public:
    int CompareNoCase(std::string_view a, std::string_view b) const override {
        // Names hold no NUL, so comparing the common length and then the lengths is whole.
        const size_t common = std::min(a.size(), b.size());
        const int order = common ? _mbsnbicmp(Bytes(a), Bytes(b), common) : 0;
        if (order != 0)
            return order;
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    std::string LowerCase(std::string_view text) const override {
        std::string lower(text);
        if (!lower.empty())
            _mbslwr(reinterpret_cast<unsigned char*>(lower.data()));
        return lower;
    }
};

}  // namespace

const NameCollation& PlatformNameCollation() {
    static const MultibyteNameCollation collation;
    return collation;
}
