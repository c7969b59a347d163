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

std::string ListArchive(const FolderList& folders) {
    std::string text;
    folders.ForEach([&](const RezFolder& folder) {
        text += folders.FolderPath(&folder, true) + "\\\n";
        for (const RezEntry& entry : folder.entries) {
            text += Format("  %10u  %s  %10u  %s\n", entry.size, UtcText(entry.time).c_str(),
                           entry.identifier, entry.name.c_str());
        }
    });
    text += Format("%u files, %u bytes\n", folders.TotalEntryCount(), folders.TotalEntrySize());
    return text;
}
