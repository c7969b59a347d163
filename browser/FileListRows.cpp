#include "browser/FileListRows.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "browser/ListTexts.h"

namespace {

// What a column sorts by. Subfolders have no type: sorting by Type keeps their order.
enum class KeyKind { None, Text, Number };

KeyKind KeyKindOf(int column, bool folders) {
    switch (column) {
        case static_cast<int>(ListColumn::Name):
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

// One item with its sort key, taken once so that comparing touches only this vector.
template <typename Item>
struct Keyed {
    std::string_view text;
    std::int64_t number = 0;
    Item item;
};

// Sorts items by their keys. Descending is the ascending order reversed, equal items keeping
// their order either way.
template <typename Item>
void SortKeyed(std::vector<Keyed<Item>>& keyed, KeyKind kind, bool ascending,
               const NameCollation& collation) {
    auto before = [kind, &collation](const Keyed<Item>& a, const Keyed<Item>& b) {
        if (kind == KeyKind::Text)
            return collation.CompareNoCase(a.text, b.text) < 0;
        return a.number < b.number;
    };
    if (ascending) {
        std::stable_sort(keyed.begin(), keyed.end(), before);
    } else {
        std::stable_sort(
            keyed.begin(), keyed.end(),
            [&before](const Keyed<Item>& a, const Keyed<Item>& b) { return before(b, a); });
    }
}

}  // namespace

FileListRows::FileListRows(const NameCollation& collation) : collation_(collation) {}

void FileListRows::ShowFolder(RezFolder* folder) {
    shown_ = folder;
    SortRows();
    BuildRows();
}

void FileListRows::SortRows() {
    if (!shown_)
        return;
    SortSubfolders(shown_->subfolders);
    SortEntries(shown_->entries);
}

void FileListRows::SortSubfolders(std::vector<RezFolder*>& subfolders) const {
    const KeyKind kind = KeyKindOf(sortColumn_, true);
    if (kind == KeyKind::None || subfolders.size() < 2)
        return;
    std::vector<Keyed<RezFolder*>> keyed;
    keyed.reserve(subfolders.size());
    for (RezFolder* folder : subfolders) {
        const std::int64_t number = sortColumn_ == static_cast<int>(ListColumn::Size)
                                        ? std::int64_t{folder->directorySize}
                                        : std::int64_t{static_cast<std::int32_t>(folder->time)};
        keyed.push_back({folder->name, number, folder});
    }
    SortKeyed(keyed, kind, ascending_, collation_);
    for (size_t i = 0; i < keyed.size(); ++i)
        subfolders[i] = keyed[i].item;
}

void FileListRows::SortEntries(EntryList& entries) const {
    const KeyKind kind = KeyKindOf(sortColumn_, false);
    if (kind == KeyKind::None || entries.size() < 2)
        return;
    std::vector<Keyed<EntryList::iterator>> keyed;
    keyed.reserve(entries.size());
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        Keyed<EntryList::iterator> key{{}, 0, it};
        switch (static_cast<ListColumn>(sortColumn_)) {
            case ListColumn::Name:
                // By the name the row shows: a new entry's name is still its disk path.
                key.text = ShownName(it->name);
                break;
            case ListColumn::Type:
                key.text = it->typeName;
                break;
            case ListColumn::Size:
                key.number = it->size;
                break;
            case ListColumn::Modified:
                key.number = static_cast<std::int32_t>(it->time);
                break;
        }
        keyed.push_back(key);
    }
    SortKeyed(keyed, kind, ascending_, collation_);
    // Moving the nodes keeps every entry where it is in memory, so references stay valid.
    for (const auto& key : keyed)
        entries.splice(entries.end(), entries, key.item);
}

void FileListRows::BuildRows() {
    rows_.clear();
    if (!shown_)
        return;
    rows_.reserve(shown_->subfolders.size() + shown_->entries.size());
    auto addSubfolders = [this] {
        for (RezFolder* folder : shown_->subfolders)
            rows_.push_back({folder, nullptr});
    };
    auto addEntries = [this] {
        for (RezEntry& entry : shown_->entries)
            rows_.push_back({nullptr, &entry});
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

std::string FileListRows::Text(int row, ListColumn column) const {
    const ListItem item = ItemAtRow(row);
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
        }
    }
    if (const RezEntry* entry = item.entry) {
        switch (column) {
            case ListColumn::Name:
                return std::string(ShownName(entry->name));
            case ListColumn::Size:
                return SizeText(entry->size);
            case ListColumn::Type:
                return entry->typeName;
            case ListColumn::Modified:
                return ModifiedText(entry->time);
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
    Refresh();
}

RezFolder* FileListRows::FolderOfFolderRow(int row) const {
    return IsFolderRow(row) ? ItemAtRow(row).folder : nullptr;
}

ListSelection FileListRows::SplitSelection(const std::vector<int>& selectedRows) const {
    ListSelection selection;
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

SelectedTotals FileListRows::SelectionTotals(const std::vector<int>& selectedRows) const {
    std::vector<std::string> sizes;
    sizes.reserve(selectedRows.size());
    for (int row : selectedRows)
        sizes.push_back(Text(row, ListColumn::Size));
    return SumSelectedSizes(sizes);
}

DoubleClick FileListRows::DoubleClickOn(int firstSelectedRow) const {
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
