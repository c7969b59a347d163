#pragma once
// The key table of the main window's two image lists (16 x 16 and 32 x 32): the key of the
// image at each index. The lists and the table grow in step, so an index once given out
// always names the same images.
#include <string>
#include <string_view>
#include <vector>

#include "platform/NameCollation.h"

enum class IconSize { Small, Large };

// Where a default image comes from.
enum class IconOrigin {
    ShellLibrary,  // icon `number` of "shell32.dll", small and large version apart
    // The shell's icons of a folder, closed and open, as it shows folders on disk: the icons
    // 3 and 4 of "shell32.dll" on Windows, which other shells number differently.
    ShellClosedFolder,
    ShellOpenFolder,
    Resource,             // the program's icon resource `number`, scaled for the small list
    ResourceDefaultSize,  // the same, loaded at the system's default icon size
};

struct DefaultIcon {
    const char* key;
    IconOrigin origin;
    int number;
};

// The image lists, as the window holds them.
class IconImages {
  public:
    virtual ~IconImages() = default;
    // Empties both lists.
    virtual void Clear() = 0;
    // Each appends one image to the list of that size; false when there was no icon to add.
    virtual bool AppendDefault(const DefaultIcon& icon, IconSize size) = 0;
    virtual bool AppendShellIcon(const std::string& fileName, IconSize size) = 0;
    // A blank image that keeps the list in step when an icon was missing.
    virtual void AppendPlaceholder(IconSize size) = 0;
};

class FileTypeIcons {
  public:
    static constexpr int kDefaultCount = 9;
    // The first keys, in index order.
    static const DefaultIcon kDefaults[kDefaultCount];

    FileTypeIcons(IconImages& images, const NameCollation& collation = PlatformNameCollation());

    // Empties the lists and adds the default icons.
    void ResetIcons();
    // The index of a key in any mix of case; a new key gets the shell's icons for a file
    // of that name, once.
    int IconIndexFor(std::string_view key);
    // A blank index of both lists that no key finds, for a picture drawn into the large list
    // (a texture in Large Icons). Its key reads kPictureKey.
    int AddPictureSlot();
    static constexpr const char* kPictureKey = "<picture>";

    const std::vector<std::string>& Keys() const { return keys_; }

  private:
    int Append(std::string key, bool small, bool large, bool pictureSlot = false);

    IconImages& images_;
    const NameCollation& collation_;
    std::vector<std::string> keys_;
    std::vector<bool> pictureSlot_;  // per index
};
