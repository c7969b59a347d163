#include "app/ArchiveListing.h"

#include <ctime>

#include "platform/Format.h"

namespace {

std::string UtcText(std::uint32_t seconds) {
    const std::time_t time = seconds;
    const std::tm* utc = std::gmtime(&time);
    char text[32] = "";
    if (!utc || std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", utc) == 0)
        return "?";
    return text;
}

}  // namespace

std::string ListArchive(const FolderList& folders, const NameCodec& names) {
    std::string text;
    folders.ForEach([&](const RezFolder& folder) {
        text += names.Shown(folders.FolderPath(&folder, true)) + "\\\n";
        for (const RezEntry& entry : folder.entries)
            text += Format("  %10u  %s  %10u  %s\n", entry.size, UtcText(entry.time).c_str(),
                           entry.identifier, names.Shown(ItemNameOf(entry)).c_str());
    });
    text += Format("%u files, %llu bytes\n", folders.TotalEntryCount(),
                   static_cast<unsigned long long>(folders.TotalEntrySize()));
    return text;
}
