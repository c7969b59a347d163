#include "archive/TextBlock.h"

#include "archive/RezFormat.h"

namespace {

constexpr std::size_t kLineWidth = 60;

std::string Padded(const std::string& line) {
    return line + std::string(kLineWidth - line.size(), ' ');
}

}  // namespace

std::string ArchiveTextBlock() {
    std::string block = "\r\n" + Padded("Tarvex 3.0 Stonemere Software") + "\r\n" +
                        Padded("LithTech Resource File") + "\r\n" + "\x1a";
    static_assert(2 + kLineWidth + 2 + kLineWidth + 2 + 1 == kTextBlockSize);
    return block;
}
