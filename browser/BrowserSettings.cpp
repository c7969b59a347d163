#include "browser/BrowserSettings.h"

#include <algorithm>

#include "platform/Format.h"

namespace {

std::string RecentFileName(int index) {
    return Format("File%d", index + 1);
}

}  // namespace

WindowPlacement ReadPlacement(Settings& settings) {
    const WindowPlacement defaults;
    WindowPlacement placement;
    placement.x = settings.GetInt(kSettingsSection, "XPos", defaults.x);
    placement.y = settings.GetInt(kSettingsSection, "YPos", defaults.y);
    placement.width =
        std::max(settings.GetInt(kSettingsSection, "Width", defaults.width), kMinimumTrackWidth);
    placement.height =
        std::max(settings.GetInt(kSettingsSection, "Height", defaults.height), kMinimumTrackHeight);
    return placement;
}

void WritePlacement(Settings& settings, const WindowPlacement& placement) {
    settings.SetInt(kSettingsSection, "XPos", placement.x);
    settings.SetInt(kSettingsSection, "YPos", placement.y);
    settings.SetInt(kSettingsSection, "Width", placement.width);
    settings.SetInt(kSettingsSection, "Height", placement.height);
}

ViewMode ReadViewMode(Settings& settings) {
    const int stored = settings.GetInt(kSettingsSection, "ViewMode", 1);
    // Only the two low style bits are a view style; anything else would corrupt the list's.
    if (stored < 0 || stored > static_cast<int>(ViewMode::List))
        return ViewMode::Details;
    return static_cast<ViewMode>(stored);
}

void WriteViewMode(Settings& settings, ViewMode mode) {
    settings.SetInt(kSettingsSection, "ViewMode", static_cast<int>(mode));
}

RecentFileList::RecentFileList(const NameCollation& collation) : collation_(collation) {}

void RecentFileList::Read(Settings& settings) {
    paths_.clear();
    for (int i = 0; i < kSize; ++i) {
        std::string path = settings.GetString(kRecentFileSection, RecentFileName(i), "");
        if (!path.empty())
            paths_.push_back(std::move(path));
    }
}

WindowPlacement ToScreen(const WindowPlacement& workspace, WorkAreaOffset offset) {
    WindowPlacement screen = workspace;
    screen.x += offset.x;
    screen.y += offset.y;
    return screen;
}

WindowPlacement ToWorkspace(const WindowPlacement& screen, WorkAreaOffset offset) {
    return ToScreen(screen, {-offset.x, -offset.y});
}

void RecentFileList::Write(Settings& settings) const {
    for (int i = 0; i < kSize; ++i) {
        const size_t index = static_cast<size_t>(i);
        if (index < paths_.size())
            settings.SetString(kRecentFileSection, RecentFileName(i), paths_[index]);
        else
            settings.Remove(kRecentFileSection, RecentFileName(i));
    }
}

void RecentFileList::Add(const std::string& path) {
    if (path.empty())
        return;
    auto same = std::find_if(paths_.begin(), paths_.end(), [&](const std::string& known) {
        return collation_.CompareNoCase(known, path) == 0;
    });
    if (same != paths_.end())
        paths_.erase(same);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > static_cast<size_t>(kSize))
        paths_.resize(kSize);
}

void RecentFileList::Remove(int index) {
    if (index >= 0 && index < static_cast<int>(paths_.size()))
        paths_.erase(paths_.begin() + index);
}
