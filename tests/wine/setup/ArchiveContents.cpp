#include "ArchiveContents.h"

#include <cstdint>
#include <cstring>

namespace setup_test {

namespace {

constexpr size_t kHeaderOffset = 127;  // after the text block
constexpr size_t kFolderRecordName = 16;
constexpr size_t kEntryRecordTypeCode = 20;
constexpr size_t kEntryRecordName = 28;
constexpr int kDeepestFolder = 64;  // a block that names itself must not loop

class IndexReader {
  public:
    explicit IndexReader(const std::string& bytes) : bytes_(bytes) {}

    std::optional<uint32_t> Word(size_t at) const {
        if (at > bytes_.size() || bytes_.size() - at < 4) {
            return std::nullopt;
        }
        uint32_t word = 0;
        std::memcpy(&word, bytes_.data() + at, sizeof word);
        return word;
    }

    // The 0-terminated text at at; nullopt when it runs past the end.
    std::optional<std::string> Text(size_t at) const {
        const size_t end = at < bytes_.size() ? bytes_.find('\0', at) : std::string::npos;
        if (end == std::string::npos) {
            return std::nullopt;
        }
        return bytes_.substr(at, end - at);
    }

    bool ReadBlock(size_t position, size_t size, const std::string& prefix, int depth,
                   std::map<std::string, std::string>& tree) const {
        if (depth > kDeepestFolder || position > bytes_.size() || bytes_.size() - position < size) {
            return false;
        }
        for (size_t at = position; at < position + size;) {
            const auto kind = Word(at);
            if (!kind) {
                return false;
            }
            if (*kind != 0) {
                const auto childPosition = Word(at + 4), childSize = Word(at + 8);
                const auto name = Text(at + kFolderRecordName);
                if (!childPosition || !childSize || !name) {
                    return false;
                }
                tree[prefix + *name + "\\"] = "";
                if (*childSize > 0 && !ReadBlock(*childPosition, *childSize, prefix + *name + "\\",
                                                 depth + 1, tree)) {
                    return false;
                }
                at += kFolderRecordName + name->size() + 1;
                continue;
            }
            const auto dataPosition = Word(at + 4), dataSize = Word(at + 8);
            const auto base = Text(at + kEntryRecordName);
            if (!dataPosition || !dataSize || !base || *dataPosition > bytes_.size() ||
                bytes_.size() - *dataPosition < *dataSize) {
                return false;
            }
            // Stored backwards and filled up with zeros; inside the file, as the name after it is.
            std::string typeCode;
            for (int i = 3; i >= 0; --i) {
                const char c = bytes_[at + kEntryRecordTypeCode + i];
                if (c != '\0') {
                    typeCode += c;
                }
            }
            const std::string name = typeCode.empty() ? *base : *base + "." + typeCode;
            tree[prefix + name] = bytes_.substr(*dataPosition, *dataSize);
            at += kEntryRecordName + base->size() + 2;  // the terminator, the empty description
        }
        return true;
    }

  private:
    const std::string& bytes_;
};

}  // namespace

std::optional<std::map<std::string, std::string>> ArchiveContents(const std::string& archive) {
    if (archive.compare(0, 8, "\r\nTarvex") != 0) {
        return std::nullopt;
    }
    const IndexReader reader(archive);
    const auto version = reader.Word(kHeaderOffset);
    const auto rootPosition = reader.Word(kHeaderOffset + 4);
    const auto rootSize = reader.Word(kHeaderOffset + 8);
    std::map<std::string, std::string> tree;
    if (version != 1u || !rootPosition || !rootSize ||
        !reader.ReadBlock(*rootPosition, *rootSize, "", 0, tree)) {
        return std::nullopt;
    }
    return tree;
}

}  // namespace setup_test
