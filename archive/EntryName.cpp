#include "archive/EntryName.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <ostream>

struct SharedFolderPart::Block {
    std::atomic<std::uint32_t> references;
    std::uint32_t length;
    char text[1];
};

namespace {

void* Allocate(std::size_t size) {
    void* block = std::malloc(size);
    if (!block)
        throw std::bad_alloc();
    return block;
}

}  // namespace

char* NameArena::Place(std::string_view text) {
    const std::size_t need = text.size() + 1;
    used_ = (used_ + 3) & ~std::size_t(3);
    char* at;
    if (need > kBlockSize) {
        // A name longer than a block gets one of its own, placed before the one being filled.
        auto block = std::make_unique<char[]>(need);
        at = block.get();
        blocks_.insert(blocks_.empty() ? blocks_.end() : blocks_.end() - 1, std::move(block));
    } else {
        if (used_ + need > kBlockSize) {
            blocks_.push_back(std::make_unique<char[]>(kBlockSize));
            used_ = 0;
        }
        at = blocks_.back().get() + used_;
        used_ += need;
    }
    if (!text.empty())
        std::memcpy(at, text.data(), text.size());
    at[text.size()] = '\0';
    return at;
}

void NameArena::Clear() noexcept {
    blocks_.clear();
    used_ = kBlockSize;
}

SharedFolderPart::SharedFolderPart(std::string_view text) {
    if (text.empty())
        return;
    block_ = static_cast<Block*>(Allocate(offsetof(Block, text) + text.size() + 1));
    new (&block_->references) std::atomic<std::uint32_t>(1);
    block_->length = static_cast<std::uint32_t>(text.size());
    std::memcpy(block_->text, text.data(), text.size());
    block_->text[text.size()] = '\0';
}

SharedFolderPart::SharedFolderPart(const SharedFolderPart& other) noexcept : block_(other.block_) {
    if (block_)
        block_->references.fetch_add(1, std::memory_order_relaxed);
}

SharedFolderPart& SharedFolderPart::operator=(SharedFolderPart other) noexcept {
    std::swap(block_, other.block_);
    return *this;
}

SharedFolderPart::~SharedFolderPart() {
    Release(block_);
}

void SharedFolderPart::Release(Block* block) noexcept {
    if (block && block->references.fetch_sub(1, std::memory_order_acq_rel) == 1)
        std::free(block);
}

std::string_view SharedFolderPart::View() const noexcept {
    return block_ ? std::string_view(block_->text, block_->length) : std::string_view();
}

EntryName::EntryName(std::string_view text) {
    Assign(nullptr, text);
}

EntryName::EntryName(const SharedFolderPart& folder, std::string_view own) {
    Assign(folder.block_, own);
}

EntryName::EntryName(NameArena& arena, std::string_view text) {
    if (const void* zero = text.empty() ? nullptr : std::memchr(text.data(), 0, text.size()))
        text =
            text.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()));
    if (!text.empty())
        bits_ = reinterpret_cast<std::uintptr_t>(arena.Place(text)) | kInArena;
}

EntryName::EntryName(const EntryName& other) {
    Assign(other.Folder(), other.OwnPart());
}

EntryName& EntryName::operator=(const EntryName& other) {
    if (this != &other) {
        EntryName copy(other);
        *this = std::move(copy);
    }
    return *this;
}

EntryName& EntryName::operator=(EntryName&& other) noexcept {
    if (this != &other) {
        Free();
        bits_ = other.bits_;
        other.bits_ = 0;
    }
    return *this;
}

EntryName& EntryName::operator=(std::string_view text) {
    EntryName name(text);
    return *this = std::move(name);
}

// Only called on an empty name.
void EntryName::Assign(SharedFolderPart::Block* folder, std::string_view own) {
    // Up to the first 0 byte: the archive could not keep more. An empty view may have no data.
    if (const void* zero = own.empty() ? nullptr : std::memchr(own.data(), 0, own.size()))
        own = own.substr(0, static_cast<std::size_t>(static_cast<const char*>(zero) - own.data()));
    if (!folder && own.empty())
        return;
    const std::size_t head = folder ? sizeof folder : 0;
    char* block = static_cast<char*>(Allocate(head + own.size() + 1));
    if (folder) {
        folder->references.fetch_add(1, std::memory_order_relaxed);
        std::memcpy(block, &folder, sizeof folder);
    }
    if (!own.empty())
        std::memcpy(block + head, own.data(), own.size());
    block[head + own.size()] = '\0';
    bits_ = reinterpret_cast<std::uintptr_t>(block) | (folder ? kShared : 0);
}

void EntryName::Free() noexcept {
    if (!bits_ || (bits_ & kInArena)) {
        bits_ = 0;
        return;
    }
    SharedFolderPart::Release(Folder());
    std::free(reinterpret_cast<void*>(bits_ & ~kTags));
    bits_ = 0;
}

SharedFolderPart::Block* EntryName::Folder() const noexcept {
    if (!(bits_ & kShared))
        return nullptr;
    SharedFolderPart::Block* folder;
    std::memcpy(&folder, reinterpret_cast<const void*>(bits_ & ~kTags), sizeof folder);
    return folder;
}

const char* EntryName::Own() const noexcept {
    const char* block = reinterpret_cast<const char*>(bits_ & ~kTags);
    return bits_ & kShared ? block + sizeof(SharedFolderPart::Block*) : block;
}

std::string_view EntryName::FolderPart() const noexcept {
    const SharedFolderPart::Block* folder = Folder();
    return folder ? std::string_view(folder->text, folder->length) : std::string_view();
}

std::string_view EntryName::OwnPart() const noexcept {
    return bits_ ? std::string_view(Own()) : std::string_view();
}

std::string_view EntryName::FileName() const noexcept {
    const std::string_view own = OwnPart();
    const std::size_t slash = own.find_last_of("\\/");
    if (slash != std::string_view::npos)
        return own.substr(slash + 1);
    // A folder part ends with a separator, so the own part is the file name whole.
    return own;
}

std::string EntryName::str() const {
    const std::string_view folder = FolderPart(), own = OwnPart();
    std::string text;
    text.reserve(folder.size() + own.size());
    text.append(folder).append(own);
    return text;
}

namespace {

// True when the text a1 a2 equals the text b1 b2.
bool SameText(std::string_view a1, std::string_view a2, std::string_view b1,
              std::string_view b2) noexcept {
    if (a1.size() + a2.size() != b1.size() + b2.size())
        return false;
    if (a1.size() > b1.size()) {
        std::swap(a1, b1);
        std::swap(a2, b2);
    }
    // a1 is the shorter first piece: it meets the start of b1, a2 the rest of b1 and b2.
    const std::size_t split = b1.size() - a1.size();
    return b1.substr(0, a1.size()) == a1 && a2.substr(0, split) == b1.substr(a1.size()) &&
           a2.substr(split) == b2;
}

}  // namespace

bool operator==(const EntryName& a, std::string_view b) noexcept {
    return SameText(a.FolderPart(), a.OwnPart(), b, {});
}

bool operator==(const EntryName& a, const EntryName& b) noexcept {
    return SameText(a.FolderPart(), a.OwnPart(), b.FolderPart(), b.OwnPart());
}

std::ostream& operator<<(std::ostream& out, const EntryName& name) {
    return out << name.FolderPart() << name.OwnPart();
}
