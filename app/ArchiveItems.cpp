#include "app/ArchiveItems.h"

#include <unordered_map>

#include "platform/TextCase.h"

std::vector<std::string> ArchivePathParts(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    while (begin <= path.size()) {
        std::size_t end = path.find_first_of("/\\", begin);
        if (end == std::string::npos)
            end = path.size();
        if (end > begin)
            parts.push_back(path.substr(begin, end - begin));
        begin = end + 1;
    }
    return parts;
}

RezFolder* FindSubfolder(const RezFolder& parent, const std::string& name) {
    for (RezFolder* sub : parent.subfolders)
        if (EqualNoCase(sub->name, name))
            return sub;
    return nullptr;
}

RezEntry* FindEntry(RezFolder& folder, const std::string& name) {
    for (RezEntry& entry : folder.entries)
        if (EqualNoCase(ItemNameOf(entry), name))
            return &entry;
    return nullptr;
}

std::optional<ArchiveItem> FindItem(const FolderList& folders, const std::string& path) {
    RezFolder* folder = folders.Root();
    if (!folder)
        return std::nullopt;
    const std::vector<std::string> parts = ArchivePathParts(path);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (RezFolder* sub = FindSubfolder(*folder, parts[i])) {
            folder = sub;
        } else if (i + 1 == parts.size()) {
            RezEntry* entry = FindEntry(*folder, parts[i]);
            if (!entry)
                return std::nullopt;
            return ArchiveItem{folder, entry};
        } else {
            return std::nullopt;
        }
    }
    return ArchiveItem{folder, nullptr};
}

bool IsArchiveItemName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

std::vector<MovedEntries> EntriesByFolder(const std::vector<ArchiveItem>& items) {
    std::vector<MovedEntries> groups;
    // By folder, so that the entries of thousands of folders cost no search each.
    std::unordered_map<const RezFolder*, std::size_t> groupOf;
    for (const ArchiveItem& item : items) {
        if (!item.entry)
            continue;
        const auto [at, added] = groupOf.emplace(item.folder, groups.size());
        if (added)
            groups.push_back({item.folder, {}});
        groups[at->second].entries.push_back(item.entry);
    }
    return groups;
}
