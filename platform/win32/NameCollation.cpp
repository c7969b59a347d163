// The C runtime's multibyte functions follow the ANSI code page the program starts with.
#include <mbstring.h>

#include "platform/NameCollation.h"

namespace {

class MultibyteNameCollation : public NameCollation {
  public:
    void AppendLowerCase(std::string_view text, std::string& out) const override {
        const size_t start = out.size();
        out.append(text);
        // Lowers the appended part in place, up to the string's terminating NUL; trail
        // bytes of double-byte characters are left alone.
        if (out.size() > start)
            _mbslwr(reinterpret_cast<unsigned char*>(out.data() + start));
    }
};

}  // namespace

const NameCollation& PlatformNameCollation() {
    static const MultibyteNameCollation collation;
    return collation;
}
