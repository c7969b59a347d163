#include "app/MoveNames.h"

#include "platform/TextCase.h"

MoveNames::MoveNames(const std::vector<RezFolder*>& folders,
                     const std::vector<RezEntry*>& entries) {
    for (const RezFolder* folder : folders) {
        if (!folders_.emplace(UpperCase(folder->name), folder).second && !repeated_)
            repeated_ = folder->name;
    }
    for (const RezEntry* entry : entries) {
        const std::string name = ItemNameOf(*entry);
        if (!entries_.emplace(UpperCase(name), name).second && !repeated_)
            repeated_ = name;
    }
}

std::optional<std::string> MoveNames::ClashIn(const RezFolder& target,
                                              const RezFolder* source) const {
    if (repeated_)
        return repeated_;
    if (!folders_.empty()) {
        for (const RezFolder* sub : target.subfolders) {
            const auto moved = folders_.find(UpperCase(sub->name));
            if (moved != folders_.end() && moved->second != sub &&
                moved->second->parent != &target) {
                return moved->second->name;
            }
        }
    }
    if (!entries_.empty() && source != &target) {
        for (const RezEntry& entry : target.entries) {
            const auto moved = entries_.find(UpperCase(ItemNameOf(entry)));
            if (moved != entries_.end())
                return moved->second;
        }
    }
    return std::nullopt;
}
