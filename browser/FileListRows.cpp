#include "browser/FileListRows.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "app/ItemSearch.h"
#include "browser/ListTexts.h"

namespace {

// What a column sorts by. Subfolders have no type: sorting by Type keeps their order.
enum class KeyKind { None, Text, Number };

KeyKind KeyKindOf(int column, bool folders) {
    switch (column) {
        case static_cast<int>(ListColumn::Name):
        case static_cast<int>(ListColumn::Folder):
            return KeyKind::Text;
        case static_cast<int>(ListColumn::Size):
        case static_cast<int>(ListColumn::Modified):
            return KeyKind::Number;
        case static_cast<int>(ListColumn::Type):
            return folders ? KeyKind::None : KeyKind::Text;
        default:
            return KeyKind::None;
    }
}

// The items of one list with their sort keys, taken once so that comparing touches only
// these vectors: numbers, or texts folded to lower case into one buffer.
template <typename Item>
class SortKeys {
  public:
    SortKeys(size_t count, const NameCollation& collation) : collation_(collation) {
        keys_.reserve(count);
    }

    void AddText(std::string_view text, Item item) {
        const size_t offset = folded_.size();
        collation_.AppendLowerCase(text, folded_);
        keys_.push_back({offset, folded_.size() - offset, 0, item});
    }
    void AddNumber(std::int64_t number, Item item) { keys_.push_back({0, 0, number, item}); }

    // Sorts the items; descending is the ascending order reversed, equal items keeping their
    // order either way.
    void Sort(KeyKind kind, bool ascending) {
        const char* folded = folded_.data();
        auto before = [kind, folded](const Key& a, const Key& b) {
            if (kind == KeyKind::Text)
                return std::string_view(folded + a.offset, a.length) <
                       std::string_view(folded + b.offset, b.length);
            return a.number < b.number;
        };
        if (ascending) {
            std::stable_sort(keys_.begin(), keys_.end(), before);
        } else {
            std::stable_sort(keys_.begin(), keys_.end(),
                             [&before](const Key& a, const Key& b) { return before(b, a); });
        }
    }

    template <typename Visit>
    void ForEach(Visit visit) const {
        for (const Key& key : keys_)
            visit(key.item);
    }

  private:
    struct Key {
        size_t offset;
        size_t length;
        std::int64_t number;
        Item item;
    };

    const NameCollation& collation_;
    std::string folded_;
    std::vector<Key> keys_;
};

// The keys of the Name, Size, Type and Modified columns (the Folder column is the results').
template <typename Item>
void AddFolderKey(SortKeys<Item>& keys, int column, const RezFolder& folder, Item item) {
    if (column == static_cast<int>(ListColumn::Name))
        keys.AddText(folder.name, item);
    else if (column == static_cast<int>(ListColumn::Size))
        keys.AddNumber(folder.directorySize, item);
    else
        keys.AddNumber(static_cast<std::int32_t>(folder.time), item);
}

template <typename Item>
void AddEntryKey(SortKeys<Item>& keys, int column, const RezEntry& entry, Item item) {
    switch (static_cast<ListColumn>(column)) {
        case ListColumn::Name:
            // By the name the row shows: a new entry's name is still its disk path.
            keys.AddText(ShownName(entry.name.str()), item);
            break;
        case ListColumn::Type:
            keys.AddText(entry.typeName, item);
            break;
        case ListColumn::Size:
            keys.AddNumber(entry.size, item);
            break;
        case ListColumn::Modified:
        case ListColumn::Folder:  // SortFound adds the results' Folder key itself
            keys.AddNumber(static_cast<std::int32_t>(entry.time), item);
            break;
    }
}

RezFolder* HolderOf(const ArchiveItem& item) {
    return item.entry ? item.folder : item.folder->parent;
}

}  // namespace

FileListRows::FileListRows(const NameCollation& collation) : collation_(collation) {}

void FileListRows::ShowFolder(RezFolder* folder) {
    shown_ = folder;
    // A folder has no Folder column to stay sorted by.
    if (sortColumn_ == static_cast<int>(ListColumn::Folder))
        sortColumn_ = static_cast<int>(ListColumn::Name);
    foundIn_ = nullptr;
    patterns_.clear();
    holders_.clear();
    rows_.clear();
    if (shown_)
        BuildRows(SortRows());
}

void FileListRows::RefreshList() {
    if (ShowsFound())
        BuildFoundRows();
    else
        ShowFolder(shown_);
}

void FileListRows::ShowFound(const FolderList& folders, std::vector<std::string> patterns) {
    shown_ = nullptr;
    foundIn_ = &folders;
    patterns_ = std::move(patterns);
    BuildFoundRows();
}

