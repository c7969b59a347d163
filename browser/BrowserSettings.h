#pragma once
// The main window's settings: what it keeps in the profile, under which names, with which
// defaults. The window reads and writes them through the Settings seam only.
#include <string>
#include <vector>

#include "platform/NameCollation.h"
#include "platform/Settings.h"

inline constexpr const char* kSettingsSection = "Settings";
inline constexpr const char* kRecentFileSection = "Recent File List";

// The list's view style, as stored in "ViewMode".
enum class ViewMode { LargeIcons = 0, Details = 1, SmallIcons = 2, List = 3 };

// The window's restored rectangle: left, top, width, height in screen coordinates.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 600;
    int height = 400;
};

// The window is never made smaller than this.
inline constexpr int kMinimumTrackWidth = 450;
inline constexpr int kMinimumTrackHeight = 300;

// How far the work area's corner lies from its monitor's (a taskbar at the top or the left):
// the window manager gives and takes the restored rectangle in the work area's coordinates.
struct WorkAreaOffset {
    int x = 0;
    int y = 0;
};
WindowPlacement ToScreen(const WindowPlacement& workspace, WorkAreaOffset offset);
WindowPlacement ToWorkspace(const WindowPlacement& screen, WorkAreaOffset offset);

// "XPos", "YPos", "Width", "Height"; a size below the minimum reads as the minimum.
WindowPlacement ReadPlacement(Settings& settings);
void WritePlacement(Settings& settings, const WindowPlacement& placement);
// "ViewMode": Details unless a known style is stored.
ViewMode ReadViewMode(Settings& settings);
void WriteViewMode(Settings& settings, ViewMode mode);

// The File menu's recent archives, most recent first, kept as "File1" to "File4".
class RecentFileList {
  public:
    static constexpr int kSize = 4;

    explicit RecentFileList(const NameCollation& collation = PlatformNameCollation());

    void Read(Settings& settings);
    // Every used slot is written; an unused one is left absent.
    void Write(Settings& settings) const;
    // Puts the path first; the same path in another case moves instead of repeating.
    void Add(const std::string& path);
    void Remove(int index);
    const std::vector<std::string>& Paths() const { return paths_; }

  private:
    const NameCollation& collation_;
    std::vector<std::string> paths_;
};
