#include "platform/posix/IconvNames.h"

#include <cerrno>

#include "platform/Format.h"

namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

}  // namespace

std::unique_ptr<IconvNames> IconvNames::ForCodePage(int codePage, std::string& error) {
    const std::string name = Format("CP%d", codePage);
    const iconv_t toArchive = iconv_open(name.c_str(), "UTF-8");
    const iconv_t toDisk = iconv_open("UTF-8", name.c_str());
    if (toArchive == kNoConverter || toDisk == kNoConverter) {
        if (toArchive != kNoConverter)
            iconv_close(toArchive);
        if (toDisk != kNoConverter)
            iconv_close(toDisk);
        error = Format("code page %d is not known", codePage);
        return nullptr;
    }
    std::unique_ptr<IconvNames> names(new IconvNames(toArchive, toDisk));
    // A byte that only begins a character marks a double-byte code page.
    for (int byte = 0x80; byte < 0x100; ++byte) {
        std::string ignored;
        if (!names->ToDisk(std::string(1, static_cast<char>(byte)), ignored) && errno == EINVAL) {
            error = Format(
                "code page %d is a double-byte code page; only single-byte code "
                "pages are supported here",
                codePage);
            return nullptr;
        }
    }
    return names;
}

IconvNames::~IconvNames() {
    iconv_close(toArchive_);
    iconv_close(toDisk_);
}

bool IconvNames::Convert(iconv_t converter, const std::string& from, std::string& to) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string input = from;
    char* in = input.data();
    std::size_t inLeft = input.size();
    // UTF-8 takes at most 4 bytes for a character of a single-byte code page.
    std::string output(input.size() * 4 + 4, '\0');
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
        iconv(converter, nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
        return false;
    output.resize(output.size() - outLeft);
    to = std::move(output);
    return true;
}

bool IconvNames::ToArchive(const std::string& diskName, std::string& archiveName) const {
    std::lock_guard lock(mutex_);
    return Convert(toArchive_, diskName, archiveName);
}

bool IconvNames::ToDisk(const std::string& archiveName, std::string& diskName) const {
    std::lock_guard lock(mutex_);
    return Convert(toDisk_, archiveName, diskName);
}
