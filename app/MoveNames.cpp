#include "app/MoveNames.h"

#include <algorithm>

#include "platform/TextCase.h"

namespace {

template <typename Key, typename Item>
void SortByKey(std::vector<std::pair<Key, Item>>& items) {
    std::sort(items.begin(), items.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
}

// The items filed under key.
template <typename Key, typename Item>
auto Filed(const std::vector<std::pair<Key, Item>>& items, const Key& key) {
    return std::equal_range(items.begin(), items.end(), std::pair<Key, Item>{key, Item{}},
                            [](const auto& a, const auto& b) { return a.first < b.first; });
}

// FNV-1a over the name an entry has inside its folder, folded as UpperCase folds it.
std::uint64_t FoldedNameHash(const RezEntry& entry) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    const auto add = [&hash](std::string_view piece) {
        for (std::size_t i = 0; i < piece.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(piece[i]);
            if (IsLeadByte(c) && i + 1 < piece.size()) {
                hash = (hash ^ c) * 0x100000001B3ull;
                c = static_cast<unsigned char>(piece[++i]);  // the trail byte as it is
            } else if (c >= 'a' && c <= 'z') {
                c = static_cast<unsigned char>(c - 'a' + 'A');
            }
            hash = (hash ^ c) * 0x100000001B3ull;
        }
    };
    // As ItemNameOf gives it.
    if (entry.dataPosition == 0) {
        add(entry.name.FileName());
    } else {
        add(entry.name.FolderPart());
        add(entry.name.OwnPart());
    }
    return hash;
}

bool SameName(const RezEntry& a, const RezEntry& b) {
    return EqualNoCase(ItemNameOf(a), ItemNameOf(b));
}

}  // namespace

MoveNames::MoveNames(const std::vector<RezFolder*>& folders,
                     const std::vector<MovedEntries>& groups) {
    folders_.reserve(folders.size());
    for (const RezFolder* folder : folders)
        folders_.emplace_back(UpperCase(folder->name), folder);
    for (const MovedEntries& group : groups)
        for (const RezEntry* entry : group.entries)
            entries_.push_back({FoldedNameHash(*entry), {entry, group.source}});
    SortByKey(folders_);
    SortByKey(entries_);
    for (std::size_t i = 1; i < folders_.size() && !repeated_; ++i)
        if (folders_[i].first == folders_[i - 1].first)
            repeated_ = folders_[i].second->name;
    for (std::size_t i = 1; i < entries_.size() && !repeated_; ++i) {
        for (std::size_t j = i; j-- > 0 && entries_[j].first == entries_[i].first;) {
            if (SameName(*entries_[j].second.entry, *entries_[i].second.entry)) {
                repeated_ = ItemNameOf(*entries_[i].second.entry);
                break;
            }
        }
    }
}

std::optional<std::string> MoveNames::ClashIn(const RezFolder& target) const {
    if (repeated_)
        return repeated_;
    if (!folders_.empty()) {
        for (const RezFolder* sub : target.subfolders) {
            const auto [first, last] = Filed(folders_, UpperCase(sub->name));
            for (auto moved = first; moved != last; ++moved)
                if (moved->second != sub && moved->second->parent != &target)
                    return moved->second->name;
        }
    }
    if (!entries_.empty()) {
        for (const RezEntry& entry : target.entries) {
            const auto [first, last] = Filed(entries_, FoldedNameHash(entry));
            for (auto moved = first; moved != last; ++moved)
                if (moved->second.source != &target && SameName(*moved->second.entry, entry))
                    return ItemNameOf(*moved->second.entry);
        }
    }
    return std::nullopt;
}