// Searched again each time, so that no row outlives a deleted item.
void FileListRows::BuildFoundRows() {
    std::vector<ArchiveItem> folders, entries;
    for (const ArchiveItem& item : FindItems(*foundIn_, patterns_))
        (item.entry ? entries : folders).push_back(item);
    SortFound(folders, true);
    SortFound(entries, false);
    rows_.clear();
    holders_.clear();
    rows_.reserve(folders.size() + entries.size());
    holders_.reserve(folders.size() + entries.size());
    auto add = [this](const std::vector<ArchiveItem>& items) {
        for (const ArchiveItem& item : items) {
            rows_.push_back(item.entry ? ListItem{nullptr, item.entry} : ListItem{item.folder});
            holders_.push_back(HolderOf(item));
        }
    };
    // As in a folder: folders first, entries first when descending.
    add(ascending_ ? folders : entries);
    add(ascending_ ? entries : folders);
}

void FileListRows::SortFound(std::vector<ArchiveItem>& items, bool folders) const {
    const KeyKind kind = KeyKindOf(sortColumn_, folders);
    if (kind == KeyKind::None || items.size() < 2)
        return;
    SortKeys<ArchiveItem> keys(items.size(), collation_);
    const RezFolder* pathOf = nullptr;  // the found items come folder by folder
    std::string path;
    for (const ArchiveItem& item : items) {
        if (sortColumn_ == static_cast<int>(ListColumn::Folder)) {
            if (HolderOf(item) != pathOf) {
                pathOf = HolderOf(item);
                path = foundIn_->FolderPath(pathOf, true);
            }
            keys.AddText(path, item);
        } else if (item.entry) {
            AddEntryKey(keys, sortColumn_, *item.entry, item);
        } else {
            AddFolderKey(keys, sortColumn_, *item.folder, item);
        }
    }
    keys.Sort(kind, ascending_);
    std::size_t next = 0;
    keys.ForEach([&](const ArchiveItem& item) { items[next++] = item; });
}

std::vector<RezEntry*> FileListRows::SortRows() {
    SortSubfolders(shown_->subfolders);
    return SortEntries(shown_->entries);
}

void FileListRows::SortSubfolders(std::vector<RezFolder*>& subfolders) const {
    const KeyKind kind = KeyKindOf(sortColumn_, true);
    if (kind == KeyKind::None || subfolders.size() < 2)
        return;
    SortKeys<RezFolder*> keys(subfolders.size(), collation_);
    for (RezFolder* folder : subfolders)
        AddFolderKey(keys, sortColumn_, *folder, folder);
    keys.Sort(kind, ascending_);
    size_t next = 0;
    keys.ForEach([&](RezFolder* folder) { subfolders[next++] = folder; });
}

std::vector<RezEntry*> FileListRows::SortEntries(EntryList& entries) const {
    std::vector<RezEntry*> order;
    order.reserve(entries.size());
    const KeyKind kind = KeyKindOf(sortColumn_, false);
    if (kind == KeyKind::None || entries.size() < 2) {
        for (RezEntry& entry : entries)
            order.push_back(&entry);
        return order;
    }
    SortKeys<EntryList::iterator> keys(entries.size(), collation_);
    for (auto it = entries.begin(); it != entries.end(); ++it)
        AddEntryKey(keys, sortColumn_, *it, it);
    keys.Sort(kind, ascending_);
    // Moving the nodes keeps every entry where it is in memory, so references stay valid.
    keys.ForEach([&](EntryList::iterator it) {
        entries.splice(entries.end(), entries, it);
        order.push_back(&*it);
    });
    return order;
}

// The rows come from the sorted vectors: walking the entry list again would cost a cache miss
// per entry.
void FileListRows::BuildRows(const std::vector<RezEntry*>& entries) {
    rows_.reserve(shown_->subfolders.size() + entries.size());
    auto addSubfolders = [this] {
        for (RezFolder* folder : shown_->subfolders)
            rows_.push_back({folder, nullptr});
    };
    auto addEntries = [this, &entries] {
        for (RezEntry* entry : entries)
            rows_.push_back({nullptr, entry});
    };
    if (ascending_) {
        addSubfolders();
        addEntries();
    } else {
        addEntries();
        addSubfolders();
    }
}

ListItem FileListRows::ItemAtRow(int row) const {
    if (row < 0 || row >= RowCount())
        return {};
    return rows_[static_cast<size_t>(row)];
}

RezFolder* FileListRows::HolderAtRow(int row) const {
    if (row < 0 || row >= RowCount())
        return nullptr;
    return ShowsFound() ? holders_[static_cast<size_t>(row)] : shown_;
}

