#include "archive/RezTree.h"

#include <algorithm>
#include <atomic>

#include "archive/ArchivePaths.h"
#include "platform/TextCase.h"

std::uint64_t ItemSerial::Next() {
    // The loader makes records on the worker thread.
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

bool IsSelfOrAncestor(const RezFolder* folder, const RezFolder* ancestor) {
    for (const RezFolder* up = folder; up; up = up->parent)
        if (up == ancestor)
            return true;
    return false;
}

FolderList& FolderList::operator=(FolderList&& other) noexcept {
    if (this != &other) {
        // Our folders go first, while the pool and the arena of their entries still stand.
        nodes_ = std::move(other.nodes_);
        entryNodes_ = std::move(other.entryNodes_);
        names_ = std::move(other.names_);
    }
    return *this;
}

void FolderList::Clear() {
    nodes_.clear();
    names_.Clear();
}

RezFolder& FolderList::Insert(FolderNodes::iterator where, std::string name, RezFolder* parent) {
    if (!entryNodes_)
        entryNodes_ = std::make_unique<NodePool>();
    auto node = nodes_.insert(where, std::make_unique<RezFolder>(*entryNodes_));
    RezFolder& folder = **node;
    folder.node_ = node;
    folder.name = std::move(name);
    folder.parent = parent;
    if (parent)
        parent->subfolders.push_back(&folder);
    return folder;
}

RezFolder& FolderList::Append(std::string name, RezFolder* parent) {
    return Insert(nodes_.end(), std::move(name), parent);
}

RezFolder& FolderList::InsertAfterParent(std::string name, RezFolder* parent) {
    parent = Resolve(parent);
    auto where = parent ? std::next(parent->node_) : nodes_.end();
    return Insert(where, std::move(name), parent);
}

std::string FolderList::FolderPath(const RezFolder* folder, bool includeRoot) const {
    folder = folder ? folder : Root();
    if (!folder)
        return {};
    std::string path = folder->name;
    for (const RezFolder* up = folder->parent; up; up = up->parent) {
        if (!includeRoot && !up->parent)
            break;
        path = up->name + "\\" + path;
    }
    return path;
}

RezFolder* FolderList::FindFolderByPath(const std::string& path, bool includeRoot) const {
    std::string trimmed = path;
    if (!trimmed.empty() && trimmed.back() == '\\')
        trimmed.pop_back();
    if (!trimmed.empty() && trimmed.front() == '\\')
        trimmed.erase(0, 1);
    const size_t slash = trimmed.rfind('\\');
    const std::string last = slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
    for (const auto& node : nodes_)
        if (EqualNoCase(node->name, last) && FolderPath(node.get(), includeRoot) == trimmed)
            return node.get();
    return nullptr;
}

RezFolder* FolderList::FindFolderByTreeItem(std::uintptr_t treeItem) const {
    for (const auto& node : nodes_)
        if (node->treeItem == treeItem)
            return node.get();
    return nullptr;
}

void FolderList::Unlink(RezFolder& folder) {
    while (!folder.subfolders.empty())
        Unlink(*folder.subfolders.back());
    if (folder.parent) {
        auto& siblings = folder.parent->subfolders;
        siblings.erase(std::find(siblings.begin(), siblings.end(), &folder));
    }
    nodes_.erase(folder.node_);
}

void FolderList::DeleteFolder(RezFolder* folder) {
    folder = Resolve(folder);
    if (!folder)
        return;
    if (folder == Root()) {
        while (!folder->subfolders.empty())
            Unlink(*folder->subfolders.back());
        folder->entries.clear();
        return;
    }
    Unlink(*folder);
}

bool FolderList::MoveFolder(RezFolder* folder, RezFolder* newParent) {
    newParent = Resolve(newParent);
    if (!folder || folder == Root() || !newParent)
        return false;
    for (const RezFolder* up = newParent; up; up = up->parent)
        if (up == folder)
            return false;
    auto& siblings = folder->parent->subfolders;
    siblings.erase(std::find(siblings.begin(), siblings.end(), folder));
    folder->parent = newParent;
    newParent->subfolders.push_back(folder);

    // Put the folder and its descendants, in pre-order, right after the new parent, so every
    // folder still stands after its own parent.
    std::vector<RezFolder*> preorder;
    auto visit = [&preorder](auto&& self, RezFolder* f) -> void {
        preorder.push_back(f);
        for (RezFolder* child : f->subfolders)
            self(self, child);
    };
    visit(visit, folder);
    auto pos = std::next(newParent->node_);
    for (RezFolder* f : preorder)
        if (f->node_ == pos)
            ++pos;  // already in place
        else
            nodes_.splice(pos, nodes_, f->node_);
    return true;
}

std::string ItemNameOf(const RezEntry& entry) {
    return entry.dataPosition == 0 ? std::string(entry.name.FileName()) : entry.name.str();
}

void FolderList::RenameItem(RezEntry& entry, const std::string& name) {
    if (entry.dataPosition == 0 && entry.diskPath.empty())
        entry.diskPath = entry.name;  // made by hand with its path as its name
    entry.name = name;
    entry.typeCode = RenamedTypeCodeOf(name);
    entry.typeName = TypeNameFor(entry.typeCode, name);
}

std::uint64_t FolderList::TotalEntrySize() const {
    std::uint64_t total = 0;
    for (const auto& node : nodes_)
        for (const RezEntry& entry : node->entries)
            total += entry.size;
    return total;
}

std::uint32_t FolderList::TotalEntryCount() const {
    std::uint32_t count = 0;
    for (const auto& node : nodes_)
        count += static_cast<std::uint32_t>(node->entries.size());
    return count;
}
