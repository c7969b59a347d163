#pragma once
// The name of an archive entry, held in one pointer. An entry added from disk is named by its
// disk path until the archive is saved; the files added from one disk folder share that
// folder's part of the path, so a tree of many files holds each folder's path once.
// Names never hold a 0 byte (the archive ends every name with one).
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Room for the names of many entries in a few large blocks, for names that live no longer
// than the arena (an archive's index as loaded). A name placed here is never freed alone.
class NameArena {
  public:
    NameArena() = default;
    NameArena(const NameArena&) = delete;
    NameArena& operator=(const NameArena&) = delete;
    NameArena(NameArena&&) noexcept = default;
    NameArena& operator=(NameArena&&) noexcept = default;

    // A 0-terminated copy of text, on a 4-byte boundary.
    char* Place(std::string_view text);
    // Every name placed so far is gone.
    void Clear() noexcept;

  private:
    static constexpr std::size_t kBlockSize = 64 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks_;  // the last one is being filled
    std::size_t used_ = kBlockSize;                // bytes taken in the last block
};

// The folder part of the names of files added from one disk folder, shared between them.
class SharedFolderPart {
  public:
    SharedFolderPart() = default;
    explicit SharedFolderPart(std::string_view text);
    SharedFolderPart(const SharedFolderPart& other) noexcept;
    SharedFolderPart& operator=(SharedFolderPart other) noexcept;
    ~SharedFolderPart();

    std::string_view View() const noexcept;

  private:
    friend class EntryName;
    struct Block;
    static void Release(Block* block) noexcept;
    Block* block_ = nullptr;
};

class EntryName {
  public:
    EntryName() noexcept = default;
    EntryName(std::string_view text);
    EntryName(const std::string& text) : EntryName(std::string_view(text)) {}
    EntryName(const char* text) : EntryName(std::string_view(text)) {}
    // folder followed by own, with folder's text shared.
    EntryName(const SharedFolderPart& folder, std::string_view own);
    // The text kept in arena, which must outlive this name; a copy of the name is a name of
    // its own.
    EntryName(NameArena& arena, std::string_view text);
    EntryName(const EntryName& other);
    EntryName(EntryName&& other) noexcept : bits_(other.bits_) { other.bits_ = 0; }
    EntryName& operator=(const EntryName& other);
    EntryName& operator=(EntryName&& other) noexcept;
    EntryName& operator=(std::string_view text);
    EntryName& operator=(const std::string& text) { return *this = std::string_view(text); }
    EntryName& operator=(const char* text) { return *this = std::string_view(text); }
    ~EntryName() { Free(); }

    bool empty() const noexcept { return bits_ == 0; }
    void clear() noexcept { Free(); }
    std::size_t size() const noexcept { return FolderPart().size() + OwnPart().size(); }
    std::string str() const;
    operator std::string() const { return str(); }
    const char* c_str() const = delete;  // a shared name is in two pieces: use str()

    // The name is the folder part followed by the own part; the folder part, when there is
    // one, ends with a path separator.
    std::string_view FolderPart() const noexcept;
    std::string_view OwnPart() const noexcept;
    // The part after the last '\' or '/'.
    std::string_view FileName() const noexcept;

    friend bool operator==(const EntryName& a, std::string_view b) noexcept;
    friend bool operator==(const EntryName& a, const std::string& b) noexcept {
        return a == std::string_view(b);
    }
    friend bool operator==(const EntryName& a, const char* b) noexcept {
        return a == std::string_view(b);
    }
    friend bool operator==(const EntryName& a, const EntryName& b) noexcept;
    friend std::string operator+(const EntryName& a, std::string_view b) {
        return a.str().append(b);
    }
    friend std::string operator+(std::string_view a, const EntryName& b) {
        return std::string(a).append(b.str());
    }
    friend std::ostream& operator<<(std::ostream& out, const EntryName& name);

  private:
    // 0: empty. Otherwise a block from Allocate: its own text, 0-terminated, after the shared
    // folder's block when kShared is set; or, with kInArena, the text in a NameArena.
    static constexpr std::uintptr_t kShared = 1;
    static constexpr std::uintptr_t kInArena = 2;
    static constexpr std::uintptr_t kTags = kShared | kInArena;
    void Assign(SharedFolderPart::Block* folder, std::string_view own);
    void Free() noexcept;
    SharedFolderPart::Block* Folder() const noexcept;
    const char* Own() const noexcept;

    std::uintptr_t bits_ = 0;
};
