#pragma once
// The in-memory archive: an ordered list of folders, each owning its entries.
// No entry data is held here, only names, sizes, positions and times.
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "archive/EntryExtras.h"
#include "archive/EntryName.h"
#include "archive/NodePool.h"
#include "archive/TypeNames.h"

// Names one folder or entry record for the life of the process, so that a reference made
// earlier can be checked against the live model: every record made gets a number never given
// before, a copy included (it is another record). Moving a record within the model keeps it,
// because the lists move their nodes.
class ItemSerial {
  public:
    ItemSerial() : value_(Next()) {}
    ItemSerial(const ItemSerial&) : value_(Next()) {}
    // An assigned record is still the same record.
    ItemSerial& operator=(const ItemSerial&) { return *this; }
    std::uint64_t Value() const { return value_; }

  private:
    static std::uint64_t Next();
    std::uint64_t value_;
};

// The folder tree's root marker (TVI_ROOT), preset on the root of an opened or new archive.
constexpr std::uintptr_t kTreeRootItem = static_cast<std::uintptr_t>(-0x10000);

// An index holds many of these: 56 bytes on 64-bit systems, 48 on 32-bit ones.
struct RezEntry {
    std::uint32_t dataPosition = 0;  // 0: not in an archive yet; data is in the disk file `name`
    std::uint32_t size = 0;
    std::uint32_t time = 0;  // seconds since 1970-01-01 UTC
    std::uint32_t identifier = 0;
    EntryName name;  // base name, '.', type code; the disk path for a new entry until renamed
    TypeCode typeCode;
    TypeNameRef typeName;
    // A new entry's disk file, kept through renames and moves until a save stores its data.
    // Empty for stored entries, and for new entries whose name is their path.
    EntryName diskPath;
    EntryExtras extras;  // as loaded; written back by every save
    ItemSerial serial;
};

// The name an entry is shown and extracted under: the name of an entry not yet stored may
// still be its source path, whose file name it then is.
std::string ItemNameOf(const RezEntry& entry);

// Where the data of an entry not yet stored (data position 0) lies on disk.
inline const EntryName& DiskSourceOf(const RezEntry& entry) {
    return entry.diskPath.empty() ? entry.name : entry.diskPath;
}

// A folder's entries. Their nodes come from the pool of the folder list, shared by all its
// folders, so an entry keeps its address while it lives, also when moved to another folder.
using EntryList = std::list<RezEntry, PoolAllocator<RezEntry>>;

struct RezFolder;
using FolderNodes = std::list<std::unique_ptr<RezFolder>>;

struct RezFolder {
    explicit RezFolder(NodePool& entryNodes) : entries(PoolAllocator<RezEntry>(entryNodes)) {}

    std::uintptr_t treeItem = 0;  // the folder tree's item handle, 0 while not shown
    std::uint32_t directorySize = 0;
    std::uint32_t time = 0;
    std::uint32_t directoryPosition = 0;
    std::string name;
    EntryList entries;
    std::vector<RezFolder*> subfolders;  // direct children in folder-list order; not owning
    RezFolder* parent = nullptr;         // null only for the root
    ItemSerial serial;

  private:
    friend class FolderList;
    FolderNodes::iterator node_;  // this folder's place in its FolderList
};

// True when ancestor is folder itself or one of the folders above it.
bool IsSelfOrAncestor(const RezFolder* folder, const RezFolder* ancestor);

// The ordered folder list. Invariants: the root comes first; every folder stands after its
// parent; every folder's subfolders list names its direct children.
// Folders are referred to by pointer; a null folder means the root.
class FolderList {
  public:
    FolderList() = default;
    FolderList(const FolderList&) = delete;
    FolderList& operator=(const FolderList&) = delete;
    FolderList(FolderList&&) noexcept = default;
    FolderList& operator=(FolderList&& other) noexcept;

    bool Empty() const { return nodes_.empty(); }
    std::size_t Size() const { return nodes_.size(); }
    RezFolder* Root() const { return nodes_.empty() ? nullptr : nodes_.front().get(); }
    RezFolder* Last() const { return nodes_.empty() ? nullptr : nodes_.back().get(); }
    // Null means the root.
    RezFolder* Resolve(RezFolder* folder) const { return folder ? folder : Root(); }

    void Clear();
    // Room for the names of entries held in this list (the loader's); such a name must not be
    // moved out of an entry that outlives the list.
    NameArena& Names() { return names_; }
    // Creates a folder at the end of the list (the loader's depth-first order).
    RezFolder& Append(std::string name, RezFolder* parent);
    // Creates a folder directly after its parent.
    RezFolder& InsertAfterParent(std::string name, RezFolder* parent);

    // Folders in list order.
    template <typename Visit>
    void ForEach(Visit visit) const {
        for (const auto& node : nodes_)
            visit(*node);
    }
    // Folders from the last to the first.
    template <typename Visit>
    void ForEachReverse(Visit visit) const {
        for (auto it = nodes_.rbegin(); it != nodes_.rend(); ++it)
            visit(**it);
    }

    // Names from the top down joined by '\'; without includeRoot the root's name is left out
    // (the root alone still gives its own name).
    std::string FolderPath(const RezFolder* folder, bool includeRoot) const;
    RezFolder* FindFolderByPath(const std::string& path, bool includeRoot) const;
    RezFolder* FindFolderByTreeItem(std::uintptr_t treeItem) const;
    // Deletes the folder, everything below it and their entries. Deleting the root empties it
    // instead, so the document always keeps a root.
    void DeleteFolder(RezFolder* folder);
    // Makes newParent the folder's parent, keeping every descendant after it.
    // Moving a folder below itself or one of its descendants is refused (returns false).
    bool MoveFolder(RezFolder* folder, RezFolder* newParent);
    void RenameItem(RezFolder* folder, const std::string& name) { Resolve(folder)->name = name; }
    // An entry's type code and type name follow its new name. An entry not yet stored keeps
    // its disk file.
    static void RenameItem(RezEntry& entry, const std::string& name);

    // 64 bits: entries not yet stored may add up to more than an archive can hold.
    std::uint64_t TotalEntrySize() const;
    std::uint32_t TotalEntryCount() const;

  private:
    RezFolder& Insert(FolderNodes::iterator where, std::string name, RezFolder* parent);
    void Unlink(RezFolder& folder);

    // Both before the folders, so that they outlive their entries. The pool is made with the
    // first folder and stays where it is when the list is moved.
    NameArena names_;
    std::unique_ptr<NodePool> entryNodes_;
    FolderNodes nodes_;
};