std::string FileListRows::Text(int row, ListColumn column) const {
    const ListItem item = ItemAtRow(row);
    if (column == ListColumn::Folder) {
        const RezFolder* holder = ShowsFound() ? HolderAtRow(row) : nullptr;
        return holder ? foundIn_->FolderPath(holder, true) : std::string();
    }
    if (const RezFolder* folder = item.folder) {
        switch (column) {
            case ListColumn::Name:
                return folder->name;
            case ListColumn::Size:
                return {};
            case ListColumn::Type:
                return kFolderTypeText;
            case ListColumn::Modified:
                return ModifiedText(folder->time);
            case ListColumn::Folder:
                break;
        }
    }
    if (const RezEntry* entry = item.entry) {
        switch (column) {
            case ListColumn::Name:
                return std::string(ShownName(entry->name.str()));
            case ListColumn::Size:
                return SizeText(entry->size);
            case ListColumn::Type:
                return entry->typeName;
            case ListColumn::Modified:
                return ModifiedText(entry->time);
            case ListColumn::Folder:
                break;
        }
    }
    return {};
}

bool FileListRows::IsFolderRow(int row) const {
    const ListItem item = ItemAtRow(row);
    return item.folder || (item.entry && item.entry->typeName == kFolderTypeText);
}

std::string FileListRows::IconKey(int row) const {
    const ListItem item = ItemAtRow(row);
    if (item.folder)
        return ".";
    return item.entry ? EntryIconKey(*item.entry) : std::string();
}

int FileListRows::SetSortColumn(int column, bool ascending) {
    const int previous = sortColumn_;
    sortColumn_ = column;
    ascending_ = ascending;
    return previous;
}

void FileListRows::ClickColumn(int column) {
    SetSortColumn(column, column == sortColumn_ ? !ascending_ : ascending_);
    RefreshList();
}

RezFolder* FileListRows::FolderOfFolderRow(int row) const {
    return IsFolderRow(row) ? ItemAtRow(row).folder : nullptr;
}

ListSelection FileListRows::SplitSelection(const std::vector<int>& selectedRows) const {
    ListSelection selection;
    selection.source = shown_;
    for (int row : selectedRows) {
        const ListItem item = ItemAtRow(row);
        if (IsFolderRow(row)) {
            if (item.folder)
                selection.folders.push_back(item.folder);
        } else if (item.entry) {
            selection.entries.push_back(item.entry);
        }
    }
    return selection;
}

PayloadItems FileListRows::MovableSelection(const std::vector<int>& selectedRows) const {
    const std::vector<ArchiveItem> selected = SelectedItems(selectedRows);
    PayloadItems items;
    for (const ArchiveItem& item : selected)
        if (!item.entry)
            items.folders.push_back(item.folder);
    items.groups = EntriesByFolder(selected);
    // The results have no folder of their own: the first entry's folder is the source.
    items.source = ShowsFound() && !items.groups.empty() ? items.groups.front().source : shown_;
    return items;
}

std::vector<ArchiveItem> FileListRows::SelectedItems(const std::vector<int>& selectedRows) const {
    std::vector<ArchiveItem> items;
    for (int row : selectedRows) {
        const ListItem item = ItemAtRow(row);
        if (item.folder)
            items.push_back({item.folder, nullptr});
        else if (item.entry && !IsFolderRow(row))  // as SplitSelection leaves it out
            items.push_back({HolderAtRow(row), item.entry});
    }
    return items;
}

SelectedTotals FileListRows::SelectionTotals(const std::vector<int>& selectedRows) const {
    std::vector<std::string> sizes;
    sizes.reserve(selectedRows.size());
    for (int row : selectedRows)
        sizes.push_back(Text(row, ListColumn::Size));
    return SumSelectedSizes(sizes);
}

DoubleClick FileListRows::DoubleClickOn(int firstSelectedRow) const {
    if (ShowsFound()) {
        RezFolder* holder = HolderAtRow(firstSelectedRow);
        return holder ? DoubleClick{DoubleClickAction::OpenFolder, holder} : DoubleClick{};
    }
    if (IsFolderRow(firstSelectedRow)) {
        RezFolder* folder = FolderOfFolderRow(firstSelectedRow);
        return folder ? DoubleClick{DoubleClickAction::OpenFolder, folder} : DoubleClick{};
    }
    if (ItemAtRow(firstSelectedRow).entry)
        return {DoubleClickAction::Extract, nullptr};
    return {};
}

RezFolder* FileListRows::DropFolderAt(int row) const {
    return FolderOfFolderRow(row);
}

RezFolder* FileListRows::DropTarget(int dropRow) const {
    RezFolder* folder = FolderOfFolderRow(dropRow);
    return folder ? folder : shown_;
}
